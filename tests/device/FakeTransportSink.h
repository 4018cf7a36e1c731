#pragma once
// Test doubles around a transport: an owner window that records what the transport posts, logs
// and delivers (handling deliveries on the worker at once, or on the test thread when pumped, as
// the GUI thread would), a manual poll timer, and a host whose USB and network writes are
// recorded.

#include "FakeDeviceHost.h"
#include "device/TransportSink.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

struct SinkState {
    struct Posted {
        std::uint32_t message;
        std::uintptr_t wparam;
        std::intptr_t lparam;
    };
    struct Line {
        TrafficLine kind;
        BSTM bytes;
    };

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Posted> posted;
    std::vector<BSTM> delivered;  // frames the owner has handled
    std::vector<std::uint32_t> deliveredMessages;
    std::vector<Line> lines;
    // The owner's handling of a frame; runs on the worker, or on the test thread when pumped.
    std::function<void(const BSTM &)> onFrame;
    bool pumped = false;

    // A pumped delivery waiting for the test thread.
    const BSTM *pending = nullptr;
    bool handled = false;
    bool abandoned = false;

    // The poll timer.
    bool timerOn = false;
    int timerInterval = 0;
    int timerRestarts = 0;
    int timerStarts = 0;
    std::function<void()> tick;

    template <class Pred>
    bool WaitFor(Pred pred, int ms = 5000)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::milliseconds(ms), pred);
    }
    std::vector<Posted> Errors()
    {
        std::lock_guard lock(mutex);
        std::vector<Posted> errors;
        for (const Posted &p : posted)
            if (p.message == WM_DEVICE_ERROR)
                errors.push_back(p);
        return errors;
    }
    bool WaitForErrors(std::size_t n)
    {
        return WaitFor([&] {
            std::size_t count = 0;
            for (const Posted &p : posted)
                count += p.message == WM_DEVICE_ERROR;
            return count >= n;
        });
    }
    bool WaitForDelivered(std::size_t n) { return WaitFor([&] { return delivered.size() >= n; }); }
    std::vector<BSTM> Delivered()
    {
        std::lock_guard lock(mutex);
        return delivered;
    }
    std::size_t LineCount(TrafficLine kind)
    {
        std::lock_guard lock(mutex);
        std::size_t n = 0;
        for (const Line &l : lines)
            n += l.kind == kind;
        return n;
    }
    // Test thread: handles the delivery the worker waits in (waiting for one up to `ms`).
    bool Pump(int ms = 5000)
    {
        std::unique_lock lock(mutex);
        if (!changed.wait_for(lock, std::chrono::milliseconds(ms), [&] { return pending && !handled; }))
            return false;
        BSTM frame = *pending;
        auto handler = onFrame;
        lock.unlock();
        if (handler)
            handler(frame);
        lock.lock();
        delivered.push_back(frame);
        handled = true;
        changed.notify_all();
        return true;
    }
    bool WaitForPending() { return WaitFor([&] { return pending && !handled; }); }
    // Test thread, as the GUI thread's timer.
    void Tick()
    {
        std::function<void()> t;
        {
            std::lock_guard lock(mutex);
            if (timerOn)
                t = tick;
        }
        if (t)
            t();
    }
};

class FakeTransportSink : public TransportSink {
public:
    explicit FakeTransportSink(std::shared_ptr<SinkState> state) : s_(std::move(state)) {}

    void Start() override
    {
        std::lock_guard lock(s_->mutex);
        s_->abandoned = false;
    }
    void Abandon() override
    {
        std::lock_guard lock(s_->mutex);
        s_->abandoned = true;
        s_->changed.notify_all();
    }
    bool Deliver(std::uint32_t message, const BSTM &frame, std::uint32_t) override
    {
        std::unique_lock lock(s_->mutex);
        if (s_->abandoned)
            return false;
        s_->deliveredMessages.push_back(message);
        if (!s_->pumped) {
            auto handler = s_->onFrame;
            lock.unlock();
            if (handler)
                handler(frame);
            lock.lock();
            s_->delivered.push_back(frame);
            s_->changed.notify_all();
            return true;
        }
        s_->pending = &frame;
        s_->handled = false;
        s_->changed.notify_all();
        s_->changed.wait(lock, [&] { return s_->handled || s_->abandoned; });
        const bool ok = s_->handled;
        s_->pending = nullptr;
        s_->handled = false;
        return ok;
    }
    void Post(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) override
    {
        std::lock_guard lock(s_->mutex);
        s_->posted.push_back({message, wparam, lparam});
        s_->changed.notify_all();
    }
    void Log(TrafficLine line, const std::uint8_t *bytes, int count) override
    {
        std::lock_guard lock(s_->mutex);
        s_->lines.push_back({line, BSTM(bytes, bytes + count)});
        s_->changed.notify_all();
    }
    void StartPollTimer(int intervalMs, std::function<void()> onTick) override
    {
        std::lock_guard lock(s_->mutex);
        s_->timerOn = true;
        ++s_->timerStarts;
        s_->timerInterval = intervalMs;
        s_->tick = std::move(onTick);
    }
    void RestartPollTimer() override
    {
        std::lock_guard lock(s_->mutex);
        if (s_->timerOn)
            ++s_->timerRestarts;
    }
    void StopPollTimer() override
    {
        std::lock_guard lock(s_->mutex);
        s_->timerOn = false;
        s_->tick = nullptr;
    }

private:
    std::shared_ptr<SinkState> s_;
};

// Records the USB and network writes of the transports' workers.
class FakeLinkHost : public FakeDeviceHost {
public:
    bool UsbWriteReport(const std::uint8_t *bytes, int count) override { return Record(bytes, count); }
    bool NetWrite(const std::uint8_t *bytes, int count) override { return Record(bytes, count); }

    std::vector<BSTM> Writes()
    {
        std::lock_guard lock(mutex_);
        return writes_;
    }
    std::size_t WriteCount()
    {
        std::lock_guard lock(mutex_);
        return writes_.size();
    }
    bool WaitForWrites(std::size_t n, int ms = 5000)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return writes_.size() >= n; });
    }
    void FailWrites(bool fail)
    {
        std::lock_guard lock(mutex_);
        fail_ = fail;
    }

private:
    bool Record(const std::uint8_t *bytes, int count)
    {
        std::lock_guard lock(mutex_);
        writes_.emplace_back(bytes, bytes + count);
        changed_.notify_all();
        return !fail_;
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<BSTM> writes_;
    bool fail_ = false;
};
