#include "platform/runtime/Timer.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/TimerService.h"

T_IMPLEMENT_CLASS(TTimer)
{
    b.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    b.Int("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    b.Event("OnTimer", &TTimer::OnTimer);
}

TTimer::TTimer(TComponent *AOwner) : TComponent(AOwner)
{
    FWindowHandle = AllocateHWnd([this](TMessage &m) { WndProc(m); });
    UpdateTimer();
}

TTimer::~TTimer()
{
    KillTimer(FWindowHandle, 1);
    DeallocateHWnd(FWindowHandle);
}

void TTimer::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value)
{
    if (value == FInterval)
        return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    KillTimer(FWindowHandle, 1);
    if (FInterval != 0 && FEnabled)
        SetTimer(FWindowHandle, 1, FInterval);
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}

void TTimer::WndProc(TMessage &message)
{
    if (message.Msg == WM_TIMER)
        Timer();
}
