// The single-instance guard in a private runtime folder: the first claim listens, a later one (on
// another thread, as another process would) asks it to come forward; a socket file left by a copy
// that is gone is replaced; only a private folder of this user serves when $XDG_RUNTIME_DIR is not
// set. Two guards in one process conflict like two processes: a flock belongs to its open file.

#include "platform/net/SingleInstance.h"

#include "device/PumpMessages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <future>
#include <string>

namespace {

using Outcome = net::SingleInstance::Outcome;

constexpr const char *Name = "trov316-test";

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureEventLoop();
        ASSERT_TRUE(folder.isValid());
        const char *old = std::getenv("XDG_RUNTIME_DIR");
        previous = old ? old : "";
        hadPrevious = old != nullptr;
        ::setenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override
    {
        if (hadPrevious)
            ::setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

    // A later start on another thread; this thread serves the first copy meanwhile.
    Outcome SecondStart(int waitMs = 3000)
    {
        auto second = std::async(std::launch::async, [waitMs] {
            net::SingleInstance guard(Name);
            return guard.Claim(waitMs);
        });
        EXPECT_TRUE(PumpUntil([&] { return second.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                              waitMs + 5000));
        return second.get();
    }
    std::string SocketPath() const { return folder.filePath(QStringLiteral("trov316-test.sock")).toStdString(); }

    QTemporaryDir folder;
    std::string previous;
    bool hadPrevious = false;
};

TEST_F(SingleInstanceTest, ALaterStartAsksTheRunningCopyToComeForward)
{
    net::SingleInstance first(Name);
    int activations = 0;
    first.OnActivate = [&] { ++activations; };
    ASSERT_EQ(first.Claim(), Outcome::First);
    EXPECT_TRUE(first.Listening());
    EXPECT_EQ(first.SocketPath(), SocketPath());

    EXPECT_EQ(SecondStart(), Outcome::AlreadyRunning);
    // The answer came before the later start ended: the request was handled by then.
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(SecondStart(), Outcome::AlreadyRunning);
    EXPECT_EQ(activations, 2);
}

TEST_F(SingleInstanceTest, ACopyThatEndsLetsTheNextStartRunAndRemovesItsSocket)
{
    {
        net::SingleInstance first(Name);
        ASSERT_EQ(first.Claim(), Outcome::First);
    }
    EXPECT_NE(::access(SocketPath().c_str(), F_OK), 0);
    net::SingleInstance next(Name);
    EXPECT_EQ(next.Claim(), Outcome::First);
}

// A copy killed outright leaves its socket file; the lock went with the process, so the next start
// replaces the file and can be reached through it.
TEST_F(SingleInstanceTest, ASocketLeftByAKilledCopyIsReplaced)
{
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, SocketPath().c_str());
    ASSERT_EQ(::bind(stale, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(stale);
    ASSERT_EQ(::access(SocketPath().c_str(), F_OK), 0);

    net::SingleInstance first(Name);
    int activations = 0;
    first.OnActivate = [&] { ++activations; };
    ASSERT_EQ(first.Claim(), Outcome::First);
    ASSERT_TRUE(first.Listening());
    EXPECT_EQ(SecondStart(), Outcome::AlreadyRunning);
    EXPECT_EQ(activations, 1);
}

// The running copy holds the lock but nobody answers: the later start still ends, after its wait.
TEST_F(SingleInstanceTest, ALaterStartEndsWhenTheRunningCopyDoesNotAnswer)
{
    net::SingleInstance first(Name);
    ASSERT_EQ(first.Claim(), Outcome::First);
    net::SingleInstance second(Name);
    // This thread does not serve the first copy: its request stays unanswered.
    EXPECT_EQ(second.Claim(200), Outcome::AlreadyRunning);
}

// Other requests on the socket do nothing and are not answered.
TEST_F(SingleInstanceTest, OnlyTheRequestLineActivates)
{
    net::SingleInstance first(Name);
    int activations = 0;
    first.OnActivate = [&] { ++activations; };
    ASSERT_EQ(first.Claim(), Outcome::First);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, SocketPath().c_str());
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::send(fd, "quit\n", 5, 0), 5);
    char answer[8] = {};
    std::atomic<ssize_t> got{-2};
    auto reader = std::async(std::launch::async, [&] { got = ::recv(fd, answer, sizeof answer, 0); });
    EXPECT_TRUE(PumpUntil([&] { return got != -2; }));
    reader.get();
    EXPECT_EQ(got, 0);  // closed without an answer
    EXPECT_EQ(activations, 0);
    ::close(fd);
}

struct FolderCase {
    const char *name;
    mode_t mode;
    bool usable;
};

// Without $XDG_RUNTIME_DIR the guard uses /tmp/<name>-<uid>, only when nobody else may enter it.
TEST_F(SingleInstanceTest, WithoutARuntimeFolderOnlyAPrivateFolderInTmpServes)
{
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string name = "trov316-test-" + std::to_string(::getpid());
    const std::string path = "/tmp/" + name + "-" + std::to_string(::getuid());
    for (const FolderCase &c : {FolderCase{.name = "private", .mode = 0700, .usable = true},
                                FolderCase{.name = "others may enter", .mode = 0755, .usable = false}}) {
        SCOPED_TRACE(c.name);
        ::rmdir(path.c_str());
        ASSERT_EQ(::mkdir(path.c_str(), c.mode), 0);
        ::chmod(path.c_str(), c.mode);
        {
            net::SingleInstance guard(name);
            EXPECT_EQ(guard.Claim(), c.usable ? Outcome::First : Outcome::Unguarded);
            EXPECT_EQ(net::SingleInstance::Folder(name).empty(), !c.usable);
        }
        ::unlink((path + "/" + name + ".lock").c_str());
        ::rmdir(path.c_str());
    }
    // A missing folder is made private.
    EXPECT_EQ(net::SingleInstance::Folder(name), path);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ::rmdir(path.c_str());
}

}  // namespace
