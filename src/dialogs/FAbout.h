#pragma once
// TfmAbout: the About box with the product title, version and a year line (fixed form texts); only
// its caption comes from the language table.

#include "platform/ui/Forms.h"

class TImage;
class TLabel;
class TRzBmpButton;

class TfmAbout : public TForm {
    T_DECLARE_CLASS(TfmAbout, TForm)
    explicit TfmAbout(TComponent *AOwner);

    TImage *imBackground = nullptr;
    TImage *Image1 = nullptr;
    TLabel *ProductName = nullptr;
    TLabel *Version = nullptr;
    TLabel *Copyright = nullptr;
    TRzBmpButton *btnOK = nullptr;

    void FormShow(TObject *Sender);
    void btnOKClick(TObject *Sender);
};

extern TfmAbout *fmAbout;
