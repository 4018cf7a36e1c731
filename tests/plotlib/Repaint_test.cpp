// The repaint rule of the library's controls under the manual clock: update brackets, the frame
// rate, and the shared timer that issues held-back repaints.

#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/TimerService.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct RepaintTest : ::testing::Test {
    TManualClockScope clock;
    std::unique_ptr<TTestPlotControl> control = std::make_unique<TTestPlotControl>(nullptr);

    // Starts a test from a quiet control: nothing held, the last repaint long ago.
    void Settle()
    {
        TManualClock::Advance(TiUpdateObject::TimerInterval);
        control->Invalidations = 0;
        TManualClock::Advance(100);
    }
};

TEST_F(RepaintTest, TwoChangesWithinAFrameInvalidateOnceAndTheTimerPaintsTheSecond)
{
    control->SetAutoFrameRate(true);
    Settle();
    control->Change();
    TManualClock::Advance(5);
    control->Change();
    EXPECT_EQ(control->Invalidations, 1);
    EXPECT_TRUE(control->NeedsRepaint());

    TManualClock::AdvanceToNextTimer();
    EXPECT_EQ(control->Invalidations, 2);
    EXPECT_FALSE(control->NeedsRepaint());
    TManualClock::Advance(5 * TiUpdateObject::TimerInterval);
    EXPECT_EQ(control->Invalidations, 2);
}

TEST_F(RepaintTest, RateZeroInvalidatesEveryChange)
{
    control->SetAutoFrameRate(true);
    control->SetUpdateFrameRate(0);
    Settle();
    for (int i = 0; i < 5; ++i)
        control->Change();
    EXPECT_EQ(control->Invalidations, 5);
}

TEST_F(RepaintTest, ABracketGivesOneRequestAndASecondEndGivesNone)
{
    Settle();
    control->BeginUpdate();
    for (int i = 0; i < 50; ++i)
        control->Change();
    EXPECT_EQ(control->Invalidations, 0);
    control->EndUpdate();
    EXPECT_EQ(control->Invalidations, 1);
    control->EndUpdate();
    EXPECT_EQ(control->Invalidations, 1);
}

TEST_F(RepaintTest, TurningTheFrameRateOffIssuesAHeldRepaintAndEndsTheBracket)
{
    control->SetAutoFrameRate(true);
    Settle();
    control->BeginUpdate();
    control->Change();
    EXPECT_EQ(control->Invalidations, 0);
    control->SetAutoFrameRate(false);
    EXPECT_EQ(control->Invalidations, 1);
    EXPECT_FALSE(control->UpdateActive());
    control->Change();
    EXPECT_EQ(control->Invalidations, 2);
}

TEST_F(RepaintTest, EveryTickSkipsABracketedControl)
{
    control->SetAutoFrameRate(true);
    Settle();
    control->BeginUpdate();
    control->Change();
    TManualClock::Advance(10 * TiUpdateObject::TimerInterval);
    EXPECT_EQ(control->Invalidations, 0);
    control->EndUpdate();
    EXPECT_EQ(control->Invalidations, 1);
}

TEST_F(RepaintTest, TheSharedTimerRunsOnlyWhileControlsAreRegistered)
{
    ASSERT_EQ(TiUpdateObject::Instance().ControlCount(), 1);
    const int withControl = TManualClock::TimerCount();
    control.reset();
    EXPECT_FALSE(TiUpdateObject::Instance().TimerEnabled());
    EXPECT_EQ(TManualClock::TimerCount(), withControl - 1);
    control = std::make_unique<TTestPlotControl>(nullptr);
    EXPECT_TRUE(TiUpdateObject::Instance().TimerEnabled());
}

TEST(FrameRule, ComparesMillisecondCountsWithoutOverflow)
{
    struct Case {
        const char *name;
        std::uint64_t last;
        int rate;
        std::uint64_t now;
        bool due;
    };
    const Case cases[] = {
        {.name = "inside the frame", .last = 1000, .rate = 60, .now = 1016, .due = false},
        {.name = "past the frame", .last = 1000, .rate = 60, .now = 1017, .due = true},
        {.name = "exactly one frame is not later", .last = 0, .rate = 100, .now = 10, .due = false},
        {.name = "30000 per second", .last = 5, .rate = 30000, .now = 6, .due = true},
        {.name = "no limit", .last = 5, .rate = 0, .now = 5, .due = true},
        {.name = "negative rate", .last = 5, .rate = -3, .now = 5, .due = true},
        {.name = "count started again", .last = 90000, .rate = 60, .now = 3, .due = true},
        {.name = "beyond 32 bits", .last = 0x1'0000'0000ull, .rate = 1, .now = 0x1'0000'03E9ull, .due = true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TiUpdateObject::FrameDue(c.last, c.rate, c.now), c.due) << c.name;
}

}  // namespace
