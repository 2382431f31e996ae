// The one door to the Windows shell that the launch helpers use: a request
// to open a document, program or address (ShellExecuteA). The helpers take
// the shell as an argument, so that what they ask of it is checked natively
// with a recording shell, and under Wine with the real one.
// Portable header; the system's shell is implemented for Windows only.
#pragma once

#include <cstdint>
#include <string>

namespace acutils {

// Show commands (ShowWindow codes) that the launch helpers pass on.
constexpr int ShowNormal = 1; // SW_SHOWNORMAL
constexpr int Show = 5;       // SW_SHOW

// The window that owns whatever the shell shows for a request.
struct ShellOwner {
    enum class Kind { None, Desktop, Window };
    Kind kind = Kind::None;
    void* window = nullptr; // the HWND, for Kind::Window only

    static ShellOwner NoWindow() { return {Kind::None, nullptr}; }
    static ShellOwner DesktopWindow() { return {Kind::Desktop, nullptr}; }
    static ShellOwner OfWindow(void* hwnd) { return {Kind::Window, hwnd}; }
};

// One ShellExecuteA call. Empty parameters and directory are passed as none.
struct ShellRequest {
    ShellOwner owner;
    std::string operation;
    std::string file;
    std::string parameters;
    std::string directory;
    int show = ShowNormal;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Returns what ShellExecuteA returned: above 32 on success, otherwise an
    // error code.
    virtual intptr_t Execute(const ShellRequest& request) = 0;
};

// The system's shell: ShellExecuteA. A request whose texts hold a zero byte
// is refused with ERROR_FILE_NOT_FOUND (2), since the call would silently
// open a prefix of the text. Windows only.
Shell& SystemShell();

} // namespace acutils
