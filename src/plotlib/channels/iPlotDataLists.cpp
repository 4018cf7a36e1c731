#include "plotlib/channels/iPlotDataCompactIntervalList.h"
#include "plotlib/channels/iPlotDataFullList.h"

#include "platform/runtime/Exception.h"

// ---- The common store -------------------------------------------------------------------------

void TiPlotDataCustomList::SetDataPointSize(int Size)
{
    FDataPointSize = Size;
    FMaxDataPoints = 2147483647 / Size;
}

int TiPlotDataCustomList::PhysicalIndex(int Index) const
{
    if (Index < 0 || Index >= FCount)
        throw Exception(QStringLiteral("Index out of Bounds"));
    if (FTail == 0)
        return Index;
    const int slot = Index + FTail;
    return slot > FCount - 1 ? slot - FCount : slot;
}

void TiPlotDataCustomList::Grow()
{
    const int step = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
    SetCapacity(FCapacity + step);
}

int TiPlotDataCustomList::PlaceNew(int &Index)
{
    if (!FRingBufferEnabled || FCount < FCapacity) {
        if (FCount == FCapacity)
            Grow();
        Index = FCount;
        return FCount++;
    }
    // A full ring: the oldest record takes the new point.
    if (++FTail == FCount)
        FTail = 0;
    Index = FCount - 1;
    return FTail == 0 ? FCount - 1 : FTail - 1;
}

void TiPlotDataCustomList::CheckCapacity(int NewCapacity) const
{
    if (NewCapacity > FMaxDataPoints)
        throw Exception(QStringLiteral("Exceed Maximum List Size"));
}

void TiPlotDataCustomList::Clear()
{
    FCount = 0;
    FTail = 0;
    if (!FRingBufferEnabled)
        SetCapacity(0);
}

void TiPlotDataCustomList::SetRingBufferSize(int Value)
{
    if (Value <= 0) {
        if (FRingBufferEnabled) {
            FRingBufferEnabled = false;
            if (FTail != 0)
                Clear();
        }
        return;
    }
    FRingBufferEnabled = true;
    if (Value == FCapacity)
        return;
    if (FTail != 0)
        Clear();
    if (Value < FCount)
        DeletePoints(FCount - Value);
    SetCapacity(Value);
}

void TiPlotDataCustomList::AssignStoredValues(const TiPlotDataCustomList &Source)
{
    FStoredTraceLineColor = Source.FStoredTraceLineColor;
    FStoredTraceLineWidth = Source.FStoredTraceLineWidth;
    FStoredTraceLineStyle = Source.FStoredTraceLineStyle;
    FStoredMarkerVisible = Source.FStoredMarkerVisible;
    FStoredMarkerSize = Source.FStoredMarkerSize;
    FStoredMarkerStyle = Source.FStoredMarkerStyle;
    FStoredMarkerPenColor = Source.FStoredMarkerPenColor;
    FStoredMarkerPenWidth = Source.FStoredMarkerPenWidth;
    FStoredMarkerPenStyle = Source.FStoredMarkerPenStyle;
    FStoredMarkerBrushColor = Source.FStoredMarkerBrushColor;
    FStoredMarkerBrushStyle = Source.FStoredMarkerBrushStyle;
    FStoredBarVisible = Source.FStoredBarVisible;
    FStoredBarReference = Source.FStoredBarReference;
    FStoredBarWidth = Source.FStoredBarWidth;
    FStoredBarPenColor = Source.FStoredBarPenColor;
    FStoredBarPenWidth = Source.FStoredBarPenWidth;
    FStoredBarPenStyle = Source.FStoredBarPenStyle;
    FStoredBarBrushColor = Source.FStoredBarBrushColor;
    FStoredBarBrushStyle = Source.FStoredBarBrushStyle;
}

// ---- Compact interval -------------------------------------------------------------------------

void TiPlotDataCompactIntervalList::SetX(int Index, double Value)
{
    if (Index != 0 || FCount == 0)
        throw Exception(QStringLiteral(
            "Data Style does not support setting individual X-Value with the exception of the first X-Value"));
    FFirstX = Value;
}

int TiPlotDataCompactIntervalList::Add(double X, double Y, bool, bool)
{
    if (FCount == 0)
        FFirstX = X;
    else if (FCount == 1 && FInterval == -1.0)
        FInterval = X - FFirstX;
    // A full ring drops its oldest point: the kept points keep their X.
    const bool shifts = FRingBufferEnabled && FCount == FCapacity && FCount > 1;
    const double nextFirstX = FFirstX + FInterval;
    const int index = AddRecord(TiPlotDataCompactInterval{static_cast<float>(Y)});
    if (shifts)
        FFirstX = nextFirstX;
    return index;
}

void TiPlotDataCompactIntervalList::Clear()
{
    TiPlotDataRecordList::Clear();
    FInterval = -1.0;
}

void TiPlotDataCompactIntervalList::DeletedPoints(int Size)
{
    if (FCount > 0)
        FFirstX += Size * FInterval;
}

// ---- Full feature -----------------------------------------------------------------------------

int TiPlotDataFullList::Add(double X, double Y, bool Null, bool Empty)
{
    TiPlotDataFull point{};
    point.X = X;
    point.Y = Y;
    point.Null = Null;
    point.Empty = Empty;
    point.TraceLineColor = FStoredTraceLineColor;
    point.TraceLineWidth = FStoredTraceLineWidth;
    point.TraceLineStyle = static_cast<std::uint8_t>(FStoredTraceLineStyle);
    point.MarkerVisible = FStoredMarkerVisible;
    point.MarkerSize = FStoredMarkerSize;
    point.MarkerStyle = static_cast<std::uint8_t>(FStoredMarkerStyle);
    point.MarkerPenColor = FStoredMarkerPenColor;
    point.MarkerPenWidth = FStoredMarkerPenWidth;
    point.MarkerPenStyle = static_cast<std::uint8_t>(FStoredMarkerPenStyle);
    point.MarkerBrushColor = FStoredMarkerBrushColor;
    point.MarkerBrushStyle = static_cast<std::uint8_t>(FStoredMarkerBrushStyle);
    point.BarVisible = FStoredBarVisible;
    point.BarReference = FStoredBarReference;
    point.BarWidth = FStoredBarWidth;
    point.BarPenColor = FStoredBarPenColor;
    point.BarPenWidth = FStoredBarPenWidth;
    point.BarPenStyle = static_cast<std::uint8_t>(FStoredBarPenStyle);
    point.BarBrushColor = FStoredBarBrushColor;
    point.BarBrushStyle = static_cast<std::uint8_t>(FStoredBarBrushStyle);
    return AddRecord(point);
}

void TiPlotDataFullList::ThrowDeleteSize() const
{
    throw Exception(QStringLiteral("Delete Size Out Of Range"));
}
