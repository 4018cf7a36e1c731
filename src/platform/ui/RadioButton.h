#pragma once
// TRadioButton: one choice of the radio buttons that share a parent. Writing Checked := true,
// by code or by the user's click, unchecks the other radio buttons of the parent and fires
// OnClick; Checked := false fires nothing, and clicking a checked button changes nothing. A
// checked radio button is a tab stop, an unchecked one is not.

#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"

class TRadioButton : public TNativeControl {
    T_DECLARE_CLASS(TRadioButton, TNativeControl)

public:
    explicit TRadioButton(TComponent *AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);

protected:
    QWidget *CreateNative(QWidget *parent) override;
    void SetTextValue(const QString &value) override;
    void ShowChecked();

private:
    bool FChecked = false;
    TLeftRight FAlignment = taRightJustify;
};
