// Runs the built sfpack in a scratch folder of its own and captures its
// exit status and error output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sfpack::test {

struct RunResult {
    int exitStatus;
    std::string errorOutput; // everything sfpack wrote to stderr
    std::string output;      // everything it wrote to stdout
};

// A fresh scratch folder, removed with everything in it on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string Path(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::vector<uint8_t> Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // Names of the entries in the folder, sorted.
    std::vector<std::string> List() const;

private:
    std::string path_;
};

// Runs sfpack with the given arguments (each passed as one word).
RunResult RunSfpack(const std::vector<std::string>& args);

} // namespace sfpack::test
