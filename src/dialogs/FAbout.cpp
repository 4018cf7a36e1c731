#include "dialogs/FAbout.h"

#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

TfmAbout *fmAbout = nullptr;

T_IMPLEMENT_CLASS(TfmAbout)
{
    using C = TfmAbout;
    b.Field("imBackground", &C::imBackground);
    b.Field("Image1", &C::Image1);
    b.Field("ProductName", &C::ProductName);
    b.Field("Version", &C::Version);
    b.Field("Copyright", &C::Copyright);
    b.Field("btnOK", &C::btnOK);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("btnOKClick", &C::btnOKClick);
}

TfmAbout::TfmAbout(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmAbout::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_ABOUT"}});
}

void TfmAbout::btnOKClick(TObject *)
{
    Close();
}
