#include "FileIO.h"

#include "ToolError.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace sfpack {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemReason() {
    return std::strerror(errno);
}

} // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t maxSize, size_t slack) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) throw ToolError("cannot open '" + path + "': " + SystemReason());
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0)
        throw ToolError("cannot read '" + path + "': " + SystemReason());
    if (!S_ISREG(info.st_mode)) throw ToolError("'" + path + "' is not a regular file");
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    if (size > maxSize)
        throw ToolError("'" + path + "' is " + std::to_string(size) + " bytes; at most " +
                        std::to_string(maxSize) + " are supported");
    std::vector<uint8_t> bytes(static_cast<size_t>(size) + slack);
    if (size != 0 && std::fread(bytes.data(), 1, static_cast<size_t>(size), file.get()) != size)
        throw ToolError("cannot read '" + path +
                        "': " + (std::ferror(file.get()) ? SystemReason() : "file shrank"));
    return bytes;
}

AtomicFile::AtomicFile(std::string path)
    : path_(std::move(path)), tempPath_(path_ + ".tmp" + std::to_string(getpid())) {
    file_ = std::fopen(tempPath_.c_str(), "wb");
    if (!file_) throw ToolError("cannot create '" + tempPath_ + "': " + SystemReason());
}

AtomicFile::~AtomicFile() {
    if (file_) {
        std::fclose(file_);
        std::remove(tempPath_.c_str());
    }
}

void AtomicFile::Write(const void* data, size_t size) {
    if (size != 0 && std::fwrite(data, 1, size, file_) != size)
        throw ToolError("cannot write '" + tempPath_ + "': " + SystemReason());
}

void AtomicFile::Commit() {
    std::FILE* file = file_;
    file_ = nullptr;
    const bool flushed = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const std::string reason = SystemReason();
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed) {
        std::remove(tempPath_.c_str());
        throw ToolError("cannot write '" + tempPath_ + "': " + reason);
    }
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        const std::string renameReason = SystemReason();
        std::remove(tempPath_.c_str());
        throw ToolError("cannot create '" + path_ + "': " + renameReason);
    }
}

void WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size) {
    AtomicFile file(path);
    file.Write(data, size);
    file.Commit();
}

} // namespace sfpack
