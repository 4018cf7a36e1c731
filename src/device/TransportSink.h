#pragma once
// What a transport needs of the window that owns it: frames handed over synchronously, failures
// posted, traffic lines shown, and the idle-poll timer. The window implementation (WindowSink)
// goes through the framework's messages and timers; tests put a fake in its place.

#include "device/DeviceFrame.h"
#include "device/TransportMessages.h"

#include <cstdint>
#include <functional>

class TransportSink {
public:
    virtual ~TransportSink() = default;

    // GUI thread, when the transport opens: deliveries are accepted from now on.
    virtual void Start() = 0;
    // GUI thread, when the transport closes: a delivery in progress returns false at once, and so
    // does every later one, until the next Start. Never waits for the worker.
    virtual void Abandon() = 0;

    // Worker thread: hands `frame` to the owner window with `message` and waits until the window
    // has handled it. False when it was abandoned instead. `frame` stays valid during the call.
    virtual bool Deliver(std::uint32_t message, const BSTM &frame, std::uint32_t roundTripMs) = 0;
    // Any thread: queues a message for the owner window; never waits.
    virtual void Post(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) = 0;
    // Any thread: a traffic line; the window shows it on the GUI thread, in the order given.
    virtual void Log(TrafficLine line, const std::uint8_t *bytes, int count) = 0;

    // GUI thread: the idle-poll timer. Created enabled with its interval; `onTick` runs on the GUI
    // thread. Restart begins the interval again; Stop disables and frees it.
    virtual void StartPollTimer(int intervalMs, std::function<void()> onTick) = 0;
    virtual void RestartPollTimer() = 0;
    virtual void StopPollTimer() = 0;
};
