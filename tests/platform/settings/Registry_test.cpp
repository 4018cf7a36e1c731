// The registry stand-in: keys and typed values in the per-user store file, access rights, and the
// INI view of a key.

#include "platform/settings/Registry.h"
#include "platform/settings/RegistryIniFile.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"

#include "SettingsFixture.h"

#include <gtest/gtest.h>

namespace {

using RegistryTest = SettingsFixture;

TEST_F(RegistryTest, StoresTypedValuesInTheUserConfigFolder)
{
    EXPECT_EQ(TRegistry::StoreFileName(), Path("config/trov316/registry.reg"));
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\Temp\\Editor", true));
        reg.WriteString("Name", "a \"b\" \\c");
        reg.WriteInteger("Count", 42);
        reg.WriteBinaryData("Data", "\x01\xAB", 2);
        reg.WriteExpandString("", "default");
    }
    EXPECT_EQ(Bytes(TRegistry::StoreFileName()), QByteArray("; Settings of the editor and its controls\n"
                                                            "\n[HKEY_CURRENT_USER]\n"
                                                            "\n[HKEY_CURRENT_USER\\Software]\n"
                                                            "\n[HKEY_CURRENT_USER\\Software\\Temp]\n"
                                                            "\n[HKEY_CURRENT_USER\\Software\\Temp\\Editor]\n"
                                                            "\"Name\"=\"a \\\"b\\\" \\\\c\"\n"
                                                            "\"Count\"=dword:0000002a\n"
                                                            "\"Data\"=hex:01,ab\n"
                                                            "@=expand:\"default\"\n"));

    TRegistry again(KEY_READ);
    ASSERT_TRUE(again.OpenKey("\\software\\TEMP\\editor", false));
    EXPECT_EQ(again.ReadString("name"), "a \"b\" \\c");
    EXPECT_EQ(again.ReadInteger("COUNT"), 42);
    EXPECT_EQ(again.ReadBinary("Data"), QByteArray("\x01\xAB", 2));
    EXPECT_EQ(again.ReadString(""), "default");
    EXPECT_EQ(again.GetDataType("Count"), rdInteger);
    EXPECT_EQ(again.GetDataType("Missing"), rdUnknown);
    EXPECT_EQ(again.GetDataSize("Name"), 18);
    EXPECT_EQ(again.ValueNames(), QStringList({"Name", "Count", "Data", ""}));
    EXPECT_EQ(again.ReadString("Missing"), "");
}

TEST_F(RegistryTest, WrongTypesMissingValuesAndRightsRaiseTheRegistryErrors)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\X", true));
    reg.WriteString("Text", "t");
    struct Case {
        const char *name;
        std::function<void()> call;
        const char *message;
    } cases[] = {
        {.name = "integer of text",
         .call = [&] { reg.ReadInteger("Text"); },
         .message = "Invalid data type for 'Text'"},
        {.name = "missing integer",
         .call = [&] { reg.ReadInteger("None"); },
         .message = "Failed to get data for 'None'"},
        {.name = "binary of text", .call = [&] { reg.ReadBinary("Text"); }, .message = "Invalid data type for 'Text'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call();
            ADD_FAILURE() << "no error";
        }
        catch (const ERegistryException &e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }

    TRegistry reader(KEY_READ);
    EXPECT_FALSE(reader.OpenKey("\\Software\\New", true)) << "creating needs the right to";
    ASSERT_TRUE(reader.OpenKey("\\Software\\X", false));
    EXPECT_THROW(reader.WriteString("Text", "u"), ERegistryException);
    EXPECT_FALSE(reader.DeleteValue("Text"));
    EXPECT_EQ(reader.ReadString("Text"), "t");
}

TEST_F(RegistryTest, KeysNestAndDeleteWithTheirSubkeys)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\A\\B\\C", true));
    ASSERT_TRUE(reg.OpenKey("\\A", false));
    ASSERT_TRUE(reg.OpenKey("D", true)) << "a path without '\\' starts at the open key";
    EXPECT_EQ(reg.CurrentPath(), "A\\D");
    ASSERT_TRUE(reg.OpenKey("\\A", false));
    EXPECT_EQ(reg.KeyNames(), QStringList({"B", "D"}));
    EXPECT_TRUE(reg.DeleteKey("\\A\\B"));
    EXPECT_FALSE(reg.KeyExists("\\A\\B\\C"));
    EXPECT_EQ(reg.KeyNames(), QStringList({"D"}));
    EXPECT_FALSE(reg.OpenKey("\\Nowhere", false));

    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("\\A")) << "each root key has its own tree";
}

TEST_F(RegistryTest, TheIniViewKeepsSectionsAsSubkeys)
{
    TRegistryIniFile ini("\\Software\\Temp\\Editor");
    ini.WriteString("Frame", "Style", "x");
    ini.WriteInteger("Frame", "Width", 3);
    ini.WriteBool("Frame", "Visible", true);
    ini.WriteFloat("Frame", "Ratio", 0.5);
    ini.WriteString("Other", "Text", "7");
    ini.WriteInteger("Other", "Text", 8);

    EXPECT_EQ(ini.ReadString("frame", "style", "?"), "x");
    EXPECT_EQ(ini.ReadInteger("Frame", "Width", 0), 3);
    EXPECT_EQ(ini.ReadString("Frame", "Width", "?"), "3");
    EXPECT_TRUE(ini.ReadBool("Frame", "Visible", false));
    EXPECT_EQ(ini.ReadFloat("Frame", "Ratio", 0), 0.5);
    EXPECT_EQ(ini.ReadInteger("Frame", "Missing", -1), -1);
    EXPECT_EQ(ini.ReadString("Nowhere", "Missing", "d"), "d");

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Temp\\Editor\\Other", false));
    EXPECT_EQ(reg.GetDataType("Text"), rdString) << "an integer written over text stays text";
    EXPECT_EQ(reg.ReadString("Text"), "8");
    ASSERT_TRUE(reg.OpenKey("\\Software\\Temp\\Editor\\Frame", false));
    EXPECT_EQ(reg.GetDataType("Ratio"), rdBinary);
    EXPECT_EQ(reg.GetDataType("Visible"), rdString);

    TStringList list;
    ini.ReadSections(&list);
    EXPECT_EQ(list.Text(), "Frame\r\nOther\r\n");
    ini.ReadSectionValues("Frame", &list);
    EXPECT_EQ(list.Text(), "Style=x\r\nWidth=3\r\nVisible=1\r\nRatio=000000000000E03F\r\n");

    TMemoryStream bytes(QByteArray("\x05\x06", 2));
    ini.WriteBinaryStream("Frame", "Blob", &bytes);
    TMemoryStream back;
    EXPECT_EQ(ini.ReadBinaryStream("Frame", "Blob", &back), 2);
    EXPECT_EQ(back.Bytes(), QByteArray("\x05\x06", 2));

    ini.DeleteKey("Frame", "Style");
    EXPECT_FALSE(ini.ValueExists("Frame", "Style"));
    ini.EraseSection("Other");
    EXPECT_FALSE(ini.SectionExists("Other"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\Temp\\Editor\\Other"));
}

}  // namespace
