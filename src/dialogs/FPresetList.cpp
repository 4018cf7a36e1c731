#include "dialogs/FPresetList.h"

#include "dialogs/DeviceText.h"
#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/FStoreName.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/StringList.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/ValueListEditor.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <algorithm>

namespace {

constexpr const char *DefaultName = "Default Preset";

// Bytes that would break a row apart (or end it) show as blanks.
std::string RowSafe(std::string name)
{
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n' || c == '=' || c == '\0'; }, ' ');
    return name;
}

}  // namespace

T_IMPLEMENT_CLASS(TfmPresetList)
{
    using C = TfmPresetList;
    b.Field("imBackground", &C::imBackground);
    b.Field("vledPresetName", &C::vledPresetName);
    b.Field("lPresetSelect", &C::lPresetSelect);
    b.Field("bnCancel", &C::bnCancel);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("bnCancelClick", &C::bnCancelClick);
    b.Handler("vledPresetNameSelectCell", &C::vledPresetNameSelectCell);
}

TfmPresetList::TfmPresetList(TComponent *AOwner, int rows, int factoryRows, const char *titleKey,
                             std::uint8_t storeMode)
    : TForm(AOwner), names_(static_cast<std::size_t>(rows), FitToBytes(DefaultName, PresetNameBytes)),
      factoryRows_(factoryRows), titleKey_(titleKey), storeMode_(storeMode)
{}

// ---- Rows --------------------------------------------------------------------------------------

std::string TfmPresetList::RowName(int row) const
{
    return row >= 0 && row < RowCount() ? names_[static_cast<std::size_t>(row)] : std::string();
}

QString TfmPresetList::RowKey(int row) const
{
    if (row < factoryRows_)
        return QStringLiteral("F%1").arg(row, 2, 10, QLatin1Char('0'));
    return QStringLiteral("U%1").arg(row - factoryRows_ + 1, 2, 10, QLatin1Char('0'));
}

QString TfmPresetList::RowText(int row) const
{
    const std::string &name = names_[static_cast<std::size_t>(row)];
    return QStringLiteral("     ") + RowKey(row) + QStringLiteral("=  ") +
           QString::fromStdU16String(os::AnsiToUnicode(name));
}

void TfmPresetList::ShowRows()
{
    // Column widths are no published property of the grid.
    vledPresetName->SetColWidths(0, 69);
    vledPresetName->SetColWidths(1, 126);
    QStringList rows;
    for (int row = 0; row < RowCount(); ++row)
        rows << RowText(row);
    vledPresetName->Strings()->SetText(rows.join(QStringLiteral("\r\n")));
}

void TfmPresetList::SetRowName(int row, const std::string &name)
{
    if (row < 0 || row >= RowCount())
        return;
    names_[static_cast<std::size_t>(row)] = FitToBytes(RowSafe(name), PresetNameBytes);
    vledPresetName->Strings()->Put(row, RowText(row));
}

// ---- Handlers ----------------------------------------------------------------------------------

void TfmPresetList::FormShow(TObject *)
{
    SetLangCaptions({{this, titleKey_}, {lPresetSelect, titleKey_}, {bnCancel, "SID_CANCEL"}});
    const DialogHost &host = Host();
    TStrings *titles = vledPresetName->TitleCaptions();
    titles->BeginUpdate();
    titles->Clear();
    titles->Add(host.GetLangText(QStringLiteral("SID_NUMBER")));
    titles->Add(host.GetLangText(QStringLiteral("SID_NAME")));
    titles->EndUpdate();
}

void TfmPresetList::bnCancelClick(TObject *)
{
    SetActiveControl(vledPresetName);
    Close();
}

void TfmPresetList::vledPresetNameSelectCell(TObject *, int, int ARow, bool &)
{
    const int row = ARow - 1;
    if (row < 0 || row >= RowCount())
        return;
    fmStoreName->ShowPresetName(names_[static_cast<std::size_t>(row)]);
    fmStoreName->SetPresetIndex(row);
    fmStoreName->lTitle->SetCaption(RowKey(row) + QStringLiteral(" : "));
    fmStoreName->SetStoreMode(storeMode_);
    fmStoreName->Show();
}
