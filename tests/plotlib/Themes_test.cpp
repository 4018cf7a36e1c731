// Theme schemes of a library control: the folders the registry names, the library's and the
// user's scheme files with their categories, malformed files, and applying a scheme's values.

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "platform/settings/SettingsFixture.h"
#include "platform/ui/StdTestApp.h"

#include "platform/settings/Registry.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct ThemesTest : SettingsFixture {
    using SettingsFixture::Path;
    TTestPlotControl control{nullptr};

    void SetUp() override
    {
        SettingsFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(Path("library")));
        ASSERT_TRUE(QDir().mkpath(Path("user")));
        ASSERT_TRUE(QDir().mkpath(Path("elsewhere")));
    }
    // The theme key's folder values under a root key.
    static void Folders(HKEY Root, const QString &Library, const QString &User)
    {
        TRegistry registry;
        registry.SetRootKey(Root);
        ASSERT_TRUE(registry.OpenKey(QStringLiteral("SOFTWARE\\Quorin\\Themes"), true));
        registry.WriteString(QStringLiteral("Quorin Defined Theme Path"), Library);
        registry.WriteString(QStringLiteral("User Defined Theme Path"), User);
    }
    // A scheme file: categories of named schemes, each with its property lines (element, value).
    struct Scheme {
        QString name;
        std::vector<std::pair<QString, QString>> properties;
    };
    struct Category {
        QString name;
        std::vector<Scheme> schemes;
    };
    static QByteArray Xml(const std::vector<Category> &Categories)
    {
        QByteArray text = "<?xml version=\"1.0\"?>\r\n<SchemeTypes>\r\n";
        for (const Category &category : Categories) {
            text += "<SchemeType>\r\n<Name>" + category.name.toLatin1() + "</Name>\r\n";
            for (const Scheme &scheme : category.schemes) {
                text += "<Scheme>\r\n<Name>" + scheme.name.toLatin1() + "</Name>\r\n<Properties>\r\n";
                for (const auto &[element, value] : scheme.properties)
                    text += "<" + element.toLatin1() + ">" + value.toLatin1() + "</" + element.toLatin1() + ">\r\n";
                text += "</Properties>\r\n</Scheme>\r\n";
            }
            text += "</SchemeType>\r\n";
        }
        return text + "</SchemeTypes>\r\n";
    }
    // Category names, each followed by its schemes ("*" marks a user scheme).
    QStringList Listing() const
    {
        QStringList listing;
        for (int c = 0; c < control.GetThemeCategoryCount(); ++c) {
            QString line = control.GetThemeCategoryName(c) + QStringLiteral(":");
            for (int s = 0; s < control.GetThemeCategorySchemeCount(c); ++s)
                line += QStringLiteral(" ") + control.GetThemeCategorySchemeName(c, s) +
                        (control.GetThemeCategorySchemeIsUser(c, s) ? QStringLiteral("*") : QString());
            listing << line;
        }
        return listing;
    }
};

TEST_F(ThemesTest, TheLibraryAndUserFilesFillTheCategories)
{
    const QByteArray library = Xml({{"Dark", {{"Night", {}}, {"Coal", {}}}}, {"Light", {{"Paper", {}}}}});
    const QByteArray user = Xml({{"DARK", {{"Mine", {}}}}, {"Own", {{"Mine too", {}}}}});
    struct Case {
        const char *name;
        std::function<void(ThemesTest &)> setUp;
        QStringList listing;
    };
    const Case cases[] = {
        {.name = "no key and no files", .setUp = [](ThemesTest &) {}, .listing = {}},
        {.name = "both files, a category shared in another case",
         .setUp =
             [&](ThemesTest &t) {
                 Folders(HKEY_LOCAL_MACHINE, t.Path("library"), t.Path("user") + "/");
                 WriteBytes(t.Path("library/TTestPlotControl.xml"), library);
                 WriteBytes(t.Path("user/TTestPlotControlUser.xml"), user);
             },
         .listing = {"Dark: Night Coal Mine*", "Light: Paper", "Own: Mine too*"}},
        {.name = "a blank user value under the current user keeps the machine's",
         .setUp =
             [&](ThemesTest &t) {
                 Folders(HKEY_LOCAL_MACHINE, t.Path("library"), t.Path("user"));
                 Folders(HKEY_CURRENT_USER, QString(), QStringLiteral("   "));
                 WriteBytes(t.Path("user/TTestPlotControlUser.xml"), user);
             },
         .listing = {"DARK: Mine*", "Own: Mine too*"}},
        {.name = "a user value under the current user replaces the machine's",
         .setUp =
             [&](ThemesTest &t) {
                 Folders(HKEY_LOCAL_MACHINE, t.Path("library"), t.Path("user"));
                 Folders(HKEY_CURRENT_USER, QString(), QStringLiteral("  ") + t.Path("elsewhere"));
                 WriteBytes(t.Path("user/TTestPlotControlUser.xml"), user);
                 WriteBytes(t.Path("elsewhere/TTestPlotControlUser.xml"), Xml({{"Moved", {{"Here", {}}}}}));
             },
         .listing = {"Moved: Here*"}},
        {.name = "another class's file",
         .setUp =
             [&](ThemesTest &t) {
                 Folders(HKEY_LOCAL_MACHINE, t.Path("library"), t.Path("user"));
                 WriteBytes(t.Path("library/TiXYPlot.xml"), library);
             },
         .listing = {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TRegistry registry;
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            registry.SetRootKey(root);
            registry.DeleteKey(QStringLiteral("SOFTWARE\\Quorin"));
        }
        for (const char *file : {"library/TTestPlotControl.xml", "user/TTestPlotControlUser.xml",
                                 "elsewhere/TTestPlotControlUser.xml", "library/TiXYPlot.xml"})
            QFile::remove(Path(file));
        c.setUp(*this);
        control.LoadThemes();
        EXPECT_EQ(Listing(), c.listing);
    }
}

TEST_F(ThemesTest, AMisplacedClosingTagStopsTheLoadButKeepsWhatWasRead)
{
    Folders(HKEY_LOCAL_MACHINE, Path("library"), Path("user"));
    QByteArray text = Xml({{"First", {{"Kept", {}}}}, {"Second", {{"Broken", {{"Level", "2"}}}}}});
    text.replace("</Properties>\r\n</Scheme>\r\n</SchemeType>\r\n</SchemeTypes>",
                 "</Properties>\r\n</SchemeType>\r\n</SchemeTypes>");
    WriteBytes(Path("library/TTestPlotControl.xml"), text);
    EXPECT_EQ(MessageOf([&] { control.LoadThemes(); }), QStringLiteral("Error Loading Scheme. XML File Malformed"));
    EXPECT_EQ(Listing(), (QStringList{"First: Kept", "Second: Broken"}));

    // Reading again starts afresh.
    WriteBytes(Path("library/TTestPlotControl.xml"), Xml({{"Only", {{"One", {}}}}}));
    control.LoadThemes();
    EXPECT_EQ(Listing(), QStringList{"Only: One"});
}

TEST_F(ThemesTest, ApplyingASchemeWritesItsValuesInOrder)
{
    Folders(HKEY_LOCAL_MACHINE, Path("library"), Path("user"));
    WriteBytes(Path("library/TTestPlotControl.xml"),
               Xml({{"Looks",
                     {{"Set",
                       {{"Checked", "True"},
                        {"Caption2", "   three blanks"},
                        {"Marker.Width", "4"},
                        {"level", "2.5"},
                        {"BackGroundColor", "255"}}},
                      {"One", {{"Checked", "1"}}},
                      {"Zero", {{"Checked", "0"}}},
                      {"Empty", {}},
                      {"Failing", {{"Value", "7"}, {"Marker.Width", "wide"}, {"Level", "9"}}}}}}));
    control.LoadThemes();
    auto apply = [&](int Scheme) { return MessageOf([&] { control.ApplyScheme(0, Scheme); }); };

    EXPECT_EQ(apply(0), QString());
    EXPECT_TRUE(control.Checked);
    EXPECT_EQ(control.Caption2, QStringLiteral("   three blanks"));
    EXPECT_EQ(control.Marker()->Width, 4);
    EXPECT_EQ(control.Level, 2.5);
    EXPECT_EQ(control.BackGroundColor(), 255);

    apply(2);
    EXPECT_FALSE(control.Checked);
    apply(1);
    EXPECT_TRUE(control.Checked);
    EXPECT_EQ(apply(3), QString());
    EXPECT_TRUE(control.Checked);

    EXPECT_NE(apply(4), QString());
    EXPECT_EQ(control.Value(), 7) << "the line before the failing one stays applied";
    EXPECT_EQ(control.Level, 2.5) << "the lines after it are not";

    EXPECT_EQ(MessageOf([&] { control.ApplyScheme(0, 5); }), QStringLiteral("List index out of bounds (5)"));
    EXPECT_EQ(MessageOf([&] { control.GetThemeCategoryName(1); }), QStringLiteral("List index out of bounds (1)"));
}

}  // namespace
