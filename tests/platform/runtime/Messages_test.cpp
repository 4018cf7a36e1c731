// Window messages: Perform reaches the declared handler; posts from a worker arrive in order on
// the GUI thread; a worker's send returns the handler's result; a send pending while its target
// is destroyed fails instead of hanging.

#include "RuntimeTestApp.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Messages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr UINT WM_DEVICE_FRAME = 1360;
constexpr UINT WM_DEVICE_ERROR = 1361;

class TBaseWindow : public TComponent {
    T_DECLARE_CLASS(TBaseWindow, TComponent)
    explicit TBaseWindow(TComponent *owner) : TComponent(owner) {}
    std::vector<QString> log;
    void WMDeviceError(TMessage &m)
    {
        log.push_back(QStringLiteral("base error %1").arg(m.WParam));
        m.Result = 7;
    }
    void DefaultHandler(TMessage &m) override { log.push_back(QStringLiteral("default %1").arg(m.Msg)); }
};

class TMainWindow : public TBaseWindow {
    T_DECLARE_CLASS(TMainWindow, TBaseWindow)
    explicit TMainWindow(TComponent *owner) : TBaseWindow(owner) {}
    void WMDeviceFrame(TMessage &m)
    {
        log.push_back(QStringLiteral("frame %1").arg(m.WParam));
        m.Result = static_cast<LRESULT>(m.WParam) * 2;
    }
    void WMDeviceErrorOwn(TMessage &m)
    {
        log.push_back(QStringLiteral("main error"));
        DispatchFrom(inherited::StaticClass(), m);  // the ancestor's handling
    }
};

}  // namespace

T_IMPLEMENT_CLASS(TBaseWindow)
{
    b.Message(WM_DEVICE_ERROR, &TBaseWindow::WMDeviceError);
}

T_IMPLEMENT_CLASS(TMainWindow)
{
    b.Message(WM_DEVICE_FRAME, &TMainWindow::WMDeviceFrame);
    b.Message(WM_DEVICE_ERROR, &TMainWindow::WMDeviceErrorOwn);
}

namespace {

LRESULT Perform(TObject &target, UINT msg, WPARAM w, LPARAM l)
{
    TMessage m{msg, w, l, 0};
    target.Dispatch(m);
    return m.Result;
}

TEST(Dispatch, PerformReachesTheDeclaredHandlerThenAncestorThenDefault)
{
    TMainWindow w(nullptr);
    EXPECT_EQ(Perform(w, WM_DEVICE_FRAME, 21, 0), 42);
    EXPECT_EQ(Perform(w, WM_DEVICE_ERROR, 5, 0), 7);
    EXPECT_EQ(Perform(w, WM_USER + 9, 0, 0), 0);
    EXPECT_EQ(w.log, (std::vector<QString>{"frame 21", "main error", "base error 5", QStringLiteral("default %1").arg(WM_USER + 9)}));
}

// A window with a handle whose procedure dispatches to the object, as a windowed control does.
struct HandleWindow {
    TMainWindow object{nullptr};
    HWND wnd = AllocateHWnd([this](TMessage &m) { object.Dispatch(m); });
    ~HandleWindow() { DeallocateHWnd(wnd); }
};

void RunUntil(const std::function<bool()> &done)
{
    for (int i = 0; i < 100000 && !done(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        DeliverQueuedMessages();
    }
}

TEST(CrossThread, PostsFromAWorkerArriveInOrderOnTheGuiThread)
{
    HandleWindow window;
    std::vector<std::thread::id> threads;
    std::vector<WPARAM> order;
    HWND wnd = AllocateHWnd([&](TMessage &m) {
        threads.push_back(std::this_thread::get_id());
        order.push_back(m.WParam);
    });
    constexpr int kCount = 500;
    std::thread worker([&] {
        for (int i = 0; i < kCount; ++i)
            ASSERT_TRUE(PostMessage(wnd, WM_DEVICE_ERROR, static_cast<WPARAM>(i), 0));
    });
    worker.join();
    RunUntil([&] { return order.size() == kCount; });
    ASSERT_EQ(order.size(), static_cast<std::size_t>(kCount));
    for (int i = 0; i < kCount; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], static_cast<WPARAM>(i));
    for (auto id : threads)
        EXPECT_EQ(id, std::this_thread::get_id());
    DeallocateHWnd(wnd);
    EXPECT_FALSE(PostMessage(wnd, WM_DEVICE_ERROR, 0, 0));  // a stale handle reaches nobody
}

TEST(CrossThread, SendFromAWorkerReturnsTheHandlersResult)
{
    HandleWindow window;
    std::atomic<bool> done{false};
    LRESULT result = 0;
    bool ok = false;
    std::thread worker([&] {
        ok = SendMessageChecked(window.wnd, WM_DEVICE_FRAME, 50, 0, &result);
        done = true;
    });
    RunUntil([&] { return done.load(); });
    worker.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(result, 100);
    EXPECT_EQ(window.object.log, std::vector<QString>{"frame 50"});
    // From the GUI thread the procedure is called directly.
    EXPECT_EQ(SendMessage(window.wnd, WM_DEVICE_FRAME, 4, 0), 8);
}

TEST(CrossThread, PostsAndSendsKeepTheirMutualOrder)
{
    HandleWindow window;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        PostMessage(window.wnd, WM_DEVICE_FRAME, 1, 0);
        SendMessage(window.wnd, WM_DEVICE_FRAME, 2, 0);
        PostMessage(window.wnd, WM_DEVICE_FRAME, 3, 0);
        done = true;
    });
    RunUntil([&] { return done.load() && window.object.log.size() == 3; });
    worker.join();
    EXPECT_EQ(window.object.log, (std::vector<QString>{"frame 1", "frame 2", "frame 3"}));
}

TEST(CrossThread, SendPendingWhileTheTargetIsDestroyedFails)
{
    auto window = std::make_unique<HandleWindow>();
    HWND wnd = window->wnd;
    std::atomic<bool> started{false}, done{false};
    bool ok = true;
    LRESULT result = -1;
    std::thread worker([&] {
        started = true;
        ok = SendMessageChecked(wnd, WM_DEVICE_FRAME, 9, 0, &result);
        done = true;
    });
    // The GUI thread does not pump: the send stays pending until the window goes.
    while (!started)
        std::this_thread::yield();
    for (int i = 0; i < 50 && !done; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    window.reset();  // destroys the target: the worker must come back with failure
    worker.join();
    EXPECT_TRUE(done);
    EXPECT_FALSE(ok);
    EXPECT_EQ(result, 0);
    DeliverQueuedMessages();  // the abandoned send is dropped, not delivered
    // Sending to a handle that is gone fails at once, from any thread.
    std::thread late([&] { ok = SendMessageChecked(wnd, WM_DEVICE_FRAME, 1, 0, &result); });
    late.join();
    EXPECT_FALSE(ok);
}

TEST(CrossThread, MessageOnlyWindowForNonVisualOwners)
{
    int handled = 0;
    HWND wnd = AllocateHWnd([&](TMessage &m) {
        if (m.Msg == WM_USER)
            ++handled;
    });
    EXPECT_TRUE(IsWindow(wnd));
    MarkWindowDestroying(wnd);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_FALSE(PostMessage(wnd, WM_USER, 0, 0));
    DeallocateHWnd(wnd);
    EXPECT_EQ(handled, 0);
}

TEST(CrossThread, AnExceptionInAQueuedHandlerGoesToTheInstalledHandler)
{
    runtimetest::ExceptionCapture capture;
    HWND wnd = AllocateHWnd([](TMessage &) { throw EConvertError(QStringLiteral("bad value")); });
    PostMessage(wnd, WM_USER, 0, 0);
    PostMessage(wnd, WM_USER, 0, 0);
    DeliverQueuedMessages();
    DeallocateHWnd(wnd);
    EXPECT_EQ(capture.shown, (QStringList{"bad value", "bad value"}));
}

}  // namespace

namespace {

TEST(Broadcast, StopsAtTheFirstNonZeroResult)
{
    TMainWindow a(nullptr), b(nullptr), c(nullptr);
    std::vector<TMainWindow *> children{&a, &b, &c};
    TMessage m{WM_DEVICE_ERROR, 1, 0, 0};  // the base handler answers 7
    BroadcastMessage(children, m, [](TMainWindow *w, TMessage &msg) { w->Dispatch(msg); });
    EXPECT_EQ(m.Result, 7);
    EXPECT_EQ(a.log.size(), 2u);
    EXPECT_TRUE(b.log.empty());
}

}  // namespace
