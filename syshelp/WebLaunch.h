// Web address launching of the unit acUtils: a web link opens its address in
// a new window of the browser registered for ".html" files, or through the
// shell's own handler for the address. Portable: shell and registry are
// passed in.
#pragma once

#include "syshelp/RegistryReader.h"
#include "syshelp/Shell.h"

#include <cstdint>
#include <string>

namespace acutils {

// The address as it is opened: "http://" is put in front unless it holds
// "://" somewhere. Nothing is escaped.
std::string CompleteWebAddress(const std::string& address);

// With `newWindow` and a browser registered for ".html", starts that browser
// with the address as its only parameters and the show command `show`.
// Otherwise hands the address itself to the shell with SW_SHOWNORMAL (the
// shell's handler then picks the window). Owner is the desktop window.
// Returns the shell's answer (above 32 on success).
intptr_t OpenURL(const std::string& address, bool newWindow, int show, Shell& shell = SystemShell(),
                 RegistryReader& registry = SystemRegistry());

} // namespace acutils
