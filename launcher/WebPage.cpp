#include "launcher/WebPage.h"

namespace launcher {

const char HtmlOpenCommandKey[] = "\\htmlfile\\shell\\open\\command";

std::string ProgramOfOpenCommand(const std::string& command) {
    const auto open = command.find('"');
    const std::string rest = open == std::string::npos ? command : command.substr(open + 1);
    const auto close = rest.find('"');
    return close == std::string::npos ? std::string() : rest.substr(0, close);
}

void OpenWebPage(const std::string& address, acutils::Shell& shell,
                 acutils::RegistryReader& registry) {
    // The key is opened for reading only: HKEY_CLASSES_ROOT is the machine's
    // to change, and asking for full access there is refused to a standard
    // user, whose logo click would then do nothing.
    std::string command;
    registry.ReadString(acutils::RegRoot::ClassesRoot, HtmlOpenCommandKey, std::string(), command);
    if (command.empty()) return;

    acutils::ShellRequest request;
    request.owner = acutils::ShellOwner::NoWindow();
    request.operation = "open";
    request.file = ProgramOfOpenCommand(command);
    request.parameters = address;
    request.show = acutils::Show;
    shell.Execute(request);
}

} // namespace launcher
