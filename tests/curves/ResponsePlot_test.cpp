// The response plot control as the main window carries it: published properties set by the form
// reader, the setters' clamps and bounds, labels, parameter texts, markers, layout and pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "curves/LMyFFTDrawPhase.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "tests/curves/CurvesTestSupport.h"
#include "tests/platform/ui/ControlsTestApp.h"

using curvestest::At;
using curvestest::Texts;

namespace {

// A channel plot with the main form's values, read from a form definition through the setters.
constexpr char MainFormPlot[] = R"(object fmPlotHost: TForm
  ClientWidth = 1200
  ClientHeight = 300
  object fftDrawOut1: LMyFFTDrawPhase
    Left = 10
    Top = 10
    Width = 1070
    Height = 255
    Color = clBlack
    AxisColor = $00880000
    YAutoScale = False
    XAutoScale = False
    YLabelPrecision = 5
    YMax = 18.0
    YMin = -18.0
    XMax = 3840.0
    XMin = 966.0
    NumVertGrid = 10
    NumHorzGrid = 11
    VertTickLength = 0
    HorzTickLength = 0
    GridColor = $00580000
    ShowXTitle = False
    ShowYTitle = False
    ShowPlotTitle = False
    XTitle = 'Frequency '
    YTitle = 'dB'
    YLabel = 'dB'
    PlotTitle = 'Frequency Response'
    PlotTitleFont.Color = clLime
    PlotTitleFont.Height = -11
    PlotTitleFont.Name = 'Tahoma'
    AxisTitleFont.Color = clLime
    AxisTitleFont.Height = -11
    AxisTitleFont.Name = 'Tahoma'
    AxisLabelFont.Color = $0000DD00
    AxisLabelFont.Height = -11
    AxisLabelFont.Name = 'Tahoma'
    MouseCoordFont.Color = clLime
    MouseCoordFont.Height = -11
    MouseCoordFont.Name = 'Tahoma'
    FFTNuimber = n4096
    SampleRate = n96000
  end
end
)";

struct MainFormPlotTest : ::testing::Test {
    std::unique_ptr<TComponent> form{CreateComponentFromText(QString::fromUtf8(MainFormPlot), "plot.dfm", nullptr)};
    LMyFFTDrawPhase *plot = dynamic_cast<LMyFFTDrawPhase *>(form->FindComponent("fftDrawOut1"));
    int renders = 0;

    void SetUp() override
    {
        ASSERT_NE(plot, nullptr);
        plot->ResizePaintPage();
        plot->Redraw();
    }
    void Resize(int width, int height)
    {
        plot->SetBounds(plot->Left(), plot->Top(), width, height);
        plot->ResizePaintPage();
        plot->Redraw();
    }
    // The switch of a channel plot to phase, as the pages make it.
    void ToPhaseAxis()
    {
        plot->SetNumHorzGrid(7);
        plot->SetNumHorzGrid(7);
        plot->SetYLabel(QStringLiteral("\u00B0"));
        plot->SetYLabelScale(10.0);
        plot->SetYMax(18.0);
        plot->SetYMin(-18.0);
    }
    int PixelX(double x) const { return static_cast<int>(plot->ScreenX(x)); }
    int PixelY(double y) const { return static_cast<int>(plot->ScreenY(y)); }
    QImage Render() { return curvestest::Render(plot, renders); }
};

}  // namespace

TEST_F(MainFormPlotTest, TheFormReaderSetsThePublishedPropertiesByName)
{
    EXPECT_EQ(plot->AxisColor(), 0x880000);
    EXPECT_EQ(plot->GridColor(), 0x580000);
    EXPECT_FALSE(plot->XAutoScale());
    EXPECT_EQ(plot->XMin(), 966.0);
    EXPECT_EQ(plot->XMax(), 3840.0);
    EXPECT_EQ(plot->SampleRate(), n96000);
    EXPECT_EQ(plot->AxisLabelFont()->Color(), 0x00DD00);
    EXPECT_EQ(plot->AxisStyle(), TMyAxisStyle::CenteredBox);
    EXPECT_EQ(GetEnumProp(plot, "FFTNuimber"), "n4096");
    SetPropValueText(plot, "YLabelScale", "10");
    EXPECT_EQ(plot->YLabelScale(), 10.0);
    SetEnumProp(plot, "AxisStyle", "LB");
    EXPECT_EQ(plot->AxisStyle(), TMyAxisStyle::LB);
    EXPECT_EQ(plot->YTitle(), "dB");
    EXPECT_EQ(GetPropValueText(plot, "MouseX"), "0");
}

// The main form reads eight plots, six of them on hidden pages: laying each out for every stored
// text and font would give them their pages, and their parents backing images, at start. A plot is
// laid out at its first paint instead, with the texts and fonts it was read with.
TEST(ResponsePlotReading, APlotReadFromItsFormIsLaidOutAtItsFirstPaint)
{
    const std::unique_ptr<TComponent> form{
        CreateComponentFromText(QString::fromUtf8(MainFormPlot), "plot.dfm", nullptr)};
    auto *read = dynamic_cast<LMyFFTDrawPhase *>(form->FindComponent("fftDrawOut1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetPlotWidth(), 0) << "laid out while it was read";

    const QImage drawn = RenderControlImage(read);
    const std::unique_ptr<TComponent> other{
        CreateComponentFromText(QString::fromUtf8(MainFormPlot), "plot.dfm", nullptr)};
    auto *laidOut = dynamic_cast<LMyFFTDrawPhase *>(other->FindComponent("fftDrawOut1"));
    laidOut->ResizePaintPage();
    laidOut->Redraw();
    EXPECT_GT(read->GetPlotWidth(), 0);
    EXPECT_EQ(read->GetPlotOrigin().X, laidOut->GetPlotOrigin().X);
    EXPECT_EQ(read->GetPlotWidth(), laidOut->GetPlotWidth());
    EXPECT_EQ(drawn, RenderControlImage(laidOut));
}

TEST_F(MainFormPlotTest, SettersKeepTheirValuesInRange)
{
    plot->SetHorzTickLength(5000);
    EXPECT_EQ(plot->HorzTickLength(), 1070);
    plot->SetVertTickLength(-3);
    EXPECT_EQ(plot->VertTickLength(), 0);
    plot->SetVertTickLength(400);
    EXPECT_EQ(plot->VertTickLength(), 255);
    plot->SetPointSize(0);
    EXPECT_EQ(plot->PointSize(), 1);
    plot->SetPointSize(11);
    EXPECT_EQ(plot->PointSize(), 10);
    plot->SetNumHorzGrid(-2);
    EXPECT_EQ(plot->NumHorzGrid(), 0);

    // Equal bounds are separated; a Log axis gets positive bounds.
    plot->SetYMax(-18.0);
    EXPECT_EQ(plot->YMax(), -17.0);
    EXPECT_EQ(plot->YMin(), -18.0);
    plot->SetXMax(0.0);
    plot->SetXAxisFormat(TMyAxisFormat::Log);
    EXPECT_EQ(plot->XMax(), 10.0);
    EXPECT_EQ(plot->XMin(), 1.0);
    plot->SetYMin(-5.0);
    plot->SetYMax(20.0);
    plot->SetYAxisFormat(TMyAxisFormat::Log);
    EXPECT_EQ(plot->YMax(), 20.0);
    EXPECT_EQ(plot->YMin(), 2.0);
    plot->SetYMin(20.0);
    EXPECT_EQ(plot->YMax(), 200.0);
}

TEST_F(MainFormPlotTest, CurvesAreStoredByIdAndBadPointCountsAreRefused)
{
    const double y[] = {1, 2, 3};
    EXPECT_FALSE(plot->FFTDraw(y, 0, 4, clRed, PlotStyleLine));
    EXPECT_FALSE(plot->FFTDraw(y, -5, 4, clRed, PlotStyleLine));
    int count = 0;
    EXPECT_FALSE(plot->GetPlotNumPoints(count, 4));

    EXPECT_FALSE(plot->FFTDraw(y, 1, 2000.0, 3000.0, 5, clRed, PlotStyleLine));
    double x[3] = {};
    ASSERT_TRUE(plot->GetPlotX(x, 5));
    EXPECT_EQ(x[0], 2000.0);
    EXPECT_FALSE(plot->FFTDraw(y, 3, 2000.0, 3000.0, 6, clRed, PlotStyleLine));
    ASSERT_TRUE(plot->GetPlotX(x, 6));
    EXPECT_EQ(x[2], 3000.0);

    EXPECT_FALSE(plot->FFTDraw(y, 3, 7, clRed, PlotStyleLine));
    EXPECT_TRUE(plot->FFTDraw(y, 2, 7, clBlue, PlotStyleHollowSquares));
    TColor colour = 0;
    TMyPlotStyle style = -1;
    ASSERT_TRUE(plot->GetPlotColor(colour, 7));
    ASSERT_TRUE(plot->GetPlotStyle(style, 7));
    EXPECT_EQ(colour, clRed);
    EXPECT_EQ(style, PlotStyleLine);
    ASSERT_TRUE(plot->GetPlotNumPoints(count, 7));
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(plot->RemovePlot(99));
    EXPECT_FALSE(plot->SetPlotColor(clRed, 99));

    // With auto-scaling on, an empty plot ranges from -1 to 1.
    plot->SetXAutoScale(true);
    plot->SetYAutoScale(true);
    EXPECT_EQ(plot->YMax(), 3.0);
    for (int id : {5, 6, 7})
        EXPECT_TRUE(plot->RemovePlot(id));
    EXPECT_EQ(plot->YMin(), -1.0);
    EXPECT_EQ(plot->YMax(), 1.0);
    EXPECT_EQ(plot->XMin(), -1.0);
    EXPECT_EQ(plot->XMax(), 1.0);
}

TEST_F(MainFormPlotTest, FarAndMissingPointsAreMovedToNotDrawnTo)
{
    // Columns 1000 .. 1400 of the point axis at 0 dB, with a spike far above, an infinity and a
    // missing value in between: the line breaks there and nothing huge reaches the canvas.
    const double x[] = {1000, 1100, 1150, 1200, 1250, 1300, 1400};
    const double y[] = {0, 0, 1e300, 0, std::nan(""), 0, -std::numeric_limits<double>::infinity()};
    plot->FFTDraw(x, y, 7, 30, clWhite, PlotStyleLine);
    plot->FFTDraw(x, y, 7, 31, clWhite, PlotStyleLineFilledSquares);
    const QImage page = plot->GetPlotPage()->Bitmap()->Image();
    const auto at = [&](double px) { return At(page, PixelX(px), PixelY(0.0)); };
    EXPECT_EQ(at(1050), clWhite);   // drawn
    EXPECT_EQ(at(1175), 0x880000);  // towards the spike: moved to, not drawn to; the 0 dB line shows
    EXPECT_EQ(at(1225), 0x880000);  // after the missing value: moved to
    EXPECT_EQ(at(1275), 0x880000);
    EXPECT_EQ(At(page, PixelX(1300), PixelY(0.0)), clWhite);  // the square of the last good point
}

TEST_F(MainFormPlotTest, TheEarliestCurveLiesOnTopAndTheTotalTakesItsChannelColour)
{
    std::vector<double> level(4096, 3.0);
    plot->FFTDraw(level.data(), 4096, 40, clRed, PlotStyleLine);
    plot->FFTDraw(level.data(), 4096, 41, clWhite, PlotStyleLine);
    EXPECT_EQ(At(plot->GetPlotPage()->Bitmap()->Image(), PixelX(2000), PixelY(3.0)), clRed);

    // Any channel number picks a colour of the table, cyclically; slot -1 selects slot 0.
    Plot model(plot);
    model.Filters[0]->SetFilter(3.0, 250.0, 1.0, ftPeak);
    model.DrawTotal(12);
    TColor colour = 0;
    ASSERT_TRUE(plot->GetPlotColor(colour, PlotCurveSlots::ChannelTotal));
    EXPECT_EQ(colour, static_cast<TColor>(ChannelColors[2]));
    model.ShowSelectedBand(0, -1, 3.0f, 1.0f, true);
    EXPECT_EQ(Texts(plot->DrawnParamTexts()), (std::vector<QString>{"Q:1.00", "250.0Hz", " 3.0dB"}));
    model.ShowSelectedBand(0, 27, 3.0f, 1.0f, true);
    EXPECT_EQ(plot->DrawnParamTexts().size(), 3u);
}

TEST_F(MainFormPlotTest, FrequencyLabelsFollowTheWidth)
{
    struct Row {
        const char *name;
        int width;
        std::vector<QString> texts;
    };
    const Row rows[] = {
        {.name = "channel plot",
         .width = 1070,
         .texts = {"20Hz", "100Hz", "1KHz", "10KHz", "20KHz", "50Hz", "200Hz", "500Hz", "2KHz", "5KHz"}},
        {.name = "800", .width = 800, .texts = {"20Hz", "100Hz", "1KHz", "10KHz", "20KHz", "50Hz", "200Hz", "500Hz", "2KHz", "5KHz"}},
        {.name = "799", .width = 799, .texts = {"20Hz", "100Hz", "1KHz", "10KHz"}},
        {.name = "Gain page", .width = 530, .texts = {"20Hz", "100Hz", "1KHz", "10KHz"}},
    };
    for (const Row &r : rows) {
        Resize(r.width, 255);
        EXPECT_EQ(Texts(plot->DrawnXLabels()), r.texts) << r.name;
    }
    // Each label is centred under its grid line: 1 kHz at point 2624.9.
    const TDrawnText &kHz = plot->DrawnXLabels()[2];
    const int width = plot->AxisLabelFont()->TextWidth(kHz.Text);
    EXPECT_NEAR(kHz.X + width / 2.0, plot->ScreenX(4096 * 3.0 / std::log10(48000.0)), 1.0);
    EXPECT_EQ(kHz.Y, 1);
}

TEST_F(MainFormPlotTest, ValueLabelsForMagnitudeAndPhase)
{
    EXPECT_EQ(Texts(plot->DrawnYLabels()),
              (std::vector<QString>{"+18dB", "-18dB", "-12dB", "-6dB", "0dB", "+6dB", "+12dB"}));
    ToPhaseAxis();
    EXPECT_EQ(Texts(plot->DrawnYLabels()), (std::vector<QString>{QString::fromUtf8("+180°"), QString::fromUtf8("-180°"), QString::fromUtf8("-90°"), QString::fromUtf8("0°"), QString::fromUtf8("+90°")}));
    // Right-aligned 2 pixels from the label column's edge, the top one at the top.
    const std::vector<TDrawnText> &drawn = plot->DrawnYLabels();
    EXPECT_EQ(drawn[0].Y, 0);
    EXPECT_EQ(drawn[0].X + plot->AxisLabelFont()->TextWidth(drawn[0].Text), plot->GetPlotOrigin().X - 2);
    plot->SetNumHorzGrid(0);
    EXPECT_EQ(Texts(plot->DrawnYLabels()), (std::vector<QString>{QString::fromUtf8("+180°"), QString::fromUtf8("-180°")}));
}

TEST_F(MainFormPlotTest, ParameterTextsOfTheSelectedBand)
{
    const double x = FrequencyToCurveX(1000.0);
    plot->DrawParam(0, -3.0, x, 1000.0f, 1.41, clYellow);
    const int left = static_cast<int>(plot->ScreenX(x) - 20);
    const double py = plot->ScreenY(-3.0);
    EXPECT_EQ(plot->DrawnParamTexts(),
              (std::vector<TDrawnText>{{"Q:1.41", left, static_cast<int>(py - 69)},
                                       {"1.00KHz", left, static_cast<int>(py - 56)},
                                       {"-3.0dB", left, static_cast<int>(py - 43)}}));
    plot->DrawParam(0, 0.0, x, 999.9f, 1.41, clYellow);
    EXPECT_EQ(Texts(plot->DrawnParamTexts()), (std::vector<QString>{"Q:1.41", "999.9Hz", " 0.0dB"}));
    EXPECT_EQ(plot->DrawnParamTexts()[0].Y, static_cast<int>(plot->ScreenY(0.0) - 69));
    plot->DrawParam(2, 4.5, x, 120.0f, 0.71, clYellow);
    EXPECT_EQ(Texts(plot->DrawnParamTexts()), (std::vector<QString>{"Q:0.71", "120.0Hz", " 4.5dB"}));
}

// Which lines a band's text has and where, by the type passed: drawn at once by DrawParam, and by
// the overlay pass for the selected band.
TEST_F(MainFormPlotTest, ParameterTextLinesByType)
{
    struct Row {
        const char *name;
        int type;
        double gain;
        std::vector<int> offsets;         // DrawParam's text
        std::vector<int> overlayOffsets;  // the overlay pass's text of the selected band
    };
    const Row rows[] = {
        {.name = "peak cut", .type = 0, .gain = -3, .offsets = {-69, -56, -43}, .overlayOffsets = {-69, -56, -43}},
        {.name = "peak boost", .type = 0, .gain = 3, .offsets = {20, 33, 46}, .overlayOffsets = {20, 33, 46}},
        {.name = "low shelf", .type = 1, .gain = 0, .offsets = {-69, -56, -43}, .overlayOffsets = {-69, -56, -43}},
        {.name = "high shelf", .type = 2, .gain = 2, .offsets = {20, 33, 46}, .overlayOffsets = {20, 33, 46}},
        {.name = "low pass", .type = 3, .gain = 0, .offsets = {-69, -56}, .overlayOffsets = {-69, -56}},
        {.name = "high pass", .type = 4, .gain = 1, .offsets = {20, 33}, .overlayOffsets = {20, 33}},
        {.name = "all-pass 1", .type = 5, .gain = 0, .offsets = {-43}, .overlayOffsets = {-43}},
        {.name = "all-pass 2", .type = 6, .gain = 0, .offsets = {-69, -56}, .overlayOffsets = {-69, -56}},
        {.name = "7", .type = 7, .gain = 0, .offsets = {}, .overlayOffsets = {-69, -56}},
        {.name = "9", .type = 9, .gain = 1, .offsets = {}, .overlayOffsets = {20, 33}},
        {.name = "high-pass marker", .type = 10, .gain = 0, .offsets = {-43}, .overlayOffsets = {-43}},
        {.name = "low-pass marker", .type = 11, .gain = 5, .offsets = {20}, .overlayOffsets = {20}},
        {.name = "12", .type = 12, .gain = 0, .offsets = {}, .overlayOffsets = {-69, -56}},
        {.name = "negative", .type = -1, .gain = 0, .offsets = {-69, -56, -43}, .overlayOffsets = {-69, -56, -43}},
    };
    const double x = FrequencyToCurveX(500.0);
    plot->SetCurveDisplay(true);
    for (const Row &r : rows) {
        const auto offsets = [&] {
            std::vector<int> o;
            for (const TDrawnText &d : plot->DrawnParamTexts())
                o.push_back(d.Y - static_cast<int>(plot->ScreenY(r.gain)));
            return o;
        };
        plot->DrawParam(r.type, r.gain, x, 500.0f, 2.0, clYellow);
        EXPECT_EQ(offsets(), r.offsets) << r.name;
        plot->UpdateCurvePage();
        EXPECT_EQ(offsets(), r.overlayOffsets) << r.name << " (overlay)";
    }
}

TEST_F(MainFormPlotTest, ShowAllWritesEveryCircleMarkersTextButTheSelectedOnes)
{
    Plot model(plot);
    const double frequencies[] = {100.0, 1000.0, 5000.0};
    for (int slot = 0; slot < 3; ++slot) {
        model.Filters[static_cast<std::size_t>(slot)]->SetFilter(-2.0, frequencies[slot], 1.0, ftPeak);
        model.ShowBlock(slot, -2.0f, bkCircle);
    }
    model.Filters[3]->SetFilter(0.0, 2000.0, 0.7, ftAllPass2);
    model.ShowBlock(3, 0.0f, bkCircle);
    model.ShowSelectedBand(0, 1, -2.0f, 1.0f, true);
    model.ShowSelectedBand(0, 1, -2.0f, 1.0f, false);
    plot->SetParameterDisplay(true);
    plot->UpdateCurvePage();
    // Peaks at 100 Hz and 5 kHz with three lines each; the second-order all-pass (filter type
    // 17) with Q and frequency; none at the selected band.
    EXPECT_EQ(Texts(plot->DrawnParamTexts()),
              (std::vector<QString>{"Q:1.00", "100.0Hz", "-2.0dB", "Q:1.00", "5.00KHz", "-2.0dB", "Q:0.70", "2.00KHz"}));
}

TEST_F(MainFormPlotTest, MarkerSlotsOutsideTheRangeAreIgnored)
{
    plot->DrawBlock(0.0, 2000.0, clRed, 50, false, bkCircle);
    plot->DrawBlock(0.0, 2000.0, clRed, -1, false, bkCircle);
    plot->SetBlockParameter(50, 1000, 0, 1, 1);
    plot->SetBlockPosition(10, 10, 77);
    EXPECT_EQ(plot->GetBlockPos(50), TPoint());
    EXPECT_EQ(plot->GetBlockPos(-1), TPoint());
    // A marker never placed lies at x = 0 of the point axis, left of the visible range.
    EXPECT_LT(plot->GetBlockPos(7).X, 0);
    // Huge and non-finite positions stay far outside without overflowing.
    plot->DrawBlock(1e300, -1e300, clRed, 8, false, bkSquare);
    EXPECT_LT(plot->GetBlockPos(8).X, -1000000);
    EXPECT_LT(plot->GetBlockPos(8).Y, -1000000);
    plot->DrawBlock(std::nan(""), 2000.0, clRed, 9, false, bkSquare);
    plot->UpdateCurvePage();
}

TEST_F(MainFormPlotTest, LayoutOfTheChannelPlotAndOfTooSmallControls)
{
    // Curve area: 10 pixels below the top, 10-pixel margin on the right, label column on the left.
    const TPoint origin = plot->GetPlotOrigin();
    EXPECT_EQ(origin.Y, 10);
    EXPECT_EQ(origin.X + plot->GetPlotWidth(), 1070 - 10);
    EXPECT_GT(origin.X, 20);
    EXPECT_LT(origin.X, 80);
    EXPECT_GT(plot->GetPlotHeight(), 220);

    // Too low for the X labels: the rows above and below the curve area are given up.
    Resize(1070, 20);
    EXPECT_FALSE(plot->ShowXLabel());
    EXPECT_FALSE(plot->ShowXTitle());
    EXPECT_FALSE(plot->ShowPlotTitle());
    EXPECT_EQ(plot->GetPlotHeight(), 10);

    // Too low even without them: the layout ends, the pages stay where they were.
    Resize(1070, 6);
    EXPECT_EQ(plot->GetPlotHeight(), 10);
    EXPECT_EQ(plot->GetPlotOrigin().Y, 10);

    // Too narrow for the value labels.
    Resize(30, 255);
    EXPECT_FALSE(plot->ShowYLabel());
    EXPECT_FALSE(plot->ShowYTitle());
    EXPECT_GE(plot->GetPlotWidth(), 0);
    Resize(3, 3);
    EXPECT_GE(plot->GetPlotWidth(), 0);
    EXPECT_GE(plot->GetPlotHeight(), 0);
}

TEST_F(MainFormPlotTest, PixelsOfAChannelPlot)
{
    const TPoint o = plot->GetPlotOrigin();
    QImage image = Render();
    const auto pixel = [&](int x, int y) { return At(image, o.X + x, o.Y + y); };

    // Black curve area, decade lines and the 0 dB line in AxisColor, the others in GridColor.
    const int quiet = PixelY(16.5);  // between grid lines, above every curve
    EXPECT_EQ(pixel(PixelX(FrequencyToCurveX(25.0)), quiet), clBlack);
    EXPECT_EQ(pixel(PixelX(2624.94), quiet), 0x880000);
    EXPECT_EQ(pixel(PixelX(FrequencyToCurveX(200.0)), quiet), 0x580000);
    EXPECT_EQ(pixel(PixelX(FrequencyToCurveX(25.0)), PixelY(0.0)), 0x880000);

    Plot model(plot);
    model.Filters[0]->SetFilter(6.0, 1000.0, 0.7071, ftPeak);
    model.Filters[1]->SetFilter(-6.0, 200.0, 2.0, ftPeak);
    model.ShowBlock(1, -6.0f, bkCircle);
    model.DrawTotal(2);
    plot->UpdateCurvePage();
    image = Render();

    // The channel total in ChannelColors[2], its +6 dB peak at 1 kHz.
    const TColor total = static_cast<TColor>(ChannelColors[2]);
    bool covered = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            covered = covered || pixel(PixelX(2625) + dx, PixelY(6.0) + dy) == total;
    EXPECT_TRUE(covered);

    // The band marker's rim in BandColors[1], around its place.
    const TPoint marker = plot->GetBlockPos(1);
    EXPECT_EQ(marker, TPoint(PixelX(FrequencyToCurveX(200.0)), PixelY(-6.0)));
    EXPECT_EQ(pixel(marker.X - 4, marker.Y), static_cast<TColor>(BandColors[1]));

    // The marker follows a resize.
    Resize(900, 255);
    Render();
    EXPECT_EQ(plot->GetBlockPos(1), TPoint(PixelX(FrequencyToCurveX(200.0)), PixelY(-6.0)));
}

TEST_F(MainFormPlotTest, PhaseAxisWithCrossoverMarkersSelectedBandAndFreeText)
{
    ToPhaseAxis();
    Plot model(plot);
    model.SetPhaseMode(true);
    model.Filters[0]->SetFilter(-4.0, 300.0, 1.0, ftPeak);
    model.Filters[PlotCurveSlots::HighPassTotal]->SetFilter(0.0, 60.0, 0.7071, ftHighPass2);
    model.Filters[PlotCurveSlots::LowPassTotal]->SetFilter(0.0, 8000.0, 0.7071, ftLowPass2);
    model.ShowBlock(0, -4.0f, bkCircle);
    model.ShowBlock(PlotCurveSlots::HighPassTotal, 0.0f, bkHighPass);
    model.ShowBlock(PlotCurveSlots::LowPassTotal, 0.0f, bkLowPass);
    model.DrawTotal(3);
    model.ShowSelectedBand(0, 0, -4.0f, 1.0f, true);
    plot->DrawTextA(plot->Width() / 3, plot->Height() / 4, 60, static_cast<TColor>(0xFF00000F), "Times New Roman",
                    "BYPASS");
    plot->UpdateCurvePage();
    const QImage image = Render();
    const TPoint o = plot->GetPlotOrigin();

    // The selected band's text in yellow above its marker; the crossover captions in white.
    EXPECT_EQ(Texts(plot->DrawnParamTexts()), (std::vector<QString>{"Q:1.00", "300.0Hz", "-4.0dB"}));
    const auto yellowIn = [&](const TRect &r) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += At(image, o.X + x, o.Y + y) == clYellow;
        return n;
    };
    const TDrawnText &q = plot->DrawnParamTexts()[0];
    EXPECT_GT(yellowIn(TRect(q.X, q.Y, q.X + 40, q.Y + 12)), 10);
    // The free text in the button-face colour, large, a third of the way in.
    int face = 0;
    for (int y = plot->Height() / 4; y < plot->Height() / 4 + 60; ++y)
        for (int x = plot->Width() / 3; x < plot->Width() / 3 + 250; ++x)
            face += At(image, x - o.X + o.X, y) == ColorToRGB(clBtnFace);
    EXPECT_GT(face, 500);
}

TEST_F(MainFormPlotTest, SelectedBandFillIsTranslucentGreyDownToItsBaseline)
{
    Plot model(plot);
    model.Filters[0]->SetFilter(6.0, 1000.0, 0.7071, ftPeak);
    model.Filters[1]->SetFilter(0.0, 300.0, 0.7071, ftLowPass2);
    model.DrawTotal(2);
    const int column = PixelX(FrequencyToCurveX(1000.0)) + 3;  // off the 1 kHz grid line
    // Red of the curve page's pixel at a level in the fill's column.
    const auto greyAt = [&](int x, double y) {
        return qRed(plot->GetPlotPage()->Bitmap()->Image().pixel(x, PixelY(y)));
    };
    const auto grey = [&](double y) { return greyAt(column, y); };

    // Drawn at once: between the peak and the 0 dB line grey at alpha 30 over black; black above
    // the curve and below the line.
    model.ShowSelectedBand(0, 0, 6.0f, 0.7071f, true);
    const int once = grey(1.5);
    EXPECT_GT(once, 5);
    EXPECT_LT(once, 40);
    EXPECT_EQ(QColor(plot->GetPlotPage()->Bitmap()->Image().pixel(column, PixelY(1.5))).saturation(), 0);
    EXPECT_EQ(grey(10.5), 0);
    EXPECT_EQ(grey(-4.5), 0);
    // Every overlay pass paints it again until the next plot pass.
    plot->UpdateCurvePage();
    EXPECT_GT(grey(1.5), once);
    plot->DrawAllPlots();
    plot->SetCurveDisplay(false);
    plot->UpdateCurvePage();
    EXPECT_EQ(grey(1.5), 0);

    // A pass filter is filled down to the bottom edge; more than 4096 points are cut to 4096.
    model.ShowSelectedBand(3, 1, 0.0f, 0.7071f, true);
    EXPECT_GT(greyAt(PixelX(FrequencyToCurveX(150.0)), -16.5), 5);
    std::vector<double> longCurve(5000, 3.0);
    plot->DrawAllPlots();
    plot->DrawCurveFill(3, longCurve.data(), static_cast<int>(longCurve.size()));
    EXPECT_GT(grey(1.5), 5);
    Render();
}

namespace {

// A second channel plot like the fixture's, laid out and drawn.
std::unique_ptr<TComponent> AnotherMainFormPlot(LMyFFTDrawPhase *&plot)
{
    std::unique_ptr<TComponent> form{CreateComponentFromText(QString::fromUtf8(MainFormPlot), "plot.dfm", nullptr)};
    plot = dynamic_cast<LMyFFTDrawPhase *>(form->FindComponent("fftDrawOut1"));
    plot->ResizePaintPage();
    plot->Redraw();
    return form;
}

int DifferingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

}  // namespace

TEST_F(MainFormPlotTest, TheSelectedBandsFillFollowsEveryChangeOfTheAxesTheSizeAndTheBand)
{
    // One plot paints a band's fill a few times, then changes and paints again; another plot
    // makes the same change before it paints at all. Their curve pages must agree pixel for
    // pixel: nothing the first kept from before the change may reach its fill after it.
    struct Change {
        const char *name;
        std::function<void(LMyFFTDrawPhase &, Plot &)> apply;
        bool selectsBand = false;
    };
    const Change changes[] = {
        {.name = "the y range", .apply = [](LMyFFTDrawPhase &p, Plot &) { p.SetYMax(12.0); }},
        {.name = "the x range", .apply = [](LMyFFTDrawPhase &p, Plot &) { p.SetXMin(1200.0); }},
        {.name = "the size",
         .apply =
             [](LMyFFTDrawPhase &p, Plot &) {
                 p.SetBounds(p.Left(), p.Top(), 900, 200);
                 p.ResizePaintPage();
             }},
        {.name = "a log y axis", .apply = [](LMyFFTDrawPhase &p, Plot &) { p.SetYAxisFormat(TMyAxisFormat::Log); }},
        {.name = "another band",
         .apply = [](LMyFFTDrawPhase &, Plot &m) { m.ShowSelectedBand(1, 1, -4.0f, 0.7071f, true); },
         .selectsBand = true},
        {.name = "the same band with another gain",
         .apply =
             [](LMyFFTDrawPhase &, Plot &m) {
                 m.Filters[0]->SetFilter(-5.0, 1000.0, 0.7071, ftPeak);
                 m.ShowSelectedBand(0, 0, -5.0f, 0.7071f, true);
             },
         .selectsBand = true},
    };
    for (const Change &c : changes) {
        SCOPED_TRACE(c.name);
        LMyFFTDrawPhase *first = nullptr;
        LMyFFTDrawPhase *second = nullptr;
        const auto firstForm = AnotherMainFormPlot(first);
        const auto secondForm = AnotherMainFormPlot(second);
        Plot firstModel(first), secondModel(second);
        for (auto [p, m] : {std::pair{first, &firstModel}, std::pair{second, &secondModel}}) {
            p->SetAutoRedraw(false);
            m->Filters[0]->SetFilter(6.0, 1000.0, 0.7071, ftPeak);
            m->Filters[1]->SetFilter(-4.0, 300.0, 0.7071, ftLowShelf);
            m->ShowBlock(0, 6.0f, bkCircle);
            m->ShowBlock(1, -4.0f, bkCircle);
        }
        const auto paint = [](LMyFFTDrawPhase &p) {
            p.DrawAllPlots();
            p.UpdateCurvePage();
            p.UpdateCurvePage();
        };
        firstModel.ShowSelectedBand(0, 0, 6.0f, 0.7071f, true);
        paint(*first);
        c.apply(*first, firstModel);
        paint(*first);

        c.apply(*second, secondModel);
        if (!c.selectsBand)
            secondModel.ShowSelectedBand(0, 0, 6.0f, 0.7071f, true);
        paint(*second);
        EXPECT_EQ(DifferingPixels(first->GetPlotPage()->Bitmap()->Image(), second->GetPlotPage()->Bitmap()->Image()),
                  0);
    }
}

TEST_F(MainFormPlotTest, WhatIsDrawnAfterAFillLiesOverIt)
{
    // A text drawn right after the fill lies over it as if the fill had been painted at once;
    // drawn before it, the text would be tinted by the fill.
    const auto drawn = [](bool textFirst, bool lookBetween) {
        LMyFFTDrawPhase *p = nullptr;
        const auto form = AnotherMainFormPlot(p);
        Plot model(p);
        model.Filters[0]->SetFilter(6.0, 1000.0, 0.7071, ftPeak);
        model.DrawTotal(2);
        const auto text = [&] {
            const int x = static_cast<int>(p->ScreenX(FrequencyToCurveX(600.0)));
            p->DrawTextA(x, static_cast<int>(p->ScreenY(4.0)), 20, clWhite, "Arial", "MMMM");
        };
        if (textFirst)
            text();
        model.ShowSelectedBand(0, 0, 6.0f, 0.7071f, true);
        if (lookBetween)
            p->GetPlotPage();
        if (!textFirst)
            text();
        return p->GetPlotPage()->Bitmap()->Image();
    };
    const QImage later = drawn(false, false);
    EXPECT_EQ(DifferingPixels(later, drawn(false, true)), 0);
    EXPECT_GT(DifferingPixels(later, drawn(true, true)), 0);
}
