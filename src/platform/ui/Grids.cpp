#include "platform/ui/Grids.h"

#include "platform/runtime/ClassBuilder.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

T_IMPLEMENT_CLASS(TCustomGrid) {}

TCustomGrid::TCustomGrid(TComponent *AOwner) : TNativeControl(AOwner)
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks, csClickEvents};
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid()
{
    Destroying();
    if (QTableWidget *table = Table())
        QObject::disconnect(table, nullptr, nullptr, nullptr);
}

QTableWidget *TCustomGrid::Table() const
{
    return Native<QTableWidget>();
}

void TCustomGrid::SetRowCount(int value)
{
    FRowCount = std::max(value, FFixedRows + 1);
    FRow = std::clamp(FRow, FFixedRows, FRowCount - 1);
    RefreshCells();
}

void TCustomGrid::SetColCount(int value)
{
    FColCount = std::max(value, FFixedCols + 1);
    FCol = std::clamp(FCol, FFixedCols, FColCount - 1);
    RefreshCells();
}

void TCustomGrid::SetFixedRows(int value)
{
    FFixedRows = std::clamp(value, 0, std::max(0, FRowCount - 1));
    FRow = std::max(FRow, FFixedRows);
    RefreshCells();
}

void TCustomGrid::SetFixedCols(int value)
{
    FFixedCols = std::clamp(value, 0, std::max(0, FColCount - 1));
    FCol = std::max(FCol, FFixedCols);
    RefreshCells();
}

void TCustomGrid::SetDefaultColWidth(int value)
{
    FDefaultColWidth = value;
    FColWidths.clear();
    RefreshCells();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    FDefaultRowHeight = value;
    RefreshCells();
}

int TCustomGrid::ColWidths(int col) const
{
    const auto it = FColWidths.find(col);
    return it == FColWidths.end() ? FDefaultColWidth : it->second;
}

void TCustomGrid::SetColWidths(int col, int width)
{
    FColWidths[col] = width;
    if (QTableWidget *table = Table())
        table->setColumnWidth(col, width);
}

void TCustomGrid::SetOptions(TGridOptions value)
{
    FOptions = value;
    if (QTableWidget *table = Table())
        ApplyOptions(table);
}

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    if (QTableWidget *table = Table())
        ApplyOptions(table);
}

void TCustomGrid::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    if (QTableWidget *table = Table())
        ApplyOptions(table);
}

int TCustomGrid::TopRow() const
{
    if (QTableWidget *table = Table()) {
        const int top = table->rowAt(0);
        return top < 0 ? FFixedRows : GridRowOf(top);
    }
    return FFixedRows;
}

void TCustomGrid::SetTopRow(int value)
{
    if (QTableWidget *table = Table(); table && value >= FFixedRows && value < FRowCount)
        table->scrollToItem(table->item(TableRowOf(value), 0), QAbstractItemView::PositionAtTop);
}

bool TCustomGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

bool TCustomGrid::FocusCell(int ACol, int ARow)
{
    if (ACol < FFixedCols || ACol >= FColCount || ARow < FFixedRows || ARow >= FRowCount)
        return false;
    if (ACol == FCol && ARow == FRow)
        return true;
    if (!SelectCell(ACol, ARow)) {
        ShowCurrent();
        return false;
    }
    FCol = ACol;
    FRow = ARow;
    ShowCurrent();
    return true;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const QString &value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, value);
}

bool TCustomGrid::CanEditCell(int ACol, int ARow) const
{
    return FOptions.Contains(goEditing) && ACol >= FFixedCols && ARow >= FFixedRows;
}

void TCustomGrid::ApplyOptions(QTableWidget *table) const
{
    table->setShowGrid(FOptions.Contains(goVertLine) || FOptions.Contains(goHorzLine));
    table->setSelectionBehavior(FOptions.Contains(goRowSelect) ? QAbstractItemView::SelectRows
                                                               : QAbstractItemView::SelectItems);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(FOptions.Contains(goEditing)
                               ? (FOptions.Contains(goAlwaysShowEditor) ? QAbstractItemView::AllEditTriggers
                                                                        : QAbstractItemView::DoubleClicked |
                                                                              QAbstractItemView::EditKeyPressed |
                                                                              QAbstractItemView::AnyKeyPressed)
                               : QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(FOptions.Contains(goColSizing) ? QHeaderView::Interactive
                                                                                  : QHeaderView::Fixed);
    table->setFrameShape(FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    const bool horz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool vert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    table->setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TCustomGrid::Fill(QTableWidget *table)
{
    const QSignalBlocker block(table);
    FSyncing = true;
    table->setColumnCount(FColCount);
    table->setRowCount(FRowCount - (FFixedRows > 0 ? 1 : 0));
    // The fixed row is a row of the grid: as high as the others, whatever the style's headers.
    table->horizontalHeader()->setVisible(FFixedRows > 0);
    table->horizontalHeader()->setFixedHeight(FDefaultRowHeight);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(FDefaultRowHeight);
    for (int c = 0; c < FColCount; ++c) {
        table->setColumnWidth(c, ColWidths(c));
        if (FFixedRows > 0)
            table->setHorizontalHeaderItem(c, new QTableWidgetItem(GetCellText(c, 0)));
    }
    const QColor fixed = QColorOf(clBtnFace);
    for (int r = FFixedRows > 0 ? 1 : 0; r < FRowCount; ++r)
        for (int c = 0; c < FColCount; ++c) {
            auto *item = new QTableWidgetItem(GetCellText(c, r));
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (c >= FFixedCols && r >= FFixedRows)
                flags |= Qt::ItemIsSelectable;
            if (CanEditCell(c, r))
                flags |= Qt::ItemIsEditable;
            if (c < FFixedCols || r < FFixedRows)
                item->setBackground(fixed);
            item->setFlags(flags);
            table->setItem(TableRowOf(r), c, item);
        }
    FSyncing = false;
    ShowCurrentIn(table);
}

void TCustomGrid::RefreshCells()
{
    if (QTableWidget *table = Table())
        Fill(table);
}

void TCustomGrid::ShowCurrent()
{
    if (QTableWidget *table = Table())
        ShowCurrentIn(table);
}

void TCustomGrid::ShowCurrentIn(QTableWidget *table)
{
    const QSignalBlocker block(table);
    FSyncing = true;
    table->setCurrentCell(TableRowOf(FRow), FCol);
    FSyncing = false;
}

void TCustomGrid::UserMoved(int tableRow, int tableCol)
{
    if (FSyncing || tableRow < 0 || tableCol < 0)
        return;
    FocusCell(tableCol, GridRowOf(tableRow));
}

bool TCustomGrid::CellAt(TPoint pos, int &ACol, int &ARow) const
{
    QTableWidget *table = Table();
    if (!table)
        return false;
    const QModelIndex index = table->indexAt(table->viewport()->mapFrom(table, QPoint(pos.X, pos.Y)));
    if (!index.isValid())
        return false;
    ACol = index.column();
    ARow = GridRowOf(index.row());
    return true;
}

void TCustomGrid::DefaultHandler(TMessage &message)
{
    if (message.Msg != WM_LBUTTONDOWN) {
        inherited::DefaultHandler(message);
        return;
    }
    int col = -1, row = -1;
    const bool onCurrent = CellAt(LParamToPoint(message.LParam), col, row) && col == FCol && row == FRow;
    // The table moves to another cell through FocusCell; it does nothing on the current one.
    inherited::DefaultHandler(message);
    if (onCurrent && col >= FFixedCols && row >= FFixedRows && !FOptions.Contains(goEditing))
        SelectCell(col, row);
}

void TCustomGrid::UserEdited(int tableRow, int tableCol)
{
    QTableWidget *table = Table();
    if (FSyncing || !table)
        return;
    const QTableWidgetItem *item = table->item(tableRow, tableCol);
    if (item)
        SetEditText(tableCol, GridRowOf(tableRow), item->text());
}

QWidget *TCustomGrid::CreateNative(QWidget *parent)
{
    auto *table = new QTableWidget(parent);
    ApplyOptions(table);
    QObject::connect(table, &QTableWidget::currentCellChanged, table,
                     [this](int row, int col, int, int) { Guarded([&] { UserMoved(row, col); }); });
    QObject::connect(table, &QTableWidget::cellChanged, table,
                     [this](int row, int col) { Guarded([&] { UserEdited(row, col); }); });
    Fill(table);
    return table;
}
