#include "plotlib/objects/iPlotLimit.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotLimit)
{
    b.Str("YAxisName", &TiPlotLimit::YAxisName, &TiPlotLimit::SetYAxisName);
    b.Str("XAxisName", &TiPlotLimit::XAxisName, &TiPlotLimit::SetXAxisName);
}

void TiPlotLimit::SetXAxisName(const QString &Value)
{
    if (FXAxisName == Value)
        return;
    FXAxisName = Value;
    DoChange();
}

void TiPlotLimit::SetYAxisName(const QString &Value)
{
    if (FYAxisName == Value)
        return;
    FYAxisName = Value;
    DoChange();
}

void TiPlotLimit::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
