#include "dialogs/FMemo.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Button.h"
#include "platform/ui/Memo.h"

TfmMemo *fmMemo = nullptr;

T_IMPLEMENT_CLASS(TfmMemo)
{
    using C = TfmMemo;
    b.Field("Memo", &C::Memo);
    b.Field("bnClearMemo", &C::bnClearMemo);
    b.Handler("bnClearMemoClick", &C::bnClearMemoClick);
}

TfmMemo::TfmMemo(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

void TfmMemo::bnClearMemoClick(TObject *)
{
    Memo->Clear();
}
