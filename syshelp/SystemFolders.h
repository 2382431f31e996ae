// The well-known folders, asked afresh from the system on every call.
// Windows-only implementation behind a portable header.
#pragma once

#include <string>

namespace acutils {

// The user's temporary folder (GetTempPathA), ending in one backslash.
std::string GetTempFolder();

// The Windows system folder (GetSystemDirectoryA), ending in one backslash.
std::string GetSystemFolder();

// The Windows folder (GetWindowsDirectoryA), ending in one backslash.
std::string GetWindowsFolder();

// When the system cannot give a folder, or it does not fit in 260
// characters, each query returns a single backslash.

} // namespace acutils
