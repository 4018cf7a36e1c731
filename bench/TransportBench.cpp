// Speed of the transports against the in-process simulated processor:
//  - frames per second: request, reply, assembly and delivery to the owner, the next request sent
//    from the owner's handler (as the connection exchange does), through the USB transport;
//  - the editor-side time from giving a frame (SendFrame) to its bytes being written.

#include "devsim/Simulator.h"
#include "device/DeviceHost.h"
#include "device/LCmd.h"
#include "device/LUsb.h"
#include "device/WindowSink.h"
#include "platform/os/Clock.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <functional>

namespace {

// The main window's part: writes go to the simulator, whose replies are handed straight back.
class SimHost : public DeviceHost {
public:
    explicit SimHost(devsim::Simulator &sim) : link_(sim.ConnectInProcess()) {}

    int GetDeviceId() const override { return 1; }
    bool IsControlsUpdating() const override { return false; }
    void SendCommand(const LCmd &, std::uint8_t, std::uint8_t) override {}
    void MarkCurveChanged(int) override {}
    void SetStorePresetRowName(int, const std::string &) override {}
    void SetRecallPresetRowName(int, const std::string &) override {}
    bool ExecuteSaveUnitDialog(std::string &) override { return false; }

    bool UsbWriteReport(const std::uint8_t *bytes, int count) override
    {
        writtenAt.store(os::PerformanceCounter(), std::memory_order_release);
        if (!answer)
            return true;
        link_->Write({bytes, static_cast<std::size_t>(count)});
        const BSTM reply = link_->ReadAll();
        usb->OnReceived(reply.data(), static_cast<int>(reply.size()));
        return true;
    }

    LUsbProc *usb = nullptr;
    bool answer = true;
    std::atomic<std::int64_t> writtenAt{0};

private:
    std::unique_ptr<devsim::InProcessLink> link_;
};

// An owner that handles each frame on the worker at once: only the transport's own cost counts.
class InlineOwner : public TransportSink {
public:
    std::function<void(const BSTM &)> onFrame;
    void Start() override {}
    void Abandon() override {}
    bool Deliver(std::uint32_t, const BSTM &frame, std::uint32_t) override
    {
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

// Chained requests, each sent from the handler of the reply before it, with the owner inline.
void BM_FramesPerSecondInlineOwner(benchmark::State &state)
{
    devsim::Simulator sim;
    SimHost host(sim);
    auto owner = std::make_unique<InlineOwner>();
    InlineOwner *o = owner.get();
    LUsbProc usb(std::move(owner), host);
    host.usb = &usb;
    std::atomic<int> left{0};
    o->onFrame = [&](const BSTM &) {
        const int n = left.fetch_sub(1) - 1;
        if (n > 0)
            usb.SendFrame(BlockRequest(n), true);
        else
            left.notify_all();
    };
    usb.Open();
    usb.SetTimeout(60000);
    for (auto _ : state) {
        left = FramesPerBatch;
        usb.SendFrame(BlockRequest(0), true);
        for (int n = left.load(); n > 0; n = left.load())
            left.wait(n);
    }
    state.SetItemsProcessed(state.iterations() * FramesPerBatch);
    usb.Close();
}
BENCHMARK(BM_FramesPerSecondInlineOwner)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same through the framework: each frame is handed to an owner window on this thread, which
// delivers the queued messages as the GUI thread's loop would.
void BM_FramesPerSecondOwnerWindow(benchmark::State &state)
{
    devsim::Simulator sim;
    SimHost host(sim);
    int left = 0;
    LUsbProc *link = nullptr;
    HWND window = AllocateHWnd([&](TMessage &m) {
        if (m.Msg != WM_DEVICE_FRAME)
            return;
        if (--left > 0)
            link->SendFrame(BlockRequest(left), true);
    });
    LUsbProc usb(window, host);
    link = &usb;
    host.usb = &usb;
    usb.Open();
    usb.SetTimeout(60000);
    for (auto _ : state) {
        left = FramesPerBatch;
        usb.SendFrame(BlockRequest(0), true);
        while (left > 0)
            DeliverQueuedMessages();
    }
    state.SetItemsProcessed(state.iterations() * FramesPerBatch);
    usb.Close();
    DeallocateHWnd(window);
}
BENCHMARK(BM_FramesPerSecondOwnerWindow)->UseRealTime()->Unit(benchmark::kMillisecond);

// From SendFrame on the GUI thread to the worker's physical write of the frame.
void BM_GiveToWrite(benchmark::State &state)
{
    devsim::Simulator sim;
    SimHost host(sim);
    host.answer = false;
    auto owner = std::make_unique<InlineOwner>();
    std::atomic<int> delivered{0};
    owner->onFrame = [&](const BSTM &) {
        delivered.fetch_add(1);
        delivered.notify_all();
    };
    LUsbProc usb(std::move(owner), host);
    usb.Open();
    usb.SetTimeout(60000);
    const BSTM frame = BuildDeviceFrame(0, 1, CMD_GAIN, BSTM{2, 0x40, 0x01});
    const BSTM ack = BuildDeviceFrame(1, 0, CMD_ACK, {});
    const double frequency = static_cast<double>(os::PerformanceFrequency());
    for (auto _ : state) {
        host.writtenAt = 0;
        const std::int64_t given = os::PerformanceCounter();
        usb.SendFrame(frame, true);
        std::int64_t written;
        while ((written = host.writtenAt.load(std::memory_order_acquire)) == 0) {
        }
        state.SetIterationTime(static_cast<double>(written - given) / frequency);
        // Complete the frame so that the next one goes out at once.
        const int before = delivered.load();
        usb.OnReceived(ack.data(), static_cast<int>(ack.size()));
        for (int n = delivered.load(); n == before; n = delivered.load())
            delivered.wait(n);
        while (usb.Busy()) {
        }
    }
    usb.Close();
}
BENCHMARK(BM_GiveToWrite)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
