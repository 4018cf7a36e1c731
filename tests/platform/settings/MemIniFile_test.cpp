// INI files: the text rules of the file, the three encodings, typed values and the whole-file
// write-back.

#include "platform/settings/MemIniFile.h"
#include "platform/settings/SpecialFolders.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"

#include "SettingsFixture.h"

#include <gtest/gtest.h>

namespace {

using IniFileTest = SettingsFixture;

TEST_F(IniFileTest, ReadsSectionsAndKeysAsTheFrameworkDoes)
{
    const QString name = Path("app.ini");
    WriteBytes(name, "orphan=dropped\r\n"
                     "[Main]\r\n"
                     "; a comment\r\n"
                     "  Width  =  120  \n"
                     "Title=\"quoted\"\r"
                     "bare line\r\n"
                     "\r\n"
                     "[other]\r\n"
                     "a=1\r\n"
                     "[MAIN]\r\n"
                     "Height=7\r\n");
    TMemIniFile ini(name);
    EXPECT_EQ(ini.ReadString("main", "WIDTH", "?"), "120");
    EXPECT_EQ(ini.ReadString("Main", "Title", "?"), "\"quoted\"");
    EXPECT_EQ(ini.ReadString("Main", "Height", "?"), "7");
    EXPECT_EQ(ini.ReadString("Main", "orphan", "none"), "none");
    EXPECT_EQ(ini.ReadString("Missing", "a", "none"), "none");

    TStringList list;
    ini.ReadSections(&list);
    EXPECT_EQ(list.Text(), "Main\r\nother\r\n");
    ini.ReadSection("Main", &list);
    EXPECT_EQ(list.Text(), "Width\r\nTitle\r\nbare line\r\nHeight\r\n");
    ini.ReadSectionValues("Main", &list);
    EXPECT_EQ(list.Values("Width"), "120");

    ini.GetStrings(&list);
    EXPECT_EQ(list.Text(), "[Main]\r\nWidth=120\r\nTitle=\"quoted\"\r\nbare line\r\nHeight=7\r\n\r\n"
                           "[other]\r\na=1\r\n\r\n");
}

TEST_F(IniFileTest, TypedValuesFollowTheFrameworkRules)
{
    TMemIniFile ini(Path("typed.ini"));
    struct Case {
        const char *name;
        const char *text;
        int asInteger;
        bool asBool;
        double asFloat;
    } cases[] = {
        {.name = "decimal", .text = "42", .asInteger = 42, .asBool = true, .asFloat = 42},
        {.name = "dollar hex", .text = "$1F", .asInteger = 31, .asBool = true, .asFloat = -1},
        {.name = "0x hex", .text = "0x1f", .asInteger = 31, .asBool = true, .asFloat = -1},
        {.name = "zero", .text = "0", .asInteger = 0, .asBool = false, .asFloat = 0},
        {.name = "fraction", .text = "2.5", .asInteger = -1, .asBool = true, .asFloat = 2.5},
        {.name = "word", .text = "yes", .asInteger = -1, .asBool = true, .asFloat = -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ini.WriteString("T", "v", c.text);
        EXPECT_EQ(ini.ReadInteger("T", "v", -1), c.asInteger);
        EXPECT_EQ(ini.ReadBool("T", "v", true), c.asBool);
        EXPECT_EQ(ini.ReadFloat("T", "v", -1), c.asFloat);
    }

    ini.WriteBool("T", "flag", true);
    ini.WriteFloat("T", "ratio", 0.125);
    ini.WriteInteger("T", "count", -3);
    EXPECT_EQ(ini.ReadString("T", "flag", ""), "1");
    EXPECT_EQ(ini.ReadString("T", "ratio", ""), "0.125");
    EXPECT_EQ(ini.ReadString("T", "count", ""), "-3");

    const TDateTime when = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0);
    ini.WriteDateTime("T", "when", when);
    ini.WriteDate("T", "day", when);
    ini.WriteTime("T", "time", when);
    EXPECT_EQ(ini.ReadString("T", "when", ""), "2/29/2024 1:05:09 PM");
    EXPECT_DOUBLE_EQ(ini.ReadDateTime("T", "when", 0), when);
    EXPECT_DOUBLE_EQ(ini.ReadDate("T", "day", 0), EncodeDate(2024, 2, 29));
    EXPECT_NEAR(ini.ReadTime("T", "time", 0), EncodeTime(13, 5, 9, 0), 1e-9);
    ini.WriteString("T", "bad", "31/31/2024");
    EXPECT_EQ(ini.ReadDate("T", "bad", 7.0), 7.0);
}

TEST_F(IniFileTest, BinaryStreamsAreUpperCaseHexFromThePosition)
{
    TMemIniFile ini(Path("bin.ini"));
    TMemoryStream out(QByteArray("\x00\x01\xAB\xFF", 4));
    out.SetPosition(1);
    ini.WriteBinaryStream("B", "data", &out);
    EXPECT_EQ(ini.ReadString("B", "data", ""), "01ABFF");

    TMemoryStream in(QByteArray("xy", 2));
    in.SetPosition(2);
    EXPECT_EQ(ini.ReadBinaryStream("B", "data", &in), 3);
    EXPECT_EQ(in.Position(), 2);
    EXPECT_EQ(in.Bytes(), QByteArray("xy\x01\xAB\xFF", 5));

    ini.WriteString("B", "broken", "01ZZ02");
    TMemoryStream partial;
    EXPECT_EQ(ini.ReadBinaryStream("B", "broken", &partial), 1);
    EXPECT_EQ(ini.ReadBinaryStream("B", "missing", &partial), 0);
}

TEST_F(IniFileTest, EachEncodingWritesItsBytesAndReadsBack)
{
    // U+4E2D is D6 D0 in the system code page.
    struct Case {
        const char *name;
        TIniEncoding encoding;
        QByteArray bytes;
    } cases[] = {
        {.name = "default is GBK", .encoding = TIniEncoding::Default, .bytes = QByteArray("[S]\r\nk=\xD6\xD0\r\n\r\n")},
        {.name = "UTF-8 with its mark",
         .encoding = TIniEncoding::UTF8,
         .bytes = QByteArray("\xEF\xBB\xBF[S]\r\nk=\xE4\xB8\xAD\r\n\r\n")},
        {.name = "UTF-16 with its mark",
         .encoding = TIniEncoding::Unicode,
         .bytes = QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0\r\0\n\0", 26)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = Path("enc.ini");
        QFile::remove(name);
        {
            TMemIniFile ini(name, c.encoding);
            ini.WriteString("S", "k", QString(QChar(0x4E2D)));
            EXPECT_FALSE(QFile::exists(name)) << "nothing is written before UpdateFile";
            ini.UpdateFile();
        }
        EXPECT_EQ(Bytes(name), c.bytes);
        // A mark decides over the encoding asked for; without one the asked encoding reads it.
        TMemIniFile back(name, c.encoding);
        EXPECT_EQ(back.ReadString("S", "k", ""), QString(QChar(0x4E2D)));
        TMemIniFile byDefault(name);
        if (c.encoding != TIniEncoding::Default) {
            EXPECT_EQ(byDefault.ReadString("S", "k", ""), QString(QChar(0x4E2D)));
        }
    }
}

TEST_F(IniFileTest, ChangingTheEncodingRewritesTheWholeFileInTheNewOne)
{
    const QString name = Path("switch.ini");
    TMemIniFile ini(name);
    ini.WriteString("S", "a", "1");
    ini.UpdateFile();
    EXPECT_EQ(Bytes(name), QByteArray("[S]\r\na=1\r\n\r\n"));
    ini.SetEncoding(TIniEncoding::UTF8);
    ini.UpdateFile();
    EXPECT_EQ(Bytes(name), QByteArray("\xEF\xBB\xBF[S]\r\na=1\r\n\r\n"));
}

TEST_F(IniFileTest, TheSystemStyleFileWritesEveryChangeAtOnce)
{
    const QString name = Path("direct.ini");
    TIniFile ini(name);
    ini.WriteString("A", "x", "1");
    ini.WriteString("B", "y", "2");
    EXPECT_EQ(Bytes(name), QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n"));
    EXPECT_TRUE(ini.SectionExists("b"));
    EXPECT_TRUE(ini.ValueExists("B", "Y"));
    ini.DeleteKey("B", "y");
    EXPECT_FALSE(ini.SectionExists("B")) << "a section without keys does not exist";
    ini.EraseSection("A");
    EXPECT_EQ(Bytes(name), QByteArray("[B]\r\n\r\n"));
}

TEST_F(IniFileTest, AFileThatCannotBeWrittenRaisesAndLeavesTheOldOne)
{
    TMemIniFile nowhere(Path("no/such/folder/x.ini"));
    nowhere.WriteString("S", "k", "v");
    try {
        nowhere.UpdateFile();
        FAIL() << "no error";
    }
    catch (const EFCreateError &e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot create file \"" + Path("no/such/folder/x.ini") + "\"."))
            << e.Message().toStdString();
    }
}

TEST_F(IniFileTest, SpecialFoldersFollowTheXdgVariables)
{
    EXPECT_EQ(SpecialFolderPath(CSIDL_APPDATA), Path("config/"));
    EXPECT_EQ(SpecialFolderPath(CSIDL_LOCAL_APPDATA), Path("data/"));
    EXPECT_EQ(SpecialFolderPath(CSIDL_PERSONAL), Path("documents/"));
    EXPECT_EQ(SpecialFolderPath(CSIDL_COMMON_APPDATA), Path("common/"));
    EXPECT_EQ(SpecialFolderPath(99), "");
    // Unset or relative variables fall back to the home folder.
    unsetenv("XDG_CONFIG_HOME");
    SetEnv("XDG_DATA_HOME", "relative/path");
    EXPECT_EQ(SpecialFolderPath(CSIDL_APPDATA), Path("home/.config/"));
    EXPECT_EQ(SpecialFolderPath(CSIDL_LOCAL_APPDATA), Path("home/.local/share/"));
    EXPECT_TRUE(ProgramFileName().endsWith("/settings_tests"));
}

}  // namespace
