#pragma once
// The base classes of every plot object (axes, channels, data views, legends, toolbars, tables,
// labels, limits, annotations, data cursors): lightweight persistent objects that are no windows
// of their own. The plot control owns them through its managers, paints them onto its off-screen
// canvas and hands them its mouse and key input.
//
// Rules a caller must know:
//  - Notifications: a property writer stores a changed value and raises one notification, OnChange
//    (something visible changed) or, for a move in the layout, OnLayoutChange followed by
//    OnChange. Selection changes raise OnInvalidateNow. An unassigned notification is not raised.
//  - Life: the constructor announces nothing. Whoever creates an object calls DoInsert once it is
//    ready; the master manager then files, names and wires it. Free() announces the removal
//    (OnRemove, then a layout change) while the object is still whole and then deletes it; owners
//    free plot objects that way. Deleting one directly still announces it, from the destructor of
//    TiPlotLayoutObject or TiPlotObject, where the kind of the object is no longer known.
//  - Input: iMouseDown, iMouseMove, iMouseUp, iMouseWheel and iKeyDown are called by the plot
//    control; they call the Do... steps the kinds override and report to the plot (TiPlotHost)
//    for its events. A popup menu is filled (AddMenuItems) and shown only when the plot's popup
//    event leaves Cancel false.
//  - Menu items an object puts into the plot's popup menu run their click only while the object
//    lives; destroying the object disarms them. A button's repeat timer dies with the button.
// GUI thread throughout.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/GraphicsTypes.h"
#include "platform/runtime/IntervalTimer.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MenuItem.h"

#include <QString>

#include <memory>
#include <vector>

class TCanvas;
class TPopupMenu;
class TiPlotHost;
class TiPlotMasterManager;
class TiMenuItem;

// Mouse input as a plot object sees it. Each mouse operation fills only the fields it names.
struct TiPlotMouseData {
    int X = 0;  // client coordinates of the plot control
    int Y = 0;
    int ScreenX = 0;
    int ScreenY = 0;
    // Along the X and the Y axis: X and Y, exchanged when the object's axes are reversed.
    int XAxisPixels = 0;
    int YAxisPixels = 0;
    TShiftState Shift;
    TMouseButton Button = mbLeft;
    bool DblClickActive = false;  // the plot is inside a double-click sequence
};

// A hint window an object asks for: this text at this place.
struct TiHintData {
    QString Text;
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = false;
};

class TiPlotObject : public TPersistent {
    T_DECLARE_CLASS(TiPlotObject, TPersistent)
    // Stores the owner (the plot control, not owned) and the four notifications; announces nothing.
    TiPlotObject(TWinControl *AOwner, TNotifyEvent AOnChange = {}, TNotifyEvent AOnInsert = {},
                 TNotifyEvent AOnRemove = {}, TNotifyEvent AOnRename = {});
    ~TiPlotObject() override;

    // Announces the removal while the object is whole, then deletes it.
    void Free();

    // ---- Properties ----
    TWinControl *Owner() const { return FOwner; }
    const QString &Name() const { return FName; }
    // A different name (compared case-sensitively) keeps the old one in NameOld, raises OnRename
    // and then DoChange.
    void SetName(const QString &Value);
    const QString &NameOld() const { return FNameOld; }
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    // Disabling drops a press in progress and the selection.
    virtual void SetEnabled(bool Value);
    int Layer() const { return FLayer; }
    void SetLayer(int Value);
    bool PopupEnabled() const { return FPopupEnabled; }
    void SetPopupEnabled(bool Value);
    bool CanFocus() const { return FCanFocus; }
    void SetCanFocus(bool Value);
    bool UserSelected() const { return FUserSelected; }
    // Raises OnInvalidateNow; a selection raises OnSetFocus and then DoGotFocus, a deselection
    // DoLostFocus.
    void SetUserSelected(bool Value);
    bool UserCanEdit() const { return FUserCanEdit; }
    void SetUserCanEdit(bool Value) { FUserCanEdit = Value; }
    bool XYAxesReversed() const { return FXYAxesReversed; }
    // A plain store.
    virtual void SetXYAxesReversed(bool Value) { FXYAxesReversed = Value; }
    TShiftState ShiftState() const { return FShiftState; }
    void SetShiftState(TShiftState Value) { FShiftState = Value; }
    bool CanDraw() const { return FCanDraw; }
    bool MouseIsDown() const { return FMouseDown; }
    bool MouseDownPopup() const { return FMouseDownPopup; }
    TiPlotObject *MouseOverObject() const { return FMouseOverObject; }

    // ---- Notifications (assigned by the creator, the master manager and the layout manager) -----
    TNotifyEvent OnChange;
    TNotifyEvent OnLayoutChange;
    TNotifyEvent OnRemove;
    TNotifyEvent OnInsert;
    TNotifyEvent OnRename;
    TNotifyEvent OnSetFocus;
    TNotifyEvent OnEdit;
    TNotifyEvent OnInvalidateNow;

    virtual void DoChange();
    // OnLayoutChange, then DoChange.
    virtual void DoLayoutChange();
    // Another object is going away: drop every reference to it.
    virtual void NotifyRemoved(TObject *AObject);
    // Another object was renamed: refresh the names stored of it.
    virtual void NotifyRenamed(TObject *AObject);
    // Another object became selected.
    virtual void NotifySelected(TObject *AObject);

    // ---- Painting (called by the plot) ----
    virtual void UpdateCanDraw(TCanvas *Canvas);
    virtual void Draw(TCanvas *Canvas, TColor BackGroundColor);

    // ---- Input from the plot control ----
    // Ignored while disabled. A left or right press starts a press (a right press with
    // PopupEnabled may open the popup menu at the release); a middle press starts nothing. The
    // plot's mouse-down event follows when the point hits the object.
    virtual void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            TPopupMenu *PopupMenu);
    virtual void iMouseMove(TiHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive);
    virtual void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                          bool DblClickActive, TPopupMenu *PopupMenu);
    virtual bool iHitTest(const TiPlotMouseData &MouseData);
    // True when the turn was used; the plot's wheel event is raised in any case.
    virtual bool iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos);
    // Shift+F10 or the Apps key open the popup menu (when PopupEnabled) at the object's popup point.
    virtual void iKeyDown(WORD &CharCode, TShiftState Shift, TPopupMenu *PopupMenu);
    virtual void DoMouseHint(const TiPlotMouseData &MouseData, TiHintData &HintData);
    virtual void DoMouseLeft(const TiPlotMouseData &MouseData);
    virtual void DoMouseRight(const TiPlotMouseData &MouseData);
    virtual void DoMouseMove(const TiPlotMouseData &MouseData);
    virtual void DoMouseUp(const TiPlotMouseData &MouseData);
    virtual bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y);
    virtual void DoGotFocus();
    virtual void DoLostFocus();
    virtual void DoMouseNotOver();
    // This object, or the inner button under the point; remembered as MouseOverObject.
    virtual TiPlotObject *GetMouseOverObject(int X, int Y);
    virtual TCursor GetMouseCursor(TPoint Point);
    bool HitTest(int X, int Y);

    // ---- Life and menus ----
    // Raises OnInsert: the object is ready to be filed.
    virtual void DoInsert();
    // Empties the popup menu; kinds that offer more add their items after calling it.
    virtual void AddMenuItems(TPopupMenu *PopupMenu);
    // Raises OnEdit (the "Edit..." item).
    void DoEditMenuItemClick();

    // Expires when the object is destroyed: checked after calls that may free it.
    std::weak_ptr<char> Life() const { return FLife; }

    // The paint order key: Layer as text, left-padded with "0" to 6 characters.
    QString GetLayerKey() const;
    // The replacement the owning plot's translation list has for Text, or Text itself.
    QString TranslateText(const QString &Text) const;

protected:
    // The owner as the plot control, or nullptr.
    TiPlotHost *Host() const;
    // The owning plot's objects, or nullptr.
    TiPlotMasterManager *PlotMaster() const;
    // Stores a value that differs from Field, then DoChange; an equal value changes nothing.
    template <class T>
    void SetField(const T &Value, T &Field)
    {
        if (Field == Value)
            return;
        Field = Value;
        DoChange();
    }
    // Appends "Edit..." (translated) when UserCanEdit; its click raises OnEdit.
    void AddEditMenuItem(TPopupMenu *PopupMenu);
    // A new visible item whose click runs Click (when given) while this object lives: at the end
    // of the popup menu, or of Parent's items, or at Index of them.
    TiMenuItem *AddObjectMenuItem(TPopupMenu *PopupMenu, const QString &Caption,
                                  std::function<void(TiMenuItem *)> Click, TMenuItem *Parent = nullptr, int Index = -1);
    // The client point where the keyboard opens the popup menu; false: no popup from the keys.
    virtual bool GetKeyPopupPoint(TPoint &Point);
    // OnRemove, then DoLayoutChange: once, from Free() or the first destructor that gets to it.
    void AnnounceRemoval();
    // For kinds that keep one selection: another object that became selected takes it from this.
    void YieldSelectionTo(TObject *AObject);
    TiPlotMouseData MakeMouseData(int X, int Y, int ScreenX, int ScreenY) const;

    QString FName;
    QString FNameOld;
    TWinControl *FOwner;
    // The owner as the plot control, once found (Host runs for every scale change and report).
    mutable TiPlotHost *FHost = nullptr;
    TShiftState FShiftState;
    bool FVisible = true;
    bool FEnabled = true;
    int FLayer = 100;
    bool FPopupEnabled = true;
    bool FCanFocus = true;
    bool FUserSelected = false;
    bool FUserCanEdit = true;
    bool FXYAxesReversed = false;
    bool FCanDraw = false;
    TiPlotObject *FMouseOverObject = nullptr;
    bool FMouseDown = false;
    bool FMouseDownPopup = false;

private:
    friend class TiMenuItem;
    void ShowPopupMenu(TPopupMenu *PopupMenu, int ScreenX, int ScreenY);

    bool FRemovalAnnounced = false;
    std::vector<TiMenuItem *> FMenuItems;
    std::shared_ptr<char> FLife = std::make_shared<char>();
};

// Object's class is, or descends from, the registered class of that name; false while no such
// class is registered. For kinds whose classes come with other sources (the strip-chart plot and
// its channel).
bool iIsKindOf(const TObject *Object, const QString &ClassName);

// The checks of what a manager makes for a plot (objects and managers): OwnerMessage without an
// owner, else "OnChange event handler can not be null", "OnInsert event handler can not be null",
// "OnRemove event handler can not be null" or "AOnRename event handler can not be null" for the
// first missing notification. Answers the owner.
TWinControl *iCheckPlotOwner(TWinControl *AOwner, const QString &OwnerMessage, const TNotifyEvent &AOnChange,
                             const TNotifyEvent &AOnInsert, const TNotifyEvent &AOnRemove,
                             const TNotifyEvent &AOnRename);

// A plot object made by a manager: its constructor insists on an owner and on all four
// notifications and raises, in this order, "Owner must be assigned", "OnChange event handler can
// not be null", "OnInsert event handler can not be null", "OnRemove event handler can not be
// null", "AOnRename event handler can not be null"; nothing is created then.
class TiPlotManagerObject : public TiPlotObject {
    T_DECLARE_CLASS(TiPlotManagerObject, TiPlotObject)
    TiPlotManagerObject(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
};

// A plot object that occupies a band beside the data view: its band (ZOrder) in the horizontal or
// the vertical stack and its extent along the band (StartPercent ... StopPercent, at least 1
// percent). The plot layout writes its rectangles.
class TiPlotLayoutObject : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotLayoutObject, TiPlotManagerObject)
    TiPlotLayoutObject(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename);
    ~TiPlotLayoutObject() override;

    double StartPercent() const { return FStartPercent; }
    // Clamped to 0...100; the stop moves up to keep 1 percent (the start backs off to 99 at 100).
    void SetStartPercent(double Value);
    double StopPercent() const { return FStopPercent; }
    // Clamped to 0...100; the start moves down to keep 1 percent (the stop moves to 1 at 0).
    void SetStopPercent(double Value);
    // Both at once, unclamped (the layout viewer), then DoChange.
    void SetStartStopPercent(double Start, double Stop);
    int ZOrder() const { return FZOrder; }
    void SetZOrder(int Value);
    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool Value);
    bool ReverseSide() const { return FReverseSide; }
    void SetReverseSide(bool Value);
    bool ForceStacking() const { return FForceStacking; }
    void SetForceStacking(bool Value);
    // Written by the layout code, without notification.
    bool StartStacked() const { return FStartStacked; }
    void SetStartStacked(bool Value) { FStartStacked = Value; }
    bool StopStacked() const { return FStopStacked; }
    void SetStopStacked(bool Value) { FStopStacked = Value; }
    TRect DrawRect() const { return TRect(FLeft, FTop, FRight, FBottom); }
    void SetDrawRect(const TRect &Value);
    TRect LayoutRect() const { return TRect(FLayoutLeft, FLayoutTop, FLayoutRight, FLayoutBottom); }
    void SetLayoutRect(const TRect &Value);
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }
    int LayoutWidth() const { return FLayoutRight - FLayoutLeft; }
    int LayoutHeight() const { return FLayoutBottom - FLayoutTop; }

    virtual bool IsHorz() const { return FHorizontal; }
    virtual bool IsVert() const { return !FHorizontal; }
    // The thickness in pixels the object needs across its band.
    virtual int GetRequiredWidth(TCanvas *Canvas);
    // The margin in pixels the object needs at the ends of its band.
    virtual int GetRequiredLengthMargin(TCanvas *Canvas);

    // Inside the draw rectangle, right and bottom edges excluded.
    bool iHitTest(const TiPlotMouseData &MouseData) override;
    // Also raises OnLayoutChange.
    void DoInsert() override;

    // ZOrder as text, left-padded with "0" to 3 characters.
    QString GetZOrderKey() const;
    // StartPercent rounded (ties to even) as text, left-padded with "0" to 3 characters.
    QString GetStartKey() const;

protected:
    // The centre of the draw rectangle.
    bool GetKeyPopupPoint(TPoint &Point) override;
    // After a press on the object, a release inside the draw rectangle is a click for the plot.
    void ClickWhenReleasedInside(const TiPlotMouseData &MouseData);

    double FStopPercent = 100;
    double FStartPercent = 0;
    int FZOrder = 0;
    bool FHorizontal = false;
    bool FReverseSide = false;
    int FBottom = 0;
    int FLeft = 0;
    int FTop = 0;
    int FRight = 0;
    bool FStartStacked = false;
    bool FStopStacked = false;
    int FLayoutBottom = 0;
    int FLayoutLeft = 0;
    int FLayoutTop = 0;
    int FLayoutRight = 0;
    bool FForceStacking = false;
};

// A small clickable area drawn inside another object (legend scroll buttons, toolbar and table
// buttons). A press starts the auto-repeat when TimerEnabled: one click after 500 ms, then one
// every 50 ms while held (the component layer's interval timer, so the manual test clock drives
// it). The release clicks when it comes inside the button (OnGroupClick first for a grouped
// button). A click handler may free the button or disable it.
class TiPlotButton : public TiPlotObject {
    T_DECLARE_CLASS(TiPlotButton, TiPlotObject)
    using TiPlotObject::TiPlotObject;
    ~TiPlotButton() override;

    TRect DrawRect() const { return TRect(FLeft, FTop, FRight, FBottom); }
    void SetDrawRect(const TRect &Value);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Right() const { return FRight; }
    int Bottom() const { return FBottom; }
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }
    bool Down() const { return FDown; }
    // A change raises OnInvalidate, then OnDownChange.
    void SetDown(bool Value);
    bool TimerEnabled() const { return FTimerEnabled; }
    void SetTimerEnabled(bool Value) { FTimerEnabled = Value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    // The repeat timer is running.
    bool Repeating() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnGroupClick;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDownChange;

    // Disabling also stops the repeat.
    void SetEnabled(bool Value) override;
    void DoMouseLeft(const TiPlotMouseData &MouseData) override;
    void DoMouseMove(const TiPlotMouseData &MouseData) override;
    void DoMouseUp(const TiPlotMouseData &MouseData) override;

    // The look of the scroll buttons of legends and tables: a button face framed raised, sunken
    // while pressed, and a small filled arrow in its middle, black, grey while disabled.
    void DrawScrollFace(TCanvas *Canvas);
    void DrawScrollArrow(TCanvas *Canvas, bool Up);

private:
    void TimerTick();
    void FreeTimer();

    int FTop = 0;
    int FBottom = 0;
    int FRight = 0;
    int FLeft = 0;
    bool FDown = false;
    std::unique_ptr<TIntervalTimer> FTimer;
    bool FTimerEnabled = false;
    int FGroupIndex = 0;
};

// A popup menu item that carries a text (the data cursor's channel items keep a channel name in
// it). An item a plot object made runs its object's step only while that object lives.
class TiMenuItem : public TMenuItem {
    T_DECLARE_CLASS(TiMenuItem, TMenuItem)
    explicit TiMenuItem(TComponent *AOwner);
    ~TiMenuItem() override;

    QString AString;

private:
    friend class TiPlotObject;
    void ObjectClick(TObject *Sender);

    TiPlotObject *FPlotObject = nullptr;
    std::function<void(TiMenuItem *)> FObjectClick;
};

// A rectangle kept in an object list.
class TiPlotRectObject : public TObject {
public:
    TRect ARect;
};
