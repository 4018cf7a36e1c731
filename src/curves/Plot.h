#pragma once
// The curve model of one response plot: 27 curve slots, each one second-order digital filter
// section with its frequency response on a fixed logarithmic grid of 4096 points, as magnitude in
// dB or as phase, and the calls that put band curves, markers, the selected band and the channel
// total on the plot control.
//
// Point i of every curve stands for f(i) = 48000^(i/4096) Hz (1 Hz to just below 48 kHz, about
// 875 points per decade); the plot control uses the point index as its x coordinate. Phase is held
// in plot units where 18 stands for 180 degrees. Filters are designed by the bilinear transform
// with prewarping for a sampling rate of 96 kHz.
//
// Calling order of the pages: set a slot (SetFilter or SetSection, which recompute its curve at
// once), ShowBlock for its marker, DrawTotal; then the control's UpdateCurvePage brings markers,
// texts and fill to the screen. Switching magnitude/phase: SetPhaseMode, set every slot again,
// DrawTotal, change the control's Y axis, ShowSelectedBand. GUI thread only.
//
// Every curve is finite: a section that cannot be designed (unknown type, or values for which the
// design overflows) is flat (0.0 in both modes), a zero magnitude floors at MagnitudeFloorDb and
// the phase takes its limit where the quotient Im H / Re H is undefined.

#include <array>
#include <memory>

#include "platform/runtime/Colors.h"

class LMyFFTDrawPhase;

inline constexpr int ResponsePointCount = 4096;
using ResponseCurve = std::array<double, ResponsePointCount>;

// Magnitudes are kept within these bounds so that no curve holds an infinity.
inline constexpr double MagnitudeFloorDb = -300.0;
inline constexpr double MagnitudeCeilingDb = 300.0;

// x of a frequency on the curves' point axis: 4096 x log10(f) / log10(48000).
double FrequencyToCurveX(double frequency);
// The frequency of point i of every curve, from the shared grid (i outside 0..4095 is clamped).
double CurveFrequency(int i);

// The code of a slot's filter (PlotFilter::Type).
enum FilterType : int {
    ftPeak = 1,
    ftLowShelf = 2,
    ftHighShelf = 3,  // with Gain 0 a flat curve
    ftHighPass2 = 4,
    ftLowPass2 = 5,
    ftBandPass = 6,  // centre gain 2
    ftAllPass1 = 7,  // 180 degrees at low frequencies, 0 at high
    ftLowPass1 = 8,
    ftHighPass1 = 9,           // output inverted
    ftFlat = 10,               // bypassed bands, unused sections
    ftLowPassSection1 = 11,    // prototype 1/(A s + 1)
    ftLowPassSection2 = 12,    // prototype 1/(s^2 + A s + 1)
    ftLowPassSectionAB = 13,   // prototype 1/(B s^2 + A s + 1)
    ftHighPassSection1 = 14,   // 11 with s replaced by 1/s
    ftHighPassSection2 = 15,   // 12 with s replaced by 1/s
    ftHighPassSectionAB = 16,  // 13 with s replaced by 1/s
    ftAllPass2 = 17,
};

// Slot layout of a channel plot's Plot; the plot id of a drawn slot is its slot number. The two
// Gain-page plots use slot = ChannelIndex (0 to 5) for the copied channel totals.
namespace PlotCurveSlots {
inline constexpr int FirstBand = 0;  // PEQ bands 1 to 9 in slots 0 to 8 (inputs use 0 to 7)
inline constexpr int LastBand = 8;
inline constexpr int Unused = 9;  // stays flat
inline constexpr int HighPassTotal = 10;
inline constexpr int LowPassTotal = 11;
inline constexpr int ChannelTotal = 12;  // sum of slots 0 to 11
inline constexpr int FirstSection = 13;  // crossover sections being summed, 13 to 17
inline constexpr int LastSection = 17;
inline constexpr int FirstOverlay = 18;  // 18 + the other channel's position on its side
inline constexpr int Count = 27;         // 22 to 26 are unused
}  // namespace PlotCurveSlots

// Coefficients of one section H(z) = (b0 + b1 z^-1 + b2 z^-2) / (1 + a1 z^-1 + a2 z^-2).
struct BiquadCoefficients {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

// One curve slot: the parameters of its section and the response computed from them. The pages
// also write Response directly (crossover sums, copied channel totals) and read it.
class PlotFilter {
public:
    float SectionA = 0;      // s coefficient of the prototype (types 11 to 16)
    float SectionB = 0;      // s^2 coefficient of the prototype (types 13 and 16)
    bool PhaseMode = false;  // the next recalculation writes phase instead of magnitude
    int Type = ftHighShelf;
    double Frequency = 1000.0;  // Hz
    double Gain = 0.0;          // dB (types 1 to 3)
    double Q = 0.4;             // types 1 to 6 and 17
    ResponseCurve Response{};

    // Stores the values and recomputes Response; SectionA and SectionB keep theirs.
    void SetFilter(double gain, double frequency, double q, int type);
    // The same with the prototype coefficients of a crossover section.
    void SetSection(double gain, double frequency, double q, int type, float sectionA, float sectionB);
    // Designs the section and recomputes Response (flat when it cannot be designed).
    void Recalculate();
    // False for a Type outside 1 to 17 or values the design cannot hold (non-finite coefficients).
    bool DesignFilter() const;
    // The section's coefficients; false as DesignFilter. Nothing is kept between designs.
    bool DesignFilter(BiquadCoefficients &out) const;
};

class Plot {
public:
    // `control` may be null (tests, benchmarks): the drawing calls then do nothing. Creates the 27
    // slots as 0 dB high shelves at 1000 Hz, Q 0.4, whose curves are 0.0 in either mode.
    explicit Plot(LMyFFTDrawPhase *control);
    ~Plot();
    Plot(const Plot &) = delete;
    Plot &operator=(const Plot &) = delete;

    // Places the slot's marker (x of its Frequency, y = gain, BandColors[slot], the given
    // BlockKind) and hands the slot's Frequency, Gain, Q and Type to the marker's parameter text.
    // A slot outside 0 to 26 is ignored.
    void ShowBlock(int slot, float gain, int kind);
    // Slot 12 becomes the sum of slots 0 to 11 (in phase mode folded by whole turns into
    // (-18, 18]) and is drawn as plot id 12 in ChannelColors[channel] (cyclic for any channel).
    void DrawTotal(int channel);
    // Draws the slot's curve as plot id = slot; an id already on the plot keeps its first colour.
    void DrawCurve(int slot, TColor colour);
    void RemoveCurve(int id);
    // With show false only hides the selected band's text and fill. With show true a negative
    // slot counts as 0 and a slot above 26 is ignored; then the band's text (yellow), fill and
    // display. `type` is the band's PeqType (0 to 6), or 10/11 for the crossover markers.
    void ShowSelectedBand(int type, int slot, float gain, float q, bool show);
    // Sets the mode of the plot and of every slot; no curve changes until the slots are set again.
    void SetPhaseMode(bool phase);
    bool GetPhaseMode() const { return PhaseMode; }

    static constexpr int Count = PlotCurveSlots::Count;
    LMyFFTDrawPhase *Control;  // not owned; the pages call its UpdateCurvePage
    std::array<std::unique_ptr<PlotFilter>, Count> Filters;

private:
    bool PhaseMode = false;
    PlotFilter *Slot(int slot) const;
};

// Folds a phase sum (plot units) by whole turns of 36 into (-18, 18].
double FoldPhase(double sum);
