#include "plotlib/axes/iPlotDataCursor.h"

#include "platform/runtime/ClassBuilder.h"
#include "plotlib/plot/iPlotDataView.h"

T_IMPLEMENT_CLASS(TiPlotDataCursor)
{
    b.Str("ChannelName", &TiPlotDataCursor::ChannelName, &TiPlotDataCursor::SetChannelName);
}

void TiPlotDataCursor::SetChannelName(const QString &Value)
{
    if (FChannelName == Value)
        return;
    FChannelName = Value;
    DoChange();
}

void TiPlotDataCursor::NotifyRemoved(TObject *AObject)
{
    if (FDataView && AObject == static_cast<TObject *>(FDataView))
        FDataView = nullptr;
}

void TiPlotDataCursor::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
