#include "ExtractionSystemWin.h"

#include "syshelp/FileSystem.h"
#include "syshelp/Registry.h"
#include "syshelp/SystemFolders.h"
#include "syshelp/WinHandles.h"

#include <windows.h>

#include <vector>

namespace ac {

namespace {

constexpr char ShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class Win32File : public ExtractionFile {
public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    bool Write(const uint8_t* data, uint32_t size, uint32_t& written) override {
        DWORD count = 0;
        const BOOL ok = ::WriteFile(handle_.Get(), data, size, &count, nullptr);
        written = count;
        return ok != FALSE;
    }

private:
    acutils::UniqueFileHandle handle_;
};

class Win32System : public ExtractionSystem {
public:
    std::string WindowsFolder() override { return acutils::GetWindowsFolder(); }
    std::string SystemFolder() override { return acutils::GetSystemFolder(); }
    std::string TempFolder() override { return acutils::GetTempFolder(); }

    std::string ProgramPath() override {
        // Paths may be longer than MAX_PATH; a truncated one is no path.
        std::vector<char> buffer(MAX_PATH);
        while (buffer.size() <= 32768) {
            const DWORD size = static_cast<DWORD>(buffer.size());
            const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
            if (length == 0) return {};
            if (length < size) return std::string(buffer.data(), length);
            buffer.resize(buffer.size() * 2);
        }
        return {};
    }

    std::string ShellFolder(const std::string& valueName) override {
        std::string value;
        acutils::ReadRegString(acutils::RegRoot::CurrentUser, ShellFoldersKey, valueName, value);
        return value;
    }

    bool FileExists(const std::string& path) override {
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool FolderExists(const std::string& path) override { return acutils::FolderExists(path); }
    void CreateFolderPath(const std::string& fileName) override {
        acutils::CreateFolderPath(fileName);
    }
    int64_t FileSizeByName(const std::string& fileName) override {
        return acutils::FileSizeByName(fileName);
    }
    bool FolderIsEmpty(const std::string& path) override { return acutils::FolderIsEmpty(path); }

    std::unique_ptr<ExtractionFile> CreateAlways(const std::string& path) override {
        const HANDLE handle =
            ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<Win32File>(handle);
    }
    bool RemoveFile(const std::string& path) override { return ::DeleteFileA(path.c_str()) != 0; }
    bool RemoveFolder(const std::string& path) override {
        return ::RemoveDirectoryA(path.c_str()) != 0;
    }
};

} // namespace

ExtractionSystem& Win32ExtractionSystem() {
    static Win32System system;
    return system;
}

} // namespace ac
