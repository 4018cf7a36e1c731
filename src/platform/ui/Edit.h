#pragma once
// TCustomEdit and TEdit: a one-line text field.
//
// Events follow the framework: OnChange fires after every change of the text, by the user (each
// typed character, a paste, a deletion) and by code (writing Text with a different value); writing
// selection or caret position fires nothing. Typed text obeys CharCase (also text set by code),
// NumbersOnly (a non-digit is refused with a beep) and MaxLength (what does not fit is cut; text
// set by code may be longer). Modified turns on with the user's changes and off when code sets
// the text. With AutoSelect the whole text is selected when the edit gets the focus by keyboard.
// A text set by code ends at its first zero character, as the window text does.

#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"

class QLineEdit;

class TCustomEdit : public TNativeControl {
    T_DECLARE_CLASS(TCustomEdit, TNativeControl)

public:
    explicit TCustomEdit(TComponent *AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { FMaxLength = value < 0 ? 0 : value; }
    bool NumbersOnly() const { return FNumbersOnly; }
    void SetNumbersOnly(bool value) { FNumbersOnly = value; }
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    const QString &TextHint() const { return FTextHint; }
    void SetTextHint(const QString &value);

    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    QString SelText() const;
    // Replaces the selection (as typing would, but without the typing rules); fires OnChange.
    void SetSelText(const QString &value);
    void SelectAll();
    void ClearSelection() { SetSelText(QString()); }
    void Clear() { SetText(QString()); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnChange;

protected:  // message handlers, registered by number in the class description
    void CMTextChanged(TMessage &m);
    void CMEnter(TMessage &m);
    void WMGetDlgCode(TMessage &m);

protected:
    virtual void Change();
    QWidget *CreateNative(QWidget *parent) override;
    QString GetText() const override { return FText; }
    void SetTextValue(const QString &value) override;
    // The user changed the widget's text.
    void UserEdited(const QString &text);
    void ShowInWidget();

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    TEditCharCase FCharCase = ecNormal;
    bool FHideSelection = true;
    int FMaxLength = 0;
    bool FNumbersOnly = false;
    QChar FPasswordChar;
    bool FReadOnly = false;
    QString FTextHint;
    bool FModified = false;
    int FSelStart = 0;   // caret and selection while there is no widget
    int FSelLength = 0;
    bool FSettingText = false;
};

class TEdit : public TCustomEdit {
    T_DECLARE_CLASS(TEdit, TCustomEdit)

public:
    explicit TEdit(TComponent *AOwner) : TCustomEdit(AOwner) {}
};

// The text with the character case applied.
QString ApplyCharCase(const QString &text, TEditCharCase charCase);

// The text a user's edit leaves after the typing rules of an edit field: what changed between
// `before` and `after` is case-mapped, refused when it breaks `numbersOnly`, and cut so that the
// text stays within `maxLength` (0: no limit). `caret` is where the caret goes. False when
// nothing of the edit is accepted.
bool ApplyTypingRules(const QString &before, QString &after, int &caret, TEditCharCase charCase, bool numbersOnly,
                      int maxLength);
