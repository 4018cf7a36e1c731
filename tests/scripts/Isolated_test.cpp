// Runs inside scripts/isolated (the integration label wraps it): the namespace must hold only
// loopback, carry the processor's default address, and reach nothing else.

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

const char *const kDeviceAddress = "192.168.1.101";

sockaddr_in Address(const char *ip, std::uint16_t port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    inet_pton(AF_INET, ip, &a.sin_addr);
    return a;
}

struct Fd {
    int fd;
    explicit Fd(int f) : fd(f) {}
    ~Fd() { if (fd >= 0) close(fd); }
};

TEST(Isolated, OnlyLoopbackWithTheDeviceAddress)
{
    ASSERT_STREQ(std::getenv("TROV_ISOLATED"), "1") << "not started through scripts/isolated";
    ifaddrs *list = nullptr;
    ASSERT_EQ(getifaddrs(&list), 0);
    std::set<std::string> interfaces;
    bool deviceAddressOnLo = false;
    for (ifaddrs *i = list; i; i = i->ifa_next) {
        interfaces.insert(i->ifa_name);
        if (i->ifa_addr && i->ifa_addr->sa_family == AF_INET) {
            char text[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in *>(i->ifa_addr)->sin_addr, text, sizeof text);
            if (std::string(i->ifa_name) == "lo" && std::string(text) == kDeviceAddress)
                deviceAddressOnLo = (i->ifa_flags & IFF_UP) != 0;
        }
    }
    freeifaddrs(list);
    EXPECT_EQ(interfaces, std::set<std::string>{"lo"});
    EXPECT_TRUE(deviceAddressOnLo);
}

TEST(Isolated, ConnectToTheDeviceAddressReachesAListenerInside)
{
    Fd server(socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in bindTo = Address(kDeviceAddress, 0);
    ASSERT_EQ(bind(server.fd, reinterpret_cast<sockaddr *>(&bindTo), sizeof bindTo), 0) << std::strerror(errno);
    ASSERT_EQ(listen(server.fd, 1), 0);
    socklen_t len = sizeof bindTo;
    getsockname(server.fd, reinterpret_cast<sockaddr *>(&bindTo), &len);

    Fd client(socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in target = Address(kDeviceAddress, ntohs(bindTo.sin_port));
    ASSERT_EQ(connect(client.fd, reinterpret_cast<sockaddr *>(&target), sizeof target), 0) << std::strerror(errno);
    Fd accepted(accept(server.fd, nullptr, nullptr));
    ASSERT_GE(accepted.fd, 0);
    ASSERT_EQ(write(client.fd, "ok", 2), 2);
    char got[2] = {};
    ASSERT_EQ(read(accepted.fd, got, 2), 2);
    EXPECT_EQ(std::string(got, 2), "ok");
}

TEST(Isolated, OtherAddressesAreUnreachable)
{
    for (const char *ip : {"192.168.1.102", "10.0.0.1", "8.8.8.8"}) {
        Fd client(socket(AF_INET, SOCK_STREAM, 0));
        sockaddr_in target = Address(ip, 9761);
        EXPECT_NE(connect(client.fd, reinterpret_cast<sockaddr *>(&target), sizeof target), 0) << ip;
        EXPECT_EQ(errno, ENETUNREACH) << ip;
    }
}

}  // namespace
