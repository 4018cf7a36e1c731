#include "mainwindow/LevelMeter.h"

#include "device/GlobalConstants.h"

#include <bit>
#include <cmath>

namespace {

// A level counts a mark once it lies this far above it.
constexpr double MarkHeadroomDb = 15.0;
// Zero has no logarithm: it stands for this value (-140 dB).
constexpr double SilenceValue = 0.0000001;

}  // namespace

float LevelValue(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2)
{
    const std::uint32_t bits = std::uint32_t{b1} << 24 | std::uint32_t{b0} << 16 | std::uint32_t{b2} << 8;
    return std::bit_cast<float>(bits);
}

int LevelMeterPosition(double value, bool output)
{
    if (std::isnan(value) || std::signbit(value))
        return 0;  // negative values (and -0) have no level to show
    if (value == 0)
        value = SilenceValue;
    const double db = 20 * std::log10(value);
    auto walk = [db](const auto &marks) {
        int passed = 0;
        for (const float mark : marks) {
            if (mark - MarkHeadroomDb >= db)
                break;
            ++passed;
        }
        return passed;
    };
    return output ? walk(OutputLevelMarks) : walk(InputLevelMarks);
}

std::optional<LevelDisplay> DecodeLevels(std::span<const std::uint8_t> payload)
{
    if (payload.size() < LevelReplySize)
        return std::nullopt;
    LevelDisplay display;
    for (int ch = 0; ch < LevelChannels; ++ch) {
        const std::uint8_t *b = payload.data() + 3 * ch;
        display.positions[static_cast<std::size_t>(ch)] = LevelMeterPosition(LevelValue(b[0], b[1], b[2]), ch >= 2);
    }
    const std::uint8_t flags = payload[LevelReplySize - 1];
    for (int k = 0; k < LimiterChannels; ++k)
        display.limiting[static_cast<std::size_t>(k)] = (flags >> k & 1) != 0;
    return display;
}
