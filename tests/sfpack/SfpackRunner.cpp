#include "SfpackRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/wait.h>
#include <unistd.h>

namespace sfpack::test {
namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "sfpack-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ScratchDir::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream file(Path(name), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ScratchDir::Read(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
}

bool ScratchDir::Exists(const std::string& name) const {
    return fs::exists(Path(name));
}

std::vector<std::string> ScratchDir::List() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

RunResult RunSfpack(const std::vector<std::string>& args) {
    ScratchDir capture;
    const std::string out = capture.Path("stdout");
    const std::string err = capture.Path("stderr");
    std::fflush(stdout); // the child must not repeat our buffered output
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(127);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(SFPACK_PATH));
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(SFPACK_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    RunResult result{WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), Slurp(err),
                     Slurp(out)};
    return result;
}

} // namespace sfpack::test
