#include "platform/os/CriticalSection.h"

#include <gtest/gtest.h>

#include <future>

namespace {

bool OtherThreadCanEnter(os::CriticalSection &cs)
{
    return std::async(std::launch::async, [&] {
        if (!cs.TryEnter())
            return false;
        cs.Leave();
        return true;
    }).get();
}

TEST(CriticalSection, TheOwningThreadMayEnterAgain)
{
    os::CriticalSection cs;
    cs.Enter();
    {
        os::CriticalSectionLock again(cs);
        EXPECT_TRUE(cs.TryEnter());
        cs.Leave();
    }
    EXPECT_FALSE(OtherThreadCanEnter(cs));  // still held once
    cs.Leave();
    EXPECT_TRUE(OtherThreadCanEnter(cs));
}

}  // namespace
