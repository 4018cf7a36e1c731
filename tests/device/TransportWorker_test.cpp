// The USB and network transports with a fake owner window and a fake physical writer: retry
// engine, send queue, idle poll, frame assembly and lifecycle on real worker threads, with short
// reply waits. Nothing here waits on wall-clock luck: each test waits for the event it expects
// (with a generous limit) and short pauses only ever let more time-outs pass.

#include "FakeTransportSink.h"
#include "device/LNet.h"
#include "device/LUsb.h"
#include "device/SendQueue.h"
#include "platform/os/Clock.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

namespace {

BSTM Request(std::uint8_t command, std::uint8_t address = 7, BSTM payload = {})
{
    return BuildDeviceFrame(0, address, command, payload);
}
BSTM Reply(std::uint8_t command, BSTM payload = {}) { return BuildDeviceFrame(7, 0, command, payload); }
BSTM Gain(std::uint8_t ch, std::uint8_t v) { return Request(CMD_GAIN, 7, {ch, v, 0}); }

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// For state that nothing signals: looks again every millisecond, for five seconds at most.
template <class Pred>
bool Eventually(Pred pred)
{
    for (int i = 0; i < 5000; ++i) {
        if (pred())
            return true;
        Pause(1);
    }
    return pred();
}

// A transport of type T (LUsbProc, LNetProc) with its fakes.
template <class T>
struct Rig {
    Rig()
    {
        host.DeviceId = 7;
        link = std::make_unique<T>(std::make_unique<FakeTransportSink>(sink), host);
    }
    void Answer(const BSTM &reply) { link->OnReceived(reply.data(), static_cast<int>(reply.size())); }

    std::shared_ptr<SinkState> sink = std::make_shared<SinkState>();
    FakeLinkHost host;
    std::unique_ptr<T> link;
};

template <class T>
class HostLinks : public ::testing::Test {};
using LinkTypes = ::testing::Types<LUsbProc, LNetProc>;
TYPED_TEST_SUITE(HostLinks, LinkTypes);

// --- Retry engine -----------------------------------------------------------------------------

struct RetryCase {
    const char *name;
    int limit;
    std::uint8_t command;
    int timeoutsToReport;  // silent waits from the first write to the report
};

TYPED_TEST(HostLinks, ResendsThenReportsOnce)
{
    const RetryCase cases[] = {
        {"3 resends, then four more waits", 3, CMD_HANDSHAKE, 8},
        {"no resends: the fifth wait", 0, CMD_HANDSHAKE, 5},
        {"command 5: right after the resends", 2, 5, 3},
    };
    const int waitMs = 5;
    for (const RetryCase &c : cases) {
        Rig<TypeParam> rig;
        ASSERT_TRUE(rig.link->Open());
        rig.link->SetTimeout(waitMs);
        rig.link->SetRetryCount(c.limit);
        const std::int64_t start = os::PerformanceCounter();
        rig.link->SendFrame(Request(c.command), true);
        ASSERT_TRUE(rig.sink->WaitForErrors(1)) << c.name;
        const std::int64_t elapsedMs = (os::PerformanceCounter() - start) * 1000 / os::PerformanceFrequency();
        EXPECT_GE(elapsedMs, c.timeoutsToReport * waitMs) << c.name;
        EXPECT_EQ(rig.host.WriteCount(), static_cast<std::size_t>(1 + c.limit)) << c.name;
        auto errors = rig.sink->Errors();
        EXPECT_EQ(errors[0].wparam, LINK_ERR_TIMEOUT) << c.name;
        EXPECT_EQ(errors[0].lparam, 7) << c.name << ": the frame's address byte";

        Pause(12 * waitMs);
        EXPECT_EQ(rig.sink->Errors().size(), 1u) << c.name << ": a given-up frame is not reported again";
        EXPECT_EQ(rig.host.WriteCount(), static_cast<std::size_t>(1 + c.limit)) << c.name;
        for (const BSTM &w : rig.host.Writes())
            EXPECT_EQ(w, Request(c.command)) << c.name;
    }
}

TYPED_TEST(HostLinks, AnAnsweredFrameIsNeverSentAgain)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SetRetryCount(2);
    rig.link->SetPollPaused(1);
    rig.link->SendFrame(Request(CMD_STORE_PRESET, 7, {3}), true);
    ASSERT_TRUE(rig.host.WaitForWrites(1));
    rig.link->SetTimeout(5);  // from the wait after the answer on
    rig.Answer(Reply(CMD_ACK));
    ASSERT_TRUE(rig.sink->WaitForDelivered(1));
    Pause(100);  // twenty silent waits
    EXPECT_EQ(rig.host.WriteCount(), 1u);
    EXPECT_TRUE(rig.sink->Errors().empty()) << "an idle link with the poll paused never fails";
}

TYPED_TEST(HostLinks, AFailedWriteIsReportedAtOnce)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);  // a report can only come from the failed write
    rig.host.FailWrites(true);
    rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
    ASSERT_TRUE(rig.sink->WaitForErrors(1));
    EXPECT_EQ(rig.sink->Errors()[0].wparam, LINK_ERR_TIMEOUT);
    EXPECT_EQ(rig.sink->Errors()[0].lparam, 7);

    // After the report the link takes nothing until a frame completes.
    rig.host.FailWrites(false);
    rig.link->SendFrame(Gain(2, 1), true);
    EXPECT_TRUE(rig.link->QueuedFrames().empty());
    EXPECT_TRUE(rig.link->Busy());
    rig.Answer(Reply(CMD_ACK));  // a late answer
    ASSERT_TRUE(rig.sink->WaitForDelivered(1));
    ASSERT_TRUE(Eventually([&] { return !rig.link->Busy(); }));
    rig.link->SendFrame(Gain(2, 2), true);
    ASSERT_TRUE(rig.host.WaitForWrites(2));
    EXPECT_EQ(rig.host.Writes()[1], Gain(2, 2));
}

// A link whose wait fails on demand.
template <class T>
class FailingWait : public T {
public:
    using T::T;
    ~FailingWait() override { this->Shutdown(); }
    std::atomic<bool> fail{false};

protected:
    os::WaitResult Wait(std::span<os::AutoResetEvent *const> events, std::span<const int> fds, int timeoutMs) override
    {
        if (fail.load())
            return {os::WaitStatus::Failed, -1, EBADF};
        return T::Wait(events, fds, timeoutMs);
    }
};

TYPED_TEST(HostLinks, AFailedWaitIsReportedAndEndsTheWorker)
{
    Rig<FailingWait<TypeParam>> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SendFrame(Request(CMD_HANDSHAKE, 9), true);
    ASSERT_TRUE(rig.host.WaitForWrites(1));
    rig.link->fail = true;
    rig.Answer({0x55});  // wakes the worker, whose next wait then fails
    ASSERT_TRUE(rig.sink->WaitForErrors(1));
    EXPECT_EQ(rig.sink->Errors()[0].wparam, LINK_ERR_WAIT);
    EXPECT_EQ(rig.sink->Errors()[0].lparam, 9);
    ASSERT_TRUE(Eventually([&] { return !rig.link->IsOpen(); }));
    rig.link->Close();  // the worker has ended: no wait, no report
    EXPECT_EQ(rig.sink->Errors().size(), 1u);
}

// The frame in flight is answered only by the processor it went to; a frame to address 255 by any.
TYPED_TEST(HostLinks, OnlyTheProcessorAskedEndsTheWait)
{
    struct Case {
        const char *name;
        std::uint8_t to;
        std::uint8_t from;
        bool answers;
    };
    const Case cases[] = {
        {.name = "another processor", .to = 7, .from = 9, .answers = false},
        {.name = "the processor asked", .to = 7, .from = 7, .answers = true},
        {.name = "a frame to every processor", .to = 255, .from = 9, .answers = true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Rig<TypeParam> rig;
        ASSERT_TRUE(rig.link->Open());
        rig.link->SetTimeout(60000);
        rig.link->SetRetryCount(1);
        rig.link->SendFrame(Request(CMD_IDENTITY, c.to), true);
        rig.link->SendFrame(Gain(2, 1), true);
        ASSERT_TRUE(rig.host.WaitForWrites(1));
        const BSTM reply = BuildDeviceFrame(c.from, 0, CMD_IDENTITY, BSTM{'V'});
        rig.Answer(reply);
        ASSERT_TRUE(rig.sink->WaitForDelivered(1));
        EXPECT_EQ(rig.sink->Delivered()[0], reply) << "delivered either way";
        rig.link->SetTimeout(5);
        rig.Answer({0x55});  // a stray byte: the worker's next wait is a short one
        if (c.answers) {
            ASSERT_TRUE(rig.host.WaitForWrites(2));
            EXPECT_EQ(rig.host.Writes()[1], Gain(2, 1)) << "the next frame goes out";
        }
        else {
            ASSERT_TRUE(rig.sink->WaitForErrors(1)) << "resent, then reported as unanswered";
            EXPECT_EQ(rig.sink->Errors()[0].wparam, LINK_ERR_TIMEOUT);
            EXPECT_EQ(rig.sink->Errors()[0].lparam, c.to);
            EXPECT_EQ(rig.host.Writes(), (std::vector<BSTM>{Request(CMD_IDENTITY, c.to), Request(CMD_IDENTITY, c.to)}));
            EXPECT_EQ(rig.link->QueuedFrames().size(), 1u) << "the queue waited";
        }
    }
}

TYPED_TEST(HostLinks, AFullQueueIsReportedAsABrokenLink)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SendFrame(Request(CMD_STORE_PRESET, 7, {1}), true);  // never answered
    for (std::size_t i = 0; i < SendQueue::MaxQueued; ++i)
        rig.link->SendFrame(Request(CMD_STORE_PRESET, 7, {static_cast<std::uint8_t>(i)}), true);
    EXPECT_TRUE(rig.sink->Errors().empty());
    rig.link->SendFrame(Gain(2, 1), false);
    ASSERT_TRUE(rig.sink->WaitForErrors(1));
    EXPECT_EQ(rig.sink->Errors()[0].wparam, LINK_ERR_TIMEOUT);
    EXPECT_EQ(rig.sink->Errors()[0].lparam, 7) << "the address of the frame that stalled the link";
    rig.link->SendFrame(Gain(2, 2), false);
    Pause(10);
    EXPECT_EQ(rig.sink->Errors().size(), 1u) << "reported once; the link takes nothing more";
    EXPECT_EQ(rig.link->QueuedFrames().size(), SendQueue::MaxQueued);
}

// --- Send queue and delivery ------------------------------------------------------------------

TYPED_TEST(HostLinks, TheNextFrameGoesOutOnlyAfterTheOwnerHandledTheLast)
{
    Rig<TypeParam> rig;
    rig.sink->pumped = true;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SendFrame(Request(CMD_IDENTITY), true);
    rig.link->SendFrame(Gain(2, 1), false);
    rig.link->SendFrame(Gain(3, 1), false);
    rig.link->SendFrame(Gain(3, 5), false);  // replaces the one before: same channel
    EXPECT_EQ(rig.link->QueuedFrames().size(), 2u);
    ASSERT_TRUE(rig.host.WaitForWrites(1));

    rig.Answer(Reply(CMD_IDENTITY, {'V', 'E', 'L', 'M'}));
    ASSERT_TRUE(rig.sink->WaitForPending());
    EXPECT_EQ(rig.host.WriteCount(), 1u) << "the worker waits while the owner handles the frame";
    // What the owner sends while handling a frame is queued behind.
    rig.sink->onFrame = [&](const BSTM &) { rig.link->SendFrame(Request(CMD_LOCK_STATUS), true); };
    ASSERT_TRUE(rig.sink->Pump());
    rig.sink->onFrame = nullptr;
    ASSERT_TRUE(rig.host.WaitForWrites(2));

    for (int i = 0; i < 3; ++i) {
        rig.Answer(Reply(CMD_ACK));
        ASSERT_TRUE(rig.sink->Pump());
    }
    ASSERT_TRUE(rig.host.WaitForWrites(4));
    EXPECT_EQ(rig.host.Writes(), (std::vector<BSTM>{Request(CMD_IDENTITY), Gain(2, 1), Gain(3, 5), Request(CMD_LOCK_STATUS)}));
    ASSERT_TRUE(Eventually([&] { return !rig.link->Busy(); })) << "idle once the queue is empty";
}

TYPED_TEST(HostLinks, HandOversAreQueuedNeverOverwritten)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SendFrame(Request(CMD_POLL), true);
    // Sixty replies handed in as fast as possible, each split in two hand-overs.
    std::vector<BSTM> sent;
    for (std::uint8_t i = 0; i < 60; ++i) {
        BSTM r = Reply(CMD_LEVELS, {i, 0x10, 0x02, i});
        sent.push_back(r);
        rig.link->OnReceived(r.data(), 3);
        rig.link->OnReceived(r.data() + 3, static_cast<int>(r.size()) - 3);
    }
    ASSERT_TRUE(rig.sink->WaitForDelivered(sent.size()));
    EXPECT_EQ(rig.sink->Delivered(), sent);
}

TYPED_TEST(HostLinks, RawBlocksUntilTheFirstFramedSend)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    BSTM block(64);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 3);
    rig.Answer(block);
    ASSERT_TRUE(rig.sink->WaitForDelivered(1));
    EXPECT_EQ(rig.sink->Delivered()[0], block);

    rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
    BSTM garbageThenFrame = {0x01, 0x02};
    BSTM reply = Reply(CMD_HANDSHAKE);
    garbageThenFrame.insert(garbageThenFrame.end(), reply.begin(), reply.end());
    rig.Answer(garbageThenFrame);
    ASSERT_TRUE(rig.sink->WaitForDelivered(2));
    EXPECT_EQ(rig.sink->Delivered()[1], reply);
    EXPECT_EQ(rig.sink->deliveredMessages, (std::vector<std::uint32_t>{WM_DEVICE_FRAME, WM_DEVICE_FRAME}));
}

TYPED_TEST(HostLinks, WritesAreLoggedOncePerWrite)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(5);
    rig.link->SetRetryCount(1);
    rig.link->SendFrame(Request(5), true);
    ASSERT_TRUE(rig.sink->WaitForErrors(1));
    const TrafficLine line = std::is_same_v<TypeParam, LUsbProc> ? TrafficLine::UsbWrite : TrafficLine::NetWrite;
    EXPECT_EQ(rig.sink->LineCount(line), 2u) << "the write and its resend";
}

// --- Idle poll ----------------------------------------------------------------------------------

TYPED_TEST(HostLinks, IdlePollOnlyWhenIdleAndNotPaused)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    EXPECT_TRUE(rig.sink->timerOn);
    EXPECT_EQ(rig.sink->timerInterval, 2000);
    rig.link->SetTimeout(60000);

    rig.link->SendFrame(Gain(2, 1), false);
    EXPECT_EQ(rig.sink->timerRestarts, 1) << "every frame given starts the interval again";
    ASSERT_TRUE(rig.host.WaitForWrites(1));
    rig.link->SendFrame(Gain(3, 1), false);
    rig.sink->Tick();  // busy and queued
    rig.Answer(Reply(CMD_ACK));
    ASSERT_TRUE(rig.host.WaitForWrites(2));
    rig.sink->Tick();  // still busy
    rig.Answer(Reply(CMD_ACK));
    ASSERT_TRUE(Eventually([&] { return !rig.link->Busy(); }));
    rig.link->SetPollPaused(1);
    rig.sink->Tick();
    EXPECT_EQ(rig.host.WriteCount(), 2u) << "no poll while busy, queued or paused";

    rig.link->SetPollPaused(0);
    rig.host.DeviceId = 99;  // the transport keeps the ID it was given
    rig.link->SetDeviceId(12);
    rig.sink->Tick();
    ASSERT_TRUE(rig.host.WaitForWrites(3));
    EXPECT_EQ(rig.host.Writes()[2], LCmd(12, CMD_POLL).ToBytes(1));
    EXPECT_EQ(rig.link->GetTimeout(), 5000);
    EXPECT_EQ(rig.sink->timerRestarts, 3) << "the poll is a frame given like any other";

    rig.link->Close();
    EXPECT_FALSE(rig.sink->timerOn);
    rig.link->SendFrame(Gain(2, 2), false);
    EXPECT_EQ(rig.sink->timerRestarts, 3) << "frames given to a closed transport change nothing";
}

// --- Lifecycle ----------------------------------------------------------------------------------

TYPED_TEST(HostLinks, OpenCloseAndSendsAroundThem)
{
    Rig<TypeParam> rig;
    rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
    EXPECT_FALSE(rig.link->Busy()) << "not open: dropped";
    ASSERT_TRUE(rig.link->Open());
    EXPECT_FALSE(rig.link->Open()) << "a second open is refused";
    EXPECT_TRUE(rig.link->IsOpen());
    EXPECT_EQ(rig.sink->timerStarts, 1) << "and leaves the running poll timer alone";
    rig.link->Close();
    EXPECT_FALSE(rig.link->IsOpen());
    rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
    rig.link->Send(Request(CMD_HANDSHAKE));
    rig.Answer(Reply(CMD_ACK));
    Pause(20);
    EXPECT_EQ(rig.host.WriteCount(), 0u);
    EXPECT_TRUE(rig.sink->Delivered().empty());
    EXPECT_TRUE(rig.sink->Errors().empty());
}

TYPED_TEST(HostLinks, CloseLeavesATransportThatOpensAgain)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(5);
    rig.link->SetRetryCount(0);
    rig.link->SendFrame(Request(5), true);  // reported at the first time-out
    ASSERT_TRUE(rig.sink->WaitForErrors(1));
    rig.link->SendFrame(Gain(2, 1), true);
    EXPECT_TRUE(rig.link->Busy());
    rig.Answer({0x10, 0x02, 0x07});  // half a frame left behind
    rig.link->Close();
    EXPECT_FALSE(rig.link->Busy()) << "the stuck frame is forgotten";

    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SendFrame(Gain(3, 1), true);
    ASSERT_TRUE(rig.host.WaitForWrites(2)) << "refused no longer: goes out at once";
    EXPECT_EQ(rig.host.Writes()[1], Gain(3, 1));
    rig.Answer(Reply(CMD_ACK));
    ASSERT_TRUE(rig.sink->WaitForDelivered(1));
    EXPECT_EQ(rig.sink->Delivered()[0], Reply(CMD_ACK)) << "no bytes of the last session in front";
    ASSERT_TRUE(Eventually([&] { return !rig.link->Busy(); }));
    rig.link->SetTimeout(5);
    Pause(50);
    EXPECT_EQ(rig.host.WriteCount(), 2u) << "nothing of the last session is resent";
    EXPECT_EQ(rig.sink->Errors().size(), 1u);
}

TYPED_TEST(HostLinks, CloseWithQueuedFramesSendsNone)
{
    Rig<TypeParam> rig;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
    ASSERT_TRUE(rig.host.WaitForWrites(1));
    for (std::uint8_t ch = 2; ch < 5; ++ch)
        rig.link->SendFrame(Gain(ch, 1), true);
    EXPECT_EQ(rig.link->QueuedFrames().size(), 3u);
    rig.link->Close();
    EXPECT_TRUE(rig.link->QueuedFrames().empty());
    EXPECT_EQ(rig.host.WriteCount(), 1u);
}

TYPED_TEST(HostLinks, CloseWhileADeliveryIsPendingReturnsPromptly)
{
    Rig<TypeParam> rig;
    rig.sink->pumped = true;  // nobody handles the delivery
    ASSERT_TRUE(rig.link->Open());
    rig.link->SetTimeout(60000);
    rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
    rig.link->SendFrame(Gain(2, 1), false);
    ASSERT_TRUE(rig.host.WaitForWrites(1));
    rig.Answer(Reply(CMD_HANDSHAKE));
    ASSERT_TRUE(rig.sink->WaitForPending());
    rig.link->Close();
    EXPECT_FALSE(rig.link->IsOpen());
    EXPECT_TRUE(rig.sink->Errors().empty()) << "no 5000 ms wait for the worker";
    EXPECT_EQ(rig.host.WriteCount(), 1u) << "the abandoned delivery starts nothing";
}

TYPED_TEST(HostLinks, DestroyWhileADeliveryIsPending)
{
    Rig<TypeParam> rig;
    rig.sink->pumped = true;
    ASSERT_TRUE(rig.link->Open());
    rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
    rig.Answer(Reply(CMD_HANDSHAKE));
    ASSERT_TRUE(rig.sink->WaitForPending());
    rig.link.reset();  // joins the worker before anything it uses goes
    EXPECT_TRUE(rig.sink->Errors().empty());
}

TYPED_TEST(HostLinks, ManyOpenCloseCyclesWithTraffic)
{
    for (int i = 0; i < 20; ++i) {
        Rig<TypeParam> rig;
        rig.sink->pumped = (i % 2) == 0;
        ASSERT_TRUE(rig.link->Open());
        rig.link->SetTimeout(1);
        rig.link->SendFrame(Request(CMD_HANDSHAKE), true);
        rig.link->SendFrame(Gain(2, 1), false);
        rig.Answer(Reply(CMD_HANDSHAKE));
        rig.link->SetPollPaused(1);
        if (i % 3 == 0)
            rig.link->Close();
    }
}

// --- Bare links and messages --------------------------------------------------------------------

TEST(BareUsb, EachReceivedByteIsPosted)
{
    auto sink = std::make_shared<SinkState>();
    FakeLinkHost host;
    LUsb usb(std::make_unique<FakeTransportSink>(sink), host);
    ASSERT_TRUE(usb.Open());
    const BSTM bytes = {0x10, 0x02, 0x33};
    usb.OnReceived(bytes.data(), 3);
    ASSERT_TRUE(sink->WaitFor([&] { return sink->posted.size() >= 3; }));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(sink->posted[i].message, WM_DEVICE_BYTE);
        EXPECT_EQ(sink->posted[i].wparam, bytes[i]);
    }
    usb.Send(BSTM{});
    usb.Send(BSTM(LUsb::TxBufferSize + 1, 0x10));
    Pause(10);
    EXPECT_EQ(host.WriteCount(), 0u) << "empty and oversized frames are dropped";
}

TEST(RoundTrip, TicksToMillisecondsWithItsCeiling)
{
    const std::int64_t f = 1000000000;  // nanosecond counter
    EXPECT_EQ(LUsbProc::RoundTrip(0, f), 0u);
    EXPECT_EQ(LUsbProc::RoundTrip(1999999, f), 1u);
    EXPECT_EQ(LUsbProc::RoundTrip(4294967294ll * 1000000, f), 4294967294u);
    EXPECT_EQ(LUsbProc::RoundTrip(4294967295ll * 1000000, f), 0xFFFFFFFFu);
    EXPECT_EQ(LUsbProc::RoundTrip(std::int64_t{1} << 62, f), 0xFFFFFFFFu);
    EXPECT_EQ(LUsbProc::RoundTrip(10, 0), 0u);
}

}  // namespace
