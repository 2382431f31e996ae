#include "OkGlyph.h"

namespace vcl {
namespace {

// '.' transparent, 'g' dark green (2), 'G' green (10), 'k' black outline (0
// in the palette, here drawn as dark gray 8 for a softer edge).
const char* const Rows[OkGlyphSize] = {
    "..................", "..................", "...............k..", "..............kGk.",
    ".............kGGk.", "............kGGgk.", "...........kGGgk..", "..k.......kGGgk...",
    ".kGk.....kGGgk....", ".kGGk...kGGgk.....", "..kGGk.kGGgk......", "...kGGkGGgk.......",
    "....kGGGgk........", ".....kGgk.........", "......kk..........", "..................",
    "..................", "..................",
};

} // namespace

uint8_t OkGlyphPixel(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= OkGlyphSize || y >= OkGlyphSize) return 0;
    switch (Rows[y][x]) {
    case 'g':
        return 2;
    case 'G':
        return 10;
    case 'k':
        return 8;
    default:
        return 0;
    }
}

uint32_t StandardPaletteColor(uint8_t index) {
    static const uint32_t palette[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    return palette[index & 15];
}

} // namespace vcl
