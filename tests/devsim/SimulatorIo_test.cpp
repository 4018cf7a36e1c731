// The simulator's I/O thread: TCP on loopback, a pseudo-terminal, delayed and held replies, stop.

#include "SimTestUtil.h"

#include <arpa/inet.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace devsim::test {
namespace {

constexpr int kWaitMs = 5000;  // an upper bound only; replies come within milliseconds

// Reads from fd until `count` frames have arrived, the peer closes, or kWaitMs pass.
std::vector<ReplyFrame> ReadFrames(int fd, std::size_t count, bool *closed = nullptr)
{
    Bytes got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    while (ParseReplies(got).size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        std::uint8_t buffer[512];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            if (closed)
                *closed = true;
            break;
        }
        got.insert(got.end(), buffer, buffer + n);
    }
    return ParseReplies(got);
}

void WriteAll(int fd, const Bytes &bytes)
{
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

int ConnectTcp(std::uint16_t port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class TcpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(sim.ListenTcp("127.0.0.1", 0, &error)) << error;
        ASSERT_NE(sim.TcpPort(), 0);
        ASSERT_TRUE(sim.Start(&error)) << error;
        fd = ConnectTcp(sim.TcpPort());
        ASSERT_GE(fd, 0);
    }
    void TearDown() override
    {
        if (fd >= 0)
            ::close(fd);
    }

    Simulator sim;
    int fd = -1;
};

TEST_F(TcpTest, AFrameGetsItsReply)
{
    WriteAll(fd, Request(CMD_HANDSHAKE));
    const auto replies = ReadFrames(fd, 1);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].command, CMD_HANDSHAKE);
    EXPECT_EQ(replies[0].source, 1);
}

TEST_F(TcpTest, SplitAndMergedFramesAreReassembled)
{
    const Bytes block = Request(CMD_READ_PROGRAM_BLOCK, {3});
    WriteAll(fd, Bytes(block.begin(), block.begin() + 4));
    WriteAll(fd, Bytes(block.begin() + 4, block.end()));
    Bytes three;
    for (std::uint8_t code : {CMD_IDENTITY, CMD_LOCK_STATUS, CMD_POLL}) {
        const Bytes f = Request(code);
        three.insert(three.end(), f.begin(), f.end());
    }
    WriteAll(fd, three);
    const auto replies = ReadFrames(fd, 4);
    ASSERT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[0].payload.at(0), 3);
    EXPECT_EQ(replies[1].command, CMD_IDENTITY);
    EXPECT_EQ(replies[2].command, CMD_LOCK_STATUS);
    EXPECT_EQ(replies[3].command, CMD_ACK);
    EXPECT_TRUE(sim.WaitForFrames(4, kWaitMs));
}

TEST_F(TcpTest, RepliesSplitAcrossTimedWritesArriveWhole)
{
    FaultSettings f;
    f.splitBytes = 3;
    f.splitGapMs = 1;
    f.garbageBytes = 2;
    sim.SetFaults(f);
    WriteAll(fd, Request(CMD_IDENTITY));
    const auto replies = ReadFrames(fd, 1);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(std::string(replies[0].payload.begin(), replies[0].payload.end()), "VELMTROV316 V011");
}

TEST_F(TcpTest, DropAfterClosesTheConnectionAfterItsReply)
{
    FaultSettings f;
    f.dropAfterFrames = 1;
    sim.SetFaults(f);
    WriteAll(fd, Request(CMD_HANDSHAKE));
    bool closed = false;
    EXPECT_EQ(ReadFrames(fd, 2, &closed).size(), 1u);
    EXPECT_TRUE(closed);
    // The server still takes new clients.
    const int again = ConnectTcp(sim.TcpPort());
    ASSERT_GE(again, 0);
    WriteAll(again, Request(CMD_POLL));
    EXPECT_EQ(ReadFrames(again, 1).size(), 1u);
    ::close(again);
}

TEST_F(TcpTest, SeveralClientsAtOnce)
{
    constexpr int kClients = 3, kRequests = 40;
    std::vector<std::thread> threads;
    std::vector<std::size_t> counts(kClients);
    for (int c = 0; c < kClients; ++c)
        threads.emplace_back([&, c] {
            const int client = ConnectTcp(sim.TcpPort());
            for (int i = 0; i < kRequests; ++i) {
                const Bytes gain = CM_MCS_GAIN(1, 2 + c, i).ToBytes(1);
                if (::write(client, gain.data(), gain.size()) != static_cast<ssize_t>(gain.size()))
                    break;
                counts[c] += ReadFrames(client, 1).size();
            }
            ::close(client);
        });
    auto local = sim.ConnectInProcess();
    for (int i = 0; i < kRequests; ++i)
        local->Write(Request(CMD_LEVELS));
    for (std::thread &t : threads)
        t.join();
    for (std::size_t n : counts)
        EXPECT_EQ(n, static_cast<std::size_t>(kRequests));
    EXPECT_EQ(ParseReplies(local->ReadAll()).size(), static_cast<std::size_t>(kRequests));
    EXPECT_EQ(sim.FrameLog().size(), static_cast<std::size_t>((kClients + 1) * kRequests));
}

TEST_F(TcpTest, StopEndsServingAndStartResumes)
{
    sim.Stop();
    EXPECT_FALSE(sim.Running());
    sim.Stop();  // twice is harmless
    ASSERT_TRUE(sim.Start());
    WriteAll(fd, Request(CMD_POLL));
    EXPECT_EQ(ReadFrames(fd, 1).size(), 1u);
}

TEST(InProcessTimed, DelayedAndHeldRepliesGoOutWhenDue)
{
    Simulator sim;
    ASSERT_TRUE(sim.Start());
    auto link = sim.ConnectInProcess();
    FaultSettings f;
    f.delayMs = 20;
    f.delayMaxMs = 40;
    sim.SetFaults(f);
    const auto sent = std::chrono::steady_clock::now();
    link->Write(Request(CMD_HANDSHAKE));
    const auto reply = link->Read(kWaitMs);
    ASSERT_TRUE(reply);
    EXPECT_GE(std::chrono::steady_clock::now() - sent, std::chrono::milliseconds(20));
    EXPECT_EQ(ParseReplies(*reply).size(), 1u);

    // Held for merging, a lone reply still goes out once it has waited its hold time.
    f = {};
    f.mergeFrames = 5;
    f.mergeHoldMs = 10;
    sim.SetFaults(f);
    link->Write(Request(CMD_POLL));
    link->Write(Request(CMD_POLL));
    const auto held = link->Read(kWaitMs);
    ASSERT_TRUE(held);
    EXPECT_EQ(ParseReplies(*held).size(), 2u);
}

class PtyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        symlink = (std::filesystem::temp_directory_path() / ("devsim-pty-" + std::to_string(::getpid()))).string();
        std::string error;
        ASSERT_TRUE(sim->OpenPty(symlink, &error)) << error;
        ASSERT_TRUE(sim->Start(&error)) << error;
    }
    int OpenClient()
    {
        const int client = ::open(symlink.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        EXPECT_GE(client, 0);
        return client;
    }

    std::string symlink;
    std::unique_ptr<Simulator> sim = std::make_unique<Simulator>();
};

TEST_F(PtyTest, AFrameWrittenToTheTerminalGetsItsReply)
{
    EXPECT_EQ(std::filesystem::read_symlink(symlink).string(), sim->PtyPath());
    const int client = OpenClient();
    const Bytes hello = Request(CMD_HANDSHAKE);
    WriteAll(client, Bytes(hello.begin(), hello.begin() + 2));  // split ...
    Bytes rest(hello.begin() + 2, hello.end());
    const Bytes id = Request(CMD_IDENTITY);
    rest.insert(rest.end(), id.begin(), id.end());  // ... and merged
    WriteAll(client, rest);
    const auto replies = ReadFrames(client, 2);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].command, CMD_HANDSHAKE);
    EXPECT_EQ(replies[1].command, CMD_IDENTITY);
    ::close(client);

    // Bytes 0x0D and 0x0A pass unchanged: the terminal is raw.
    const int again = OpenClient();
    WriteAll(again, CM_MCS_GAIN(1, 2, 0x0A0D).ToBytes(1));
    EXPECT_EQ(ReadFrames(again, 1).size(), 1u);
    ::close(again);
    sim->WithProcessor([](Processor &p) { EXPECT_EQ(Word(p.State().program, 240), 0x0A0D); });

    sim.reset();
    EXPECT_FALSE(std::filesystem::is_symlink(symlink));  // removed with the simulator
}

TEST_F(PtyTest, ADroppedLineComesBackAsANewTerminal)
{
    const std::string first = sim->PtyPath();
    FaultSettings f;
    f.dropAfterFrames = 1;
    sim->SetFaults(f);
    const int client = OpenClient();
    WriteAll(client, Request(CMD_HANDSHAKE));
    bool closed = false;
    EXPECT_EQ(ReadFrames(client, 2, &closed).size(), 1u);  // the reply, then the hang-up
    EXPECT_TRUE(closed);
    // The new terminal was opened in the same step as the old one was dropped; the old client
    // still holds its end, so the new one has another name.
    const std::string second = sim->PtyPath();
    EXPECT_NE(second, first);
    EXPECT_EQ(std::filesystem::read_symlink(symlink).string(), second);
    ::close(client);
    const int next = OpenClient();
    WriteAll(next, Request(CMD_POLL));
    EXPECT_EQ(ReadFrames(next, 1).size(), 1u);
    ::close(next);
}

}  // namespace
}  // namespace devsim::test
