#pragma once
// TCheckBox: a box that is checked, unchecked or (with AllowGrayed) grayed. Every change of the
// state fires OnClick, whether the user clicked (which steps unchecked -> checked, or -> grayed
// with AllowGrayed, grayed -> checked, checked -> unchecked) or code wrote Checked or State.

#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"

class TCheckBox : public TNativeControl {
    T_DECLARE_CLASS(TCheckBox, TNativeControl)

public:
    explicit TCheckBox(TComponent *AOwner);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // taRightJustify: the box on the left and the caption right of it; taLeftJustify the reverse.
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);

protected:
    // The user's click: the next state.
    virtual void Toggle();
    QWidget *CreateNative(QWidget *parent) override;
    void SetTextValue(const QString &value) override;
    void ShowState();

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TLeftRight FAlignment = taRightJustify;
};
