// sfpack: packs, inspects and builds launcher form definitions.
#include "Commands.h"
#include "ToolError.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>

namespace sfpack {
namespace {

// Commands with more than one word ("form compile") list both words in name.
const Command Commands[] = {
    {"pack", "IN OUT", RunPack},
    {"unpack", "IN OUT", RunUnpack},
    {"store", "OUT [NAME=]FILE...", RunStore},
    {"list", "IN", RunList},
    {"extract", "IN DIR", RunExtract},
    {"form compile", "TEXT OUT", RunFormCompile},
    {"form dump", "IN [TEXT]", RunFormDump},
};

void PrintUsage(std::FILE* to) {
    std::fprintf(to, "usage:\n");
    for (const Command& command : Commands)
        std::fprintf(to, "  sfpack %s %s\n", command.name, command.usage);
}

// Finds the command whose words start the argument list; sets `words` to how
// many arguments its name took.
const Command* FindCommand(const Args& args, size_t* words) {
    for (const Command& command : Commands) {
        Args nameWords;
        for (const char* p = command.name; *p;) {
            const char* space = std::strchr(p, ' ');
            const size_t length = space ? static_cast<size_t>(space - p) : std::strlen(p);
            nameWords.emplace_back(p, length);
            p += length + (space ? 1 : 0);
        }
        if (args.size() >= nameWords.size() &&
            std::equal(nameWords.begin(), nameWords.end(), args.begin())) {
            *words = nameWords.size();
            return &command;
        }
    }
    return nullptr;
}

int Run(const Args& args) {
    size_t words = 0;
    const Command* command = FindCommand(args, &words);
    if (!command) {
        if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
            PrintUsage(stdout);
            return ExitOk;
        }
        std::fprintf(stderr, "sfpack: %s\n",
                     args.empty() ? "no command given"
                                  : ("unknown command '" + args[0] + "'").c_str());
        PrintUsage(stderr);
        return ExitUsage;
    }
    try {
        return command->run(Args(args.begin() + static_cast<ptrdiff_t>(words), args.end()));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "sfpack %s: %s\nusage: sfpack %s %s\n", command->name, error.what(),
                     command->name, command->usage);
        return ExitUsage;
    }
}

} // namespace
} // namespace sfpack

int main(int argc, char** argv) {
    try {
        return sfpack::Run(sfpack::Args(argv + 1, argv + argc));
    } catch (const sfpack::ToolError& error) {
        std::fprintf(stderr, "sfpack: %s\n", error.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "sfpack: out of memory\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sfpack: %s\n", error.what());
    }
    return sfpack::ExitFailure;
}
