// Gain, mute and polarity: the texts and device values of the gain sliders, the twin sliders of the
// channel pages and the Gain page, the mirror onto linked channels, and the commands sent.

#include "PagesFixture.h"

#include "pages/GainPage.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

struct GainTextCase {
    const char *name;
    int position;
    const char *text;
};

TEST(GainText, ShowsTenthsAboveMinusTwentyAndHalvesBelow)
{
    const GainTextCase cases[] = {
        {.name = "top", .position = 120, .text = "+12.0dB"},
        {.name = "zero", .position = 0, .text = "+0.0dB"},
        {.name = "one step down", .position = -1, .text = "-0.1dB"},
        {.name = "last fine step", .position = -200, .text = "-20.0dB"},
        {.name = "first coarse step", .position = -201, .text = "-20.5dB"},
        {.name = "bottom", .position = -280, .text = "-60.0dB"},
        {.name = "mid coarse", .position = -250, .text = "-45.0dB"},
    };
    for (const GainTextCase &c : cases)
        EXPECT_EQ(GainText(c.position), QString::fromLatin1(c.text)) << c.name;
}

class GainPageTest : public PagesTest {
protected:
    void SetUp() override { Load("PageTestGain"); }

    TAdvTrackBar &Slider(const char *name) { return Control<TAdvTrackBar>(QString::fromLatin1(name)); }
    QString Text(const char *name) { return Control<TCurvyEdit>(QString::fromLatin1(name)).Text(); }
    TRzBmpButton &Button(const char *name) { return Control<TRzBmpButton>(QString::fromLatin1(name)); }
};

TEST_F(GainPageTest, TheDeviceValueIsThePositionAboveMin)
{
    const struct {
        int position;
        std::uint8_t low, high;
    } cases[] = {{-280, 0, 0}, {0, 0x18, 0x01}, {120, 0x90, 0x01}};
    for (const auto &c : cases) {
        Slider("isGainInA").SetPosition(c.position);
        EXPECT_EQ(form->Model.GetGain(ChInA), c.position + 280);
        const std::vector<BSTM> frames = TakeFrames();
        ASSERT_FALSE(frames.empty()) << c.position;
        EXPECT_EQ(frames.back(), Frame(CMD_GAIN, {0, c.low, c.high})) << c.position;
    }
}

TEST_F(GainPageTest, AMoveSetsTheTwinTheTextsAndTheModelAndSendsTwice)
{
    Slider("isGainOut3").SetPosition(-150);
    EXPECT_EQ(Slider("isGainBackupOut3").Position(), -150);
    EXPECT_EQ(Text("cvdGainOut3"), "-15.0dB");
    EXPECT_EQ(Text("cvdGainBackupOut3"), "-15.0dB");
    EXPECT_EQ(form->Model.GetGain(ChOut3), 130);
    ASSERT_EQ(form->Sent.size(), 2u);
    for (const auto &sent : form->Sent) {
        EXPECT_EQ(sent.Command.ToBytes(1), Frame(CMD_GAIN, {4, 130, 0}));
        EXPECT_EQ(sent.KeepDuplicates, 0);
        EXPECT_EQ(sent.Framed, 1);
    }
    EXPECT_FALSE(form->ControlsUpdating);
    // The Gain page's slider works the same way round.
    form->Sent.clear();
    Slider("isGainBackupOut3").SetPosition(120);
    EXPECT_EQ(Slider("isGainOut3").Position(), 120);
    EXPECT_EQ(Text("cvdGainOut3"), "+12.0dB");
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_GAIN, {4, 0x90, 0x01}), Frame(CMD_GAIN, {4, 0x90, 0x01})}));
}

TEST_F(GainPageTest, AMoveOnAGroupHeadShowsOnEveryMemberOfBothPages)
{
    form->ControlsUpdating = true;
    form->Model.SetLinkMask(ChOut1, 0b0101);
    form->Model.SetLinkMask(ChOut3, 0);
    form->ControlsUpdating = false;
    Slider("isGainOut1").SetPosition(-30);
    for (const char *suffix : {"Out1", "Out3"}) {
        SCOPED_TRACE(suffix);
        EXPECT_EQ(Slider(qPrintable(QStringLiteral("isGain") + suffix)).Position(), -30);
        EXPECT_EQ(Slider(qPrintable(QStringLiteral("isGainBackup") + suffix)).Position(), -30);
        EXPECT_EQ(Text(qPrintable(QStringLiteral("cvdGain") + suffix)), "-3.0dB");
        EXPECT_EQ(Text(qPrintable(QStringLiteral("cvdGainBackup") + suffix)), "-3.0dB");
    }
    EXPECT_EQ(form->Model.GetGain(ChOut3), 250);
    EXPECT_EQ(Slider("isGainOut2").Position(), 0);
    EXPECT_EQ(Text("cvdGainOut2"), "+0.0dB");
    // Only the edited channel goes to the device: the processor links by itself.
    for (const BSTM &frame : TakeFrames())
        EXPECT_EQ(frame, Frame(CMD_GAIN, {2, 250, 0}));
    EXPECT_FALSE(form->ControlsUpdating);
}

TEST_F(GainPageTest, WhileControlsUpdateASliderChangeDoesNothing)
{
    const int gain = form->Model.GetGain(ChInB);
    form->ControlsUpdating = true;
    Slider("isGainInB").SetPosition(-100);
    EXPECT_EQ(Slider("isGainBackupInB").Position(), 0);
    EXPECT_EQ(Text("cvdGainInB"), "+0.0dB");
    EXPECT_EQ(form->Model.GetGain(ChInB), gain);
    Slider("isGainBackupInB").SetPosition(-100);
    EXPECT_EQ(Slider("isGainInB").Position(), -100);  // set above, not by the handler
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_TRUE(form->ControlsUpdating);
}

// A member whose controls are missing ends the mirror there; the flag is clear afterwards.
TEST_F(GainPageTest, AMissingControlEndsTheMirror)
{
    form->ControlsUpdating = true;
    form->Model.SetLinkMask(ChOut1, 0b1111);
    form->ControlsUpdating = false;
    delete &Control<TCurvyEdit>(QStringLiteral("cvdGainOut3"));
    Slider("isGainOut1").SetPosition(-5);
    EXPECT_EQ(Slider("isGainOut2").Position(), -5);
    EXPECT_EQ(Slider("isGainOut3").Position(), 0);
    EXPECT_EQ(Slider("isGainOut4").Position(), 0);
    EXPECT_EQ(form->Model.GetGain(ChOut4), 275);  // the model links all the same
    EXPECT_FALSE(form->ControlsUpdating);
}

TEST_F(GainPageTest, MuteOnTheGainPageSetsTheChannelPageAndSendsOnce)
{
    TInputRouter::Click(form.get(), Button("rzbMuteBackupInB").ClientToParent({10, 10}, form.get()));
    EXPECT_TRUE(Button("rzbMuteBackupInB").Down());
    EXPECT_TRUE(Button("rzbMuteInB").Down());
    EXPECT_TRUE(form->Model.IsMuted(ChInB));
    EXPECT_FALSE(Button("rzbMuteInA").Down());
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_MUTE, {1, 1})}));
    TInputRouter::Click(form.get(), Button("rzbMuteInB").ClientToParent({10, 10}, form.get()));
    EXPECT_FALSE(Button("rzbMuteBackupInB").Down());
    EXPECT_FALSE(form->Model.IsMuted(ChInB));
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_MUTE, {1, 0})}));
}

TEST_F(GainPageTest, PolarityCaptionsFollowTheButtonOnBothPagesAndTheGroup)
{
    form->ControlsUpdating = true;
    form->Model.SetLinkMask(ChOut1, 0b0011);
    form->Model.SetLinkMask(ChOut2, 0);
    form->ControlsUpdating = false;
    TInputRouter::Click(form.get(), Button("rzbPhaseOut1").ClientToParent({10, 10}, form.get()));
    for (const char *name : {"rzbPhaseOut1", "rzbPhaseBackupOut1", "rzbPhaseOut2", "rzbPhaseBackupOut2"}) {
        EXPECT_TRUE(Button(name).Down()) << name;
        EXPECT_EQ(Button(name).Caption(), "Inverse") << name;
    }
    EXPECT_EQ(Button("rzbPhaseOut3").Caption(), "Normal");
    EXPECT_EQ(form->Model.GetPolarity(ChOut2), 1);
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_POLARITY, {2, 1})}));
    TInputRouter::Click(form.get(), Button("rzbPhaseBackupOut2").ClientToParent({10, 10}, form.get()));
    for (const char *name : {"rzbPhaseOut1", "rzbPhaseBackupOut1", "rzbPhaseOut2", "rzbPhaseBackupOut2"}) {
        EXPECT_FALSE(Button(name).Down()) << name;
        EXPECT_EQ(Button(name).Caption(), "Normal") << name;
    }
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_POLARITY, {3, 0})}));
}

}  // namespace
