#pragma once
// The managers that keep a plot's objects: one owning manager per kind (toolbars, legends, tables,
// X axes, Y axes, channels, data views, data cursors, limits, labels, annotations), the plot
// object manager that lists every object of the plot without owning it (and routes input to the
// selected ones), and, on the same base, the layout manager (iPlotLayoutManager.h). The master
// manager makes them all and receives all their notifications.
//
// Rules a caller must know:
//  - A manager keeps its objects in filing order; an object's index is its position and shifts
//    down when an earlier one leaves. Objects enter only through NotificationInsert (the master
//    manager passes every object's DoInsert on) and leave through NotificationRemove (raised by
//    the object's removal) or Delete.
//  - A new unnamed object gets the base name of its kind, a blank and the next free number
//    ("Channel 3"), and its kind's defaults (an axis its title, a channel its title, palette
//    colour and axis names ...). An object that already has a name keeps everything it has.
//  - Streaming: each owning manager is a collection property of the plot's form, one item per
//    object with its published properties; reading clears the manager first and files every item
//    read (a value that is no collection leaves the manager empty).
//  - Construction checks, in this order: "Owner must be Assigned", "OnChange event handler can
//    not be null", "OnInsert event handler can not be null", "OnRemove event handler can not be
//    null", "AOnRename event handler can not be null". A manager then announces itself through
//    OnInsert, and through OnRemove when it is destroyed (an owning manager first frees its
//    objects).
// GUI thread.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/StringList.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/channels/iPlotChannelCustom.h"
#include "plotlib/objects/iPlotAnnotation.h"
#include "plotlib/objects/iPlotLegend.h"
#include "plotlib/objects/iPlotLimit.h"
#include "plotlib/objects/iPlotTable.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iPlotDataView.h"
#include "plotlib/plot/iPlotLabel.h"
#include "plotlib/plot/iPlotObjects.h"

#include <QString>

#include <array>

class TReader;
class TWriter;

// ---- Base of every manager ----------------------------------------------------------------------

class TiPlotObjectManagerCustom : public TObject {
public:
    TiPlotObjectManagerCustom(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                              TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
    // Raises OnRemove (an owning manager has freed its objects before).
    ~TiPlotObjectManagerCustom() override;

    int Count() const { return FList.Count(); }
    TWinControl *Owner() const { return FOwner; }
    // Raised after an object left the list.
    TNotifyEvent OnChange;
    TNotifyEvent OnInsert;
    TNotifyEvent OnRemove;
    // Handed to every object the manager makes.
    TNotifyEvent OnRename;

    // A new object of the manager's kind with the plot as owner and the manager's notifications;
    // not filed (its DoInsert files it).
    virtual TiPlotObject *CreateObject() = 0;
    // The prefix of default names.
    virtual QString GetBaseName() const = 0;
    // An object left the list.
    virtual void ObjectRemoved(TiPlotObject *AObject);
    // Drops Sender from the list when it is there, then ObjectRemoved and OnChange.
    virtual void NotificationRemove(TObject *Sender);
    virtual void NotificationInsert(TObject *Sender) = 0;
    // NotifyRenamed on every object, in list order.
    virtual void NotificationRename(TObject *Sender);
    // NotifySelected on every object, in list order.
    virtual void NotificationSetFocus(TObject *Sender);
    virtual void Clear();
    // Takes the entry out of the list; the object is neither freed nor notified. EStringListError
    // outside the list.
    virtual void Delete(int Index);

    // Appends the object unless it is already listed.
    void InsertObject(TiPlotObject *AObject);
    // -1 when the object is not listed.
    int GetIndex(const TObject *AObject) const;
    // The object at Index; EStringListError outside 0 ... Count - 1.
    TiPlotObject *Items(int Index) const;
    // The first object whose name equals Value without regard to case, or nullptr.
    TiPlotObject *GetObjectByName(const QString &Value) const;
    int GetIndexByName(const QString &Value) const;
    // The base name, a blank and one more than the highest number after the base name (in any
    // letter case) among the listed names; names whose rest is no integer are passed over.
    QString GetNextName() const;

    bool DoWriteToStream() const { return Count() > 0; }
    void WriteToStream(TWriter &Writer);
    void ReadFromStream(TReader &Reader);

protected:
    TStringList FList;
    TWinControl *FOwner;
};

// ---- Managers that own their objects ------------------------------------------------------------

class TiPlotObjectOwnedManager : public TiPlotObjectManagerCustom {
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
    // Frees every object.
    ~TiPlotObjectOwnedManager() override;

    // Frees the objects one by one from the front; each one's removal takes it out of the lists.
    void Clear() override;
    // Ignores the manager itself; otherwise tells every other object (NotifyRemoved), then the
    // base steps.
    void NotificationRemove(TObject *Sender) override;
};

// An owning manager of objects of class T: makes them, files them and names new ones.
template <class T>
class TiPlotKindManager : public TiPlotObjectOwnedManager {
public:
    using TiPlotObjectOwnedManager::TiPlotObjectOwnedManager;

    TiPlotObject *CreateObject() override { return new T(FOwner, OnChange, OnInsert, OnRemove, OnRename); }
    T *Items(int Index) const { return static_cast<T *>(TiPlotObjectManagerCustom::Items(Index)); }
    // Files an object of the kind; an unnamed one gets the next name and the kind's defaults.
    void NotificationInsert(TObject *Sender) override
    {
        auto *object = dynamic_cast<T *>(Sender);
        if (!object)
            return;
        InsertObject(object);
        if (object->Name().isEmpty())
            NameNewObject(object);
    }

protected:
    virtual void NameNewObject(T *Object) { Object->SetName(GetNextName()); }
};

class TiPlotToolBarManager : public TiPlotKindManager<TiPlotToolBar> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Toolbar"); }
};

class TiPlotLegendManager : public TiPlotKindManager<TiPlotLegend> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Legend"); }
};

class TiPlotTableManager : public TiPlotKindManager<TiPlotTable> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Table"); }
};

// A new unnamed axis takes its name as its title.
class TiPlotXAxisManager : public TiPlotKindManager<TiPlotXAxis> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("X-Axis"); }

protected:
    void NameNewObject(TiPlotXAxis *Object) override;
};

class TiPlotYAxisManager : public TiPlotKindManager<TiPlotYAxis> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Y-Axis"); }

protected:
    void NameNewObject(TiPlotYAxis *Object) override;
};

// One entry of the palette tally.
class TiColorCountObject : public TObject {
public:
    TColor Color = clRed;
    int Count = 0;
};

// The colours of new channels, in the order they are handed out.
inline constexpr std::array<TColor, 30> iPlotChannelPalette = {
    255,      65535,   16711680, 16711935, 16776960, 65280,    16777215, 128,      32768,    32896,
    8388608,  8388736, 8421376,  8421504,  192,      49152,    49344,    12582912, 12583104, 12632064,
    12632256, 33023,   8388863,  8421631,  16711808, 16744448, 16744576, 65408,    8453888,  8454016};

// Makes channels of the plot's channel class. A new unnamed channel takes its name as its title,
// the palette colour used least so far (the first such in palette order; red for the first
// channel) and the names of the plot's first X and Y axis.
class TiPlotChannelManager : public TiPlotKindManager<TiPlotChannelCustom> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Channel"); }
    // Raises "No channel class set" while ChannelClass is empty.
    TiPlotObject *CreateObject() override;
    void NotificationRemove(TObject *Sender) override;

    // The colour for the channel being filed (already in the list with its default colour).
    TColor GetNextChannelColor() const;

    TiPlotXAxisManager *XAxisManager = nullptr;
    TiPlotYAxisManager *YAxisManager = nullptr;
    TiPlotChannelClass ChannelClass;

protected:
    void NameNewObject(TiPlotChannelCustom *Object) override;
};

// A new unnamed data view draws the grid of the plot's first X and Y axis.
class TiPlotDataViewManager : public TiPlotKindManager<TiPlotDataView> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Data View"); }
    void NotificationRemove(TObject *Sender) override;

    TiPlotXAxisManager *XAxisManager = nullptr;
    TiPlotYAxisManager *YAxisManager = nullptr;

protected:
    void NameNewObject(TiPlotDataView *Object) override;
};

// A new unnamed data cursor works in the plot's first data view on its first channel.
class TiPlotDataCursorManager : public TiPlotKindManager<TiPlotDataCursor> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Cursor"); }
    void NotificationRemove(TObject *Sender) override;

    TiPlotChannelManager *ChannelManager = nullptr;
    TiPlotDataViewManager *DataViewManager = nullptr;

protected:
    void NameNewObject(TiPlotDataCursor *Object) override;
};

// A new unnamed limit takes the names of the plot's first X and Y axis.
class TiPlotLimitManager : public TiPlotKindManager<TiPlotLimit> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Limit"); }
    void NotificationRemove(TObject *Sender) override;

    TiPlotXAxisManager *XAxisManager = nullptr;
    TiPlotYAxisManager *YAxisManager = nullptr;

protected:
    void NameNewObject(TiPlotLimit *Object) override;
};

// A new unnamed label shows its name.
class TiPlotLabelManager : public TiPlotKindManager<TiPlotLabel> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Label"); }

protected:
    void NameNewObject(TiPlotLabel *Object) override;
};

// Annotations are filed without a name.
class TiPlotAnnotationManager : public TiPlotKindManager<TiPlotAnnotation> {
public:
    using TiPlotKindManager::TiPlotKindManager;
    QString GetBaseName() const override { return QStringLiteral("Annotation"); }

protected:
    void NameNewObject(TiPlotAnnotation *) override {}
};

// ---- The list of every plot object --------------------------------------------------------------

// Lists every plot object of the plot, unnamed and not owned, and routes input to the selected
// ones, in list order (an object that input removes from the list is passed over safely).
class TiPlotObjectManager : public TiPlotObjectManagerCustom {
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;

    // Raises "Object Manager does not support creation of objects".
    TiPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("n/a"); }
    void NotificationInsert(TObject *Sender) override;

    void MouseDownFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                               TPopupMenu *PopupMenu);
    // Each selected object gets its own copy of the hint data.
    void MouseMoveFocusObjects(TiHintData HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                               bool DblClickActive);
    void MouseUpFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                             bool DblClickActive, TPopupMenu *PopupMenu);
    void KeyDownFocusObjects(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu);
    // True when any selected object used the turn; every selected object is asked.
    bool MouseWheelFocusObjects(int WheelDelta, TShiftState Shift, TPoint MousePos);
    void ClearAllUserSelections();
    // Stores the shift state in every object.
    void SetShiftState(TShiftState Value);
    // Detaches the remove, layout-change and change notifications of every object, so that
    // tearing the plot down raises none of them.
    void ShutDownSetup();
};
