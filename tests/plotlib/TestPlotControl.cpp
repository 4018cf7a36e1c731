#include "TestPlotControl.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TTestMarker)
{
    b.Color("Color", &TTestMarker::Color, &TTestMarker::Color);
    b.Int("Width", &TTestMarker::Width, &TTestMarker::Width);
}

T_IMPLEMENT_CLASS(TTestPlotControl)
{
    b.Color("BackGroundColor", &TTestPlotControl::BackGroundColor, &TTestPlotControl::SetBackGroundColor)
        .Default(clBtnFace);
    b.Enum("BorderStyle", &TTestPlotControl::BorderStyle, &TTestPlotControl::SetBorderStyle, iBevelStyleNames)
        .Default(ibsNone);
    b.Float("Level", &TTestPlotControl::Level, &TTestPlotControl::Level);
    b.Str("Caption2", &TTestPlotControl::Caption2, &TTestPlotControl::Caption2);
    b.Int("Value", &TTestPlotControl::Value, &TTestPlotControl::SetValue).Default(0);
    b.Bool("Checked", &TTestPlotControl::Checked, &TTestPlotControl::Checked).Default(false);
    b.Object("Marker", &TTestPlotControl::Marker, &TTestPlotControl::SetMarker);
}

TTestPlotControl::TTestPlotControl(TComponent *AOwner) : TiCustomComponent(AOwner)
{
    SetBounds(0, 0, 120, 80);
}

void TTestPlotControl::SetValue(int value)
{
    if (value == FValue)
        return;
    FValue = value;
    OPCPropertyChange(QStringLiteral("Value"), TiOPCValue(value));
    InvalidateChange();
}

void TTestPlotControl::SetMarker(TTestMarker *value)
{
    FMarker->Color = value->Color;
    FMarker->Width = value->Width;
}

void TTestPlotControl::Invalidate()
{
    ++Invalidations;
    inherited::Invalidate();
}

void TTestPlotControl::DrawToCanvas(TCanvas *Canvas)
{
    DrawBackGround(Canvas, BackGroundColor());
    if (Failure)
        Failure();
    Canvas->FillRect(TRect(Width() / 2 - 10, Height() / 2 - 10, Width() / 2 + 10, Height() / 2 + 10), clRed);
}

void TTestPlotControl::iKeyDown(WORD &Key, TShiftState Shift)
{
    KeysDown.push_back({Key, Shift, UserGenerated()});
}
