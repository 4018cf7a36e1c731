#include "platform/os/Event.h"

#include <sys/eventfd.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <vector>

namespace os {

// The event is an eventfd counter: Set adds one, a wait that answers the event reads the counter
// back to zero. However many Sets came before, one read clears them all, so they wake once.

AutoResetEvent::AutoResetEvent() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

AutoResetEvent::~AutoResetEvent()
{
    if (fd_ >= 0)
        close(fd_);
}

void AutoResetEvent::Set()
{
    const std::uint64_t one = 1;
    // Fails only when the counter is about to overflow, i.e. the event is signalled anyway.
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

// Takes the pending signal, if any. True when there was one.
static bool TakeSignal(int fd)
{
    std::uint64_t count;
    for (;;) {
        if (read(fd, &count, sizeof count) == static_cast<ssize_t>(sizeof count))
            return true;
        if (errno != EINTR)
            return false;  // EAGAIN: not signalled (or another waiter took it first)
    }
}

void AutoResetEvent::Reset()
{
    if (fd_ >= 0)
        TakeSignal(fd_);
}

namespace {

using Clock = std::chrono::steady_clock;

WaitResult Ready(std::size_t index) { return {WaitStatus::Ready, static_cast<int>(index), 0}; }
WaitResult Failed(int error) { return {WaitStatus::Failed, -1, error}; }

// Milliseconds left until `deadline` for poll(), rounded up so that a wait never ends early.
int RemainingMs(Clock::time_point deadline)
{
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return ms > 0x7fffffff ? 0x7fffffff : static_cast<int>(ms);
}

}  // namespace

WaitResult WaitAny(std::span<AutoResetEvent *const> events, std::span<const int> fds, int timeoutMs)
{
    std::vector<pollfd> polled;
    polled.reserve(events.size() + fds.size());
    for (AutoResetEvent *event : events) {
        if (!event)
            return Failed(EINVAL);
        if (!event->Valid())
            return Failed(EBADF);
        polled.push_back({event->Fd(), POLLIN, 0});
    }
    bool anyFd = false;
    for (int fd : fds) {
        polled.push_back({fd, POLLIN, 0});  // a negative descriptor is skipped by poll
        anyFd = anyFd || fd >= 0;
    }
    if (events.empty() && !anyFd && timeoutMs < 0)
        return Failed(EINVAL);  // nothing could ever end this wait

    const bool forever = timeoutMs < 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(forever ? 0 : timeoutMs);
    for (;;) {
        const int n = poll(polled.data(), polled.size(), forever ? -1 : RemainingMs(deadline));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Failed(errno);
        }
        if (n > 0) {
            for (std::size_t i = 0; i < polled.size(); ++i) {
                const short revents = polled[i].revents;
                if (revents & POLLNVAL)
                    return Failed(EBADF);
                if (i < events.size()) {
                    // Another thread waiting on the same event may have taken the signal since
                    // poll answered; then it is not ready for us after all.
                    if ((revents & POLLIN) && TakeSignal(polled[i].fd))
                        return Ready(i);
                } else if (revents & (POLLIN | POLLPRI | POLLHUP | POLLERR)) {
                    // Hang-up and error count as ready: the owner's read will find out what happened.
                    return Ready(i);
                }
            }
        }
        if (!forever && Clock::now() >= deadline)
            return {WaitStatus::Timeout, -1, 0};
    }
}

}  // namespace os
