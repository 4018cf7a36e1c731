#pragma once
// TButton: a push button. A click (the user's, Enter on the default button, Esc on the cancel
// button, or Click() by code) first puts the button's ModalResult into its form, which ends a
// modal form when it is not mrNone, and then fires OnClick.

#include "platform/ui/ModalResult.h"
#include "platform/ui/NativeControl.h"

class TButton : public TNativeControl {
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

protected:  // message handlers, registered by number in the class description
    void CMDialogKey(TMessage &m);
    void CMFocusChanged(TMessage &m);

protected:
    QWidget *CreateNative(QWidget *parent) override;
    void SetTextValue(const QString &value) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;  // Enter clicks this button: it is the default one, or it has the focus
    TModalResult FModalResult = mrNone;
};
