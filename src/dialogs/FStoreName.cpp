#include "dialogs/FStoreName.h"

#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/FPresetList.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

TfmStoreName *fmStoreName = nullptr;

T_IMPLEMENT_CLASS(TfmStoreName)
{
    using C = TfmStoreName;
    b.Field("imBackground", &C::imBackground);
    b.Field("lblPresetName", &C::lblPresetName);
    b.Field("lTitle", &C::lTitle);
    b.Field("edName", &C::edName);
    b.Field("btnOK", &C::btnOK);
    b.Field("bnCancel", &C::bnCancel);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("FormActivate", &C::FormActivate);
    b.Handler("edNameKeyPress", &C::edNameKeyPress);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("bnCancelClick", &C::bnCancelClick);
}

TfmStoreName::TfmStoreName(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmStoreName::ShowPresetName(const std::string &name)
{
    edName->SetText(TrimmedDeviceText(name));
}

void TfmStoreName::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_PST_NAME"},
                     {lblPresetName, "SID_PST_NAME"},
                     {btnOK, "SID_EXIT_OK"},
                     {bnCancel, "SID_EXIT_CANCEL"}});
}

void TfmStoreName::FormActivate(TObject *)
{
    edName->SetEnabled(StoreMode != 0);
    if (StoreMode == 0)
        return;
    FocusControl(edName);
    edName->SelectAll();
}

void TfmStoreName::edNameKeyPress(TObject *, QChar &Key)
{
    ClickOnEnter(Key, btnOK);
}

void TfmStoreName::btnOKClick(TObject *)
{
    DialogHost &host = Host();
    const std::string name = ToDeviceText(edName->Text(), PresetNameBytes);
    edName->SetText(FromDeviceText(name));
    host.SetStepValue(PresetStepValue);
    TfmPresetList *list = StoreMode != 0 ? static_cast<TfmPresetList *>(fmStorePreset) : fmRecallPreset;
    if (host.IsConnected())
        list->Hide();
    Close();
    list->Close();
    if (StoreMode != 0) {
        // The lists first: the store runs its progress window modally, and a link that breaks
        // meanwhile is read again before it returns, which must not be overwritten afterwards.
        fmRecallPreset->SetRowName(PresetIndex + 1, name);
        fmStorePreset->SetRowName(PresetIndex, name);
        host.StorePreset(PresetIndex, name);
    } else {
        host.RecallPreset(PresetIndex);
    }
}

void TfmStoreName::bnCancelClick(TObject *)
{
    Close();
}
