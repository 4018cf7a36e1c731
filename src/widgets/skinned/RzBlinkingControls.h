#pragma once
// TRzBlinkingControlsList: one timer that makes every blinking control switch colour at the same
// moment. The single shared instance, BlinkingControls, is made by the first label and freed by
// ReleaseBlinkingList once the last label has left it.
//
// Each tick flips the list's state (bsOff -> bsOn -> bsOff ...) and asks every member in turn, by
// CM_ISBLINKING, whether it blinks; a member that answers 1 is told the new state by
// CM_BLINKSTATECHANGED (WParam the TBlinkState). The list starts in bsOff with its timer running
// at IntervalOff, so the first tick comes IntervalOff ms after it was made and switches to bsOn;
// a switch to bsOn makes the next tick come after IntervalOff, a switch to bsOff after IntervalOn.
// A label inverts what it is told: it shows its blink colour while the list is in bsOff, that is
// for IntervalOn ms. The intervals are read and written directly: the running interval changes
// at the next tick.
//
// GUI thread only (the timer fires through the message loop).

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Messages.h"

#include <cstdint>
#include <memory>
#include <vector>

class TControl;
class TObject;
class TTimer;

constexpr UINT CM_ISBLINKING = 46056;
constexpr UINT CM_BLINKSTATECHANGED = 46057;

enum TBlinkState { bsOn, bsOff };
inline constexpr auto BlinkStateNames = EnumNames<TBlinkState>("bsOn", "bsOff");

class TRzBlinkingControlsList {
public:
    TRzBlinkingControlsList();
    virtual ~TRzBlinkingControlsList();
    TRzBlinkingControlsList(const TRzBlinkingControlsList &) = delete;
    TRzBlinkingControlsList &operator=(const TRzBlinkingControlsList &) = delete;

    // Appends the control (no duplicate check).
    void Add(TControl *control);
    // Removes the control's entry; EListError when it is not a member.
    void Remove(TControl *control);
    virtual int Count() const { return static_cast<int>(FControls.size()); }

    TBlinkState BlinkState() const { return FBlinkState; }
    std::uint16_t IntervalOff() const { return FIntervalOff; }
    void SetIntervalOff(std::uint16_t value) { FIntervalOff = value; }
    std::uint16_t IntervalOn() const { return FIntervalOn; }
    void SetIntervalOn(std::uint16_t value) { FIntervalOn = value; }
    TTimer *Timer() const { return FTimer.get(); }

    // One tick: flips the state and tells the blinking members.
    void TimerFired(TObject *Sender);

private:
    TBlinkState FBlinkState = bsOff;
    std::vector<TControl *> FControls;
    std::unique_ptr<TTimer> FTimer;
    std::uint16_t FIntervalOff = 500;
    std::uint16_t FIntervalOn = 500;
};

// The shared list; nullptr until the first label is made and after the last one is gone.
extern TRzBlinkingControlsList *BlinkingControls;
// The shared list, made when there is none.
TRzBlinkingControlsList *NeedBlinkingList();
// Frees the shared list when it has no member; otherwise does nothing.
void ReleaseBlinkingList();
