#include "platform/serial/SerialPort.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>

namespace {

// A pseudo-terminal: the test holds the master side, the port under test opens the slave.
struct Pty {
    int master = -1;
    std::string slave;
    Pty()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            slave = ::ptsname(master);
    }
    ~Pty() { CloseMaster(); }
    void CloseMaster()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    std::string ReadMaster(size_t want)
    {
        std::string got;
        while (got.size() < want) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 2000) <= 0)
                break;
            char buf[256];
            ssize_t n = ::read(master, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, static_cast<size_t>(n));
        }
        return got;
    }
};

int ReadPort(serial::SerialPort &port, std::string &out, size_t want)
{
    while (out.size() < want) {
        pollfd p{port.Fd(), POLLIN, 0};
        if (::poll(&p, 1, 2000) <= 0)
            return -2;
        char buf[256];
        int n = port.Read(buf, sizeof buf);
        if (n < 0)
            return n;
        out.append(buf, static_cast<size_t>(n));
    }
    return 0;
}

TEST(SerialPort, RawBytesBothWaysAt115200_8N1)
{
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    serial::SerialPort port;
    ASSERT_TRUE(port.Open(pty.slave));
    ASSERT_TRUE(port.Configure(115200, 8, serial::NoParity, serial::OneStopBit));
    EXPECT_EQ(port.Rate(), 115200u);

    // Bytes that a cooked terminal would translate or swallow pass unchanged.
    const std::string frame("\x10\x02\x00\x01\x01\x12\x10\x03\x13\r\n\x03\x1a\x7f", 14);
    ASSERT_TRUE(port.Write(frame.data(), static_cast<int>(frame.size())));
    EXPECT_EQ(pty.ReadMaster(frame.size()), frame);

    ASSERT_EQ(::write(pty.master, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
    std::string got;
    ASSERT_EQ(ReadPort(port, got, frame.size()), 0);
    EXPECT_EQ(got, frame);
    EXPECT_EQ(port.Available(), 0);
    char c;
    EXPECT_EQ(port.Read(&c, 1), 0) << "nothing waits: no block, no failure";
}

TEST(SerialPort, RatesOutsideTheClassicTableAndTheCodes)
{
    Pty pty;
    serial::SerialPort port;
    ASSERT_TRUE(port.Open(pty.slave));
    EXPECT_TRUE(port.Configure(128000, 7, serial::EvenParity, serial::TwoStopBits));
    EXPECT_EQ(port.Rate(), 128000u);
    EXPECT_TRUE(port.Configure(1200, 5, serial::MarkParity, serial::OneStopBit));
    EXPECT_EQ(port.Rate(), 1200u);

    struct Bad {
        unsigned rate;
        std::uint8_t size, parity, stop;
    } bad[] = {{0, 8, 0, 0}, {9600, 4, 0, 0}, {9600, 9, 0, 0}, {9600, 8, 5, 0},
               {9600, 8, 0, serial::OneAndHalfStopBits}, {9600, 8, 0, 3}};
    for (const Bad &b : bad)
        EXPECT_FALSE(port.Configure(b.rate, b.size, b.parity, b.stop)) << b.rate << " " << int(b.size);
    EXPECT_EQ(port.Rate(), 1200u) << "a refused setting changes nothing";
}

TEST(SerialPort, OpenIsExclusiveAndRefusesWhatIsNoPort)
{
    Pty pty;
    serial::SerialPort first, second, none, notTty;
    ASSERT_TRUE(first.Open(pty.slave));
    std::string why;
    EXPECT_FALSE(second.Open(pty.slave, &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(none.Open("/dev/no-such-port"));
    EXPECT_FALSE(notTty.Open("/dev/null"));
    EXPECT_FALSE(notTty.IsOpen());
    first.Close();
    EXPECT_TRUE(second.Open(pty.slave)) << "free again after close";
}

TEST(SerialPort, AvailablePurgeAndHangUp)
{
    Pty pty;
    serial::SerialPort port;
    ASSERT_TRUE(port.Open(pty.slave));
    ASSERT_TRUE(port.Configure(115200, 8, 0, 0));
    ASSERT_EQ(::write(pty.master, "abcde", 5), 5);
    pollfd p{port.Fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 2000), 1);
    EXPECT_EQ(port.Available(), 5);
    EXPECT_TRUE(port.Purge());
    EXPECT_EQ(port.Available(), 0);

    pty.CloseMaster();
    char buf[8];
    EXPECT_EQ(port.Read(buf, sizeof buf), -1) << "the other end has gone";
    EXPECT_FALSE(port.Write("x", 1, 100));
}

TEST(SerialPort, ClosedPortDoesNothing)
{
    serial::SerialPort port;
    char b = 0;
    EXPECT_FALSE(port.Configure(115200, 8, 0, 0));
    EXPECT_EQ(port.Rate(), 0u);
    EXPECT_FALSE(port.Purge());
    EXPECT_EQ(port.Available(), -1);
    EXPECT_EQ(port.Read(&b, 1), -1);
    EXPECT_FALSE(port.Write(&b, 1));
    port.Close();
}

}  // namespace
