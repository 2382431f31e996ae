#include "syshelp/Association.h"

#include "syshelp/CommandLine.h"
#include "syshelp/PathRules.h"

#include <algorithm>
#include <vector>

namespace acutils {

namespace {

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

bool ReadDefault(RegistryReader& registry, const std::string& subKey, std::string& value) {
    return registry.ReadString(RegRoot::ClassesRoot, subKey, std::string(), value);
}

// The command of one of the class's other verbs, for a class without an
// "open" command key.
std::string CommandOfSomeVerb(RegistryReader& registry, const std::string& fileClass) {
    const std::string shellKey = fileClass + "\\shell";
    std::vector<std::string> verbs;
    registry.ListSubkeys(RegRoot::ClassesRoot, shellKey, verbs);

    std::string command;
    const auto openVerb = std::find_if(verbs.begin(), verbs.end(), [](const std::string& verb) {
        return LowerAscii(verb).find("open") != std::string::npos;
    });
    if (openVerb != verbs.end()) {
        ReadDefault(registry, shellKey + "\\" + *openVerb + "\\command", command);
        return command;
    }
    for (const std::string& verb : verbs) {
        if (ReadDefault(registry, shellKey + "\\" + verb + "\\command", command) &&
            !command.empty())
            return command;
    }
    return std::string();
}

} // namespace

std::string GetAssociatedProgram(const std::string& extension, RegistryReader& registry) {
    if (extension.empty() || extension == ".") return std::string();

    std::string fileClass;
    ReadDefault(registry, EnsureLeadingChar(extension, '.'), fileClass);
    if (fileClass.empty()) return std::string();
    std::string unused;
    if (!ReadDefault(registry, fileClass, unused)) return std::string();

    std::string command;
    if (!ReadDefault(registry, fileClass + "\\shell\\open\\command", command))
        command = CommandOfSomeVerb(registry, fileClass);

    std::string parameters;
    SplitCommandLine(command, parameters);
    return command;
}

} // namespace acutils
