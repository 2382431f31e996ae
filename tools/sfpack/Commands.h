// The sfpack commands. Each takes the arguments after its own name, throws
// UsageError or ToolError on failure and returns an exit status otherwise.
#pragma once

#include <string>
#include <vector>

namespace sfpack {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage; // arguments, for the usage text
    int (*run)(const Args& args);
};

int RunPack(const Args& args);
int RunUnpack(const Args& args);
int RunStore(const Args& args);
int RunList(const Args& args);
int RunExtract(const Args& args);
int RunFormCompile(const Args& args);
int RunFormDump(const Args& args);

} // namespace sfpack
