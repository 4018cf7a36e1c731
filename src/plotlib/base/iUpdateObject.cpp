#include "plotlib/base/iUpdateObject.h"

#include "platform/runtime/Timer.h"
#include "platform/runtime/TimerService.h"

#include <algorithm>

TiUpdateObject &TiUpdateObject::Instance()
{
    // Never destroyed: controls may still unregister while static objects are torn down.
    static TiUpdateObject *instance = new TiUpdateObject;
    return *instance;
}

TiUpdateObject::TiUpdateObject() : FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->SetEnabled(false);
    FTimer->SetInterval(TimerInterval);
    FTimer->OnTimer = [this](TObject *Sender) { UpdateTimerTick(Sender); };
}

TiUpdateObject::~TiUpdateObject()
{
    FTimer->SetEnabled(false);
}

void TiUpdateObject::AddUpdateControl(TiUpdateControl *Control)
{
    FControlList.push_back(Control);
    if (FControlList.size() == 1)
        FTimer->SetEnabled(true);
}

void TiUpdateObject::RemoveUpdateControl(TiUpdateControl *Control)
{
    const auto it = std::find(FControlList.begin(), FControlList.end(), Control);
    if (it != FControlList.end())
        FControlList.erase(it);
    if (FControlList.empty())
        FTimer->SetEnabled(false);
}

bool TiUpdateObject::TimerEnabled() const
{
    return FTimer->Enabled();
}

bool TiUpdateObject::FrameDue(std::uint64_t LastUpdate, int FrameRate, std::uint64_t Now)
{
    if (FrameRate <= 0 || Now < LastUpdate)
        return true;
    // In double: no product of the rate can overflow, whatever rate a file or form sets.
    return static_cast<double>(Now - LastUpdate) > 1000.0 / static_cast<double>(FrameRate);
}

void TiUpdateObject::UpdateTimerTick(TObject *)
{
    const std::vector<TiUpdateControl *> controls = FControlList;
    const std::uint64_t now = GetTickCount64();
    for (TiUpdateControl *control : controls) {
        // A control destroyed by an earlier repaint of this tick is gone from the list.
        if (std::find(FControlList.begin(), FControlList.end(), control) == FControlList.end())
            continue;
        if (control->UpdateActive() || !control->NeedsRepaint())
            continue;
        if (FrameDue(control->LastUpdate(), control->UpdateFrameRate(), now))
            control->DoRepaint();
    }
}
