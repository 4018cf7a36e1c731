// TiPlotAxis: scrolling and zooming the scale, and the user's drags, wheel turns and keys that do it.

#include "plotlib/axes/iPlotAxis.h"

#include "plotlib/axes/iPlotMath.h"
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

// ---- Scrolling and zooming ----------------------------------------------------------------------

void TiPlotAxis::ScrollBy(double Fraction, double M, double B, double C)
{
    if (FScaleType == ipstLog10) {
        const double decades = Log10(C) - Log10(M);
        const double k = Power(10, Fraction * decades);
        double newMin = M * k;
        double newMax = C * k;
        if (FScrollMinMaxEnabled) {
            if (newMin <= FScrollMin) {
                newMin = FScrollMin;
                newMax = Power(10, decades) * FScrollMin;
            } else if (newMin + FSpan >= FScrollMax) {
                newMax = FScrollMax;
                newMin = FScrollMax / Power(10, decades);
            }
        }
        SetMinSpan(newMin, newMax - newMin);
        return;
    }
    double newMin = M + Fraction * B;
    if (FScrollMinMaxEnabled) {
        if (newMin <= FScrollMin)
            newMin = FScrollMin;
        else if (newMin + FSpan >= FScrollMax)
            newMin = FScrollMax - FSpan;
    }
    SetMinSpan(newMin, FSpan);
}

void TiPlotAxis::ZoomBy(double Exponent, double M, double S, double)
{
    if (FScaleType == ipstLog10) {
        SetMinSpan(M * Power(10, Exponent), S / Power(10, Exponent));
        return;
    }
    const double newSpan = S / Power(10, Exponent);
    SetMinSpan((Max() + FMin) / 2 - newSpan / 2, newSpan);
}

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
