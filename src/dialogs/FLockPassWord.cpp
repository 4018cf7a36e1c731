#include "dialogs/FLockPassWord.h"

#include "device/LCmd.h"
#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

TfmLockPassWord *fmLockPassWord = nullptr;

namespace {

// What the kind byte of the submission names.
constexpr std::uint8_t OperationLockPassword = 0;

}  // namespace

T_IMPLEMENT_CLASS(TfmLockPassWord)
{
    using C = TfmLockPassWord;
    b.Field("imBackground", &C::imBackground);
    b.Field("lblLockPassword", &C::lblLockPassword);
    b.Field("edName", &C::edName);
    b.Field("btnOK", &C::btnOK);
    b.Field("bnCancel", &C::bnCancel);
    b.Field("tmCheck", &C::tmCheck);
    b.Field("tmCmd", &C::tmCmd);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("FormHide", &C::FormHide);
    b.Handler("edNameKeyPress", &C::edNameKeyPress);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("bnCancelClick", &C::bnCancelClick);
    b.Handler("tmCheckTimer", &C::tmCheckTimer);
    b.Handler("tmCmdTimer", &C::tmCmdTimer);
}

TfmLockPassWord::TfmLockPassWord(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmLockPassWord::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_UNLOCK_TITLE"},
                     {lblLockPassword, "SID_UNLOCK_PASSWORD"},
                     {btnOK, "SID_EXIT_OK"},
                     {bnCancel, "SID_EXIT_CANCEL"}});
    ResetField();
}

void TfmLockPassWord::FormHide(TObject *)
{
    tmCheck->SetEnabled(false);
    tmCmd->SetEnabled(false);
}

void TfmLockPassWord::ResetField()
{
    edName->SetText(QStringLiteral("****"));
    FocusControl(edName);
    edName->SelectAll();
}

void TfmLockPassWord::edNameKeyPress(TObject *, QChar &Key)
{
    ClickOnEnter(Key, btnOK);
}

void TfmLockPassWord::btnOKClick(TObject *)
{
    DialogHost &host = Host();
    const std::string password = ToDeviceText(edName->Text(), PasswordBytes);
    host.SendCommand(CM_MCS_PASS_SUBMIT(static_cast<std::uint8_t>(host.GetDeviceId()), OperationLockPassword, password),
                     1, 1);
    PollCount = 0;
    PasswordResult = VerdictPending;
    // A running poll starts its 100 ms afresh.
    tmCheck->SetEnabled(false);
    tmCheck->SetEnabled(true);
}

void TfmLockPassWord::bnCancelClick(TObject *)
{
    Host().DisconnectLink();
    Close();
}

void TfmLockPassWord::tmCheckTimer(TObject *)
{
    ++PollCount;
    tmCheck->SetEnabled(false);
    switch (PasswordResult) {
    case 0:
        MessageBox(QStringLiteral("Password Error!!"), ApplicationTitle(), MB_OK | MB_ICONINFORMATION);
        ResetField();
        break;
    case 1: tmCmd->SetEnabled(true); break;
    case VerdictPending:
        if (PollCount > MaxPolls) {
            MessageBox(QStringLiteral("Check Time Out!"), ApplicationTitle(), MB_OK | MB_ICONINFORMATION);
            bnCancel->Click();
        } else {
            tmCheck->SetEnabled(true);
        }
        break;
    default: break;
    }
}

void TfmLockPassWord::tmCmdTimer(TObject *)
{
    tmCmd->SetEnabled(false);
    Host().SendCommand(CM_MCS_CMD(static_cast<std::uint8_t>(Host().GetDeviceId()), CMD_SYSTEM_PARAMS), 0, 1);
    Close();
}
