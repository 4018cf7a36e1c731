// The toolbar: its button row, the command protocol with the plot's events, zooming, the button
// groups, the cursor and select modes, and the glyph sets.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/ImageList.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iXYPlot.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class ToolBarFixture : public ::testing::Test {
protected:
    TiXYPlot plot{nullptr};
    TiPlotToolBar *toolBar = plot.GetToolBar(0);
    QStringList events;

    ToolBarFixture()
    {
        plot.OnBeforeToolBarButtonClick = [this](int, TiPlotToolBarButtonType Type, bool &) {
            events << QStringLiteral("before %1").arg(QString::fromLatin1(iPlotToolBarButtonTypeNames.Names[Type]));
        };
        plot.OnToolBarButtonClick = [this](int, TiPlotToolBarButtonType Type) {
            events << QStringLiteral("after %1").arg(QString::fromLatin1(iPlotToolBarButtonTypeNames.Names[Type]));
        };
    }
    QImage Paint()
    {
        TBitmap bitmap(plot.Width(), plot.Height());
        plot.DrawToCanvas(bitmap.Canvas());
        return bitmap.Image();
    }
    std::vector<TRect> VisibleRects() const
    {
        std::vector<TRect> out;
        for (int i = 0; i < toolBar->ButtonCount(); ++i)
            if (toolBar->Button(i)->Visible())
                out.push_back(toolBar->Button(i)->DrawRect());
        return out;
    }
};

}  // namespace

TEST_F(ToolBarFixture, ZoomInPausesFirstAndHalvesEveryLinearSpan)
{
    TiPlotAxis *x = plot.GetXAxis(0);
    x->SetMinSpan(0, 100);
    toolBar->DoButtonClickZoomIn();
    EXPECT_EQ(events,
              QStringList({"before iptbbtZoomIn", "before iptbbtPause", "after iptbbtPause", "after iptbbtZoomIn"}));
    EXPECT_FALSE(x->TrackingEnabled());
    EXPECT_DOUBLE_EQ(x->Span(), 50);
    EXPECT_DOUBLE_EQ(x->Min(), 25);

    toolBar->SetZoomInOutFactor(0.5);
    EXPECT_EQ(toolBar->ZoomInOutFactor(), 1);
    toolBar->DoButtonClickZoomOut();
    EXPECT_DOUBLE_EQ(x->Span(), 50);
}

TEST_F(ToolBarFixture, ACancelledCommandDoesNothingAndEditHasNoAfterEvent)
{
    plot.OnBeforeToolBarButtonClick = [this](int, TiPlotToolBarButtonType Type, bool &Cancel) {
        events << QStringLiteral("before %1").arg(QString::fromLatin1(iPlotToolBarButtonTypeNames.Names[Type]));
        Cancel = Type == iptbbtZoomAxesMode;
    };
    toolBar->DoButtonClickZoomAxesMode();
    EXPECT_EQ(plot.GetXAxis(0)->Mode(), ipamScroll);
    toolBar->DoButtonClickEdit();
    EXPECT_EQ(events, QStringList({"before iptbbtZoomAxesMode", "before iptbbtEdit"}));
}

TEST_F(ToolBarFixture, ButtonGroupsAndModes)
{
    toolBar->DoButtonClickZoomAxesMode();
    EXPECT_TRUE(toolBar->ButtonOf(iptbbtZoomAxesMode)->Down());
    EXPECT_FALSE(toolBar->ButtonOf(iptbbtScrollAxesMode)->Down());
    EXPECT_EQ(plot.GetXAxis(0)->Mode(), ipamZoom);
    EXPECT_EQ(plot.GetYAxis(0)->Mode(), ipamZoom);

    toolBar->DoButtonClickSelect();
    EXPECT_TRUE(plot.GetToolBarSelectActive());
    toolBar->DoButtonClickZoomBox();
    EXPECT_FALSE(toolBar->SelectActive());
    EXPECT_TRUE(toolBar->ZoomBoxActive());
    toolBar->DoButtonClickZoomBox();
    EXPECT_FALSE(toolBar->ZoomBoxActive());

    TiPlotDataCursor *cursor = plot.GetDataCursor(0);
    toolBar->DoButtonClickCursor();
    EXPECT_TRUE(cursor->Visible());
    EXPECT_TRUE(cursor->UserSelected());
    EXPECT_FALSE(plot.GetXAxis(0)->TrackingEnabled());
    toolBar->DoButtonClickResume();
    EXPECT_FALSE(toolBar->CursorActive());
    EXPECT_FALSE(cursor->Visible());
    EXPECT_TRUE(plot.GetXAxis(0)->TrackingEnabled());
}

TEST_F(ToolBarFixture, TheButtonRowAndTheGlyphSets)
{
    for (auto show :
         {&TiPlotToolBar::SetShowResumeButton, &TiPlotToolBar::SetShowPauseButton,
          &TiPlotToolBar::SetShowAxesModeButtons, &TiPlotToolBar::SetShowZoomInOutButtons,
          &TiPlotToolBar::SetShowZoomBoxButton, &TiPlotToolBar::SetShowCursorButton, &TiPlotToolBar::SetShowEditButton,
          &TiPlotToolBar::SetShowSaveButton, &TiPlotToolBar::SetShowPrintButton})
        (toolBar->*show)(false);
    Paint();
    const TRect band = toolBar->DrawRect();
    ASSERT_EQ(VisibleRects().size(), 1u);
    EXPECT_EQ(VisibleRects()[0], TRect(band.Left + 3, band.Top + 3, band.Left + 33, band.Top + 33));

    TBitmap canvas(10, 10);
    EXPECT_EQ(toolBar->GetRequiredWidth(canvas.Canvas()), 36);
    toolBar->SetSmallButtons(true);
    EXPECT_EQ(toolBar->GetRequiredWidth(canvas.Canvas()), 28);
    Paint();
    EXPECT_EQ(VisibleRects()[0].Width(), 22);
    EXPECT_EQ(toolBar->ImageList()->Width(), 16);
    EXPECT_EQ(toolBar->ButtonOf(iptbbtCopy)->ImageName(), "SMALLCOPY");
    EXPECT_GE(toolBar->ButtonOf(iptbbtCopy)->ImageIndex(), 0) << "the glyph loaded";
}

TEST_F(ToolBarFixture, RendersItsButtons)
{
    plot.SetWidth(520);
    plot.SetHeight(260);
    toolBar->SetShowPreviewButton(true);
    toolBar->SetShowSelectButton(true);
    toolBar->DoButtonClickCursor();
    const QImage image = Paint();
    Keep(image, "toolbar");
    const TRect copy = toolBar->ButtonOf(iptbbtCopy)->DrawRect();
    bool glyph = false;
    for (int y = copy.Top + 3; y < copy.Bottom - 3; ++y)
        for (int x = copy.Left + 3; x < copy.Right - 3; ++x)
            glyph |= At(image, x, y) == clWhite;
    EXPECT_TRUE(glyph) << "the copy glyph's white pages";
}
