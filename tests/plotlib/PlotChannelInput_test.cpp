// The mouse on a channel of a strip chart: which presses hit a point or the legend entry, dragging
// a point along the axes its move style allows, the data-point events, the point's hint and the
// cursor. Presses and drags go through the framework's input router and the plot's dispatch.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/TimerService.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/plot/iPlot.h"
#include "plotlib/plot/iPlotDataView.h"

#include <gtest/gtest.h>

namespace {

// A strip chart on a form, axes fixed at 0 ... 100, three points with markers, select mode on.
struct ChannelInput : ::testing::Test {
    TManualClockScope clock;
    TForm *form = new TForm(nullptr);
    TiPlot *plot = new TiPlot(form);
    TiPlotChannel *channel = plot->GetChannel(0);
    TiPlotAxis *xAxis = plot->GetXAxis(0);
    TiPlotAxis *yAxis = plot->GetYAxis(0);
    QStringList events;

    ChannelInput()
    {
        form->SetBounds(0, 0, 600, 400);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 500, 300);
        form->Show();
        for (TiPlotAxis *axis : {xAxis, yAxis}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
        channel->SetMarkersVisible(true);
        for (double v : {20.0, 50.0, 80.0})
            channel->AddXY(v, v);
        plot->SetToolBarSelectActive(true);
        Paint();
        plot->OnMouseDownDataPoint = [this](int Channel, int Index, TMouseButton, TShiftState, int, int) {
            events << QStringLiteral("down %1 %2").arg(Channel).arg(Index);
        };
        plot->OnClickDataPoint = [this](int Channel, int Index) {
            events << QStringLiteral("click %1 %2").arg(Channel).arg(Index);
        };
        plot->OnDataPointMoved = [this](int Channel, int Index, double OldX, double OldY, double, double) {
            events << QStringLiteral("moved %1 %2 from %3,%4").arg(Channel).arg(Index).arg(OldX).arg(OldY);
        };
        plot->OnClickChannel = [this](int Index) { events << QStringLiteral("channel click %1").arg(Index); };
    }
    ~ChannelInput() override
    {
        TInputRouter::MouseLeft();
        delete form;
    }
    void Paint()
    {
        TBitmap bitmap(plot->Width(), plot->Height());
        plot->DrawToCanvas(bitmap.Canvas());
    }
    TPoint At(double X, double Y) const { return TPoint(xAxis->PositionToPixels(X), yAxis->PositionToPixels(Y)); }
    TiPlotMouseData Mouse(TPoint Point, TMouseButton Button = mbLeft) const
    {
        TiPlotMouseData data;
        data.X = data.XAxisPixels = Point.X;
        data.Y = data.YAxisPixels = Point.Y;
        data.Button = Button;
        return data;
    }
    // Press at From, move to To, release there.
    void Drag(TPoint From, TPoint To)
    {
        TInputRouter::MouseDown(form, mbLeft, {}, From);
        TInputRouter::MouseMove(form, {ssLeft}, To);
        TInputRouter::MouseUp(form, mbLeft, {}, To);
    }
};

TEST_F(ChannelInput, PointsAreHitOnTheirMarkersOrBarsOnlyInSelectMode)
{
    struct Case {
        const char *name;
        bool select;
        bool markers;
        bool bars;
        TPoint offset;  // from the middle point's pixel
        int index;      // the point found, -1 none
    };
    const int s = channel->MarkersSize();
    const Case cases[] = {
        {.name = "on the marker", .select = true, .markers = true, .bars = false, .offset = {0, 0}, .index = 1},
        {.name = "marker's top left", .select = true, .markers = true, .bars = false, .offset = {-s, -s}, .index = 1},
        {.name = "beside the marker", .select = true, .markers = true, .bars = false, .offset = {s, 0}, .index = -1},
        {.name = "select mode off", .select = false, .markers = true, .bars = false, .offset = {0, 0}, .index = -1},
        {.name = "no markers, no bars", .select = true, .markers = false, .bars = false, .offset = {0, 0}, .index = -1},
        {.name = "inside a bar", .select = true, .markers = false, .bars = true, .offset = {0, 40}, .index = 1},
    };
    for (const Case &c : cases) {
        plot->SetToolBarSelectActive(c.select);
        channel->SetMarkersVisible(c.markers);
        channel->SetBarEnabled(c.bars);
        Paint();
        EXPECT_EQ(channel->iHitTest(Mouse(At(50, 50) + c.offset)), c.index != -1) << c.name;
        EXPECT_EQ(channel->SelectDataIndex(), c.index) << c.name;
    }
    // The legend entry hits in any mode.
    const TRect entry = channel->LegendRect();
    ASSERT_FALSE(entry.IsEmpty());
    EXPECT_TRUE(channel->iHitTest(Mouse(entry.TopLeft())));
    channel->SetVisibleInLegend(false);
    EXPECT_FALSE(channel->iHitTest(Mouse(entry.TopLeft())));
}

TEST_F(ChannelInput, DraggingMovesThePointAlongTheAxesItsStyleAllows)
{
    struct Case {
        const char *name;
        TiPlotChannelDataPointMoveStyle style;
        bool movesX;
        bool movesY;
    };
    const Case cases[] = {
        {.name = "X and Y", .style = ipcdpmsXandY, .movesX = true, .movesY = true},
        {.name = "X only", .style = ipcdpmsXOnly, .movesX = true, .movesY = false},
        {.name = "Y only", .style = ipcdpmsYOnly, .movesX = false, .movesY = true},
    };
    for (const Case &c : cases) {
        channel->SetX(1, 50);
        channel->SetY(1, 50);
        Paint();
        events.clear();
        channel->SetUserCanMoveDataPoints(true);
        channel->SetUserCanMoveDataPointsStyle(c.style);
        const TPoint to = At(60, 30);
        Drag(At(50, 50), to);
        EXPECT_NEAR(channel->GetX(1), c.movesX ? xAxis->PixelsToPosition(to.X) : 50.0, 0.5) << c.name;
        EXPECT_NEAR(channel->GetY(1), c.movesY ? yAxis->PixelsToPosition(to.Y) : 50.0, 0.5) << c.name;
        // Released away from the point: moved, but no click.
        EXPECT_EQ(events, QStringList({"down 0 1", "moved 0 1 from 50,50"})) << c.name;
    }
}

TEST_F(ChannelInput, APressReleasedOnThePointClicksIt)
{
    channel->SetUserCanMoveDataPoints(true);
    TInputRouter::Click(form, At(80, 80));
    EXPECT_EQ(events, QStringList({"down 0 2", "click 0 2"}));
    // Without the right to move, a drag moves nothing.
    channel->SetUserCanMoveDataPoints(false);
    events.clear();
    Drag(At(20, 20), At(40, 40));
    EXPECT_EQ(channel->GetX(0), 20.0);
    EXPECT_EQ(events, QStringList({"down 0 0"}));
}

TEST_F(ChannelInput, ADragWhosePointWentAwayEndsQuietly)
{
    channel->SetUserCanMoveDataPoints(true);
    ASSERT_TRUE(channel->iHitTest(Mouse(At(80, 80))));
    channel->DoMouseLeft(Mouse(At(80, 80)));
    channel->DeletePoints(2);
    ASSERT_EQ(channel->Count(), 1);
    EXPECT_NO_THROW(channel->DoMouseMove(Mouse(At(60, 60))));
    EXPECT_NO_THROW(channel->DoMouseUp(Mouse(At(60, 60))));
    EXPECT_EQ(channel->GetX(0), 80.0);
    EXPECT_EQ(events, QStringList({"down 0 2"}));
}

TEST_F(ChannelInput, AClickOnTheLegendEntryClicksTheChannel)
{
    const TRect entry = channel->LegendRect();
    TInputRouter::Click(form, TPoint(entry.Left + 1, (entry.Top + entry.Bottom) / 2));
    EXPECT_TRUE(events.contains(QStringLiteral("channel click 0"))) << events.join(u'|').toStdString();
}

TEST_F(ChannelInput, TheHintShowsThePointsValuesBesideIt)
{
    channel->SetShowDataPointHints(true);
    struct Case {
        const char *name;
        double x;
        double y;
        bool below;
        bool right;
    };
    const Case cases[] = {
        {.name = "in the middle: above, centred", .x = 50, .y = 50, .below = false, .right = false},
        {.name = "at the top: below", .x = 50, .y = 99, .below = true, .right = false},
        {.name = "at the left: to the right", .x = 1, .y = 50, .below = false, .right = true},
    };
    for (const Case &c : cases) {
        channel->SetX(1, c.x);
        channel->SetY(1, c.y);
        Paint();
        const TPoint p = At(c.x, c.y);
        TiHintData hint;
        ASSERT_TRUE(channel->iHitTest(Mouse(p))) << c.name;
        channel->DoMouseHint(Mouse(p), hint);
        EXPECT_EQ(hint.Text, xAxis->GetLabelText(c.x) + ", " + yAxis->GetLabelText(c.y)) << c.name;
        EXPECT_GT(hint.Width, 4) << c.name;
        EXPECT_EQ(hint.Top > p.Y, c.below) << c.name;
        EXPECT_EQ(hint.Left > p.X, c.right) << c.name;
        const TRect view = plot->GetDataView(0)->DrawRect();
        EXPECT_GE(hint.Top, view.Top) << c.name;
        EXPECT_LT(hint.Top + hint.Height, view.Bottom) << c.name;
    }

    // The plot's event may rewrite the text; without select mode there is no hint.
    plot->OnDataPointCustomizeHint = [](int, int Index, QString &Text) {
        Text = QStringLiteral("point %1").arg(Index);
    };
    TiHintData hint;
    channel->iHitTest(Mouse(At(20, 20)));
    channel->DoMouseHint(Mouse(At(20, 20)), hint);
    EXPECT_EQ(hint.Text, QStringLiteral("point 0"));
    plot->SetToolBarSelectActive(false);
    hint = TiHintData();
    channel->iHitTest(Mouse(At(20, 20)));
    channel->DoMouseHint(Mouse(At(20, 20)), hint);
    EXPECT_TRUE(hint.Text.isEmpty());
}

TEST_F(ChannelInput, TheHintOfAPointShowsAfterThePause)
{
    channel->SetShowDataPointHints(true);
    TInputRouter::MouseMove(form, {}, At(50, 50));
    TInputRouter::MouseMove(form, {}, At(50, 50) + TPoint(1, 0));
    TManualClock::Advance(plot->HintsPause());
    ASSERT_TRUE(plot->HintData().Visible);
    EXPECT_EQ(plot->HintData().Text, xAxis->GetLabelText(50) + ", " + yAxis->GetLabelText(50));
    TBitmap bitmap(plot->Width(), plot->Height());
    plot->DrawToCanvas(bitmap.Canvas());
    Keep(bitmap.Image(), "strip_point_hint");
}

TEST_F(ChannelInput, TheCursorIsTheHandUnlessThePlotsEventChangesIt)
{
    EXPECT_EQ(channel->GetMouseCursor(At(50, 50)), crHandPoint);
    plot->OnGetMouseCursorChannel = [](int, TCursor &Cursor) { Cursor = crCross; };
    EXPECT_EQ(channel->GetMouseCursor(At(50, 50)), crCross);
}

}  // namespace
