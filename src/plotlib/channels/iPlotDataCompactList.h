#pragma once
// TiPlotDataCompactList: the compact point store (data style ipdsCompact): X and Y in single
// precision and nothing else; null and empty points are kept as ordinary points. 8 bytes a point.

#include "plotlib/channels/iPlotDataCustomList.h"

struct TiPlotDataSingle {
    float X;
    float Y;
};
static_assert(sizeof(TiPlotDataSingle) == 8);

inline void DecodePoint(const TiPlotDataSingle &Point, double &X, double &Y, bool &Empty, bool &Null)
{
    X = Point.X;
    Y = Point.Y;
    Empty = Null = false;
}

class TiPlotDataCompactList : public TiPlotDataRecordList<TiPlotDataSingle> {
public:
    TiPlotDataCompactList() { SetDataPointSize(sizeof(TiPlotDataSingle)); }

    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    void SetX(int Index, double Value) override { At(Index).X = static_cast<float>(Value); }
    void SetY(int Index, double Value) override { At(Index).Y = static_cast<float>(Value); }

    int Add(double X, double Y, bool, bool) override
    {
        return AddRecord(TiPlotDataSingle{static_cast<float>(X), static_cast<float>(Y)});
    }
};
