// Property files of a library control: what a file holds, reading it back, and failures.

#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/StringList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PropertyFileTest : ::testing::Test {
    QTemporaryDir dir;
    TTestPlotControl control{nullptr};

    QString Path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList FileLines(const QString &path)
    {
        TStringList lines;
        lines.LoadFromFile(path);
        return lines.ToStringList();
    }
    static QStringList Paths(const QStringList &lines)
    {
        QStringList paths;
        for (const QString &line : lines)
            paths << line.section(QStringLiteral(" = "), 0, 0);
        return paths;
    }
};

TEST_F(PropertyFileTest, HoldsTheFileTypeAndThePublishedPropertiesButNotThePosition)
{
    control.SetName(QStringLiteral("Plot1"));
    control.SetBounds(10, 20, 200, 100);
    control.SetBackGroundColor(clBtnFace);
    control.Caption2 = QStringLiteral("two\r\nlines");
    control.SavePropertiesToFile(Path("plain.txt"));
    const QStringList lines = FileLines(Path("plain.txt"));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("File Type = TTestPlotControl"));
    for (const char *line : {"Anchors = 3", "UpdateFrameRate = 60", "AutoFrameRate = 0", "OptionSaveAllProperties = 0",
                             "BackGroundColor = -16777201", "BorderStyle = 0", "Caption2 = two#13#10lines",
                             "Marker.Color = 255", "Marker.Width = 1"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    const QStringList paths = Paths(lines);
    for (const char *path : {"Name", "Left", "Top", "Width", "Height", "Visible", "Enabled", "Tag", "Hint", "Cursor"})
        EXPECT_FALSE(paths.contains(QString::fromLatin1(path))) << path;

    control.SetOptionSaveAllProperties(true);
    control.SavePropertiesToFile(Path("all.txt"));
    const QStringList all = Paths(FileLines(Path("all.txt")));
    EXPECT_FALSE(all.contains(QStringLiteral("Name")));
    for (const char *path : {"Left", "Top", "Width", "Height", "Visible", "Enabled", "Tag"})
        EXPECT_TRUE(all.contains(QString::fromLatin1(path))) << path;
}

TEST_F(PropertyFileTest, LoadingAFileGivesTheSavedProperties)
{
    control.SetBackGroundColor(RGB(12, 34, 56));
    control.SetBorderStyle(ibsRaised);
    control.SetUpdateFrameRate(25);
    control.Level = 1e-7;
    control.Caption2 = QStringLiteral("first\r\nsecond");
    control.Marker()->Width = 4;
    control.SavePropertiesToFile(Path("saved.txt"));

    TTestPlotControl loaded(nullptr);
    loaded.LoadPropertiesFromFile(Path("saved.txt"));
    EXPECT_EQ(loaded.BackGroundColor(), RGB(12, 34, 56));
    EXPECT_EQ(loaded.BorderStyle(), ibsRaised);
    EXPECT_EQ(loaded.UpdateFrameRate(), 25);
    EXPECT_EQ(loaded.Level, 1e-7);
    EXPECT_EQ(loaded.Caption2, QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(loaded.Marker()->Width, 4);
    EXPECT_FALSE(loaded.UpdateActive());
}

TEST_F(PropertyFileTest, FailuresCarryTheirPrefixAndLeaveTheControlWorking)
{
    try {
        control.LoadPropertiesFromFile(Path("missing.txt"));
        FAIL() << "a missing file loads";
    }
    catch (const Exception &e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error Loading Properties - Cannot open file")))
            << e.Message().toStdString();
    }

    QFile bad(Path("bad.txt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("File Type = TTestPlotControl\r\nUpdateFrameRate = fast\r\n");
    bad.close();
    EXPECT_THROW(control.LoadPropertiesFromFile(Path("bad.txt")), Exception);
    EXPECT_FALSE(control.UpdateActive()) << "the update bracket ends with the failed load";
    control.Invalidations = 0;
    control.Change();
    EXPECT_EQ(control.Invalidations, 1);

    try {
        control.SavePropertiesToFile(Path("no-such-folder/plot.txt"));
        FAIL() << "saving into a missing folder works";
    }
    catch (const Exception &e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error Saving Properties - "))) << e.Message().toStdString();
    }
}

TEST_F(PropertyFileTest, AFailedSaveReplacesNothing)
{
    // A folder where the file should go: the new file cannot take its place.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("blocked")));
    QFile inside(dir.filePath(QStringLiteral("blocked/inside.txt")));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.write("kept");
    inside.close();
    EXPECT_THROW(control.SavePropertiesToFile(Path("blocked")), Exception);
    EXPECT_TRUE(QFileInfo(Path("blocked")).isDir());
    EXPECT_EQ(FileLines(dir.filePath(QStringLiteral("blocked/inside.txt"))), QStringList{QStringLiteral("kept")});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0) << "no temporary file stays";
}

}  // namespace
