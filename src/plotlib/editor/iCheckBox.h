#pragma once
// TiCheckBox: the library's owner-drawn check box with a 3-D look of its own, used by the editor
// forms (through TiComponentEditorCheckBox).
//
// Events: a change of Checked, by code or by the user, raises OnChangeProtected (Sender,
// "Checked"), OnChange, and OnChangeUser only when the user made it (a click released inside the
// control, or the space bar released); nothing fires while the control loads. Before a change
// OnRequestEdit may refuse it, and after it the new value goes to the control's OPC items.
// A press shows the box pressed; releasing outside the control changes nothing.
//
// With AutoSize (on by default) the control takes the caption's size: caption width + 20 wide,
// caption height + 4 high; with the box on the right (taLeftJustify) it grows to the left,
// keeping its right edge. GUI thread.

#include "platform/ui/StdCtrlsTypes.h"
#include "plotlib/base/iVCLComponent.h"

class TiCheckBox : public TiCustomComponent {
    T_DECLARE_CLASS(TiCheckBox, TiCustomComponent)
    explicit TiCheckBox(TComponent *AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // Caption and SetCaption (the control's text) size and repaint the control.
    // taLeftJustify: caption left, box at the right edge; taRightJustify: box left, caption right.
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

    void DrawToCanvas(TCanvas *Canvas) override;

protected:
    // The change notification (see above).
    virtual void DoChange();
    void iGotFocus() override;
    void iLostFocus() override;
    void iKeyUp(WORD &Key, TShiftState Shift) override;
    void iKeyDown(WORD &Key, TShiftState Shift) override;
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Loaded() override;
    QString GetText() const override { return FCaption; }
    void SetTextValue(const QString &Value) override;
    void CMFontChanged(TMessage &m);

private:
    void DoAutoSize();

    bool FMouseDown = false;
    bool FKeyDown = false;
    bool FDoingAutoSize = false;
    bool FChecked = false;
    QString FCaption = QStringLiteral("Caption");
    bool FAutoSize = true;
    TLeftRight FAlignment = taRightJustify;
};
