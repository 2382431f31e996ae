#include "syshelp/CommandLine.h"

#include "syshelp/PathRules.h"

#include <algorithm>
#include <array>

namespace acutils {

namespace {

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string UpperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

void EraseFirst(std::string& text, char c) {
    const auto pos = text.find(c);
    if (pos != std::string::npos) text.erase(pos, 1);
}

// "C:\x\prog.exe" "arg": the program between the quotes, and the rest after
// the one character (normally a blank) that follows the closing quote.
void SplitQuotedProgram(std::string& command, std::string& parameters) {
    command.erase(0, 1);
    const auto close = command.find('"');
    if (close == std::string::npos) return;
    parameters = command.size() > close + 2 ? command.substr(close + 2) : std::string();
    command.erase(close);
    parameters = TrimControlAndBlank(parameters);
    // A quoted placeholder ("%1") is handed on without its quotes.
    EraseFirst(parameters, '"');
    EraseFirst(parameters, '"');
}

struct Separator {
    const char* text;
    bool keptWithParameters;
};

// Tried in this order; the first that splits (and leaves the program's
// extension whole) wins.
constexpr std::array<Separator, 6> Separators = {{
    {" -", true},
    {" /", true},
    {" \\", true},
    {",", false},
    {" %", true},
    {" \"", true},
}};

void SplitUnquotedProgram(std::string& command, std::string& parameters) {
    const std::string fullCommand = command;
    for (const Separator& separator : Separators) {
        if (!parameters.empty()) break;
        const std::string text = separator.text;
        const auto pos = command.find(text);
        if (pos == std::string::npos) continue;
        const std::string left = command.substr(0, pos);
        std::string right = command.substr(pos + text.size());
        if (separator.keptWithParameters) right = text + right;
        // A separator inside the program's path ("C:\My -Tools\viewer.exe")
        // would leave a program without its extension.
        if (!FileExtension(command).empty() && FileExtension(left).empty()) continue;
        command = left;
        parameters = right;
    }

    // "rundll32.exe viewer.dll,Entry %1": the comma split leaves
    // "rundll32.exe viewer.dll"; the program is rundll32 itself.
    if (UpperAscii(FileExtension(command)) == ".DLL" &&
        UpperAscii(command).find("RUNDLL") != std::string::npos) {
        const std::string fileName = FileNamePart(fullCommand);
        const auto blank = fileName.find(' ');
        const std::string head = fileName.substr(0, blank);
        parameters = blank == std::string::npos ? std::string() : fileName.substr(blank + 1);
        command = FolderPart(fullCommand) + head;
    }
}

} // namespace

std::string TrimControlAndBlank(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsControlOrBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsControlOrBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

void SplitCommandLine(std::string& command, std::string& parameters) {
    parameters.clear();
    command = TrimControlAndBlank(command);
    if (command.empty()) return;

    if (command.front() == '"') {
        SplitQuotedProgram(command, parameters);
    } else {
        SplitUnquotedProgram(command, parameters);
    }
    command = TrimControlAndBlank(command);
    parameters = TrimControlAndBlank(parameters);
}

} // namespace acutils
