#include "plotlib/opc/iOPCItem.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iComponent.h"
#include "plotlib/base/iHelpers.h"

#include <cmath>
#include <limits>

T_IMPLEMENT_CLASS(TiOPCItem)
{
    b.Str("PropertyName", &TiOPCItem::PropertyName, &TiOPCItem::SetPropertyName);
    b.Str("GroupName", &TiOPCItem::GroupName, &TiOPCItem::SetGroupName);
    b.Str("ServerName", &TiOPCItem::ServerName, &TiOPCItem::SetServerName);
    b.Str("ComputerName", &TiOPCItem::ComputerName, &TiOPCItem::SetComputerName);
    b.Str("ItemName", &TiOPCItem::ItemName, &TiOPCItem::SetItemName);
    b.Bool("AutoConnect", &TiOPCItem::AutoConnect, &TiOPCItem::SetAutoConnect).Default(true);
    b.Int("UpdateRate", &TiOPCItem::UpdateRate, &TiOPCItem::SetUpdateRate).Default(500);
    b.Float("Scalar", &TiOPCItem::Scalar, &TiOPCItem::SetScalar);
    b.Float("Offset", &TiOPCItem::Offset, &TiOPCItem::SetOffset);
    b.Bool("AutoError", &TiOPCItem::AutoError, &TiOPCItem::SetAutoError).Default(false);
    b.Bool(
        "UpdateSuspended", [](const TiOPCItem &i) { return const_cast<TiOPCItem &>(i).UpdateSuspended(); }, nullptr);
}

// ---- TiOPCItem -----------------------------------------------------------------------------------------

TiOPCItem::~TiOPCItem()
{
    try {
        if (FSignalHandle != 0)
            Deactivate();
    }
    catch (...) {
    }
}

bool TiOPCItem::ManagerDesigning() const
{
    return FOwner && FOwner->Designing();
}

TiComponent *TiOPCItem::OwnerControl() const
{
    return FOwner ? dynamic_cast<TiComponent *>(FOwner->Owner()) : nullptr;
}

void TiOPCItem::Activate()
{
    Subscribe(false);
}

void TiOPCItem::ActivateSuspend()
{
    Subscribe(true);
}

void TiOPCItem::Subscribe(bool Suspended)
{
    if (!TiOPCClient::Present() || !FOwner || ManagerDesigning())
        return;
    if (FAutoError)
        ApplyErrorState();
    if (FSignalHandle != 0)
        Deactivate();
    const bool hasSource = !Trim(FGroupName).isEmpty() || !Trim(FServerName).isEmpty();
    if (Trim(FPropertyName).isEmpty() || !hasSource || Trim(FItemName).isEmpty())
        return;
    if (Active())
        Deactivate();
    const std::uint16_t requested = FPropertyType == TTypeKind::String ? OPCTypeString : OPCTypeServer;
    FSignalHandle = TiOPCClient::SignalAdd(FComputerName, FServerName, FItemName, FGroupName, FUpdateRate, Suspended,
                                           requested, this);
}

void TiOPCItem::Deactivate()
{
    if (!TiOPCClient::Present() || ManagerDesigning())
        return;
    TiOPCClient::SignalRemove(FSignalHandle);
    FSignalHandle = 0;
}

void TiOPCItem::UpdateResume()
{
    TiOPCClient::SignalResume(FSignalHandle);
}

void TiOPCItem::UpdateSuspend()
{
    TiOPCClient::SignalSuspend(FSignalHandle);
}

bool TiOPCItem::Active()
{
    if (!FOwner || ManagerDesigning() || !TiOPCClient::Present())
        return false;
    return TiOPCClient::SignalGetActive(FSignalHandle);
}

bool TiOPCItem::UpdateSuspended()
{
    if (!TiOPCClient::Present() || FSignalHandle == 0)
        return false;
    return TiOPCClient::SignalGetUpdateSuspended(FSignalHandle);
}

void TiOPCItem::Resubscribe()
{
    if (Active())
        Activate();
}

void TiOPCItem::SetPropertyName(const QString &Value)
{
    FPropertyName = Value;
    TTypeKind kind = TTypeKind::Unknown;
    if (FOwner && FOwner->OnGetType)
        FOwner->OnGetType(FPropertyName, kind);
    FPropertyType = kind;
}

void TiOPCItem::SetGroupName(const QString &Value)
{
    FGroupName = Value;
    Resubscribe();
}

void TiOPCItem::SetServerName(const QString &Value)
{
    FServerName = Value;
    Resubscribe();
}

void TiOPCItem::SetComputerName(const QString &Value)
{
    FComputerName = Value;
    Resubscribe();
}

void TiOPCItem::SetItemName(const QString &Value)
{
    FItemName = Value;
    Resubscribe();
}

void TiOPCItem::SetUpdateRate(int Value)
{
    FUpdateRate = Value;
    Resubscribe();
}

void TiOPCItem::SetAutoConnect(bool Value)
{
    FAutoConnect = Value;
    if (!Value || !TiOPCClient::Present())
        return;
    if (TiComponent *control = OwnerControl(); control && !control->IsLoading())
        Activate();
}

void TiOPCItem::SetAutoError(bool Value)
{
    FAutoError = Value;
    if (Value)
        ApplyErrorState();
}

void TiOPCItem::ApplyErrorState()
{
    TiComponent *control = OwnerControl();
    if (control && Active())
        control->SetErrorActive(!QualityGood());
}

void TiOPCItem::SetData(const TiOPCValue &Value)
{
    if (TiOPCClient::Present())
        TiOPCClient::SignalSendData(FSignalHandle, Value);
}

void TiOPCItem::FetchData()
{
    FData = TiOPCClient::SignalGetData(FSignalHandle);
    FTimeStamp = TiOPCClient::SignalGetTimeStamp(FSignalHandle);
    FQuality = TiOPCClient::SignalGetQuality(FSignalHandle);
}

TiOPCValue TiOPCItem::GetDataNow(std::uint16_t &Quality)
{
    if (!TiOPCClient::Present())
        return TiOPCValue();
    TiOPCClient::SignalGetDataNow(FSignalHandle);
    FetchData();
    Quality = FQuality;
    return FData;
}

namespace {

// Round(x) as a 64-bit integer, kept inside its range (a scaled value may leave it).
std::int64_t RoundToInt64(double x)
{
    constexpr double limit = 9.2233720368547748e18;  // 2^63
    if (std::isnan(x))
        return 0;
    if (x >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (x <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    return Round(x);
}

// Applies `op` to a number, keeping its kind; other values stay as they are.
template <class Op>
void Scale(TiOPCValue &value, Op op)
{
    if (auto *i = std::get_if<std::int64_t>(&value.Value))
        *i = RoundToInt64(op(static_cast<double>(*i)));
    else if (auto *d = std::get_if<double>(&value.Value))
        *d = op(*d);
}

}  // namespace

void TiOPCItem::DataReady(int)
{
    FetchData();
    if (QualityGood()) {
        if (FScalar != 0)
            Scale(FData, [this](double v) { return v * FScalar; });
        if (FOffset != 0)
            Scale(FData, [this](double v) { return v + FOffset; });
    }
    if (FAutoError)
        ApplyErrorState();
    if (FOwner && FOwner->OnNewData)
        FOwner->OnNewData(this);
}

void TiOPCItem::Loaded()
{
    try {
        if (FAutoError)
            ApplyErrorState();
        if (FAutoConnect && !ManagerDesigning())
            Activate();
    }
    catch (...) {
    }
}

// ---- TiOPCItemManager ----------------------------------------------------------------------------------

TiOPCItemManager::TiOPCItemManager(TObject *Owner, TOPCGetDesigningEvent OnGetDesigning, TNotifyEvent OnNewData,
                                   TOPCItemGetDataTypeEvent OnGetType)
    : OnGetDesigning(std::move(OnGetDesigning)), OnNewData(std::move(OnNewData)), OnGetType(std::move(OnGetType)),
      FList(std::make_unique<TStringList>(true)), FOwner(Owner)
{
}

TiOPCItemManager::~TiOPCItemManager()
{
    Clear();
}

TiOPCItem *TiOPCItemManager::Adopt(std::unique_ptr<TiOPCItem> item)
{
    item->FOwner = this;
    TiOPCItem *raw = item.release();
    FList->AddObject(QString(), raw);
    return raw;
}

int TiOPCItemManager::Add()
{
    Adopt(std::make_unique<TiOPCItem>());
    return FList->Count() - 1;
}

void TiOPCItemManager::Clear()
{
    FList->Clear();
}

void TiOPCItemManager::Delete(int Index)
{
    FList->Delete(Index);
}

int TiOPCItemManager::FindIndex(const TiOPCItem *Item) const
{
    return FList->IndexOfObject(Item);
}

int TiOPCItemManager::Count() const
{
    return FList->Count();
}

TiOPCItem *TiOPCItemManager::Items(int Index) const
{
    return static_cast<TiOPCItem *>(FList->Objects(Index));
}

bool TiOPCItemManager::Designing()
{
    bool designing = false;
    if (OnGetDesigning)
        OnGetDesigning(this, designing);
    return designing;
}

void TiOPCItemManager::WriteToStream(TWriter &Writer)
{
    iWriteCollection(Writer, Count(), [&](int Index) { iWritePropertiesToWriter(Writer, Items(Index)); });
}

void TiOPCItemManager::ReadFromStream(TReader &Reader)
{
    Clear();
    iReadCollection(
        Reader, [this]() -> TPersistent * { return Adopt(std::make_unique<TiOPCItem>()); },
        [](TPersistent *Item) { static_cast<TiOPCItem *>(Item)->Loaded(); });
}
