#include "ControlPainter.h"

#include "WinText.h"

#include "controls/OkGlyph.h"

#include <vector>

namespace vclwin {
namespace {

void FillWith(HDC dc, const RECT& rect, COLORREF color) {
    UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &rect, brush.Get());
}

RECT ToRect(const vcl::Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// Draws 32-bit top-down pixels scaled into `dest`.
void DrawPixels(HDC dc, const RECT& dest, int32_t width, int32_t height, const uint8_t* bgrx) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int destW = dest.right - dest.left;
    const int destH = dest.bottom - dest.top;
    // Halftone keeps a shrunk photo smooth instead of dropping rows.
    const int oldMode =
        ::SetStretchBltMode(dc, (destW != width || destH != height) ? HALFTONE : COLORONCOLOR);
    POINT oldOrigin;
    ::SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    ::StretchDIBits(dc, dest.left, dest.top, destW, destH, 0, 0, width, height, bgrx, &info,
                    DIB_RGB_COLORS, SRCCOPY);
    ::SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    ::SetStretchBltMode(dc, oldMode);
}

void DrawOkGlyph(HDC dc, int32_t left, int32_t top, COLORREF face) {
    const int32_t n = vcl::OkGlyphSize;
    std::vector<uint8_t> pixels(size_t(n) * size_t(n) * 4);
    for (int32_t y = 0; y < n; ++y)
        for (int32_t x = 0; x < n; ++x) {
            const uint8_t index = vcl::OkGlyphPixel(x, y);
            const uint32_t rgb =
                index == 0 ? ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF)
                           : vcl::StandardPaletteColor(index);
            uint8_t* out = &pixels[(size_t(y) * size_t(n) + size_t(x)) * 4];
            out[0] = uint8_t(rgb & 0xFF);
            out[1] = uint8_t((rgb >> 8) & 0xFF);
            out[2] = uint8_t((rgb >> 16) & 0xFF);
            out[3] = 0;
        }
    DrawPixels(dc, RECT{left, top, left + n, top + n}, n, n, pixels.data());
}

} // namespace

void PaintFormSurface(HDC dc, const RECT& client, const vcl::TForm& form) {
    FillWith(dc, client, ColorRefOf(form.Color()));
    for (const vcl::TControl* control : form.Controls()) {
        if (!control->Visible()) continue;
        if (auto* image = dynamic_cast<const vcl::TImage*>(control))
            PaintImage(dc, *image);
        else if (auto* label = dynamic_cast<const vcl::TLabel*>(control))
            PaintLabel(dc, *label, form.Color());
    }
}

void PaintImage(HDC dc, const vcl::TImage& image) {
    const vcl::TPicture& picture = image.Picture();
    if (picture.Empty()) return;
    vcl::Rect dest = image.DestRect();
    dest.left += image.Left();
    dest.right += image.Left();
    dest.top += image.Top();
    dest.bottom += image.Top();
    // The picture never paints outside its control's box.
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, image.Left(), image.Top(), image.BoundsRect().right,
                        image.BoundsRect().bottom);
    DrawPixels(dc, ToRect(dest), picture.Width(), picture.Height(), picture.Pixels().bgrx.data());
    ::RestoreDC(dc, saved);
}

void PaintLabel(HDC dc, const vcl::TLabel& label, vcl::TColor formColor) {
    RECT box = ToRect(label.BoundsRect());
    if (!label.Transparent()) FillWith(dc, box, ColorRefOf(formColor));
    const vcl::TFont& font = label.DrawingFont();
    UniqueFont gdiFont = CreateGdiFont(font);
    SelectedObject selected(dc, gdiFont.Get());
    ::SetBkMode(dc, TRANSPARENT);
    const std::wstring text = WideFromCp1252(label.Caption());
    UINT format = CaptionFormat(label.ShowAccelChar()) | (label.WordWrap() ? DT_WORDBREAK : 0u);
    if (label.Alignment() == vcl::TAlignment::taCenter)
        format |= DT_CENTER;
    else if (label.Alignment() == vcl::TAlignment::taRightJustify)
        format |= DT_RIGHT;
    ::SetTextColor(dc, label.Enabled() ? ColorRefOf(font.Color()) : ::GetSysColor(COLOR_GRAYTEXT));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
}

void PaintBitBtn(HDC dc, const RECT& area, const vcl::TBitBtn& button, ButtonDrawState state) {
    RECT face = area;
    // The default button carries an extra dark frame, as classic buttons do.
    if (state.isDefault) {
        UniqueBrush frame(::CreateSolidBrush(::GetSysColor(COLOR_WINDOWFRAME)));
        ::FrameRect(dc, &face, frame.Get());
        ::InflateRect(&face, -1, -1);
    }
    if (state.pressed) {
        UniqueBrush shadow(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
        FillWith(dc, face, ::GetSysColor(COLOR_BTNFACE));
        ::FrameRect(dc, &face, shadow.Get());
    } else {
        ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    }

    UniqueFont gdiFont = CreateGdiFont(button.Font());
    SelectedObject selected(dc, gdiFont.Get());
    const std::wstring caption = WideFromCp1252(button.Caption());
    RECT textSize{0, 0, 0, 0};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize,
                DT_CALCRECT | DT_SINGLELINE);
    const bool hasGlyph = button.Kind() == vcl::TBitBtnKind::bkOK;
    const int32_t glyph = hasGlyph ? vcl::OkGlyphSize : 0;
    const vcl::ButtonLayout layout = vcl::GlyphLeftLayout(
        area.right - area.left, area.bottom - area.top, glyph, glyph, textSize.right,
        textSize.bottom, button.Margin(), hasGlyph ? button.Spacing() : 0);
    const int32_t shift = state.pressed ? 1 : 0;
    if (hasGlyph)
        DrawOkGlyph(dc, area.left + layout.glyph.x + shift, area.top + layout.glyph.y + shift,
                    ::GetSysColor(COLOR_BTNFACE));
    RECT text{area.left + layout.caption.x + shift, area.top + layout.caption.y + shift, 0, 0};
    text.right = text.left + textSize.right;
    text.bottom = text.top + textSize.bottom;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc,
                   button.Enabled() ? ::GetSysColor(COLOR_BTNTEXT) : ::GetSysColor(COLOR_GRAYTEXT));
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
    if (state.focused) {
        RECT focus = face;
        ::InflateRect(&focus, -4, -4);
        ::DrawFocusRect(dc, &focus);
    }
}

} // namespace vclwin
