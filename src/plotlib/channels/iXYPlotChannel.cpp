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
#include <type_traits>
#include <variant>

T_IMPLEMENT_CLASS(TiXYPlotChannel)
{
    using C = TiXYPlotChannel;
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

namespace {

double ToDouble(const TiOPCValue &Value)
{
    return std::visit(
        [](const auto &v) -> double {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::monostate>)
                return 0;
            else if constexpr (std::is_same_v<V, QString>)
                return v.toDouble();
            else
                return static_cast<double>(v);
        },
        Value.Value);
}

}  // namespace

TiXYPlotChannel::TiXYPlotChannel(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                 TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FOPCManager(std::make_unique<TiOPCManager>(nullptr))
{
    FOPCManager->OnAfterGroupUpdate = TGroupUpdateEvent(this, &TiXYPlotChannel::OPCDataArrived);
    FOPCItemManager =
        std::make_unique<TiOPCItemManager>(this, TOPCGetDesigningEvent(this, &TiXYPlotChannel::GetDesigning));
    for (int i = 0; i < 2; ++i)
        Item(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

TiXYPlotChannel::~TiXYPlotChannel()
{
    FOPCItemManager.reset();
    FOPCManager.reset();
}

TiOPCItem *TiXYPlotChannel::Item(int Index) const
{
    return FOPCItemManager->Items(Index);
}

void TiXYPlotChannel::GetDesigning(TObject *, bool &Designing)
{
    if (auto *plot = dynamic_cast<TiComponent *>(FOwner))
        Designing = plot->IsDesigning();
}

// clang-format off
QString TiXYPlotChannel::OPCComputerName() const { return Item(0)->ComputerName(); }
void TiXYPlotChannel::SetOPCComputerName(const QString &Value) { Item(0)->SetComputerName(Value); }
QString TiXYPlotChannel::OPCServerName() const { return Item(0)->ServerName(); }
void TiXYPlotChannel::SetOPCServerName(const QString &Value) { Item(0)->SetServerName(Value); }
QString TiXYPlotChannel::OPCItemName() const { return Item(0)->ItemName(); }
void TiXYPlotChannel::SetOPCItemName(const QString &Value) { Item(0)->SetItemName(Value); }
QString TiXYPlotChannel::OPCItem2Name() const { return Item(1)->ItemName(); }
void TiXYPlotChannel::SetOPCItem2Name(const QString &Value) { Item(1)->SetItemName(Value); }
int TiXYPlotChannel::OPCUpdateRate() const { return Item(0)->UpdateRate(); }
void TiXYPlotChannel::SetOPCUpdateRate(int Value) { Item(0)->SetUpdateRate(Value); }
double TiXYPlotChannel::OPCScalar() const { return Item(0)->Scalar(); }
void TiXYPlotChannel::SetOPCScalar(double Value) { Item(0)->SetScalar(Value); }
double TiXYPlotChannel::OPCOffset() const { return Item(0)->Offset(); }
void TiXYPlotChannel::SetOPCOffset(double Value) { Item(0)->SetOffset(Value); }
double TiXYPlotChannel::OPCScalar2() const { return Item(1)->Scalar(); }
void TiXYPlotChannel::SetOPCScalar2(double Value) { Item(1)->SetScalar(Value); }
double TiXYPlotChannel::OPCOffset2() const { return Item(1)->Offset(); }
void TiXYPlotChannel::SetOPCOffset2(double Value) { Item(1)->SetOffset(Value); }
bool TiXYPlotChannel::OPCAutoConnect() const { return Item(0)->AutoConnect(); }
void TiXYPlotChannel::SetOPCAutoConnect(bool Value) { Item(0)->SetAutoConnect(Value); }
bool TiXYPlotChannel::OPCActive() const { return Item(0)->Active(); }
bool TiXYPlotChannel::OPCQualityGood() const { return Item(0)->QualityGood(); }
// clang-format on

void TiXYPlotChannel::OPCActivate()
{
    if (FOPCItemManager->Designing())
        return;
    OPCDeactivate();
    FOPCManager->GroupClear();
    const QString group = QString::number(reinterpret_cast<quintptr>(FOPCManager.get()), 16).toUpper();
    FOPCManager->GroupAdd(group, Item(0)->ComputerName(), Item(0)->ServerName(), Item(0)->UpdateRate());
    Item(0)->SetGroupName(group);
    Item(1)->SetGroupName(group);
    Item(0)->Activate();
    Item(1)->Activate();
}

void TiXYPlotChannel::OPCActivateSuspend()
{
    OPCActivate();
    OPCUpdateSuspend();
}

void TiXYPlotChannel::OPCDeactivate()
{
    Item(0)->Deactivate();
    Item(1)->Deactivate();
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

void TiXYPlotChannel::OPCDataArrived(TObject *, const QString &)
{
    AddXY(ToDouble(Item(0)->Data()), ToDouble(Item(1)->Data()));
}

void TiXYPlotChannel::DoInsert()
{
    inherited::DoInsert();
    if (Item(0)->AutoConnect())
        OPCActivate();
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
