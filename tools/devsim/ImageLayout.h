#pragma once
// Where the simulated processor keeps each setting in its 538-byte program image. The offsets are
// the processor's own (they travel in program and preset blocks and land in unit files), written
// out here as plain numbers so that the simulator's view of the image stays independent of the
// editor's record structs: a wrong offset on either side shows up as a mismatch between the two.

#include <array>
#include <cstddef>
#include <cstdint>

namespace devsim {

inline constexpr std::size_t kImageSize = 538;
using Image = std::array<std::uint8_t, kImageSize>;

inline constexpr int kInputCount = 2;
inline constexpr int kOutputCount = 4;
inline constexpr int kChannelCount = kInputCount + kOutputCount;  // 0 In A, 1 In B, 2..5 Out 1..4
inline constexpr int kPresetSlots = 31;
inline constexpr std::size_t kEepromHeaderSize = 18;
inline constexpr std::size_t kBlockSize = 50;  // image bytes per program or preset block
inline constexpr int kLastBlock = 10;          // blocks 0..10; block 10 carries bytes 500..537

// Whole-image fields.
inline constexpr std::size_t kUsedMark = 0;
inline constexpr std::size_t kPresetName = 2;
inline constexpr std::size_t kPresetNameSize = 14;
inline constexpr std::size_t kInputMuteMask = 512;
inline constexpr std::size_t kOutputMuteMask = 514;
inline constexpr std::size_t kInputBandBypass = 516;   // one word per input
inline constexpr std::size_t kOutputBandBypass = 520;  // one word per output
inline constexpr std::size_t kSignalMode = 528;
inline constexpr std::size_t kSineFreqIndex = 530;
inline constexpr std::size_t kDelayUnit = 532;
inline constexpr std::size_t kInputEqBypassMask = 534;
inline constexpr std::size_t kOutputEqBypassMask = 536;

inline constexpr std::size_t kChannelNameSize = 8;
inline constexpr std::size_t kBandRecordSize = 6;  // gain word, frequency word, Q byte, type byte
inline constexpr std::size_t kCompRecordSize = 8;  // ratio, attack, release, threshold words
inline constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Field offsets inside one channel record; inputs and outputs order their fields differently.
struct ChannelFields {
    std::size_t recordStart;
    std::size_t recordSize;
    std::size_t name;
    std::size_t source;  // outputs only
    std::size_t highPass;
    std::size_t lowPass;
    std::size_t bands;
    int bandCount;
    std::size_t comp;  // outputs only
    std::size_t gain;
    std::size_t polarity;
    std::size_t delay;
    std::size_t linkMask;
};

inline constexpr ChannelFields kInputFields{.recordStart = 16, .recordSize = 72, .name = 0, .source = kNone,
                                            .highPass = 56, .lowPass = 60, .bands = 8, .bandCount = 8,
                                            .comp = kNone, .gain = 64, .polarity = 66, .delay = 68, .linkMask = 70};
inline constexpr ChannelFields kOutputFields{.recordStart = 160, .recordSize = 88, .name = 0, .source = 8,
                                             .highPass = 10, .lowPass = 14, .bands = 18, .bandCount = 9,
                                             .comp = 72, .gain = 80, .polarity = 82, .delay = 84, .linkMask = 86};

constexpr bool IsInputChannel(int ch) { return ch == 0 || ch == 1; }
constexpr bool IsOutputChannel(int ch) { return ch >= 2 && ch < kChannelCount; }
constexpr bool IsValidChannel(int ch) { return ch >= 0 && ch < kChannelCount; }
constexpr const ChannelFields &FieldsOf(int ch) { return IsInputChannel(ch) ? kInputFields : kOutputFields; }
// Position of the channel among the channels of its side: its bit in masks of that side.
constexpr int SideIndex(int ch) { return IsInputChannel(ch) ? ch : ch - 2; }
constexpr int SideCount(int ch) { return IsInputChannel(ch) ? kInputCount : kOutputCount; }
constexpr int ChannelOfSide(int sideOf, int index) { return IsInputChannel(sideOf) ? index : index + 2; }

// Image offset of channel ch's record, and of field `field` (a member of ChannelFields) in it.
constexpr std::size_t RecordOffset(int ch)
{
    const ChannelFields &f = FieldsOf(ch);
    return f.recordStart + static_cast<std::size_t>(SideIndex(ch)) * f.recordSize;
}
constexpr std::size_t ChannelOffset(int ch, std::size_t ChannelFields::*field) { return RecordOffset(ch) + FieldsOf(ch).*field; }
constexpr std::size_t BandOffset(int ch, int band)
{
    return ChannelOffset(ch, &ChannelFields::bands) + static_cast<std::size_t>(band) * kBandRecordSize;
}
constexpr std::size_t MuteMaskOffset(int ch) { return IsInputChannel(ch) ? kInputMuteMask : kOutputMuteMask; }
constexpr std::size_t EqBypassMaskOffset(int ch) { return IsInputChannel(ch) ? kInputEqBypassMask : kOutputEqBypassMask; }
constexpr std::size_t BandBypassOffset(int ch)
{
    return (IsInputChannel(ch) ? kInputBandBypass : kOutputBandBypass) + 2u * static_cast<std::size_t>(SideIndex(ch));
}

static_assert(RecordOffset(0) == 16 && RecordOffset(1) == 88 && RecordOffset(2) == 160 && RecordOffset(5) == 424);
static_assert(RecordOffset(5) + kOutputFields.recordSize == kInputMuteMask);
static_assert(BandOffset(5, 8) + kBandRecordSize == ChannelOffset(5, &ChannelFields::comp));

inline std::uint16_t Word(const Image &img, std::size_t at)
{
    return static_cast<std::uint16_t>(img[at] | (img[at + 1] << 8));
}
inline void SetWord(Image &img, std::size_t at, std::uint16_t v)
{
    img[at] = static_cast<std::uint8_t>(v & 0xFF);
    img[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void SetBit(Image &img, std::size_t wordAt, int bit, bool on)
{
    const auto mask = static_cast<std::uint16_t>(1u << bit);
    const std::uint16_t w = Word(img, wordAt);
    SetWord(img, wordAt, static_cast<std::uint16_t>(on ? (w | mask) : (w & ~mask)));
}

// The program a new or factory-reset processor runs.
Image FactoryImage();

}  // namespace devsim
