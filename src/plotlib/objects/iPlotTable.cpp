#include "plotlib/objects/iPlotTable.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Canvas.h"
#include "plotlib/base/iHelpers.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TiPlotTableButton) {}

T_IMPLEMENT_CLASS(TiPlotTable)
{
    using T = TiPlotTable;
    b.Float("MarginLeft", &T::MarginLeft, &T::SetMarginLeft);
    b.Float("MarginTop", &T::MarginTop, &T::SetMarginTop);
    b.Float("MarginRight", &T::MarginRight, &T::SetMarginRight);
    b.Float("MarginBottom", &T::MarginBottom, &T::SetMarginBottom);
    b.Color("GridBackGroundColor", &T::GridBackGroundColor, &T::SetGridBackGroundColor).Default(8421504);
    b.Bool("GridBackGroundTransparent", &T::GridBackGroundTransparent, &T::SetGridBackGroundTransparent).Default(false);
    b.Color("GridLinesColor", &T::GridLinesColor, &T::SetGridLinesColor);
    b.Bool("GridLinesShow", &T::GridLinesShow, &T::SetGridLinesShow);
    b.Object("DataFont", &T::DataFont, &T::SetDataFont);
    b.Float("ColumnSpacing", &T::ColumnSpacing, &T::SetColumnSpacing);
    b.Float("RowSpacing", &T::RowSpacing, &T::SetRowSpacing);
    b.Int("RowsMax", &T::RowsMax, &T::SetRowsMax);
    // The default is the initial value, true: hidden titles are written and stay hidden when the
    // form or a differential property file is read back.
    // The stream default is false although a table starts with its titles: only true is written,
    // and a table saved without titles reloads with them.
    b.Bool("ColumnTitlesVisible", &T::ColumnTitlesVisible, &T::SetColumnTitlesVisible).Default(false);
    b.Object("ColumnTitlesFont", &T::ColumnTitlesFont, &T::SetColumnTitlesFont);
}

namespace {

int Nearest(double Value)
{
    return static_cast<int>(Round(Value));
}

int ZeroWidth(TCanvas *Canvas)
{
    return Canvas->TextWidth(QStringLiteral("0"));
}

// The text flags and the cell narrowed by the alignment's margin.
std::uint16_t AlignCell(TiAlignmentHorizontal Alignment, int Margin, TRect &Cell)
{
    switch (Alignment) {
    case iahLeft: Cell.Left += Margin; return iTextLeft;
    case iahRight: Cell.Right -= Margin; return iTextRight;
    case iahCenter: break;
    }
    return iTextCenter;
}

void DrawCell(TCanvas *Canvas, const QString &Text, TRect Cell, TiAlignmentHorizontal Alignment, double Margin,
              TColor BackGroundColor)
{
    const std::uint16_t align = AlignCell(Alignment, Nearest(Margin * ZeroWidth(Canvas)), Cell);
    iDrawText(Canvas, Text, Cell, BackGroundColor, true, align | iTextVCenter | iTextSingleLine);
}

}  // namespace

void TiPlotTableButton::Draw(TCanvas *Canvas, TColor)
{
    if (FVisible)
        DrawScrollFace(Canvas);
}

// ---- Life ---------------------------------------------------------------------------------------

TiPlotTable::TiPlotTable(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FUpButton(std::make_unique<TiPlotTableButton>(AOwner)), FDownButton(std::make_unique<TiPlotTableButton>(AOwner)),
      FDataFont(std::make_unique<TFont>()), FColumnTitlesFont(std::make_unique<TFont>())
{
    FHorizontal = false;
    FUpButton->SetName(QStringLiteral("PlotTableUpButton"));
    FDownButton->SetName(QStringLiteral("PlotTableDownButton"));
    FDataFont->SetColor(0xFFFFFF);
    FDataFont->SetStyle(TFontStyles{fsBold});
    FColumnTitlesFont->SetColor(0xFFFF00);
    FColumnTitlesFont->SetStyle(TFontStyles{fsBold});
    for (TFont *font : {FDataFont.get(), FColumnTitlesFont.get()})
        font->OnChange = TNotifyEvent(this, &TiPlotTable::FontChanged);
    for (TiPlotTableButton *button : {FUpButton.get(), FDownButton.get()}) {
        button->SetTimerEnabled(true);
        button->SetVisible(false);
        button->OnInvalidate = TNotifyEvent(this, &TiPlotTable::ButtonInvalidate);
    }
    FUpButton->OnClick = TNotifyEvent(this, &TiPlotTable::UpClick);
    FDownButton->OnClick = TNotifyEvent(this, &TiPlotTable::DownClick);
}

TiPlotTable::~TiPlotTable()
{
    for (TFont *font : {FDataFont.get(), FColumnTitlesFont.get()})
        font->OnChange = nullptr;
    FRowDataList.clear();
    FColumnList.clear();
}

void TiPlotTable::UpClick(TObject *)
{
    if (FItemViewStartIndex > 0)
        SetRowDisplayStartIndex(FItemViewStartIndex - 1);
}

void TiPlotTable::DownClick(TObject *)
{
    if (FItemViewStartIndex < RowCount() - 1)
        SetRowDisplayStartIndex(FItemViewStartIndex + 1);
}

void TiPlotTable::ButtonInvalidate(TObject *)
{
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

// ---- Columns and rows ---------------------------------------------------------------------------

void TiPlotTable::CheckColumn(int Index) const
{
    if (Index < 0 || Index >= ColumnCount())
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TiPlotTable::CheckRow(int Index) const
{
    if (Index < 0 || Index >= RowCount())
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

int TiPlotTable::AddColumn(const QString &Title)
{
    auto column = std::make_unique<TiPlotTableColumn>();
    column->Title = Title;
    column->TitleFontColor = FColumnTitlesFont->Color();
    column->DataFontColor = FDataFont->Color();
    FColumnList.push_back(std::move(column));
    return ColumnCount() - 1;
}

TiPlotTableColumn *TiPlotTable::GetColumn(int Index) const
{
    CheckColumn(Index);
    return FColumnList[Index].get();
}

void TiPlotTable::DeleteColumn(int Index)
{
    CheckColumn(Index);
    FColumnList.erase(FColumnList.begin() + Index);
}

void TiPlotTable::RemoveAllColumns()
{
    while (ColumnCount() > 0)
        DeleteColumn(0);
}

int TiPlotTable::AddRow()
{
    FRowDataList.append(QString());
    DoChange();
    return RowCount() - 1;
}

void TiPlotTable::DeleteRow(int Index)
{
    CheckRow(Index);
    FRowDataList.removeAt(Index);
    DoChange();
}

void TiPlotTable::RemoveAllRows()
{
    FRowDataList.clear();
    DoChange();
}

QStringList TiPlotTable::RowCells(int Row) const
{
    QString text = FRowDataList[Row];
    // Lines end at CR LF, LF or CR; a break at the very end starts no further line.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    QStringList cells = text.isEmpty() ? QStringList() : text.split(u'\n');
    while (cells.size() < ColumnCount())
        cells.append(QString());
    return cells;
}

QString TiPlotTable::GetCellText(int Column, int Row) const
{
    CheckRow(Row);
    CheckColumn(Column);
    return RowCells(Row)[Column];
}

void TiPlotTable::SetCellText(int Column, int Row, const QString &Text)
{
    CheckRow(Row);
    CheckColumn(Column);
    QStringList cells = RowCells(Row);
    QString line = Text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
    if (cells[Column] == line)
        return;
    cells[Column] = line;
    FRowDataList[Row] = cells.join(QStringLiteral("\r\n"));
    DoChange();
}

// ---- Layout -------------------------------------------------------------------------------------

void TiPlotTable::CalcLayout(TCanvas *Canvas)
{
    const int rowCount = RowCount();
    if (rowCount == 0 || ColumnCount() == 0) {
        FRequiredWidth = 0;
        FRequiredHeight = 0;
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        return;
    }
    const TRect d = DrawRect();
    Canvas->Font()->Assign(FColumnTitlesFont.get());
    const int w0 = ZeroWidth(Canvas);
    const int h0 = Canvas->TextHeight(QStringLiteral("0"));
    const int mt = Nearest(h0 * FMarginTop);
    const int mb = Nearest(h0 * FMarginBottom);
    const int ml = Nearest(w0 * FMarginLeft);
    const int mr = Nearest(w0 * FMarginRight);

    FGridRect = TRect(d.Left + ml, d.Top + mt, d.Right - mr, d.Bottom - mb);
    FTitleRect = TRect(FGridRect.Left, FGridRect.Top, FGridRect.Right, FGridRect.Top + (FColumnTitlesVisible ? h0 : 0));
    const int titleHeight = FTitleRect.Bottom - FTitleRect.Top;

    Canvas->Font()->Assign(FDataFont.get());
    const int w1 = ZeroWidth(Canvas);
    const int h1 = Canvas->TextHeight(QStringLiteral("0"));
    FRowHeight = h1 + Nearest(h1 * FRowSpacing);

    int n = FRowsMax != 0 && FRowsMax < rowCount ? FRowsMax : rowCount;
    FGridRect.Bottom = FTitleRect.Bottom + n * FRowHeight;
    FRequiredHeight = mt + mb + titleHeight + n * FRowHeight;

    int widths = 0;
    for (int c = 0; c < ColumnCount(); ++c) {
        TiPlotTableColumn *column = FColumnList[c].get();
        if (!column->Visible)
            continue;
        if (column->AutoSize) {
            Canvas->Font()->Assign(FColumnTitlesFont.get());
            int t = ZeroWidth(Canvas);
            int width = Canvas->TextWidth(column->Title) + Nearest(t * FColumnSpacing) + t;
            Canvas->Font()->Assign(FDataFont.get());
            t = ZeroWidth(Canvas);
            const int sp = Nearest(t * FColumnSpacing);
            for (int row = 0; row < rowCount; ++row)
                width = std::max(width, Canvas->TextWidth(RowCells(row)[c]) + sp + t);
            column->WidthPixels = width;
            // A font without width leaves the width in "0"s as it was.
            if (w1 > 0)
                column->Width = width / w1;
        } else {
            column->WidthPixels = Nearest(column->Width * w1);
        }
        widths += column->WidthPixels;
    }
    FRequiredWidth = ml + mr + widths;
    FGridRect.Right = FGridRect.Left + widths;

    // Only the rows that fit below the titles (none for a row height of 0 pixels).
    if (FGridRect.Bottom > d.Bottom - mb) {
        n = FRowHeight > 0 ? std::max(0, (d.Bottom - mb - FTitleRect.Bottom) / FRowHeight) : 0;
        FGridRect.Bottom = FTitleRect.Bottom + n * FRowHeight;
    }

    if (n < rowCount) {
        if (FEnabled) {
            const int half = FRowHeight / 2;
            const int left = FGridRect.Right + 5;
            const int up = FTitleRect.Bottom + half;
            const int down = FTitleRect.Bottom + n * FRowHeight - half;
            FUpButton->SetDrawRect(TRect(left, up - 8, left + 17, up + 9));
            FDownButton->SetDrawRect(TRect(left, down - 8, left + 17, down + 9));
            FRequiredWidth += 17 + 5;
        }
        FUpButton->SetVisible(true);
        FDownButton->SetVisible(true);
        FItemViewStopIndex = FItemViewStartIndex + n - 1;
        if (FItemViewStopIndex > rowCount - 1) {
            FItemViewStopIndex = rowCount - 1;
            FItemViewStartIndex = rowCount - n;
        }
        if (FItemViewStartIndex < 0) {
            FItemViewStartIndex = 0;
            FItemViewStopIndex = n - 1;
        }
    } else {
        FUpButton->SetVisible(false);
        FDownButton->SetVisible(false);
        FItemViewStartIndex = 0;
        FItemViewStopIndex = n - 1;
    }
    FUpButton->SetEnabled(FItemViewStartIndex != 0);
    FDownButton->SetEnabled(FItemViewStopIndex + 1 != rowCount);
}

int TiPlotTable::GetRequiredWidth(TCanvas *Canvas)
{
    CalcLayout(Canvas);
    return FHorizontal ? FRequiredHeight : FRequiredWidth;
}

// ---- Drawing ------------------------------------------------------------------------------------

void TiPlotTable::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!FVisible || RowCount() == 0 || ColumnCount() == 0)
        return;
    CalcLayout(Canvas);

    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetStyle(psSolid);
    if (!FGridBackGroundTransparent) {
        Canvas->Brush()->SetColor(FGridBackGroundColor);
        Canvas->FillRect(FGridRect);
    }

    if (FGridLinesShow) {
        Canvas->Pen()->SetColor(FGridLinesColor);
        Canvas->Pen()->SetWidth(1);
        auto vertical = [&](int X) {
            Canvas->MoveTo(X, FGridRect.Top);
            Canvas->LineTo(X, FGridRect.Bottom);
        };
        auto horizontal = [&](int Y) {
            Canvas->MoveTo(FGridRect.Left, Y);
            Canvas->LineTo(FGridRect.Right + 1, Y);
        };
        int x = FGridRect.Left;
        vertical(x);
        for (const auto &column : FColumnList)
            if (column->Visible) {
                x += column->WidthPixels;
                vertical(x);
            }
        horizontal(FGridRect.Top);
        horizontal(FTitleRect.Bottom);
        int y = FTitleRect.Bottom;
        for (int row = FItemViewStartIndex; row <= FItemViewStopIndex; ++row) {
            y += FRowHeight;
            horizontal(y);
        }
    }

    if (FColumnTitlesVisible) {
        Canvas->Font()->Assign(FColumnTitlesFont.get());
        Canvas->Brush()->SetStyle(bsClear);
        int x = FGridRect.Left;
        for (const auto &column : FColumnList) {
            if (!column->Visible)
                continue;
            Canvas->Font()->SetColor(column->TitleFontColor);
            const TRect cell(x, FTitleRect.Top, x + column->WidthPixels, FTitleRect.Bottom);
            DrawCell(Canvas, column->Title, cell, column->TitleAlignment, column->TitleAlignmentMargin,
                     BackGroundColor);
            x += column->WidthPixels;
        }
    }

    Canvas->Font()->Assign(FDataFont.get());
    Canvas->Brush()->SetStyle(bsClear);
    int y = FTitleRect.Bottom;
    for (int row = FItemViewStartIndex; row <= FItemViewStopIndex; ++row) {
        const QStringList cells = RowCells(row);
        int x = FGridRect.Left;
        for (int c = 0; c < ColumnCount(); ++c) {
            const TiPlotTableColumn *column = FColumnList[c].get();
            if (!column->Visible)
                continue;
            Canvas->Font()->SetColor(column->DataFontColor);
            const TRect cell(x, y, x + column->WidthPixels, y + FRowHeight);
            DrawCell(Canvas, cells[c], cell, column->DataAlignment, column->DataAlignmentMargin, BackGroundColor);
            x += column->WidthPixels;
        }
        y += FRowHeight;
    }

    Canvas->Font()->Assign(FDataFont.get());
    Canvas->Brush()->SetStyle(bsClear);
    for (TiPlotTableButton *button : {FUpButton.get(), FDownButton.get()}) {
        if (!button->Visible())
            continue;
        button->Draw(Canvas, BackGroundColor);
        button->DrawScrollArrow(Canvas, button == FUpButton.get());
    }

    if (FUserSelected) {
        Canvas->Brush()->SetStyle(bsClear);
        TRect focus = DrawRect();
        if (FHorizontal) {
            focus.Top += 2;
            focus.Bottom -= 2;
        }
        iDrawFocusRectangle(Canvas, focus);
    }
}

// ---- Input --------------------------------------------------------------------------------------

TiPlotObject *TiPlotTable::GetMouseOverObject(int X, int Y)
{
    auto inside = [&](const TiPlotTableButton *Button) {
        const TRect r = Button->DrawRect();
        return Button->Visible() && X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
    };
    if (inside(FUpButton.get()))
        return FMouseOverObject = FUpButton.get();
    if (inside(FDownButton.get()))
        return FMouseOverObject = FDownButton.get();
    return inherited::GetMouseOverObject(X, Y);
}

void TiPlotTable::NotifySelected(TObject *AObject)
{
    inherited::NotifySelected(AObject);
    YieldSelectionTo(AObject);
}

void TiPlotTable::DoMouseUp(const TiPlotMouseData &MouseData)
{
    inherited::DoMouseUp(MouseData);
    ClickWhenReleasedInside(MouseData);
}

void TiPlotTable::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
