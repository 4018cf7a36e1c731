// The device session over TCP against the simulated processor listening on the processor's default
// address and port, inside the private network namespace (the test runs under scripts/isolated).

#include "FakeSessionView.h"
#include "device/HidFixture.h"
#include "devsim/Simulator.h"
#include "mainwindow/DeviceSession.h"
#include "platform/runtime/TimerService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

class NetSessionTest : public hidtest::HidFixture {
protected:
    void SetUp() override
    {
        HidFixture::SetUp();  // no USB device: the test backend stays empty
        EnsureEventLoop();    // the socket is watched by the GUI thread's event loop
        std::string error;
        ASSERT_TRUE(sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error)) << error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        session = std::make_unique<DeviceSession>(view);
    }
    void TearDown() override
    {
        session.reset();
        sim.Stop();
        HidFixture::TearDown();
    }

    // What the scan does for its network candidate: the socket first, then the attempt.
    void Connect()
    {
        session->ConnectNetworkSocket();
        ASSERT_TRUE(PumpUntil([&] { return session->ClientSocket().Connected(); }));
        session->ConnectNet();
        EXPECT_EQ(session->LinkTimeout(), 4000u);
        EXPECT_EQ(session->LinkRetries(), 0u);
        ASSERT_TRUE(PumpUntil([&] { return view.refreshes > 0 || !session->HasTransport(); }, 20000));
        ASSERT_EQ(view.refreshes, 1);
    }

    // Connected and idle with one preset stored; the upload starts with the processor faulty from
    // its first request on.
    void StartUploadWith(const devsim::FaultSettings &faults)
    {
        sim.WithProcessor([](devsim::Processor &p) { p.State().stored[1] = true; });
        Connect();
        if (HasFatalFailure())
            return;
        EXPECT_TRUE(sim.WaitForFrames(48, 5000));
        ASSERT_TRUE(PumpUntil([&] { return !session->NetTransport()->Busy(); }));
        sim.SetFaults(faults);
        sim.ClearFrameLog();
        session->UploadAllPresets();
        ASSERT_TRUE(sim.WaitForFrames(1, 5000));
    }

    TManualClockScope clock;
    devsim::Simulator sim;
    FakeSessionView view;
    std::unique_ptr<DeviceSession> session;
};

TEST_F(NetSessionTest, ConnectReadsTheProcessorAtItsDefaultAddress)
{
    view.trafficVisible = true;
    Connect();
    EXPECT_EQ(view.caption, "TROV316 DSP Processor Editor V1.1    Connected Port => IP : 192.168.1.101");
    EXPECT_EQ(session->LinkTimeout(), 1000u);
    EXPECT_EQ(session->LinkRetries(), 2u);
    EXPECT_TRUE(sim.WaitForFrames(48, 5000));
    PumpFor(20);
    auto has = [&](const char *line) {
        return std::find(view.trafficLines.begin(), view.trafficLines.end(), QString::fromLatin1(line)) !=
               view.trafficLines.end();
    };
    EXPECT_TRUE(has("NET W 10 02 00 01 01 10 10 03 11 "));
    EXPECT_TRUE(has("NET R 10 02 01 00 01 10 10 03 11 "));
    EXPECT_TRUE(std::find(view.networkStatus.begin(), view.networkStatus.end(), "Network Connecting") !=
                view.networkStatus.end());
    EXPECT_TRUE(std::find(view.networkStatus.begin(), view.networkStatus.end(), "Connecting IP:192.168.1.101") !=
                view.networkStatus.end());

    session->DisconnectLink();
    EXPECT_FALSE(session->HasTransport());
    EXPECT_FALSE(session->ClientSocket().Active());
}

// Replies cut into 3-byte writes, with a pause between them, arrive as many short reads; each goes
// to the transport, which puts the frames together, and nothing is sent twice.
TEST_F(NetSessionTest, SplitRepliesAreReadWholeAndNothingIsResent)
{
    devsim::FaultSettings faults;
    faults.splitBytes = 3;
    faults.splitGapMs = 2;
    sim.SetFaults(faults);
    Connect();
    EXPECT_TRUE(sim.WaitForFrames(48, 5000));
    PumpFor(100);
    const auto log = sim.FrameLog();
    EXPECT_EQ(log.size(), 48u);
    const devsim::Image program = sim.WithProcessor([](devsim::Processor &p) { return p.State().program; });
    const auto *model = reinterpret_cast<const std::uint8_t *>(&session->Model().GetImage());
    EXPECT_TRUE(std::equal(program.begin(), program.end(), model));
}

// The session keeps a copy of the last frame it wrote, of at most 70 bytes; a longer frame still
// goes out whole.
TEST_F(NetSessionTest, FrameLongerThanTheKeptCopyGoesOutWhole)
{
    Connect();
    EXPECT_TRUE(sim.WaitForFrames(48, 5000));
    const std::vector<std::uint8_t> data(100, 0x55);
    const CM_MCS_WRITE_EEPROM command(1, 0x1000, 100, data);  // past the header: changes nothing
    const BSTM frame = command.ToBytes(1);
    ASSERT_GT(frame.size(), DeviceSession::LastNetFrameSize);
    session->SendCommand(command, 1, 1);
    auto written = [&] {
        for (const devsim::LoggedFrame &logged : sim.FrameLog())
            if (logged.command == CMD_WRITE_EEPROM)
                return std::optional<BSTM>(logged.bytes);
        return std::optional<BSTM>();
    };
    ASSERT_TRUE(PumpUntil([&] { return written().has_value(); }));
    EXPECT_EQ(*written(), frame);
}

TEST_F(NetSessionTest, AutomaticAddressSettingForgetsTheAddress)
{
    session->SetAutoIpSetting(1);
    session->ConnectNetworkSocket();
    EXPECT_FALSE(session->HasIpAddress());
    EXPECT_FALSE(session->ClientSocket().Active());
}

// Over the network (reply wait 1 s, 2 resends) the transport takes an answer until the fifth
// time-out after its resends: an exchange whose request is still unanswered after 2.5 s goes on,
// and fails only once that cycle and one reply wait more have passed without progress.
TEST_F(NetSessionTest, AnExchangeWaitsOutTheTransportsResendCycle)
{
    devsim::FaultSettings faults;
    faults.refused = {CMD_READ_EEPROM};
    StartUploadWith(faults);
    if (HasFatalFailure())
        return;
    TManualClock::Advance(2500);
    EXPECT_TRUE(session->IsExchangeRunning());
    // Seven time-outs of 1 s (2 resends, 4 extra waits, the report) and one more.
    TManualClock::Advance(5499);
    EXPECT_TRUE(session->IsExchangeRunning());
    TManualClock::Advance(1);
    ASSERT_TRUE(PumpUntil([&] { return !session->HasTransport(); }));
    EXPECT_FALSE(session->IsConnected());
    EXPECT_EQ(view.linkBrokenCalls, 1);
}

// The processor's answer to the upload's first request comes only after 2.5 s of the session's
// clock (held back in real time while the clock moves on): the exchange takes it and completes,
// and the link stays up.
TEST_F(NetSessionTest, AnAnswerTwoAndAHalfSecondsLateCompletesTheUpload)
{
    devsim::FaultSettings late;
    late.delayMs = 500;
    StartUploadWith(late);
    if (HasFatalFailure())
        return;
    TManualClock::Advance(2500);
    EXPECT_TRUE(session->IsExchangeRunning());
    EXPECT_TRUE(view.progressVisible);
    sim.SetFaults({});  // the answer on its way stays late; the rest come at once
    ASSERT_TRUE(PumpUntil([&] { return !view.progressVisible; }, 10000));
    // The upload's last request.
    EXPECT_TRUE(PumpUntil([&] {
        const auto log = sim.FrameLog();
        return !log.empty() && log.back().command == CMD_POLL;
    }));
    EXPECT_TRUE(session->IsConnected());
    EXPECT_EQ(view.linkBrokenCalls, 0);
}

}  // namespace
