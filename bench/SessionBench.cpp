// The main window's full read over USB against the in-process simulated processor, through the
// device session (connect, identity, lock state, preset flags, current preset, 31 names, 11 program
// blocks and the closing poll, with the model, the preset rows and the progress updates), beside a
// plain loop that sends the same 48 requests over the same kind of transport and the same HID path,
// each from the handler of the reply before it. Both open and close their transport each time.
// The session's cost over the loop is the ratio of the two.

#include "device/JvHidControllerClass.h"
#include "device/LUsb.h"
#include "devsim/Simulator.h"
#include "mainwindow/DeviceSession.h"
#include "platform/hid/TestBackend.h"
#include "platform/runtime/TimerService.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <thread>

namespace {

// A view that only counts what the session shows.
class CountingView : public SessionView {
public:
    int refreshes = 0;

    void SetCaption(const QString &) override {}
    void SetControlText(const QString &, const QString &) override {}
    QString ControlText(const QString &) const override { return {}; }
    void SetControlEnabled(const QString &, bool) override {}
    void SetButtonDown(const QString &, bool) override {}
    void SetMainEnabled(bool) override {}
    void FocusMain() override {}
    bool IsMainVisible() const override { return true; }
    bool SetMeterPosition(const QString &, int) override { return true; }
    std::optional<int> SliderPosition(const QString &) const override { return 0; }
    void RefreshFromModel() override { ++refreshes; }
    void ResetEqDisplay() override {}
    void MarkCurveChanged(int) override {}
    void SetStorePresetRowName(int, const std::string &) override {}
    void SetRecallPresetRowName(int, const std::string &) override {}
    bool IsTrafficVisible() const override { return false; }
    void AddTrafficLine(const QString &) override {}
    void SetProgressStatus(const QString &) override {}
    void SetProgressMax(int) override {}
    int ProgressMax() const override { return 11; }
    void SetProgressPosition(int) override {}
    int ProgressPosition() const override { return 0; }
    void ShowProgressModal() override {}
    void ShowProgress() override {}
    void CloseProgress() override {}
    bool IsProgressVisible() const override { return false; }
    void ShowInformation(const QString &) override {}
    void ShowUnlockDialog() override {}
    void SetPasswordResult(std::uint8_t) override {}
    void ShowNetworkSetup() override {}
    void SetConnectResult(std::uint8_t) override {}
    bool GetConnectResult() const override { return false; }
    void OnLinkBroken() override {}
    void ClickRescan() override {}
    void SetScanPosition(int) override {}
    void SetNetworkStatus(const QString &) override {}
    void HideScan() override {}
    void ShowScanModal() override {}
    bool IsScanVisible() const override { return false; }
};

// The simulator's device in a test backend, with no timer running by itself.
struct Bench {
    Bench() : backend(hid::TestBackend::Install()) { sim.PlugHid(backend); }
    ~Bench() { hid::SetCurrentBackend(nullptr); }

    TManualClockScope clock;
    std::shared_ptr<hid::TestBackend> backend;
    devsim::Simulator sim;
};

// The GUI thread's loop: delivers what is queued, and lets the other threads run while nothing is.
template <class Pred>
void Serve(Pred done)
{
    while (!done())
        if (DeliverQueuedMessages() == 0)
            std::this_thread::yield();
}

void BM_FullReadThroughSession(benchmark::State &state)
{
    Bench bench;
    CountingView view;
    DeviceSession session(view);
    Serve([&] { return session.HasHidDevice(); });
    for (auto _ : state) {
        const int refreshes = view.refreshes;
        session.ConnectUsb();
        // The read ends with the poll; its acknowledgement leaves the transport idle.
        Serve([&] { return view.refreshes > refreshes && !session.UsbTransport()->Busy(); });
        session.DisconnectLink();
    }
    state.SetItemsProcessed(state.iterations() * 48);
}
BENCHMARK(BM_FullReadThroughSession)->UseRealTime()->Unit(benchmark::kMillisecond);

// The 48 requests of a connect, in order.
std::vector<BSTM> ReadRequests()
{
    std::vector<BSTM> frames;
    for (std::uint8_t command : {CMD_HANDSHAKE, CMD_IDENTITY, CMD_LOCK_STATUS, CMD_SYSTEM_PARAMS, CMD_CURRENT_PRESET})
        frames.push_back(BuildDeviceFrame(0, 1, command, {}));
    for (std::uint8_t n = 0; n <= 30; ++n)
        frames.push_back(BuildDeviceFrame(0, 1, CMD_READ_PRESET_NAME, BSTM{n}));
    for (std::uint8_t b = 0; b <= 10; ++b)
        frames.push_back(BuildDeviceFrame(0, 1, CMD_READ_PROGRAM_BLOCK, BSTM{b}));
    frames.push_back(BuildDeviceFrame(0, 1, CMD_POLL, {}));
    return frames;
}

// The write side of the loop's owner: output reports to the checked-out device.
class LoopHost : public DeviceHost {
public:
    int GetDeviceId() const override { return 1; }
    bool IsControlsUpdating() const override { return false; }
    void SendCommand(const LCmd &, std::uint8_t, std::uint8_t) override {}
    void MarkCurveChanged(int) override {}
    void SetStorePresetRowName(int, const std::string &) override {}
    void SetRecallPresetRowName(int, const std::string &) override {}
    bool ExecuteSaveUnitDialog(std::string &) override { return false; }
    bool UsbWriteReport(const std::uint8_t *bytes, int count) override
    {
        return count > 0 && out.WriteReport(0, bytes, static_cast<std::size_t>(count));
    }
    TJvHidWriteLink out;
};

void BM_FullReadPlainLoop(benchmark::State &state)
{
    Bench bench;
    const std::vector<BSTM> requests = ReadRequests();
    LoopHost host;
    std::unique_ptr<LUsbProc> usb;
    std::size_t next = 0;
    HWND window = AllocateHWnd([&](TMessage &m) {
        if (m.Msg == WM_DEVICE_FRAME && ++next < requests.size())
            usb->SendFrame(requests[next], true);
    });

    TJvHidDeviceController ctl(nullptr);
    TJvHidDevice *device = nullptr;
    ctl.OnEnumerate = [&](TJvHidDevice *dev, int index) {
        TJvHidDevice *taken = nullptr;
        if (dev->Attributes().ProductID == 0x0821 && ctl.CheckOutByIndex(taken, index)) {
            device = taken;
            host.out.Attach(device);
        }
        return true;
    };
    ctl.SetOnDeviceChange([&](TObject *) { ctl.Enumerate(); });
    ctl.SetDevData([&](TJvHidDevice *, std::uint8_t, const void *data, std::uint16_t size) {
        const auto *bytes = static_cast<const std::uint8_t *>(data);
        if (usb && size >= 5)
            usb->OnReceived(bytes, std::min<int>({bytes[4] + 8, size, 100}));
    });
    Serve([&] { return device != nullptr; });

    for (auto _ : state) {
        usb = std::make_unique<LUsbProc>(window, host);
        usb->Open();
        usb->SetTimeout(5000);
        usb->SetRetryCount(2);
        next = 0;
        usb->SendFrame(requests[0], true);
        Serve([&] { return next >= requests.size(); });
        usb->Close();
        usb.reset();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(requests.size()));
    ctl.CheckIn(device);
    DeallocateHWnd(window);
}
BENCHMARK(BM_FullReadPlainLoop)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
