#include "syshelp/SystemFolders.h"

#include "syshelp/PathRules.h"

#include <windows.h>

#include <array>
#include <cstring>

namespace acutils {

namespace {

constexpr UINT FolderBufferChars = 260;

// Runs one of the folder queries, which all report the characters they wrote
// (without the terminating zero), or 0 on failure, or the buffer size they
// would need when the folder does not fit. Only a complete folder is taken;
// anything else gives an empty text, which becomes a single backslash.
template <typename Query> std::string QueryFolder(Query query) {
    std::array<char, FolderBufferChars> buffer{};
    const UINT written = query(buffer.data(), FolderBufferChars);
    std::string folder;
    if (written > 0 && written < FolderBufferChars)
        folder.assign(buffer.data(), strnlen(buffer.data(), written));
    return EnsureTrailingBackslash(folder);
}

} // namespace

std::string GetTempFolder() {
    return QueryFolder(
        [](char* buffer, UINT size) { return static_cast<UINT>(::GetTempPathA(size, buffer)); });
}

std::string GetSystemFolder() {
    return QueryFolder([](char* buffer, UINT size) { return ::GetSystemDirectoryA(buffer, size); });
}

std::string GetWindowsFolder() {
    return QueryFolder(
        [](char* buffer, UINT size) { return ::GetWindowsDirectoryA(buffer, size); });
}

} // namespace acutils
