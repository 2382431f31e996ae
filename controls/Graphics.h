// Colours, cursors, charsets and fonts as a form definition names them.
//
// Colours are the VCL's TColor: 0x00BBGGRR for plain colours, and the
// Windows system colour index with the high byte 0xFF for system colours
// (clWindowText, clBtnFace, ...), which a painter resolves at draw time.
#pragma once

#include "vcl/ClassInfo.h"
#include "vcl/Persistent.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vcl {

using TColor = int32_t;

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | unsigned(index));
}
constexpr bool IsSystemColor(TColor color) {
    return (uint32_t(color) & 0xFF000000u) == 0xFF000000u;
}
constexpr int SystemColorIndex(TColor color) {
    return int(uint32_t(color) & 0xFFu);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);

const IdentMap& ColorIdents();

// Cursor identifiers. crLinkSelect is the link label pack's own identifier
// for the system's hand cursor.
using TCursor = int32_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crLinkSelect = -151;

const IdentMap& CursorIdents();

// Font charsets (named like the Windows constants in definitions).
constexpr int32_t AnsiCharset = 0;
constexpr int32_t DefaultCharset = 1;
constexpr int32_t SymbolCharset = 2;
constexpr int32_t OemCharset = 255;

const IdentMap& CharsetIdents();

enum FontStyle : uint32_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

class TFont : public TPersistent {
public:
    TFont() = default;

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    int32_t Charset() const { return charset_; }
    void SetCharset(int32_t charset) { Update(charset_, charset); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Update(color_, color); }
    // Windows convention: negative is the character height without internal
    // leading, in pixels.
    int32_t Height() const { return height_; }
    void SetHeight(int32_t height) { Update(height_, height); }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { Update(name_, name); }
    uint32_t Style() const { return style_; }
    void SetStyle(uint32_t style) { Update(style_, style); }

    // Copies every setting without calling OnChange.
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    // Called after a setting changed (a control then stops following its
    // parent's font).
    std::function<void()> OnChange;

private:
    template <class T> void Update(T& field, const T& value) {
        field = value;
        if (OnChange) OnChange();
    }

    int32_t charset_ = DefaultCharset;
    TColor color_ = clWindowText;
    int32_t height_ = -11;
    std::string name_ = "MS Sans Serif";
    uint32_t style_ = 0;
};

} // namespace vcl
