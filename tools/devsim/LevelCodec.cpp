#include "devsim/LevelCodec.h"

#include <bit>
#include <cmath>

namespace devsim {

LevelBytes EncodeLevel(float amplitude)
{
    std::uint32_t bits = std::bit_cast<std::uint32_t>(amplitude);
    // Round to the nearest value whose low byte is zero; a carry into the exponent is still the
    // nearest such value. Infinities and NaNs are left as they are.
    if (((bits >> 23) & 0xFF) != 0xFF && (bits & 0x7FFFFF00u) != 0x7FFFFF00u)
        bits += 0x80;
    return {static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24),
            static_cast<std::uint8_t>(bits >> 8)};
}

float DecodeLevel(const std::uint8_t *b)
{
    const std::uint32_t bits = (std::uint32_t{b[1]} << 24) | (std::uint32_t{b[0]} << 16) | (std::uint32_t{b[2]} << 8);
    return std::bit_cast<float>(bits);
}

double AmplitudeToDb(double amplitude)
{
    return amplitude > 0 ? 20.0 * std::log10(amplitude) : kSilenceDb;
}

double DbToAmplitude(double db)
{
    return db <= kSilenceDb ? 0.0 : std::pow(10.0, db / 20.0);
}

}  // namespace devsim
