#include "syshelp/SystemInfo.h"

#include "syshelp/PathRules.h"
#include "syshelp/SystemFolders.h"

namespace acutils {

std::string DirTemp() {
    return RemoveTrailingBackslash(GetTempFolder());
}

} // namespace acutils
