// The unit acUtils: stateless folder, file, registry, path and shell helpers
// shared by the launcher and its storage. Every call asks the system afresh.
//
// The path rules and the rules of the launch helpers are portable; the
// system calls are implemented on the Win32 API and are only built for
// Windows, but every header stays free of <windows.h>.
#pragma once

#include "syshelp/Association.h"
#include "syshelp/CommandLine.h"
#include "syshelp/FileSystem.h"
#include "syshelp/MailLaunch.h"
#include "syshelp/PathRules.h"
#include "syshelp/Registry.h"
#include "syshelp/RegistryReader.h"
#include "syshelp/Shell.h"
#include "syshelp/SystemFolders.h"
#include "syshelp/SystemInfo.h"
#include "syshelp/WebLaunch.h"
