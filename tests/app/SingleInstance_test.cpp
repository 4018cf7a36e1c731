// One editor per user, with the real program (trov316-editor, offscreen) as the other copy and a
// private runtime folder per test: a later start asks the running editor to come forward (restored
// when minimised) and ends with status 0 without showing a window; after the running editor was
// killed outright, a new start runs normally. The real program connects by itself, so the
// simulated processor listens on the processor's address before it starts: it never gets as far as
// the serial ports.

#include "ChildProcess.h"
#include "EditorRun.h"

#include "devsim/Simulator.h"
#include "platform/ui/Screen.h"
#include "widgets/graphics/SplashScreenWindow.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// The real program with the test's runtime folder, offscreen.
std::unique_ptr<ChildProcess> StartEditor(const std::string &runtimeFolder)
{
    static int started = 0;
    return std::make_unique<ChildProcess>(
        TROV_EDITOR_PROGRAM, std::vector<std::string>{},
        runtimeFolder + "/editor-" + std::to_string(++started) + ".log",
        std::vector<std::string>{"XDG_RUNTIME_DIR=" + runtimeFolder, "QT_QPA_PLATFORM=offscreen"});
}

// Counts the top-level windows that show while it exists, but for the splash screen, which shows
// while the main form is read, before the editor can know that another one runs.
class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->isWindow())
                if (!dynamic_cast<TSplashScreenWindow *>(FindControlOfWidget(widget)))
                    ++count;
        return false;
    }
};

class Processor {
public:
    Processor()
    {
        std::string error;
        EXPECT_TRUE(sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error)) << error;
        EXPECT_TRUE(sim.Start(&error)) << error;
    }
    devsim::Simulator sim;
};

TEST(SingleInstance, ALaterStartRestoresTheRunningEditorAndEndsWithoutAWindow)
{
    EditorRun run;
    std::unique_ptr<ChildProcess> second;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            fmMain->SetWindowState(wsMinimized);
            ASSERT_EQ(fmMain->WindowState(), wsMinimized);
            second = StartEditor(run.RuntimeFolder());
        });
    // The later start ends once this editor has answered; the clock holds still meanwhile.
    run.Step(
        "second ended", [&] { return second->Ended(); },
        [&] {
            EXPECT_EQ(second->ExitStatus(), 0);
            EXPECT_EQ(fmMain->WindowState(), wsNormal);
            EXPECT_FALSE(fmMain->Window()->isMinimized());
            EXPECT_EQ(Screen->ActiveCustomForm(), fmMain);
            // It asked nobody anything: no window of it ever came up.
            EXPECT_EQ(second->Output().find("offscreen:"), std::string::npos) << second->Output();
        },
        0, 30000);
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

TEST(SingleInstance, AStartWhileAnEditorRunsShowsNoWindowAndAfterAKillANewStartRuns)
{
    Processor processor;
    QTemporaryDir folder;
    const std::string runtime = folder.path().toStdString();
    std::unique_ptr<ChildProcess> running = StartEditor(runtime);
    // Up and running: it has connected to the processor.
    ASSERT_TRUE(processor.sim.WaitForFrames(1, 20000)) << running->Output();

    {
        EditorRun again(runtime);
        ShownWindows shown;
        EXPECT_EQ(again.Start(), 0);
        EXPECT_EQ(shown.count, 0);
        EXPECT_FALSE(running->Ended());
    }

    running->Signal(SIGKILL);
    ASSERT_TRUE(running->WaitEnded(10000));
    EditorRun next(runtime);
    std::unique_ptr<ChildProcess> later;
    next.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            // The new editor listens in the killed one's place: a later start reaches it.
            later = StartEditor(runtime);
        });
    next.Step(
        "later start ended", [&] { return later->Ended(); }, [&] { EXPECT_EQ(later->ExitStatus(), 0); }, 0, 30000);
    next.Close();
    EXPECT_EQ(next.Start(), 0);
}

}  // namespace
