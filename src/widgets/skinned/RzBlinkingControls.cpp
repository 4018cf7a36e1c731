#include "widgets/skinned/RzBlinkingControls.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/Controls.h"

#include <algorithm>

TRzBlinkingControlsList *BlinkingControls = nullptr;

TRzBlinkingControlsList::TRzBlinkingControlsList() : FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->OnTimer = [this](TObject *sender) { TimerFired(sender); };
    FTimer->SetInterval(FIntervalOff);
    FTimer->SetEnabled(true);
}

TRzBlinkingControlsList::~TRzBlinkingControlsList()
{
    FTimer->OnTimer = nullptr;
}

void TRzBlinkingControlsList::Add(TControl *control)
{
    FControls.push_back(control);
}

void TRzBlinkingControlsList::Remove(TControl *control)
{
    const auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end())
        throw EListError(QStringLiteral("List index out of bounds (-1)"));
    FControls.erase(it);
}

void TRzBlinkingControlsList::TimerFired(TObject *)
{
    if (FBlinkState == bsOn) {
        FBlinkState = bsOff;
        FTimer->SetInterval(FIntervalOn);
    } else {
        FBlinkState = bsOn;
        FTimer->SetInterval(FIntervalOff);
    }
    // Members that go away in a handler are not told; the count is the one before the loop.
    const std::vector<TControl *> members = FControls;
    for (TControl *control : members) {
        if (std::find(FControls.begin(), FControls.end(), control) == FControls.end())
            continue;
        if (control->Perform(CM_ISBLINKING) == 1)
            control->Perform(CM_BLINKSTATECHANGED, static_cast<WPARAM>(FBlinkState), 0);
    }
}

TRzBlinkingControlsList *NeedBlinkingList()
{
    if (!BlinkingControls)
        BlinkingControls = new TRzBlinkingControlsList;
    return BlinkingControls;
}

void ReleaseBlinkingList()
{
    if (BlinkingControls && BlinkingControls->Count() == 0) {
        delete BlinkingControls;
        BlinkingControls = nullptr;
    }
}
