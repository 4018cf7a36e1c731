// Colour arithmetic, scheme and version answers, frame painters, gradients and transparent copies.

#include "widgets/skinned/FramedGraphicsRoutines.h"
#include "widgets/skinned/RzCommon.h"

#include "platform/settings/Registry.h"
#include "platform/settings/SettingsFixture.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using skinnedtest::At;
using skinnedtest::Filled;

TEST(RzColors, ArithmeticOnTheHslScale)
{
    struct Case {
        const char *name;
        TColor result;
        TColor expected;
    } cases[] = {
        {.name = "darken button face by 10", .result = DarkenColor(clBtnFace, 10), .expected = RGB(230, 230, 230)},
        {.name = "lighten button shadow by 30",
         .result = LightenColor(clBtnShadow, 30),
         .expected = RGB(192, 192, 192)},
        {.name = "black stays black", .result = DarkenColor(clBlack, 50), .expected = clBlack},
        {.name = "white stays white", .result = LightenColor(clWhite, 100), .expected = clWhite},
        {.name = "adjust by 0 keeps the system colour", .result = AdjustColor(clBtnFace, 0), .expected = clBtnFace},
        {.name = "adjust by -300 darkens by 44",
         .result = AdjustColor(clBtnShadow, -300),
         .expected = DarkenColor(clBtnShadow, 44)},
        {.name = "adjust by 300 lightens by 44",
         .result = AdjustColor(clBtnShadow, 300),
         .expected = LightenColor(clBtnShadow, 44)},
        {.name = "hue 239 is the first sextant", .result = ColorFromHSL(239, 240, 120), .expected = clRed},
        {.name = "complement of red uses hue 120",
         .result = ComplementColor(clRed, 120),
         .expected = ColorFromHSL(120, 240, 120)},
        {.name = "half blend", .result = BlendColors(clWhite, clBlack, 128), .expected = RGB(128, 128, 128)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, c.expected);
    }
    EXPECT_EQ(DarkenColor(clBtnShadow, 44), RGB(114, 114, 114));
    std::uint8_t h, s, l;
    ColorToHSL(clTeal, h, s, l);
    EXPECT_EQ(h, 120);
    EXPECT_EQ(s, 240);
    EXPECT_EQ(l, 60);
    EXPECT_TRUE(ColorsAreSimilar(clBlack, RGB(20, 20, 20)));
    EXPECT_FALSE(ColorsAreSimilar(clBlack, clWhite));
}

TEST(RzColors, WithoutThemesTheStyleColorsAreThePlainOnes)
{
    TColor start = 0, stop = 0, pen = 0;
    GradientColorsForStyle(gcsMSOffice, start, stop);
    EXPECT_EQ(start, clWindow);
    EXPECT_EQ(stop, DarkenColor(clBtnFace, 10));
    EXPECT_EQ(FrameColorForStyle(gcsMSOffice), LightenColor(clBtnShadow, 30));
    BannerColorsForStyle(gcsSystem, stop, start, pen);
    EXPECT_EQ(stop, DarkenColor(clBtnFace, 20));
    EXPECT_EQ(start, clWindow);
    EXPECT_EQ(pen, DarkenColor(clBtnFace, 40));
    EXPECT_EQ(XPThemeColor(6), clBtnFace);
    EXPECT_TRUE(IsFullColorDisplay());
}

TEST(RzColors, VersionTestsAnswerForNt61)
{
    const bool exactly[] = {false, false, false, false, false, false, false, false, true, false};
    const bool atLeast[] = {true, true, false, true, true, true, true, true, true, false};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(IsWindowsVersion(i), exactly[i]);
        EXPECT_EQ(IsWindowsVersionAtLeast(i), atLeast[i]);
    }
}

using ColorSchemeTest = SettingsFixture;

TEST_F(ColorSchemeTest, TheSchemeComesFromTheStoredColorName)
{
    EXPECT_EQ(DetectXPColorScheme(), 0) << "nothing stored";
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", true));
    struct Case {
        const char *name;
        std::function<void()> store;
        int scheme;
    } cases[] = {
        {.name = "olive", .store = [&] { reg.WriteString("ColorName", "HomeStead"); }, .scheme = 1},
        {.name = "silver", .store = [&] { reg.WriteString("ColorName", "METALLIC"); }, .scheme = 2},
        {.name = "blue", .store = [&] { reg.WriteString("ColorName", "NormalColor"); }, .scheme = 0},
        {.name = "empty", .store = [&] { reg.WriteString("ColorName", ""); }, .scheme = 0},
        {.name = "not text", .store = [&] { reg.WriteInteger("ColorName", 1); }, .scheme = 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.store();
        EXPECT_EQ(DetectXPColorScheme(), c.scheme);
    }
}

// ---- Painters ----------------------------------------------------------------------------------------

struct Painter : ::testing::Test {
    std::unique_ptr<TBitmap> bitmap = Filled(40, 24, clRed);
    TCanvas *canvas = bitmap->Canvas();
    TColor Px(int x, int y) { return At(*bitmap, x, y); }
    bool Untouched()
    {
        for (int y = 0; y < bitmap->Height(); ++y)
            for (int x = 0; x < bitmap->Width(); ++x)
                if (Px(x, y) != clRed)
                    return false;
        return true;
    }
};

TEST_F(Painter, NoSidesDrawsNothingAndKeepsTheRectangle)
{
    const TRect r(2, 2, 30, 20);
    TFramedBorders frame;
    frame.outer = fsFlatRounded;
    frame.inner = fsLowered;
    frame.borderWidth = 2;
    frame.sides = TSides{};
    const std::pair<const char *, std::function<TRect()>> routines[] = {
        {"side lines", [&] { return DrawSideLines(canvas, r, clBlack, clBlack, {}); }},
        {"bevel rings", [&] { return DrawBevelRings(canvas, r, clBlack, clBlack, 3, {}); }},
        {"groove", [&] { return DrawFrameStyleSides(canvas, r, fsGroove, {}); }},
        {"colour bump", [&] { return DrawColorFrameStyleSides(canvas, r, clBtnFace, {}, fsBump); }},
        {"rounded", [&] { return DrawRoundedFlatFrame(canvas, r, clBlack, {}); }},
        {"framed borders", [&] { return DrawFramedBorders(canvas, r, frame); }},
    };
    for (const auto &[name, draw] : routines) {
        SCOPED_TRACE(name);
        EXPECT_EQ(draw(), r);
        EXPECT_TRUE(Untouched());
    }
    EXPECT_EQ(DrawFramedBorders(canvas, r, TFramedBorders{}), r) << "no styles and no border";
    EXPECT_TRUE(Untouched());
}

TEST_F(Painter, SideLinesSkipANoneColourButStillShrink)
{
    EXPECT_EQ(DrawSideLines(canvas, TRect(1, 1, 9, 9), clNone, clBlue, sdAllSides), TRect(2, 2, 8, 8));
    EXPECT_EQ(Px(1, 4), clRed) << "left line not drawn";
    EXPECT_EQ(Px(4, 1), clRed) << "top line not drawn";
    EXPECT_EQ(Px(8, 1), clBlue) << "right line from the top";
    EXPECT_EQ(Px(8, 8), clBlue);
    EXPECT_EQ(Px(1, 8), clBlue) << "bottom line from the left";
    EXPECT_EQ(Px(9, 8), clRed);
}

TEST_F(Painter, EtchedFramesSetTheirCornerPixels)
{
    const TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    struct Case {
        const char *name;
        TSides sides;
        TPoint pixel;
        TColor expected;
    } cases[] = {
        {.name = "all sides: top right in the light colour", .sides = sdAllSides, .pixel = {19, 0}, .expected = light},
        {.name = "all sides: bottom left in the light colour", .sides = sdAllSides, .pixel = {0, 9}, .expected = light},
        {.name = "all sides: inner top left", .sides = sdAllSides, .pixel = {1, 1}, .expected = light},
        {.name = "top without right ends in shadow", .sides = {sdLeft, sdTop}, .pixel = {19, 0}, .expected = shadow},
        {.name = "left without bottom ends in shadow", .sides = {sdLeft, sdTop}, .pixel = {0, 9}, .expected = shadow},
        {.name = "top without left starts light", .sides = {sdTop}, .pixel = {0, 1}, .expected = light},
        {.name = "left without top starts light", .sides = {sdLeft}, .pixel = {1, 0}, .expected = light},
        {.name = "bottom without right", .sides = {sdBottom}, .pixel = {19, 8}, .expected = shadow},
        {.name = "right without bottom", .sides = {sdRight}, .pixel = {18, 9}, .expected = shadow},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        canvas->FillRect(TRect(0, 0, 40, 24), clRed);
        DrawFrameStyleSides(canvas, TRect(0, 0, 20, 10), fsGroove, c.sides);
        EXPECT_EQ(Px(c.pixel.X, c.pixel.Y), c.expected);
    }
}

TEST_F(Painter, FramedBordersChainFromTheOutsideIn)
{
    TFramedBorders frame;
    frame.outer = fsRaised;
    frame.inner = fsLowered;
    frame.borderWidth = 1;
    frame.borderColor = clYellow;
    frame.sides = {sdLeft, sdTop};
    EXPECT_EQ(DrawFramedBorders(canvas, TRect(0, 0, 20, 20), frame), TRect(5, 5, 20, 20));
    EXPECT_EQ(Px(0, 10), ColorToRGB(cl3DLight));
    EXPECT_EQ(Px(2, 10), clYellow);
    EXPECT_EQ(Px(3, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Px(19, 10), clRed) << "no right side";

    frame = TFramedBorders{};
    frame.outer = fsFlat;
    frame.flatColor = clBtnShadow;
    frame.flatAdjustment = 30;
    DrawFramedBorders(canvas, TRect(0, 0, 20, 20), frame);
    EXPECT_EQ(Px(0, 0), LightenColor(clBtnShadow, 30));
}

TEST_F(Painter, DropDownArrowSitsOnePixelHigherInAnEvenRectangle)
{
    auto topRow = [&](int height) {
        canvas->FillRect(TRect(0, 0, 40, 24), clWhite);
        canvas->Brush()->SetColor(clWhite);
        DrawDropDownArrow(canvas, TRect(0, 0, 16, height), 0, true);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 16; ++x)
                if (Px(x, y) == clBlack)
                    return y;
        return -1;
    };
    const int even = topRow(10), odd = topRow(11);
    ASSERT_GE(even, 0);
    EXPECT_EQ(odd, even + 1);
    EXPECT_EQ(canvas->Brush()->Color(), clWhite) << "the brush colour comes back";
}

TEST(RzText, StripAccelChars)
{
    struct Case {
        const char *text;
        const char *expected;
    } cases[] = {{"&File", "File"}, {"Fish && Chips", "Fish & Chips"}, {"End&", "End&"}, {"", ""}, {"&&&x", "&&x"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StripAccelChars(c.text), c.expected);
    }
    EXPECT_EQ(LastCharOf("abc"), u'c');
}

// ---- Gradients and copies ------------------------------------------------------------------------------

TEST(RzGradient, EdgesAndCentresTakeTheirColours)
{
    const TColor start = clRed, stop = clBlue;
    struct Case {
        const char *name;
        TGradientDirection direction;
        std::vector<std::pair<TPoint, TColor>> pixels;
    } cases[] = {
        {.name = "horizontal end", .direction = gdHorizontalEnd, .pixels = {{{5, 0}, start}, {{5, 20}, stop}}},
        {.name = "vertical end", .direction = gdVerticalEnd, .pixels = {{{0, 5}, start}, {{40, 5}, stop}}},
        {.name = "horizontal centre",
         .direction = gdHorizontalCenter,
         .pixels = {{{5, 0}, start}, {{5, 10}, stop}, {{5, 20}, start}}},
        {.name = "vertical centre",
         .direction = gdVerticalCenter,
         .pixels = {{{0, 5}, start}, {{20, 5}, stop}, {{40, 5}, start}}},
        {.name = "square box",
         .direction = gdSquareBox,
         .pixels = {{{0, 0}, start}, {{40, 20}, start}, {{20, 10}, stop}}},
        {.name = "horizontal box",
         .direction = gdHorizontalBox,
         .pixels = {{{0, 0}, start}, {{12, 10}, stop}, {{28, 10}, stop}}},
        {.name = "vertical box",
         .direction = gdVerticalBox,
         .pixels = {{{40, 0}, start}, {{20, 7}, stop}, {{20, 13}, stop}}},
        {.name = "big square box",
         .direction = gdBigSquareBox,
         .pixels = {{{0, 20}, start}, {{12, 7}, stop}, {{28, 13}, stop}}},
        {.name = "diagonal up", .direction = gdDiagonalUp, .pixels = {{{0, 20}, start}, {{40, 0}, stop}}},
        {.name = "diagonal down", .direction = gdDiagonalDown, .pixels = {{{0, 0}, start}, {{40, 20}, stop}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto bitmap = Filled(45, 25, clWhite);
        FillGradient(bitmap->Canvas(), TRect(0, 0, 41, 21), c.direction, start, stop);
        for (const auto &[p, colour] : c.pixels)
            EXPECT_EQ(At(*bitmap, p.X, p.Y), colour) << p.X << "," << p.Y;
        EXPECT_EQ(At(*bitmap, 42, 22), clWhite) << "nothing outside";
    }
    auto bitmap = Filled(10, 10, clWhite);
    FillGradient(bitmap->Canvas(), TRect(3, 3, 3, 9), gdSquareBox, start, stop);
    FillGradient(bitmap->Canvas(), TRect(3, 3, 3, 9), gdHorizontalEnd, start, stop);
    EXPECT_EQ(At(*bitmap, 3, 4), clWhite) << "an empty rectangle draws nothing";
    FillGradient(bitmap->Canvas(), TRect(0, 0, 10, 10), gdHorizontalEnd, clGreen, clGreen);
    EXPECT_EQ(At(*bitmap, 9, 9), clGreen);
}

TEST(RzTransparentCopy, TilesAreCutNotStretched)
{
    // A 10 x 10 picture: a green first pixel, a black last one, the key colour in row 5.
    auto tile = Filled(10, 10, clYellow);
    tile->Canvas()->SetPixel(0, 0, clGreen);
    tile->Canvas()->SetPixel(9, 9, clBlack);
    tile->Canvas()->FillRect(TRect(0, 5, 10, 6), clTeal);
    auto target = Filled(30, 20, clWhite);
    TileBitmapTransparent(target->Canvas(), tile.get(), TRect(0, 0, 25, 15), clTeal);
    struct Case {
        const char *name;
        TPoint p;
        TColor expected;
    } cases[] = {
        {.name = "first tile", .p = {0, 0}, .expected = clGreen},
        {.name = "third column starts at 20", .p = {20, 0}, .expected = clGreen},
        {.name = "second row starts at 10", .p = {10, 10}, .expected = clGreen},
        {.name = "sixth tile", .p = {20, 10}, .expected = clGreen},
        {.name = "a whole tile ends black", .p = {19, 9}, .expected = clBlack},
        {.name = "the cut column is the picture's left part", .p = {24, 9}, .expected = clYellow},
        {.name = "the cut row is the picture's top part", .p = {9, 14}, .expected = clYellow},
        {.name = "key colour shows the target", .p = {3, 5}, .expected = clWhite},
        {.name = "nothing right of the rectangle", .p = {25, 0}, .expected = clWhite},
        {.name = "nothing below it", .p = {0, 15}, .expected = clWhite},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(At(*target, c.p.X, c.p.Y), c.expected);
    }
}

TEST(RzTransparentCopy, AStretchedCopyLeavesTheKeyColourOut)
{
    auto picture = Filled(4, 2, clBlack);
    picture->Canvas()->SetPixel(0, 0, clTeal);
    auto target = Filled(8, 4, clWhite);
    StretchWholeBitmapTransparent(target->Canvas(), picture.get(), TRect(0, 0, 8, 4), clTeal);
    EXPECT_EQ(At(*target, 0, 0), clWhite);
    EXPECT_EQ(At(*target, 1, 1), clWhite) << "the key pixel is stretched to 2 x 2";
    EXPECT_EQ(At(*target, 2, 0), clBlack);
    target->Canvas()->FillRect(TRect(0, 0, 8, 4), clWhite);
    DrawBitmapTransparent(target->Canvas(), picture.get(), TRect(0, 0, 8, 4), clBlack, TRect(0, 0, 4, 2));
    EXPECT_EQ(At(*target, 0, 0), clTeal) << "with black as the key the teal pixel is drawn";
    EXPECT_EQ(At(*target, 6, 3), clWhite) << "and the black ones keep the target";
}

}  // namespace
