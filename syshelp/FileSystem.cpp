#include "syshelp/FileSystem.h"

#include "syshelp/PathRules.h"
#include "syshelp/SystemText.h"
#include "syshelp/WinHandles.h"

#include <cstring>

namespace acutils {

namespace {

// The entry's name ends at its first zero byte, and never past the end of its
// fixed-size field.
bool IsDotEntry(const WIN32_FIND_DATAA& entry) {
    const size_t length = strnlen(entry.cFileName, sizeof(entry.cFileName));
    const std::string name(entry.cFileName, length);
    return name == "." || name == "..";
}

} // namespace

bool FolderExists(const std::string& path) {
    if (!HasNoZeroByte(path)) return false;
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FolderIsEmpty(const std::string& path) {
    if (!FolderExists(path)) return false;

    const std::string pattern = EnsureTrailingBackslash(path) + "*.*";
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle search(::FindFirstFileA(pattern.c_str(), &entry));
    if (!search.IsValid()) return false;

    do {
        if (!IsDotEntry(entry)) return false;
    } while (::FindNextFileA(search.Get(), &entry));
    // Only the end of the listing proves the folder empty; a listing that
    // broke off may have missed entries.
    return ::GetLastError() == ERROR_NO_MORE_FILES;
}

void CreateFolderPath(const std::string& fileName) {
    if (!HasNoZeroByte(fileName)) return;
    const std::string folder = FolderPart(fileName);
    for (std::string::size_type i = 0; i < folder.size(); ++i) {
        if (folder[i] != '\\') continue;
        const std::string prefix = folder.substr(0, i + 1);
        ::CreateDirectoryA(prefix.c_str(), nullptr);
    }
}

int64_t FileSizeByName(const std::string& fileName) {
    if (!HasNoZeroByte(fileName)) return -1;
    // Access 0 asks for attributes only, so a file that others hold open for
    // reading or writing can still be measured.
    UniqueFileHandle file(::CreateFileA(fileName.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return -1;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) return -1;
    return static_cast<int64_t>(size.QuadPart);
}

} // namespace acutils
