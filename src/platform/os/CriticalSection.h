#pragma once
// A recursive lock (the same thread may enter again), with a scoped guard.

#include <mutex>

namespace os {

class CriticalSection {
public:
    void Enter() { mutex_.lock(); }
    bool TryEnter() { return mutex_.try_lock(); }
    void Leave() { mutex_.unlock(); }
    // For std::lock_guard / std::unique_lock.
    void lock() { Enter(); }
    void unlock() { Leave(); }

private:
    std::recursive_mutex mutex_;
};

class CriticalSectionLock {
public:
    explicit CriticalSectionLock(CriticalSection &cs) : cs_(cs) { cs_.Enter(); }
    ~CriticalSectionLock() { cs_.Leave(); }
    CriticalSectionLock(const CriticalSectionLock &) = delete;
    CriticalSectionLock &operator=(const CriticalSectionLock &) = delete;

private:
    CriticalSection &cs_;
};

}  // namespace os
