#include "dialogs/FChannelName.h"

#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

TfmChannelName *fmChannelName = nullptr;

T_IMPLEMENT_CLASS(TfmChannelName)
{
    using C = TfmChannelName;
    b.Field("imBackground", &C::imBackground);
    b.Field("lbChannelName", &C::lbChannelName);
    b.Field("lbChannel", &C::lbChannel);
    b.Field("edName", &C::edName);
    b.Field("btnOK", &C::btnOK);
    b.Field("bnCancel", &C::bnCancel);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("FormActivate", &C::FormActivate);
    b.Handler("edNameKeyPress", &C::edNameKeyPress);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("bnCancelClick", &C::bnCancelClick);
}

TfmChannelName::TfmChannelName(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmChannelName::SetChannel(int channel)
{
    Channel = channel;
    lbChannel->SetCaption(ChannelSuffix(channel) + QStringLiteral(" :"));
}

void TfmChannelName::SetNameText(const std::string &name)
{
    edName->SetText(TrimmedDeviceText(name));
}

void TfmChannelName::FormShow(TObject *)
{
    SetLangCaptions(
        {{this, "SID_CH_NAME"}, {lbChannelName, "SID_CH_NAME"}, {btnOK, "SID_EXIT_OK"}, {bnCancel, "SID_EXIT_CANCEL"}});
}

void TfmChannelName::FormActivate(TObject *)
{
    edName->SetEnabled(true);
    FocusControl(edName);
    edName->SelectAll();
}

void TfmChannelName::edNameKeyPress(TObject *, QChar &Key)
{
    ClickOnEnter(Key, btnOK);
}

void TfmChannelName::btnOKClick(TObject *)
{
    const std::string name = ToDeviceText(edName->Text(), ChannelNameBytes, '\0');
    edName->SetText(FromDeviceText(name));
    Close();
    Host().SetChannelName(Channel, name);
}

void TfmChannelName::bnCancelClick(TObject *)
{
    Close();
}
