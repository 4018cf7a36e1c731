#pragma once
// TiPlotDataCompactIntervalList: the compact-interval point store (data style
// ipdsCompactInterval): only Y, in single precision; X of logical index i is FirstX + i x Interval.
// The first point sets FirstX, the second the Interval unless the caller set one (-1 means not yet
// known); the X of every later point is ignored. Deleting or overwriting old points moves FirstX
// so the points kept keep their X. 4 bytes a point.

#include "plotlib/channels/iPlotDataCustomList.h"

struct TiPlotDataCompactInterval {
    float Y;
};
static_assert(sizeof(TiPlotDataCompactInterval) == 4);

// X comes from the store: the record holds none.
inline void DecodePoint(const TiPlotDataCompactInterval &Point, double &X, double &Y, bool &Empty, bool &Null)
{
    X = 0;
    Y = Point.Y;
    Empty = Null = false;
}

class TiPlotDataCompactIntervalList : public TiPlotDataRecordList<TiPlotDataCompactInterval> {
public:
    TiPlotDataCompactIntervalList() { SetDataPointSize(sizeof(TiPlotDataCompactInterval)); }

    double Interval() const { return FInterval; }
    void SetInterval(double Value) { FInterval = Value; }
    double FirstX() const { return FFirstX; }

    // Computed for any index, unchecked.
    double GetX(int Index) const override { return Index * FInterval + FFirstX; }
    double GetY(int Index) const override { return At(Index).Y; }
    // Only the first point's X can be set (every X moves with it); anything else raises "Data
    // Style does not support setting individual X-Value with the exception of the first X-Value".
    void SetX(int Index, double Value) override;
    void SetY(int Index, double Value) override { At(Index).Y = static_cast<float>(Value); }

    int Add(double X, double Y, bool Null, bool Empty) override;
    // Also forgets the interval.
    void Clear() override;
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const override
    {
        TiPlotDataRecordList::GetXYEmptyNull(Index, X, Y, Empty, Null);
        X = GetX(Index);
    }
    void ReadBlock(int First, int Count, TiPlotPointBlock &Block) const override
    {
        TiPlotDataRecordList::ReadBlock(First, Count, Block);
        for (int k = 0; k < Count; ++k)
            Block.X[k] = GetX(First + k);
    }

protected:
    bool MayDeleteAll() const override { return true; }
    void DeletedPoints(int Size) override;

private:
    double FInterval = -1.0;
    double FFirstX = 0.0;
};
