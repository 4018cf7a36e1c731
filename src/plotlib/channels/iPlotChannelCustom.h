#pragma once
// TiPlotChannelCustom: one data series of a plot, the base of the XY channel and the strip-chart
// channel. A channel owns its point store (chosen by DataStyle), is bound by name to one X and one
// Y axis of its plot, keeps running statistics of the points added, feeds new values to its axes'
// tracking, and draws its trace and markers inside the data view.
//
// Rules a caller must know:
//  - The trace and marker properties live in the store as its stored values; every new point
//    takes them. Writing DataStyle makes a new, empty store of that style that keeps them and the
//    ring buffer size.
//  - AddXY (and AddPoint) update the running statistics in constant time, feed the axes' tracking
//    and repaint through DoChange. DeletePoints removes the oldest points and keeps the running
//    statistics; DeletePoints(Count) clears. Clear also resets the statistics.
//  - The scans (GetXMin ... GetYMean) look at the valid points (neither null nor empty) and store
//    what they find as the running value; they leave the running count and totals consistent.
//  - The owner is the plot control; without one, the axes never resolve (drawing and tracking
//    skip them, value texts say "No X-Axis" or "No Y-Axis").
//  - Mouse: the channel is hit on its legend entry; with the select mode of the plot's first
//    toolbar on, also on a point's marker (or bar), the first in index order winning. A left press
//    on a point holds it; with UserCanMoveDataPoints each move puts it where the mouse has taken
//    it since the press (only along X or Y as UserCanMoveDataPointsStyle says). The release
//    reports a click when it comes inside the point's rectangle at the press, then the move.
//    The data-point events go to the plot (TiPlotHost), which fires none while it loads.
//  - OPC: every channel owns two OPC items (the first holds the connection settings) and an OPC
//    manager for their group; the kinds decide how activating connects them and how their data
//    becomes points. An inserted channel connects when the first item auto-connects.
// GUI thread.

#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/channels/iPlotDataCustomList.h"
#include "plotlib/plot/iPlotObjects.h"

#include <QVariant>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

class TFont;
class TiOPCItem;
class TiOPCItemManager;
class TiOPCManager;
struct TiOPCValue;
class TiPlotAxis;
class TiPlotXAxis;
class TiPlotYAxis;

// clang-format off
enum TiPlotChannelDataPointMoveStyle { ipcdpmsXandY, ipcdpmsXOnly, ipcdpmsYOnly };
inline constexpr auto iPlotChannelDataPointMoveStyleNames = EnumNames<TiPlotChannelDataPointMoveStyle>(
    "ipcdpmsXandY", "ipcdpmsXOnly", "ipcdpmsYOnly");
// clang-format on

// An array of variants as the array adders take it: the low and high bound of each dimension and
// the elements, the first dimension running fastest (element (i, j) of a two-dimensional array at
// (i - low0) + (j - low1) x (high0 - low0 + 1)).
struct TiVariantArray {
    std::vector<std::pair<int, int>> Bounds;
    std::vector<QVariant> Elements;

    // An element as a number; the framework's conversion error when it is none.
    static double ToDouble(const QVariant &Value);
};

class TiPlotChannelCustom : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotChannelCustom, TiPlotManagerObject)
    TiPlotChannelCustom(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
    ~TiPlotChannelCustom() override;

    // ---- Published properties ----
    const QString &TitleText() const { return FTitleText; }
    void SetTitleText(const QString &Value) { SetField(Value, FTitleText); }
    bool VisibleInLegend() const { return FVisibleInLegend; }
    void SetVisibleInLegend(bool Value) { SetField(Value, FVisibleInLegend); }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetField(Value, FClipToAxes); }
    bool ShowDataPointHints() const { return FShowDataPointHints; }
    void SetShowDataPointHints(bool Value) { FShowDataPointHints = Value; }
    bool UserCanMoveDataPoints() const { return FUserCanMoveDataPoints; }
    void SetUserCanMoveDataPoints(bool Value) { FUserCanMoveDataPoints = Value; }
    TiPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return FUserCanMoveDataPointsStyle; }
    void SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle Value) { FUserCanMoveDataPointsStyle = Value; }
    int RingBufferSize() const { return FDataList->RingBufferSize(); }
    void SetRingBufferSize(int Value);
    bool TraceVisible() const { return FTraceVisible; }
    void SetTraceVisible(bool Value) { SetField(Value, FTraceVisible); }
    TColor Color() const { return FDataList->StoredTraceLineColor(); }
    void SetColor(TColor Value);
    TiPlotLineStyle TraceLineStyle() const { return FDataList->StoredTraceLineStyle(); }
    void SetTraceLineStyle(TiPlotLineStyle Value);
    int TraceLineWidth() const { return FDataList->StoredTraceLineWidth(); }
    void SetTraceLineWidth(int Value);
    bool MarkersAllowIndividual() const { return FMarkersAllowIndividual; }
    void SetMarkersAllowIndividual(bool Value) { SetField(Value, FMarkersAllowIndividual); }
    bool MarkersPenUseChannelColor() const { return FMarkersPenUseChannelColor; }
    void SetMarkersPenUseChannelColor(bool Value) { SetField(Value, FMarkersPenUseChannelColor); }
    bool MarkersBrushUseChannelColor() const { return FMarkersBrushUseChannelColor; }
    void SetMarkersBrushUseChannelColor(bool Value) { SetField(Value, FMarkersBrushUseChannelColor); }
    int MarkersTurnOffLimit() const { return FMarkersTurnOffLimit; }
    void SetMarkersTurnOffLimit(int Value) { SetField(Value, FMarkersTurnOffLimit); }
    bool MarkersVisible() const { return FDataList->StoredMarkerVisible(); }
    void SetMarkersVisible(bool Value);
    int MarkersSize() const { return FDataList->StoredMarkerSize(); }
    void SetMarkersSize(int Value);
    TiPlotMarkerStyle MarkersStyle() const { return FDataList->StoredMarkerStyle(); }
    void SetMarkersStyle(TiPlotMarkerStyle Value);
    TColor MarkersPenColor() const { return FDataList->StoredMarkerPenColor(); }
    void SetMarkersPenColor(TColor Value);
    TPenStyle MarkersPenStyle() const { return FDataList->StoredMarkerPenStyle(); }
    void SetMarkersPenStyle(TPenStyle Value);
    int MarkersPenWidth() const { return FDataList->StoredMarkerPenWidth(); }
    void SetMarkersPenWidth(int Value);
    TColor MarkersBrushColor() const { return FDataList->StoredMarkerBrushColor(); }
    void SetMarkersBrushColor(TColor Value);
    TBrushStyle MarkersBrushStyle() const { return FDataList->StoredMarkerBrushStyle(); }
    void SetMarkersBrushStyle(TBrushStyle Value);
    TFont *MarkersFont() const { return FMarkersFont.get(); }
    void SetMarkersFont(TFont *Value);
    const QString &XAxisName() const { return FXAxisName; }
    // A different name (case-sensitive) is stored and the resolved axis forgotten.
    void SetXAxisName(const QString &Value);
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);
    bool XAxisTrackingEnabled() const { return FXAxisTrackingEnabled; }
    void SetXAxisTrackingEnabled(bool Value) { SetField(Value, FXAxisTrackingEnabled); }
    bool YAxisTrackingEnabled() const { return FYAxisTrackingEnabled; }
    void SetYAxisTrackingEnabled(bool Value) { SetField(Value, FYAxisTrackingEnabled); }
    const QString &LogFileName() const { return FLogFileName; }
    // A different name (case-sensitive) while logging raises "Log File Name can not be changed
    // while logging is active."
    void SetLogFileName(const QString &Value);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
    bool LoggingActive() const { return FLoggingActive; }
    TiPlotDataStyle DataStyle() const { return FDataStyle; }
    // A new store of that style: the points go, the stored values and the ring size stay.
    void SetDataStyle(TiPlotDataStyle Value);
    const QVariant &Tag() const { return FTag; }
    void SetTag(const QVariant &Value) { FTag = Value; }

    // ---- Public properties ----
    TiPlotXAxis *XAxis() const;
    TiPlotYAxis *YAxis() const;
    bool HasAxes() const { return XAxis() && YAxis(); }
    TiPlotDataCustomList *DataList() const { return FDataList.get(); }
    // Of the first or last point; -1 when there is none.
    double XFirst() const { return Count() > 0 ? GetX(0) : -1.0; }
    double XLast() const { return Count() > 0 ? GetX(Count() - 1) : -1.0; }
    double YFirst() const { return Count() > 0 ? GetY(0) : -1.0; }
    double YLast() const { return Count() > 0 ? GetY(Count() - 1) : -1.0; }
    int IndexFirst() const { return Count() > 0 ? 0 : -1; }
    int IndexLast() const { return Count() - 1; }
    int DrawStartIndex() const { return FStartIndex; }
    int DrawStopIndex() const { return FStopIndex; }
    int DataPointSize() const { return FDataList->DataPointSize(); }
    int MaxDataPoints() const { return FDataList->MaxDataPoints(); }
    int Capacity() const { return FDataList->Capacity(); }
    int MemoryUsed() const { return FDataList->MemoryUsed(); }
    int Count() const { return FDataList->Count(); }
    // The store's capacity: a smaller count keeps the first, oldest points.
    void SetCount(int Value);
    int RunningCount() const { return FRunningCount; }
    double RunningXMin() const { return FRunningXMin; }
    double RunningXMax() const { return FRunningXMax; }
    double RunningXMean() const { return FRunningXMean; }
    double RunningYMin() const { return FRunningYMin; }
    double RunningYMax() const { return FRunningYMax; }
    double RunningYMean() const { return FRunningYMean; }
    const QString &DataCursorXText() const { return FDataCursorXText; }
    const QString &DataCursorYText() const { return FDataCursorYText; }
    double DataCursorXValue() const { return FDataCursorXValue; }
    double DataCursorYValue() const { return FDataCursorYValue; }
    TiPlotDataPointStatus DataCursorStatus() const { return FDataCursorStatus; }
    // Where the legend last drew this channel's entry.
    TRect LegendRect() const { return FLegendRect; }
    void SetLegendRect(const TRect &Value) { FLegendRect = Value; }

    // ---- Adding and removing points ----
    // One valid point through the common add path; answers its index.
    virtual int AddXY(double X, double Y);
    int AddPoint(bool Null, bool Empty, double X, double Y);
    // One valid point per element pair of two one-dimensional arrays of equal bounds.
    void AddXYArrays(const TiVariantArray &XData, const TiVariantArray &YData);
    // One valid point per column of a 2 x n array (row one X, row two Y).
    void AddXYArray(const TiVariantArray &Data);
    // No points, statistics reset, draw indexes -1.
    virtual void Clear();
    // Removes the Size oldest points; Size equal to Count clears. A size the store refuses raises
    // its message and changes nothing.
    void DeletePoints(int Size);
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const
    {
        FDataList->GetXYEmptyNull(Index, X, Y, Empty, Null);
    }
    // Visit(X, Y, Empty, Null) for each point from First to Last in order, read from the store a
    // block at a time; nothing when Last < First.
    template <class Visit>
    void ForEachPoint(int First, int Last, Visit visit) const
    {
        TiPlotPointBlock block;
        for (int at = First; at <= Last; at += TiPlotPointBlock::Size) {
            const int n = std::min(TiPlotPointBlock::Size, Last - at + 1);
            FDataList->ReadBlock(at, n, block);
            for (int k = 0; k < n; ++k)
                visit(block.X[k], block.Y[k], block.Empty[k], block.Null[k]);
        }
    }

    // ---- Per point (logical indexes; "Index out of Bounds" outside the points) ----
    double GetX(int Index) const { return FDataList->GetX(Index); }
    double GetY(int Index) const { return FDataList->GetY(Index); }
    bool GetNull(int Index) const { return FDataList->GetNull(Index); }
    bool GetEmpty(int Index) const { return FDataList->GetEmpty(Index); }
    bool GetValid(int Index) const { return !GetEmpty(Index) && !GetNull(Index); }
    bool GetMarkerVisible(int Index) const { return FDataList->GetMarkerVisible(Index); }
    int GetMarkerSize(int Index) const { return FDataList->GetMarkerSize(Index); }
    TiPlotMarkerStyle GetMarkerStyle(int Index) const { return FDataList->GetMarkerStyle(Index); }
    TColor GetMarkerPenColor(int Index) const { return FDataList->GetMarkerPenColor(Index); }
    int GetMarkerPenWidth(int Index) const { return FDataList->GetMarkerPenWidth(Index); }
    TPenStyle GetMarkerPenStyle(int Index) const { return FDataList->GetMarkerPenStyle(Index); }
    TColor GetMarkerBrushColor(int Index) const { return FDataList->GetMarkerBrushColor(Index); }
    TBrushStyle GetMarkerBrushStyle(int Index) const { return FDataList->GetMarkerBrushStyle(Index); }
    char16_t GetMarkerCharacter(int Index) const { return FDataList->GetMarkerCharacter(Index); }
    TColor GetTraceLineColor(int Index) const { return FDataList->GetTraceLineColor(Index); }
    int GetTraceLineWidth(int Index) const { return FDataList->GetTraceLineWidth(Index); }
    TiPlotLineStyle GetTraceLineStyle(int Index) const { return FDataList->GetTraceLineStyle(Index); }
    // Each writes, then DoChange.
    void SetX(int Index, double Value);
    void SetY(int Index, double Value);
    void SetNull(int Index, bool Value);
    void SetEmpty(int Index, bool Value);

    // ---- Statistics and texts ----
    // Recounts the running statistics over the valid points.
    void ReCalcRunningMinMaxMean();
    double GetXMin();
    double GetXMax();
    double GetXMean();
    double GetYMin();
    double GetYMax();
    double GetYMean();
    // The X axis's cursor text of Value, or the translated "No X-Axis".
    QString GetXValueText(double Value) const;
    QString GetYValueText(double Value) const;

    // ---- Drawing ----
    // The draw range is the kinds' (here every point).
    virtual void CalcStartIndex() { FStartIndex = Count() > 0 ? 0 : -1; }
    virtual void CalcStopIndex() { FStopIndex = Count() - 1; }
    // The extremes the axes fit their scales to: here the largest and the smallest X and Y of the
    // valid points, -1e300 for a largest and 1e300 for a smallest without any; the kinds widen
    // them by their markers.
    virtual double GetZoomXMax();
    virtual double GetZoomXMin();
    virtual double GetZoomYMax();
    virtual double GetZoomYMin();
    // Computes the values and the hint text of a data cursor bound to this channel (through the
    // cursor's SetValues and CursorDisplayText); the channel kinds compute them, the base nothing.
    virtual void UpdateDataCursor(TiPlotDataCursor *) {}
    // The index of the point at or beyond X in the direction of growing X, or -1: strip-chart
    // channels, whose points run in X order, search for it; the base has no order to search.
    virtual int CalcIndex(double) { return -1; }
    // The line through the draw range, broken at null points, skipping empty ones.
    virtual void DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor);
    // The markers of the draw range (none above MarkersTurnOffLimit).
    virtual void DrawMarkers(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor);
    // One segment between two value points, clipped to the X range and, with ClipToAxes, the Y
    // range. YIsPercent: the Y values are percent of the plot's first data view.
    void DrawSegment(TCanvas *Canvas, bool Reversed, bool YIsPercent, double X1, double Y1, double X2, double Y2);
    static double InterpolateY(double X1, double Y1, double X2, double Y2, double X);
    static double InterpolateX(double X1, double Y1, double X2, double Y2, double Y);
    // One marker at a pixel; Index -1 the legend's sample (size at most 6).
    void DrawMarker(TCanvas *Canvas, int Index, TColor BackGroundColor, TPoint Point);
    bool IsMarkerDrawn(int Index) const;
    TPoint PointToPixel(int Index) const;
    TRect MarkerRect(int Index) const;
    // The point's value widened by MarkersSize pixels when markers are shown; "Data Point Null"
    // for a null point, "X-Axis not assigned" / "Y-Axis not assigned" without the axis.
    double GetXMaxExtent(int Index) const;
    double GetXMinExtent(int Index) const;
    double GetYMaxExtent(int Index) const;
    double GetYMinExtent(int Index) const;
    // A filled polygon through four value points with the canvas's pen and brush.
    void DrawQuad(TCanvas *Canvas, bool XYAxesReversed, const std::pair<double, double> &P1,
                  const std::pair<double, double> &P2, const std::pair<double, double> &P3,
                  const std::pair<double, double> &P4);
    TRect ValuesToPixelRect(double X1, double Y1, double X2, double Y2) const;

    // ---- Files and log ----
    // "Plot Channel Config": a "File Type" line, then "Channel.<path> = <value>" per stored
    // property but Name. Failures come back as "Error Saving Properties - " / "Error Loading
    // Properties - " and the reason.
    void SavePropertiesToFile(const QString &FileName);
    void LoadPropertiesFromFile(const QString &FileName);
    // One "X<separator>Y" line per point (Y "Null" for a null point, empty points left out), CR LF,
    // the plot's column separator; the file is replaced whole or not at all.
    void SaveDataToFile(const QString &FileName);
    // Ends an active log; the separator is TAB when the first line holds one, else ",". Lines with
    // nothing left of the separator are skipped; each point goes through the common add path.
    void LoadDataFromFile(const QString &FileName, bool ClearPreviousData);
    // Append: the existing file must open (else the file error, logging stays off); otherwise the
    // file is created empty.
    void LogActivate(bool Append);
    // Writes the pending points, then stops.
    void LogDeactivate();
    // Appends the pending points that are still held and resets the pending count.
    void LogFlush();

    // ---- Mouse (the plot's object input) ----
    // The inherited test, the legend entry, then (toolbar select mode only) the markers or bars of
    // the draw range; a point hit is remembered for the hint and the press.
    bool iHitTest(const TiPlotMouseData &MouseData) override;
    // Reports the move over the point last hit; with ShowDataPointHints and the mouse on that
    // point, its X and Y texts (which the plot's event may rewrite) placed beside it inside the
    // first data view.
    void DoMouseHint(const TiPlotMouseData &MouseData, TiHintData &HintData) override;
    void DoMouseLeft(const TiPlotMouseData &MouseData) override;
    void DoMouseMove(const TiPlotMouseData &MouseData) override;
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    // The hand, unless the plot's event changes it.
    TCursor GetMouseCursor(TPoint Point) override;
    // The point found by the last hit test, -1 for none.
    int SelectDataIndex() const { return FSelectDataIndex; }

    // ---- OPC feed (stored in the two items) ----
    QString OPCGroupName() const;
    void SetOPCGroupName(const QString &Value);
    QString OPCComputerName() const;
    void SetOPCComputerName(const QString &Value);
    QString OPCServerName() const;
    void SetOPCServerName(const QString &Value);
    QString OPCItemName() const;
    void SetOPCItemName(const QString &Value);
    QString OPCItem2Name() const;
    void SetOPCItem2Name(const QString &Value);
    int OPCUpdateRate() const;
    void SetOPCUpdateRate(int Value);
    double OPCScalar() const;
    void SetOPCScalar(double Value);
    double OPCOffset() const;
    void SetOPCOffset(double Value);
    double OPCScalar2() const;
    void SetOPCScalar2(double Value);
    double OPCOffset2() const;
    void SetOPCOffset2(double Value);
    bool OPCAutoConnect() const;
    void SetOPCAutoConnect(bool Value);
    // Of the first item.
    bool OPCActive() const;
    bool OPCQualityGood() const;
    // Connects the items as the kind feeds from them; nothing here.
    virtual void OPCActivate() {}
    // Inherited, then OPCActivate when the first item auto-connects.
    void DoInsert() override;

    // Drops a removed axis; takes a renamed one's new name.
    void NotifyRemoved(TObject *AObject) override;
    void NotifyRenamed(TObject *AObject) override;
    // Another object selected by the user unselects this channel (not its own data cursor nor a
    // legend).
    void NotifySelected(TObject *AObject) override;
    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    // ---- Mouse, for the kinds ----
    // Whether points are hit on their bars rather than their markers, and a point's rectangle.
    virtual bool HitsBars() const { return false; }
    virtual TRect PointHitRect(int Index) const { return MarkerRect(Index); }

    // ---- OPC, for the kinds ----
    TiOPCItem *OPCItem(int Index) const;
    // A group name of this channel's own: its OPC manager's address in hexadecimal.
    QString OPCOwnGroupName() const;
    static double OPCValueToDouble(const TiOPCValue &Value);
    // New data of an item (the item manager's event), and an update of the OPC manager's group.
    virtual void OPCNewData(TiOPCItem *) {}
    virtual void OPCAfterGroupUpdate() {}

    // The store's stored value written, then DoChange.
    template <class T>
    void SetStored(void (TiPlotDataCustomList::*Setter)(T), T Value)
    {
        (FDataList.get()->*Setter)(Value);
        DoChange();
    }
    // The centre of the legend entry.
    bool GetKeyPopupPoint(TPoint &Point) override;
    // The Text a data cursor shows for these values; sets the DataCursor... properties.
    QString FormatDataCursorText(TiPlotDataCursorStyle Style, TiPlotDataPointStatus Status, double X, double Y);
    // The value width of MarkersSize pixels on the axis.
    double MarkerValueWidth(const TiPlotAxis *Axis) const;
    // The point's X (OnX) or Y, moved by Side times the marker's value width when markers show.
    double Extent(int Index, bool OnX, double Side) const;

    mutable TiPlotXAxis *FXAxis = nullptr;
    mutable TiPlotYAxis *FYAxis = nullptr;
    int FStartIndex = 0;
    int FStopIndex = 0;
    std::unique_ptr<TiPlotDataCustomList> FDataList;
    QString FTitleText;
    QString FYAxisName;
    QString FXAxisName;
    bool FXAxisTrackingEnabled = true;
    bool FYAxisTrackingEnabled = true;
    bool FMarkersAllowIndividual = false;
    int FMarkersTurnOffLimit = 0;
    TRect FLegendRect;
    bool FVisibleInLegend = true;
    bool FClipToAxes = false;
    bool FShowDataPointHints = false;
    bool FUserCanMoveDataPoints = false;
    TiPlotChannelDataPointMoveStyle FUserCanMoveDataPointsStyle = ipcdpmsXandY;
    bool FMarkersBrushUseChannelColor = true;
    bool FMarkersPenUseChannelColor = true;
    bool FTraceVisible = true;
    QVariant FTag;
    int FRunningCount = 0;
    double FRunningXMin = 0;
    double FRunningXMax = 0;
    double FRunningXMean = 0;
    long double FRunningXTotal = 0;
    double FRunningYMin = 0;
    double FRunningYMax = 0;
    double FRunningYMean = 0;
    long double FRunningYTotal = 0;
    TiPlotDataStyle FDataStyle = ipdsStandard;
    bool FLoggingActive = false;
    int FLogBufferCount = 0;
    int FLogBufferSize = 0;
    QString FLogFileName;
    QChar FLoadingSeparator = QChar(9);
    std::unique_ptr<TFont> FMarkersFont;
    QString FDataCursorXText;
    QString FDataCursorYText;
    double FDataCursorYValue = 0;
    double FDataCursorXValue = 0;
    TiPlotDataPointStatus FDataCursorStatus = ipdpsValid;
    int FSelectDataIndex = -1;
    TRect FSelectHitTestRect;
    bool FSelectMouseDown = false;
    int FSelectMouseDownIndex = -1;
    int FMouseDownDataIndex = -1;
    TRect FSelectDownRect;
    double FMouseDownValueX = 0;
    double FMouseDownValueY = 0;
    int FMouseDownPixelX = 0;
    int FMouseDownPixelY = 0;
    std::unique_ptr<TiOPCManager> FOPCManager;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;

private:
    // The plot's data-file column separator (TAB without a plot).
    QChar ColumnSeparator() const;
    void ResetRunning();
    void RebuildTotals();
    // Over the valid points: the largest of the value Get gives when Largest, else the smallest.
    double Extreme(double (TiPlotChannelCustom::*Get)(int) const, bool Largest) const;
    // Feeds one value to an axis's tracking.
    static void FeedTracking(TiPlotAxis *Axis, double Value);
    void MarkersFontChanged(TObject *Sender);
    void OPCGetDesigning(TObject *Sender, bool &Designing);
    void OPCItemNewData(TObject *Sender);
    void OPCGroupUpdated(TObject *Sender, const QString &GroupName);
    // Places a data point's hint of the given text beside the mouse, inside the first data view.
    void PlaceDataPointHint(const TiPlotMouseData &MouseData, TiHintData &HintData);
};

// Describes the OPC properties both channel kinds publish, in their order (a kind's class
// description calls it among its own properties).
template <class Builder>
void DescribeChannelOPCProperties(Builder &b)
{
    using C = TiPlotChannelCustom;
    b.Str("OPCComputerName", &C::OPCComputerName, &C::SetOPCComputerName);
    b.Str("OPCServerName", &C::OPCServerName, &C::SetOPCServerName);
    b.Str("OPCItemName", &C::OPCItemName, &C::SetOPCItemName);
    b.Str("OPCItem2Name", &C::OPCItem2Name, &C::SetOPCItem2Name);
    b.Int("OPCUpdateRate", &C::OPCUpdateRate, &C::SetOPCUpdateRate).Default(500);
    b.Float("OPCScalar", &C::OPCScalar, &C::SetOPCScalar);
    b.Float("OPCOffset", &C::OPCOffset, &C::SetOPCOffset);
    b.Float("OPCScalar2", &C::OPCScalar2, &C::SetOPCScalar2);
    b.Float("OPCOffset2", &C::OPCOffset2, &C::SetOPCOffset2);
    b.Bool("OPCAutoConnect", &C::OPCAutoConnect, &C::SetOPCAutoConnect).Default(true);
}

// A class reference to a channel class: the class the channel manager makes new channels of.
struct TiPlotChannelClass {
    using TCreate = TiPlotChannelCustom *(*)(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
    const TClassInfo *ClassInfo = nullptr;
    TCreate Create = nullptr;

    explicit operator bool() const { return Create != nullptr; }
    bool operator==(const TiPlotChannelClass &Other) const { return ClassInfo == Other.ClassInfo; }

    template <class C>
    static TiPlotChannelClass Of()
    {
        static_assert(std::is_base_of_v<TiPlotChannelCustom, C>);
        return {&C::StaticClass(),
                [](TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                   TNotifyEvent AOnRename) -> TiPlotChannelCustom * {
                    return new C(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                                 std::move(AOnRename));
                }};
    }
};
