#include "platform/os/Clock.h"

#include <time.h>

#include <cerrno>

namespace os {

static constexpr std::int64_t kNanosPerSecond = 1000000000;

std::int64_t PerformanceCounter()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * kNanosPerSecond + now.tv_nsec;
}

std::int64_t PerformanceFrequency() { return kNanosPerSecond; }

std::uint32_t TickCount() { return static_cast<std::uint32_t>(PerformanceCounter() / 1000000); }

void Sleep(unsigned ms)
{
    timespec left{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000};
    // Signals interrupt the sleep; carry on with what is left.
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

}  // namespace os
