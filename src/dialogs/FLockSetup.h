#pragma once
// TfmLockSetup: sets a new operation-lock password (CM_MCS_SET_LOCK, exactly 4 bytes) and then
// ends the connection; the user connects again. The main window opens it modally.
//
// After OK the dialog waits at least 100 ms and then until the lock command has left the send
// queue (it may wait behind a request whose answer is late), so that closing the link never drops
// it; then it closes the link and itself. A link that fails meanwhile goes its own failure path:
// the dialog then only closes. A password shorter than 4 bytes is filled up with blanks.

#include "platform/ui/Forms.h"

class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;
class TTimer;

class TfmLockSetup : public TForm {
    T_DECLARE_CLASS(TfmLockSetup, TForm)
    explicit TfmLockSetup(TComponent *AOwner);

    TImage *imBackground = nullptr;
    TLabel *lblLockPassword = nullptr;
    TEdit *edName = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *btnExit = nullptr;
    TTimer *tmClose = nullptr;

    void FormShow(TObject *Sender);
    void edNameKeyPress(TObject *Sender, QChar &Key);
    void btnOKClick(TObject *Sender);
    void btnExitClick(TObject *Sender);
    // Closes only; the form binds no control to it.
    void bnCancelClick(TObject *Sender);
    void tmCloseTimer(TObject *Sender);
};

extern TfmLockSetup *fmLockSetup;
