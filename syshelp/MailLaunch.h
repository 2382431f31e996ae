// Mail launching of the unit acUtils: a "mailto:" address composed from the
// link label's e-mail settings and handed to the shell, which starts the
// user's mail program. Portable: the shell is passed in (Shell.h).
#pragma once

#include "syshelp/Shell.h"

#include <string>

namespace acutils {

// The "mailto:" text: "mailto:" and the address (or, with a name,
// "mailto:Name <address>"), then "?Subject=", "&Body=", "&CC=" and "&BCC="
// each followed by its text. Every key stays even when its text is empty, and
// nothing is escaped: blanks, line breaks, "&", "?" and "%" go through as
// they are, which is what the mail programs registered for "mailto:" expect
// from this launcher.
std::string ComposeMailURL(const std::string& address, const std::string& name,
                           const std::string& subject, const std::string& body,
                           const std::string& carbonCopy, const std::string& blindCarbonCopy);

// Asks the shell to open the composed text: owner the desktop window, "open",
// no parameters, no folder, SW_SHOWNORMAL. The shell's answer is not looked
// at: when no mail program is registered, the shell's own reaction is all
// the user sees.
void OpenMailURL(const std::string& address, const std::string& name, const std::string& subject,
                 const std::string& body, const std::string& carbonCopy,
                 const std::string& blindCarbonCopy, Shell& shell = SystemShell());

} // namespace acutils
