// The legend: wrapping entries into rows and columns, scrolling, the line samples, the guards of
// its count arithmetic, the stored line height, and a rendering of the compressor-style plot with
// its legend and toolbar.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/objects/iPlotLegend.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iXYPlot.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class LegendFixture : public ::testing::Test {
protected:
    TiXYPlot plot{nullptr};
    TiPlotLegend *legend = plot.GetLegend(0);
    TBitmap bitmap{400, 300};

    // Legend text "0" height: the pitch of one entry with the default row spacing.
    int Pitch()
    {
        bitmap.Canvas()->Font()->Assign(legend->Font());
        const int h0 = bitmap.Canvas()->TextHeight(QStringLiteral("0"));
        return h0 + static_cast<int>(std::nearbyint(h0 * legend->RowSpacing()));
    }
    int H0()
    {
        bitmap.Canvas()->Font()->Assign(legend->Font());
        return bitmap.Canvas()->TextHeight(QStringLiteral("0"));
    }
};

}  // namespace

TEST_F(LegendFixture, EightChannelsInThreeRowsScrollWithButtons)
{
    while (plot.ChannelCount() < 8)
        plot.AddChannel();
    // Room for three entries between the margins.
    const int h0 = H0();
    legend->SetDrawRect(TRect(0, 0, 200, 2 * h0 + 3 * Pitch()));
    legend->GetRequiredWidth(bitmap.Canvas());
    EXPECT_EQ(legend->ActualWrapColCount(), 1);
    EXPECT_TRUE(legend->UpButton()->Visible());
    EXPECT_TRUE(legend->DownButton()->Visible());
    EXPECT_EQ(legend->ViewStopIndex(), 2);
    EXPECT_FALSE(legend->UpButton()->Enabled());
    const int withButtons = legend->RequiredWidthPixels();

    legend->UpButton()->OnClick(legend->UpButton());
    EXPECT_EQ(legend->ViewStartIndex(), 0);
    legend->DownButton()->OnClick(legend->DownButton());
    EXPECT_EQ(legend->ViewStartIndex(), 1);
    legend->GetRequiredWidth(bitmap.Canvas());
    EXPECT_EQ(legend->ViewStopIndex(), 3);

    // Everything fits: no buttons, 25 pixels less, the view back at the start.
    legend->SetDrawRect(TRect(0, 0, 200, 2 * h0 + 8 * Pitch()));
    legend->GetRequiredWidth(bitmap.Canvas());
    EXPECT_FALSE(legend->UpButton()->Visible());
    EXPECT_EQ(legend->ViewStartIndex(), 0);
    EXPECT_EQ(legend->RequiredWidthPixels(), withButtons - 25);
}

TEST_F(LegendFixture, HorizontalWrappingAndGuardedCounts)
{
    plot.AddChannel();
    legend->SetHorizontal(true);
    legend->SetDrawRect(TRect(0, 0, 390, 100));
    legend->GetRequiredWidth(bitmap.Canvas());
    EXPECT_EQ(legend->ActualWrapColCount(), 1);
    EXPECT_EQ(legend->Items()[1].ARow, 2);

    legend->SetWrapColAutoCountEnabled(true);
    legend->GetRequiredWidth(bitmap.Canvas());
    EXPECT_EQ(legend->ActualWrapColCount(), 2);
    EXPECT_EQ(legend->Items()[1].ARow, 1);
    EXPECT_EQ(legend->Items()[1].ACol, 2);

    // Counts of 0 and a zero pitch do not divide by zero.
    legend->SetWrapColAutoCountMax(0);
    legend->SetWrapRowAutoCountMax(0);
    legend->SetRowSpacing(0);
    TFont tiny;
    tiny.Assign(legend->Font());
    tiny.SetHeight(0);
    legend->SetFont(&tiny);
    legend->GetRequiredWidth(bitmap.Canvas());
    EXPECT_GE(legend->ActualWrapColCount(), 1);
    legend->SetWrapColDesiredCount(0);
    EXPECT_EQ(legend->WrapColDesiredCount(), 1);
}

TEST_F(LegendFixture, LineSamples)
{
    struct Case {
        const char *name;
        TiPlotLineStyle style;
        int width;
        int runs;  // runs of the channel colour in the sample's middle row
    };
    const Case cases[] = {
        {.name = "dotted 13", .style = iplsDot, .width = 13, .runs = 3},
        {.name = "dash 13", .style = iplsDash, .width = 13, .runs = 2},
        {.name = "solid 20", .style = iplsSolid, .width = 20, .runs = 1},
    };
    TiPlotChannelCustom *channel = plot.GetChannel(0);
    channel->SetColor(clLime);
    legend->SetDrawRect(TRect(10, 10, 200, 100));
    for (const Case &c : cases) {
        channel->SetTraceLineStyle(c.style);
        legend->SetLineColumnWidth(c.width);
        bitmap.Canvas()->Brush()->SetColor(clBlack);
        bitmap.Canvas()->FillRect(TRect(0, 0, 400, 300));
        legend->Draw(bitmap.Canvas(), clBlack);
        const TiPlotLegendItem &item = legend->Items()[0];
        const QImage image = bitmap.Image();
        const int y = item.ATop + H0() / 2;
        int runs = 0;
        int pixels = 0;
        bool inRun = false;
        for (int x = item.ALeft; x < item.ALeft + 30; ++x) {
            const bool on = At(image, x, y) == clLime;
            pixels += on;
            runs += on && !inRun;
            inRun = on;
        }
        EXPECT_EQ(runs, c.runs) << c.name;
        if (c.style == iplsDot) {
            EXPECT_EQ(pixels, 6) << "three 2-pixel runs";
        }
        // The sample is LineColumnHeight + 1 rows high.
        EXPECT_EQ(At(image, item.ALeft, y - 1), clLime) << c.name;
        EXPECT_NE(At(image, item.ALeft, y + 3), clLime) << c.name;
    }
}

TEST_F(LegendFixture, ALineHeightOf13IsStoredAndReloaded)
{
    legend->SetLineColumnHeight(13);
    const QString text = WriteComponentToText(&plot);
    std::unique_ptr<TiXYPlot> copy(
        dynamic_cast<TiXYPlot *>(CreateComponentFromText(text, QStringLiteral("plot.dfm"), nullptr)));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetLegend(0)->LineColumnHeight(), 13);
    // A form without the line still loads the initial height.
    TiXYPlot fresh(nullptr);
    EXPECT_EQ(fresh.GetLegend(0)->LineColumnHeight(), 3);
}

TEST_F(LegendFixture, ThePlotsLegendCursorEventChangesTheCursorOverTheLegend)
{
    plot.AddChannel();
    legend->SetDrawRect(TRect(0, 0, 200, 100));
    legend->GetRequiredWidth(bitmap.Canvas());
    int index = -1;
    plot.OnGetMouseCursorLegend = [&](int Index, TCursor &Cursor) {
        index = Index;
        Cursor = crHelp;
    };
    // Over the legend's background, away from every entry.
    legend->GetMouseOverObject(190, 90);
    EXPECT_EQ(legend->GetMouseCursor(TPoint(190, 90)), crHelp);
    EXPECT_EQ(index, 0);
}

TEST(CompressorPlotView, RendersWithItsLegendAndToolbar)
{
    TiXYPlot plot(nullptr);
    plot.SetWidth(520);
    plot.SetHeight(360);
    plot.AddChannel();
    for (int i = 0; i < 2; ++i) {
        TiPlotAxis *axis = i ? static_cast<TiPlotAxis *>(plot.GetYAxis(0)) : plot.GetXAxis(0);
        axis->SetTrackingEnabled(false);
        axis->SetMinSpan(-100, 120);
    }
    TiXYPlotChannel *curve = plot.GetChannel(0);
    curve->SetColor(clWhite);
    curve->SetTraceLineWidth(2);
    curve->SetTitleText(QStringLiteral("Transfer"));
    TiXYPlotChannel *marker = plot.GetChannel(1);
    marker->SetColor(clYellow);
    marker->SetTraceLineStyle(iplsDot);
    marker->SetMarkersVisible(true);
    marker->SetMarkersSize(5);
    marker->SetTitleText(QStringLiteral("Threshold"));
    plot.GetLegend(0)->SetShowColumnMarker(true);
    plot.GetLegend(0)->SetShowColumnYValue(true);
    curve->AddXY(20, -10);
    curve->AddXY(-20, -20);
    curve->AddXY(-100, -100);
    marker->AddXY(-19.8, -20.4);
    TBitmap bitmap(plot.Width(), plot.Height());
    plot.DrawToCanvas(bitmap.Canvas());
    const QImage image = bitmap.Image();
    Keep(image, "compressor-plot-legend-toolbar");
    const TRect entry = curve->LegendRect();
    EXPECT_FALSE(entry.IsEmpty()) << "the legend lists the channel";
    EXPECT_GT(plot.GetToolBar(0)->DrawRect().Height(), 30);
}
