#pragma once
// TfmFactory: the confirmation before the processor returns to its factory defaults. The main
// window opens it modally, only while connected; OK starts the reset, Cancel changes nothing.

#include "platform/ui/Forms.h"

class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

class TfmFactory : public TForm {
    T_DECLARE_CLASS(TfmFactory, TForm)
    explicit TfmFactory(TComponent *AOwner);

    TImage *imBackground = nullptr;
    TRzGroupBox *gbMessage = nullptr;
    TImage *imIcon = nullptr;
    TLabel *lbMessage = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *bnCancel = nullptr;

    void FormShow(TObject *Sender);
    void btnOKClick(TObject *Sender);
    void bnCancelClick(TObject *Sender);
};

extern TfmFactory *fmFactory;
