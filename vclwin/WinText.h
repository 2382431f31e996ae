// Text and fonts on the Win32 API: our 8-bit texts (code page 1252) drawn
// through the wide functions, so they look the same whatever code page the
// system runs with.
#pragma once

#include "GdiHandles.h"

#include "controls/Controls.h"

#include <string>

namespace vclwin {

std::wstring WideFromCp1252(const std::string& text);

// The GDI font for a TFont (its height already in device pixels).
UniqueFont CreateGdiFont(const vcl::TFont& font);

// A colour as GDI takes it; system colours are looked up now.
COLORREF ColorRefOf(vcl::TColor color);

// DrawText flags shared by measuring and drawing a label's caption.
UINT CaptionFormat(bool showAccelChar);

// Measures with the screen's device context.
class GdiTextMeasurer : public vcl::TextMeasurer {
public:
    vcl::Point TextExtent(const vcl::TFont& font, const std::string& text) const override;
    int32_t TextHeight(const vcl::TFont& font) const override;
};

} // namespace vclwin
