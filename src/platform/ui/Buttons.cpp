#include "platform/ui/Buttons.h"

#include "platform/ui/ControlsWinControl.h"

bool BroadcastGroupDown(TControl *button, UINT msg, int groupIndex)
{
    if (groupIndex == 0 || !button->Parent())
        return false;
    TMessage m;
    m.Msg = msg;
    m.WParam = static_cast<WPARAM>(groupIndex);
    m.LParam = reinterpret_cast<LPARAM>(button);
    button->Parent()->Broadcast(m);
    return true;
}
