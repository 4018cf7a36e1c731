// The client socket against a listener on 127.0.0.1: notifications on the GUI thread (this test's
// thread, which runs the event loop and delivers the queued messages), reads a little at a time,
// sends from another thread, refused connections and closing from either side.

#include "platform/net/ClientSocket.h"

#include "device/PumpMessages.h"
#include "platform/runtime/Messages.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

// Delivers queued messages until `pred` holds (five seconds at most).

// A one-connection TCP server on 127.0.0.1.
class Listener {
public:
    Listener()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr *>(&a), sizeof a);
        ::listen(fd_, 1);
        socklen_t size = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr *>(&a), &size);
        port_ = ntohs(a.sin_port);
    }
    ~Listener()
    {
        CloseClient();
        ::close(fd_);
    }
    std::uint16_t Port() const { return port_; }
    bool Accept()
    {
        client_ = ::accept(fd_, nullptr, nullptr);
        return client_ >= 0;
    }
    void Send(const std::string &bytes) { ASSERT_EQ(::send(client_, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size())); }
    std::string Receive(std::size_t want)
    {
        std::string got;
        while (got.size() < want) {
            char buf[256];
            ssize_t n = ::recv(client_, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }
    void CloseClient()
    {
        if (client_ >= 0)
            ::close(client_);
        client_ = -1;
    }

private:
    int fd_ = -1, client_ = -1;
    std::uint16_t port_ = 0;
};

// Records the notifications in order.
struct Recorder {
    explicit Recorder(net::ClientSocket &s)
    {
        s.OnConnecting = [this](net::ClientSocket &) { events.push_back("connecting"); };
        s.OnConnect = [this](net::ClientSocket &c) { events.push_back("connect " + c.RemoteAddress()); };
        s.OnDisconnect = [this](net::ClientSocket &) { events.push_back("disconnect"); };
        s.OnError = [this](net::ClientSocket &, net::ErrorEvent e, int &code) {
            events.push_back("error " + std::to_string(static_cast<int>(e)) + " " + std::to_string(code));
            code = 0;
        };
        s.OnRead = [this](net::ClientSocket &c) {
            ++reads;
            char buf[100];
            int n = c.ReceiveBuf(buf, readSize);
            data.append(buf, static_cast<std::size_t>(n));
        };
    }
    std::vector<std::string> events;
    std::string data;
    int reads = 0;
    int readSize = 100;
};

TEST(ClientSocket, ConnectsReadsSendsAndSeesThePeerClose)
{
    EnsureEventLoop();
    Listener server;
    net::ClientSocket socket;
    Recorder r(socket);
    socket.SetAddress("127.0.0.1");
    socket.SetPort(server.Port());
    socket.SetActive(true);
    EXPECT_TRUE(socket.Active());
    ASSERT_TRUE(server.Accept());
    ASSERT_TRUE(PumpUntil([&] { return r.events.size() >= 2; }));
    EXPECT_EQ(r.events, (std::vector<std::string>{"connecting", "connect 127.0.0.1"}));

    // 250 bytes taken 100 at a time: the read notification comes again while bytes are left.
    std::string block;
    for (int i = 0; i < 250; ++i)
        block += static_cast<char>(i);
    server.Send(block);
    ASSERT_TRUE(PumpUntil([&] { return r.data.size() >= block.size(); }));
    EXPECT_EQ(r.data, block);
    EXPECT_GE(r.reads, 3);

    // Sending from a worker thread.
    const std::string frame("\x10\x02\x00\x01\x01\x12\x10\x03\x13", 9);
    int sent = 0;
    std::thread worker([&] { sent = socket.SendBuf(frame.data(), static_cast<int>(frame.size())); });
    worker.join();
    EXPECT_EQ(sent, 9);
    EXPECT_EQ(server.Receive(frame.size()), frame);

    server.CloseClient();
    ASSERT_TRUE(PumpUntil([&] { return !socket.Active(); }));
    EXPECT_EQ(r.events.back(), "disconnect");
    EXPECT_EQ(socket.SendBuf(frame.data(), 9), -1);
}

TEST(ClientSocket, RefusedAndMalformedAddressesReportConnectErrors)
{
    EnsureEventLoop();
    std::uint16_t freePort;
    {
        Listener probe;  // a port that nobody listens on once the probe is gone
        freePort = probe.Port();
    }
    struct Case {
        std::string address;
        int code;
    } cases[] = {{"127.0.0.1", ECONNREFUSED}, {"127.0.0.300", EINVAL}, {"localhost", EINVAL}};
    for (const Case &c : cases) {
        net::ClientSocket socket;
        Recorder r(socket);
        socket.SetAddress(c.address);
        socket.SetPort(freePort);
        socket.Open();
        ASSERT_TRUE(PumpUntil([&] { return r.events.size() >= 2; })) << c.address;
        EXPECT_EQ(r.events[1], "error 3 " + std::to_string(c.code)) << c.address;
        EXPECT_FALSE(socket.Active()) << c.address;
    }
}

TEST(ClientSocket, AnErrorLeftUnhandledIsRaised)
{
    EnsureEventLoop();
    static std::vector<std::string> raised;
    SetQueuedMessageExceptionHandler([](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const net::ESocketError &error) {
            raised.push_back(error.what());
        } catch (...) {
            raised.push_back("other");
        }
    });
    std::uint16_t freePort;
    {
        Listener probe;
        freePort = probe.Port();
    }
    net::ClientSocket socket;
    socket.SetAddress("127.0.0.1");
    socket.SetPort(freePort);
    socket.Open();
    ASSERT_TRUE(PumpUntil([&] { return !raised.empty(); }));
    EXPECT_NE(raised[0].find(std::to_string(ECONNREFUSED)), std::string::npos) << raised[0];
    SetQueuedMessageExceptionHandler(nullptr);
}

TEST(ClientSocket, ClosingDropsWhatTheOldConnectionStillHadQueued)
{
    EnsureEventLoop();
    Listener server;
    net::ClientSocket socket;
    Recorder r(socket);
    socket.SetAddress("127.0.0.1");
    socket.SetPort(server.Port());
    socket.Open();
    ASSERT_TRUE(server.Accept());
    ASSERT_TRUE(PumpUntil([&] { return socket.Connected(); }));
    server.Send("late bytes");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let them arrive
    socket.Close();
    EXPECT_EQ(r.events.back(), "disconnect") << "closing a connected socket notifies at once";
    const std::size_t count = r.events.size();
    PumpFor(30);  // whatever the old connection had queued is delivered now
    EXPECT_EQ(r.events.size(), count);
    EXPECT_TRUE(r.data.empty()) << "nothing of the closed connection is read";
    EXPECT_EQ(socket.ReceiveLength(), 0);
}

}  // namespace
