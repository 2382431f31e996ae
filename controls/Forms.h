// TForm: a window whose settings and components come from a form
// definition. This is the portable model: settings, the controls in stored
// order, handler binding by name and the fitting to the display. The window
// itself is made by vclwin/FormWindow.
#pragma once

#include "Controls.h"

#include "vcl/ClassRegistry.h"
#include "vcl/FormValue.h"

#include <string>
#include <vector>

namespace vcl {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

class TForm : public TComponent {
public:
    explicit TForm(TComponent* owner);

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    int32_t Left() const { return left_; }
    void SetLeft(int32_t left) { left_ = left; }
    int32_t Top() const { return top_; }
    void SetTop(int32_t top) { top_ = top; }
    int32_t ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int32_t width) { clientWidth_ = width; }
    int32_t ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int32_t height) { clientHeight_ = height; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    uint32_t BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(uint32_t icons) { borderIcons_ = icons; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    // The density and text height the definition was made for.
    int32_t PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int32_t ppi) { pixelsPerInch_ = ppi; }
    int32_t TextHeight() const { return textHeight_; }
    void SetTextHeight(int32_t height) { textHeight_ = height; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool scaled) { scaled_ = scaled; }
    bool OldCreateOrder() const { return oldCreateOrder_; }
    void SetOldCreateOrder(bool old) { oldCreateOrder_ = old; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

    // The visible components, in stored order (also their drawing order).
    const std::vector<TControl*>& Controls() const { return controls_; }
    void InsertControl(TControl& control);

    // The handler of that name among the form's own methods, or an empty one.
    virtual TNotifyEvent FindMethod(const std::string& name);

    // Checks, before anything is created, that every handler a definition
    // names is one of this form's methods.
    Error CheckHandlerNames(const FormObject& tree, const ClassRegistry& registry);

    // Fits the definition to a display of `displayPpi` pixels per inch:
    // font, positions and sizes scaled, self-sizing controls sized.
    void FitToDisplay(int32_t displayPpi, const TextMeasurer& measurer);

    // The button that Enter presses, or null.
    TControl* DefaultControl() const;
    // The control that gets the focus first: lowest TabOrder that can focus.
    TControl* FirstFocusable() const;

    // Binds the controls' handlers by name.
    void Loaded() override;

private:
    void FontChanged();

    std::string caption_;
    int32_t left_ = 0;
    int32_t top_ = 0;
    int32_t clientWidth_ = 0;
    int32_t clientHeight_ = 0;
    TColor color_ = clBtnFace;
    TFont font_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    uint32_t borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    int32_t pixelsPerInch_ = 96;
    int32_t textHeight_ = 13;
    bool scaled_ = true;
    bool oldCreateOrder_ = true;
    bool visible_ = false;
    std::vector<TControl*> controls_;
};

} // namespace vcl
