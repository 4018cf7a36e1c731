#include "dialogs/FExit.h"

#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

TfmExit *fmExit = nullptr;

T_IMPLEMENT_CLASS(TfmExit)
{
    using C = TfmExit;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbExit", &C::gbExit);
    b.Field("imIcon", &C::imIcon);
    b.Field("lbExit", &C::lbExit);
    b.Field("btnOK", &C::btnOK);
    b.Field("btnCancel", &C::btnCancel);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("btnCancelClick", &C::btnCancelClick);
}

TfmExit::TfmExit(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmExit::FormShow(TObject *)
{
    SetLangCaptions(
        {{this, "SID_INFO_TITLE"}, {lbExit, "SID_EXIT_QUIT"}, {btnOK, "SID_EXIT_OK"}, {btnCancel, "SID_EXIT_CANCEL"}});
}

void TfmExit::btnOKClick(TObject *)
{
    Host().SetCloseAllowed(1);
    Host().CloseMainWindow();
}

void TfmExit::btnCancelClick(TObject *)
{
    Close();
    Host().SetCloseAllowed(0);
}
