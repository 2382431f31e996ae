// The arithmetic of the window's layout, apart from any drawing: where a
// picture is drawn inside its box, where a centred window goes, how a
// definition made at one display density is scaled to another, how a bitmap
// button arranges glyph and caption, and what a start-up show command means.
#pragma once

#include <cstdint>

namespace vcl {

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
};

inline bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct Point {
    int32_t x = 0, y = 0;
};

inline bool operator==(const Point& a, const Point& b) {
    return a.x == b.x && a.y == b.y;
}

// Where a picture of pictureW x pictureH is drawn in a box of boxW x boxH.
// Stretch fills the box; Proportional shrinks a picture that does not fit
// (keeping its aspect, the longer side first); Center centres the result.
Rect PictureDestRect(int32_t pictureW, int32_t pictureH, int32_t boxW, int32_t boxH, bool stretch,
                     bool proportional, bool center);

// Top-left corner of a window of outerW x outerH centred on a virtual screen
// of screenW x screenH; an axis on which the window does not fit gives 0.
Point DesktopCenter(int32_t screenW, int32_t screenH, int32_t outerW, int32_t outerH);

// value * numerator / denominator, rounded to the nearest integer with
// halves away from zero (what Windows' MulDiv does). A zero denominator
// leaves the value as it is.
int32_t ScaleRounded(int32_t value, int32_t numerator, int32_t denominator);

// How a definition stored for designPpi and designTextHeight is fitted to a
// display: the window font's height at the display's density, and the factor
// (numerator / denominator) that every position and size is scaled by.
struct FormScaling {
    int32_t fontHeight = 0;
    int32_t numerator = 1;
    int32_t denominator = 1;
    bool Scales() const { return numerator != denominator; }
};

// `textHeightOf` gives the text height of the window font at a font height.
// At the design density nothing changes, whatever the font measures.
template <class TextHeightOf>
FormScaling FitToDisplay(int32_t designPpi, int32_t designTextHeight, int32_t fontHeight,
                         int32_t displayPpi, TextHeightOf textHeightOf) {
    FormScaling scaling;
    scaling.fontHeight = fontHeight;
    if (designPpi <= 0 || displayPpi <= 0 || displayPpi == designPpi || designTextHeight <= 0)
        return scaling;
    scaling.fontHeight = ScaleRounded(fontHeight, displayPpi, designPpi);
    const int32_t newTextHeight = textHeightOf(scaling.fontHeight);
    if (newTextHeight > 0 && newTextHeight != designTextHeight) {
        scaling.numerator = newTextHeight;
        scaling.denominator = designTextHeight;
    }
    return scaling;
}

// A bitmap button's glyph left of its caption: with margin -1 the glyph,
// the spacing and the caption are centred together; otherwise the glyph
// starts `margin` pixels from the left. Both are centred vertically.
struct ButtonLayout {
    Point glyph;
    Point caption;
};
ButtonLayout GlyphLeftLayout(int32_t clientW, int32_t clientH, int32_t glyphW, int32_t glyphH,
                             int32_t captionW, int32_t captionH, int32_t margin, int32_t spacing);

// What the process's start-up show command asks of the main window.
enum class StartupShow { Normal, Maximized, Minimized };
// `showCommand` is STARTUPINFO's wShowWindow, used only when the start-up
// flags say it is set (STARTF_USESHOWWINDOW).
StartupShow StartupShowFor(bool showCommandGiven, int32_t showCommand);

} // namespace vcl
