// The whole editor in process against a simulated processor that misbehaves: silent, slow,
// answering from another ID, with wrong checksums, with stray bytes before its replies, with its
// replies split into pieces, or dropping the link at each step of the full read and of each
// exchange. Every case ends in a defined state: either the exchange completes (the processor then
// holds what the editor's model holds), or the link is closed with no window left open but the
// scan dialog, which says that the link broke or that no device was found, the main window
// enabled and no partial file written. Then the processor behaves again and a reconnect works.

#include "DialogUser.h"

#include "dialogs/FCopy.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FProcess.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

namespace {

using namespace dialoguser;

// What a case may end in.
enum class Outcome { Fails, Completes, Either };

// One exchange a user starts: `start` queues the answers of the windows it opens, then `breaks`
// (the answer for the scan dialog a break shows), and starts it from the menu or a button; `offlineFirst` exchanges
// (the full read) start from the offline state; `closesLink` ones (the download) end with the link closed when they
// complete.
struct Exchange {
    const char *name;
    std::function<void(const QString &file, const std::function<void()> &breaks)> start;
    bool offlineFirst = false;
    bool closesLink = false;
    // More that a completed exchange has done (the upload's file is written after its end).
    std::function<bool(const QString &file)> done = [](const QString &) { return true; };
    // Queues the answer for a window that shows only after the exchange's end (the upload's save
    // dialog); none for the others.
    std::function<void(const QString &file)> afterEnd = nullptr;
};

struct Folder {
    QString path;
    QString File(const std::string &name) const { return path + '/' + QString::fromStdString(name); }
};

std::vector<Exchange> Exchanges(const Folder &folder)
{
    return {
        {.name = "read",
         .start =
             [](const QString &, const std::function<void()> &breaks) {
                 TestScript::ExpectModal(
                     "fmNetwork", [](TCustomForm &) {}, true, 60000);
                 breaks();
                 Press(MainControl("rzbMenuLink"), TPoint(20, 10));
             },
         .offlineFirst = true},
        {.name = "store",
         .start =
             [](const QString &, const std::function<void()> &breaks) {
                 TestScript::ExpectModal("fmStorePreset", [](TCustomForm &) {
                     bool select = true;
                     fmStorePreset->vledPresetNameSelectCell(fmStorePreset->vledPresetName, 1, 1, select);
                     Type(fmStoreName->edName, "Stored");
                     Press(fmStoreName->btnOK);
                 });
                 TestScript::ExpectModal(
                     "fmProcess", [](TCustomForm &) {}, true, 60000);
                 breaks();
                 Press(MainControl("bStore"));
             }},
        {.name = "recall",
         .start =
             [](const QString &, const std::function<void()> &breaks) {
                 TestScript::ExpectModal("fmRecallPreset", [](TCustomForm &) {
                     bool select = true;
                     fmRecallPreset->vledPresetNameSelectCell(fmRecallPreset->vledPresetName, 1, 2, select);
                     Press(fmStoreName->btnOK);
                 });
                 TestScript::ExpectModal(
                     "fmProcess", [](TCustomForm &) {}, true, 60000);
                 breaks();
                 Press(MainControl("bRecall"));
             }},
        {.name = "copy",
         .start =
             [](const QString &, const std::function<void()> &breaks) {
                 TestScript::ExpectModal("fmCopy", [](TCustomForm &) {
                     Choose(fmCopy->cbOutSource, 1);
                     Choose(fmCopy->cbOutDestination, 2);
                     Press(fmCopy->bnOutChCopy);
                     Press(fmCopy->bnExit);
                 });
                 breaks();
                 Entry("Copy")->Click();
             }},
        {.name = "open",
         .start =
             [folder](const QString &, const std::function<void()> &breaks) {
                 TestScript::ExpectOpenFile(folder.File("show.prs"));
                 TestScript::ExpectModal(
                     "fmProcess", [](TCustomForm &) {}, true, 60000);
                 breaks();
                 Entry("Open")->Click();
             }},
        {.name = "upload",
         .start =
             [](const QString &, const std::function<void()> &breaks) {
                 TestScript::ExpectModal(
                     "fmProcess", [](TCustomForm &) {}, true, 60000);
                 breaks();
                 Entry("Upload")->Click();
             },
         .done = [](const QString &file) { return QFileInfo::exists(file); },
         .afterEnd = [](const QString &file) { TestScript::ExpectSaveFile(file); }},
        {.name = "download",
         .start =
             [folder](const QString &, const std::function<void()> &breaks) {
                 TestScript::ExpectOpenFile(folder.File("all.unt"));
                 breaks();
                 Entry("Download")->Click();
             },
         .closesLink = true},
    };
}

struct FaultCase {
    std::string name;
    const Exchange *exchange;
    devsim::FaultSettings faults;
    Outcome outcome;
    // The processor behaves again once it has received this many frames of the exchange (0: the
    // fault lasts to the end).
    std::size_t faultyFrames = 0;
    // The test's clock follows the real one from the exchange's start to its end, so that replies
    // late in real time are as late for the editor's timers (otherwise it runs up to ten times as
    // fast).
    bool realTime = false;
};

// Advances the test's clock by the real time since the last call (the first call starts it).
class RealClock {
public:
    void Follow()
    {
        const auto now = std::chrono::steady_clock::now();
        if (!last_) {
            last_ = now;
            return;
        }
        const auto passed = std::chrono::duration_cast<std::chrono::milliseconds>(now - *last_);
        if (passed.count() <= 0)
            return;
        *last_ += passed;
        TManualClock::Advance(static_cast<unsigned>(passed.count()));
    }

private:
    std::optional<std::chrono::steady_clock::time_point> last_;
};

bool Failed()
{
    const QString state = fmNetwork->lblScan->Caption();
    return fmNetwork->Visible() && (state == "Link Broken" || state == "No Device found.") &&
           fmNetwork->btnOK->Enabled() && !fmMain->Session().HasTransport() && !fmProcess->Visible();
}

// The steps of one case: from connected and idle back to connected and idle.
void AddCase(EditorRun &run, Processor &processor, const FaultCase &c, const Folder &folder)
{
    const QString file = folder.File(c.name + ".unt");
    if (c.exchange->offlineFirst)
        Disconnect(run, c.name + ": offline");
    // An exchange that may fail waits out the guard, which gives the transport its whole resend
    // cycle and a reply wait more: the clock runs four times as fast for it as for a live
    // processor, 40 ms a round. A read starts with the scan, whose watchdogs keep 10 ms a round;
    // once the scan has found the processor, the read's clock runs as fast as an exchange's.
    const bool mayFail = c.outcome != Outcome::Completes && !c.realTime;
    const unsigned tickMs = c.realTime ? 0 : mayFail && !c.exchange->offlineFirst ? 40 : 10;
    const bool fasterAfterScan = mayFail && c.exchange->offlineFirst;
    // What every condition of the case does first: the clock, and the end of a passing fault.
    auto clock = std::make_shared<RealClock>();
    auto tick = [&processor, &c, clock, fasterAfterScan] {
        if (c.realTime)
            clock->Follow();
        if (fasterAfterScan && !fmNetwork->Visible() && fmMain->Session().HasTransport())
            TManualClock::Advance(30);
        if (c.faultyFrames > 0 && processor.sim.FrameLog().size() >= c.faultyFrames &&
            processor.sim.Faults() == c.faults)
            processor.NoFault();
    };
    run.Step(
        c.name,
        [&c] { return NoModalLoop() && (c.exchange->offlineFirst ? !fmMain->Session().HasTransport() : Idle()); },
        [&processor, &c, file] {
            processor.sim.ClearFrameLog();
            processor.Fault(c.faults);
            // Where the exchange breaks, the scan dialog is offered (again): its answer comes
            // after those of the exchange's own windows.
            c.exchange->start(file, [] {
                TestScript::ExpectModal(
                    "fmNetwork", [](TCustomForm &) {}, true, 60000);
            });
        });
    if (c.exchange->afterEnd) {
        run.Step(
            c.name + ": its end",
            [tick] {
                tick();
                return Failed() || (NoModalLoop() && fmMain->Session().IsConnected() &&
                                    fmMain->Session().GetSessionStep() == SessionStep::Idle &&
                                    !fmMain->Session().IsExchangeRunning() && !fmProcess->Visible());
            },
            [] {}, tickMs, 40000);
        // The clock holds still (the window after the end is due on a timer) until the link has
        // proved alive after the end, by the processor answering the request that closes the
        // exchange, or has failed: a link that broke on the last reply gets no such window. Once
        // the link has closed the clock runs again, so that the scan dialog comes to say why.
        run.Step(
            c.name + ": alive after its end",
            [&processor] {
                if (Failed())
                    return true;
                if (!fmMain->Session().HasTransport())
                    TManualClock::Advance(10);
                const std::vector<devsim::LoggedFrame> log = processor.sim.FrameLog();
                return std::any_of(log.begin(), log.end(), [](const devsim::LoggedFrame &frame) {
                    return frame.command == CMD_POLL && frame.answered;
                });
            },
            [&run, &c, file] {
                if (Failed())
                    return;
                run.Script().Reset();
                c.exchange->afterEnd(file);
                TestScript::ExpectModal(
                    "fmNetwork", [](TCustomForm &) {}, true, 60000);
            },
            0, 40000);
    }
    auto failed = std::make_shared<bool>(false);
    run.Step(
        c.name + ": ended",
        [&processor, &c, failed, file, tick,
         since = std::make_shared<std::optional<std::chrono::steady_clock::time_point>>()] {
            tick();
            *failed = Failed();
            const bool completed = c.exchange->closesLink
                                       ? NoModalLoop() && !fmMain->Session().HasTransport() && !fmNetwork->Visible()
                                       : Idle() && Difference(processor.State(), fmMain->Session().Model()).empty() &&
                                             c.exchange->done(file);
            const bool ended = *failed || (c.outcome != Outcome::Fails && completed);
            // What it looks like when it takes too long, for the failure report.
            if (!*since)
                *since = std::chrono::steady_clock::now();
            if (!ended && std::chrono::steady_clock::now() - **since > std::chrono::seconds(35)) {
                ADD_FAILURE() << c.name << ": scan \"" << fmNetwork->lblScan->Caption().toStdString() << "\", windows "
                              << VisibleWindows().join(' ').toStdString() << ", modal level "
                              << Application->ModalLevel() << ", transport " << fmMain->Session().HasTransport()
                              << ", connected " << fmMain->Session().IsConnected() << ", step "
                              << int(fmMain->Session().GetSessionStep()) << ", main enabled " << fmMain->Enabled();
                *since = std::chrono::steady_clock::now();
            }
            return ended;
        },
        [&run, &processor, &c, failed, file] {
            EXPECT_TRUE(fmMain->Enabled()) << c.name;
            if (c.outcome == Outcome::Completes) {
                EXPECT_FALSE(*failed) << c.name << ": " << fmNetwork->lblScan->Caption().toStdString();
            }
            processor.NoFault();
            // Answers for windows the exchange never reached (the scan dialog of a break).
            run.Script().Reset();
            if (!*failed)
                return;
            EXPECT_EQ(VisibleWindows(), QStringList{"fmNetwork"});
            EXPECT_FALSE(fmMain->Session().IsConnected());
            EXPECT_FALSE(QFileInfo::exists(file)) << "a partial unit file";
            Press(fmNetwork->btnOK);  // Rescan
        },
        tickMs, 40000);
    // Connected again: by the scan's Rescan after a failure, by the link button after a download.
    auto stayed = std::make_shared<bool>(false);
    run.Step(
        c.name + ": reconnect",
        [failed, &c] {
            return *failed || !c.exchange->closesLink || (NoModalLoop() && !fmMain->Session().HasTransport());
        },
        [failed, stayed, &c] {
            *stayed = !*failed && !c.exchange->closesLink;
            if (*failed || *stayed)
                return;
            TestScript::ExpectModal(
                "fmNetwork", [](TCustomForm &) {}, true, 60000);
            Press(MainControl("rzbMenuLink"), TPoint(20, 10));
        });
    ScanAndRead(run, c.name + " again", stayed, processor.over);
    InSync(run, processor, c.name);
}

// The processor's faults, each set through one field.
template <class T>
devsim::FaultSettings With(T devsim::FaultSettings::*field, T value)
{
    devsim::FaultSettings faults;
    faults.*field = value;
    return faults;
}
devsim::FaultSettings Split()
{
    devsim::FaultSettings faults = With(&devsim::FaultSettings::splitBytes, 3);
    faults.splitGapMs = 1;
    return faults;
}

// The editor connected to the processor, with preset U01 stored, a preset file and, when asked
// for, a unit file.
struct Prepared {
    explicit Prepared(bool withUnitFile, Over over = Over::Tcp) : processor(over, &run)
    {
        folder.path = QString::fromStdString(run.RuntimeFolder());
        ToleratePassingProgressWindow(run);
        processor.sim.WithProcessor([](devsim::Processor &p) {
            p.State().program = ShowProgram();
            p.State().presets[0] = ShowProgram();
            p.State().presets[0][devsim::kUsedMark] = 0xFF;  // as a store leaves it
            p.State().stored[0] = true;
        });
        const devsim::Image show = ShowProgram();
        QFile file(folder.File("show.prs"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(FileMagic.data(), 16) +
                   QByteArray(reinterpret_cast<const char *>(show.data()) + 2, PresetBodySize) + "\r\n");
        file.close();
        ConnectAtStart(run, over);
        InSync(run, processor, "the full read");
        if (!withUnitFile)
            return;
        run.Step("unit file", Idle, [this] {
            TestScript::ExpectModal(
                "fmProcess", [](TCustomForm &) {}, true, 60000);
            TestScript::ExpectSaveFile(folder.File("all.unt"));
            Entry("Upload")->Click();
        });
        run.Step(
            "unit file written", [this] { return Idle() && QFileInfo::exists(folder.File("all.unt")); }, [] {}, 10);
    }
    // TROV_FAULT_CASE=<part of a name> runs only the cases whose name holds it.
    void Run(const std::vector<FaultCase> &cases)
    {
        const char *only = std::getenv("TROV_FAULT_CASE");
        for (const FaultCase &c : cases)
            if (!only || c.name.find(only) != std::string::npos)
                AddCase(run, processor, c, folder);
        run.Close();
        EXPECT_EQ(run.Start(), 0);
    }
    EditorRun run;  // first: the processor's pseudo-terminal and HID device are the run's
    Processor processor;
    Folder folder;
};

TEST(ScenarioFaults, EveryKindOfFaultOnEveryExchangeEndsInADefinedState)
{
    Prepared p(true);
    const std::vector<Exchange> exchanges = Exchanges(p.folder);
    struct Kind {
        const char *name;
        devsim::FaultSettings faults;
        Outcome outcome;
    };
    const Kind kinds[] = {
        {"silent", With(&devsim::FaultSettings::silent, true), Outcome::Fails},
        // 1.5 s of real time is up to 15 s on the test's clock: the scan gives up first.
        {"slow", With(&devsim::FaultSettings::delayMs, 1500), Outcome::Fails},
        {"other ID", With(&devsim::FaultSettings::wrongSource, 9), Outcome::Fails},
        // The editor takes a reply with a wrong checksum byte as it is, as the processor's own software does.
        {"bad checksums", With(&devsim::FaultSettings::badChecksum, true), Outcome::Completes},
        {"garbage", With(&devsim::FaultSettings::garbageBytes, 7), Outcome::Completes},
        {"split frames", Split(), Outcome::Completes},
    };
    std::vector<FaultCase> cases;
    for (const Exchange &exchange : exchanges)
        for (const Kind &kind : kinds) {
            // Replies late during an exchange need the clock to run at the real speed: they have
            // a test of their own.
            if (kind.faults.delayMs > 0 && !exchange.offlineFirst)
                continue;
            cases.push_back({.name = std::string(kind.name) + " " + exchange.name,
                             .exchange = &exchange,
                             .faults = kind.faults,
                             .outcome = kind.outcome});
        }
    p.Run(cases);
}

TEST(ScenarioFaults, DroppingTheLinkAtEachStepEndsInADefinedState)
{
    Prepared p(true);  // the download needs the unit file
    const std::vector<Exchange> exchanges = Exchanges(p.folder);
    // The frames after which the processor drops the link, per exchange: each kind of request of
    // the exchange once (for the read: handshake, identity, lock, flags, current preset, first,
    // middle and last name, first, middle and last program block, the poll).
    const std::map<std::string, std::vector<int>> steps = {
        {"read", {0, 1, 2, 3, 4, 5, 20, 35, 36, 41, 46, 47}},
        {"store", {0, 1, 2}},
        {"recall", {0, 1, 6, 11, 12}},
        {"copy", {0, 1, 2, 10, 40}},
        {"open", {0, 3, 10}},
        // 12: the last block's reply is lost; 13: the link goes right after it.
        {"upload", {0, 1, 2, 8, 12, 13}},
        // After the reset, after the header, inside the record, after its last block.
        {"download", {1, 2, 8, 13}},
    };
    std::vector<FaultCase> cases;
    for (const Exchange &exchange : exchanges)
        for (const int after : steps.at(exchange.name))
            cases.push_back(
                {.name = std::string(exchange.name) + " dropped after " + std::to_string(after),
                 .exchange = &exchange,
                 .faults = With(&devsim::FaultSettings::dropAfterFrames, after),
                 // The read starts on a new link, and a frame still on its way over
                 // the old one may be the one the processor counts: the read may
                 // then complete. A download whose last block was answered before
                 // the link dropped has all it needs and closes the link itself.
                 .outcome = exchange.offlineFirst || (exchange.closesLink && after == steps.at(exchange.name).back())
                                ? Outcome::Either
                                : Outcome::Fails});
    p.Run(cases);
}

// The same faults over the serial and the HID link, on the full read and on a store: silent,
// stray bytes, split replies, the link dropped. A HID report carries one frame from its first
// byte: stray bytes or a piece of a frame in a report cannot be read, and the link fails.

TEST(ScenarioFaults, SerialAndHidLinksEndEveryFaultInADefinedState)
{
    for (const Over over : {Over::Pty, Over::Hid}) {
        Prepared p(false, over);
        const std::vector<Exchange> all = Exchanges(p.folder);
        struct Kind {
            const char *name;
            devsim::FaultSettings faults;
            Outcome read, store;
        };
        const Kind kinds[] = {
            {"silent", With(&devsim::FaultSettings::silent, true), Outcome::Fails, Outcome::Fails},
            {"garbage", With(&devsim::FaultSettings::garbageBytes, 7), Outcome::Completes, Outcome::Completes},
            {"split frames", Split(), Outcome::Completes, Outcome::Completes},
            // The read's link drops after the lock state, the store's after the name.
            {"dropped", With(&devsim::FaultSettings::dropAfterFrames, 3), Outcome::Either, Outcome::Fails},
        };
        std::vector<FaultCase> cases;
        for (const Exchange &exchange : all) {
            const std::string_view name = exchange.name;
            if (name != "read" && name != "store")
                continue;
            for (const Kind &kind : kinds) {
                devsim::FaultSettings faults = kind.faults;
                if (faults.dropAfterFrames >= 0 && name == "store")
                    faults.dropAfterFrames = 1;
                Outcome outcome = name == "read" ? kind.read : kind.store;
                if (over == Over::Hid && outcome == Outcome::Completes)
                    outcome = Outcome::Either;
                cases.push_back(
                    {.name = std::string(over == Over::Pty ? "serial " : "HID ") + kind.name + " " + exchange.name,
                     .exchange = &exchange,
                     .faults = faults,
                     .outcome = outcome});
            }
        }
        p.Run(cases);
    }
}

// Replies 1.5 s late, with the clock at the real speed: the first replies of each exchange come
// late (the reply waits of 1 s resend and take the late answers, the exchange guard waits), then
// the processor answers at once again (late replies all the way would take minutes for the full
// re-read of a copy or the settings of a preset file).
TEST(ScenarioFaults, RepliesLateByOneAndAHalfSecondsEndInADefinedState)
{
    Prepared p(true);
    const std::vector<Exchange> exchanges = Exchanges(p.folder);
    std::vector<FaultCase> cases;
    for (const Exchange &exchange : exchanges)
        if (!exchange.offlineFirst)
            cases.push_back({.name = std::string("late ") + exchange.name,
                             .exchange = &exchange,
                             .faults = With(&devsim::FaultSettings::delayMs, 1500),
                             .outcome = Outcome::Completes,
                             .faultyFrames = 4,
                             .realTime = true});
    p.Run(cases);
}

// Replies 2.5 s late over TCP and over the serial link, with the clock at the real speed: with a
// reply wait of 1 s the first request of the exchange is written three times before its answer
// comes, and the transport still takes that answer, so the exchange completes. The upload reads
// the processor, the preset file's settings go to it.
TEST(ScenarioFaults, RepliesLateByTwoAndAHalfSecondsOverTcpAndSerialComplete)
{
    for (const Over over : {Over::Tcp, Over::Pty}) {
        Prepared p(false, over);
        const std::vector<Exchange> exchanges = Exchanges(p.folder);
        std::vector<FaultCase> cases;
        for (const Exchange &exchange : exchanges) {
            const std::string_view name = exchange.name;
            if (name == "upload" || name == "open")
                cases.push_back(
                    {.name = std::string(over == Over::Tcp ? "TCP" : "serial") + " late by 2500 ms " + exchange.name,
                     .exchange = &exchange,
                     .faults = With(&devsim::FaultSettings::delayMs, 2500),
                     .outcome = Outcome::Completes,
                     .faultyFrames = 4,
                     .realTime = true});
        }
        p.Run(cases);
    }
}

// The link dialog's Set re-reads the whole program; an edit made while the blocks come back goes
// out behind the blocks already read, which hold the value from before it. The edit must stay:
// the processor and the model end equal, holding it.
TEST(ScenarioFaults, AnEditDuringTheLinkDialogsReReadIsKept)
{
    Prepared p(false);
    EditorRun &run = p.run;
    Processor &processor = p.processor;
    const std::size_t gainAt = devsim::ChannelOffset(0, &devsim::ChannelFields::gain);
    const int gainBlock = static_cast<int>(gainAt / ImageBlockSize);
    // Whether the processor was asked for program block `block` since the log was cleared.
    auto asked = [&processor](int block) {
        for (const devsim::LoggedFrame &frame : processor.sim.FrameLog())
            if (frame.command == CMD_READ_PROGRAM_BLOCK && !frame.payload.empty() && frame.payload[0] == block)
                return true;
        return false;
    };
    run.Step("link groups", Idle, [] {
        TestScript::ExpectModal(
            "fmLinkSel", [](TCustomForm &) {}, true);
        Entry("Link")->Click();
    });
    run.Step(
        "Out 2 joins Out 1", [] { return fmLinkSel->Visible(); },
        [&processor] {
            Press(fmLinkSel->rzb2LinkOut1);
            // Replies a little late, so that each block of the re-read is seen on its way.
            processor.sim.ClearFrameLog();
            processor.Fault(With(&devsim::FaultSettings::delayMs, 20));
            Press(fmLinkSel->bnSet);
        });
    auto edited = std::make_shared<int>(0);
    run.Step(
        "In A's gain edited during the re-read",
        [asked, gainBlock] { return asked(gainBlock + 1) && !asked(LastImageBlock); },
        [edited] {
            auto *slider = MainControl<TAdvTrackBar>("isGainBackupInA");
            ASSERT_NE(slider, nullptr);
            ASSERT_TRUE(slider->Visible());
            slider->SetFocus();
            TInputRouter::Key(slider->Position() < slider->Max() ? VK_UP : VK_DOWN);
            *edited = fmMain->Session().Model().GetGain(0);
        },
        0, 30000);
    run.Step(
        "re-read ended", [&asked] { return Idle() && asked(LastImageBlock); }, [&processor] { processor.NoFault(); }, 0,
        30000);
    InSync(run, processor, "an edit during the re-read", 10000);
    run.Step("the edit kept", Idle, [&processor, edited, gainAt] {
        EXPECT_NE(*edited, 200) << "the gain was not changed";
        EXPECT_EQ(devsim::Word(processor.State().program, gainAt), *edited);
        EXPECT_EQ(fmMain->Session().Model().GetGain(0), *edited);
    });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

}  // namespace
