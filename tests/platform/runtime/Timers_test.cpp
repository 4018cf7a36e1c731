// Timers on the manual clock: repeating, one-shot, restart rules, order, the interval timer, Now().

#include "ClockFixture.h"
#include "RuntimeTestApp.h"

#include "platform/runtime/DateTime.h"
#include "platform/runtime/IntervalTimer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

using ClockTest = ClockFixture;

TEST_F(ClockTest, RepeatsEveryIntervalWhileEnabled)
{
    MakeTimer(QStringLiteral("tmInLevelDet"), 300);
    TManualClock::Advance(299);
    EXPECT_TRUE(log.isEmpty());
    TManualClock::Advance(1000);
    EXPECT_EQ(log, (QStringList{"tmInLevelDet@300", "tmInLevelDet@600", "tmInLevelDet@900", "tmInLevelDet@1200"}));
    EXPECT_EQ(GetTickCount(), 1299u);
}

TEST_F(ClockTest, OneShotPatternHandlerDisablesItself)
{
    TTimer *t = MakeTimer(QStringLiteral("tmConnect"), 100);
    t->OnTimer = [&](TObject *) {
        t->SetEnabled(false);
        log << QStringLiteral("fired@%1").arg(TManualClock::Milliseconds());
    };
    TManualClock::Advance(1000);
    EXPECT_EQ(log, QStringList{"fired@100"});
    t->SetEnabled(true);  // each start fires once more
    TManualClock::Advance(1000);
    EXPECT_EQ(log, (QStringList{"fired@100", "fired@1100"}));
}

// Writes made 700 ms into a running 1000 ms timer: only a change restarts the count.
struct WriteCase {
    const char *name;
    std::function<void(TTimer &)> write;
    std::optional<std::uint64_t> firstFire;  // ms after the start; none: silent for 3 s
};

TEST_F(ClockTest, OnlyAChangeOfEnabledOrIntervalRestartsTheCount)
{
    const WriteCase cases[] = {
        {.name = "true on a running timer", .write = [](TTimer &t) { t.SetEnabled(true); }, .firstFire = 1000},
        {.name = "false then true",
         .write =
             [](TTimer &t) {
                 t.SetEnabled(false);
                 t.SetEnabled(true);
             },
         .firstFire = 1700},
        {.name = "the same interval", .write = [](TTimer &t) { t.SetInterval(1000); }, .firstFire = 1000},
        {.name = "another interval", .write = [](TTimer &t) { t.SetInterval(500); }, .firstFire = 1200},
        {.name = "another interval while disabled",
         .write =
             [](TTimer &t) {
                 t.SetEnabled(false);
                 t.SetInterval(500);
             },
         .firstFire = std::nullopt},
        {.name = "interval 0, then true",
         .write =
             [](TTimer &t) {
                 t.SetInterval(0);
                 t.SetEnabled(true);
             },
         .firstFire = std::nullopt},
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::uint64_t start = TManualClock::Milliseconds();
        std::unique_ptr<TTimer> t(MakeTimer(QStringLiteral("tmWatchDog"), 1000));
        std::optional<std::uint64_t> fired;
        t->OnTimer = [&](TObject *) {
            if (!fired)
                fired = TManualClock::Milliseconds() - start;
        };
        TManualClock::Advance(700);
        c.write(*t);
        TManualClock::Advance(2300);
        EXPECT_EQ(fired, c.firstFire);
    }
}

TEST_F(ClockTest, TimersDueTogetherFireInTheOrderTheyWereStarted)
{
    TTimer *a = MakeTimer(QStringLiteral("a"), 100, false);
    TTimer *b = MakeTimer(QStringLiteral("b"), 100, false);
    a->SetEnabled(true);
    b->SetEnabled(true);
    TManualClock::Advance(200);
    EXPECT_EQ(log, (QStringList{"a@100", "b@100", "a@200", "b@200"}));
    log.clear();
    b->SetEnabled(false);  // restarted in the other order: b now comes first
    b->SetEnabled(true);
    a->SetEnabled(false);
    a->SetEnabled(true);
    TManualClock::Advance(100);
    EXPECT_EQ(log, (QStringList{"b@300", "a@300"}));
}

TEST_F(ClockTest, DisabledOrZeroIntervalNeverFires)
{
    MakeTimer(QStringLiteral("off"), 100, false);
    MakeTimer(QStringLiteral("zero"), 0);
    TManualClock::Advance(10000);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(TManualClock::TimerCount(), 0);
}

TEST_F(ClockTest, IntervalTimerWaitsTheInitialDelayThenTicks)
{
    QList<std::uint64_t> ticks;
    TIntervalTimer timer([&] { ticks << TManualClock::Milliseconds(); });
    timer.Start(500, 100);
    timer.Start(1, 1);  // running: ignored
    TManualClock::Advance(800);
    EXPECT_EQ(ticks, (QList<std::uint64_t>{500, 600, 700, 800}));
    timer.Stop();
    EXPECT_FALSE(timer.Active());
    TManualClock::Advance(500);
    EXPECT_EQ(ticks.size(), 4);
}

TEST_F(ClockTest, NowFollowsTheManualClock)
{
    TDateTime start = Now();
    TManualClock::Advance(90 * 60 * 1000);
    EXPECT_EQ(FormatDateTime(QStringLiteral("hh:nn"), Now() - start), QStringLiteral("01:30"));
}

TEST_F(ClockTest, AnExceptionInATimerIsReportedAndTheTimerGoesOn)
{
    runtimetest::ExceptionCapture capture;
    TTimer *t = MakeTimer(QStringLiteral("t"), 10);
    t->OnTimer = [](TObject *) { throw Exception(QStringLiteral("boom")); };
    TManualClock::Advance(20);
    EXPECT_EQ(capture.shown, (QStringList{"boom", "boom"}));
}

}  // namespace
