#include "dialogs/FCopy.h"

#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

TfmCopy *fmCopy = nullptr;

T_IMPLEMENT_CLASS(TfmCopy)
{
    using C = TfmCopy;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbInCopy", &C::gbInCopy);
    b.Field("cbInSource", &C::cbInSource);
    b.Field("lbInArrow", &C::lbInArrow);
    b.Field("cbInDestination", &C::cbInDestination);
    b.Field("bnInChCopy", &C::bnInChCopy);
    b.Field("gbOutCopy", &C::gbOutCopy);
    b.Field("cbOutSource", &C::cbOutSource);
    b.Field("lbOutArrow", &C::lbOutArrow);
    b.Field("cbOutDestination", &C::cbOutDestination);
    b.Field("bnOutChCopy", &C::bnOutChCopy);
    b.Field("bnExit", &C::bnExit);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("bnInChCopyClick", &C::bnInChCopyClick);
    b.Handler("bnExitClick", &C::bnExitClick);
}

TfmCopy::TfmCopy(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmCopy::FormShow(TObject *)
{
    SetLangCaptions(
        {{this, "SID_COPY_TITLE"}, {bnInChCopy, "SID_COPY"}, {bnOutChCopy, "SID_COPY"}, {bnExit, "SID_EXIT"}});
}

void TfmCopy::bnInChCopyClick(TObject *Sender)
{
    auto *button = dynamic_cast<TRzBmpButton *>(Sender);
    if (!button)
        return;
    const bool outputs = button->Tag() == OutputRow;
    const TComboBox *source = outputs ? cbOutSource : cbInSource;
    const TComboBox *destination = outputs ? cbOutDestination : cbInDestination;
    if (source->ItemIndex() < 0 || destination->ItemIndex() < 0)
        return;
    const int first = outputs ? FirstOutput : 0;
    Host().CopyChannel(first + source->ItemIndex(), first + destination->ItemIndex(), true);
}

void TfmCopy::bnExitClick(TObject *)
{
    Close();
}
