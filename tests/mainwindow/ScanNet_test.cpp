// The connection scan's network candidate against the simulated processor on the processor's
// default address and port, inside the private network namespace (the test runs under
// scripts/isolated).

#include "ScanFixture.h"

namespace {

class NetScanTest : public ScanTest {
protected:
    void SetUp() override
    {
        ScanTest::SetUp();
        std::string error;
        ASSERT_TRUE(sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error)) << error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        session->SetIpAddress(DeviceSession::DefaultDeviceAddress);
    }

    // Rescan: the socket connects, then the attempt 100 ms later.
    void Rescan()
    {
        dialog->btnOK->Click();
        EXPECT_EQ(Status(), "Scan Ethernet");
        EXPECT_EQ(Counter(), "1/1");
        ASSERT_TRUE(PumpUntil([&] { return session->ClientSocket().Connected(); }));
        TManualClock::Advance(100);
        ASSERT_NE(session->NetTransport(), nullptr);
        EXPECT_TRUE(sim.WaitForFrames(1, 5000));
    }
};

TEST_F(NetScanTest, NetworkCandidateConnects)
{
    dialog->Show();
    Rescan();
    ASSERT_TRUE(PumpUntil([&] { return view.refreshes > 0; }, 20000));
    EXPECT_EQ(view.caption, "TROV316 DSP Processor Editor V1.1    Connected Port => IP : 192.168.1.101");
    TManualClock::Advance(100);
    EXPECT_FALSE(dialog->Visible());
}

// Over the network an unanswered handshake would be reported only after 20 s; the watchdog ends
// the candidate first.
TEST_F(NetScanTest, SilentNetworkCandidateEndsAtItsWatchdog)
{
    devsim::FaultSettings faults;
    faults.silent = true;
    sim.SetFaults(faults);
    Rescan();
    TManualClock::Advance(1899);                         // 2000 ms after the scan started
    EXPECT_EQ(Status(), "Connecting IP:192.168.1.101");  // what the socket said last
    EXPECT_NE(session->NetTransport(), nullptr);
    TManualClock::Advance(1);
    TManualClock::Advance(100);
    EXPECT_EQ(Status(), "No Device found.");
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_FALSE(session->HasTransport());
    EXPECT_FALSE(session->ClientSocket().Active());
}

// Rescan makes the TCP client connect whatever the scan tries first; with a USB device the scan
// never tries the network, and what the client says of its connection must not take the place of
// the USB candidate's text.
TEST_F(NetScanTest, TheUsbCandidatesTextStaysWhileTheSocketConnects)
{
    PlugProcessor();
    dialog->Show();
    dialog->btnOK->Click();
    EXPECT_EQ(Status(), "Scan USB");
    ASSERT_TRUE(PumpUntil([&] { return session->ClientSocket().Connected(); }));
    PumpFor(50);
    EXPECT_EQ(Status(), "Scan USB");
}

// The processor answers and the full read starts, but the link drops before the step that closes
// the dialog: the scan ends as a broken link does, and neither that step nor the candidate's
// watchdog turns it into "No Device found.".
TEST_F(NetScanTest, ALinkBrokenBeforeTheFoundStepEndsTheScanAsBroken)
{
    devsim::FaultSettings faults;
    faults.dropAfterFrames = 25;
    sim.SetFaults(faults);
    dialog->Show();
    Rescan();
    ASSERT_TRUE(PumpUntil([&] { return view.linkBrokenCalls > 0; }, 10000));
    EXPECT_EQ(view.connectResults, (std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(session->HasTransport());
    TManualClock::Advance(100);
    TManualClock::Advance(2000);  // past the candidate's watchdog
    EXPECT_EQ(Status(), "Link Broken");
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_TRUE(dialog->Visible());
    EXPECT_FALSE(session->HasTransport());
    EXPECT_FALSE(session->IsOnline());
}

}  // namespace
