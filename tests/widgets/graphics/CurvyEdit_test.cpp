// The rounded value box: where its edit sits, which events reach the box's handlers, what the box
// shows around and in the edit, its image buttons, and a main-window definition.

#include "widgets/graphics/CurvyEdit.h"

#include "platform/runtime/FormReader.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"

#include <string>
#include <vector>

namespace {

using graphicstest::At;
using graphicstest::Stripe;
using Events = std::vector<std::string>;

// A shown form with a main-window value box (58 wide, rounding 6, light yellow) on a panel whose
// striped picture lies under it, a second box to move the focus to, and a log of the box's events.
struct Box : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TPanel *panel = graphicstest::StripedPanel(form, form, TRect(0, 0, 300, 200));
    TCurvyEdit *box = new TCurvyEdit(form);
    TCurvyEdit *other = new TCurvyEdit(form);
    Events log;

    Box()
    {
        form->SetBounds(0, 0, 300, 200);
        for (TCurvyEdit *e : {box, other}) {
            e->SetParent(panel);
            e->SetRounding(6);
            e->SetBorderColor(clHighlightText);
            e->SetColor(0xFFFFDF);
            e->SetAlignment(taCenter);
            e->SetAutoSelect(false);
            e->SetHideSelection(false);
            e->SetEditTabStop(true);
        }
        box->SetBounds(20, 20, 58, 24);
        other->SetBounds(20, 100, 58, 24);
        const auto sender = [this](TObject *s) { EXPECT_EQ(s, box) << "the box is the sender"; };
        box->OnChange = [this, sender](TObject *s) { sender(s), Log("change:" + box->Text().toStdString()); };
        box->OnEnter = [this, sender](TObject *s) { sender(s), Log("enter"); };
        box->OnExit = [this, sender](TObject *s) { sender(s), Log("exit"); };
        box->OnKeyDown = [this, sender](TObject *s, WORD &key, TShiftState) {
            sender(s), Log("key:" + std::to_string(key));
        };
        box->OnKeyPress = [this, sender](TObject *s, QChar &c) {
            sender(s), Log(std::string("press:") + c.toLatin1());
        };
        box->OnMouseDown = [this, sender](TObject *s, TMouseButton, TShiftState, int x, int y) {
            sender(s), Log("down:" + std::to_string(x) + "," + std::to_string(y));
        };
        form->Show();
        other->SetFocus();
        TakeLog();
    }
    ~Box() override { delete form; }
    void Log(const std::string &what) { log.push_back(what); }
    Events TakeLog() { return std::exchange(log, {}); }
    QImage Shot() { return RenderControlImage(box); }
    // Pixels of the edit's area that are dark enough to be text.
    static int Ink(const QImage &shot)
    {
        int n = 0;
        for (int y = 6; y < 22; ++y)
            for (int x = 7; x < 49; ++x)
                n += qGray(shot.pixel(x, y)) < 128;
        return n;
    }
};

TEST_F(Box, TheEditSitsBetweenTheRoundingsAndTheBoxStays24High)
{
    TEmptyEdit *edit = box->Edit();
    EXPECT_EQ(edit->Parent(), box);
    EXPECT_EQ(edit->BoundsRect(), TRect(6, 5, 50, 23)) << "left 6, top 5, 44 x 18";
    box->SetHeight(50);
    EXPECT_EQ(box->Height(), 24);
    box->SetWidth(70);
    EXPECT_EQ(edit->Width(), 56);
    TCurvyEdit fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 24);
    EXPECT_EQ(fresh.Edit()->BoundsRect(), TRect(8, 5, 90, 23)) << "rounding 8: 100 - 16 - 2";
}

TEST_F(Box, TheEditsEventsReachTheBoxOnceWithTheBoxAsSender)
{
    box->SetFocus();
    EXPECT_TRUE(box->Edit()->Focused());
    EXPECT_EQ(TakeLog(), Events{"enter"});
    TInputRouter::Key('7', {}, QChar('7'));
    EXPECT_EQ(box->Text(), "7");
    EXPECT_EQ(TakeLog(), (Events{"key:55", "press:7", "change:7"}));
    box->SetText("12.5");
    EXPECT_EQ(TakeLog(), Events{"change:12.5"});
    other->SetFocus();
    EXPECT_EQ(TakeLog(), Events{"exit"});
    const TPoint onEdit(box->Left() + box->Edit()->Left() + 4, box->Top() + box->Edit()->Top() + 3);
    TInputRouter::MouseDown(form, mbLeft, {}, onEdit);
    TInputRouter::MouseUp(form, mbLeft, {}, onEdit);
    // The press focuses the edit before its mouse-down handler runs, as a standard edit does.
    const Events log = TakeLog();
    ASSERT_GE(log.size(), 2U);
    EXPECT_EQ(log[0], "enter");
    EXPECT_EQ(log[1], "down:4,3") << "in the edit's own coordinates";
}

TEST_F(Box, KeysSentToTheBoxItselfDoNothing)
{
    box->Perform(WM_KEYDOWN, 'A', 0);
    box->Perform(WM_CHAR, 'a', 0);
    box->Perform(WM_KEYUP, 'A', 0);
    EXPECT_EQ(TakeLog(), Events{});
    EXPECT_EQ(box->Text(), "");
}

TEST_F(Box, ColourRecoloursTheEditAtOnce)
{
    box->SetColor(clAqua);
    EXPECT_EQ(box->Edit()->Color(), clAqua);
    EXPECT_EQ(At(box->BackingImage(), 3, 12), clAqua) << "the frame's body";
    EXPECT_EQ(At(Shot(), 25, 8), clAqua) << "the edit's field";
}

TEST_F(Box, ReadOnlyTextShowsAndCannotBeTyped)
{
    box->SetReadOnly(true);
    EXPECT_TRUE(box->Edit()->ReadOnly());
    const int empty = Ink(Shot());
    box->SetText("-12.5");
    EXPECT_GT(Ink(Shot()), empty + 10);
    box->SetFocus();
    TakeLog();
    TInputRouter::Key('9', {}, QChar('9'));
    EXPECT_EQ(box->Text(), "-12.5");
    EXPECT_EQ(TakeLog(), (Events{"key:57", "press:9"})) << "the keys are seen, the text stays";
}

TEST_F(Box, OutsideTheRoundedShapeTheParentShows)
{
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 0, 0), Stripe(20)) << "top-left corner";
    EXPECT_EQ(At(shot, 57, 23), Stripe(77)) << "bottom-right corner";
    EXPECT_EQ(At(shot, 3, 12), 0xFFFFDF) << "the body";
    EXPECT_EQ(At(shot, 30, 1), 0xD9D9D9) << "the shadow line";
}

TEST_F(Box, DisablingDisablesTheEditOnly)
{
    const QImage frame = Shot();
    box->SetEnabled(false);
    EXPECT_FALSE(box->Edit()->Enabled());
    EXPECT_FALSE(box->Enabled());
    EXPECT_TRUE(box->TCurvyControlPanel::Enabled()) << "the box itself";
    const QImage disabled = Shot();
    for (int x = 0; x < 58; ++x)
        EXPECT_EQ(At(disabled, x, 0), At(frame, x, 0)) << x;
}

// ---- Image buttons -------------------------------------------------------------------------------------

TEST_F(Box, ImageButtonsTakeRoomAndClickOnRelease)
{
    box->SetWidth(120);
    TCurvyControl *item = box->Controls()->Add();
    graphicstest::LoadWidgetPicture(item->Picture(), "fader_thumb_normal.png");
    item->SetHint("Reset");
    EXPECT_EQ(box->Controls()->RightControlSize(), 2 + 18) << "16 wide, plus 2";
    EXPECT_EQ(box->Edit()->Width(), 120 - 12 - 20);
    const TRect r = box->ItemRect(0);
    EXPECT_EQ(r, TRect(97, -2, 115, 27)) << "120 - 20 - 6 / 2: from the right, half the rounding in";
    std::vector<int> clicks;
    box->OnControlClick = [&](TObject *s, int index) {
        EXPECT_EQ(s, box);
        clicks.push_back(index);
    };
    const TPoint on(box->Left() + r.Left + 5, box->Top() + 12);
    TInputRouter::MouseDown(form, mbLeft, {}, on);
    EXPECT_EQ(item->State(), curvy::csDown);
    TInputRouter::MouseUp(form, mbLeft, {}, on);
    EXPECT_EQ(clicks, std::vector<int>{0});
    EXPECT_EQ(item->State(), curvy::csNormal);

    TInputRouter::MouseDown(form, mbLeft, {}, on);
    TInputRouter::MouseUp(form, mbLeft, {}, TPoint(box->Left() + 2, box->Top() + 12));
    EXPECT_EQ(item->State(), curvy::csDown) << "released outside every item";
    EXPECT_EQ(clicks.size(), 1u);

    THintInfo info;
    info.CursorPos = TPoint(r.Left + 5, 12);
    box->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintStr, "Reset");
}

TEST(CurvyItems, AnItemCopiesItsSettingsButNotItsPictures)
{
    TCurvyEdit a(nullptr), b(nullptr);
    TCurvyControl *from = a.Controls()->Add();
    from->SetHint("x");
    from->SetImageIndex(3);
    from->SetPosition(cpLeft);
    from->SetDropDown(true);
    graphicstest::LoadWidgetPicture(from->Picture(), "fader_thumb_normal.png");
    b.SetControls(a.Controls());
    TCurvyControl *to = b.Controls()->Items(0);
    EXPECT_EQ(to->Hint(), "x");
    EXPECT_EQ(to->ImageIndex(), 3);
    EXPECT_EQ(to->Position(), cpLeft);
    EXPECT_TRUE(to->DropDown());
    EXPECT_TRUE(to->Picture()->Empty());
    EXPECT_EQ(b.Controls()->LeftSize(), 7) << "no image: 0 wide, plus 7 for the drop-down";
    EXPECT_EQ(b.LeftIndent(), 7);
}

TEST(CurvyForm, AMainWindowValueBoxLoadsAsWritten)
{
    const QString text = "object Holder: TForm\n"
                         "  object edFreqInA: TCurvyEdit\n"
                         "    Left = 100\n"
                         "    Top = 40\n"
                         "    Width = 58\n"
                         "    Height = 24\n"
                         "    Rounding = 6\n"
                         "    BorderColor = clHighlightText\n"
                         "    Color = 16777183\n"
                         "    Alignment = taCenter\n"
                         "    AutoSelect = False\n"
                         "    HideSelection = False\n"
                         "    ReadOnly = True\n"
                         "    TabOrder = 4\n"
                         "    Text = '1.00KHz'\n"
                         "    Controls = <>\n"
                         "    Version = '1.0.3.1'\n"
                         "  end\n"
                         "end\n";
    std::unique_ptr<TComponent> holder(CreateComponentFromText(text, "main.dfm", nullptr));
    auto *box = dynamic_cast<TCurvyEdit *>(holder->FindComponent("edFreqInA"));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Rounding(), 6);
    EXPECT_EQ(box->Color(), 0xFFFFDF);
    EXPECT_EQ(box->Edit()->Color(), 0xFFFFDF);
    EXPECT_EQ(box->Alignment(), taCenter);
    EXPECT_TRUE(box->ReadOnly());
    EXPECT_FALSE(box->AutoSelect());
    EXPECT_EQ(box->Text(), "1.00KHz");
    EXPECT_EQ(box->Edit()->BoundsRect(), TRect(6, 5, 50, 23));
    EXPECT_EQ(box->Version(), "1.0.3.1");
}

// A box that names neither its rounding nor its buttons: the edit still fits the width it loaded
// with, so a centred text stays inside the box.
TEST(CurvyForm, AValueBoxWithItsDefaultsFitsItsEditToTheWidthItLoadedWith)
{
    const QString text = "object Holder: TForm\n"
                         "  object cvdCompThresholdOut1: TCurvyEdit\n"
                         "    Left = 8\n"
                         "    Top = 244\n"
                         "    Width = 58\n"
                         "    Height = 24\n"
                         "    Alignment = taCenter\n"
                         "    Text = '-15.0dB'\n"
                         "  end\n"
                         "end\n";
    std::unique_ptr<TComponent> holder(CreateComponentFromText(text, "main.dfm", nullptr));
    auto *box = dynamic_cast<TCurvyEdit *>(holder->FindComponent("cvdCompThresholdOut1"));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Edit()->BoundsRect(), TRect(8, 5, 48, 23)) << "rounding 8: 58 - 16 - 2";
}

}  // namespace
