#include "syshelp/WebLaunch.h"

#include "syshelp/Association.h"

namespace acutils {

std::string CompleteWebAddress(const std::string& address) {
    if (address.find("://") != std::string::npos) return address;
    return "http://" + address;
}

intptr_t OpenURL(const std::string& address, bool newWindow, int show, Shell& shell,
                 RegistryReader& registry) {
    const std::string url = CompleteWebAddress(address);

    ShellRequest request;
    request.owner = ShellOwner::DesktopWindow();
    request.operation = "open";
    if (newWindow) {
        const std::string browser = GetAssociatedProgram("html", registry);
        if (!browser.empty()) {
            // The browser's own registered parameters are not used: the
            // address alone makes it open a window of its own.
            request.file = browser;
            request.parameters = url;
            request.show = show;
            return shell.Execute(request);
        }
    }
    request.file = url;
    request.show = ShowNormal;
    return shell.Execute(request);
}

} // namespace acutils
