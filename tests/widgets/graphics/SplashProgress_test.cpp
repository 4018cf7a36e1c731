// The splash progress bar: the appearance's geometry and value text, the bar control's position
// rules, its animation and its glow.

#include <memory>

#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/AdvSplashProgressBar.h"

using graphicstest::Board;

namespace {

// The appearance drawn on a white board of the bar's size.
QImage Drawn(TGDIPSplashProgress &look, double minimum, double maximum, double position)
{
    Board b(200, 20);
    look.Draw(b.g.get(), TRect(0, 0, 200, 20), minimum, maximum, position);
    return b.bmp.Image().copy();
}

TEST(GDIPSplashProgress, DefaultsAndChangeReports)
{
    TGDIPSplashProgress look;
    EXPECT_EQ(look.ValueFormat(), "%.0f%%");
    EXPECT_EQ(look.ValueType(), vtAbsolute);
    EXPECT_EQ(look.ValuePosition(), vpCenter);
    EXPECT_EQ(TRect(look.Left(), look.Top(), look.Width(), look.Height()), TRect(50, 100, 300, 17));
    EXPECT_EQ(look.Maximum(), 100);
    int changes = 0;
    look.OnChange = [&](TObject *) { ++changes; };
    look.SetValueFormat("%.0f%%");
    look.SetStep(5);
    EXPECT_EQ(changes, 0);
    look.SetVisible(false);  // every write of Visible reports
    look.SetMaximum(50);
    look.ProgressFill()->SetColor(clRed);
    EXPECT_EQ(changes, 3);
    TGDIPSplashProgress copy;
    int copies = 0;
    copy.OnChange = [&](TObject *) { ++copies; };
    copy.Assign(&look);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(copy.Maximum(), 50);
    EXPECT_EQ(copy.Step(), 5);
    EXPECT_EQ(copy.ProgressFill()->Color(), clRed);
}

TEST(GDIPSplashProgress, AnEmptyRangeGivesAZeroWideBarWithoutEndShadows)
{
    TGDIPSplashProgress look;
    look.ProgressFill()->SetColor(clRed);
    look.ProgressFill()->SetColorTo(clRed);
    EXPECT_EQ(look.CalculateProgressRectangle(TRect(0, 0, 200, 20), 50, 50, 50).Width, 0);
    EXPECT_EQ(look.CalculateProgressRectangle(TRect(0, 0, 200, 20), 0, 100, -20).Width, 0);
    const TGPRectF half = look.CalculateProgressRectangle(TRect(0, 0, 200, 20), 0, 100, 50);
    EXPECT_NEAR(half.Width, look.GetInsideRectF(TRect(0, 0, 200, 20)).Width / 2, 0.01);
    // Nothing of the progress fill or its shadows: as drawn at the minimum of a real range.
    EXPECT_EQ(Drawn(look, 50, 50, 50), Drawn(look, 0, 100, 0));
    EXPECT_NE(Drawn(look, 0, 100, 10), Drawn(look, 0, 100, 0));
    look.SetValueType(vtPercentage);
    EXPECT_EQ(look.ValueText(50, 50, 50), "50%");
}

TEST(GDIPSplashProgress, ValueTextFollowsTheFormatAndTheValueType)
{
    TGDIPSplashProgress look;
    EXPECT_EQ(look.ValueText(0, 100, 42.4), "42%");
    EXPECT_EQ(look.ValueText(0, 100, 150), "100%");  // held to the range
    look.SetValueType(vtPercentage);
    EXPECT_EQ(look.ValueText(0, 200, 50), "25%");
    look.SetValueFormat("%d items");
    EXPECT_EQ(look.ValueText(0, 100, 10), "");  // a format that takes no number shows nothing
    look.SetValueFormat("%.0f%%");
    look.SetValueVisible(true);
    look.Font()->SetColor(clBlack);
    look.ProgressFont()->SetColor(clBlack);
    look.SetValueVisible(false);
    const QImage without = Drawn(look, 0, 100, 42.4);
    look.SetValueVisible(true);
    EXPECT_NE(Drawn(look, 0, 100, 42.4), without);
}

// A bar on a form, its timer on the manual clock.
struct BarFixture {
    TManualClockScope clock;
    TForm form{nullptr};
    TAdvSplashProgressBar *bar = new TAdvSplashProgressBar(&form);
    std::vector<double> reported;

    BarFixture()
    {
        bar->SetParent(&form);
        bar->SetBounds(0, 0, 200, 20);
        bar->OnPositionChanged = [this](TObject *, double v) { reported.push_back(v); };
    }
};

TEST(AdvSplashProgressBar, PositionIsHeldToTheRangeAndReportsOnlyChanges)
{
    BarFixture f;
    EXPECT_EQ(f.bar->Version(), "1.2.0.0");
    f.bar->SetPosition(150);
    EXPECT_EQ(f.bar->Position(), 100);
    f.bar->SetPosition(100);
    f.bar->GoToStart();
    f.bar->Next();
    f.bar->Next(5);
    f.bar->Previous();
    EXPECT_EQ(f.reported, (std::vector<double>{100, 0, 10, 15, 5}));
    f.bar->SetMaximum(3);
    EXPECT_EQ(f.bar->Position(), 3);
    f.bar->SetMinimum(4);
    EXPECT_EQ(f.bar->Position(), 4);
}

TEST(AdvSplashProgressBar, AnimationApproachesTheTargetThenFallsSilent)
{
    BarFixture f;
    f.bar->SetProgressAnimation(true);
    f.bar->SetPosition(60);
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_TRUE(f.bar->AnimationInProgress());
    TManualClock::Advance(10);
    ASSERT_EQ(f.reported.size(), 1u);
    EXPECT_NEAR(f.reported[0], 4, 1e-9);  // a fifteenth of the way
    for (int i = 0; i < 1000 && f.bar->AnimationInProgress(); ++i)
        TManualClock::Advance(10);
    EXPECT_NEAR(f.bar->Position(), 60, 0.001);
    // It snaps once within a millionth.
    TManualClock::Advance(5000);
    EXPECT_EQ(f.bar->Position(), 60);
    const std::size_t atRest = f.reported.size();
    EXPECT_EQ(f.reported.back(), 60);
    TManualClock::Advance(1000);
    EXPECT_EQ(f.reported.size(), atRest);
}

TEST(AdvSplashProgressBar, NoGlowAtPositionZeroAGlowSweepsAlongTheFill)
{
    BarFixture f;
    const QImage plain = RenderControlImage(f.bar);
    f.bar->SetGlowAnimation(true);
    for (int i = 0; i < 20; ++i)
        f.bar->AnimationTick();
    EXPECT_EQ(RenderControlImage(f.bar), plain);
    f.bar->SetPosition(80);
    const QImage filled = RenderControlImage(f.bar);
    for (int i = 0; i < 20; ++i)
        f.bar->AnimationTick();  // the glow moves 3 pixels per tick
    EXPECT_NE(RenderControlImage(f.bar), filled);
}

TEST(AdvSplashProgressBar, TakesItsBoundsAndRangeFromTheAppearance)
{
    BarFixture f;
    TGDIPSplashProgress look;
    look.SetLeft(160);
    look.SetTop(220);
    look.SetHeight(12);
    look.SetMaximum(40);
    look.SetPosition(30);
    look.SetVisible(true);
    f.bar->SetAppearance(&look);
    EXPECT_EQ(f.bar->BoundsRect(), TRect(160, 220, 460, 232));
    EXPECT_EQ(f.bar->Maximum(), 40);
    EXPECT_EQ(f.bar->Position(), 30);
    EXPECT_TRUE(f.bar->Visible());
}

}  // namespace
