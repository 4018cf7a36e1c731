#include "platform/os/WorkerThread.h"

#include <system_error>

namespace os {

// Shared by the owner and the running thread, so that a thread detached by Release can still
// report its end after the owner has gone.
struct WorkerThread::State {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

WorkerThread::~WorkerThread() { Release(); }

bool WorkerThread::Start(Routine routine, void *arg)
{
    if (state_ || !routine)
        return false;
    auto state = std::make_shared<State>();
    try {
        thread_ = std::thread([state, routine, arg] {
            routine(arg);
            std::lock_guard lock(state->mutex);
            state->done = true;
            state->finished.notify_all();
        });
    } catch (const std::system_error &) {
        return false;
    }
    state_ = std::move(state);
    return true;
}

bool WorkerThread::IsRunning() const
{
    if (!state_)
        return false;
    std::lock_guard lock(state_->mutex);
    return !state_->done;
}

bool WorkerThread::Join(unsigned timeoutMs)
{
    if (!state_)
        return true;  // nothing runs
    {
        std::unique_lock lock(state_->mutex);
        if (!state_->finished.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return state_->done; }))
            return false;
    }
    // The routine has returned; the thread only has to leave the lock and end.
    if (thread_.joinable())
        thread_.join();
    return true;
}

void WorkerThread::Release()
{
    if (!state_)
        return;
    if (thread_.joinable()) {
        if (IsRunning())
            thread_.detach();
        else
            thread_.join();
    }
    state_.reset();
}

}  // namespace os
