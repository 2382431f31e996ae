#include "WineSupport.h"

#include "syshelp/WinHandles.h"

#include <gtest/gtest.h>

#include <vector>

namespace storagetest {

namespace {

void DeleteValue(const std::string& subKey, const std::string& name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, name.c_str());
    ::RegCloseKey(key);
}

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

} // namespace

ShellFolderValue::ShellFolderValue(const std::string& name, std::optional<std::string> value)
    : name_(name), saved_(acutils::testing::GetRawValue(ShellFoldersKey, name)) {
    if (value)
        acutils::testing::SetRawValue(ShellFoldersKey, name, REG_SZ, *value + std::string(1, '\0'));
    else
        DeleteValue(ShellFoldersKey, name);
}

ShellFolderValue::~ShellFolderValue() {
    if (saved_.found)
        acutils::testing::SetRawValue(ShellFoldersKey, name_, saved_.type, saved_.bytes);
    else
        DeleteValue(ShellFoldersKey, name_);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    acutils::UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return std::nullopt;
    std::string contents;
    char buffer[4096];
    DWORD count = 0;
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &count, nullptr) && count > 0)
        contents.append(buffer, count);
    return contents;
}

std::string WindowsFolderOfSystem() {
    char buffer[MAX_PATH] = {};
    EXPECT_GT(::GetWindowsDirectoryA(buffer, MAX_PATH), 0u);
    return WithBackslash(buffer);
}

std::string SystemFolderOfSystem() {
    char buffer[MAX_PATH] = {};
    EXPECT_GT(::GetSystemDirectoryA(buffer, MAX_PATH), 0u);
    return WithBackslash(buffer);
}

std::string TempFolderOfSystem() {
    char buffer[MAX_PATH] = {};
    EXPECT_GT(::GetTempPathA(MAX_PATH, buffer), 0u);
    return WithBackslash(buffer);
}

std::string ProgramPathOfSystem() {
    std::vector<char> buffer(32768);
    const DWORD length =
        ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    EXPECT_GT(length, 0u);
    return std::string(buffer.data(), length);
}

} // namespace storagetest
