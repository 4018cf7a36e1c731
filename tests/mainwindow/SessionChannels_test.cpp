// The session's channel copy, reload and link groups, offline on the model and online through the
// simulated processor.

#include "SessionFixture.h"

namespace {

using ChannelSessionTest = ExchangeTest;

// Out 3 heads a group with Out 4; Out 1 and Out 2 stand alone.
void GroupOut3WithOut4(LUnitControl &model)
{
    model.SetLinkMask(2, 0b0001);
    model.SetLinkMask(3, 0b0010);
    model.SetLinkMask(4, 0b1100);
    model.SetLinkMask(5, 0);
}

TEST_F(ChannelSessionTest, TheGroupOfAChannelIsItsHeadsMaskOrTheChannelAlone)
{
    LUnitControl &model = session->Model();
    GroupOut3WithOut4(model);
    EXPECT_EQ(session->GetLinkGroupMask(5), 0b1100);
    EXPECT_EQ(session->GetLinkGroupMask(4), 0b1100);
    EXPECT_EQ(session->GetLinkGroupMask(2), 0b0001);
    // A member whose bit no head holds (masks a processor may report) stands alone.
    model.SetLinkMask(4, 0b0100);
    EXPECT_EQ(session->GetLinkGroupMask(5), 0b1000);
    // Bits beyond the side's channels do not count.
    model.SetLinkMask(1, 0);
    model.SetLinkMask(0, 0b0101);
    EXPECT_EQ(session->GetLinkGroupMask(1), 0b10);
    EXPECT_EQ(session->GetLinkGroupMask(6), 0);
}

TEST_F(ChannelSessionTest, OfflineCopyGoesOntoTheDestinationsGroupAndShowsItWhenAsked)
{
    LUnitControl &model = session->Model();
    GroupOut3WithOut4(model);
    model.SetGain(2, 100);
    model.SetChannelName(2, "Main");
    const int out2Gain = model.GetGain(3);

    session->CopyChannel(2, 5, false);
    EXPECT_EQ(model.GetGain(4), 100);
    EXPECT_EQ(model.GetGain(5), 100);
    EXPECT_EQ(model.GetGain(3), out2Gain);
    EXPECT_EQ(model.GetLinkMask(4), 0b1100);
    EXPECT_EQ(model.GetLinkMask(5), 0);
    EXPECT_NE(std::string(reinterpret_cast<const char *>(model.GetChannelRecord(4)), 4), "Main");
    EXPECT_EQ(view.refreshes, 0);

    session->CopyChannel(2, 3, true);
    EXPECT_EQ(model.GetGain(3), 100);
    EXPECT_EQ(view.refreshes, 1);

    // Onto itself, or across the sides: nothing, not even a refresh.
    session->CopyChannel(3, 3, true);
    session->CopyChannel(0, 3, true);
    EXPECT_EQ(view.refreshes, 1);

    session->ReloadAllParameters();
    EXPECT_EQ(view.refreshes, 2);
    PumpFor(20);
    EXPECT_EQ(Logged(), 0u);
}

TEST_F(ChannelSessionTest, OnlineCopyIsTheProcessorsAndReadsAgainOnlyWhenAskedTo)
{
    ConnectIdle();
    const int refreshes = view.refreshes;
    session->CopyChannel(2, 4, false);
    ExpectLogged(1);
    EXPECT_EQ(Log().at(0).command, CMD_COPY_CHANNEL);
    EXPECT_EQ(Log().at(0).payload, (std::vector<std::uint8_t>{2, 4}));
    EXPECT_EQ(session->GetSessionStep(), SessionStep::Idle);
    PumpFor(50);
    EXPECT_EQ(view.refreshes, refreshes);

    sim.ClearFrameLog();
    session->CopyChannel(0, 1, true);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes == refreshes + 1; }, 20000));
    const std::vector<std::uint8_t> commands = Commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[0], CMD_COPY_CHANNEL);
    EXPECT_EQ(commands[1], CMD_SYSTEM_PARAMS);
}

TEST_F(ChannelSessionTest, OnlineReloadStopsTheLevelPollAndReadsEverythingAgain)
{
    ConnectIdle();
    const int refreshes = view.refreshes;
    session->ReloadAllParameters();
    EXPECT_EQ(session->GetSessionStep(), SessionStep::ReloadSent);
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes == refreshes + 1; }, 20000));
    const std::vector<std::uint8_t> commands = Commands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[0], CMD_POLL);
    EXPECT_EQ(commands[1], CMD_SYSTEM_PARAMS);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), CMD_LEVELS), 0);
}

}  // namespace
