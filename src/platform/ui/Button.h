#pragma once
// TButton: a push button. A click (the user's, Enter on the focused or default button, Esc on the
// cancel button as DialogButton.h decides, or Click() by code) first puts the button's ModalResult
// into its form, which ends a modal form when it is not mrNone, and then fires OnClick.

#include "platform/ui/DialogButton.h"
#include "platform/ui/ModalResult.h"
#include "platform/ui/NativeControl.h"

class TButton : public TNativeControl, public TDialogButton {
    T_DECLARE_CLASS(TButton, TNativeControl)

public:
    explicit TButton(TComponent *AOwner);

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

    void Click() override;
    bool IsDefaultButton() const override { return FDefault; }
    bool IsCancelButton() const override { return FCancel; }
    void DialogKeyClick(WORD) override { Click(); }

protected:
    QWidget *CreateNative(QWidget *parent) override;
    void SetTextValue(const QString &value) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};
