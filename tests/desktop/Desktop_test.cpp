// The real editor on a real desktop (Xvfb with openbox), inside the private network namespace
// against the simulated processor, driven by real X input: what reaches the processor is read from
// the simulator's frame log, what the window manager does from the X server.

#include "desktop/Desktop.h"

#include "app/ChildProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace desktop {
namespace {

const QString kMainTitle = QStringLiteral("TROV316 DSP Processor Editor V1.1");
constexpr int kMenuBarHeight = 20;

QString Form(const char *name)
{
    return QStringLiteral(TROV_SOURCE_DIR "/resources/forms/") + QLatin1String(name) + QStringLiteral(".dfm");
}

// The payloads of the frames of one request the simulator received: its trace has a line
// "<- [link] 10 02 .. .. len cmd payload.. 10 03 xx  NAME" for each.
std::vector<std::string> Received(const ChildProcess &sim, const std::string &name)
{
    std::istringstream lines(sim.Output());
    std::vector<std::string> payloads;
    for (std::string line; std::getline(lines, line);) {
        const std::string tail = "  " + name;
        if (line.rfind("<- ", 0) != 0 || line.size() < tail.size() ||
            line.compare(line.size() - tail.size(), std::string::npos, tail) != 0)
            continue;
        std::istringstream bytes(line.substr(line.find(']') + 1, line.size() - tail.size() - line.find(']') - 1));
        std::vector<std::string> b;
        for (std::string hex; bytes >> hex;)
            b.push_back(hex);
        // 10 02 source address length command payload... 10 03 checksum
        std::string payload;
        for (std::size_t i = 6; i + 3 < b.size(); ++i)
            payload += (payload.empty() ? "" : " ") + b[i];
        payloads.push_back(payload);
    }
    return payloads;
}

class Editor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        desk = std::make_unique<Desktop>(folder.path().toStdString());
        ASSERT_TRUE(desk->Ready()) << "no X server (Xvfb) here";
    }
    void TearDown() override
    {
        if (HasFailure() && desk && desk->Ready()) {
            desk->Grab(QRect(0, 0, 1400, 900)).save(QString::fromStdString(Path("screen.png")));
            std::cerr << "screen, editor and simulator logs kept in " << folder.path().toStdString() << "\n";
            folder.setAutoRemove(false);
        }
        editor.reset();
        sim.reset();
    }
    std::string Path(const char *name) const { return folder.filePath(name).toStdString(); }

    void StartSimulator(std::vector<std::string> options = {})
    {
        options.insert(options.begin(), {"--tcp", "192.168.1.101:9761"});
        sim = std::make_unique<ChildProcess>(TROV_SIM_PROGRAM, options, Path("sim.log"));
        ASSERT_TRUE(Until([&] { return sim->Count("TCP 192.168.1.101:9761") > 0 || sim->Ended(); }));
    }
    void StartEditor()
    {
        editor = std::make_unique<ChildProcess>(
            TROV_EDITOR_PROGRAM, std::vector<std::string>{}, Path("editor.log"),
            std::vector<std::string>{"DISPLAY=" + desk->Display(), "QT_QPA_PLATFORM=xcb",
                                     "XDG_RUNTIME_DIR=" + folder.path().toStdString(), "LC_NUMERIC=C"});
        main = desk->WaitWindow(kMainTitle, 20000);
        ASSERT_NE(main, 0u) << editor->Output();
    }
    // The simulator running, the editor started against it and done with its full read.
    void StartConnected()
    {
        StartSimulator();
        StartEditor();
        ASSERT_TRUE(Until([&] { return Received(*sim, "LEVELS").size() >= 2; }, 30000)) << sim->Output();
        ASSERT_TRUE(Until([&] { return desk->Find("Connect") == 0; }));
        Focus(main);
    }
    // A click on a harmless spot of the main window (the device ID label) makes it the active one.
    void Focus(Window w)
    {
        desk->Click(At(w, "TfmMain", "lbShowIdNumber", true));
        ASSERT_TRUE(Until([&] { return desk->Active() == w; }));
    }
    // The screen point at the middle of a control of a form shown in `w`.
    QPoint At(Window w, const char *form, const char *control, bool menuBar = false) const
    {
        const QRect r = ControlRect(Form(form), QLatin1String(control));
        EXPECT_FALSE(r.isEmpty()) << control;
        return desk->ClientRect(w).topLeft() + QPoint(0, menuBar ? kMenuBarHeight : 0) + r.center();
    }
    // A dialog once it is shown and the window manager has made it the active window, so that keys
    // typed next reach it (as a user types once the dialog is in front); 0 if it does not come.
    Window Opened(const char *title, int ms = 10000)
    {
        const Window w = desk->WaitWindow(QString::fromUtf8(title), ms);
        if (w != 0 && !Until([&] { return desk->Active() == w; }))
            ADD_FAILURE() << title << " shown but never active";
        return w;
    }
    // A top-level entry of the main menu by keyboard: Alt, then Right `index` times, then Enter.
    void Menu(int index)
    {
        desk->Key("Alt_L");
        for (int i = 0; i < index; ++i)
            desk->Key("Right");
        desk->Key("Return");
    }
    // The window's frame has no maximise, no resize, and it stays above `owner`.
    void ExpectDialogFrame(Window w, Window owner, const char *what)
    {
        SCOPED_TRACE(what);
        const auto actions = desk->Atoms(w, "_NET_WM_ALLOWED_ACTIONS");
        for (const char *refused :
             {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
            EXPECT_EQ(std::count(actions.begin(), actions.end(), refused), 0) << refused;
        EXPECT_EQ(desk->Atoms(w, "_NET_WM_WINDOW_TYPE").front(), "_NET_WM_WINDOW_TYPE_DIALOG");
        EXPECT_EQ(desk->TransientFor(w), owner);
        const auto stack = desk->Stacking();
        EXPECT_GT(std::find(stack.begin(), stack.end(), w) - stack.begin(),
                  std::find(stack.begin(), stack.end(), owner) - stack.begin());
    }

    QTemporaryDir folder;
    std::unique_ptr<Desktop> desk;
    std::unique_ptr<ChildProcess> sim, editor;
    Window main = 0;
};

TEST_F(Editor, LockSetupSendsTheTypedPasswordAndUnlockingWithItWorks)
{
    StartConnected();
    Menu(3);  // Lock
    const Window lock = Opened("Lock Setting");
    ASSERT_NE(lock, 0u);
    ExpectDialogFrame(lock, main, "lock setup");
    desk->Type("ab12");
    desk->Key("Return");
    // The field makes the typed letters upper case and replaces the selected old text.
    ASSERT_TRUE(Until([&] { return !Received(*sim, "SET_LOCK").empty(); })) << sim->Output();
    EXPECT_EQ(Received(*sim, "SET_LOCK"), std::vector<std::string>{"41 42 31 32"});
    ASSERT_TRUE(Until([&] { return sim->Count("client closed") > 0; }));

    // Connect again: the processor is locked, the unlock dialog asks, the same password opens it.
    desk->Click(At(main, "TfmMain", "rzbMenuLink", true));
    const Window unlock = Opened("UnLock Setting", 20000);
    ASSERT_NE(unlock, 0u) << sim->Output();
    desk->Type("ab12");
    desk->Key("Return");
    ASSERT_TRUE(Until([&] { return !Received(*sim, "PASS_SUBMIT").empty(); })) << sim->Output();
    EXPECT_EQ(Received(*sim, "PASS_SUBMIT").back(), "00 41 42 31 32");
    EXPECT_TRUE(Until([&] { return desk->Find("UnLock Setting") == 0 && Received(*sim, "LEVELS").size() > 4; }, 20000))
        << sim->Output();
}

struct TypedName {
    const char *name;
    int menu;            // the main menu entry that opens the dialog (-1: the Store button)
    const char *dialog;  // its title
    const char *typed;
    const char *request;  // the request that carries the name
    const char *payload;  // what it carries
};

void PrintTo(const TypedName &c, std::ostream *os)
{
    *os << c.name;
}

const TypedName kTypedNames[] = {
    {.name = "channel name",
     .menu = 6,
     .dialog = "Channel Name",
     .typed = "Left",
     .request = "CHANNEL_NAME",
     .payload = "00 4C 65 66 74 00 00 00 00"},
    {.name = "preset name",
     .menu = -1,
     .dialog = "Name",
     .typed = "Main",
     .request = "PRESETNAME",
     .payload = "4D 61 69 6E 20 20 20 20 20 20 20 20 20 20"},
};

class TypedNames : public Editor, public ::testing::WithParamInterface<TypedName> {};

TEST_P(TypedNames, ATypedNameReplacesTheOldOne)
{
    const TypedName &c = GetParam();
    StartConnected();
    if (c.menu >= 0) {
        Menu(c.menu);
    } else {
        desk->Click(At(main, "TfmMain", "bStore", true));
        const Window list = desk->WaitWindow("Store Preset");
        ASSERT_NE(list, 0u);
        const QRect grid = ControlRect(Form("TfmStorePreset"), "vledPresetName");
        desk->Click(desk->ClientRect(list).topLeft() + grid.topLeft() + QPoint(100, 18 + 9));  // U01
    }
    const Window dialog = Opened(c.dialog);
    ASSERT_NE(dialog, 0u);
    desk->Type(c.typed);
    if (c.menu >= 0)
        desk->Click(At(dialog, "TfmChNameList", "btnOK"));
    else
        desk->Key("Return");
    ASSERT_TRUE(Until([&] { return !Received(*sim, c.request).empty(); })) << sim->Output();
    EXPECT_EQ(Received(*sim, c.request), std::vector<std::string>{c.payload});
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TypedNames, ::testing::ValuesIn(kTypedNames),
                         [](const auto &info) { return std::string(info.param.menu >= 0 ? "Channel" : "Preset"); });

TEST_F(Editor, ConnectSetOpensTheIdDialogAboveTheConnectDialogAndItTakesTheKeys)
{
    // No processor yet: the scan ends with nothing found and the Connect dialog waits.
    StartEditor();
    const Window connect = desk->WaitWindow("Connect");
    ASSERT_NE(connect, 0u);
    // Set answers once the scan has ended.
    const QPoint set = At(connect, "TfmNetwork", "btnId");
    Window setup = 0;
    Until(
        [&] {
            desk->Click(set);
            return (setup = desk->WaitWindow("Setting ID/IP", 1000)) != 0;
        },
        60000);
    ASSERT_NE(setup, 0u);
    ExpectDialogFrame(setup, connect, "ID and IP");
    EXPECT_TRUE(Until([&] { return desk->Active() == setup; }));
    EXPECT_EQ(desk->Stacking().back(), setup);

    // ID 7, typed; then the processor with that ID is found.
    desk->Click(At(setup, "TfmNetworkSetup", "edId"));
    desk->Key("End");
    desk->Key("BackSpace");
    desk->Type("7");
    desk->Click(At(setup, "TfmNetworkSetup", "bnSet"));
    ASSERT_TRUE(Until([&] { return desk->Find("Setting ID/IP") == 0; }));
    StartSimulator({"--id", "7"});
    desk->Click(At(connect, "TfmNetwork", "btnOK"));  // Rescan
    EXPECT_TRUE(Until([&] { return Received(*sim, "LEVELS").size() >= 2; }, 30000)) << sim->Output();
    EXPECT_NE(sim->Output().find("10 02 00 07"), std::string::npos) << "requests go to ID 7";
}

TEST_F(Editor, AnOpenSlopeListChoosesWithEnterAndSendsOneSlope)
{
    StartConnected();
    desk->Click(At(main, "TfmMain", "rzbMenuInA", true));
    desk->Click(At(main, "TfmMain", "rzbLowCutBypassInA", true));  // the high-pass in use: its slope counts
    ASSERT_TRUE(Until([&] { return !Received(*sim, "HIGH_PASS").empty(); })) << sim->Output();
    const QPoint slope = At(main, "TfmMain", "rzcLowCutSlopInA", true);
    const int popups = desk->Popups();
    desk->Click(slope + QPoint(30, 0));  // the drop-down button
    ASSERT_TRUE(Until([&] { return desk->Popups() > popups; })) << "the list opens";
    const std::size_t before = Received(*sim, "HIGH_PASS").size();
    desk->Key("Home");
    desk->Key("Down");
    desk->Key("Down");
    EXPECT_EQ(Received(*sim, "HIGH_PASS").size(), before) << "moving the highlight sends nothing";
    desk->Key("Return");
    ASSERT_TRUE(Until([&] { return Received(*sim, "HIGH_PASS").size() > before; })) << sim->Output();
    Until([] { return false; }, 500);
    const auto sent = Received(*sim, "HIGH_PASS");
    ASSERT_EQ(sent.size(), before + 1);
    // In A, frequency index 0, the third slope of the list (slope codes count from 1).
    EXPECT_EQ(sent.back(), "00 00 00 03");
}

TEST_F(Editor, TheExitQuestionStaysAboveTheMainWindowAndOkEndsTheProgram)
{
    StartConnected();
    desk->Key("F4", {"Alt_L"});
    const Window question = desk->WaitWindow("Information");
    ASSERT_NE(question, 0u);
    ExpectDialogFrame(question, main, "exit question");
    desk->Click(At(main, "TfmMain", "lbShowIdNumber", true));  // the main window is clicked
    Until([] { return false; }, 300);
    ExpectDialogFrame(question, main, "exit question after a click on the main window");
    desk->Click(At(question, "TfmExit", "btnOK"));
    EXPECT_TRUE(editor->WaitEnded(10000));
    EXPECT_EQ(editor->ExitStatus(), 0);
}

// The pixels of the In A curve (a flat line at 0 dB) in a column of the Gain page's input plot.
int CurveRows(const QImage &plot, int x)
{
    int n = 0;
    for (int y = 0; y < plot.height(); ++y)
        n += (plot.pixel(x, y) & 0xFFFFFF) == 0x800080;
    return n;
}

TEST_F(Editor, MaximisedAndRestoredThePlotsAreWhole)
{
    StartConnected();
    const QRect design = ControlRect(Form("TfmMain"), "fftDrawGainIn");
    auto plotRect = [&](int w, int h) {
        // The Gain page's input plot grows by half the extra width and the whole extra height.
        const QRect client = desk->ClientRect(main);
        return QRect(client.topLeft() + QPoint(0, kMenuBarHeight) + design.topLeft(),
                     QSize(design.width() + w / 2, design.height() + h));
    };
    const QRect normal = desk->ClientRect(main);
    const QImage before = desk->Grab(plotRect(0, 0));

    desk->Maximise(main, true);
    ASSERT_TRUE(Until([&] { return desk->ClientRect(main).width() > normal.width(); }));
    Until([] { return false; }, 1000);
    const QRect big = desk->ClientRect(main);
    const QImage maximised = desk->Grab(plotRect(big.width() - normal.width(), big.height() - normal.height()));
    for (int x = maximised.width() / 10; x < maximised.width() * 9 / 10; x += maximised.width() / 20)
        EXPECT_GE(CurveRows(maximised, x), 1) << "curve at column " << x << " of " << maximised.width();

    desk->Maximise(main, false);
    ASSERT_TRUE(Until([&] { return desk->ClientRect(main).size() == normal.size(); }));
    Until([] { return false; }, 1000);
    EXPECT_EQ(desk->Grab(plotRect(0, 0)), before) << "the plot as it was, with no scroll bars over it";
}

}  // namespace
}  // namespace desktop
