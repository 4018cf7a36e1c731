#pragma once
// Window timers: SetTimer/KillTimer deliver WM_TIMER (WParam = the timer id) to a handle's
// procedure on the GUI thread, every `elapseMs` until killed; setting a timer that exists restarts
// it with the new interval. TTimer and the plot library's per-control timers sit on these.
//
// The manual clock (tests): while TManualClock is started, no real time passes for timers,
// GetTickCount or Now(); Advance(ms) moves the clock forward and fires every timer that falls due
// on the way, in time order, timers due at the same moment in the order they were (re)armed.
// Messages queued for the GUI thread are delivered before each timer fires, as a message loop
// would. Timers that exist when the clock starts or stops carry over with a full interval.
//
//   TManualClockScope clock;          // started until the end of the scope
//   timer->SetEnabled(true);
//   TManualClock::Advance(300);       // fires the 300 ms timer once

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Messages.h"

#include <cstdint>

// Returns `id` (non-zero) when the timer is set, 0 for a null handle.
UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT elapseMs);
bool KillTimer(HWND wnd, UINT_PTR id);
// Milliseconds since an arbitrary start (the manual clock's count while it runs); wraps at 2^32.
DWORD GetTickCount();
// The same count in 64 bits: it never wraps, so intervals between two readings are plain
// differences. Starting the manual clock starts the count again at 0.
std::uint64_t GetTickCount64();

class TManualClock {
public:
    static void Start(TDateTime startTime = 45292.0 /* 1 January 2024 */);
    static void Stop();
    static bool Active();
    // Fires due timers on the way; GUI thread. A timer handler that runs a nested loop may
    // advance the clock again from there.
    static void Advance(unsigned milliseconds);
    // Advances to the next timer that is due and fires it (and any due with it); false when no
    // timer is set.
    static bool AdvanceToNextTimer();
    static std::uint64_t Milliseconds();
    static TDateTime NowDateTime();
    // Number of timers set (all handles).
    static int TimerCount();
};

class TManualClockScope {
public:
    explicit TManualClockScope(TDateTime startTime = 45292.0) { TManualClock::Start(startTime); }
    ~TManualClockScope() { TManualClock::Stop(); }
    TManualClockScope(const TManualClockScope &) = delete;
    TManualClockScope &operator=(const TManualClockScope &) = delete;
};
