// The factory program of the processor, built field by field.

#include "devsim/ImageLayout.h"

#include <algorithm>
#include <cstring>

namespace devsim {

namespace {

constexpr char kFactoryPresetName[] = "Default Preset";
constexpr const char *kChannelNames[kChannelCount] = {"InA", "InB", "Out1", "Out2", "Out3", "Out4"};
constexpr std::uint16_t kInputBandFreqs[] = {41, 71, 101, 140, 170, 200, 240, 270};
constexpr std::uint16_t kOutputBandFreqs[] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
constexpr std::uint16_t kOutputSources[kOutputCount] = {1, 2, 1, 2};

constexpr std::uint16_t kFlatGain = 120;   // 0 dB in 0.1 dB steps
constexpr std::uint8_t kFactoryQ = 35;     // Q 3.0
constexpr std::uint16_t kTopFrequency = 300;
constexpr std::uint16_t kInputGain = 0;    // bottom of the gain scale
constexpr std::uint16_t kOutputGain = 280; // 0 dB
constexpr std::uint16_t kCompAttack = 49, kCompRelease = 199, kCompThreshold = 220;

void PutChannel(Image &img, int ch)
{
    const char *name = kChannelNames[ch];
    std::memcpy(&img[RecordOffset(ch)], name, std::strlen(name));
    const std::uint16_t *freqs = IsInputChannel(ch) ? kInputBandFreqs : kOutputBandFreqs;
    for (int b = 0; b < FieldsOf(ch).bandCount; ++b) {
        const std::size_t at = BandOffset(ch, b);
        SetWord(img, at, kFlatGain);
        SetWord(img, at + 2, freqs[b]);
        img[at + 4] = kFactoryQ;
        img[at + 5] = 0;  // peak
    }
    // High-pass and low-pass bypassed, at the bottom and top of the frequency scale.
    SetWord(img, ChannelOffset(ch, &ChannelFields::lowPass) + 2, kTopFrequency);
    SetWord(img, ChannelOffset(ch, &ChannelFields::gain), IsInputChannel(ch) ? kInputGain : kOutputGain);
    SetWord(img, ChannelOffset(ch, &ChannelFields::linkMask), static_cast<std::uint16_t>(1u << SideIndex(ch)));
    if (IsOutputChannel(ch)) {
        SetWord(img, ChannelOffset(ch, &ChannelFields::source), kOutputSources[SideIndex(ch)]);
        const std::size_t comp = ChannelOffset(ch, &ChannelFields::comp);
        SetWord(img, comp + 2, kCompAttack);
        SetWord(img, comp + 4, kCompRelease);
        SetWord(img, comp + 6, kCompThreshold);
    }
}

}  // namespace

Image FactoryImage()
{
    Image img{};
    std::copy_n(kFactoryPresetName, kPresetNameSize, img.begin() + kPresetName);
    for (int ch = 0; ch < kChannelCount; ++ch)
        PutChannel(img, ch);
    return img;
}

}  // namespace devsim
