#pragma once
// TCustomGrid: a grid of text cells with fixed (title) rows and columns, grid lines, column widths,
// the current cell (Row, Col) and cell editing. Moving the current cell, by the user (click, arrow
// keys) or by code (Row, Col), first asks SelectCell/OnSelectCell, which may refuse it; code that
// writes the current cell again asks nothing. A left press on a cell that is not fixed chooses
// it: another cell is asked as above, and the current cell is asked again (a list whose handler
// acts on the chosen row can choose the row that is current from the start), unless goEditing is
// on, where the press on the current cell opens its editor instead. A user's edit of a cell
// reaches SetEditText/OnSetEditText. The cells' texts come from GetCellText; the string grid and
// the value list editor keep them.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"

#include <map>
#include <vector>

class QTableWidget;

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goRowSizing,
    goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption>;
inline constexpr auto GridOptionNames =
    EnumNames<TGridOption>("goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                           "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
                           "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking");

using TSelectCellEvent = TEvent<void(TObject *Sender, int ACol, int ARow, bool &CanSelect)>;
using TSetEditEvent = TEvent<void(TObject *Sender, int ACol, int ARow, const QString &Value)>;

class TCustomGrid : public TNativeControl {
    T_DECLARE_CLASS(TCustomGrid, TNativeControl)

public:
    explicit TCustomGrid(TComponent *AOwner);
    ~TCustomGrid() override;

    int RowCount() const { return FRowCount; }
    virtual void SetRowCount(int value);
    int ColCount() const { return FColCount; }
    virtual void SetColCount(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    // The current cell; writing moves it (when SelectCell allows).
    int Row() const { return FRow; }
    void SetRow(int value) { FocusCell(FCol, value); }
    int Col() const { return FCol; }
    void SetCol(int value) { FocusCell(value, FRow); }
    int TopRow() const;
    void SetTopRow(int value);
    // Moves the current cell there when SelectCell allows; true when it moved.
    bool FocusCell(int ACol, int ARow);

    TSelectCellEvent OnSelectCell;
    TSetEditEvent OnSetEditText;

    // A press reaches the table; a left press on the current cell chooses it again (see above).
    void DefaultHandler(TMessage &message) override;

protected:
    virtual bool SelectCell(int ACol, int ARow);
    virtual QString GetCellText(int ACol, int ARow) const = 0;
    // A user's edit of a cell.
    virtual void SetEditText(int ACol, int ARow, const QString &value);
    virtual bool CanEditCell(int ACol, int ARow) const;
    // The widget shows the cells anew.
    void RefreshCells();

    QWidget *CreateNative(QWidget *parent) override;
    QTableWidget *Table() const;

private:
    void ShowCurrent();
    void ShowCurrentIn(QTableWidget *table);
    void ApplyOptions(QTableWidget *table) const;
    void Fill(QTableWidget *table);
    void UserMoved(int tableRow, int tableCol);
    // The cell (column, row) under a client point of the grid; false on no cell or a title.
    bool CellAt(TPoint pos, int &ACol, int &ARow) const;
    void UserEdited(int tableRow, int tableCol);
    // Grid rows: the first fixed row is the table's header.
    int TableRowOf(int row) const { return FFixedRows > 0 ? row - 1 : row; }
    int GridRowOf(int tableRow) const { return FFixedRows > 0 ? tableRow + 1 : tableRow; }

    int FRowCount = 5;
    int FColCount = 5;
    int FFixedRows = 1;
    int FFixedCols = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    std::map<int, int> FColWidths;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle FScrollBars = ssBoth;
    TBorderStyle FBorderStyle = bsSingle;
    int FRow = 1;
    int FCol = 1;
    bool FSyncing = false;
};

// The framework's name for the grid class the drawing grids derive from.
using TCustomDrawGrid = TCustomGrid;
