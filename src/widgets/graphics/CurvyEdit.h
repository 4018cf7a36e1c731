#pragma once
// TCurvyEdit: the rounded value box: a borderless one-line edit (TEmptyEdit) inside a rounded
// panel with optional image buttons at its ends (CurvyControlPanel.h). It is always 24 pixels
// high; the edit sits 5 pixels down, 18 high, between the rounding and the image buttons.
//
// The box is a front for its edit: Text, ReadOnly, Alignment, Enabled ... read and write the
// edit's; Color colours both at once; SetFocus focuses the edit. The edit's 13 events (OnChange,
// OnClick, OnDblClick, OnKeyDown, OnKeyUp, OnKeyPress, OnEnter, OnExit, OnMouseEnter,
// OnMouseLeave, OnMouseDown, OnMouseUp, OnMouseMove) reach the box's events of the same name
// with the box as Sender (mouse positions as the edit reports them). The box's own focus changes
// fire nothing, so OnEnter and OnExit come once per focus change; key messages sent to the box
// itself have no effect. Disabling disables the edit only; the frame is painted as before.

#include <QString>

#include "platform/ui/Edit.h"
#include "widgets/graphics/CurvyControlPanel.h"

// TEmptyEdit: an edit that shows EmptyText in grey while it is empty.
class TEmptyEdit : public TEdit {
    T_DECLARE_CLASS(TEmptyEdit, TEdit)
    explicit TEmptyEdit(TComponent *AOwner);

    const QString &EmptyText() const { return FEmptyText; }
    void SetEmptyText(const QString &value);

protected:
    void DoEnter() override;
    void DoExit() override;

protected:  // message handlers, registered by number in the class description
    void WMPaint(TMessage &m);

private:
    QString FEmptyText;
};

class TCurvyEdit : public TCurvyControlPanel {
    T_DECLARE_CLASS(TCurvyEdit, TCurvyControlPanel)
    explicit TCurvyEdit(TComponent *AOwner);
    ~TCurvyEdit() override;

    TEmptyEdit *Edit() const { return FEdit; }

    // ---- Properties of the edit ----
    TAlignment Alignment() const { return FEdit->Alignment(); }
    void SetAlignment(TAlignment v) { FEdit->SetAlignment(v); }
    bool AutoSelect() const { return FEdit->AutoSelect(); }
    void SetAutoSelect(bool v) { FEdit->SetAutoSelect(v); }
    TEditCharCase CharCase() const { return FEdit->CharCase(); }
    void SetCharCase(TEditCharCase v) { FEdit->SetCharCase(v); }
    const QString &EmptyText() const { return FEdit->EmptyText(); }
    void SetEmptyText(const QString &v) { FEdit->SetEmptyText(v); }
    // The edit's: the box itself stays enabled.
    bool Enabled() const { return FEdit->Enabled(); }
    void SetEnabled(bool v) override { FEdit->SetEnabled(v); }
    bool HideSelection() const { return FEdit->HideSelection(); }
    void SetHideSelection(bool v) { FEdit->SetHideSelection(v); }
    int MaxLength() const { return FEdit->MaxLength(); }
    void SetMaxLength(int v) { FEdit->SetMaxLength(v); }
    bool NumbersOnly() const { return FEdit->NumbersOnly(); }
    void SetNumbersOnly(bool v) { FEdit->SetNumbersOnly(v); }
    QChar PasswordChar() const { return FEdit->PasswordChar(); }
    void SetPasswordChar(QChar v) { FEdit->SetPasswordChar(v); }
    bool ReadOnly() const { return FEdit->ReadOnly(); }
    void SetReadOnly(bool v) { FEdit->SetReadOnly(v); }
    const QString &TextHint() const { return FEdit->TextHint(); }
    void SetTextHint(const QString &v) { FEdit->SetTextHint(v); }
    int EditTabOrder() const { return FEdit->TabOrder(); }
    void SetEditTabOrder(int v) { FEdit->SetTabOrder(v); }
    bool EditTabStop() const { return FEdit->TabStop(); }
    void SetEditTabStop(bool v) { FEdit->SetTabStop(v); }

    // Focuses the edit.
    void SetFocus() override;
    // Any height becomes 24.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Fired when the edit's text changed (by the user or by code).
    TNotifyEvent OnChange;

protected:
    QString GetText() const override { return FEdit->Text(); }
    void SetTextValue(const QString &value) override { FEdit->SetText(value); }
    void ColorChanged() override;
    // Places the edit between the rounding and the image buttons.
    void LayoutEdit() override;
    void Resize() override;
    // A box read from a form definition takes its width while loading, when no resize runs.
    void Loaded() override;
    void DoEnter() override {}
    void DoExit() override {}

protected:  // message handlers, registered by number in the class description
    void CMFontChanged(TMessage &m);
    void IgnoreKey(TMessage &m);

private:
    void HookEdit();

    TEmptyEdit *FEdit;
};
