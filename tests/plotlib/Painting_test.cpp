// Buffered painting of a library control and the drawing helpers, checked pixel by pixel on
// offscreen renderings.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/ControlsRender.h"
#include "platform/runtime/Exception.h"
#include "plotlib/base/iHelpers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

std::set<TColor> ColoursIn(const QImage &image, const TRect &r)
{
    std::set<TColor> seen;
    for (int y = std::max(0, r.Top); y < std::min(image.height(), r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(image.width(), r.Right); ++x)
            seen.insert(At(image, x, y));
    return seen;
}

TEST(BufferedPaint, DrawsTheWholeControlThroughDrawToCanvas)
{
    TTestPlotControl control(nullptr);
    control.SetBackGroundColor(clNavy);
    control.SetBorderStyle(ibsLowered);
    const QImage image = RenderControlImage(&control);
    Keep(image, "test-control");
    EXPECT_EQ(At(image, 60, 40), clRed);
    EXPECT_EQ(At(image, 20, 20), clNavy);
    EXPECT_NE(At(image, 0, 0), clNavy);  // the lowered border
}

TEST(BufferedPaint, AFailureOfAnyKindIsShownWhiteOnBlackAndTheControlRecovers)
{
    struct Case {
        const char *name;
        std::function<void()> fail;
    };
    const Case cases[] = {
        {.name = "framework exception", .fail = [] { throw Exception(QStringLiteral("Axis span is zero")); }},
        {.name = "standard exception", .fail = [] { throw std::runtime_error("bad alloc somewhere"); }},
        {.name = "anything thrown", .fail = [] { throw 42; }},
    };
    for (const Case &c : cases) {
        TTestPlotControl control(nullptr);
        control.SetBackGroundColor(clNavy);
        control.Failure = c.fail;
        QImage image;
        ASSERT_NO_THROW(image = RenderControlImage(&control)) << c.name;
        if (std::string(c.name) == "framework exception")
            Keep(image, "failed-paint");
        const std::set<TColor> colours = ColoursIn(image, control.ClientRect());
        EXPECT_EQ(At(image, control.Width() - 2, control.Height() - 2), clBlack) << c.name;
        EXPECT_TRUE(colours.count(clWhite)) << c.name << ": the message";
        EXPECT_FALSE(colours.count(clRed)) << c.name;

        control.Failure = nullptr;
        image = RenderControlImage(&control);
        EXPECT_EQ(At(image, 60, 40), clRed) << c.name;
        EXPECT_EQ(At(image, 5, 5), clNavy) << c.name;
    }
}

TEST(BufferedPaint, APictureOfWidthZeroCountsAsNoPicture)
{
    TTestPlotControl control(nullptr);
    control.SetBackGroundColor(clTeal);
    TBitmap empty;
    control.SetBackGroundPicture(&empty);
    EXPECT_EQ(At(RenderControlImage(&control), 5, 5), clTeal);

    TBitmap picture(4, 4);
    picture.Canvas()->FillRect(TRect(0, 0, 4, 4), clYellow);
    control.SetBackGroundPicture(&picture);
    EXPECT_EQ(At(RenderControlImage(&control), 5, 5), clYellow);
}

TEST(BufferedPaint, TheControlsPictureSavesAsABitmapFile)
{
    QTemporaryDir dir;
    TTestPlotControl control(nullptr);
    control.SetBackGroundColor(clOlive);
    const QString file = dir.filePath(QStringLiteral("plot.bmp"));
    control.SaveImageToBitmap(file);
    TBitmap saved;
    saved.LoadFromFile(file);
    ASSERT_EQ(saved.Width(), 120);
    ASSERT_EQ(saved.Height(), 80);
    EXPECT_EQ(saved.Canvas()->Pixel(5, 5), clOlive);
    EXPECT_EQ(saved.Canvas()->Pixel(60, 40), clRed);
}

TEST(Gradient, RunsFromStartToStopColourAlongItsDirection)
{
    struct Case {
        const char *name;
        TiFillDirection direction;
        TPoint first, last;
    };
    const Case cases[] = {
        {.name = "top to bottom", .direction = ifdTopBottom, .first = {50, 0}, .last = {50, 49}},
        {.name = "bottom to top", .direction = ifdBottomTop, .first = {50, 49}, .last = {50, 0}},
        {.name = "left to right", .direction = ifdLeftRight, .first = {0, 25}, .last = {99, 25}},
        {.name = "right to left", .direction = ifdRightLeft, .first = {99, 25}, .last = {0, 25}},
    };
    for (const Case &c : cases) {
        TBitmap bitmap(100, 50);
        iFillGradient(bitmap.Canvas(), TRect(0, 0, 100, 50), c.direction, clBlue, clYellow);
        EXPECT_EQ(bitmap.Canvas()->Pixel(c.first.X, c.first.Y), clBlue) << c.name;
        EXPECT_EQ(bitmap.Canvas()->Pixel(c.last.X, c.last.Y), clYellow) << c.name;
        const TColor middle = bitmap.Canvas()->Pixel((c.first.X + c.last.X) / 2, (c.first.Y + c.last.Y) / 2);
        EXPECT_NE(middle, clBlue) << c.name;
        EXPECT_NE(middle, clYellow) << c.name;
    }
    // Every row of a top-to-bottom fill is one colour, and all 50 differ from their neighbours'
    // mix only by the step.
    TBitmap bitmap(100, 50);
    iFillGradient(bitmap.Canvas(), TRect(0, 0, 100, 50), ifdTopBottom, clBlack, RGB(0, 0, 245));
    for (int y = 0; y < 50; ++y)
        EXPECT_EQ(ColoursIn(bitmap.Image(), TRect(0, y, 100, y + 1)), std::set<TColor>{RGB(0, 0, 5 * y)}) << y;
}

TEST(Gradient, EveryDirectionFillsItsWholeRectangle)
{
    // Nearly every pixel of an 80 x 60 fill is painted: the lines and outlines of one step lie
    // next to those of the next (the circles leave the corners outside their largest ellipse).
    TBitmap gallery(6 * 84, 2 * 64);
    gallery.Canvas()->FillRect(TRect(0, 0, gallery.Width(), gallery.Height()), clWhite);
    for (int d = ifdTopBottom; d <= ifdCircleIn; ++d) {
        const auto direction = static_cast<TiFillDirection>(d);
        TBitmap tile(80, 60);
        tile.Canvas()->FillRect(TRect(0, 0, 80, 60), clWhite);
        iFillGradient(tile.Canvas(), TRect(0, 0, 80, 60), direction, clNavy, clAqua);
        int white = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x)
                white += tile.Canvas()->Pixel(x, y) == clWhite ? 1 : 0;
        const bool circle = direction == ifdCircleOut || direction == ifdCircleIn;
        EXPECT_LT(white, circle ? 80 * 60 / 5 : 80 * 60 / 20) << d;
        gallery.Canvas()->Draw((d % 6) * 84, (d / 6) * 64, &tile);
    }
    Keep(gallery.Image(), "gradients");
}

TEST(Gradient, ASingleStepDrawsTheColourItBeginsWith)
{
    TBitmap bitmap(10, 1);
    iFillGradient(bitmap.Canvas(), TRect(0, 0, 10, 1), ifdTopBottom, clRed, clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixel(5, 0), clRed);
    iFillGradient(bitmap.Canvas(), TRect(0, 0, 10, 1), ifdBottomTop, clRed, clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixel(5, 0), clLime);
}

TEST(DrawText, DisabledTextShowsTwoShadesExceptOnBlack)
{
    const TColor light = iShadeColor(clBtnFace, 64, true);
    const TColor dark = iShadeColor(clBtnFace, 32, false);
    struct Case {
        const char *name;
        TColor back;
        bool enabled;
        std::set<TColor> textColours;
    };
    const Case cases[] = {
        {.name = "disabled on grey", .back = clGray, .enabled = false, .textColours = {light, dark}},
        {.name = "disabled on black", .back = clBlack, .enabled = false, .textColours = {clLime}},
        {.name = "enabled", .back = clGray, .enabled = true, .textColours = {clLime}},
    };
    for (const Case &c : cases) {
        TBitmap bitmap(80, 20);
        TCanvas *canvas = bitmap.Canvas();
        canvas->FillRect(TRect(0, 0, 80, 20), c.back);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->SetColor(clLime);
        TRect r(2, 2, 78, 18);
        const int height = iDrawText(canvas, QStringLiteral("Wg&x"), r, c.back, c.enabled, iTextLeft);
        EXPECT_GT(height, 0) << c.name;
        std::set<TColor> seen = ColoursIn(bitmap.Image(), TRect(0, 0, 80, 20));
        seen.erase(c.back);
        EXPECT_EQ(seen, c.textColours) << c.name;
        EXPECT_EQ(canvas->Font()->Color(), clLime) << c.name << ": the font colour is kept";
    }
}

TEST(DrawText, MeasuringDrawsNothingAndGrowsTheRectangle)
{
    TBitmap bitmap(80, 40);
    TCanvas *canvas = bitmap.Canvas();
    canvas->FillRect(TRect(0, 0, 80, 40), clWhite);
    TRect r(5, 5, 5, 5);
    const int height = iDrawText(canvas, QStringLiteral("one\r\ntwo"), r, clWhite, true, iTextCalcRect);
    EXPECT_EQ(ColoursIn(bitmap.Image(), TRect(0, 0, 80, 40)), std::set<TColor>{clWhite});
    EXPECT_EQ(r.Height(), height);
    EXPECT_EQ(height, 2 * canvas->TextHeight(QStringLiteral("one")));
    EXPECT_GT(r.Width(), 0);
    EXPECT_EQ(iTextHeightMultiLine(canvas, QStringLiteral("one\r\ntwo")), height);
    EXPECT_EQ(iTextWidthMultiLine(canvas, QStringLiteral("ab\r\nlonger line\r\n")),
              canvas->TextWidth(QStringLiteral("longer line")));
    EXPECT_EQ(iTextWidthMultiLine(canvas, QString()), 0);
}

TEST(RotatedText, TakesItsTurnedSizeAroundTheCentre)
{
    struct Case {
        const char *name;
        TiRotationAngle rotation;
        bool turned;
    };
    const Case cases[] = {
        {.name = "0", .rotation = ira000, .turned = false},
        {.name = "90", .rotation = ira090, .turned = true},
        {.name = "180", .rotation = ira180, .turned = false},
        {.name = "270", .rotation = ira270, .turned = true},
    };
    const QString text = QStringLiteral("Volts");
    for (const Case &c : cases) {
        TBitmap bitmap(120, 120);
        TCanvas *canvas = bitmap.Canvas();
        canvas->FillRect(TRect(0, 0, 120, 120), clWhite);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->SetColor(clBlack);
        canvas->Font()->SetHeight(-16);
        const int w = canvas->TextWidth(text), h = canvas->TextHeight(text);
        TRect textRect;
        iDrawRotatedText(canvas, text, TRect(20, 20, 100, 100), textRect, clWhite, true, iahCenter, c.rotation);
        EXPECT_EQ(textRect.Width(), c.turned ? h : w) << c.name;
        EXPECT_EQ(textRect.Height(), c.turned ? w : h) << c.name;
        EXPECT_LE(std::abs((textRect.Left + textRect.Right) / 2 - 60), 1) << c.name;
        EXPECT_LE(std::abs((textRect.Top + textRect.Bottom) / 2 - 60), 1) << c.name;
        // All ink lies inside the text rectangle (one pixel of rounding allowed).
        TRect outside = textRect;
        outside.Inflate(1, 1);
        int ink = 0, stray = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x)
                if (canvas->Pixel(x, y) != clWhite) {
                    ++ink;
                    stray += outside.Contains(TPoint(x, y)) ? 0 : 1;
                }
        EXPECT_GT(ink, 20) << c.name;
        EXPECT_EQ(stray, 0) << c.name;
        EXPECT_EQ(canvas->Font()->Orientation(), 0) << c.name;
        if (c.rotation == ira090)
            Keep(bitmap.Image(), "rotated-090");
    }
}

TEST(Edge, FlatFrameUsesTheButtonShadowAndOtherStylesTheSystemBevels)
{
    TBitmap bitmap(20, 20);
    TCanvas *canvas = bitmap.Canvas();
    canvas->FillRect(TRect(0, 0, 20, 20), clWhite);
    canvas->Brush()->SetColor(clWhite);
    iDrawEdge(canvas, TRect(0, 0, 20, 20), iEdgeFlat);
    EXPECT_EQ(canvas->Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(canvas->Pixel(19, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(canvas->Pixel(10, 10), clWhite);

    canvas->FillRect(TRect(0, 0, 20, 20), clWhite);
    iDrawEdge(canvas, TRect(0, 0, 20, 20), 7);
    EXPECT_EQ(ColoursIn(bitmap.Image(), TRect(0, 0, 20, 20)), std::set<TColor>{clWhite});
    iDrawEdge(canvas, TRect(0, 0, 20, 20), iEdgeSunken);
    EXPECT_NE(canvas->Pixel(0, 0), clWhite);
}

}  // namespace
