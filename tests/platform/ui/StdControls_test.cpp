// Firing rules of the standard controls: which writes by code and which user actions fire which
// events, in which order. Each row drives one control and compares the event log.

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/RadioButton.h"
#include "platform/ui/TestScript.h"

#include "StdTestApp.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Fixture {
    TScriptSession script;
    TForm *form = new TForm(nullptr);
    TEdit *edit = new TEdit(form);
    TComboBox *combo = new TComboBox(form);
    TComboBox *list = new TComboBox(form);
    TRadioButton *radioA = new TRadioButton(form);
    TRadioButton *radioB = new TRadioButton(form);
    TCheckBox *check = new TCheckBox(form);
    TListBox *listBox = new TListBox(form);
    TMemo *memo = new TMemo(form);
    TButton *button = new TButton(form);
    std::vector<std::string> log;

    Fixture()
    {
        form->SetBounds(0, 0, 400, 300);
        Place(edit, "edit", 10, 10);
        Place(combo, "combo", 10, 40);
        Place(list, "list", 10, 70);
        Place(radioA, "radioA", 10, 100);
        Place(radioB, "radioB", 10, 125);
        Place(check, "check", 10, 150);
        Place(listBox, "listBox", 200, 10);
        listBox->SetHeight(80);
        Place(memo, "memo", 200, 100);
        memo->SetHeight(60);
        Place(button, "button", 200, 170);
        radioA->SetChecked(true);
        listBox->Items()->SetText("a\nb\nc");
        for (TControl *c : std::initializer_list<TControl *>{radioA, radioB, check, listBox, button})
            c->OnClick = Logger(c->Name().toStdString() + " click");
        memo->OnChange = Logger("memo change");
        for (TCustomComboBox *c : {static_cast<TCustomComboBox *>(combo), static_cast<TCustomComboBox *>(list)}) {
            c->Items()->SetText("Out1\nOut2\nOut3\nOut4");
            c->SetItemIndex(0);
        }
        list->SetStyle(csDropDownList);
        edit->OnChange = Logger("edit change");
        for (TComboBox *c : {combo, list}) {
            const std::string n = c->Name().toStdString();
            c->OnChange = Logger(n + " change");
            c->OnClick = Logger(n + " click");
            c->OnDropDown = Logger(n + " dropdown");
            c->OnCloseUp = Logger(n + " closeup");
        }
        form->Show();
        log.clear();
    }
    ~Fixture() { delete form; }

    void Place(TWinControl *c, const char *name, int x, int y)
    {
        c->SetName(QString::fromLatin1(name));
        c->SetParent(form);
        c->SetBounds(x, y, 150, 22);
    }
    // The centre of an item of the combo's open list, in the form's client coordinates.
    TPoint ListItem(TCustomComboBox *c, int index)
    {
        const TRect r = c->DroppedItemRect(index);
        EXPECT_FALSE(r.IsEmpty()) << index;
        return form->ScreenToClient(c->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)));
    }
    TNotifyEvent Logger(std::string what)
    {
        return [this, what](TObject *) { log.push_back(what); };
    }
    void Type(TWinControl *c, const QString &text)
    {
        c->SetFocus();
        for (QChar ch : text)
            TInputRouter::Key(ch.isLetter() ? static_cast<WORD>(ch.toUpper().unicode()) : 0, {}, ch);
    }
};

struct FiringRule {
    const char *name;
    std::function<void(Fixture &)> drive;
    std::vector<std::string> expected;
};

// Names the case in test listings (ctest shows it) instead of the bytes of the struct.
void PrintTo(const FiringRule &c, std::ostream *os) { *os << c.name; }

const FiringRule kRules[] = {
    {"edit text by code fires OnChange", [](Fixture &f) { f.edit->SetText("abc"); }, {"edit change"}},
    {"edit same text by code fires nothing",
     [](Fixture &f) {
         f.edit->SetText("abc");
         f.log.clear();
         f.edit->SetText("abc");
     },
     {}},
    {"edit typing fires OnChange per character",
     [](Fixture &f) { f.Type(f.edit, "ab"); },
     {"edit change", "edit change"}},
    {"edit selection by code fires nothing",
     [](Fixture &f) {
         f.edit->SetText("abc");
         f.log.clear();
         f.edit->SelectAll();
         f.edit->SetSelStart(1);
     },
     {}},
    {"combo item index by code fires nothing", [](Fixture &f) { f.combo->SetItemIndex(2); }, {}},
    {"combo text by code fires nothing", [](Fixture &f) { f.combo->SetText("Out9"); }, {}},
    {"combo items by code fire nothing", [](Fixture &f) { f.combo->Items()->Add("Out5"); }, {}},
    {"combo arrow key by user: click then change",
     [](Fixture &f) {
         f.combo->SetFocus();
         TInputRouter::Key(VK_DOWN);
     },
     {"combo click", "combo change"}},
    {"list wheel by user: click then change",
     [](Fixture &f) {
         f.list->SetFocus();  // the wheel goes to the focused control
         TInputRouter::MouseWheel(f.form, -120, {}, Point(20, 80));
     },
     {"list click", "list change"}},
    {"combo typing fires change", [](Fixture &f) { f.Type(f.combo, "x"); }, {"combo change"}},
    {"combo choice by user without OnSelect: click then change",
     [](Fixture &f) {
         f.combo->OnSelect = f.Logger("combo select");
         f.combo->SetFocus();
         TInputRouter::Key(VK_DOWN);
     },
     {"combo click", "combo select"}},
    {"combo list opened and closed by the user",
     [](Fixture &f) {
         TInputRouter::Click(f.form, Point(20, 80));
         f.list->SetDroppedDown(false);
     },
     {"list dropdown", "list closeup"}},
    {"list item chosen with the mouse in the open list: close-up, click, change",
     [](Fixture &f) {
         TInputRouter::Click(f.form, Point(20, 80));
         const TPoint item = f.ListItem(f.list, 2);
         TInputRouter::MouseMove(f.form, {}, item);
         TInputRouter::Click(f.form, item);
         EXPECT_EQ(f.list->ItemIndex(), 2);
         EXPECT_FALSE(f.list->DroppedDown());
     },
     {"list dropdown", "list closeup", "list click", "list change"}},
    {"press outside the open list closes it and reaches nothing else",
     [](Fixture &f) {
         TInputRouter::Click(f.form, Point(20, 80));
         TInputRouter::Click(f.form, Point(210, 180));  // on the button
         EXPECT_EQ(f.list->ItemIndex(), 0);
         EXPECT_FALSE(f.list->DroppedDown());
         TInputRouter::Click(f.form, Point(210, 180));  // the list closed: the button hears this one
     },
     {"list dropdown", "list closeup", "button click"}},
    {"radio checked by code fires OnClick", [](Fixture &f) { f.radioB->SetChecked(true); }, {"radioB click"}},
    {"radio unchecked by code fires nothing", [](Fixture &f) { f.radioA->SetChecked(false); }, {}},
    {"radio click by user checks it and fires OnClick once",
     [](Fixture &f) { TInputRouter::Click(f.form, Point(20, 132)); },
     {"radioB click"}},
    {"radio click on the checked one fires nothing",
     [](Fixture &f) { TInputRouter::Click(f.form, Point(20, 107)); },
     {}},
    {"check box checked by code fires OnClick", [](Fixture &f) { f.check->SetChecked(true); }, {"check click"}},
    {"check box click by user toggles and fires OnClick",
     [](Fixture &f) { TInputRouter::Click(f.form, Point(20, 157)); },
     {"check click"}},
    {"list box item index by code fires nothing", [](Fixture &f) { f.listBox->SetItemIndex(2); }, {}},
    {"list box click by user fires OnClick",
     [](Fixture &f) { TInputRouter::Click(f.form, Point(210, 14)); },
     {"listBox click"}},
    {"list box double click by user: click then double click",
     [](Fixture &f) {
         f.listBox->OnDblClick = f.Logger("listBox dblclick");
         TInputRouter::MouseDown(f.form, mbLeft, {}, Point(210, 14));
         TInputRouter::MouseUp(f.form, mbLeft, {}, Point(210, 14));
         TInputRouter::MouseDoubleClick(f.form, mbLeft, {}, Point(210, 14));
         TInputRouter::MouseUp(f.form, mbLeft, {}, Point(210, 14));
     },
     {"listBox click", "listBox dblclick"}},
    {"list box arrow key by user fires OnClick",
     [](Fixture &f) {
         f.listBox->SetItemIndex(0);
         f.listBox->SetFocus();
         TInputRouter::Key(VK_DOWN);
     },
     {"listBox click"}},
    {"memo lines by code fire OnChange", [](Fixture &f) { f.memo->Lines()->Add("x"); }, {"memo change"}},
    {"memo typing fires OnChange", [](Fixture &f) { f.Type(f.memo, "q"); }, {"memo change"}},
    {"button click by code and by user",
     [](Fixture &f) {
         f.button->Click();
         TInputRouter::Click(f.form, Point(210, 180));
     },
     {"button click", "button click"}},
};

class FiringRules : public ::testing::TestWithParam<FiringRule> {};

TEST_P(FiringRules, EventsFollowTheFramework)
{
    Fixture f;
    GetParam().drive(f);
    EXPECT_EQ(f.log, GetParam().expected);
    EXPECT_TRUE(f.script.Failures().empty());
}

TEST(KeyboardCommands, CtrlKeysReachTheEditor)
{
    Fixture f;
    f.edit->SetText("abc");
    f.edit->SetFocus();
    f.log.clear();
    TInputRouter::Key('A', {ssCtrl});  // select all
    TInputRouter::Key('C', {ssCtrl});  // copy
    TInputRouter::Key(VK_END);
    TInputRouter::Key('V', {ssCtrl});  // paste: a change by the user
    EXPECT_EQ(f.edit->Text(), "abcabc");
    EXPECT_EQ(f.log, std::vector<std::string>{"edit change"});
}

TEST(FiringRulesState, WhatTheEventsLeaveBehind)
{
    Fixture f;
    f.radioB->SetChecked(true);
    EXPECT_FALSE(f.radioA->Checked());  // siblings go off
    EXPECT_TRUE(f.radioB->TabStop());
    EXPECT_FALSE(f.radioA->TabStop());
    f.Type(f.edit, "xy");
    EXPECT_TRUE(f.edit->Modified());
    f.edit->SetText("new");
    EXPECT_FALSE(f.edit->Modified());
    f.combo->SetFocus();
    TInputRouter::Key(VK_DOWN);
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    EXPECT_EQ(f.combo->Text(), "Out2");
    EXPECT_EQ(f.listBox->Items()->Add("d"), 3);  // Add answers the index
    TInputRouter::Click(f.form, Point(20, 157));
    EXPECT_TRUE(f.check->Checked());
}

INSTANTIATE_TEST_SUITE_P(Rules, FiringRules, ::testing::ValuesIn(kRules), stdtest::ParamName());

// Keys while a combo box's list is open move its highlight; Enter chooses, Esc keeps the value.
struct OpenListKeys {
    const char *name;
    bool editPart;
    std::vector<WORD> keys;
    int itemIndex;  // afterwards
    std::vector<std::string> expected;
};

void PrintTo(const OpenListKeys &c, std::ostream *os)
{
    *os << c.name;
}

const OpenListKeys kOpenListKeys[] = {
    {"list: down, down, enter chooses one item",
     false,
     {VK_DOWN, VK_DOWN, VK_RETURN},
     2,
     {"list dropdown", "list closeup", "list click", "list change"}},
    {"list: down, up, esc keeps the value",
     false,
     {VK_DOWN, VK_DOWN, VK_UP, VK_ESCAPE},
     0,
     {"list dropdown", "list closeup"}},
    {"list: end, enter chooses the last item",
     false,
     {VK_END, VK_RETURN},
     3,
     {"list dropdown", "list closeup", "list click", "list change"}},
    {"list: enter on the current item changes nothing", false, {VK_RETURN}, 0, {"list dropdown", "list closeup"}},
    {"combo: down, down, enter chooses one item",
     true,
     {VK_DOWN, VK_DOWN, VK_RETURN},
     2,
     {"combo dropdown", "combo closeup", "combo click", "combo change"}},
    {"combo: down, esc keeps the value", true, {VK_DOWN, VK_ESCAPE}, 0, {"combo dropdown", "combo closeup"}},
};

class OpenList : public ::testing::TestWithParam<OpenListKeys> {};

TEST_P(OpenList, KeysMoveTheHighlightAndEnterChoosesIt)
{
    const OpenListKeys &c = GetParam();
    Fixture f;
    TComboBox *box = c.editPart ? f.combo : f.list;
    f.button->SetDefault(true);  // Enter and Esc close the list, they press no button
    f.button->SetCancel(true);
    box->SetFocus();
    box->SetDroppedDown(true);
    for (WORD key : c.keys) {
        TInputRouter::Key(key);
        if (key != VK_RETURN && key != VK_ESCAPE) {
            EXPECT_TRUE(box->DroppedDown()) << key;
        }
    }
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(box->ItemIndex(), c.itemIndex);
    EXPECT_EQ(f.log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, OpenList, ::testing::ValuesIn(kOpenListKeys), stdtest::ParamName());

}  // namespace

namespace {

// A combo box of the kind the skinned set derives: it sees the edit part's messages first and the
// list notifications after the framework.
class TProbeCombo : public TComboBox {
public:
    explicit TProbeCombo(TComponent *owner) : TComboBox(owner) {}
    std::vector<WORD> notices;
    int deleted = 0;

protected:
    void ComboWndProc(TMessage &m) override
    {
        if (m.Msg == WM_CHAR && m.WParam == 'x')
            return;  // swallowed: the edit never sees it
        TComboBox::ComboWndProc(m);
    }
    void WndProc(TMessage &m) override
    {
        if (m.Msg == CN_COMMAND)
            notices.push_back(static_cast<WORD>(m.WParam >> 16));
        if (m.Msg == CN_DELETEITEM)
            ++deleted;
        TComboBox::WndProc(m);
    }
};

TEST(ComboBoxHooks, EditMessagesNoticesSearchesAndDeletions)
{
    TScriptSession script;
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *combo = new TProbeCombo(&form);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 120, 22);
    combo->SetAutoComplete(false);
    TObject marker;
    combo->Items()->AddObject("BL -12", &marker);
    combo->Items()->Add("BW -12");
    combo->Items()->Add("bw -18");
    form.Show();
    combo->SetFocus();
    TInputRouter::Key('X', {}, u'x');
    TInputRouter::Key('B', {}, u'b');
    EXPECT_EQ(combo->Text(), "b");                        // 'x' never reached the edit part
    EXPECT_EQ(combo->notices, std::vector<WORD>{CBN_EDITCHANGE});
    TInputRouter::Key(VK_DOWN);
    EXPECT_EQ(combo->notices.back(), CBN_SELCHANGE);

    struct Search {
        const char *text;
        int after;
        int prefix;
        int exact;
    };
    const Search searches[] = {{"bw", -1, 1, -1}, {"BW", 1, 2, -1}, {"bl -12", -1, 0, 0}, {"BW -18", 0, 2, 2},
                               {"zz", -1, -1, -1}, {"b", 2, 0, -1}};
    for (const Search &s : searches) {
        EXPECT_EQ(combo->FindString(s.text, s.after), s.prefix) << s.text << " after " << s.after;
        EXPECT_EQ(combo->FindStringExact(s.text, s.after), s.exact) << s.text << " after " << s.after;
    }
    combo->Items()->Delete(1);
    EXPECT_EQ(combo->deleted, 0);  // no object, no notice
    combo->Items()->Clear();
    EXPECT_EQ(combo->deleted, 1);
    EXPECT_TRUE(script.Failures().empty());
}

}  // namespace
