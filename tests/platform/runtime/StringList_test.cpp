// String lists and streams.

#include "TestComponents.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/platform/os/FileSizeLimit.h"

namespace {

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates)
{
    TStringList list;
    list.SetSorted(true);
    for (const char *s : {"COM3", "com1", "COM10", "COM1"})
        list.Add(QString::fromLatin1(s));
    EXPECT_EQ(list.ToStringList(), (QStringList{"com1", "COM10", "COM3"}));  // duplicate ignored, case-insensitive
    list.SetDuplicates(dupAccept);
    list.Add(QStringLiteral("COM1"));
    EXPECT_EQ(list.Count(), 4);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add(QStringLiteral("com3")), EStringListError);
    EXPECT_THROW(list.Insert(0, QStringLiteral("x")), EStringListError);
    int index = -1;
    EXPECT_TRUE(list.Find(QStringLiteral("com10"), index));
    EXPECT_EQ(list.IndexOf(QStringLiteral("COM3")), 3);
    EXPECT_EQ(list.IndexOf(QStringLiteral("COM4")), -1);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(QStringLiteral("com3")), -1);
}

TEST(StringList, ObjectsNamesValuesAndBounds)
{
    TStringList list(true);
    auto *owned = new TTestFont;
    list.AddObject(QStringLiteral("Port=COM3"), owned);
    list.Add(QStringLiteral("Speed=115200"));
    EXPECT_EQ(list.Objects(0), owned);
    EXPECT_EQ(list.IndexOfObject(owned), 0);
    EXPECT_EQ(list.Values(QStringLiteral("speed")), QStringLiteral("115200"));
    EXPECT_EQ(list.Names(0), QStringLiteral("Port"));
    list.SetValue(QStringLiteral("Port"), QString());  // an empty value removes the line
    EXPECT_EQ(list.Count(), 1);
    try {
        list.Get(5);
        FAIL();
    } catch (const EStringListError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (5)"));
    }
}

TEST(StringList, TextSplitsEveryLineBreakAndEndsWithCrLf)
{
    TStringList list;
    list.SetText(QStringLiteral("a\r\nb\nc\rd\r\n"));
    EXPECT_EQ(list.ToStringList(), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
    list.SetText(QStringLiteral("x\r\n\r\ny"));
    EXPECT_EQ(list.Count(), 3);
    list.SetCommaText(QStringLiteral("a,\"b c\",d"));
    EXPECT_EQ(list.ToStringList(), (QStringList{"a", "b c", "d"}));
    EXPECT_EQ(list.CommaText(), QStringLiteral("a,\"b c\",d"));
}

TEST(StringList, ChangeEventsBracketUpdates)
{
    TStringList list;
    QStringList events;
    list.OnChanging = [&](TObject *) { events << QStringLiteral("changing"); };
    list.OnChange = [&](TObject *) { events << QStringLiteral("change"); };
    list.Add(QStringLiteral("one"));
    list.BeginUpdate();
    list.Add(QStringLiteral("two"));
    list.Add(QStringLiteral("three"));
    list.EndUpdate();
    EXPECT_EQ(events, (QStringList{"changing", "change", "changing", "change"}));
}

TEST(StringList, FilesAreCrLfInTheSystemCodePage)
{
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("lines.txt"));
    TStringList list;
    list.Add(QStringLiteral("Default Preset"));
    list.Add(QString::fromUtf8("中文"));
    list.SaveToFile(file);
    TMemoryStream raw;
    raw.LoadFromFile(file);
    EXPECT_EQ(raw.Bytes(), QByteArray("Default Preset\r\n\xD6\xD0\xCE\xC4\r\n"));
    TStringList back;
    back.LoadFromFile(file);
    EXPECT_TRUE(back.Equals(&list));
    list.SaveToFile(file, TTextEncoding::Utf8);
    back.LoadFromFile(file);
    EXPECT_TRUE(back.Equals(&list));
    EXPECT_THROW(back.LoadFromFile(dir.filePath(QStringLiteral("missing.txt"))), EFOpenError);
}

// A disk that fills up while lines or a memory stream are saved: the save reports it and the file
// it was to replace stays whole.
TEST(StringList, SaveThatCannotBeWrittenWholeLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("lines.txt"));
    TStringList old;
    old.Add(QStringLiteral("old line"));
    old.SaveToFile(file);
    TStringList lines;
    TMemoryStream stream;
    for (int i = 0; i < 100; ++i) {
        lines.Add(QStringLiteral("a line of the new file"));
        stream.WriteBuffer("new bytes", 9);
    }

    QString linesError, streamError;
    {
        const FileSizeLimit full(64);
        try {
            lines.SaveToFile(file);
        } catch (const EFCreateError &e) {
            linesError = e.Message();
        }
        try {
            stream.SaveToFile(file);
        } catch (const EFCreateError &e) {
            streamError = e.Message();
        }
    }

    EXPECT_TRUE(linesError.contains(QStringLiteral("File too large"))) << linesError.toStdString();
    EXPECT_TRUE(streamError.contains(QStringLiteral("File too large"))) << streamError.toStdString();
    TStringList back;
    back.LoadFromFile(file);
    EXPECT_TRUE(back.Equals(&old));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("lines.txt")});
}

TEST(Streams, MemoryStreamReadWriteSeekAndErrors)
{
    TMemoryStream s;
    s.WriteBuffer("abcdef", 6);
    EXPECT_EQ(s.Size(), 6);
    s.SetPosition(2);
    char buf[3] = {};
    s.ReadBuffer(buf, 3);
    EXPECT_EQ(QByteArray(buf, 3), QByteArray("cde"));
    EXPECT_THROW(s.ReadBuffer(buf, 3), EReadError);  // only one byte left
    s.Seek(-1, soEnd);
    s.WriteBuffer("XYZ", 3);
    EXPECT_EQ(s.Bytes(), QByteArray("abcdeXYZ"));
    TMemoryStream copy;
    copy.CopyFrom(&s, 0);
    EXPECT_EQ(copy.Bytes(), s.Bytes());
    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
}

TEST(Streams, FileStreamModes)
{
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("data.bin"));
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer("\x10\x02\x00\x01", 4);
    }
    TFileStream in(file, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(in.Size(), 4);
    EXPECT_EQ(in.ReadBytes(10), QByteArray("\x10\x02\x00\x01", 4));
    EXPECT_THROW(TFileStream(dir.filePath(QStringLiteral("none")), fmOpenRead), EFOpenError);
}

}  // namespace
