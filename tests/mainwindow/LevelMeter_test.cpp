// Level decoding and the meter scale.

#include "mainwindow/LevelMeter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(LevelMeter, LevelBytesFormTheValueMiddleByteFirst)
{
    EXPECT_EQ(LevelValue(0x00, 0x3F, 0x80), 0.501953125f);
    EXPECT_EQ(LevelValue(0x80, 0x3F, 0x00), 1.0f);
    EXPECT_EQ(LevelValue(0x00, 0x00, 0x00), 0.0f);
}

TEST(LevelMeter, PositionsOnTheInputAndOutputScales)
{
    struct Case {
        const char *name;
        double value;
        int input, output;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {.name = "-70 dB", .value = std::pow(10.0, -70 / 20.0), .input = 0, .output = 0},
        {.name = "-60 dB", .value = std::pow(10.0, -60 / 20.0), .input = 1, .output = 1},
        {.name = "-40 dB", .value = std::pow(10.0, -40 / 20.0), .input = 3, .output = 2},
        {.name = "-18 dB", .value = std::pow(10.0, -18 / 20.0), .input = 5, .output = 4},
        {.name = "-12 dB", .value = std::pow(10.0, -12 / 20.0), .input = 6, .output = 5},
        {.name = "about -6 dB", .value = LevelValue(0x00, 0x3F, 0x80), .input = 7, .output = 6},
        {.name = "0 dB", .value = 1.0, .input = 8, .output = 7},
        {.name = "+1 dB", .value = std::pow(10.0, 1 / 20.0), .input = 9, .output = 8},
        {.name = "zero", .value = 0.0, .input = 0, .output = 0},
        {.name = "negative zero", .value = -0.0, .input = 0, .output = 0},
        {.name = "negative", .value = -0.5, .input = 0, .output = 0},
        {.name = "minus infinity", .value = -inf, .input = 0, .output = 0},
        {.name = "not a number", .value = std::nan(""), .input = 0, .output = 0},
        {.name = "plus infinity", .value = inf, .input = 9, .output = 8},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LevelMeterPosition(c.value, false), c.input) << c.name;
        EXPECT_EQ(LevelMeterPosition(c.value, true), c.output) << c.name;
    }
}

TEST(LevelMeter, DecodesSixChannelsAndFourLimiterFlags)
{
    const std::uint8_t payload[] = {0x00, 0x3F, 0x80, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0x3F, 0x80, 0x80, 0x3F, 0x00, 0x00, 0xBF, 0x80, 0xF9};
    const auto levels = DecodeLevels(payload);
    ASSERT_TRUE(levels);
    EXPECT_EQ(levels->positions, (std::array<int, 6>{7, 8, 0, 6, 7, 0}));
    EXPECT_EQ(levels->limiting, (std::array<bool, 4>{true, false, false, true}));
    EXPECT_FALSE(DecodeLevels(std::span(payload, 18)));
}

}  // namespace
