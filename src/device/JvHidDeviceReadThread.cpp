#include "device/JvHidDeviceReadThread.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "device/JvHidDevice.h"
#include "platform/hid/HidStatus.h"

namespace {

constexpr UINT WM_HID_READ_THREAD = WM_APP + 0x11D;

void NoCompletion(std::uint32_t, std::uint32_t, TJvHidOverlapped *) {}

}  // namespace

// What the thread and the GUI thread share; it outlives the thread object while a hand-over that
// was abandoned still runs on the GUI thread.
struct TJvHidDeviceReadThread::Shared {
    enum class State { Idle, Pending, Running, Done, Abandoned };
    std::mutex mutex;
    std::condition_variable wake;
    bool terminated = false;
    State state = State::Idle;
    HWND window = nullptr;

    // The hand-over has ended (run, or given up by the stopping side).
    void Finish(State outcome)
    {
        {
            std::lock_guard lock(mutex);
            if (state != State::Pending && state != State::Running)
                return;
            state = outcome;
        }
        wake.notify_all();
    }
};

TJvHidDeviceReadThread::TJvHidDeviceReadThread(bool)
{
    throw EControllerError(QStringLiteral("Direct creation of a TJvDeviceReadThread object is not allowed"));
}

TJvHidDeviceReadThread::TJvHidDeviceReadThread(TJvHidDevice *Dev) : Device(Dev), shared_(std::make_shared<Shared>())
{
    Report.resize(Dev->GetCaps().InputReportByteLength);
    // Opened here, at check-out, so that no report the device sends from now on is missed while
    // the thread starts; a failure is met again (and reported) by the first read.
    if (!Report.empty())
        Dev->OpenFileEx(omhRead);
    std::weak_ptr<Shared> weak = shared_;
    shared_->window = AllocateHWnd([weak, this](TMessage &message) {
        std::shared_ptr<Shared> shared = weak.lock();
        if (!shared || message.Msg != WM_HID_READ_THREAD)
            return;
        {
            std::lock_guard lock(shared->mutex);
            if (shared->state != Shared::State::Pending)
                return;  // abandoned while queued
            shared->state = Shared::State::Running;
        }
        // The handler may check the device in, which stops and releases this thread object:
        // nothing of it is touched once the handler has been called.
        try {
            if (static_cast<Call>(message.WParam) == Call::Data)
                DoData(Report, NumBytesRead);
            else
                DoDataError(FErr);
        } catch (...) {
            shared->Finish(Shared::State::Done);
            throw;
        }
        shared->Finish(Shared::State::Done);
    });
}

TJvHidDeviceReadThread::~TJvHidDeviceReadThread()
{
    Terminate();
    WaitFor();
}

void TJvHidDeviceReadThread::Resume()
{
    if (!thread_.joinable())
        thread_ = std::thread([this] { Execute(); });
}

void TJvHidDeviceReadThread::Terminate()
{
    {
        std::lock_guard lock(shared_->mutex);
        shared_->terminated = true;
    }
    shared_->wake.notify_all();
}

bool TJvHidDeviceReadThread::Terminated() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->terminated;
}

void TJvHidDeviceReadThread::WaitFor()
{
    // No further hand-over can reach the GUI thread, and one that is waiting gives up.
    DeallocateHWnd(shared_->window);
    shared_->window = nullptr;
    shared_->Finish(Shared::State::Abandoned);
    if (thread_.joinable())
        thread_.join();
}

void TJvHidDeviceReadThread::Pause(int milliseconds)
{
    std::unique_lock lock(shared_->mutex);
    shared_->wake.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return shared_->terminated; });
}

bool TJvHidDeviceReadThread::Synchronize(Call call)
{
    HWND window;
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->terminated)
            return false;
        shared_->state = Shared::State::Pending;
        window = shared_->window;
    }
    if (!PostMessage(window, WM_HID_READ_THREAD, static_cast<WPARAM>(call), 0))
        shared_->Finish(Shared::State::Abandoned);
    std::unique_lock lock(shared_->mutex);
    shared_->wake.wait(lock, [&] {
        return shared_->state == Shared::State::Done || shared_->state == Shared::State::Abandoned;
    });
    const bool done = shared_->state == Shared::State::Done;
    shared_->state = Shared::State::Idle;
    return done;
}

void TJvHidDeviceReadThread::ReportFailure(std::uint32_t error)
{
    // Once per run of failures, and not for a device that is gone (its unplug event says so).
    if (failureReported_ || !Device->IsPluggedIn())
        return;
    failureReported_ = true;
    FErr = error;
    Synchronize(Call::DataError);
}

void TJvHidDeviceReadThread::Execute()
{
    std::uint32_t last = HID_WAIT_IO_COMPLETION;
    while (!Terminated()) {
        last = HID_WAIT_IO_COMPLETION;
        const int slice = Device->ThreadSleepTime();
        const auto length = static_cast<std::uint32_t>(Report.size());
        if (length == 0) {  // a device without input reports: nothing to read
            Pause(slice);
            continue;
        }
        std::fill(Report.begin(), Report.end(), std::uint8_t{0});
        // Fault mended: a read that cannot be started, or that ends in an error, is reported and
        // retried after a pause instead of at once.
        if (!Device->ReadFileEx(Report.data(), length, &NoCompletion)) {
            ReportFailure(hid::LastError());
            Pause(slice);
            continue;
        }
        do
            last = Device->WaitForRead(Device->ThreadSleepTime());
        while (!Terminated() && last != HID_WAIT_IO_COMPLETION);
        if (Terminated())
            break;
        NumBytesRead = Device->GetOverlappedReadResult();
        if (NumBytesRead > 0) {
            failureReported_ = false;
            Synchronize(Call::Data);
        } else {
            ReportFailure(Device->OverlappedReadError());
            Pause(slice);
        }
    }
    if (last != HID_WAIT_IO_COMPLETION)
        Device->CancelIO(omhRead);
}

void TJvHidDeviceReadThread::DoData(const std::vector<std::uint8_t> &report, std::uint32_t bytes)
{
    // The handler gets its own copy: the buffer of a thread it stops goes away with the thread.
    const std::vector<std::uint8_t> copy(report.begin(), report.begin() + std::min<std::size_t>(bytes, report.size()));
    TJvHidDevice *device = Device;
    const TJvHidDataEvent handler = device->OnData();
    if (handler && !copy.empty())
        handler(device, copy[0], copy.data() + 1, static_cast<std::uint16_t>(copy.size() - 1));
}

void TJvHidDeviceReadThread::DoDataError(std::uint32_t error)
{
    TJvHidDevice *device = Device;
    const TJvHidDataErrorEvent handler = device->OnDataError();
    if (handler)
        handler(device, error);
}
