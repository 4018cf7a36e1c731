#pragma once
// The level reply of the processor (reply 64) and the scale from a level to a meter position.
//
// The payload holds six 3-byte levels (In A, In B, Out 1 to Out 4) and a byte of limiter flags:
//
//   offset  0  3  6  9  12  15   18
//           InA InB O1 O2 O3 O4  flags (bit k: Out k+1 is limiting)
//
// A level's bytes b0 b1 b2 are a single-precision value whose bit pattern is b1 b0 b2 00 from the
// most significant byte down. Its position on a meter counts the marks of the channel's side
// (InputLevelMarks, OutputLevelMarks) that lie more than 15 dB below the level. A value without a
// level (negative, NaN) shows 0; zero counts as -140 dB; +infinity is full scale.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

inline constexpr std::size_t LevelReplySize = 19;
inline constexpr int LevelChannels = 6;
inline constexpr int LimiterChannels = 4;

struct LevelDisplay {
    std::array<int, LevelChannels> positions{};    // per channel, 0 to 9 (inputs) or 8 (outputs)
    std::array<bool, LimiterChannels> limiting{};  // Out 1 to Out 4 report limiting
};

// The value of the level at payload bytes b0 b1 b2.
float LevelValue(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);
// The meter position of `value` on an input (0 to 9) or output (0 to 8) meter.
int LevelMeterPosition(double value, bool output);
// The six positions and four limiter flags of a level reply; none for a payload shorter than 19.
std::optional<LevelDisplay> DecodeLevels(std::span<const std::uint8_t> payload);
