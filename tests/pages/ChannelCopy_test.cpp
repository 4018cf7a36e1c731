// Channel copy and reload: what they refuse, what they send online and in which order, and the
// offline copy onto a link group with the refresh that follows.

#include "FullPagesFixture.h"

#include "pages/ChannelPages.h"

namespace {

class ChannelCopyTest : public FullPagesTest {
protected:
    // A caption the refresh overwrites: it shows whether a refresh ran.
    void MarkUnrefreshed() { Control<TLabel>(QStringLiteral("lbPstNum")).SetCaption(QStringLiteral("-")); }
    bool Refreshed() { return Control<TLabel>(QStringLiteral("lbPstNum")).Caption() != QStringLiteral("-"); }
};

TEST_F(ChannelCopyTest, CopiesThatNameNoPairOfOneSideDoNothing)
{
    struct Case {
        const char *name;
        int source;
        int destination;
    };
    const Case cases[] = {
        {.name = "onto itself", .source = ChOut1, .destination = ChOut1},
        {.name = "input onto output", .source = ChInB, .destination = ChOut1},
        {.name = "output onto input", .source = ChOut4, .destination = ChInA},
        {.name = "no source", .source = -1, .destination = ChOut2},
        {.name = "no destination", .source = ChInA, .destination = 6},
    };
    Quietly([](LUnitControl &m) { m.SetGain(ChOut1, 100); });
    for (const bool connected : {false, true}) {
        form->Connected = connected;
        for (const Case &c : cases) {
            const auto before = ImageBytes();
            MarkUnrefreshed();
            form->Pages.CopyChannel(c.source, c.destination, true);
            EXPECT_EQ(ImageBytes(), before) << c.name;
            EXPECT_TRUE(form->Sent.empty()) << c.name;
            EXPECT_EQ(form->ReloadsSent, 0) << c.name;
            EXPECT_FALSE(Refreshed()) << c.name;
        }
    }
}

TEST_F(ChannelCopyTest, OfflineCopyGoesOntoTheDestinationsGroupAndRefreshes)
{
    Quietly([](LUnitControl &m) {
        m.SetGain(ChInA, 100);
        m.SetLinkMask(ChInA, 0b11);
        m.SetLinkMask(ChInB, 0);
    });
    MarkUnrefreshed();
    form->Pages.CopyChannel(ChInA, ChInB, true);
    EXPECT_EQ(form->Model.GetGain(ChInA), 100);
    EXPECT_EQ(form->Model.GetGain(ChInB), 100);
    EXPECT_EQ(form->Model.GetLinkMask(ChInA), 0b11);
    EXPECT_EQ(At<TAdvTrackBar>("isGain", ChInB).Position(), 100 - 280);
    EXPECT_TRUE(Refreshed());
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_FALSE(form->ControlsUpdating);
}

TEST_F(ChannelCopyTest, OnlineCopySendsOneCommandAndAsksForTheReloadFirst)
{
    form->Connected = true;
    const auto before = ImageBytes();
    form->Pages.CopyChannel(ChOut1, ChOut3, false);
    ASSERT_EQ(form->Sent.size(), 1u);
    EXPECT_EQ(form->Sent[0].KeepDuplicates, 1);
    EXPECT_EQ(form->Sent[0].Framed, 1);
    EXPECT_EQ(TakeFrames()[0], Frame(42, {2, 4}));
    EXPECT_EQ(form->ReloadsSent, 0);
    EXPECT_EQ(ImageBytes(), before);

    form->SessionSteps.clear();
    form->Pages.CopyChannel(ChOut1, ChOut3, true);
    EXPECT_EQ(form->SessionSteps, (std::vector<std::string>{"reload", "send"}));
}

TEST_F(ChannelCopyTest, ReloadOfflineRefreshesAndOnlineStopsThePollAndPolls)
{
    MarkUnrefreshed();
    form->Pages.ReloadAllParameters();
    EXPECT_TRUE(Refreshed());
    EXPECT_TRUE(form->Sent.empty());

    form->Connected = true;
    form->SessionSteps.clear();
    MarkUnrefreshed();
    form->Pages.ReloadAllParameters();
    EXPECT_EQ(form->SessionSteps, (std::vector<std::string>{"stop poll", "reload", "send"}));
    EXPECT_EQ(form->Sent[0].KeepDuplicates, 1);
    EXPECT_EQ(TakeFrames()[0], Frame(18, {}));
    EXPECT_FALSE(Refreshed());
    EXPECT_TRUE(Control<TRzBmpButton>(QStringLiteral("rzbMenuLink")).Focused());
}

}  // namespace
