#pragma once
// TiPlotDataView: the plotting area of a plot, in the middle of its layout, where channels, limits,
// annotations and data cursors are drawn. It paints its background, its grid (each grid axis
// draws its lines at its ticks) and its border, converts between pixels and percent positions of
// its rectangle, and, when enabled, lets the user scroll and zoom the axes with the mouse and the
// wheel or drag a zoom box. The layout manager keeps it out of the side lists; the plot layout
// gives data view 0 the rectangle the bands leave free.
//
// Rules a caller must know:
//  - Interaction mode, later rules winning: none; axes control with AxesControlEnabled; zoom box
//    while toolbar 0's zoom-box button is down; select while toolbar 0's select button is down and
//    AxesControlAllowInSelectMode is off.
//  - A press in axes-control mode hands the drag to every X axis, then every Y axis (locked to
//    one direction by AxesControlMouseStyle and Shift); the wheel likewise by
//    AxesControlWheelStyle. A right drag of more than 5 pixels in axes-control mode, or any left
//    drag in zoom-box mode, draws a zoom box; releasing a box dragged right and down zooms every
//    axis to it (OnBeforeZoomBox may cancel), any other box is dropped, and a right drag shows no
//    popup menu. Escape drops the box.
//  - The mappings divide by the rectangle's size: an empty rectangle maps every percent to its
//    left (or bottom) edge and every pixel to 0 percent.
//  - Property writers store a changed value and repaint, except AxesControlEnabled and the two
//    control styles (plain stores). The grid axis names drop the axis found for them; renaming
//    that axis renames the grid axis name (no repaint).
// GUI thread.

#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/plot/iPlotObjects.h"

#include <vector>

class TiPlotMasterManager;

// clang-format off
// Which axes the mouse or the wheel moves in axes-control mode.
enum TiPlotAxesControlStyle { ipacsXAxis, ipacsYAxis, ipacsBoth, ipacsNone };
inline constexpr auto iPlotAxesControlStyleNames =
    EnumNames<TiPlotAxesControlStyle>("ipacsXAxis", "ipacsYAxis", "ipacsBoth", "ipacsNone");
// clang-format on

class TiPlotDataView : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotDataView, TiPlotLayoutObject)
    TiPlotDataView(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                   TNotifyEvent AOnRename);

    // ---- Look ----
    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &Value) { SetField(Value, FTitle); }
    bool BackgroundTransparent() const { return FBackgroundTransparent; }
    void SetBackgroundTransparent(bool Value) { SetField(Value, FBackgroundTransparent); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { SetField(Value, FBackgroundColor); }
    bool GridShow() const { return FGridShow; }
    void SetGridShow(bool Value) { SetField(Value, FGridShow); }
    // "<ALL>" (any letter case): every axis of the direction.
    const QString &GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const QString &Value);
    const QString &GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const QString &Value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value) { SetField(Value, FGridLineColor); }
    bool GridLineShowLeft() const { return FGridLineShowLeft; }
    void SetGridLineShowLeft(bool Value) { SetField(Value, FGridLineShowLeft); }
    bool GridLineShowTop() const { return FGridLineShowTop; }
    void SetGridLineShowTop(bool Value) { SetField(Value, FGridLineShowTop); }
    bool GridLineShowRight() const { return FGridLineShowRight; }
    void SetGridLineShowRight(bool Value) { SetField(Value, FGridLineShowRight); }
    bool GridLineShowBottom() const { return FGridLineShowBottom; }
    void SetGridLineShowBottom(bool Value) { SetField(Value, FGridLineShowBottom); }
    bool GridLineShowXMajors() const { return FGridLineShowXMajors; }
    void SetGridLineShowXMajors(bool Value) { SetField(Value, FGridLineShowXMajors); }
    bool GridLineShowXMinors() const { return FGridLineShowXMinors; }
    void SetGridLineShowXMinors(bool Value) { SetField(Value, FGridLineShowXMinors); }
    bool GridLineShowYMajors() const { return FGridLineShowYMajors; }
    void SetGridLineShowYMajors(bool Value) { SetField(Value, FGridLineShowYMajors); }
    bool GridLineShowYMinors() const { return FGridLineShowYMinors; }
    void SetGridLineShowYMinors(bool Value) { SetField(Value, FGridLineShowYMinors); }
    TiPlotGridLineStyle GridLineMajorStyle() const { return FGridLineMajorStyle; }
    void SetGridLineMajorStyle(TiPlotGridLineStyle Value) { SetField(Value, FGridLineMajorStyle); }
    TiPlotGridLineStyle GridLineMinorStyle() const { return FGridLineMinorStyle; }
    void SetGridLineMinorStyle(TiPlotGridLineStyle Value) { SetField(Value, FGridLineMinorStyle); }

    // The own pen of one kind of grid line (X or Y, majors or minors), used while Custom is set.
    struct GridLinePen {
        bool Custom = false;
        TColor Color = 32768;
        int Width = 0;  // 0: the thinnest
        TiPlotGridLineStyle Style = ipglsSolid;
    };
    // The published properties of the four pens (GridLineXMajorCustom ...).
    bool GridLineXMajorCustom() const { return FGridLineXMajor.Custom; }
    void SetGridLineXMajorCustom(bool Value) { SetField(Value, FGridLineXMajor.Custom); }
    TColor GridLineXMajorColor() const { return FGridLineXMajor.Color; }
    void SetGridLineXMajorColor(TColor Value) { SetField(Value, FGridLineXMajor.Color); }
    int GridLineXMajorWidth() const { return FGridLineXMajor.Width; }
    void SetGridLineXMajorWidth(int Value) { SetField(Value, FGridLineXMajor.Width); }
    TiPlotGridLineStyle GridLineXMajorStyle() const { return FGridLineXMajor.Style; }
    void SetGridLineXMajorStyle(TiPlotGridLineStyle Value) { SetField(Value, FGridLineXMajor.Style); }
    bool GridLineXMinorCustom() const { return FGridLineXMinor.Custom; }
    void SetGridLineXMinorCustom(bool Value) { SetField(Value, FGridLineXMinor.Custom); }
    TColor GridLineXMinorColor() const { return FGridLineXMinor.Color; }
    void SetGridLineXMinorColor(TColor Value) { SetField(Value, FGridLineXMinor.Color); }
    int GridLineXMinorWidth() const { return FGridLineXMinor.Width; }
    void SetGridLineXMinorWidth(int Value) { SetField(Value, FGridLineXMinor.Width); }
    TiPlotGridLineStyle GridLineXMinorStyle() const { return FGridLineXMinor.Style; }
    void SetGridLineXMinorStyle(TiPlotGridLineStyle Value) { SetField(Value, FGridLineXMinor.Style); }
    bool GridLineYMajorCustom() const { return FGridLineYMajor.Custom; }
    void SetGridLineYMajorCustom(bool Value) { SetField(Value, FGridLineYMajor.Custom); }
    TColor GridLineYMajorColor() const { return FGridLineYMajor.Color; }
    void SetGridLineYMajorColor(TColor Value) { SetField(Value, FGridLineYMajor.Color); }
    int GridLineYMajorWidth() const { return FGridLineYMajor.Width; }
    void SetGridLineYMajorWidth(int Value) { SetField(Value, FGridLineYMajor.Width); }
    TiPlotGridLineStyle GridLineYMajorStyle() const { return FGridLineYMajor.Style; }
    void SetGridLineYMajorStyle(TiPlotGridLineStyle Value) { SetField(Value, FGridLineYMajor.Style); }
    bool GridLineYMinorCustom() const { return FGridLineYMinor.Custom; }
    void SetGridLineYMinorCustom(bool Value) { SetField(Value, FGridLineYMinor.Custom); }
    TColor GridLineYMinorColor() const { return FGridLineYMinor.Color; }
    void SetGridLineYMinorColor(TColor Value) { SetField(Value, FGridLineYMinor.Color); }
    int GridLineYMinorWidth() const { return FGridLineYMinor.Width; }
    void SetGridLineYMinorWidth(int Value) { SetField(Value, FGridLineYMinor.Width); }
    TiPlotGridLineStyle GridLineYMinorStyle() const { return FGridLineYMinor.Style; }
    void SetGridLineYMinorStyle(TiPlotGridLineStyle Value) { SetField(Value, FGridLineYMinor.Style); }

    // ---- Axes control ----
    bool AxesControlEnabled() const { return FAxesControlEnabled; }
    void SetAxesControlEnabled(bool Value) { FAxesControlEnabled = Value; }
    TiPlotAxesControlStyle AxesControlMouseStyle() const { return FAxesControlMouseStyle; }
    void SetAxesControlMouseStyle(TiPlotAxesControlStyle Value) { FAxesControlMouseStyle = Value; }
    TiPlotAxesControlStyle AxesControlWheelStyle() const { return FAxesControlWheelStyle; }
    void SetAxesControlWheelStyle(TiPlotAxesControlStyle Value) { FAxesControlWheelStyle = Value; }
    bool AxesControlAllowInSelectMode() const { return FAxesControlAllowInSelectMode; }
    void SetAxesControlAllowInSelectMode(bool Value) { SetField(Value, FAxesControlAllowInSelectMode); }
    bool ZoomBoxActive() const { return FZoomBoxActive; }

    // ---- Positions in percent of the rectangle (X from the left, Y from the bottom) ----
    double PixelsXToPositionPercent(int Value) const;
    double PixelsYToPositionPercent(int Value) const;
    int PositionPercentToPixelsX(double Value) const;
    int PositionPercentToPixelsY(double Value) const;

    // ---- Painting (the plot calls these in its paint order) ----
    // Fills the rectangle with BackgroundColor unless the background is transparent.
    void DrawBackground(TCanvas *Canvas);
    // Grid and border (GridShow), and the selection frame.
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    // The zoom box being dragged, if any.
    void DrawZoomBox(TCanvas *Canvas);

    // ---- Plot object ----
    void NotifyRemoved(TObject *AObject) override;
    void NotifyRenamed(TObject *AObject) override;
    // Anything else selected deselects the data view.
    void NotifySelected(TObject *AObject) override;
    void DoMouseLeft(const TiPlotMouseData &MouseData) override;
    void DoMouseRight(const TiPlotMouseData &MouseData) override;
    void DoMouseMove(const TiPlotMouseData &MouseData) override;
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y) override;
    TCursor GetMouseCursor(TPoint Point) override;
    void iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu) override;
    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

private:
    enum class Mode { None, AxesControl, ZoomBox, Select };
    Mode InteractionMode() const;
    // The plot's X (or Y) axes, in manager order; none without a plot.
    std::vector<TiPlotAxis *> Axes(bool XKind) const;
    // The grid axes of one direction: every axis for "<ALL>", else the named one (found once).
    std::vector<TiPlotAxis *> GridAxes(bool XKind);
    void DrawGrid(TCanvas *Canvas, bool XKind, TColor BackGroundColor);
    void DisableAllTracking() const;
    void InvalidateNow();
    void ZoomToBox();

    TiPlotAxis *FXAxis = nullptr;
    TiPlotAxis *FYAxis = nullptr;
    TiPlotObject *FMouseDownObject = nullptr;
    bool FDataViewMouseDown = false;
    bool FMouseDownRight = false;
    bool FZoomBoxActive = false;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    int FMouseMoveX = 0;
    int FMouseMoveY = 0;
    bool FDirectionLock = false;
    bool FDirectionLockXAxis = false;
    QString FTitle;
    bool FBackgroundTransparent = true;
    TColor FBackgroundColor = 8421376;
    bool FGridShow = true;
    bool FAxesControlEnabled = false;
    TiPlotAxesControlStyle FAxesControlWheelStyle = ipacsXAxis;
    TiPlotAxesControlStyle FAxesControlMouseStyle = ipacsBoth;
    QString FGridYAxisName;
    QString FGridXAxisName;
    TColor FGridLineColor = 32768;
    bool FGridLineShowLeft = true;
    bool FGridLineShowTop = true;
    bool FGridLineShowRight = true;
    bool FGridLineShowBottom = true;
    bool FGridLineShowXMajors = true;
    bool FGridLineShowXMinors = false;
    bool FGridLineShowYMajors = true;
    bool FGridLineShowYMinors = false;
    TiPlotGridLineStyle FGridLineMajorStyle = ipglsSolid;
    TiPlotGridLineStyle FGridLineMinorStyle = ipglsSolid;
    GridLinePen FGridLineXMajor;
    GridLinePen FGridLineXMinor;
    GridLinePen FGridLineYMajor;
    GridLinePen FGridLineYMinor;
    bool FAxesControlAllowInSelectMode = false;
};
