#pragma once
// The axes of a plot: TiPlotXAxis and TiPlotYAxis on the common TiPlotAxis, layout objects whose
// band the layout manager chooses by direction (X axes horizontal unless the plot swaps its axes).
// An axis owns one scale, Min ... Min + Span, linear or base-10 logarithmic, mapped onto the
// pixels of its scale rectangle, and the ticks of that scale (major ticks with label texts, minor
// ticks without), computed anew at every paint. Channels, data views, limits, annotations and
// data cursors turn values into pixels and back only through their axes.
//
// Rules a caller must know:
//  - Setters store a differing value and repaint (DoChange). Span is kept within [1e-300, 1e300],
//    Min within [-1e300, 1e300], DesiredIncrement within [0, 1e300]; switching to ipstLog10 with
//    Min <= 0 sets Min to 1 (no events).
//  - Min and Span changed one at a time raise the plot's value events of the axis's kind (the
//    Min or Span change, then the min-span change); SetMinSpan changes both and raises them once.
//    The plot raises none while it loads.
//  - CalcScaleRect and CalcTicks run at every paint, CalcScaleRect inside CalcTicks; between
//    paints the scale rectangle, the pixel factor, the ticks and the increments describe the last
//    paint (MajorIncrement and MinorIncrement are 0 before the first). A tick computation that
//    would give more than 5000 ticks, or whose increment no longer moves the position, ends with
//    one major tick in the middle of the scale.
//  - Pixels: PositionToPixels answers (start + stop) div 2 for a scale of no length; a linear
//    scale keeps its pixels within [-32000, 32000], a logarithmic one within the 32-bit range.
//  - Value texts (tick labels, cursor and legend values) all come from FormatAxisValue: the text
//    "Unknown" for what it cannot format, "Error" when a conversion fails; the plot's label event
//    may rewrite every label, and CustomizeLabelEventText set by the handler wins.
//  - Tracking: channels hand every value they add to NewTrackingData, which extends, scrolls or
//    refits the scale by TrackingStyle while tracking is on. The first value after construction or
//    ResetFirstAlign only places the scale by TrackingAlignFirstStyle. Alignment to the tick
//    increment waits until a paint has computed an increment.
//  - User input (drag, wheel, keys) scrolls or zooms the scale and turns tracking off first; with
//    MasterUIInput the plot repeats it on every other axis of the kind. The effective mode of the
//    mouse and the wheel is Mode, swapped while Ctrl is held; keys use Mode.
//  - Drawing: the plot asks GetRequiredWidth and GetRequiredLengthMargin while it lays out, then
//    Draw with the band rectangle set. A cartesian axis (CartesianStyle other than ipcsNone) lies
//    across the data view: no title, ticks across its line, and labels only where the plot's
//    collision list leaves room.
// GUI thread throughout.

#include "platform/ui/GraphicsFont.h"
#include "plotlib/base/iTypes.h"
#include "plotlib/plot/iPlotObjects.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

// clang-format off
enum TiPlotTickType { ipttMajor, ipttMinor };
inline constexpr auto iPlotTickTypeNames = EnumNames<TiPlotTickType>("ipttMajor", "ipttMinor");

// The side of the data view an axis stands on.
enum TiQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };

enum TiPlotScaleType { ipstLinear, ipstLog10 };
inline constexpr auto iPlotScaleTypeNames = EnumNames<TiPlotScaleType>("ipstLinear", "ipstLog10");

// How an axis follows the values its channels add.
enum TiPlotTrackingStyle {
    iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage, iptsExpandCollapse,
    iptsExpandCollapseFast, iptsExpandMinMax
};
inline constexpr auto iPlotTrackingStyleNames = EnumNames<TiPlotTrackingStyle>(
    "iptsScaleMinMax", "iptsScaleMax", "iptsScaleMin", "iptsScrollSmooth", "iptsScrollPage", "iptsExpandCollapse",
    "iptsExpandCollapseFast", "iptsExpandMinMax");

enum TiPlotTrackingIncrementStyle { iptisMinimum, iptisMajor, iptisMinor };
inline constexpr auto iPlotTrackingIncrementStyleNames =
    EnumNames<TiPlotTrackingIncrementStyle>("iptisMinimum", "iptisMajor", "iptisMinor");

enum TiPlotAlignFirstStyle { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };
inline constexpr auto iPlotAlignFirstStyleNames =
    EnumNames<TiPlotAlignFirstStyle>("ipafsMin", "ipafsMax", "ipafsAuto", "ipafsNone");

enum TiPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };
inline constexpr auto iPlotCartesianStyleNames = EnumNames<TiPlotCartesianStyle>("ipcsNone", "ipcsMaster", "ipcsChild");

// The pen of grid lines the data view asks an axis to draw at its ticks.
enum TiPlotGridLineStyle { ipglsSolid, ipglsDash, ipglsDot };
inline constexpr auto iPlotGridLineStyleNames = EnumNames<TiPlotGridLineStyle>("ipglsSolid", "ipglsDash", "ipglsDot");

// What dragging, the wheel and the keys do to the scale.
enum TiPlotAxisMode { ipamScroll, ipamZoom };
inline constexpr auto iPlotAxisModeNames = EnumNames<TiPlotAxisMode>("ipamScroll", "ipamZoom");

// The text formats of axis values: fixed point, scientific, engineering prefixes, date and time,
// bond prices in 32nds, thousands separators.
enum TiPlotTextFormat { iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands };
inline constexpr auto iPlotTextFormatNames = EnumNames<TiPlotTextFormat>(
    "iptfValue", "iptfExponent", "iptfPrefix", "iptfDateTime", "iptfPrice32nds", "iptfThousands");
// clang-format on

// One tick of an axis.
class TiPlotTickObject : public TObject {
public:
    TiPlotTickType TickType = ipttMajor;
    double Position = 0;     // value on the scale
    int PositionPixels = 0;  // pixel along the axis, set while the tick is shown
    QString Text;            // label (major ticks)
    bool Show = false;       // the position lay on the scale at the last paint
};

class TiPlotAxis : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotAxis, TiPlotLayoutObject)
    TiPlotAxis(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
               TNotifyEvent AOnRename);
    ~TiPlotAxis() override;

    // ---- Scale ---------------------------------------------------------------------------------
    double Min() const { return FMin; }
    void SetMin(double Value);
    double Span() const { return FSpan; }
    void SetSpan(double Value);
    double Max() const { return FMin + FSpan; }
    double Mid() const { return FMin + FSpan / 2; }
    // Both at once, with one round of the plot's events (on a logarithmic axis a non-positive
    // NewMin or NewSpan becomes 1). Equal values change nothing.
    void SetMinSpan(double NewMin, double NewSpan);
    // While set, scale changes raise none of the plot's value events.
    bool BlockMinSpanEvents() const { return FBlockMinSpanEvents; }
    void SetBlockMinSpanEvents(bool Value) { FBlockMinSpanEvents = Value; }
    TiPlotScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TiPlotScaleType Value);
    bool ReverseScale() const { return FReverseScale; }
    void SetReverseScale(bool Value) { SetField(Value, FReverseScale); }
    double DesiredStart() const { return FDesiredStart; }
    void SetDesiredStart(double Value) { SetField(Value, FDesiredStart); }
    double DesiredIncrement() const { return FDesiredIncrement; }
    void SetDesiredIncrement(double Value);
    int MinorCount() const { return FMinorCount; }
    void SetMinorCount(int Value) { SetField(Value, FMinorCount); }
    double MajorIncrement() const { return FMajorIncrement; }
    double MinorIncrement() const { return FMinorIncrement; }
    bool MonthModeEnabled() const { return FMonthModeEnabled; }
    bool YearModeEnabled() const { return FYearModeEnabled; }

    // ---- Look ----------------------------------------------------------------------------------
    int InnerMargin() const { return FInnerMargin; }
    void SetInnerMargin(int Value) { SetField(Value, FInnerMargin); }
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { SetField(Value, FOuterMargin); }
    double StackingEndsMargin() const { return FStackingEndsMargin; }
    void SetStackingEndsMargin(double Value) { SetField(Value, FStackingEndsMargin); }
    int MajorLength() const { return FMajorLength; }
    void SetMajorLength(int Value) { SetField(Value, FMajorLength); }
    int MinorLength() const { return FMinorLength; }
    void SetMinorLength(int Value) { SetField(Value, FMinorLength); }
    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &Value) { SetField(Value, FTitle); }
    double TitleMargin() const { return FTitleMargin; }
    void SetTitleMargin(double Value) { SetField(Value, FTitleMargin); }
    TFont *TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(TFont *Value) { FTitleFont->Assign(Value); }
    bool TitleShow() const { return FTitleShow; }
    void SetTitleShow(bool Value) { SetField(Value, FTitleShow); }
    bool TitleRotated() const { return FTitleRotated; }
    void SetTitleRotated(bool Value) { SetField(Value, FTitleRotated); }
    bool ScaleLineShow() const { return FScaleLineShow; }
    void SetScaleLineShow(bool Value) { SetField(Value, FScaleLineShow); }
    bool ScaleLinesShow() const { return FScaleLinesShow; }
    void SetScaleLinesShow(bool Value) { SetField(Value, FScaleLinesShow); }
    TColor ScaleLinesColor() const { return FScaleLinesColor; }
    void SetScaleLinesColor(TColor Value) { SetField(Value, FScaleLinesColor); }
    bool GridLinesVisible() const { return FGridLinesVisible; }
    void SetGridLinesVisible(bool Value) { SetField(Value, FGridLinesVisible); }

    // ---- Labels --------------------------------------------------------------------------------
    bool LabelsVisible() const { return FLabelsVisible; }
    void SetLabelsVisible(bool Value) { SetField(Value, FLabelsVisible); }
    double LabelsMargin() const { return FLabelsMargin; }
    void SetLabelsMargin(double Value) { SetField(Value, FLabelsMargin); }
    TFont *LabelsFont() const { return FLabelsFont.get(); }
    void SetLabelsFont(TFont *Value) { FLabelsFont->Assign(Value); }
    double LabelSeparation() const { return FLabelSeparation; }
    void SetLabelSeparation(double Value) { SetField(Value, FLabelSeparation); }
    TiRotationAngle LabelsRotation() const { return FLabelsRotation; }
    void SetLabelsRotation(TiRotationAngle Value) { SetField(Value, FLabelsRotation); }
    int LabelsPrecision() const { return FLabelsPrecision; }
    void SetLabelsPrecision(int Value) { SetField(Value, FLabelsPrecision); }
    TiPrecisionStyle LabelsPrecisionStyle() const { return FLabelsPrecisionStyle; }
    void SetLabelsPrecisionStyle(TiPrecisionStyle Value) { SetField(Value, FLabelsPrecisionStyle); }
    TiPlotTextFormat LabelsFormatStyle() const { return FLabelsFormatStyle; }
    void SetLabelsFormatStyle(TiPlotTextFormat Value) { SetField(Value, FLabelsFormatStyle); }
    const QString &DateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const QString &Value) { SetField(Value, FDateTimeFormat); }
    double LabelsMinLength() const { return FLabelsMinLength; }
    void SetLabelsMinLength(double Value) { SetField(Value, FLabelsMinLength); }
    bool LabelsMinLengthAutoAdjust() const { return FLabelsMinLengthAutoAdjust; }
    void SetLabelsMinLengthAutoAdjust(bool Value) { SetField(Value, FLabelsMinLengthAutoAdjust); }

    // ---- Cursor and legend value texts (each may defer to the label settings) -----------------
    bool CursorUseDefaultFormat() const { return FCursorUseDefaultFormat; }
    void SetCursorUseDefaultFormat(bool Value) { SetField(Value, FCursorUseDefaultFormat); }
    TiPlotTextFormat CursorFormatStyle() const { return FCursorFormatStyle; }
    void SetCursorFormatStyle(TiPlotTextFormat Value) { SetField(Value, FCursorFormatStyle); }
    const QString &CursorDateTimeFormat() const { return FCursorDateTimeFormat; }
    void SetCursorDateTimeFormat(const QString &Value) { SetField(Value, FCursorDateTimeFormat); }
    TiPrecisionStyle CursorPrecisionStyle() const { return FCursorPrecisionStyle; }
    void SetCursorPrecisionStyle(TiPrecisionStyle Value) { SetField(Value, FCursorPrecisionStyle); }
    int CursorPrecision() const { return FCursorPrecision; }
    void SetCursorPrecision(int Value) { SetField(Value, FCursorPrecision); }
    double CursorMinLength() const { return FCursorMinLength; }
    void SetCursorMinLength(double Value) { SetField(Value, FCursorMinLength); }
    bool CursorMinLengthAutoAdjust() const { return FCursorMinLengthAutoAdjust; }
    void SetCursorMinLengthAutoAdjust(bool Value) { SetField(Value, FCursorMinLengthAutoAdjust); }
    double CursorScaler() const { return FCursorScaler; }
    void SetCursorScaler(double Value) { SetField(Value, FCursorScaler); }
    bool LegendUseDefaultFormat() const { return FLegendUseDefaultFormat; }
    void SetLegendUseDefaultFormat(bool Value) { SetField(Value, FLegendUseDefaultFormat); }
    TiPlotTextFormat LegendFormatStyle() const { return FLegendFormatStyle; }
    void SetLegendFormatStyle(TiPlotTextFormat Value) { SetField(Value, FLegendFormatStyle); }
    const QString &LegendDateTimeFormat() const { return FLegendDateTimeFormat; }
    void SetLegendDateTimeFormat(const QString &Value) { SetField(Value, FLegendDateTimeFormat); }
    TiPrecisionStyle LegendPrecisionStyle() const { return FLegendPrecisionStyle; }
    void SetLegendPrecisionStyle(TiPrecisionStyle Value) { SetField(Value, FLegendPrecisionStyle); }
    int LegendPrecision() const { return FLegendPrecision; }
    void SetLegendPrecision(int Value) { SetField(Value, FLegendPrecision); }
    double LegendMinLength() const { return FLegendMinLength; }
    void SetLegendMinLength(double Value) { SetField(Value, FLegendMinLength); }
    bool LegendMinLengthAutoAdjust() const { return FLegendMinLengthAutoAdjust; }
    void SetLegendMinLengthAutoAdjust(bool Value) { SetField(Value, FLegendMinLengthAutoAdjust); }

    // ---- Tracking, scrolling, partners ---------------------------------------------------------
    bool TrackingEnabled() const { return FTrackingEnabled; }
    // A change with RestoreValuesOnResume: turning on restores the resume values, turning off
    // takes them.
    void SetTrackingEnabled(bool Value);
    TiPlotTrackingStyle TrackingStyle() const { return FTrackingStyle; }
    void SetTrackingStyle(TiPlotTrackingStyle Value) { SetField(Value, FTrackingStyle); }
    TiPlotTrackingIncrementStyle TrackingIncrementStyle() const { return FTrackingIncrementStyle; }
    void SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle Value) { SetField(Value, FTrackingIncrementStyle); }
    TiPlotAlignFirstStyle TrackingAlignFirstStyle() const { return FTrackingAlignFirstStyle; }
    void SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle Value) { SetField(Value, FTrackingAlignFirstStyle); }
    double TrackingScrollCompressMax() const { return FTrackingScrollCompressMax; }
    void SetTrackingScrollCompressMax(double Value) { SetField(Value, FTrackingScrollCompressMax); }
    double TrackingSpanMinimum() const { return FTrackingSpanMinimum; }
    void SetTrackingSpanMinimum(double Value) { SetField(Value, FTrackingSpanMinimum); }
    double TrackingMaxMargin() const { return FTrackingMaxMargin; }
    void SetTrackingMaxMargin(double Value) { SetField(Value, FTrackingMaxMargin); }
    double TrackingMinMargin() const { return FTrackingMinMargin; }
    void SetTrackingMinMargin(double Value) { SetField(Value, FTrackingMinMargin); }
    bool RestoreValuesOnResume() const { return FRestoreValuesOnResume; }
    void SetRestoreValuesOnResume(bool Value) { SetField(Value, FRestoreValuesOnResume); }
    // Takes Min, Span and LabelsMinLength as the values that turning tracking on restores.
    void UpdateResumeValues();
    bool ScrollMinMaxEnabled() const { return FScrollMinMaxEnabled; }
    void SetScrollMinMaxEnabled(bool Value) { SetField(Value, FScrollMinMaxEnabled); }
    double ScrollMin() const { return FScrollMin; }
    void SetScrollMin(double Value) { SetField(Value, FScrollMin); }
    double ScrollMax() const { return FScrollMax; }
    void SetScrollMax(double Value) { SetField(Value, FScrollMax); }
    bool MasterUIInput() const { return FMasterUIInput; }
    void SetMasterUIInput(bool Value) { SetField(Value, FMasterUIInput); }
    TiPlotAxisMode Mode() const { return FMode; }
    void SetMode(TiPlotAxisMode Value) { SetField(Value, FMode); }
    TiPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
    void SetCartesianStyle(TiPlotCartesianStyle Value) { SetField(Value, FCartesianStyle); }
    const QString &CartesianChildRefAxisName() const { return FCartesianChildRefAxisName; }
    // Stores the name and drops the cached partner.
    void SetCartesianChildRefAxisName(const QString &Value);
    double CartesianChildRefValue() const { return FCartesianChildRefValue; }
    void SetCartesianChildRefValue(double Value) { SetField(Value, FCartesianChildRefValue); }
    const QString &AlignRefAxisName() const { return FAlignRefAxisName; }
    void SetAlignRefAxisName(const QString &Value);
    // Forgets that the first value was aligned, so the next one is aligned again.
    virtual void ResetFirstAlign();
    // A value a channel drawn against the axis added; nothing while tracking is off.
    void NewTrackingData(double Value);
    // Moves the scale ends outward to multiples of the increment TrackingIncrementStyle names, as
    // the last tick computation found it; nothing with iptisMinimum or before an increment exists.
    void AlignToTrackingIncrement();
    // Span times Value about the centre (a factor above 1 zooms out); logarithmic: Min divided and
    // Span multiplied by 10^Value. A linear factor <= 0 raises "Linear Scale Zoom Factor must be
    // Greater than Zero" and changes nothing.
    void Zoom(double Value);
    // The scale takes in the extremes of every channel drawn against the axis (name compared
    // without regard to case), with the tracking margins and span minimum; one value or none
    // changes nothing.
    void ZoomToFit();
    // The same from the channels' running extremes, without the span minimum.
    void ZoomToFitFast();
    // The scale between the pixels of the rectangle's sides along the axis (the data view's zoom
    // box).
    void ZoomToRect(const TRect &Rect);
    // The axis of the other kind named CartesianChildRefAxisName, or nullptr; kept once found.
    TiPlotAxis *GetCartesianRefAxis();
    // The axis of the same kind named AlignRefAxisName, or nullptr; kept once found.
    TiPlotAxis *GetAlignRefAxis();
    // The scale moves by Fraction of B (linear, B = Span) or of the decades from M to C
    // (logarithmic, B = C = Max), within the scroll limits when they are on.
    void ScrollBy(double Fraction, double M, double B, double C);
    // The span shrinks by 10^Exponent about the centre (logarithmic: the ends move by decades).
    void ZoomBy(double Exponent, double M, double S, double X);

    // ---- Mapping between values and pixels -----------------------------------------------------
    // Inline for a linear scale of some length: dense traces map every point.
    int PositionToPixels(double Value) const
    {
        if (FScaleType == ipstLog10 || FActualStart == FActualStop || FSpan <= 1e-300)
            return OtherPositionToPixels(Value);
        const double pixel = FActualStart - std::nearbyint((Value - FMin) * FPixelsPerSpanUnit);
        if (std::isnan(pixel))
            return (FActualStart + FActualStop) / 2;
        return static_cast<int>(std::clamp(pixel, -LinearPixelLimit, LinearPixelLimit));
    }
    double PixelsToPosition(int Value) const;
    int WidthToPixels(double Value) const;
    // A fraction: (Value - Min) / Span, or (Max - Value) / Span when reversed.
    double PositionToPercent(double Value) const;
    double PercentToPosition(double Value) const;
    // The value's pixel lies within the scale rectangle along the axis, ends included.
    bool PointOnScale(double Value) const;
    bool ValueOnScale(double Value) const { return PointOnScale(Value); }
    // Length of the scale rectangle along the axis.
    int GetScaleLength() const;
    int MinPixels() const { return PositionToPixels(FMin); }
    int MaxPixels() const { return PositionToPixels(Max()); }
    TRect ScaleRect() const { return FScaleRect; }
    TRect FocusRect() const { return FFocusRect; }
    TiQuadSide QuadSide() const { return FQuadSide; }

    // ---- Ticks ---------------------------------------------------------------------------------
    // The side, the scale rectangle and the pixel factor, from the layout draw rectangle and the
    // label extents (the canvas font is left at LabelsFont).
    void CalcScaleRect(TCanvas *Canvas);
    // The ticks of the scale as it stands (kept as they are with TickListCustom).
    void CalcTicks(TCanvas *Canvas);
    bool TickListCustom() const { return FTickListCustom; }
    void SetTickListCustom(bool Value) { FTickListCustom = Value; }
    int TickListCount() const { return static_cast<int>(FTickList.size()); }
    // Appends a tick with this text, unchecked and unformatted; a logarithmic axis refuses a
    // position <= 0 with "Log Scale Requires Position to be Greater Than Zero".
    int TickListAdd(double Position, const QString &ALabel, TiPlotTickType Style);
    void TickListClear();
    // The tick at Index; EListError outside the list.
    TiPlotTickObject *GetTick(int Index) const;

    // ---- Value texts ---------------------------------------------------------------------------
    QString GetLabelText(double Value);
    // Cursor settings (or the label settings); line breaks become spaces.
    QString GetCursorText(double Value);
    // Always iptfValue; precision from the cursor (or label) settings; line breaks become spaces.
    QString GetCursorValueText(double Value);
    // Legend settings (or the label settings); line breaks become spaces.
    QString GetLegendText(double Value);
    // GetLabelText that may grow LabelsMinLength (LabelsMinLengthAutoAdjust).
    QString GetLabelTextAdjusting(double Value);
    // Widths in pixels with the canvas font set to Font.
    int GetLabelsMaxWidth(TCanvas *Canvas, TFont *Font);
    int GetLegendTextWidth(TCanvas *Canvas, TFont *Font);
    int GetCursorTextWidth(TCanvas *Canvas, TFont *Font);
    const QString &CustomizeLabelEventText() const { return FCustomizeLabelEventText; }
    // For the plot's label event: the text replaces the label being made.
    void SetCustomizeLabelEventText(const QString &Value);
    // The one formatter of axis values.
    void FormatAxisValue(TiPlotTextFormat FormatStyle, const QString &ADateTimeFormat, double Value,
                         TiPrecisionStyle PrecisionStyle, int Precision, bool MinLengthAutoAdjust, double &MinLength,
                         QString &Text);

    // A TiPlotXAxis (or one derived from it); otherwise a Y axis.
    bool IsXAxis() const { return FIsXAxis; }

    // ---- Drawing -------------------------------------------------------------------------------
    bool IsCartesian() const { return FCartesianStyle != ipcsNone; }
    // The band's thickness: title, ticks and labels with their margins (0 for a cartesian title).
    int GetRequiredWidth(TCanvas *Canvas) override;
    // How far the labels reach past the ends of the scale.
    int GetRequiredLengthMargin(TCanvas *Canvas) override;
    // A cartesian axis enters its scale line into the plot's collision list.
    void UpdateCanDraw(TCanvas *Canvas) override;
    // Labels, scale line, ticks, title and the selection frame; nothing while invisible.
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    // The data view's grid: a line across Rect at every shown tick (majors and minors as asked);
    // nothing unless GridLinesVisible.
    void DrawGridLines(TCanvas *Canvas, const TRect &Rect, bool ShowMajor, bool ShowMinor,
                       TiPlotGridLineStyle MajorStyle, TiPlotGridLineStyle MinorStyle, TColor MajorColor,
                       TColor MinorColor, int MajorWidth, int MinorWidth);

    // ---- Plot object ---------------------------------------------------------------------------
    void DefineProperties(TFiler *Filer) override;
    void NotifyRemoved(TObject *AObject) override;
    void NotifyRenamed(TObject *AObject) override;
    // Another axis selected with Shift or Ctrl held keeps this one selected; anything else
    // selected deselects it.
    void NotifySelected(TObject *AObject) override;
    // "Tracking Enabled", "Update Resume Values" and "Zoom to Fit" above the base items and
    // "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;
    // Input: each first goes to the plot for the other axes of the kind when MasterUIInput.
    void DoMouseLeft(const TiPlotMouseData &MouseData) override;
    void DoMouseMove(const TiPlotMouseData &MouseData) override;
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    // A turn of 0 does nothing; any other is used (true).
    bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y) override;
    void iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu) override;
    bool iHitTest(const TiPlotMouseData &MouseData) override;
    // While the title is not shown on the axis, the title 20 pixels above the mouse.
    void DoMouseHint(const TiPlotMouseData &MouseData, TiHintData &HintData) override;
    // The hand in scroll mode, the sizing arrow along the axis in zoom mode.
    TCursor GetMouseCursor(TPoint Point) override;

private:
    // A linear scale keeps its pixels within these.
    static constexpr double LinearPixelLimit = 32000;
    // PositionToPixels of a logarithmic scale or of one without length.
    int OtherPositionToPixels(double Value) const;

    // ---- Value texts ----
    // The settings of one use of the value texts (labels, cursor or legend).
    struct TextSettings {
        TiPlotTextFormat Format;
        QString DateTimeFormat;
        TiPrecisionStyle PrecisionStyle;
        int Precision;
        bool MinLengthAutoAdjust;
        double &MinLength;
    };
    TextSettings LabelSettings();
    // The cursor's or the legend's own settings, or the label settings when they defer to them.
    TextSettings CursorSettings();
    TextSettings LegendSettings();
    QString FormatWith(const TextSettings &Settings, double Value);

    // ---- Ticks ----
    void FreeTicks();
    // A tick at Position when it lies on the scale (and above 0 on a logarithmic scale); a major
    // tick takes its label text.
    void AddTick(TiPlotTickType TickType, double Position);
    void UpdateTickPixels();
    // The pixels from Min to Min + Span along the axis, swapped when reversed.
    void ScaleEnds(int &Start, int &Stop) const;
    void CalcLogTicks(int MaxTicks);
    void CalcDecimalIncrement(int MaxTicks, int &Count);
    void CalcPriceIncrement(int MaxTicks, int &Count);
    void CalcCalendarIncrement(int MaxTicks, int &Count);
    // The effective mode of mouse and wheel: Mode, swapped while Ctrl is held.
    TiPlotAxisMode MouseMode(TShiftState Shift) const;
    // Raises the plot's min-span-finished event when the scale moved since the press.
    void ReportMinSpanFinished();

    // ---- Tracking ----
    // ZoomToFit from extremes Largest and Smallest (with the span minimum when UseSpanMinimum).
    void FitTo(double Largest, double Smallest, bool UseSpanMinimum);
    // The plot's axis named Name of the X kind (or the Y kind), or nullptr.
    TiPlotAxis *PlotAxisByName(const QString &Name, bool XKind) const;

    // ---- Drawing ----
    // The tick's line from offset A to offset B off the band's inner edge, at pixel P.
    void DrawTickLine(TCanvas *Canvas, int P, int A, int B);
    void DrawTickLabel(TCanvas *Canvas, const TiPlotTickObject &Tick);
    void DrawTitle(TCanvas *Canvas);
    void FontChanged(TObject *) { DoChange(); }

    int FActualStart = 0;
    int FActualStop = 0;
    double FPixelsPerSpanUnit = 0;
    TiPlotAxis *FCartesianRefAxis = nullptr;
    TiPlotAxis *FAlignRefAxis = nullptr;
    bool FBlockMinSpanEvents = false;
    std::vector<std::unique_ptr<TiPlotTickObject>> FTickList;
    TiQuadSide FQuadSide = iqsLeft;
    // A drag on the axis is under way (the object's own press flag also counts right presses).
    bool FDragActive = false;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    double FMouseDownMin = 0;
    double FMouseDownSpan = 0;
    bool FFirstAlignDone = false;
    TRect FScaleRect;
    TRect FFocusRect;
    int FRequiredWidth = 0;
    int FTitleOffset = 0;
    double FPreviousMin = 0;
    double FPreviousSpan = 100;
    double FPreviousLabelsMinLength = 0;
    bool FAllowLabelMinAdjust = false;
    double FSpan = 100;
    double FMin = 0;
    bool FReverseScale = false;
    int FInnerMargin = 5;
    int FOuterMargin = 5;
    double FStackingEndsMargin = 0.5;
    int FMinorLength = 3;
    int FMajorLength = 7;
    int FMinorCount = 1;
    bool FLabelsVisible = true;
    double FLabelsMargin = 0.25;
    int FLabelsPrecision = 3;
    TiPrecisionStyle FLabelsPrecisionStyle = ipsSignificantDigits;
    std::unique_ptr<TFont> FLabelsFont;
    double FLabelsMinLength = 5;
    bool FLabelsMinLengthAutoAdjust = false;
    double FLabelSeparation = 2;
    double FTitleMargin = 0.25;
    std::unique_ptr<TFont> FTitleFont;
    bool FTitleShow = false;
    QString FTitle;
    bool FTitleRotated = false;
    bool FScaleLineShow = true;
    TColor FScaleLinesColor = 0xFFFFFF;
    bool FTrackingEnabled = false;
    TiPlotTrackingStyle FTrackingStyle = iptsScaleMinMax;
    TiPlotTrackingIncrementStyle FTrackingIncrementStyle = iptisMinimum;
    double FTrackingScrollCompressMax = 0;
    double FTrackingSpanMinimum = 0;
    double FTrackingMaxMargin = 0;
    double FTrackingMinMargin = 0;
    TiPlotAlignFirstStyle FTrackingAlignFirstStyle = ipafsMin;
    TiPlotScaleType FScaleType = ipstLinear;
    QString FDateTimeFormat = QStringLiteral("hh:nn:ss");
    TiPlotTextFormat FLabelsFormatStyle = iptfValue;
    TiPlotAxisMode FMode = ipamScroll;
    double FDesiredIncrement = 0;
    double FCursorScaler = 1;
    bool FRestoreValuesOnResume = true;
    double FScrollMin = 0;
    double FScrollMax = 100;
    bool FScrollMinMaxEnabled = false;
    bool FMasterUIInput = false;
    double FDesiredStart = 0;
    bool FMonthModeEnabled = false;
    bool FYearModeEnabled = false;
    double FMajorIncrement = 0;
    double FMinorIncrement = 0;
    TiPlotCartesianStyle FCartesianStyle = ipcsNone;
    double FCartesianChildRefValue = 0;
    QString FCartesianChildRefAxisName = QStringLiteral("<None>");
    bool FGridLinesVisible = true;
    bool FScaleLinesShow = true;
    bool FCursorUseDefaultFormat = true;
    QString FCursorDateTimeFormat = QStringLiteral("hh:nn:ss");
    TiPlotTextFormat FCursorFormatStyle = iptfValue;
    TiPrecisionStyle FCursorPrecisionStyle = ipsSignificantDigits;
    int FCursorPrecision = 3;
    bool FCursorMinLengthAutoAdjust = false;
    double FCursorMinLength = 5;
    bool FLegendUseDefaultFormat = true;
    TiPlotTextFormat FLegendFormatStyle = iptfValue;
    QString FLegendDateTimeFormat = QStringLiteral("hh:nn:ss");
    TiPrecisionStyle FLegendPrecisionStyle = ipsSignificantDigits;
    int FLegendPrecision = 3;
    double FLegendMinLength = 5;
    bool FLegendMinLengthAutoAdjust = false;
    bool FTickListCustom = false;
    QString FAlignRefAxisName = QStringLiteral("<None>");
    TiRotationAngle FLabelsRotation = ira000;
    QString FCustomizeLabelEventText;
    bool FCustomizeLabelEventModified = false;

protected:
    // Set by TiPlotXAxis: the kind decides the plot's events and the channels' axis names that
    // tracking and fitting look at, on every added value.
    bool FIsXAxis = false;
};

// Tracking follows the values on the scale, scrolling smoothly on a strip chart.
class TiPlotXAxis : public TiPlotAxis {
    T_DECLARE_CLASS(TiPlotXAxis, TiPlotAxis)
    TiPlotXAxis(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
};

class TiPlotYAxis : public TiPlotAxis {
    T_DECLARE_CLASS(TiPlotYAxis, TiPlotAxis)
    TiPlotYAxis(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
};

// The screen rectangle spanned by the pixel ranges of an X and a Y axis (exchanged when the plot's
// axes are reversed), right and bottom edges included: what limits and annotations clip to.
TRect iAxesSpanRect(const TiPlotAxis &XAxis, const TiPlotAxis &YAxis, bool Reversed);
