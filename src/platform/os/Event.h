#pragma once
// Auto-reset events and a wait on several of them (plus file descriptors) at once.
// An event stays signalled until one wait returns it; several signals before that wake only once.

#include <span>

namespace os {

class AutoResetEvent {
public:
    AutoResetEvent();
    ~AutoResetEvent();
    AutoResetEvent(const AutoResetEvent &) = delete;
    AutoResetEvent &operator=(const AutoResetEvent &) = delete;

    void Set();    // from any thread
    void Reset();  // clears a pending signal
    bool Valid() const { return fd_ >= 0; }
    int Fd() const { return fd_; }  // readable while signalled; used by WaitAny

private:
    int fd_ = -1;
};

enum class WaitStatus { Ready, Timeout, Failed };

struct WaitResult {
    WaitStatus status = WaitStatus::Failed;
    int index = -1;  // with Ready: position in the list (events first, then descriptors)
    int error = 0;   // with Failed: errno
};

// Waits until one of `events` is signalled or one of `fds` is readable, or `timeoutMs` passes
// (negative: no limit). Answers the first ready entry in list order: events in their order, then
// descriptors in theirs (index events.size() + i). The event returned is reset; other signalled
// events stay signalled. A descriptor is only reported, never read; hang-up and error count as
// ready, a negative descriptor is skipped. Fails with EINVAL for a null event or when nothing could
// end a wait without limit, with EBADF for an invalid event or a descriptor that is not open.
WaitResult WaitAny(std::span<AutoResetEvent *const> events, std::span<const int> fds, int timeoutMs);
inline WaitResult WaitAny(std::span<AutoResetEvent *const> events, int timeoutMs)
{
    return WaitAny(events, {}, timeoutMs);
}

}  // namespace os
