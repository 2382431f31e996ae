#include "controls/LayoutRules.h"

#include <gtest/gtest.h>

namespace vcl {
namespace {

struct PictureCase {
    const char* what;
    int32_t pw, ph, bw, bh;
    bool stretch, proportional, center;
    Rect expected;
};

TEST(PictureDestRect, FollowsStretchProportionalAndCenter) {
    const PictureCase cases[] = {
        {"product box: tall picture shrunk, width bound",
         120,
         154,
         97,
         129,
         false,
         true,
         false,
         {0, 0, 97, 124}},
        {"fits: drawn at its own size", 120, 154, 200, 200, false, true, false, {0, 0, 120, 154}},
        {"plain: own size even when larger",
         120,
         154,
         97,
         129,
         false,
         false,
         false,
         {0, 0, 120, 154}},
        {"wide picture, height bound after width",
         200,
         100,
         150,
         60,
         false,
         true,
         false,
         {0, 0, 120, 60}},
        {"wide picture, width bound", 200, 100, 100, 100, false, true, false, {0, 0, 100, 50}},
        {"stretch without proportion fills the box",
         10,
         10,
         97,
         129,
         true,
         false,
         false,
         {0, 0, 97, 129}},
        {"stretch with proportion grows a small picture",
         10,
         20,
         100,
         100,
         true,
         true,
         false,
         {0, 0, 50, 100}},
        {"centred", 120, 154, 97, 129, false, true, true, {0, 2, 97, 126}},
        {"empty picture", 0, 0, 97, 129, false, true, false, {0, 0, 0, 0}},
    };
    for (const PictureCase& c : cases)
        EXPECT_EQ(PictureDestRect(c.pw, c.ph, c.bw, c.bh, c.stretch, c.proportional, c.center),
                  c.expected)
            << c.what;
}

TEST(DesktopCenter, CentresAndClampsEachAxisAtZero) {
    struct Case {
        int32_t sw, sh, w, h;
        Point expected;
    } const cases[] = {
        {1024, 768, 673, 276, {175, 246}}, {1025, 769, 673, 276, {176, 246}},
        {600, 200, 673, 276, {0, 0}},      {600, 768, 673, 276, {0, 246}},
        {1024, 200, 673, 276, {175, 0}},   {673, 276, 673, 276, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DesktopCenter(c.sw, c.sh, c.w, c.h), c.expected) << c.sw << "x" << c.sh;
}

TEST(ScaleRounded, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(ScaleRounded(667, 16, 13), 821); // 820.9
    EXPECT_EQ(ScaleRounded(250, 16, 13), 308); // 307.7
    EXPECT_EQ(ScaleRounded(13, 1, 2), 7);      // 6.5
    EXPECT_EQ(ScaleRounded(-13, 1, 2), -7);
    EXPECT_EQ(ScaleRounded(-11, 120, 96), -14); // -13.75
    EXPECT_EQ(ScaleRounded(5, 3, 0), 5);
}

TEST(FitToDisplay, ScalesByNewTextHeightOnlyAwayFromTheDesignDensity) {
    int measured = 0;
    auto textHeight = [&](int32_t fontHeight) {
        measured = fontHeight;
        return fontHeight == -11 ? 14 : 16; // a font that measures oddly at 96 dpi
    };
    FormScaling same = FitToDisplay(96, 13, -11, 96, textHeight);
    EXPECT_FALSE(same.Scales());
    EXPECT_EQ(same.fontHeight, -11);
    EXPECT_EQ(measured, 0) << "nothing is measured at the design density";

    FormScaling large = FitToDisplay(96, 13, -11, 120, textHeight);
    EXPECT_EQ(large.fontHeight, -14);
    EXPECT_EQ(measured, -14);
    EXPECT_EQ(large.numerator, 16);
    EXPECT_EQ(large.denominator, 13);

    FormScaling unchanged = FitToDisplay(96, 13, -11, 120, [](int32_t) { return 13; });
    EXPECT_FALSE(unchanged.Scales());
    EXPECT_EQ(unchanged.fontHeight, -14);
}

TEST(GlyphLeftLayout, CentresGlyphSpacingAndCaptionTogether) {
    // 161 x 57 button, 18 px glyph, caption 90 x 13, margin -1, spacing 4.
    ButtonLayout layout = GlyphLeftLayout(161, 57, 18, 18, 90, 13, -1, 4);
    EXPECT_EQ(layout.glyph, (Point{24, 19}));
    EXPECT_EQ(layout.caption, (Point{46, 22}));
    ButtonLayout fixed = GlyphLeftLayout(161, 57, 18, 18, 90, 13, 5, 4);
    EXPECT_EQ(fixed.glyph, (Point{5, 19}));
    EXPECT_EQ(fixed.caption, (Point{27, 22}));
}

TEST(StartupShowFor, HonoursOnlyMaximisedAndMinimisedWithoutActivation) {
    struct Case {
        bool given;
        int32_t command;
        StartupShow expected;
    } const cases[] = {
        {true, 3, StartupShow::Maximized}, {true, 7, StartupShow::Minimized},
        {true, 1, StartupShow::Normal},    {true, 2, StartupShow::Normal},
        {true, 6, StartupShow::Normal},    {true, 0, StartupShow::Normal},
        {false, 3, StartupShow::Normal},   {false, 7, StartupShow::Normal},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartupShowFor(c.given, c.command), c.expected) << c.given << " " << c.command;
}

} // namespace
} // namespace vcl
