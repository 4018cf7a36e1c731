// The application's loop: an exception that reaches it is shown in a message box and the loop
// goes on; Terminate ends Run.

#include "RuntimeTestApp.h"

#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TestScript.h"

#include <gtest/gtest.h>

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

}  // namespace
