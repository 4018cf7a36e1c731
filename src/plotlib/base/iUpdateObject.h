#pragma once
// The shared repaint timer of the library's controls. A control limits how often it invalidates
// its window (TiComponent's frame rate): a change that comes before its frame interval has passed
// only marks the control, and this one process-wide object repaints every registered control
// whose marked change has become due, once a second.
//
// Rules:
//  - Every TiComponent registers itself from construction to destruction. The timer runs while
//    at least one control is registered: the first registration starts it, removing the last one
//    stops it.
//  - A tick looks at a copy of the list, so controls may come and go while it runs; a control
//    that left meanwhile is not touched. A control inside BeginUpdate/EndUpdate, or without a
//    marked change, is skipped.
//  - The tick only invalidates windows (DoRepaint); painting happens later, as for any change.
//  - Times are the framework's 64-bit millisecond count (GetTickCount64), which the manual test
//    clock drives; setting the wall clock back holds nothing.
// Everything runs on the GUI thread.

#include <cstdint>
#include <memory>
#include <vector>

class TObject;
class TTimer;

// What the repaint timer reads of a control (TiComponent implements it).
class TiUpdateControl {
public:
    // Inside BeginUpdate ... EndUpdate.
    virtual bool UpdateActive() const = 0;
    // A change waits for a repaint.
    virtual bool NeedsRepaint() const = 0;
    // Repaints allowed per second; 0 or less means no limit.
    virtual int UpdateFrameRate() const = 0;
    // GetTickCount64 when the last repaint was issued.
    virtual std::uint64_t LastUpdate() const = 0;
    // Clears the mark, stamps LastUpdate and invalidates the window.
    virtual void DoRepaint() = 0;

protected:
    ~TiUpdateControl() = default;
};

class TiUpdateObject {
public:
    // Interval of the shared timer.
    static constexpr unsigned TimerInterval = 1000;

    // The one instance, made on first use and kept until the program ends.
    static TiUpdateObject &Instance();

    // Appends the control (duplicates are not checked); the first one starts the timer.
    void AddUpdateControl(TiUpdateControl *Control);
    // Removes the first entry of the control, if any; the last one stops the timer.
    void RemoveUpdateControl(TiUpdateControl *Control);
    int ControlCount() const { return static_cast<int>(FControlList.size()); }
    bool TimerEnabled() const;

    // The frame rule: a repaint is due when more than 1/FrameRate s has passed since LastUpdate.
    // No limit (FrameRate 0 or less) is always due, and so is a LastUpdate later than Now (the
    // count started again, as the manual clock does when a test starts it).
    static bool FrameDue(std::uint64_t LastUpdate, int FrameRate, std::uint64_t Now);

private:
    TiUpdateObject();
    ~TiUpdateObject();
    void UpdateTimerTick(TObject *Sender);

    std::unique_ptr<TTimer> FTimer;
    std::vector<TiUpdateControl *> FControlList;
};
