#pragma once
// TStringGrid: a grid that keeps the text of every cell (Cells, by column and row).

#include "platform/ui/Grids.h"

class TStringGrid : public TCustomGrid {
    T_DECLARE_CLASS(TStringGrid, TCustomGrid)

public:
    explicit TStringGrid(TComponent *AOwner);

    QString Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const QString &value);

protected:
    QString GetCellText(int ACol, int ARow) const override { return Cells(ACol, ARow); }
    void SetEditText(int ACol, int ARow, const QString &value) override;

private:
    std::map<std::pair<int, int>, QString> FCells;
};
