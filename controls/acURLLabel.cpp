#include "acURLLabel.h"

#include "syshelp/MailLaunch.h"
#include "syshelp/WebLaunch.h"

namespace vcl {
namespace {

const EnumNames& DirectionNames() {
    static const EnumNames names = {"edUpLeft",    "edUp",   "edUpRight",  "edRight",
                                    "edDownRight", "edDown", "edDownLeft", "edLeft"};
    return names;
}

const EnumNames& FontStyleNames() {
    static const EnumNames names = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    return names;
}

} // namespace

const ClassInfo& TacLinkFont::StaticClassInfo() {
    static const ClassInfo info(
        "TacLinkFont", &TPersistent::StaticClassInfo(), nullptr, [](PropertyList& p) {
            p.IntegerOrIdent<TacLinkFont>("Color", "TColor", &TacLinkFont::Color,
                                          &TacLinkFont::SetColor, clRed, ColorIdents());
            p.Set<TacLinkFont>("Style", "TFontStyles", &TacLinkFont::Style, &TacLinkFont::SetStyle,
                               fsUnderline, FontStyleNames());
            p.Boolean<TacLinkFont>("Used", &TacLinkFont::Used, &TacLinkFont::SetUsed, false);
        });
    return info;
}

void TacLinkFont::Apply(const TFont& base, TFont& font) const {
    font.Assign(base);
    font.SetColor(color_);
    font.SetStyle(style_);
}

void TacLinkEffect::Declare(PropertyList& p, TColor defaultColor,
                            TacEffectDirection defaultDirection) {
    p.IntegerOrIdent<TacLinkEffect>("Color", "TColor", &TacLinkEffect::Color,
                                    &TacLinkEffect::SetColor, defaultColor, ColorIdents());
    p.IntegerOrIdent<TacLinkEffect>("ColorClick", "TColor", &TacLinkEffect::ColorClick,
                                    &TacLinkEffect::SetColorClick, defaultColor, ColorIdents());
    p.IntegerOrIdent<TacLinkEffect>("ColorHover", "TColor", &TacLinkEffect::ColorHover,
                                    &TacLinkEffect::SetColorHover, defaultColor, ColorIdents());
    p.Enum<TacLinkEffect, TacEffectDirection>(
        "Direction", "TacEffectDirection", &TacLinkEffect::Direction, &TacLinkEffect::SetDirection,
        defaultDirection, DirectionNames());
    p.Boolean<TacLinkEffect>("Enabled", &TacLinkEffect::Enabled, &TacLinkEffect::SetEnabled, false);
}

Point TacLinkEffect::Offset() const {
    switch (direction_) {
    case TacEffectDirection::edUpLeft:
        return {-1, -1};
    case TacEffectDirection::edUp:
        return {0, -1};
    case TacEffectDirection::edUpRight:
        return {1, -1};
    case TacEffectDirection::edRight:
        return {1, 0};
    case TacEffectDirection::edDownRight:
        return {1, 1};
    case TacEffectDirection::edDown:
        return {0, 1};
    case TacEffectDirection::edDownLeft:
        return {-1, 1};
    case TacEffectDirection::edLeft:
        return {-1, 0};
    }
    return {};
}

const ClassInfo& TacHighlight::StaticClassInfo() {
    static const ClassInfo info(
        "TacHighlight", &TPersistent::StaticClassInfo(), nullptr,
        [](PropertyList& p) { Declare(p, clHighlightText, TacEffectDirection::edUpLeft); });
    return info;
}

const ClassInfo& TacShadow::StaticClassInfo() {
    static const ClassInfo info(
        "TacShadow", &TPersistent::StaticClassInfo(), nullptr,
        [](PropertyList& p) { Declare(p, clGrayText, TacEffectDirection::edDownRight); });
    return info;
}

const ClassInfo& TacEmail::StaticClassInfo() {
    static const ClassInfo info(
        "TacEmail", &TPersistent::StaticClassInfo(), nullptr, [](PropertyList& p) {
            p.String<TacEmail>("Address", &TacEmail::Address, &TacEmail::SetAddress);
            p.String<TacEmail>("BlindCarbonCopy", &TacEmail::BlindCarbonCopy,
                               &TacEmail::SetBlindCarbonCopy);
            p.String<TacEmail>("CarbonCopy", &TacEmail::CarbonCopy, &TacEmail::SetCarbonCopy);
            p.String<TacEmail>("Message", &TacEmail::Message, &TacEmail::SetMessage);
            p.String<TacEmail>("Name", &TacEmail::Name, &TacEmail::SetName);
            p.String<TacEmail>("Subject", &TacEmail::Subject, &TacEmail::SetSubject);
        });
    return info;
}

TacURLLabel::TacURLLabel(TComponent* owner) : TLabel(owner) {}

const ClassInfo& TacURLLabel::StaticClassInfo() {
    static const ClassInfo info(
        "TacURLLabel", &TLabel::StaticClassInfo(), CreateComponentOf<TacURLLabel>,
        [](PropertyList& p) {
            p.IntegerOrIdent<TacURLLabel>("CursorClick", "TCursor", &TacURLLabel::CursorClick,
                                          &TacURLLabel::SetCursorClick, crLinkSelect,
                                          CursorIdents());
            p.Object<TacURLLabel, TacEmail>("Email", &TacURLLabel::Email);
            p.Object<TacURLLabel, TacLinkFont>("FontClick", &TacURLLabel::FontClick);
            p.Object<TacURLLabel, TacLinkFont>("FontHover", &TacURLLabel::FontHover);
            p.Object<TacURLLabel, TacHighlight>("Highlight", &TacURLLabel::Highlight);
            p.Enum<TacURLLabel, TacURLKind>("Kind", "TacURLKind", &TacURLLabel::Kind,
                                            &TacURLLabel::SetKind, TacURLKind::ukWWW,
                                            {"ukWWW", "ukEmail"});
            p.Object<TacURLLabel, TacShadow>("Shadow", &TacURLLabel::Shadow);
            p.String<TacURLLabel>("URL", &TacURLLabel::URL, &TacURLLabel::SetURL);
            p.Boolean<TacURLLabel>("URLInNewWindow", &TacURLLabel::URLInNewWindow,
                                   &TacURLLabel::SetURLInNewWindow, true);
        });
    return info;
}

// While a button is held the click variant wins, and without it the hover
// variant still shows: the pointer is over the label then.
void TacURLLabel::FontFor(LinkState state, TFont& font) const {
    if (state == LinkState::Pressed && fontClick_.Used())
        fontClick_.Apply(Font(), font);
    else if (state != LinkState::Rest && fontHover_.Used())
        fontHover_.Apply(Font(), font);
    else
        font.Assign(Font());
}

bool TacURLLabel::SetState(LinkState state) {
    TFont before;
    FontFor(state_, before);
    state_ = state;
    TFont after;
    FontFor(state_, after);
    return !after.SameAs(before);
}

const TFont& TacURLLabel::DrawingFont() const {
    FontFor(state_, drawingFont_);
    return drawingFont_;
}

TCursor TacURLLabel::CurrentCursor() const {
    return state_ == LinkState::Pressed ? cursorClick_ : Cursor();
}

void TacURLLabel::ClickLink(acutils::Shell& shell, acutils::RegistryReader& registry) {
    Click();
    if (kind_ == TacURLKind::ukEmail) {
        const std::string& address = email_.Address().empty() ? Caption() : email_.Address();
        acutils::OpenMailURL(address, email_.Name(), email_.Subject(), email_.Message(),
                             email_.CarbonCopy(), email_.BlindCarbonCopy(), shell);
    } else {
        const std::string& address = url_.empty() ? Caption() : url_;
        acutils::OpenURL(address, urlInNewWindow_, acutils::ShowNormal, shell, registry);
    }
}

} // namespace vcl
