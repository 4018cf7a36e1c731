#pragma once
// TiPlotTable: a small grid of text beside the data view, a layout object in a band of its own (a
// new one lies in the vertical stack). Column titles over rows of cells, optional grid lines and
// background; when more rows exist than fit (or than RowsMax allows), two arrow buttons beside
// the grid scroll the rows one at a time.
//
// Rules a caller must know:
//  - A row holds its cells as the lines of one string, cell 0 first; a row with fewer lines than
//    there are columns shows empty cells at its end. SetCellText writes one line of it; a cell is
//    one line, so line breaks in its text become blanks.
//  - The layout runs at every GetRequiredWidth and Draw: it sizes the auto-sized columns from
//    their texts (widest title or cell plus one "0" plus ColumnSpacing "0"s), counts the rows that
//    fit, places the buttons and corrects RowDisplayStartIndex so the shown rows stay inside the
//    table. A table without rows or columns draws nothing and needs no space.
//  - Margins are in units of the title font's "0", column widths in units of the data font's.
//  - Adding and deleting columns raises no notification; rows and every published property do.
// GUI thread.

#include "platform/ui/GraphicsFont.h"
#include "plotlib/base/iTypes.h"
#include "plotlib/plot/iPlotObjects.h"

#include <QStringList>

#include <memory>
#include <vector>

// One column of a table; its fields are read at every layout.
class TiPlotTableColumn : public TObject {
public:
    int WidthPixels = 0;  // from the last layout
    QString Title;
    double Width = 10.0;  // in widths of the data font's "0"; the layout sets it for auto-sized columns
    bool Visible = true;
    TiAlignmentHorizontal TitleAlignment = iahCenter;
    double TitleAlignmentMargin = 1.0;  // in widths of the title font's "0"
    TColor TitleFontColor = 0;
    TiAlignmentHorizontal DataAlignment = iahCenter;
    double DataAlignmentMargin = 1.0;  // in widths of the data font's "0"
    TColor DataFontColor = 0;
    bool AutoSize = true;
};

// A scroll button of a table; the table draws its arrow.
class TiPlotTableButton : public TiPlotButton {
    T_DECLARE_CLASS(TiPlotTableButton, TiPlotButton)
    using TiPlotButton::TiPlotButton;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
};

class TiPlotTable : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotTable, TiPlotLayoutObject)
    TiPlotTable(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    ~TiPlotTable() override;

    // ---- Published ----
    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value) { SetField(Value, FMarginLeft); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value) { SetField(Value, FMarginTop); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value) { SetField(Value, FMarginRight); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value) { SetField(Value, FMarginBottom); }
    TColor GridBackGroundColor() const { return FGridBackGroundColor; }
    void SetGridBackGroundColor(TColor Value) { SetField(Value, FGridBackGroundColor); }
    bool GridBackGroundTransparent() const { return FGridBackGroundTransparent; }
    void SetGridBackGroundTransparent(bool Value) { SetField(Value, FGridBackGroundTransparent); }
    TColor GridLinesColor() const { return FGridLinesColor; }
    void SetGridLinesColor(TColor Value) { SetField(Value, FGridLinesColor); }
    bool GridLinesShow() const { return FGridLinesShow; }
    void SetGridLinesShow(bool Value) { SetField(Value, FGridLinesShow); }
    TFont *DataFont() const { return FDataFont.get(); }
    void SetDataFont(TFont *Value) { FDataFont->Assign(Value); }
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double Value) { SetField(Value, FColumnSpacing); }
    double RowSpacing() const { return FRowSpacing; }
    void SetRowSpacing(double Value) { SetField(Value, FRowSpacing); }
    // The most rows shown; 0 shows as many as fit.
    int RowsMax() const { return FRowsMax; }
    void SetRowsMax(int Value) { SetField(Value, FRowsMax); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool Value) { SetField(Value, FColumnTitlesVisible); }
    TFont *ColumnTitlesFont() const { return FColumnTitlesFont.get(); }
    void SetColumnTitlesFont(TFont *Value) { FColumnTitlesFont->Assign(Value); }

    // ---- Columns and rows ----
    int ColumnCount() const { return static_cast<int>(FColumnList.size()); }
    int RowCount() const { return static_cast<int>(FRowDataList.size()); }
    // The first row shown; the next layout keeps it within the rows.
    int RowDisplayStartIndex() const { return FItemViewStartIndex; }
    void SetRowDisplayStartIndex(int Value) { SetField(Value, FItemViewStartIndex); }
    int RowDisplayStopIndex() const { return FItemViewStopIndex; }
    // A new column titled Title, centred, 10 "0"s wide, auto-sized, in the fonts' present colours.
    int AddColumn(const QString &Title);
    // EStringListError outside the columns.
    TiPlotTableColumn *GetColumn(int Index) const;
    void DeleteColumn(int Index);
    void RemoveAllColumns();
    // A new empty row.
    int AddRow();
    void DeleteRow(int Index);
    void RemoveAllRows();
    // Line Column of the row's text; "" for a line the row does not hold. EStringListError for a
    // row or column outside the table.
    QString GetCellText(int Column, int Row) const;
    void SetCellText(int Column, int Row, const QString &Text);

    // ---- From the last layout ----
    TRect GridRect() const { return FGridRect; }
    TRect TitleRect() const { return FTitleRect; }
    int RowHeight() const { return FRowHeight; }
    int RequiredWidthPixels() const { return FRequiredWidth; }
    int RequiredHeightPixels() const { return FRequiredHeight; }
    TiPlotTableButton *UpButton() const { return FUpButton.get(); }
    TiPlotTableButton *DownButton() const { return FDownButton.get(); }

    // ---- Plot object ----
    // Runs the layout; the thickness across the band.
    int GetRequiredWidth(TCanvas *Canvas) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    // A visible scroll button under the point, else the base result.
    TiPlotObject *GetMouseOverObject(int X, int Y) override;
    // Another object selected deselects the table.
    void NotifySelected(TObject *AObject) override;
    // A release inside the table after a press on it is a click for the plot's events.
    void DoMouseUp(const TiPlotMouseData &MouseData) override;
    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

private:
    void CalcLayout(TCanvas *Canvas);
    // The row's lines, padded with empty ones up to the column count.
    QStringList RowCells(int Row) const;
    void CheckColumn(int Index) const;
    void CheckRow(int Index) const;
    void FontChanged(TObject *) { DoChange(); }
    void UpClick(TObject *);
    void DownClick(TObject *);
    void ButtonInvalidate(TObject *);

    std::unique_ptr<TiPlotTableButton> FUpButton;
    std::unique_ptr<TiPlotTableButton> FDownButton;
    int FRequiredWidth = 0;
    int FRequiredHeight = 0;
    std::vector<std::unique_ptr<TiPlotTableColumn>> FColumnList;
    QStringList FRowDataList;
    int FItemViewStartIndex = 0;
    int FItemViewStopIndex = 0;
    int FRowHeight = 0;
    double FMarginLeft = 1.0;
    double FMarginRight = 1.0;
    double FMarginBottom = 1.0;
    double FMarginTop = 1.0;
    bool FGridBackGroundTransparent = false;
    TColor FGridBackGroundColor = 0x808080;
    bool FGridLinesShow = true;
    TColor FGridLinesColor = 0xFFFFFF;
    double FColumnSpacing = 2.0;
    double FRowSpacing = 0.5;
    int FRowsMax = 0;
    std::unique_ptr<TFont> FDataFont;
    TRect FGridRect;
    TRect FTitleRect;
    bool FColumnTitlesVisible = true;
    std::unique_ptr<TFont> FColumnTitlesFont;
};
