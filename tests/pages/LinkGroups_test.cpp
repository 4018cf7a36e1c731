// Link groups: the group of a channel from the model's masks (inconsistent masks included), the
// link command, and the page-button captions of group members.

#include "PagesFixture.h"

#include "pages/PageControls.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

struct GroupCase {
    const char *name;
    std::array<int, 6> masks;  // link masks of In A .. Out 4
    int channel;
    int group;
};

class LinkGroupsTest : public PagesTest {
protected:
    void SetUp() override { Load("PageTestGain"); }

    void SetMasks(const std::array<int, 6> &masks)
    {
        form->ControlsUpdating = true;
        for (int c = 0; c < ChannelCount; ++c)
            form->Model.SetLinkMask(c, static_cast<std::uint16_t>(masks[static_cast<std::size_t>(c)]));
        form->ControlsUpdating = false;
    }
};

TEST_F(LinkGroupsTest, TheGroupOfAChannelComesFromItsHead)
{
    const GroupCase cases[] = {
        {.name = "alone", .masks = {1, 2, 1, 2, 4, 8}, .channel = ChOut2, .group = 0b0010},
        {.name = "head", .masks = {1, 2, 0b0101, 2, 0, 8}, .channel = ChOut1, .group = 0b0101},
        {.name = "member", .masks = {1, 2, 0b0101, 2, 0, 8}, .channel = ChOut3, .group = 0b0101},
        {.name = "input member", .masks = {3, 0, 1, 2, 4, 8}, .channel = ChInB, .group = 0b11},
        {.name = "member of a later head", .masks = {1, 2, 1, 0b1010, 4, 0}, .channel = ChOut4, .group = 0b1010},
        {.name = "member in no head's mask is alone", .masks = {1, 2, 1, 2, 0, 8}, .channel = ChOut3, .group = 0b0100},
        {.name = "lone input member, an output naming its bit",
         .masks = {1, 0, 0b0011, 0, 4, 8},
         .channel = ChInB,
         .group = 0b10},
        {.name = "own mask without own bit", .masks = {1, 2, 1, 2, 0b0001, 8}, .channel = ChOut3, .group = 0b0100},
        {.name = "bits beyond the outputs", .masks = {1, 2, 0xF5, 2, 0, 8}, .channel = ChOut3, .group = 0b0101},
        {.name = "bits beyond the inputs", .masks = {0xFD, 0, 1, 2, 4, 8}, .channel = ChInA, .group = 0b01},
        {.name = "no channel", .masks = {1, 2, 1, 2, 4, 8}, .channel = 6, .group = 0},
    };
    for (const GroupCase &c : cases) {
        SetMasks(c.masks);
        EXPECT_EQ(form->Pages.GetLinkGroupMask(c.channel), c.group) << c.name;
    }
}

TEST_F(LinkGroupsTest, SetChannelLinkStoresOneMaskAndSendsItKept)
{
    form->Pages.SetChannelLink(ChOut1, 5);
    EXPECT_EQ(form->Model.GetLinkMask(ChOut1), 5);
    EXPECT_EQ(form->Model.GetLinkMask(ChOut3), 4);
    ASSERT_EQ(form->Sent.size(), 1u);
    EXPECT_EQ(form->Sent[0].Command.ToBytes(1), Frame(CMD_LINK, {2, 5}));
    EXPECT_EQ(form->Sent[0].KeepDuplicates, 1);
}

TEST_F(LinkGroupsTest, PageButtonCaptionsNameAMembersHead)
{
    auto &out3 = Control<TRzBmpButton>(QStringLiteral("rzbMenuOut3"));
    form->Pages.SetChannelButtonCaption(ChOut1, ChOut3);
    EXPECT_EQ(out3.Caption(), "3=1");
    form->Pages.SetChannelButtonCaption(ChOut3, ChOut3);
    EXPECT_EQ(out3.Caption(), "Out3");
    form->Pages.SetChannelButtonCaption(ChInA, ChInB);
    EXPECT_EQ(Control<TRzBmpButton>(QStringLiteral("rzbMenuInB")).Caption(), "B=A");
    // Channels of different sides, or no channel, change nothing.
    form->Pages.SetChannelButtonCaption(ChInA, ChOut3);
    form->Pages.SetChannelButtonCaption(9, ChOut3);
    EXPECT_EQ(out3.Caption(), "Out3");
    EXPECT_TRUE(form->Sent.empty());
}

struct LookupCase {
    const char *name;
    const char *prefix;
    int channel;
    bool found;
};

TEST_F(LinkGroupsTest, ControlsAreFoundByPrefixAndSuffixWithTheirClass)
{
    EXPECT_EQ(ChannelSuffix(0), "InA");
    EXPECT_EQ(ChannelSuffix(1), "InB");
    EXPECT_EQ(ChannelSuffix(2), "Out1");
    EXPECT_EQ(ChannelSuffix(5), "Out4");
    EXPECT_EQ(ChannelSuffix(6), "");
    EXPECT_EQ(ChannelSuffix(-1), "");
    const LookupCase cases[] = {
        {.name = "slider", .prefix = "isGain", .channel = ChOut4, .found = true},
        {.name = "case ignored", .prefix = "ISGAIN", .channel = ChInA, .found = true},
        {.name = "another class", .prefix = "cvdGain", .channel = ChInA, .found = false},
        {.name = "no channel", .prefix = "isGain", .channel = 6, .found = false},
        {.name = "no such family", .prefix = "isGainX", .channel = ChInA, .found = false},
    };
    for (const LookupCase &c : cases)
        EXPECT_EQ(FindChannelControl<TAdvTrackBar>(*form, c.prefix, c.channel) != nullptr, c.found) << c.name;
}

}  // namespace
