#include "device/ProgramRanges.h"

#include <algorithm>

namespace {

bool BandInRange(const PeqBandRecord &band)
{
    return band.Gain <= MaxPeqGain && band.Freq <= MaxFrequencyIndex && band.Q <= MaxQIndex && band.Type <= MaxPeqType;
}

bool FilterInRange(const PassFilterRecord &filter)
{
    return filter.Type <= MaxSlope && filter.Freq <= MaxFrequencyIndex;
}

// What both channel records hold: bands, filters, gain, delay and the link mask.
template <class Record>
bool ChannelInRange(const Record &r, std::uint16_t sideMask)
{
    return std::all_of(std::begin(r.Peq), std::end(r.Peq), BandInRange) && FilterInRange(r.HighPass) &&
           FilterInRange(r.LowPass) && r.Gain <= MaxGainCode && r.Delay <= MaxDelay && (r.LinkMask & ~sideMask) == 0;
}

bool OutputInRange(const OutputChannelRecord &r)
{
    return ChannelInRange(r, OutputChannelMask) && (r.Source & ~InputChannelMask) == 0 &&
           r.Comp.Ratio <= MaxCompRatio && r.Comp.Attack <= MaxCompTime && r.Comp.Release <= MaxCompTime &&
           r.Comp.Threshold <= MaxCompThreshold;
}

}  // namespace

bool PresetFieldsInRange(const ParameterImage &image)
{
    return std::all_of(std::begin(image.Inputs), std::end(image.Inputs),
                       [](const InputChannelRecord &r) { return ChannelInRange(r, InputChannelMask); }) &&
           std::all_of(std::begin(image.Outputs), std::end(image.Outputs), OutputInRange) &&
           (image.InputMuteMask & ~InputChannelMask) == 0 && (image.OutputMuteMask & ~OutputChannelMask) == 0;
}
