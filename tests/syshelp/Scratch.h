// Clean state for each test under Windows: a unique scratch folder below the
// temporary folder and a unique registry key below
// HKEY_CURRENT_USER\Software\QuietlockLauncherTests, both removed again when
// the test ends. The helpers here use the Win32 API directly, so that the
// code under test is never checked with itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace acutils::testing {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's full path, ending in a backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }

private:
    std::string path_;
};

class ScratchRegKey {
public:
    ScratchRegKey();
    ~ScratchRegKey();
    ScratchRegKey(const ScratchRegKey&) = delete;
    ScratchRegKey& operator=(const ScratchRegKey&) = delete;

    // The key below HKEY_CURRENT_USER, without a leading backslash.
    const std::string& SubKey() const { return subKey_; }

private:
    std::string subKey_;
};

// Files and folders, each step asserted to work.
void MakeFolder(const std::string& path);
void MakeFile(const std::string& path, const std::string& contents = std::string());
bool IsFolder(const std::string& path);
bool Exists(const std::string& path);

// A file of `size` bytes whose data are never written (a hole), so a size of
// several GiB costs no disk space.
void MakeSparseFile(const std::string& path, int64_t size);

// One registry value as stored, read back with RegQueryValueExA.
struct RawValue {
    bool found = false;
    DWORD type = REG_NONE;
    std::string bytes;
};

// Stores `bytes` exactly as given (no terminator added) below HKEY_CURRENT_USER.
void SetRawValue(const std::string& subKey, const std::string& name, DWORD type,
                 const std::string& bytes);
RawValue GetRawValue(const std::string& subKey, const std::string& name);
bool KeyExists(const std::string& subKey);

} // namespace acutils::testing
