#include "FormWindow.h"

#include "ControlPainter.h"
#include "WinText.h"

#include "controls/acURLLabel.h"
#include "syshelp/RegistryReader.h"
#include "syshelp/Shell.h"

#include <windowsx.h>

namespace vclwin {
namespace {

DWORD StyleOf(const vcl::TForm& form) {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
    const uint32_t icons = form.BorderIcons();
    if (icons & vcl::biSystemMenu) {
        style |= WS_SYSMENU;
        if (icons & vcl::biMinimize) style |= WS_MINIMIZEBOX;
        if (icons & vcl::biMaximize) style |= WS_MAXIMIZEBOX;
    }
    switch (form.BorderStyle()) {
    case vcl::TFormBorderStyle::bsNone:
        return WS_POPUP | WS_CLIPCHILDREN;
    case vcl::TFormBorderStyle::bsSizeable:
    case vcl::TFormBorderStyle::bsSizeToolWin:
        return style | WS_THICKFRAME;
    case vcl::TFormBorderStyle::bsDialog:
        return (style & ~DWORD(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | DS_MODALFRAME;
    case vcl::TFormBorderStyle::bsSingle:
    case vcl::TFormBorderStyle::bsToolWindow:
        break;
    }
    return style;
}

DWORD ExStyleOf(const vcl::TForm& form) {
    switch (form.BorderStyle()) {
    case vcl::TFormBorderStyle::bsDialog:
        return WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    case vcl::TFormBorderStyle::bsToolWindow:
    case vcl::TFormBorderStyle::bsSizeToolWin:
        return WS_EX_TOOLWINDOW;
    default:
        return WS_EX_WINDOWEDGE;
    }
}

HCURSOR CursorOf(vcl::TCursor cursor) {
    switch (cursor) {
    case vcl::crHandPoint:
    case vcl::crLinkSelect:
        return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)); // IDC_HAND
    default:
        return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    }
}

bool RegisterFormClass(const std::wstring& name, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, name.c_str(), &existing)) return true;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = procedure;
    cls.hInstance = instance;
    cls.hIcon = ::LoadIconW(instance, L"MAINICON");
    cls.hIconSm = static_cast<HICON>(::LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                                  ::GetSystemMetrics(SM_CXSMICON),
                                                  ::GetSystemMetrics(SM_CYSMICON), 0));
    cls.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    cls.lpszClassName = name.c_str();
    return ::RegisterClassExW(&cls) != 0;
}

bool NoModifierKeys() {
    return ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 &&
           ::GetKeyState(VK_MENU) >= 0;
}

} // namespace

std::unique_ptr<FormWindow> FormWindow::Create(vcl::TForm& form, std::string& error) {
    std::unique_ptr<FormWindow> window(new FormWindow(form));
    if (!window->CreateHandle(error) || !window->CreateButtons(error)) return nullptr;
    return window;
}

FormWindow::~FormWindow() {
    buttons_.clear();
    window_.Reset();
}

bool FormWindow::CreateHandle(std::string& error) {
    const std::wstring className = WideFromCp1252(form_.ClassName());
    if (!RegisterFormClass(className, &FormWindow::WindowProc)) {
        error = "cannot register the window class " + form_.ClassName();
        return false;
    }
    const DWORD style = StyleOf(form_);
    const DWORD exStyle = ExStyleOf(form_);
    RECT outer{0, 0, form_.ClientWidth(), form_.ClientHeight()};
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const std::wstring caption = WideFromCp1252(form_.Caption());
    HWND handle =
        ::CreateWindowExW(exStyle, className.c_str(), caption.c_str(), style, form_.Left(),
                          form_.Top(), outer.right - outer.left, outer.bottom - outer.top, nullptr,
                          nullptr, ::GetModuleHandleW(nullptr), this);
    if (!handle) {
        error = "cannot create the window of " + form_.Name();
        return false;
    }
    // Windows shrinks a new window to the screen; the form keeps its designed
    // size (WM_GETMINMAXINFO lets it), and a small screen shows part of it.
    designedSize_ = SIZE{outer.right - outer.left, outer.bottom - outer.top};
    ::SetWindowPos(handle, nullptr, 0, 0, designedSize_.cx, designedSize_.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true; // window_ was set in WM_NCCREATE
}

bool FormWindow::CreateButtons(std::string& error) {
    int id = 1;
    for (vcl::TControl* control : form_.Controls()) {
        auto* button = dynamic_cast<vcl::TBitBtn*>(control);
        if (!button) continue;
        DWORD style = WS_CHILD | WS_TABSTOP | BS_OWNERDRAW;
        if (button->Visible()) style |= WS_VISIBLE;
        if (!button->Enabled()) style |= WS_DISABLED;
        const std::wstring caption = WideFromCp1252(button->Caption());
        HWND child = ::CreateWindowExW(0, L"BUTTON", caption.c_str(), style, button->Left(),
                                       button->Top(), button->Width(), button->Height(),
                                       window_.Get(), reinterpret_cast<HMENU>(INT_PTR(id++)),
                                       ::GetModuleHandleW(nullptr), nullptr);
        if (!child) {
            error = "cannot create the button " + button->Name();
            return false;
        }
        buttons_.push_back(std::unique_ptr<Button>(new Button{button, UniqueWindow(child)}));
    }
    return true;
}

void FormWindow::Show(vcl::StartupShow show) {
    HWND handle = window_.Get();
    if (form_.Position() == vcl::TPosition::poDesktopCenter ||
        form_.Position() == vcl::TPosition::poScreenCenter) {
        RECT outer;
        ::GetWindowRect(handle, &outer);
        const bool desktop = form_.Position() == vcl::TPosition::poDesktopCenter;
        const vcl::Point place =
            vcl::DesktopCenter(::GetSystemMetrics(desktop ? SM_CXVIRTUALSCREEN : SM_CXSCREEN),
                               ::GetSystemMetrics(desktop ? SM_CYVIRTUALSCREEN : SM_CYSCREEN),
                               outer.right - outer.left, outer.bottom - outer.top);
        ::SetWindowPos(handle, nullptr, place.x, place.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    switch (show) {
    case vcl::StartupShow::Maximized:
        ::ShowWindow(handle, SW_SHOWMAXIMIZED);
        break;
    case vcl::StartupShow::Minimized:
        ::ShowWindow(handle, SW_SHOWMINNOACTIVE);
        break;
    case vcl::StartupShow::Normal:
        ::ShowWindow(handle, SW_SHOWNORMAL);
        break;
    }
    ::UpdateWindow(handle);
}

bool FormWindow::PreTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN || !NoModifierKeys())
        return false;
    HWND handle = window_.Get();
    if (message.hwnd != handle && !::IsChild(handle, message.hwnd)) return false;
    // A focused button takes Enter itself; otherwise the default button does.
    vcl::TControl* target = ButtonOf(::GetFocus());
    if (!target) target = form_.DefaultControl();
    if (!target) return false;
    RunClick(*target);
    return true;
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* created = static_cast<FormWindow*>(create->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->window_.Reset(window);
    }
    FormWindow* self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->HandleMessage(window, message, wParam, lParam);
    } catch (const std::exception& exception) {
        if (self->OnHandlerError) self->OnHandlerError(exception.what());
    } catch (...) {
        if (self->OnHandlerError) self->OnHandlerError("unknown error");
    }
    return 0;
}

LRESULT FormWindow::HandleMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers the whole client area
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SETCURSOR:
        if (OnSetCursor(wParam, lParam)) return TRUE;
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, MK_LBUTTON);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, MK_RBUTTON);
        break; // the system still sends its context-menu message
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, MK_MBUTTON);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, MK_LBUTTON);
        return 0;
    case WM_RBUTTONUP:
        OnButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, MK_RBUTTON);
        break;
    case WM_MBUTTONUP:
        OnButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, MK_MBUTTON);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != handle) OnCaptureLost();
        return 0;
    case WM_ACTIVATE:
        if (OnActivate(wParam)) return 0;
        break;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_CLOSE:
        ::DestroyWindow(handle);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        ::SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        return ::DefWindowProcW(handle, message, wParam, lParam);
    default:
        break;
    }
    return ::DefWindowProcW(handle, message, wParam, lParam);
}

void FormWindow::OnPaint() {
    PaintScope paint(window_.Get());
    RECT client;
    ::GetClientRect(window_.Get(), &client);
    // Drawn off-screen first, so the window never flickers through white.
    MemoryDC buffer(paint.Get());
    UniqueBitmap surface(::CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
    if (!buffer.Get() || !surface) {
        PaintFormSurface(paint.Get(), client, form_);
        return;
    }
    SelectedObject selected(buffer.Get(), surface.Get());
    PaintFormSurface(buffer.Get(), client, form_);
    ::BitBlt(paint.Get(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

void FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED) return;
    if (vcl::TBitBtn* button = ButtonOf(reinterpret_cast<HWND>(lParam))) RunClick(*button);
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    vcl::TBitBtn* button = ButtonOf(item.hwndItem);
    if (!button) return;
    ButtonDrawState state;
    state.pressed = (item.itemState & ODS_SELECTED) != 0;
    state.focused = (item.itemState & ODS_FOCUS) != 0;
    state.isDefault = button->Default() || state.focused;
    PaintBitBtn(item.hDC, item.rcItem, *button, state);
}

bool FormWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window_.Get() || LOWORD(lParam) != HTCLIENT) return false;
    POINT point;
    ::GetCursorPos(&point);
    ::ScreenToClient(window_.Get(), &point);
    vcl::TControl* control = GraphicControlAt(point);
    if (!control) return false;
    auto* link = dynamic_cast<vcl::TacURLLabel*>(control);
    ::SetCursor(CursorOf(link ? link->CurrentCursor() : control->Cursor()));
    return true;
}

void FormWindow::OnMouseMove(POINT point) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_.Get(), 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    SetHovered(GraphicControlAt(point));
}

void FormWindow::OnMouseLeave() {
    trackingLeave_ = false;
    SetHovered(nullptr);
}

void FormWindow::OnButtonDown(POINT point, UINT button) {
    if (pressed_) return; // another button already holds a control
    pressed_ = GraphicControlAt(point);
    if (!pressed_) return;
    pressedButton_ = button;
    ::SetCapture(window_.Get());
    UpdateLinkState(pressed_);
}

void FormWindow::OnButtonUp(POINT point, UINT button) {
    if (!pressed_ || button != pressedButton_) return;
    vcl::TControl* pressed = pressed_;
    pressed_ = nullptr;
    // Cleared first: releasing the capture sends WM_CAPTURECHANGED.
    if (::GetCapture() == window_.Get()) ::ReleaseCapture();
    UpdateLinkState(pressed);
    // A click is a press and a release of the left button on the same control.
    if (button == MK_LBUTTON && GraphicControlAt(point) == pressed && pressed->Enabled())
        RunClick(*pressed);
}

void FormWindow::OnCaptureLost() {
    vcl::TControl* pressed = pressed_;
    pressed_ = nullptr;
    if (pressed) UpdateLinkState(pressed);
}

bool FormWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) return false;
    HWND child = ChildOf(form_.FirstFocusable());
    if (!child) return false; // nothing to focus: the window itself takes it
    ::SetFocus(child);
    return true;
}

void FormWindow::OnGetMinMaxInfo(MINMAXINFO& info) const {
    if (info.ptMaxTrackSize.x < designedSize_.cx) info.ptMaxTrackSize.x = designedSize_.cx;
    if (info.ptMaxTrackSize.y < designedSize_.cy) info.ptMaxTrackSize.y = designedSize_.cy;
}

void FormWindow::OnDestroy() {
    window_.Forget();
    for (auto& button : buttons_)
        button->window.Forget(); // destroyed with their parent
    hovered_ = pressed_ = nullptr;
    if (OnDestroyed) OnDestroyed();
}

vcl::TControl* FormWindow::GraphicControlAt(POINT point) const {
    const auto& controls = form_.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        vcl::TControl* control = *it;
        if (!control->Visible() || control->CanFocus() || dynamic_cast<vcl::TBitBtn*>(control))
            continue;
        const vcl::Rect& box = control->BoundsRect();
        if (point.x >= box.left && point.x < box.right && point.y >= box.top &&
            point.y < box.bottom)
            return control;
    }
    return nullptr;
}

void FormWindow::SetHovered(vcl::TControl* control) {
    if (control == hovered_) return;
    vcl::TControl* previous = hovered_;
    hovered_ = control;
    if (previous) UpdateLinkState(previous);
    if (control) UpdateLinkState(control);
}

void FormWindow::UpdateLinkState(vcl::TControl* control) {
    auto* link = dynamic_cast<vcl::TacURLLabel*>(control);
    if (!link) return;
    vcl::LinkState state = vcl::LinkState::Rest;
    if (pressed_ == control)
        state = vcl::LinkState::Pressed;
    else if (hovered_ == control)
        state = vcl::LinkState::Hover;
    if (link->SetState(state)) Invalidate(*link);
}

void FormWindow::Invalidate(const vcl::TControl& control) {
    const vcl::Rect& box = control.BoundsRect();
    RECT rect{box.left, box.top, box.right, box.bottom};
    ::InvalidateRect(window_.Get(), &rect, FALSE);
}

void FormWindow::RunClick(vcl::TControl& control) {
    try {
        // A link opens itself after its OnClick, through the system's shell.
        if (auto* link = dynamic_cast<vcl::TacURLLabel*>(&control))
            link->ClickLink(acutils::SystemShell(), acutils::SystemRegistry());
        else
            control.Click();
    } catch (const std::exception& exception) {
        if (OnHandlerError) OnHandlerError(exception.what());
    } catch (...) {
        if (OnHandlerError) OnHandlerError("unknown error");
    }
}

vcl::TBitBtn* FormWindow::ButtonOf(HWND child) const {
    for (const auto& button : buttons_)
        if (child && button->window.Get() == child) return button->control;
    return nullptr;
}

HWND FormWindow::ChildOf(const vcl::TControl* control) const {
    for (const auto& button : buttons_)
        if (button->control == control) return button->window.Get();
    return nullptr;
}

} // namespace vclwin
