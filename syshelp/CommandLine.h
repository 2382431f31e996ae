// Splitting a registered command line (an "open" command of the registry)
// into the program and its parameters. Portable.
#pragma once

#include <string>

namespace acutils {

// Removes every leading and trailing character with a code from 0 to 32.
std::string TrimControlAndBlank(const std::string& text);

// Splits `command` in place into the program, leaving the rest in
// `parameters` (which is cleared first). A program in double quotes ends at
// its closing quote; the parameters then lose at most two quote characters.
// An unquoted program ends at the first of " -", " /", " \", ",", " %" and
// blank-quote, tried in that order, unless that split would cut the
// program's own extension off its path ("C:\My -Tools\viewer.exe" stays
// whole). An unquoted rundll command keeps "rundll32.exe" as the program and
// its DLL and entry point as the parameters. Both parts come back trimmed.
void SplitCommandLine(std::string& command, std::string& parameters);

} // namespace acutils
