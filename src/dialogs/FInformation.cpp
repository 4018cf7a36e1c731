#include "dialogs/FInformation.h"

#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

TfmInformation *fmInformation = nullptr;

T_IMPLEMENT_CLASS(TfmInformation)
{
    using C = TfmInformation;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbMessage", &C::gbMessage);
    b.Field("imIcon", &C::imIcon);
    b.Field("lbMessage", &C::lbMessage);
    b.Field("btnOK", &C::btnOK);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("btnOKClick", &C::btnOKClick);
}

TfmInformation::TfmInformation(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmInformation::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_INFO_TITLE"}, {btnOK, "SID_EXIT_OK"}});
}

void TfmInformation::btnOKClick(TObject *)
{
    Close();
}
