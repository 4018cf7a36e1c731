#pragma once
// The read thread of a checked-out device: it reads one input report at a time through the
// device's overlapped read handle and hands each one to the GUI thread, waiting there until the
// device's data handler has run. A failed read is reported once through the data-error handler
// (while the device is plugged in) and retried after one wait slice, so a broken device never
// makes the thread spin.
//
// Stopping never deadlocks: a hand-over still waiting for the GUI thread is abandoned (its report
// dropped), also when the data handler itself checks the device in.

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "device/JvHidTypes.h"
#include "platform/runtime/Classes.h"

class TJvHidDevice;

class TJvHidDeviceReadThread : public TObject {
public:
    // Only devices create read threads.
    [[noreturn]] explicit TJvHidDeviceReadThread(bool CreateSuspended);
    // Suspended; the report buffer gets the device's input report length. GUI thread.
    explicit TJvHidDeviceReadThread(TJvHidDevice *Dev);
    ~TJvHidDeviceReadThread() override;  // terminates and waits

    void Resume();
    void Terminate();
    bool Terminated() const;
    // Waits until the thread has ended; abandons a pending hand-over first. GUI thread.
    void WaitFor();

    std::uint32_t FErr = 0;
    TJvHidDevice *Device = nullptr;
    std::uint32_t NumBytesRead = 0;
    std::vector<std::uint8_t> Report;

protected:
    void Execute();
    void DoData(const std::vector<std::uint8_t> &report, std::uint32_t bytes);
    void DoDataError(std::uint32_t error);

private:
    struct Shared;
    enum class Call { Data, DataError };
    // Runs DoData or DoDataError on the GUI thread and waits for it; false when abandoned.
    bool Synchronize(Call call);
    // Waits one slice or until terminated.
    void Pause(int milliseconds);
    void ReportFailure(std::uint32_t error);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
    bool failureReported_ = false;
};
