#include "platform/runtime/Messages.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

// One queue for every handle keeps posted and sent messages in order. Other threads only touch the
// queue and the handle table under the hub's std::mutex and wake the GUI thread through an eventfd
// watched by a socket notifier; nothing crosses threads inside Qt's own event objects.

namespace {

struct SendRequest {
    enum class State { Pending, Done, Abandoned };
    std::mutex lock;
    std::condition_variable done;
    State state = State::Pending;
    LRESULT result = 0;

    void Finish(State s, LRESULT r)
    {
        {
            std::lock_guard<std::mutex> guard(lock);
            if (state != State::Pending)
                return;
            state = s;
            result = r;
        }
        done.notify_all();
    }
};

struct Window {
    TWindowProcedure proc;
    bool destroying = false;
    std::vector<std::shared_ptr<SendRequest>> pending;
};

struct Queued {
    std::uintptr_t id = 0;
    TMessage message;
    std::shared_ptr<SendRequest> send;  // null for a posted message
};

class Hub {
public:
    Hub() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

    std::mutex lock;
    std::unordered_map<std::uintptr_t, std::shared_ptr<Window>> windows;
    std::uintptr_t nextId = 1;
    std::deque<Queued> queue;
    std::atomic<bool> guiKnown{false};
    std::thread::id guiThread;  // written once before guiKnown is set
    void (*exceptionHandler)(std::exception_ptr) = nullptr;

    void Wake()
    {
        if (wakeFd_ >= 0) {
            std::uint64_t one = 1;
            [[maybe_unused]] ssize_t n = write(wakeFd_, &one, sizeof one);
        }
    }

    // GUI thread: remember it and watch the wake-up descriptor while a Qt application exists.
    void AttachGuiThread()
    {
        if (!guiKnown.load(std::memory_order_acquire)) {
            guiThread = std::this_thread::get_id();
            guiKnown.store(true, std::memory_order_release);
        }
        if (!notifier_ && QCoreApplication::instance() && wakeFd_ >= 0) {
            notifier_ = new QSocketNotifier(wakeFd_, QSocketNotifier::Read, QCoreApplication::instance());
            QObject::connect(notifier_, &QSocketNotifier::activated, [this] {
                std::uint64_t count = 0;
                [[maybe_unused]] ssize_t n = read(wakeFd_, &count, sizeof count);
                DeliverQueuedMessages();
            });
            Wake();  // deliver whatever was queued before the notifier existed
        }
    }

    std::shared_ptr<Window> Find(std::uintptr_t id)
    {
        auto it = windows.find(id);
        return it == windows.end() ? nullptr : it->second;
    }

private:
    int wakeFd_;
    QPointer<QSocketNotifier> notifier_;
};

Hub &TheHub()
{
    static Hub *hub = new Hub;  // lives until the process ends: threads may still post at exit
    return *hub;
}

std::uintptr_t Id(HWND wnd)
{
    return reinterpret_cast<std::uintptr_t>(wnd);
}

}  // namespace

void ReportQueuedMessageException(std::exception_ptr error)
{
    Hub &hub = TheHub();
    if (hub.exceptionHandler) {
        hub.exceptionHandler(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "Unhandled exception in a message handler: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception in a message handler\n");
    }
}

namespace {

// Marks the window as being destroyed and abandons its pending sends; optionally forgets it.
void StopWindow(HWND wnd, bool forget)
{
    if (!wnd)
        return;
    Hub &hub = TheHub();
    std::vector<std::shared_ptr<SendRequest>> abandoned;
    {
        std::lock_guard<std::mutex> guard(hub.lock);
        auto window = hub.Find(Id(wnd));
        if (!window)
            return;
        window->destroying = true;
        abandoned.swap(window->pending);
        if (forget)
            hub.windows.erase(Id(wnd));
    }
    for (auto &request : abandoned)
        request->Finish(SendRequest::State::Abandoned, 0);
}

}  // namespace

HWND AllocateHWnd(TWindowProcedure proc)
{
    Hub &hub = TheHub();
    hub.AttachGuiThread();
    auto window = std::make_shared<Window>();
    window->proc = std::move(proc);
    std::lock_guard<std::mutex> guard(hub.lock);
    std::uintptr_t id = hub.nextId++;
    hub.windows.emplace(id, std::move(window));
    return reinterpret_cast<HWND>(id);
}

void DeallocateHWnd(HWND wnd)
{
    StopWindow(wnd, true);
}

void MarkWindowDestroying(HWND wnd)
{
    StopWindow(wnd, false);
}

bool IsWindow(HWND wnd)
{
    if (!wnd)
        return false;
    Hub &hub = TheHub();
    std::lock_guard<std::mutex> guard(hub.lock);
    auto window = hub.Find(Id(wnd));
    return window && !window->destroying;
}

void SetQueuedMessageExceptionHandler(void (*handler)(std::exception_ptr))
{
    TheHub().exceptionHandler = handler;
}

bool IsGuiThread()
{
    Hub &hub = TheHub();
    if (!hub.guiKnown.load(std::memory_order_acquire))
        return true;  // no handle yet: the first caller becomes the GUI thread
    return hub.guiThread == std::this_thread::get_id();
}

bool PostMessage(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (!wnd)
        return false;
    Hub &hub = TheHub();
    {
        std::lock_guard<std::mutex> guard(hub.lock);
        auto window = hub.Find(Id(wnd));
        if (!window || window->destroying)
            return false;
        hub.queue.push_back(Queued{Id(wnd), TMessage{msg, wparam, lparam, 0}, nullptr});
    }
    hub.Wake();
    return true;
}

bool SendMessageChecked(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam, LRESULT *result)
{
    if (result)
        *result = 0;
    if (!wnd)
        return false;
    Hub &hub = TheHub();
    if (IsGuiThread()) {
        std::shared_ptr<Window> window;
        {
            std::lock_guard<std::mutex> guard(hub.lock);
            window = hub.Find(Id(wnd));
        }
        if (!window || window->destroying)
            return false;
        TMessage m{msg, wparam, lparam, 0};
        window->proc(m);
        if (result)
            *result = m.Result;
        return true;
    }
    auto request = std::make_shared<SendRequest>();
    {
        std::lock_guard<std::mutex> guard(hub.lock);
        auto window = hub.Find(Id(wnd));
        if (!window || window->destroying)
            return false;
        window->pending.push_back(request);
        hub.queue.push_back(Queued{Id(wnd), TMessage{msg, wparam, lparam, 0}, request});
    }
    hub.Wake();
    std::unique_lock<std::mutex> wait(request->lock);
    request->done.wait(wait, [&] { return request->state != SendRequest::State::Pending; });
    if (request->state != SendRequest::State::Done)
        return false;
    if (result)
        *result = request->result;
    return true;
}

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = 0;
    SendMessageChecked(wnd, msg, wparam, lparam, &result);
    return result;
}

int DeliverQueuedMessages()
{
    Hub &hub = TheHub();
    int delivered = 0;
    for (;;) {
        Queued item;
        std::shared_ptr<Window> window;
        {
            std::lock_guard<std::mutex> guard(hub.lock);
            if (hub.queue.empty())
                return delivered;
            item = std::move(hub.queue.front());
            hub.queue.pop_front();
            window = hub.Find(item.id);
            if (window && item.send) {
                auto &pending = window->pending;
                std::erase(pending, item.send);
            }
            if (window && window->destroying)
                window.reset();
        }
        ++delivered;
        if (!window) {
            if (item.send)
                item.send->Finish(SendRequest::State::Abandoned, 0);
            continue;
        }
        try {
            window->proc(item.message);
        } catch (...) {
            ReportQueuedMessageException(std::current_exception());
            item.message.Result = 0;
        }
        if (item.send)
            item.send->Finish(SendRequest::State::Done, item.message.Result);
    }
}
