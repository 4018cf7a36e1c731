#pragma once
// Channel curve synthesis: the curves of a channel's plot from its band table and its crossovers.
//
// A channel's Plot has one slot per PEQ band (0 to 8), a total slot for the high-pass (10) and for
// the low-pass (11), the channel total (12) and five scratch slots (13 to 17). The Plot designs
// single first- and second-order sections; a crossover slope is a cascade of up to five of them,
// designed into the scratch slots and summed point by point into the crossover's total slot (dB
// add up along a cascade, and so do phases, which stay unfolded there). The total slot itself
// carries the design of the cascade's last section at the crossover frequency, so that its marker
// and its selected-band text sit at that frequency. The two crossovers of a channel share the
// scratch slots; every computation writes all five, so each total holds its own sections only.
//
// Slope indexes (PassFilterRecord::Type) name a filter row through CrossoverCodes: 0 bypass (a
// flat total at the set frequency), 1 to 8 Butterworth, 9 to 16 Bessel of order 1 to 8, 17 to 20
// Linkwitz-Riley 12 to 48 dB per octave. A slope index outside the table, from a processor or a
// file, draws like bypass. A band type outside the seven PeqTypes draws flat, as a bypassed band.
//
// None of these operations repaints the plot control: the caller calls its UpdateCurvePage.

#include "pages/PageHost.h"

#include <array>
#include <cstdint>

class Plot;
class PlotFilter;
class TControl;

// What a scratch slot holds for one crossover: a flat slot or one section of the cascade, with
// the coefficients of its prototype (1/(A s + 1), 1/(s^2 + A s + 1) or 1/(B s^2 + A s + 1); the
// high-pass replaces s by 1/s).
enum class SectionKind : std::uint8_t { Flat, FirstOrder, SecondOrder, SecondOrderAB };
struct CrossoverSection {
    SectionKind Kind = SectionKind::Flat;
    float A = 0;
    float B = 0;
};

// The cascade of one filter row. Bypass and the first-order Butterworth are one section designed
// in the total slot itself (InTotalSlot, Sections[0]); every other row fills the five scratch
// slots in order.
struct CrossoverDesign {
    bool InTotalSlot = false;
    std::array<CrossoverSection, 5> Sections{};
};

// The design of a slope index (bypass for one outside 0 to 20).
const CrossoverDesign &CrossoverDesignOf(int slopeIndex);

// The curve model's filter type of a section for the high-pass (true) or the low-pass.
int SectionFilterType(SectionKind kind, bool highPass);

// The curve model's filter type of a PEQ band: flat while bypassed or for a type outside 0 to 6.
int BandFilterType(int peqType, bool bypassed);
// A band's slot: its design at 0 dB and flat while bypassed, flat for a type outside 0 to 6.
void SetBandCurve(PlotFilter &slot, double gainDb, double hz, double q, int peqType, bool bypassed);

// One crossover into the plot's total slot (base for the high-pass, base + 1 for the low-pass;
// every caller passes 10) through the scratch slots; no marker. A total slot outside the plot is
// ignored.
void ComputeCrossover(Plot &plot, bool highPass, int slopeIndex, double frequency, int base);

class CurveSynthesis {
public:
    explicit CurveSynthesis(PageHost &host) : host_(host) {}

    // One crossover of the channel into its total slot, and its marker (bkHighPass or bkLowPass)
    // at the crossover frequency on the 0 dB line. The channel total is not redrawn.
    void ComputeCrossoverCurve(bool highPass, int slopeIndex, double frequency, int base, int channel);
    // Every band slot of the plot control's channel (its Tag) from the channel's band table, not
    // from the model, with its marker; then the channel total. Nothing when the control is no
    // response plot or the table is missing.
    void DrawPeqCurves(TControl *plot);
    // The channel's high-pass or low-pass from the model, then the channel total.
    void DrawHighPassCurve(TControl *plot);
    void DrawLowPassCurve(TControl *plot);

private:
    void DrawCrossoverCurve(TControl *plot, bool highPass);

    PageHost &host_;
};
