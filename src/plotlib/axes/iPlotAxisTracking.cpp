// TiPlotAxis: following the channels' data (tracking), the zoom and scroll arithmetic that the
// mouse, the wheel, the keys, the toolbar and the zoom box share, and the partner axes of
// cartesian and aligned layouts.

#include "plotlib/axes/iPlotAxis.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/axes/iPlotMath.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <cmath>

// ---- Tracking switch and resume values ----------------------------------------------------------

void TiPlotAxis::SetTrackingEnabled(bool Value)
{
    if (FTrackingEnabled == Value)
        return;
    FTrackingEnabled = Value;
    if (FRestoreValuesOnResume) {
        if (Value) {
            SetMinSpan(FPreviousMin, FPreviousSpan);
            FLabelsMinLength = FPreviousLabelsMinLength;
        } else {
            UpdateResumeValues();
        }
    }
    DoChange();
}

void TiPlotAxis::UpdateResumeValues()
{
    FPreviousMin = FMin;
    FPreviousSpan = FSpan;
    FPreviousLabelsMinLength = FLabelsMinLength;
}

void TiPlotAxis::ResetFirstAlign()
{
    FFirstAlignDone = false;
}

// ---- Following new values -----------------------------------------------------------------------

void TiPlotAxis::NewTrackingData(double Value)
{
    if (!FTrackingEnabled)
        return;
    const double m = FMin;
    const double s = FSpan;
    const double x = Max();
    double newMin = m;
    double newSpan = s;

    // The first value only places the scale.
    if (!FFirstAlignDone) {
        FFirstAlignDone = true;
        switch (FTrackingAlignFirstStyle) {
        case ipafsMin: newMin = Value; break;
        case ipafsMax: newMin = Value - s; break;
        case ipafsAuto: newMin = Value < m || Value > x ? Value : m; break;
        case ipafsNone: return;
        }
        SetMinSpan(newMin, s);
        return;
    }

    switch (FTrackingStyle) {
    case iptsScaleMinMax:
        if (Value > m + s)
            newSpan = Value - m;
        // The span stays: the upper end moves down with the new minimum.
        if (Value < m)
            newMin = Value;
        SetMinSpan(newMin, newSpan);
        AlignToTrackingIncrement();
        break;
    case iptsScaleMax:
        if (Value > x) {
            SetMinSpan(m, Value - x + s);
            AlignToTrackingIncrement();
        }
        break;
    case iptsScaleMin:
        if (Value < m) {
            SetMinSpan(Value, x - Value);
            AlignToTrackingIncrement();
        }
        break;
    case iptsScrollSmooth:
    case iptsScrollPage: {
        const bool above = Value > m + s;
        // The span grows to take the value in until it has passed the compress maximum, and is
        // held at it from then on.
        if (above && FTrackingScrollCompressMax != 0) {
            if (Value - m > s)
                newSpan = Value - m;
            if (s > FTrackingScrollCompressMax)
                newSpan = FTrackingScrollCompressMax;
        }
        if (FTrackingStyle == iptsScrollSmooth) {
            if (above)
                newMin = Value - newSpan;
            else if (Value < m)
                newMin = Value;
        } else {
            // One page per value, however far it lies beyond.
            if (above)
                newMin = m + newSpan;
            else if (Value < m)
                newMin = m - newSpan;
        }
        SetMinSpan(newMin, newSpan);
        break;
    }
    case iptsExpandCollapse:
        ZoomToFit();
        AlignToTrackingIncrement();
        break;
    case iptsExpandCollapseFast:
        ZoomToFitFast();
        AlignToTrackingIncrement();
        break;
    case iptsExpandMinMax:
        if (Value > x) {
            newSpan = s + (Value - x);
        } else if (Value < m) {
            newSpan = (m - Value) + s;
            newMin = Value;
        }
        SetMinSpan(newMin, newSpan);
        AlignToTrackingIncrement();
        break;
    }

    // The margins and the span minimum hold for every style, on the scale as it now stands.
    if (FTrackingSpanMinimum != 0 && FSpan < FTrackingSpanMinimum)
        SetMinSpan(Mid() - FTrackingSpanMinimum / 2, FTrackingSpanMinimum);
    if (FTrackingMinMargin != 0 && FMin + FTrackingMinMargin > Value)
        SetMinSpan(FMin - (FMin + FTrackingMinMargin - Value), FSpan);
    if (FTrackingMaxMargin != 0 && Value > Max() - FTrackingMaxMargin)
        SetMinSpan(FMin, FSpan + Value - (Max() - FTrackingMaxMargin));
}

void TiPlotAxis::AlignToTrackingIncrement()
{
    if (FTrackingIncrementStyle == iptisMinimum)
        return;
    const double increment = FTrackingIncrementStyle == iptisMajor ? FMajorIncrement : FMinorIncrement;
    // No tick computation has given an increment yet: the next value after a paint aligns.
    if (!(std::isfinite(increment) && increment > 0))
        return;
    const double m0 = FMin;
    const double x0 = Max();
    auto multiple = [increment](double Value) {
        const double steps = Value / increment;
        return steps == std::trunc(steps) ? Value : std::trunc(steps) * increment;
    };
    double x1 = multiple(x0);
    double m1 = multiple(m0);
    if (x1 < x0)
        x1 += increment;
    if (m1 > m0)
        m1 -= increment;
    if (m1 != m0 || x1 != x0)
        SetMinSpan(m1, x1 - m1);
}

// ---- Zooming and scrolling ----------------------------------------------------------------------

void TiPlotAxis::Zoom(double Value)
{
    if (FScaleType == ipstLog10) {
        SetMinSpan(FMin / Power(10, Value), FSpan * Power(10, Value));
        return;
    }
    if (!(Value > 0))
        throw Exception(QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
    const double newSpan = Value * FSpan;
    SetMinSpan((Max() + FMin) / 2 - newSpan / 2, newSpan);
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

void TiPlotAxis::ZoomToRect(const TRect &Rect)
{
    int p1 = Horizontal() ? Rect.Left : Rect.Bottom;
    int p2 = Horizontal() ? Rect.Right : Rect.Top;
    if (FReverseScale)
        std::swap(p1, p2);
    const double newMin = PixelsToPosition(p1);
    SetMinSpan(newMin, PixelsToPosition(p2) - newMin);
}

// ---- Fitting the channels' data -----------------------------------------------------------------

void TiPlotAxis::FitTo(double Largest, double Smallest, bool UseSpanMinimum)
{
    if (!(Largest > -1e299 && Smallest < 1e299 && Largest != Smallest))
        return;
    double d = Largest - Smallest;
    if (UseSpanMinimum && FTrackingSpanMinimum != 0 && d < FTrackingSpanMinimum)
        d = FTrackingSpanMinimum;
    SetMinSpan(Smallest - FTrackingMinMargin, d + FTrackingMaxMargin + FTrackingMinMargin);
}

namespace {

// Runs Visit on every channel of the axis's plot that is drawn against an axis named Name.
template <class V>
void ForChannelsOf(const TiPlotMasterManager *Master, const QString &Name, bool XKind, V Visit)
{
    const TiPlotChannelManager *channels = Master ? Master->ChannelManager() : nullptr;
    if (!channels)
        return;
    for (int i = 0; i < channels->Count(); ++i) {
        TiPlotChannelCustom *channel = channels->Items(i);
        if (SameText(XKind ? channel->XAxisName() : channel->YAxisName(), Name))
            Visit(channel);
    }
}

}  // namespace

void TiPlotAxis::ZoomToFit()
{
    const bool x = IsXAxis();
    double largest = -1e300;
    double smallest = 1e300;
    ForChannelsOf(PlotMaster(), FName, x, [&](TiPlotChannelCustom *Channel) {
        largest = std::max(largest, x ? Channel->GetZoomXMax() : Channel->GetZoomYMax());
        smallest = std::min(smallest, x ? Channel->GetZoomXMin() : Channel->GetZoomYMin());
    });
    FitTo(largest, smallest, true);
}

void TiPlotAxis::ZoomToFitFast()
{
    const bool x = IsXAxis();
    double largest = -1e300;
    double smallest = 1e300;
    ForChannelsOf(PlotMaster(), FName, x, [&](const TiPlotChannelCustom *Channel) {
        largest = std::max(largest, x ? Channel->RunningXMax() : Channel->RunningYMax());
        smallest = std::min(smallest, x ? Channel->RunningXMin() : Channel->RunningYMin());
    });
    FitTo(largest, smallest, false);
}

// ---- Partner axes -------------------------------------------------------------------------------

TiPlotAxis *TiPlotAxis::PlotAxisByName(const QString &Name, bool XKind) const
{
    const TiPlotMasterManager *master = PlotMaster();
    if (!master)
        return nullptr;
    const TiPlotObjectManagerCustom *manager =
        XKind ? static_cast<const TiPlotObjectManagerCustom *>(master->XAxisManager()) : master->YAxisManager();
    return manager ? static_cast<TiPlotAxis *>(manager->GetObjectByName(Name)) : nullptr;
}

TiPlotAxis *TiPlotAxis::GetCartesianRefAxis()
{
    if (!FCartesianRefAxis)
        FCartesianRefAxis = PlotAxisByName(FCartesianChildRefAxisName, !IsXAxis());
    return FCartesianRefAxis;
}

TiPlotAxis *TiPlotAxis::GetAlignRefAxis()
{
    if (!FAlignRefAxis)
        FAlignRefAxis = PlotAxisByName(FAlignRefAxisName, IsXAxis());
    return FAlignRefAxis;
}
