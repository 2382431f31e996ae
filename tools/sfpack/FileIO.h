// Whole-file reads and all-or-nothing writes for the command-line tool.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace sfpack {

// Reads the whole file. `slack` zero bytes are appended after its contents
// (the packer needs two bytes past its input); size() includes them.
// Throws ToolError naming the file when it cannot be read or is larger than
// `maxSize` bytes.
std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t maxSize, size_t slack = 0);

// Writes a file all at once: the bytes go to a temporary file beside `path`,
// which replaces `path` only when everything was written and flushed. On any
// failure no file is left behind and ToolError is thrown.
void WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size);

// Collects output in pieces and commits it with WriteFileAtomically.
class AtomicFile {
public:
    explicit AtomicFile(std::string path);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Appends bytes to the temporary file.
    void Write(const void* data, size_t size);
    // Flushes, closes and renames the temporary file onto the target.
    void Commit();

private:
    std::string path_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
};

} // namespace sfpack
