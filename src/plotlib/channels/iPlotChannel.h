#pragma once
// TiPlotChannel: the channel of the strip chart TiPlot. Its points are meant to run in one X
// direction (increasing or decreasing, judged from the first two points once three are held);
// with AllowOutOfOrderXValues off an add that breaks it is refused before anything is stored. It
// adds time-based points (now, elapsed days or seconds since ElapsedStartTime), looks up Y at any
// X by its interpolation style, finds the visible index range by binary search, and draws a
// straight trace reduced to one min-max vertical per pixel column. Its two OPC items feed it
// values at time-based X, or pairs of X and Y. GUI thread.

#include "plotlib/channels/iPlotChannelCustom.h"

#include <functional>
#include <vector>

// clang-format off
enum TiPlotInterpolationStyle { ipistStraightLine, ipistCubicSpline, ipistPolynomial, ipistRational,
                                ipistDifferential, ipistDifferentialTerminated };
inline constexpr auto iPlotInterpolationStyleNames = EnumNames<TiPlotInterpolationStyle>(
    "ipistStraightLine", "ipistCubicSpline", "ipistPolynomial", "ipistRational", "ipistDifferential",
    "ipistDifferentialTerminated");
enum TiPlotHighLowStyle { iphlsOpenClose, iphlsCandleStick };
inline constexpr auto iPlotHighLowStyleNames = EnumNames<TiPlotHighLowStyle>("iphlsOpenClose", "iphlsCandleStick");
enum TiPlotDigitalReferenceStyle { ipdrScale, ipdrPercent };
inline constexpr auto iPlotDigitalReferenceStyleNames = EnumNames<TiPlotDigitalReferenceStyle>("ipdrScale",
                                                                                                "ipdrPercent");
// Where the X of an OPC sample comes from.
enum TiOPCXValueSourceStyle { iopcxvsOPCServerTimeStamp, iopcxvsSystemTimeStamp, iopcxvsElapsedTime,
                              iopcxvsElapsedSeconds, iopcxvsOPCItem };
inline constexpr auto iOPCXValueSourceStyleNames = EnumNames<TiOPCXValueSourceStyle>(
    "iopcxvsOPCServerTimeStamp", "iopcxvsSystemTimeStamp", "iopcxvsElapsedTime", "iopcxvsElapsedSeconds",
    "iopcxvsOPCItem");
// clang-format on

// The curve value drawn in one pixel column; Null when the curve did not reach it.
struct TiPlotPixelPoint {
    bool Null = true;
    int XPixel = 0;
    double YValue = 0;
};

class TiPlotChannel : public TiPlotChannelCustom {
    T_DECLARE_CLASS(TiPlotChannel, TiPlotChannelCustom)
    TiPlotChannel(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);

    // ---- Published properties (each repaints when changed, unless said otherwise) ----
    bool FastDrawEnabled() const { return FFastDrawEnabled; }
    void SetFastDrawEnabled(bool Value) { SetField(Value, FFastDrawEnabled); }
    bool AllowOutOfOrderXValues() const { return FAllowOutOfOrderXValues; }
    void SetAllowOutOfOrderXValues(bool Value) { FAllowOutOfOrderXValues = Value; }  // no repaint
    bool DrawOutOfOrderXValues() const { return FDrawOutOfOrderXValues; }
    void SetDrawOutOfOrderXValues(bool Value) { SetField(Value, FDrawOutOfOrderXValues); }
    bool ResetStartTimeOnFirstDataPoint() const { return FResetStartTimeOnFirstDataPoint; }
    void SetResetStartTimeOnFirstDataPoint(bool Value) { FResetStartTimeOnFirstDataPoint = Value; }  // no repaint
    TiPlotInterpolationStyle InterpolationStyle() const { return FInterpolationStyle; }
    void SetInterpolationStyle(TiPlotInterpolationStyle Value) { SetField(Value, FInterpolationStyle); }
    bool FillEnabled() const { return FFillEnabled; }
    void SetFillEnabled(bool Value) { SetField(Value, FFillEnabled); }
    double FillReference() const { return FFillReference; }
    void SetFillReference(double Value) { SetField(Value, FFillReference); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle Value) { SetField(Value, FFillStyle); }
    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor Value) { SetField(Value, FFillColor); }
    bool FillUseChannelColor() const { return FFillUseChannelColor; }
    void SetFillUseChannelColor(bool Value) { SetField(Value, FFillUseChannelColor); }
    bool DigitalEnabled() const { return FDigitalEnabled; }
    void SetDigitalEnabled(bool Value) { SetField(Value, FDigitalEnabled); }
    TiPlotDigitalReferenceStyle DigitalReferenceStyle() const { return FDigitalReferenceStyle; }
    void SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle Value) { SetField(Value, FDigitalReferenceStyle); }
    double DigitalReferenceLow() const { return FDigitalReferenceLow; }
    void SetDigitalReferenceLow(double Value) { SetField(Value, FDigitalReferenceLow); }
    double DigitalReferenceHigh() const { return FDigitalReferenceHigh; }
    void SetDigitalReferenceHigh(double Value) { SetField(Value, FDigitalReferenceHigh); }
    TiPlotHighLowStyle HighLowStyle() const { return FHighLowStyle; }
    void SetHighLowStyle(TiPlotHighLowStyle Value) { SetField(Value, FHighLowStyle); }
    bool HighLowEnabled() const { return FHighLowEnabled; }
    void SetHighLowEnabled(bool Value) { SetField(Value, FHighLowEnabled); }
    TColor HighLowBarColor() const { return FHighLowBarColor; }
    void SetHighLowBarColor(TColor Value) { SetField(Value, FHighLowBarColor); }
    double HighLowBarWidth() const { return FHighLowBarWidth; }
    void SetHighLowBarWidth(double Value) { SetField(Value, FHighLowBarWidth); }
    bool HighLowOpenShow() const { return FHighLowOpenShow; }
    void SetHighLowOpenShow(bool Value) { SetField(Value, FHighLowOpenShow); }
    TColor HighLowOpenColor() const { return FHighLowOpenColor; }
    void SetHighLowOpenColor(TColor Value) { SetField(Value, FHighLowOpenColor); }
    double HighLowOpenWidth() const { return FHighLowOpenWidth; }
    void SetHighLowOpenWidth(double Value) { SetField(Value, FHighLowOpenWidth); }
    double HighLowOpenHeight() const { return FHighLowOpenHeight; }
    void SetHighLowOpenHeight(double Value) { SetField(Value, FHighLowOpenHeight); }
    bool HighLowCloseShow() const { return FHighLowCloseShow; }
    void SetHighLowCloseShow(bool Value) { SetField(Value, FHighLowCloseShow); }
    TColor HighLowCloseColor() const { return FHighLowCloseColor; }
    void SetHighLowCloseColor(TColor Value) { SetField(Value, FHighLowCloseColor); }
    double HighLowCloseWidth() const { return FHighLowCloseWidth; }
    void SetHighLowCloseWidth(double Value) { SetField(Value, FHighLowCloseWidth); }
    double HighLowCloseHeight() const { return FHighLowCloseHeight; }
    void SetHighLowCloseHeight(double Value) { SetField(Value, FHighLowCloseHeight); }
    TColor HighLowShadowColor() const { return FHighLowShadowColor; }
    void SetHighLowShadowColor(TColor Value) { SetField(Value, FHighLowShadowColor); }
    TColor HighLowBullishColor() const { return FHighLowBullishColor; }
    void SetHighLowBullishColor(TColor Value) { SetField(Value, FHighLowBullishColor); }
    TColor HighLowBearishColor() const { return FHighLowBearishColor; }
    void SetHighLowBearishColor(TColor Value) { SetField(Value, FHighLowBearishColor); }
    bool BarEnabled() const { return FBarEnabled; }
    void SetBarEnabled(bool Value) { SetField(Value, FBarEnabled); }
    bool BarPenUseChannelColor() const { return FBarPenUseChannelColor; }
    void SetBarPenUseChannelColor(bool Value) { SetField(Value, FBarPenUseChannelColor); }
    bool BarBrushUseChannelColor() const { return FBarBrushUseChannelColor; }
    void SetBarBrushUseChannelColor(bool Value) { SetField(Value, FBarBrushUseChannelColor); }
    // The store's channel-wide bar attributes.
    double BarReference() const { return FDataList->StoredBarReference(); }
    void SetBarReference(double Value) { SetStored(&TiPlotDataCustomList::SetStoredBarReference, Value); }
    double BarWidth() const { return FDataList->StoredBarWidth(); }
    void SetBarWidth(double Value) { SetStored(&TiPlotDataCustomList::SetStoredBarWidth, Value); }
    TColor BarPenColor() const { return FDataList->StoredBarPenColor(); }
    void SetBarPenColor(TColor Value) { SetStored(&TiPlotDataCustomList::SetStoredBarPenColor, Value); }
    int BarPenWidth() const { return FDataList->StoredBarPenWidth(); }
    void SetBarPenWidth(int Value) { SetStored(&TiPlotDataCustomList::SetStoredBarPenWidth, Value); }
    TPenStyle BarPenStyle() const { return FDataList->StoredBarPenStyle(); }
    void SetBarPenStyle(TPenStyle Value) { SetStored(&TiPlotDataCustomList::SetStoredBarPenStyle, Value); }
    TColor BarBrushColor() const { return FDataList->StoredBarBrushColor(); }
    void SetBarBrushColor(TColor Value) { SetStored(&TiPlotDataCustomList::SetStoredBarBrushColor, Value); }
    TBrushStyle BarBrushStyle() const { return FDataList->StoredBarBrushStyle(); }
    void SetBarBrushStyle(TBrushStyle Value) { SetStored(&TiPlotDataCustomList::SetStoredBarBrushStyle, Value); }

    TiOPCXValueSourceStyle OPCXValueSource() const { return FOPCXValueSource; }
    void SetOPCXValueSource(TiOPCXValueSourceStyle Value) { FOPCXValueSource = Value; }  // no repaint

    // ---- OPC feed ----
    // Nothing while the plot is designed. With the source iopcxvsOPCItem both items share a group
    // of the channel's own (made when the first item has a server but no group of that manager)
    // and every update of it adds (item 1's value, item 2's value) through AddXY; with any other
    // source only the first item connects, and each of its values is added at the X the source
    // gives (the server's time stamp, now, elapsed days or seconds), without the X-order rule.
    void OPCActivate() override;
    // These act on the first item only.
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();

    // ---- Public ----
    double ElapsedStartTime() const { return FElapsedStartTime; }
    void SetElapsedStartTime(double Value) { FElapsedStartTime = Value; }
    void ResetElapsedStartTime();
    bool XIncreasing() const { return FXIncreasing; }

    // ---- Adding (every add first resets the start time on an empty channel when asked to) ----
    // The X-order rule, then the common add path.
    int AddXY(double X, double Y) override;
    int AddXNull(double X);
    int AddXEmpty(double X);
    // A valid point at Y 0 holding the four values (kept by the full-feature store only): axis
    // tracking and a repaint, but no statistics and no log.
    int AddHighLow(double X, double High, double Low, double Open, double Close);
    // X is now, the days or the seconds since ElapsedStartTime; no X-order rule.
    int AddYNow(double Y);
    int AddYElapsedTime(double Y);
    int AddYElapsedSeconds(double Y);
    // One point per element, X from the last stored X (0 when empty) in steps of XInterval, the
    // first repeating it; "Y-Data array must be 1 dimensional" before anything is added.
    void AddYArray(const TiVariantArray &YData, double XInterval);

    // ---- Looking up ----
    // The point at or beyond TargetValue in the direction of growing X; -1 outside the data's X
    // range, without points or without an X axis.
    int CalcIndex(double TargetValue) override;
    // Y at XValue by straight lines between the neighbours (in X-axis pixels); a digital channel
    // gives the level before XValue. False at a null neighbour or outside the data.
    bool GetYInterpolated(double XValue, double &YValue);

    // ---- Drawing and zoom ----
    void CalcStartIndex() override;
    void CalcStopIndex() override;
    // The last (increasing) or first valid point's extent, not a scan; Y over the visible range.
    double GetZoomXMax() override;
    double GetZoomXMin() override;
    double GetZoomYMax() override;
    double GetZoomYMin() override;
    void UpdateDataCursor(TiPlotDataCursor *Cursor) override;
    void UpdateCanDraw(TCanvas *Canvas) override;
    // Fill, trace and markers; a failure ends this channel's drawing for the paint silently.
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor) override;
    // Digital channels put their markers on the two levels.
    void DrawMarkers(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor) override;
    // The inherited hit test, and a right press within 10 pixels of the interpolated trace.
    bool iHitTest(const TiPlotMouseData &MouseData) override;
    // Records the curve value of a pixel column; "Pixel List XPixel out of Range" outside the X
    // axis's pixels of the last draw preparation.
    void SetPixelPoint(int XPixel, double YValue);
    // The bar of a point: X -/+ half its bar width, from its bar reference to Y.
    TRect BarRect(int Index) const;

protected:
    bool HitsBars() const override { return FBarEnabled; }
    TRect PointHitRect(int Index) const override { return FBarEnabled ? BarRect(Index) : MarkerRect(Index); }
    void OPCNewData(TiOPCItem *Item) override;
    void OPCAfterGroupUpdate() override;

private:
    void ApplyStartTimeRule();
    // Raises one of the two out-of-order messages before a point breaking the X direction is stored.
    void CheckXOrder(double X) const;
    void UpdateXDirection();
    int FindIndexIncreasing(double X) const;
    int FindIndexDecreasing(double X) const;
    TiPlotDataPointStatus GetCursorYValue(double X, double &Y);
    TColor FillBrushColor() const { return FFillUseChannelColor ? Color() : FFillColor; }
    // One min-max vertical per pixel column plus the connectors between neighbouring columns.
    void DrawFastTrace(TCanvas *Canvas, bool Reversed);
    void DrawFill(TCanvas *Canvas, bool Reversed, TColor BackGroundColor);
    void DrawStepTrace(TCanvas *Canvas, bool Reversed, TColor BackGroundColor);
    void DrawDigitalTrace(TCanvas *Canvas, bool Reversed, TColor BackGroundColor);
    void DrawBars(TCanvas *Canvas, TColor BackGroundColor);
    // Spline runs, or one polynomial or rational curve through every point, evaluated once per
    // pixel column.
    void DrawCurveTrace(TCanvas *Canvas, bool Reversed);
    void DrawCurve(TCanvas *Canvas, bool Reversed, double FirstX, double LastX,
                   const std::function<double(double)> &Curve);
    void DrawHighLow(TCanvas *Canvas, bool Reversed, TColor BackGroundColor);

    std::vector<TiPlotPixelPoint> FPixelList;
    int FPixelListStart = 0;
    int FPixelListStop = 0;
    int FPixelsHigh = 0;
    int FPixelsLow = 0;

    bool FXIncreasing = true;
    bool FFastDrawEnabled = true;
    bool FAllowOutOfOrderXValues = true;
    bool FDrawOutOfOrderXValues = false;
    bool FResetStartTimeOnFirstDataPoint = false;
    TiPlotInterpolationStyle FInterpolationStyle = ipistStraightLine;
    double FElapsedStartTime = 0;
    bool FFillEnabled = false;
    double FFillReference = 0;
    bool FFillUseChannelColor = true;
    TBrushStyle FFillStyle = bsSolid;
    TColor FFillColor = 0;
    TiPlotHighLowStyle FHighLowStyle = iphlsOpenClose;
    bool FHighLowEnabled = false;
    TColor FHighLowBarColor = 0xFFFF00;
    double FHighLowBarWidth = 0.5;
    bool FHighLowOpenShow = true;
    TColor FHighLowOpenColor = 0x00FF00;
    double FHighLowOpenWidth = 1.0;
    double FHighLowOpenHeight = 1.0;
    bool FHighLowCloseShow = true;
    TColor FHighLowCloseColor = 0x0000FF;
    double FHighLowCloseWidth = 1.0;
    double FHighLowCloseHeight = 1.0;
    TColor FHighLowShadowColor = 0x808080;
    TColor FHighLowBullishColor = 0xFFFFFF;
    TColor FHighLowBearishColor = 0x808080;
    bool FDigitalEnabled = false;
    double FDigitalReferenceLow = 10.0;
    double FDigitalReferenceHigh = 90.0;
    TiPlotDigitalReferenceStyle FDigitalReferenceStyle = ipdrScale;
    bool FBarEnabled = false;
    bool FBarPenUseChannelColor = true;
    bool FBarBrushUseChannelColor = true;
    TiOPCXValueSourceStyle FOPCXValueSource = iopcxvsOPCServerTimeStamp;
};
