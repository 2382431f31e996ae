#include "WinText.h"

#include "vcl/TextEncoding.h"

namespace vclwin {

std::wstring WideFromCp1252(const std::string& text) {
    const std::u16string wide = vcl::Utf8ToUtf16(vcl::Cp1252ToUtf8(text));
    return std::wstring(wide.begin(), wide.end());
}

UniqueFont CreateGdiFont(const vcl::TFont& font) {
    LOGFONTW log{};
    log.lfHeight = font.Height();
    log.lfWeight = (font.Style() & vcl::fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = (font.Style() & vcl::fsItalic) ? TRUE : FALSE;
    log.lfUnderline = (font.Style() & vcl::fsUnderline) ? TRUE : FALSE;
    log.lfStrikeOut = (font.Style() & vcl::fsStrikeOut) ? TRUE : FALSE;
    log.lfCharSet = static_cast<BYTE>(font.Charset());
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH;
    const std::wstring name = WideFromCp1252(font.Name());
    lstrcpynW(log.lfFaceName, name.c_str(), LF_FACESIZE);
    return UniqueFont(::CreateFontIndirectW(&log));
}

COLORREF ColorRefOf(vcl::TColor color) {
    if (vcl::IsSystemColor(color)) return ::GetSysColor(vcl::SystemColorIndex(color));
    return static_cast<COLORREF>(color) & 0xFFFFFFu;
}

UINT CaptionFormat(bool showAccelChar) {
    return DT_LEFT | DT_EXPANDTABS | (showAccelChar ? 0u : UINT(DT_NOPREFIX));
}

vcl::Point GdiTextMeasurer::TextExtent(const vcl::TFont& font, const std::string& text) const {
    WindowDC screen(nullptr);
    UniqueFont gdiFont = CreateGdiFont(font);
    SelectedObject selected(screen.Get(), gdiFont.Get());
    const std::wstring wide = WideFromCp1252(text.empty() ? std::string(" ") : text);
    RECT rect{0, 0, 0, 0};
    ::DrawTextW(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &rect,
                DT_CALCRECT | CaptionFormat(false));
    return vcl::Point{rect.right - rect.left, rect.bottom - rect.top};
}

int32_t GdiTextMeasurer::TextHeight(const vcl::TFont& font) const {
    WindowDC screen(nullptr);
    UniqueFont gdiFont = CreateGdiFont(font);
    SelectedObject selected(screen.Get(), gdiFont.Get());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.Get(), &metrics);
    return metrics.tmHeight;
}

} // namespace vclwin
