// A channel's files: the "Plot Channel Config" property file, the data file and the log.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/runtime/TypInfo.h"
#include "plotlib/plot/iXYPlot.h"

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

class ChannelFiles : public ::testing::Test {
protected:
    QString Path(const char *Name) const { return dir.filePath(QString::fromLatin1(Name)); }

    QTemporaryDir dir;
    TiXYPlot plot{nullptr};
    TiXYPlotChannel *channel = plot.GetChannel(0);
};

}  // namespace

TEST_F(ChannelFiles, ConfigFileHoldsPrefixedPropertiesWithoutName)
{
    channel->SetTitleText(QStringLiteral("Pressure"));
    channel->SetTraceLineWidth(3);
    channel->SavePropertiesToFile(Path("channel.cfg"));
    const QByteArray text = ReadAll(Path("channel.cfg"));
    EXPECT_TRUE(text.startsWith("File Type = Plot Channel Config\r\n"));
    EXPECT_TRUE(text.contains("\r\nChannel.TitleText = Pressure\r\n"));
    EXPECT_TRUE(text.contains("\r\nChannel.MarkersFont."));
    EXPECT_FALSE(text.contains("Channel.Name "));

    TiXYPlot other{nullptr};
    other.GetChannel(0)->LoadPropertiesFromFile(Path("channel.cfg"));
    EXPECT_EQ(other.GetChannel(0)->TitleText(), QStringLiteral("Pressure"));
    EXPECT_EQ(other.GetChannel(0)->TraceLineWidth(), 3);

    WriteAll(Path("plot.cfg"), "File Type = Plot Config\r\nChannel.TitleText = X\r\n");
    EXPECT_EQ(MessageOf([&] { other.GetChannel(0)->LoadPropertiesFromFile(Path("plot.cfg")); }),
              QStringLiteral("Error Loading Properties - Incompatible Plot Channel Configuration File Type"));
    EXPECT_EQ(other.GetChannel(0)->TitleText(), QStringLiteral("Pressure"));
    EXPECT_TRUE(MessageOf([&] {
                    channel->SavePropertiesToFile(Path("no/such/dir/x.cfg"));
                }).startsWith(QStringLiteral("Error Saving Properties - ")));
}

TEST_F(ChannelFiles, LoggingActiveIsPublishedToReadOnly)
{
    const TPropInfo *logging = GetPropInfo(channel, QStringLiteral("LoggingActive"));
    ASSERT_NE(logging, nullptr);
    EXPECT_EQ(logging->Kind, TTypeKind::Boolean);
    EXPECT_FALSE(logging->SetOrd);
    channel->SavePropertiesToFile(Path("channel.cfg"));
    EXPECT_FALSE(ReadAll(Path("channel.cfg")).contains("LoggingActive"));
}

TEST_F(ChannelFiles, TheTagStreamsWithTheFormInItsOwnTypeButStaysOutOfTheConfigFile)
{
    struct Case {
        const char *name;
        QVariant tag;
        const char *line;  // as the form holds it, nullptr for none
    };
    const Case cases[] = {
        {.name = "integer", .tag = QVariant(7), .line = "Tag = 7"},
        {.name = "text", .tag = QVariant(QStringLiteral("Left")), .line = "Tag = 'Left'"},
        {.name = "float", .tag = QVariant(2.5), .line = "Tag = 2.5"},
        {.name = "boolean", .tag = QVariant(true), .line = "Tag = True"},
        {.name = "null", .tag = QVariant::fromValue(nullptr), .line = "Tag = Null"},
        {.name = "unassigned", .tag = QVariant(), .line = nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        channel->SetTag(c.tag);
        const QString form = WriteComponentToText(&plot);
        EXPECT_EQ(form.contains(QStringLiteral("Tag =")), c.line != nullptr);
        if (c.line) {
            EXPECT_TRUE(form.contains(QString::fromLatin1(c.line))) << form.toStdString();
        }
        TiXYPlot copy(nullptr);
        ReadComponentFromText(&copy, form, QStringLiteral("plot.dfm"));
        const QVariant read = copy.GetChannel(0)->Tag();
        EXPECT_EQ(read.typeId(), c.tag.typeId());
        EXPECT_EQ(read, c.tag);
        // Property lines carry no variants.
        channel->SavePropertiesToFile(Path("channel.cfg"));
        EXPECT_FALSE(ReadAll(Path("channel.cfg")).contains("Tag"));
    }
    // A name that is no variant value is refused with the line it stands on.
    channel->SetTag(QVariant(7));
    QString form = WriteComponentToText(&plot);
    form.replace(QStringLiteral("Tag = 7"), QStringLiteral("Tag = Seven"));
    TiXYPlot copy(nullptr);
    try {
        ReadComponentFromText(&copy, form, QStringLiteral("plot.dfm"));
        ADD_FAILURE() << "an unknown name was taken as a tag";
    } catch (const EReadError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("invalid value for this property")))
            << e.Message().toStdString();
    }
}

TEST_F(ChannelFiles, DataFileRoundTripsValidAndNullPoints)
{
    channel->AddXY(1, 10);
    channel->AddPoint(true, false, 2, 7);
    channel->AddPoint(false, true, 3, 8);
    channel->AddXY(4, 2.5);
    channel->SaveDataToFile(Path("data.txt"));
    EXPECT_EQ(ReadAll(Path("data.txt")), QByteArray("1\t10\r\n2\tNull\r\n4\t2.5\r\n"));

    channel->LoadDataFromFile(Path("data.txt"), true);
    ASSERT_EQ(channel->Count(), 3);
    EXPECT_TRUE(channel->GetValid(0));
    EXPECT_TRUE(channel->GetNull(1));
    EXPECT_EQ(channel->GetX(1), 2.0);
    EXPECT_EQ(channel->GetY(1), 0.0);
    EXPECT_EQ(channel->GetY(2), 2.5);

    plot.SetDataFileColumnSeparator(ipdfcsComma);
    channel->SaveDataToFile(Path("comma.txt"));
    EXPECT_EQ(ReadAll(Path("comma.txt")), QByteArray("1,10\r\n2,Null\r\n4,2.5\r\n"));
}

TEST_F(ChannelFiles, TheFirstLineChoosesTheSeparator)
{
    // A TAB on the first line splits every line at TABs (a line with only a comma has no left part
    // then) and lines with nothing left of the separator are skipped.
    WriteAll(Path("tabs.txt"), "1\t5\r\n2,6\r\n\t9\r\n3\tnull\r\n");
    channel->LoadDataFromFile(Path("tabs.txt"), true);
    ASSERT_EQ(channel->Count(), 2);
    EXPECT_TRUE(channel->GetNull(1));
    EXPECT_EQ(channel->GetX(1), 3.0);

    // Without the TAB the comma splits; a field that is no number stops the load after the lines
    // before it.
    WriteAll(Path("commas.txt"), "1,5\r\n2,6\r\nx,7\r\n4,8\r\n");
    EXPECT_FALSE(MessageOf([&] { channel->LoadDataFromFile(Path("commas.txt"), true); }).isEmpty());
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_EQ(channel->GetY(1), 6.0);
}

TEST_F(ChannelFiles, LogWritesEveryBufferFull)
{
    const QString log = Path("channel.log");
    channel->SetLogFileName(log);
    channel->SetLogBufferSize(10);
    channel->LogActivate(false);
    EXPECT_EQ(MessageOf([&] { channel->SetLogFileName(Path("other.log")); }),
              QStringLiteral("Log File Name can not be changed while logging is active."));
    for (int i = 1; i <= 25; ++i) {
        channel->AddXY(i, i * 2);
        if (i == 9) {
            EXPECT_EQ(ReadAll(log), QByteArray());
        }
        if (i == 10) {
            EXPECT_EQ(ReadAll(log).count('\n'), 10);
        }
    }
    EXPECT_EQ(ReadAll(log).count('\n'), 20);
    channel->LogDeactivate();
    const QByteArray text = ReadAll(log);
    EXPECT_EQ(text.count('\n'), 25);
    EXPECT_TRUE(text.endsWith("24\t48\r\n25\t50\r\n"));
    EXPECT_EQ(MessageOf([&] { channel->LogDeactivate(); }), QStringLiteral("Logging not Active"));

    // Appending keeps what is there; a buffer size below 2 writes every point at once.
    channel->SetLogBufferSize(1);
    channel->LogActivate(true);
    channel->AddXY(26, 1);
    EXPECT_EQ(ReadAll(log).count('\n'), 26);
    EXPECT_EQ(MessageOf([&] { channel->LogActivate(true); }), QStringLiteral("Logging Already Active"));
    // Clearing ends the log.
    channel->Clear();
    EXPECT_FALSE(channel->LoggingActive());
}

TEST_F(ChannelFiles, LogActivateFailsCleanly)
{
    EXPECT_EQ(MessageOf([&] { channel->LogActivate(false); }), QStringLiteral("Log File Name not Defined"));
    channel->SetLogFileName(Path("missing.log"));
    EXPECT_FALSE(MessageOf([&] { channel->LogActivate(true); }).isEmpty());
    EXPECT_FALSE(channel->LoggingActive());
    EXPECT_FALSE(QFile::exists(Path("missing.log")));
}

TEST_F(ChannelFiles, LogGoesOnWhenPendingPointsAreGone)
{
    // A ring of 3 points under a buffer of 5: the flush writes the 3 still held and the log keeps
    // running instead of failing on every later add.
    channel->SetRingBufferSize(3);
    channel->SetLogFileName(Path("ring.log"));
    channel->SetLogBufferSize(5);
    channel->LogActivate(false);
    for (int i = 1; i <= 5; ++i)
        channel->AddXY(i, i);
    EXPECT_EQ(ReadAll(Path("ring.log")), QByteArray("3\t3\r\n4\t4\r\n5\t5\r\n"));
    for (int i = 6; i <= 10; ++i)
        channel->AddXY(i, i);
    EXPECT_EQ(ReadAll(Path("ring.log")).count('\n'), 6);
    EXPECT_TRUE(channel->LoggingActive());
}
