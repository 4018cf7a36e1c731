#include "dialogs/FChNameList.h"

#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

TfmChNameList *fmChNameList = nullptr;

T_IMPLEMENT_CLASS(TfmChNameList)
{
    using C = TfmChNameList;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbInChNameList", &C::gbInChNameList);
    b.Field("lbChNameListInA", &C::lbChNameListInA);
    b.Field("lbChNameListInB", &C::lbChNameListInB);
    b.Field("edMatrixChNameInA", &C::edMatrixChNameInA);
    b.Field("edMatrixChNameInB", &C::edMatrixChNameInB);
    b.Field("gbOutChNameList", &C::gbOutChNameList);
    b.Field("lbChNameListOut1", &C::lbChNameListOut1);
    b.Field("lbChNameListOut2", &C::lbChNameListOut2);
    b.Field("lbChNameListOut3", &C::lbChNameListOut3);
    b.Field("lbChNameListOut4", &C::lbChNameListOut4);
    b.Field("edMatrixChNameOut1", &C::edMatrixChNameOut1);
    b.Field("edMatrixChNameOut2", &C::edMatrixChNameOut2);
    b.Field("edMatrixChNameOut3", &C::edMatrixChNameOut3);
    b.Field("edMatrixChNameOut4", &C::edMatrixChNameOut4);
    b.Field("btnOK", &C::btnOK);
    b.Field("btnCancel", &C::btnCancel);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("btnOKClick", &C::btnOKClick);
    b.Handler("btnCancelClick", &C::btnCancelClick);
}

TfmChNameList::TfmChNameList(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

TEdit *TfmChNameList::NameEdit(int channel) const
{
    return dynamic_cast<TEdit *>(FindComponent(QStringLiteral("edMatrixChName") + ChannelSuffix(channel)));
}

void TfmChNameList::FormShow(TObject *)
{
    const DialogHost &host = Host();
    for (int c = 0; c < Channels; ++c) {
        TEdit *edit = NameEdit(c);
        if (!edit)
            return;
        edit->SetText(FromDeviceText(host.GetChannelName(c)));
    }
    SetLangCaptions({{this, "SID_CH_NAME_LIST"}, {btnOK, "SID_SET"}, {btnCancel, "SID_EXIT"}});
}

void TfmChNameList::btnOKClick(TObject *)
{
    DialogHost &host = Host();
    for (int c = 0; c < Channels; ++c) {
        TEdit *edit = NameEdit(c);
        if (!edit)
            return;
        const std::string typed = CutToBytes(host.WideToAnsi(edit->Text()), ChannelNameBytes);
        const std::string current = host.GetChannelName(c);
        if (typed == current.substr(0, current.find('\0')))
            continue;
        const std::string name = FitToBytes(typed, ChannelNameBytes, '\0');
        edit->SetText(FromDeviceText(name));
        host.SetChannelName(c, name);
    }
    Close();
}

void TfmChNameList::btnCancelClick(TObject *)
{
    Close();
}
