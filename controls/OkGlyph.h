// The OK kind's glyph of a bitmap button: a green check mark, 18 x 18
// pixels in 16 colours (the standard 16-colour palette).
#pragma once

#include <cstdint>

namespace vcl {

constexpr int32_t OkGlyphSize = 18;

// Palette index of each pixel, rows top-down. Index 0 is transparent: the
// button face shows through.
uint8_t OkGlyphPixel(int32_t x, int32_t y);

// The 16-colour palette as 0x00RRGGBB.
uint32_t StandardPaletteColor(uint8_t index);

} // namespace vcl
