#pragma once
// TiPlotDataFullList: the full-feature point store (data style ipdsFullFeature): every per-point
// attribute, the null and empty flags and the four values High, Low, Open and Close in a record of
// 144 bytes. A new point takes every attribute from the stored values, except High, Low, Open,
// Close (0) and the marker character (none).

#include "plotlib/channels/iPlotDataCustomList.h"

#include <cstdint>

struct TiPlotDataFull {
    double X;
    double Y;
    bool Null;
    bool Empty;
    double High;
    double Low;
    double Open;
    double Close;
    TColor TraceLineColor;
    std::int32_t TraceLineWidth;
    std::uint8_t TraceLineStyle;
    bool MarkerVisible;
    std::int32_t MarkerSize;
    std::uint8_t MarkerStyle;
    TColor MarkerPenColor;
    std::int32_t MarkerPenWidth;
    std::uint8_t MarkerPenStyle;
    TColor MarkerBrushColor;
    std::uint8_t MarkerBrushStyle;
    char16_t MarkerCharacter;
    bool BarVisible;
    double BarReference;
    double BarWidth;
    TColor BarPenColor;
    std::int32_t BarPenWidth;
    std::uint8_t BarPenStyle;
    TColor BarBrushColor;
    std::uint8_t BarBrushStyle;
};
static_assert(sizeof(TiPlotDataFull) == 144);

inline void DecodePoint(const TiPlotDataFull &Point, double &X, double &Y, bool &Empty, bool &Null)
{
    X = Point.X;
    Y = Point.Y;
    Empty = Point.Empty;
    Null = Point.Null;
}

class TiPlotDataFullList : public TiPlotDataRecordList<TiPlotDataFull> {
public:
    TiPlotDataFullList() { SetDataPointSize(sizeof(TiPlotDataFull)); }

    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return At(Index).Empty; }
    bool GetNull(int Index) const override { return At(Index).Null; }
    double GetHigh(int Index) const override { return At(Index).High; }
    double GetLow(int Index) const override { return At(Index).Low; }
    double GetOpen(int Index) const override { return At(Index).Open; }
    double GetClose(int Index) const override { return At(Index).Close; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { At(Index).Empty = Value; }
    void SetNull(int Index, bool Value) override { At(Index).Null = Value; }
    void SetHigh(int Index, double Value) override { At(Index).High = Value; }
    void SetLow(int Index, double Value) override { At(Index).Low = Value; }
    void SetOpen(int Index, double Value) override { At(Index).Open = Value; }
    void SetClose(int Index, double Value) override { At(Index).Close = Value; }

    TColor GetTraceLineColor(int Index) const override { return At(Index).TraceLineColor; }
    int GetTraceLineWidth(int Index) const override { return At(Index).TraceLineWidth; }
    TiPlotLineStyle GetTraceLineStyle(int Index) const override
    {
        return static_cast<TiPlotLineStyle>(At(Index).TraceLineStyle);
    }
    bool GetMarkerVisible(int Index) const override { return At(Index).MarkerVisible; }
    int GetMarkerSize(int Index) const override { return At(Index).MarkerSize; }
    TiPlotMarkerStyle GetMarkerStyle(int Index) const override
    {
        return static_cast<TiPlotMarkerStyle>(At(Index).MarkerStyle);
    }
    TColor GetMarkerPenColor(int Index) const override { return At(Index).MarkerPenColor; }
    int GetMarkerPenWidth(int Index) const override { return At(Index).MarkerPenWidth; }
    TPenStyle GetMarkerPenStyle(int Index) const override { return static_cast<TPenStyle>(At(Index).MarkerPenStyle); }
    TColor GetMarkerBrushColor(int Index) const override { return At(Index).MarkerBrushColor; }
    TBrushStyle GetMarkerBrushStyle(int Index) const override
    {
        return static_cast<TBrushStyle>(At(Index).MarkerBrushStyle);
    }
    char16_t GetMarkerCharacter(int Index) const override { return At(Index).MarkerCharacter; }
    bool GetBarVisible(int Index) const override { return At(Index).BarVisible; }
    double GetBarReference(int Index) const override { return At(Index).BarReference; }
    double GetBarWidth(int Index) const override { return At(Index).BarWidth; }
    TColor GetBarPenColor(int Index) const override { return At(Index).BarPenColor; }
    int GetBarPenWidth(int Index) const override { return At(Index).BarPenWidth; }
    TPenStyle GetBarPenStyle(int Index) const override { return static_cast<TPenStyle>(At(Index).BarPenStyle); }
    TColor GetBarBrushColor(int Index) const override { return At(Index).BarBrushColor; }
    TBrushStyle GetBarBrushStyle(int Index) const override { return static_cast<TBrushStyle>(At(Index).BarBrushStyle); }

    void SetTraceLineColor(int Index, TColor Value) override { At(Index).TraceLineColor = Value; }
    void SetTraceLineWidth(int Index, int Value) override { At(Index).TraceLineWidth = Value; }
    void SetTraceLineStyle(int Index, TiPlotLineStyle Value) override
    {
        At(Index).TraceLineStyle = static_cast<std::uint8_t>(Value);
    }
    void SetMarkerVisible(int Index, bool Value) override { At(Index).MarkerVisible = Value; }
    void SetMarkerSize(int Index, int Value) override { At(Index).MarkerSize = Value; }
    void SetMarkerStyle(int Index, TiPlotMarkerStyle Value) override
    {
        At(Index).MarkerStyle = static_cast<std::uint8_t>(Value);
    }
    void SetMarkerPenColor(int Index, TColor Value) override { At(Index).MarkerPenColor = Value; }
    void SetMarkerPenWidth(int Index, int Value) override { At(Index).MarkerPenWidth = Value; }
    void SetMarkerPenStyle(int Index, TPenStyle Value) override
    {
        At(Index).MarkerPenStyle = static_cast<std::uint8_t>(Value);
    }
    void SetMarkerBrushColor(int Index, TColor Value) override { At(Index).MarkerBrushColor = Value; }
    void SetMarkerBrushStyle(int Index, TBrushStyle Value) override
    {
        At(Index).MarkerBrushStyle = static_cast<std::uint8_t>(Value);
    }
    void SetMarkerCharacter(int Index, char16_t Value) override { At(Index).MarkerCharacter = Value; }
    void SetBarVisible(int Index, bool Value) override { At(Index).BarVisible = Value; }
    void SetBarReference(int Index, double Value) override { At(Index).BarReference = Value; }
    void SetBarWidth(int Index, double Value) override { At(Index).BarWidth = Value; }
    void SetBarPenColor(int Index, TColor Value) override { At(Index).BarPenColor = Value; }
    void SetBarPenWidth(int Index, int Value) override { At(Index).BarPenWidth = Value; }
    void SetBarPenStyle(int Index, TPenStyle Value) override
    {
        At(Index).BarPenStyle = static_cast<std::uint8_t>(Value);
    }
    void SetBarBrushColor(int Index, TColor Value) override { At(Index).BarBrushColor = Value; }
    void SetBarBrushStyle(int Index, TBrushStyle Value) override
    {
        At(Index).BarBrushStyle = static_cast<std::uint8_t>(Value);
    }

    int Add(double X, double Y, bool Null, bool Empty) override;

protected:
    [[noreturn]] void ThrowDeleteSize() const override;
};
