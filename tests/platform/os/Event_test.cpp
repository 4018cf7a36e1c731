#include "platform/os/Event.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;
using os::AutoResetEvent;
using os::WaitAny;
using os::WaitStatus;

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() { EXPECT_EQ(pipe(fd), 0); }
    ~Pipe()
    {
        close(fd[0]);
        close(fd[1]);
    }
    int ReadEnd() const { return fd[0]; }
    void Put() const { ASSERT_EQ(write(fd[1], "x", 1), 1); }
    std::size_t Pending() const
    {
        char buffer[16];
        const ssize_t n = read(fd[0], buffer, sizeof buffer);
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }
};

// Expects a wait to answer `index`, or a time-out when index is -1.
void ExpectWait(std::span<AutoResetEvent *const> events, std::span<const int> fds, int index)
{
    const os::WaitResult r = WaitAny(events, fds, 0);
    if (index < 0) {
        EXPECT_EQ(r.status, WaitStatus::Timeout);
    } else {
        EXPECT_EQ(r.status, WaitStatus::Ready);
        EXPECT_EQ(r.index, index);
    }
}

TEST(AutoResetEvent, SeveralSignalsBeforeAWaitWakeOnce)
{
    AutoResetEvent event;
    ASSERT_TRUE(event.Valid());
    std::array<AutoResetEvent *, 1> list{&event};
    event.Set();
    event.Set();
    event.Set();
    ExpectWait(list, {}, 0);
    ExpectWait(list, {}, -1);
}

TEST(AutoResetEvent, ResetClearsAPendingSignal)
{
    AutoResetEvent event;
    std::array<AutoResetEvent *, 1> list{&event};
    event.Set();
    event.Reset();
    ExpectWait(list, {}, -1);
    event.Reset();  // on a clear event: nothing happens
    event.Set();
    ExpectWait(list, {}, 0);
}

TEST(WaitAny, AnswersTheFirstReadyEventAndLeavesTheOthersSignalled)
{
    AutoResetEvent a, b, c;
    std::array<AutoResetEvent *, 3> list{&a, &b, &c};
    c.Set();
    b.Set();
    ExpectWait(list, {}, 1);
    ExpectWait(list, {}, 2);
    ExpectWait(list, {}, -1);
    a.Set();
    c.Set();
    ExpectWait(list, {}, 0);
    ExpectWait(list, {}, 2);
}

TEST(WaitAny, DescriptorsComeAfterTheEventsAndAreNotRead)
{
    AutoResetEvent a, b;
    std::array<AutoResetEvent *, 2> list{&a, &b};
    Pipe idle, busy;
    const std::array<int, 2> fds{idle.ReadEnd(), busy.ReadEnd()};
    busy.Put();
    b.Set();
    ExpectWait(list, fds, 1);  // an event before a ready descriptor
    ExpectWait(list, fds, 3);
    ExpectWait(list, fds, 3);  // still readable: the wait never reads it
    EXPECT_EQ(busy.Pending(), 1u);
    ExpectWait(list, fds, -1);
    idle.Put();
    busy.Put();
    ExpectWait(list, fds, 2);
}

TEST(WaitAny, WakesWhenAnotherThreadSignals)
{
    AutoResetEvent event;
    std::array<AutoResetEvent *, 1> list{&event};
    std::thread setter([&] { event.Set(); });
    const os::WaitResult r = WaitAny(list, -1);
    setter.join();
    EXPECT_EQ(r.status, WaitStatus::Ready);
    EXPECT_EQ(r.index, 0);
}

TEST(WaitAny, TimeOutIsReportedAfterTheFullTime)
{
    AutoResetEvent event;
    std::array<AutoResetEvent *, 1> list{&event};
    Pipe idle;
    const std::array<int, 1> fds{idle.ReadEnd()};
    const auto start = std::chrono::steady_clock::now();
    const os::WaitResult r = WaitAny(list, fds, 30);
    EXPECT_EQ(r.status, WaitStatus::Timeout);
    EXPECT_EQ(r.index, -1);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
}

TEST(WaitAny, ReportsFailureWithTheSystemError)
{
    AutoResetEvent event;
    std::array<AutoResetEvent *, 1> list{&event};
    Pipe pipe;
    const int closed = dup(pipe.ReadEnd());
    close(closed);
    const std::array<int, 1> fds{closed};
    os::WaitResult r = WaitAny(list, fds, 1000);
    EXPECT_EQ(r.status, WaitStatus::Failed);
    EXPECT_EQ(r.error, EBADF);

    std::array<AutoResetEvent *, 1> missing{nullptr};
    r = WaitAny(missing, 0);
    EXPECT_EQ(r.status, WaitStatus::Failed);
    EXPECT_EQ(r.error, EINVAL);

    // Nothing to wait for and no time limit would never return.
    r = WaitAny({}, {}, -1);
    EXPECT_EQ(r.status, WaitStatus::Failed);
}

TEST(WaitAny, NegativeDescriptorsAreSkipped)
{
    Pipe busy;
    busy.Put();
    const std::array<int, 2> fds{-1, busy.ReadEnd()};
    ExpectWait({}, fds, 1);
}

void Ignore(int) {}

// Signals that interrupt the wait must neither end it as a failure nor shorten a time-out.
TEST(WaitAny, SignalsDoNotEndTheWait)
{
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = Ignore;
    ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);  // no SA_RESTART: poll sees EINTR

    AutoResetEvent event;
    std::array<AutoResetEvent *, 1> list{&event};
    std::atomic<bool> waiting{false};
    os::WaitResult timed, woken;
    std::chrono::steady_clock::duration timedFor{};
    std::thread waiter([&] {
        waiting = true;
        const auto start = std::chrono::steady_clock::now();
        timed = WaitAny(list, 100);
        timedFor = std::chrono::steady_clock::now() - start;
        woken = WaitAny(list, -1);
    });
    while (!waiting)
        std::this_thread::yield();
    for (int i = 0; i < 150; ++i) {
        pthread_kill(waiter.native_handle(), SIGUSR1);
        std::this_thread::sleep_for(1ms);
    }
    event.Set();
    waiter.join();
    sigaction(SIGUSR1, &previous, nullptr);

    EXPECT_EQ(timed.status, WaitStatus::Timeout);
    EXPECT_GE(timedFor, 100ms);
    EXPECT_EQ(woken.status, WaitStatus::Ready);
    EXPECT_EQ(woken.index, 0);
}

// Two threads waiting on one event: one signal releases exactly one of them.
TEST(WaitAny, OneSignalReleasesOneWaiter)
{
    AutoResetEvent event, stop;
    std::array<AutoResetEvent *, 2> list{&event, &stop};
    std::array<std::atomic<int>, 2> answered{};
    std::atomic<int> done{0};
    const auto wait = [&] {
        const os::WaitResult r = WaitAny(list, -1);
        if (r.status == WaitStatus::Ready)
            ++answered[r.index];
        ++done;
    };
    std::thread first(wait), second(wait);
    event.Set();
    while (done == 0)
        std::this_thread::yield();
    stop.Set();
    first.join();
    second.join();
    EXPECT_EQ(answered[0], 1);
    EXPECT_EQ(answered[1], 1);
}

}  // namespace
