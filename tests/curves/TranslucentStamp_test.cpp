// The stamp of the selected band's fill: painting a figure again and again through the stamp
// leaves every pixel as painting its paths each time does, on any background.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "curves/TranslucentStamp.h"
#include "platform/ui/Bitmap.h"
#include "tests/platform/ui/ControlsTestApp.h"

namespace {

constexpr ARGB FillGrey = 0x1E808080;  // the selected band's fill

// A page of varied colours: every channel runs through many levels, with a few solid areas
// (markers, texts) of full and no intensity.
void PaintBackground(TBitmap &page, int width, int height)
{
    page.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint32_t *row = page.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t r = (x * 7 + y * 3) & 255, g = (x * 13 + y * 29) & 255, b = (x * y + 11) & 255;
            row[x] = 0xFF000000u | r << 16 | g << 8 | b;
            if ((x / 9 + y / 7) % 11 == 0)
                row[x] = (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
}

// The curve as a spline through integer points and the figure closed along a baseline, as the
// plot builds them.
struct Figure {
    GpPathPtr Curve;
    GpPathPtr Figure;
};

Figure MakeFigure(const std::vector<GpPoint> &points, REAL baselineY, REAL left, REAL right)
{
    GpPath *curve = nullptr;
    GpPath *figure = nullptr;
    GdipCreatePath(FillModeAlternate, &curve);
    GdipAddPathCurveI(curve, points.data(), static_cast<INT>(points.size()));
    GdipClonePath(curve, &figure);
    GdipAddPathLine(figure, left, baselineY, right, baselineY);
    return {GpPathPtr(curve), GpPathPtr(figure)};
}

std::vector<GpPoint> CurvePoints(int count, int width, const std::function<double(double)> &y)
{
    std::vector<GpPoint> points;
    for (int i = 0; i < count; ++i) {
        const double x = static_cast<double>(i) * width / (count - 1);
        points.push_back({static_cast<INT>(x), static_cast<INT>(y(x))});
    }
    return points;
}

}  // namespace

TEST(TranslucentStamp, PaintingAgainAndAgainLeavesThePixelsOfPaintingThePaths)
{
    constexpr int W = 300, H = 120;
    struct Case {
        const char *name;
        std::vector<GpPoint> points;
        REAL baseline;
    };
    const Case cases[] = {
        {.name = "peak above the baseline",
         .points = CurvePoints(600, W, [](double x) { return 80 - 60 * std::exp(-std::pow((x - 150) / 25, 2)); }),
         .baseline = 80},
        {.name = "dip below it",
         .points = CurvePoints(600, W, [](double x) { return 40 + 50 * std::exp(-std::pow((x - 90) / 10, 2)); }),
         .baseline = 40},
        {.name = "steep wiggles crossing it",
         .points = CurvePoints(300, W, [](double x) { return 60 + 55 * std::sin(x / 4); }),
         .baseline = 60},
        {.name = "partly beyond the page",
         .points = CurvePoints(400, W + 200, [](double x) { return 200 - x; }),
         .baseline = 100},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Figure f = MakeFigure(c.points, c.baseline, -50.0f, W + 50.0f);
        TBitmap stamped, painted;
        PaintBackground(stamped, W, H);
        PaintBackground(painted, W, H);
        TranslucentStamp stamp;
        for (int pass = 1; pass <= 4; ++pass) {
            stamp.Paint(&stamped, f.Curve.get(), f.Figure.get(), FillGrey);
            PaintTranslucentFigure(painted.Canvas(), f.Curve.get(), f.Figure.get(), FillGrey);
            EXPECT_TRUE(stamp.Recorded());
            ASSERT_EQ(stamped.Image(), painted.Image()) << "pass " << pass;
            // What lies on the page changes between passes, as the markers of a plot do.
            stamped.ScanLine(H / 2)[W / 2 + pass] = 0xFF00FF00u;
            painted.ScanLine(H / 2)[W / 2 + pass] = 0xFF00FF00u;
        }
    }
}

TEST(TranslucentStamp, AnotherFigureOrPageSizeIsRecordedAnew)
{
    const Figure wide = MakeFigure(CurvePoints(200, 300, [](double x) { return 20 + x / 5; }), 90, -10, 310);
    const Figure narrow = MakeFigure(CurvePoints(200, 150, [](double x) { return 70 - x / 3; }), 30, -10, 160);
    TranslucentStamp stamp;
    const auto check = [&](const Figure &f, int width, int height, const char *what) {
        SCOPED_TRACE(what);
        TBitmap stamped, painted;
        PaintBackground(stamped, width, height);
        PaintBackground(painted, width, height);
        stamp.Paint(&stamped, f.Curve.get(), f.Figure.get(), FillGrey);
        PaintTranslucentFigure(painted.Canvas(), f.Curve.get(), f.Figure.get(), FillGrey);
        EXPECT_EQ(stamped.Image(), painted.Image());
    };
    check(wide, 300, 100, "first figure");
    stamp.Forget();
    check(narrow, 300, 100, "a new figure after Forget");
    check(narrow, 300, 55, "the same figure on a lower page, which cuts it");
}

TEST(TranslucentStamp, ColoursWhoseBlendsCannotBeCountedArePaintedFromThePaths)
{
    // An opaque colour leaves the same pixel however often it is painted; a clear one leaves black.
    const Figure f = MakeFigure(CurvePoints(100, 200, [](double x) { return 30 + x / 4; }), 60, -10, 210);
    for (const ARGB colour : {ARGB{0xFF00C000}, ARGB{0x00808080}}) {
        TBitmap stamped, painted;
        PaintBackground(stamped, 200, 90);
        PaintBackground(painted, 200, 90);
        TranslucentStamp stamp;
        for (int pass = 0; pass < 2; ++pass) {
            stamp.Paint(&stamped, f.Curve.get(), f.Figure.get(), colour);
            PaintTranslucentFigure(painted.Canvas(), f.Curve.get(), f.Figure.get(), colour);
        }
        EXPECT_FALSE(stamp.Recorded()) << std::hex << colour;
        EXPECT_EQ(stamped.Image(), painted.Image()) << std::hex << colour;
    }
}
