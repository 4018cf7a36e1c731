#pragma once
// The base form of the library's editor dialogs (TiCustomEditorForm) and the controls those
// dialogs are built from: an edit box with typed values, up/down arrows, page control, button,
// check box, radio group, combo box, list box with drag reordering, colour, font, open-file,
// save-file and value-converter pickers, group box and paint box.
//
// What the family shares:
//  1. Change reporting: a change the user makes calls UserChange on the control's owner when the
//     owner is a TiCustomEditorForm (the editor forms note with it that something was edited).
//  2. Silent setting by code: the As... setters and Disable detach the control's change event,
//     set its BlockingEvents flag, change the value, then clear the flag and put the event back,
//     also when setting fails; while the flag is set no UserChange is sent.
//  3. Tab navigation: a typed Tab is swallowed and the owning form (only a form) moves the focus to
//     the next control in tab order, or to the previous one with Shift held.
//  4. Disable and Enable, which also set the control's look.
//
// The edit box commits its text (Enter, leaving it, the ...WithEvent setters): a text that differs
// from the last committed one fires OnUpdate and sends UserChange; Esc brings the last committed
// text back. The up/down arrows step their edit box's integer: one step at the press, the next
// after 500 ms, then one every 50 ms while the button is held (the arrow under the mouse decides
// the direction); Min and Max clamp unless both are 0. GUI thread throughout.

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsGraphicControl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "plotlib/editor/iCheckBox.h"
#include "plotlib/editor/iRadioGroup.h"

#include <cstdint>
#include <memory>

// ---- Base form -------------------------------------------------------------------------------

class TiCustomEditorForm : public TCustomForm {
    T_DECLARE_CLASS(TiCustomEditorForm, TCustomForm)
    explicit TiCustomEditorForm(TComponent *AOwner);
    // A control of the form was changed by the user; does nothing here.
    virtual void UserChange() {}
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }

private:
    bool FAutoScroll = false;
};

// Sends UserChange to the control's owner when that is an editor form.
void iEditorUserChange(TComponent *Control);
// A typed Tab (Key): swallowed, and the control's owner, when it is a form, moves the focus to
// the next control in tab order (the previous one with Shift held).
void iEditorTabNavigation(TWinControl *Control, QChar &Key);

// ---- Edit box ---------------------------------------------------------------------------------

class TiComponentEditorEdit : public TCustomEdit {
    T_DECLARE_CLASS(TiComponentEditorEdit, TCustomEdit)
    explicit TiComponentEditorEdit(TComponent *AOwner);

    // The trimmed text as a number; 0 for an empty text or one that is no number.
    int AsInteger() const;
    double AsFloat() const;
    // The trimmed text as a date and time; a text that is none raises EConvertError.
    TDateTime AsDateTime() const;
    QString AsString() const { return Text(); }
    // Silent: the text and the committed text become the value's text, nothing fires.
    void SetAsInteger(int Value);
    void SetAsFloat(double Value);
    void SetAsDateTime(TDateTime Value);
    void SetAsString(const QString &Value);
    // As the user would: the text, UserChange, then a commit (OnUpdate when it changed).
    void SetStringWithEvent(const QString &Value);
    void SetIntegerWithEvent(int Value);
    void SetDoubleWithEvent(double Value);
    // Silent: disabled, emptied, the button face colour; DisableNoClear keeps the text.
    void Disable();
    void DisableNoClear();
    void Enable();
    void SetEnabled(bool value) override;
    // Commits a changed text (see the header).
    void Commit();
    bool BlockingEvents() const { return FBlockingEvents; }
    const QString &OriginalText() const { return FOriginalText; }

    // A changed text was committed.
    TNotifyEvent OnUpdate;

protected:
    void KeyDown(WORD &key, TShiftState shift) override;
    void KeyPress(QChar &key) override;
    void DoExit() override;
    void WMKillFocus(TMessage &m);
    void WMGetDlgCode(TMessage &m);
    void CMWantSpecialKey(TMessage &m);

private:
    // Sets the text silently.
    void SetSilently(const QString &Text);

    bool FBlockingEvents = false;
    QString FOriginalText;
};

// Makes Value the edit box held in Field for Control (the arrows or a value-converter picker): it
// hears when the edit box is destroyed and stands right of it, at its top and with its height.
void iSetEditorAssociate(TControl *Control, TiComponentEditorEdit *&Field, TiComponentEditorEdit *Value);

// ---- Up/down arrows ---------------------------------------------------------------------------

class TiUpDown : public TGraphicControl {
    T_DECLARE_CLASS(TiUpDown, TGraphicControl)
    explicit TiUpDown(TComponent *AOwner);
    ~TiUpDown() override;

    // The edit box whose integer the arrows step; the arrows move to its right edge, its top and
    // height. Cleared when the edit box is destroyed.
    TiComponentEditorEdit *Associate() const { return FAssociate; }
    void SetAssociate(TiComponentEditorEdit *Value);
    // Stored only: no repaint, the current value is not clamped.
    int Min() const { return FMin; }
    void SetMin(int Value) { FMin = static_cast<std::int16_t>(Value); }
    int Max() const { return FMax; }
    void SetMax(int Value) { FMax = static_cast<std::int16_t>(Value); }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    // The associate's integer (0 without); writing sets it silently.
    int AsInteger() const;
    void SetAsInteger(int Value);
    void Disable();
    void Enable();
    // The arrow areas as the last layout made them.
    TRect UpButtonRect() const { return FUpButtonRect; }
    TRect DownButtonRect() const { return FDownButtonRect; }

    void Notification(TComponent *AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void Layout();
    void TimerTick(TObject *);
    // One step up or down, as the user's (with the associate's event) or silent.
    void Step(bool up, bool user);

    std::unique_ptr<TTimer> FTimer;
    bool FFirstTimerMessage = false;
    TiComponentEditorEdit *FAssociate = nullptr;
    std::int16_t FMin = 0;
    std::int16_t FMax = 100;
    int FIncrement = 1;
    bool FMouseDown = false;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    bool FUpButtonPressed = false;
    bool FDownButtonPressed = false;
    TRect FUpButtonRect;
    TRect FDownButtonRect;
};

// ---- Standard controls of the family ------------------------------------------------------------

class TiComponentEditorPageControl : public TPageControl {
    T_DECLARE_CLASS(TiComponentEditorPageControl, TPageControl)
    explicit TiComponentEditorPageControl(TComponent *AOwner) : TPageControl(AOwner) {}
    // Kept as form files carry it; it does not choose a page.
    int StoredTabIndex = 0;

protected:
    void WMGetDlgCode(TMessage &m);
};

class TiComponentEditorButton : public TButton {
    T_DECLARE_CLASS(TiComponentEditorButton, TButton)
    explicit TiComponentEditorButton(TComponent *AOwner) : TButton(AOwner) {}

protected:
    void KeyPress(QChar &key) override;
};

class TiComponentEditorCheckBox : public TiCheckBox {
    T_DECLARE_CLASS(TiComponentEditorCheckBox, TiCheckBox)
    explicit TiComponentEditorCheckBox(TComponent *AOwner) : TiCheckBox(AOwner) {}
    bool AsBoolean() const { return Checked(); }
    // Silent.
    void SetAsBoolean(bool Value);
    // Silent: disabled and unchecked.
    void Disable();
    void Enable() { SetEnabled(true); }
    bool BlockingEvents() const { return FBlockingEvents; }

    // Nothing: OnClick comes with the change notification only.
    void Click() override;

protected:
    // The check box's notification, then UserChange (unless blocking), then OnClick.
    void DoChange() override;
    void KeyPress(QChar &key) override;
    void WMGetDlgCode(TMessage &m);

private:
    bool FBlockingEvents = false;
};

class TiComponentEditorRadioGroup : public TiRadioGroup {
    T_DECLARE_CLASS(TiComponentEditorRadioGroup, TiRadioGroup)
    explicit TiComponentEditorRadioGroup(TComponent *AOwner) : TiRadioGroup(AOwner) {}
    int AsInteger() const { return ItemIndex(); }
    // Silent (OnClick and OnChange detached).
    void SetAsInteger(int Value);
    // Silent: disabled, no item.
    void Disable();
    void Enable() { SetEnabled(true); }
    // The framework's click, then UserChange (unless blocking).
    void Click() override;
    bool BlockingEvents() const { return FBlockingEvents; }

protected:
    void KeyPress(QChar &key) override;

private:
    bool FBlockingEvents = false;
};

class TiComponentEditorComboBox : public TComboBox {
    T_DECLARE_CLASS(TiComponentEditorComboBox, TComboBox)
    explicit TiComponentEditorComboBox(TComponent *AOwner) : TComboBox(AOwner) {}
    int AsInteger() const { return ItemIndex(); }
    QString AsString() const { return Text(); }
    // Silent.
    void SetAsInteger(int Value);
    void SetAsString(const QString &Value);
    // Silent: disabled, the button face colour, no item, no text.
    void Disable();
    void Enable();
    // UserChange (unless blocking); OnClick does not fire.
    void Click() override;
    bool BlockingEvents() const { return FBlockingEvents; }

protected:
    void KeyPress(QChar &key) override;
    void WMGetDlgCode(TMessage &m);
    void CMWantSpecialKey(TMessage &m);

private:
    bool FBlockingEvents = false;
};

// (Index; in/out: DrawColorBox, AColor, AText) of the item being drawn.
using TiListBoxGetDataEvent = TEvent<void(int Index, bool &DrawColorBox, TColor &AColor, QString &AText)>;

class TiComponentEditorListBox : public TCustomListBox {
    T_DECLARE_CLASS(TiComponentEditorListBox, TCustomListBox)
    explicit TiComponentEditorListBox(TComponent *AOwner);

    void SelectLast();
    // Deletes the selected item and frees its object; the same index stays selected (the one
    // before when the last went). Without items nothing happens; items but no selection raise
    // the list-index error.
    void DeleteSelectedObject();
    // Deletes the item holding AObject (not freeing it); nothing when none holds it.
    void DeleteObjectIndex(TObject *AObject);
    // Only the list itself may be dragged onto it.
    bool DragOver(TObject *Source, int X, int Y);
    // Moves the selected item to the item under Y (the last one below the items), selects it there
    // and fires OnItemMove; dropping on itself does nothing.
    void DragDrop(TObject *Source, int X, int Y);

    TiListBoxGetDataEvent OnGetData;
    TNotifyEvent OnItemMove;

protected:
    void DrawItem(int index, const TRect &rect, TOwnerDrawState state) override;
    void KeyPress(QChar &key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WMGetDlgCode(TMessage &m);

private:
    // An automatic drag started at this point (-1: none).
    int FDragStartY = -1;
};

class TiComponentEditorColorPicker : public TCustomControl {
    T_DECLARE_CLASS(TiComponentEditorColorPicker, TCustomControl)
    explicit TiComponentEditorColorPicker(TComponent *AOwner);
    // The colour chosen (the control's own Color stays TControl's).
    TColor Color() const { return FColor; }
    // Repaints when different; fires nothing.
    void SetColor(TColor Value);
    void Disable();
    void Enable();
    // Keeps the button at the right edge with the picker's height.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TButton *Button() const { return FButton; }
    // Opens the colour dialog; on OK stores the colour, sends UserChange, repaints, fires OnChange.
    void Pick();

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void DblClick() override;
    void KeyPress(QChar &key) override;
    void WMGetDlgCode(TMessage &m);

private:
    TButton *FButton;
    TColor FColor = 255;
};

class TiComponentEditorFontPicker : public TiComponentEditorButton {
    T_DECLARE_CLASS(TiComponentEditorFontPicker, TiComponentEditorButton)
    explicit TiComponentEditorFontPicker(TComponent *AOwner);
    // The font chosen (not the caption's font, which stays TControl::Font); writing copies.
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *Value) { FFont->Assign(Value); }
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }
    // Opens the font dialog; on OK copies the font, sends UserChange, repaints, fires OnChange.
    void Click() override;

    TNotifyEvent OnChange;

protected:
    void WMGetDlgCode(TMessage &m);

private:
    std::unique_ptr<TFont> FFont;
};

class TiComponentEditorOpenPicker : public TiComponentEditorButton {
    T_DECLARE_CLASS(TiComponentEditorOpenPicker, TiComponentEditorButton)
    explicit TiComponentEditorOpenPicker(TComponent *AOwner);
    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &Value) { FFileName = Value; }
    const QString &Filter() const { return FFilter; }
    void SetFilter(const QString &Value) { FFilter = Value; }
    const QString &DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString &Value) { FDefaultExt = Value; }
    const QString &DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const QString &Value) { FDefaultDir = Value; }
    bool FileMustExist() const { return FFileMustExist; }
    void SetFileMustExist(bool Value) { FFileMustExist = Value; }
    bool AllowMultiSelect() const { return FAllowMultiSelect; }
    void SetAllowMultiSelect(bool Value) { FAllowMultiSelect = Value; }
    TStrings *Files() const { return FFiles.get(); }
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }
    // Opens the open dialog (with DefaultDir every time); on OK takes the file(s), sends
    // UserChange, repaints and fires OnChange.
    void Click() override;

    TNotifyEvent OnChange;

protected:
    void WMGetDlgCode(TMessage &m);

private:
    QString FFileName;
    QString FFilter;
    QString FDefaultExt;
    QString FDefaultDir;
    bool FDefaultDirUsed = false;
    bool FFileMustExist = false;
    bool FAllowMultiSelect = false;
    std::unique_ptr<TStringList> FFiles;
};

class TiComponentEditorSavePicker : public TiComponentEditorButton {
    T_DECLARE_CLASS(TiComponentEditorSavePicker, TiComponentEditorButton)
    explicit TiComponentEditorSavePicker(TComponent *AOwner);
    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &Value) { FFileName = Value; }
    const QString &Filter() const { return FFilter; }
    void SetFilter(const QString &Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const QString &DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString &Value) { FDefaultExt = Value; }
    const QString &DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const QString &Value) { FDefaultDir = Value; }
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }
    // Opens the save dialog (with DefaultDir only the first time); on OK takes the file name,
    // sends UserChange, repaints, fires OnChange and answers true.
    bool Execute();
    void Click() override;

    TNotifyEvent OnChange;

protected:
    void WMGetDlgCode(TMessage &m);

private:
    QString FFileName;
    QString FFilter;
    int FFilterIndex = 0;
    QString FDefaultExt;
    QString FDefaultDir;
    bool FDefaultDirUsed = false;
};

enum TiValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };
inline constexpr auto iValueConverterPageTypeNames =
    EnumNames<TiValueConverterPageType>("ivcptInterval", "ivcptDateTime", "ivcptPrice32nd");

using TFormTranslationMethod = TEvent<void(TCustomForm *AForm)>;

class TiComponentEditorValueConverterPicker : public TiComponentEditorButton {
    T_DECLARE_CLASS(TiComponentEditorValueConverterPicker, TiComponentEditorButton)
    explicit TiComponentEditorValueConverterPicker(TComponent *AOwner);
    ~TiComponentEditorValueConverterPicker() override;
    double DateTime() const { return FDateTime; }
    void SetDateTime(double Value) { FDateTime = Value; }
    // Placed and cleared as the up/down arrows' associate.
    TiComponentEditorEdit *Associate() const { return FAssociate; }
    void SetAssociate(TiComponentEditorEdit *Value);
    TiValueConverterPageType DefaultPage() const { return FDefaultPage; }
    void SetDefaultPage(TiValueConverterPageType Value) { FDefaultPage = Value; }
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }
    // Opens the value converter on DefaultPage with the associate's number (DateTime without
    // one); on OK stores the value, gives it to the associate as the user would, fires OnChange.
    void Click() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

    TNotifyEvent OnChange;
    // Receives the converter form before it shows (to translate its texts).
    TFormTranslationMethod TranslationMethod;

private:
    double FDateTime = 0;
    TiComponentEditorEdit *FAssociate = nullptr;
    TiValueConverterPageType FDefaultPage = ivcptInterval;
};

class TiComponentEditorGroupBox : public TGroupBox {
    T_DECLARE_CLASS(TiComponentEditorGroupBox, TGroupBox)
    explicit TiComponentEditorGroupBox(TComponent *AOwner) : TGroupBox(AOwner) {}
};

// A double-buffered area its owner paints in OnPaint, on Canvas.
class TiPaintBox : public TCustomControl {
    T_DECLARE_CLASS(TiPaintBox, TCustomControl)
    explicit TiPaintBox(TComponent *AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
