// Renderings of XY plots: one with a table beside the data view, a band and a line limit and
// annotations of several styles; one that painted on after a configuration file failed to load.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/Bitmap.h"
#include "plotlib/objects/iPlotAnnotation.h"
#include "plotlib/objects/iPlotLimit.h"
#include "plotlib/objects/iPlotTable.h"
#include "plotlib/plot/iPlotDataView.h"
#include "plotlib/plot/iXYPlot.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(PlotDecorations, ATableLimitsAndAnnotationsDrawInTheirPlaces)
{
    TiXYPlot plot(nullptr);
    plot.SetBounds(0, 0, 640, 360);
    plot.SetTitleText(QStringLiteral("Compressor"));
    plot.GetXAxis(0)->SetMinSpan(-60, 60);
    plot.GetYAxis(0)->SetMinSpan(-60, 60);
    TiXYPlotChannel *channel = plot.GetChannel(0);
    channel->AddXY(-60, -60);
    channel->AddXY(-20, -20);
    channel->AddXY(0, -10);

    TiPlotTable *table = plot.GetTable(plot.AddTable());
    table->SetRowsMax(3);
    for (const char *title : {"Setting", "Value"})
        table->AddColumn(QString::fromLatin1(title));
    const char *const rows[][2] = {{"Threshold", "-20 dB"}, {"Ratio", "2:1"}, {"Attack", "5 ms"}, {"Release", "50 ms"}};
    for (const auto &row : rows) {
        const int r = table->AddRow();
        table->SetCellText(0, r, QString::fromLatin1(row[0]));
        table->SetCellText(1, r, QString::fromLatin1(row[1]));
    }

    TiPlotLimit *band = plot.GetLimit(plot.AddLimit());
    band->SetStyle(iplsBandY);
    band->SetLine1Position(-15);
    band->SetLine2Position(-5);
    band->SetColor(RGB(0, 64, 96));
    TiPlotLimit *line = plot.GetLimit(plot.AddLimit());
    line->SetStyle(iplsLineX);
    line->SetLine1Position(-20);
    line->SetColor(clYellow);
    line->SetLineStyle(psDash);

    TiPlotAnnotation *knee = plot.GetAnnotation(plot.AddAnnotation());
    knee->SetReference(iprtChannel);
    knee->SetChannelName(channel->Name());
    knee->SetStyle(ipasText);
    knee->SetText(QStringLiteral("Knee"));
    knee->SetX(-20);
    knee->SetY(-20);
    knee->SetTextHorzAlignment(iahLeft);
    TiPlotAnnotation *box = plot.GetAnnotation(plot.AddAnnotation());
    box->SetStyle(ipasTextRectangle);
    box->SetText(QStringLiteral("2:1"));
    box->SetX(80);
    box->SetY(20);
    box->SetWidth(20);
    box->SetHeight(15);
    box->SetBrushColor(clMaroon);
    box->SetPenColor(clWhite);
    TiPlotAnnotation *ring = plot.GetAnnotation(plot.AddAnnotation());
    ring->SetStyle(ipasEllipse2);
    ring->SetReference(iprtChannel);
    ring->SetChannelName(channel->Name());
    ring->SetX(-40);
    ring->SetY(-40);
    ring->SetWidth(10);
    ring->SetHeight(10);
    ring->SetBrushStyle(bsClear);
    ring->SetPenColor(clFuchsia);
    ring->SetPenWidth(2);

    TBitmap bitmap(plot.Width(), plot.Height());
    plot.DrawToCanvas(bitmap.Canvas());
    const QImage image = bitmap.Image();
    Keep(image, "plot_table_limits_annotations");

    // The table stands in the left band with its buttons; the band fills between its lines;
    // the line limit is drawn; the text box is filled; the ring's centre stays empty.
    const TRect view = plot.GetDataView(0)->DrawRect();
    EXPECT_LE(table->DrawRect().Right, view.Left);
    EXPECT_TRUE(table->DownButton()->Visible());
    EXPECT_EQ(At(image, table->GridRect().Left + 3, table->TitleRect().Bottom + 3), table->GridBackGroundColor());
    TiPlotAxis *x = plot.GetXAxis(0);
    TiPlotAxis *y = plot.GetYAxis(0);
    EXPECT_EQ(At(image, x->PositionToPixels(-47), y->PositionToPixels(-11)), RGB(0, 64, 96));
    EXPECT_TRUE(line->Line1Show());
    EXPECT_EQ(At(image, box->ClickRect().Left + 2, box->ClickRect().Top + 2), clMaroon);
    EXPECT_NE(At(image, x->PositionToPixels(-40), y->PositionToPixels(-40)), clFuchsia);
    EXPECT_TRUE(ring->Showing());
    EXPECT_TRUE(knee->Showing());
}

TEST(PlotDecorations, APlotWhoseConfigurationFailedToLoadLaysOutAndPaintsAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("File Type = Plot Config\r\nChannelCount = 1\r\nXAxisCount = 1\r\nYAxisCount = 1\r\n"
               "LegendCount = 1\r\nDataViewCount = 1\r\nXAxis0.Min = 0\r\nYAxis0.Min = 0\r\n"
               "DataView0.Layer = many\r\n");
    file.close();
    TiXYPlot plot(nullptr);
    EXPECT_EQ(MessageOf([&] { plot.LoadPropertiesFromFile(path); }),
              QStringLiteral("Error Loading Properties - 'many' is not a valid integer value"));
    // Laid out and painted: the objects made anew have their bands around the data view.
    TBitmap bitmap(plot.Width(), plot.Height());
    plot.DrawToCanvas(bitmap.Canvas());
    EXPECT_GT(plot.GetLegend(0)->DrawRect().Width(), 10);
    EXPECT_GT(plot.GetXAxis(0)->DrawRect().Height(), 10);
    EXPECT_GT(plot.GetYAxis(0)->DrawRect().Width(), 10);
    EXPECT_GT(plot.GetDataView(0)->DrawRect().Width(), 100);
}

}  // namespace
