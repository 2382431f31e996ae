// What the extraction and removal passes of a storage ask of the system,
// behind a narrow interface: the Windows build implements it on the Win32 API
// (ExtractionSystemWin.cpp); the portable build has none, so a storage loaded
// there keeps its files in memory. Tests put their own in between.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ac {

// The base folders of an extraction folder.
class BaseFolderSource {
public:
    virtual ~BaseFolderSource() = default;
    // Each ends in one backslash.
    virtual std::string WindowsFolder() = 0;
    virtual std::string SystemFolder() = 0;
    virtual std::string TempFolder() = 0;
    // Full path of the running program's file.
    virtual std::string ProgramPath() = 0;
    // A per-user "Shell Folders" value; empty when it cannot be read.
    virtual std::string ShellFolder(const std::string& valueName) = 0;
};

// A file opened for writing; closed when destroyed.
class ExtractionFile {
public:
    virtual ~ExtractionFile() = default;
    // One write of `size` bytes. False when the system reports failure;
    // `written` is the count it reports either way.
    virtual bool Write(const uint8_t* data, uint32_t size, uint32_t& written) = 0;
};

class ExtractionSystem : public BaseFolderSource {
public:
    // An entry that exists and is not a folder.
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // Creates the folders along the folder part of `fileName`, ignoring failures.
    virtual void CreateFolderPath(const std::string& fileName) = 0;
    // All 64 bits of the size, or -1 when the file cannot be opened.
    virtual int64_t FileSizeByName(const std::string& fileName) = 0;
    virtual bool FolderIsEmpty(const std::string& path) = 0;
    // Creates or replaces the file for writing, shared for reading and
    // writing; null when it cannot be created.
    virtual std::unique_ptr<ExtractionFile> CreateAlways(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    virtual bool RemoveFolder(const std::string& path) = 0;
};

// The system a storage uses unless it is given another: the Win32 one in
// the Windows build, none (null) in the portable build.
ExtractionSystem* DefaultExtractionSystem();

// Replaces the default for storages created from now on (null: none);
// returns the previous one. For tests that load a storage from a definition.
ExtractionSystem* SetDefaultExtractionSystem(ExtractionSystem* system);

} // namespace ac
