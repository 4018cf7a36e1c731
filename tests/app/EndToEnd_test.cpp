// The whole editor in process against the simulated processor on the processor's default address
// (the test runs inside the private network namespace): the scan starts by itself, tries the
// network and reads the processor; then a user stores a preset, opens a preset file and quits.
// The same start against a processor that stays silent, names another model or drops the link in
// the middle of the read ends in the scan dialog's link-broken or no-device state.

#include "EditorRun.h"
#include "mainwindow/QStringPrinter.h"

#include "devsim/ImageLayout.h"
#include "devsim/Simulator.h"
#include "dialogs/FExit.h"
#include "dialogs/FInformation.h"
#include "dialogs/FProcess.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "dialogs/FTest.h"
#include "mainwindow/FNetWorkScan.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ValueListEditor.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QFile>

#include <functional>
#include <mutex>

namespace {

constexpr const char *ConnectedCaption = "TROV316 DSP Processor Editor V1.1    Connected Port => IP : 192.168.1.101";

// The simulated processor on 192.168.1.101:9761, with its event lines kept.
class Processor {
public:
    Processor()
    {
        sim.SetTrace([this](const std::string &line) {
            std::lock_guard lock(mutex_);
            lines_.push_back(line);
        });
        std::string error;
        EXPECT_TRUE(sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error)) << error;
        EXPECT_TRUE(sim.Start(&error)) << error;
    }
    bool Traced(const std::string &part) const
    {
        std::lock_guard lock(mutex_);
        return std::any_of(lines_.begin(), lines_.end(),
                           [&](const std::string &line) { return line.find(part) != std::string::npos; });
    }
    devsim::ProcessorState State()
    {
        return sim.WithProcessor([](devsim::Processor &p) { return p.State(); });
    }

    devsim::Simulator sim;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

TMenuItem *Entry(const char *name)
{
    return dynamic_cast<TMenuItem *>(fmMain->FindComponent(QString::fromLatin1(name)));
}

QString CaptionOf(const char *name)
{
    return GetStrProp(fmMain->FindComponent(QString::fromLatin1(name)), QStringLiteral("Caption"));
}

// A user's click on a control of the main window, at a point of the control.
void ClickOn(const char *name, TPoint at)
{
    auto *control = dynamic_cast<TControl *>(fmMain->FindComponent(QString::fromLatin1(name)));
    ASSERT_NE(control, nullptr) << name;
    ASSERT_TRUE(control->Visible()) << name;
    TInputRouter::Click(fmMain, fmMain->ScreenToClient(control->ClientToScreen(at)));
}

// A program of its own for the preset file: the processor's factory program renamed, with a few
// settings changed.
QByteArray PresetBody()
{
    devsim::Image image = devsim::FactoryImage();
    std::memcpy(image.data() + devsim::kPresetName, "From a file   ", devsim::kPresetNameSize);
    devsim::SetWord(image, devsim::ChannelOffset(2, &devsim::ChannelFields::gain), 250);
    devsim::SetWord(image, devsim::BandOffset(4, 2), 150);
    return QByteArray(reinterpret_cast<const char *>(image.data()) + 2, 526);
}

// The scan starts 300 ms after start and tries the network: the socket connects, then the attempt.
void ScanToTheNetwork(EditorRun &run)
{
    auto shownAt = std::make_shared<std::uint64_t>(0);
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); }, [shownAt] { *shownAt = TManualClock::Milliseconds(); });
    run.Step(
        "scan shown", [] { return fmNetwork->Visible(); },
        [shownAt] { EXPECT_EQ(TManualClock::Milliseconds() - *shownAt, 300u); }, 10);
    // The clock waits for the socket, as the real one would in the 100 ms before the attempt.
    run.Step(
        "socket connected", [] { return fmMain->Session().ClientSocket().Connected(); }, [] {});
    run.Step(
        "network attempt", [] { return fmMain->Session().NetTransport() != nullptr; },
        [] { EXPECT_EQ(fmNetwork->lblScan->Caption(), "Connecting IP:192.168.1.101"); }, 10);
}

TEST(EditorEndToEnd, ConnectsReadsStoresOpensAPresetFileAndQuits)
{
    Processor processor;
    EditorRun run;
    const QString presetFile = QString::fromStdString(run.RuntimeFolder()) + "/show.prs";
    const QByteArray body = PresetBody();
    {
        QFile file(presetFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(FileMagic.data(), 16) + body + "\r\n");
    }
    TestScript::ExpectModal(
        "fmNetwork", [](TCustomForm &) {}, true, 30000);
    ScanToTheNetwork(run);
    // The read runs on replies alone: the clock holds still until it ends.
    run.Step(
        "read",
        [&] {
            return fmMain->Session().IsConnected() && fmMain->rzbMenuLink->Enabled() &&
                   processor.sim.FrameLog().size() >= FullRead().size();
        },
        [&] {
            const auto log = processor.sim.FrameLog();
            ASSERT_EQ(log.size(), FullRead().size());
            ExpectFullReadFirst(log);
            EXPECT_EQ(fmMain->Caption(), ConnectedCaption);
            EXPECT_EQ(CaptionOf("rzbMenuLink"), "OnLine");
            EXPECT_TRUE(fmMain->rzbMenuLink->Down());
            EXPECT_EQ(CaptionOf("Connect"), "Disconnect");
            EXPECT_EQ(CaptionOf("Connected"), "Connect");
            // The language switch while online.
            Entry("ChineseSimplified")->Click();
            EXPECT_EQ(CaptionOf("rzbMenuLink"), "已连机");
            EXPECT_EQ(CaptionOf("Connected"), "断开机器");
            Entry("English")->Click();
            EXPECT_EQ(CaptionOf("rzbMenuLink"), "OnLine");
            EXPECT_EQ(CaptionOf("Connected"), "Disconnect");
        });
    run.Step(
        "scan closed", [] { return !fmNetwork->Visible() && NoModalLoop(); }, [] {}, 10);

    // The test tone: the menu opens the signal dialog; choosing "1KHz" with the arrow keys sends
    // the sine at once.
    run.Step("test tone", NoModalLoop, [] {
        TestScript::ExpectModal("fmTest", [](TCustomForm &) {
            const int tone = fmTest->cbSineFreq->Items()->IndexOf("1KHz");
            ASSERT_GT(tone, 0);
            fmTest->cbSineFreq->SetItemIndex(tone - 1);
            fmTest->cbSineFreq->SetFocus();
            TInputRouter::Key(VK_DOWN);
            fmTest->bnExit->Click();
        });
        Entry("TestTone")->Click();
    });
    run.Step(
        "tone on", [&] { return NoModalLoop() && devsim::Word(processor.State().program, devsim::kSignalMode) == 3; },
        [&] {
            EXPECT_EQ(devsim::Word(processor.State().program, devsim::kSineFreqIndex), 17);
            EXPECT_FALSE(fmTest->Visible());
        });

    // The Out 2 page by its button, then a click on its gain slider's track above the thumb: the
    // gain command (code 52) for channel 3 reaches the processor, whose image then holds what the
    // editor's model holds.
    const std::size_t out2Gain = devsim::ChannelOffset(3, &devsim::ChannelFields::gain);
    const auto gainBefore = std::make_shared<int>(0);
    run.Step("Out 2 page", NoModalLoop, [&, gainBefore] {
        *gainBefore = devsim::Word(processor.State().program, out2Gain);
        processor.sim.ClearFrameLog();
        ClickOn("rzbMenuOut2", TPoint(20, 10));
        EXPECT_EQ(fmMain->Pages().GetCurrentPage(), 3);
        auto *parameters = dynamic_cast<TControl *>(fmMain->FindComponent("rzgParamOut2"));
        ASSERT_NE(parameters, nullptr);
        EXPECT_TRUE(parameters->Visible());
        auto *slider = dynamic_cast<TAdvTrackBar *>(fmMain->FindComponent("isGainOut2"));
        ASSERT_NE(slider, nullptr);
        const int before = slider->Position();
        ClickOn("isGainOut2", TPoint(slider->Width() / 2, 4));
        EXPECT_NE(slider->Position(), before);
    });
    run.Step(
        "Out 2 gain sent", [&, gainBefore] { return devsim::Word(processor.State().program, out2Gain) != *gainBefore; },
        [&] {
            const auto log = processor.sim.FrameLog();
            ASSERT_FALSE(log.empty());
            EXPECT_EQ(log.back().command, CMD_GAIN);
            ASSERT_GE(log.back().payload.size(), 3u);
            EXPECT_EQ(log.back().payload[0], 3);
            EXPECT_EQ(devsim::Word(processor.State().program, out2Gain),
                      static_cast<std::uint16_t>(fmMain->Session().Model().GetGain(3)));
        });

    // Store the program as "Main" in U05: the list, the name dialog, the progress until the
    // processor has stored it.
    run.Step("store", NoModalLoop, [] {
        TestScript::ExpectModal("fmStorePreset", [](TCustomForm &) {
            bool select = true;
            fmStorePreset->vledPresetNameSelectCell(fmStorePreset->vledPresetName, 1, 5, select);
            ASSERT_TRUE(fmStoreName->Visible());
            fmStoreName->edName->SetText("Main");
            fmStoreName->btnOK->Click();
        });
        TestScript::ExpectModal(
            "fmProcess", [](TCustomForm &) {}, true);
        fmMain->bStore->Click();
    });
    run.Step(
        "stored", [&] { return NoModalLoop() && processor.State().stored[4]; },
        [&] {
            const devsim::ProcessorState state = processor.State();
            EXPECT_EQ(std::string(reinterpret_cast<const char *>(state.presets[4].data()) + devsim::kPresetName,
                                  devsim::kPresetNameSize),
                      "Main          ");
            EXPECT_EQ(CaptionOf("lbPstNum"), "U05");
            EXPECT_FALSE(fmProcess->Visible());
        });

    // Open a preset file: the program goes to the processor; the progress shows until the next
    // level reply.
    run.Step("open", NoModalLoop, [&] {
        TestScript::ExpectOpenFile(presetFile);
        TestScript::ExpectModal(
            "fmProcess", [](TCustomForm &) {}, true);
        Entry("Open")->Click();
    });
    run.Step(
        "opened", [] { return NoModalLoop() && !fmProcess->Visible(); },
        [&] {
            const devsim::Image program = processor.State().program;
            EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(program.data()) + 2, 526), body);
        },
        10);

    // File/Exit, OK: the link closes before the window goes.
    run.Step("exit", NoModalLoop, [] {
        TestScript::ExpectModal(
            "fmExit", [](TCustomForm &) { fmExit->btnOK->Click(); }, true);
        Entry("Exit")->Click();
        EXPECT_FALSE(fmMain->Session().HasTransport());
        EXPECT_FALSE(fmMain->Session().ClientSocket().Active());
    });
    EXPECT_EQ(run.Start(), 0);
    EXPECT_TRUE(PumpUntil([&] { return processor.Traced("client closed"); }));
    EXPECT_TRUE(run.Script().Failures().empty());
}

struct FailureCase {
    const char *name;
    // Makes the processor fail.
    std::function<void(devsim::Simulator &)> fail;
    // The windows that open on the way, after the scan dialog.
    std::vector<const char *> windows;
    // The clock holds still until the link is closed: the failure shows while the scan dialog
    // (which closes 100 ms after the identity) is still open, before the progress window shows.
    bool holdUntilClosed = false;
};

// Every visible window that is not the main window.
QStringList VisibleWindows()
{
    QStringList out;
    for (int i = 0; i < Screen->CustomFormCount(); ++i)
        if (Screen->CustomForms(i) != fmMain && Screen->CustomForms(i)->Visible())
            out << Screen->CustomForms(i)->Name();
    return out;
}

TEST(EditorEndToEnd, AProcessorThatFailsLeavesTheScanInItsLinkBrokenOrNoDeviceState)
{
    const auto faults = [](int silentAfter, int dropAfter) {
        return [=](devsim::Simulator &sim) {
            devsim::FaultSettings settings;
            settings.silentAfterFrames = silentAfter;
            settings.dropAfterFrames = dropAfter;
            sim.SetFaults(settings);
        };
    };
    const FailureCase cases[] = {
        {.name = "silent", .fail = faults(0, -1), .windows = {}},
        {.name = "wrong identity",
         .fail =
             [](devsim::Simulator &sim) {
                 sim.WithProcessor([](devsim::Processor &p) { p.State().identity = "VELMTROV999 V011"; });
             },
         .windows = {"fmInformation"}},
        {.name = "dropped in the read", .fail = faults(-1, 10), .windows = {}, .holdUntilClosed = true},
    };
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.name);
        Processor processor;
        c.fail(processor.sim);
        EditorRun run;
        TestScript::ExpectModal(
            "fmNetwork", [](TCustomForm &) {}, true, 30000);
        for (const char *window : c.windows) {
            if (QLatin1String(window) == QLatin1String("fmInformation"))
                TestScript::ExpectModal(window, [](TCustomForm &) {
                    EXPECT_EQ(fmInformation->lbMessage->Caption(), "Unit's Type Error !!");
                    EXPECT_FALSE(fmNetwork->Visible());
                    fmInformation->btnOK->Click();
                });
            else
                TestScript::ExpectModal(
                    window, [](TCustomForm &) {}, true, 30000);
        }
        ScanToTheNetwork(run);
        if (c.holdUntilClosed)
            run.Step(
                "link closed", [] { return !fmMain->Session().HasTransport(); }, [] {}, 0, 30000);
        run.Step(
            "ended",
            [] {
                const QString state = fmNetwork->lblScan->Caption();
                return (state == "Link Broken" || state == "No Device found.") && fmNetwork->btnOK->Enabled() &&
                       !fmMain->Session().HasTransport() && !fmInformation->Visible();
            },
            [] {
                EXPECT_FALSE(fmMain->Session().IsConnected());
                EXPECT_EQ(fmMain->Caption(), "TROV316 DSP Processor Editor V1.1");
                const QStringList windows = VisibleWindows();
                EXPECT_TRUE(windows.isEmpty() || windows == QStringList{"fmNetwork"})
                    << windows.join(' ').toStdString();
                if (fmNetwork->Visible())
                    fmNetwork->btnExit->Click();  // Demo
            },
            10, 30000);
        run.Close();
        EXPECT_EQ(run.Start(), 0);
    }
}

}  // namespace
