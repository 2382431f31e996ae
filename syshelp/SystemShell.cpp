#include "syshelp/Shell.h"

#include "syshelp/SystemText.h"

#include <windows.h>

#include <shellapi.h>

namespace acutils {

namespace {

HWND OwnerWindow(const ShellOwner& owner) {
    switch (owner.kind) {
    case ShellOwner::Kind::None:
        return nullptr;
    case ShellOwner::Kind::Desktop:
        return ::GetDesktopWindow();
    case ShellOwner::Kind::Window:
        return static_cast<HWND>(owner.window);
    }
    return nullptr;
}

// Empty texts are handed over as "none" (a null pointer), as the callers mean.
const char* TextOrNone(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

class WindowsShell final : public Shell {
public:
    intptr_t Execute(const ShellRequest& request) override {
        if (!HasNoZeroByte(request.operation) || !HasNoZeroByte(request.file) ||
            !HasNoZeroByte(request.parameters) || !HasNoZeroByte(request.directory))
            return ERROR_FILE_NOT_FOUND;
        const HINSTANCE result = ::ShellExecuteA(
            OwnerWindow(request.owner), TextOrNone(request.operation), request.file.c_str(),
            TextOrNone(request.parameters), TextOrNone(request.directory), request.show);
        return reinterpret_cast<intptr_t>(result);
    }
};

} // namespace

Shell& SystemShell() {
    static WindowsShell shell;
    return shell;
}

} // namespace acutils
