// The test-tone dialog: each choice of the user goes out at once as a work-mode command (mode and
// sine index, keeping duplicates); the refresh from the model shows the processor's choice
// without sending anything.

#include "DialogsFixture.h"

#include "device/DeviceFrame.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/RadioButton.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

BSTM Bytes(std::initializer_list<int> values)
{
    BSTM out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

// The work-mode frame to device 1.
BSTM WorkMode(int mode, int index)
{
    const BSTM payload{static_cast<std::uint8_t>(mode), static_cast<std::uint8_t>(index)};
    return BuildDeviceFrame(0, 1, CMD_WORK_MODE, payload);
}

class TestToneTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        fmTest->Show();
    }
    void TearDown() override
    {
        fmTest->Close();
        DialogsTest::TearDown();
    }

    // The processor's choice, as the refresh from the model puts it.
    void Refresh(int mode, int index)
    {
        host.controlsUpdating = true;
        fmTest->ShowSignal(mode, index);
        host.controlsUpdating = false;
        host.sent.clear();
    }
    // The user moves the frequency list to `index` with the arrow keys (one step from below).
    void ChooseFrequency(int index)
    {
        fmTest->cbSineFreq->SetItemIndex(index - 1);
        fmTest->cbSineFreq->SetFocus();
        TInputRouter::Key(VK_DOWN);
    }
    std::vector<BSTM> Frames() const
    {
        std::vector<BSTM> frames;
        for (const FakeDialogHost::Sent &s : host.sent) {
            EXPECT_EQ(s.keepDuplicates, 1);
            frames.push_back(s.frame);
        }
        return frames;
    }
};

TEST_F(TestToneTest, AFrequencyChosenWhileNoiseRunsGoesOutTwice)
{
    Refresh(TfmTest::PinkNoise, 0);
    ChooseFrequency(17);

    const BSTM expected = Bytes({0x10, 0x02, 0x00, 0x01, 0x03, 0x39, 0x03, 0x11, 0x10, 0x03, 0x28});
    EXPECT_EQ(Frames(), (std::vector<BSTM>{expected, expected}));
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_EQ(fmTest->cbSineFreq->Text(), "1KHz");
}

TEST_F(TestToneTest, AFrequencyChosenWhileTheSineRunsGoesOutOnce)
{
    Refresh(TfmTest::SineWave, 17);
    ChooseFrequency(20);
    EXPECT_EQ(Frames(), (std::vector<BSTM>{WorkMode(3, 20)}));
}

TEST_F(TestToneTest, ASignalGoesOutWithTheFrequencyShown)
{
    Refresh(TfmTest::SineWave, 5);
    Press(fmTest->rbWhiteNoise);
    EXPECT_TRUE(fmTest->rbWhiteNoise->Checked());
    Press(fmTest->rbAnalogIn);
    EXPECT_EQ(Frames(), (std::vector<BSTM>{WorkMode(2, 5), WorkMode(0, 5)}));
}

TEST_F(TestToneTest, NothingGoesOutWhileTheControlsAreUpdating)
{
    host.controlsUpdating = true;
    Press(fmTest->rbPinkNoise);
    ChooseFrequency(3);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(fmTest->rbPinkNoise->Checked());
    EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), 3);
}

struct ShownSignal {
    const char *name;
    int mode;
    int index;
    const char *checked;  // the radio button checked afterwards
    int shownIndex;       // the frequency list's selection afterwards (it starts at 4)
};

const ShownSignal kShown[] = {
    {.name = "analogue", .mode = 0, .index = 9, .checked = "rbAnalogIn", .shownIndex = 4},
    {.name = "white noise keeps the frequency", .mode = 2, .index = 9, .checked = "rbWhiteNoise", .shownIndex = 4},
    {.name = "sine with its frequency", .mode = 3, .index = 17, .checked = "rbSineWave", .shownIndex = 17},
    {.name = "last frequency", .mode = 3, .index = 30, .checked = "rbSineWave", .shownIndex = 30},
    {.name = "a frequency off the list changes no selection",
     .mode = 3,
     .index = 31,
     .checked = "rbSineWave",
     .shownIndex = 4},
    {.name = "an unknown mode changes nothing", .mode = 4, .index = 17, .checked = "rbPinkNoise", .shownIndex = 4},
    {.name = "a negative mode changes nothing", .mode = -1, .index = 17, .checked = "rbPinkNoise", .shownIndex = 4},
};

TEST_F(TestToneTest, TheRefreshShowsTheProcessorsChoiceWithoutSendingIt)
{
    for (const ShownSignal &c : kShown) {
        SCOPED_TRACE(c.name);
        host.controlsUpdating = true;
        fmTest->rbPinkNoise->SetChecked(true);
        fmTest->cbSineFreq->SetItemIndex(4);
        fmTest->ShowSignal(c.mode, c.index);
        host.controlsUpdating = false;
        EXPECT_TRUE(host.sent.empty());
        auto *checked = dynamic_cast<TRadioButton *>(fmTest->FindComponent(c.checked));
        ASSERT_NE(checked, nullptr);
        EXPECT_TRUE(checked->Checked());
        EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), c.shownIndex);
    }
}

TEST_F(TestToneTest, ClosingKeepsTheChoiceAndSendsNothing)
{
    Press(fmTest->rbSineWave);
    ChooseFrequency(12);
    host.sent.clear();
    fmTest->bnExit->Click();
    EXPECT_FALSE(fmTest->Visible());
    fmTest->Show();
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_EQ(fmTest->cbSineFreq->Text(), "315Hz");
    EXPECT_TRUE(host.sent.empty());
}

}  // namespace
