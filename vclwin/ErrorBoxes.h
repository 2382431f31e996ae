// The application's two message boxes.
#pragma once

#include <string>

namespace vclwin {

// "Exception <class> in Modul <module> bei <address>." and the message.
std::string CreationErrorText(const std::string& exceptionClass, const std::string& module,
                              const void* address, const std::string& message);

// Task-modal, captioned "Anwendungsfehler".
void ShowCreationErrorBox(const std::string& text);

// Captioned with the application title.
void ShowHandlerErrorBox(const std::string& title, const std::string& message);

} // namespace vclwin
