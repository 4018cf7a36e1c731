#include "plotlib/axes/iPlotAxis.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotAxis)
{
    b.Str("Title", &TiPlotAxis::Title, &TiPlotAxis::SetTitle);
}

T_IMPLEMENT_CLASS(TiPlotXAxis) {}

T_IMPLEMENT_CLASS(TiPlotYAxis) {}

void TiPlotAxis::SetTitle(const QString &Value)
{
    if (FTitle == Value)
        return;
    FTitle = Value;
    DoChange();
}

void TiPlotAxis::ResetFirstAlign() {}

void TiPlotAxis::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
