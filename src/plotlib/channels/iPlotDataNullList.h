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
};
static_assert(sizeof(TiPlotDataNull) == 24);

class TiPlotDataNullList : public TiPlotDataRecordList<TiPlotDataNull> {
public:
    TiPlotDataNullList() { SetDataPointSize(sizeof(TiPlotDataNull)); }

    static constexpr unsigned ExtraNull = 1, ExtraEmpty = 2, ExtraMarkerVisible = 4, ExtraStyleShift = 3;
    std::uint16_t GetExtra(int Index) const { return At(Index).Extra; }

    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return (At(Index).Extra & ExtraEmpty) != 0; }
    bool GetNull(int Index) const override { return (At(Index).Extra & ExtraNull) != 0; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { SetBit(Index, ExtraEmpty, Value); }
    void SetNull(int Index, bool Value) override { SetBit(Index, ExtraNull, Value); }
    bool GetMarkerVisible(int Index) const override { return (At(Index).Extra & ExtraMarkerVisible) != 0; }
    void SetMarkerVisible(int Index, bool Value) override { SetBit(Index, ExtraMarkerVisible, Value); }
    TiPlotMarkerStyle GetMarkerStyle(int Index) const override
    {
        return static_cast<TiPlotMarkerStyle>((At(Index).Extra >> ExtraStyleShift) & 15);
    }
    void SetMarkerStyle(int Index, TiPlotMarkerStyle Value) override
    {
        TiPlotDataNull &point = At(Index);
        point.Extra = static_cast<std::uint16_t>((point.Extra & ~(15 << ExtraStyleShift)) |
                                                 ((static_cast<unsigned>(Value) & 15) << ExtraStyleShift));
    }

    int Add(double X, double Y, bool Null, bool Empty) override
    {
        const unsigned extra = ((static_cast<unsigned>(FStoredMarkerStyle) & 15) << ExtraStyleShift) |
                               (FStoredMarkerVisible ? ExtraMarkerVisible : 0u) | (Null ? ExtraNull : 0u) |
                               (Empty ? ExtraEmpty : 0u);
        return AddRecord(TiPlotDataNull{X, Y, static_cast<std::uint16_t>(extra)});
    }
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const override
    {
        const TiPlotDataNull &point = At(Index);
        X = point.X;
        Y = point.Y;
        Empty = (point.Extra & ExtraEmpty) != 0;
        Null = (point.Extra & ExtraNull) != 0;
    }

private:
    void SetBit(int Index, unsigned Bit, bool Value)
    {
        TiPlotDataNull &point = At(Index);
        point.Extra = static_cast<std::uint16_t>(Value ? point.Extra | Bit : point.Extra & ~Bit);
    }
};
