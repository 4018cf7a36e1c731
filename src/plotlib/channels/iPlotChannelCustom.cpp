#include "plotlib/channels/iPlotChannelCustom.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/GraphicsFont.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/channels/iPlotDataCompactIntervalList.h"
#include "plotlib/channels/iPlotDataCompactList.h"
#include "plotlib/channels/iPlotDataFullList.h"
#include "plotlib/channels/iPlotDataNullList.h"
#include "plotlib/objects/iPlotLegend.h"
#include "plotlib/opc/iOPCItem.h"
#include "plotlib/opc/iOPCManager.h"
#include "plotlib/plot/iPlotComponent.h"

#include <algorithm>
#include <type_traits>
#include <variant>

T_IMPLEMENT_CLASS(TiPlotChannelCustom)
{
    using C = TiPlotChannelCustom;
    b.Str("TitleText", &C::TitleText, &C::SetTitleText);
    b.Bool("VisibleInLegend", &C::VisibleInLegend, &C::SetVisibleInLegend).Default(true);
    b.Bool("ClipToAxes", &C::ClipToAxes, &C::SetClipToAxes).Default(false);
    b.Bool("ShowDataPointHints", &C::ShowDataPointHints, &C::SetShowDataPointHints).Default(false);
    b.Bool("UserCanMoveDataPoints", &C::UserCanMoveDataPoints, &C::SetUserCanMoveDataPoints).Default(false);
    b.Enum("UserCanMoveDataPointsStyle", &C::UserCanMoveDataPointsStyle, &C::SetUserCanMoveDataPointsStyle,
           iPlotChannelDataPointMoveStyleNames)
        .Default(ipcdpmsXandY);
    b.Int("RingBufferSize", &C::RingBufferSize, &C::SetRingBufferSize).Default(0);
    b.Bool("TraceVisible", &C::TraceVisible, &C::SetTraceVisible).Default(true);
    b.Color("Color", &C::Color, &C::SetColor).Default(clRed);
    b.Enum("TraceLineStyle", &C::TraceLineStyle, &C::SetTraceLineStyle, iPlotLineStyleNames).Default(iplsSolid);
    b.Int("TraceLineWidth", &C::TraceLineWidth, &C::SetTraceLineWidth).Default(1);
    b.Bool("MarkersAllowIndividual", &C::MarkersAllowIndividual, &C::SetMarkersAllowIndividual).Default(false);
    b.Bool("MarkersPenUseChannelColor", &C::MarkersPenUseChannelColor, &C::SetMarkersPenUseChannelColor).Default(true);
    b.Bool("MarkersBrushUseChannelColor", &C::MarkersBrushUseChannelColor, &C::SetMarkersBrushUseChannelColor)
        .Default(true);
    b.Int("MarkersTurnOffLimit", &C::MarkersTurnOffLimit, &C::SetMarkersTurnOffLimit);
    b.Bool("MarkersVisible", &C::MarkersVisible, &C::SetMarkersVisible).Default(false);
    b.Int("MarkersSize", &C::MarkersSize, &C::SetMarkersSize).Default(3);
    b.Enum("MarkersStyle", &C::MarkersStyle, &C::SetMarkersStyle, iPlotMarkerStyleNames).Default(ipmsCircle);
    b.Color("MarkersPenColor", &C::MarkersPenColor, &C::SetMarkersPenColor).Default(clRed);
    b.Enum("MarkersPenStyle", &C::MarkersPenStyle, &C::SetMarkersPenStyle, PenStyleNames).Default(psSolid);
    b.Int("MarkersPenWidth", &C::MarkersPenWidth, &C::SetMarkersPenWidth).Default(0);
    b.Color("MarkersBrushColor", &C::MarkersBrushColor, &C::SetMarkersBrushColor).Default(clRed);
    b.Enum("MarkersBrushStyle", &C::MarkersBrushStyle, &C::SetMarkersBrushStyle, BrushStyleNames).Default(bsSolid);
    b.Object("MarkersFont", &C::MarkersFont, &C::SetMarkersFont);
    b.Str("XAxisName", &C::XAxisName, &C::SetXAxisName);
    b.Str("YAxisName", &C::YAxisName, &C::SetYAxisName);
    b.Bool("XAxisTrackingEnabled", &C::XAxisTrackingEnabled, &C::SetXAxisTrackingEnabled).Default(true);
    b.Bool("YAxisTrackingEnabled", &C::YAxisTrackingEnabled, &C::SetYAxisTrackingEnabled).Default(true);
    b.Str("LogFileName", &C::LogFileName, &C::SetLogFileName);
    b.Int("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize).Default(0);
    b.Bool("LoggingActive", &C::LoggingActive, nullptr);
    b.Enum("DataStyle", &C::DataStyle, &C::SetDataStyle, iPlotDataStyleNames);
    b.Variant("Tag", &C::Tag, &C::SetTag);
}

namespace {

std::unique_ptr<TiPlotDataCustomList> NewStore(TiPlotDataStyle Style)
{
    switch (Style) {
    case ipdsCompact: return std::make_unique<TiPlotDataCompactList>();
    case ipdsCompactInterval: return std::make_unique<TiPlotDataCompactIntervalList>();
    case ipdsFullFeature: return std::make_unique<TiPlotDataFullList>();
    case ipdsStandard: break;
    }
    return std::make_unique<TiPlotDataNullList>();
}

}  // namespace

double TiVariantArray::ToDouble(const QVariant &Value)
{
    bool ok = false;
    const double result = Value.toDouble(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("Could not convert variant of type (%1) into type (Double)")
                                .arg(QString::fromLatin1(Value.typeName() ? Value.typeName() : "Empty")));
    return result;
}

TiPlotChannelCustom::TiPlotChannelCustom(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FDataList(std::make_unique<TiPlotDataNullList>()), FMarkersFont(std::make_unique<TFont>()),
      FOPCManager(std::make_unique<TiOPCManager>(nullptr))
{
    FOPCManager->OnAfterGroupUpdate = TGroupUpdateEvent(this, &TiPlotChannelCustom::OPCGroupUpdated);
    FOPCItemManager =
        std::make_unique<TiOPCItemManager>(this, TOPCGetDesigningEvent(this, &TiPlotChannelCustom::OPCGetDesigning),
                                           TNotifyEvent(this, &TiPlotChannelCustom::OPCItemNewData));
    for (int i = 0; i < 2; ++i)
        OPCItem(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
    ResetRunning();
    FDataList->SetStoredTraceLineColor(clRed);
    FDataList->SetStoredTraceLineWidth(1);
    FDataList->SetStoredTraceLineStyle(iplsSolid);
    FDataList->SetStoredMarkerSize(3);
    FDataList->SetStoredMarkerPenColor(clRed);
    FDataList->SetStoredMarkerBrushColor(clRed);
    FMarkersFont->SetColor(clWhite);
    FMarkersFont->SetStyle(TFontStyles{fsBold});
    FMarkersFont->OnChange = TNotifyEvent(this, &TiPlotChannelCustom::MarkersFontChanged);
}

TiPlotChannelCustom::~TiPlotChannelCustom()
{
    FMarkersFont->OnChange = nullptr;
    FOPCItemManager.reset();
    FOPCManager.reset();
}

void TiPlotChannelCustom::MarkersFontChanged(TObject *)
{
    DoChange();
}

// ---- Properties ---------------------------------------------------------------------------------

void TiPlotChannelCustom::SetRingBufferSize(int Value)
{
    FDataList->SetRingBufferSize(Value);
    DoChange();
}

void TiPlotChannelCustom::SetColor(TColor Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredTraceLineColor, Value);
}

void TiPlotChannelCustom::SetTraceLineStyle(TiPlotLineStyle Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredTraceLineStyle, Value);
}

void TiPlotChannelCustom::SetTraceLineWidth(int Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredTraceLineWidth, Value);
}

void TiPlotChannelCustom::SetMarkersVisible(bool Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerVisible, Value);
}

void TiPlotChannelCustom::SetMarkersSize(int Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerSize, Value);
}

void TiPlotChannelCustom::SetMarkersStyle(TiPlotMarkerStyle Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerStyle, Value);
}

void TiPlotChannelCustom::SetMarkersPenColor(TColor Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerPenColor, Value);
}

void TiPlotChannelCustom::SetMarkersPenStyle(TPenStyle Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerPenStyle, Value);
}

void TiPlotChannelCustom::SetMarkersPenWidth(int Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerPenWidth, Value);
}

void TiPlotChannelCustom::SetMarkersBrushColor(TColor Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerBrushColor, Value);
}

void TiPlotChannelCustom::SetMarkersBrushStyle(TBrushStyle Value)
{
    SetStored(&TiPlotDataCustomList::SetStoredMarkerBrushStyle, Value);
}

void TiPlotChannelCustom::SetMarkersFont(TFont *Value)
{
    FMarkersFont->Assign(Value);
}

void TiPlotChannelCustom::SetXAxisName(const QString &Value)
{
    if (FXAxisName == Value)
        return;
    FXAxisName = Value;
    FXAxis = nullptr;
    DoChange();
}

void TiPlotChannelCustom::SetYAxisName(const QString &Value)
{
    if (FYAxisName == Value)
        return;
    FYAxisName = Value;
    FYAxis = nullptr;
    DoChange();
}

void TiPlotChannelCustom::SetDataStyle(TiPlotDataStyle Value)
{
    if (FDataStyle == Value)
        return;
    std::unique_ptr<TiPlotDataCustomList> store = NewStore(Value);
    store->AssignStoredValues(*FDataList);
    const int ringSize = FDataList->RingBufferSize();
    store->SetRingBufferSize(ringSize);
    FDataStyle = Value;
    FDataList = std::move(store);
    DoChange();
}

void TiPlotChannelCustom::SetCount(int Value)
{
    FDataList->SetCapacity(Value);
    DoChange();
}

// ---- Axes ---------------------------------------------------------------------------------------

TiPlotXAxis *TiPlotChannelCustom::XAxis() const
{
    if (!FXAxis)
        if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
            FXAxis = plot->GetXAxisByName(FXAxisName);
    return FXAxis;
}

TiPlotYAxis *TiPlotChannelCustom::YAxis() const
{
    if (!FYAxis)
        if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
            FYAxis = plot->GetYAxisByName(FYAxisName);
    return FYAxis;
}

void TiPlotChannelCustom::NotifyRemoved(TObject *AObject)
{
    inherited::NotifyRemoved(AObject);
    if (AObject == FXAxis)
        FXAxis = nullptr;
    if (AObject == FYAxis)
        FYAxis = nullptr;
}

void TiPlotChannelCustom::NotifyRenamed(TObject *AObject)
{
    inherited::NotifyRenamed(AObject);
    if (FXAxis && AObject == FXAxis)
        FXAxisName = FXAxis->Name();
    if (FYAxis && AObject == FYAxis)
        FYAxisName = FYAxis->Name();
}

void TiPlotChannelCustom::NotifySelected(TObject *AObject)
{
    inherited::NotifySelected(AObject);
    auto *other = dynamic_cast<TiPlotObject *>(AObject);
    if (!other || other == this || !other->UserSelected() || dynamic_cast<TiPlotLegend *>(other))
        return;
    if (auto *cursor = dynamic_cast<TiPlotDataCursor *>(other))
        if (cursor->ChannelName().compare(FName, Qt::CaseInsensitive) == 0)
            return;
    if (FUserSelected)
        SetUserSelected(false);
}

// ---- Adding and removing points -----------------------------------------------------------------

int TiPlotChannelCustom::AddXY(double X, double Y)
{
    return AddPoint(false, false, X, Y);
}

int TiPlotChannelCustom::AddPoint(bool Null, bool Empty, double X, double Y)
{
    const int index = FDataList->Add(X, Y, Null, Empty);
    if (X > FRunningXMax)
        FRunningXMax = X;
    if (X < FRunningXMin)
        FRunningXMin = X;
    if (Y > FRunningYMax)
        FRunningYMax = Y;
    if (Y < FRunningYMin)
        FRunningYMin = Y;
    ++FRunningCount;
    FRunningXTotal += X;
    FRunningYTotal += Y;
    FRunningXMean = static_cast<double>(FRunningXTotal / FRunningCount);
    FRunningYMean = static_cast<double>(FRunningYTotal / FRunningCount);

    if (FXAxisTrackingEnabled || FYAxisTrackingEnabled) {
        if (MarkersVisible()) {
            const int newest = Count() - 1;
            if (FXAxisTrackingEnabled && XAxis() && !GetNull(newest)) {
                FeedTracking(FXAxis, GetXMaxExtent(newest));
                FeedTracking(FXAxis, GetXMinExtent(newest));
            }
            if (FYAxisTrackingEnabled && YAxis() && !GetNull(newest)) {
                FeedTracking(FYAxis, GetYMaxExtent(newest));
                FeedTracking(FYAxis, GetYMinExtent(newest));
            }
        } else {
            if (FXAxisTrackingEnabled && XAxis())
                FeedTracking(FXAxis, X);
            if (FYAxisTrackingEnabled && YAxis() && !Null && !Empty)
                FeedTracking(FYAxis, Y);
        }
    }
    if (FLoggingActive) {
        ++FLogBufferCount;
        if (FLogBufferCount >= FLogBufferSize || FLogBufferSize < 2)
            LogFlush();
    }
    DoChange();
    return index;
}

void TiPlotChannelCustom::FeedTracking(TiPlotAxis *Axis, double Value)
{
    Axis->NewTrackingData(Value);
}

void TiPlotChannelCustom::AddXYArrays(const TiVariantArray &XData, const TiVariantArray &YData)
{
    if (XData.Bounds.size() != 1)
        throw Exception(QStringLiteral("X-Data array must be 1 dimensional"));
    if (YData.Bounds.size() != 1)
        throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    if (XData.Bounds[0].first != YData.Bounds[0].first)
        throw Exception(QStringLiteral("X-Data and Y-Data low bound dimension must match"));
    if (XData.Bounds[0].second != YData.Bounds[0].second)
        throw Exception(QStringLiteral("X-Data and Y-Data hogh bound dimension must match"));
    const int low = XData.Bounds[0].first;
    for (int i = low; i <= XData.Bounds[0].second; ++i) {
        const auto at = static_cast<std::size_t>(i - low);
        AddPoint(false, false, TiVariantArray::ToDouble(XData.Elements.at(at)),
                 TiVariantArray::ToDouble(YData.Elements.at(at)));
    }
}

void TiPlotChannelCustom::AddXYArray(const TiVariantArray &Data)
{
    if (Data.Bounds.size() != 2)
        throw Exception(QStringLiteral("Array Must Be 2 Dimensional"));
    const auto [low1, high1] = Data.Bounds[0];
    if (high1 - low1 != 1)
        throw Exception(QStringLiteral("Array First Dimension Must Be 2 Elements"));
    const auto [low2, high2] = Data.Bounds[1];
    for (int j = low2; j <= high2; ++j) {
        const auto column = static_cast<std::size_t>(j - low2) * 2;
        AddPoint(false, false, TiVariantArray::ToDouble(Data.Elements.at(column)),
                 TiVariantArray::ToDouble(Data.Elements.at(column + 1)));
    }
}

void TiPlotChannelCustom::ResetRunning()
{
    FRunningXMax = -1e300;
    FRunningXMin = 1e300;
    FRunningXMean = 0;
    FRunningYMax = -1e300;
    FRunningYMin = 1e300;
    FRunningYMean = 0;
    FRunningCount = 0;
    FRunningXTotal = 0;
    FRunningYTotal = 0;
}

void TiPlotChannelCustom::Clear()
{
    ResetRunning();
    FStartIndex = -1;
    FStopIndex = -1;
    if (FLoggingActive)
        LogDeactivate();
    FDataList->Clear();
    DoChange();
}

void TiPlotChannelCustom::DeletePoints(int Size)
{
    if (Size == Count()) {
        Clear();
        return;
    }
    FDataList->DeletePoints(Size);
    DoChange();
}

void TiPlotChannelCustom::SetX(int Index, double Value)
{
    FDataList->SetX(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetY(int Index, double Value)
{
    FDataList->SetY(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetNull(int Index, bool Value)
{
    FDataList->SetNull(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetEmpty(int Index, bool Value)
{
    FDataList->SetEmpty(Index, Value);
    DoChange();
}

// ---- Statistics and texts -----------------------------------------------------------------------

void TiPlotChannelCustom::ReCalcRunningMinMaxMean()
{
    ResetRunning();
    for (int i = 0; i < Count(); ++i) {
        if (!GetValid(i))
            continue;
        const double x = GetX(i);
        const double y = GetY(i);
        ++FRunningCount;
        FRunningXMax = std::max(FRunningXMax, x);
        FRunningXMin = std::min(FRunningXMin, x);
        FRunningYMax = std::max(FRunningYMax, y);
        FRunningYMin = std::min(FRunningYMin, y);
        FRunningXTotal += x;
        FRunningYTotal += y;
    }
    FRunningXMean = FRunningCount ? static_cast<double>(FRunningXTotal / FRunningCount) : 0;
    FRunningYMean = FRunningCount ? static_cast<double>(FRunningYTotal / FRunningCount) : 0;
}

double TiPlotChannelCustom::Extreme(double (TiPlotChannelCustom::*Get)(int) const, bool Largest) const
{
    double result = Largest ? -1e300 : 1e300;
    for (int i = 0; i < Count(); ++i)
        if (GetValid(i))
            result = Largest ? std::max(result, (this->*Get)(i)) : std::min(result, (this->*Get)(i));
    return result;
}

double TiPlotChannelCustom::GetXMax()
{
    return FRunningXMax = Extreme(&TiPlotChannelCustom::GetX, true);
}

double TiPlotChannelCustom::GetXMin()
{
    return FRunningXMin = Extreme(&TiPlotChannelCustom::GetX, false);
}

double TiPlotChannelCustom::GetYMax()
{
    return FRunningYMax = Extreme(&TiPlotChannelCustom::GetY, true);
}

double TiPlotChannelCustom::GetYMin()
{
    return FRunningYMin = Extreme(&TiPlotChannelCustom::GetY, false);
}

double TiPlotChannelCustom::GetZoomXMax()
{
    return Extreme(&TiPlotChannelCustom::GetX, true);
}

double TiPlotChannelCustom::GetZoomXMin()
{
    return Extreme(&TiPlotChannelCustom::GetX, false);
}

double TiPlotChannelCustom::GetZoomYMax()
{
    return Extreme(&TiPlotChannelCustom::GetY, true);
}

double TiPlotChannelCustom::GetZoomYMin()
{
    return Extreme(&TiPlotChannelCustom::GetY, false);
}

// The scans of the means count the valid points anew: the running count and both totals are
// rebuilt together, so later adds continue from consistent sums.
void TiPlotChannelCustom::RebuildTotals()
{
    FRunningCount = 0;
    FRunningXTotal = 0;
    FRunningYTotal = 0;
    for (int i = 0; i < Count(); ++i)
        if (GetValid(i)) {
            ++FRunningCount;
            FRunningXTotal += GetX(i);
            FRunningYTotal += GetY(i);
        }
}

double TiPlotChannelCustom::GetXMean()
{
    RebuildTotals();
    return FRunningXMean = FRunningCount ? static_cast<double>(FRunningXTotal / FRunningCount) : 0;
}

double TiPlotChannelCustom::GetYMean()
{
    RebuildTotals();
    return FRunningYMean = FRunningCount ? static_cast<double>(FRunningYTotal / FRunningCount) : 0;
}

QString TiPlotChannelCustom::GetXValueText(double Value) const
{
    if (TiPlotXAxis *axis = XAxis())
        return axis->GetCursorText(Value);
    return TranslateText(QStringLiteral("No X-Axis"));
}

QString TiPlotChannelCustom::GetYValueText(double Value) const
{
    if (TiPlotYAxis *axis = YAxis())
        return axis->GetCursorText(Value);
    return TranslateText(QStringLiteral("No Y-Axis"));
}

// ---- Menus --------------------------------------------------------------------------------------

void TiPlotChannelCustom::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

bool TiPlotChannelCustom::GetKeyPopupPoint(TPoint &Point)
{
    Point = TPoint((FLegendRect.Left + FLegendRect.Right) / 2, (FLegendRect.Top + FLegendRect.Bottom) / 2);
    return true;
}

// ---- Data cursor texts --------------------------------------------------------------------------

QString TiPlotChannelCustom::FormatDataCursorText(TiPlotDataCursorStyle Style, TiPlotDataPointStatus Status, double X,
                                                  double Y)
{
    FDataCursorXValue = X;
    FDataCursorYValue = Y;
    FDataCursorStatus = Status;
    FDataCursorXText.clear();
    FDataCursorYText.clear();
    if (!XAxis()) {
        FDataCursorXText = TranslateText(QStringLiteral("No X-Axis"));
        return FDataCursorXText;
    }
    const QString xText = GetXValueText(X);
    auto yPart = [&] {
        if (!YAxis())
            return QStringLiteral("No Y-Axis");
        switch (Status) {
        case ipdpsNull: return TranslateText(QStringLiteral("Null"));
        case ipdpsEmpty: return TranslateText(QStringLiteral("Empty"));
        case ipdpsValid: break;
        }
        return GetYValueText(Y);
    };
    switch (Style) {
    case ipcsValueXY:
        FDataCursorXText = xText;
        FDataCursorYText = yPart();
        return FDataCursorXText + QStringLiteral(", ") + FDataCursorYText;
    case ipcsValueX:
    case ipcsDeltaX: FDataCursorXText = xText; return FDataCursorXText;
    case ipcsValueY: FDataCursorYText = yPart(); return FDataCursorYText;
    case ipcsDeltaY:
        FDataCursorYText = YAxis() ? GetYValueText(Y) : QStringLiteral("No Y-Axis");
        return FDataCursorYText;
    case ipcsInverseDeltaX:
        FDataCursorXText = X < 1e301 ? xText : TranslateText(QStringLiteral("Infinite"));
        return FDataCursorXText;
    }
    return {};
}

// ---- OPC feed -----------------------------------------------------------------------------------

TiOPCItem *TiPlotChannelCustom::OPCItem(int Index) const
{
    return FOPCItemManager->Items(Index);
}

void TiPlotChannelCustom::OPCGetDesigning(TObject *, bool &Designing)
{
    if (auto *plot = dynamic_cast<TiComponent *>(FOwner))
        Designing = plot->IsDesigning();
}

void TiPlotChannelCustom::OPCItemNewData(TObject *Sender)
{
    if (auto *item = dynamic_cast<TiOPCItem *>(Sender))
        OPCNewData(item);
}

void TiPlotChannelCustom::OPCGroupUpdated(TObject *, const QString &)
{
    OPCAfterGroupUpdate();
}

QString TiPlotChannelCustom::OPCOwnGroupName() const
{
    return QString::number(reinterpret_cast<quintptr>(FOPCManager.get()), 16).toUpper();
}

double TiPlotChannelCustom::OPCValueToDouble(const TiOPCValue &Value)
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

void TiPlotChannelCustom::DoInsert()
{
    inherited::DoInsert();
    if (OPCItem(0)->AutoConnect())
        OPCActivate();
}

// clang-format off
QString TiPlotChannelCustom::OPCGroupName() const { return OPCItem(0)->GroupName(); }
void TiPlotChannelCustom::SetOPCGroupName(const QString &Value) { OPCItem(0)->SetGroupName(Value); }
QString TiPlotChannelCustom::OPCComputerName() const { return OPCItem(0)->ComputerName(); }
void TiPlotChannelCustom::SetOPCComputerName(const QString &Value) { OPCItem(0)->SetComputerName(Value); }
QString TiPlotChannelCustom::OPCServerName() const { return OPCItem(0)->ServerName(); }
void TiPlotChannelCustom::SetOPCServerName(const QString &Value) { OPCItem(0)->SetServerName(Value); }
QString TiPlotChannelCustom::OPCItemName() const { return OPCItem(0)->ItemName(); }
void TiPlotChannelCustom::SetOPCItemName(const QString &Value) { OPCItem(0)->SetItemName(Value); }
QString TiPlotChannelCustom::OPCItem2Name() const { return OPCItem(1)->ItemName(); }
void TiPlotChannelCustom::SetOPCItem2Name(const QString &Value) { OPCItem(1)->SetItemName(Value); }
int TiPlotChannelCustom::OPCUpdateRate() const { return OPCItem(0)->UpdateRate(); }
void TiPlotChannelCustom::SetOPCUpdateRate(int Value) { OPCItem(0)->SetUpdateRate(Value); }
double TiPlotChannelCustom::OPCScalar() const { return OPCItem(0)->Scalar(); }
void TiPlotChannelCustom::SetOPCScalar(double Value) { OPCItem(0)->SetScalar(Value); }
double TiPlotChannelCustom::OPCOffset() const { return OPCItem(0)->Offset(); }
void TiPlotChannelCustom::SetOPCOffset(double Value) { OPCItem(0)->SetOffset(Value); }
double TiPlotChannelCustom::OPCScalar2() const { return OPCItem(1)->Scalar(); }
void TiPlotChannelCustom::SetOPCScalar2(double Value) { OPCItem(1)->SetScalar(Value); }
double TiPlotChannelCustom::OPCOffset2() const { return OPCItem(1)->Offset(); }
void TiPlotChannelCustom::SetOPCOffset2(double Value) { OPCItem(1)->SetOffset(Value); }
bool TiPlotChannelCustom::OPCAutoConnect() const { return OPCItem(0)->AutoConnect(); }
void TiPlotChannelCustom::SetOPCAutoConnect(bool Value) { OPCItem(0)->SetAutoConnect(Value); }
bool TiPlotChannelCustom::OPCActive() const { return OPCItem(0)->Active(); }
bool TiPlotChannelCustom::OPCQualityGood() const { return OPCItem(0)->QualityGood(); }
// clang-format on
