// Errors of the command-line tool. A ToolError ends the command with one line
// on stderr and exit status 1; a UsageError prints the usage and exits 2.
#pragma once

#include <stdexcept>
#include <string>

namespace sfpack {

enum ExitStatus : int { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace sfpack
