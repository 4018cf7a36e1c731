#include "plotlib/plot/iPlotManagers.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iHelpers.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// ---- TiPlotObjectManagerCustom ------------------------------------------------------------------

TiPlotObjectManagerCustom::TiPlotObjectManagerCustom(TWinControl *AOwner, TNotifyEvent AOnChange,
                                                     TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                                                     TNotifyEvent AOnRename)
    : OnChange(std::move(AOnChange)), OnInsert(std::move(AOnInsert)), OnRemove(std::move(AOnRemove)),
      OnRename(std::move(AOnRename)), FOwner(iCheckPlotOwner(AOwner, QStringLiteral("Owner must be Assigned"), OnChange, OnInsert, OnRemove, OnRename))
{
    OnInsert(this);
}

TiPlotObjectManagerCustom::~TiPlotObjectManagerCustom()
{
    OnRemove(this);
}

void TiPlotObjectManagerCustom::ObjectRemoved(TiPlotObject *) {}

void TiPlotObjectManagerCustom::NotificationRemove(TObject *Sender)
{
    for (int i = FList.Count() - 1; i >= 0; --i) {
        if (FList.Objects(i) != Sender)
            continue;
        FList.Delete(i);
        ObjectRemoved(static_cast<TiPlotObject *>(Sender));
        if (OnChange)
            OnChange(this);
        return;
    }
}

void TiPlotObjectManagerCustom::NotificationRename(TObject *Sender)
{
    for (int i = 0; i < FList.Count(); ++i)
        Items(i)->NotifyRenamed(Sender);
}

void TiPlotObjectManagerCustom::NotificationSetFocus(TObject *Sender)
{
    for (int i = 0; i < FList.Count(); ++i)
        Items(i)->NotifySelected(Sender);
}

void TiPlotObjectManagerCustom::Clear() {}

void TiPlotObjectManagerCustom::Delete(int Index)
{
    FList.Delete(Index);
}

void TiPlotObjectManagerCustom::InsertObject(TiPlotObject *AObject)
{
    if (GetIndex(AObject) < 0)
        FList.AddObject(QString(), AObject);
}

int TiPlotObjectManagerCustom::GetIndex(const TObject *AObject) const
{
    return FList.IndexOfObject(AObject);
}

TiPlotObject *TiPlotObjectManagerCustom::Items(int Index) const
{
    return static_cast<TiPlotObject *>(FList.Objects(Index));
}

TiPlotObject *TiPlotObjectManagerCustom::GetObjectByName(const QString &Value) const
{
    const int index = GetIndexByName(Value);
    return index < 0 ? nullptr : Items(index);
}

int TiPlotObjectManagerCustom::GetIndexByName(const QString &Value) const
{
    for (int i = 0; i < FList.Count(); ++i)
        if (SameText(Items(i)->Name(), Value))
            return i;
    return -1;
}

QString TiPlotObjectManagerCustom::GetNextName() const
{
    const QString base = GetBaseName();
    std::int64_t highest = 0;
    for (int i = 0; i < FList.Count(); ++i) {
        const QString &name = Items(i)->Name();
        if (!SameText(name.left(base.size()), base))
            continue;
        int number = 0;
        if (TryStrToInt(name.mid(base.size()), number))
            highest = std::max<std::int64_t>(highest, number);
    }
    return base + u' ' + QString::number(highest + 1);
}

// ---- Streaming ----------------------------------------------------------------------------------

void TiPlotObjectManagerCustom::WriteToStream(TWriter &Writer)
{
    iWriteCollection(Writer, Count(), [&](int Index) { Writer.WriteProperties(Items(Index)); });
}

void TiPlotObjectManagerCustom::ReadFromStream(TReader &Reader)
{
    Clear();
    iReadCollection(
        Reader, [this]() -> TPersistent * { return CreateObject(); },
        [](TPersistent *Item) { static_cast<TiPlotObject *>(Item)->DoInsert(); },
        [](TPersistent *Item) {
            // Never filed: it goes without a word.
            auto *object = static_cast<TiPlotObject *>(Item);
            object->OnRemove = nullptr;
            object->OnLayoutChange = nullptr;
            object->OnChange = nullptr;
            delete object;
        });
}

// ---- TiPlotObjectOwnedManager -------------------------------------------------------------------

TiPlotObjectOwnedManager::~TiPlotObjectOwnedManager()
{
    TiPlotObjectOwnedManager::Clear();
}

void TiPlotObjectOwnedManager::Clear()
{
    std::vector<TiPlotObject *> objects;
    for (int i = 0; i < FList.Count(); ++i)
        objects.push_back(Items(i));
    for (TiPlotObject *object : objects) {
        object->Free();
        // Taken out even when nobody passed its removal back (a plot being torn down).
        const int left = GetIndex(object);
        if (left >= 0)
            FList.Delete(left);
    }
}

void TiPlotObjectOwnedManager::NotificationRemove(TObject *Sender)
{
    if (Sender == this)
        return;
    for (int i = 0; i < FList.Count(); ++i)
        if (Items(i) != Sender)
            Items(i)->NotifyRemoved(Sender);
    TiPlotObjectManagerCustom::NotificationRemove(Sender);
}

// ---- Per-kind defaults --------------------------------------------------------------------------

namespace {

// The name of the first object of a manager, or nothing when there is none.
template <class M>
bool FirstName(const M *Manager, QString &Name)
{
    if (!Manager || Manager->Count() == 0)
        return false;
    Name = Manager->Items(0)->Name();
    return true;
}

template <class M>
void Forget(M *&Field, TObject *Sender)
{
    if (Field && static_cast<TObject *>(Field) == Sender)
        Field = nullptr;
}

}  // namespace

void TiPlotXAxisManager::NameNewObject(TiPlotXAxis *Object)
{
    Object->SetName(GetNextName());
    Object->SetTitle(Object->Name());
}

void TiPlotYAxisManager::NameNewObject(TiPlotYAxis *Object)
{
    Object->SetName(GetNextName());
    Object->SetTitle(Object->Name());
}

void TiPlotLabelManager::NameNewObject(TiPlotLabel *Object)
{
    Object->SetName(GetNextName());
    Object->SetCaption(Object->Name());
}

TiPlotObject *TiPlotChannelManager::CreateObject()
{
    if (!ChannelClass)
        throw Exception(QStringLiteral("No channel class set"));
    return ChannelClass.Create(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

void TiPlotChannelManager::NameNewObject(TiPlotChannelCustom *Object)
{
    Object->SetName(GetNextName());
    Object->SetTitleText(Object->Name());
    Object->SetColor(GetNextChannelColor());
    QString axis;
    if (FirstName(XAxisManager, axis))
        Object->SetXAxisName(axis);
    if (FirstName(YAxisManager, axis))
        Object->SetYAxisName(axis);
}

TColor TiPlotChannelManager::GetNextChannelColor() const
{
    if (Count() <= 1)
        return iPlotChannelPalette[0];
    std::array<TiColorCountObject, iPlotChannelPalette.size()> tally;
    for (std::size_t i = 0; i < tally.size(); ++i)
        tally[i].Color = iPlotChannelPalette[i];
    for (int i = 0; i < Count(); ++i)
        for (TiColorCountObject &entry : tally)
            if (entry.Color == Items(i)->Color())
                ++entry.Count;
    int least = std::numeric_limits<int>::max();
    for (const TiColorCountObject &entry : tally)
        least = std::min(least, entry.Count);
    for (const TiColorCountObject &entry : tally)
        if (entry.Count == least)
            return entry.Color;
    return iPlotChannelPalette[0];
}

void TiPlotChannelManager::NotificationRemove(TObject *Sender)
{
    TiPlotKindManager::NotificationRemove(Sender);
    Forget(XAxisManager, Sender);
    Forget(YAxisManager, Sender);
}

void TiPlotDataViewManager::NameNewObject(TiPlotDataView *Object)
{
    Object->SetName(GetNextName());
    QString axis;
    if (FirstName(XAxisManager, axis))
        Object->SetGridXAxisName(axis);
    if (FirstName(YAxisManager, axis))
        Object->SetGridYAxisName(axis);
}

void TiPlotDataViewManager::NotificationRemove(TObject *Sender)
{
    TiPlotKindManager::NotificationRemove(Sender);
    Forget(XAxisManager, Sender);
    Forget(YAxisManager, Sender);
}

void TiPlotDataCursorManager::NameNewObject(TiPlotDataCursor *Object)
{
    Object->SetName(GetNextName());
    if (DataViewManager && DataViewManager->Count() > 0)
        Object->SetDataView(DataViewManager->Items(0));
    QString channel;
    if (FirstName(ChannelManager, channel))
        Object->SetChannelName(channel);
}

void TiPlotDataCursorManager::NotificationRemove(TObject *Sender)
{
    TiPlotKindManager::NotificationRemove(Sender);
    Forget(ChannelManager, Sender);
    Forget(DataViewManager, Sender);
}

void TiPlotLimitManager::NameNewObject(TiPlotLimit *Object)
{
    Object->SetName(GetNextName());
    QString axis;
    if (FirstName(XAxisManager, axis))
        Object->SetXAxisName(axis);
    if (FirstName(YAxisManager, axis))
        Object->SetYAxisName(axis);
}

void TiPlotLimitManager::NotificationRemove(TObject *Sender)
{
    TiPlotKindManager::NotificationRemove(Sender);
    Forget(XAxisManager, Sender);
    Forget(YAxisManager, Sender);
}

// ---- TiPlotObjectManager ------------------------------------------------------------------------

TiPlotObject *TiPlotObjectManager::CreateObject()
{
    throw Exception(QStringLiteral("Object Manager does not support creation of objects"));
}

void TiPlotObjectManager::NotificationInsert(TObject *Sender)
{
    if (auto *object = dynamic_cast<TiPlotObject *>(Sender))
        InsertObject(object);
}

// Input may free objects or change the selection: each visit reads the list afresh.

void TiPlotObjectManager::MouseDownFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, TPopupMenu *PopupMenu)
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->UserSelected())
            Items(i)->iMouseDown(Button, Shift, X, Y, ScreenX, ScreenY, PopupMenu);
}

void TiPlotObjectManager::MouseMoveFocusObjects(TiHintData HintData, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, bool DblClickActive)
{
    for (int i = 0; i < Count(); ++i) {
        if (!Items(i)->UserSelected())
            continue;
        TiHintData copy = HintData;
        Items(i)->iMouseMove(copy, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
    }
}

void TiPlotObjectManager::MouseUpFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                              int ScreenY, bool DblClickActive, TPopupMenu *PopupMenu)
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->UserSelected())
            Items(i)->iMouseUp(Button, Shift, X, Y, ScreenX, ScreenY, DblClickActive, PopupMenu);
}

void TiPlotObjectManager::KeyDownFocusObjects(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->UserSelected())
            Items(i)->iKeyDown(CharCode, Shift, PopupMenu);
}

bool TiPlotObjectManager::MouseWheelFocusObjects(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->UserSelected() && Items(i)->iMouseWheel(WheelDelta, Shift, MousePos))
            handled = true;
    return handled;
}

void TiPlotObjectManager::ClearAllUserSelections()
{
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetUserSelected(false);
}

void TiPlotObjectManager::SetShiftState(TShiftState Value)
{
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetShiftState(Value);
}

void TiPlotObjectManager::ShutDownSetup()
{
    for (int i = 0; i < Count(); ++i) {
        Items(i)->OnRemove = nullptr;
        Items(i)->OnLayoutChange = nullptr;
        Items(i)->OnChange = nullptr;
    }
}
