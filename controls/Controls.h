// The visible components of a form: their stored settings, their bounds
// and how they follow the form's font and scaling. Drawing and input are
// the business of the window layer (vclwin/), which reads these objects.
#pragma once

#include "Graphics.h"
#include "LayoutRules.h"

#include "vcl/Component.h"

#include <functional>
#include <string>

namespace vcl {

class TForm;

// Measures text in a font, for controls that size themselves to their text.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width and height of `text` (8-bit, code page 1252), line breaks included.
    virtual Point TextExtent(const TFont& font, const std::string& text) const = 0;
    // The font's character cell height (the "text height").
    virtual int32_t TextHeight(const TFont& font) const = 0;
};

using TNotifyEvent = std::function<void(TComponent* sender)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    int32_t Left() const { return bounds_.left; }
    void SetLeft(int32_t left);
    int32_t Top() const { return bounds_.top; }
    void SetTop(int32_t top);
    int32_t Width() const { return bounds_.Width(); }
    void SetWidth(int32_t width) { bounds_.right = bounds_.left + width; }
    int32_t Height() const { return bounds_.Height(); }
    void SetHeight(int32_t height) { bounds_.bottom = bounds_.top + height; }
    const Rect& BoundsRect() const { return bounds_; }
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // The control's own font; with ParentFont it is a copy of the form's.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    const std::string& OnClickName() const { return onClickName_; }
    void SetOnClickName(const std::string& name) { onClickName_ = name; }
    TNotifyEvent OnClick;

    // Windowed controls take the keyboard focus; graphic ones do not.
    virtual bool CanFocus() const { return false; }
    int32_t TabOrder() const { return tabOrder_; }
    void SetTabOrder(int32_t order) { tabOrder_ = order; }

    TForm* Parent() const { return parent_; }
    void SetParentComponent(TComponent* parent) override;

    // Called by the form when its font changed.
    void ParentFontChanged(const TFont& parentFont);
    // Scales position, size and an own font by numerator / denominator.
    virtual void ChangeScale(int32_t numerator, int32_t denominator);
    // Lets a self-sizing control take its size; nothing by default.
    virtual void AdjustSize(const TextMeasurer&) {}

    // Runs OnClick, if bound.
    void Click();

private:
    Rect bounds_;
    TCursor cursor_ = crDefault;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool followingParent_ = false;
    int32_t tabOrder_ = -1;
    std::string onClickName_;
    TForm* parent_ = nullptr;
};

} // namespace vcl
