// The session's part in a channel copy and a reload: after ExpectReload the processor's next
// acknowledgement starts a complete re-read (the pages send the copy or the reload request). The
// copy and reload themselves are the channel pages' (tests/pages); the main window runs both
// against the simulated processor in tests/app.

#include "SessionFixture.h"

#include "device/LCmd.h"

namespace {

using ChannelSessionTest = ExchangeTest;

TEST_F(ChannelSessionTest, AnAcknowledgedCopyReadsEverythingAgain)
{
    ConnectIdle();
    const int refreshes = view.refreshes;
    session->ExpectReload();
    EXPECT_EQ(session->GetSessionStep(), SessionStep::ReloadSent);
    session->SendCommand(CM_MCS_CMD(1, CMD_COPY_CHANNEL, 0, 1), 1, 1);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes == refreshes + 1; }, 20000));
    const std::vector<std::uint8_t> commands = Commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[0], CMD_COPY_CHANNEL);
    EXPECT_EQ(commands[1], CMD_SYSTEM_PARAMS);
    EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
}

TEST_F(ChannelSessionTest, AReloadRequestWithTheLevelPollStoppedReadsEverythingAgain)
{
    ConnectIdle();
    const int refreshes = view.refreshes;
    session->StopLevelPoll();
    session->ExpectReload();
    session->SendCommand(CM_MCS_CMD(1, CMD_POLL), 1, 1);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes == refreshes + 1; }, 20000));
    const std::vector<std::uint8_t> commands = Commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[0], CMD_POLL);
    EXPECT_EQ(commands[1], CMD_SYSTEM_PARAMS);
    // The poll starts again only at the end of the read.
    EXPECT_EQ(std::count(commands.begin(), commands.end(), CMD_LEVELS), 0);
}

TEST_F(ChannelSessionTest, AReloadThatIsNeverAcknowledgedFailsLikeAnyExchange)
{
    ConnectIdle();
    Refuse({CMD_POLL});
    session->ExpectReload();
    session->SendCommand(CM_MCS_CMD(1, CMD_POLL), 1, 1);
    // No progress for the transport's whole resend cycle over USB and one reply wait more: seven
    // time-outs of 10 s (2 resends, 4 extra waits, the report) and one more.
    PumpFor(50);
    TManualClock::Advance(79999);
    EXPECT_TRUE(session->HasTransport());
    TManualClock::Advance(1);
    ASSERT_TRUE(PumpUntil([&] { return !session->HasTransport(); }));
    ExpectClosedAndIdle();
}

}  // namespace
