#pragma once
// The 3-byte level of the level reply: the top three bytes of an IEEE-754 single-precision value,
// sent as b0 = bits 16..23, b1 = bits 24..31, b2 = bits 8..15 (bits 0..7 are not sent).

#include <array>
#include <cstdint>

namespace devsim {

using LevelBytes = std::array<std::uint8_t, 3>;

// Linear amplitude (1.0 = full scale) to the three bytes, rounded to the nearest value they hold.
LevelBytes EncodeLevel(float amplitude);
// The amplitude the three bytes stand for.
float DecodeLevel(const std::uint8_t *bytes);

// 20 log10 and back; silence (0 or less) is reported as `kSilenceDb`.
inline constexpr double kSilenceDb = -140.0;
double AmplitudeToDb(double amplitude);
double DbToAmplitude(double db);

}  // namespace devsim
