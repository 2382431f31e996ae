// The logo's action: the maker's web page opened with the program that the
// registry names as the opener of HTML files. Portable: registry and shell
// are passed in, defaulting to the system's (Windows only).
#pragma once

#include "syshelp/RegistryReader.h"
#include "syshelp/Shell.h"

#include <string>

namespace launcher {

// Where the HTML-file open command is registered (below HKEY_CLASSES_ROOT).
extern const char HtmlOpenCommandKey[];

// The program of a registered open command: the text between its first two
// double quotes, empty when it has fewer than two. The command's own
// parameters are not wanted: the page address replaces them.
std::string ProgramOfOpenCommand(const std::string& command);

// Reads the HTML-file open command and asks the shell to open its program
// with `address` as the only parameters (no owner window, SW_SHOW). A
// missing, empty or unreadable command does nothing at all; a command
// without a quoted program still asks the shell, with an empty program.
// Nothing is reported.
void OpenWebPage(const std::string& address, acutils::Shell& shell = acutils::SystemShell(),
                 acutils::RegistryReader& registry = acutils::SystemRegistry());

} // namespace launcher
