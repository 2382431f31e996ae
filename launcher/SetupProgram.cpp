#include "launcher/SetupProgram.h"

#include "syshelp/PathRules.h"

namespace launcher {

std::string SetupProgramPath(const std::string& tempFolder, const std::string& fileName) {
    return acutils::EnsureTrailingBackslash(tempFolder) + fileName;
}

void StartSetupProgram(void* applicationWindow, const std::string& tempFolder,
                       const std::string& fileName, acutils::Shell& shell) {
    acutils::ShellRequest request;
    request.owner = acutils::ShellOwner::OfWindow(applicationWindow);
    request.operation = "open";
    request.file = SetupProgramPath(tempFolder, fileName);
    request.show = acutils::Show;
    shell.Execute(request);
}

} // namespace launcher
