#include "platform/runtime/TimerService.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QTimerEvent>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

struct Timer {
    HWND wnd = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    std::uint64_t due = 0;   // manual clock: when it fires next
    std::uint64_t order = 0; // arming order, for timers due together
    int qtId = 0;            // real clock: the Qt timer
};

class TimerHost;

struct State {
    std::vector<Timer> timers;
    bool manual = false;
    std::uint64_t manualNow = 0;
    TDateTime manualStart = 0;
    std::uint64_t nextOrder = 1;
    QPointer<QObject> host;
};

State &TheState()
{
    static State *state = new State;  // timers may still be killed during static destruction
    return *state;
}

void Fire(HWND wnd, UINT_PTR id)
{
    try {
        LRESULT ignored = 0;
        SendMessageChecked(wnd, WM_TIMER, id, 0, &ignored);
    } catch (...) {
        // A timer handler's exception goes where every message handler's goes.
        ReportQueuedMessageException(std::current_exception());
    }
}

class TimerHost : public QObject {
protected:
    void timerEvent(QTimerEvent *event) override
    {
        State &s = TheState();
        for (const Timer &t : s.timers)
            if (t.qtId == event->timerId()) {
                Fire(t.wnd, t.id);
                return;
            }
    }
};

QObject *Host()
{
    State &s = TheState();
    if (!s.host && QCoreApplication::instance()) {
        s.host = new TimerHost;
        s.host->setParent(QCoreApplication::instance());
    }
    return s.host;
}

void StartReal(Timer &t)
{
    if (QObject *host = Host())
        t.qtId = host->startTimer(std::chrono::milliseconds(t.interval));
}

void StopReal(Timer &t)
{
    if (t.qtId != 0) {
        if (QObject *host = TheState().host)
            host->killTimer(t.qtId);
        t.qtId = 0;
    }
}

void Arm(Timer &t)
{
    State &s = TheState();
    t.order = s.nextOrder++;
    if (s.manual)
        t.due = s.manualNow + t.interval;
    else
        StartReal(t);
}

std::vector<Timer>::iterator FindTimer(HWND wnd, UINT_PTR id)
{
    auto &timers = TheState().timers;
    return std::find_if(timers.begin(), timers.end(), [&](const Timer &t) { return t.wnd == wnd && t.id == id; });
}

// The timer due first (ties: armed first) at or before `limit`.
std::vector<Timer>::iterator NextDue(std::uint64_t limit)
{
    auto &timers = TheState().timers;
    auto best = timers.end();
    for (auto it = timers.begin(); it != timers.end(); ++it)
        if (it->due <= limit && (best == timers.end() || it->due < best->due || (it->due == best->due && it->order < best->order)))
            best = it;
    return best;
}

// Fires timers due up to `limit` in order; the clock ends at `limit` (or later, when a handler
// ran a nested loop that advanced it further: time never goes back).
void RunManualUntil(std::uint64_t limit)
{
    State &s = TheState();
    {
        for (;;) {
            DeliverQueuedMessages();
            auto it = NextDue(limit);
            if (it == s.timers.end())
                break;
            s.manualNow = std::max(s.manualNow, it->due);
            HWND wnd = it->wnd;
            UINT_PTR id = it->id;
            Arm(*it);  // re-armed before the handler, which may kill or reset it
            Fire(wnd, id);
        }
        s.manualNow = std::max(s.manualNow, limit);
        DeliverQueuedMessages();
    }
}

std::uint64_t RealMilliseconds()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

UINT_PTR SetTimer(HWND wnd, UINT_PTR id, UINT elapseMs)
{
    if (!wnd)
        return 0;
    State &s = TheState();
    auto it = FindTimer(wnd, id);
    if (it == s.timers.end()) {
        s.timers.push_back(Timer{wnd, id});
        it = s.timers.end() - 1;
    } else {
        StopReal(*it);
    }
    it->interval = std::max<UINT>(elapseMs, 1);
    Arm(*it);
    return id == 0 ? 1 : id;
}

bool KillTimer(HWND wnd, UINT_PTR id)
{
    State &s = TheState();
    auto it = FindTimer(wnd, id);
    if (it == s.timers.end())
        return false;
    StopReal(*it);
    s.timers.erase(it);
    return true;
}

DWORD GetTickCount()
{
    State &s = TheState();
    return static_cast<DWORD>(s.manual ? s.manualNow : RealMilliseconds());
}

std::uint64_t GetTickCount64()
{
    State &s = TheState();
    return s.manual ? s.manualNow : RealMilliseconds();
}

void TManualClock::Start(TDateTime startTime)
{
    State &s = TheState();
    if (s.manual)
        return;
    s.manual = true;
    s.manualNow = 0;
    s.manualStart = startTime;
    for (Timer &t : s.timers) {
        StopReal(t);
        Arm(t);
    }
}

void TManualClock::Stop()
{
    State &s = TheState();
    if (!s.manual)
        return;
    s.manual = false;
    for (Timer &t : s.timers)
        Arm(t);
}

bool TManualClock::Active()
{
    return TheState().manual;
}

void TManualClock::Advance(unsigned milliseconds)
{
    State &s = TheState();
    if (!s.manual)
        return;
    RunManualUntil(s.manualNow + milliseconds);
}

bool TManualClock::AdvanceToNextTimer()
{
    State &s = TheState();
    if (!s.manual || s.timers.empty())
        return false;
    std::uint64_t next = std::min_element(s.timers.begin(), s.timers.end(), [](const Timer &a, const Timer &b) {
                             return a.due < b.due;
                         })->due;
    RunManualUntil(next);
    return true;
}

std::uint64_t TManualClock::Milliseconds()
{
    return TheState().manualNow;
}

TDateTime TManualClock::NowDateTime()
{
    State &s = TheState();
    return s.manualStart + static_cast<double>(s.manualNow) / 86400000.0;
}

int TManualClock::TimerCount()
{
    return static_cast<int>(TheState().timers.size());
}
