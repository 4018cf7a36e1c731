// Limits: when they draw, where they can be grabbed and what the mouse cursor says, dragging a
// band's edge through the plot's input, the poly band's pairs, and the band elements' check.

#include "PlotOnFormFixture.h"
#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "plotlib/objects/iPlotLimit.h"

#include <gtest/gtest.h>

namespace {

struct LimitFixture : PlotOnFormFixture {
    TiPlotLimit *limit = plot->GetLimit(plot->AddLimit());

    LimitFixture() { Paint(); }
};

TEST_F(LimitFixture, ANewLimitIsARedLineAtFiftyOnceBothAxesAreNamed)
{
    EXPECT_EQ(limit->Style(), iplsLineY);
    EXPECT_EQ(limit->Color(), 255);
    EXPECT_EQ(limit->Line1Position(), 50.0);
    // Either name, changed, repaints.
    int changes = 0;
    const TNotifyEvent change = limit->OnChange;
    limit->OnChange = [&](TObject *Sender) {
        ++changes;
        change(Sender);
    };
    limit->SetXAxisName(QString());
    limit->SetYAxisName(QString());
    limit->SetYAxisName(QString());
    EXPECT_EQ(changes, 2);
    EXPECT_NE(At(Paint(), X(50), Y(50)), 255);
    EXPECT_FALSE(limit->Line1Show());

    limit->SetYAxisName(plot->GetYAxis(0)->Name().toUpper());
    EXPECT_NE(At(Paint(), X(50), Y(50)), 255) << "no X axis yet";
    limit->SetXAxisName(plot->GetXAxis(0)->Name().toLower());
    EXPECT_EQ(At(Paint(), X(50), Y(50)), 255);
    EXPECT_EQ(At(Paint(), X(10), Y(50)), 255);
    EXPECT_TRUE(limit->Line1Show());

    // The axis goes: nothing to draw against, until an axis of that name comes back.
    plot->DeleteXAxis(0);
    Paint();
    EXPECT_FALSE(limit->Line1Show());
    plot->AddXAxis();
    Paint();
    EXPECT_TRUE(limit->Line1Show());
}

TEST_F(LimitFixture, LinesCanBeGrabbedWhereTheyWereDrawn)
{
    struct Case {
        const char *name;
        TiPlotLimitStyle style;
        double line1 = 50;
        double line2 = 50;
        bool userCanMove = true;
        bool selectMode = true;
        int offset = 0;  // of the probe from line 1, across it
        bool reversed = false;
        bool hit;
        TCursor cursor = crDefault;
        bool grabbed = false;  // by a press straight on the limit
    };
    const Case cases[] = {
        {.name = "a line of X in range", .style = iplsLineX, .hit = true, .cursor = crHandPoint, .grabbed = true},
        {.name = "4 pixels beside it",
         .style = iplsLineX,
         .offset = -4,
         .hit = true,
         .cursor = crHandPoint,
         .grabbed = true},
        {.name = "6 pixels beside it", .style = iplsLineX, .offset = 6, .hit = false},
        {.name = "a line of X beyond the axis", .style = iplsLineX, .line1 = 150, .hit = false},
        {.name = "band edges beyond the axis",
         .style = iplsBandX,
         .line1 = 110,
         .line2 = 120,
         .hit = true,
         .cursor = crSizeWE,
         .grabbed = true},
        {.name = "a band of Y",
         .style = iplsBandY,
         .line1 = 30,
         .line2 = 70,
         .hit = true,
         .cursor = crSizeNS,
         .grabbed = true},
        {.name = "a band of X on reversed axes",
         .style = iplsBandX,
         .line1 = 30,
         .line2 = 70,
         .reversed = true,
         .hit = true,
         .cursor = crSizeNS,
         .grabbed = true},
        {.name = "a poly band has no grab areas", .style = iplsPolyBandX, .hit = false},
        {.name = "not movable", .style = iplsLineY, .userCanMove = false, .hit = true, .cursor = crDefault},
        // The plot hands no press to a limit its hit test refuses.
        {.name = "outside select mode", .style = iplsLineY, .selectMode = false, .hit = false, .grabbed = true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        plot->SetXYAxesReverse(c.reversed);
        plot->SetToolBarSelectActive(c.selectMode);
        limit->SetStyle(c.style);
        limit->SetLine1Position(c.line1);
        limit->SetLine2Position(c.line2);
        limit->SetUserCanMove(c.userCanMove);
        limit->AddBandElement(10, 60, 40);
        limit->AddBandElement(20, 60, 40);
        Paint();
        const bool x = c.style == iplsLineX || c.style == iplsBandX || c.style == iplsPolyBandX;
        // Along the limit's axis (screen X for an X style unless reversed), across the other.
        const int along = x ? X(c.line1) : Y(c.line1);
        const int across = x ? Y(50) : X(50);
        const bool screenX = x != c.reversed;
        const TPoint probe = screenX ? TPoint(along + c.offset, across) : TPoint(across, along + c.offset);

        EXPECT_EQ(limit->HitTest(probe.X, probe.Y), c.hit);
        limit->iMouseDown(mbLeft, {}, probe.X, probe.Y, probe.X, probe.Y, nullptr);
        EXPECT_EQ(limit->Line1Grabbed(), c.grabbed);
        limit->iMouseUp(mbLeft, {}, probe.X, probe.Y, probe.X, probe.Y, false, nullptr);
        EXPECT_FALSE(limit->Line1Grabbed());
        if (c.hit) {
            EXPECT_EQ(limit->GetMouseCursor(probe), c.cursor);
        }
        limit->ClearAllElements();
    }
}

TEST_F(LimitFixture, DraggingLine2OfABandPastLine1MovesItThere)
{
    limit->SetStyle(iplsBandY);
    limit->SetLine1Position(40);
    limit->SetLine2Position(60);
    limit->SetUserCanMove(true);
    plot->SetToolBarSelectActive(true);
    QStringList events;
    plot->OnLimitLine2PositionChange = [&](int Index, double Old, double New) {
        events << QStringLiteral("%1: %2 -> %3").arg(Index).arg(Old).arg(std::round(New));
    };
    Paint();
    TInputRouter::MouseDown(form, mbLeft, {}, TPoint(X(27), Y(60)));
    EXPECT_TRUE(limit->Line2Grabbed());
    TInputRouter::MouseMove(form, {ssLeft}, TPoint(X(27), Y(20)));
    TInputRouter::MouseUp(form, mbLeft, {}, TPoint(X(27), Y(20)));
    EXPECT_FALSE(limit->Line2Grabbed());
    EXPECT_EQ(limit->Line1Position(), 40.0);
    EXPECT_NEAR(limit->Line2Position(), 20.0, 1.0);
    EXPECT_EQ(events, QStringList{QStringLiteral("0: 60 -> 20")});
    // The band now lies between 20 and 40, filled in the limit's colour.
    const QImage &image = Paint();
    EXPECT_EQ(At(image, X(27), Y(33)), 255);
    EXPECT_NE(At(image, X(27), Y(47)), 255);
}

TEST_F(LimitFixture, APolyBandDrawsOnlyThePairsOnItsPositionAxis)
{
    // Positions on the X axis (12 to 30), boundaries 40 and 60 on the Y axis.
    plot->GetXAxis(0)->SetMinSpan(12, 18);
    limit->SetStyle(iplsPolyBandY);
    for (double position : {0.0, 10.0, 20.0, 40.0, 50.0})
        limit->AddBandElement(position, 60, 40);
    Paint();
    // Straight onto a wide canvas without the data view's clip, its origin 1000 pixels in: pairs
    // outside the axis would show.
    TBitmap wide(2500, 300);
    wide.Canvas()->Brush()->SetColor(clBlack);
    wide.Canvas()->FillRect(TRect(0, 0, 2500, 300));
    wide.Canvas()->SetViewportOrg(TPoint(1000, 0));
    limit->Draw(wide.Canvas(), clBlack);
    const QImage &image = wide.Image();
    struct Case {
        const char *name;
        double x;
        bool filled;
    };
    const Case cases[] = {
        {.name = "pair 0-10, wholly below the axis", .x = 5, .filled = false},
        {.name = "pair 10-20, reaching into it", .x = 15, .filled = true},
        {.name = "pair 20-40, starting inside", .x = 35, .filled = true},
        {.name = "pair 40-50, starting beyond: drawing stops", .x = 45, .filled = false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(At(image, 1000 + X(c.x), Y(50)) == 255, c.filled);
    }
}

TEST_F(LimitFixture, BandElementsNeedTheUpperLimitAtOrAboveTheLower)
{
    EXPECT_EQ(MessageOf([&] { limit->AddBandElement(1, 5, 6); }),
              QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    EXPECT_EQ(limit->Elements().Count(), 0);
    EXPECT_EQ(MessageOf([&] { limit->AddBandElement(1, 5, 5); }), QString());
    EXPECT_EQ(limit->Elements().Count(), 1);
    limit->ClearAllElements();
    EXPECT_EQ(limit->Elements().Count(), 0);
}

}  // namespace
