#include "platform/ui/ValueListEditor.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TValueListEditor)
{
    b.Bool("ParentColor", &TValueListEditor::ParentColor, &TValueListEditor::SetParentColor).Default(false);
    b.Int("DefaultColWidth", &TValueListEditor::DefaultColWidth, &TValueListEditor::SetDefaultColWidth).Default(150);
    b.Int("DefaultRowHeight", &TValueListEditor::DefaultRowHeight, &TValueListEditor::SetDefaultRowHeight).Default(18);
    b.Set("DisplayOptions", &TValueListEditor::DisplayOptions, &TValueListEditor::SetDisplayOptions, DisplayOptionNames)
        .Default(TDisplayOptions{doColumnTitles, doAutoColResize, doKeyColFixed});
    b.Set("Options", &TValueListEditor::Options, &TValueListEditor::SetOptions, GridOptionNames)
        .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goEditing,
                              goAlwaysShowEditor, goThumbTracking});
    b.Enum("ScrollBars", &TValueListEditor::ScrollBars, &TValueListEditor::SetScrollBars, ScrollStyleNames)
        .Default(ssBoth);
    b.Object("Strings", &TValueListEditor::Strings, &TValueListEditor::SetStrings);
    b.Bool("TabStop", &TValueListEditor::TabStop, &TValueListEditor::SetTabStop).Default(true);
    b.Object("TitleCaptions", &TValueListEditor::TitleCaptions, &TValueListEditor::SetTitleCaptions)
        .Stored([](const TValueListEditor &v) {
            const TStrings *t = v.TitleCaptions();
            return t->Count() != 2 || t->Get(0) != QLatin1String("Key") || t->Get(1) != QLatin1String("Value");
        });
    b.Event("OnSelectCell", &TValueListEditor::OnSelectCell);
    b.Event("OnSetEditText", &TValueListEditor::OnSetEditText);
}

TValueListEditor::TValueListEditor(TComponent *AOwner)
    : TCustomGrid(AOwner), FStrings(std::make_unique<TStringList>()), FTitleCaptions(std::make_unique<TStringList>())
{
    FTitleCaptions->Add(QStringLiteral("Key"));
    FTitleCaptions->Add(QStringLiteral("Value"));
    FStrings->OnChange = [this](TObject *) { StringsChanged(); };
    FTitleCaptions->OnChange = [this](TObject *) { RefreshCells(); };
    SetColCount(2);
    SetFixedCols(0);
    SetDefaultColWidth(150);
    SetDefaultRowHeight(18);
    SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goEditing,
                            goAlwaysShowEditor, goThumbTracking});
    StringsChanged();
}

TValueListEditor::~TValueListEditor()
{
    Destroying();
    FStrings->OnChange = nullptr;
    FTitleCaptions->OnChange = nullptr;
}

void TValueListEditor::StringsChanged()
{
    const int titles = FDisplayOptions.Contains(doColumnTitles) ? 1 : 0;
    SetFixedRows(0);
    SetRowCount(std::max(FStrings->Count(), 1) + titles);
    SetFixedRows(titles);
}

void TValueListEditor::SetDisplayOptions(TDisplayOptions value)
{
    FDisplayOptions = value;
    StringsChanged();
}

QString TValueListEditor::GetCellText(int ACol, int ARow) const
{
    if (FDisplayOptions.Contains(doColumnTitles) && ARow == 0)
        return ACol < FTitleCaptions->Count() ? FTitleCaptions->Get(ACol) : QString();
    const int line = LineOf(ARow);
    if (line < 0 || line >= FStrings->Count())
        return QString();
    return ACol == 0 ? FStrings->Names(line) : FStrings->ValueFromIndex(line);
}

bool TValueListEditor::CanEditCell(int ACol, int ARow) const
{
    if (ACol == 0 && FDisplayOptions.Contains(doKeyColFixed))
        return false;
    return TCustomGrid::CanEditCell(ACol, ARow) && LineOf(ARow) < FStrings->Count();
}

void TValueListEditor::SetEditText(int ACol, int ARow, const QString &value)
{
    const int line = LineOf(ARow);
    if (line >= 0 && line < FStrings->Count()) {
        const QString key = FStrings->Names(line);
        const QString val = FStrings->ValueFromIndex(line);
        FStrings->OnChange = nullptr;  // the grid already shows the edit
        FStrings->Put(line, ACol == 0 ? value + FStrings->NameValueSeparator() + val
                                      : key + FStrings->NameValueSeparator() + value);
        FStrings->OnChange = [this](TObject *) { StringsChanged(); };
    }
    TCustomGrid::SetEditText(ACol, ARow, value);
}

QString TValueListEditor::Keys(int ARow) const
{
    return GetCellText(0, ARow);
}

void TValueListEditor::SetKeys(int ARow, const QString &key)
{
    const int line = LineOf(ARow);
    if (line >= 0 && line < FStrings->Count())
        FStrings->Put(line, key + FStrings->NameValueSeparator() + FStrings->ValueFromIndex(line));
}

bool TValueListEditor::FindRow(const QString &key, int &row) const
{
    const int line = FStrings->IndexOfName(key);
    row = line < 0 ? -1 : line + (FDisplayOptions.Contains(doColumnTitles) ? 1 : 0);
    return line >= 0;
}
