// The application's hints on the manual clock: the short hint of the control under the resting
// pointer shows after HintPause below the pointer and hides after HintHidePause; what prevents or
// ends a hint; the quick hand-over between hinted controls; the control's say in CM_HINTSHOW; the
// long hint through OnHint.

#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsGraphicControl.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Panel.h"
#include "platform/runtime/TimerService.h"

#include "StdTestApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// A picture-like windowless control that answers CM_HINTSHOW: it names the quarter of itself the
// pointer is in and puts the hint at its own bottom-left corner, or refuses the hint.
class THintedShape : public TGraphicControl {
    T_DECLARE_CLASS(THintedShape, TGraphicControl)

public:
    explicit THintedShape(TComponent *AOwner) : TGraphicControl(AOwner) {}
    bool Refuse = false;

protected:
    void CMHintShow(TMessage &m)
    {
        auto *info = reinterpret_cast<THintInfo *>(m.LParam);
        if (Refuse) {
            m.Result = 1;
            return;
        }
        info->HintStr += info->CursorPos.X < Width() / 2 ? QStringLiteral(" (left)") : QStringLiteral(" (right)");
        info->HintPos = ClientToScreen(TPoint(0, Height()));
    }
};

T_IMPLEMENT_CLASS(THintedShape)
{
    b.Message(CM_HINTSHOW, &THintedShape::CMHintShow);
}

namespace {

struct HintFixture : ::testing::Test {
    TManualClockScope clock;
    TForm *form = new TForm(nullptr);
    TPanel *panel = new TPanel(form);  // shows no hints
    TButton *save = new TButton(form);
    TButton *load = new TButton(form);
    THintedShape *shape = new THintedShape(form);

    static constexpr TPoint kOnSave{20, 20};
    static constexpr TPoint kOnLoad{120, 20};
    static constexpr TPoint kOnShape{20, 80};
    static constexpr TPoint kOnPanel{220, 120};

    HintFixture()
    {
        form->SetBounds(100, 100, 320, 200);
        form->SetShowHint(true);
        panel->SetParent(form);
        panel->SetBounds(200, 100, 100, 60);
        panel->SetShowHint(false);
        panel->SetHint("Panel");
        save->SetParent(form);
        save->SetBounds(10, 10, 75, 25);
        save->SetHint("Save|Saves the preset to a file");
        load->SetParent(form);
        load->SetBounds(110, 10, 75, 25);
        load->SetHint("Load");
        shape->SetParent(form);
        shape->SetBounds(10, 60, 80, 30);
        shape->SetHint("Shape");
        form->Show();
    }
    ~HintFixture() override
    {
        TInputRouter::MouseLeft();
        Application->CancelHint();
        Application->SetShowHint(true);
        delete form;
    }

    void MoveTo(TPoint p) { TInputRouter::MouseMove(form, {}, p); }
    bool HintShown() const { return Application->HintWindow() && Application->HintWindow()->Visible(); }
    QString HintText() const { return HintShown() ? Application->HintWindow()->Caption() : QString(); }
};

TEST_F(HintFixture, TheShortHintShowsBelowTheRestingPointerAfterThePauseAndHidesAfterTheHidePause)
{
    MoveTo(TPoint(18, 20));
    TManualClock::Advance(300);
    MoveTo(kOnSave);  // a move restarts the pause
    TManualClock::Advance(499);
    EXPECT_FALSE(HintShown());
    TManualClock::Advance(1);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(HintText(), "Save");
    const TPoint pointer = form->ClientToScreen(kOnSave);
    EXPECT_EQ(Application->HintWindow()->Left(), pointer.X);
    EXPECT_EQ(Application->HintWindow()->Top(), pointer.Y + 20);

    MoveTo(TPoint(22, 21));  // within the control: the hint stays as it is
    TManualClock::Advance(2499);
    EXPECT_TRUE(HintShown());
    TManualClock::Advance(1);
    EXPECT_FALSE(HintShown());
    MoveTo(TPoint(25, 22));  // still on it: nothing new
    TManualClock::Advance(3000);
    EXPECT_FALSE(HintShown());
}

TEST_F(HintFixture, AfterAHintTheNextControlsHintFollowsAtOnce)
{
    MoveTo(kOnSave);
    TManualClock::Advance(500);
    ASSERT_TRUE(HintShown());
    MoveTo(kOnLoad);
    EXPECT_FALSE(HintShown());
    TManualClock::Advance(50);
    EXPECT_EQ(HintText(), "Load");
    MoveTo(TPoint(150, 150));  // the form shows hints but has no text: the chain ends
    EXPECT_FALSE(HintShown());
    TManualClock::Advance(50);
    EXPECT_FALSE(HintShown());
    MoveTo(kOnSave);
    TManualClock::Advance(50);
    EXPECT_FALSE(HintShown());
    TManualClock::Advance(450);
    EXPECT_EQ(HintText(), "Save");
}

struct NoHintCase {
    const char *name;
    std::function<void(HintFixture &)> before;  // before the pause runs out
    std::function<void(HintFixture &)> after;   // once the hint is shown (empty: no hint expected at all)
};

const NoHintCase kNoHintCases[] = {
    {.name = "control_that_shows_no_hints",
     .before = [](HintFixture &f) { f.MoveTo(HintFixture::kOnPanel); },
     .after = {}},
    {.name = "application_hints_off",
     .before =
         [](HintFixture &f) {
             Application->SetShowHint(false);
             f.MoveTo(HintFixture::kOnSave);
         },
     .after = {}},
    {.name = "press_during_the_pause",
     .before =
         [](HintFixture &f) {
             f.MoveTo(HintFixture::kOnSave);
             TManualClock::Advance(200);
             TInputRouter::MouseDown(f.form, mbLeft, {}, HintFixture::kOnSave);
             TInputRouter::MouseUp(f.form, mbLeft, {}, HintFixture::kOnSave);
         },
     .after = {}},
    {.name = "control_switching_its_hint_off_in_its_mouse_move",
     .before =
         [](HintFixture &f) {
             f.save->OnMouseMove = [&f](TObject *, TShiftState, int, int) { f.save->SetShowHint(false); };
             f.MoveTo(HintFixture::kOnSave);
         },
     .after = {}},
    {.name = "control_refusing_in_cm_hintshow",
     .before =
         [](HintFixture &f) {
             f.shape->Refuse = true;
             f.MoveTo(HintFixture::kOnShape);
         },
     .after = {}},
    {.name = "key_while_shown",
     .before = [](HintFixture &f) { f.MoveTo(HintFixture::kOnSave); },
     .after = [](HintFixture &) { TInputRouter::Key(VK_DOWN); }},
    {.name = "pointer_onto_a_control_without_hints_while_shown",
     .before = [](HintFixture &f) { f.MoveTo(HintFixture::kOnSave); },
     .after = [](HintFixture &f) { f.MoveTo(HintFixture::kOnPanel); }},
    {.name = "pointer_leaves_the_program_while_shown",
     .before = [](HintFixture &f) { f.MoveTo(HintFixture::kOnSave); },
     .after =
         [](HintFixture &) {
             TInputRouter::MouseLeft();
             Application->SetIdleHook([](int) {});
             Application->ProcessMessages();
             Application->HandleMessage();
             Application->SetIdleHook({});
         }},
    {.name = "hinted_control_destroyed_while_shown",
     .before = [](HintFixture &f) { f.MoveTo(HintFixture::kOnSave); },
     .after =
         [](HintFixture &f) {
             delete f.save;
             f.save = nullptr;
         }},
};

struct NoHint : HintFixture, ::testing::WithParamInterface<NoHintCase> {};

TEST_P(NoHint, NoHintShowsOrTheShownOneEnds)
{
    const NoHintCase &c = GetParam();
    c.before(*this);
    TManualClock::Advance(500);
    if (c.after) {
        ASSERT_TRUE(HintShown());
        c.after(*this);
    }
    EXPECT_FALSE(HintShown());
    TManualClock::Advance(5000);
    EXPECT_FALSE(HintShown());
}

INSTANTIATE_TEST_SUITE_P(Hints, NoHint, ::testing::ValuesIn(kNoHintCases), stdtest::ParamName{});

TEST_F(HintFixture, TheControlChangesTheTextAndThePlaceBeforeTheHintShows)
{
    MoveTo(TPoint(70, 75));
    TManualClock::Advance(500);
    EXPECT_EQ(HintText(), "Shape (right)");
    const TPoint corner = shape->ClientToScreen(TPoint(0, shape->Height()));
    EXPECT_EQ(Application->HintWindow()->Left(), corner.X);
    EXPECT_EQ(Application->HintWindow()->Top(), corner.Y);
}

TEST_F(HintFixture, TheLongHintOfTheControlUnderThePointerReachesOnHint)
{
    std::vector<QString> heard;
    Application->OnHint = [&](TObject *) { heard.push_back(Application->Hint()); };
    Application->SetIdleHook([](int) {});
    auto idle = [] {
        Application->ProcessMessages();
        Application->HandleMessage();
    };
    MoveTo(kOnSave);
    idle();
    MoveTo(kOnLoad);
    idle();
    idle();  // no change, no event
    TInputRouter::MouseLeft();
    idle();
    Application->SetIdleHook({});
    Application->OnHint = nullptr;
    EXPECT_EQ(heard, (std::vector<QString>{"Saves the preset to a file", "Load", ""}));
}

}  // namespace
