// launcher-probe: the end-to-end tests' hands and eyes inside Wine.
//
//   launcher-probe start SHOW PROGRAM [EXITFILE]
//                                       starts PROGRAM with the show command
//                                       SHOW (STARTF_USESHOWWINDOW), waits
//                                       for it and exits with its exit code
//                                       (also written to EXITFILE)
//   launcher-probe window TITLE MS      waits for the visible window TITLE
//                                       and prints its geometry
//   launcher-probe close TITLE          closes it as the system menu does
//   launcher-probe enter TITLE          activates it and presses Enter
//   launcher-probe click TITLE          clicks its button
//   launcher-probe measure PROGRAM TITLE  time until TITLE shows, peak memory
//   launcher-probe box TITLE MS         waits for a message box TITLE,
//                                       prints its text, presses its OK
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND WaitForWindow(const char* title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(nullptr, title);
        if (window && IsWindowVisible(window)) return window;
        if (GetTickCount() - start > milliseconds) return nullptr;
        Sleep(50);
    }
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&rect),
                    2);
    char cls[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    // GetFocus sees only this thread's focus; ask the window's own thread.
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(child, nullptr), &gui);
    std::printf("child %s %ld %ld %ld %ld focused %d\n", cls, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, gui.hwndFocus == child ? 1 : 0);
    return TRUE;
}

int Start(int show, const char* program, const char* exitFile) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    std::string commandLine = std::string("\"") + program + "\"";
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::printf("cannot start %s (error %lu)\n", program, GetLastError());
        return 125;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 125;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (exitFile) {
        // Started inside a virtual desktop the probe's own exit code is lost.
        if (FILE* out = std::fopen(exitFile, "w")) {
            std::fprintf(out, "%lu\n", code);
            std::fclose(out);
        }
    }
    return static_cast<int>(code);
}

int Window(const char* title, DWORD milliseconds) {
    HWND window = WaitForWindow(title, milliseconds);
    if (!window) {
        std::printf("no window\n");
        return 1;
    }
    Sleep(300); // let it finish its first paint
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    std::printf("class %s\n", cls);
    std::printf("outer %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top);
    std::printf("normal %ld %ld %ld %ld\n", placement.rcNormalPosition.left,
                placement.rcNormalPosition.top,
                placement.rcNormalPosition.right - placement.rcNormalPosition.left,
                placement.rcNormalPosition.bottom - placement.rcNormalPosition.top);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("state %s\n", IsZoomed(window)   ? "maximized"
                              : IsIconic(window) ? "minimized"
                                                 : "normal");
    std::printf("screen %d %d\n", GetSystemMetrics(SM_CXVIRTUALSCREEN),
                GetSystemMetrics(SM_CYVIRTUALSCREEN));
    std::printf("dpi %d\n", dpi);
    EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
    return 0;
}

int Close(const char* title) {
    HWND window = WaitForWindow(title, 5000);
    if (!window) return 1;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}

int Enter(const char* title) {
    HWND window = WaitForWindow(title, 5000);
    if (!window) return 1;
    SetForegroundWindow(window);
    Sleep(300);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof(INPUT)) == 2 ? 0 : 1;
}

int Click(const char* title) {
    HWND window = WaitForWindow(title, 5000);
    HWND button = window ? FindWindowExA(window, nullptr, "Button", nullptr) : nullptr;
    if (!button) return 1;
    PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
}

// Starts PROGRAM, measures until its window TITLE is visible, closes it and
// reports the time and the process's peak memory.
int Measure(const char* program, const char* title) {
    LARGE_INTEGER frequency, started, visible;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = std::string("\"") + program + "\"";
    QueryPerformanceCounter(&started);
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 125;
    HWND window = nullptr;
    for (int i = 0; i < 60000 && !window; ++i) {
        HWND found = FindWindowA(nullptr, title);
        if (found && IsWindowVisible(found))
            window = found;
        else
            Sleep(1);
    }
    QueryPerformanceCounter(&visible);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    if (window) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitForSingleObject(process.hProcess, 30000);
    PROCESS_MEMORY_COUNTERS after{};
    after.cb = sizeof after;
    if (GetProcessMemoryInfo(process.hProcess, &after, sizeof after) &&
        after.PeakPagefileUsage > memory.PeakPagefileUsage)
        memory = after;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!window) return 1;
    const double ms =
        1000.0 * double(visible.QuadPart - started.QuadPart) / double(frequency.QuadPart);
    std::printf("visible_ms %.1f peak_private_kb %llu peak_working_set_kb %llu\n", ms,
                static_cast<unsigned long long>(memory.PeakPagefileUsage / 1024),
                static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    return 0;
}

int Box(const char* title, DWORD milliseconds) {
    HWND box = WaitForWindow(title, milliseconds);
    if (!box) {
        std::printf("no box\n");
        return 1;
    }
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    std::printf("text %s\n", text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "start" && (argc == 4 || argc == 5))
        return Start(std::atoi(argv[2]), argv[3], argc == 5 ? argv[4] : nullptr);
    if (command == "window" && argc == 4)
        return Window(argv[2], static_cast<DWORD>(std::atoi(argv[3])));
    if (command == "close" && argc == 3) return Close(argv[2]);
    if (command == "measure" && argc == 4) return Measure(argv[2], argv[3]);
    if (command == "click" && argc == 3) return Click(argv[2]);
    if (command == "enter" && argc == 3) return Enter(argv[2]);
    if (command == "box" && argc == 4) return Box(argv[2], static_cast<DWORD>(std::atoi(argv[3])));
    std::fprintf(
        stderr, "usage: launcher-probe start SHOW PROGRAM | window TITLE MS | "
                "close TITLE | enter TITLE | click TITLE | measure PROGRAM TITLE | box TITLE MS\n");
    return 2;
}
