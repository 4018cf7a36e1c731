#pragma once
// OPC items: each TiOPCItem binds one published property of a library control (PropertyName) to
// one item of an OPC server. The control's TiOPCItemManager holds its items and streams them as
// the control's "OPCItems" property. An item subscribes through the OPC client library
// (iOPCClientLibrary.h), receives values, scales them, and hands them to the manager's OnNewData,
// through which the control writes them into the property (TiVCLComponent).
//
// Rules:
//  - Without the client library nothing subscribes and nothing raises, except the explicit calls
//    UpdateResume and UpdateSuspend, which fail with the library's "not found" text.
//  - Activate subscribes only with a PropertyName, a GroupName or a ServerName, and an ItemName
//    (blanks do not count); an existing subscription is ended first. The value arrives as text
//    when the bound property is a string, else in the server's own type.
//  - Changing ServerName, ComputerName, ItemName, UpdateRate or GroupName of an active item
//    subscribes it again. Setting AutoConnect subscribes at once when the owning control is not
//    loading; a streamed item subscribes in Loaded, after its properties were read.
//  - A value of good quality is scaled: Scalar (when not 0) multiplies and Offset (when not 0) is
//    added; integers stay integers (rounded, halves to even), floats stay floats, other values are
//    left as they are. A value of bad quality arrives unchanged.
//  - With AutoError, an active item mirrors its quality into the owning control's error state.
//  - A manager while designing (OnGetDesigning) never subscribes or ends a subscription.
// Everything runs on the GUI thread.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/PropInfo.h"
#include "plotlib/opc/iOPCClientLibrary.h"

#include <QString>

#include <cstdint>
#include <memory>

class TReader;
class TStringList;
class TWriter;
class TiComponent;
class TiOPCItemManager;

using TOPCItemGetDataTypeEvent = TEvent<void(const QString &PropertyName, TTypeKind &AVarType)>;
using TOPCGetDesigningEvent = TEvent<void(TObject *Sender, bool &Designing)>;

class TiOPCItem : public TPersistent, public TiOPCSignalCallback {
    T_DECLARE_CLASS(TiOPCItem, TPersistent)
    TiOPCItem() = default;
    // Ends the subscription; failures are swallowed.
    ~TiOPCItem() override;

    // ---- Subscription ----
    void Activate();
    void ActivateSuspend();
    void Deactivate();
    void UpdateResume();
    void UpdateSuspend();
    // Asks the server for the value now: data, time stamp and quality are fetched (not scaled);
    // without the library an empty value and the quality unchanged.
    TiOPCValue GetDataNow(std::uint16_t &Quality);
    // After the item was streamed in: the error state, then AutoConnect; failures are swallowed.
    void Loaded();
    // False without a manager, while designing or without the library.
    bool Active();

    // ---- Published ----
    const QString &PropertyName() const { return FPropertyName; }
    void SetPropertyName(const QString &Value);
    const QString &GroupName() const { return FGroupName; }
    void SetGroupName(const QString &Value);
    const QString &ServerName() const { return FServerName; }
    void SetServerName(const QString &Value);
    const QString &ComputerName() const { return FComputerName; }
    void SetComputerName(const QString &Value);
    const QString &ItemName() const { return FItemName; }
    void SetItemName(const QString &Value);
    bool AutoConnect() const { return FAutoConnect; }
    void SetAutoConnect(bool Value);
    int UpdateRate() const { return FUpdateRate; }
    void SetUpdateRate(int Value);
    double Scalar() const { return FScalar; }
    void SetScalar(double Value) { FScalar = Value; }
    double Offset() const { return FOffset; }
    void SetOffset(double Value) { FOffset = Value; }
    bool AutoError() const { return FAutoError; }
    void SetAutoError(bool Value);
    // False without the library or without a subscription.
    bool UpdateSuspended();

    // ---- Last value ----
    const TiOPCValue &Data() const { return FData; }
    // Sends the value to the server (nothing without the library).
    void SetData(const TiOPCValue &Value);
    TDateTime TimeStamp() const { return FTimeStamp; }
    std::uint16_t Quality() const { return FQuality; }
    bool QualityGood() const { return OPCQualityIsGood(FQuality); }
    TTypeKind PropertyType() const { return FPropertyType; }
    int SignalHandle() const { return FSignalHandle; }

    TiOPCItemManager *Owner() const { return FOwner; }

    // The library's callback: new data is ready.
    void DataReady(int Handle) override;

private:
    friend class TiOPCItemManager;
    void Subscribe(bool Suspended);
    // Re-subscribes after a change of the server item, when the item is active.
    void Resubscribe();
    void ApplyErrorState();
    bool ManagerDesigning() const;
    TiComponent *OwnerControl() const;
    void FetchData();

    QString FPropertyName;
    TTypeKind FPropertyType = TTypeKind::Unknown;
    QString FGroupName;
    QString FServerName;
    QString FComputerName = QStringLiteral("Local");
    QString FItemName;
    bool FAutoConnect = true;
    int FUpdateRate = 500;
    double FScalar = 0;
    double FOffset = 0;
    int FSignalHandle = 0;
    TiOPCValue FData;
    TDateTime FTimeStamp = 0;
    std::uint16_t FQuality = 0;
    TiOPCItemManager *FOwner = nullptr;
    bool FAutoError = false;
};

// The OPC items of one control (or channel), owned by it.
class TiOPCItemManager : public TObject {
public:
    // `Owner` is the object whose properties the items feed (a library control, or a channel).
    explicit TiOPCItemManager(TObject *Owner, TOPCGetDesigningEvent OnGetDesigning = {}, TNotifyEvent OnNewData = {},
                              TOPCItemGetDataTypeEvent OnGetType = {});
    ~TiOPCItemManager() override;

    // A new item, owned by the manager; returns its index.
    int Add();
    void Clear();
    // EStringListError for an index out of range, as for every indexed access.
    void Delete(int Index);
    // -1 when the item is not this manager's.
    int FindIndex(const TiOPCItem *Item) const;
    int Count() const;
    TiOPCItem *Items(int Index) const;

    // True when there are items to stream.
    bool DoWriteToStream() const { return Count() > 0; }
    // A collection with one list of properties per item.
    void WriteToStream(TWriter &Writer);
    // Replaces the items by the streamed ones, each Loaded after its properties; a value that is
    // not a collection is passed over.
    void ReadFromStream(TReader &Reader);

    // False when OnGetDesigning is unassigned.
    bool Designing();
    TObject *Owner() const { return FOwner; }

    TOPCGetDesigningEvent OnGetDesigning;
    TNotifyEvent OnNewData;
    TOPCItemGetDataTypeEvent OnGetType;

private:
    friend class TiOPCItem;
    TiOPCItem *Adopt(std::unique_ptr<TiOPCItem> item);

    std::unique_ptr<TStringList> FList;
    TObject *FOwner;
};
