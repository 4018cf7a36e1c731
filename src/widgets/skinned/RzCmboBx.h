#pragma once
// TRzCustomComboBox and TRzComboBox: the framework's combo box with colours that follow its state,
// a flat frame and drop-down button painted over the native rendering, its own auto-completion
// and incremental search, a read-only mode, an automatic list width, wheel handling and more
// events. TRzComboBox adds a Values list that gives each item a value.
//
// Colours: disabled DisabledColor; focused FocusColor (ReadOnlyColor when read-only and
// ReadOnlyColorOnFocus); otherwise ReadOnlyColor when read-only, else the normal colour. A Color
// written from outside becomes the normal colour (and the focus colour, when that equalled the old
// normal colour), so a box given Color 0xFFFFDF keeps it when focused.
//
// Typing in the edit styles (while AutoComplete): the typed text (SearchString) is looked up as a
// prefix of the items, case ignored. A match selects the item, shows its own text with the
// completed tail selected, and fires OnClick, OnChange and, when the selection moved, OnMatch;
// the key itself is swallowed. No match: with AllowEdit the key is typed as usual; without it the
// key beeps (BeepOnInvalidKey) and is dropped. Backspace shortens the search text and completes
// again. Setting Text by code (csDropDown) selects the first item it begins with. An empty text
// completes to nothing (every item begins with it). The key-press event comes once for each key,
// before the search.
//
// Typing in the list styles: each character extends SearchString and selects the first item that
// begins with it (OnClick, OnChange); a character that matches nothing beeps. The search starts
// anew 1500 ms (IncrementalSearchInterval) after the last key, after a navigation key or Esc, and
// when the focus goes.
//
// ReadOnly: keys, characters (Ctrl+C excepted), the wheel and the mouse that would open the list
// change nothing; the button area shows the background colour. TabOnEnter: Enter with the list
// closed moves the focus on, as Tab does (posted, so it happens when the message loop runs).
//
// Wheel: an OnMouseWheel handler that sets Handled keeps the selection. Otherwise with the list
// closed wheel down selects the next item and wheel up the previous one (OnClick, OnChange), and
// neither moves past the ends (no event then); with it open the list scrolls. Always handled.
//
// Leaving a csDropDown box whose text is not empty and equals no item fires OnNotInList.
// ItemIndex, Text, Items, Value and ClearItems written by code fire nothing.
//
// Painting after the native rendering: with FrameVisible a flat frame (FrameStyle, or FrameHotStyle
// while FrameHotTrack and focused or under the pointer) replaces the system border; with
// FlatButtons a flat drop-down button replaces the system one, raised while focused or under the
// pointer. There is no theme service, so the themed branches never run.

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsCanvas.h"
#include "widgets/skinned/RzCommon.h"
#include "widgets/skinned/RzFrameController.h"

#include <memory>

constexpr unsigned IncrementalSearchInterval = 1500;

using TRzDeleteComboItemEvent = TEvent<void(TObject *Sender, TObject *Item)>;

class TRzCustomComboBox : public TCustomComboBox {
    T_DECLARE_CLASS(TRzCustomComboBox, TCustomComboBox)
    explicit TRzCustomComboBox(TComponent *AOwner);
    ~TRzCustomComboBox() override;

    // ---- Typing ----
    bool AllowEdit() const { return FAllowEdit; }
    void SetAllowEdit(bool value) { FAllowEdit = value; }
    // This box's own auto-completion (the framework's is always off).
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    bool BeepOnInvalidKey() const { return FBeepOnInvalidKey; }
    void SetBeepOnInvalidKey(bool value) { FBeepOnInvalidKey = value; }
    bool KeepSearchCase() const { return FKeepSearchCase; }
    void SetKeepSearchCase(bool value) { FKeepSearchCase = value; }
    bool TabOnEnter() const { return FTabOnEnter; }
    void SetTabOnEnter(bool value) { FTabOnEnter = value; }
    bool ReadOnly() const { return FReadOnly; }
    virtual void SetReadOnly(bool value);
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int value) { FDropDownWidth = value; }
    const QString &SearchString() const { return FSearchString; }
    void ClearSearchString() { FSearchString.clear(); }

    // ---- Colours and frame ----
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor value);
    TColor FocusColor() const { return FFocusColor; }
    virtual void SetFocusColor(TColor value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    void SetReadOnlyColorOnFocus(bool value) { FReadOnlyColorOnFocus = value; }
    bool FlatButtons() const { return FFlatButtons; }
    virtual void SetFlatButtons(bool value);
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    virtual void SetFlatButtonColor(TColor value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    TColor FrameHotColor() const { return FFrameHotColor; }
    virtual void SetFrameHotColor(TColor value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    virtual void SetFrameHotTrack(bool value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    virtual void SetFrameHotStyle(TFrameStyle value);
    TSides FrameSides() const { return FFrameSides; }
    virtual void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    virtual void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return FFrameVisible; }
    virtual void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    virtual void SetFramingPreference(TFramingPreference value);
    TRzFrameController *FrameController() const { return FFrameController; }
    virtual void SetFrameController(TRzFrameController *value);
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications value)
    {
        FFrameControllerNotifications = value;
    }

    // ---- Items ----
    int Add(const QString &s) { return Items()->Add(s); }
    int AddObject(const QString &s, TObject *object) { return Items()->AddObject(s, object); }
    void Insert(int index, const QString &s) { Items()->Insert(index, s); }
    void InsertObject(int index, const QString &s, TObject *object) { Items()->InsertObject(index, s, object); }
    void Delete(int index) { Items()->Delete(index); }
    // Empties the items; fires nothing.
    void ClearItems() { Items()->Clear(); }
    // The exact index of `s` (case as the list compares), -1 when none.
    virtual int IndexOf(const QString &s) const { return Items()->IndexOf(s); }
    // Selects the item `s` (exact) / the first item beginning with `s`; false when there is none.
    bool FindItem(const QString &s);
    bool FindClosestItem(const QString &s);
    // Sets Text (when it differs) without completing it.
    void ForceText(const QString &value);
    // Whether the system's visual styles frame the box: never here.
    virtual bool UseThemes() const;
    // The box has the focus (from its enter to its exit).
    bool Focused() const { return FIsFocused; }
    // The width the open list was given last.
    int ActualDropDownWidth() const { return FActualDropDownWidth; }

    // Whether a colour or framing property goes into a form: not when a frame controller sets it.
    bool StoredUnlessControlled(TRzFrameControllerProperty property) const;

    TRzDeleteComboItemEvent OnDeleteItem;
    TNotifyEvent OnMatch;
    TNotifyEvent OnNotInList;
    TNotifyEvent OnSelEndCancel;
    TNotifyEvent OnSelEndOk;

    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void DefineProperties(TFiler *Filer) override;
    void WndProc(TMessage &m) override;

protected:
    virtual void UpdateColors();
    // `pointer`: the pointer is over the box (else: the box has the focus) is now `value`.
    virtual void UpdateFrame(bool pointer, bool value);
    // Beeps when BeepOnInvalidKey.
    virtual void InvalidKey();
    // Selects the first item beginning with `s` (list styles); beeps when there is none.
    virtual void SearchList(const QString &s);
    // Completes the edit part from the first item beginning with `s`; false when none does.
    virtual bool AutoCompleteText(const QString &s);
    // The first item beginning with `s`, case ignored, from the top; -1 when none.
    virtual int FindListString(const QString &s) const { return FindString(s); }
    virtual void DeleteComboItem(TObject *item);
    virtual void Match();
    virtual void NotInList();
    virtual void SelEndCancel();
    virtual void SelEndOk();

    void ComboWndProc(TMessage &m) override;
    void KeyPress(QChar &key) override;
    void DropDown() override;
    void CloseUp() override;
    void DrawItem(int index, const TRect &rect, TOwnerDrawState state) override;

protected:  // message handlers, registered by number in the class description
    void WMPaint(TMessage &m);
    void WMSize(TMessage &m);
    void CMEnter(TMessage &m);
    void CMExit(TMessage &m);
    void CMMouseEnter(TMessage &m);
    void CMMouseLeave(TMessage &m);
    void CMColorChanged(TMessage &m);
    void CMEnabledChanged(TMessage &m);
    void CMTextChanged(TMessage &m);
    void CMMouseWheel(TMessage &m);
    void CNCommand(TMessage &m);
    void CNDeleteItem(TMessage &m);

private:
    // Edit styles: true when the message goes on to the framework and the edit part.
    bool EditKeyDown(TMessage &m);
    bool EditChar(TMessage &m);
    bool EditBackspace(TMessage &m);
    bool EditTypedChar(TMessage &m);
    // List styles: true when the message goes on.
    bool ListKeyDown(TMessage &m);
    bool ListChar(TMessage &m);
    // The character a typed key adds to the search: empty for the first half of a surrogate pair,
    // which waits for the second.
    QString TypedCharacter(QChar key);
    // The framework's key press (the form's preview, KeyPress, OnKeyPress); false when cancelled.
    bool FireKeyPress(QChar &key);
    // Passes a character on to the edit part only (its key press already ran).
    void TypeIntoEdit(TMessage &m) { TCustomComboBox::DefaultHandler(m); }
    // Deletes like the Backspace key in the edit part.
    void BackspaceInEdit();
    void SelectTextItem();
    void SearchTimerExpired(TObject *Sender);
    // Moves the focus on as Tab does, once the message loop runs.
    void PostTab();
    TRect ButtonRect() const;
    void PaintFlatParts();

    bool FAutoComplete = true;
    bool FAllowEdit = true;
    bool FBeepOnInvalidKey = true;
    bool FFlatButtons = false;
    TColor FFlatButtonColor = clBtnFace;
    bool FUpdatingColor = false;
    TColor FDisabledColor = clBtnFace;
    TColor FReadOnlyColor = clInfoBk;
    bool FReadOnlyColorOnFocus = false;
    TColor FFocusColor = clWindow;
    TColor FNormalColor = clWindow;
    TColor FFrameColor = clBtnShadow;
    TRzFrameController *FFrameController = nullptr;
    TRzFrameControllerNotifications FFrameControllerNotifications = fccAll;
    TColor FFrameHotColor = clBtnShadow;
    bool FFrameHotTrack = false;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    TFrameStyle FFrameStyle = fsFlat;
    TSides FFrameSides = sdAllSides;
    bool FFrameVisible = false;
    TFramingPreference FFramingPreference = fpXPThemes;
    bool FKeepSearchCase = false;
    QString FSearchString;
    int FDropDownWidth = 0;
    int FKeyCount = 0;
    std::unique_ptr<TTimer> FTimer;
    bool FTabOnEnter = false;
    bool FTyping = false;
    bool FEnterPressed = false;
    bool FSysKeyDown = false;
    bool FReadOnly = false;
    bool FInControl = false;
    bool FOverControl = false;
    std::unique_ptr<TControlCanvas> FFlatCanvas;
    bool FShowFocus = true;
    bool FIsFocused = false;
    int FActualDropDownWidth = 0;
    bool FPasting = false;   // a paste or cut goes to the edit part now
    QChar FPendingKeyPress;  // the key whose key-press event AutoCompleteText fires
    QChar FHighSurrogate;    // the first half of a character typed in two
};

class TRzComboBox : public TRzCustomComboBox {
    T_DECLARE_CLASS(TRzComboBox, TRzCustomComboBox)
    explicit TRzComboBox(TComponent *AOwner);
    ~TRzComboBox() override;

    TStrings *Values() const { return FValues.get(); }
    virtual void SetValues(TStrings *value) { FValues->Assign(value); }
    // The value of the selected item (list styles) or of the item equal to Text (edit styles):
    // its Values entry when not empty, else Text.
    virtual QString GetValue() const;
    // Selects the first item whose value is `value` (-1 when none); fires nothing.
    virtual void SetValue(const QString &value);
    // Values[i] when not empty, else Items[i]; empty past the items.
    virtual QString ValueAt(int index) const;

    void ClearItemsValues();
    void AddItemValue(const QString &item, const QString &value);
    void InsertItemValue(int index, const QString &item, const QString &value);
    void DeleteItemValue(int index);

    // Taken only by the owner-drawn styles.
    void SetItemHeight(int value) override;
    void Click() override;

protected:
    void Change() override;

private:
    void ValuesChanged(TObject *Sender);

    QString FValue;
    std::unique_ptr<TStringList> FValues;
    bool FInSetValue = false;
    bool FForceSetValue = false;
};
