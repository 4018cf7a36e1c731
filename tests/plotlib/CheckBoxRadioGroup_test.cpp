// The library's check box and radio group: which changes fire which events, mouse and keys, the
// automatic size, the layout of the items in columns, and their looks.

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "plotlib/editor/iCheckBox.h"
#include "plotlib/editor/iRadioGroup.h"

#include <gtest/gtest.h>

namespace {

// A form holding a check box and a radio group, recording their events.
struct CheckBoxAndRadioGroup : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TiCheckBox *box = new TiCheckBox(form);
    TiRadioGroup *group = new TiRadioGroup(form);
    QStringList events;

    CheckBoxAndRadioGroup()
    {
        form->SetBounds(0, 0, 400, 300);
        box->SetParent(form);
        box->SetBounds(10, 10, 120, 20);
        box->SetCaption(QStringLiteral("Visible"));
        group->SetParent(form);
        group->SetBounds(10, 60, 200, 120);
        group->Items()->SetText(QStringLiteral("Red\nGreen\nBlue"));
        form->Show();
        for (TiCustomComponent *c : std::initializer_list<TiCustomComponent *>{box, group})
            c->OnChangeProtected = [this](TObject *, const QString &name) { events << "protected " + name; };
        box->OnChange = [this](TObject *) { events << "change"; };
        box->OnChangeUser = [this](TObject *) { events << "user"; };
        group->OnChange = [this](TObject *) { events << QStringLiteral("change %1").arg(group->ItemIndex()); };
        group->OnChangeUser = [this](TObject *) { events << "user"; };
    }
    ~CheckBoxAndRadioGroup() override { delete form; }

    // A point of a control in the form's coordinates.
    static TPoint At(TControl *c, TPoint p) { return TPoint(c->Left() + p.X, c->Top() + p.Y); }
    void ClickItem(int index) { TInputRouter::Click(form, At(group, group->ItemCenter(index))); }
};

TEST_F(CheckBoxAndRadioGroup, CodeFiresOnChangeWithoutTheUserEventAndAClickFiresBoth)
{
    box->SetChecked(true);
    EXPECT_EQ(events, QStringList({"protected Checked", "change"}));
    events.clear();
    box->SetChecked(true);
    EXPECT_TRUE(events.isEmpty());

    TInputRouter::Click(form, At(box, TPoint(5, 10)));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(events, QStringList({"protected Checked", "change", "user"}));
    EXPECT_FALSE(box->UserGenerated());

    // An edit request that says no keeps the value and fires nothing.
    events.clear();
    box->OnRequestEdit = [](TObject *, const QString &, bool &canEdit) { canEdit = false; };
    TInputRouter::Click(form, At(box, TPoint(5, 10)));
    box->SetChecked(true);
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(CheckBoxAndRadioGroup, AReleaseOutsideTheCheckBoxTogglesNothingAndTheSpaceBarToggles)
{
    TInputRouter::MouseDown(form, mbLeft, {}, At(box, TPoint(5, 10)));
    TInputRouter::MouseUp(form, mbLeft, {}, TPoint(300, 250));
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(events.isEmpty());

    TInputRouter::SetFocusedWindow(box);
    TInputRouter::KeyDown(VK_SPACE, {});
    EXPECT_FALSE(box->Checked());
    TInputRouter::KeyUp(VK_SPACE, {});
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(events, QStringList({"protected Checked", "change", "user"}));
}

TEST_F(CheckBoxAndRadioGroup, AutomaticSizingGrowsALeftJustifiedBoxToTheLeft)
{
    box->SetAlignment(taLeftJustify);
    const int right = box->Left() + box->Width();
    box->SetCaption(QStringLiteral("A much longer caption than before"));
    EXPECT_EQ(box->Left() + box->Width(), right);
    EXPECT_GT(box->Width(), 120);
    box->SetAlignment(taRightJustify);
    const int left = box->Left();
    box->SetCaption(QStringLiteral("Short"));
    EXPECT_EQ(box->Left(), left);
    EXPECT_EQ(box->Height(), box->Canvas()->TextHeight(QStringLiteral("Short")) + 4);
}

TEST_F(CheckBoxAndRadioGroup, FiveItemsInTwoColumnsMakeThreeRowsFilledColumnByColumn)
{
    group->Items()->SetText(QStringLiteral("A\nB\nC\nD\nE"));
    group->SetColumns(2);
    group->SetColumns(0);  // ignored
    EXPECT_EQ(group->Columns(), 2);
    const TPoint item0 = group->ItemCenter(0);
    const TPoint item3 = group->ItemCenter(3);
    EXPECT_EQ(group->MaxRows(), 3);
    EXPECT_EQ(item3.Y, item0.Y);  // row 1
    EXPECT_GT(item3.X, item0.X);  // column 2
    EXPECT_GT(group->ItemCenter(2).Y, group->ItemCenter(1).Y);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(group->ItemAt(group->ItemCenter(i).X, group->ItemCenter(i).Y), i) << i;
    ClickItem(3);
    EXPECT_EQ(group->ItemIndex(), 3);
    EXPECT_EQ(events, QStringList({"protected ItemIndex", "change 3", "user"}));
}

TEST_F(CheckBoxAndRadioGroup, TheItemIndexIsKeptWithinTheItems)
{
    struct Case {
        const char *name;
        int value, expected;
    };
    const Case cases[] = {{"past the end", 10, 2}, {"before the start", -5, -1}, {"an item", 1, 1}};
    for (const Case &c : cases) {
        group->SetItemIndex(c.value);
        EXPECT_EQ(group->ItemIndex(), c.expected) << c.name;
    }
    // Clearing the items takes the selection away without an event.
    events.clear();
    group->Items()->Clear();
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(CheckBoxAndRadioGroup, ArrowsStepRoundTheItemsWithoutCountingAsTheUsersChoice)
{
    TInputRouter::SetFocusedWindow(group);
    TInputRouter::Key(VK_LEFT);  // no selection: stays
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(2);
    events.clear();
    TInputRouter::Key(VK_RIGHT);
    EXPECT_EQ(group->ItemIndex(), 0);
    TInputRouter::Key(VK_UP);
    EXPECT_EQ(group->ItemIndex(), 2);
    TInputRouter::Key(VK_DOWN);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(events, QStringList({"protected ItemIndex", "change 0", "protected ItemIndex", "change 2",
                                   "protected ItemIndex", "change 0"}));
}

TEST_F(CheckBoxAndRadioGroup, PressingOneItemAndReleasingOnAnotherSelectsNothing)
{
    TInputRouter::MouseDown(form, mbLeft, {}, At(group, group->ItemCenter(0)));
    TInputRouter::MouseMove(form, {ssLeft}, At(group, group->ItemCenter(2)));
    TInputRouter::MouseUp(form, mbLeft, {}, At(group, group->ItemCenter(1)));
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_TRUE(events.isEmpty());
    ClickItem(1);
    EXPECT_EQ(group->ItemIndex(), 1);
}

TEST_F(CheckBoxAndRadioGroup, TheyDrawATickADotAndTheirCaptions)
{
    box->SetChecked(true);
    group->SetItemIndex(1);
    const QImage boxImage = RenderControlImage(box);
    const QImage groupImage = RenderControlImage(group);
    Keep(boxImage, "checkbox");
    Keep(groupImage, "radiogroup");
    // The tick's black pixels inside the white box.
    const int cy = box->Height() / 2;
    EXPECT_EQ(boxImage.pixel(5, cy + 2), qRgb(0, 0, 0));
    EXPECT_EQ(boxImage.pixel(2, cy - 5), qRgb(255, 255, 255));
    // The dot in the selected item only.
    const TPoint selected = group->ItemCenter(1);
    const TPoint other = group->ItemCenter(0);
    EXPECT_EQ(groupImage.pixel(selected.X + 1, selected.Y), qRgb(0, 0, 0));
    EXPECT_EQ(groupImage.pixel(other.X + 1, other.Y), qRgb(255, 255, 255));
}

}  // namespace
