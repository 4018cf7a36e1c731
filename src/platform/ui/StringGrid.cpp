#include "platform/ui/StringGrid.h"

#include "platform/runtime/ClassBuilder.h"

#include <QTableWidget>

T_IMPLEMENT_CLASS(TStringGrid)
{
    b.Int("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount).Default(5);
    b.Bool("ParentColor", &TStringGrid::ParentColor, &TStringGrid::SetParentColor).Default(false);
    b.Int("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth).Default(64);
    b.Int("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight).Default(24);
    b.Int("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols).Default(1);
    b.Int("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows).Default(1);
    b.Set("Options", &TStringGrid::Options, &TStringGrid::SetOptions, GridOptionNames)
        .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
    b.Int("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount).Default(5);
    b.Enum("ScrollBars", &TStringGrid::ScrollBars, &TStringGrid::SetScrollBars, ScrollStyleNames).Default(ssBoth);
    b.Bool("TabStop", &TStringGrid::TabStop, &TStringGrid::SetTabStop).Default(true);
    b.Event("OnSelectCell", &TStringGrid::OnSelectCell);
    b.Event("OnSetEditText", &TStringGrid::OnSetEditText);
}

TStringGrid::TStringGrid(TComponent *AOwner) : TCustomGrid(AOwner) {}

QString TStringGrid::Cells(int ACol, int ARow) const
{
    const auto it = FCells.find({ACol, ARow});
    return it == FCells.end() ? QString() : it->second;
}

void TStringGrid::SetCells(int ACol, int ARow, const QString &value)
{
    FCells[{ACol, ARow}] = value;
    RefreshCells();
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString &value)
{
    FCells[{ACol, ARow}] = value;
    TCustomGrid::SetEditText(ACol, ARow, value);
}
