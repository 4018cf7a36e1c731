// The plot editor's pages of toolbars, legends, data views, tables, data cursors, limits and
// labels.

#include "plotlib/editor/iPlotEditor.h"

#include "plotlib/plot/iPlotComponent.h"

// ---- Toolbar, legend, data view (their lists are hidden) ------------------------------------------

void TiPlotEditorForm::UpdateToolBarEdit()
{
    if (TiPlotObject *toolBar = EnablePage(iToolBarPageTable, ToolBarListBox))
        LoadRows(iToolBarPageTable.Rows, toolBar);
    ToolBarListBox->Invalidate();
}

void TiPlotEditorForm::ToolBarChange(TObject *)
{
    if (TiPlotObject *toolBar = Selected(ToolBarListBox)) {
        StoreRows(iToolBarPageTable.Rows, toolBar);
        UpdateAll();
    }
}

void TiPlotEditorForm::UpdateLegendEdit()
{
    if (TiPlotObject *legend = EnablePage(iLegendPageTable, LegendListBox))
        LoadRows(iLegendPageTable.Rows, legend);
    LegendListBox->Invalidate();
}

void TiPlotEditorForm::LegendChange(TObject *)
{
    if (TiPlotObject *legend = Selected(LegendListBox)) {
        StoreRows(iLegendPageTable.Rows, legend);
        UpdateAll();
    }
}

void TiPlotEditorForm::UpdateDataViewEdit()
{
    DataViewGridXAxisNameComboBoxDropDown(
        Control<TiComponentEditorComboBox>(QStringLiteral("DataViewGridXAxisNameComboBox")));
    DataViewGridYAxisNameComboBoxDropDown(
        Control<TiComponentEditorComboBox>(QStringLiteral("DataViewGridYAxisNameComboBox")));
    if (TiPlotObject *dataView = EnablePage(iDataViewPageTable, DataViewListBox))
        LoadRows(iDataViewPageTable.Rows, dataView);
    DataViewListBox->Invalidate();
}

void TiPlotEditorForm::DataViewChange(TObject *)
{
    if (TiPlotObject *dataView = Selected(DataViewListBox)) {
        StoreRows(iDataViewPageTable.Rows, dataView);
        UpdateAll();
    }
}

// ---- Tables ---------------------------------------------------------------------------------------

void TiPlotEditorForm::UpdateTableEdit()
{
    if (TiPlotObject *table = EnablePage(iTablePageTable, TableListBox))
        LoadRows(iTablePageTable.Rows, table);
}

void TiPlotEditorForm::TableChange(TObject *)
{
    if (TiPlotObject *table = Selected(TableListBox))
        StoreRows(iTablePageTable.Rows, table);
}

// ---- Data cursors and limits ----------------------------------------------------------------------

void TiPlotEditorForm::UpdateDataCursorEdit()
{
    DataCursorChannelNameComboBoxDropDown(
        Control<TiComponentEditorComboBox>(QStringLiteral("DataCursorChannelNameComboBox")));
    if (TiPlotObject *cursor = EnablePage(iDataCursorPageTable, DataCursorListBox))
        LoadRows(iDataCursorPageTable.Rows, cursor);
}

void TiPlotEditorForm::DataCursorChange(TObject *)
{
    if (TiPlotObject *cursor = Selected(DataCursorListBox)) {
        StoreRows(iDataCursorPageTable.Rows, cursor);
        UpdateDataCursorEdit();
        DataCursorListBox->Invalidate();
    }
}

void TiPlotEditorForm::UpdateLimitEdit()
{
    XAxisNameComboBoxDropDown(Control<TiComponentEditorComboBox>(QStringLiteral("LimitXAxisNameComboBox")));
    YAxisNameComboBoxDropDown(Control<TiComponentEditorComboBox>(QStringLiteral("LimitYAxisNameComboBox")));
    if (TiPlotObject *limit = EnablePage(iLimitPageTable, LimitListBox))
        LoadRows(iLimitPageTable.Rows, limit);
}

void TiPlotEditorForm::LimitChange(TObject *)
{
    if (TiPlotObject *limit = Selected(LimitListBox)) {
        StoreRows(iLimitPageTable.Rows, limit);
        UpdateLimitEdit();
        LimitListBox->Invalidate();
    }
}

// ---- Labels ---------------------------------------------------------------------------------------

void TiPlotEditorForm::UpdateLabelEdit()
{
    TiPlotObject *label = EnablePage(iLabelPageTable, LabelListBox);
    if (!label)
        return;
    LoadRows(iLabelPageTable.Rows, label);
    // Label 0 is the plot's title: it is not removed from here.
    if (LabelListBox->ItemIndex() == 0)
        LabelRemoveButton->SetEnabled(false);
}

void TiPlotEditorForm::LabelChange(TObject *)
{
    TiPlotObject *label = Selected(LabelListBox);
    if (!label)
        return;
    StoreRows(iLabelPageTable.Rows, label);
    // The "Title" tab shows label 0.
    if (LabelListBox->ItemIndex() == 0)
        LoadRows(iTitleLabelRows, label);
    UpdateLabelEdit();
    LabelListBox->Invalidate();
}
