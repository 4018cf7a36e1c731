// Crossover cascades summed into a channel plot's total slots, and band slots from the table.

#include "EqPagesFixture.h"

#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "pages/CurveSynthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int Point1kHz = 2625;
constexpr int Point125Hz = 1835;

// Slope indexes of some combo items.
constexpr int Bypass = 0;
constexpr int BW6 = 1;
constexpr int BW12 = 3;
constexpr int LK24 = 10;
constexpr int BL30 = 12;
constexpr int LK36 = 15;
constexpr int BW48 = 18;
constexpr int LK48 = 20;

double Total(const Plot &plot, bool highPass, int point)
{
    return plot.Filters[highPass ? 10u : 11u]->Response[static_cast<std::size_t>(point)];
}

bool IsFlat(const ResponseCurve &curve)
{
    return std::all_of(curve.begin(), curve.end(), [](double v) { return v == 0.0; });
}

TEST(CurveSynthesisTest, CrossoverTotalsAt1kHz)
{
    struct Case {
        const char *Name;
        bool HighPass;
        int Slope;
        int Point;
        double Expected;
    };
    const Case cases[] = {
        {.Name = "BW -12 high-pass", .HighPass = true, .Slope = BW12, .Point = Point1kHz, .Expected = -3.009},
        {.Name = "LK -24 low-pass", .HighPass = false, .Slope = LK24, .Point = Point1kHz, .Expected = -6.023},
        {.Name = "BW -48 high-pass", .HighPass = true, .Slope = BW48, .Point = Point1kHz, .Expected = -3.005},
        {.Name = "LK -48 high-pass", .HighPass = true, .Slope = LK48, .Point = Point1kHz, .Expected = -6.017},
        {.Name = "LK -48 high-pass, 125 Hz",
         .HighPass = true,
         .Slope = LK48,
         .Point = Point125Hz,
         .Expected = -144.475},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        Plot plot(nullptr);
        ComputeCrossover(plot, c.HighPass, c.Slope, 1000.0, PlotCurveSlots::HighPassTotal);
        EXPECT_NEAR(Total(plot, c.HighPass, c.Point), c.Expected, 0.001);
        EXPECT_EQ(plot.Filters[c.HighPass ? 10u : 11u]->Frequency, 1000.0);
    }
}

// The table gives what designing the sections slot by slot and summing them gives; the total slot
// carries the last section's design at the crossover frequency.
TEST(CurveSynthesisTest, CascadesAreTheSumsOfTheirSections)
{
    struct Section {
        int Type;
        float A;
        float B;
    };
    struct Case {
        const char *Name;
        int Slope;
        bool HighPass;
        std::vector<Section> Sections;
    };
    const Case cases[] = {
        {.Name = "BL -30 low-pass",
         .Slope = BL30,
         .HighPass = false,
         .Sections = {{ftLowPassSection1, 0.6656f, 0},
                      {ftLowPassSectionAB, 1.1402f, 0.4128f},
                      {ftLowPassSectionAB, 0.6216f, 0.3245f}}},
        {.Name = "LK -36 high-pass",
         .Slope = LK36,
         .HighPass = true,
         .Sections = {{ftHighPassSection1, 1, 0},
                      {ftHighPassSection1, 1, 0},
                      {ftHighPassSection2, 1, 0},
                      {ftHighPassSection2, 1, 0}}},
        {.Name = "BW -48 high-pass",
         .Slope = BW48,
         .HighPass = true,
         .Sections = {{ftHighPassSection2, 0.3902f, 0},
                      {ftHighPassSection2, 1.1111f, 0},
                      {ftHighPassSection2, 1.6629f, 0},
                      {ftHighPassSection2, 1.9616f, 0}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        Plot plot(nullptr);
        ComputeCrossover(plot, c.HighPass, c.Slope, 250.0, 10);
        ResponseCurve expected{};
        for (const Section &s : c.Sections) {
            PlotFilter section;
            section.SetSection(0, 250.0, 0.05, s.Type, s.A, s.B);
            for (std::size_t i = 0; i < expected.size(); ++i)
                expected[i] += section.Response[i];
        }
        const PlotFilter &total = *plot.Filters[c.HighPass ? 10u : 11u];
        for (std::size_t i = 0; i < expected.size(); i += 7)
            ASSERT_NEAR(total.Response[i], expected[i], 1e-9) << i;
        EXPECT_EQ(total.Type, c.Sections.back().Type);
        EXPECT_EQ(total.SectionA, c.Sections.back().A);
        EXPECT_EQ(total.Frequency, 250.0);
    }
}

TEST(CurveSynthesisTest, BypassAndFirstOrderLiveInTheTotalSlotItself)
{
    Plot plot(nullptr);
    ComputeCrossover(plot, true, LK48, 500.0, 10);
    const ResponseCurve scratch = plot.Filters[13]->Response;
    ComputeCrossover(plot, true, Bypass, 400.0, 10);
    EXPECT_TRUE(IsFlat(plot.Filters[10]->Response));
    EXPECT_EQ(plot.Filters[10]->Frequency, 400.0);
    EXPECT_EQ(plot.Filters[13]->Response, scratch);  // no scratch slot touched

    ComputeCrossover(plot, false, BW6, 2000.0, 10);
    PlotFilter firstOrder;
    firstOrder.SetSection(0, 2000.0, 0.05, ftLowPassSection1, 1.0f, 0);
    EXPECT_EQ(plot.Filters[11]->Response, firstOrder.Response);
    EXPECT_EQ(plot.Filters[13]->Response, scratch);
}

// Stored slope indexes beyond the combo's 20 items come from a processor or a file: they draw as
// bypass.
TEST(CurveSynthesisTest, ASlopeIndexOutsideTheTableDrawsAsBypass)
{
    for (int slope : {21, 255, 65535, -1}) {
        Plot plot(nullptr);
        ComputeCrossover(plot, true, BW12, 1000.0, 10);
        ComputeCrossover(plot, true, slope, 300.0, 10);
        EXPECT_TRUE(IsFlat(plot.Filters[10]->Response)) << slope;
        EXPECT_EQ(plot.Filters[10]->Frequency, 300.0) << slope;
    }
}

TEST(CurveSynthesisTest, ALowPassAfterAHighPassHoldsOnlyItsOwnSections)
{
    Plot plot(nullptr);
    ComputeCrossover(plot, true, BW48, 100.0, 10);
    ComputeCrossover(plot, false, LK24, 5000.0, 10);
    Plot alone(nullptr);
    ComputeCrossover(alone, false, LK24, 5000.0, 10);
    EXPECT_EQ(plot.Filters[11]->Response, alone.Filters[11]->Response);
    for (std::size_t s = 15; s <= 17; ++s)
        EXPECT_TRUE(IsFlat(plot.Filters[s]->Response)) << s;
}

TEST(CurveSynthesisTest, PhaseTotalsAreUnfoldedSums)
{
    Plot plot(nullptr);
    plot.SetPhaseMode(true);
    ComputeCrossover(plot, true, LK48, 1000.0, 10);
    const ResponseCurve &total = plot.Filters[10]->Response;
    EXPECT_GT(*std::max_element(total.begin(), total.end()), 18.0);
    for (std::size_t i = 0; i < total.size(); i += 97) {
        double sum = 0;
        for (std::size_t s = 13; s <= 17; ++s)
            sum += plot.Filters[s]->Response[i];
        ASSERT_DOUBLE_EQ(total[i], sum) << i;
    }
}

TEST(CurveSynthesisTest, BandTypesOutsideTheTableDrawFlat)
{
    EXPECT_EQ(BandFilterType(0, false), ftPeak);
    EXPECT_EQ(BandFilterType(6, false), ftAllPass2);
    EXPECT_EQ(BandFilterType(3, true), ftFlat);
    EXPECT_EQ(BandFilterType(7, false), ftFlat);
    EXPECT_EQ(BandFilterType(-1, false), ftFlat);
}

// ---- On the channel pages ----------------------------------------------------------------------------

TEST_F(EqPagesTest, DrawingOperationsTakeTheChannelFromThePlotAndItsCrossoverFromTheModel)
{
    form->ControlsUpdating = true;
    form->Model.SetHighPass(ChOut3, BW48 | 140u << 16);
    form->Model.SetLowPass(ChOut3, LK24 | 240u << 16);
    form->ControlsUpdating = false;
    form->Pages.DrawHighPassCurve(&PlotControl(ChOut3));
    form->Pages.DrawLowPassCurve(&PlotControl(ChOut3));
    Plot alone(nullptr);
    ComputeCrossover(alone, true, BW48, static_cast<float>(IndexToFreq(140)), 10);
    ComputeCrossover(alone, false, LK24, static_cast<float>(IndexToFreq(240)), 10);
    EXPECT_EQ(Slot(ChOut3, 10).Response, alone.Filters[10]->Response);
    EXPECT_EQ(Slot(ChOut3, 11).Response, alone.Filters[11]->Response);
    PlotControl(ChOut3).UpdateCurvePage();
    EXPECT_NE(PlotControl(ChOut3).GetBlockPos(10), TPoint(0, 0));
    EXPECT_NE(PlotControl(ChOut3).GetBlockPos(11), TPoint(0, 0));
    // The channel total holds both.
    const std::size_t i = Point1kHz;
    EXPECT_DOUBLE_EQ(Slot(ChOut3, 12).Response[i], Slot(ChOut3, 10).Response[i] + Slot(ChOut3, 11).Response[i]);

    // Band curves come from the table, not from the model.
    Table(ChOut3).SetEqParamValue(4, 1000.0, 10, 6.0, 0, false);
    form->Pages.DrawPeqCurves(&PlotControl(ChOut3));
    EXPECT_EQ(Slot(ChOut3, 4).Type, ftPeak);
    EXPECT_NEAR(Slot(ChOut3, 4).Response[i], 6.0, 0.05);

    // Not a response plot: nothing.
    form->Pages.DrawPeqCurves(&Table(ChOut3));
    form->Pages.DrawHighPassCurve(nullptr);
}

}  // namespace
