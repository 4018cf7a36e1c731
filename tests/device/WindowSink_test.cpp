// The transports' link to the owner window through the framework's messages and timers: this
// test's thread is the GUI thread and delivers the queued messages itself.

#include "FakeTransportSink.h"
#include "PumpMessages.h"
#include "device/LUsb.h"
#include "device/WindowSink.h"
#include "platform/runtime/TimerService.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

// The owner window: records the transports' messages; `onFrame` handles WM_DEVICE_FRAME.
struct Owner {
    Owner()
    {
        handle = AllocateHWnd([this](TMessage &m) {
            if (m.Msg == WM_DEVICE_FRAME) {
                const BSTM &frame = *reinterpret_cast<const BSTM *>(m.WParam);
                frames.push_back(frame);
                roundTrips.push_back(static_cast<std::uint32_t>(m.LParam));
                if (onFrame)
                    onFrame(frame);
            } else if (m.Msg == WM_DEVICE_ERROR) {
                errors.push_back({static_cast<std::uint32_t>(m.WParam), static_cast<std::uint32_t>(m.LParam)});
            }
        });
    }
    ~Owner() { DeallocateHWnd(handle); }

    HWND handle;
    std::vector<BSTM> frames;
    std::vector<std::uint32_t> roundTrips;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> errors;
    std::function<void(const BSTM &)> onFrame;
};

// Records the traffic lines the host is given, with the thread they came on.
struct LoggingHost : FakeLinkHost {
    struct Line {
        char kind;
        BSTM bytes;
        bool onGuiThread;
    };
    std::vector<Line> lines;
    void Add(char kind, const std::uint8_t *b, int n) { lines.push_back({kind, BSTM(b, b + n), IsGuiThread()}); }
    void LogComWrite(const std::uint8_t *b, int n) override { Add('w', b, n); }
    void LogComRead(const std::uint8_t *b, int n) override { Add('r', b, n); }
    void LogUsbWrite(const std::uint8_t *b, int n) override { Add('u', b, n); }
    void LogNetWrite(const std::uint8_t *b, int n) override { Add('n', b, n); }
};

const BSTM Frame = BuildDeviceFrame(1, 0, CMD_ACK, {});

TEST(WindowSink, DeliversSynchronouslyThroughTheOwnerWindow)
{
    Owner owner;
    LoggingHost host;
    WindowSink sink(owner.handle, host);
    sink.Start();
    std::atomic<bool> returned{false};
    auto worker = std::async(std::launch::async, [&] {
        bool ok = sink.Deliver(WM_DEVICE_FRAME, Frame, 42);
        returned = true;
        return ok;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(returned) << "the worker waits until the GUI thread has handled the frame";
    ASSERT_TRUE(PumpUntil([&] { return returned.load(); }));
    EXPECT_TRUE(worker.get());
    EXPECT_EQ(owner.frames, std::vector<BSTM>{Frame});
    EXPECT_EQ(owner.roundTrips, std::vector<std::uint32_t>{42});

    sink.Post(WM_DEVICE_ERROR, LINK_ERR_WAIT, 9);
    ASSERT_TRUE(PumpUntil([&] { return !owner.errors.empty(); }));
    EXPECT_EQ(owner.errors[0], std::make_pair(std::uint32_t{LINK_ERR_WAIT}, std::uint32_t{9}));
}

TEST(WindowSink, AbandonEndsAPendingDeliveryWithoutTheGuiThread)
{
    Owner owner;
    LoggingHost host;
    WindowSink sink(owner.handle, host);
    sink.Start();
    auto worker = std::async(std::launch::async, [&] { return sink.Deliver(WM_DEVICE_FRAME, Frame, 0); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    sink.Abandon();
    ASSERT_EQ(worker.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(worker.get());
    EXPECT_FALSE(sink.Deliver(WM_DEVICE_FRAME, Frame, 0)) << "and every later delivery";
    PumpFor(5);
    EXPECT_TRUE(owner.frames.empty()) << "an abandoned frame never reaches the owner";
}

TEST(WindowSink, ClosingFromInsideTheHandlerNeitherHangsNorFreesTheFrame)
{
    Owner owner;
    LoggingHost host;
    auto sink = std::make_unique<WindowSink>(owner.handle, host);
    sink->Start();
    std::atomic<bool> returned{false};
    bool deliveredOk = true;
    owner.onFrame = [&](const BSTM &frame) {
        sink->Abandon();  // the transport closes while its frame is being handled
        for (int i = 0; i < 5000 && !returned; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_TRUE(returned.load()) << "the worker is free although the handler still runs";
        sink.reset();
        EXPECT_EQ(frame, Frame) << "the frame stays readable to the end of the handler";
    };
    std::thread worker([&] {
        deliveredOk = sink->Deliver(WM_DEVICE_FRAME, Frame, 0);
        returned = true;
    });
    ASSERT_TRUE(PumpUntil([&] { return !owner.frames.empty(); }));
    worker.join();
    EXPECT_FALSE(deliveredOk);
}

TEST(WindowSink, TrafficLinesReachTheHostOnTheGuiThreadInOrder)
{
    Owner owner;
    LoggingHost host;
    WindowSink sink(owner.handle, host);
    sink.Start();
    std::thread worker([&] {
        for (std::uint8_t i = 0; i < 50; ++i)
            sink.Log(i % 2 ? TrafficLine::ComRead : TrafficLine::UsbWrite, &i, 1);
    });
    worker.join();
    std::uint8_t last = 99;
    sink.Log(TrafficLine::NetWrite, &last, 1);
    EXPECT_TRUE(host.lines.empty()) << "nothing is logged on the worker";
    ASSERT_TRUE(PumpUntil([&] { return host.lines.size() == 51; }));
    for (std::uint8_t i = 0; i < 50; ++i) {
        EXPECT_EQ(host.lines[i].kind, i % 2 ? 'r' : 'u');
        EXPECT_EQ(host.lines[i].bytes, BSTM{i});
        EXPECT_TRUE(host.lines[i].onGuiThread);
    }
    EXPECT_EQ(host.lines[50].kind, 'n');
    sink.Abandon();
    sink.Log(TrafficLine::ComWrite, &last, 1);
    PumpFor(5);
    EXPECT_EQ(host.lines.size(), 51u) << "a closed transport logs nothing";
}

TEST(WindowSink, IdlePollComesTwoSecondsAfterTheLastFrameGiven)
{
    TManualClockScope clock;
    Owner owner;
    LoggingHost host;
    LUsbProc usb(owner.handle, host);
    ASSERT_TRUE(usb.Open());
    usb.SetTimeout(60000);

    usb.SendFrame(BuildDeviceFrame(0, 1, CMD_HANDSHAKE, {}), true);
    ASSERT_TRUE(host.WaitForWrites(1));
    usb.OnReceived(BuildDeviceFrame(1, 0, CMD_HANDSHAKE, {}).data(), 9);
    ASSERT_TRUE(PumpUntil([&] { return owner.frames.size() == 1 && !usb.Busy(); }));

    TManualClock::Advance(1500);
    usb.SendFrame(BuildDeviceFrame(0, 1, CMD_LEVELS, {}), false);  // starts the interval again
    ASSERT_TRUE(host.WaitForWrites(2));
    usb.OnReceived(BuildDeviceFrame(1, 0, CMD_LEVELS, {}).data(), 9);
    ASSERT_TRUE(PumpUntil([&] { return owner.frames.size() == 2 && !usb.Busy(); }));
    TManualClock::Advance(1999);
    EXPECT_EQ(host.WriteCount(), 2u);
    TManualClock::Advance(1);
    ASSERT_TRUE(host.WaitForWrites(3));
    EXPECT_EQ(host.Writes()[2], LCmd(1, CMD_POLL).ToBytes(1));

    // The poll is a frame like any other: while it is out, no second poll.
    TManualClock::Advance(2000);
    EXPECT_EQ(host.WriteCount(), 3u);
    ASSERT_TRUE(PumpUntil([&] { return host.lines.size() == 3; }));
    EXPECT_EQ(host.lines[0].kind, 'u');
    usb.Close();
    EXPECT_EQ(TManualClock::TimerCount(), 0) << "closing frees the poll timer";
}

}  // namespace
