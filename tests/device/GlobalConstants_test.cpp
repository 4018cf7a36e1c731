#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "device/GlobalConstants.h"

TEST(ValueScales, FrequencyIndexRoundTripsAndSpotValues)
{
    for (int i = 0; i <= 300; ++i)
        EXPECT_EQ(FreqToIndex(IndexToFreq(i)), i) << i;
    EXPECT_EQ(IndexToFreq(170), 1000.0);
    EXPECT_NEAR(IndexToFreq(0), 19.686, 0.001);
    EXPECT_NEAR(IndexToFreq(300), 20158.7, 0.1);
    const std::vector<std::pair<double, int>> spots = {{1000, 170}, {20, 1}, {20000, 300}, {19, -1}, {0, 0}, {-5, 0}};
    for (const auto &[hz, index] : spots)
        EXPECT_EQ(FreqToIndex(hz), index) << hz;
}

TEST(ValueScales, QIndexRoundTripsAndSpotValues)
{
    for (int i = 0; i < static_cast<int>(QfactorTable.size()); ++i)
        EXPECT_EQ(QToIndex(QfactorTable[static_cast<std::size_t>(i)]), i) << i;
    const std::vector<std::pair<double, int>> spots = {{128, 100}, {1.0, 16}, {0.71, 10}, {0.4, 0}};
    for (const auto &[q, index] : spots)
        EXPECT_EQ(QToIndex(q), index) << q;
}

TEST(ValueScales, DelayGainAndNumericText)
{
    EXPECT_EQ(DelayToSamples(1.0, 0), 48);
    EXPECT_EQ(DelayToSamples(1.0, 1), 139);
    EXPECT_EQ(DelayToSamples(1.0, 2), 42);
    EXPECT_EQ(DelayToSamples(680.0, 0), 32640);
    EXPECT_EQ(DelayToSamples(1.0, 3), 0);

    const std::vector<std::pair<double, int>> gains = {{-12.0, 0}, {12.0, 240}, {0, 120}, {-0.05, 120}, {-1.25, 108}};
    for (const auto &[dB, index] : gains)
        EXPECT_EQ(GainToIndex(dB), index) << dB;
    EXPECT_DOUBLE_EQ(IndexToGain(0), -12.0);
    EXPECT_DOUBLE_EQ(IndexToGain(240), 12.0);

    const std::vector<std::pair<const char *, bool>> texts = {
        {"", true}, {"12.5", true}, {"1.2.3", true}, {"-1", false}, {"1 2", false}, {"+3", false}, {"7ms", false}};
    for (const auto &[text, numeric] : texts)
        EXPECT_EQ(IsNumericText(text), numeric) << text;
}

TEST(GlobalConstants, TablesAndRangeSafeLookups)
{
    EXPECT_EQ(ProductTitle, "TROV316 DSP Processor Editor");
    EXPECT_NEAR(PhaseRadianScale, 18.0 / std::numbers::pi, 1e-12);
    EXPECT_FLOAT_EQ(QfactorTable[10], 0.71f);
    EXPECT_FLOAT_EQ(QfactorTable[16], 1.0f);
    EXPECT_EQ(BandColors[14], BandColors[0]);
    EXPECT_EQ(BandColors[41], 0x800000u);

    // Values from files or the processor are stored as they come; lookups never leave their table.
    EXPECT_FLOAT_EQ(QfactorAt(-1), 0.4f);
    EXPECT_FLOAT_EQ(QfactorAt(100), 128.0f);
    EXPECT_FLOAT_EQ(QfactorAt(255), 128.0f);
    EXPECT_EQ(CompRatioTextAt(15), "Limit");
    EXPECT_EQ(CompRatioTextAt(0xFFFF), "Limit");
    EXPECT_DOUBLE_EQ(CompRatioValueAt(-3), 1.0);
    EXPECT_EQ(CrossoverCodeAt(5), 17);
    EXPECT_EQ(CrossoverCodeAt(21), 0);
    EXPECT_EQ(CrossoverCodeAt(-1), 0);
    EXPECT_EQ(PeqTypeToFilterTypeAt(6), 17);
    EXPECT_EQ(PeqTypeToFilterTypeAt(7), PeqTypeToFilterType[0]);
    EXPECT_EQ(BandColorAt(42), BandColors[0]);
    EXPECT_EQ(BandColorAt(-1), BandColors[41]);
    EXPECT_EQ(ChannelColorAt(10), ChannelColors[0]);
}
