#include "plotlib/channels/iPlotChannelCustom.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

#include <algorithm>

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

// ---- Points -------------------------------------------------------------------------------------

const TiPlotChannelCustom::Point &TiPlotChannelCustom::At(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw Exception(QStringLiteral("Index out of Bounds"));
    return FPoints[static_cast<std::size_t>(Index)];
}

void TiPlotChannelCustom::SetCount(int Value)
{
    if (Value >= 0 && Value < Count())
        FPoints.resize(static_cast<std::size_t>(Value));
    DoChange();
}

int TiPlotChannelCustom::AddXY(double X, double Y)
{
    FPoints.push_back(Point{X, Y});
    FRunningXMax = std::max(FRunningXMax, X);
    FRunningXMin = std::min(FRunningXMin, X);
    FRunningYMax = std::max(FRunningYMax, Y);
    FRunningYMin = std::min(FRunningYMin, Y);
    DoChange();
    return Count() - 1;
}

double TiPlotChannelCustom::GetX(int Index) const
{
    return At(Index).X;
}

double TiPlotChannelCustom::GetY(int Index) const
{
    return At(Index).Y;
}

bool TiPlotChannelCustom::GetNull(int Index) const
{
    return At(Index).Null;
}

bool TiPlotChannelCustom::GetEmpty(int Index) const
{
    return At(Index).Empty;
}

void TiPlotChannelCustom::SetNull(int Index, bool Value)
{
    const_cast<Point &>(At(Index)).Null = Value;
    DoChange();
}

void TiPlotChannelCustom::SetEmpty(int Index, bool Value)
{
    const_cast<Point &>(At(Index)).Empty = Value;
    DoChange();
}

void TiPlotChannelCustom::Clear()
{
    FPoints.clear();
    FRunningXMin = FRunningYMin = 1e300;
    FRunningXMax = FRunningYMax = -1e300;
    DoChange();
}

void TiPlotChannelCustom::DeletePoints(int Size)
{
    if (Size == Count()) {
        Clear();
        return;
    }
    if (Size < 0 || Size > Count())
        throw Exception(QStringLiteral("Delete size out of Range"));
    FPoints.erase(FPoints.begin(), FPoints.begin() + Size);
    DoChange();
}

// ---- Extremes and data cursors ------------------------------------------------------------------

template <class V>
double TiPlotChannelCustom::Extreme(V Value, bool Largest) const
{
    double result = Largest ? -1e300 : 1e300;
    for (const Point &point : FPoints)
        if (!point.Null && !point.Empty)
            result = Largest ? std::max(result, Value(point)) : std::min(result, Value(point));
    return result;
}

double TiPlotChannelCustom::GetZoomXMax()
{
    return Extreme([](const Point &P) { return P.X; }, true);
}

double TiPlotChannelCustom::GetZoomXMin()
{
    return Extreme([](const Point &P) { return P.X; }, false);
}

double TiPlotChannelCustom::GetZoomYMax()
{
    return Extreme([](const Point &P) { return P.Y; }, true);
}

double TiPlotChannelCustom::GetZoomYMin()
{
    return Extreme([](const Point &P) { return P.Y; }, false);
}

void TiPlotChannelCustom::UpdateDataCursor(TiPlotDataCursor *) {}

int TiPlotChannelCustom::CalcIndex(double)
{
    return -1;
}

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
