// The framed combo box through the input router: what typing, the wheel, the keys and leaving
// do to the text, the selection and the events, as a table of key sequences; its colours, values,
// and the flat parts it paints over the native rendering.

#include "widgets/skinned/RzCmboBx.h"

#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using skinnedtest::At;
using Events = std::vector<std::string>;

const char *const kSlopes[] = {"BW -6",  "BL -6",  "BW -12", "BL -12", "LK -12", "BW -18", "BL -18",
                               "BW -24", "BL -24", "LK -24", "BW -30", "BL -30", "BW -36", "BL -36",
                               "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48"};

// An edit-style box with two items, a list-style box of band types, and an edit to leave them for.
struct Combos {
    TManualClockScope clock;
    TForm *form = new TForm(nullptr);
    TRzComboBox *combo = new TRzComboBox(form);
    TRzComboBox *list = new TRzComboBox(form);
    TEdit *other = new TEdit(form);
    Events log;

    Combos()
    {
        form->SetBounds(0, 0, 300, 200);
        Place(combo, "combo", 10);
        Place(list, "list", 40);
        other->SetParent(form);
        other->SetBounds(10, 70, 120, 22);
        combo->Items()->SetText("BL -12\nBW -12");
        list->Items()->SetText("Peak\nLow Shelf\nHigh Shelf\nLow Pass\nHigh Pass\nAllpass 1\nAllpass 2");
        list->SetStyle(csDropDownList);
        list->SetItemIndex(0);
        form->Show();
        log.clear();
    }
    ~Combos() { delete form; }

    void Place(TRzComboBox *c, const char *name, int top)
    {
        c->SetName(name);
        c->SetParent(form);
        c->SetBounds(10, top, 120, 22);
        const std::string n = name;
        c->OnClick = [this, n](TObject *) { log.push_back(n + " click"); };
        c->OnChange = [this, n](TObject *) { log.push_back(n + " change"); };
        c->OnMatch = [this, n](TObject *) { log.push_back(n + " match"); };
        c->OnNotInList = [this, n](TObject *) { log.push_back(n + " notinlist"); };
        c->OnKeyPress = [this, n](TObject *, QChar &key) { log.push_back(n + " key " + QString(key).toStdString()); };
    }
    // Each character as a key press with its character, as the keyboard sends it.
    void Type(TWinControl *c, const QString &text)
    {
        if (!c->Focused())
            c->SetFocus();
        for (QChar ch : text)
            TInputRouter::Key(ch.isLetter() ? static_cast<WORD>(ch.toUpper().unicode()) : 0, {}, ch);
    }
    void Wheel(TRzComboBox *c, int delta)
    {
        c->SetFocus();
        TInputRouter::MouseWheel(form, delta, {}, TPoint(20, c->Top() + 5));
    }
};

struct KeyCase {
    const char *name;
    std::function<void(Combos &)> drive;
    Events expected;
    std::function<void(Combos &)> check;  // state afterwards (may be empty)
};

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << c.name;
}

const KeyCase kKeyCases[] = {
    {.name = "typing a prefix completes to the first item with the tail selected",
     .drive = [](Combos &f) { f.Type(f.combo, "b"); },
     .expected = {"combo key b", "combo click", "combo change", "combo key b", "combo match"},
     .check =
         [](Combos &f) {
             EXPECT_EQ(f.combo->Text(), "BL -12");
             EXPECT_EQ(f.combo->ItemIndex(), 0);
             EXPECT_EQ(f.combo->SelStart(), 1);
             EXPECT_EQ(f.combo->SelLength(), 5);
             EXPECT_EQ(f.combo->SearchString(), "b");
         }},
    {.name = "the next letter overtypes the tail and completes again",
     .drive =
         [](Combos &f) {
             f.Type(f.combo, "b");
             f.log.clear();
             f.Type(f.combo, "w");
         },
     .expected = {"combo key w", "combo click", "combo change", "combo key w", "combo match"},
     .check =
         [](Combos &f) {
             EXPECT_EQ(f.combo->Text(), "BW -12");
             EXPECT_EQ(f.combo->ItemIndex(), 1);
             EXPECT_EQ(f.combo->SelStart(), 2);
         }},
    {.name = "backspace shortens the search and completes again",
     .drive =
         [](Combos &f) {
             f.Type(f.combo, "bw");
             f.log.clear();
             TInputRouter::Key(VK_BACK, {}, QChar(8));
         },
     .expected = {"combo change", "combo click", "combo change", "combo key \b", "combo match"},
     .check = [](Combos &f) { EXPECT_EQ(f.combo->Text(), "BL -12"); }},
    {.name = "a key matching no item is typed when editing is allowed",
     .drive = [](Combos &f) { f.Type(f.combo, "bx"); },
     .expected = {"combo key b", "combo click", "combo change", "combo key b", "combo match", "combo key x",
                  "combo change"},
     .check =
         [](Combos &f) {
             EXPECT_EQ(f.combo->Text(), "bx");
             EXPECT_EQ(f.combo->ItemIndex(), -1);
         }},
    {.name = "without AllowEdit a key matching no item beeps and is refused",
     .drive =
         [](Combos &f) {
             f.combo->SetAllowEdit(false);
             const int beeps = MessageBeepCount();
             f.Type(f.combo, "x");
             EXPECT_EQ(MessageBeepCount(), beeps + 1);
         },
     .expected = {"combo key x"},
     .check = [](Combos &f) { EXPECT_EQ(f.combo->Text(), ""); }},
    {.name = "read-only: typing, Delete and the wheel change nothing",
     .drive =
         [](Combos &f) {
             f.combo->SetItemIndex(1);
             f.combo->SetReadOnly(true);
             f.Type(f.combo, "b");
             TInputRouter::Key(VK_HOME);
             TInputRouter::Key(VK_DELETE);
             f.Wheel(f.combo, 120);
         },
     .expected = {},
     .check = [](Combos &f) { EXPECT_EQ(f.combo->Text(), "BW -12"); }},
    {.name = "leaving a text that is no item fires OnNotInList",
     .drive =
         [](Combos &f) {
             f.Type(f.combo, "XYZ");
             f.log.clear();
             f.other->SetFocus();
         },
     .expected = {"combo notinlist"},
     .check = {}},
    {.name = "leaving the text of an item fires nothing",
     .drive =
         [](Combos &f) {
             f.Type(f.combo, "bw");
             f.log.clear();
             f.other->SetFocus();
         },
     .expected = {},
     .check = {}},
    {.name = "TabOnEnter: Enter with the list closed moves the focus on",
     .drive =
         [](Combos &f) {
             f.combo->SetTabOnEnter(true);
             f.combo->SetFocus();
             TInputRouter::Key(VK_RETURN, {}, u'\r');
             DeliverQueuedMessages();
             EXPECT_TRUE(f.list->Focused());
         },
     .expected = {},
     .check = {}},
    {.name = "list style: two letters within the pause search together",
     .drive =
         [](Combos &f) {
             f.Type(f.list, "a");
             TManualClock::Advance(1000);
             f.Type(f.list, "l");
         },
     .expected = {"list click", "list change", "list key a", "list click", "list change", "list key l"},
     .check =
         [](Combos &f) {
             EXPECT_EQ(f.list->Text(), "Allpass 1");
             EXPECT_EQ(f.list->SearchString(), "al");
         }},
    {.name = "list style: after the pause a letter starts a new search",
     .drive =
         [](Combos &f) {
             f.Type(f.list, "a");
             TManualClock::Advance(1500);
             f.Type(f.list, "l");
         },
     .expected = {"list click", "list change", "list key a", "list click", "list change", "list key l"},
     .check = [](Combos &f) { EXPECT_EQ(f.list->Text(), "Low Shelf"); }},
    {.name = "list style: a letter matching nothing beeps and keeps the selection",
     .drive =
         [](Combos &f) {
             const int beeps = MessageBeepCount();
             f.Type(f.list, "z");
             EXPECT_EQ(MessageBeepCount(), beeps + 1);
         },
     .expected = {},
     .check = [](Combos &f) { EXPECT_EQ(f.list->ItemIndex(), 0); }},
    {.name = "list style: a character beyond 16 bits searches as one",
     .drive =
         [](Combos &f) {
             f.list->Items()->Add(QString::fromUtf8("\xF0\x9F\x8E\xB5 Tone"));
             f.list->OnKeyPress = nullptr;
             f.list->SetFocus();
             const QString note = QString::fromUtf8("\xF0\x9F\x8E\xB5");
             TInputRouter::Char(note[0]);
             TInputRouter::Char(note[1]);
         },
     .expected = {"list click", "list change"},
     .check = [](Combos &f) { EXPECT_EQ(f.list->ItemIndex(), 7); }},
    {.name = "wheel down selects the next item",
     .drive = [](Combos &f) { f.Wheel(f.list, -120); },
     .expected = {"list click", "list change"},
     .check = [](Combos &f) { EXPECT_EQ(f.list->ItemIndex(), 1); }},
    {.name = "wheel down on the last item and up on the first fire nothing",
     .drive =
         [](Combos &f) {
             f.list->SetItemIndex(6);
             f.Wheel(f.list, -120);
             EXPECT_EQ(f.list->ItemIndex(), 6);
             f.list->SetItemIndex(0);
             f.Wheel(f.list, 120);
         },
     .expected = {},
     .check = [](Combos &f) { EXPECT_EQ(f.list->ItemIndex(), 0); }},
    {.name = "a wheel handler that sets Handled keeps the selection",
     .drive =
         [](Combos &f) {
             f.list->OnMouseWheel = [](TObject *, TShiftState, int, TPoint, bool &handled) { handled = true; };
             f.Wheel(f.list, -120);
         },
     .expected = {},
     .check = [](Combos &f) { EXPECT_EQ(f.list->ItemIndex(), 0); }},
    {.name = "ItemIndex, Text, Value and ClearItems by code fire nothing",
     .drive =
         [](Combos &f) {
             f.list->SetItemIndex(3);
             f.combo->SetText("BW -12");
             f.list->SetValue("High Pass");
             f.list->ClearItems();
         },
     .expected = {},
     .check = {}},
};

class ComboKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ComboKeys, EventsAndState)
{
    Combos f;
    GetParam().drive(f);
    EXPECT_EQ(f.log, GetParam().expected);
    if (GetParam().check)
        GetParam().check(f);
}

INSTANTIATE_TEST_SUITE_P(Sequences, ComboKeys, ::testing::ValuesIn(kKeyCases), stdtest::ParamName());

// ---- State by code -------------------------------------------------------------------------------

TEST(RzComboBox, TextByCodeSelectsTheFirstItemItBeginsWith)
{
    TForm form(nullptr);
    auto *slopes = new TRzComboBox(&form);
    slopes->SetParent(&form);
    for (const char *s : kSlopes)
        slopes->Items()->Add(s);
    slopes->SetText("LK -48");
    EXPECT_EQ(slopes->ItemIndex(), 19);
    slopes->SetText("bl");
    EXPECT_EQ(slopes->ItemIndex(), 1);
    EXPECT_EQ(slopes->Text(), "BL -6");
    slopes->ForceText("bw");
    EXPECT_EQ(slopes->Text(), "bw") << "forced text is not completed";
}

TEST(RzComboBox, ValuesNameItemsAndAnUnknownValueSelectsNothing)
{
    TForm form(nullptr);
    auto *types = new TRzComboBox(&form);
    types->SetParent(&form);
    types->SetStyle(csDropDownList);
    types->AddItemValue("Peak", "0");
    types->AddItemValue("Low Shelf", "1");
    types->AddItemValue("Allpass", "");
    types->SetValue("1");
    EXPECT_EQ(types->ItemIndex(), 1);
    EXPECT_EQ(types->GetValue(), "1");
    EXPECT_EQ(types->ValueAt(2), "Allpass") << "an empty value is the item's text";
    EXPECT_EQ(types->ValueAt(7), "");
    types->SetValue("9");
    EXPECT_EQ(types->ItemIndex(), -1);
}

TEST(RzComboBox, AFormsColourStaysWhenFocusedAndTheStatesTakeTheirColours)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *combo = new TRzComboBox(&form);
    combo->SetParent(&form);
    auto *other = new TEdit(&form);
    other->SetParent(&form);
    other->SetTop(50);
    form.Show();
    combo->SetColor(0xFFFFDF);
    combo->SetFocus();
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(combo->Color(), 0xFFFFDF);
    combo->SetReadOnly(true);
    EXPECT_EQ(combo->Color(), 0xFFFFDF) << "ReadOnlyColor only without the focus";
    other->SetFocus();
    EXPECT_EQ(combo->Color(), clInfoBk);
    combo->SetReadOnly(false);
    EXPECT_EQ(combo->Color(), 0xFFFFDF);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), clBtnFace);
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), 0xFFFFDF);
}

TEST(RzComboBox, TheListIsAsWideAsItsWidestItem)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *combo = new TRzComboBox(&form);
    combo->SetParent(&form);
    combo->SetWidth(60);
    combo->Items()->SetText("Peak\nA rather long band type");
    form.Show();
    combo->SetDroppedDown(true);
    TBitmap b(1, 1);
    b.Canvas()->SetFont(combo->Font());
    EXPECT_EQ(combo->ActualDropDownWidth(), b.Canvas()->TextWidth("A rather long band type") + 8);
    combo->SetDroppedDown(false);
    combo->SetDropDownWidth(200);
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->ActualDropDownWidth(), 200);
    combo->SetDroppedDown(false);
}

TEST(RzComboBox, TheWheelScrollsAnOpenListAndKeepsTheSelection)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *slopes = new TRzComboBox(&form);
    slopes->SetParent(&form);
    for (const char *s : kSlopes)
        slopes->Items()->Add(s);
    slopes->SetItemIndex(0);
    form.Show();
    slopes->SetFocus();
    slopes->SetDroppedDown(true);
    ASSERT_EQ(slopes->DroppedTopIndex(), 0);
    TInputRouter::MouseWheel(&form, -120, {}, TPoint(20, 10));
    EXPECT_EQ(slopes->DroppedTopIndex(), WheelScrollLines());
    TInputRouter::MouseWheel(&form, 240, {}, TPoint(20, 10));
    EXPECT_EQ(slopes->DroppedTopIndex(), 0) << "not above the first item";
    EXPECT_EQ(slopes->ItemIndex(), 0);
    slopes->SetDroppedDown(false);
}

// ---- Flat parts ----------------------------------------------------------------------------------

TEST(RzComboBox, FlatButtonAndFrameArePaintedOverTheNativeBox)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *combo = new TRzComboBox(&form);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 120, 22);
    combo->SetColor(0xFFFFDF);
    combo->Items()->SetText("LK -48");
    combo->SetItemIndex(0);
    combo->SetFlatButtons(true);
    auto *other = new TEdit(&form);
    other->SetParent(&form);
    other->SetTop(50);
    form.Show();
    other->SetFocus();
    const int bw = GetSystemMetrics(SM_CXVSCROLL);
    ASSERT_EQ(bw, 16);
    QImage shot = RenderControlImage(combo);
    // The button area (from the right edge less 2 less its width) in the box's colour with a black
    // arrow in it.
    int arrow = 0, face = 0;
    for (int y = 2; y < 20; ++y)
        for (int x = 120 - 2 - bw; x < 118; ++x) {
            arrow += At(shot, x, y) == clBlack;
            face += At(shot, x, y) == 0xFFFFDF;
        }
    EXPECT_GT(arrow, 5);
    EXPECT_GT(face, 16 * 18 - 20);

    // Under the pointer (or focused) the button is raised in clBtnFace.
    combo->Perform(CM_MOUSEENTER);
    shot = RenderControlImage(combo);
    EXPECT_EQ(At(shot, 120 - 2 - bw, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(shot, 117, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(shot, 110, 5), ColorToRGB(clBtnFace));
    combo->Perform(CM_MOUSELEAVE);

    // A visible frame replaces the system border: a flat line in FrameColor, the box colour inside.
    combo->SetFrameVisible(true);
    shot = RenderControlImage(combo);
    EXPECT_EQ(At(shot, 0, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(shot, 60, 21), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(shot, 1, 10), 0xFFFFDF);

    // Read-only: no button, only the box's colour, also focused.
    combo->SetReadOnly(true);
    combo->SetFocus();
    shot = RenderControlImage(combo);
    for (int y = 3; y < 19; ++y)
        for (int x = 120 - 2 - bw; x < 118; ++x)
            ASSERT_EQ(At(shot, x, y), 0xFFFFDF) << x << "," << y;
}

}  // namespace
