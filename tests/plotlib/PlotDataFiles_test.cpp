// The plot's data files and data log: text pairs and shared-X layouts, the "Compact Interval"
// binary layout, AddDataArray and the batch log.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "plotlib/plot/iPlot.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray ReadAll(const QString &Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString &Path, const QByteArray &Bytes)
{
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

QByteArray Float(float Value)
{
    return QByteArray(reinterpret_cast<const char *>(&Value), 4);
}

// A strip chart of two channels "Channel 1" and "Channel 2".
class PlotDataFiles : public ::testing::Test {
protected:
    PlotDataFiles()
    {
        plot.AddChannel();
        for (int c = 0; c < 2; ++c)
            plot.GetChannel(c)->SetTitleText(QStringLiteral("Channel %1").arg(c + 1));
    }
    QString Path(const char *Name) const { return dir.filePath(QString::fromLatin1(Name)); }
    TiPlotChannel *Channel(int Index) const { return plot.GetChannel(Index); }

    QTemporaryDir dir;
    TiPlot plot{nullptr};
};

}  // namespace

TEST_F(PlotDataFiles, TextPairsSaveAndLoad)
{
    for (int i = 0; i < 3; ++i)
        Channel(0)->AddXY(i, i * 10);
    for (int i = 0; i < 5; ++i)
        Channel(1)->AddXY(i, 0.5 + i);
    Channel(1)->SetNull(1, true);
    plot.SaveDataToFile(Path("pairs.txt"));
    const QList<QByteArray> lines = ReadAll(Path("pairs.txt")).split('\n');
    ASSERT_EQ(lines.size(), 7);  // six lines and the end after the last CR LF
    EXPECT_EQ(lines[0], QByteArray("Channel 1(X)\tChannel 1(Y)\tChannel 2(X)\tChannel 2(Y)\r"));
    EXPECT_EQ(lines[2], QByteArray("1\t10\t1\tNull\r"));
    EXPECT_EQ(lines[4], QByteArray("\t\t3\t3.5\r"));
    EXPECT_EQ(lines[5], QByteArray("\t\t4\t4.5\r"));
    EXPECT_EQ(plot.LastDataFileName(), Path("pairs.txt"));

    plot.ClearAllData();
    plot.LoadDataFromFile(Path("pairs.txt"));
    EXPECT_EQ(Channel(0)->Count(), 3);
    ASSERT_EQ(Channel(1)->Count(), 5);
    EXPECT_TRUE(Channel(1)->GetNull(1));
    EXPECT_EQ(Channel(1)->GetY(4), 4.5);
}

TEST_F(PlotDataFiles, TextLayoutsAndSeparatorsComeFromTheHeader)
{
    struct Case {
        const char *name;
        QByteArray text;
        int count0, count1;
    };
    const Case cases[] = {
        {.name = "shared X, any case",
         .text = "(x)\tA(Y)\tB(Y)\r\n1\t2\t3\r\n2\tnull\tEmpty\r\n",
         .count0 = 2,
         .count1 = 2},
        {.name = "pairs with commas", .text = "A(X),A(Y),B(X),B(Y)\r\n1,2,5,6\r\n,,7,8\r\n", .count0 = 1, .count1 = 2},
        {.name = "decimal comma under TAB", .text = "A(X)\tA(Y)\r\n1,5\t2,25\r\n", .count0 = 1, .count1 = 0},
    };
    for (const Case &c : cases) {
        plot.ClearAllData();
        WriteAll(Path("in.txt"), c.text);
        plot.LoadDataFromFile(Path("in.txt"));
        EXPECT_EQ(Channel(0)->Count(), c.count0) << c.name;
        EXPECT_EQ(Channel(1)->Count(), c.count1) << c.name;
    }
    EXPECT_EQ(Channel(0)->GetX(0), 1.5);
    EXPECT_EQ(Channel(0)->GetY(0), 2.25);

    plot.ClearAllData();
    WriteAll(Path("marks.txt"), "(X)\tA(Y)\tB(Y)\r\n4\tnull\tEmpty\r\n");
    plot.LoadDataFromFile(Path("marks.txt"));
    EXPECT_TRUE(Channel(0)->GetNull(0));
    EXPECT_TRUE(Channel(1)->GetEmpty(0));
    EXPECT_EQ(Channel(1)->GetX(0), 4.0);
    EXPECT_EQ(Channel(1)->GetY(0), 0.0);
}

TEST_F(PlotDataFiles, CompactIntervalBinaryLayout)
{
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SaveDataToFile(Path("none.bin"));
    EXPECT_EQ(ReadAll(Path("none.bin")), QByteArray("Compact Interval\r\n2\r\n") + Float(2e38f));
    plot.LoadDataFromFile(Path("none.bin"));
    EXPECT_EQ(Channel(0)->Count() + Channel(1)->Count(), 0);

    for (int i = 0; i < 3; ++i)
        Channel(0)->AddXY(i, i + 1);
    Channel(1)->AddXY(5, 7);
    plot.SaveDataToFile(Path("data.bin"));
    const QByteArray expected = QByteArray("Compact Interval\r\n2\r\n") + Float(0) + Float(1) + Float(5) + Float(7) +
                                Float(1) + Float(2) + Float(1e38f) + Float(1e38f) + Float(3) + Float(1e38f) +
                                Float(2e38f);
    const QByteArray bytes = ReadAll(Path("data.bin"));
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.right(4), QByteArray("\x99\x76\x16\x7F", 4));
    EXPECT_EQ(bytes.mid(bytes.size() - 8, 4), QByteArray("\x99\x76\x96\x7E", 4));

    plot.ClearAllData();
    plot.LoadDataFromFile(Path("data.bin"));
    ASSERT_EQ(Channel(0)->Count(), 3);
    EXPECT_EQ(Channel(0)->GetX(2), 0.0);  // X from row 2 on is the interval store's to derive
    EXPECT_EQ(Channel(0)->GetY(2), 3.0);
    EXPECT_EQ(Channel(1)->Count(), 1);
}

TEST_F(PlotDataFiles, BadBinaryFilesFailWithInvalidData)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        int added;
    };
    const Case cases[] = {
        {.name = "cut inside a float",
         .bytes = QByteArray("Compact Interval\r\n1\r\n") + Float(1) + Float(2) + "\x01\x02",
         .added = 1},
        {.name = "no channels", .bytes = QByteArray("Compact Interval\r\n0\r\n") + Float(1) + Float(2), .added = 0},
        {.name = "negative count", .bytes = QByteArray("Compact Interval\r\n-3\r\n") + Float(1), .added = 0},
        {.name = "no number", .bytes = QByteArray("Compact Interval\r\nx\r\n") + Float(1), .added = 0},
    };
    for (const Case &c : cases) {
        plot.ClearAllData();
        WriteAll(Path("bad.bin"), c.bytes);
        EXPECT_EQ(MessageOf([&] { plot.LoadDataFromFile(Path("bad.bin")); }),
                  QStringLiteral("Error Loading Data - Invalid Data"))
            << c.name;
        EXPECT_EQ(Channel(0)->Count(), c.added) << c.name;
    }
}

TEST_F(PlotDataFiles, AddDataArrayFeedsChannelsByPosition)
{
    plot.AddDataArray(1, TiVariantArray{{{1, 2}}, {10.0, 1.5e-301}});
    ASSERT_EQ(Channel(0)->Count(), 1);
    EXPECT_EQ(Channel(0)->GetY(0), 10.0);
    EXPECT_TRUE(Channel(1)->GetNull(0));
    plot.AddDataArray(2, TiVariantArray{{{1, 2}}, {1.5e-302, 3.0}});
    EXPECT_TRUE(Channel(0)->GetEmpty(1));

    // Two dimensions: the first index is the channel itself.
    plot.AddDataArray(5, TiVariantArray{{{1, 1}, {0, 1}}, {7.0, 8.0}});
    ASSERT_EQ(Channel(1)->Count(), 4);
    EXPECT_EQ(Channel(1)->GetX(2), 7.0);
    EXPECT_EQ(Channel(1)->GetY(3), 8.0);
    EXPECT_EQ(Channel(0)->Count(), 2);

    EXPECT_EQ(MessageOf([&] {
                  plot.AddDataArray(0, TiVariantArray{{{0, 0}, {0, 0}, {0, 0}}, {1.0}});
              }),
              QStringLiteral("Data Array must be 1 or 2 Dimensions"));
}

TEST_F(PlotDataFiles, LogWritesInBatches)
{
    const QString log = Path("plot.log");
    plot.SetLogFileName(log);
    plot.SetLogBufferSize(10);
    plot.LogActivate(false);
    EXPECT_EQ(ReadAll(log), QByteArray("(X)\tChannel 1(Y)\tChannel 2(Y)\r\n"));
    EXPECT_EQ(MessageOf([&] { plot.SetDataFileColumnSeparator(ipdfcsComma); }),
              QStringLiteral("Data File Column Seperator can not be changed while logging active"));
    for (int i = 1; i <= 10; ++i) {
        plot.AddDataArray(i, TiVariantArray{{{0, 1}}, {double(i), 2.0 * i}});
        if (i == 9) {
            EXPECT_EQ(ReadAll(log).count('\n'), 1);
        }
    }
    EXPECT_EQ(ReadAll(log).count('\n'), 11);
    EXPECT_TRUE(ReadAll(log).endsWith("10\t10\t20\r\n"));

    // Clearing writes the pending rows and ends the log.
    plot.AddDataArray(11, TiVariantArray{{{0, 1}}, {1.0, 2.0}});
    plot.ClearAllData();
    EXPECT_FALSE(plot.LoggingActive());
    EXPECT_EQ(ReadAll(log).count('\n'), 12);

    // Fewer points held than pending rows: only the rows that exist are written.
    plot.LogActivate(true);
    plot.AddDataArray(1, TiVariantArray{{{0, 1}}, {1.0, 2.0}});
    plot.AddDataArray(2, TiVariantArray{{{0, 1}}, {3.0, 4.0}});
    Channel(0)->DeletePoints(1);
    EXPECT_NO_THROW(plot.LogDeactivate());
    EXPECT_EQ(ReadAll(log).count('\n'), 13);
    EXPECT_EQ(MessageOf([&] { plot.LogDeactivate(); }), QStringLiteral("Logging not Active"));

    plot.SetLogFileName(Path("missing.log"));
    EXPECT_FALSE(MessageOf([&] { plot.LogActivate(true); }).isEmpty());
    EXPECT_FALSE(plot.LoggingActive());
}

TEST_F(PlotDataFiles, BinaryLogHasNoEndMark)
{
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SetLogFileName(Path("log.bin"));
    plot.LogActivate(false);
    for (int i = 0; i < 3; ++i)
        plot.AddDataArray(i, TiVariantArray{{{0, 1}}, {double(i), 1.0}});
    plot.LogDeactivate();
    EXPECT_EQ(ReadAll(Path("log.bin")), QByteArray("Compact Interval\r\n2\r\n") + Float(0) + Float(0) + Float(0) +
                                            Float(1) + Float(1) + Float(1) + Float(1) + Float(1) + Float(2) + Float(1));
    plot.ClearAllData();
    plot.LoadDataFromFile(Path("log.bin"));
    EXPECT_EQ(Channel(0)->Count(), 3);
}
