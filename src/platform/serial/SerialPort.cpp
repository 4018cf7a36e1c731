#include "platform/serial/SerialPort.h"

// termios2 (asm/termbits.h) takes any rate, not only the classic table; it cannot share a unit
// with <termios.h>, so this file uses the ioctls alone.
#include <asm/termbits.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace serial {

namespace {

bool ReadSettings(int fd, termios2 &t) { return ::ioctl(fd, TCGETS2, &t) == 0; }

std::string Reason(const char *what) { return std::string(what) + ": " + std::strerror(errno); }

// Everything but rate, size, parity and stop bits: raw bytes in both directions.
void MakeRaw(termios2 &t)
{
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

bool SetByteSize(termios2 &t, std::uint8_t byteSize)
{
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    if (byteSize < 5 || byteSize > 8)
        return false;
    t.c_cflag = (t.c_cflag & ~CSIZE) | sizes[byteSize - 5];
    return true;
}

bool SetParity(termios2 &t, std::uint8_t parity)
{
    struct Flags {
        tcflag_t set;
    };
    static const Flags table[] = {
        {0},                         // none
        {PARENB | PARODD},           // odd
        {PARENB},                    // even
        {PARENB | PARODD | CMSPAR},  // mark
        {PARENB | CMSPAR},           // space
    };
    if (parity >= sizeof table / sizeof table[0])
        return false;
    t.c_cflag = (t.c_cflag & ~(PARENB | PARODD | CMSPAR)) | table[parity].set;
    return true;
}

bool SetStopBits(termios2 &t, std::uint8_t stopBits)
{
    // One and a half stop bits have no setting on this system.
    if (stopBits != OneStopBit && stopBits != TwoStopBits)
        return false;
    t.c_cflag = stopBits == TwoStopBits ? (t.c_cflag | CSTOPB) : (t.c_cflag & ~CSTOPB);
    return true;
}

void SetRate(termios2 &t, unsigned rate)
{
    t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = rate;
    t.c_ospeed = rate;
}

}  // namespace

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Open(const std::string &path, std::string *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = Reason(what);
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        return false;
    };
    if (fd_ >= 0) {
        errno = EBUSY;
        return fail("already open");
    }
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return fail(path.c_str());
    termios2 t{};
    if (!ReadSettings(fd_, t))
        return fail("not a serial port");
    // The lock keeps other openers of the device out even where TIOCEXCL does not (root).
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return fail("in use");
    ::ioctl(fd_, TIOCEXCL);
    return true;
}

void SerialPort::Close()
{
    if (fd_ < 0)
        return;
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

bool SerialPort::Configure(unsigned rate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits)
{
    termios2 t{};
    if (fd_ < 0 || rate == 0 || !ReadSettings(fd_, t))
        return false;
    MakeRaw(t);
    SetRate(t, rate);
    if (!SetByteSize(t, byteSize) || !SetParity(t, parity) || !SetStopBits(t, stopBits))
        return false;
    return ::ioctl(fd_, TCSETS2, &t) == 0;
}

unsigned SerialPort::Rate() const
{
    termios2 t{};
    if (fd_ < 0 || !ReadSettings(fd_, t))
        return 0;
    return t.c_ospeed;
}

bool SerialPort::Purge() { return fd_ >= 0 && ::ioctl(fd_, TCFLSH, TCIOFLUSH) == 0; }

int SerialPort::Available() const
{
    int n = 0;
    if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &n) != 0)
        return -1;
    return n;
}

int SerialPort::Read(void *buffer, int size)
{
    if (fd_ < 0 || size < 0)
        return -1;
    for (;;) {
        ssize_t n = ::read(fd_, buffer, static_cast<size_t>(size));
        if (n > 0)
            return static_cast<int>(n);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return 0;
        return -1;  // end of file (the other end is gone) or a failure
    }
}

bool SerialPort::Write(const void *bytes, int count, int timeoutMs)
{
    if (fd_ < 0 || count < 0)
        return false;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    auto *p = static_cast<const unsigned char *>(bytes);
    int left = count;
    while (left > 0) {
        ssize_t n = ::write(fd_, p, static_cast<size_t>(left));
        if (n > 0) {
            p += n;
            left -= static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (rest <= 0)
            return false;
        pollfd pfd{fd_, POLLOUT, 0};
        if (::poll(&pfd, 1, static_cast<int>(rest)) < 0 && errno != EINTR)
            return false;
        if (pfd.revents & (POLLERR | POLLHUP | POLLNVAL))
            return false;
    }
    return true;
}

}  // namespace serial
