// The Win32 window of a form: a top-level window of the form's border
// style and client size, its graphic controls drawn onto it, its buttons as
// owner-drawn child windows. Each message goes to one small handler; no
// exception leaves the window procedure (a handler's error is reported
// through OnHandlerError and the window goes on).
#pragma once

#include "GdiHandles.h"

#include "controls/BitBtn.h"
#include "controls/Forms.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vclwin {

class FormWindow {
public:
    // Creates the window, hidden. Returns null if Windows refuses.
    static std::unique_ptr<FormWindow> Create(vcl::TForm& form, std::string& error);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND Handle() const { return window_.Get(); }
    vcl::TForm& Form() const { return form_; }

    // Places the window (its Position setting) and shows it as asked.
    void Show(vcl::StartupShow show);
    // Keys the form handles before the focused window sees them: Enter
    // presses the default button. True when the message was used up.
    bool PreTranslate(const MSG& message);

    // Reports an exception raised by a handler.
    std::function<void(const std::string& message)> OnHandlerError;
    // Called once the window was destroyed (the main form ends the loop).
    std::function<void()> OnDestroyed;

private:
    explicit FormWindow(vcl::TForm& form) : form_(form) {}
    bool CreateHandle(std::string& error);
    bool CreateButtons(std::string& error);

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

    void OnPaint();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    bool OnSetCursor(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(POINT point);
    void OnMouseLeave();
    // Any button held on a graphic control presses it (a link shows its
    // click look); a click is the left button let go over the same control.
    void OnButtonDown(POINT point, UINT button);
    void OnButtonUp(POINT point, UINT button);
    void OnCaptureLost();
    // Gives the focus to the first focusable control; false if there is none.
    bool OnActivate(WPARAM wParam);
    void OnGetMinMaxInfo(MINMAXINFO& info) const;
    void OnDestroy();

    // The graphic control under a client point, topmost first, or null.
    vcl::TControl* GraphicControlAt(POINT point) const;
    void SetHovered(vcl::TControl* control);
    void UpdateLinkState(vcl::TControl* control);
    void Invalidate(const vcl::TControl& control);
    // Runs a control's click handler; an exception is reported, not thrown.
    void RunClick(vcl::TControl& control);
    vcl::TBitBtn* ButtonOf(HWND child) const;
    HWND ChildOf(const vcl::TControl* control) const;

    struct Button {
        vcl::TBitBtn* control;
        UniqueWindow window;
    };

    vcl::TForm& form_;
    UniqueWindow window_;
    std::vector<std::unique_ptr<Button>> buttons_;
    vcl::TControl* hovered_ = nullptr;
    vcl::TControl* pressed_ = nullptr;
    UINT pressedButton_ = 0; // MK_LBUTTON, MK_RBUTTON or MK_MBUTTON
    bool trackingLeave_ = false;
    SIZE designedSize_{0, 0};
};

} // namespace vclwin
