// The serial transport on a pseudo-terminal added to the port table: the test holds the master
// side as the processor's end of the cable, with a fake owner window.

#include "FakeTransportSink.h"
#include "device/LComm.h"
#include "platform/serial/PortTable.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

BSTM Request(std::uint8_t command, std::uint8_t address = 7) { return BuildDeviceFrame(0, address, command, {}); }
BSTM Reply(std::uint8_t command, BSTM payload = {}) { return BuildDeviceFrame(7, 0, command, payload); }

class SerialLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(master, 0);
        ASSERT_EQ(::grantpt(master), 0);
        ASSERT_EQ(::unlockpt(master), 0);
        port = serial::PortTable::Instance().Add(::ptsname(master));
        ASSERT_GT(port, 0);
        host.DeviceId = 7;
        link = std::make_unique<LCommProc>(std::make_unique<FakeTransportSink>(sink), host);
    }
    void TearDown() override
    {
        link.reset();
        if (master >= 0)
            ::close(master);
    }
    bool Open(unsigned rate = 115200) { return link->Open(port, rate, 8, 0, 0); }
    void Write(const BSTM &bytes) { ASSERT_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); }
    // Everything the transport wrote within `ms` of quiet.
    BSTM ReadQuiet(int ms)
    {
        BSTM got;
        for (;;) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, ms) <= 0)
                return got;
            std::uint8_t buf[512];
            ssize_t n = ::read(master, buf, sizeof buf);
            if (n <= 0)
                return got;
            got.insert(got.end(), buf, buf + n);
        }
    }
    // Exactly what arrives until `want` bytes are there (five seconds at most).
    BSTM ReadCount(std::size_t want)
    {
        BSTM got;
        while (got.size() < want) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0)
                break;
            std::uint8_t buf[512];
            ssize_t n = ::read(master, buf, std::min(sizeof buf, want - got.size()));
            if (n <= 0)
                break;
            got.insert(got.end(), buf, buf + n);
        }
        return got;
    }
    static BSTM Repeat(const BSTM &frame, int times)
    {
        BSTM all;
        for (int i = 0; i < times; ++i)
            all.insert(all.end(), frame.begin(), frame.end());
        return all;
    }

    int master = -1;
    int port = 0;
    std::shared_ptr<SinkState> sink = std::make_shared<SinkState>();
    FakeLinkHost host;
    std::unique_ptr<LCommProc> link;
};

TEST_F(SerialLink, PortNumberAndRateOutsideTheRangeAreRefused)
{
    struct Case {
        int port;
        unsigned rate;
    } cases[] = {{0, 115200}, {99, 115200}, {-1, 115200}, {port, 1199}, {port, 128001}, {port, 0}};
    for (const Case &c : cases)
        EXPECT_FALSE(link->Open(c.port, c.rate, 8, 0, 0)) << c.port << " " << c.rate;
    EXPECT_FALSE(link->Open(port, 115200, 9, 0, 0)) << "settings the driver cannot take";
    EXPECT_FALSE(link->IsOpen());
    ASSERT_TRUE(Open(128000)) << "the edges of the range are fine";
    EXPECT_FALSE(Open()) << "a second open is refused";
    LCommProc other(std::make_unique<FakeTransportSink>(std::make_shared<SinkState>()), host);
    EXPECT_FALSE(other.Open(port, 115200, 8, 0, 0)) << "the port is held exclusively";
}

TEST_F(SerialLink, ResendsThenReportsAtTheFirstTimeOutAfter)
{
    ASSERT_TRUE(Open());
    link->SetTimeout(10);
    link->SetRetryCount(2);
    link->SendFrame(Request(CMD_HANDSHAKE), true);
    ASSERT_TRUE(sink->WaitForErrors(1));
    EXPECT_EQ(sink->Errors()[0].wparam, LINK_ERR_TIMEOUT);
    EXPECT_EQ(sink->Errors()[0].lparam, 7);
    EXPECT_EQ(ReadQuiet(100), Repeat(Request(CMD_HANDSHAKE), 3)) << "written once, resent twice, then nothing";
    EXPECT_EQ(sink->Errors().size(), 1u);
    EXPECT_EQ(sink->LineCount(TrafficLine::ComWrite), 1u) << "the frame given is logged, not its resends";
}

TEST_F(SerialLink, AnExtraWriteComesFirstAndOnlyForAPendingFrame)
{
    ASSERT_TRUE(Open());
    link->SetTimeout(10);
    link->SetRetryCount(1);
    link->SetExtraWrites(1);
    link->SetPollPaused(1);
    EXPECT_TRUE(ReadQuiet(60).empty()) << "nothing pending: no extra write";
    link->SendFrame(Request(CMD_LEVELS), false);
    ASSERT_TRUE(sink->WaitForErrors(1));
    EXPECT_EQ(ReadQuiet(60), Repeat(Request(CMD_LEVELS), 3)) << "write, extra write, resend";
}

TEST_F(SerialLink, NoResendAfterTheAnswer)
{
    ASSERT_TRUE(Open());
    link->SetTimeout(60000);
    link->SetRetryCount(2);
    link->SetExtraWrites(1);
    link->SetPollPaused(1);
    link->SendFrame(Request(CMD_FACTORY_RESET), true);
    EXPECT_EQ(ReadCount(9), Request(CMD_FACTORY_RESET));
    link->SetTimeout(10);  // from the wait after the answer on
    Write(Reply(CMD_ACK));
    ASSERT_TRUE(sink->WaitForDelivered(1));
    EXPECT_TRUE(ReadQuiet(100).empty()) << "a factory reset must never run twice";
    EXPECT_TRUE(sink->Errors().empty());
}

TEST_F(SerialLink, ReadsWhatComesAndDeliversEveryFrameAsAFrame)
{
    ASSERT_TRUE(Open(9600));  // any rate: frames are delivered as WM_DEVICE_FRAME
    link->SetTimeout(60000);
    link->SendFrame(Request(CMD_IDENTITY), true);
    ReadCount(9);
    const BSTM identity = Reply(CMD_IDENTITY, {'V', 'E', 'L', 'M', 0x10, 0x02});
    const BSTM ack = Reply(CMD_ACK);
    BSTM burst = {0x55};  // a stray byte before the frame is dropped
    burst.insert(burst.end(), identity.begin(), identity.begin() + 7);
    Write(burst);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    BSTM rest(identity.begin() + 7, identity.end());
    rest.insert(rest.end(), ack.begin(), ack.end());
    rest.insert(rest.end(), ack.begin(), ack.end());
    Write(rest);
    ASSERT_TRUE(sink->WaitForDelivered(3));
    EXPECT_EQ(sink->Delivered(), (std::vector<BSTM>{identity, ack, ack}));
    EXPECT_EQ(sink->deliveredMessages, (std::vector<std::uint32_t>(3, WM_DEVICE_FRAME)));
    EXPECT_EQ(sink->LineCount(TrafficLine::ComRead), 3u);
}

TEST_F(SerialLink, IdlePollSetsTheSerialWait)
{
    ASSERT_TRUE(Open());
    sink->Tick();
    EXPECT_EQ(ReadCount(9), LCmd(7, CMD_POLL).ToBytes(1));
    EXPECT_EQ(link->GetTimeout(), 2000);
}

TEST_F(SerialLink, AHangUpIsReportedAndEndsTheWorker)
{
    ASSERT_TRUE(Open());
    link->SetTimeout(60000);
    const BSTM pending = BuildDeviceFrame(5, 7, CMD_HANDSHAKE, {});  // source 5, address 7
    link->SendFrame(pending, true);
    EXPECT_EQ(ReadCount(pending.size()), pending);
    ::close(master);
    master = -1;
    ASSERT_TRUE(sink->WaitForErrors(1));
    EXPECT_EQ(sink->Errors()[0].wparam, LINK_ERR_COMM_EVENT);
    EXPECT_EQ(sink->Errors()[0].lparam, 5) << "the source byte of the pending frame, not its address";
    for (int i = 0; i < 5000 && link->IsOpen(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(link->IsOpen());
    link->Close();
    EXPECT_EQ(sink->Errors().size(), 1u);
}

TEST_F(SerialLink, CloseWhileADeliveryIsPendingAndReopenOnANewTransport)
{
    sink->pumped = true;
    ASSERT_TRUE(Open());
    link->SetTimeout(60000);
    link->SendFrame(Request(CMD_HANDSHAKE), true);
    link->SendFrame(Request(CMD_IDENTITY), true);
    ReadCount(9);
    Write(Reply(CMD_HANDSHAKE));
    ASSERT_TRUE(sink->WaitForPending());
    link->Close();
    EXPECT_TRUE(sink->Errors().empty());
    EXPECT_TRUE(ReadQuiet(20).empty()) << "the queued frame is not sent";

    link = std::make_unique<LCommProc>(std::make_unique<FakeTransportSink>(sink), host);
    sink->pumped = false;
    ASSERT_TRUE(Open()) << "the port is free again";
    link->SendFrame(Request(CMD_HANDSHAKE), true);
    EXPECT_EQ(ReadCount(9), Request(CMD_HANDSHAKE));
}

}  // namespace
