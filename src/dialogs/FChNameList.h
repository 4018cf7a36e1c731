#pragma once
// TfmChNameList: the names of all six channels at once. Each showing fills the edits from the
// model; Set sends the names that differ from the model's, one command each, inputs first, and
// closes; Exit leaves without sending.
//
// A name is the edit's text as GBK, cut to 8 bytes between characters (never half a two-byte
// character), compared byte for byte with the model's name (the bytes before its first zero
// byte), and sent filled up with zero bytes; the edit then shows what was sent. An empty name is
// 8 zero bytes. The text is taken as it is typed ("50%" stays "50%").

#include "platform/ui/Forms.h"

#include <string>

class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmChNameList : public TForm {
    T_DECLARE_CLASS(TfmChNameList, TForm)
    explicit TfmChNameList(TComponent *AOwner);

    static constexpr int Channels = 6;

    TImage *imBackground = nullptr;
    TGroupBox *gbInChNameList = nullptr;
    TLabel *lbChNameListInA = nullptr;
    TLabel *lbChNameListInB = nullptr;
    TEdit *edMatrixChNameInA = nullptr;
    TEdit *edMatrixChNameInB = nullptr;
    TGroupBox *gbOutChNameList = nullptr;
    TLabel *lbChNameListOut1 = nullptr;
    TLabel *lbChNameListOut2 = nullptr;
    TLabel *lbChNameListOut3 = nullptr;
    TLabel *lbChNameListOut4 = nullptr;
    TEdit *edMatrixChNameOut1 = nullptr;
    TEdit *edMatrixChNameOut2 = nullptr;
    TEdit *edMatrixChNameOut3 = nullptr;
    TEdit *edMatrixChNameOut4 = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *btnCancel = nullptr;

    // The name edit of channel 0..5 ("edMatrixChName" + "InA" .. "Out4"); nullptr when missing.
    TEdit *NameEdit(int channel) const;

    void FormShow(TObject *Sender);
    void btnOKClick(TObject *Sender);
    void btnCancelClick(TObject *Sender);
};

extern TfmChNameList *fmChNameList;
