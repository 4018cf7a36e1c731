#include "plotlib/channels/iPlotTable.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotTable) {}

TiPlotTable::TiPlotTable(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    FHorizontal = false;
}

void TiPlotTable::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
