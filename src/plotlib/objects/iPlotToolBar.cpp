#include "plotlib/objects/iPlotToolBar.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotToolBar) {}

TiPlotToolBar::TiPlotToolBar(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    FHorizontal = true;
}

void TiPlotToolBar::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotToolBar::DoButtonClickSelect()
{
    FSelectActive = !FSelectActive;
    DoChange();
}
