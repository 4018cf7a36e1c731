#pragma once
// A per-control timer with an initial delay: the first tick comes after InitialDelay (or after
// Interval when the delay is 0), then one every Interval. Starting a running timer changes
// nothing; Stop ends it. Ticks run OnTick on the GUI thread; a tick may destroy its timer. It
// owns a hidden utility window and sets window timer 1 on it, so the manual test clock drives it
// like every other timer.

#include "platform/runtime/Messages.h"

#include <functional>

class TIntervalTimer {
public:
    explicit TIntervalTimer(std::function<void()> onTick);
    ~TIntervalTimer();
    TIntervalTimer(const TIntervalTimer &) = delete;
    TIntervalTimer &operator=(const TIntervalTimer &) = delete;

    // Both 0: nothing happens.
    void Start(unsigned initialDelay, unsigned interval);
    void Stop();
    bool Active() const { return active_; }
    HWND Handle() const { return wnd_; }

private:
    void WndProc(TMessage &message);

    std::function<void()> onTick_;
    HWND wnd_ = nullptr;
    bool active_ = false;
    bool firstPending_ = false;
    unsigned interval_ = 0;
};
