#include "device/FrameAssembler.h"

#include <gtest/gtest.h>

#include <random>

namespace {

BSTM Frame(std::uint8_t command, BSTM payload = {}, std::uint8_t source = 1)
{
    return BuildDeviceFrame(source, 0, command, payload);
}

BSTM Join(std::initializer_list<BSTM> parts)
{
    BSTM all;
    for (const BSTM &p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<BSTM> Assemble(const BSTM &bytes, std::uint8_t mode, FrameAssembler *assembler = nullptr)
{
    FrameAssembler local;
    FrameAssembler &a = assembler ? *assembler : local;
    std::vector<BSTM> frames;
    for (std::uint8_t b : bytes)
        a.Add(b, mode, [&](const BSTM &f) { frames.push_back(f); });
    return frames;
}

struct Case {
    const char *name;
    BSTM input;
    std::vector<BSTM> frames;
};

TEST(FrameAssembler, FramedTable)
{
    const BSTM poll = Frame(1);
    const BSTM levels = Frame(64, BSTM(19, 0x10));  // payload full of 0x10, no stuffing
    BSTM largestPayload(254, 0x5A);
    const BSTM largest = Frame(36, largestPayload);
    ASSERT_EQ(largest.size(), 263u);
    BSTM lenZero = {0x10, 0x02, 0x00, 0x01, 0x00, 0x12, 0x10, 0x03, 0x00};
    BSTM badTrailer = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0xAA, 0xBB, 0xCC};
    BSTM cutShort = {0x10, 0x02, 0x00, 0x01, 0x05, 0x12};  // the rest was lost

    const Case cases[] = {
        {"garbage before a frame", Join({{0x55, 0xAA, 0x03, 0x02}, poll}), {poll}},
        {"10 10 02 starts at the second 10", Join({{0x10}, poll}), {poll}},
        {"10 then another byte starts nothing", Join({{0x10, 0x55, 0x02, 0x00}, poll}), {poll}},
        {"several frames in one read", Join({poll, levels, poll}), {poll, levels, poll}},
        {"payload bytes 10 need no stuffing", levels, {levels}},
        {"LEN 0 is no frame; the next one is found", Join({lenZero, poll}), {poll}},
        {"LEN 0 hiding a frame start", Join({{0x10, 0x02}, poll}), {poll}},
        {"damaged trailer is dropped", Join({badTrailer, poll}), {poll}},
        {"a cut frame costs only itself", Join({cutShort, poll, levels}), {poll, levels}},
        {"the largest frame", Join({largest, poll}), {largest, poll}},
        {"half a frame waits", BSTM(poll.begin(), poll.begin() + 5), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Assemble(c.input, FrameAssembler::FramedMode), c.frames) << c.name;
}

TEST(FrameAssembler, SplitAcrossReadsKeepsThePartialFrame)
{
    const BSTM poll = Frame(1);
    FrameAssembler a;
    EXPECT_TRUE(Assemble(BSTM(poll.begin(), poll.begin() + 4), FrameAssembler::FramedMode, &a).empty());
    EXPECT_EQ(a.Partial().size(), 4u);
    EXPECT_EQ(Assemble(BSTM(poll.begin() + 4, poll.end()), FrameAssembler::FramedMode, &a), std::vector<BSTM>{poll});
    EXPECT_TRUE(a.Partial().empty());
}

TEST(FrameAssembler, BlocksAndOtherModes)
{
    BSTM bytes(130);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    FrameAssembler a;
    std::vector<BSTM> blocks = Assemble(bytes, FrameAssembler::BlockMode, &a);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0], BSTM(bytes.begin(), bytes.begin() + 64));
    EXPECT_EQ(blocks[1], BSTM(bytes.begin() + 64, bytes.begin() + 128));
    EXPECT_EQ(a.Partial().size(), 2u);

    EXPECT_TRUE(Assemble(Frame(1), 2).empty()) << "any other mode ignores the bytes";
}

TEST(FrameAssembler, NeverGrowsPastTheLargestFrame)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    FrameAssembler a;
    std::size_t largest = 0;
    for (int i = 0; i < 200000; ++i) {
        // Plenty of 10 02 starts among the noise.
        int r = byte(random);
        std::uint8_t b = r < 40 ? 0x10 : r < 80 ? 0x02 : static_cast<std::uint8_t>(r);
        a.Add(b, FrameAssembler::FramedMode, [&](const BSTM &f) {
            EXPECT_EQ(f.size(), DeviceFrameSize(f[4]));
            EXPECT_NE(f[4], 0);
        });
        largest = std::max(largest, a.Partial().size());
    }
    EXPECT_LE(largest, FrameAssembler::MaxFrameSize - 1);
}

}  // namespace
