// The unit acUtils: stateless folder, file, registry and path helpers shared
// by the launcher and its storage. Every call asks the system afresh.
//
// PathRules.h is portable; the other parts are implemented on the Win32 API
// and are only built for Windows, but their headers stay free of <windows.h>.
#pragma once

#include "syshelp/FileSystem.h"
#include "syshelp/PathRules.h"
#include "syshelp/Registry.h"
#include "syshelp/SystemFolders.h"
#include "syshelp/SystemInfo.h"
