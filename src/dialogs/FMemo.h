#pragma once
// TfmMemo: the message list, shown without blocking from a hidden menu entry. Nothing in the
// program writes to it; it keeps its first line until Clear empties it.

#include "platform/ui/Forms.h"

class TButton;
class TMemo;

class TfmMemo : public TForm {
    T_DECLARE_CLASS(TfmMemo, TForm)
    explicit TfmMemo(TComponent *AOwner);

    TMemo *Memo = nullptr;
    TButton *bnClearMemo = nullptr;

    void bnClearMemoClick(TObject *Sender);
};

extern TfmMemo *fmMemo;
