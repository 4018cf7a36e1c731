#pragma once
// Monotonic clock: a high-resolution counter with its frequency, milliseconds since start, sleep.

#include <cstdint>

namespace os {

std::int64_t PerformanceCounter();    // ticks of a monotonic clock
std::int64_t PerformanceFrequency();  // ticks per second
std::uint32_t TickCount();            // monotonic milliseconds, wrapping at 2^32
void Sleep(unsigned ms);

}  // namespace os
