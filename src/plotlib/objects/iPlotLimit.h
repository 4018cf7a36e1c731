#pragma once
// TiPlotLimit: a threshold or an allowed region drawn over the data view against one X and one Y
// axis of the plot, named by XAxisName and YAxisName (any letter case; a new unnamed limit takes
// the plot's first axes): a line at an X or a Y value, a band between two such lines, or a poly
// band whose two boundaries vary element by element. Lines and band edges can be dragged.
//
// Rules a caller must know:
//  - Nothing is drawn, and nothing can be hit, until both axis names name axes of the plot.
//  - A line or band edge can be grabbed only where the last paint drew it: a line outside its
//    axis's range is neither drawn nor grabbed; band edges are grab areas whether in range or not.
//    Poly bands have no grab areas.
//  - Mouse interaction needs UserCanMove and, with SelectModeOnlyInteraction, toolbar 0's select
//    mode. Dragged positions follow the mouse unclamped; every changed position raises the plot's
//    line-position event (not while the plot loads).
//  - Poly band elements are expected in ascending position; pairs wholly below the position axis
//    are skipped and drawing stops at the first pair that starts above it.
// GUI thread.

#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsPen.h"
#include "plotlib/base/iClasses.h"
#include "plotlib/plot/iPlotObjects.h"

// clang-format off
// A line or a band at values of the X axis (the X styles) or of the Y axis; a poly band's two
// boundaries vary point by point.
enum TiPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };
inline constexpr auto iPlotLimitStyleNames = EnumNames<TiPlotLimitStyle>(
    "iplsLineX", "iplsLineY", "iplsBandX", "iplsBandY", "iplsPolyBandX", "iplsPolyBandY");
// clang-format on

class TiPlotAxis;
class TiPlotXAxis;
class TiPlotYAxis;

class TiPlotLimit : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotLimit, TiPlotManagerObject)
    using TiPlotManagerObject::TiPlotManagerObject;

    // ---- Published ----
    const QString &XAxisName() const { return FXAxisName; }
    // Also forgets the axis found for the old name.
    void SetXAxisName(const QString &Value);
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);
    TiPlotLimitStyle Style() const { return FStyle; }
    void SetStyle(TiPlotLimitStyle Value) { SetField(Value, FStyle); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { SetField(Value, FColor); }
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int Value) { SetField(Value, FLineWidth); }
    TPenStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(TPenStyle Value) { SetField(Value, FLineStyle); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle Value) { SetField(Value, FFillStyle); }
    double Line1Position() const { return FLine1Position; }
    // A different value repaints and raises the plot's OnLimitLine1PositionChange.
    void SetLine1Position(double Value);
    double Line2Position() const { return FLine2Position; }
    void SetLine2Position(double Value);
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { SetField(Value, FUserCanMove); }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value) { SetField(Value, FSelectModeOnlyInteraction); }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetField(Value, FClipToAxes); }

    // ---- Poly band elements ----
    // Raises "the Upper Limit must be greater than or equal to the Lower Limit" (adding nothing)
    // when LowerLimit lies above UpperLimit; equal limits are a zero-width point.
    void AddBandElement(double Position, double UpperLimit, double LowerLimit);
    void ClearAllElements();
    const TiLimitDataList &Elements() const { return FPointList; }

    // ---- From the last paint ----
    bool Line1Show() const { return FLine1Show; }
    bool Line2Show() const { return FLine2Show; }
    TRect Line1ClickRect() const { return FLine1ClickRect; }
    TRect Line2ClickRect() const { return FLine2ClickRect; }
    bool Line1Grabbed() const { return FMouseDownLine1; }
    bool Line2Grabbed() const { return FMouseDownLine2; }

    // The plot's axes of the two names, or nullptr (found once, then kept).
    TiPlotXAxis *XAxis();
    TiPlotYAxis *YAxis();
    // A filled area (a poly band, or a band whose fill is not clear) is painted below the data
    // view's grid; lines and clear bands above it.
    bool PaintsBelowGrid() const;

    // ---- Plot object ----
    void NotifyRemoved(TObject *AObject) override;
    // The stored axis name follows a rename of the limit's axis.
    void NotifyRenamed(TObject *AObject) override;
    void NotifySelected(TObject *AObject) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    bool iHitTest(const TiPlotMouseData &MouseData) override;
    void DoMouseLeft(const TiPlotMouseData &MouseData) override;
    void DoMouseMove(const TiPlotMouseData &MouseData) override;
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    TCursor GetMouseCursor(TPoint Point) override;
    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

private:
    bool IsXStyle() const { return FStyle == iplsLineX || FStyle == iplsBandX || FStyle == iplsPolyBandX; }
    void DrawLine(TCanvas *Canvas, int Position, int From, int To);
    void DrawBand(TCanvas *Canvas, int Position1, int Position2, int From, int To);
    void DrawPolyBand(TCanvas *Canvas);

    TiLimitDataList FPointList;
    bool FMouseDownLine1 = false;
    bool FMouseDownLine2 = false;
    TiPlotXAxis *FXAxis = nullptr;
    TiPlotYAxis *FYAxis = nullptr;
    QString FYAxisName;
    QString FXAxisName;
    TiPlotLimitStyle FStyle = iplsLineY;
    TColor FColor = 255;
    int FLineWidth = 0;
    TPenStyle FLineStyle = psSolid;
    TBrushStyle FFillStyle = bsSolid;
    bool FLine1Show = false;
    bool FLine2Show = false;
    double FLine1Position = 50.0;
    double FLine2Position = 50.0;
    TRect FLine1ClickRect;
    TRect FLine2ClickRect;
    bool FUserCanMove = false;
    bool FSelectModeOnlyInteraction = true;
    bool FClipToAxes = false;
};
