#include "plotlib/editor/iDialogs.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/OpenDialog.h"
#include "plotlib/base/iHelpers.h"

#include <QFileInfo>

T_IMPLEMENT_CLASS(TiColorDialog)
{
    b.Color("Color", &TiColorDialog::Color, &TiColorDialog::SetColor);
}

T_IMPLEMENT_CLASS(TiFontDialog)
{
    b.Object("Font", &TiFontDialog::Font, &TiFontDialog::SetFont);
}

T_IMPLEMENT_CLASS(TiOpenDialog)
{
    b.Str("FileName", &TiOpenDialog::FileName, &TiOpenDialog::SetFileName);
    b.Str("Filter", &TiOpenDialog::Filter, &TiOpenDialog::SetFilter);
    b.Str("DefaultExt", &TiOpenDialog::DefaultExt, &TiOpenDialog::SetDefaultExt);
    b.Str("DefaultDir", &TiOpenDialog::DefaultDir, &TiOpenDialog::SetDefaultDir);
    b.Bool("FileMustExist", &TiOpenDialog::FileMustExist, &TiOpenDialog::SetFileMustExist).Default(false);
}

T_IMPLEMENT_CLASS(TiSaveDialog)
{
    b.Str("FileName", &TiSaveDialog::FileName, &TiSaveDialog::SetFileName);
    b.Str("Filter", &TiSaveDialog::Filter, &TiSaveDialog::SetFilter);
    b.Int("FilterIndex", &TiSaveDialog::FilterIndex, &TiSaveDialog::SetFilterIndex).Default(1);
    b.Str("DefaultExt", &TiSaveDialog::DefaultExt, &TiSaveDialog::SetDefaultExt);
    b.Str("ReturnExt", &TiSaveDialog::ReturnExt, nullptr);
    b.Str("DefaultDir", &TiSaveDialog::DefaultDir, &TiSaveDialog::SetDefaultDir);
}

namespace {

// The owner of a colour or font dialog must be a windowed control.
void CheckWindowedOwner(const TComponent *dialog)
{
    if (!dynamic_cast<TWinControl *>(dialog->Owner()))
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}

// The longest file name the dialogs are handed.
constexpr int MaxPath = 260;

}  // namespace

// ---- Colour and font ---------------------------------------------------------------------------

bool TiColorDialog::Execute()
{
    CheckWindowedOwner(this);
    TColorDialog dialog(nullptr);
    dialog.SetColor(ColorToRGB(FColor));
    if (!dialog.Execute())
        return false;
    FColor = dialog.Color();
    return true;
}

TiFontDialog::TiFontDialog(TComponent *AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {}

TiFontDialog::~TiFontDialog() = default;

bool TiFontDialog::Execute()
{
    CheckWindowedOwner(this);
    const QString faceName = FFont->Name();
    TFontDialog dialog(nullptr);
    dialog.SetFont(FFont.get());
    if (!dialog.Execute())
        return false;
    const TFont *chosen = dialog.Font();
    FFont->SetColor(chosen->Color());
    FFont->SetName(chosen->Name());
    FFont->SetHeight(chosen->Height());
    if (chosen->Name().compare(faceName, Qt::CaseInsensitive) != 0)
        FFont->SetCharset(chosen->Charset());
    FFont->SetStyle(chosen->Style());
    return true;
}

// ---- Open --------------------------------------------------------------------------------------

TiOpenDialog::TiOpenDialog(TComponent *AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>()) {}

TiOpenDialog::~TiOpenDialog() = default;

bool TiOpenDialog::Execute()
{
    FFiles->Clear();
    if (!iGetParentForm(this))
        return false;
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(FFilter);
    dialog.SetFilterIndex(1);
    dialog.SetDefaultExt(FDefaultExt);
    dialog.SetFileName(FFileName.left(MaxPath));
    dialog.SetInitialDir(FDefaultDir);
    TOpenOptions options{ofHideReadOnly, ofPathMustExist};
    if (FFileMustExist)
        options << ofFileMustExist;
    if (FAllowMultiSelect)
        options << ofAllowMultiSelect;
    dialog.SetOptions(options);
    if (!dialog.Execute())
        return false;
    if (FAllowMultiSelect) {
        FFiles->AddStrings(dialog.Files());
        FFileName = dialog.Files().value(0);
    } else {
        FFileName = dialog.FileName();
        FFiles->Add(FFileName);
    }
    return true;
}

// ---- Save --------------------------------------------------------------------------------------

TiSaveDialog::TiSaveDialog(TComponent *AOwner) : TComponent(AOwner), FFilterList(std::make_unique<TStringList>()) {}

TiSaveDialog::~TiSaveDialog() = default;

bool TiSaveDialog::Execute()
{
    if (!iGetParentForm(this))
        return false;
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(FFilter);
    dialog.SetFilterIndex(FFilterIndex);
    dialog.SetDefaultExt(FDefaultExt);
    dialog.SetFileName(FFileName.left(MaxPath));
    dialog.SetInitialDir(FDefaultDir);
    dialog.SetOptions(TOpenOptions{ofOverwritePrompt, ofHideReadOnly, ofPathMustExist});
    if (!dialog.Execute())
        return false;
    FFileName = dialog.FileName();
    FFilterIndex = dialog.FilterIndex();

    // The patterns of the filter, in order.
    FFilterList->Clear();
    for (const QString &part : FFilter.split(u'|'))
        if (part.startsWith(u'*'))
            FFilterList->Add(part);
    FReturnExt.clear();
    if (FFilterList->Count() > 0 && FFilterList->Count() >= FFilterIndex && FFilterIndex >= 1)
        FReturnExt = FFilterList->Strings(FFilterIndex - 1).mid(1);
    if (!FReturnExt.isEmpty() && FReturnExt != QStringLiteral(".*")) {
        const QString suffix = QFileInfo(FFileName).suffix();
        const bool keeps = !suffix.isEmpty() && FFilterList->IndexOf(QStringLiteral("*.") + suffix) + 1 == FFilterIndex;
        if (!keeps)
            FFileName += FReturnExt;
    }
    return true;
}
