#include "plotlib/plot/iPlotDataView.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotDataView)
{
    b.Str("GridXAxisName", &TiPlotDataView::GridXAxisName, &TiPlotDataView::SetGridXAxisName);
    b.Str("GridYAxisName", &TiPlotDataView::GridYAxisName, &TiPlotDataView::SetGridYAxisName);
}

void TiPlotDataView::SetGridXAxisName(const QString &Value)
{
    if (FGridXAxisName == Value)
        return;
    FGridXAxisName = Value;
    DoChange();
}

void TiPlotDataView::SetGridYAxisName(const QString &Value)
{
    if (FGridYAxisName == Value)
        return;
    FGridYAxisName = Value;
    DoChange();
}

void TiPlotDataView::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
