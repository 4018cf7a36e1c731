#include "platform/ui/PrintDialog.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Label.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/Printers.h"

#include <memory>

T_IMPLEMENT_CLASS(TPrintDialog) {}

namespace {

// The dialog's window, built in code: printer list, file field, OK and Cancel.
class PrintDialogForm {
public:
    PrintDialogForm()
    {
        form_->SetName(QStringLiteral("PrintDialog"));
        form_->SetCaption(QStringLiteral("Print"));
        form_->SetBorderStyle(bsDialog);
        form_->SetPosition(poScreenCenter);
        form_->SetClientWidth(360);
        form_->SetClientHeight(116);
        Place(new TLabel(form_.get()), QStringLiteral("PrinterLabel"), 12, 15, 60, 16)
            ->SetCaption(QStringLiteral("Printer:"));
        Place(printers_, QStringLiteral("PrinterComboBox"), 80, 12, 268, 22);
        printers_->SetStyle(csDropDownList);
        Place(fileLabel_, QStringLiteral("FileNameLabel"), 12, 47, 60, 16);
        fileLabel_->SetCaption(QStringLiteral("File:"));
        Place(fileName_, QStringLiteral("FileNameEdit"), 80, 44, 236, 22);
        Place(browse_, QStringLiteral("BrowseButton"), 322, 43, 26, 24)->SetCaption(QStringLiteral("..."));
        Place(ok_, QStringLiteral("OKButton"), 192, 80, 75, 25)->SetCaption(QStringLiteral("OK"));
        ok_->SetModalResult(mrOk);
        ok_->SetDefault(true);
        Place(cancel_, QStringLiteral("CancelButton"), 273, 80, 75, 25)->SetCaption(QStringLiteral("Cancel"));
        cancel_->SetModalResult(mrCancel);
        cancel_->SetCancel(true);

        TPrinter *printer = Printer();
        printers_->Items()->SetText(printer->Printers().join(u'\n'));
        printers_->SetItemIndex(printer->PrinterIndex());
        fileName_->SetText(printer->FileName());
        printers_->OnChange = [this](TObject *) { ShowFileField(); };
        browse_->OnClick = [this](TObject *) { Browse(); };
        ok_->OnClick = [this](TObject *) { CheckFile(); };
        ShowFileField();
    }

    // True when the user confirmed; the choice is then Printer()'s.
    bool Run()
    {
        if (form_->ShowModal() != mrOk)
            return false;
        TPrinter *printer = Printer();
        if (printers_->ItemIndex() >= 0)
            printer->SetPrinterIndex(printers_->ItemIndex());
        printer->SetFileName(fileName_->Text().trimmed());
        return true;
    }

private:
    template <class C>
    C *Place(C *control, const QString &name, int left, int top, int width, int height)
    {
        control->SetName(name);
        control->SetParent(form_.get());
        control->SetBounds(left, top, width, height);
        return control;
    }

    bool ChosenPrintsToFile() const
    {
        const std::vector<TPrinterDevice> &devices = Printer()->Devices();
        const int index = printers_->ItemIndex();
        return index >= 0 && index < static_cast<int>(devices.size()) &&
               devices[static_cast<std::size_t>(index)].PrintsToFile;
    }

    void ShowFileField()
    {
        const bool toFile = ChosenPrintsToFile();
        fileLabel_->SetEnabled(toFile);
        fileName_->SetEnabled(toFile);
        browse_->SetEnabled(toFile);
    }

    void Browse()
    {
        TSaveDialog dialog(nullptr);
        dialog.SetFilter(QStringLiteral("PDF files (*.pdf)|*.pdf"));
        dialog.SetDefaultExt(QStringLiteral("pdf"));
        dialog.SetFileName(fileName_->Text());
        dialog.SetOptions(TOpenOptions{ofOverwritePrompt, ofHideReadOnly, ofEnableSizing});
        if (dialog.Execute())
            fileName_->SetText(dialog.FileName());
    }

    void CheckFile()
    {
        if (ChosenPrintsToFile() && fileName_->Text().trimmed().isEmpty()) {
            MessageBox(QStringLiteral("Choose the file to print to."), QStringLiteral("Print"), MB_OK | MB_ICONWARNING);
            form_->SetModalResult(mrNone);
        }
    }

    std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
    TComboBox *printers_ = new TComboBox(form_.get());
    TLabel *fileLabel_ = new TLabel(form_.get());
    TEdit *fileName_ = new TEdit(form_.get());
    TButton *browse_ = new TButton(form_.get());
    TButton *ok_ = new TButton(form_.get());
    TButton *cancel_ = new TButton(form_.get());
};

}  // namespace

TPrintDialog::TPrintDialog(TComponent *AOwner) : TCommonDialog(AOwner) {}

bool TPrintDialog::Execute()
{
    DoShow();
    PrintDialogForm form;
    const bool chosen = form.Run();
    DoClose();
    return chosen;
}
