#include "plotlib/objects/iPlotLimit.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotLimit)
{
    b.Str("YAxisName", &TiPlotLimit::YAxisName, &TiPlotLimit::SetYAxisName);
    b.Str("XAxisName", &TiPlotLimit::XAxisName, &TiPlotLimit::SetXAxisName);
    b.Enum("Style", &TiPlotLimit::Style, &TiPlotLimit::SetStyle, iPlotLimitStyleNames);
    b.Enum("FillStyle", &TiPlotLimit::FillStyle, &TiPlotLimit::SetFillStyle, BrushStyleNames);
}

bool TiPlotLimit::PaintsBelowGrid() const
{
    switch (FStyle) {
    case iplsPolyBandX:
    case iplsPolyBandY: return true;
    case iplsBandX:
    case iplsBandY: return FFillStyle != bsClear;
    case iplsLineX:
    case iplsLineY: break;
    }
    return false;
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
