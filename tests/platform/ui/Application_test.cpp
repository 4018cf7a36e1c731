// The application's loop: an exception that reaches it is shown in a message box and the loop goes
// on; Terminate ends Run; nested modal loops keep timers running.

#include "StdTestApp.h"
#include "tests/platform/runtime/ClockFixture.h"

#include "platform/runtime/Messages.h"
#include "platform/ui/Application.h"
#include "platform/ui/TestScript.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ApplicationLoop, AnExceptionIsShownWithAFinalPeriodAndTheLoopGoesOn)
{
    TScriptSession script;
    TestScript::ExpectMessage(QStringLiteral("Value out of range."), mrOk);
    bool done = false;
    HWND wnd = AllocateHWnd([&](TMessage &m) {
        if (m.Msg == WM_USER)
            throw EConvertError(QStringLiteral("Value out of range"));
        done = true;
    });
    PostMessage(wnd, WM_USER, 0, 0);
    PostMessage(wnd, WM_USER + 1, 0, 0);
    Application->ModalLoop([&] { return done; });
    DeallocateHWnd(wnd);
    EXPECT_TRUE(done);
    EXPECT_EQ(TestScript::Pending(), 0);
    EXPECT_TRUE(script.Failures().empty());
}

TEST(ApplicationLoop, AbortIsSilentAndOtherThrowsShowAnEmptyMessage)
{
    QStringList shown;
    Application->OnException = [&](TObject *, const Exception &e) { shown << e.Message(); };
    HWND wnd = AllocateHWnd([](TMessage &m) {
        if (m.Msg == WM_USER)
            Abort();
        throw 42;
    });
    PostMessage(wnd, WM_USER, 0, 0);
    PostMessage(wnd, WM_USER + 1, 0, 0);
    Application->ProcessMessages();
    DeallocateHWnd(wnd);
    Application->OnException = nullptr;
    EXPECT_EQ(shown, QStringList{QString()});
}

TEST(ApplicationLoop, TerminateEndsRun)
{
    HWND wnd = AllocateHWnd([](TMessage &) { Application->Terminate(); });
    PostMessage(wnd, WM_USER, 0, 0);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    DeallocateHWnd(wnd);
    Application->Initialize();  // ready for the next loop
    EXPECT_FALSE(Application->Terminated());
}

TEST(ApplicationLoop, AnExceptionInAQueuedHandlerGoesToTheApplication)
{
    QStringList shown;
    Application->OnException = [&](TObject *, const Exception &e) { shown << e.Message(); };
    HWND wnd = AllocateHWnd([](TMessage &) { throw EConvertError(QStringLiteral("bad value")); });
    PostMessage(wnd, WM_USER, 0, 0);
    PostMessage(wnd, WM_USER, 0, 0);
    DeliverQueuedMessages();
    DeallocateHWnd(wnd);
    Application->OnException = nullptr;
    EXPECT_EQ(shown, (QStringList{"bad value", "bad value"}));
}

using ModalLoopClock = ClockFixture;

// A modal "form" opened from a timer handler inside another modal loop; a timer fires inside the
// inner loop and closes it; then the outer one is closed by another timer.
TEST_F(ModalLoopClock, NestedModalLoopsKeepTimersRunning)
{
    bool outerDone = false, innerDone = false;
    int maxLevel = 0;
    Application->SetIdleHook([&](int level) {
        maxLevel = std::max(maxLevel, level);
        TManualClock::AdvanceToNextTimer();
    });
    TTimer *openInner = MakeTimer(QStringLiteral("openInner"), 100);
    TTimer *closeInner = MakeTimer(QStringLiteral("closeInner"), 50, false);
    TTimer *closeOuter = MakeTimer(QStringLiteral("closeOuter"), 500, false);
    openInner->OnTimer = [&](TObject *) {
        openInner->SetEnabled(false);
        log << QStringLiteral("inner opens@%1 level %2").arg(TManualClock::Milliseconds()).arg(Application->ModalLevel());
        closeInner->SetEnabled(true);
        Application->ModalLoop([&] { return innerDone; });
        log << QStringLiteral("inner closed@%1").arg(TManualClock::Milliseconds());
        closeOuter->SetEnabled(true);
    };
    closeInner->OnTimer = [&](TObject *) {
        closeInner->SetEnabled(false);
        log << QStringLiteral("in inner@%1 level %2").arg(TManualClock::Milliseconds()).arg(Application->ModalLevel());
        innerDone = true;
    };
    closeOuter->OnTimer = [&](TObject *) {
        closeOuter->SetEnabled(false);
        outerDone = true;
    };
    Application->ModalLoop([&] { return outerDone; });
    Application->SetIdleHook(nullptr);
    EXPECT_EQ(log, (QStringList{"inner opens@100 level 1", "in inner@150 level 2", "inner closed@150"}));
    EXPECT_EQ(TManualClock::Milliseconds(), 650u);
    EXPECT_EQ(Application->ModalLevel(), 0);
    EXPECT_EQ(maxLevel, 2);
}

}  // namespace
