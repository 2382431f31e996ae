// The install button's action: the setup program that the storage wrote
// into the temporary folder, handed to the shell. Portable: the shell is
// passed in, defaulting to the system's (Windows only).
#pragma once

#include "syshelp/Shell.h"

#include <string>

namespace launcher {

// The setup program's path: the temporary folder, one backslash, the file
// name. A folder that still ends in a backslash gets no second one.
std::string SetupProgramPath(const std::string& tempFolder, const std::string& fileName);

// Asks the shell to open the setup program (operation "open", no
// parameters, no folder, SW_SHOW), owned by `applicationWindow` (an HWND).
// Neither the file nor the shell's answer is checked: a missing program is
// the shell's to report.
void StartSetupProgram(void* applicationWindow, const std::string& tempFolder,
                       const std::string& fileName, acutils::Shell& shell = acutils::SystemShell());

} // namespace launcher
