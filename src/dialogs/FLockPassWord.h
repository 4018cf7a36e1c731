#pragma once
// TfmLockPassWord: asks for the operation-lock password when the processor reports its lock on.
// The main window opens it modally. OK submits the password (CM_MCS_PASS_SUBMIT, kind 0, exactly 4
// bytes) and polls every 100 ms for the verdict, which the receive dispatch hands over through
// SetPasswordResult:
//
//   wrong (0)     "Password Error!!", the field shows "****" again, the dialog stays for a retry
//   accepted (1)  100 ms later the preset-flags request (34) goes out and the dialog closes
//   none          at the 31st poll (3.1 s after OK) "Check Time Out!", then as Cancel
//
// Cancel always closes the link: the editor never stays connected to a locked processor. Another
// OK starts the count and the pending state afresh. Hiding the dialog ends any polling, so a
// verdict or a tick after it has closed changes nothing.

#include "platform/ui/Forms.h"

#include <cstdint>

class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;
class TTimer;

class TfmLockPassWord : public TForm {
    T_DECLARE_CLASS(TfmLockPassWord, TForm)
    explicit TfmLockPassWord(TComponent *AOwner);

    // The verdict still awaited after a submission.
    static constexpr std::uint8_t VerdictPending = 255;
    // Polls without a verdict before the time-out message.
    static constexpr int MaxPolls = 30;

    TImage *imBackground = nullptr;
    TLabel *lblLockPassword = nullptr;
    TEdit *edName = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *bnCancel = nullptr;
    TTimer *tmCheck = nullptr;
    TTimer *tmCmd = nullptr;

    // The processor's verdict on the submitted password: 1 accepted, 0 wrong.
    void SetPasswordResult(std::uint8_t verdict) { PasswordResult = verdict; }
    std::uint8_t GetPasswordResult() const { return PasswordResult; }

    void FormShow(TObject *Sender);
    void FormHide(TObject *Sender);
    void edNameKeyPress(TObject *Sender, QChar &Key);
    void btnOKClick(TObject *Sender);
    void bnCancelClick(TObject *Sender);
    void tmCheckTimer(TObject *Sender);
    void tmCmdTimer(TObject *Sender);

private:
    // "****" in the field, focused and selected, ready for typing over.
    void ResetField();

    std::uint8_t PasswordResult = VerdictPending;
    std::int8_t PollCount = 0;
};

extern TfmLockPassWord *fmLockPassWord;
