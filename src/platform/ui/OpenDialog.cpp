#include "platform/ui/OpenDialog.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/ScriptedAnswers.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

T_IMPLEMENT_CLASS(TOpenDialog)
{
    b.Str("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    b.Str("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    b.Str("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    b.Int("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    b.Str("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    b.Set("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions, OpenOptionNames)
        .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
    b.Str("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

T_IMPLEMENT_CLASS(TSaveDialog) {}

QStringList QtNameFilters(const QString &filter)
{
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses; keep the description readable.
        out << QStringLiteral("%1 (%2)").arg(parts[i].section(QLatin1String(" ("), 0, 0), patterns);
    }
    return out;
}

TOpenDialog::TOpenDialog(TComponent *AOwner) : TCommonDialog(AOwner) {}

bool TOpenDialog::Execute()
{
    return DoExecute(false);
}

TSaveDialog::TSaveDialog(TComponent *AOwner) : TOpenDialog(AOwner) {}

bool TSaveDialog::Execute()
{
    return DoExecute(true);
}

bool TOpenDialog::DoExecute(bool save)
{
    DoShow();
    bool chosen = false;
    if (TScriptedAnswers *script = ScriptedAnswers()) {
        // Each scripted answer is one round of the dialog; a refused file asks again.
        for (;;) {
            const TFileDialogAnswer answer = script->FileDialogShown({save, FTitle, FFilter, FFileName, FInitialDir});
            if (!answer.Ok || answer.Files.isEmpty())
                break;
            if (answer.FilterIndex > 0)
                FFilterIndex = answer.FilterIndex;
            if (Accept(save, answer.Files)) {
                chosen = true;
                break;
            }
        }
    } else {
        QFileDialog dialog(QApplication::activeWindow(), FTitle, FInitialDir);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (save)
            dialog.setFileMode(QFileDialog::AnyFile);
        else if (FOptions.Contains(ofAllowMultiSelect))
            dialog.setFileMode(QFileDialog::ExistingFiles);
        else
            dialog.setFileMode(FOptions.Contains(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        // Our own checks (extension, overwrite) run on the choice below.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = QtNameFilters(FFilter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(FFilterIndex - 1, filters.front()));
        }
        if (!FFileName.isEmpty())
            dialog.selectFile(FFileName);
        while (ExecDialog(dialog) == QDialog::Accepted) {
            const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
            if (index >= 0)
                FFilterIndex = static_cast<int>(index) + 1;
            if (Accept(save, dialog.selectedFiles())) {
                chosen = true;
                break;
            }
        }
    }
    DoClose();
    return chosen;
}

bool TOpenDialog::Accept(bool save, QStringList files)
{
    for (QString &file : files) {
        if (!FDefaultExt.isEmpty() && QFileInfo(file).suffix().isEmpty() && !file.endsWith(QLatin1Char('.')))
            file += QLatin1Char('.') + (FDefaultExt.startsWith(QLatin1Char('.')) ? FDefaultExt.mid(1) : FDefaultExt);
        if (OnFileNameChosen)
            OnFileNameChosen(this, file);
        const bool exists = QFileInfo::exists(file);
        const QString title = FTitle.isEmpty() ? (save ? QStringLiteral("Save As") : QStringLiteral("Open")) : FTitle;
        if (save && exists && FOptions.Contains(ofOverwritePrompt) &&
            MessageBox(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(ExtractFileName(file)), title,
                       MB_YESNO | MB_ICONWARNING) != IDYES)
            return false;
        if (!save && !exists && FOptions.Contains(ofFileMustExist)) {
            MessageBox(QStringLiteral("%1\nFile not found.\nCheck the file name and try again.").arg(ExtractFileName(file)),
                       title, MB_OK | MB_ICONWARNING);
            return false;
        }
    }
    FFiles = files;
    FFileName = files.front();
    return true;
}
