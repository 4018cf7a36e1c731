#pragma once
// The ranges the settings of a program take. A program that comes from a file must keep within
// them: the processor holds its own limits for a value outside, and the window would show a program
// the processor does not hold. Channel and preset names, polarity words (any non-zero value is
// "inverted") and band-bypass words (bits past the last band are carried, select no band) take
// any value.

#include "device/ParameterImage.h"

// The largest value of each ranged field; the smallest is 0 for all.
inline constexpr std::uint16_t MaxPeqGain = 240;         // -12 to +12 dB in 0.1 dB steps
inline constexpr std::uint16_t MaxFrequencyIndex = 300;  // 1/30 octave from about 19.7 Hz
inline constexpr std::uint8_t MaxQIndex = 100;           // into QfactorTable
inline constexpr std::uint8_t MaxPeqType = 6;            // PeqType
inline constexpr std::uint16_t MaxSlope = 20;            // PassFilterRecord::Type, see CrossoverCodes
inline constexpr std::uint16_t MaxGainCode = 400;        // slider position + 280
inline constexpr std::uint16_t MaxDelay = 32640;         // samples at 48 kHz: 680 ms
inline constexpr std::uint16_t MaxCompRatio = 15;        // "Limit"
inline constexpr std::uint16_t MaxCompTime = 998;        // attack and release, ms - 1
inline constexpr std::uint16_t MaxCompThreshold = 220;   // +20 dB
inline constexpr std::uint16_t InputChannelMask = 0x3;   // link and mute masks, output sources
inline constexpr std::uint16_t OutputChannelMask = 0xF;

// True when every ranged field of what a preset file carries (image bytes 2 to 527) lies in its
// range.
bool PresetFieldsInRange(const ParameterImage &image);
