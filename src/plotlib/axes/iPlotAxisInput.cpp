// TiPlotAxis: the user's drags, wheel turns and keys that scroll and zoom the scale, the hint, the
// mouse cursor, the popup menu and the selection of several axes together.

#include "plotlib/axes/iPlotAxis.h"

#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/Menus.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotHost.h"

#include <cmath>

namespace {

// The scroll (or zoom) step of a key: Page Up and End one whole span up, Page Down and Home one
// down, the arrows a hundredth.
double KeyStep(WORD Key)
{
    switch (Key) {
    case VK_PRIOR:
    case VK_END: return 1;
    case VK_NEXT:
    case VK_HOME: return -1;
    case VK_UP:
    case VK_RIGHT: return 0.01;
    case VK_LEFT:
    case VK_DOWN: return -0.01;
    default: return 0;
    }
}

}  // namespace

// ---- User input ---------------------------------------------------------------------------------

TiPlotAxisMode TiPlotAxis::MouseMode(TShiftState Shift) const
{
    if (!Shift.Contains(ssCtrl))
        return FMode;
    return FMode == ipamScroll ? ipamZoom : ipamScroll;
}

void TiPlotAxis::ReportMinSpanFinished()
{
    if (FMin == FMouseDownMin && FSpan == FMouseDownSpan)
        return;
    if (TiPlotHost *host = Host())
        host->DoAxisMinSpanChangeFinished(this, FMouseDownMin, FMouseDownSpan, FMin, FSpan);
}

void TiPlotAxis::DoMouseLeft(const TiPlotMouseData &MouseData)
{
    if (FMasterUIInput)
        if (TiPlotHost *host = Host())
            host->ForwardAxisMouseLeft(this, MouseData);
    FDragActive = true;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    FMouseDownMin = FMin;
    FMouseDownSpan = FSpan;
}

void TiPlotAxis::DoMouseMove(const TiPlotMouseData &MouseData)
{
    if (FMasterUIInput)
        if (TiPlotHost *host = Host())
            host->ForwardAxisMouseMove(this, MouseData);
    if (!FDragActive || MouseData.DblClickActive)
        return;
    if (OnInvalidateNow)
        OnInvalidateNow(this);
    SetTrackingEnabled(false);
    int delta = 0;
    if (Horizontal())
        delta = FReverseScale ? FMouseDownX - MouseData.X : MouseData.X - FMouseDownX;
    else
        delta = FReverseScale ? MouseData.Y - FMouseDownY : FMouseDownY - MouseData.Y;
    const int length = GetScaleLength();
    const double fraction = length == 0 ? 0 : static_cast<double>(delta) / length;
    if (MouseMode(MouseData.Shift) == ipamScroll)
        ScrollBy(-fraction, FMin, FScaleType == ipstLog10 ? Max() : FSpan, Max());
    else
        ZoomBy(FScaleType == ipstLog10 ? fraction * 2 : fraction / 4, FMin, FSpan, Max());
    // Each move works on what the mouse travelled since the last one.
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
}

void TiPlotAxis::DoMouseUp(const TiPlotMouseData &MouseData)
{
    if (FMasterUIInput)
        if (TiPlotHost *host = Host())
            host->ForwardAxisMouseUp(this, MouseData);
    if (!FDragActive)
        return;
    FDragActive = false;
    if (iHitTest(MouseData))
        if (TiPlotHost *host = Host())
            host->DoObjectClick(this);
    ReportMinSpanFinished();
}

bool TiPlotAxis::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    if (FMasterUIInput)
        if (TiPlotHost *host = Host())
            host->ForwardAxisMouseWheel(this, WheelDelta, Shift, X, Y);
    if (WheelDelta == 0)
        return false;
    SetTrackingEnabled(false);
    const double sign = WheelDelta > 0 ? 1 : -1;
    const bool log = FScaleType == ipstLog10;
    if (MouseMode(Shift) == ipamScroll)
        ScrollBy(sign * 0.05, FMin, log ? Max() : FSpan, Max());
    else
        ZoomBy(sign * (log ? 0.05 : 0.025), FMin, FSpan, Max());
    return true;
}

void TiPlotAxis::iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    const std::weak_ptr<char> life = Life();
    if (FMasterUIInput)
        if (TiPlotHost *host = Host())
            host->ForwardAxisKeyDown(this, CharCode, Shift);
    // The popup menu the base may open can free the axis.
    inherited::iKeyDown(CharCode, Shift, PopupMenu);
    if (life.expired())
        return;
    SetTrackingEnabled(false);
    FMouseDownMin = FMin;
    FMouseDownSpan = FSpan;
    const double step = KeyStep(CharCode);
    if (step != 0) {
        if (OnInvalidateNow)
            OnInvalidateNow(this);
        if (FMode == ipamScroll)
            ScrollBy(step, FMin, FScaleType == ipstLog10 ? Max() : FSpan, Max());
        else
            ZoomBy(step, FMin, FSpan, Max());
    }
    ReportMinSpanFinished();
}

// ---- Hint and cursor ----------------------------------------------------------------------------

void TiPlotAxis::DoMouseHint(const TiPlotMouseData &MouseData, TiHintData &HintData)
{
    // The title stands in for a title the band does not show.
    if (!FTitleShow) {
        HintData.Text = FTitle;
        HintData.Left = MouseData.X;
        HintData.Top = MouseData.Y - 20;
        if (auto *control = dynamic_cast<TCustomControl *>(FOwner)) {
            HintData.Width = control->Canvas()->TextWidth(FTitle) + 4;
            HintData.Height = control->Canvas()->TextHeight(FTitle) + 4;
        }
    }
    if (TiPlotHost *host = Host())
        host->DoAxisCustomizeHint(this, HintData);
}

TCursor TiPlotAxis::GetMouseCursor(TPoint)
{
    TCursor cursor = crDefault;
    if (FMode == ipamScroll)
        cursor = crHandPoint;
    else if (FMode == ipamZoom)
        cursor = Horizontal() ? crSizeWE : crSizeNS;
    if (TiPlotHost *host = Host())
        host->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

// ---- Popup menu and selection -------------------------------------------------------------------

void TiPlotAxis::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
    TiMenuItem *tracking = AddObjectMenuItem(
        PopupMenu, TranslateText(QStringLiteral("Tracking Enabled")),
        [this](TiMenuItem *) { SetTrackingEnabled(!FTrackingEnabled); }, nullptr, 0);
    tracking->SetChecked(FTrackingEnabled);
    TiMenuItem *resume = AddObjectMenuItem(
        PopupMenu, TranslateText(QStringLiteral("Update Resume Values")),
        [this](TiMenuItem *) { UpdateResumeValues(); }, nullptr, 1);
    resume->SetEnabled(!FTrackingEnabled && (FMin != FPreviousMin || FSpan != FPreviousSpan));
    AddObjectMenuItem(
        PopupMenu, TranslateText(QStringLiteral("Zoom to Fit")), [this](TiMenuItem *) { ZoomToFit(); }, nullptr, 2);
}

void TiPlotAxis::NotifySelected(TObject *AObject)
{
    const auto *other = dynamic_cast<const TiPlotObject *>(AObject);
    if (!other || other == this || !other->UserSelected())
        return;
    // Shift or Ctrl gathers several axes.
    if (dynamic_cast<const TiPlotAxis *>(other) && (iShiftDown() || iCtrlDown()))
        return;
    SetUserSelected(false);
}
