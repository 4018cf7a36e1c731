// The 3-byte level encoding and the levels the simulator makes.

#include "devsim/LevelCodec.h"
#include "devsim/LevelGenerator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace devsim {
namespace {

TEST(LevelCodec, BytesAreTheTopOfAFloatInTheReplyOrder)
{
    // b0 = bits 16..23, b1 = bits 24..31, b2 = bits 8..15: 00 3F 80 is 0x3F008000.
    const std::uint8_t bytes[3] = {0x00, 0x3F, 0x80};
    EXPECT_FLOAT_EQ(DecodeLevel(bytes), 0.501953125f);
    EXPECT_EQ(EncodeLevel(0.501953125f), (LevelBytes{0x00, 0x3F, 0x80}));
    EXPECT_EQ(EncodeLevel(0.0f), (LevelBytes{0, 0, 0}));
    EXPECT_EQ(EncodeLevel(1.0f), (LevelBytes{0x80, 0x3F, 0x00}));  // 0x3F800000
}

TEST(LevelCodec, EncodedLevelsDecodeToTheLevelMeant)
{
    for (double db = -120.0; db <= 20.0; db += 0.37) {
        const LevelBytes bytes = EncodeLevel(static_cast<float>(DbToAmplitude(db)));
        EXPECT_NEAR(AmplitudeToDb(DecodeLevel(bytes.data())), db, 0.001) << db << " dB";
    }
    const LevelBytes silence = EncodeLevel(static_cast<float>(DbToAmplitude(kSilenceDb)));
    EXPECT_EQ(AmplitudeToDb(DecodeLevel(silence.data())), kSilenceDb);
}

TEST(LevelCodec, RoundingCarriesIntoTheExponent)
{
    // The largest mantissa with a low byte of 0x80 or more rounds up to the next power of two.
    const float justBelowTwo = std::bit_cast<float>(0x3FFFFFF0u);
    EXPECT_EQ(EncodeLevel(justBelowTwo), (LevelBytes{0x00, 0x40, 0x00}));
}

class LevelGeneratorTest : public ::testing::Test {
protected:
    Image img = FactoryImage();
    LevelGenerator levels{7};

    double Db(const std::vector<std::uint8_t> &reply, int ch) { return AmplitudeToDb(DecodeLevel(&reply[3 * ch])); }
};

TEST_F(LevelGeneratorTest, SteadySignalPlusNoiseReachesTheOutputsThroughGainAndRouting)
{
    levels.SetSignalDb(-20);
    levels.SetNoiseDb(2);
    for (int i = 0; i < 50; ++i) {
        const auto reply = levels.Next(img);
        ASSERT_EQ(reply.size(), 19u);
        for (int in = 0; in < 2; ++in)
            EXPECT_NEAR(Db(reply, in), -20, 2.01);
        // Factory routing: Out 1 and Out 3 from In A, Out 2 and Out 4 from In B, all at 0 dB.
        EXPECT_NEAR(Db(reply, 2), Db(reply, 0), 0.001);
        EXPECT_NEAR(Db(reply, 5), Db(reply, 1), 0.001);
        EXPECT_EQ(reply[18], 0);
    }
    // The levels move.
    EXPECT_NE(levels.Next(img), levels.Next(img));
}

TEST_F(LevelGeneratorTest, MuteAndRoutingSilenceChannels)
{
    img[512] = 0x01;  // In A muted: Out 1 and Out 3 hear nothing
    img[514] = 0x08;  // Out 4 muted
    const auto reply = levels.Next(img);
    for (int ch : {0, 2, 4, 5})
        EXPECT_EQ(Db(reply, ch), kSilenceDb) << ch;
    EXPECT_GT(Db(reply, 1), -30);
    EXPECT_GT(Db(reply, 3), -30);
}

TEST_F(LevelGeneratorTest, LimiterFlagWhenAnOutputExceedsItsThreshold)
{
    levels.SetSignalDb(-6);
    levels.SetNoiseDb(0);
    // Out 2 threshold -30 dB (code 120), ratio "Limit": it limits and stays near the threshold.
    img[248 + 72] = 15;
    img[248 + 78] = 120;
    // Out 4 at +20 dB (the factory threshold) never limits.
    const auto reply = levels.Next(img);
    EXPECT_EQ(reply[18], 0x02);
    EXPECT_NEAR(Db(reply, 3), -30 + 24 / 20.1, 0.01);
    // Muted, the same output neither sounds nor limits.
    img[514] = 0x02;
    EXPECT_EQ(levels.Next(img)[18], 0);
}

TEST(LevelScales, GainThresholdAndRatio)
{
    EXPECT_DOUBLE_EQ(GainCodeToDb(280), 0.0);
    EXPECT_DOUBLE_EQ(GainCodeToDb(400), 12.0);
    EXPECT_DOUBLE_EQ(GainCodeToDb(80), -20.0);
    EXPECT_DOUBLE_EQ(GainCodeToDb(0), -60.0);
    EXPECT_DOUBLE_EQ(ThresholdCodeToDb(220), 20.0);
    EXPECT_DOUBLE_EQ(ThresholdCodeToDb(0), -90.0);
    EXPECT_DOUBLE_EQ(RatioOfIndex(15), 20.1);
}

}  // namespace
}  // namespace devsim
