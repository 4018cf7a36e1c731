// The component layer of the library's controls: keys, bounds, the per-control timer, focus,
// painting into another canvas and transparency.

#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panel.h"
#include "platform/runtime/TimerService.h"

#include <gtest/gtest.h>

namespace {

struct OnAForm : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TTestPlotControl *control = new TTestPlotControl(form);
    TTestPlotControl *other = new TTestPlotControl(form);

    OnAForm()
    {
        form->SetBounds(0, 0, 400, 300);
        control->SetParent(form);
        control->SetBounds(10, 10, 120, 80);
        other->SetParent(form);
        other->SetBounds(200, 10, 120, 80);
        form->Show();
        TInputRouter::SetFocusedWindow(control);
    }
    ~OnAForm() override { delete form; }
};

TEST_F(OnAForm, EachKeyPressReachesTheKeyHookOnceWithItsShiftState)
{
    struct Case {
        const char *name;
        WORD key;
        TShiftState shift;
    };
    const Case cases[] = {
        {.name = "page up", .key = VK_PRIOR, .shift = {}},
        {.name = "shift page down", .key = VK_NEXT, .shift = {ssShift}},
        {.name = "ctrl home", .key = VK_HOME, .shift = {ssCtrl}},
        {.name = "enter", .key = VK_RETURN, .shift = {}},
        {.name = "escape", .key = VK_ESCAPE, .shift = {}},
        {.name = "arrow", .key = VK_LEFT, .shift = {ssShift}},
        {.name = "tab, a dialog key of the form", .key = VK_TAB, .shift = {}},
    };
    for (const Case &c : cases) {
        TInputRouter::SetFocusedWindow(control);
        control->KeysDown.clear();
        TInputRouter::KeyDown(c.key, c.shift);
        TInputRouter::KeyUp(c.key, c.shift);
        ASSERT_EQ(control->KeysDown.size(), 1u) << c.name;
        EXPECT_EQ(control->KeysDown[0].Key, c.key) << c.name;
        EXPECT_TRUE(control->KeysDown[0].Shift == c.shift) << c.name;
        EXPECT_TRUE(control->KeysDown[0].UserGenerated) << c.name;
    }
    EXPECT_FALSE(control->UserGenerated());
}

TEST_F(OnAForm, KeyHandlersCannotBreakTheControl)
{
    int events = 0;
    control->OnKeyDown = [&](TObject *, WORD &, TShiftState) {
        ++events;
        throw Exception(QStringLiteral("handler failed"));
    };
    EXPECT_NO_THROW(TInputRouter::KeyDown(VK_PRIOR, {}));
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(control->UserGenerated());
}

TEST_F(OnAForm, FocusIsTrackedAndLosingItEndsADrag)
{
    EXPECT_TRUE(control->HasFocus());
    TInputRouter::SetFocusedWindow(other);
    EXPECT_FALSE(control->HasFocus());
    EXPECT_TRUE(other->HasFocus());
}

TEST_F(OnAForm, TheWheelGoesToTheHookOnly)
{
    bool fired = false;
    control->OnMouseWheel = [&](TObject *, TShiftState, int, TPoint, bool &) { fired = true; };
    EXPECT_FALSE(control->DoMouseWheel({}, 120, TPoint(20, 20)));
    EXPECT_FALSE(fired);
}

TEST(Bounds, UnchangedBoundsRepaintNothing)
{
    TTestPlotControl control(nullptr);
    control.SetBounds(5, 6, 120, 80);
    control.Invalidations = 0;
    control.SetBounds(5, 6, 120, 80);
    EXPECT_EQ(control.Invalidations, 0);
    control.SetBounds(5, 6, 121, 80);
    EXPECT_GT(control.Invalidations, 0);
}

TEST(ControlTimer, StartsOnceTicksAfterTheDelayThenAtTheIntervalAndDiesWithTheControl)
{
    TManualClockScope clock;
    const int timersBefore = TManualClock::TimerCount();
    auto control = std::make_unique<TTestPlotControl>(nullptr);
    std::vector<std::uint64_t> ticks;
    control->OnInternalTimer = [&](TObject *sender) {
        EXPECT_EQ(sender, control.get());
        ticks.push_back(TManualClock::Milliseconds());
    };

    control->TimerStart(0, 0);
    EXPECT_FALSE(control->TimerActive());

    control->TimerStart(500, 100);
    EXPECT_TRUE(control->TimerActive());
    control->TimerStart(10, 10);  // changes nothing, not even the interval
    TManualClock::Advance(750);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{500, 600, 700}));

    control->TimerStop();
    EXPECT_FALSE(control->TimerActive());
    TManualClock::Advance(500);
    EXPECT_EQ(ticks.size(), 3u);

    control->TimerStart(0, 200);
    TManualClock::Advance(200);
    EXPECT_EQ(ticks.back(), 1450u);
    control.reset();
    EXPECT_EQ(TManualClock::TimerCount(), timersBefore);
    TManualClock::Advance(1000);
    EXPECT_EQ(ticks.size(), 4u);
}

TEST(PaintToDC, TransparentPaintingLeavesTheDestinationShowing)
{
    TTestPlotControl control(nullptr);
    control.SetBackGroundColor(clNavy);
    for (const bool transparent : {true, false}) {
        TBitmap target(200, 150);
        TCanvas *canvas = target.Canvas();
        canvas->FillRect(TRect(0, 0, 200, 150), clGreen);
        control.iPaintToDC(30, 20, canvas, transparent);
        EXPECT_EQ(canvas->Pixel(30 + 60, 20 + 40), clRed) << transparent;
        EXPECT_EQ(canvas->Pixel(30 + 5, 20 + 5), transparent ? clGreen : clNavy) << transparent;
        EXPECT_EQ(canvas->Pixel(10, 10), clGreen) << "outside the control";
        EXPECT_EQ(canvas->WindowOrg(), TPoint(0, 0)) << "the canvas is left as it was";
        EXPECT_FALSE(canvas->ClipRegion().has_value());
    }
    EXPECT_TRUE(control.CachedDrawing());
}

TEST(PaintToDC, AFailedDrawingIsSwallowedAndTheLockReleased)
{
    TTestPlotControl control(nullptr);
    control.Failure = [] { throw Exception(QStringLiteral("no data")); };
    TBitmap target(200, 150);
    EXPECT_NO_THROW(control.iPaintToDC(0, 0, target.Canvas(), false));
    control.Failure = nullptr;
    EXPECT_EQ(At(RenderControlImage(&control), 60, 40), clRed) << "the lock was given back";
}

TEST(Transparency, ShowsWhatTheParentPaintsBehindTheControl)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 300, 200);
    panel->SetColor(clYellow);
    auto *control = new TTestPlotControl(&form);
    control->SetParent(panel);
    control->SetBounds(20, 20, 120, 80);
    control->SetBackGroundColor(clNavy);
    control->SetTransparent(true);
    const QImage image = RenderControlImage(control);
    EXPECT_EQ(At(image, 5, 5), clYellow);
    EXPECT_EQ(At(image, 60, 40), clRed);

    control->SetTransparent(false);
    EXPECT_EQ(At(RenderControlImage(control), 5, 5), clNavy);
}

TEST(Transparency, WithoutAParentTheBackgroundColourStandsIn)
{
    TTestPlotControl control(nullptr);
    control.SetBackGroundColor(clMaroon);
    control.SetTransparent(true);
    EXPECT_EQ(At(RenderControlImage(&control), 5, 5), clMaroon);
}

}  // namespace
