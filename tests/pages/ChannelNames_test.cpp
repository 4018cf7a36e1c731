// Channel names on the overview labels and page-button hints, the clicks that open the name dialog
// and the PEQ-reset box, and the hand cursor over the overview labels.

#include "PagesFixture.h"

#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/VrDemoButton.h"

#include <string_view>

namespace {

using namespace std::string_view_literals;

class ChannelNamesTest : public PagesTest {
protected:
    void SetUp() override { Load("PageTestMatrix"); }

    TLabel &NameLabel(int c) { return Control<TLabel>(ChannelControlName("lbMatrixChName", c)); }
    TRzBmpButton &PageButton(int c) { return Control<TRzBmpButton>(ChannelControlName("rzbMenu", c)); }
};

TEST_F(ChannelNamesTest, ANameShowsUpToItsFirstZeroAndGoesToTheDevice)
{
    form->Pages.SetChannelName(ChOut2, "Sub\0\0\0\0\0\0"sv);
    EXPECT_EQ(NameLabel(ChOut2).Caption(), "Sub");
    EXPECT_EQ(PageButton(ChOut2).Hint(), "Sub");
    EXPECT_EQ(std::string_view(reinterpret_cast<const char *>(form->Pages.GetChannelName(ChOut2)), 8),
              "Sub\0\0\0\0\0"sv);
    ASSERT_EQ(form->Sent.size(), 1u);
    EXPECT_EQ(form->Sent[0].Command.ToBytes(1), Frame(CMD_CHANNEL_NAME, {3, 'S', 'u', 'b', 0, 0, 0, 0, 0}));
    EXPECT_EQ(form->Sent[0].KeepDuplicates, 1);
    // No other channel changed.
    EXPECT_EQ(NameLabel(ChOut1).Caption(), "Output1");
    EXPECT_EQ(NameLabel(ChOut3).Caption(), "Output3");
    EXPECT_EQ(PageButton(ChOut3).Hint(), "");
}

TEST_F(ChannelNamesTest, EightBytesWithoutAZeroShowWhole)
{
    form->Pages.SetChannelName(ChInA, "Kick%sDr"sv);
    EXPECT_EQ(NameLabel(ChInA).Caption(), "Kick%sDr");
    form->Pages.SetChannelName(ChInB, "LongerThanEight"sv);
    EXPECT_EQ(NameLabel(ChInB).Caption(), "LongerTh");
    EXPECT_EQ(form->SentFrames().back(), Frame(CMD_CHANNEL_NAME, {1, 'L', 'o', 'n', 'g', 'e', 'r', 'T', 'h'}));
    // Device text is GBK.
    form->Pages.SetChannelName(ChOut4, "\xD6\xD0\xCE\xC4\0\0\0\0"sv);
    EXPECT_EQ(NameLabel(ChOut4).Caption(), QString::fromUtf8("中文"));
    EXPECT_EQ(PageButton(ChOut4).Hint(), QString::fromUtf8("中文"));
}

TEST_F(ChannelNamesTest, WithoutItsLabelOrButtonANameChangesNothing)
{
    delete &PageButton(ChOut1);
    form->Pages.SetChannelName(ChOut1, "Top\0\0\0\0\0"sv);
    EXPECT_EQ(NameLabel(ChOut1).Caption(), "Output1");
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_EQ(std::string_view(reinterpret_cast<const char *>(form->Pages.GetChannelName(ChOut1)), 8),
              "Out1\0\0\0\0"sv);
    EXPECT_EQ(form->Pages.GetChannelName(7), nullptr);
}

TEST_F(ChannelNamesTest, AClickOnANameLabelAsksForTheNameDialog)
{
    form->Pages.SetChannelName(ChOut4, "Fill\0\0\0\0"sv);
    form->Sent.clear();
    auto &label = NameLabel(ChOut4);
    TInputRouter::Click(form.get(), label.ClientToParent(TPoint(20, 5), form.get()));
    ASSERT_EQ(form->NameDialogs.size(), 1u);
    EXPECT_EQ(form->NameDialogs[0].first, 5);
    EXPECT_EQ(form->NameDialogs[0].second, "Fill");
    EXPECT_TRUE(form->Sent.empty());
}

TEST_F(ChannelNamesTest, TheHandShowsOverTheOverviewLabels)
{
    auto &mute = Control<TLabel>(QStringLiteral("lbMatrixMuteOut3"));
    TInputRouter::MouseMove(form.get(), {}, mute.ClientToParent(TPoint(10, 5), form.get()));
    EXPECT_EQ(mute.Cursor(), crHandPoint);
    TInputRouter::MouseMove(form.get(), {}, TPoint(2, 600));
    EXPECT_EQ(mute.Cursor(), crDefault);
}

TEST_F(PagesTest, AnEqResetButtonAsksForThePeqResetBoxOfItsChannel)
{
    Load("PageTestGain");
    auto &button = Control<TVrDemoButton>(QStringLiteral("vrbEqResetInB"));
    TInputRouter::Click(form.get(), button.ClientToParent(TPoint(10, 10), form.get()));
    EXPECT_EQ(form->PeqResetBoxes, (std::vector<int>{1}));
    EXPECT_TRUE(form->Sent.empty());
}

}  // namespace
