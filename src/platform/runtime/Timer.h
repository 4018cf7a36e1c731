#pragma once
// TTimer: fires OnTimer on the GUI thread every Interval milliseconds while Enabled (and Interval
// is not 0). Only a change counts: writing true on a running timer, false on a stopped one or the
// same Interval changes nothing. Enabling a stopped timer or giving an enabled one a different
// Interval starts the count from zero, so a restart is written as false, then true. A handler
// that sets Enabled to false makes a one-shot timer. Driven by the window timers of
// TimerService.h, so the manual test clock drives it too.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"

class TTimer : public TComponent {
    T_DECLARE_CLASS(TTimer, TComponent)
    explicit TTimer(TComponent *AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);

    TNotifyEvent OnTimer;

protected:
    // Fires OnTimer.
    virtual void Timer();

private:
    void UpdateTimer();
    void WndProc(TMessage &message);

    bool FEnabled = true;
    unsigned FInterval = 1000;
    HWND FWindowHandle = nullptr;
};
