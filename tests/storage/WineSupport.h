// Helpers for the storage's tests under Wine: real files in a scratch folder
// (tests/syshelp/Scratch.h), per-user shell folder values set for one test
// and restored after it, and reading files back with the Win32 API itself.
#pragma once

#include "../syshelp/Scratch.h"

#include <optional>
#include <string>

namespace storagetest {

using acutils::testing::Exists;
using acutils::testing::IsFolder;
using acutils::testing::MakeFile;
using acutils::testing::MakeFolder;
using acutils::testing::ScratchFolder;

constexpr char ShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Gives one per-user shell folder value a text (or removes it) for the life
// of this object, and puts the earlier value back afterwards.
class ShellFolderValue {
public:
    ShellFolderValue(const std::string& name, std::optional<std::string> value);
    ~ShellFolderValue();
    ShellFolderValue(const ShellFolderValue&) = delete;
    ShellFolderValue& operator=(const ShellFolderValue&) = delete;

private:
    std::string name_;
    acutils::testing::RawValue saved_;
};

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Asked of the system directly, for expectations.
std::string WindowsFolderOfSystem();
std::string SystemFolderOfSystem();
std::string TempFolderOfSystem();
std::string ProgramPathOfSystem();

} // namespace storagetest
