// Speed of the USB transport against the in-process simulated processor, with every thread
// sleeping while it waits, as the program's threads do:
//  - chained frames: request, reply, assembly and delivery to the owner, the next request sent from
//    the owner's handler (as the connection exchange does). The processor's side is a device
//    thread that sleeps until a report is written, lets the simulator answer it and hands the
//    answer back, as the HID read thread does with each input report. Once with the owner inline
//    on the worker (the transport's own cost), once with an owner window on this thread running
//    the Qt event loop, which takes each answer in (as the main window's USB data handler does)
//    and handles each frame (the program's path);
//  - the time from giving a frame (SendFrame, GUI thread) to the worker's write of it, on an idle
//    link.
// The whole full read over TCP, beside a plain client, is in FullReadBench.cpp.

#include "BenchSupport.h"
#include "device/LCmd.h"
#include "device/LUsb.h"
#include "devsim/Simulator.h"
#include "platform/os/Clock.h"

#include <QEventLoop>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace {

// The processor's end of the USB link on a thread of its own.
class DeviceThread {
public:
    using ReplyHandler = std::function<void(const BSTM &reply)>;

    DeviceThread(devsim::Simulator &sim, ReplyHandler onReply)
        : link_(sim.ConnectInProcess()), onReply_(std::move(onReply)), thread_([this] { Run(); })
    {
    }
    ~DeviceThread()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_one();
        thread_.join();
    }

    // Worker thread: an output report was written.
    void Write(const std::uint8_t *bytes, int count)
    {
        {
            std::lock_guard lock(mutex_);
            written_.emplace_back(bytes, bytes + count);
        }
        changed_.notify_one();
    }

private:
    void Run()
    {
        for (;;) {
            BSTM request;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return stop_ || !written_.empty(); });
                if (stop_)
                    return;
                request = std::move(written_.front());
                written_.pop_front();
            }
            link_->Write(request);
            const BSTM reply = link_->ReadAll();
            if (!reply.empty())
                onReply_(reply);
        }
    }

    std::unique_ptr<devsim::InProcessLink> link_;
    ReplyHandler onReply_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<BSTM> written_;
    bool stop_ = false;
    std::thread thread_;
};

// The main window's part: the physical USB write goes to the device thread.
class BenchHost : public QuietHost {
public:
    bool UsbWriteReport(const std::uint8_t *bytes, int count) override
    {
        if (onWrite)
            onWrite(bytes, count);
        return true;
    }

    std::function<void(const std::uint8_t *, int)> onWrite;  // worker thread
};

// An owner that handles each frame on the worker at once: only the transport's own cost counts.
class InlineOwner : public TransportSink {
public:
    std::function<void(const BSTM &)> onFrame;
    void Start() override {}
    void Abandon() override {}
    bool Deliver(std::uint32_t, const BSTM &frame, std::uint32_t) override
    {
        if (onFrame)
            onFrame(frame);
        return true;
    }
    void Post(std::uint32_t, std::uintptr_t, std::intptr_t) override {}
    void Log(TrafficLine, const std::uint8_t *, int) override {}
    void StartPollTimer(int, std::function<void()>) override {}
    void RestartPollTimer() override {}
    void StopPollTimer() override {}
};

BSTM BlockRequest(int i) { return BuildDeviceFrame(0, 1, CMD_READ_PROGRAM_BLOCK, BSTM{static_cast<std::uint8_t>(i % 11)}); }

constexpr int FramesPerBatch = 1000;

// Sleeps until the counter reaches zero.
void WaitForZero(std::atomic<int> &counter)
{
    for (int n = counter.load(); n > 0; n = counter.load())
        counter.wait(n);
}

void BM_ChainedFramesInlineOwner(benchmark::State &state)
{
    devsim::Simulator sim;
    BenchHost host;
    auto owner = std::make_unique<InlineOwner>();
    InlineOwner *o = owner.get();
    LUsbProc usb(std::move(owner), host);
    DeviceThread device(sim, [&](const BSTM &reply) { usb.OnReceived(reply.data(), static_cast<int>(reply.size())); });
    host.onWrite = [&](const std::uint8_t *bytes, int count) { device.Write(bytes, count); };
    std::atomic<int> left{0};
    o->onFrame = [&](const BSTM &) {
        const int n = left.fetch_sub(1) - 1;
        if (n > 0) {
            usb.SendFrame(BlockRequest(n), true);
        }
        else {
            left.notify_all();
        }
    };
    usb.Open();
    usb.SetTimeout(60000);
    for (auto _ : state) {
        left = FramesPerBatch;
        usb.SendFrame(BlockRequest(0), true);
        WaitForZero(left);
    }
    state.SetItemsProcessed(state.iterations() * FramesPerBatch);
    usb.Close();
}
BENCHMARK(BM_ChainedFramesInlineOwner)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ChainedFramesOwnerWindow(benchmark::State &state)
{
    devsim::Simulator sim;
    BenchHost host;
    QEventLoop loop;
    int left = 0;
    LUsbProc *link = nullptr;
    HWND window = AllocateHWnd([&](TMessage &m) {
        if (m.Msg != WM_DEVICE_FRAME)
            return;
        if (--left > 0)
            link->SendFrame(BlockRequest(left), true);
        else
            loop.quit();
    });
    LUsbProc usb(window, host);
    link = &usb;
    // The answers reach the transport through the GUI thread, as input reports do.
    std::mutex answersMutex;
    std::deque<BSTM> answers;
    HWND dataWindow = AllocateHWnd([&](TMessage &) {
        std::deque<BSTM> taken;
        {
            std::lock_guard lock(answersMutex);
            taken.swap(answers);
        }
        for (const BSTM &a : taken)
            usb.OnReceived(a.data(), static_cast<int>(a.size()));
    });
    DeviceThread device(sim, [&](const BSTM &reply) {
        {
            std::lock_guard lock(answersMutex);
            answers.push_back(reply);
        }
        PostMessage(dataWindow, WM_USER, 0, 0);
    });
    host.onWrite = [&](const std::uint8_t *bytes, int count) { device.Write(bytes, count); };
    usb.Open();
    usb.SetTimeout(60000);
    usb.SetPollPaused(1);
    for (auto _ : state) {
        left = FramesPerBatch;
        usb.SendFrame(BlockRequest(0), true);
        loop.exec();
    }
    state.SetItemsProcessed(state.iterations() * FramesPerBatch);
    usb.Close();
    DeallocateHWnd(dataWindow);
    DeallocateHWnd(window);
}
BENCHMARK(BM_ChainedFramesOwnerWindow)->UseRealTime()->Unit(benchmark::kMillisecond);

// A USB transport that counts the worker's waits: a new wait means the worker has finished what
// came before it (here: delivered a frame and found the queue empty).
class CountingUsb : public LUsbProc {
public:
    using LUsbProc::LUsbProc;
    ~CountingUsb() override { Shutdown(); }
    std::atomic<int> waits{0};

protected:
    os::WaitResult Wait(std::span<os::AutoResetEvent *const> events, std::span<const int> fds, int timeoutMs) override
    {
        waits.fetch_add(1);
        waits.notify_all();
        return LUsbProc::Wait(events, fds, timeoutMs);
    }
};

void BM_GiveToWrite(benchmark::State &state)
{
    BenchHost host;
    std::atomic<std::int64_t> writtenAt{0};
    host.onWrite = [&](const std::uint8_t *, int) {
        writtenAt.store(os::PerformanceCounter());
        writtenAt.notify_all();
    };
    CountingUsb usb(std::make_unique<InlineOwner>(), host);
    usb.Open();
    usb.SetTimeout(60000);
    const BSTM frame = BuildDeviceFrame(0, 1, CMD_GAIN, BSTM{2, 0x40, 0x01});
    const BSTM ack = BuildDeviceFrame(1, 0, CMD_ACK, {});
    const double frequency = static_cast<double>(os::PerformanceFrequency());
    // Wait until the worker sleeps in its wait, ready for the frame.
    const auto WaitIdle = [&](int waitsBefore) {
        for (int n = usb.waits.load(); n <= waitsBefore; n = usb.waits.load())
            usb.waits.wait(n);
    };
    WaitIdle(0);
    for (auto _ : state) {
        writtenAt = 0;
        const int waitsBefore = usb.waits.load();
        const std::int64_t given = os::PerformanceCounter();
        usb.SendFrame(frame, true);
        writtenAt.wait(0);
        state.SetIterationTime(static_cast<double>(writtenAt.load() - given) / frequency);
        // Answer it, so that the next frame goes out at once from an idle link.
        WaitIdle(waitsBefore);
        const int answeredBefore = usb.waits.load();
        usb.OnReceived(ack.data(), static_cast<int>(ack.size()));
        WaitIdle(answeredBefore);
    }
    usb.Close();
}
BENCHMARK(BM_GiveToWrite)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiThread(argc, argv);
}
