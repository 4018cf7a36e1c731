// Channels: adding and deleting points as the compressor page does, the running statistics, the
// data styles, the array adders; the drawing of traces and markers, checked on the pixels of a
// painted XY plot; the XY channel's null and empty points, zoom extents and data cursor texts.

#include "PlotTestHelpers.h"
#include "FakeOPCLibrary.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/objects/iPlotLegend.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iPlot.h"
#include "plotlib/plot/iPlotDataView.h"
#include "plotlib/plot/iXYPlot.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

std::vector<std::pair<double, double>> Points(const TiPlotChannelCustom *Channel)
{
    std::vector<std::pair<double, double>> out;
    for (int i = 0; i < Channel->Count(); ++i)
        out.emplace_back(Channel->GetX(i), Channel->GetY(i));
    return out;
}

// A plot of one XY channel on axes -100 ... 20 without tracking, toolbar or legend.
class ChannelFixture : public ::testing::Test {
protected:
    TiXYPlot plot{nullptr};
    TiXYPlotChannel *channel = plot.GetChannel(0);
    TiPlotAxis *xAxis = plot.GetXAxis(0);
    TiPlotAxis *yAxis = plot.GetYAxis(0);

    ChannelFixture()
    {
        plot.SetWidth(400);
        plot.SetHeight(300);
        plot.GetToolBar(0)->SetVisible(false);
        plot.GetLegend(0)->SetVisible(false);
        for (TiPlotAxis *axis : {xAxis, yAxis}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(-100, 120);
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

    static std::vector<QPoint> PixelsOf(const QImage &Image, TColor Color)
    {
        std::vector<QPoint> out;
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                if (At(Image, x, y) == Color)
                    out.emplace_back(x, y);
        return out;
    }
    static QRect Bounds(const std::vector<QPoint> &Pixels)
    {
        QRect r;
        for (const QPoint &p : Pixels)
            r |= QRect(p, QSize(1, 1));
        return r;
    }
};

}  // namespace

// ---- Points and statistics ------------------------------------------------------------------------

TEST_F(ChannelFixture, DeletingAndAddingAsTheCompressorPageDoes)
{
    for (double x : {1.0, 2.0, 3.0})
        channel->AddXY(x, 10 * x);
    channel->DeletePoints(3);
    channel->AddXY(20, -10);
    channel->AddXY(-20, -20);
    channel->AddXY(-100, -100);
    EXPECT_EQ(Points(channel), (std::vector<std::pair<double, double>>{{20, -10}, {-20, -20}, {-100, -100}}));

    channel->DeletePoints(2);
    channel->AddXY(5, 6);
    EXPECT_EQ(Points(channel), (std::vector<std::pair<double, double>>{{-100, -100}, {5, 6}}));

    EXPECT_EQ(MessageOf([&] { channel->DeletePoints(4); }), "Delete size out of Range");
    EXPECT_EQ(channel->Count(), 2);

    channel->DeletePoints(2);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->XFirst(), -1.0);
    EXPECT_EQ(channel->IndexLast(), -1);
    channel->DeletePoints(0);
    EXPECT_EQ(channel->DrawStartIndex(), -1);
    EXPECT_EQ(channel->RunningXMax(), -1e300);
}

TEST_F(ChannelFixture, RunningStatisticsAndScans)
{
    channel->AddXY(100, 100);
    channel->Clear();
    channel->AddXY(1, 10);
    channel->AddXY(3, 20);
    EXPECT_EQ(channel->RunningXMean(), 2);
    EXPECT_EQ(channel->RunningYMean(), 15);

    // Deleting keeps the running values; a scan stores what it finds.
    channel->DeletePoints(1);
    EXPECT_EQ(channel->RunningXMin(), 1);
    EXPECT_EQ(channel->GetXMin(), 3);
    EXPECT_EQ(channel->RunningXMin(), 3);

    // A mean scan rebuilds the count and both totals: later adds go on from them.
    EXPECT_EQ(channel->GetXMean(), 3);
    channel->AddXY(5, 40);
    EXPECT_EQ(channel->RunningXMean(), 4);
    EXPECT_EQ(channel->RunningYMean(), 30);

    TiXYPlotChannel *other = plot.GetChannel(plot.AddChannel());
    other->AddNull();
    EXPECT_EQ(other->GetXMean(), 0);
    EXPECT_EQ(other->RunningXMin(), 1e300) << "a null point leaves the statistics alone";
}

TEST_F(ChannelFixture, ChangingTheDataStyleKeepsTheSettingsButNotThePoints)
{
    channel->SetMarkersVisible(true);
    channel->SetMarkersStyle(ipmsDiamond);
    channel->SetMarkersSize(7);
    channel->SetRingBufferSize(50);
    channel->AddXY(1, 2);
    channel->SetDataStyle(ipdsCompact);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->DataPointSize(), 8);
    EXPECT_EQ(channel->Color(), clYellow);
    EXPECT_TRUE(channel->MarkersVisible());
    EXPECT_EQ(channel->MarkersStyle(), ipmsDiamond);
    EXPECT_EQ(channel->MarkersSize(), 7);
    EXPECT_EQ(channel->RingBufferSize(), 50);

    for (double x : {1.0, 2.0, 3.0, 4.0, 5.0})
        channel->AddXY(x, x);
    channel->SetCount(2);
    EXPECT_EQ(Points(channel), (std::vector<std::pair<double, double>>{{1, 1}, {2, 2}}));
}

TEST_F(ChannelFixture, ArrayAdders)
{
    TiVariantArray data{{{0, 1}, {0, 2}}, {0, 5, 1, 6, 2, 7}};
    channel->AddXYArray(data);
    EXPECT_EQ(Points(channel), (std::vector<std::pair<double, double>>{{0, 5}, {1, 6}, {2, 7}}));

    struct Case {
        const char *name;
        TiVariantArray x, y;
        const char *message;
    };
    const Case cases[] = {
        {"two dimensions", {{{0, 1}, {0, 0}}, {1, 2}}, {{{0, 1}}, {1, 2}}, "X-Data array must be 1 dimensional"},
        {"low bounds", {{{0, 1}}, {1, 2}}, {{{1, 2}}, {1, 2}}, "X-Data and Y-Data low bound dimension must match"},
        {"high bounds", {{{0, 1}}, {1, 2}}, {{{0, 2}}, {1, 2, 3}}, "X-Data and Y-Data hogh bound dimension must match"},
        {"not a number", {{{0, 0}}, {QStringLiteral("x")}}, {{{0, 0}}, {1}}, ""},
    };
    for (const Case &c : cases) {
        const int before = channel->Count();
        const QString message = MessageOf([&] { channel->AddXYArrays(c.x, c.y); });
        if (*c.message) {
            EXPECT_EQ(message, c.message) << c.name;
        } else {
            EXPECT_TRUE(message.startsWith("Could not convert variant")) << c.name;
        }
        EXPECT_EQ(channel->Count(), before) << c.name;
    }
    EXPECT_EQ(MessageOf([&] {
                  channel->AddXYArray({{{0, 2}, {0, 0}}, {1, 2, 3}});
              }),
              "Array First Dimension Must Be 2 Elements");
}

// ---- Drawing --------------------------------------------------------------------------------------

TEST_F(ChannelFixture, NullPointsBreakTheTraceAndEmptyOnesDoNot)
{
    for (bool null : {true, false}) {
        channel->Clear();
        channel->AddXY(-80, -80);
        null ? channel->AddNull() : channel->AddEmpty();
        channel->AddXY(0, 0);
        const QImage image = Paint();
        EXPECT_EQ(At(image, Px(-40), Py(-40)) == clYellow, !null) << (null ? "null" : "empty");
    }
}

TEST_F(ChannelFixture, SegmentsAreClippedToTheAxes)
{
    channel->AddXY(-200, 0);
    channel->AddXY(50, 0);
    QRect drawn = Bounds(PixelsOf(Paint(), clYellow));
    EXPECT_EQ(drawn.left(), Px(-100));
    EXPECT_NEAR(drawn.right(), Px(20), 1);
    EXPECT_EQ(drawn.height(), 1);

    channel->Clear();
    channel->SetClipToAxes(true);
    channel->AddXY(0, -500);
    channel->AddXY(10, 500);
    drawn = Bounds(PixelsOf(Paint(), clYellow));
    EXPECT_NEAR(drawn.top(), Py(20), 1);
    EXPECT_NEAR(drawn.bottom(), Py(-100), 1);
    EXPECT_NEAR(drawn.left(), Px(4), 1);
}

TEST_F(ChannelFixture, MarkersOfDenseRangesAreTurnedOff)
{
    channel->SetTraceVisible(false);
    channel->SetMarkersVisible(true);
    channel->SetMarkersTurnOffLimit(10);
    for (int n : {11, 12}) {
        channel->Clear();
        for (int i = 0; i < n; ++i)
            channel->AddXY(-90 + 5 * i, -50);
        EXPECT_EQ(PixelsOf(Paint(), clYellow).empty(), n == 12) << n << " points";
    }
}

TEST_F(ChannelFixture, OnePointDrawsItsMarkerAndNoTrace)
{
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(3);
    channel->AddXY(-50, -50);
    const QRect drawn = Bounds(PixelsOf(Paint(), clYellow));
    EXPECT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(QRect(Px(-50) - 3, Py(-50) - 3, 7, 7).contains(drawn));
}

TEST_F(ChannelFixture, MarkerShapesAndTheLegendSample)
{
    channel->SetMarkersVisible(true);
    channel->SetMarkersStyle(ipmsTriangleUp);
    channel->SetMarkersSize(5);
    TBitmap bitmap(200, 100);
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(TRect(0, 0, 200, 100));
    channel->AddXY(0, 0);
    channel->DrawMarker(bitmap.Canvas(), 0, clBlack, TPoint(100, 50));
    QImage image = bitmap.Image();
    EXPECT_EQ(At(image, 100, 50), clYellow) << "the apex on the point";
    EXPECT_NE(At(image, 100, 49), clYellow);
    const QRect triangle = Bounds(PixelsOf(image, clYellow));
    EXPECT_EQ(triangle.left(), 95);
    EXPECT_EQ(triangle.top(), 50);
    EXPECT_NEAR(triangle.right(), 105, 1);
    EXPECT_NEAR(triangle.bottom(), 55, 1);

    channel->SetMarkersStyle(ipmsSquare);
    channel->SetMarkersSize(9);
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(TRect(0, 0, 200, 100));
    channel->DrawMarker(bitmap.Canvas(), -1, clBlack, TPoint(100, 50));
    EXPECT_EQ(Bounds(PixelsOf(bitmap.Image(), clYellow)), QRect(94, 44, 12, 12)) << "the sample is size 6 at most";
}

TEST_F(ChannelFixture, ZoomExtentsLeaveRoomForMarkers)
{
    yAxis->SetMinSpan(0, 30);
    channel->AddXY(1, 1);
    channel->AddXY(2, 3);
    Paint();
    // Y axis of 30 units over its pixels: the value width of the marker's pixels.
    const double perPixel = 30.0 / (yAxis->MinPixels() - yAxis->MaxPixels());
    EXPECT_EQ(channel->GetZoomYMax(), 3);
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(5);
    EXPECT_NEAR(channel->GetZoomYMax(), 3 + 5 * perPixel, 1e-9);
    channel->SetVisible(false);
    EXPECT_EQ(channel->GetZoomYMax(), -1e300);
    EXPECT_EQ(channel->GetZoomXMin(), 1e300);
}

TEST_F(ChannelFixture, DataCursorTexts)
{
    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    Paint();
    cursor->SetStyle(ipcsInverseDeltaX);
    cursor->SetPointer1Position(50);
    cursor->SetPointer2Position(50);
    channel->UpdateDataCursor(cursor);
    EXPECT_EQ(cursor->CursorDisplayText(), "Infinite");

    cursor->SetStyle(ipcsValueXY);
    channel->SetYAxisName(QStringLiteral("none"));
    channel->UpdateDataCursor(cursor);
    // Without both axes the values are 0.
    EXPECT_EQ(cursor->CursorDisplayText(), channel->GetXValueText(0) + ", No Y-Axis");
    EXPECT_EQ(channel->GetYValueText(1), "No Y-Axis");
}

// ---- The compressor plot --------------------------------------------------------------------------

namespace {

// The compressor page's plot as its form defines it: two channels on axes -100 ... 20 without
// tracking, the transfer curve a trace of width 2, the threshold a dotted trace with markers of
// size 5; toolbar and legend hidden.
const QString CompressorForm = QStringLiteral(R"(object Plot: TiXYPlot
  Width = 260
  Height = 260
  XAxisManager = <
    item
      Name = 'X-Axis 1'
      Min = -100.0
      Span = 120.0
      TrackingEnabled = False
    end>
  YAxisManager = <
    item
      Name = 'Y-Axis 1'
      Min = -100.0
      Span = 120.0
      TrackingEnabled = False
    end>
  ToolBarManager = <
    item
      Name = 'Toolbar 1'
      Visible = False
    end>
  LegendManager = <
    item
      Name = 'Legend 1'
      Visible = False
    end>
  ChannelManager = <
    item
      Name = 'Channel 1'
      Color = clAqua
      TraceLineWidth = 2
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
    end
    item
      Name = 'Channel 2'
      Color = clYellow
      TraceLineStyle = iplsDot
      MarkersVisible = True
      MarkersSize = 5
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
    end>
end
)");

bool ColourNear(const QImage &Image, QPoint Centre, TColor Color)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (At(Image, Centre.x() + dx, Centre.y() + dy) == Color)
                return true;
    return false;
}

}  // namespace

TEST(CompressorPlot, ARedrawShowsTheTransferCurveAndTheThresholdInsideTheDataView)
{
    std::unique_ptr<TiXYPlot> plot(
        dynamic_cast<TiXYPlot *>(CreateComponentFromText(CompressorForm, QStringLiteral("plot.dfm"), nullptr)));
    ASSERT_TRUE(plot);
    ASSERT_EQ(plot->ChannelCount(), 2);
    // The points the window puts at creation, then one redraw for threshold -20 and ratio 4.
    TiXYPlotChannel *curve = plot->GetChannel(0);
    TiXYPlotChannel *marker = plot->GetChannel(1);
    for (auto [x, y] : {std::pair{20.0, 20.0}, {-100.0, -100.0}, {-100.0, -100.0}})
        curve->AddXY(x, y);
    marker->AddXY(0, 0);
    curve->DeletePoints(curve->Count());
    curve->AddXY(20, -10);
    curve->AddXY(-20, -20);
    curve->AddXY(-100, -100);
    marker->DeletePoints(marker->Count());
    marker->AddXY(-19.8, -20.4);

    TBitmap bitmap(plot->Width(), plot->Height());
    plot->DrawToCanvas(bitmap.Canvas());
    const QImage image = bitmap.Image();
    Keep(image, "compressor-plot");
    TiPlotAxis *x = plot->GetXAxis(0);
    TiPlotAxis *y = plot->GetYAxis(0);
    auto pixel = [&](double X, double Y) { return QPoint(x->PositionToPixels(X), y->PositionToPixels(Y)); };
    EXPECT_TRUE(ColourNear(image, pixel(-60, -60), clAqua));
    EXPECT_TRUE(ColourNear(image, pixel(0, -15), clAqua));
    EXPECT_TRUE(ColourNear(image, pixel(-19.8, -20.4), clYellow));

    const TRect view = plot->GetDataView(0)->DrawRect();
    // The data view's right and bottom edges belong to it.
    const QRect inside(view.Left, view.Top, view.Right - view.Left + 1, view.Bottom - view.Top + 1);
    for (TColor color : {clAqua, clYellow})
        for (int py = 0; py < image.height(); ++py)
            for (int px = 0; px < image.width(); ++px)
                if (At(image, px, py) == color) {
                    ASSERT_TRUE(inside.contains(px, py)) << px << "," << py;
                }
}

// ---- OPC feed -------------------------------------------------------------------------------------

TEST(XYChannelOPC, AGroupUpdateAddsThePairOfItemValuesAsOnePoint)
{
    FakeOPCLibrary library;
    TiXYPlot plot(nullptr);
    TiXYPlotChannel *channel = plot.GetChannel(0);
    EXPECT_EQ(channel->OPCComputerName(), "Local");
    EXPECT_EQ(channel->OPCUpdateRate(), 500);
    channel->SetOPCAutoConnect(false);
    channel->SetOPCServerName(QStringLiteral("Server"));
    channel->SetOPCItemName(QStringLiteral("x"));
    channel->SetOPCItem2Name(QStringLiteral("y"));
    channel->SetOPCScalar2(10);
    channel->OPCActivate();
    ASSERT_EQ(library.subscriptions.size(), 2u);
    ASSERT_EQ(library.groups.size(), 1u);
    const FakeOPCLibrary::Group &group = library.groups.begin()->second;
    for (const auto &[handle, subscription] : library.subscriptions)
        EXPECT_EQ(subscription.Group, group.Name);
    EXPECT_TRUE(channel->OPCActive());

    int xHandle = 0, yHandle = 0;
    for (const auto &[handle, subscription] : library.subscriptions)
        (subscription.Item == "x" ? xHandle : yHandle) = handle;
    library.Deliver(xHandle, 2.5);
    library.Deliver(yHandle, 3.0);
    group.Callback->AfterGroupUpdate(library.groups.begin()->first);
    ASSERT_EQ(channel->Count(), 1);
    EXPECT_EQ(channel->GetX(0), 2.5);
    EXPECT_EQ(channel->GetY(0), 30) << "item 1's scalar";

    channel->OPCDeactivate();
    EXPECT_FALSE(channel->OPCActive());
}

namespace {

// The plot's channel 0 on items "x" and "y" of "Server", not yet connected.
TiPlotChannel *StripOPCChannel(TiPlot &Plot, TiOPCXValueSourceStyle Source)
{
    TiPlotChannel *channel = Plot.GetChannel(0);
    channel->SetOPCAutoConnect(false);
    channel->SetOPCServerName(QStringLiteral("Server"));
    channel->SetOPCItemName(QStringLiteral("x"));
    channel->SetOPCItem2Name(QStringLiteral("y"));
    channel->SetOPCXValueSource(Source);
    return channel;
}

}  // namespace

TEST(StripChannelOPC, EachXSourceGivesTheXOfTheNewPoint)
{
    struct Case {
        const char *name;
        TiOPCXValueSourceStyle source;
        double x;  // -1: now
    };
    const Case cases[] = {
        {.name = "server time stamp", .source = iopcxvsOPCServerTimeStamp, .x = 45000.5},
        {.name = "system time", .source = iopcxvsSystemTimeStamp, .x = -1},
        {.name = "elapsed days", .source = iopcxvsElapsedTime, .x = 1.0 / 24},
        {.name = "elapsed seconds", .source = iopcxvsElapsedSeconds, .x = 3600},
    };
    for (const Case &c : cases) {
        TManualClockScope clock;
        FakeOPCLibrary library;
        TiPlot plot(nullptr);
        TiPlotChannel *channel = StripOPCChannel(plot, c.source);
        channel->SetElapsedStartTime(Now() - 1.0 / 24);
        // Out of order for the X-order rule, which these values are not held to.
        channel->SetAllowOutOfOrderXValues(false);
        channel->AddXY(1e9, 0);
        channel->AddXY(2e9, 0);
        channel->OPCActivate();
        // Only the first item connects, in no group of the channel's own.
        ASSERT_EQ(library.subscriptions.size(), 1u) << c.name;
        EXPECT_TRUE(library.groups.empty()) << c.name;
        library.Deliver(library.Last(), 7.0);
        ASSERT_EQ(channel->Count(), 3) << c.name;
        EXPECT_NEAR(channel->GetX(2), c.x < 0 ? Now() : c.x, 1e-6) << c.name;
        EXPECT_EQ(channel->GetY(2), 7.0) << c.name;
    }
}

TEST(StripChannelOPC, ThePairSourceAddsOnePointPerGroupUpdateUnderTheXOrderRule)
{
    FakeOPCLibrary library;
    TiPlot plot(nullptr);
    TiPlotChannel *channel = StripOPCChannel(plot, iopcxvsOPCItem);
    channel->OPCActivate();
    ASSERT_EQ(library.groups.size(), 1u);
    ASSERT_EQ(library.subscriptions.size(), 2u);
    const FakeOPCLibrary::Group &group = library.groups.begin()->second;
    EXPECT_EQ(channel->OPCGroupName(), group.Name);
    int xHandle = 0, yHandle = 0;
    for (const auto &[handle, subscription] : library.subscriptions) {
        EXPECT_EQ(subscription.Group, group.Name);
        (subscription.Item == "x" ? xHandle : yHandle) = handle;
    }
    const auto update = [&](double x, double y) {
        library.Deliver(xHandle, x);
        library.Deliver(yHandle, y);
        group.Callback->AfterGroupUpdate(library.groups.begin()->first);
    };
    update(1, 10);
    update(2, 20);
    ASSERT_EQ(channel->Count(), 2) << "an item's own data adds nothing";
    EXPECT_EQ(channel->GetX(1), 2.0);
    EXPECT_EQ(channel->GetY(1), 20.0);
    channel->SetAllowOutOfOrderXValues(false);
    EXPECT_EQ(MessageOf([&] { update(1.5, 0); }), QStringLiteral("New Data-Point X-Value is out of order"));
    EXPECT_EQ(channel->Count(), 2);

    // The group and the X source are stored with the channel.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("strip.cfg"));
    channel->SavePropertiesToFile(path);
    TiPlot other(nullptr);
    other.GetChannel(0)->LoadPropertiesFromFile(path);
    EXPECT_EQ(other.GetChannel(0)->OPCXValueSource(), iopcxvsOPCItem);
    EXPECT_EQ(other.GetChannel(0)->OPCGroupName(), group.Name);
    EXPECT_EQ(other.GetChannel(0)->OPCItem2Name(), QStringLiteral("y"));

    channel->OPCDeactivate();
    EXPECT_FALSE(channel->OPCActive());
}
