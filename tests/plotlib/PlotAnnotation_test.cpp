// Annotations: the frames their coordinates use, what draws and what can be hit, text placement,
// the channel they follow, sizing and moving by mouse, and clipping to axes.

#include "PlotOnFormFixture.h"
#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "plotlib/objects/iPlotAnnotation.h"
#include "plotlib/plot/iPlotDataView.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct AnnotationFixture : PlotOnFormFixture {
    TiPlotAnnotation *annotation = plot->GetAnnotation(plot->AddAnnotation());
    TiPlotDataView *view = plot->GetDataView(0);

    AnnotationFixture()
    {
        annotation->SetBrushColor(clLime);
        annotation->SetPenColor(clLime);
        Paint();
    }
    // Pixels of data view percentages.
    int PX(double Percent) const { return view->PositionPercentToPixelsX(Percent); }
    int PY(double Percent) const { return view->PositionPercentToPixelsY(Percent); }
    // A box centred on (X, Y) in percent of the data view.
    void CentredBox(TiPlotAnnotationStyle Style, double X, double Y, double Width, double Height)
    {
        annotation->SetStyle(Style);
        annotation->SetX(X);
        annotation->SetY(Y);
        annotation->SetWidth(Width);
        annotation->SetHeight(Height);
    }
};

TEST_F(AnnotationFixture, EachCoordinateGroupFollowsItsFrame)
{
    struct Case {
        const char *name;
        TiPlotReferenceType reference;
        TiPlotReferenceIndividual positionX = ipriAuto;
        TiPlotReferenceIndividual positionY = ipriAuto;
        bool channelX, channelY;
    };
    const Case cases[] = {
        {.name = "data view", .reference = iprtDataView, .channelX = false, .channelY = false},
        {.name = "channel", .reference = iprtChannel, .channelX = true, .channelY = true},
        {.name = "X of the channel, Y of the data view",
         .reference = iprtXChannelYDataView,
         .channelX = true,
         .channelY = false},
        {.name = "X of the data view, Y of the channel",
         .reference = iprtXDataViewYChannel,
         .channelX = false,
         .channelY = true},
        {.name = "own settings over the reference",
         .reference = iprtChannel,
         .positionX = ipriDataView,
         .positionY = ipriChannel,
         .channelX = false,
         .channelY = true},
    };
    plot->GetXAxis(0)->SetMinSpan(0, 50);
    Paint();
    annotation->SetChannelName(plot->GetChannel(0)->Name());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        annotation->SetReference(c.reference);
        annotation->SetReferencePositionX(c.positionX);
        annotation->SetReferencePositionY(c.positionY);
        EXPECT_EQ(annotation->PositionXToPixels(30), c.channelX ? X(30) : PX(30));
        EXPECT_EQ(annotation->PositionYToPixels(25), c.channelY ? Y(25) : PY(25));
        EXPECT_NEAR(annotation->PixelsXToPosition(c.channelX ? X(30) : PX(30)), 30, 0.5);
    }
}

TEST_F(AnnotationFixture, FollowsItsChannelByNameThroughRemovalAndReturn)
{
    annotation->SetReference(iprtChannel);
    annotation->SetChannelName(QStringLiteral("Probe"));
    CentredBox(ipasRectangle, 50, 50, 20, 20);
    const TPoint centre(X(50), Y(50));
    plot->SetToolBarSelectActive(true);

    EXPECT_NE(At(Paint(), centre.X, centre.Y), clLime) << "no channel of that name";
    EXPECT_FALSE(annotation->HitTest(centre.X, centre.Y));

    plot->GetChannel(0)->SetName(QStringLiteral("PROBE"));
    EXPECT_EQ(At(Paint(), centre.X, centre.Y), clLime);
    EXPECT_TRUE(annotation->HitTest(centre.X, centre.Y));
    plot->GetChannel(0)->SetName(QStringLiteral("Probe 2"));
    EXPECT_EQ(annotation->ChannelName(), QStringLiteral("Probe 2")) << "the name follows a rename";

    plot->DeleteChannel(0);
    EXPECT_NE(At(Paint(), centre.X, centre.Y), clLime);
    EXPECT_EQ(annotation->ChannelName(), QStringLiteral("Probe 2"));
    plot->GetChannel(plot->AddChannel())->SetName(QStringLiteral("probe 2"));
    EXPECT_EQ(At(Paint(), centre.X, centre.Y), clLime);
}

TEST_F(AnnotationFixture, OnlyWhatWasDrawnCanBeHit)
{
    struct Case {
        const char *name;
        std::function<void(AnnotationFixture &)> setUp;
        double probeX, probeY;  // percent of the data view
        int offsetX = 0;        // pixels beside the probe
        bool showing, hit;
    };
    const Case cases[] = {
        {.name = "a line on its middle",
         .setUp =
             [](AnnotationFixture &f) {
                 f.annotation->SetStyle(ipasLine);
                 f.annotation->SetX(10);
                 f.annotation->SetY(50);
                 f.annotation->SetX2(90);
                 f.annotation->SetY2(50);
             },
         .probeX = 50,
         .probeY = 50,
         .showing = false,
         .hit = false},
        {.name = "a line of X, 4 pixels beside",
         .setUp = [](AnnotationFixture &f) { f.CentredBox(ipasLineX, 40, 0, 0, 0); },
         .probeX = 40,
         .probeY = 50,
         .offsetX = 4,
         .showing = true,
         .hit = true},
        {.name = "a line of X, 6 pixels beside",
         .setUp = [](AnnotationFixture &f) { f.CentredBox(ipasLineX, 40, 0, 0, 0); },
         .probeX = 40,
         .probeY = 50,
         .offsetX = 6,
         .showing = true,
         .hit = false},
        {.name = "inside a rectangle",
         .setUp = [](AnnotationFixture &f) { f.CentredBox(ipasRectangle, 50, 50, 20, 20); },
         .probeX = 45,
         .probeY = 55,
         .showing = true,
         .hit = true},
        {.name = "a polygon of one vertex",
         .setUp =
             [](AnnotationFixture &f) {
                 f.annotation->SetStyle(ipasPolygon);
                 f.annotation->PolyPointAdd(50, 50);
             },
         .probeX = 50,
         .probeY = 50,
         .showing = false,
         .hit = false},
        {.name = "inside a triangle",
         .setUp =
             [](AnnotationFixture &f) {
                 f.annotation->SetStyle(ipasPolygon);
                 f.annotation->PolyPointAdd(30, 30);
                 f.annotation->PolyPointAdd(70, 30);
                 f.annotation->PolyPointAdd(50, 70);
             },
         .probeX = 50,
         .probeY = 40,
         .showing = true,
         .hit = true},
        {.name = "outside select mode",
         .setUp =
             [](AnnotationFixture &f) {
                 f.CentredBox(ipasRectangle, 50, 50, 20, 20);
                 f.plot->SetToolBarSelectActive(false);
             },
         .probeX = 50,
         .probeY = 50,
         .showing = true,
         .hit = false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        plot->SetToolBarSelectActive(true);
        annotation->PolyPointsClear();
        c.setUp(*this);
        const QImage &image = Paint();
        const TPoint probe(PX(c.probeX) + c.offsetX, PY(c.probeY));
        EXPECT_EQ(annotation->Showing(), c.showing);
        EXPECT_EQ(annotation->HitTest(probe.X, probe.Y), c.hit);
        if (c.showing && c.offsetX == 0) {
            EXPECT_EQ(At(image, probe.X, probe.Y), clLime);
        }
    }
}

TEST_F(AnnotationFixture, TextStandsBesideItsAnchorByItsAlignment)
{
    annotation->SetStyle(ipasText);
    annotation->SetText(QStringLiteral("Peak"));
    annotation->SetX(50);
    annotation->SetY(50);
    Paint();
    bitmap.Canvas()->Font()->Assign(annotation->Font());
    const int w = bitmap.Canvas()->TextWidth(QStringLiteral("Peak"));
    const int h = bitmap.Canvas()->TextHeight(QStringLiteral("Peak"));
    const int a = bitmap.Canvas()->TextWidth(QStringLiteral("A"));
    const int ah = bitmap.Canvas()->TextHeight(QStringLiteral("A"));
    const int px = PX(50);
    const int py = PY(50);
    struct Case {
        const char *name;
        TiAlignmentHorizontal horizontal;
        TiAlignmentVertical vertical;
        double margin;
        int left, top;
    };
    const Case cases[] = {
        {.name = "centred",
         .horizontal = iahCenter,
         .vertical = iavCenter,
         .margin = 1,
         .left = px - w / 2,
         .top = py - h / 2},
        {.name = "left, one A right of the anchor",
         .horizontal = iahLeft,
         .vertical = iavCenter,
         .margin = 1,
         .left = px + a,
         .top = py - h / 2},
        {.name = "left, two As",
         .horizontal = iahLeft,
         .vertical = iavCenter,
         .margin = 2,
         .left = px + 2 * a,
         .top = py - h / 2},
        {.name = "right",
         .horizontal = iahRight,
         .vertical = iavCenter,
         .margin = 1,
         .left = px - w / 2 - a - w / 2,
         .top = py - h / 2},
        {.name = "top: below the anchor",
         .horizontal = iahCenter,
         .vertical = iavTop,
         .margin = 1,
         .left = px - w / 2,
         .top = py + ah},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        annotation->SetTextHorzAlignment(c.horizontal);
        annotation->SetTextVertAlignment(c.vertical);
        annotation->SetTextHorzMargin(c.margin);
        annotation->SetTextVertMargin(c.margin);
        Paint();
        EXPECT_EQ(annotation->ClickRect().Left, c.left);
        EXPECT_EQ(annotation->ClickRect().Top, c.top);
        EXPECT_EQ(annotation->ClickRect().Width(), w);
    }
}

TEST_F(AnnotationFixture, TheBottomRightHandleSizesACentredRectangleAboutItsCentre)
{
    CentredBox(ipasRectangle, 50, 50, 20, 20);
    annotation->SetUserCanSize(true);
    plot->SetToolBarSelectActive(true);
    QStringList events;
    plot->OnAnnotationResizeUser = [&](int) { events << QStringLiteral("resize"); };
    plot->OnAnnotationCoordinatesChangeFinished = [&](int) { events << QStringLiteral("finished"); };
    Paint();
    const TRect before = annotation->DrawRect();
    Drag(TPoint(before.Right, before.Bottom), TPoint(10, 0));
    EXPECT_TRUE(annotation->UserSelected());
    Paint();
    const TRect after = annotation->DrawRect();
    EXPECT_NEAR(annotation->PositionXToPixels(annotation->X()), PX(50) + 5, 1);
    EXPECT_NEAR(after.Width(), before.Width() + 10, 1);
    EXPECT_EQ(after.Top, before.Top);
    EXPECT_EQ(after.Bottom, before.Bottom);
    EXPECT_EQ(events, (QStringList{QStringLiteral("resize"), QStringLiteral("finished")}));
}

TEST_F(AnnotationFixture, MovingARectangleByItsCornersKeepsItsSizeInValues)
{
    annotation->SetStyle(ipasRectangle2);
    annotation->SetReference(iprtChannel);
    annotation->SetChannelName(plot->GetChannel(0)->Name());
    annotation->SetX(20);
    annotation->SetY(20);
    annotation->SetX2(45);
    annotation->SetY2(50);
    annotation->SetUserCanMove(true);
    plot->SetToolBarSelectActive(true);
    Paint();
    Drag(TPoint(X(30), Y(30)), TPoint(40, -25));
    EXPECT_NE(annotation->X(), 20.0);
    EXPECT_NEAR(annotation->X(), plot->GetXAxis(0)->PixelsToPosition(X(20) + 40), 1e-9);
    EXPECT_DOUBLE_EQ(annotation->X2() - annotation->X(), 25.0);
    EXPECT_DOUBLE_EQ(annotation->Y2() - annotation->Y(), 30.0);
}

TEST_F(AnnotationFixture, ClippingToAxesWithoutChannelFramesClipsToTheDataView)
{
    // A rectangle in the data view's frame reaching over its right edge, drawn without the plot's
    // clip: only the clip the annotation asks for cuts it.
    CentredBox(ipasRectangle, 95, 50, 30, 20);
    struct Case {
        const char *name;
        bool clipToAxes;
        bool beyondTheView;
    };
    const Case cases[] = {
        {.name = "not clipped", .clipToAxes = false, .beyondTheView = true},
        {.name = "clipped to the data view", .clipToAxes = true, .beyondTheView = false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        annotation->SetClipToAxes(c.clipToAxes);
        Paint();
        annotation->Draw(BlackCanvas(), clBlack);
        const TRect r = view->DrawRect();
        EXPECT_EQ(At(bitmap.Image(), r.Right - 2, PY(50)), clLime);
        EXPECT_EQ(At(bitmap.Image(), r.Right + 4, PY(50)) == clLime, c.beyondTheView);
    }
}

}  // namespace
