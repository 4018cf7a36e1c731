#include "dialogs/FFactory.h"

#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

TfmFactory *fmFactory = nullptr;

T_IMPLEMENT_CLASS(TfmFactory)
{
    using C = TfmFactory;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbMessage", &C::gbMessage);
    b.Field("imIcon", &C::imIcon);
    b.Field("lbMessage", &C::lbMessage);
    b.Field("btnOK", &C::btnOK);
    b.Field("bnCancel", &C::bnCancel);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("bnCancelClick", &C::bnCancelClick);
}

TfmFactory::TfmFactory(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmFactory::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_INFO_TITLE"},
                     {lbMessage, "SID_FACTORY_DEFAULT"},
                     {btnOK, "SID_EXIT_OK"},
                     {bnCancel, "SID_EXIT_CANCEL"}});
}

void TfmFactory::btnOKClick(TObject *)
{
    Host().StartFactoryReset();
    Close();
}

void TfmFactory::bnCancelClick(TObject *)
{
    Close();
}
