#include "device/GlobalConstants.h"

#include <algorithm>
#include <cstring>

namespace {

template <class T, std::size_t N>
T ClampedAt(const std::array<T, N> &table, int index)
{
    return table[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))];
}

template <class T, std::size_t N>
T FirstIfOutside(const std::array<T, N> &table, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? table[static_cast<std::size_t>(index)] : table[0];
}

template <class T, std::size_t N>
T Cyclic(const std::array<T, N> &table, int index)
{
    const int n = static_cast<int>(N);
    return table[static_cast<std::size_t>(((index % n) + n) % n)];
}

void SetName(std::uint8_t *dst, std::size_t size, std::string_view text, std::uint8_t pad)
{
    std::memset(dst, pad, size);
    std::memcpy(dst, text.data(), std::min(size, text.size()));
}

ParameterImage MakeDefaultImage()
{
    ParameterImage image{};
    SetName(image.PresetName, PresetNameSize, "Default Preset", ' ');

    constexpr std::array<std::uint16_t, InputBandCount> inputFreqs = {41, 71, 101, 140, 170, 200, 240, 270};
    constexpr std::array<std::uint16_t, OutputBandCount> outputFreqs = {31, 63, 95, 127, 158, 190, 222, 253, 285};
    const auto defaultBand = [](std::uint16_t freq) { return PeqBandRecord{120, freq, 35, 0}; };
    const PassFilterRecord highPass{0, 0};
    const PassFilterRecord lowPass{0, 300};

    for (int i = 0; i < InputCount; ++i) {
        InputChannelRecord &in = image.Inputs[i];
        SetName(in.Name, ChannelNameSize, i == 0 ? "InA" : "InB", 0);
        for (int b = 0; b < InputBandCount; ++b)
            in.Peq[b] = defaultBand(inputFreqs[b]);
        in.HighPass = highPass;
        in.LowPass = lowPass;
        in.Gain = 0;  // the bottom of the scale
        in.LinkMask = static_cast<std::uint16_t>(1u << i);
    }
    for (int i = 0; i < OutputCount; ++i) {
        OutputChannelRecord &out = image.Outputs[i];
        const char name[] = {'O', 'u', 't', static_cast<char>('1' + i)};
        SetName(out.Name, ChannelNameSize, {name, sizeof name}, 0);
        out.Source = i % 2 == 0 ? 1 : 2;
        out.HighPass = highPass;
        out.LowPass = lowPass;
        for (int b = 0; b < OutputBandCount; ++b)
            out.Peq[b] = defaultBand(outputFreqs[b]);
        out.Comp = CompressorRecord{0, 49, 199, 220};
        out.Gain = 280;  // 0 dB
        out.LinkMask = static_cast<std::uint16_t>(1u << i);
    }
    return image;
}

}  // namespace

const ParameterImage DefaultParameterImage = MakeDefaultImage();

float QfactorAt(int qIndex) { return ClampedAt(QfactorTable, qIndex); }
std::string_view CompRatioTextAt(int ratio) { return ClampedAt(CompRatioTexts, ratio); }
double CompRatioValueAt(int ratio) { return ClampedAt(CompRatioValues, ratio); }
int CrossoverCodeAt(int slopeType) { return FirstIfOutside(CrossoverCodes, slopeType); }
int PeqTypeToFilterTypeAt(int peqType) { return FirstIfOutside(PeqTypeToFilterType, peqType); }
ColorRef BandColorAt(int slot) { return Cyclic(BandColors, slot); }
ColorRef ChannelColorAt(int index) { return Cyclic(ChannelColors, index); }

QString ChannelSuffix(int channel)
{
    if (channel == 0 || channel == 1)
        return QStringLiteral("In") + QChar(u'A' + channel);
    if (channel >= 2 && channel <= 5)
        return QStringLiteral("Out") + QChar(u'0' + channel - 1);
    return QString();
}
