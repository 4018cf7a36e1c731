// Pixel rules of the GDI+ stand-in on small boards: where shapes land with and without
// smoothing, gradients, hatches, keyed images and clipping.

#include <QPainter>

#include <cmath>
#include <functional>
#include <vector>

#include "platform/gdiplus/GdiPlusFlat.h"
#include "tests/platform/gdiplus/GdiPlusTestApp.h"

using gdiplustest::Board;

namespace {

constexpr ARGB Black = 0xFF000000, White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF;

struct ShapeCase {
    const char *name;
    SmoothingMode smoothing;
    std::function<void(GpGraphics *)> draw;
    std::vector<std::string> rows;  // rows 0..7 of a 10 x 8 board
};

void Fill(GpGraphics *g, REAL x, REAL y, REAL w, REAL h)
{
    GpSolidFill *b = nullptr;
    GdipCreateSolidFill(Black, &b);
    EXPECT_EQ(GdipFillRectangle(g, b, x, y, w, h), Ok);
    GdipDeleteBrush(b);
}

void Line(GpGraphics *g, REAL x1, REAL y1, REAL x2, REAL y2, REAL width = 1)
{
    GpPen *p = nullptr;
    GdipCreatePen1(Black, width, UnitWorld, &p);
    EXPECT_EQ(GdipDrawLine(g, p, x1, y1, x2, y2), Ok);
    GdipDeletePen(p);
}

const std::string E = "..........";

TEST(GdiPlusPixels, ShapesLandOnThePixelsGdiPlusWouldCover)
{
    const ShapeCase cases[] = {
        {.name = "rectangle without smoothing covers x 2-5, y 2-4",
         .smoothing = SmoothingModeNone,
         .draw = [](GpGraphics *g) { Fill(g, 2, 2, 4, 3); },
         .rows = {E, E, "..####....", "..####....", "..####....", E, E, E}},
        {.name = "one-pixel line keeps both end points",
         .smoothing = SmoothingModeNone,
         .draw = [](GpGraphics *g) { Line(g, 1, 5, 8, 5); },
         .rows = {E, E, E, E, E, ".########.", E, E}},
        {.name = "vertical one-pixel line keeps both end points",
         .smoothing = SmoothingModeNone,
         .draw = [](GpGraphics *g) { Line(g, 2, 1, 2, 6); },
         .rows = {E, "..#.......", "..#.......", "..#.......", "..#.......", "..#.......", "..#.......", E}},
        {.name = "anti-aliased horizontal line stays one crisp row",
         .smoothing = SmoothingModeAntiAlias,
         .draw = [](GpGraphics *g) { Line(g, 1, 5, 8, 5); },
         .rows = {E, E, E, E, E, ".+######+.", E, E}},
        {.name = "high quality is anti-aliased too",
         .smoothing = SmoothingModeHighQuality,
         .draw = [](GpGraphics *g) { Line(g, 1, 2, 8, 2); },
         .rows = {E, E, ".+######+.", E, E, E, E, E}},
        {.name = "anti-aliased rectangle edges cut the edge pixels in half",
         .smoothing = SmoothingModeAntiAlias,
         .draw = [](GpGraphics *g) { Fill(g, 2, 2, 4, 3); },
         .rows = {E, E, "..+++++...", "..+###+...", "..+###+...", "..+++++...", E, E}},
    };
    for (const ShapeCase &c : cases) {
        Board b(10, 8);
        ASSERT_EQ(GdipSetSmoothingMode(b.g, c.smoothing), Ok);
        c.draw(b.g);
        for (int y = 0; y < 8; ++y)
            EXPECT_EQ(b.Row(y), c.rows[y]) << c.name << ", row " << y;
    }
}

TEST(GdiPlusPixels, AntiAliasedEllipseHasPartialEdgePixelsOnlyWithSmoothing)
{
    for (const SmoothingMode mode : {SmoothingModeNone, SmoothingModeAntiAlias}) {
        Board b(20, 20);
        GdipSetSmoothingMode(b.g, mode);
        GpSolidFill *brush = nullptr;
        GdipCreateSolidFill(Black, &brush);
        GdipFillEllipse(b.g, brush, 2, 2, 15, 13);
        GdipDeleteBrush(brush);
        int partial = 0, full = 0;
        for (int y = 0; y < 20; ++y)
            for (char ch : b.Row(y)) {
                partial += ch == '+';
                full += ch == '#';
            }
        EXPECT_GT(full, 100) << mode;
        if (mode == SmoothingModeAntiAlias)
            EXPECT_GT(partial, 10);
        else
            EXPECT_EQ(partial, 0);
    }
}

TEST(GdiPlusPixels, CanvasOriginAndClipApply)
{
    Board b(10, 8);
    TCanvas *c = b.bmp.Canvas();
    c->SetViewportOrg(TPoint(3, 1));
    c->IntersectClipRect(Rect(0, 0, 5, 3));  // logical, so pixels 3..7 x 1..3
    GpGraphics *g = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(c->Handle(), &g), Ok);
    Fill(g, -1, 0, 20, 2);
    GdipDeleteGraphics(g);
    EXPECT_EQ(b.Row(0), E);
    EXPECT_EQ(b.Row(1), "...#####..");
    EXPECT_EQ(b.Row(2), "...#####..");
    EXPECT_EQ(b.Row(3), E);
}

TEST(GdiPlusPixels, ExcludedClipStaysUntouched)
{
    Board b(10, 8);
    ASSERT_EQ(GdipSetClipRect(b.g, 2, 2, 4, 3, CombineModeExclude), Ok);
    Fill(b.g, 0, 0, 10, 8);
    EXPECT_EQ(b.Row(1), "##########");
    EXPECT_EQ(b.Row(2), "##....####");
    EXPECT_EQ(b.Row(4), "##....####");
    EXPECT_EQ(b.Row(5), "##########");
    GdipResetClip(b.g);
    Fill(b.g, 0, 0, 10, 8);
    EXPECT_EQ(b.Row(3), "##########");
}

int Channel(QRgb p, int shift)
{
    return static_cast<int>((p >> shift) & 0xFF);
}

TEST(GdiPlusPixels, VerticalGradientRunsFromTheFirstColourAtTheTopEdge)
{
    for (const bool gamma : {false, true}) {
        Board b(4, 10);
        const GpRectF r{0, 0, 4, 10};
        GpLineGradient *brush = nullptr;
        ASSERT_EQ(GdipCreateLineBrushFromRect(&r, Black, White, LinearGradientModeVertical, WrapModeTile, &brush), Ok);
        GdipSetLineGammaCorrection(brush, gamma);
        GdipFillRectangle(b.g, brush, 0, 0, 4, 10);
        GdipDeleteBrush(brush);
        // Pixel centres sit on whole coordinates: row 0 is the first colour, row 9 nine tenths on.
        EXPECT_LE(Channel(b.At(2, 0), 0), 4) << gamma;
        const int expected9 = gamma ? static_cast<int>(std::lround(255 * std::pow(0.9, 1 / 2.2))) : 230;
        EXPECT_NEAR(Channel(b.At(2, 9), 0), expected9, 4) << gamma;
        EXPECT_EQ(b.At(0, 9), b.At(3, 9));  // each row one colour
        EXPECT_LT(Channel(b.At(2, 4), 0), Channel(b.At(2, 5), 0));
    }
}

TEST(GdiPlusPixels, PathGradientRunsFromTheCentrePointToTheOutline)
{
    Board b(41, 41);
    GpPath *path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GdipAddPathEllipse(path, 0, 0, 40, 40);
    GpPathGradient *brush = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(path, &brush), Ok);
    const GpPointF centre{20, 20};
    GdipSetPathGradientCenterPoint(brush, &centre);
    GdipSetPathGradientCenterColor(brush, Red);
    INT count = 1;
    const ARGB surround = Blue;
    ASSERT_EQ(GdipSetPathGradientSurroundColorsWithCount(brush, &surround, &count), Ok);
    // The brush paints only inside its path, even over a larger rectangle.
    GdipFillRectangle(b.g, brush, 0, 0, 41, 41);
    EXPECT_EQ(b.At(20, 20), Red);
    // Along the ray up from the centre, 19 of 20 units out: 95 % of the way to the surround colour.
    EXPECT_NEAR(Channel(b.At(20, 1), 0), 242, 3);
    EXPECT_NEAR(Channel(b.At(20, 1), 16), 13, 3);
    // Half way along a diagonal ray.
    const int d = static_cast<int>(std::lround(20 - 10 / std::sqrt(2.0)));
    EXPECT_NEAR(Channel(b.At(d, d), 0), 128, 6);
    EXPECT_EQ(b.At(1, 1), White);  // outside the ellipse
    GdipDeleteBrush(brush);
    GdipDeletePath(path);
}

TEST(GdiPlusPixels, APathGradientStartsCentredOnThePathsBounds)
{
    struct Case {
        const char *name;
        std::function<void(GpPath *)> shape;
        GpPointF centre;
    };
    const Case cases[] = {
        {.name = "ellipse", .shape = [](GpPath *p) { GdipAddPathEllipse(p, 0, 0, 40, 40); }, .centre = {20, 20}},
        {.name = "offset ellipse",
         .shape = [](GpPath *p) { GdipAddPathEllipse(p, 10, 4, 30, 12); },
         .centre = {25, 10}},
        {.name = "right triangle",
         .shape =
             [](GpPath *p) {
                 const GpPointF corners[] = {{0, 0}, {30, 0}, {0, 30}};
                 GdipAddPathPolygon(p, corners, 3);
             },
         .centre = {15, 15}},
    };
    for (const Case &c : cases) {
        GpPath *path = nullptr;
        GdipCreatePath(FillModeAlternate, &path);
        c.shape(path);
        GpPathGradient *brush = nullptr;
        ASSERT_EQ(GdipCreatePathGradientFromPath(path, &brush), Ok) << c.name;
        GpPointF centre{};
        GdipGetPathGradientCenterPoint(brush, &centre);
        EXPECT_NEAR(centre.X, c.centre.X, 0.01) << c.name;
        EXPECT_NEAR(centre.Y, c.centre.Y, 0.01) << c.name;
        GdipDeleteBrush(brush);
        GdipDeletePath(path);
    }
}

TEST(GdiPlusPixels, HatchBrushRepeatsEveryEightPixels)
{
    for (const HatchStyle style : {HatchStyleDiagonalCross, HatchStyle30Percent, HatchStyleWeave, HatchStyleSphere}) {
        Board b(24, 24);
        GpHatch *brush = nullptr;
        ASSERT_EQ(GdipCreateHatchBrush(style, Black, White, &brush), Ok);
        GdipFillRectangle(b.g, brush, 0, 0, 24, 24);
        GdipDeleteBrush(brush);
        int black = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                ASSERT_EQ(b.At(x, y), b.At(x + 8, y)) << style << " at " << x << "," << y;
                ASSERT_EQ(b.At(x, y), b.At(x, y + 8)) << style << " at " << x << "," << y;
                black += b.At(x, y) == Black;
            }
        EXPECT_GT(black, 0) << style;
        EXPECT_LT(black, 256) << style;
    }
}

TEST(GdiPlusPixels, ColourKeyedImageLeavesTheKeyColourTransparent)
{
    const ARGB key = 0xFF00FF00;
    GpBitmap *bmp = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, &bmp), Ok);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            GdipBitmapSetPixel(bmp, x, y, x == 1 ? key : Red);
    GpImageAttributes *attr = nullptr;
    GdipCreateImageAttributes(&attr);
    ASSERT_EQ(GdipSetImageAttributesColorKeys(attr, ColorAdjustTypeBitmap, -1, key, key), Ok);
    Board b(6, 6);
    ASSERT_EQ(GdipDrawImageRectRectI(b.g, bmp, 1, 1, 4, 4, 0, 0, 4, 4, UnitPixel, attr, nullptr, nullptr), Ok);
    EXPECT_EQ(b.At(1, 1), Red);
    EXPECT_EQ(b.At(2, 1), White);
    EXPECT_EQ(b.At(2, 4), White);
    EXPECT_EQ(b.At(3, 4), Red);
    EXPECT_EQ(b.At(0, 0), White);
    // Without the attributes the key colour is drawn.
    GdipDrawImageI(b.g, bmp, 1, 1);
    EXPECT_EQ(b.At(2, 1), key);
    GdipDisposeImageAttributes(attr);
    GdipDisposeImage(bmp);
}

TEST(GdiPlusPixels, TranslucentFillBlendsWithWhatIsThere)
{
    Board b(4, 4);
    GpSolidFill *brush = nullptr;
    GdipCreateSolidFill(0x80000000, &brush);
    GdipFillRectangleI(b.g, brush, 0, 0, 4, 4);
    GdipDeleteBrush(brush);
    EXPECT_NEAR(Channel(b.At(1, 1), 8), 127, 2);
}

TEST(GdiPlusPixels, TextureBrushTilesFromTheOrigin)
{
    GpBitmap *tile = nullptr;
    GdipCreateBitmapFromScan0(2, 1, 0, PixelFormat32bppARGB, nullptr, &tile);
    GdipBitmapSetPixel(tile, 0, 0, Black);
    GdipBitmapSetPixel(tile, 1, 0, White);
    GpTexture *brush = nullptr;
    ASSERT_EQ(GdipCreateTexture(tile, WrapModeTile, &brush), Ok);
    Board b(8, 2);
    GdipFillRectangleI(b.g, brush, 1, 0, 6, 2);
    EXPECT_EQ(b.Row(0), "..#.#.#.");
    EXPECT_EQ(b.Row(1), "..#.#.#.");
    GdipDeleteBrush(brush);
    GdipDisposeImage(tile);
}

TEST(GdiPlusPixels, StringIsDrawnInTheBrushColourInsideItsLayout)
{
    Board b(80, 30);
    GpFontFamily *family = nullptr;
    ASSERT_EQ(GdipCreateFontFamilyFromName(u"Arial", nullptr, &family), Ok);
    GpFont *font = nullptr;
    ASSERT_EQ(GdipCreateFont(family, 12, FontStyleBold, UnitPoint, &font), Ok);
    GpSolidFill *brush = nullptr;
    GdipCreateSolidFill(Black, &brush);
    const GpRectF layout{2, 2, 0, 0};
    ASSERT_EQ(GdipDrawString(b.g, u"Hi", -1, font, &layout, nullptr, brush), Ok);
    GpRectF box{};
    ASSERT_EQ(GdipMeasureString(b.g, u"Hi", -1, font, &layout, nullptr, &box, nullptr, nullptr), Ok);
    int inked = 0, outside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            if (b.At(x, y) != White) {
                ++inked;
                outside += x < box.X || x >= box.X + box.Width || y < box.Y || y >= box.Y + box.Height;
            }
    EXPECT_GT(inked, 20);
    EXPECT_EQ(outside, 0);
    GdipDeleteBrush(brush);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(family);
}

}  // namespace
