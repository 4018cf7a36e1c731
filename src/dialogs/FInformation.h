#pragma once
// TfmInformation: the program's message box. A caller sets lbMessage to the text (as a rule a
// language-table text such as "You Must Connect First !!") and shows the box modally; OK closes
// it. The text stays until a caller sets another, so a second showing shows it again.

#include "platform/ui/Forms.h"

class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

class TfmInformation : public TForm {
    T_DECLARE_CLASS(TfmInformation, TForm)
    explicit TfmInformation(TComponent *AOwner);

    TImage *imBackground = nullptr;
    TRzGroupBox *gbMessage = nullptr;
    TImage *imIcon = nullptr;
    TLabel *lbMessage = nullptr;
    TRzBmpButton *btnOK = nullptr;

    // Caption "SID_INFO_TITLE", button "SID_EXIT_OK".
    void FormShow(TObject *Sender);
    void btnOKClick(TObject *Sender);
};

extern TfmInformation *fmInformation;
