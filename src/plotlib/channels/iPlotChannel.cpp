#include "plotlib/channels/iPlotChannel.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/base/iClasses.h"
#include "plotlib/opc/iOPCItem.h"
#include "plotlib/opc/iOPCManager.h"
#include "plotlib/plot/iPlotDataView.h"

#include <algorithm>
#include <cmath>
#include <limits>

T_IMPLEMENT_CLASS(TiPlotChannel)
{
    using C = TiPlotChannel;
    b.Bool("FastDrawEnabled", &C::FastDrawEnabled, &C::SetFastDrawEnabled).Default(true);
    b.Bool("AllowOutOfOrderXValues", &C::AllowOutOfOrderXValues, &C::SetAllowOutOfOrderXValues).Default(true);
    b.Bool("DrawOutOfOrderXValues", &C::DrawOutOfOrderXValues, &C::SetDrawOutOfOrderXValues).Default(false);
    b.Bool("ResetStartTimeOnFirstDataPoint", &C::ResetStartTimeOnFirstDataPoint, &C::SetResetStartTimeOnFirstDataPoint)
        .Default(false);
    b.Enum("InterpolationStyle", &C::InterpolationStyle, &C::SetInterpolationStyle, iPlotInterpolationStyleNames)
        .Default(ipistStraightLine);
    b.Bool("FillEnabled", &C::FillEnabled, &C::SetFillEnabled).Default(false);
    b.Float("FillReference", &C::FillReference, &C::SetFillReference);
    b.Enum("FillStyle", &C::FillStyle, &C::SetFillStyle, BrushStyleNames).Default(bsSolid);
    b.Color("FillColor", &C::FillColor, &C::SetFillColor).Default(0);
    b.Bool("FillUseChannelColor", &C::FillUseChannelColor, &C::SetFillUseChannelColor).Default(true);
    b.Bool("DigitalEnabled", &C::DigitalEnabled, &C::SetDigitalEnabled).Default(false);
    b.Enum("DigitalReferenceStyle", &C::DigitalReferenceStyle, &C::SetDigitalReferenceStyle,
           iPlotDigitalReferenceStyleNames)
        .Default(ipdrScale);
    b.Float("DigitalReferenceLow", &C::DigitalReferenceLow, &C::SetDigitalReferenceLow);
    b.Float("DigitalReferenceHigh", &C::DigitalReferenceHigh, &C::SetDigitalReferenceHigh);
    b.Enum("HighLowStyle", &C::HighLowStyle, &C::SetHighLowStyle, iPlotHighLowStyleNames).Default(iphlsOpenClose);
    b.Bool("HighLowEnabled", &C::HighLowEnabled, &C::SetHighLowEnabled).Default(false);
    // Always stored: the initial value differs from the value older forms left out as default,
    // so leaving one out would reload as a different colour.
    b.Color("HighLowBarColor", &C::HighLowBarColor, &C::SetHighLowBarColor);
    b.Float("HighLowBarWidth", &C::HighLowBarWidth, &C::SetHighLowBarWidth);
    b.Bool("HighLowOpenShow", &C::HighLowOpenShow, &C::SetHighLowOpenShow).Default(true);
    b.Color("HighLowOpenColor", &C::HighLowOpenColor, &C::SetHighLowOpenColor);
    b.Float("HighLowOpenWidth", &C::HighLowOpenWidth, &C::SetHighLowOpenWidth);
    b.Float("HighLowOpenHeight", &C::HighLowOpenHeight, &C::SetHighLowOpenHeight);
    b.Bool("HighLowCloseShow", &C::HighLowCloseShow, &C::SetHighLowCloseShow).Default(true);
    b.Color("HighLowCloseColor", &C::HighLowCloseColor, &C::SetHighLowCloseColor).Default(255);
    b.Float("HighLowCloseWidth", &C::HighLowCloseWidth, &C::SetHighLowCloseWidth);
    b.Float("HighLowCloseHeight", &C::HighLowCloseHeight, &C::SetHighLowCloseHeight);
    b.Color("HighLowShadowColor", &C::HighLowShadowColor, &C::SetHighLowShadowColor).Default(8421504);
    b.Color("HighLowBullishColor", &C::HighLowBullishColor, &C::SetHighLowBullishColor).Default(16777215);
    b.Color("HighLowBearishColor", &C::HighLowBearishColor, &C::SetHighLowBearishColor).Default(8421504);
    b.Bool("BarEnabled", &C::BarEnabled, &C::SetBarEnabled).Default(false);
    b.Bool("BarPenUseChannelColor", &C::BarPenUseChannelColor, &C::SetBarPenUseChannelColor).Default(true);
    b.Bool("BarBrushUseChannelColor", &C::BarBrushUseChannelColor, &C::SetBarBrushUseChannelColor).Default(true);
    b.Float("BarReference", &C::BarReference, &C::SetBarReference);
    b.Float("BarWidth", &C::BarWidth, &C::SetBarWidth);
    b.Color("BarPenColor", &C::BarPenColor, &C::SetBarPenColor).Default(255);
    b.Int("BarPenWidth", &C::BarPenWidth, &C::SetBarPenWidth).Default(0);
    b.Enum("BarPenStyle", &C::BarPenStyle, &C::SetBarPenStyle, PenStyleNames).Default(psSolid);
    b.Color("BarBrushColor", &C::BarBrushColor, &C::SetBarBrushColor).Default(255);
    b.Enum("BarBrushStyle", &C::BarBrushStyle, &C::SetBarBrushStyle, BrushStyleNames).Default(bsSolid);
    b.Str("OPCGroupName", &C::OPCGroupName, &C::SetOPCGroupName);
    DescribeChannelOPCProperties(b);
    b.Enum("OPCXValueSource", &C::OPCXValueSource, &C::SetOPCXValueSource, iOPCXValueSourceStyleNames)
        .Default(iopcxvsOPCServerTimeStamp);
}

TiPlotChannel::TiPlotChannel(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FElapsedStartTime(Now())
{
    FDataList->SetStoredBarWidth(5.0);
    FDataList->SetStoredBarPenColor(255);
    FDataList->SetStoredBarBrushColor(255);
}

// ---- Adding -----------------------------------------------------------------------------------------------

void TiPlotChannel::ResetElapsedStartTime()
{
    FElapsedStartTime = Now();
}

void TiPlotChannel::ApplyStartTimeRule()
{
    if (FResetStartTimeOnFirstDataPoint && Count() == 0)
        ResetElapsedStartTime();
}

void TiPlotChannel::CheckXOrder(double X) const
{
    if (FAllowOutOfOrderXValues || Count() <= 1)
        return;
    const double last = GetX(Count() - 1);
    if (GetX(1) >= GetX(0)) {
        if (last > X)
            throw Exception(QStringLiteral("New Data-Point X-Value is out of order"));
    } else if (!(last >= X)) {
        throw Exception(QStringLiteral("New Data-Point X-Value is out of order."));
    }
}

int TiPlotChannel::AddXY(double X, double Y)
{
    ApplyStartTimeRule();
    CheckXOrder(X);
    return AddPoint(false, false, X, Y);
}

int TiPlotChannel::AddXNull(double X)
{
    ApplyStartTimeRule();
    CheckXOrder(X);
    return AddPoint(true, false, X, 0);
}

int TiPlotChannel::AddXEmpty(double X)
{
    ApplyStartTimeRule();
    CheckXOrder(X);
    return AddPoint(false, true, X, 0);
}

int TiPlotChannel::AddHighLow(double X, double High, double Low, double Open, double Close)
{
    ApplyStartTimeRule();
    CheckXOrder(X);
    const int index = FDataList->Add(X, 0, false, false);
    const int logical = Count() - 1;
    FDataList->SetHigh(logical, High);
    FDataList->SetLow(logical, Low);
    FDataList->SetOpen(logical, Open);
    FDataList->SetClose(logical, Close);
    if (FXAxisTrackingEnabled && XAxis())
        FXAxis->NewTrackingData(X);
    if (FYAxisTrackingEnabled && YAxis())
        for (double value : {High, Low, Open, Close})
            FYAxis->NewTrackingData(value);
    DoChange();
    return index;
}

int TiPlotChannel::AddYNow(double Y)
{
    ApplyStartTimeRule();
    return AddPoint(false, false, Now(), Y);
}

int TiPlotChannel::AddYElapsedTime(double Y)
{
    ApplyStartTimeRule();
    return AddPoint(false, false, Now() - FElapsedStartTime, Y);
}

int TiPlotChannel::AddYElapsedSeconds(double Y)
{
    ApplyStartTimeRule();
    return AddPoint(false, false, (Now() - FElapsedStartTime) * 60 * 60 * 24, Y);
}

void TiPlotChannel::AddYArray(const TiVariantArray &YData, double XInterval)
{
    if (YData.Bounds.size() != 1)
        throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    ApplyStartTimeRule();
    const double x0 = Count() > 0 ? GetX(Count() - 1) : 0.0;
    const auto [low, high] = YData.Bounds[0];
    for (int k = low; k <= high; ++k) {
        const double y = TiVariantArray::ToDouble(YData.Elements.at(static_cast<std::size_t>(k - low)));
        AddPoint(false, false, (k - low) * XInterval + x0, y);
    }
}

// ---- OPC feed ---------------------------------------------------------------------------------------------

void TiPlotChannel::OPCActivate()
{
    if (FOPCItemManager->Designing())
        return;
    TiOPCItem *first = OPCItem(0);
    TiOPCItem *second = OPCItem(1);
    first->Deactivate();
    second->Deactivate();
    if (FOPCXValueSource != iopcxvsOPCItem) {
        first->Activate();
        return;
    }
    FOPCManager->GroupClear();
    if (FOPCManager->GetGroupIndex(first->GroupName()) == -1 && !Trim(first->ServerName()).isEmpty()) {
        const QString group = OPCOwnGroupName();
        FOPCManager->GroupAdd(group, first->ComputerName(), first->ServerName(), first->UpdateRate());
        first->SetGroupName(group);
    }
    second->SetGroupName(first->GroupName());
    first->Activate();
    second->Activate();
}

void TiPlotChannel::OPCActivateSuspend()
{
    OPCItem(0)->ActivateSuspend();
}

void TiPlotChannel::OPCDeactivate()
{
    OPCItem(0)->Deactivate();
}

void TiPlotChannel::OPCUpdateSuspend()
{
    OPCItem(0)->UpdateSuspend();
}

void TiPlotChannel::OPCUpdateResume()
{
    OPCItem(0)->UpdateResume();
}

void TiPlotChannel::OPCNewData(TiOPCItem *Item)
{
    const double y = OPCValueToDouble(Item->Data());
    switch (FOPCXValueSource) {
    case iopcxvsOPCServerTimeStamp: AddPoint(false, false, Item->TimeStamp(), y); break;
    case iopcxvsSystemTimeStamp: AddPoint(false, false, Now(), y); break;
    case iopcxvsElapsedTime: AddYElapsedTime(y); break;
    case iopcxvsElapsedSeconds: AddYElapsedSeconds(y); break;
    case iopcxvsOPCItem: break;
    }
}

void TiPlotChannel::OPCAfterGroupUpdate()
{
    AddXY(OPCValueToDouble(OPCItem(0)->Data()), OPCValueToDouble(OPCItem(1)->Data()));
}

// ---- Looking up -------------------------------------------------------------------------------------------

void TiPlotChannel::UpdateXDirection()
{
    FXIncreasing = Count() < 3 || GetX(1) >= GetX(0);
}

int TiPlotChannel::FindIndexIncreasing(double X) const
{
    int lo = 0, hi = Count() - 1, result = -1;
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        result = mid;
        const double value = GetX(mid);
        if (value == X)
            break;
        if (X < value)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return result;
}

int TiPlotChannel::FindIndexDecreasing(double X) const
{
    int lo = 0, hi = Count() - 1, result = -1;
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        result = mid;
        const double value = GetX(mid);
        if (value == X)
            break;
        if (X < value)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return result;
}

int TiPlotChannel::CalcIndex(double TargetValue)
{
    if (!XAxis() || Count() == 0)
        return -1;
    const int last = Count() - 1;
    int i = 0;
    if (FXIncreasing) {
        if (GetX(0) > TargetValue || TargetValue > GetX(last))
            return -1;
        i = FindIndexIncreasing(TargetValue);
        if (TargetValue > GetX(i))
            ++i;
    } else {
        if (GetX(0) < TargetValue || TargetValue < GetX(last))
            return -1;
        i = FindIndexDecreasing(TargetValue);
        if (TargetValue > GetX(i))
            --i;
    }
    return std::clamp(i, 0, last);
}

bool TiPlotChannel::GetYInterpolated(double XValue, double &YValue)
{
    if (Count() > 0) {
        if (GetValid(0) && GetX(0) == XValue) {
            YValue = GetY(0);
            return true;
        }
        const int last = Count() - 1;
        if (GetValid(last) && GetX(last) == XValue) {
            YValue = GetY(last);
            return true;
        }
    }
    YValue = 0;
    const int i = CalcIndex(XValue);
    if (i == -1)
        return false;
    const int n = FXIncreasing ? i - 1 : i + 1;
    if (n < 0 || n >= Count())
        return false;
    if (FDigitalEnabled) {
        YValue = GetY(n);
        return true;
    }
    if (GetX(i) == XValue) {
        YValue = GetY(i);
        return true;
    }
    if (i <= 0 || GetNull(i) || GetNull(n))
        return false;
    const int pixelI = FXAxis->PositionToPixels(GetX(i));
    const int dA = FXAxis->PositionToPixels(GetX(n)) - pixelI;
    const int dX = FXAxis->PositionToPixels(XValue) - pixelI;
    YValue = dA == 0 || dX == 0 ? GetY(i) : GetY(i) + (GetY(n) - GetY(i)) * dX / dA;
    return true;
}

// ---- Draw range and zoom ----------------------------------------------------------------------------------

void TiPlotChannel::CalcStartIndex()
{
    FStartIndex = -1;
    if (!XAxis() || Count() == 0)
        return;
    const int last = Count() - 1;
    int start = 0;
    if (FDrawOutOfOrderXValues) {
        start = last;
        for (int i = 0; i <= last; ++i)
            if (FXAxis->PointOnScale(GetX(i))) {
                start = i;
                break;
            }
        --start;
    } else if (FXIncreasing) {
        start = FindIndexIncreasing(FXAxis->Min());
        if (!(FXAxis->Min() >= GetX(start)))
            --start;
    } else {
        start = FindIndexDecreasing(FXAxis->Max());
        if (FXAxis->Max() > GetX(start))
            --start;
    }
    FStartIndex = std::clamp(start, 0, last);
}

void TiPlotChannel::CalcStopIndex()
{
    FStopIndex = -1;
    if (!XAxis() || Count() == 0)
        return;
    const int last = Count() - 1;
    int stop = 0;
    if (FDrawOutOfOrderXValues) {
        stop = -1;
        for (int i = last; i >= 0; --i)
            if (FXAxis->PointOnScale(GetX(i))) {
                stop = i;
                break;
            }
        if (stop != -1)
            ++stop;
    } else if (FXIncreasing) {
        stop = FindIndexIncreasing(FXAxis->Max());
        if (FXAxis->Max() > GetX(stop))
            ++stop;
    } else {
        stop = FindIndexDecreasing(FXAxis->Min());
        if (!(FXAxis->Min() >= GetX(stop)))
            ++stop;
    }
    FStopIndex = std::clamp(stop, 0, last);
}

double TiPlotChannel::GetZoomXMax()
{
    UpdateXDirection();
    if (!HasAxes() || !FVisible)
        return -1e300;
    if (FXIncreasing) {
        for (int i = Count() - 1; i >= 0; --i)
            if (GetValid(i))
                return GetXMaxExtent(i);
    } else {
        for (int i = 0; i < Count(); ++i)
            if (GetValid(i))
                return GetXMaxExtent(i);
    }
    return -1e300;
}

double TiPlotChannel::GetZoomXMin()
{
    UpdateXDirection();
    if (!HasAxes() || !FVisible)
        return 1e300;
    if (FXIncreasing) {
        for (int i = 0; i < Count(); ++i)
            if (GetValid(i))
                return GetXMinExtent(i);
    } else {
        for (int i = Count() - 1; i >= 0; --i)
            if (GetValid(i))
                return GetXMinExtent(i);
    }
    return 1e300;
}

double TiPlotChannel::GetZoomYMax()
{
    double result = -1e300;
    if (!HasAxes() || !FVisible)
        return result;
    CalcStartIndex();
    CalcStopIndex();
    if (FStartIndex == -1 || FStopIndex == -1)
        return result;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (GetValid(i))
            result = std::max(result, GetYMaxExtent(i));
    return result;
}

double TiPlotChannel::GetZoomYMin()
{
    double result = 1e300;
    if (!HasAxes() || !FVisible)
        return result;
    CalcStartIndex();
    CalcStopIndex();
    if (FStartIndex == -1 || FStopIndex == -1)
        return result;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (GetValid(i))
            result = std::min(result, GetYMinExtent(i));
    return result;
}

// ---- Data cursor ------------------------------------------------------------------------------------------

TiPlotDataPointStatus TiPlotChannel::GetCursorYValue(double X, double &Y)
{
    Y = 0;
    if (Count() == 0)
        return ipdpsEmpty;
    if (X == XFirst() && GetValid(IndexFirst())) {
        Y = GetY(IndexFirst());
        return ipdpsValid;
    }
    if (X == XLast() && GetValid(IndexLast())) {
        Y = GetY(IndexLast());
        return ipdpsValid;
    }
    const TiPlotInterpolationStyle style = FDigitalEnabled ? ipistStraightLine : FInterpolationStyle;
    switch (style) {
    case ipistStraightLine: return GetYInterpolated(X, Y) ? ipdpsValid : ipdpsEmpty;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: {
        // The curve as the last paint drew it.
        const int column = FXAxis->PositionToPixels(X);
        if ((FPixelListStart == 0 && FPixelListStop == 0) || column < FPixelListStart || column > FPixelListStop ||
            X < XFirst() || X > XLast())
            return ipdpsEmpty;
        const std::size_t at = static_cast<std::size_t>(column - FPixelListStart);
        if (at >= FPixelList.size())
            return ipdpsEmpty;
        if (FPixelList[at].Null)
            return ipdpsNull;
        Y = FPixelList[at].YValue;
        return ipdpsValid;
    }
    case ipistDifferential:
    case ipistDifferentialTerminated: {
        const int before = CalcIndex(X) - 1;
        if (before >= 0) {
            Y = GetY(before);
            return ipdpsValid;
        }
        if (style == ipistDifferential && GetValid(IndexLast()) && X > XLast()) {
            Y = YLast();
            return ipdpsValid;
        }
        return ipdpsEmpty;
    }
    }
    return ipdpsEmpty;
}

void TiPlotChannel::UpdateDataCursor(TiPlotDataCursor *Cursor)
{
    if (!HasAxes() || !Cursor->DataView())
        return;
    TiPlotDataView *view = Cursor->DataView();
    const double x1 = FXAxis->PixelsToPosition(view->PositionPercentToPixelsX(Cursor->Pointer1Position()));
    const double x2 = FXAxis->PixelsToPosition(view->PositionPercentToPixelsX(Cursor->Pointer2Position()));
    const double y1 = FYAxis->PixelsToPosition(view->PositionPercentToPixelsY(Cursor->Pointer1Position()));
    const double y2 = FYAxis->PixelsToPosition(view->PositionPercentToPixelsY(Cursor->Pointer2Position()));
    const double scaler = FXAxis->CursorScaler();
    TiPlotDataPointStatus status = ipdpsValid;
    double x = 0;
    double y = 0;
    switch (Cursor->Style()) {
    case ipcsValueXY:
    case ipcsValueX:
    case ipcsValueY:
        x = x1;
        status = GetCursorYValue(x, y);
        break;
    case ipcsDeltaX: x = std::abs(x1 - x2) * scaler; break;
    case ipcsDeltaY: y = std::abs(y1 - y2) * scaler; break;
    case ipcsInverseDeltaX: {
        const double d = std::abs(x1 - x2);
        x = d != 0 && scaler != 0 ? 1 / (d * scaler) : std::numeric_limits<double>::infinity();
        break;
    }
    }
    Cursor->SetValues(status, y, x);
    QString text = FormatDataCursorText(Cursor->Style(), status, x, y);
    // A digital channel reads its level as a word.
    if (FDigitalEnabled && status == ipdpsValid && XAxis() && YAxis() &&
        (Cursor->Style() == ipcsValueXY || Cursor->Style() == ipcsValueY)) {
        FDataCursorYText = TranslateText(y != 0 ? QStringLiteral("High") : QStringLiteral("Low"));
        text = Cursor->Style() == ipcsValueXY ? FDataCursorXText + QStringLiteral(", ") + FDataCursorYText
                                              : FDataCursorYText;
    }
    Cursor->SetCursorDisplayText(text);
}
