// The translation list of a plot: lookups, pairs, and the tab-separated translation file.

#include "TestPlotHost.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/StdTestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PlotTranslations : ::testing::Test {
    TTestPlotHost host{nullptr};
    TiPlotTranslationManager &translations = *host.Master()->TranslationManager();
    QTemporaryDir dir;

    QString Path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString WriteFile(const char *name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QByteArray ReadFile(const QString &path) const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    void AddPair(const QString &original, const QString &replacement)
    {
        const int index = host.Master()->AddTranslation();
        translations.Items(index)->SetOriginalString(original);
        translations.Items(index)->SetReplacementString(replacement);
    }
    QString LoadError(const QString &path)
    {
        try {
            translations.LoadFromFile(path);
        } catch (const Exception &e) {
            return e.Message();
        }
        return QString();
    }
};

TEST_F(PlotTranslations, ANewPairIsUnknownToUnknownAtTheFront)
{
    EXPECT_EQ(translations.FindReplacement(QStringLiteral("Edit...")), QStringLiteral("Edit..."));
    EXPECT_EQ(host.Master()->AddTranslation(), 0);
    EXPECT_EQ(translations.Items(0)->OriginalString(), QStringLiteral("Unknown"));
    EXPECT_EQ(translations.Items(0)->ReplacementString(), QStringLiteral("Unknown"));
    translations.Items(0)->SetOriginalString(QStringLiteral("first"));
    EXPECT_EQ(translations.Add(), 0);
    EXPECT_EQ(translations.Count(), 2);
    EXPECT_EQ(translations.Items(1)->OriginalString(), QStringLiteral("first"));
    EXPECT_TRUE(host.Log.contains(QStringLiteral("insert Unknown")));

    translations.Delete(1);
    EXPECT_EQ(translations.Count(), 1);
    EXPECT_TRUE(host.Log.contains(QStringLiteral("remove first")));
    EXPECT_THROW(translations.Delete(1), EStringListError);
}

TEST_F(PlotTranslations, MatchesTheWholeTextCaseIncludedNewestFirst)
{
    AddPair(QStringLiteral("Edit..."), QStringLiteral("Bearbeiten..."));
    AddPair(QStringLiteral("Edit..."), QStringLiteral("Change..."));
    EXPECT_EQ(translations.FindReplacement(QStringLiteral("Edit...")), QStringLiteral("Change..."));
    EXPECT_EQ(translations.FindReplacement(QStringLiteral("edit...")), QStringLiteral("edit..."));
    EXPECT_EQ(translations.FindReplacement(QStringLiteral("Edit")), QStringLiteral("Edit"));

    // Plot objects translate through their plot.
    host.Master()->AddLegend();
    TiPlotLegend *legend = host.Master()->LegendManager()->Items(0);
    legend->AddMenuItems(host.PopupMenu());
    EXPECT_EQ(host.PopupMenu()->Items()->Items(0)->Caption(), QStringLiteral("Change..."));
}

TEST_F(PlotTranslations, LoadingTakesEverythingAfterTheFirstTabAndTheLastLineWins)
{
    const QString path = WriteFile("lines.txt", QByteArray("A\tX\r\nB\tone\ttwo\nA\tY\r") +
                                                    QString::fromUtf8("增益\t\u589e\u76ca dB\r\n").toUtf8());
    AddPair(QStringLiteral("old"), QStringLiteral("gone"));
    translations.LoadFromFile(path);
    EXPECT_EQ(translations.Count(), 4);
    EXPECT_EQ(translations.FindReplacement(QStringLiteral("A")), QStringLiteral("Y"));
    EXPECT_EQ(translations.FindReplacement(QStringLiteral("B")), QStringLiteral("one\ttwo"));
    EXPECT_EQ(translations.FindReplacement(QStringLiteral("old")), QStringLiteral("old"));
    EXPECT_EQ(translations.FindReplacement(QString::fromUtf8("增益")), QString::fromUtf8("增益 dB"));

    // Saved newest first: the file's lines in reverse order, each ended with CR LF.
    const QString saved = Path("saved.txt");
    translations.SaveToFile(saved);
    EXPECT_EQ(ReadFile(saved), QString::fromUtf8("增益\t增益 dB\r\nA\tY\r\nB\tone\ttwo\r\nA\tX\r\n").toUtf8());
}

TEST_F(PlotTranslations, ALineWithoutATabStopsTheLoadKeepingTheLinesBefore)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        int pairsLeft;
    };
    const Case cases[] = {
        {.name = "no tab", .bytes = "A\tX\r\nno tab here\r\nB\tY\r\n", .pairsLeft = 1},
        {.name = "empty line", .bytes = "A\tX\r\n\r\nB\tY\r\n", .pairsLeft = 1},
        {.name = "first line", .bytes = "plain\r\n", .pairsLeft = 0},
    };
    for (const Case &c : cases) {
        AddPair(QStringLiteral("before"), QStringLiteral("load"));
        EXPECT_EQ(LoadError(WriteFile("bad.txt", c.bytes)),
                  QStringLiteral("Error Loading Data - Invalid Format - Tab Deliminator Missing"))
            << c.name;
        EXPECT_EQ(translations.Count(), c.pairsLeft) << c.name;
        EXPECT_EQ(translations.FindReplacement(QStringLiteral("before")), QStringLiteral("before")) << c.name;
    }
}

TEST_F(PlotTranslations, FileFailuresNameWhatFailed)
{
    AddPair(QStringLiteral("kept"), QStringLiteral("yes"));
    EXPECT_TRUE(LoadError(Path("missing.txt")).startsWith(QStringLiteral("Error Loading Data - Cannot open file")));
    EXPECT_EQ(translations.Count(), 1);

    try {
        translations.SaveToFile(Path("no/such/dir/file.txt"));
        ADD_FAILURE() << "saved";
    } catch (const Exception &e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error Saving Translation Data - "))) << e.what();
    }
}

TEST_F(PlotTranslations, SavingAnEmptyListWritesAnEmptyFile)
{
    const QString path = WriteFile("empty.txt", "old content");
    translations.SaveToFile(path);
    EXPECT_TRUE(ReadFile(path).isEmpty());
    translations.LoadFromFile(path);
    EXPECT_EQ(translations.Count(), 0);
}

TEST_F(PlotTranslations, AFileInTheSystemCodePageLoadsToo)
{
    // "增益" in GBK is no valid UTF-8.
    translations.LoadFromFile(WriteFile("gbk.txt", QByteArray("\xD4\xF6\xD2\xE6\tGain\r\n")));
    EXPECT_EQ(translations.FindReplacement(QString::fromUtf8("增益")), QStringLiteral("Gain"));
}

TEST(PlotTranslationManager, RefusesMissingNotifications)
{
    const TNotifyEvent set = [](TObject *) {};
    try {
        TiPlotTranslationManager manager(nullptr, set);
        ADD_FAILURE();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("OnInsert event handler can not be null"));
    }
    try {
        TiPlotTranslationManager manager(set, nullptr);
        ADD_FAILURE();
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("OnRemove event handler can not be null"));
    }
}

}  // namespace
