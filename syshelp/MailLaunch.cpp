#include "syshelp/MailLaunch.h"

namespace acutils {

std::string ComposeMailURL(const std::string& address, const std::string& name,
                           const std::string& subject, const std::string& body,
                           const std::string& carbonCopy, const std::string& blindCarbonCopy) {
    std::string text = "mailto:";
    if (name.empty()) {
        text += address;
    } else {
        text += name + " <" + address + ">";
    }
    text += "?Subject=" + subject;
    text += "&Body=" + body;
    text += "&CC=" + carbonCopy;
    text += "&BCC=" + blindCarbonCopy;
    return text;
}

void OpenMailURL(const std::string& address, const std::string& name, const std::string& subject,
                 const std::string& body, const std::string& carbonCopy,
                 const std::string& blindCarbonCopy, Shell& shell) {
    ShellRequest request;
    request.owner = ShellOwner::DesktopWindow();
    request.operation = "open";
    request.file = ComposeMailURL(address, name, subject, body, carbonCopy, blindCarbonCopy);
    request.show = ShowNormal;
    shell.Execute(request);
}

} // namespace acutils
