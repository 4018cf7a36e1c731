#pragma once
// The transports' link to their owner window through the window framework.
//
// The transport has a hidden window of its own. A frame is delivered by posting it to that window, whose procedure (on the GUI thread) sends WM_DEVICE_FRAME to the owner with
// the address of the frame; the worker waits until that has returned. Closing abandons the wait
// at once, even when the owner's handler is still running (say, in a modal loop that closes the
// transport), because the frame handed over is a copy that lives as long as the handler needs it.
// Failures are posted to the owner directly. Traffic lines are queued and drained by the hidden
// window, so that the host's loggers run only on the GUI thread and in the order the lines came.
// The idle-poll timer is a window timer of the hidden window.

#include "device/TransportSink.h"
#include "platform/runtime/Messages.h"

#include <memory>

class DeviceHost;

class WindowSink : public TransportSink {
public:
    // GUI thread.
    WindowSink(HWND owner, DeviceHost &host);
    ~WindowSink() override;

    void Start() override;
    void Abandon() override;
    bool Deliver(std::uint32_t message, const BSTM &frame, std::uint32_t roundTripMs) override;
    void Post(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) override;
    void Log(TrafficLine line, const std::uint8_t *bytes, int count) override;
    void StartPollTimer(int intervalMs, std::function<void()> onTick) override;
    void RestartPollTimer() override;
    void StopPollTimer() override;

    struct Relay;  // shared with the hidden window's procedure

private:
    std::shared_ptr<Relay> relay_;
};
