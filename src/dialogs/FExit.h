#pragma once
// TfmExit: the quit confirmation. The main window shows it without blocking on every close
// request (and modally from its Exit menu entry) and closes only while its close-allowed flag is
// 1: OK sets the flag to 1 and asks the main window to close again; Cancel hides the box and sets
// the flag to 0, so the next close request asks again.

#include "platform/ui/Forms.h"

class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

class TfmExit : public TForm {
    T_DECLARE_CLASS(TfmExit, TForm)
    explicit TfmExit(TComponent *AOwner);

    TImage *imBackground = nullptr;
    TRzGroupBox *gbExit = nullptr;
    TImage *imIcon = nullptr;
    TLabel *lbExit = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *btnCancel = nullptr;

    void FormShow(TObject *Sender);
    void btnOKClick(TObject *Sender);
    void btnCancelClick(TObject *Sender);
};

extern TfmExit *fmExit;
