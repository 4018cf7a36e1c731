#include "pages/CurveSynthesis.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/PageControls.h"

#include <algorithm>
#include <tuple>

namespace {

// The sections' Q, which their types do not use.
constexpr double SectionQ = 0.05;
// Where an unused scratch slot is designed.
constexpr double FlatSectionFrequency = 1000.0;

constexpr int ScratchCount = PlotCurveSlots::LastSection - PlotCurveSlots::FirstSection + 1;
static_assert(ScratchCount == std::tuple_size_v<decltype(CrossoverDesign::Sections)>);

constexpr CrossoverSection First(float a)
{
    return {SectionKind::FirstOrder, a, 0};
}
constexpr CrossoverSection Second(float a)
{
    return {SectionKind::SecondOrder, a, 0};
}
constexpr CrossoverSection SecondAB(float a, float b)
{
    return {SectionKind::SecondOrderAB, a, b};
}

// Rows 0 to 20 of the filter table (CrossoverCodes): bypass, Butterworth and Bessel of order 1 to
// 8 from their section tables, then the Linkwitz-Riley cascades of two Butterworth filters.
constexpr std::array<CrossoverDesign, 21> MakeDesigns()
{
    std::array<CrossoverDesign, 21> rows{};
    rows[0].InTotalSlot = true;
    rows[1].InTotalSlot = true;
    rows[1].Sections[0] = First(1.0f);
    for (int order = 2; order <= 8; ++order) {
        const auto &bw = ButterworthSections[static_cast<std::size_t>(order - 1)];
        auto &s = rows[static_cast<std::size_t>(order)].Sections;
        if (bw[0] == 1.0f)
            s[0] = First(1.0f);
        for (std::size_t i = 1; i < 5; ++i)
            if (bw[i] != 0.0f)
                s[i] = Second(bw[i]);
    }
    for (int order = 1; order <= 8; ++order) {
        const auto &bl = BesselSections[static_cast<std::size_t>(order - 1)];
        auto &s = rows[static_cast<std::size_t>(order + 8)].Sections;
        if (bl[0] != 0.0f)
            s[0] = First(bl[0]);
        for (std::size_t i = 1; i < 5; ++i)
            if (bl[2 * i] != 0.0f)
                s[i] = SecondAB(bl[2 * i], bl[2 * i + 1]);
    }
    const float bw2 = ButterworthSections[1][1];
    const float bw3 = ButterworthSections[2][1];
    rows[17].Sections = {First(1.0f), First(1.0f)};
    rows[18].Sections = {Second(bw2), Second(bw2)};
    rows[19].Sections = {First(1.0f), First(1.0f), Second(bw3), Second(bw3)};
    rows[20].Sections = {Second(ButterworthSections[3][2]), Second(ButterworthSections[3][2]),
                         Second(ButterworthSections[3][1]), Second(ButterworthSections[3][1])};
    return rows;
}

constexpr std::array<CrossoverDesign, 21> Designs = MakeDesigns();

void DesignSection(PlotFilter &slot, const CrossoverSection &section, bool highPass, double frequency)
{
    slot.SetSection(0.0, frequency, SectionQ, SectionFilterType(section.Kind, highPass), section.A, section.B);
}

}  // namespace

const CrossoverDesign &CrossoverDesignOf(int slopeIndex)
{
    return Designs[static_cast<std::size_t>(CrossoverCodeAt(slopeIndex))];
}

int SectionFilterType(SectionKind kind, bool highPass)
{
    switch (kind) {
    case SectionKind::FirstOrder: return highPass ? ftHighPassSection1 : ftLowPassSection1;
    case SectionKind::SecondOrder: return highPass ? ftHighPassSection2 : ftLowPassSection2;
    case SectionKind::SecondOrderAB: return highPass ? ftHighPassSectionAB : ftLowPassSectionAB;
    case SectionKind::Flat: break;
    }
    return ftFlat;
}

int BandFilterType(int peqType, bool bypassed)
{
    if (bypassed || peqType < 0 || peqType >= static_cast<int>(PeqTypeToFilterType.size()))
        return ftFlat;
    return PeqTypeToFilterType[static_cast<std::size_t>(peqType)];
}

void SetBandCurve(PlotFilter &slot, double gainDb, double hz, double q, int peqType, bool bypassed)
{
    slot.SetFilter(bypassed ? 0.0 : gainDb, hz, q, BandFilterType(peqType, bypassed));
}

void ComputeCrossover(Plot &plot, bool highPass, int slopeIndex, double frequency, int base)
{
    const int total = highPass ? base : base + 1;
    if (total < 0 || total >= Plot::Count)
        return;
    PlotFilter &totalSlot = *plot.Filters[static_cast<std::size_t>(total)];
    const CrossoverDesign &design = CrossoverDesignOf(slopeIndex);
    if (design.InTotalSlot) {
        DesignSection(totalSlot, design.Sections[0], highPass, frequency);
        return;
    }
    const CrossoverSection *last = nullptr;
    for (std::size_t i = 0; i < design.Sections.size(); ++i) {
        const CrossoverSection &section = design.Sections[i];
        PlotFilter &scratch = *plot.Filters[PlotCurveSlots::FirstSection + i];
        if (section.Kind == SectionKind::Flat) {
            DesignSection(scratch, section, highPass, FlatSectionFrequency);
            continue;
        }
        DesignSection(scratch, section, highPass, frequency);
        last = &section;
    }
    // The total carries the last section's design for its marker; its own curve would be
    // overwritten by the sum at once, so it is not computed.
    if (last) {
        totalSlot.SectionA = last->A;
        totalSlot.SectionB = last->B;
        totalSlot.Type = SectionFilterType(last->Kind, highPass);
    }
    totalSlot.Gain = 0.0;
    totalSlot.Frequency = frequency;
    totalSlot.Q = SectionQ;
    ResponseCurve &sum = totalSlot.Response;
    sum.fill(0.0);
    for (int s = PlotCurveSlots::FirstSection; s <= PlotCurveSlots::LastSection; ++s) {
        const ResponseCurve &r = plot.Filters[static_cast<std::size_t>(s)]->Response;
        for (std::size_t i = 0; i < sum.size(); ++i)
            sum[i] += r[i];
    }
}

// ---- CurveSynthesis --------------------------------------------------------------------------------

void CurveSynthesis::ComputeCrossoverCurve(bool highPass, int slopeIndex, double frequency, int base, int channel)
{
    if (!IsChannel(channel))
        return;
    Plot &plot = host_.GetPlot(channel);
    ComputeCrossover(plot, highPass, slopeIndex, frequency, base);
    plot.ShowBlock(highPass ? base : base + 1, 0.0f, highPass ? bkHighPass : bkLowPass);
}

void CurveSynthesis::DrawPeqCurves(TControl *plot)
{
    auto *control = dynamic_cast<LMyFFTDrawPhase *>(plot);
    const int c = control ? TagChannel(*control) : -1;
    auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", c);
    if (!table)
        return;
    Plot &curves = host_.GetPlot(c);
    // A table never has more rows than the plot has band slots; more would write the crossover
    // slots.
    const int rows = std::min(table->GetChannelNumber(), PlotCurveSlots::LastBand + 1);
    for (int r = 0; r < rows; ++r) {
        const double gain = table->GetGainValue(r);
        SetBandCurve(*curves.Filters[static_cast<std::size_t>(r)], gain, table->GetFreqValue(r), table->GetQValue(r),
                     table->GetTypeValue(r), table->GetBypassValue(r));
        curves.ShowBlock(r, static_cast<float>(gain), bkCircle);
    }
    curves.DrawTotal(c);
}

void CurveSynthesis::DrawHighPassCurve(TControl *plot)
{
    DrawCrossoverCurve(plot, true);
}

void CurveSynthesis::DrawLowPassCurve(TControl *plot)
{
    DrawCrossoverCurve(plot, false);
}

void CurveSynthesis::DrawCrossoverCurve(TControl *plot, bool highPass)
{
    auto *control = dynamic_cast<LMyFFTDrawPhase *>(plot);
    const int c = control ? TagChannel(*control) : -1;
    if (c < 0)
        return;
    const CrossoverRecord crossover = host_.UnitControl().GetCrossover(c);
    const PassFilterRecord &filter = highPass ? crossover.HighPass : crossover.LowPass;
    ComputeCrossoverCurve(highPass, filter.Type, static_cast<float>(IndexToFreq(filter.Freq)),
                          PlotCurveSlots::HighPassTotal, c);
    host_.GetPlot(c).DrawTotal(c);
}
