// TacURLLabel: a label that shows a link (a web or mail address) and opens
// it when clicked. It is drawn in Font at rest, in FontHover while the
// pointer is over it and in FontClick while a button is held on it, each
// variant only when its Used is set. Highlight and shadow draw the caption
// once more, offset and in their colour, behind the text when enabled.
#pragma once

#include "Label.h"

namespace acutils {
class RegistryReader;
class Shell;
} // namespace acutils

namespace vcl {

// A font variant of the link: only its colour and style differ from Font.
class TacLinkFont : public TPersistent {
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    uint32_t Style() const { return style_; }
    void SetStyle(uint32_t style) { style_ = style; }
    bool Used() const { return used_; }
    void SetUsed(bool used) { used_ = used; }

    // Makes `font` a copy of `base` with this variant's colour and style.
    void Apply(const TFont& base, TFont& font) const;

private:
    TColor color_ = clRed;
    uint32_t style_ = fsUnderline;
    bool used_ = false;
};

enum class TacEffectDirection {
    edUpLeft,
    edUp,
    edUpRight,
    edRight,
    edDownRight,
    edDown,
    edDownLeft,
    edLeft
};

// Highlight and shadow of the link: the two classes differ only in their
// default colour and direction.
class TacLinkEffect : public TPersistent {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TColor ColorHover() const { return colorHover_; }
    void SetColorHover(TColor color) { colorHover_ = color; }
    TColor ColorClick() const { return colorClick_; }
    void SetColorClick(TColor color) { colorClick_ = color; }
    TacEffectDirection Direction() const { return direction_; }
    void SetDirection(TacEffectDirection direction) { direction_ = direction; }
    // One pixel towards Direction.
    Point Offset() const;

protected:
    TacLinkEffect(TColor color, TacEffectDirection direction)
        : color_(color), colorHover_(color), colorClick_(color), direction_(direction) {}
    static void Declare(PropertyList& p, TColor defaultColor, TacEffectDirection defaultDirection);

private:
    bool enabled_ = false;
    TColor color_;
    TColor colorHover_;
    TColor colorClick_;
    TacEffectDirection direction_;
};

class TacHighlight : public TacLinkEffect {
public:
    TacHighlight() : TacLinkEffect(clHighlightText, TacEffectDirection::edUpLeft) {}
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

class TacShadow : public TacLinkEffect {
public:
    TacShadow() : TacLinkEffect(clGrayText, TacEffectDirection::edDownRight) {}
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

class TacEmail : public TPersistent {
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    const std::string& Address() const { return address_; }
    void SetAddress(const std::string& v) { address_ = v; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& v) { name_ = v; }
    const std::string& Subject() const { return subject_; }
    void SetSubject(const std::string& v) { subject_ = v; }
    const std::string& Message() const { return message_; }
    void SetMessage(const std::string& v) { message_ = v; }
    const std::string& CarbonCopy() const { return carbonCopy_; }
    void SetCarbonCopy(const std::string& v) { carbonCopy_ = v; }
    const std::string& BlindCarbonCopy() const { return blindCarbonCopy_; }
    void SetBlindCarbonCopy(const std::string& v) { blindCarbonCopy_ = v; }

private:
    std::string address_, name_, subject_, message_, carbonCopy_, blindCarbonCopy_;
};

enum class TacURLKind { ukWWW, ukEmail };

// What the pointer and the buttons are doing to the link.
enum class LinkState { Rest, Hover, Pressed };

class TacURLLabel : public TLabel {
public:
    explicit TacURLLabel(TComponent* owner);

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    TacLinkFont& FontClick() { return fontClick_; }
    TacLinkFont& FontHover() { return fontHover_; }
    const TacLinkFont& FontClick() const { return fontClick_; }
    const TacLinkFont& FontHover() const { return fontHover_; }
    TacHighlight& Highlight() { return highlight_; }
    TacShadow& Shadow() { return shadow_; }
    const TacHighlight& Highlight() const { return highlight_; }
    const TacShadow& Shadow() const { return shadow_; }
    TacEmail& Email() { return email_; }
    const TacEmail& Email() const { return email_; }
    TacURLKind Kind() const { return kind_; }
    void SetKind(TacURLKind kind) { kind_ = kind; }
    const std::string& URL() const { return url_; }
    void SetURL(const std::string& url) { url_ = url; }
    TCursor CursorClick() const { return cursorClick_; }
    void SetCursorClick(TCursor cursor) { cursorClick_ = cursor; }
    bool URLInNewWindow() const { return urlInNewWindow_; }
    void SetURLInNewWindow(bool v) { urlInNewWindow_ = v; }

    LinkState State() const { return state_; }
    // Sets the state; true when the look changes, so the label is redrawn.
    bool SetState(LinkState state);
    const TFont& DrawingFont() const override;
    // The cursor over the label in its current state.
    TCursor CurrentCursor() const;

    // A click on the link: OnClick first, then the link opens by its kind.
    // ukEmail asks for a mail to Email.Address (the caption when that is
    // empty) with the other Email settings; ukWWW opens URL (or the
    // caption) with URLInNewWindow and SW_SHOWNORMAL. The shell's answer is
    // not looked at.
    void ClickLink(acutils::Shell& shell, acutils::RegistryReader& registry);

private:
    void FontFor(LinkState state, TFont& font) const;

    TacLinkFont fontClick_;
    TacLinkFont fontHover_;
    TacHighlight highlight_;
    TacShadow shadow_;
    TacEmail email_;
    TacURLKind kind_ = TacURLKind::ukWWW;
    std::string url_;
    TCursor cursorClick_ = crLinkSelect;
    bool urlInNewWindow_ = true;
    LinkState state_ = LinkState::Rest;
    mutable TFont drawingFont_;
};

} // namespace vcl
