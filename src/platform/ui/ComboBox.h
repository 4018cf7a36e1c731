#pragma once
// TCustomComboBox and TComboBox: a drop-down list with an edit part (csDropDown, csSimple) or
// without one (csDropDownList and the owner-drawn styles).
//
// Events are the framework's and fire on the user's actions only:
//  - choosing an item (in the list, with the arrow keys, with the wheel): OnClick, then OnSelect
//    when assigned, otherwise OnChange (before them the text becomes the item's text);
//  - typing in the edit part: OnChange;
//  - opening the list: OnDropDown (before the list shows, so a handler may refill it); closing it:
//    OnCloseUp.
// While the list is open the keys act on it: Up, Down, Page Up, Page Down, Home and End move its
// highlight (typed letters too, in the list styles) and change nothing; Enter (or F4, Alt+Up,
// Alt+Down) closes it choosing the highlighted item, which fires as a choice in the list does;
// Esc closes it and keeps the value. Enter and Esc are then no dialog keys of the form.
// Writing ItemIndex, Text or Items by code fires none of them. The list notifications reach the
// control as CN_COMMAND messages with the CBN_* codes (a subclass may handle them), and every
// key and mouse message of the edit part passes through ComboWndProc first.

#include "platform/ui/ListControlItems.h"
#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"

#include <memory>

class QComboBox;
class TCanvas;

// Notification codes of a combo box (the high word of CN_COMMAND's WParam).
constexpr WORD CBN_SELCHANGE = 1;
constexpr WORD CBN_DBLCLK = 2;
constexpr WORD CBN_SETFOCUS = 3;
constexpr WORD CBN_KILLFOCUS = 4;
constexpr WORD CBN_EDITCHANGE = 5;
constexpr WORD CBN_EDITUPDATE = 6;
constexpr WORD CBN_DROPDOWN = 7;
constexpr WORD CBN_CLOSEUP = 8;
constexpr WORD CBN_SELENDOK = 9;
constexpr WORD CBN_SELENDCANCEL = 10;

// Told to a list or combo box for each item with an object that is deleted (CN_DELETEITEM,
// LParam: a TDeleteItemStruct), before the item goes.
constexpr UINT WM_DELETEITEM = 0x002D;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
struct TDeleteItemStruct {
    UINT CtlType = 3;  // ODT_COMBOBOX
    UINT CtlID = 0;
    UINT itemID = 0;
    HWND hwndItem = nullptr;
    TObject *itemData = nullptr;
};

using TDrawItemEvent = TEvent<void(TWinControl *Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl *Control, int Index, int &Height)>;

// Paints one item of an owner-drawn list box or combo box on `canvas`: the control's font and
// colour (highlight colours when selected), then `onDraw` when assigned, otherwise the cleared
// cell with the item's text.
void DrawListItem(TWinControl *control, TCanvas &canvas, const TStrings &items, const TDrawItemEvent &onDraw,
                  int index, const TRect &rect, TOwnerDrawState state);

class TCustomComboBox : public TNativeControl {
    T_DECLARE_CLASS(TCustomComboBox, TNativeControl)

public:
    explicit TCustomComboBox(TComponent *AOwner);
    ~TCustomComboBox() override;

    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *value) { FItems->Assign(value); }
    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int value);
    int Count() const { return FItems->Count(); }
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    int ItemHeight() const { return FItemHeight; }
    virtual void SetItemHeight(int value);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value < 0 ? 0 : value; }
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    bool AutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool value) { FAutoDropDown = value; }
    bool AutoCloseUp() const { return FAutoCloseUp; }
    void SetAutoCloseUp(bool value) { FAutoCloseUp = value; }

    // The drop-down list: open or not, and its width (0: the control's width).
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    int DroppedWidth() const { return FDroppedWidth; }
    void SetDroppedWidth(int value) { FDroppedWidth = value; }
    // The first item the open list shows, and scrolling the list to put an item first (clamped to
    // the items); -1 and nothing while the list is closed.
    int DroppedTopIndex() const;
    void SetDroppedTopIndex(int value);
    // Where an item of the open list shows, in the control's client coordinates (the list lies
    // outside the control); empty while the list is closed or the item is scrolled out of it.
    TRect DroppedItemRect(int index) const;

    // The edit part (edit styles).
    bool HasEditPart() const { return FStyle == csDropDown || FStyle == csSimple; }
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    QString SelText() const;
    void SetSelText(const QString &value);
    void SelectAll();
    bool EditReadOnly() const { return FEditReadOnly; }
    void SetEditReadOnly(bool value);

    // The list's searches, case ignored, starting after `startAfter` and wrapping around: the
    // first item that begins with `prefix`, the first item equal to `text`; -1 when none.
    int FindString(const QString &prefix, int startAfter = -1) const;
    int FindStringExact(const QString &text, int startAfter = -1) const;

    void AddItem(const QString &item, TObject *object) { FItems->AddObject(item, object); }
    // Empties the list and the text.
    void Clear();
    void ClearSelection() { SetItemIndex(-1); }
    void DeleteSelected();

    // The canvas of owner drawing (valid inside OnDrawItem and DrawItem).
    TCanvas *Canvas() const { return FCanvas.get(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void Loaded() override;

protected:  // message handlers, registered by number in the class description
    void CNCommand(TMessage &m);
    void CMMouseWheel(TMessage &m);
    void CMTextChanged(TMessage &m);
    void WMGetDlgCode(TMessage &m);
    void CMWantSpecialKey(TMessage &m);

public:
    void WndProc(TMessage &m) override;
    // Keys while the list is open act on the list; everything else as for any native control.
    void DefaultHandler(TMessage &message) override;

protected:
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    virtual void DrawItem(int index, const TRect &rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int &height);
    // Every key and mouse message of the edit part: the framework's handling (key events, then
    // the edit itself). A subclass may handle a message and not pass it on.
    virtual void ComboWndProc(TMessage &m);

    QWidget *CreateNative(QWidget *parent) override;
    QString GetText() const override;
    void SetTextValue(const QString &value) override;

    // Sends a list notification to the control itself.
    void Notify(WORD code) { Perform(CN_COMMAND, static_cast<WPARAM>(code) << 16, 0); }
    // The user chose item `index` (list, keys, wheel).
    void UserSelect(int index);
    // The user changed the text of the edit part.
    void UserEdited(const QString &text);
    // The widget follows the items, the selection and the text.
    void RebuildWidget();
    void ShowSelectionInWidget();
    QComboBox *Combo() const;

private:
    friend class TComboWidget;
    void ItemInserted(int index);
    void ItemDeleted(int index);
    void ItemsCleared();
    // A key message while the list is open: true when the list took it.
    bool ListKey(const TMessage &m);

    std::unique_ptr<TListControlItems> FItems;
    std::unique_ptr<TCanvas> FCanvas;
    int FItemIndex = -1;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    int FItemHeight = 16;
    int FMaxLength = 0;
    TEditCharCase FCharCase = ecNormal;
    bool FAutoComplete = true;
    bool FAutoDropDown = false;
    bool FAutoCloseUp = false;
    int FDroppedWidth = 0;
    bool FEditReadOnly = false;
    int FSelStart = 0;
    int FSelLength = 0;
    bool FSyncing = false;  // the control is writing to the widget
};

class TComboBox : public TCustomComboBox {
    T_DECLARE_CLASS(TComboBox, TCustomComboBox)

public:
    explicit TComboBox(TComponent *AOwner) : TCustomComboBox(AOwner) {}
};
