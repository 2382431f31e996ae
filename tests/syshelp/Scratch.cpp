#include "Scratch.h"

#include "syshelp/WinHandles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace acutils::testing {

namespace {

constexpr char TestKeyRoot[] = "Software\\QuietlockLauncherTests";

// A key opened by these helpers, closed on every path out of them.
struct TestKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle key) { ::RegCloseKey(key); }
};
using TestKey = UniqueWinHandle<TestKeyTraits>;

TestKey OpenTestKey(const std::string& subKey, bool create) {
    HKEY key = nullptr;
    const LONG status = create
                            ? ::RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0,
                                                KEY_ALL_ACCESS, nullptr, &key, nullptr)
                            : ::RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key);
    return TestKey(status == ERROR_SUCCESS ? key : nullptr);
}

// Unique within this run and across runs that share a prefix.
std::string UniqueName(const char* prefix) {
    static unsigned counter = 0;
    return std::string(prefix) + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(::GetTickCount64()) + "-" + std::to_string(++counter);
}

std::string SystemTempPath() {
    std::array<char, MAX_PATH + 1> buffer{};
    const DWORD length = ::GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    EXPECT_GT(length, 0u);
    return std::string(buffer.data(), length);
}

// Deletes a folder and everything below it; read-only files included.
void DeleteTree(const std::string& folder) {
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle search(::FindFirstFileA((folder + "*").c_str(), &entry));
    if (search.IsValid()) {
        do {
            const std::string name(entry.cFileName, strnlen(entry.cFileName, MAX_PATH));
            if (name == "." || name == "..") continue;
            const std::string path = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path + "\\");
            } else {
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(search.Get(), &entry));
    }
    search.Reset();
    ::RemoveDirectoryA(folder.c_str());
}

} // namespace

ScratchFolder::ScratchFolder() : path_(SystemTempPath() + UniqueName("ql-syshelp-") + "\\") {
    MakeFolder(path_);
}

ScratchFolder::~ScratchFolder() {
    DeleteTree(path_);
    EXPECT_FALSE(Exists(path_)) << "scratch folder left behind: " << path_;
}

ScratchRegKey::ScratchRegKey() : subKey_(std::string(TestKeyRoot) + "\\" + UniqueName("case-")) {
    EXPECT_TRUE(OpenTestKey(subKey_, true).IsValid()) << subKey_;
}

ScratchRegKey::~ScratchRegKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, subKey_.c_str());
    EXPECT_FALSE(KeyExists(subKey_)) << "scratch key left behind: " << subKey_;
    // The common parent goes when the last test's key has gone.
    ::RegDeleteKeyA(HKEY_CURRENT_USER, TestKeyRoot);
}

void MakeFolder(const std::string& path) {
    ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr)) << path;
}

void MakeFile(const std::string& path, const std::string& contents) {
    UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.IsValid()) << path;
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.Get(), contents.data(), static_cast<DWORD>(contents.size()),
                            &written, nullptr));
    ASSERT_EQ(written, contents.size());
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeSparseFile(const std::string& path, int64_t size) {
    UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.IsValid()) << path;
    // Marking the file sparse keeps NTFS from allocating the hole; where the
    // file system makes holes by itself the request may fail harmlessly.
    DWORD returned = 0;
    ::DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end{};
    end.QuadPart = size;
    ASSERT_TRUE(::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(file.Get())) << "size " << size;
}

void SetRawValue(const std::string& subKey, const std::string& name, DWORD type,
                 const std::string& bytes) {
    const TestKey key = OpenTestKey(subKey, true);
    ASSERT_TRUE(key.IsValid()) << subKey;
    // A guard byte after the data, so the system cannot take a zero that
    // happens to follow them for a forgotten terminator.
    std::vector<char> data(bytes.begin(), bytes.end());
    data.push_back('\x01');
    const LONG status = ::RegSetValueExA(key.Get(), name.c_str(), 0, type,
                                         reinterpret_cast<const BYTE*>(data.data()),
                                         static_cast<DWORD>(bytes.size()));
    ASSERT_EQ(status, ERROR_SUCCESS) << name;
}

RawValue GetRawValue(const std::string& subKey, const std::string& name) {
    RawValue value;
    const TestKey key = OpenTestKey(subKey, false);
    if (!key.IsValid()) return value;
    DWORD size = 0;
    LONG status = ::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        std::vector<char> data(size + 1);
        status = ::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type,
                                    reinterpret_cast<BYTE*>(data.data()), &size);
        value.found = status == ERROR_SUCCESS;
        value.bytes.assign(data.data(), size);
    }
    return value;
}

bool KeyExists(const std::string& subKey) {
    return OpenTestKey(subKey, false).IsValid();
}

} // namespace acutils::testing
