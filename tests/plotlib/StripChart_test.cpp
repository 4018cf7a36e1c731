// The strip chart: its channel's X-order rule, time and array adds, index search and
// interpolation, and the drawing of the reduced trace, steps, fill and digital runs.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/objects/iPlotLegend.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iPlot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <vector>

namespace {

// A strip chart of one channel on fixed axes 0 ... 100 without toolbar or legend.
class StripFixture : public ::testing::Test {
protected:
    TiPlot plot{nullptr};
    TiPlotChannel *channel = plot.GetChannel(0);
    TiPlotAxis *xAxis = plot.GetXAxis(0);
    TiPlotAxis *yAxis = plot.GetYAxis(0);

    StripFixture()
    {
        plot.SetWidth(400);
        plot.SetHeight(300);
        plot.GetToolBar(0)->SetVisible(false);
        plot.GetLegend(0)->SetVisible(false);
        for (TiPlotAxis *axis : {xAxis, yAxis}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
        channel->SetColor(clYellow);
    }

    QImage Paint()
    {
        TBitmap bitmap(plot.Width(), plot.Height());
        plot.DrawToCanvas(bitmap.Canvas());
        return bitmap.Image();
    }
    int Px(double X) const { return xAxis->PositionToPixels(X); }
    int Py(double Y) const { return yAxis->PositionToPixels(Y); }
    bool Lit(const QImage &Image, double X, double Y, TColor Color = clYellow) const
    {
        return At(Image, Px(X), Py(Y)) == Color;
    }
};

}  // namespace

TEST_F(StripFixture, OutOfOrderAddsAreRefusedBeforeStoring)
{
    struct Case {
        const char *name;
        std::vector<double> xs;
        double next;
        const char *message;
    };
    const Case cases[] = {
        {.name = "increasing", .xs = {1, 2}, .next = 1.5, .message = "New Data-Point X-Value is out of order"},
        {.name = "decreasing", .xs = {5, 4}, .next = 4.5, .message = "New Data-Point X-Value is out of order."},
        {.name = "equal first two count as increasing",
         .xs = {1, 1},
         .next = 0.5,
         .message = "New Data-Point X-Value is out of order"},
        {.name = "second point", .xs = {5}, .next = 1, .message = ""},
        {.name = "increasing in order", .xs = {1, 2}, .next = 2, .message = ""},
    };
    for (const Case &c : cases) {
        channel->Clear();
        channel->SetAllowOutOfOrderXValues(false);
        for (double x : c.xs)
            channel->AddXY(x, 0);
        EXPECT_EQ(MessageOf([&] { channel->AddXY(c.next, 1); }), QString::fromLatin1(c.message)) << c.name;
        EXPECT_EQ(channel->Count(), static_cast<int>(c.xs.size()) + (*c.message ? 0 : 1)) << c.name;
    }
    // Allowed by default.
    channel->SetAllowOutOfOrderXValues(true);
    EXPECT_NO_THROW(channel->AddXY(-100, 0));
}

TEST_F(StripFixture, TimeAndArrayAdds)
{
    TManualClockScope clock;
    channel->SetElapsedStartTime(Now() - 1.0 / 24);
    channel->AddYElapsedSeconds(3);
    EXPECT_NEAR(channel->GetX(0), 3600, 0.01);

    channel->Clear();
    channel->AddXY(10, 1);
    TiVariantArray ys{{{0, 2}}, {7, 8, 9}};
    channel->AddYArray(ys, 2);
    ASSERT_EQ(channel->Count(), 4);
    EXPECT_EQ(channel->GetX(1), 10.0);
    EXPECT_EQ(channel->GetX(3), 14.0);
    EXPECT_EQ(channel->GetY(3), 9.0);
    TiVariantArray square{{{0, 1}, {0, 1}}, {1, 2, 3, 4}};
    EXPECT_EQ(MessageOf([&] { channel->AddYArray(square, 1); }), QStringLiteral("Y-Data array must be 1 dimensional"));
    EXPECT_EQ(channel->Count(), 4);

    // The start time resets with the first point of an empty channel when asked to.
    channel->Clear();
    channel->SetResetStartTimeOnFirstDataPoint(true);
    channel->AddYElapsedSeconds(1);
    EXPECT_NEAR(channel->GetX(0), 0, 1e-6);
}

TEST_F(StripFixture, IndexSearchAndInterpolation)
{
    for (double x : {10, 20, 30, 40})
        channel->AddXY(x, x / 10);
    Paint();  // lays the axes out: interpolation works in their pixels
    ASSERT_NE(Px(20), Px(30));
    EXPECT_EQ(channel->CalcIndex(5), -1);
    EXPECT_EQ(channel->CalcIndex(45), -1);
    EXPECT_EQ(channel->CalcIndex(20), 1);
    EXPECT_EQ(channel->CalcIndex(25), 2);

    double y = 0;
    ASSERT_TRUE(channel->GetYInterpolated(30, y));
    EXPECT_EQ(y, 3.0);
    ASSERT_TRUE(channel->GetYInterpolated(25, y));
    EXPECT_NEAR(y, 2.5, 0.05);

    // Two points in one pixel column: the right-hand point's Y.
    channel->AddXY(40.01, 9);
    ASSERT_EQ(Px(40), Px(40.01));
    ASSERT_TRUE(channel->GetYInterpolated(40.005, y));
    EXPECT_EQ(y, 9.0);

    // A null neighbour fails.
    channel->AddXNull(50);
    channel->AddXY(60, 6);
    EXPECT_FALSE(channel->GetYInterpolated(55, y));

    // A digital channel holds the earlier sample.
    channel->SetDigitalEnabled(true);
    ASSERT_TRUE(channel->GetYInterpolated(15, y));
    EXPECT_EQ(y, 1.0);
}

TEST_F(StripFixture, DirectionNeedsThreePoints)
{
    channel->AddXY(50, 1);
    channel->AddXY(40, 1);
    channel->GetZoomXMax();
    EXPECT_TRUE(channel->XIncreasing());
    channel->AddXY(30, 1);
    EXPECT_EQ(channel->GetZoomXMax(), 50.0);
    EXPECT_FALSE(channel->XIncreasing());
    EXPECT_EQ(channel->GetZoomXMin(), 30.0);
    EXPECT_EQ(channel->CalcIndex(45), 0);
}

TEST_F(StripFixture, BothHighLowColoursAreAlwaysStored)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("strip.cfg"));
    channel->SetHighLowBarColor(16711680);
    channel->SetHighLowOpenColor(32768);
    channel->SavePropertiesToFile(path);
    TiPlot other{nullptr};
    other.GetChannel(0)->LoadPropertiesFromFile(path);
    EXPECT_EQ(other.GetChannel(0)->HighLowBarColor(), TColor(16711680));
    EXPECT_EQ(other.GetChannel(0)->HighLowOpenColor(), TColor(32768));
}

TEST_F(StripFixture, ReducedTraceMatchesTheFullTrace)
{
    // 10,000 points over the X axis: the per-column reduction lights the same pixels as every
    // segment drawn one by one.
    for (int i = 0; i < 10000; ++i)
        channel->AddXY(i / 100.0, 50 + 40 * std::sin(i / 37.0) * std::cos(i / 501.0));
    const QImage fast = Paint();
    Keep(fast, "strip_fast_trace");
    channel->SetFastDrawEnabled(false);
    const QImage full = Paint();
    int lit = 0;
    int differing = 0;
    for (int x = Px(0); x < Px(99); ++x)
        for (int y = 0; y < full.height(); ++y) {
            const bool a = At(fast, x, y) == clYellow;
            const bool b = At(full, x, y) == clYellow;
            lit += b;
            differing += a != b;
        }
    EXPECT_GT(lit, 500);
    EXPECT_LE(differing, lit / 50) << "of " << lit;
}

TEST_F(StripFixture, ReducedTraceDrawsOneVerticalAndOneConnectorPerColumn)
{
    // 10,000 points over 100 pixel columns of the X axis.
    Paint();
    const int first = Px(10);
    const double x0 = xAxis->PixelsToPosition(first);
    const double x1 = xAxis->PixelsToPosition(first + 99);
    std::set<int> columns;
    for (int i = 0; i < 10000; ++i) {
        const double x = x0 + (x1 - x0) * i / 9999;
        channel->AddXY(x, 50 + 40 * std::sin(i / 37.0));
        columns.insert(Px(x));
    }
    ASSERT_NEAR(static_cast<double>(columns.size()), 100, 1);

    // The channel alone on a bitmap, counting the drawing operations it makes.
    const auto drawChannel = [&](int &Operations) {
        Paint();
        TBitmap bitmap(plot.Width(), plot.Height());
        Operations = 0;
        bitmap.Surface()->OnDrawn = [&](const QRect &) { ++Operations; };
        channel->UpdateCanDraw(bitmap.Canvas());
        channel->Draw(bitmap.Canvas(), clBlack);
        bitmap.Surface()->OnDrawn = nullptr;
        return bitmap.Image();
    };
    int reduced = 0;
    const QImage fast = drawChannel(reduced);
    EXPECT_GE(reduced, static_cast<int>(columns.size()));
    EXPECT_LE(reduced, 2 * static_cast<int>(columns.size()));

    // Each column spans the rows every segment of the full trace lights there.
    channel->SetFastDrawEnabled(false);
    int full = 0;
    const QImage every = drawChannel(full);
    EXPECT_GT(full, 20 * reduced) << "the full trace draws a segment per point";
    for (int column : columns) {
        int fastTop = -1, fastBottom = -1, fullTop = -1, fullBottom = -1;
        for (int y = 0; y < fast.height(); ++y) {
            if (At(fast, column, y) == clYellow) {
                fastBottom = y;
                if (fastTop < 0)
                    fastTop = y;
            }
            if (At(every, column, y) == clYellow) {
                fullBottom = y;
                if (fullTop < 0)
                    fullTop = y;
            }
        }
        EXPECT_NEAR(fastTop, fullTop, 1) << "column " << column;
        EXPECT_NEAR(fastBottom, fullBottom, 1) << "column " << column;
    }
}

TEST_F(StripFixture, ASinglePointInViewDrawsNoTrace)
{
    channel->AddXY(50, 50);
    for (bool digital : {false, true}) {
        channel->SetDigitalEnabled(digital);
        Paint();
        TBitmap bitmap(plot.Width(), plot.Height());
        int operations = 0;
        bitmap.Surface()->OnDrawn = [&](const QRect &) { ++operations; };
        channel->UpdateCanDraw(bitmap.Canvas());
        ASSERT_TRUE(channel->CanDraw());
        channel->Draw(bitmap.Canvas(), clBlack);
        bitmap.Surface()->OnDrawn = nullptr;
        EXPECT_EQ(operations, 0) << (digital ? "digital" : "straight");
    }
}

TEST_F(StripFixture, NullBreaksTheTraceAndEmptyIsBridged)
{
    channel->AddXY(10, 50);
    channel->AddXNull(20);
    channel->AddXY(30, 50);
    channel->AddXEmpty(40);
    channel->AddXY(50, 50);
    QImage image = Paint();
    EXPECT_FALSE(Lit(image, 15, 50));
    EXPECT_FALSE(Lit(image, 25, 50));
    EXPECT_TRUE(Lit(image, 40, 50));
    // Steps hold a value up to the null point, and start again after it.
    channel->SetInterpolationStyle(ipistDifferential);
    image = Paint();
    EXPECT_TRUE(Lit(image, 15, 50));
    EXPECT_FALSE(Lit(image, 25, 50));
    EXPECT_TRUE(Lit(image, 40, 50));
}

TEST_F(StripFixture, StepsHoldOrStopAtTheLastPoint)
{
    channel->AddXY(10, 20);
    channel->AddXY(30, 60);
    channel->SetInterpolationStyle(ipistDifferential);
    QImage image = Paint();
    Keep(image, "strip_steps");
    EXPECT_TRUE(Lit(image, 20, 20));
    EXPECT_TRUE(Lit(image, 30, 40));
    EXPECT_TRUE(Lit(image, 90, 60));
    channel->SetInterpolationStyle(ipistDifferentialTerminated);
    image = Paint();
    EXPECT_TRUE(Lit(image, 20, 20));
    EXPECT_FALSE(Lit(image, 90, 60));
}

TEST_F(StripFixture, FillReachesTheReferenceAndBreaksAtNull)
{
    channel->SetFillEnabled(true);
    channel->SetFillUseChannelColor(false);
    channel->SetFillColor(clBlue);
    channel->SetFillReference(10);
    for (double x : {10, 20, 30})
        channel->AddXY(x, 60);
    channel->AddXNull(40);
    channel->AddXY(50, 60);
    channel->AddXY(60, 60);
    const QImage image = Paint();
    Keep(image, "strip_fill");
    EXPECT_TRUE(Lit(image, 20, 30, clBlue));
    EXPECT_FALSE(Lit(image, 45, 30, clBlue));
    EXPECT_TRUE(Lit(image, 55, 30, clBlue));
}

TEST_F(StripFixture, DigitalRunsDrawOnTheTwoLevels)
{
    channel->SetDigitalEnabled(true);
    for (double x : {10, 20, 30})
        channel->AddXY(x, 0);
    for (double x : {40, 50})
        channel->AddXY(x, 1);
    QImage image = Paint();
    Keep(image, "strip_digital");
    EXPECT_TRUE(Lit(image, 20, 10));
    EXPECT_TRUE(Lit(image, 40, 50));
    EXPECT_TRUE(Lit(image, 45, 90));

    // A run of a single sample draws nothing.
    channel->Clear();
    channel->AddXY(10, 1);
    channel->AddXNull(15);
    channel->AddXY(20, 1);
    channel->AddXY(30, 1);
    image = Paint();
    EXPECT_FALSE(Lit(image, 12, 90));
    EXPECT_TRUE(Lit(image, 25, 90));
}

TEST_F(StripFixture, DigitalCursorReadsTheLevel)
{
    channel->SetDigitalEnabled(true);
    channel->AddXY(0, 1);
    channel->AddXY(40, 0);
    channel->AddXY(100, 0);
    Paint();
    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    ASSERT_NE(cursor->DataView(), nullptr);
    cursor->SetStyle(ipcsValueXY);
    struct Case {
        double pointer;
        const char *level;
    };
    for (const Case c : {Case{20, "High"}, Case{70, "Low"}}) {
        cursor->SetPointer1Position(c.pointer);
        channel->UpdateDataCursor(cursor);
        EXPECT_EQ(cursor->CursorDisplayText(), channel->DataCursorXText() + ", " + c.level) << c.pointer;
        EXPECT_TRUE(channel->DataCursorXText().size() > 0);
    }
}

TEST_F(StripFixture, CandleWithEqualOpenAndCloseKeepsABody)
{
    channel->SetDataStyle(ipdsFullFeature);
    channel->SetHighLowEnabled(true);
    channel->SetHighLowStyle(iphlsCandleStick);
    channel->SetHighLowBarWidth(4);
    channel->SetHighLowBullishColor(clLime);
    channel->SetHighLowBearishColor(clRed);
    channel->SetTraceVisible(false);
    channel->AddHighLow(30, 80, 20, 50, 50);
    channel->AddHighLow(60, 80, 20, 70, 40);
    QImage image = Paint();
    Keep(image, "strip_candles");
    int bullish = 0;
    for (int x = Px(25); x <= Px(35); ++x)
        for (int y = Py(52); y <= Py(48); ++y)
            bullish += At(image, x, y) == clLime;
    EXPECT_GT(bullish, 0);
    EXPECT_TRUE(Lit(image, 60, 55, clRed));
}

TEST_F(StripFixture, SplineCurveAndItsFailure)
{
    channel->SetInterpolationStyle(ipistCubicSpline);
    for (double x : {10, 30, 50, 70, 90})
        channel->AddXY(x, x == 50 ? 80 : 20);
    QImage image = Paint();
    Keep(image, "strip_spline");
    EXPECT_TRUE(Lit(image, 50, 80));
    // The data cursor reads the curve as drawn: below the chord between the points at 10 and 30.
    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    cursor->SetStyle(ipcsValueXY);
    cursor->SetPointer1Position(25);
    channel->UpdateDataCursor(cursor);
    EXPECT_EQ(cursor->Status(), ipdpsValid);
    EXPECT_LT(channel->DataCursorYValue(), 19.0);

    // Two equal X in a run: the channel stops drawing, the rest of the plot still paints.
    const auto whiteIn = [](const QImage &Image, int Rows) {
        int count = 0;
        for (int y = 0; y < Rows; ++y)
            for (int x = 0; x < Image.width(); ++x)
                count += At(Image, x, y) == clWhite;
        return count;
    };
    const int titlePixels = whiteIn(image, 30);
    channel->AddXY(90, 30);
    image = Paint();
    EXPECT_EQ(whiteIn(image, 30), titlePixels);
    EXPECT_GT(titlePixels, 20);
}

TEST_F(StripFixture, RightPressNearTheTraceHitsTheChannel)
{
    channel->AddXY(0, 20);
    channel->AddXY(100, 80);
    Paint();
    struct Case {
        const char *name;
        TMouseButton button;
        int dy;
        bool hit;
    };
    const Case cases[] = {
        {.name = "right on the trace", .button = mbRight, .dy = 0, .hit = true},
        {.name = "right 8 pixels off", .button = mbRight, .dy = 8, .hit = true},
        {.name = "right 30 pixels off", .button = mbRight, .dy = 30, .hit = false},
        {.name = "left on the trace", .button = mbLeft, .dy = 0, .hit = false},
    };
    for (const Case &c : cases) {
        TiPlotMouseData mouse;
        mouse.Button = c.button;
        mouse.X = mouse.XAxisPixels = Px(50);
        mouse.Y = mouse.YAxisPixels = Py(50) + c.dy;
        EXPECT_EQ(channel->iHitTest(mouse), c.hit) << c.name;
    }
}
