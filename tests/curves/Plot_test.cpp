// The curve model without a plot control: designed sections against their analogue prototypes,
// spot values of the response curves, the channel total and the sound handling of bad input.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "curves/Plot.h"
#include "curves/ResponseGrid.h"

namespace {

using Complex = std::complex<double>;

void SetPhase(PlotFilter &f, bool phase)
{
    f.PhaseMode = phase;
}

// One slot's curve in the given mode.
ResponseCurve CurveOf(double gain, double frequency, double q, int type, bool phase, float a = 0, float b = 0)
{
    PlotFilter f;
    SetPhase(f, phase);
    f.SetSection(gain, frequency, q, type, a, b);
    return f.Response;
}

bool AllFinite(const ResponseCurve &c)
{
    for (double v : c)
        if (!std::isfinite(v))
            return false;
    return true;
}

}  // namespace

TEST(CurveGrid, FrequencyPositionsOnThePointAxis)
{
    struct Row {
        const char *name;
        double frequency;
        double x;
    };
    const Row rows[] = {
        {.name = "10 Hz", .frequency = 10, .x = 875.0},
        {.name = "100 Hz", .frequency = 100, .x = 1750.0},
        {.name = "1 kHz", .frequency = 1000, .x = 2624.9},
        {.name = "10 kHz", .frequency = 10000, .x = 3499.9},
    };
    for (const Row &r : rows)
        EXPECT_NEAR(FrequencyToCurveX(r.frequency), r.x, 0.05) << r.name;
    EXPECT_DOUBLE_EQ(CurveFrequency(0), 1.0);
    EXPECT_NEAR(CurveFrequency(4095), 47874.0, 1.0);
    EXPECT_NEAR(FrequencyToCurveX(CurveFrequency(2000)), 2000.0, 1e-9);
}

TEST(PlotModel, NewPlotIsFlatInBothModes)
{
    Plot plot(nullptr);
    ASSERT_EQ(Plot::Count, 27);
    for (bool phase : {false, true}) {
        plot.SetPhaseMode(phase);
        EXPECT_EQ(plot.GetPhaseMode(), phase);
        for (auto &slot : plot.Filters) {
            EXPECT_EQ(slot->PhaseMode, phase);
            slot->SetFilter(0.0, 1000.0, 0.4, ftHighShelf);
            for (double v : slot->Response)
                ASSERT_EQ(v, 0.0);
        }
    }
    EXPECT_EQ(plot.Filters[5]->Type, ftHighShelf);
    EXPECT_EQ(plot.Filters[5]->Q, 0.4);
}

TEST(PlotModel, SpotValuesOfTheBandTypes)
{
    struct Row {
        const char *name;
        int type;
        double gain;
        double q;
        bool phase;
        int point;
        double value;
        double tolerance;
    };
    const Row rows[] = {
        {.name = "peak +6",
         .type = ftPeak,
         .gain = 6,
         .q = 0.7071,
         .phase = false,
         .point = 2625,
         .value = 6.0,
         .tolerance = 1e-6},
        {.name = "peak -6",
         .type = ftPeak,
         .gain = -6,
         .q = 0.7071,
         .phase = false,
         .point = 2625,
         .value = -6.0,
         .tolerance = 1e-6},
        {.name = "peak 0 is flat",
         .type = ftPeak,
         .gain = 0,
         .q = 0.7071,
         .phase = false,
         .point = 2625,
         .value = 0.0,
         .tolerance = 1e-12},
        {.name = "HP2 at 1 Hz",
         .type = ftHighPass2,
         .gain = 0,
         .q = 0.7071,
         .phase = false,
         .point = 0,
         .value = -120.006,
         .tolerance = 1e-3},
        {.name = "HP2 phase at 1 Hz",
         .type = ftHighPass2,
         .gain = 0,
         .q = 0.7071,
         .phase = true,
         .point = 0,
         .value = 17.992,
         .tolerance = 1e-3},
        {.name = "LP2 at 1 kHz",
         .type = ftLowPass2,
         .gain = 0,
         .q = 0.7071,
         .phase = false,
         .point = 2625,
         .value = -3.0116,
         .tolerance = 1e-4},
        {.name = "LP2 phase at 1 kHz",
         .type = ftLowPass2,
         .gain = 0,
         .q = 0.7071,
         .phase = true,
         .point = 2625,
         .value = -9.0012,
         .tolerance = 1e-4},
        {.name = "low shelf +6 at 1 Hz",
         .type = ftLowShelf,
         .gain = 6,
         .q = 0.71,
         .phase = false,
         .point = 0,
         .value = 6.0,
         .tolerance = 1e-6},
        {.name = "low shelf +6 at the top",
         .type = ftLowShelf,
         .gain = 6,
         .q = 0.71,
         .phase = false,
         .point = 4095,
         .value = 0.0,
         .tolerance = 1e-6},
        {.name = "low shelf -6 at 1 Hz",
         .type = ftLowShelf,
         .gain = -6,
         .q = 0.71,
         .phase = false,
         .point = 0,
         .value = -6.0,
         .tolerance = 1e-6},
        {.name = "low shelf -6 at the top",
         .type = ftLowShelf,
         .gain = -6,
         .q = 0.71,
         .phase = false,
         .point = 4095,
         .value = 0.0,
         .tolerance = 1e-6},
        {.name = "AP2 below 1 kHz",
         .type = ftAllPass2,
         .gain = 0,
         .q = 0.7071,
         .phase = true,
         .point = 2624,
         .value = -17.960,
         .tolerance = 1e-3},
        {.name = "AP2 above 1 kHz",
         .type = ftAllPass2,
         .gain = 0,
         .q = 0.7071,
         .phase = true,
         .point = 2625,
         .value = 17.998,
         .tolerance = 1e-3},
        {.name = "AP1 phase at 1 Hz",
         .type = ftAllPass1,
         .gain = 0,
         .q = 0.7071,
         .phase = true,
         .point = 0,
         .value = 17.989,
         .tolerance = 1e-3},
        {.name = "AP1 phase at 1 kHz",
         .type = ftAllPass1,
         .gain = 0,
         .q = 0.7071,
         .phase = true,
         .point = 2625,
         .value = 8.999,
         .tolerance = 1e-3},
        {.name = "AP1 magnitude",
         .type = ftAllPass1,
         .gain = 0,
         .q = 0.7071,
         .phase = false,
         .point = 1000,
         .value = 0.0,
         .tolerance = 1e-9},
        {.name = "flat",
         .type = ftFlat,
         .gain = 5,
         .q = 0.7071,
         .phase = true,
         .point = 1000,
         .value = 0.0,
         .tolerance = 0},
    };
    for (const Row &r : rows) {
        const ResponseCurve c = CurveOf(r.gain, 1000.0, r.q, r.type, r.phase);
        EXPECT_NEAR(c[static_cast<std::size_t>(r.point)], r.value, r.tolerance) << r.name;
    }
}

TEST(PlotModel, PhaseBranchesFollowTheTypeAndTheSignOfTheGain)
{
    // High-pass phases run from about 18 down to 0, low-pass from 0 down to -18; a shelf's branch
    // follows the sign of its gain.
    const ResponseCurve hp = CurveOf(0, 1000, 0.7071, ftHighPass2, true);
    const ResponseCurve lp = CurveOf(0, 1000, 0.7071, ftLowPass2, true);
    for (std::size_t i = 0; i < hp.size(); ++i) {
        ASSERT_GE(hp[i], 0.0) << i;
        ASSERT_LE(lp[i], 0.0) << i;
    }
    EXPECT_NEAR(lp[0], 0.0, 0.01);
    EXPECT_NEAR(lp[4095], -18.0, 0.5);
    const ResponseCurve lowBoost = CurveOf(6, 1000, 0.71, ftLowShelf, true);
    const ResponseCurve lowCut = CurveOf(-6, 1000, 0.71, ftLowShelf, true);
    for (std::size_t i = 0; i < lowBoost.size(); i += 64) {
        EXPECT_LE(lowBoost[i], 0.0) << i;
        EXPECT_GE(lowCut[i], 0.0) << i;
    }
}

// For every type, the digital response equals its analogue prototype at the prewarped frequency
// (the bilinear mapping is exact), in magnitude and in phase up to the branch a type is drawn on.
TEST(PlotModel, EveryTypeMatchesItsAnaloguePrototype)
{
    struct Row {
        const char *name;
        int type;
        double gain;
        double q;
        float a;
        float b;
        std::function<Complex(Complex s, double V, double Q, double A, double B)> prototype;
    };
    using std::sqrt;
    const Row rows[] = {
        {"peak boost", ftPeak, 4.5, 1.4, 0, 0,
         [](Complex s, double V, double Q, double, double) {
             return (s * s + V * s / Q + 1.0) / (s * s + s / Q + 1.0);
         }},
        {"peak cut", ftPeak, -7, 2.0, 0, 0,
         [](Complex s, double V, double Q, double, double) {
             return (s * s + s / Q + 1.0) / (s * s + V * s / Q + 1.0);
         }},
        {"low shelf boost", ftLowShelf, 5, 0.71, 0, 0,
         [](Complex s, double V, double Q, double, double) {
             return (s * s + sqrt(V) * s / Q + V) / (s * s + s / Q + 1.0);
         }},
        {"low shelf cut", ftLowShelf, -9, 0.9, 0, 0,
         [](Complex s, double V, double Q, double, double) {
             return (s * s + s / Q + 1.0) / (s * s + sqrt(V) * s / Q + V);
         }},
        {"high shelf boost", ftHighShelf, 3, 0.71, 0, 0,
         [](Complex s, double V, double Q, double, double) {
             return (V * s * s + sqrt(V) * s / Q + 1.0) / (s * s + s / Q + 1.0);
         }},
        {"high shelf cut", ftHighShelf, -6, 1.2, 0, 0,
         [](Complex s, double V, double Q, double, double) {
             return (s * s + s / Q + 1.0) / (V * s * s + sqrt(V) * s / Q + 1.0);
         }},
        {"HP2", ftHighPass2, 0, 0.7071, 0, 0,
         [](Complex s, double, double Q, double, double) { return s * s / (s * s + s / Q + 1.0); }},
        {"LP2", ftLowPass2, 0, 0.5, 0, 0,
         [](Complex s, double, double Q, double, double) { return 1.0 / (s * s + s / Q + 1.0); }},
        {"band-pass", ftBandPass, 0, 3.0, 0, 0,
         [](Complex s, double, double Q, double, double) { return 2.0 * s / (Q * s * s + s + Q); }},
        {"AP1", ftAllPass1, 0, 0, 0, 0,
         [](Complex s, double, double, double, double) { return (s - 1.0) / (s + 1.0); }},
        {"LP1", ftLowPass1, 0, 0, 0, 0, [](Complex s, double, double, double, double) { return 1.0 / (s + 1.0); }},
        {"HP1 inverted", ftHighPass1, 0, 0, 0, 0,
         [](Complex s, double, double, double, double) { return -s / (s + 1.0); }},
        {"flat", ftFlat, 0, 0, 0, 0, [](Complex, double, double, double, double) { return Complex(1.0); }},
        {"LP section 1", ftLowPassSection1, 0, 0.05, 1.3617f, 0,
         [](Complex s, double, double, double A, double) { return 1.0 / (A * s + 1.0); }},
        {"LP section 2", ftLowPassSection2, 0, 0.05, 0.7654f, 0,
         [](Complex s, double, double, double A, double) { return 1.0 / (s * s + A * s + 1.0); }},
        {"LP section AB", ftLowPassSectionAB, 0, 0.05, 1.3397f, 0.4889f,
         [](Complex s, double, double, double A, double B) { return 1.0 / (B * s * s + A * s + 1.0); }},
        {"HP section 1", ftHighPassSection1, 0, 0.05, 0.756f, 0,
         [](Complex s, double, double, double A, double) { return s / (s + A); }},
        {"HP section 2", ftHighPassSection2, 0, 0.05, 1.8478f, 0,
         [](Complex s, double, double, double A, double) { return s * s / (s * s + A * s + 1.0); }},
        {"HP section AB", ftHighPassSectionAB, 0, 0.05, 0.9686f, 0.3505f,
         [](Complex s, double, double, double A, double B) { return s * s / (s * s + A * s + B); }},
        {"AP2", ftAllPass2, 0, 0.7071, 0, 0,
         [](Complex s, double, double Q, double, double) { return (s * s - s / Q + 1.0) / (s * s + s / Q + 1.0); }},
    };
    const double corner = 1234.5;
    const double k = std::tan(std::numbers::pi * corner / 96000.0);
    for (const Row &r : rows) {
        const ResponseCurve magnitude = CurveOf(r.gain, corner, r.q, r.type, false, r.a, r.b);
        const ResponseCurve phase = CurveOf(r.gain, corner, r.q, r.type, true, r.a, r.b);
        const double V = std::pow(10.0, std::abs(r.gain) / 20.0);
        for (int i : {3, 700, 1500, 2300, 2680, 2705, 3100, 3600, 4000}) {
            const double f = CurveFrequency(i);
            const Complex s(0.0, std::tan(std::numbers::pi * f / 96000.0) / k);
            const Complex h = r.prototype(s, V, r.q, r.a, r.b);
            const auto p = static_cast<std::size_t>(i);
            EXPECT_NEAR(magnitude[p], 20.0 * std::log10(std::abs(h)), 1e-6) << r.name << " at point " << i;
            // The same phase up to a whole half turn (the branch corrections add or take 18).
            const double d = phase[p] - std::atan(h.imag() / h.real()) * 18.0 / std::numbers::pi;
            EXPECT_NEAR(d - 18.0 * std::round(d / 18.0), 0.0, 1e-8) << r.name << " phase at point " << i;
        }
    }
}

TEST(PlotModel, UnknownTypeGivesAFlatCurveAndNoStaleCoefficients)
{
    // A design never borrows another slot's or another Plot's coefficients.
    Plot a(nullptr);
    Plot b(nullptr);
    a.Filters[0]->SetFilter(6.0, 1000.0, 0.7071, ftPeak);
    for (int type : {0, 18, -3}) {
        for (bool phase : {false, true}) {
            PlotFilter &slot = *b.Filters[1];
            slot.PhaseMode = phase;
            slot.SetFilter(6.0, 1000.0, 0.7071, ftPeak);  // a curve that is not flat first
            slot.SetFilter(6.0, 1000.0, 0.7071, type);
            EXPECT_FALSE(slot.DesignFilter()) << type;
            for (double v : slot.Response)
                ASSERT_EQ(v, 0.0) << "type " << type << (phase ? " phase" : " magnitude");
        }
    }
    EXPECT_NEAR(a.Filters[0]->Response[2625], 6.0, 1e-6);
    for (int type = 1; type <= 17; ++type) {
        PlotFilter f;
        f.SetSection(0, 1000, 0.7, type, 1.0f, 1.0f);
        EXPECT_TRUE(f.DesignFilter()) << type;
    }
}

TEST(PlotModel, NoCurveEverHoldsANaNOrAnInfinity)
{
    struct Row {
        const char *name;
        double gain, frequency, q;
        int type;
        float a, b;
    };
    const Row rows[] = {
        {.name = "Q 0", .gain = 3, .frequency = 1000, .q = 0, .type = ftPeak, .a = 0, .b = 0},
        {.name = "Nyquist", .gain = 0, .frequency = 48000, .q = 0.7, .type = ftLowPass2, .a = 0, .b = 0},
        {.name = "above Nyquist", .gain = 0, .frequency = 70000, .q = 0.7, .type = ftHighPass2, .a = 0, .b = 0},
        {.name = "zero frequency", .gain = 0, .frequency = 0, .q = 0.7, .type = ftHighPass2, .a = 0, .b = 0},
        {.name = "negative frequency", .gain = 0, .frequency = -50, .q = 0.7, .type = ftAllPass2, .a = 0, .b = 0},
        {.name = "huge gain", .gain = 1e6, .frequency = 1000, .q = 0.7, .type = ftLowShelf, .a = 0, .b = 0},
        {.name = "section A 0", .gain = 0, .frequency = 1000, .q = 0.05, .type = ftLowPassSection1, .a = 0, .b = 0},
        {.name = "section B 0", .gain = 0, .frequency = 1000, .q = 0.05, .type = ftLowPassSectionAB, .a = 1, .b = 0},
        {.name = "deep notch", .gain = -300, .frequency = 1000, .q = 50, .type = ftPeak, .a = 0, .b = 0},
        {.name = "NaN frequency", .gain = 0, .frequency = std::nan(""), .q = 0.7, .type = ftPeak, .a = 0, .b = 0},
    };
    for (const Row &r : rows)
        for (bool phase : {false, true}) {
            const ResponseCurve c = CurveOf(r.gain, r.frequency, r.q, r.type, phase, r.a, r.b);
            EXPECT_TRUE(AllFinite(c)) << r.name << (phase ? " phase" : " magnitude");
            for (double v : c)
                ASSERT_GE(v, phase ? -18.0 : MagnitudeFloorDb) << r.name;
        }
}

TEST(ResponseKernel, ZeroResponseFloorsAndHasNoPhase)
{
    ResponseCurve out{};
    const BiquadCoefficients silent{0, 0, 0, 0, 0};
    EvaluateMagnitude(silent, out);
    for (double v : out)
        ASSERT_NEAR(v, MagnitudeFloorDb, 1e-9);
    EvaluatePhase(silent, PhaseCorrection{}, out);
    for (double v : out)
        ASSERT_EQ(v, 0.0);
}

// The kernel's own logarithm and arctangent against the library's, over sections whose levels
// span hundreds of dB and whose phases take every quadrant.
TEST(ResponseKernel, AgreesWithTheLibraryFunctions)
{
    const ResponseGrid &g = SharedResponseGrid();
    const BiquadCoefficients sections[] = {
        {1e-7, 0, 0, 0.5, 0},    // about -140 dB
        {1e7, 2e6, 0, -0.3, 0},  // about +140 dB
        {0.3, 1.7, -0.4, 0.5, 0.25},  {-2.5, 0.1, 3.0, -0.2, 0.1},
        {1e5, -3e5, 2e5, -1.5, 0.56}, {0, 1, 0, 0, 0},  // pure delay: every angle
    };
    ResponseCurve magnitude{}, phase{};
    for (const BiquadCoefficients &c : sections) {
        EvaluateMagnitude(c, magnitude);
        EvaluatePhase(c, PhaseCorrection{}, phase);
        for (std::size_t i = 0; i < magnitude.size(); ++i) {
            const Complex z(g.Cos1[i], -g.Sin1[i]);
            const Complex h = (c.b0 + c.b1 * z + c.b2 * z * z) / (1.0 + c.a1 * z + c.a2 * z * z);
            const double db = 10.0 * std::log10(std::norm(h));
            ASSERT_NEAR(magnitude[i], db, 1e-10 * std::max(1.0, std::abs(db))) << c.b0 << " at " << i;
            ASSERT_NEAR(phase[i], std::atan(h.imag() / h.real()) * 18.0 / std::numbers::pi, 1e-10)
                << c.b0 << " at " << i;
        }
    }
}

TEST(PlotModel, ChannelTotalFoldsPhaseByWholeTurns)
{
    struct Row {
        const char *name;
        double first, second, folded;
    };
    const Row rows[] = {
        {.name = "20", .first = 10, .second = 10, .folded = -16},
        {.name = "60", .first = 30, .second = 30, .folded = -12},
        {.name = "-20", .first = -10, .second = -10, .folded = 16},
        {.name = "100", .first = 50, .second = 50, .folded = -8},
        {.name = "-100", .first = -50, .second = -50, .folded = 8},
        {.name = "18 stays", .first = 9, .second = 9, .folded = 18},
        {.name = "-18 is 18", .first = -9, .second = -9, .folded = 18},
        {.name = "inside", .first = 5, .second = -12, .folded = -7},
    };
    for (bool phase : {true, false}) {
        Plot plot(nullptr);
        plot.SetPhaseMode(phase);
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            plot.Filters[3]->Response[i] = rows[i].first;
            plot.Filters[11]->Response[i] = rows[i].second;
        }
        plot.DrawTotal(2);
        const ResponseCurve &total = plot.Filters[PlotCurveSlots::ChannelTotal]->Response;
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            const double expected = phase ? rows[i].folded : rows[i].first + rows[i].second;
            EXPECT_DOUBLE_EQ(total[i], expected) << rows[i].name << (phase ? " phase" : " magnitude");
        }
    }
}

TEST(PlotModel, DrawingCallsWithoutAControlAndOutOfRangeSlotsDoNothing)
{
    Plot plot(nullptr);
    plot.ShowBlock(3, 2.0f, 1);
    plot.ShowBlock(27, 2.0f, 1);
    plot.ShowBlock(-1, 2.0f, 1);
    plot.DrawCurve(40, clRed);
    plot.DrawTotal(-7);
    plot.RemoveCurve(12);
    plot.ShowSelectedBand(0, -1, 0.0f, 1.0f, true);
    plot.ShowSelectedBand(0, 99, 0.0f, 1.0f, true);
    plot.ShowSelectedBand(0, 0, 0.0f, 1.0f, false);
    SUCCEED();
}
