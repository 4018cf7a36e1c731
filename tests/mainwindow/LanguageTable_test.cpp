// The two language tables and their lookup.

#include "mainwindow/LanguageTable.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <cstdlib>
#include <set>

namespace {

const LanguageTable &English()
{
    return LanguageTable::English();
}
const LanguageTable &Chinese()
{
    return LanguageTable::Simplified();
}
const QString FirstLine = QStringLiteral("//---------------------- Menu ------------------------");

TEST(LanguageTable, BothTablesHoldTheSame121KeysOnce)
{
    for (const LanguageTable *table : {&English(), &Chinese()}) {
        const QStringList keys = table->Keys();
        EXPECT_EQ(keys.size(), 121);
        EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), 121);
        EXPECT_EQ(table->Lines().first(), FirstLine);
        EXPECT_EQ(table->Lines().last(), QString());
    }
    QStringList en = English().Keys(), zh = Chinese().Keys();
    en.sort();
    zh.sort();
    EXPECT_EQ(en, zh);
}

TEST(LanguageTable, KeysMatchWithoutRegardToCase)
{
    EXPECT_EQ(English().Lookup("sid_file"), "File");
    EXPECT_EQ(English().Lookup("SID_FILE"), "File");
    EXPECT_EQ(Chinese().Lookup("Sid_File"), "文件");
}

TEST(LanguageTable, UnknownAndEmptyKeysGiveTheFirstLine)
{
    struct Case {
        const char *name;
        QStringList lines;
        QString key, text;
    };
    const Case cases[] = {
        {.name = "missing key", .lines = {"//x", "SID_A", "a", ""}, .key = "SID_B", .text = "//x"},
        {.name = "empty key meets the empty last line", .lines = {"//x", "SID_A", "a", ""}, .key = "", .text = "//x"},
        {.name = "key on the last line", .lines = {"//x", "SID_A"}, .key = "SID_A", .text = "//x"},
        {.name = "first match wins", .lines = {"//x", "SID_A", "a", "SID_A", "b", ""}, .key = "sid_a", .text = "a"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LanguageTable(c.lines).Lookup(c.key), c.text) << c.name;
    EXPECT_EQ(English().Lookup("SID_NOT_THERE"), FirstLine);
    EXPECT_EQ(Chinese().Lookup(""), FirstLine);
}

// Texts the windows show as they stand, quirks included.
TEST(LanguageTable, TelltaleTexts)
{
    struct Case {
        const char *key;
        const char *english, *chinese;
    };
    const Case cases[] = {
        {"SID_LANGUAGE", "语言", "Language"},
        {"SID_EXIT", "Exit", "取消"},
        {"SID_CHINESE_SIMPLIFIED", "中文", "中文"},
        {"SID_CHINESE_TRODITIONAL", "Troditional Chinese", "Troditional Chinese"},
        {"SID_RETRUN_FACTORY", "Factory Default", "恢复出厂设置"},
        {"SID_INFO_ERROR_DOWNLAOD", "Download File Error !!", "下载档案不符 !!"},
        {"SID_INFO_ERROR_UNIT", "Unit's Type Error !!", "机台型号不符 !!"},
        {"SID_INFO_ERROR_VERSION", "Unit's Version Error !!", "硬件版本不符 !!"},
        {"SID_ONLINE", "OnLine", "已连机"},
        {"SID_NO_DEVICE", "No Device found.", "未发现USB硬件，确认进入演示模式。"},
        {"SID_UPLOAD_PARAMETER", "Upload parameters now , please wait...", "上传参数中 , 请稍候..."},
        {"SID_PARAM_KEY", "Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )",
         "频率 ( ← / → )     频宽(＋/－)     增益 (  ↑ / ↓  )"},
        {"SID_NAME", "    Name", "    名称"},
        {"SID_INPUT_ID", " Input ID Number", " 输入 ID"},
        {"SID_EQ_PARAM_TITLE",
         " PEQ       Frequency              Q                    Gain                 Type                Bypass",
         " 均衡        頻率                  Q值                 增益                 類型                 旁路"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(English().Lookup(c.key), QString::fromUtf8(c.english)) << c.key;
        EXPECT_EQ(Chinese().Lookup(c.key), QString::fromUtf8(c.chinese)) << c.key;
    }
}

// Every key the program looks up is in both tables.
TEST(LanguageTable, EveryKeyTheSourcesUseIsInBothTables)
{
    const char *root = std::getenv("TROV_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    const QRegularExpression key(QStringLiteral("\"(SID_[A-Z0-9_]+)\""));
    std::set<QString> used;
    QDirIterator it(QString::fromLocal8Bit(root) + "/src", {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = key.globalMatch(text); m.hasNext();)
            used.insert(m.next().captured(1));
    }
    EXPECT_FALSE(used.empty());
    const QStringList en = English().Keys(), zh = Chinese().Keys();
    for (const QString &k : used) {
        EXPECT_TRUE(en.contains(k)) << k.toStdString();
        EXPECT_TRUE(zh.contains(k)) << k.toStdString();
    }
}

}  // namespace
