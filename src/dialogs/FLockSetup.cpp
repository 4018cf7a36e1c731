#include "dialogs/FLockSetup.h"

#include "device/LCmd.h"
#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

TfmLockSetup *fmLockSetup = nullptr;

T_IMPLEMENT_CLASS(TfmLockSetup)
{
    using C = TfmLockSetup;
    b.Field("imBackground", &C::imBackground);
    b.Field("lblLockPassword", &C::lblLockPassword);
    b.Field("edName", &C::edName);
    b.Field("btnOK", &C::btnOK);
    b.Field("btnExit", &C::btnExit);
    b.Field("tmClose", &C::tmClose);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("edNameKeyPress", &C::edNameKeyPress);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("btnExitClick", &C::btnExitClick);
    b.Handler("bnCancelClick", &C::bnCancelClick);
    b.Handler("tmCloseTimer", &C::tmCloseTimer);
}

TfmLockSetup::TfmLockSetup(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmLockSetup::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_LOCK_TITLE"},
                     {lblLockPassword, "SID_LOCK_PASSWORD"},
                     {btnOK, "SID_EXIT_OK"},
                     {btnExit, "SID_EXIT_CANCEL"}});
    edName->SetText(QStringLiteral("5831"));
    FocusControl(edName);
    edName->SelectAll();
}

void TfmLockSetup::edNameKeyPress(TObject *, QChar &Key)
{
    ClickOnEnter(Key, btnOK);
}

void TfmLockSetup::btnOKClick(TObject *)
{
    DialogHost &host = Host();
    const std::string password = ToDeviceText(edName->Text(), PasswordBytes);
    host.SendCommand(CM_MCS_SET_LOCK(static_cast<std::uint8_t>(host.GetDeviceId()), password), 1, 1);
    tmClose->SetEnabled(true);
}

void TfmLockSetup::btnExitClick(TObject *)
{
    Close();
}

void TfmLockSetup::bnCancelClick(TObject *)
{
    Close();
}

void TfmLockSetup::tmCloseTimer(TObject *)
{
    DialogHost &host = Host();
    // The lock command still waits behind another frame: look again at the next tick.
    if (host.IsCommandWaiting(CMD_SET_LOCK))
        return;
    tmClose->SetEnabled(false);
    if (host.IsConnected())
        host.DisconnectLink();
    Close();
}
