// The test-tone dialog against the simulated processor over USB: offline a choice is only shown;
// connected, the processor's program takes the signal mode and the sine index.

#include "SessionDialogHost.h"
#include "dialogs/FTest.h"
#include "mainwindow/SessionFixture.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/RadioButton.h"

#include <utility>

namespace {

class TestToneSessionTest : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        host = std::make_unique<SessionDialogHost>(*session);
        SetDialogHost(host.get());
        fmTest = new TfmTest(nullptr);
        fmTest->Show();
    }
    void TearDown() override
    {
        delete fmTest;
        fmTest = nullptr;
        SetDialogHost(nullptr);
        SessionTest::TearDown();
    }

    // The user chooses a frequency with the arrow keys.
    void ChooseFrequency(int index)
    {
        fmTest->cbSineFreq->SetItemIndex(index - 1);
        fmTest->cbSineFreq->SetFocus();
        TInputRouter::Key(VK_DOWN);
    }
    // Signal mode and sine index in the processor's program.
    std::pair<int, int> ProcessorSignal()
    {
        return sim.WithProcessor([](devsim::Processor &p) {
            return std::pair<int, int>(p.State().program[devsim::kSignalMode],
                                       p.State().program[devsim::kSineFreqIndex]);
        });
    }

    std::unique_ptr<SessionDialogHost> host;
};

TEST_F(TestToneSessionTest, OfflineTheChoiceIsShownAndConnectedItReachesTheProcessor)
{
    ChooseFrequency(17);
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_EQ(fmTest->cbSineFreq->Text(), "1KHz");
    EXPECT_EQ(ProcessorSignal(), std::make_pair(0, 0));

    ConnectAndRead();
    sim.ClearFrameLog();
    fmTest->rbWhiteNoise->SetChecked(true);
    ASSERT_TRUE(PumpUntil([&] { return ProcessorSignal() == std::make_pair(2, 17); }));

    ChooseFrequency(25);
    ASSERT_TRUE(PumpUntil([&] { return ProcessorSignal() == std::make_pair(3, 25); }));
    // The sine button and the frequency each sent theirs.
    const auto workModes = [&] {
        int count = 0;
        for (const devsim::LoggedFrame &f : Log())
            count += f.command == CMD_WORK_MODE;
        return count;
    };
    EXPECT_TRUE(PumpUntil([&] { return workModes() >= 3; }));
    EXPECT_EQ(workModes(), 3);
}

}  // namespace
