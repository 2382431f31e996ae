// The temporary-folder query of the system-information component
// (TacSystemInfo.DirTemp). The component forwards its property read here.
// Windows-only implementation behind a portable header.
#pragma once

#include <string>

namespace acutils {

// The user's temporary folder with one trailing backslash removed, asked
// afresh on every call: C:\TEMP\ reads as C:\TEMP, a drive root C:\ as C:.
std::string DirTemp();

} // namespace acutils
