// The frame controller's notifications, its settings in a store, the store's path rules and the old
// stored properties of earlier forms.

#include "widgets/skinned/RzFrameController.h"
#include "widgets/skinned/RzPanel.h"
#include "widgets/skinned/RzRegIniFile.h"

#include "platform/settings/Registry.h"
#include "platform/settings/SettingsFixture.h"
#include "platform/settings/SpecialFolders.h"
#include "platform/ui/Application.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

// A control that takes the controller's settings itself.
class TCountingClient : public TCustomControl, public IFrameControllerClient {
    T_DECLARE_CLASS(TCountingClient, TCustomControl)
    explicit TCountingClient(TComponent *AOwner) : TCustomControl(AOwner) {}
    void FrameControllerChanged() override { ++changes; }
    int changes = 0;
};
T_IMPLEMENT_CLASS(TCountingClient) {}

// A control that takes the settings through published properties of the same names.
class TFramedEdit : public TCustomControl {
    T_DECLARE_CLASS(TFramedEdit, TCustomControl)
    explicit TFramedEdit(TComponent *AOwner) : TCustomControl(AOwner) {}
    TFrameStyle frameStyle = fsNone;
    TSides frameSides;
    TColor focusColor = clNone;
    TRzFrameControllerNotifications notifications = fccAll;
    int styleWrites = 0;
    void SetFrameStyle(TFrameStyle v) { frameStyle = v, ++styleWrites; }
};
T_IMPLEMENT_CLASS(TFramedEdit)
{
    using C = TFramedEdit;
    b.Enum("FrameStyle", &C::frameStyle, &C::SetFrameStyle, FrameStyleNames);
    b.Set("FrameSides", &C::frameSides, &C::frameSides, SideNames);
    b.Color("FocusColor", &C::focusColor, &C::focusColor);
    b.Set("FrameControllerNotifications", &C::notifications, &C::notifications, RzFrameControllerPropertyNames);
}

namespace {

struct Controller : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TRzFrameController *fc = new TRzFrameController(form);
    TCountingClient *client = new TCountingClient(form);
    TFramedEdit *edit = new TFramedEdit(form);
    ~Controller() override { delete form; }
};

TEST_F(Controller, ThreeOpenUpdatesHoldEveryNotificationUntilTheLastEnd)
{
    fc->AddControl(client);
    fc->AddControl(edit);
    fc->AddControl(edit);
    EXPECT_EQ(client->changes, 1) << "registering sends everything once";
    EXPECT_EQ(edit->frameStyle, fsFlat);
    EXPECT_EQ(edit->styleWrites, 1);

    fc->BeginUpdate();
    fc->BeginUpdate();
    fc->BeginUpdate();
    fc->SetFrameStyle(fsGroove);
    fc->SetFrameSides({sdTop});
    fc->EndUpdate();
    fc->EndUpdate();
    EXPECT_EQ(client->changes, 1);
    EXPECT_EQ(edit->frameStyle, fsFlat);
    fc->EndUpdate();
    EXPECT_EQ(client->changes, 2) << "every control once, with everything";
    EXPECT_EQ(edit->frameStyle, fsGroove);
    EXPECT_EQ(edit->styleWrites, 2);
    EXPECT_EQ(edit->frameSides, TSides{sdTop});

    fc->SetFrameStyle(fsGroove);
    EXPECT_EQ(client->changes, 2) << "an unchanged value notifies nobody";
    fc->SetFrameHotColor(clRed);
    EXPECT_EQ(client->changes, 3);
    EXPECT_EQ(edit->styleWrites, 2) << "a single setting goes alone";
}

TEST_F(Controller, NotificationSetsLimitWhatAControlTakes)
{
    edit->notifications = fccAll - TRzFrameControllerNotifications{fcpColor, fcpFrameStyle};
    edit->SetColor(clYellow);
    fc->AddControl(edit);
    EXPECT_EQ(edit->Color(), clYellow);
    EXPECT_EQ(edit->frameStyle, fsNone);
    EXPECT_EQ(edit->focusColor, clWindow);
    fc->SetColor(clAqua);
    EXPECT_EQ(edit->Color(), clYellow);
    edit->notifications = fccAll;
    fc->SetColor(clLime);
    EXPECT_EQ(edit->Color(), clLime);
}

TEST_F(Controller, ColorDragsFocusColorOnlyWhenTheyWereEqual)
{
    fc->SetColor(clYellow);
    EXPECT_EQ(fc->FocusColor(), clYellow);
    fc->SetFocusColor(clRed);
    fc->SetColor(clBlue);
    EXPECT_EQ(fc->FocusColor(), clRed);
    fc->SetParentColor(true);
    fc->SetColor(clGreen);
    EXPECT_FALSE(fc->ParentColor()) << "an own colour ends following the parent";
}

TEST_F(Controller, HotTrackingShowsTheFrameOnAllSides)
{
    fc->SetFrameSides({sdLeft});
    fc->SetFrameHotTrack(true);
    EXPECT_TRUE(fc->FrameVisible());
    EXPECT_EQ(fc->FrameSides(), sdAllSides);
}

TEST_F(Controller, APanelTakesTheFrameOnlyWhileTheControllerShowsIt)
{
    auto *panel = new TRzPanel(form);
    panel->SetFrameController(fc);
    EXPECT_EQ(panel->BorderOuter(), fsRaised) << "FrameVisible is False";
    fc->BeginUpdate();
    fc->SetFrameStyle(fsGroove);
    fc->SetFrameSides({sdTop, sdBottom});
    fc->SetFrameColor(clRed);
    fc->SetColor(clYellow);
    fc->SetFrameVisible(true);
    fc->EndUpdate();
    EXPECT_EQ(panel->BorderOuter(), fsGroove);
    EXPECT_EQ(panel->BorderSides(), (TSides{sdTop, sdBottom}));
    EXPECT_EQ(panel->FlatColor(), clRed);
    EXPECT_EQ(panel->FlatColorAdjustment(), 0);
    EXPECT_EQ(panel->Color(), clYellow);
    EXPECT_EQ(panel->BorderHighlight(), LightenColor(clYellow, 100));
    delete fc;
    fc = nullptr;
    EXPECT_EQ(panel->FrameController(), nullptr) << "the controller's removal clears the link";
}

TEST_F(Controller, LoadAndSaveWithoutAStoreRaiseAndTouchNothing)
{
    fc->SetColor(clYellow);
    try {
        fc->Load("Frame");
        FAIL();
    }
    catch (const ENoRegIniFile &e) {
        EXPECT_EQ(e.Message(), "Cannot load Custom Framing settings--No TRzRegIniFile component specified");
    }
    try {
        fc->Save("Frame");
        FAIL();
    }
    catch (const ENoRegIniFile &e) {
        EXPECT_EQ(e.Message(), "Cannot save Custom Framing settings--No TRzRegIniFile component specified");
    }
    EXPECT_EQ(fc->Color(), clYellow);
}

TEST_F(Controller, AnOldFormWithFrameFlatLoadsWithHotTracking)
{
    const QString text = "object Holder: TForm\n"
                         "  object fcOld: TRzFrameController\n"
                         "    FrameFlat = True\n"
                         "    FrameFlatStyle = fsFlat\n"
                         "  end\n"
                         "  object fcFocus: TRzFrameController\n"
                         "    FrameFocusStyle = fsGroove\n"
                         "  end\n"
                         "  object pnOld: TRzPanel\n"
                         "    FrameSides = [sdLeft, sdTop]\n"
                         "    ThemeAware = False\n"
                         "    UseGradients = True\n"
                         "  end\n"
                         "end\n";
    std::unique_ptr<TComponent> holder(CreateComponentFromText(text, "old.dfm", nullptr));
    auto *old = dynamic_cast<TRzFrameController *>(holder->FindComponent("fcOld"));
    ASSERT_NE(old, nullptr);
    EXPECT_TRUE(old->FrameHotTrack());
    EXPECT_EQ(old->FrameStyle(), fsStatus);
    EXPECT_EQ(old->FrameHotStyle(), fsLowered);
    auto *focus = dynamic_cast<TRzFrameController *>(holder->FindComponent("fcFocus"));
    EXPECT_EQ(focus->FrameHotStyle(), fsGroove);
    auto *panel = dynamic_cast<TRzPanel *>(holder->FindComponent("pnOld"));
    EXPECT_EQ(panel->VisualStyle(), vsGradient);
    EXPECT_EQ(panel->BorderSides(), sdAllSides) << "the old sides are dropped";
}

// ---- Settings store ------------------------------------------------------------------------------------

struct Store : SettingsFixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TRzRegIniFile *ini = new TRzRegIniFile(form.get());
    TRzFrameController *fc = new TRzFrameController(form.get());
};

TEST_F(Store, SaveWritesEveryKeyAndLoadOfAnEmptySectionGivesTheDefaults)
{
    ini->SetPath(Path("frame.ini"));
    fc->SetRegIniFile(ini);
    fc->SetDisabledColor(clRed);
    fc->SetFrameSides({sdLeft, sdBottom});
    fc->Save("Frame");
    EXPECT_EQ(Bytes(Path("frame.ini")), QByteArray("[Frame]\r\n"
                                                   "Color=-16777211\r\n"
                                                   "FlatButtonColor=-16777201\r\n"
                                                   "FlatButtons=1\r\n"
                                                   "DisabledColor=255\r\n"
                                                   "ReadOnlyColor=-16777192\r\n"
                                                   "ReadOnlyColorOnFocus=0\r\n"
                                                   "FocusColor=-16777211\r\n"
                                                   "FrameColor=-16777200\r\n"
                                                   "FrameHotColor=-16777200\r\n"
                                                   "FrameHotStyle=10\r\n"
                                                   "FrameHotTrack=0\r\n"
                                                   "FrameSides_Left=1\r\n"
                                                   "FrameSides_Top=0\r\n"
                                                   "FrameSides_Right=0\r\n"
                                                   "FrameSides_Bottom=1\r\n"
                                                   "FrameStyle=1\r\n"
                                                   "FrameVisible=0\r\n"
                                                   "FramingPreference=1\r\n"
                                                   "\r\n"));
    fc->SetFrameSides({});
    fc->Load("Frame");
    EXPECT_EQ(fc->DisabledColor(), clRed);
    EXPECT_EQ(fc->FrameSides(), (TSides{sdLeft, sdBottom}));

    auto *client = new TCountingClient(form.get());
    fc->AddControl(client);
    fc->SetFrameStyle(fsGroove);
    fc->SetFocusColor(clAqua);
    const int before = client->changes;
    fc->Load("Nothing here");
    EXPECT_EQ(client->changes, before + 1) << "one notification for the whole load";
    EXPECT_EQ(fc->DisabledColor(), clWindow) << "the store's default, not the constructor's";
    EXPECT_EQ(fc->FrameStyle(), fsFlat);
    EXPECT_EQ(fc->FocusColor(), clWindow);
    EXPECT_EQ(fc->FrameSides(), sdAllSides);
}

TEST_F(Store, TheIniFileLiesWhereThePathRulesPutIt)
{
    const QString program = ProgramFileName();
    const QString folder = ExtractFilePath(program);
    struct Case {
        const char *name;
        QString path;
        TRzSpecialFolder special;
        QString expected;
    } cases[] = {
        {.name = "nothing set", .path = "", .special = sfNone, .expected = program + ".ini"},
        {.name = "bare name", .path = "settings.cfg", .special = sfNone, .expected = folder + "settings.ini"},
        {.name = "with a folder", .path = Path("keep/as.cfg"), .special = sfNone, .expected = Path("keep/as.cfg")},
        {.name = "roaming",
         .path = "Sub/app.cfg",
         .special = sfUserAppDataRoaming,
         .expected = Path("config/Sub/app.ini")},
        {.name = "local, no name",
         .path = "",
         .special = sfUserAppDataLocal,
         .expected = Path("data/") + ExtractFileName(program) + ".ini"},
        {.name = "documents", .path = "d.ini", .special = sfUserDocuments, .expected = Path("documents/d.ini")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TRzRegIniFile store(nullptr);
        store.SetPath(c.path);
        store.SetSpecialFolder(c.special);
        store.ReadString("S", "k", "");
        EXPECT_EQ(store.Path(), c.expected);
    }
    EXPECT_TRUE(DirectoryExists(Path("config/Sub"))) << "the sub-folder is created";
}

TEST_F(Store, EveryWriteRewritesTheFileInItsEncoding)
{
    ini->SetPath(Path("enc.ini"));
    ini->WriteInteger("S", "a", 1);
    EXPECT_EQ(Bytes(Path("enc.ini")), QByteArray("[S]\r\na=1\r\n\r\n"));
    ini->SetFileEncoding(feUTF8);
    ini->WriteString("S", "b", "x");
    EXPECT_EQ(Bytes(Path("enc.ini")), QByteArray("\xEF\xBB\xBF[S]\r\na=1\r\nb=x\r\n\r\n"));
    ini->DeleteKey("S", "a");
    EXPECT_EQ(Bytes(Path("enc.ini")), QByteArray("\xEF\xBB\xBF[S]\r\nb=x\r\n\r\n"));
    EXPECT_TRUE(ini->ValueExists("S", "b"));
}

TEST_F(Store, TheRegistryListsSectionValuesByName)
{
    Application->SetTitle("Skinned Test");
    ini->SetPathType(ptRegistry);
    ini->WriteString("Vals", "Zed", "last");
    EXPECT_EQ(ini->Path(), "\\Software\\Temp\\Skinned Test");
    ini->WriteInteger("Vals", "Count", -5);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Temp\\Skinned Test\\Vals", false));
    reg.WriteBinaryData("Blob", "\x01\xAB", 2);
    reg.WriteString("", "unnamed");
    TStringList lines;
    ini->ReadSectionValues("Vals", &lines);
    EXPECT_EQ(lines.Text(), "Default=unnamed\r\nBlob=01 AB \r\nCount=-5\r\nZed=last\r\n");
    EXPECT_EQ(ini->ReadInteger("Vals", "Count", 0), -5);
    Application->SetTitle("");
}

}  // namespace
