#include "device/SendQueue.h"

#include "device/LCmd.h"

#include <gtest/gtest.h>

namespace {

BSTM Cmd(std::uint8_t command, BSTM payload, std::uint8_t address = 1)
{
    return BuildDeviceFrame(0, address, command, payload);
}
BSTM Gain(std::uint8_t ch, std::uint8_t value, std::uint8_t address = 1) { return Cmd(CMD_GAIN, {ch, value, 0}, address); }
BSTM Mute(std::uint8_t ch, std::uint8_t on) { return Cmd(CMD_MUTE, {ch, on}); }
BSTM Peq(std::uint8_t ch, std::uint8_t band, std::uint8_t gain) { return Cmd(CMD_PEQ, {ch, band, gain, 0, 170, 0, 50, 0, 0}); }
BSTM Mode(std::uint8_t mode) { return Cmd(CMD_WORK_MODE, {mode, 0}); }

struct Give {
    BSTM frame;
    bool keep = false;
};

struct Case {
    const char *name;
    std::vector<Give> given;  // while a frame is out
    std::vector<BSTM> queued;
};

TEST(SendQueue, CoalescingTable)
{
    const Case cases[] = {
        {"GAIN Out 1 then GAIN Out 2: both kept", {{Gain(2, 1)}, {Gain(3, 2)}}, {Gain(2, 1), Gain(3, 2)}},
        {"GAIN, MUTE, GAIN: the second GAIN takes the first one's place",
         {{Gain(2, 1)}, {Mute(2, 1)}, {Gain(2, 3)}},
         {Gain(2, 3), Mute(2, 1)}},
        {"alternating edits leave one frame per parameter",
         {{Gain(2, 1)}, {Gain(3, 1)}, {Peq(2, 0, 1)}, {Gain(2, 2)}, {Gain(3, 2)}, {Peq(2, 0, 2)}, {Gain(2, 3)}},
         {Gain(2, 3), Gain(3, 2), Peq(2, 0, 2)}},
        {"the same channel twice: the latest value", {{Gain(2, 1)}, {Gain(2, 9)}}, {Gain(2, 9)}},
        {"a run of edits collapses", {{Gain(4, 1)}, {Gain(4, 2)}, {Gain(4, 3)}, {Gain(4, 4)}}, {Gain(4, 4)}},
        {"keep-duplicates frames stay", {{Gain(2, 1)}, {Gain(2, 2), true}}, {Gain(2, 1), Gain(2, 2)}},
        {"a keep-duplicates frame is never replaced", {{Gain(2, 1), true}, {Gain(2, 2)}}, {Gain(2, 1), Gain(2, 2)}},
        {"never across a keep-duplicates frame (a store between)",
         {{Gain(2, 1)}, {Cmd(CMD_STORE_PRESET, {3}), true}, {Gain(2, 2)}},
         {Gain(2, 1), Cmd(CMD_STORE_PRESET, {3}), Gain(2, 2)}},
        {"behind the keep-duplicates frame edits merge again",
         {{Gain(2, 1)}, {Cmd(CMD_STORE_PRESET, {3}), true}, {Gain(2, 2)}, {Gain(3, 1)}, {Gain(2, 5)}},
         {Gain(2, 1), Cmd(CMD_STORE_PRESET, {3}), Gain(2, 5), Gain(3, 1)}},
        {"PEQ: other band kept", {{Peq(2, 0, 1)}, {Peq(2, 1, 1)}}, {Peq(2, 0, 1), Peq(2, 1, 1)}},
        {"PEQ: other channel kept", {{Peq(2, 0, 1)}, {Peq(3, 0, 1)}}, {Peq(2, 0, 1), Peq(3, 0, 1)}},
        {"PEQ: same channel and band replaced", {{Peq(2, 4, 1)}, {Peq(2, 4, 7)}}, {Peq(2, 4, 7)}},
        {"another device address is another target",
         {{Gain(2, 1, 1)}, {Gain(2, 1, 2)}},
         {Gain(2, 1, 1), Gain(2, 1, 2)}},
        {"a command without target: latest wins", {{Mode(1)}, {Mode(2)}}, {Mode(2)}},
    };
    for (const Case &c : cases) {
        SendQueue q;
        ASSERT_EQ(q.Give(Cmd(CMD_POLL, {}), false), SendQueue::Given::SendNow);
        for (const Give &g : c.given)
            q.Give(g.frame, g.keep);
        const std::deque<BSTM> frames = q.Frames();
        EXPECT_EQ(std::vector<BSTM>(frames.begin(), frames.end()), c.queued) << c.name;
    }
}

TEST(SendQueue, FromIdle)
{
    SendQueue q;
    EXPECT_EQ(q.Give(Gain(2, 1), false), SendQueue::Given::SendNow) << "idle: out at once";
    EXPECT_TRUE(q.Busy());
    EXPECT_EQ(q.Give(Gain(2, 2), false), SendQueue::Given::Queued) << "the frame out is never replaced";
    EXPECT_EQ(q.Give(Gain(2, 3), false), SendQueue::Given::Replaced);
    EXPECT_EQ(q.Next(), Gain(2, 3));
    EXPECT_TRUE(q.Busy());
    EXPECT_EQ(q.Give(Gain(2, 4), false), SendQueue::Given::Queued) << "the designated frame went out: append";
    EXPECT_EQ(q.Next(), Gain(2, 4));
    EXPECT_EQ(q.Next(), std::nullopt);
    EXPECT_FALSE(q.Busy());
}

TEST(SendQueue, RefusesAfterAFailureUntilAFrameCompletes)
{
    SendQueue q;
    q.Give(Gain(2, 1), true);
    q.Give(Gain(2, 2), true);
    q.Failed();
    EXPECT_EQ(q.Give(Gain(2, 3), true), SendQueue::Given::Dropped);
    EXPECT_TRUE(q.Busy()) << "stuck until a frame completes or the link is closed";
    EXPECT_EQ(q.Next(), Gain(2, 2)) << "a late answer completes: the queue goes on";
    EXPECT_EQ(q.Give(Gain(2, 4), true), SendQueue::Given::Queued);
}

TEST(SendQueue, AFullQueueOverflowsAndThenRefuses)
{
    SendQueue q;
    q.Give(Gain(2, 0), true);
    for (std::size_t i = 0; i < SendQueue::MaxQueued; ++i)
        ASSERT_EQ(q.Give(Gain(2, static_cast<std::uint8_t>(i)), true), SendQueue::Given::Queued);
    EXPECT_EQ(q.Give(Gain(2, 7), false), SendQueue::Given::Overflow) << "keep-duplicates frames are never replaced";
    EXPECT_EQ(q.Give(Gain(3, 0), false), SendQueue::Given::Dropped) << "refused after the overflow";
    EXPECT_EQ(q.Size(), SendQueue::MaxQueued);

    SendQueue edits;
    edits.Give(Gain(2, 0), true);
    for (std::size_t i = 0; i < SendQueue::MaxQueued; ++i)
        ASSERT_EQ(edits.Give(Cmd(CMD_PEQ, {static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i), 0}), false),
                  SendQueue::Given::Queued);  // 1024 (channel, band) pairs
    EXPECT_EQ(edits.Give(Cmd(CMD_PEQ, {0, 9, 1}), false), SendQueue::Given::Replaced) << "a full queue still merges";
    EXPECT_EQ(edits.Give(Gain(3, 0), false), SendQueue::Given::Overflow);
}

TEST(SendQueue, ClearDropsWaitingFramesResetForgetsEverything)
{
    SendQueue q;
    q.Give(Gain(2, 0), false);
    q.Give(Gain(3, 0), false);
    q.Give(Gain(4, 0), false);
    q.Clear();
    EXPECT_EQ(q.Size(), 0u);
    EXPECT_TRUE(q.Busy());
    EXPECT_EQ(q.Give(Gain(4, 1), false), SendQueue::Given::Queued);

    q.Failed();
    q.Reset();
    EXPECT_FALSE(q.Busy());
    EXPECT_FALSE(q.Refusing());
    EXPECT_EQ(q.Size(), 0u);
    EXPECT_EQ(q.Give(Gain(4, 2), false), SendQueue::Given::SendNow);
}

TEST(SendQueue, ShortFramesAreNeverTakenForOneAnother)
{
    EXPECT_FALSE(SendQueue::SameTarget({0x10, 0x02, 0x00}, {0x10, 0x02, 0x00}));
    EXPECT_TRUE(SendQueue::SameTarget(Cmd(CMD_GAIN, {}), Cmd(CMD_GAIN, {})));
    EXPECT_FALSE(SendQueue::SameTarget(Cmd(CMD_GAIN, {}), Cmd(CMD_GAIN, {2})));
}

}  // namespace
