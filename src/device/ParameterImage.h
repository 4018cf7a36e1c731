#pragma once
// The processor's program as it travels in program and preset blocks and as it is stored in preset
// and unit files: a 538-byte image whose layout is the processor's own. Every record here is a plain
// byte layout; 16-bit words are little-endian, which is also this machine's order, so the structs
// are the bytes.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

static_assert(std::endian::native == std::endian::little, "device records are little-endian byte layouts");

// Channel numbers, the same on the wire, in the model and in every channel control's Tag.
enum ChannelIndex : int { ChInA = 0, ChInB = 1, ChOut1 = 2, ChOut2 = 3, ChOut3 = 4, ChOut4 = 5 };
inline constexpr int InputCount = 2;
inline constexpr int OutputCount = 4;
inline constexpr int ChannelCount = InputCount + OutputCount;
inline constexpr int InputBandCount = 8;
inline constexpr int OutputBandCount = 9;
inline constexpr std::size_t ChannelNameSize = 8;
inline constexpr std::size_t PresetNameSize = 14;

constexpr bool IsChannel(int ch) { return ch >= 0 && ch < ChannelCount; }
constexpr bool IsInput(int ch) { return ch == ChInA || ch == ChInB; }
constexpr bool IsOutput(int ch) { return ch >= ChOut1 && ch < ChannelCount; }
constexpr int BandCount(int ch) { return IsInput(ch) ? InputBandCount : OutputBandCount; }

// Band types of the parametric equaliser (`PeqBandRecord::Type`).
enum class PeqType : std::uint8_t { Peak, LowShelf, HighShelf, LowPass, HighPass, Allpass1, Allpass2 };

struct PeqBandRecord {
    std::uint16_t Gain;  // 0.1 dB a step, 120 = 0 dB, 0 to 240
    std::uint16_t Freq;  // frequency index, 1/30 octave, 170 = 1 kHz
    std::uint8_t Q;      // index into QfactorTable
    std::uint8_t Type;   // PeqType
};

struct PassFilterRecord {
    std::uint16_t Type;  // slope index 0 to 20 (0 bypassed), see CrossoverCodes
    std::uint16_t Freq;  // frequency index
};

// A channel's high-pass and low-pass, in that order.
struct CrossoverRecord {
    PassFilterRecord HighPass;
    PassFilterRecord LowPass;
};

struct CompressorRecord {
    std::uint16_t Ratio;      // index into CompRatioValues, 15 = limit
    std::uint16_t Attack;     // ms - 1
    std::uint16_t Release;    // ms - 1
    std::uint16_t Threshold;  // (value - 180) x 0.5 dB
};

struct InputChannelRecord {
    std::uint8_t Name[ChannelNameSize];
    PeqBandRecord Peq[InputBandCount];
    PassFilterRecord HighPass;
    PassFilterRecord LowPass;
    std::uint16_t Gain;  // gain slider position + 280, 0 to 400
    std::uint16_t Polarity;
    std::uint16_t Delay;  // samples at 48 kHz
    std::uint16_t LinkMask;
};

struct OutputChannelRecord {
    std::uint8_t Name[ChannelNameSize];
    std::uint16_t Source;  // bit 0 In A, bit 1 In B
    PassFilterRecord HighPass;
    PassFilterRecord LowPass;
    PeqBandRecord Peq[OutputBandCount];
    CompressorRecord Comp;
    std::uint16_t Gain;
    std::uint16_t Polarity;
    std::uint16_t Delay;
    std::uint16_t LinkMask;
};

struct ParameterImage {
    std::uint8_t UsedMark;  // 0xFF in a stored preset
    std::uint8_t Reserved;
    std::uint8_t PresetName[PresetNameSize];  // blank-padded, no terminator
    InputChannelRecord Inputs[InputCount];
    OutputChannelRecord Outputs[OutputCount];
    std::uint16_t InputMuteMask;
    std::uint16_t OutputMuteMask;
    std::uint16_t InputBandBypass[InputCount];    // bit b = band b bypassed
    std::uint16_t OutputBandBypass[OutputCount];
    std::uint16_t SignalMode;  // 0 analogue, 1 pink noise, 2 white noise, 3 sine
    std::uint16_t SineFreqIndex;
    std::uint16_t DelayUnit;  // 0 ms, 1 m, 2 ft
    std::uint16_t InputEqBypassMask;
    std::uint16_t OutputEqBypassMask;
};

inline constexpr std::size_t ParameterImageSize = 538;

// A stored preset: its number (slot + 1), then image bytes 0 to 536.
struct PresetRecord {
    std::uint8_t Number;
    std::uint8_t ImageBytes[ParameterImageSize - 1];
};

// Format sizes of the blocks and files built from the image.
inline constexpr int PresetCount = 31;
inline constexpr std::size_t EepromHeaderSize = 18;
inline constexpr std::size_t ImageBlockSize = 50;   // a program or preset travels in 50-byte blocks
inline constexpr int LastImageBlock = 10;           // blocks 0 to 10, the last one 38 bytes
inline constexpr std::string_view FileMagic = "*VELMTROV316V011";
inline constexpr std::size_t PresetBodyOffset = 2;  // a preset file body is image bytes 2 to 527
inline constexpr std::size_t PresetBodySize = 526;
inline constexpr std::size_t PresetStringSize = 16 + PresetBodySize;  // tag + body: 542
inline constexpr std::size_t PresetFileSize = PresetStringSize + 2;   // + CR LF: 544
inline constexpr std::size_t UnitFileHeaderSize = 16 + EepromHeaderSize;
inline constexpr std::size_t UnitFileSlotSize = ParameterImageSize + 2;  // record + CR LF
inline constexpr std::size_t UnitFileSize = UnitFileHeaderSize + PresetCount * UnitFileSlotSize;
inline constexpr std::uint8_t UnitFileFiller = 0x64;  // fills the slot of a preset not stored

static_assert(FileMagic.size() == 16);
static_assert(PresetFileSize == 544 && UnitFileSize == 16774);

static_assert(sizeof(PeqBandRecord) == 6 && offsetof(PeqBandRecord, Freq) == 2 && offsetof(PeqBandRecord, Q) == 4 &&
              offsetof(PeqBandRecord, Type) == 5);
static_assert(sizeof(PassFilterRecord) == 4 && offsetof(PassFilterRecord, Freq) == 2);
static_assert(sizeof(CrossoverRecord) == 8 && offsetof(CrossoverRecord, LowPass) == 4);
static_assert(sizeof(CompressorRecord) == 8 && offsetof(CompressorRecord, Attack) == 2 &&
              offsetof(CompressorRecord, Release) == 4 && offsetof(CompressorRecord, Threshold) == 6);

static_assert(sizeof(InputChannelRecord) == 72);
static_assert(offsetof(InputChannelRecord, Peq) == 8 && offsetof(InputChannelRecord, HighPass) == 56 &&
              offsetof(InputChannelRecord, LowPass) == 60 && offsetof(InputChannelRecord, Gain) == 64 &&
              offsetof(InputChannelRecord, Polarity) == 66 && offsetof(InputChannelRecord, Delay) == 68 &&
              offsetof(InputChannelRecord, LinkMask) == 70);

static_assert(sizeof(OutputChannelRecord) == 88);
static_assert(offsetof(OutputChannelRecord, Source) == 8 && offsetof(OutputChannelRecord, HighPass) == 10 &&
              offsetof(OutputChannelRecord, LowPass) == 14 && offsetof(OutputChannelRecord, Peq) == 18 &&
              offsetof(OutputChannelRecord, Comp) == 72 && offsetof(OutputChannelRecord, Gain) == 80 &&
              offsetof(OutputChannelRecord, Polarity) == 82 && offsetof(OutputChannelRecord, Delay) == 84 &&
              offsetof(OutputChannelRecord, LinkMask) == 86);

static_assert(sizeof(ParameterImage) == ParameterImageSize);
static_assert(offsetof(ParameterImage, Reserved) == 1 && offsetof(ParameterImage, PresetName) == 2 &&
              offsetof(ParameterImage, Inputs) == 16 && offsetof(ParameterImage, Outputs) == 160 &&
              offsetof(ParameterImage, InputMuteMask) == 512 && offsetof(ParameterImage, OutputMuteMask) == 514 &&
              offsetof(ParameterImage, InputBandBypass) == 516 && offsetof(ParameterImage, OutputBandBypass) == 520 &&
              offsetof(ParameterImage, SignalMode) == 528 && offsetof(ParameterImage, SineFreqIndex) == 530 &&
              offsetof(ParameterImage, DelayUnit) == 532 && offsetof(ParameterImage, InputEqBypassMask) == 534 &&
              offsetof(ParameterImage, OutputEqBypassMask) == 536);

static_assert(sizeof(PresetRecord) == ParameterImageSize);
static_assert(PresetBodyOffset + PresetBodySize == offsetof(ParameterImage, SignalMode));

// Field access by ChannelIndex. `ch` (and `band`) must be valid; `Image` may be const or not.
constexpr int SideIndex(int ch) { return IsInput(ch) ? ch : ch - InputCount; }

// Calls f(record) with the channel's InputChannelRecord or OutputChannelRecord.
template <class Image, class F>
decltype(auto) WithRecord(Image &image, int ch, F &&f)
{
    if (IsInput(ch))
        return f(image.Inputs[ch]);
    return f(image.Outputs[ch - InputCount]);
}

template <class Image>
auto &BandOf(Image &image, int ch, int band)
{
    return IsInput(ch) ? image.Inputs[ch].Peq[band] : image.Outputs[ch - InputCount].Peq[band];
}

// The side's mute mask (bit SideIndex(ch)).
template <class Image>
auto &MuteMaskOf(Image &image, int ch)
{
    return IsInput(ch) ? image.InputMuteMask : image.OutputMuteMask;
}

// The side's whole-equaliser bypass mask (bit SideIndex(ch)).
template <class Image>
auto &EqBypassMaskOf(Image &image, int ch)
{
    return IsInput(ch) ? image.InputEqBypassMask : image.OutputEqBypassMask;
}

// The channel's band-bypass word (bit b = band b).
template <class Image>
auto &BandBypassOf(Image &image, int ch)
{
    return IsInput(ch) ? image.InputBandBypass[ch] : image.OutputBandBypass[ch - InputCount];
}
