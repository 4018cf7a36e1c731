// The plot editor's "X-Axes" and "Y-Axes" pages: the same controls, named with "XAxis" or "YAxis".

#include "plotlib/editor/iPlotEditor.h"

#include "plotlib/plot/iPlotComponent.h"

void TiPlotEditorForm::UpdateXAxesEdit()
{
    UpdateAxisEdit(true);
}

void TiPlotEditorForm::UpdateYAxesEdit()
{
    UpdateAxisEdit(false);
}

void TiPlotEditorForm::UpdateAxisEdit(bool XAxis)
{
    const TiEditorPageTable &table = XAxis ? iXAxisPageTable : iYAxisPageTable;
    TiComponentEditorListBox *list = XAxis ? XAxisListBox : YAxisListBox;
    const QString prefix = XAxis ? QStringLiteral("XAxis") : QStringLiteral("YAxis");
    TiPlotObject *axis = EnablePage(table, list);
    if (!axis)
        return;
    // The child reference names an axis of the other kind, the alignment one of the same kind.
    auto *childRef = Control<TiComponentEditorComboBox>(prefix + QStringLiteral("CartesianChildRefAxisNameComboBox"));
    auto *alignRef = Control<TiComponentEditorComboBox>(prefix + QStringLiteral("AlignRefAxisNameComboBox"));
    if (XAxis) {
        YAxisNameComboBoxDropDown(childRef);
        XAxisNameComboBoxDropDown(alignRef);
    } else {
        XAxisNameComboBoxDropDown(childRef);
        YAxisNameComboBoxDropDown(alignRef);
    }
    LoadRows(table.Rows, axis);
    list->Invalidate();
}

void TiPlotEditorForm::XAxisChange(TObject *)
{
    if (TiPlotObject *axis = Selected(XAxisListBox)) {
        StoreRows(iXAxisPageTable.Rows, axis);
        UpdateAll();
    }
}

void TiPlotEditorForm::YAxisChange(TObject *)
{
    if (TiPlotObject *axis = Selected(YAxisListBox)) {
        StoreRows(iYAxisPageTable.Rows, axis);
        UpdateAll();
    }
}

void TiPlotEditorForm::CopyDefaultFormat(const QString &Prefix, const QString &Target)
{
    // (Default) tab control and its twin on the target tab, by the part after the prefix.
    struct Pair {
        const char *Default;
        const char *Copy;
    };
    static constexpr Pair Lists[] = {{"LabelFormatStyleComboBox", "FormatStyleComboBox"},
                                     {"LabelPrecisionStyleComboBox", "PrecisionStyleComboBox"}};
    static constexpr Pair Edits[] = {{"LabelPrecisionEdit", "PrecisionEdit"}, {"LabelMinLengthEdit", "MinLengthEdit"}};
    auto name = [&](const char *Rest) { return Prefix + QString::fromLatin1(Rest); };
    auto target = [&](const char *Rest) { return Prefix + Target + QString::fromLatin1(Rest); };
    for (const Pair &pair : Lists)
        if (auto *from = Control<TiComponentEditorComboBox>(name(pair.Default)))
            if (auto *to = Control<TiComponentEditorComboBox>(target(pair.Copy)))
                to->SetAsInteger(from->AsInteger());
    if (auto *from = Control<TiComponentEditorComboBox>(name("DateTimeFormatComboBox")))
        if (auto *to = Control<TiComponentEditorComboBox>(target("DateTimeFormatComboBox")))
            to->SetAsString(from->AsString());
    for (const Pair &pair : Edits)
        if (auto *from = Control<TiComponentEditorEdit>(name(pair.Default)))
            if (auto *to = Control<TiComponentEditorEdit>(target(pair.Copy)))
                to->SetAsString(from->AsString());
    if (auto *from = Control<TiComponentEditorCheckBox>(name("LabelMinLengthAutoAdjustCheckBox")))
        if (auto *to = Control<TiComponentEditorCheckBox>(target("MinLengthAutoAdjustCheckBox")))
            to->SetAsBoolean(from->AsBoolean());
    if (Prefix == QLatin1String("XAxis"))
        XAxisChange(this);
    else
        YAxisChange(this);
}

void TiPlotEditorForm::XAxisCursorCopyDefaultButtonClick(TObject *)
{
    CopyDefaultFormat(QStringLiteral("XAxis"), QStringLiteral("Cursor"));
}

void TiPlotEditorForm::XAxisLegendCopyDefaultButtonClick(TObject *)
{
    CopyDefaultFormat(QStringLiteral("XAxis"), QStringLiteral("Legend"));
}

void TiPlotEditorForm::YAxisCursorCopyDefaultButtonClick(TObject *)
{
    CopyDefaultFormat(QStringLiteral("YAxis"), QStringLiteral("Cursor"));
}

void TiPlotEditorForm::YAxisLegendCopyDefaultButtonClick(TObject *)
{
    CopyDefaultFormat(QStringLiteral("YAxis"), QStringLiteral("Legend"));
}
