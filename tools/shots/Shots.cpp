// trov316-shots OUT_DIR: pictures of every window of the editor, for a person to look at.
//
// The whole editor runs in process (WinMain) offscreen at 96 DPI against the simulated processor
// on the processor's default address 192.168.1.101:9761, holding a program of its own (gains,
// delays, crossovers, PEQ bands, compressors, routing, links, names and stored presets all away
// from the factory values, levels moving). Once the scan has found and read it, every page of the
// main window is rendered, then every dialog opened the way the menu, the buttons or the program
// open it; then the same in Chinese. The files go to OUT_DIR/english and OUT_DIR/chinese.
//
// It opens the editor's network link, so it runs only inside the private network namespace of
// scripts/isolated (tools/shots/shots does that). Nothing reaches a real USB or serial device: the
// HID layer is the test backend and the serial port table names no port.

#include "app/WinMain.h"
#include "devsim/ImageLayout.h"
#include "devsim/Simulator.h"
#include "dialogs/FAbout.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FCopy.h"
#include "dialogs/FExit.h"
#include "dialogs/FFactory.h"
#include "dialogs/FHidData.h"
#include "dialogs/FInformation.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FLockPassWord.h"
#include "dialogs/FLockSetup.h"
#include "dialogs/FMemo.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FPeqRst.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FRs232Code.h"
#include "dialogs/FRs232CodeEnglish.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "dialogs/FTest.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FNetWorkScan.h"
#include "platform/hid/TestBackend.h"
#include "platform/runtime/TimerService.h"
#include "platform/serial/PortTable.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "platform/ui/TestScript.h"
#include "platform/ui/ValueListEditor.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// What the user does, as steps: each waits for its condition (checked whenever a message loop runs
// out of work, the main loop or a modal one), then acts; until then the manual clock that drives
// every timer of the editor moves on by the step's tick. A step that does not come within its real-time
// limit ends the run as failed.
class Steps {
public:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;

    void Add(std::string name, Condition ready, Action act, unsigned tickMs = 10, int limitMs = 30000)
    {
        steps_.push_back({std::move(name), std::move(ready), std::move(act), tickMs, limitMs});
    }
    // Lets `ms` of the clock pass (the level poll goes on), then acts.
    void After(std::string name, unsigned ms, Action act)
    {
        auto start = std::make_shared<std::uint64_t>(0);
        auto started = std::make_shared<bool>(false);
        Add(
            std::move(name),
            [ms, start, started] {
                if (!*started) {
                    *started = true;
                    *start = TManualClock::Milliseconds();
                }
                return TManualClock::Milliseconds() >= *start + ms;
            },
            std::move(act));
    }
    void Idle()
    {
        if (next_ >= steps_.size() || Application->Terminated())
            return;
        Step &step = steps_[next_];
        const auto now = Clock::now();
        if (next_ != timed_) {
            timed_ = next_;
            since_ = now;
        }
        if (step.ready()) {
            ++next_;  // first: the action may run a nested loop that goes on with the next step
            step.act();
            return;
        }
        if (now - since_ > std::chrono::milliseconds(step.limitMs)) {
            std::fprintf(stderr, "shots: step \"%s\" did not come within %d ms\n", step.name.c_str(), step.limitMs);
            failed_ = true;
            next_ = steps_.size();
            if (fmNetwork && fmNetwork->Visible())
                std::fprintf(stderr, "shots: the scan says \"%s\"\n",
                             fmNetwork->lblScan->Caption().toLocal8Bit().constData());
            if (fmMain) {
                fmMain->SetCloseAllowed(1);
                fmMain->Close();
            }
            Application->Terminate();
            return;
        }
        // Replies and the transports' workers run in real time: each round gives them a moment, so
        // that the clock runs at most about ten times as fast as the real one.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (step.tickMs > 0)
            TManualClock::Advance(step.tickMs);
    }
    bool Complete() const { return !failed_ && next_ == steps_.size(); }
    void Fail(const std::string &why)
    {
        std::fprintf(stderr, "shots: %s\n", why.c_str());
        failed_ = true;
    }

private:
    struct Step {
        std::string name;
        Condition ready;
        Action act;
        unsigned tickMs;  // 0 holds the clock still (a step that waits for replies alone)
        int limitMs;
    };
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::size_t timed_ = static_cast<std::size_t>(-1);
    Clock::time_point since_;
    bool failed_ = false;
};

Steps steps;
QString outputFolder;  // the folder of the language being shot
std::vector<QString> written;

void Save(const QImage &image, const QString &name)
{
    const QString file = QDir(outputFolder).filePath(name + ".png");
    if (image.isNull() || !image.save(file, "PNG")) {
        steps.Fail("cannot render or write " + file.toStdString());
        return;
    }
    written.push_back(file);
}

// A window's client area, as it shows inside its frame.
void SaveWindow(TCustomForm &form, const QString &name)
{
    Save(RenderControlImage(&form).copy(0, 0, form.ClientWidth(), form.ClientHeight()), name);
}

void SaveMainWindow(const QString &name)
{
    SaveWindow(*fmMain, name);
}

bool NoModalLoop()
{
    return Application->ModalLevel() == 0;
}

TMenuItem *Entry(const char *name)
{
    return dynamic_cast<TMenuItem *>(fmMain->FindComponent(QString::fromLatin1(name)));
}

// A user's click on a control of the main window.
void ClickOn(const QString &name, TPoint at = TPoint(20, 10))
{
    auto *control = dynamic_cast<TControl *>(fmMain->FindComponent(name));
    if (!control || !control->Visible()) {
        steps.Fail("no visible control " + name.toStdString());
        return;
    }
    TInputRouter::Click(fmMain, fmMain->ScreenToClient(control->ClientToScreen(at)));
}

// ---- The processor's program ------------------------------------------------------------------------

void PutName(devsim::Image &img, std::size_t at, std::size_t size, const char *text)
{
    std::memset(img.data() + at, ' ', size);
    std::memcpy(img.data() + at, text, std::min(size, std::strlen(text)));
}

void PutBand(devsim::Image &img, int ch, int band, int gain, int freq, int q, int type)
{
    const std::size_t at = devsim::BandOffset(ch, band);
    devsim::SetWord(img, at, static_cast<std::uint16_t>(gain));
    devsim::SetWord(img, at + 2, static_cast<std::uint16_t>(freq));
    img[at + 4] = static_cast<std::uint8_t>(q);
    img[at + 5] = static_cast<std::uint8_t>(type);
}

void PutPass(devsim::Image &img, int ch, std::size_t devsim::ChannelFields::*which, int slope, int freq)
{
    const std::size_t at = devsim::ChannelOffset(ch, which);
    devsim::SetWord(img, at, static_cast<std::uint16_t>(slope));
    devsim::SetWord(img, at + 2, static_cast<std::uint16_t>(freq));
}

// A two-way system on four outputs: every setting away from its factory value somewhere.
devsim::Image ShowProgram(const char *presetName)
{
    using devsim::ChannelFields;
    devsim::Image img = devsim::FactoryImage();
    PutName(img, devsim::kPresetName, devsim::kPresetNameSize, presetName);
    const char *names[devsim::kChannelCount] = {"Left", "Right", "Low L", "High L", "Low R", "High R"};
    const int gains[devsim::kChannelCount] = {250, 230, 300, 240, 290, 250};
    const int delays[devsim::kChannelCount] = {0, 480, 3000, 120, 9600, 24000};
    for (int ch = 0; ch < devsim::kChannelCount; ++ch) {
        PutName(img, devsim::ChannelOffset(ch, &ChannelFields::name), devsim::kChannelNameSize, names[ch]);
        devsim::SetWord(img, devsim::ChannelOffset(ch, &ChannelFields::gain), static_cast<std::uint16_t>(gains[ch]));
        devsim::SetWord(img, devsim::ChannelOffset(ch, &ChannelFields::delay), static_cast<std::uint16_t>(delays[ch]));
    }
    devsim::SetWord(img, devsim::ChannelOffset(1, &ChannelFields::polarity), 1);
    devsim::SetWord(img, devsim::ChannelOffset(3, &ChannelFields::polarity), 1);
    // Inputs: a rumble filter and a few bands.
    for (int ch : {0, 1}) {
        PutPass(img, ch, &ChannelFields::highPass, 3, 20);
        PutBand(img, ch, 0, 165, 45, 20, 1);   // low shelf
        PutBand(img, ch, 2, 80, 110, 40, 0);   // a dip
        PutBand(img, ch, 5, 150, 220, 30, 0);  // presence
        PutBand(img, ch, 7, 95, 270, 35, 2);   // high shelf
    }
    // Outputs: lows and highs crossed over, each with its bands and compressor.
    for (int ch = 2; ch < devsim::kChannelCount; ++ch) {
        const bool low = (ch % 2) == 0;
        if (low) {
            PutPass(img, ch, &ChannelFields::highPass, 6, 25);
            PutPass(img, ch, &ChannelFields::lowPass, 12, 150);
            PutBand(img, ch, 1, 180, 60, 30, 0);
            PutBand(img, ch, 3, 70, 100, 50, 0);
        } else {
            PutPass(img, ch, &ChannelFields::highPass, 12, 150);
            PutPass(img, ch, &ChannelFields::lowPass, 4, 290);
            PutBand(img, ch, 5, 60, 190, 45, 0);
            PutBand(img, ch, 7, 170, 250, 25, 0);
        }
        const std::size_t comp = devsim::ChannelOffset(ch, &ChannelFields::comp);
        devsim::SetWord(img, comp, static_cast<std::uint16_t>(3 + ch));  // ratio
        devsim::SetWord(img, comp + 2, static_cast<std::uint16_t>(20 + 10 * ch));
        devsim::SetWord(img, comp + 4, static_cast<std::uint16_t>(100 + 40 * ch));
        devsim::SetWord(img, comp + 6, static_cast<std::uint16_t>(120 + 15 * ch));
        devsim::SetWord(img, devsim::ChannelOffset(ch, &ChannelFields::source), low ? 1 : 3);
    }
    // Out 3 linked to Out 1 (the head holds the group, the member none); Out 4 muted; one band of
    // In B bypassed; the delays in metres.
    devsim::SetWord(img, devsim::ChannelOffset(2, &ChannelFields::linkMask), 0b0101);
    devsim::SetWord(img, devsim::ChannelOffset(4, &ChannelFields::linkMask), 0);
    devsim::SetBit(img, devsim::kOutputMuteMask, 3, true);
    devsim::SetBit(img, devsim::BandBypassOffset(1), 5, true);
    devsim::SetWord(img, devsim::kDelayUnit, 1);
    return img;
}

void PrepareProcessor(devsim::Simulator &sim)
{
    sim.WithProcessor([](devsim::Processor &p) {
        devsim::ProcessorState &state = p.State();
        state.program = ShowProgram("Club Night");
        const char *presets[] = {"Club Night", "Speech", "Live Band", "Background"};
        for (int slot = 0; slot < 4; ++slot) {
            state.presets[static_cast<std::size_t>(slot)] = ShowProgram(presets[slot]);
            state.stored[static_cast<std::size_t>(slot)] = true;
        }
        state.currentPreset = 1;
        p.Levels().SetSignalDb(-6.0);
        p.Levels().SetNoiseDb(6.0);
    });
}

// ---- What is shot -------------------------------------------------------------------------------------

const char *const kPages[] = {"Gain", "Comp", "Delay", "Matrix", "InA", "InB", "Out1", "Out2", "Out3", "Out4"};

// The next modal window `form` is rendered as `name` once shown, then cancelled.
void ShootModal(const char *form, const QString &name, std::function<void(TCustomForm &)> then = {})
{
    TestScript::ExpectModal(QString::fromLatin1(form), [name, then](TCustomForm &shown) {
        SaveWindow(shown, name);
        if (then)
            then(shown);
        else
            shown.SetModalResult(mrCancel);
    });
}

// A dialog the user opens: `open` brings it up modally; it is shot and cancelled.
void Dialog(const char *form, std::function<void()> open)
{
    steps.Add(std::string("dialog ") + form, NoModalLoop, [form, open] {
        ShootModal(form, QStringLiteral("dialog_%1").arg(QLatin1String(form)));
        open();
    });
}

// A window shown without a modal loop: shot after a moment, then closed.
void Window(const char *form, std::function<TCustomForm *()> open)
{
    auto shown = std::make_shared<TCustomForm *>(nullptr);
    steps.Add(std::string("window ") + form, NoModalLoop, [shown, open] { *shown = open(); });
    steps.After(std::string("shoot ") + form, 200, [form, shown] {
        if (!*shown || !(*shown)->Visible()) {
            steps.Fail(std::string(form) + " did not show");
            return;
        }
        SaveWindow(**shown, QStringLiteral("dialog_%1").arg(QLatin1String(form)));
        (*shown)->Close();
    });
}

// The scan dialog that shows next is shot while it tries the network.
void ShootScan()
{
    TestScript::ExpectModal(
        "fmNetwork", [](TCustomForm &shown) { SaveWindow(shown, QStringLiteral("dialog_fmNetwork")); }, true, 30000);
}

// The scan finds the processor on the network and reads it. The clock holds still while the
// socket connects and while the processor is read, as the real one would barely move meanwhile.
void ScanAndRead(const std::string &name)
{
    steps.Add(
        name + ": scan shown", [] { return fmNetwork && fmNetwork->Visible(); }, [] {});
    steps.Add(
        name + ": socket connected", [] { return fmMain->Session().ClientSocket().Connected(); }, [] {}, 0);
    steps.Add(
        name + ": network attempt", [] { return fmMain->Session().NetTransport() != nullptr; }, [] {});
    steps.Add(
        name + ": read", [] { return fmMain->Session().IsConnected() && fmMain->rzbMenuLink->Enabled(); }, [] {}, 0);
    steps.Add(
        name + ": scan closed", [] { return !fmNetwork->Visible() && NoModalLoop(); }, [] {});
}

void ShootLanguage(const QString &folder, const char *languageEntry, bool english)
{
    steps.Add(std::string("language ") + languageEntry, NoModalLoop, [folder, languageEntry] {
        outputFolder = folder;
        QDir().mkpath(folder);
        Entry(languageEntry)->Click();
    });
    if (!english) {
        // The scan dialog in this language: the link closed and opened again by the link button.
        steps.Add("disconnect", NoModalLoop, [] { ClickOn("rzbMenuLink"); });
        steps.Add(
            "disconnected", [] { return NoModalLoop() && !fmMain->Session().HasTransport(); },
            [] {
                ShootScan();
                ClickOn("rzbMenuLink");
            });
        ScanAndRead("reconnect");
    }
    for (const char *page : kPages) {
        const QString name = QString::fromLatin1(page);
        steps.Add(std::string("page ") + page, NoModalLoop, [name] { ClickOn("rzbMenu" + name); });
        // A few level polls, so that the meters show levels.
        steps.After(std::string("shoot page ") + page, 700, [name] { SaveMainWindow("main_" + name); });
    }
    // The In A page again with the focus in its high-pass slope box.
    steps.Add("page InA focused", NoModalLoop, [] {
        ClickOn("rzbMenuInA");
        if (auto *slope = dynamic_cast<TWinControl *>(fmMain->FindComponent("rzcLowCutSlopInA")))
            slope->SetFocus();
    });
    steps.After("shoot page InA focused", 200, [] { SaveMainWindow("main_InA_focused"); });
    steps.Add("back to Gain", NoModalLoop, [] { ClickOn("rzbMenuGain"); });

    Dialog("fmExit", [] { Entry("Exit")->Click(); });
    Dialog("fmLinkSel", [] { Entry("Link")->Click(); });
    Dialog("fmCopy", [] { Entry("Copy")->Click(); });
    Dialog("fmLockSetup", [] { Entry("Lock")->Click(); });
    Dialog("fmNetworkSetup", [] { Entry("NetworkSetup")->Click(); });
    Dialog("fmTest", [] { Entry("TestTone")->Click(); });
    Dialog("fmChNameList", [] { Entry("ChNameList")->Click(); });
    Dialog(english ? "fmRs232CodeEnglish" : "fmRs232Code", [] { Entry("Rs232Code")->Click(); });
    Dialog("fmAbout", [] { Entry("About")->Click(); });
    Dialog("fmFactory", [] { Entry("FactoryDefault")->Click(); });
    Dialog("fmRecallPreset", [] { fmMain->bRecall->Click(); });
    Dialog("fmInformation", [] { fmMain->ShowInformation(fmMain->GetLangText("SID_INFO_CON_FIRST")); });
    Dialog("fmLockPassWord", [] { fmMain->ShowUnlockDialog(); });
    Dialog("fmChannelName", [] {
        fmChannelName->SetChannel(3);
        fmChannelName->SetNameText("High L");
        TfmMain::ShowDialogModal(fmChannelName);
    });
    steps.Add("page InA", NoModalLoop, [] { ClickOn("rzbMenuInA"); });
    Dialog("fmPeqRst", [] { ClickOn("vrbEqResetInA", TPoint(10, 8)); });
    steps.Add("page Gain", NoModalLoop, [] { ClickOn("rzbMenuGain"); });
    // Store: the preset list, the name box over it, then the progress while the processor stores.
    steps.Add("dialog fmStorePreset", NoModalLoop, [] {
        ShootModal("fmStorePreset", QStringLiteral("dialog_fmStorePreset"), [](TCustomForm &) {
            bool select = true;
            fmStorePreset->vledPresetNameSelectCell(fmStorePreset->vledPresetName, 1, 6, select);
            if (!fmStoreName->Visible()) {
                steps.Fail("the preset name box did not show");
                fmStorePreset->SetModalResult(mrCancel);
                return;
            }
            SaveWindow(*fmStoreName, QStringLiteral("dialog_fmStoreName"));
            fmStoreName->edName->SetText("Late Set");
            fmStoreName->btnOK->Click();
        });
        TestScript::ExpectModal(
            "fmProcess", [](TCustomForm &shown) { SaveWindow(shown, QStringLiteral("dialog_fmProcess")); }, true,
            30000);
        fmMain->bStore->Click();
    });
    Window("fmMemo", [] {
        Entry("MemoShow")->Click();
        return static_cast<TCustomForm *>(fmMemo);
    });
    Window("fmHidData", [] {
        Entry("HidData")->Click();
        return static_cast<TCustomForm *>(fmHidData);
    });
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: trov316-shots OUT_DIR   (run it through tools/shots/shots)\n");
        return 2;
    }
    const char *isolated = std::getenv("TROV_ISOLATED");
    if (!isolated || std::strcmp(isolated, "1") != 0) {
        std::fprintf(stderr, "trov316-shots: it opens the editor's network link; run it inside scripts/isolated\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();

    // Offscreen at 96 DPI, with folders of its own for settings and the single-instance files.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "trov316-shots: no temporary folder\n");
        return 1;
    }
    const QByteArray homePath = home.path().toLocal8Bit();
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        ::setenv(variable, homePath.constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("QT_FONT_DPI", "96", 1);
    auto backend = hid::TestBackend::Install();
    serial::PortTable ports(home.filePath("no-tty-class").toStdString(), home.filePath("no-dev").toStdString());
    serial::PortTable::Install(&ports);

    devsim::Simulator sim;
    PrepareProcessor(sim);
    std::string error;
    if (!sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error) || !sim.Start(&error)) {
        std::fprintf(stderr, "trov316-shots: the simulated processor does not start: %s\n", error.c_str());
        return 1;
    }

    TManualClockScope clock;
    TScriptSession script;
    script.SetFailureHandler([](const std::string &failure) { steps.Fail(failure); });
    outputFolder = QDir(out).filePath(QStringLiteral("english"));
    QDir().mkpath(outputFolder);
    // The scan starts by itself and tries the network.
    ShootScan();
    ScanAndRead("start");
    ShootLanguage(QDir(out).filePath(QStringLiteral("english")), "English", true);
    ShootLanguage(QDir(out).filePath(QStringLiteral("chinese")), "ChineseSimplified", false);
    steps.Add("close", NoModalLoop, [] {
        fmMain->SetCloseAllowed(1);
        fmMain->Close();
    });

    Application->SetIdleHook([](int) { steps.Idle(); });
    WinMain();
    Application->SetIdleHook(nullptr);
    sim.Stop();
    serial::PortTable::Install(nullptr);

    for (const QString &file : written)
        std::printf("%s\n", file.toLocal8Bit().constData());
    if (!steps.Complete()) {
        std::fprintf(stderr, "trov316-shots: incomplete, %zu pictures written\n", written.size());
        return 1;
    }
    return 0;
}
