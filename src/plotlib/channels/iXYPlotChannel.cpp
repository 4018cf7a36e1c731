#include "plotlib/channels/iXYPlotChannel.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/base/iComponent.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/opc/iOPCItem.h"
#include "plotlib/opc/iOPCManager.h"
#include "plotlib/plot/iPlotDataView.h"

#include <algorithm>
#include <cmath>
#include <limits>

T_IMPLEMENT_CLASS(TiXYPlotChannel)
{
    DescribeChannelOPCProperties(b);
}

void TiXYPlotChannel::OPCActivate()
{
    if (FOPCItemManager->Designing())
        return;
    OPCDeactivate();
    FOPCManager->GroupClear();
    const QString group = OPCOwnGroupName();
    TiOPCItem *first = OPCItem(0);
    FOPCManager->GroupAdd(group, first->ComputerName(), first->ServerName(), first->UpdateRate());
    first->SetGroupName(group);
    OPCItem(1)->SetGroupName(group);
    first->Activate();
    OPCItem(1)->Activate();
}

void TiXYPlotChannel::OPCActivateSuspend()
{
    OPCActivate();
    OPCUpdateSuspend();
}

void TiXYPlotChannel::OPCDeactivate()
{
    OPCItem(0)->Deactivate();
    OPCItem(1)->Deactivate();
}

void TiXYPlotChannel::OPCUpdateSuspend()
{
    if (FOPCManager->GroupCount() > 0)
        FOPCManager->Groups(0)->Suspend();
}

void TiXYPlotChannel::OPCUpdateResume()
{
    if (FOPCManager->GroupCount() > 0)
        FOPCManager->Groups(0)->Resume();
}

void TiXYPlotChannel::OPCAfterGroupUpdate()
{
    AddXY(OPCValueToDouble(OPCItem(0)->Data()), OPCValueToDouble(OPCItem(1)->Data()));
}

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

template <class ExtentOf, class Pick>
double TiXYPlotChannel::ZoomScan(double Neutral, ExtentOf extent, Pick pick)
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

void TiXYPlotChannel::UpdateDataCursor(TiPlotDataCursor *Cursor)
{
    double x = 0;
    double y = 0;
    if (HasAxes()) {
        const double p1 = Cursor->Pointer1Position();
        const double p2 = Cursor->Pointer2Position();
        double x1 = FXAxis->PercentToPosition(p1 / 100);
        double x2 = FXAxis->PercentToPosition(p2 / 100);
        double y1 = FYAxis->PercentToPosition(p1 / 100);
        double y2 = FYAxis->PercentToPosition(p2 / 100);
        if (TiPlotDataView *view = Cursor->DataView()) {
            // An axis over part of the data view: the pointers' pixels through the data view.
            if (FXAxis->StartPercent() != 0 && FXAxis->StopPercent() != 100) {
                x1 = FXAxis->PixelsToPosition(view->PositionPercentToPixelsX(p1));
                x2 = FXAxis->PixelsToPosition(view->PositionPercentToPixelsX(p2));
            }
            if (FYAxis->StartPercent() != 0 && FYAxis->StopPercent() != 100) {
                y1 = FYAxis->PixelsToPosition(view->PositionPercentToPixelsY(p1));
                y2 = FYAxis->PixelsToPosition(view->PositionPercentToPixelsY(p2));
            }
        }
        switch (Cursor->Style()) {
        case ipcsValueXY:
            x = x1;
            y = y2;
            break;
        case ipcsValueX: x = x1; break;
        case ipcsValueY: y = y2; break;
        case ipcsDeltaX: x = std::abs(x1 - x2); break;
        case ipcsDeltaY: y = std::abs(y1 - y2); break;
        case ipcsInverseDeltaX: {
            const double scaler = FXAxis->CursorScaler();
            x = x1 == x2 || scaler == 0 ? std::numeric_limits<double>::infinity() : std::abs(1 / (scaler * (x1 - x2)));
            break;
        }
        }
    }
    Cursor->SetValues(ipdpsValid, y, x);
    Cursor->SetCursorDisplayText(FormatDataCursorText(Cursor->Style(), ipdpsValid, x, y));
}
