#include "plotlib/plot/iPlotDataView.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Canvas.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <cmath>
#include <cstdlib>
#include <limits>

T_IMPLEMENT_CLASS(TiPlotDataView)
{
    using D = TiPlotDataView;
    b.Str("Title", &D::Title, &D::SetTitle);
    b.Bool("BackgroundTransparent", &D::BackgroundTransparent, &D::SetBackgroundTransparent).Default(true);
    b.Color("BackgroundColor", &D::BackgroundColor, &D::SetBackgroundColor).Default(8421376);
    b.Str("GridXAxisName", &D::GridXAxisName, &D::SetGridXAxisName);
    b.Str("GridYAxisName", &D::GridYAxisName, &D::SetGridYAxisName);
    b.Bool("GridShow", &D::GridShow, &D::SetGridShow).Default(true);
    b.Color("GridLineColor", &D::GridLineColor, &D::SetGridLineColor).Default(32768);
    b.Bool("GridLineShowLeft", &D::GridLineShowLeft, &D::SetGridLineShowLeft).Default(true);
    b.Bool("GridLineShowRight", &D::GridLineShowRight, &D::SetGridLineShowRight).Default(true);
    b.Bool("GridLineShowTop", &D::GridLineShowTop, &D::SetGridLineShowTop).Default(true);
    b.Bool("GridLineShowBottom", &D::GridLineShowBottom, &D::SetGridLineShowBottom).Default(true);
    b.Bool("GridLineShowXMajors", &D::GridLineShowXMajors, &D::SetGridLineShowXMajors).Default(true);
    b.Bool("GridLineShowXMinors", &D::GridLineShowXMinors, &D::SetGridLineShowXMinors).Default(false);
    b.Bool("GridLineShowYMajors", &D::GridLineShowYMajors, &D::SetGridLineShowYMajors).Default(true);
    b.Bool("GridLineShowYMinors", &D::GridLineShowYMinors, &D::SetGridLineShowYMinors).Default(false);
    b.Enum("GridLineMajorStyle", &D::GridLineMajorStyle, &D::SetGridLineMajorStyle, iPlotGridLineStyleNames)
        .Default(ipglsSolid);
    b.Enum("GridLineMinorStyle", &D::GridLineMinorStyle, &D::SetGridLineMinorStyle, iPlotGridLineStyleNames)
        .Default(ipglsSolid);
    b.Bool("GridLineXMajorCustom", &D::GridLineXMajorCustom, &D::SetGridLineXMajorCustom).Default(false);
    b.Color("GridLineXMajorColor", &D::GridLineXMajorColor, &D::SetGridLineXMajorColor).Default(32768);
    b.Int("GridLineXMajorWidth", &D::GridLineXMajorWidth, &D::SetGridLineXMajorWidth).Default(0);
    b.Enum("GridLineXMajorStyle", &D::GridLineXMajorStyle, &D::SetGridLineXMajorStyle, iPlotGridLineStyleNames)
        .Default(ipglsSolid);
    b.Bool("GridLineXMinorCustom", &D::GridLineXMinorCustom, &D::SetGridLineXMinorCustom).Default(false);
    b.Color("GridLineXMinorColor", &D::GridLineXMinorColor, &D::SetGridLineXMinorColor).Default(32768);
    b.Int("GridLineXMinorWidth", &D::GridLineXMinorWidth, &D::SetGridLineXMinorWidth).Default(0);
    b.Enum("GridLineXMinorStyle", &D::GridLineXMinorStyle, &D::SetGridLineXMinorStyle, iPlotGridLineStyleNames)
        .Default(ipglsSolid);
    b.Bool("GridLineYMajorCustom", &D::GridLineYMajorCustom, &D::SetGridLineYMajorCustom).Default(false);
    b.Color("GridLineYMajorColor", &D::GridLineYMajorColor, &D::SetGridLineYMajorColor).Default(32768);
    b.Int("GridLineYMajorWidth", &D::GridLineYMajorWidth, &D::SetGridLineYMajorWidth).Default(0);
    b.Enum("GridLineYMajorStyle", &D::GridLineYMajorStyle, &D::SetGridLineYMajorStyle, iPlotGridLineStyleNames)
        .Default(ipglsSolid);
    b.Bool("GridLineYMinorCustom", &D::GridLineYMinorCustom, &D::SetGridLineYMinorCustom).Default(false);
    b.Color("GridLineYMinorColor", &D::GridLineYMinorColor, &D::SetGridLineYMinorColor).Default(32768);
    b.Int("GridLineYMinorWidth", &D::GridLineYMinorWidth, &D::SetGridLineYMinorWidth).Default(0);
    b.Enum("GridLineYMinorStyle", &D::GridLineYMinorStyle, &D::SetGridLineYMinorStyle, iPlotGridLineStyleNames)
        .Default(ipglsSolid);
    b.Bool("AxesControlEnabled", &D::AxesControlEnabled, &D::SetAxesControlEnabled);
    b.Enum("AxesControlMouseStyle", &D::AxesControlMouseStyle, &D::SetAxesControlMouseStyle,
           iPlotAxesControlStyleNames);
    b.Enum("AxesControlWheelStyle", &D::AxesControlWheelStyle, &D::SetAxesControlWheelStyle,
           iPlotAxesControlStyleNames);
    b.Bool("AxesControlAllowInSelectMode", &D::AxesControlAllowInSelectMode, &D::SetAxesControlAllowInSelectMode)
        .Default(false);
}

namespace {

// A pixel of a percent position, kept within the 32-bit range.
int PercentPixel(double Value)
{
    if (std::isnan(Value))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(Value), static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

bool IsAllAxes(const QString &Name)
{
    return SameText(Name, QStringLiteral("<ALL>"));
}

// Pushes a press, move or release on to the axes in turn; an axis that goes meanwhile is passed
// over.
template <class Step>
void ForAxes(const std::vector<TiPlotAxis *> &Axes, const TiPlotMasterManager *Master, Step Apply)
{
    if (!Master)
        return;
    for (TiPlotAxis *axis : Axes)
        if (Master->XAxisManager()->GetIndex(axis) >= 0 || Master->YAxisManager()->GetIndex(axis) >= 0)
            Apply(axis);
}

}  // namespace

TiPlotDataView::TiPlotDataView(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                               TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{}

// ---- Properties ---------------------------------------------------------------------------------

void TiPlotDataView::SetGridXAxisName(const QString &Value)
{
    FXAxis = nullptr;
    SetField(Value, FGridXAxisName);
}

void TiPlotDataView::SetGridYAxisName(const QString &Value)
{
    FYAxis = nullptr;
    SetField(Value, FGridYAxisName);
}

// ---- Positions ----------------------------------------------------------------------------------

double TiPlotDataView::PixelsXToPositionPercent(int Value) const
{
    const int width = FRight - FLeft;
    return width == 0 ? 0 : static_cast<double>(Value - FLeft) / width * 100;
}

double TiPlotDataView::PixelsYToPositionPercent(int Value) const
{
    const int height = FBottom - FTop;
    return height == 0 ? 0 : (1 - static_cast<double>(Value - FTop) / height) * 100;
}

int TiPlotDataView::PositionPercentToPixelsX(double Value) const
{
    return PercentPixel((FRight - FLeft) * Value / 100 + FLeft);
}

int TiPlotDataView::PositionPercentToPixelsY(double Value) const
{
    return PercentPixel((FBottom - FTop) * (100 - Value) / 100 + FTop);
}

// ---- The plot's axes ----------------------------------------------------------------------------

std::vector<TiPlotAxis *> TiPlotDataView::Axes(bool XKind) const
{
    std::vector<TiPlotAxis *> axes;
    const TiPlotMasterManager *master = PlotMaster();
    if (!master)
        return axes;
    const TiPlotObjectManagerCustom *manager =
        XKind ? static_cast<const TiPlotObjectManagerCustom *>(master->XAxisManager()) : master->YAxisManager();
    for (int i = 0; manager && i < manager->Count(); ++i)
        axes.push_back(static_cast<TiPlotAxis *>(manager->Items(i)));
    return axes;
}

std::vector<TiPlotAxis *> TiPlotDataView::GridAxes(bool XKind)
{
    const QString &name = XKind ? FGridXAxisName : FGridYAxisName;
    if (IsAllAxes(name))
        return Axes(XKind);
    TiPlotAxis *&cached = XKind ? FXAxis : FYAxis;
    if (!cached)
        for (TiPlotAxis *axis : Axes(XKind))
            if (SameText(axis->Name(), name)) {
                cached = axis;
                break;
            }
    return cached ? std::vector<TiPlotAxis *>{cached} : std::vector<TiPlotAxis *>{};
}

void TiPlotDataView::DisableAllTracking() const
{
    if (TiPlotMasterManager *master = PlotMaster())
        master->SetAllTrackingEnabled(false);
}

void TiPlotDataView::InvalidateNow()
{
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

TiPlotDataView::Mode TiPlotDataView::InteractionMode() const
{
    Mode mode = FAxesControlEnabled ? Mode::AxesControl : Mode::None;
    const TiPlotMasterManager *master = PlotMaster();
    if (master && master->ToolBarManager() && master->ToolBarManager()->Count() > 0) {
        const TiPlotToolBar *toolBar = master->ToolBarManager()->Items(0);
        if (toolBar->ZoomBoxActive())
            mode = Mode::ZoomBox;
        if (toolBar->SelectActive() && !FAxesControlAllowInSelectMode)
            mode = Mode::Select;
    }
    return mode;
}

// ---- Painting -----------------------------------------------------------------------------------

void TiPlotDataView::DrawBackground(TCanvas *Canvas)
{
    if (FBackgroundTransparent)
        return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(FBackgroundColor);
    Canvas->FillRect(DrawRect());
}

void TiPlotDataView::DrawGrid(TCanvas *Canvas, bool XKind, TColor)
{
    const bool showMajors = XKind ? FGridLineShowXMajors : FGridLineShowYMajors;
    const bool showMinors = XKind ? FGridLineShowXMinors : FGridLineShowYMinors;
    const GridLinePen &major = XKind ? FGridLineXMajor : FGridLineYMajor;
    const GridLinePen &minor = XKind ? FGridLineXMinor : FGridLineYMinor;
    // Lines without their own pen take the grid colour, the thinnest width and the common style.
    const GridLinePen majorPen =
        major.Custom ? major : GridLinePen{.Color = FGridLineColor, .Width = 0, .Style = FGridLineMajorStyle};
    const GridLinePen minorPen =
        minor.Custom ? minor : GridLinePen{.Color = FGridLineColor, .Width = 0, .Style = FGridLineMinorStyle};
    const TRect r = DrawRect();
    for (TiPlotAxis *axis : GridAxes(XKind))
        axis->DrawGridLines(Canvas, r, showMajors, showMinors, majorPen.Style, minorPen.Style, majorPen.Color,
                            minorPen.Color, majorPen.Width, minorPen.Width);
}

void TiPlotDataView::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    auto edges = [&](bool Left, bool Top, bool Right, bool Bottom) {
        if (Left)
            Canvas->Polyline({TPoint(FLeft, FTop), TPoint(FLeft, FBottom)});
        if (Right)
            Canvas->Polyline({TPoint(FRight, FTop), TPoint(FRight, FBottom)});
        if (Top)
            Canvas->Polyline({TPoint(FLeft, FTop), TPoint(FRight, FTop)});
        if (Bottom)
            Canvas->Polyline({TPoint(FLeft, FBottom), TPoint(FRight + 1, FBottom)});
    };
    if (FGridShow) {
        // The gaps of dashed and dotted lines.
        Canvas->Brush()->SetColor(BackGroundColor);
        DrawGrid(Canvas, true, BackGroundColor);
        DrawGrid(Canvas, false, BackGroundColor);
        Canvas->Pen()->SetColor(FGridLineColor);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(0);
        edges(FGridLineShowLeft, FGridLineShowTop, FGridLineShowRight, FGridLineShowBottom);
    }
    if (FUserSelected) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetColor(BackGroundColor);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(0);
        edges(true, true, true, true);
        Canvas->Font()->SetColor(clWhite);
        iDrawFocusRectangle(Canvas, TRect(FLeft, FTop, FRight + 1, FBottom + 1));
    }
}

void TiPlotDataView::DrawZoomBox(TCanvas *Canvas)
{
    if (!FZoomBoxActive)
        return;
    Canvas->Font()->SetColor(clWhite);
    iDrawFocusRectangle(Canvas, TRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
}

// ---- Notifications ------------------------------------------------------------------------------

void TiPlotDataView::NotifyRemoved(TObject *AObject)
{
    if (FXAxis && static_cast<TObject *>(FXAxis) == AObject)
        FXAxis = nullptr;
    if (FYAxis && static_cast<TObject *>(FYAxis) == AObject)
        FYAxis = nullptr;
    if (FMouseDownObject && static_cast<TObject *>(FMouseDownObject) == AObject)
        FMouseDownObject = nullptr;
}

void TiPlotDataView::NotifyRenamed(TObject *AObject)
{
    auto *axis = dynamic_cast<TiPlotAxis *>(AObject);
    if (!axis)
        return;
    const bool x = dynamic_cast<TiPlotXAxis *>(axis) != nullptr;
    TiPlotAxis *&cached = x ? FXAxis : FYAxis;
    QString &name = x ? FGridXAxisName : FGridYAxisName;
    // The grid axis keeps its grid under its new name, whether or not a paint has found it yet.
    if (axis == cached || (!IsAllAxes(name) && SameText(axis->NameOld(), name))) {
        cached = axis;
        name = axis->Name();
    }
}

void TiPlotDataView::NotifySelected(TObject *AObject)
{
    const auto *other = dynamic_cast<const TiPlotObject *>(AObject);
    if (other && other != this && other->UserSelected())
        SetUserSelected(false);
}

// ---- Mouse and keys -----------------------------------------------------------------------------

void TiPlotDataView::DoMouseLeft(const TiPlotMouseData &MouseData)
{
    FDirectionLock = false;
    FDataViewMouseDown = true;
    switch (InteractionMode()) {
    case Mode::ZoomBox:
        DisableAllTracking();
        FMouseDownX = FMouseMoveX = MouseData.X;
        FMouseDownY = FMouseMoveY = MouseData.Y;
        FZoomBoxActive = true;
        InvalidateNow();
        break;
    case Mode::AxesControl: {
        FMouseDownX = MouseData.X;
        FMouseDownY = MouseData.Y;
        const TiPlotMasterManager *master = PlotMaster();
        ForAxes(Axes(true), master, [&](TiPlotAxis *Axis) { Axis->DoMouseLeft(MouseData); });
        ForAxes(Axes(false), master, [&](TiPlotAxis *Axis) { Axis->DoMouseLeft(MouseData); });
        break;
    }
    case Mode::None:
    case Mode::Select: break;
    }
}

void TiPlotDataView::DoMouseRight(const TiPlotMouseData &MouseData)
{
    if (InteractionMode() != Mode::AxesControl)
        return;
    FMouseDownRight = true;
    FMouseDownX = FMouseMoveX = MouseData.X;
    FMouseDownY = FMouseMoveY = MouseData.Y;
}

void TiPlotDataView::DoMouseMove(const TiPlotMouseData &MouseData)
{
    if (!FDataViewMouseDown && !FMouseDownRight)
        return;
    if (FZoomBoxActive) {
        if (MouseData.DblClickActive)
            return;
        FMouseMoveX = MouseData.X;
        FMouseMoveY = MouseData.Y;
        InvalidateNow();
        return;
    }
    if (InteractionMode() != Mode::AxesControl)
        return;
    const int dx = std::abs(MouseData.X - FMouseDownX);
    const int dy = std::abs(MouseData.Y - FMouseDownY);
    if (FMouseDownRight) {
        // A right drag of more than 5 pixels becomes a zoom box, and its release no popup.
        if (dx > 5 || dy > 5) {
            FMouseMoveX = MouseData.X;
            FMouseMoveY = MouseData.Y;
            FZoomBoxActive = true;
            FMouseDownPopup = false;
            DisableAllTracking();
            InvalidateNow();
        }
        return;
    }
    const bool shift = iShiftDown();
    switch (FAxesControlMouseStyle) {
    case ipacsXAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = !shift;
        break;
    case ipacsYAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = shift;
        break;
    case ipacsBoth:
        // Shift locks to the direction the drag takes first; the vertical test comes second.
        if (shift && !FDirectionLock) {
            if (dx > 3)
                FDirectionLock = FDirectionLockXAxis = true;
            if (dy > 3) {
                FDirectionLock = true;
                FDirectionLockXAxis = false;
            }
        }
        break;
    case ipacsNone: return;
    }
    const TiPlotMasterManager *master = PlotMaster();
    if (!(FDirectionLock && !FDirectionLockXAxis))
        ForAxes(Axes(true), master, [&](TiPlotAxis *Axis) { Axis->DoMouseMove(MouseData); });
    if (!(FDirectionLock && FDirectionLockXAxis))
        ForAxes(Axes(false), master, [&](TiPlotAxis *Axis) { Axis->DoMouseMove(MouseData); });
}

void TiPlotDataView::ZoomToBox()
{
    TiPlotHost *host = Host();
    TRect box(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY);
    bool cancel = false;
    if (host)
        host->DoBeforeZoomBox(box, cancel);
    if (cancel)
        return;
    const TiPlotMasterManager *master = PlotMaster();
    ForAxes(Axes(true), master, [&](TiPlotAxis *Axis) { Axis->ZoomToRect(box); });
    ForAxes(Axes(false), master, [&](TiPlotAxis *Axis) { Axis->ZoomToRect(box); });
}

void TiPlotDataView::DoMouseUp(const TiPlotMouseData &MouseData)
{
    if (!FDataViewMouseDown && !FMouseDownRight)
        return;
    const std::weak_ptr<char> life = Life();
    const bool boxActive = FZoomBoxActive;
    // Only a box dragged right and down zooms.
    if (boxActive && !MouseData.DblClickActive && FMouseDownX < FMouseMoveX && FMouseDownY < FMouseMoveY) {
        ZoomToBox();
        InvalidateNow();
    }
    if (!boxActive && InteractionMode() == Mode::AxesControl) {
        const TiPlotMasterManager *master = PlotMaster();
        ForAxes(Axes(true), master, [&](TiPlotAxis *Axis) { Axis->DoMouseUp(MouseData); });
        ForAxes(Axes(false), master, [&](TiPlotAxis *Axis) { Axis->DoMouseUp(MouseData); });
    }
    if (life.expired())
        return;
    if (DrawRect().Contains(TPoint(MouseData.X, MouseData.Y)))
        if (TiPlotHost *host = Host())
            host->DoObjectClick(this);
    if (life.expired())
        return;
    FDataViewMouseDown = false;
    FMouseDownRight = false;
    FZoomBoxActive = false;
    InvalidateNow();
}

bool TiPlotDataView::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    if (InteractionMode() != Mode::AxesControl)
        return false;
    const bool shift = Shift.Contains(ssShift);
    bool lock = false;
    bool lockX = false;
    switch (FAxesControlWheelStyle) {
    case ipacsXAxis:
        lock = true;
        lockX = !shift;
        break;
    case ipacsYAxis:
        lock = true;
        lockX = shift;
        break;
    case ipacsBoth: break;
    case ipacsNone: return false;
    }
    const TiPlotMasterManager *master = PlotMaster();
    if (!(lock && !lockX))
        ForAxes(Axes(true), master, [&](TiPlotAxis *Axis) { Axis->DoMouseWheel(WheelDelta, Shift, X, Y); });
    if (!(lock && lockX))
        ForAxes(Axes(false), master, [&](TiPlotAxis *Axis) { Axis->DoMouseWheel(WheelDelta, Shift, X, Y); });
    return true;
}

TCursor TiPlotDataView::GetMouseCursor(TPoint Point)
{
    TCursor cursor = inherited::GetMouseCursor(Point);
    if (!FMouseOverObject || FMouseOverObject == this) {
        switch (InteractionMode()) {
        case Mode::ZoomBox: cursor = crDrag; break;
        case Mode::AxesControl: cursor = crHandPoint; break;
        case Mode::None:
        case Mode::Select: cursor = crDefault; break;
        }
    }
    if (TiPlotHost *host = Host())
        host->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotDataView::iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    const std::weak_ptr<char> life = Life();
    inherited::iKeyDown(CharCode, Shift, PopupMenu);
    if (life.expired() || CharCode != VK_ESCAPE)
        return;
    FZoomBoxActive = false;
    InvalidateNow();
}

void TiPlotDataView::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
