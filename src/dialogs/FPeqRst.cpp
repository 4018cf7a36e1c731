#include "dialogs/FPeqRst.h"

#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

TfmPeqRst *fmPeqRst = nullptr;

T_IMPLEMENT_CLASS(TfmPeqRst)
{
    using C = TfmPeqRst;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbReset", &C::gbReset);
    b.Field("lbReset", &C::lbReset);
    b.Field("btnOK", &C::btnOK);
    b.Field("btnCancel", &C::btnCancel);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("btnCancelClick", &C::btnCancelClick);
}

TfmPeqRst::TfmPeqRst(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmPeqRst::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_PEQRST"},
                     {lbReset, "SID_PEQRST_RESET"},
                     {btnOK, "SID_PEQRST_OK"},
                     {btnCancel, "SID_PEQRST_CANCEL"}});
}

void TfmPeqRst::btnOKClick(TObject *)
{
    Hide();
    Host().SendPeqReset(Channel);
    Close();
}

void TfmPeqRst::btnCancelClick(TObject *)
{
    Close();
}
