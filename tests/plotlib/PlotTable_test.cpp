// The table: its layout (margins, auto-sized columns, rows that fit, the scroll buttons and the
// shown rows), the cells of rows with fewer lines than columns, and its drawing.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/objects/iPlotTable.h"
#include "plotlib/plot/iXYPlot.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TableFixture : ::testing::Test {
    TiXYPlot plot{nullptr};
    TiPlotTable *table = plot.GetTable(plot.AddTable());
    TBitmap bitmap{400, 300};

    TableFixture() { table->SetDrawRect(TRect(10, 10, 390, 290)); }

    // Width and height of the text "0", and any text's width, in a font.
    int ZeroWidth(TFont *Font) { return TextWidth(Font, QStringLiteral("0")); }
    int ZeroHeight(TFont *Font)
    {
        bitmap.Canvas()->Font()->Assign(Font);
        return bitmap.Canvas()->TextHeight(QStringLiteral("0"));
    }
    int TextWidth(TFont *Font, const QString &Text)
    {
        bitmap.Canvas()->Font()->Assign(Font);
        return bitmap.Canvas()->TextWidth(Text);
    }
    int RowHeight()
    {
        const int h = ZeroHeight(table->DataFont());
        return h + static_cast<int>(Round(h * table->RowSpacing()));
    }
    void AddRows(int Count)
    {
        for (int i = 0; i < Count; ++i)
            table->SetCellText(0, table->AddRow(), QString::number(i));
    }
    int Layout() { return table->GetRequiredWidth(bitmap.Canvas()); }
};

TEST_F(TableFixture, OnlyVisibleColumnTitlesAreStored)
{
    const auto stored = [this] {
        TStringList lines;
        iWritePropertiesToList(table, QString(), &lines, true, nullptr);
        return lines.Text().contains(QStringLiteral("ColumnTitlesVisible"));
    };
    EXPECT_TRUE(table->ColumnTitlesVisible());
    EXPECT_TRUE(stored());
    table->SetColumnTitlesVisible(false);
    EXPECT_FALSE(stored());
}

TEST_F(TableFixture, WithoutRowsItDrawsNothingAndNeedsNoSpace)
{
    table->AddColumn(QStringLiteral("Level"));
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(TRect(0, 0, 400, 300));
    const QImage before = bitmap.Image().copy();
    table->Draw(bitmap.Canvas(), clBlack);
    EXPECT_EQ(bitmap.Image(), before);
    EXPECT_EQ(Layout(), 0);
    EXPECT_EQ(table->RequiredHeightPixels(), 0);
    EXPECT_FALSE(table->UpButton()->Visible());
}

TEST_F(TableFixture, TenRowsThreeAtATimeScrollWithTheButtons)
{
    table->AddColumn(QStringLiteral("N"));
    AddRows(10);
    table->SetRowsMax(3);
    const int rowsOnly = Layout();
    EXPECT_EQ(table->RowDisplayStopIndex(), 2);
    EXPECT_TRUE(table->UpButton()->Visible());
    EXPECT_TRUE(table->DownButton()->Visible());
    EXPECT_FALSE(table->UpButton()->Enabled());
    EXPECT_TRUE(table->DownButton()->Enabled());
    // The buttons sit 5 pixels right of the grid, level with the first and the last shown row.
    const TRect grid = table->GridRect();
    const int half = RowHeight() / 2;
    EXPECT_EQ(table->UpButton()->DrawRect(),
              TRect(grid.Right + 5, grid.Top + ZeroHeight(table->ColumnTitlesFont()) + half - 8, grid.Right + 22,
                    grid.Top + ZeroHeight(table->ColumnTitlesFont()) + half + 9));
    EXPECT_EQ(grid.Bottom - grid.Top, ZeroHeight(table->ColumnTitlesFont()) + 3 * RowHeight());

    for (int click = 0; click < 7; ++click)
        table->DownButton()->OnClick(table->DownButton());
    Layout();
    EXPECT_EQ(table->RowDisplayStartIndex(), 7);
    EXPECT_EQ(table->RowDisplayStopIndex(), 9);
    EXPECT_FALSE(table->DownButton()->Enabled());
    EXPECT_TRUE(table->UpButton()->Enabled());

    // A start beyond the last page comes back to it.
    table->SetRowDisplayStartIndex(9);
    Layout();
    EXPECT_EQ(table->RowDisplayStartIndex(), 7);

    // All rows allowed and room for them: no buttons, the first row first, 22 pixels less.
    table->SetRowsMax(0);
    const int all = Layout();
    EXPECT_FALSE(table->UpButton()->Visible());
    EXPECT_EQ(table->RowDisplayStartIndex(), 0);
    EXPECT_EQ(all, rowsOnly - 22);
}

TEST_F(TableFixture, LayoutOfColumnsRowsAndTitles)
{
    struct Case {
        const char *name;
        std::function<void(TiPlotTable *)> setUp;
        // Expected width of column 0 and the required height, from the fixture's measurements.
        std::function<int(TableFixture &)> width;
        std::function<int(TableFixture &)> height;
    };
    auto zeroData = [](TableFixture &f) { return f.ZeroWidth(f.table->DataFont()); };
    auto zeroTitle = [](TableFixture &f) { return f.ZeroWidth(f.table->ColumnTitlesFont()); };
    auto titleHeight = [](TableFixture &f) { return f.ZeroHeight(f.table->ColumnTitlesFont()); };
    const Case cases[] = {
        {.name = "auto size: the widest cell, one 0 and two 0s of spacing",
         .setUp =
             [](TiPlotTable *t) {
                 t->SetCellText(0, t->AddRow(), QStringLiteral("1234567890123"));
                 t->SetCellText(0, t->AddRow(), QStringLiteral("7"));
             },
         .width = [=](TableFixture &f) { return f.TextWidth(f.table->DataFont(), "1234567890123") + 3 * zeroData(f); },
         .height = [=](TableFixture &f) { return 2 * titleHeight(f) + titleHeight(f) + 2 * f.RowHeight(); }},
        {.name = "auto size: a title wider than the cells",
         .setUp =
             [](TiPlotTable *t) {
                 t->GetColumn(0)->Title = QStringLiteral("A much longer title");
                 t->SetCellText(0, t->AddRow(), QStringLiteral("7"));
             },
         .width =
             [=](TableFixture &f) {
                 return f.TextWidth(f.table->ColumnTitlesFont(), "A much longer title") + 3 * zeroTitle(f);
             },
         .height = [=](TableFixture &f) { return 3 * titleHeight(f) + f.RowHeight(); }},
        {.name = "fixed width in 0s of the data font",
         .setUp =
             [](TiPlotTable *t) {
                 t->GetColumn(0)->AutoSize = false;
                 t->GetColumn(0)->Width = 4;
                 t->AddRow();
             },
         .width = [=](TableFixture &f) { return 4 * zeroData(f); },
         .height = [=](TableFixture &f) { return 3 * titleHeight(f) + f.RowHeight(); }},
        {.name = "hidden titles take no height",
         .setUp =
             [](TiPlotTable *t) {
                 t->SetColumnTitlesVisible(false);
                 t->AddRow();
             },
         .width = [=](TableFixture &f) { return f.TextWidth(f.table->ColumnTitlesFont(), "T") + 3 * zeroTitle(f); },
         .height = [=](TableFixture &f) { return 2 * titleHeight(f) + f.RowHeight(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        table->RemoveAllRows();
        table->RemoveAllColumns();
        table->SetColumnTitlesVisible(true);
        table->AddColumn(QStringLiteral("T"));
        c.setUp(table);
        Layout();
        EXPECT_EQ(table->GetColumn(0)->WidthPixels, c.width(*this));
        EXPECT_EQ(table->RequiredHeightPixels(), c.height(*this));
        EXPECT_EQ(table->RequiredWidthPixels(),
                  table->GetColumn(0)->WidthPixels + 2 * ZeroWidth(table->ColumnTitlesFont()));
    }
}

TEST_F(TableFixture, CellsBeyondARowsLinesAreEmpty)
{
    for (const char *title : {"A", "B", "C"})
        table->AddColumn(QString::fromLatin1(title));
    const int row = table->AddRow();
    table->SetCellText(1, row, QStringLiteral("b"));
    EXPECT_EQ(table->GetCellText(0, row), QString());
    EXPECT_EQ(table->GetCellText(1, row), QStringLiteral("b"));
    EXPECT_EQ(table->GetCellText(2, row), QString());
    // A cell is one line: a line break would shift the cells behind it.
    table->SetCellText(0, row, QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(table->GetCellText(0, row), QStringLiteral("one two"));
    EXPECT_EQ(table->GetCellText(1, row), QStringLiteral("b"));
    EXPECT_EQ(MessageOf([&] { table->GetCellText(3, row); }), QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(MessageOf([&] { table->SetCellText(0, 1, QString()); }), QStringLiteral("List index out of bounds (1)"));
}

TEST_F(TableFixture, DrawsTheGridTitlesAndCellsInTheirColours)
{
    table->AddColumn(QStringLiteral("Name"));
    table->AddColumn(QStringLiteral("Value"));
    const int row = table->AddRow();
    table->SetCellText(0, row, QStringLiteral("Gain"));
    table->SetCellText(1, row, QStringLiteral("-3.5"));
    table->GetColumn(1)->DataFontColor = clLime;
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(TRect(0, 0, 400, 300));
    table->Draw(bitmap.Canvas(), clBlack);
    Keep(bitmap.Image(), "table");

    const TRect grid = table->GridRect();
    const QImage image = bitmap.Image();
    EXPECT_EQ(At(image, grid.Left, grid.Top + 3), table->GridLinesColor());
    EXPECT_EQ(At(image, grid.Left + 3, grid.Top), table->GridLinesColor());
    EXPECT_EQ(At(image, grid.Left + 3, grid.Top + 3), table->GridBackGroundColor());
    auto count = [&](TColor Colour, int Left, int Right) {
        int n = 0;
        for (int y = table->TitleRect().Bottom; y < grid.Bottom; ++y)
            for (int x = Left; x < Right; ++x)
                n += At(image, x, y) == Colour ? 1 : 0;
        return n;
    };
    const int split = grid.Left + table->GetColumn(0)->WidthPixels;
    EXPECT_GT(count(clLime, split, grid.Right), 10) << "the second column's cell in its colour";
    EXPECT_EQ(count(clLime, grid.Left, split), 0);
    EXPECT_GT(count(clWhite, grid.Left + 1, split), 10) << "the first column's cell in the data font's colour";
}

}  // namespace
