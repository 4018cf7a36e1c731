#include "dialogs/FHidData.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"

TfmHidData *fmHidData = nullptr;

T_IMPLEMENT_CLASS(TfmHidData)
{
    using C = TfmHidData;
    b.Field("hbHidData", &C::hbHidData);
    b.Field("bnClear", &C::bnClear);
    b.Handler("bnClearClick", &C::bnClearClick);
}

TfmHidData::TfmHidData(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

bool TfmHidData::AddTrafficLine(const QString &line)
{
    if (!Visible())
        return false;
    hbHidData->SetItemIndex(hbHidData->Items()->Add(line));
    return true;
}

void TfmHidData::bnClearClick(TObject *)
{
    hbHidData->Clear();
}
