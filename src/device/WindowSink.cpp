#include "device/WindowSink.h"

#include "device/DeviceHost.h"
#include "platform/runtime/TimerService.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace {

// Messages of the hidden window.
constexpr UINT WM_RELAY_FRAME = WM_USER + 340;  // deliver the frame waiting in the relay
constexpr UINT WM_RELAY_LINES = WM_USER + 341;  // hand the queued traffic lines to the host
constexpr UINT_PTR PollTimerId = 1;

using Logger = void (DeviceHost::*)(const std::uint8_t *, int);

Logger LoggerOf(TrafficLine line)
{
    switch (line) {
    case TrafficLine::ComWrite: return &DeviceHost::LogComWrite;
    case TrafficLine::ComRead: return &DeviceHost::LogComRead;
    case TrafficLine::UsbWrite: return &DeviceHost::LogUsbWrite;
    case TrafficLine::NetWrite: return &DeviceHost::LogNetWrite;
    }
    return nullptr;
}

// One delivery: the worker waits until the GUI thread has handled it or it is abandoned.
struct Delivery {
    enum class State { Pending, Done, Abandoned };
    UINT message = 0;
    BSTM frame;  // the copy the owner reads
    std::uint32_t roundTripMs = 0;
    State state = State::Pending;
};

}  // namespace

struct WindowSink::Relay {
    explicit Relay(HWND owner, DeviceHost &host) : owner(owner), host(host) {}

    const HWND owner;
    DeviceHost &host;
    HWND window = nullptr;          // set before any other thread sees the relay
    std::function<void()> onTick;  // GUI thread only, with the interval
    UINT pollInterval = 0;

    std::mutex mutex;
    std::condition_variable changed;
    bool abandoned = true;
    std::shared_ptr<Delivery> delivery;  // the one the worker waits for
    struct Line {
        TrafficLine kind;
        BSTM bytes;
    };
    std::deque<Line> lines;

    // GUI thread.
    void Handle(TMessage &m)
    {
        if (m.Msg == WM_RELAY_FRAME)
            HandleFrame();
        else if (m.Msg == WM_RELAY_LINES)
            HandleLines();
        else if (m.Msg == WM_TIMER && m.WParam == PollTimerId && onTick)
            onTick();
    }

    void HandleFrame()
    {
        std::shared_ptr<Delivery> d;
        {
            std::lock_guard lock(mutex);
            if (!delivery || delivery->state != Delivery::State::Pending)
                return;
            d = delivery;  // keeps the frame alive while the owner reads it, however this ends
        }
        ::SendMessage(owner, d->message, reinterpret_cast<WPARAM>(&d->frame), static_cast<LPARAM>(d->roundTripMs));
        Finish(d, Delivery::State::Done);
    }

    void Finish(const std::shared_ptr<Delivery> &d, Delivery::State state)
    {
        {
            std::lock_guard lock(mutex);
            if (d->state == Delivery::State::Pending)
                d->state = state;
        }
        // Woken after the mutex is free, the worker does not wake only to wait for it again.
        changed.notify_all();
    }

    void HandleLines()
    {
        std::deque<Line> taken;
        {
            std::lock_guard lock(mutex);
            taken.swap(lines);
        }
        for (const Line &l : taken)
            if (Logger logger = LoggerOf(l.kind))
                (host.*logger)(l.bytes.data(), static_cast<int>(l.bytes.size()));
    }
};

WindowSink::WindowSink(HWND owner, DeviceHost &host) : relay_(std::make_shared<Relay>(owner, host))
{
    std::weak_ptr<Relay> weak = relay_;
    relay_->window = AllocateHWnd([weak](TMessage &m) {
        if (auto relay = weak.lock())
            relay->Handle(m);
    });
}

WindowSink::~WindowSink()
{
    Abandon();
    StopPollTimer();
    DeallocateHWnd(relay_->window);
}

void WindowSink::Start()
{
    std::lock_guard lock(relay_->mutex);
    relay_->abandoned = false;
}

void WindowSink::Abandon()
{
    std::lock_guard lock(relay_->mutex);
    relay_->abandoned = true;
    if (relay_->delivery && relay_->delivery->state == Delivery::State::Pending)
        relay_->delivery->state = Delivery::State::Abandoned;
    relay_->lines.clear();
    relay_->changed.notify_all();
}

bool WindowSink::Deliver(std::uint32_t message, const BSTM &frame, std::uint32_t roundTripMs)
{
    auto d = std::make_shared<Delivery>();
    d->message = message;
    d->frame = frame;
    d->roundTripMs = roundTripMs;
    std::unique_lock lock(relay_->mutex);
    if (relay_->abandoned || !::PostMessage(relay_->window, WM_RELAY_FRAME, 0, 0))
        return false;
    relay_->delivery = d;
    relay_->changed.wait(lock, [&] { return d->state != Delivery::State::Pending; });
    relay_->delivery.reset();
    return d->state == Delivery::State::Done;
}

void WindowSink::Post(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam)
{
    ::PostMessage(relay_->owner, message, wparam, lparam);
}

void WindowSink::Log(TrafficLine line, const std::uint8_t *bytes, int count)
{
    bool first;
    {
        std::lock_guard lock(relay_->mutex);
        if (relay_->abandoned || count <= 0)
            return;
        first = relay_->lines.empty();
        relay_->lines.push_back({line, BSTM(bytes, bytes + count)});
    }
    if (first)
        ::PostMessage(relay_->window, WM_RELAY_LINES, 0, 0);
}

void WindowSink::StartPollTimer(int intervalMs, std::function<void()> onTick)
{
    relay_->onTick = std::move(onTick);
    relay_->pollInterval = static_cast<UINT>(intervalMs);
    ::SetTimer(relay_->window, PollTimerId, relay_->pollInterval);
}

void WindowSink::RestartPollTimer()
{
    if (relay_->onTick)
        ::SetTimer(relay_->window, PollTimerId, relay_->pollInterval);
}

void WindowSink::StopPollTimer()
{
    ::KillTimer(relay_->window, PollTimerId);
    relay_->onTick = nullptr;
}
