#include "platform/os/Clock.h"

#include <gtest/gtest.h>

namespace {

TEST(Clock, CounterAndTickCountAdvanceAcrossASleep)
{
    const std::int64_t frequency = os::PerformanceFrequency();
    ASSERT_GE(frequency, 1000000);  // at least microsecond resolution
    const std::int64_t counter = os::PerformanceCounter();
    const std::uint32_t ticks = os::TickCount();
    os::Sleep(20);
    EXPECT_GE((os::PerformanceCounter() - counter) * 1000 / frequency, 20);
    EXPECT_GE(static_cast<std::uint32_t>(os::TickCount() - ticks), 19u);  // whole ms, cut down
}

}  // namespace
