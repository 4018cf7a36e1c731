#include "platform/os/WorkerThread.h"

#include "platform/os/Event.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <array>
#include <chrono>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

// What a test routine works with: it reports that it started, waits until released, and counts.
struct Job {
    os::AutoResetEvent started, release, finished;
    int runs = 0;
};

void RunJob(void *arg)
{
    auto *job = static_cast<Job *>(arg);
    ++job->runs;
    job->started.Set();
    std::array<os::AutoResetEvent *, 1> list{&job->release};
    os::WaitAny(list, 10000);  // bounded, so that a join that wrongly waits for it still returns
    job->finished.Set();
}

bool Signalled(os::AutoResetEvent &event, int timeoutMs)
{
    std::array<os::AutoResetEvent *, 1> list{&event};
    return os::WaitAny(list, timeoutMs).status == os::WaitStatus::Ready;
}

std::size_t ThreadCount()
{
    std::size_t count = 0;
    if (DIR *dir = opendir("/proc/self/task")) {
        while (const dirent *entry = readdir(dir))
            count += entry->d_name[0] != '.';
        closedir(dir);
    }
    return count;
}

TEST(WorkerThread, RunsTheRoutineWithItsArgumentAndJoins)
{
    Job job;
    os::WorkerThread thread;
    EXPECT_FALSE(thread.IsRunning());
    ASSERT_TRUE(thread.Start(RunJob, &job));
    EXPECT_TRUE(thread.Started());
    ASSERT_TRUE(Signalled(job.started, 5000));
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_FALSE(thread.Start(RunJob, &job));  // one at a time

    job.release.Set();
    EXPECT_TRUE(thread.Join(5000));
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(job.runs, 1);
    EXPECT_TRUE(thread.Join(0));  // already joined

    thread.Release();
    EXPECT_FALSE(thread.Started());
    ASSERT_TRUE(thread.Start(RunJob, &job));  // usable again after Release
    job.release.Set();
    EXPECT_TRUE(thread.Join(5000));
    EXPECT_EQ(job.runs, 2);
}

TEST(WorkerThread, JoinThatTimesOutSaysSoWithoutBlockingLonger)
{
    Job job;
    os::WorkerThread thread;
    ASSERT_TRUE(thread.Start(RunJob, &job));
    ASSERT_TRUE(Signalled(job.started, 5000));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(thread.Join(50));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 50ms);
    EXPECT_LT(waited, 2000ms);  // generous: a join that blocks until the routine ends never returns
    EXPECT_TRUE(thread.IsRunning());

    job.release.Set();
    EXPECT_TRUE(thread.Join(5000));
}

// Releasing (or destroying) the owner of a running thread detaches it; the routine may finish
// afterwards without touching the freed owner.
TEST(WorkerThread, ReleasedRunningThreadFinishesSafely)
{
    std::thread([] {}).join();  // lets a sanitizer start its own helper threads before counting
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "released");
        const std::size_t before = ThreadCount();
        Job job;
        auto thread = std::make_unique<os::WorkerThread>();
        ASSERT_TRUE(thread->Start(RunJob, &job));
        ASSERT_TRUE(Signalled(job.started, 5000));
        if (destroy) {
            thread.reset();
        } else {
            thread->Release();
            EXPECT_FALSE(thread->IsRunning());
            EXPECT_FALSE(thread->Started());
            thread.reset();
        }
        job.release.Set();
        ASSERT_TRUE(Signalled(job.finished, 5000));
        // Wait for the thread itself to be gone, so that its last steps ran after the owner's end.
        for (int i = 0; i < 5000 && ThreadCount() > before; ++i)
            std::this_thread::sleep_for(1ms);
        EXPECT_EQ(ThreadCount(), before);
    }
}

TEST(WorkerThread, JoinAndReleaseWithoutAThread)
{
    os::WorkerThread thread;
    EXPECT_TRUE(thread.Join(0));
    thread.Release();
    EXPECT_FALSE(thread.Start(nullptr, nullptr));
    EXPECT_FALSE(thread.Started());
}

}  // namespace
