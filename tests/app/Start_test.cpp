// The editor started in process, offscreen, without a processor (the clock held before the
// auto-connect): the main window's start state, the windows created once in order, the menu with
// its hidden entries, the exit confirmation, the language switch and the network setup's controls.
// The main window renders to main_window*.png in the working folder for a person to look at.

#include "EditorRun.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/LProgressBar.h"
#include "curves/Plot.h"
#include "device/DeviceFrame.h"
#include "dialogs/FExit.h"
#include "dialogs/FNetworkSetup.h"
#include "mainwindow/FNetWorkScan.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "platform/ui/RadioButton.h"
#include "plotlib/plot/iXYPlot.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/VrButtons.h"

#include <QAction>
#include <QImage>
#include <QMenuBar>

#include <map>

namespace {

// The windows in the order the editor creates them.
const QStringList CreatedWindows = {
    "fmMain",         "fmHidData",      "fmPeqRst",      "fmAbout",        "fmRs232Code",   "fmRs232CodeEnglish",
    "fmLockPassWord", "fmLockSetup",    "fmNetwork",     "fmProcess",      "fmInformation", "fmExit",
    "fmMemo",         "fmRecallPreset", "fmChannelName", "fmStorePreset",  "fmFactory",     "fmTest",
    "fmLinkSel",      "fmChNameList",   "fmStoreName",   "fmNetworkSetup", "fmCopy",
};

// Menu entries that no code ever shows.
const QStringList HiddenEntries = {"FactoryDefault", "SettingID",    "MemoShow", "HidData",
                                   "LockSetup",      "BlockDiagram", "Connect",  "ChineseTraditional"};

TMenuItem *Entry(const char *name)
{
    return dynamic_cast<TMenuItem *>(fmMain->FindComponent(QString::fromLatin1(name)));
}

QString CaptionOf(const QString &name)
{
    TComponent *c = fmMain->FindComponent(name);
    return c ? GetStrProp(c, QStringLiteral("Caption")) : QStringLiteral("<missing %1>").arg(name);
}

// The texts the menu bar shows, through every visible drop-down, as "File/Open".
void ShownEntries(const QList<QAction *> &actions, const QString &path, QStringList &out)
{
    for (QAction *action : actions) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QString name = path + action->text();
        out << name;
        if (action->menu())
            ShownEntries(action->menu()->actions(), name + "/", out);
    }
}

QStringList ShownMenu()
{
    QStringList out;
    ShownEntries(fmMain->MainMenu->MenuBar()->actions(), QString(), out);
    return out;
}

void ExpectHiddenEntriesNeverShown()
{
    for (const QString &name : HiddenEntries) {
        TMenuItem *item = Entry(name.toLatin1().constData());
        ASSERT_NE(item, nullptr) << name.toStdString();
        EXPECT_FALSE(item->Showing()) << name.toStdString();
    }
    const QStringList shown = ShownMenu();
    for (const char *caption : {"Factory Default", "Setting ID", "Memo Show", "HidData", "Diagram", "Connect",
                                "Troditional Chinese", "Help/Lock"})
        for (const QString &entry : shown)
            EXPECT_FALSE(entry == caption || entry.endsWith(QLatin1String("/") + caption)) << entry.toStdString();
}

// The main window's client area as it draws it (the render covers the outer size).
QImage ClientImage()
{
    return RenderControlImage(fmMain).copy(0, 0, fmMain->ClientWidth(), fmMain->ClientHeight());
}

TEST(EditorStart, TheMainWindowStartsInItsStartStateWithEveryWindowCreatedOnce)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            EXPECT_EQ(fmMain->Caption(), "TROV316 DSP Processor Editor V1.1");
            EXPECT_EQ(fmMain->Hint(), "TROV316 DSP Processor Editor");
            EXPECT_EQ(Application->Title(), "TROV316 DSP Processor Editor V1.1");
            EXPECT_TRUE(Application->MainFormOnTaskBar());
            EXPECT_EQ(Application->MainForm(), fmMain);
            DeviceSession &session = fmMain->Session();
            EXPECT_EQ(session.GetDeviceId(), 1);
            EXPECT_EQ(fmMain->Pages().GetCurrentPage(), 8);
            EXPECT_EQ(fmMain->Pages().GetDragHandle(), -1);
            EXPECT_EQ(fmMain->GetExtraHeight(), 0);
            EXPECT_EQ(session.GetSelectedCompChannel(), 2);
            EXPECT_EQ(session.GetLanguageName(), "English");
            EXPECT_EQ(session.GetIpAddress(), 0xC0A80165u);
            EXPECT_EQ(session.ClientSocket().Port(), 9761);
            EXPECT_EQ(session.ClientSocket().Address(), "192.168.1.101");
            EXPECT_FALSE(session.ClientSocket().Active());
            EXPECT_EQ(fmMain->Width(), 1118);
            EXPECT_EQ(fmMain->Height(), 720);
            EXPECT_EQ(fmMain->ClientWidth(), 1110);
            EXPECT_EQ(fmMain->ClientHeight(), 672);
            EXPECT_EQ(CaptionOf("lbShowIdNumber"), "ID : 1");
            EXPECT_EQ(CaptionOf("rzbMenuLink"), "OffLine");
            EXPECT_TRUE(fmMain->English->Checked());
            EXPECT_FALSE(fmMain->ChineseSimplified->Checked());
            EXPECT_EQ(fmMain->GetInitializing(), 0);
            EXPECT_TRUE(fmMain->rzbMenuGain->Down());
            // The Gain page shows In A's and Out 1's curves at start, with their toggles on.
            for (const char *toggle : {"vrbShowAGain", "vrbShowBGain", "vrbShow1Gain", "vrbShow2Gain"}) {
                auto *button = dynamic_cast<TVrPowerButton *>(fmMain->FindComponent(QString::fromLatin1(toggle)));
                ASSERT_NE(button, nullptr) << toggle;
                EXPECT_EQ(button->Active(), toggle[7] == 'A' || toggle[7] == '1') << toggle;
            }

            QStringList windows;
            for (TComponent *c : Application->ComponentList())
                if (dynamic_cast<TCustomForm *>(c))
                    windows << c->Name();
            EXPECT_EQ(windows, CreatedWindows);
            EXPECT_NE(fmNetwork, nullptr);
            EXPECT_NE(fmNetworkSetup, nullptr);

            EXPECT_TRUE(fmMain->NetworkSetup->Showing());
            ExpectHiddenEntriesNeverShown();
            EXPECT_EQ(ShownMenu(),
                      (QStringList{"File", "File/Open", "File/Save", "File/Upload", "File/Download", "File/Exit",
                                   "Link", "Copy", "Lock", "Setting ID/IP", "Test Tone", "Channel Name", "语言",
                                   "语言/中文", "语言/English", "Help", "Help/RS232 Code Table", "About"}));

            // The page buttons of one kind share their model's pictures.
            for (const char *name : {"rzbMenuComp", "rzbMenuDelay", "rzbMenuMatrix"}) {
                auto *button = dynamic_cast<TRzBmpButton *>(fmMain->FindComponent(name));
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->Bitmaps()->Hot()->ToImage(), fmMain->rzbMenuGain->Bitmaps()->Hot()->ToImage())
                    << name;
            }
            for (const char *name : {"rzbMenuInB", "rzbMenuOut1"}) {
                auto *button = dynamic_cast<TRzBmpButton *>(fmMain->FindComponent(name));
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->Bitmaps()->Disabled()->ToImage(),
                          fmMain->rzbMenuInA->Bitmaps()->StayDown()->ToImage())
                    << name;
            }

            // The title in the hint names the window; it never pops up over the window's controls.
            // (A short pause: the clock stays before the auto-connect.)
            const int pause = Application->HintPause();
            Application->SetHintPause(50);
            TInputRouter::MouseMove(fmMain, {}, TPoint(500, 300));
            TManualClock::Advance(100);
            EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->Visible());
            TInputRouter::MouseLeft();
            Application->SetHintPause(pause);

            const QImage image = ClientImage();
            ASSERT_FALSE(image.isNull());
            image.save(QStringLiteral("main_window.png"));
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
    EXPECT_EQ(fmMain, nullptr);
    EXPECT_EQ(fmExit, nullptr);
    EXPECT_EQ(fmNetwork, nullptr);
}

// A USB device list that cannot be read: the main window's device layer looks at it while the
// window is created.
class FailingDeviceList final : public hid::Backend {
public:
    explicit FailingDeviceList(std::function<void()> fail) : fail_(std::move(fail)) {}
    std::vector<hid::InterfaceInfo> Enumerate() override
    {
        fail_();
        return {};
    }
    std::shared_ptr<hid::Handle> Open(const std::string &, hid::Access) override { return nullptr; }
    int NotifyFd() const override { return -1; }
    bool TakeNotifications() override { return false; }

private:
    std::function<void()> fail_;
};

struct StartFailureCase {
    const char *name;
    std::function<void()> fail;
    // What the message box says.
    const char *message;
};

// An error while the windows are created ends the start: its message shows in a message box (a
// thrown value that is no exception object with an empty one), no window is left, and the status
// is still 0.
TEST(EditorStart, AnErrorWhileTheWindowsAreCreatedIsShownAndTheProgramEnds)
{
    const StartFailureCase cases[] = {
        {.name = "exception",
         .fail = [] { throw Exception(QStringLiteral("The device list cannot be read")); },
         .message = "message \"The device list cannot be read.\""},
        {.name = "other value", .fail = [] { throw 42; }, .message = "message \"\""},
    };
    for (const StartFailureCase &c : cases) {
        SCOPED_TRACE(c.name);
        EditorRun run;
        const auto previous = hid::SetCurrentBackend(std::make_shared<FailingDeviceList>(c.fail));
        TestScript::ExpectMessage(QString());
        EXPECT_EQ(run.Start(), 0);
        hid::SetCurrentBackend(previous);
        EXPECT_EQ(TestScript::Pending(), 0);
        ASSERT_FALSE(TestScript::Log().isEmpty());
        EXPECT_EQ(TestScript::Log().back(), c.message);
        EXPECT_TRUE(run.Script().Failures().empty());
        EXPECT_EQ(fmMain, nullptr);
        QStringList windows;
        for (TComponent *component : Application->ComponentList())
            if (dynamic_cast<TCustomForm *>(component))
                windows << component->Name();
        EXPECT_TRUE(windows.isEmpty()) << windows.join(' ').toStdString();
    }
}

// The auto-connect waits 300 ms after start; then the scan dialog opens and looks for a processor
// (here there is none: no USB device, no address answers, no serial port).
TEST(EditorStart, TheScanStartsByItself300MsAfterStart)
{
    EditorRun run;
    std::uint64_t shownAt = 0;
    TestScript::ExpectModal(
        "fmNetwork", [](TCustomForm &) {}, true);
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            shownAt = TManualClock::Milliseconds();
            // The automatic address: no network candidate, and the scan goes straight to its end.
            fmMain->SetAutoIpSetting(1);
        });
    run.Step(
        "scan shown", [] { return fmNetwork->Visible(); },
        [&] {
            EXPECT_GE(TManualClock::Milliseconds() - shownAt, 300u);
            EXPECT_LE(TManualClock::Milliseconds() - shownAt, 310u);
        },
        10);
    run.Step(
        "no device", [] { return fmNetwork->btnOK->Enabled(); },
        [] {
            EXPECT_EQ(fmNetwork->lblScan->Caption(), "No Device found.");
            EXPECT_EQ(CaptionOf("Connect"), "Disconnect");
            fmNetwork->btnExit->Click();  // Demo: work without a processor
        },
        10);
    run.Step(
        "scan closed", [] { return !fmNetwork->Visible(); }, [] { EXPECT_TRUE(fmMain->rzbMenuLink->Enabled()); });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// A processor plugged in before the editor starts is found while the main window is made; the
// status label says so from the first showing on, and follows the device when it goes and comes.
TEST(EditorStart, TheUsbStatusFollowsADevicePluggedInBeforeTheStart)
{
    EditorRun run;
    auto device = run.HidBackend()->Plug(hidtest::ProcessorProfile());
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            EXPECT_TRUE(fmMain->Session().HasHidDevice());
            EXPECT_EQ(fmMain->lbStatus->Caption(), "Detect HID");
            run.HidBackend()->Unplug(device);
        });
    run.Step(
        "unplugged", [] { return !fmMain->Session().HasHidDevice(); },
        [&] {
            EXPECT_EQ(fmMain->lbStatus->Caption(), "OffLine");
            device = run.HidBackend()->Plug(hidtest::ProcessorProfile());
        });
    run.Step(
        "plugged in again", [] { return fmMain->Session().HasHidDevice(); },
        [] { EXPECT_EQ(fmMain->lbStatus->Caption(), "Detect HID"); });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// Offline, nobody waits for the USB device's reports: a read that fails shows nothing and leaves
// the device in use. (A USB link reading from it breaks as on an unplug.)
TEST(EditorStart, AFailedUsbReadWithoutAUsbLinkShowsNothing)
{
    EditorRun run;
    auto device = run.HidBackend()->Plug(hidtest::ProcessorProfile());
    std::uint64_t attempts = 0;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            attempts = device->readAttempts();
            device->FailReads(EIO);
        });
    // A second failed read: the first one's report has been handled on this thread.
    run.Step(
        "reads failed", [&] { return device->readAttempts() >= attempts + 2; },
        [&] {
            device->FailReads(0);
            EXPECT_TRUE(NoModalLoop());
            EXPECT_TRUE(fmMain->Session().HasHidDevice());
            EXPECT_EQ(fmMain->lbStatus->Caption(), "Detect HID");
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// The Comp page shows one output: a press on one of Out 3's controls selects it for the transfer
// curve, and the page's own level meter, its limiter lamp and, after a language switch, its title
// follow the same output.
TEST(EditorStart, TheCompressorPagesMeterLampAndTitleFollowItsSelectedOutput)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            auto *ratio = dynamic_cast<TAdvTrackBar *>(fmMain->FindComponent(QStringLiteral("isCompRatioOut3")));
            auto *attack = dynamic_cast<TCurvyEdit *>(fmMain->FindComponent(QStringLiteral("cvdCompAttackOut3")));
            ASSERT_NE(ratio, nullptr);
            ASSERT_NE(attack, nullptr);
            ratio->SetPosition(9);  // a compressor that can limit: its lamp may light
            attack->OnMouseDown(attack, mbLeft, {}, 2, 2);
            EXPECT_EQ(CaptionOf("lbHeadCompOut"), "Out 3");
            EXPECT_EQ(CaptionOf("lbCompName"), "Out 3  Compressor");

            // Levels: Out 1 silent, Out 3 at about -6 dB (output position 6) and limiting.
            BSTM payload(19, 0);
            payload[12] = 0x00, payload[13] = 0x3F, payload[14] = 0x80;
            payload[18] = 1 << 2;
            const BSTM frame = BuildDeviceFrame(1, 0, CMD_LEVELS, payload);
            TMessage m;
            m.Msg = WM_DEVICE_FRAME;
            m.WParam = reinterpret_cast<WPARAM>(&frame);
            fmMain->Session().OnDeviceFrame(m);
            auto meter = [](const char *name) {
                auto *bar = dynamic_cast<LProgressBar *>(fmMain->FindComponent(QString::fromLatin1(name)));
                return bar ? bar->Position() : -1;
            };
            EXPECT_EQ(meter("pbLevelCompOut3"), 6);
            EXPECT_EQ(meter("pbLevelCompOut"), 6);
            EXPECT_EQ(meter("pbLimitCompOut"), 1);

            Entry("ChineseSimplified")->Click();
            Entry("English")->Click();
            EXPECT_EQ(CaptionOf("lbCompName"), "Out 3  Compressor");
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

TEST(EditorStart, ACloseRequestAsksFirstAndOnlyOkEndsTheProgram)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            fmMain->Close();
            EXPECT_TRUE(fmExit->Visible());
            EXPECT_TRUE(fmMain->Visible());
            EXPECT_FALSE(Application->Terminated());
            EXPECT_EQ(fmExit->lbExit->Caption(), "Are you sure to quit ?");
            fmExit->btnCancel->Click();
            EXPECT_FALSE(fmExit->Visible());
            EXPECT_FALSE(fmMain->Session().IsCloseAllowed());
            // Asked again.
            fmMain->Close();
            EXPECT_TRUE(fmExit->Visible());
            EXPECT_FALSE(Application->Terminated());
        });
    run.Step(
        "asked again", [] { return fmExit->Visible(); },
        [] {
            fmExit->btnOK->Click();
            EXPECT_TRUE(Application->Terminated());
        });
    EXPECT_EQ(run.Start(), 0);
}

TEST(EditorStart, FileExitAsksModallyAndCancelKeepsTheProgram)
{
    EditorRun run;
    TestScript::ExpectModal("fmExit", [](TCustomForm &) { fmExit->btnCancel->Click(); });
    // OK ends the program, and with it the box's modal loop.
    TestScript::ExpectModal(
        "fmExit", [](TCustomForm &) { fmExit->btnOK->Click(); }, true);
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            Entry("Exit")->Click();
            EXPECT_FALSE(Application->Terminated());
            EXPECT_FALSE(fmMain->Session().IsCloseAllowed());
            Entry("Exit")->Click();
            EXPECT_TRUE(Application->Terminated());
        });
    EXPECT_EQ(run.Start(), 0);
}

// Every caption of the menu, the link button and the preset bar.
std::map<QString, QString> LanguageCaptions()
{
    std::map<QString, QString> out;
    for (const char *name : {"File",
                             "Open",
                             "Save",
                             "Upload",
                             "Download",
                             "FactoryDefault",
                             "Exit",
                             "BlockDiagram",
                             "Connected",
                             "Connect",
                             "ConnectHelp",
                             "Lock",
                             "LockSetup",
                             "SettingID",
                             "NetworkSetup",
                             "TestTone",
                             "Link",
                             "Copy",
                             "ChNameList",
                             "LanguageSel",
                             "ChineseSimplified",
                             "ChineseTraditional",
                             "English",
                             "Help",
                             "Rs232Code",
                             "About",
                             "MemoShow",
                             "HidData",
                             "rzbMenuLink",
                             "lPstNum",
                             "lPstName",
                             "bStore",
                             "bRecall"})
        out[QString::fromLatin1(name)] = CaptionOf(QString::fromLatin1(name));
    return out;
}

TEST(EditorStart, ChineseAndBackRestoresEveryCaption)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            const auto english = LanguageCaptions();
            EXPECT_EQ(english.at("LanguageSel"), "语言");
            EXPECT_EQ(english.at("ChineseSimplified"), "中文");
            EXPECT_EQ(english.at("Exit"), "Exit");
            EXPECT_EQ(english.at("rzbMenuLink"), "OffLine");
            EXPECT_EQ(english.at("Connected"), "Connect");
            EXPECT_EQ(english.at("lPstNum"), "Preset");

            Entry("ChineseSimplified")->Click();
            EXPECT_EQ(fmMain->Session().GetLanguageName(), "ChineseGB");
            EXPECT_TRUE(fmMain->ChineseSimplified->Checked());
            EXPECT_FALSE(fmMain->English->Checked());
            EXPECT_FALSE(fmMain->ChineseTraditional->Checked());
            const auto chinese = LanguageCaptions();
            EXPECT_EQ(chinese.at("LanguageSel"), "Language");
            EXPECT_EQ(chinese.at("ChineseSimplified"), "中文");
            EXPECT_EQ(chinese.at("Exit"), "取消");
            EXPECT_EQ(chinese.at("rzbMenuLink"), "未连机");
            EXPECT_EQ(chinese.at("Connected"), "连接机器");
            EXPECT_EQ(chinese.at("MemoShow"), "Memo Show");
            EXPECT_EQ(chinese.at("HidData"), "HidData");
            ExpectHiddenEntriesNeverShown();
            ClientImage().save(QStringLiteral("main_window_chinese.png"));

            Entry("English")->Click();
            EXPECT_EQ(LanguageCaptions(), english);
            ExpectHiddenEntriesNeverShown();
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// Every caption of every control of the main window, by name.
std::map<QString, QString> AllCaptions()
{
    std::map<QString, QString> out;
    for (int i = 0; i < fmMain->ComponentCount(); ++i) {
        TComponent *c = fmMain->Components(i);
        if (IsPublishedProp(c, QStringLiteral("Caption")))
            out[c->Name()] = GetStrProp(c, QStringLiteral("Caption"));
    }
    return out;
}

TEST(EditorStart, StartMakesTheCurveModelsAndTheCompressorCurvesFirstPoints)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            // Eight curve models on their plots, in order, all in magnitude mode.
            const char *plots[] = {"fftDrawInA",  "fftDrawInB",  "fftDrawOut1",   "fftDrawOut2",
                                   "fftDrawOut3", "fftDrawOut4", "fftDrawGainIn", "fftDrawGainOut"};
            for (int i = 0; i < TfmMain::PlotCount; ++i) {
                Plot *plot = fmMain->GetPlot(i);
                ASSERT_NE(plot, nullptr) << i;
                EXPECT_EQ(static_cast<TComponent *>(plot->Control), fmMain->FindComponent(plots[i])) << plots[i];
                EXPECT_FALSE(plot->GetPhaseMode()) << plots[i];
            }
            EXPECT_EQ(fmMain->GetPlot(8), nullptr);

            // The compressor transfer plot: the curve's three points and the knee marker.
            auto *comp = dynamic_cast<TiXYPlot *>(fmMain->FindComponent("ipComp"));
            ASSERT_NE(comp, nullptr);
            ASSERT_GE(comp->ChannelCount(), 2);
            const std::vector<std::pair<double, double>> curve = {{20, 20}, {-10, -10}, {-100, -100}};
            ASSERT_EQ(comp->GetChannel(0)->Count(), 3);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(comp->GetChannel(0)->GetX(i), curve[static_cast<std::size_t>(i)].first);
                EXPECT_EQ(comp->GetChannel(0)->GetY(i), curve[static_cast<std::size_t>(i)].second);
            }
            ASSERT_EQ(comp->GetChannel(1)->Count(), 1);
            EXPECT_EQ(comp->GetChannel(1)->GetX(0), 20.4);
            EXPECT_EQ(comp->GetChannel(1)->GetY(0), 19.8);

            // rzbMenuOut4 keeps its own pictures.
            auto *out3 = dynamic_cast<TRzBmpButton *>(fmMain->FindComponent("rzbMenuOut3"));
            auto *out4 = dynamic_cast<TRzBmpButton *>(fmMain->FindComponent("rzbMenuOut4"));
            ASSERT_TRUE(out3 && out4);
            EXPECT_EQ(out3->Bitmaps()->Disabled()->ToImage(), fmMain->rzbMenuInA->Bitmaps()->StayDown()->ToImage());
            EXPECT_NE(out4->Bitmaps()->Disabled()->ToImage(), fmMain->rzbMenuInA->Bitmaps()->StayDown()->ToImage());
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

TEST(EditorStart, ThePagesCaptionsFollowTheLanguageAndThePolarityButtonsTheirState)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            EXPECT_EQ(CaptionOf("lbCompName"), "Out 1  Compressor");
            EXPECT_EQ(CaptionOf("rzbPhaseOut2"), "Normal");
            EXPECT_EQ(CaptionOf("rzbPhaseBackupInB"), "Normal");
            EXPECT_EQ(CaptionOf("rzbMuteBackupOut3"), "Mute");
            // The band tables' heading row, blanks counted.
            const QString english = " PEQ" + QString(7, u' ') + "Frequency" + QString(14, u' ') + "Q" +
                                    QString(20, u' ') + "Gain" + QString(17, u' ') + "Type" + QString(16, u' ') +
                                    "Bypass";
            EXPECT_EQ(CaptionOf("lbEqInA"), english);
            EXPECT_EQ(CaptionOf("lbEqOut4"), english);

            // A polarity button that is down reads "Inverse" after the next caption update.
            for (const char *name : {"rzbPhaseOut2", "rzbPhaseBackupInB"})
                dynamic_cast<TRzBmpButton *>(fmMain->FindComponent(name))->SetDown(true);
            const auto before = AllCaptions();
            Entry("ChineseSimplified")->Click();
            EXPECT_EQ(CaptionOf("rzbPhaseOut2"), "反相");
            EXPECT_EQ(CaptionOf("rzbPhaseOut1"), "正相");
            const QString chinese = " 均衡" + QString(8, u' ') + "頻率" + QString(18, u' ') + "Q值" +
                                    QString(17, u' ') + "增益" + QString(17, u' ') + "類型" + QString(17, u' ') +
                                    "旁路";
            EXPECT_EQ(CaptionOf("lbEqInB"), chinese);
            Entry("English")->Click();
            EXPECT_EQ(CaptionOf("rzbPhaseOut2"), "Inverse");
            EXPECT_EQ(CaptionOf("rzbPhaseBackupInB"), "Inverse");
            EXPECT_EQ(CaptionOf("rzbPhaseBackupInA"), "Normal");
            const auto after = AllCaptions();
            for (const auto &[name, caption] : after) {
                if (name != "rzbPhaseOut2" && name != "rzbPhaseBackupInB") {
                    EXPECT_EQ(caption, before.at(name)) << name.toStdString();
                }
            }
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

TEST(EditorStart, ChoosingTheCheckedLanguageAgainChangesNothing)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            Entry("File")->SetCaption("marked");
            Entry("English")->Click();
            EXPECT_EQ(CaptionOf("File"), "marked");
            EXPECT_TRUE(fmMain->English->Checked());
            Entry("ChineseSimplified")->Click();
            Entry("File")->SetCaption("marked");
            Entry("ChineseSimplified")->Click();
            EXPECT_EQ(CaptionOf("File"), "marked");
            // A sender that is not a menu entry does nothing.
            fmMain->EnglishClick(fmMain);
            EXPECT_EQ(fmMain->Session().GetLanguageName(), "ChineseGB");
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// The protocol help follows the editor's language, not the user's.
TEST(EditorStart, TheProtocolHelpIsEnglishOnlyWhileEnglishIsActive)
{
    EditorRun run;
    QStringList opened;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            for (int i = 0; i < 2; ++i)
                TestScript::ExpectModal(QString(), [&](TCustomForm &f) {
                    opened << f.Name();
                    f.SetModalResult(mrOk);
                });
            Entry("Rs232Code")->Click();
            Entry("ChineseSimplified")->Click();
            Entry("Rs232Code")->Click();
            EXPECT_EQ(opened, (QStringList{"fmRs232CodeEnglish", "fmRs232Code"}));
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// Each entry of the menu bar and the Help menu shows its window modally.
TEST(EditorStart, MenuEntriesOpenTheirWindows)
{
    EditorRun run;
    QStringList opened;
    const QStringList entries = {"Link", "Copy", "Lock", "TestTone", "ChNameList", "About"};
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            for (const QString &entry : entries) {
                TestScript::ExpectModal(QString(), [&](TCustomForm &f) {
                    opened << f.Name();
                    f.SetModalResult(mrCancel);
                });
                Entry(entry.toLatin1().constData())->Click();
            }
            EXPECT_EQ(opened, (QStringList{"fmLinkSel", "fmCopy", "fmLockSetup", "fmTest", "fmChNameList", "fmAbout"}));
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// What the dialogs ask of the main window about channels, offline: the model holds names and link
// masks, the page buttons show a group member's caption.
TEST(EditorStart, ChannelServicesOfTheDialogsReachTheModelAndThePageButtons)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            DialogHost &host = *fmMain;
            host.SetChannelName(3, std::string("Sub\0\0\0\0\0", 8));
            EXPECT_EQ(host.GetChannelName(3), std::string("Sub\0\0\0\0\0", 8));
            EXPECT_NE(host.GetChannelName(2), host.GetChannelName(3));
            host.SetChannelName(9, "Nowhere!");
            EXPECT_EQ(host.GetChannelName(9), std::string(8, '\0'));

            host.SetChannelLink(2, 0b0101);
            host.SetChannelLink(4, 0);
            EXPECT_EQ(host.GetChannelLinkMask(2), 0b0101);
            EXPECT_EQ(host.GetChannelLinkMask(4), 0);

            const auto caption = [](const char *name) {
                return GetStrProp(fmMain->FindComponent(QString::fromLatin1(name)), QStringLiteral("Caption"));
            };
            host.SetChannelButtonCaption(2, 4);
            EXPECT_EQ(caption("rzbMenuOut3"), "3=1");
            host.SetChannelButtonCaption(0, 1);
            EXPECT_EQ(caption("rzbMenuInB"), "B=A");
            host.SetChannelButtonCaption(0, 4);  // sides differ: nothing
            EXPECT_EQ(caption("rzbMenuOut3"), "3=1");
            host.SetChannelButtonCaption(4, 4);
            EXPECT_EQ(caption("rzbMenuOut3"), "Out3");

            fmMain->rzbMenuInA->SetDown(true);
            host.ShowGainPage();
            EXPECT_TRUE(fmMain->rzbMenuGain->Down());
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

struct NetworkSetupCase {
    const char *name;
    bool online;
    bool automatic;
    bool choiceEnabled;
    bool editsEnabled;
    TColor editColor;
};

TEST(EditorStart, NetworkSetupLocksWhatCannotChange)
{
    const NetworkSetupCase cases[] = {
        {.name = "online",
         .online = true,
         .automatic = false,
         .choiceEnabled = false,
         .editsEnabled = false,
         .editColor = static_cast<TColor>(0xC0C0C0)},
        {.name = "online automatic",
         .online = true,
         .automatic = true,
         .choiceEnabled = false,
         .editsEnabled = false,
         .editColor = static_cast<TColor>(0xC0C0C0)},
        {.name = "offline manual",
         .online = false,
         .automatic = false,
         .choiceEnabled = true,
         .editsEnabled = true,
         .editColor = clWindow},
        {.name = "offline automatic",
         .online = false,
         .automatic = true,
         .choiceEnabled = true,
         .editsEnabled = false,
         .editColor = static_cast<TColor>(0xC0C0C0)},
    };
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            for (const NetworkSetupCase &c : cases) {
                SCOPED_TRACE(c.name);
                // The rule reads the link button's caption.
                fmMain->rzbMenuLink->SetCaption(c.online ? "OnLine" : "OffLine");
                (c.automatic ? fmNetworkSetup->rbAutoSetting : fmNetworkSetup->rbManualSetting)->SetChecked(true);
                TestScript::ExpectModal("fmNetworkSetup", [&](TCustomForm &f) {
                    for (TControl *choice :
                         std::initializer_list<TControl *>{fmNetworkSetup->gbIpSetting, fmNetworkSetup->rbManualSetting,
                                                           fmNetworkSetup->rbAutoSetting})
                        EXPECT_EQ(choice->Enabled(), c.choiceEnabled) << choice->Name().toStdString();
                    for (TEdit *edit : {fmNetworkSetup->edIp1, fmNetworkSetup->edIp2, fmNetworkSetup->edIp3,
                                        fmNetworkSetup->edIp4, fmNetworkSetup->edId}) {
                        EXPECT_EQ(edit->Enabled(), c.editsEnabled) << edit->Name().toStdString();
                        EXPECT_EQ(edit->Color(), c.editColor) << edit->Name().toStdString();
                    }
                    f.SetModalResult(mrCancel);
                });
                Entry("NetworkSetup")->Click();
            }
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

}  // namespace
