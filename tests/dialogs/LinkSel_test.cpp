// The link group dialog: the grid follows the user's presses as the row rules say, Set hands the
// channel pages exactly the calls of the new grouping in order, and Exit and the refresh draw the
// model's grouping.

#include "DialogsFixture.h"

#include "widgets/skinned/RzBmpBtn.h"

#include <array>

namespace {

using Calls = std::vector<std::string>;
using Masks = std::array<int, 6>;

// The model with every channel heading itself.
constexpr Masks kOwnHeads{0b01, 0b10, 0b0001, 0b0010, 0b0100, 0b1000};

// The calls of ApplyGroupHeads when the channels in `heads` (bit c = channel c) head groups.
Calls GroupHeads(int heads)
{
    Calls calls;
    for (int c = 0; c < 6; ++c) {
        const bool head = heads & (1 << c);
        calls.push_back(FakeDialogHost::Call("SetOverlayButtonsVisible", c, head ? "true" : "false"));
        if (head)
            calls.push_back(FakeDialogHost::Call("SetChannelButtonCaption", c, c));
    }
    return calls;
}

Calls Join(Calls a, const Calls &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class LinkSelTest : public DialogsTest {
protected:
    TRzBmpButton *Button(const char *name)
    {
        auto *button = dynamic_cast<TRzBmpButton *>(fmLinkSel->FindComponent(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    // The model's grouping drawn as the refresh does, with the recorded calls cleared.
    void Model(const Masks &masks)
    {
        host.linkMasks = masks;
        host.controlsUpdating = true;
        for (int c = 0; c < 6; ++c)
            fmLinkSel->ShowLinkMask(c, masks[c]);
        host.controlsUpdating = false;
        host.calls.clear();
    }
    // The buttons that are down, row by row.
    std::vector<std::string> DownButtons()
    {
        std::vector<std::string> down;
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column <= row; ++column)
                if (TRzBmpButton *b = fmLinkSel->LinkButton(row, column); b && b->Down())
                    down.push_back(b->Name().toStdString());
        return down;
    }
};

TEST_F(LinkSelTest, EachButtonIsNamedAndTaggedByItsRowAndColumn)
{
    struct Expected {
        int row, column;
        const char *name;
        int tag;
    };
    const Expected kButtons[] = {
        {0, 0, "rzbALinkInA", 0},  {1, 0, "rzbBLinkInA", 0},  {1, 1, "rzbBLinkInB", 1},  {2, 2, "rzb1LinkOut1", 0},
        {3, 2, "rzb2LinkOut1", 0}, {3, 3, "rzb2LinkOut2", 1}, {4, 2, "rzb3LinkOut1", 0}, {4, 3, "rzb3LinkOut2", 1},
        {4, 4, "rzb3LinkOut3", 2}, {5, 2, "rzb4LinkOut1", 0}, {5, 3, "rzb4LinkOut2", 1}, {5, 4, "rzb4LinkOut3", 2},
        {5, 5, "rzb4LinkOut4", 3},
    };
    for (const Expected &e : kButtons) {
        TRzBmpButton *b = fmLinkSel->LinkButton(e.row, e.column);
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->Name(), e.name);
        EXPECT_EQ(b->Tag(), e.tag) << e.name;
        EXPECT_EQ(b->GroupIndex(), 1) << e.name;
        EXPECT_EQ(b->Caption(), b->Parent()->Name().mid(10)) << e.name;  // rzgLinkSel + the row
    }
    EXPECT_EQ(fmLinkSel->LinkButton(2, 1), nullptr);  // no button across the kinds
    EXPECT_EQ(fmLinkSel->LinkButton(2, 3), nullptr);  // nor above the diagonal
    EXPECT_EQ(fmLinkSel->LinkButton(6, 6), nullptr);
    EXPECT_EQ(DownButtons(), (std::vector<std::string>{"rzbALinkInA", "rzbBLinkInB", "rzb1LinkOut1", "rzb2LinkOut2",
                                                       "rzb3LinkOut3", "rzb4LinkOut4"}));
}

struct SetCase {
    const char *name;
    Masks model;
    std::vector<const char *> presses;
    Calls expected;
};

std::vector<SetCase> SetCases()
{
    return {
        {.name = "nothing changed", .model = kOwnHeads, .presses = {}, .expected = {}},
        {.name = "pressing the buttons already down changes nothing",
         .model = kOwnHeads,
         .presses = {"rzbBLinkInB", "rzb3LinkOut3"},
         .expected = {}},
        {.name = "Out 3 joins Out 1",
         .model = kOwnHeads,
         .presses = {"rzb3LinkOut1"},
         .expected = Join({"SetChannelButtonCaption(2,4)", "CopyChannel(2,4,false)", "SetChannelLink(2,5)",
                           "SetChannelLink(4,0)", "ReloadAllParameters"},
                          Join(GroupHeads(0b101111), {"ShowGainPage"}))},
        {.name = "inputs before outputs, lower columns first",
         .model = kOwnHeads,
         .presses = {"rzb4LinkOut2", "rzbBLinkInA", "rzb3LinkOut2"},
         .expected = Join({"SetChannelButtonCaption(0,1)", "CopyChannel(0,1,false)", "SetChannelLink(0,3)",
                           "SetChannelLink(1,0)", "SetChannelButtonCaption(3,4)", "CopyChannel(3,4,false)",
                           "SetChannelButtonCaption(3,5)", "CopyChannel(3,5,false)", "SetChannelLink(3,14)",
                           "SetChannelLink(4,0)", "SetChannelLink(5,0)", "ReloadAllParameters"},
                          Join(GroupHeads(0b001101), {"ShowGainPage"}))},
        {.name = "a member heads itself again: its copy names it twice and is passed on",
         .model = {0b01, 0b10, 0b0011, 0, 0b0100, 0b1000},
         .presses = {"rzb2LinkOut2"},
         .expected = Join({"SetChannelLink(2,1)", "SetChannelButtonCaption(3,3)", "CopyChannel(3,3,false)",
                           "SetChannelLink(3,2)", "ReloadAllParameters"},
                          Join(GroupHeads(0b111111), {"ShowGainPage"}))},
    };
}

TEST_F(LinkSelTest, SetHandsOnTheNewGroupingInOrder)
{
    for (const SetCase &c : SetCases()) {
        SCOPED_TRACE(c.name);
        Model(c.model);
        fmLinkSel->Show();
        for (const char *name : c.presses)
            Press(Button(name));
        Press(fmLinkSel->bnSet);
        EXPECT_EQ(host.calls, c.expected);
        EXPECT_FALSE(fmLinkSel->Visible());
    }
}

TEST_F(LinkSelTest, AChannelThatJoinsAGroupGivesUpItsMembers)
{
    Model({0b01, 0b10, 0b0001, 0b0110, 0, 0b1000});
    fmLinkSel->Show();
    EXPECT_TRUE(Button("rzb3LinkOut2")->Down());
    EXPECT_FALSE(Button("rzb4LinkOut3")->Enabled());

    Press(Button("rzb2LinkOut1"));
    EXPECT_FALSE(Button("rzb3LinkOut2")->Enabled());
    EXPECT_FALSE(Button("rzb4LinkOut2")->Enabled());
    EXPECT_FALSE(Button("rzb3LinkOut2")->Down());
    // Out 3 heads itself again and so may take members.
    EXPECT_TRUE(Button("rzb3LinkOut3")->Down());
    EXPECT_TRUE(Button("rzb4LinkOut3")->Enabled());
    // A press on a disabled button changes nothing.
    Press(Button("rzb4LinkOut2"));
    EXPECT_TRUE(Button("rzb4LinkOut4")->Down());

    // Heading itself again opens Out 2's column.
    Press(Button("rzb2LinkOut2"));
    EXPECT_TRUE(Button("rzb3LinkOut2")->Enabled());
    EXPECT_TRUE(Button("rzb4LinkOut2")->Enabled());
    EXPECT_TRUE(host.calls.empty());
    fmLinkSel->Close();
}

TEST_F(LinkSelTest, ExitAfterChangesDrawsTheModelAgain)
{
    Model({0b01, 0b10, 0b0101, 0b0010, 0, 0b1000});
    fmLinkSel->Show();
    Press(Button("rzbBLinkInA"));
    Press(Button("rzb3LinkOut3"));
    Press(Button("rzb4LinkOut3"));
    Press(fmLinkSel->bnExit);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(fmLinkSel->Visible());

    fmLinkSel->Show();
    EXPECT_EQ(DownButtons(), (std::vector<std::string>{"rzbALinkInA", "rzbBLinkInB", "rzb1LinkOut1", "rzb2LinkOut2",
                                                       "rzb3LinkOut1", "rzb4LinkOut4"}));
    EXPECT_FALSE(Button("rzb4LinkOut3")->Enabled());
    fmLinkSel->Close();
}

TEST_F(LinkSelTest, TheRefreshDrawsTheGroupsAndTheirCaptions)
{
    Model({0b11, 0, 0b0011, 0, 0b1100, 0});
    EXPECT_EQ(DownButtons(), (std::vector<std::string>{"rzbALinkInA", "rzbBLinkInA", "rzb1LinkOut1", "rzb2LinkOut1",
                                                       "rzb3LinkOut3", "rzb4LinkOut3"}));
    EXPECT_FALSE(Button("rzb3LinkOut2")->Enabled());
    EXPECT_FALSE(Button("rzb4LinkOut2")->Enabled());
    EXPECT_TRUE(Button("rzb4LinkOut3")->Enabled());

    fmLinkSel->ApplyGroupHeads();
    fmLinkSel->ApplyMemberCaptions();
    EXPECT_EQ(host.calls, Join(GroupHeads(0b010101), {"SetChannelButtonCaption(0,0)", "SetChannelButtonCaption(0,1)",
                                                      "SetChannelButtonCaption(2,2)", "SetChannelButtonCaption(2,3)",
                                                      "SetChannelButtonCaption(4,4)", "SetChannelButtonCaption(4,5)"}));
}

}  // namespace
