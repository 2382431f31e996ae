#include "ErrorBoxes.h"

#include "WinText.h"

#include <windows.h>

#include <cstdio>

namespace vclwin {

std::string CreationErrorText(const std::string& exceptionClass, const std::string& module,
                              const void* address, const std::string& message) {
    char hex[2 * sizeof(void*) + 1];
    std::snprintf(hex, sizeof hex, "%0*llX", int(2 * sizeof(void*)),
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(address)));
    return "Exception " + exceptionClass + " in Modul " + module + " bei " + hex + ".\n" + message;
}

void ShowCreationErrorBox(const std::string& text) {
    const std::wstring wide = WideFromCp1252(text);
    ::MessageBoxW(nullptr, wide.c_str(), L"Anwendungsfehler", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

void ShowHandlerErrorBox(const std::string& title, const std::string& message) {
    const std::wstring wideTitle = WideFromCp1252(title);
    const std::wstring wide = WideFromCp1252(message);
    ::MessageBoxW(nullptr, wide.c_str(), wideTitle.c_str(), MB_OK | MB_ICONSTOP);
}

} // namespace vclwin
