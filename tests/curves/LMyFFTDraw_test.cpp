// The magnitude-only twin of the response plot control: what it publishes, its value labels and
// the line rules of its parameter texts.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "curves/LMyFFTDraw.h"
#include "curves/Plot.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/PaintBox.h"
#include "tests/curves/CurvesTestSupport.h"
#include "tests/platform/ui/ControlsTestApp.h"

using curvestest::At;
using curvestest::Texts;

namespace {

// A twin placed like a channel plot, read from a form definition.
constexpr char TwinForm[] = R"(object fmPlotHost: TForm
  ClientWidth = 1100
  ClientHeight = 280
  object fftDraw: LMyFFTDraw
    Left = 10
    Top = 10
    Width = 1070
    Height = 255
    AxisColor = $00880000
    YAutoScale = False
    XAutoScale = False
    XMax = 3840.0
    XMin = 966.0
    GridColor = $00580000
    AxisLabelFont.Color = $0000DD00
    AxisLabelFont.Height = -11
    AxisLabelFont.Name = 'Tahoma'
    SampleRate = n96000
  end
end
)";

struct TwinTest : ::testing::Test {
    std::unique_ptr<TComponent> form{CreateComponentFromText(QString::fromUtf8(TwinForm), "twin.dfm", nullptr)};
    LMyFFTDraw *plot = dynamic_cast<LMyFFTDraw *>(form->FindComponent("fftDraw"));
    int renders = 0;

    void SetUp() override
    {
        ASSERT_NE(plot, nullptr);
        plot->ResizePaintPage();
        plot->Redraw();
    }
    // Offsets of the parameter texts drawn last from the marker's y.
    std::vector<int> Offsets(double gain) const
    {
        std::vector<int> o;
        for (const TDrawnText &d : plot->DrawnParamTexts())
            o.push_back(d.Y - static_cast<int>(plot->ScreenY(gain)));
        return o;
    }
};

}  // namespace

TEST(TwinPropertiesTest, PublishesThePhaseControlsPropertiesButTheYLabelScaleInItsOwnOrder)
{
    auto owner = std::make_unique<TComponent>(nullptr);
    auto *plot = new LMyFFTDraw(owner.get());
    const std::vector<QString> expected = {
        "AutoRedraw",
        "AxisColor",
        "AxisStyle",
        "XAxisFormat",
        "YAxisFormat",
        "ShowXLabel",
        "ShowYLabel",
        "YAutoScale",
        "XAutoScale",
        "YMax",
        "YMin",
        "XMax",
        "XMin",
        "ShowCoordinates",
        "YLabelPrecision",
        "XLabelPrecision",
        "XLabelDigits",
        "YLabelDigits",
        "YLabelFormat",
        "XLabelFormat",
        "PointSize",
        "MouseControl",
        "ShowVertGrid",
        "ShowHorzGrid",
        "ShowVertTicks",
        "ShowHorzTicks",
        "VertTickLength",
        "HorzTickLength",
        "NumVertGrid",
        "NumHorzGrid",
        "GridColor",
        "MouseX",
        "MouseY",
        "ShowXTitle",
        "ShowYTitle",
        "ShowPlotTitle",
        "XTitle",
        "YTitle",
        "PlotTitle",
        "PlotTitleFont",
        "AxisTitleFont",
        "AxisLabelFont",
        "MouseCoordFont",
        "OnChange",
        "FFTNuimber",
        "SampleRate",
    };
    // The paint box's own properties come first; the twin's follow in its order.
    const std::size_t inherited = GetPropList(new TPaintBox(owner.get())).size();
    const std::vector<TPropInfo> &props = GetPropList(plot);
    ASSERT_EQ(props.size(), inherited + expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TPropInfo &p = props[inherited + i];
        EXPECT_EQ(p.Name, expected[i]);
        // A new control holds every construction value its description declares.
        if (p.Kind != TTypeKind::Class && p.Kind != TTypeKind::Method) {
            EXPECT_TRUE(p.IsDefault(*plot)) << p.Name.toStdString();
        }
    }
    EXPECT_FALSE(IsPublishedProp(plot, "YLabelScale"));
    EXPECT_FALSE(IsPublishedProp(plot, "YLabel"));
    EXPECT_EQ(plot->YTitle(), "dB");
    EXPECT_EQ(plot->XTitle(), "Frequency ");
    EXPECT_EQ(plot->PlotTitle(), "Frequency Response");
    EXPECT_TRUE(plot->MouseControl());
    EXPECT_EQ(plot->Width(), 500);
    EXPECT_EQ(plot->Height(), 250);
    EXPECT_EQ(plot->AxisLabelFont()->Color(), 0x00FFFF);
}

TEST_F(TwinTest, ValueLabelsShowThePlainValueInDecibels)
{
    EXPECT_EQ(Texts(plot->DrawnYLabels()),
              (std::vector<QString>{"+18dB", "-18dB", "-12dB", "-6dB", "0dB", "+6dB", "+12dB"}));
    plot->SetYMax(1000.0);
    plot->SetYMin(1.0);
    plot->SetYAxisFormat(TMyAxisFormat::Log);
    EXPECT_EQ(Texts(plot->DrawnYLabels()), (std::vector<QString>{"10dB", "100dB"}));
}

// Which lines a band's text has and where, by the type passed: drawn at once through ShowParam,
// and by the overlay pass for the selected band.
TEST_F(TwinTest, ParameterTextLinesByType)
{
    struct Row {
        const char *name;
        int type;
        double gain;
        std::vector<QString> texts;
        std::vector<int> offsets;         // ShowParam's text
        std::vector<int> overlayOffsets;  // the overlay pass's text of the selected band
    };
    const Row rows[] = {
        {.name = "peak cut",
         .type = 0,
         .gain = -3.0,
         .texts = {"Q:1.41", "120.0Hz", "-3.0dB"},
         .offsets = {-69, -56, -43},
         .overlayOffsets = {-69, -56, -43}},
        {.name = "peak boost",
         .type = 0,
         .gain = 3.0,
         .texts = {"Q:1.41", "120.0Hz", " 3.0dB"},
         .offsets = {20, 33, 46},
         .overlayOffsets = {20, 33, 46}},
        {.name = "low shelf cut",
         .type = 1,
         .gain = -3.0,
         .texts = {"120.0Hz", "-3.0dB"},
         .offsets = {-46, -33},
         .overlayOffsets = {-56, -43}},
        {.name = "shelf at 0 dB",
         .type = 2,
         .gain = 0.0,
         .texts = {"120.0Hz", " 0.0dB"},
         .offsets = {-46, -33},
         .overlayOffsets = {-56, -43}},
        {.name = "high shelf boost",
         .type = 2,
         .gain = 4.5,
         .texts = {"120.0Hz", " 4.5dB"},
         .offsets = {20, 33},
         .overlayOffsets = {20, 33}},
        {.name = "negative",
         .type = -1,
         .gain = -1.0,
         .texts = {"120.0Hz", "-1.0dB"},
         .offsets = {-46, -33},
         .overlayOffsets = {-56, -43}},
        {.name = "low pass", .type = 3, .gain = 0.0, .texts = {"120.0Hz"}, .offsets = {-43}, .overlayOffsets = {-43}},
        {.name = "all-pass 1", .type = 5, .gain = 1.0, .texts = {"120.0Hz"}, .offsets = {20}, .overlayOffsets = {20}},
        {.name = "all-pass 2", .type = 6, .gain = 0.0, .texts = {"120.0Hz"}, .offsets = {-43}, .overlayOffsets = {-43}},
        {.name = "marker 10", .type = 10, .gain = 0.0, .texts = {"120.0Hz"}, .offsets = {-43}, .overlayOffsets = {-43}},
        {.name = "marker 11", .type = 11, .gain = 2.0, .texts = {"120.0Hz"}, .offsets = {20}, .overlayOffsets = {20}},
    };
    const double x = FrequencyToCurveX(120.0);
    plot->SetCurveDisplay(true);
    for (const Row &r : rows) {
        plot->DrawParam(r.type, r.gain, x, 120.0f, 1.41, clYellow);
        EXPECT_EQ(Texts(plot->DrawnParamTexts()), r.texts) << r.name;
        EXPECT_EQ(Offsets(r.gain), r.offsets) << r.name;
        // Every line starts 20 pixels left of the marker.
        for (const TDrawnText &d : plot->DrawnParamTexts())
            EXPECT_EQ(d.X, static_cast<int>(plot->ScreenX(x) - 20)) << r.name;
        plot->UpdateCurvePage();
        EXPECT_EQ(Offsets(r.gain), r.overlayOffsets) << r.name << " (overlay)";
    }
}

TEST_F(TwinTest, AMarkersTextTakesItsFilterTypeLessOne)
{
    // Filter type 1 (peak) draws as type 0, three lines; 17 (second-order all-pass) as 16, the
    // frequency alone.
    plot->DrawBlock(-2.0, FrequencyToCurveX(200.0), clRed, 0, false, bkCircle);
    plot->SetBlockParameter(0, 200.0, -2.0, 1.0, ftPeak);
    plot->DrawBlock(0.0, FrequencyToCurveX(3000.0), clRed, 1, false, bkCircle);
    plot->SetBlockParameter(1, 3000.0, 0.0, 0.7, ftAllPass2);
    plot->SetParameterDisplay(true);
    plot->UpdateCurvePage();
    EXPECT_EQ(Texts(plot->DrawnParamTexts()), (std::vector<QString>{"Q:1.00", "200.0Hz", "-2.0dB", "3.00KHz"}));
}

TEST_F(TwinTest, PixelsOfATwinWithACurveMarkersAndTheSelectedBand)
{
    // A 6 dB bump at 1 kHz and a shelf at 150 Hz, its band selected.
    std::vector<double> curve(4096);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const double d = (static_cast<double>(i) - FrequencyToCurveX(1000.0)) / 120.0;
        curve[i] = 6.0 * std::exp(-d * d) - (i < 2000 ? 4.0 : 0.0);
    }
    plot->FFTDraw(curve.data(), 4096, 12, clRed, PlotStyleLine);
    plot->DrawBlock(6.0, FrequencyToCurveX(1000.0), clYellow, 0, false, bkCircle);
    plot->SetBlockParameter(0, 1000.0, 6.0, 1.41, ftPeak);
    plot->DrawBlock(-4.0, FrequencyToCurveX(150.0), clAqua, 1, false, bkCircle);
    plot->SetBlockParameter(1, 150.0, -4.0, 0.71, ftLowShelf);
    plot->DrawParam(1, -4.0, FrequencyToCurveX(150.0), 150.0f, 0.71, clYellow);
    plot->SetCurveDisplay(true);
    plot->SetParameterDisplay(true);
    plot->UpdateCurvePage();
    const QImage image = curvestest::Render(plot, renders);
    const TPoint o = plot->GetPlotOrigin();

    // The curve in red on the 0 dB line at 300 Hz.
    bool red = false;
    for (int dy = -1; dy <= 1; ++dy)
        red = red || At(image, o.X + static_cast<int>(plot->ScreenX(FrequencyToCurveX(300.0))),
                        o.Y + static_cast<int>(plot->ScreenY(0.0)) + dy) == clRed;
    EXPECT_TRUE(red);
    // The selected shelf's text stands 10 pixels higher in the overlay pass: the top of its gain
    // line, at py - 43, holds yellow.
    const int left = static_cast<int>(plot->ScreenX(FrequencyToCurveX(150.0)) - 20);
    const int top = static_cast<int>(plot->ScreenY(-4.0) - 43);
    int yellow = 0;
    for (int y = top; y < top + 12; ++y)
        for (int x = left; x < left + 40; ++x)
            yellow += At(image, o.X + x, o.Y + y) == clYellow;
    EXPECT_GT(yellow, 10);
    EXPECT_EQ(Texts(plot->DrawnYLabels()).front(), "+18dB");
}
