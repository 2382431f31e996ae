#include "LayoutRules.h"

#include <cstdlib>

namespace vcl {

Rect PictureDestRect(int32_t pictureW, int32_t pictureH, int32_t boxW, int32_t boxH, bool stretch,
                     bool proportional, bool center) {
    int32_t w = pictureW;
    int32_t h = pictureH;
    if (stretch || (proportional && (w > boxW || h > boxH))) {
        if (proportional && w > 0 && h > 0) {
            const double aspect = double(w) / double(h);
            if (w > h) {
                w = boxW;
                h = static_cast<int32_t>(double(boxW) / aspect);
                if (h > boxH) {
                    h = boxH;
                    w = static_cast<int32_t>(double(boxH) * aspect);
                }
            } else {
                h = boxH;
                w = static_cast<int32_t>(double(boxH) * aspect);
                if (w > boxW) {
                    w = boxW;
                    h = static_cast<int32_t>(double(boxW) / aspect);
                }
            }
        } else {
            w = boxW;
            h = boxH;
        }
    }
    Rect rect{0, 0, w, h};
    if (center) {
        const int32_t dx = (boxW - w) / 2;
        const int32_t dy = (boxH - h) / 2;
        rect = Rect{dx, dy, dx + w, dy + h};
    }
    return rect;
}

Point DesktopCenter(int32_t screenW, int32_t screenH, int32_t outerW, int32_t outerH) {
    Point p{(screenW - outerW) / 2, (screenH - outerH) / 2};
    if (p.x < 0) p.x = 0;
    if (p.y < 0) p.y = 0;
    return p;
}

int32_t ScaleRounded(int32_t value, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return value;
    const int64_t product = int64_t(value) * numerator;
    const int64_t magnitude = (std::llabs(product) + std::llabs(int64_t(denominator)) / 2) /
                              std::llabs(int64_t(denominator));
    const bool negative = (product < 0) != (denominator < 0);
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

ButtonLayout GlyphLeftLayout(int32_t clientW, int32_t clientH, int32_t glyphW, int32_t glyphH,
                             int32_t captionW, int32_t captionH, int32_t margin, int32_t spacing) {
    ButtonLayout layout;
    if (margin < 0) {
        const int32_t gap = spacing < 0 ? 0 : spacing;
        margin = (clientW - (glyphW + gap + captionW)) / 2;
        spacing = gap;
    } else if (spacing < 0) {
        // Spacing -1: the caption is centred in the room right of the glyph.
        spacing = (clientW - margin - glyphW - captionW) / 2;
    }
    layout.glyph = Point{margin, (clientH - glyphH) / 2};
    layout.caption = Point{margin + glyphW + spacing, (clientH - captionH) / 2};
    return layout;
}

StartupShow StartupShowFor(bool showCommandGiven, int32_t showCommand) {
    if (!showCommandGiven) return StartupShow::Normal;
    switch (showCommand) {
    case 3: // SW_SHOWMAXIMIZED
        return StartupShow::Maximized;
    case 7: // SW_SHOWMINNOACTIVE
        return StartupShow::Minimized;
    default:
        return StartupShow::Normal;
    }
}

} // namespace vcl
