// The stand-in for the product's setup program. The launcher carries, writes
// and starts it like the real installer: it shows a German greeting so a
// person sees it started, and leaves a trace for tests.
//
// Environment:
//   QL_SETUP_TRACE         file to which one line is appended per start:
//                          "started<TAB><program path><TAB><command line>"
//   QL_SETUP_CLOSE_AFTER_MS  closes the window by itself after that many ms
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char WindowClass[] = "QuietlockStandInSetup";
const char Title[] = "Ardenvale Quietlock 2.0 (Deutsch) - Setup";
const char Greeting[] = "Willkommen beim Setup von Ardenvale Quietlock 2.0 (Deutsch).\r\n\r\n"
                        "Dieses Programm vertritt das Setup des Produkts.\r\n"
                        "Es wurde vom Installationsprogramm gestartet.";
const UINT_PTR CloseTimer = 1;

std::string EnvironmentValue(const char* name) {
    char buffer[1024];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return (length > 0 && length < sizeof buffer) ? std::string(buffer, length) : std::string();
}

void AppendTrace() {
    const std::string path = EnvironmentValue("QL_SETUP_TRACE");
    if (path.empty())
        return;
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string line = std::string("started\t") + program + "\t" + GetCommandLineA() + "\r\n";
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    InflateRect(&area, -16, -16);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, Greeting, -1, &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_TIMER:
        if (wParam == CloseTimer)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    AppendTrace();

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = WindowClass;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowA(WindowClass, Title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 460, 200, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    const std::string closeAfter = EnvironmentValue("QL_SETUP_CLOSE_AFTER_MS");
    if (!closeAfter.empty())
        SetTimer(window, CloseTimer, static_cast<UINT>(std::strtoul(closeAfter.c_str(), nullptr, 10)), nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
