#include "plotlib/channels/iPlotChannelCustom.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotChannelCustom)
{
    b.Str("TitleText", &TiPlotChannelCustom::TitleText, &TiPlotChannelCustom::SetTitleText);
    b.Color("Color", &TiPlotChannelCustom::Color, &TiPlotChannelCustom::SetColor).Default(clRed);
    b.Str("XAxisName", &TiPlotChannelCustom::XAxisName, &TiPlotChannelCustom::SetXAxisName);
    b.Str("YAxisName", &TiPlotChannelCustom::YAxisName, &TiPlotChannelCustom::SetYAxisName);
}

void TiPlotChannelCustom::SetTitleText(const QString &Value)
{
    if (FTitleText == Value)
        return;
    FTitleText = Value;
    DoChange();
}

void TiPlotChannelCustom::SetColor(TColor Value)
{
    FColor = Value;
    DoChange();
}

void TiPlotChannelCustom::SetXAxisName(const QString &Value)
{
    if (FXAxisName == Value)
        return;
    FXAxisName = Value;
    DoChange();
}

void TiPlotChannelCustom::SetYAxisName(const QString &Value)
{
    if (FYAxisName == Value)
        return;
    FYAxisName = Value;
    DoChange();
}

void TiPlotChannelCustom::Clear() {}

void TiPlotChannelCustom::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

bool TiPlotChannelCustom::GetKeyPopupPoint(TPoint &Point)
{
    Point = TPoint((FLegendRect.Left + FLegendRect.Right) / 2, (FLegendRect.Top + FLegendRect.Bottom) / 2);
    return true;
}
