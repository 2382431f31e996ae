// Finding the program that the registry associates with a file extension
// (HKEY_CLASSES_ROOT), as the web links use it to find the browser.
// Portable: the registry is passed in (RegistryReader.h).
#pragma once

#include "syshelp/RegistryReader.h"

#include <string>

namespace acutils {

// The program path of the command that opens files of `extension` ("html"
// or ".html"), without its parameters; empty when none is registered.
// The extension's class must exist. Its "shell\open\command" is used when
// that key exists, even with an empty value; otherwise the first verb whose
// name contains "open" (in any case), or failing that the first verb with a
// non-empty command.
std::string GetAssociatedProgram(const std::string& extension,
                                 RegistryReader& registry = SystemRegistry());

} // namespace acutils
