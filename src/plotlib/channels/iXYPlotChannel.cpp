#include "plotlib/channels/iXYPlotChannel.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"

#include <algorithm>
#include <cmath>
#include <limits>

T_IMPLEMENT_CLASS(TiXYPlotChannel) {}

int TiXYPlotChannel::AddNull()
{
    const int index = FDataList->Add(0, 0, true, false);
    DoChange();
    return index;
}

int TiXYPlotChannel::AddEmpty()
{
    const int index = FDataList->Add(0, 0, false, true);
    DoChange();
    return index;
}

void TiXYPlotChannel::UpdateCanDraw(TCanvas *)
{
    FCanDraw = false;
    if (HasAxes() && FVisible && Count() > 0) {
        CalcStartIndex();
        CalcStopIndex();
        FCanDraw = FStartIndex != -1 && FStopIndex != -1;
    }
}

void TiXYPlotChannel::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (FClipToAxes && HasAxes()) {
        const int x1 = FXAxis->MinPixels(), x2 = FXAxis->MaxPixels();
        const int y1 = FYAxis->MinPixels(), y2 = FYAxis->MaxPixels();
        TRect r;
        iOrientedRect(FXYAxesReversed, x1, y1, x2, y2, r);
        Canvas->IntersectClipRect(r);
    }
    DrawTrace(Canvas, FXYAxesReversed, BackGroundColor);
    DrawMarkers(Canvas, FXYAxesReversed, BackGroundColor);
}

bool TiXYPlotChannel::ZoomRange()
{
    CalcStartIndex();
    CalcStopIndex();
    return HasAxes() && FVisible && FStartIndex != -1 && FStopIndex != -1;
}

template <class Extent, class Pick>
double TiXYPlotChannel::ZoomScan(double Neutral, Extent extent, Pick pick)
{
    double result = Neutral;
    if (!ZoomRange())
        return result;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (GetValid(i))
            result = pick(result, (this->*extent)(i));
    return result;
}

double TiXYPlotChannel::GetZoomXMax()
{
    return ZoomScan(-1e300, &TiXYPlotChannel::GetXMaxExtent, [](double a, double b) { return std::max(a, b); });
}

double TiXYPlotChannel::GetZoomXMin()
{
    return ZoomScan(1e300, &TiXYPlotChannel::GetXMinExtent, [](double a, double b) { return std::min(a, b); });
}

double TiXYPlotChannel::GetZoomYMax()
{
    return ZoomScan(-1e300, &TiXYPlotChannel::GetYMaxExtent, [](double a, double b) { return std::max(a, b); });
}

double TiXYPlotChannel::GetZoomYMin()
{
    return ZoomScan(1e300, &TiXYPlotChannel::GetYMinExtent, [](double a, double b) { return std::min(a, b); });
}

void TiXYPlotChannel::UpdateDataCursor(TiPlotDataCursor *)
{
}
