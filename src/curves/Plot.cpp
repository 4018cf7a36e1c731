#include "curves/Plot.h"

#include <cmath>
#include <numbers>

#include "curves/LMyFFTDrawPhase.h"
#include "curves/ResponseGrid.h"
#include "device/GlobalConstants.h"

namespace {

const double Log10Of48000 = std::log10(48000.0);

// Divides the five coefficients by their normaliser.
BiquadCoefficients Normalised(double n, double b0, double b1, double b2, double a1, double a2)
{
    return {b0 / n, b1 / n, b2 / n, a1 / n, a2 / n};
}

// The design table of the bilinear transform with prewarping at 96 kHz, one row per FilterType.
// False for a type outside 1 to 17.
bool Design(const PlotFilter &f, BiquadCoefficients &c)
{
    const double K = std::tan(std::numbers::pi * f.Frequency / 96000.0);
    const double K2 = K * K;
    const double Q = f.Q;
    const double A = f.SectionA;
    const double B = f.SectionB;
    const bool boost = f.Gain >= 0.0;
    const double V = std::pow(10.0, std::abs(f.Gain) / 20.0);
    const double sqrtV = std::sqrt(V);

    switch (f.Type) {
    case ftPeak:
        if (boost)
            c = Normalised(1 + K / Q + K2, 1 + V * K / Q + K2, 2 * (K2 - 1), 1 - V * K / Q + K2, 2 * (K2 - 1),
                           1 - K / Q + K2);
        else
            c = Normalised(1 + V * K / Q + K2, 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2, 2 * (K2 - 1),
                           1 - V * K / Q + K2);
        return true;
    case ftLowShelf:
        if (boost)
            c = Normalised(1 + K / Q + K2, 1 + sqrtV * K / Q + V * K2, 2 * (V * K2 - 1), 1 - sqrtV * K / Q + V * K2,
                           2 * (K2 - 1), 1 - K / Q + K2);
        else
            c = Normalised(1 + sqrtV * K / Q + V * K2, 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2, 2 * (V * K2 - 1),
                           1 - sqrtV * K / Q + V * K2);
        return true;
    case ftHighShelf:
        if (boost) {
            c = Normalised(1 + K / Q + K2, V + sqrtV * K / Q + K2, 2 * (K2 - V), V - sqrtV * K / Q + K2, 2 * (K2 - 1),
                           1 - K / Q + K2);
        }
        else {
            // Numerator and denominator have normalisers of their own.
            const double n1 = V + sqrtV * K / Q + K2;
            const double rootInvV = std::sqrt(1.0 / V);
            const double n2 = 1 + rootInvV * K / Q + K2 / V;
            c = {(1 + K / Q + K2) / n1, 2 * (K2 - 1) / n1, (1 - K / Q + K2) / n1, 2 * (K2 / V - 1) / n2,
                 (1 - rootInvV * K / Q + K2 / V) / n2};
        }
        return true;
    case ftHighPass2: c = Normalised(1 + K / Q + K2, 1, -2, 1, 2 * (K2 - 1), 1 - K / Q + K2); return true;
    case ftLowPass2: c = Normalised(1 + K / Q + K2, K2, 2 * K2, K2, 2 * (K2 - 1), 1 - K / Q + K2); return true;
    case ftBandPass: c = Normalised(Q + K + Q * K2, 2 * K, 0, -2 * K, 2 * Q * (K2 - 1), Q - K + Q * K2); return true;
    case ftAllPass1:
        // b1 is -1 itself, not divided by the normaliser.
        c = {(1 - K) / (1 + K), -1, 0, -(1 - K) / (1 + K), 0};
        return true;
    case ftLowPass1: c = Normalised(1 + K, K, K, 0, K - 1, 0); return true;
    case ftHighPass1: c = Normalised(1 + K, -1, 1, 0, K - 1, 0); return true;
    case ftFlat: c = {1, 0, 0, 0, 0}; return true;
    case ftLowPassSection1: c = Normalised(1 + K / A, K / A, K / A, 0, K / A - 1, 0); return true;
    case ftLowPassSection2: c = Normalised(1 + A * K + K2, K2, 2 * K2, K2, 2 * (K2 - 1), 1 - A * K + K2); return true;
    case ftLowPassSectionAB:
        c = Normalised(1 + (A / B) * K + K2 / B, K2 / B, 2 * K2 / B, K2 / B, 2 * (K2 / B - 1),
                       1 - (A / B) * K + K2 / B);
        return true;
    case ftHighPassSection1: c = Normalised(1 + A * K, 1, -1, 0, A * K - 1, 0); return true;
    case ftHighPassSection2: c = Normalised(1 + A * K + K2, 1, -2, 1, 2 * (K2 - 1), 1 - A * K + K2); return true;
    case ftHighPassSectionAB:
        c = Normalised(1 + A * K + B * K2, 1, -2, 1, 2 * (B * K2 - 1), 1 - A * K + B * K2);
        return true;
    case ftAllPass2:
        c = Normalised(1 + K / Q + K2, 1 - K / Q + K2, 2 * (K2 - 1), 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2);
        return true;
    default: return false;
    }
}

// The branch each type's phase is drawn on (plot units, 18 = 180 degrees).
PhaseCorrection CorrectionOf(const PlotFilter &f)
{
    PhaseCorrection c;
    switch (f.Type) {
    case ftHighPass2:
    case ftAllPass1:
    case ftHighPassSection2:
    case ftHighPassSectionAB: c.AddTurnIfNegative = true; break;
    case ftLowPass2:
    case ftLowPassSection2:
    case ftLowPassSectionAB: c.SubtractTurnIfPositive = true; break;
    case ftAllPass2: {
        // -18..0 below the centre frequency, 0..18 above it.
        c.SubtractTurnIfPositive = true;
        const ResponseGrid &g = SharedResponseGrid();
        int i = 0;
        while (i < ResponsePointCount && !(g.Frequency[static_cast<std::size_t>(i)] > f.Frequency))
            ++i;
        c.AddTurnFrom = i;
        break;
    }
    case ftLowShelf:
        c.SubtractTurnIfPositive = f.Gain > 0.0;
        c.AddTurnIfNegative = f.Gain < 0.0;
        break;
    case ftHighShelf:
        c.AddTurnIfNegative = f.Gain > 0.0;
        c.SubtractTurnIfPositive = f.Gain < 0.0;
        break;
    default: break;
    }
    return c;
}

bool AllFinite(const BiquadCoefficients &c)
{
    return std::isfinite(c.b0) && std::isfinite(c.b1) && std::isfinite(c.b2) && std::isfinite(c.a1) &&
           std::isfinite(c.a2);
}

}  // namespace

double FrequencyToCurveX(double frequency)
{
    return ResponsePointCount * std::log10(frequency) / Log10Of48000;
}

double CurveFrequency(int i)
{
    const int k = i < 0 ? 0 : (i >= ResponsePointCount ? ResponsePointCount - 1 : i);
    return SharedResponseGrid().Frequency[static_cast<std::size_t>(k)];
}

double FoldPhase(double sum)
{
    if (!std::isfinite(sum))
        return 0.0;
    const double turn = 2.0 * PhaseFullScale;
    if (sum > PhaseFullScale || sum <= -PhaseFullScale)
        sum -= turn * std::ceil((sum - PhaseFullScale) / turn);
    return sum;
}

// ---- PlotFilter ---------------------------------------------------------------------------------

void PlotFilter::SetFilter(double gain, double frequency, double q, int type)
{
    Gain = gain;
    Frequency = frequency;
    Q = q;
    Type = type;
    Recalculate();
}

void PlotFilter::SetSection(double gain, double frequency, double q, int type, float sectionA, float sectionB)
{
    SectionA = sectionA;
    SectionB = sectionB;
    SetFilter(gain, frequency, q, type);
}

bool PlotFilter::DesignFilter(BiquadCoefficients &out) const
{
    BiquadCoefficients c;
    if (!Design(*this, c) || !AllFinite(c))
        return false;
    out = c;
    return true;
}

bool PlotFilter::DesignFilter() const
{
    BiquadCoefficients unused;
    return DesignFilter(unused);
}

void PlotFilter::Recalculate()
{
    BiquadCoefficients c;
    // An undesignable section is flat; so is one whose numerator equals its denominator (bypassed
    // bands, 0 dB shelves), exactly, whatever rounding the evaluation would add.
    if (!DesignFilter(c) || (c.b0 == 1.0 && c.b1 == c.a1 && c.b2 == c.a2)) {
        Response.fill(0.0);
        return;
    }
    if (PhaseMode)
        EvaluatePhase(c, CorrectionOf(*this), Response);
    else
        EvaluateMagnitude(c, Response);
}

// ---- Plot ---------------------------------------------------------------------------------------

Plot::Plot(LMyFFTDrawPhase *control) : Control(control)
{
    for (auto &f : Filters) {
        f = std::make_unique<PlotFilter>();
        f->SetFilter(0.0, 1000.0, 0.4, ftHighShelf);
    }
}

Plot::~Plot() = default;

PlotFilter *Plot::Slot(int slot) const
{
    return slot >= 0 && slot < Count ? Filters[static_cast<std::size_t>(slot)].get() : nullptr;
}

void Plot::ShowBlock(int slot, float gain, int kind)
{
    const PlotFilter *f = Slot(slot);
    if (!f || !Control)
        return;
    Control->DrawBlock(gain, FrequencyToCurveX(f->Frequency), static_cast<TColor>(BandColorAt(slot)), slot, false,
                       kind);
    Control->SetBlockParameter(slot, f->Frequency, f->Gain, f->Q, f->Type);
}

void Plot::DrawTotal(int channel)
{
    ResponseCurve &total = Filters[PlotCurveSlots::ChannelTotal]->Response;
    total.fill(0.0);
    for (int s = PlotCurveSlots::FirstBand; s <= PlotCurveSlots::LowPassTotal; ++s) {
        const ResponseCurve &r = Filters[static_cast<std::size_t>(s)]->Response;
        for (std::size_t i = 0; i < total.size(); ++i)
            total[i] += r[i];
    }
    if (PhaseMode)
        for (double &v : total)
            v = FoldPhase(v);
    if (Control)
        Control->FFTDraw(total.data(), ResponsePointCount, PlotCurveSlots::ChannelTotal,
                         static_cast<TColor>(ChannelColorAt(channel)), 0);
}

void Plot::DrawCurve(int slot, TColor colour)
{
    const PlotFilter *f = Slot(slot);
    if (f && Control)
        Control->FFTDraw(f->Response.data(), ResponsePointCount, slot, colour, 0);
}

void Plot::RemoveCurve(int id)
{
    if (Control)
        Control->RemovePlot(id);
}

void Plot::ShowSelectedBand(int type, int slot, float gain, float q, bool show)
{
    if (!Control)
        return;
    if (!show) {
        Control->SetCurveDisplay(false);
        return;
    }
    const PlotFilter *f = Slot(slot < 0 ? 0 : slot);
    if (!f)
        return;
    Control->DrawParam(type, gain, FrequencyToCurveX(f->Frequency), static_cast<float>(f->Frequency), q, clYellow);
    Control->DrawCurveFill(type, f->Response.data(), ResponsePointCount);
    Control->SetCurveDisplay(true);
}

void Plot::SetPhaseMode(bool phase)
{
    PhaseMode = phase;
    for (auto &f : Filters)
        f->PhaseMode = phase;
}
