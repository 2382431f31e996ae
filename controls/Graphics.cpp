#include "Graphics.h"

namespace vcl {

const IdentMap& ColorIdents() {
    static const IdentMap idents = {
        {"clBlack", clBlack},         {"clMaroon", 0x000080},
        {"clGreen", clGreen},         {"clOlive", 0x008080},
        {"clNavy", 0x800000},         {"clPurple", 0x800080},
        {"clTeal", 0x808000},         {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},       {"clRed", clRed},
        {"clLime", 0x00FF00},         {"clYellow", 0x00FFFF},
        {"clBlue", clBlue},           {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},         {"clWhite", clWhite},
        {"clWindow", clWindow},       {"clWindowText", clWindowText},
        {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace},     {"clGrayText", clGrayText},
        {"clBtnText", clBtnText},
    };
    return idents;
}

const IdentMap& CursorIdents() {
    static const IdentMap idents = {
        {"crDefault", crDefault},
        {"crArrow", crArrow},
        {"crHandPoint", crHandPoint},
        {"crLinkSelect", crLinkSelect},
    };
    return idents;
}

const IdentMap& CharsetIdents() {
    static const IdentMap idents = {
        {"ANSI_CHARSET", AnsiCharset},
        {"DEFAULT_CHARSET", DefaultCharset},
        {"SYMBOL_CHARSET", SymbolCharset},
        {"OEM_CHARSET", OemCharset},
    };
    return idents;
}

const ClassInfo& TFont::StaticClassInfo() {
    static const ClassInfo info(
        "TFont", &TPersistent::StaticClassInfo(), nullptr, [](PropertyList& p) {
            p.IntegerOrIdent<TFont>("Charset", "TFontCharset", &TFont::Charset, &TFont::SetCharset,
                                    DefaultCharset, CharsetIdents());
            p.IntegerOrIdent<TFont>("Color", "TColor", &TFont::Color, &TFont::SetColor,
                                    clWindowText, ColorIdents());
            p.Integer<TFont>("Height", &TFont::Height, &TFont::SetHeight, -11);
            p.String<TFont>("Name", &TFont::Name, &TFont::SetName, "MS Sans Serif");
            p.Set<TFont>("Style", "TFontStyles", &TFont::Style, &TFont::SetStyle, 0,
                         {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
        });
    return info;
}

void TFont::Assign(const TFont& other) {
    charset_ = other.charset_;
    color_ = other.color_;
    height_ = other.height_;
    name_ = other.name_;
    style_ = other.style_;
}

bool TFont::SameAs(const TFont& other) const {
    return charset_ == other.charset_ && color_ == other.color_ && height_ == other.height_ &&
           name_ == other.name_ && style_ == other.style_;
}

} // namespace vcl
