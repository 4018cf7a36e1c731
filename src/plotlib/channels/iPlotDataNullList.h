#pragma once
// TiPlotDataNullList: the standard point store (data style ipdsStandard): full-precision X and Y
// and one 16-bit word per point with the null and empty flags and the marker's visibility and
// style; every other attribute is the stored value. 24 bytes a point.

#include "plotlib/channels/iPlotDataCustomList.h"

#include <cstdint>

struct TiPlotDataNull {
    double X;
    double Y;
    // Bit 0 null, bit 1 empty, bit 2 marker visible, bits 3 to 6 the marker style.
    std::uint16_t Extra;

    static constexpr unsigned ExtraNull = 1, ExtraEmpty = 2, ExtraMarkerVisible = 4, ExtraStyleShift = 3;
};
static_assert(sizeof(TiPlotDataNull) == 24);

inline void DecodePoint(const TiPlotDataNull &Point, double &X, double &Y, bool &Empty, bool &Null)
{
    X = Point.X;
    Y = Point.Y;
    Empty = (Point.Extra & TiPlotDataNull::ExtraEmpty) != 0;
    Null = (Point.Extra & TiPlotDataNull::ExtraNull) != 0;
}

class TiPlotDataNullList : public TiPlotDataRecordList<TiPlotDataNull> {
public:
    TiPlotDataNullList() { SetDataPointSize(sizeof(TiPlotDataNull)); }

    std::uint16_t GetExtra(int Index) const { return At(Index).Extra; }

    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return (At(Index).Extra & TiPlotDataNull::ExtraEmpty) != 0; }
    bool GetNull(int Index) const override { return (At(Index).Extra & TiPlotDataNull::ExtraNull) != 0; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { SetBit(Index, TiPlotDataNull::ExtraEmpty, Value); }
    void SetNull(int Index, bool Value) override { SetBit(Index, TiPlotDataNull::ExtraNull, Value); }
    bool GetMarkerVisible(int Index) const override
    {
        return (At(Index).Extra & TiPlotDataNull::ExtraMarkerVisible) != 0;
    }
    void SetMarkerVisible(int Index, bool Value) override { SetBit(Index, TiPlotDataNull::ExtraMarkerVisible, Value); }
    TiPlotMarkerStyle GetMarkerStyle(int Index) const override
    {
        return static_cast<TiPlotMarkerStyle>((At(Index).Extra >> TiPlotDataNull::ExtraStyleShift) & 15);
    }
    void SetMarkerStyle(int Index, TiPlotMarkerStyle Value) override
    {
        TiPlotDataNull &point = At(Index);
        point.Extra =
            static_cast<std::uint16_t>((point.Extra & ~(15 << TiPlotDataNull::ExtraStyleShift)) |
                                       ((static_cast<unsigned>(Value) & 15) << TiPlotDataNull::ExtraStyleShift));
    }

    int Add(double X, double Y, bool Null, bool Empty) override
    {
        const unsigned extra = ((static_cast<unsigned>(FStoredMarkerStyle) & 15) << TiPlotDataNull::ExtraStyleShift) |
                               (FStoredMarkerVisible ? TiPlotDataNull::ExtraMarkerVisible : 0u) |
                               (Null ? TiPlotDataNull::ExtraNull : 0u) | (Empty ? TiPlotDataNull::ExtraEmpty : 0u);
        return AddRecord(TiPlotDataNull{X, Y, static_cast<std::uint16_t>(extra)});
    }

private:
    void SetBit(int Index, unsigned Bit, bool Value)
    {
        TiPlotDataNull &point = At(Index);
        point.Extra = static_cast<std::uint16_t>(Value ? point.Extra | Bit : point.Extra & ~Bit);
    }
};
