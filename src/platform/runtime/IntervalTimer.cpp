#include "platform/runtime/IntervalTimer.h"

#include "platform/runtime/TimerService.h"

TIntervalTimer::TIntervalTimer(std::function<void()> onTick) : onTick_(std::move(onTick))
{
    wnd_ = AllocateHWnd([this](TMessage &m) { WndProc(m); });
}

TIntervalTimer::~TIntervalTimer()
{
    Stop();
    DeallocateHWnd(wnd_);
}

void TIntervalTimer::Start(unsigned initialDelay, unsigned interval)
{
    if (active_)
        return;
    interval_ = interval;
    if (initialDelay != 0) {
        firstPending_ = true;
        active_ = SetTimer(wnd_, 1, initialDelay) != 0;
    } else if (interval != 0) {
        firstPending_ = false;
        active_ = SetTimer(wnd_, 1, interval) != 0;
    }
}

void TIntervalTimer::Stop()
{
    if (!active_)
        return;
    KillTimer(wnd_, 1);
    active_ = false;
    firstPending_ = false;
}

void TIntervalTimer::WndProc(TMessage &message)
{
    if (message.Msg != WM_TIMER || message.WParam != 1)
        return;
    if (firstPending_) {
        firstPending_ = false;
        if (interval_ != 0)
            SetTimer(wnd_, 1, interval_);
        else
            Stop();
    }
    // A copy: the tick may destroy this timer.
    if (const std::function<void()> tick = onTick_)
        tick();
}
