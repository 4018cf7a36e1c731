#pragma once
// TPrintDialog: asks which printer to print on (and, for a printer that prints into a file, which
// file). Execute shows the form "PrintDialog" modally (so the test scripting answers it like any
// modal form): the list "PrinterComboBox" starts at Printer()'s current printer, the edit
// "FileNameEdit" (with "BrowseButton", a save dialog for PDF files) at its FileName; "OKButton"
// makes the choice Printer()'s and answers true, "CancelButton" changes nothing and answers
// false. OK with a printer that needs a file and none typed asks for one and keeps the form open.

#include "platform/ui/Dialogs.h"

class TPrintDialog : public TCommonDialog {
    T_DECLARE_CLASS(TPrintDialog, TCommonDialog)

public:
    explicit TPrintDialog(TComponent *AOwner);

    bool Execute() override;
};
