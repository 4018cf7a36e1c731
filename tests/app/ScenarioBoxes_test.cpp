// The small windows of the editor used against the simulated processor: the factory default and the
// EQ reset confirmations (cancelled, then confirmed), the raw-traffic monitor fed by the real link,
// and the message list. After every change the processor's program and presets equal the model.

#include "DialogUser.h"

#include "dialogs/FFactory.h"
#include "dialogs/FHidData.h"
#include "dialogs/FInformation.h"
#include "dialogs/FMemo.h"
#include "dialogs/FPeqRst.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"

#include <QRegularExpression>

#include <cstring>
#include <memory>

namespace {

using namespace dialoguser;

// The show program, with preset U04 stored under a name of its own.
struct Connected {
    Connected()
    {
        processor.sim.WithProcessor([](devsim::Processor &p) {
            p.State().program = ShowProgram();
            p.State().presets[3] = ShowProgram();
            std::memcpy(p.State().presets[3].data() + devsim::kPresetName, "Stored four   ", devsim::kPresetNameSize);
            p.State().stored[3] = true;
        });
        ConnectAtStart(run);
        InSync(run, processor, "the full read");
    }
    void Finish()
    {
        run.Close();
        EXPECT_EQ(run.Start(), 0);
        EXPECT_EQ(TestScript::Pending(), 0);
    }
    Processor processor;
    EditorRun run;
};

TEST(ScenarioBoxes, ReturnsTheProcessorToItsFactoryDefaultOnlyWhenConfirmedAndConnected)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    ToleratePassingProgressWindow(run);
    run.Step("cancelled", Idle, [&processor] {
        processor.sim.ClearFrameLog();
        TestScript::ExpectModal("fmFactory", [](TCustomForm &) {
            EXPECT_EQ(fmFactory->lbMessage->Caption(), "Are you Sure to Return Factory Default?");
            Press(fmFactory->bnCancel);
        });
        Entry("FactoryDefault")->Click();
    });
    run.After("nothing sent", 300, [&processor] {
        for (const devsim::LoggedFrame &frame : processor.sim.FrameLog())
            EXPECT_NE(frame.command, CMD_FACTORY_RESET);
        EXPECT_EQ(processor.State().program, ShowProgram());
        EXPECT_TRUE(processor.State().stored[3]);
    });
    // OK: the processor resets, and the editor reads it all again.
    run.Step("confirmed", Idle, [] {
        TestScript::ExpectModal("fmFactory", [](TCustomForm &) { Press(fmFactory->btnOK); });
        Entry("FactoryDefault")->Click();
    });
    run.Step(
        "read again", [&processor] { return Idle() && processor.State().program == devsim::FactoryImage(); },
        [&processor] { EXPECT_FALSE(processor.State().stored[3]); }, 10, 30000);
    InSync(run, processor, "the factory reset", 5000, 10);
    run.Step("stored preset gone from the model", Idle,
             [] { EXPECT_FALSE(fmMain->Session().Model().IsPresetStored(3)); });

    // Offline the box is not offered: the message box says why.
    Disconnect(run);
    run.Step("offline", NoModalLoop, [&processor] {
        processor.sim.ClearFrameLog();
        TestScript::ExpectModal("fmInformation", [](TCustomForm &) {
            EXPECT_EQ(fmInformation->lbMessage->Caption(), "You Must Connect First !!");
            Press(fmInformation->btnOK);
        });
        Entry("FactoryDefault")->Click();
        EXPECT_FALSE(fmFactory->Visible());
        EXPECT_TRUE(processor.sim.FrameLog().empty());
    });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
    EXPECT_EQ(TestScript::Pending(), 0);
}

// The EQ reset button of the Out 3 page resets channel 4's bands to the factory ones and no other
// channel's; cancelled, it sends nothing.
TEST(ScenarioBoxes, ResetsTheEqualiserOfThePageItWasOpenedFrom)
{
    constexpr int Out3 = 4;
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    const auto bandsOf = [](const devsim::Image &image, int ch) {
        const auto *from = image.data() + devsim::BandOffset(ch, 0);
        return std::vector<std::uint8_t>(from, image.data() + devsim::BandOffset(ch, devsim::FieldsOf(ch).bandCount));
    };
    run.Step("Out 3 page", Idle, [] { Press(MainControl("rzbMenuOut3"), TPoint(20, 10)); });
    run.Step("cancelled", Idle, [&processor] {
        processor.sim.ClearFrameLog();
        TestScript::ExpectModal("fmPeqRst", [](TCustomForm &) {
            EXPECT_EQ(fmPeqRst->lbReset->Caption(), "Are you sure to RESET EQ ?");
            Press(fmPeqRst->btnCancel);
        });
        Press(MainControl("vrbEqResetOut3"));
    });
    run.After("nothing sent", 300, [&processor] {
        for (const devsim::LoggedFrame &frame : processor.sim.FrameLog())
            EXPECT_NE(frame.command, CMD_PEQ);
        EXPECT_EQ(processor.State().program, ShowProgram());
    });
    run.Step("confirmed", Idle, [] {
        TestScript::ExpectModal("fmPeqRst", [](TCustomForm &) { Press(fmPeqRst->btnOK); });
        Press(MainControl("vrbEqResetOut3"));
        EXPECT_FALSE(fmPeqRst->Visible());
    });
    InSync(run, processor, "the EQ reset");
    run.Step("only Out 3 reset", Idle, [&processor, bandsOf] {
        const devsim::Image program = processor.State().program;
        for (int ch = 0; ch < devsim::kChannelCount; ++ch) {
            SCOPED_TRACE(ch);
            EXPECT_EQ(bandsOf(program, ch), bandsOf(ch == Out3 ? devsim::FactoryImage() : ShowProgram(), ch));
        }
    });
    c.Finish();
}

// The traffic monitor logs the level poll's frames while it is shown, keeps its lines while hidden
// without adding any, and follows the newest line; the message list holds its one line until
// cleared.
TEST(ScenarioBoxes, LogsTheTrafficOnlyWhileTheMonitorShows)
{
    Connected c;
    EditorRun &run = c.run;
    auto kept = std::make_shared<int>(0);
    const auto lines = [] { return fmHidData->hbHidData->Count(); };
    run.Step("monitor", Idle, [] {
        Entry("HidData")->Click();
        EXPECT_TRUE(fmHidData->Visible());
        EXPECT_TRUE(fmMain->Enabled());
    });
    run.Step(
        "poll logged", [lines] { return lines() >= 6; },
        [lines] {
            const QRegularExpression frame(QStringLiteral("^NET [WR] (?:[0-9A-F]{2} )+$"));
            for (int i = 0; i < lines(); ++i)
                EXPECT_TRUE(frame.match(fmHidData->hbHidData->Items()->Get(i)).hasMatch())
                    << fmHidData->hbHidData->Items()->Get(i).toStdString();
            EXPECT_EQ(fmHidData->hbHidData->ItemIndex(), lines() - 1);
            fmHidData->Close();
        },
        10);
    run.Step("hidden", NoModalLoop, [kept, lines] { *kept = lines(); });
    run.After("polled while hidden", 2000, [kept, lines] {
        EXPECT_EQ(lines(), *kept);
        Entry("HidData")->Click();
        EXPECT_EQ(lines(), *kept);
    });
    run.Step(
        "logging again", [kept, lines] { return lines() > *kept; },
        [] {
            Press(fmHidData->bnClear);
            EXPECT_EQ(fmHidData->hbHidData->Count(), 0);
            fmHidData->Close();
        },
        10);
    run.Step("message list", Idle, [] {
        Entry("MemoShow")->Click();
        ASSERT_TRUE(fmMemo->Visible());
        EXPECT_EQ(fmMemo->Memo->Lines()->Count(), 1);
        EXPECT_EQ(fmMemo->Memo->Lines()->Get(0), "Memo");
        Press(fmMemo->bnClearMemo);
        EXPECT_EQ(fmMemo->Memo->Lines()->Count(), 0);
        fmMemo->Close();
    });
    InSync(run, c.processor, "the monitor");
    c.Finish();
}

}  // namespace
