#pragma once
// A worker thread started with an argument, in the manner the device link expects of the system's
// thread service: start, ask whether it still runs, join with a time-out that reports failure,
// release.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace os {

class WorkerThread {
public:
    using Routine = void (*)(void *arg);

    WorkerThread() = default;
    ~WorkerThread();  // releases; a thread still running is detached, never killed
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    // Starts `routine(arg)` on a new thread. False if one was started and not yet released.
    bool Start(Routine routine, void *arg);
    // True from Start until the routine has returned.
    bool IsRunning() const;
    // Waits at most `timeoutMs` for the routine to return. True when it has (the thread is then
    // joined); false on time-out, after waiting no longer than asked. True when no thread runs.
    bool Join(unsigned timeoutMs);
    // Forgets the thread: joined if it has finished, detached otherwise. Start may be called again.
    void Release();
    bool Started() const { return static_cast<bool>(state_); }

private:
    struct State;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace os
