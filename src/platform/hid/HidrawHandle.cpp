#include "platform/hid/HidrawHandle.h"

#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/hid/HidStatus.h"

namespace hid {

namespace {

constexpr std::size_t kMaxReport = 16384;   // the kernel's largest HID report
constexpr std::uint32_t kKernelQueue = 64;  // reports hidraw keeps per open node
constexpr int kWriteWaitMs = 1000;          // how long a full socket may hold up one write

// Milliseconds left until `deadline`, or -1 for no limit.
int Remaining(int timeoutMs, std::chrono::steady_clock::time_point deadline)
{
    if (timeoutMs < 0)
        return -1;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

HidrawHandle::HidrawHandle(Access access, DeviceDescription description, int fd)
    : Handle(access, std::move(description)), fd_(fd), wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

HidrawHandle::~HidrawHandle()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
}

void HidrawHandle::Wake()
{
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0 && ::write(wakeFd_, &one, sizeof one) < 0) {
        // the counter cannot overflow from single increments; nothing to do
    }
}

ReadStatus HidrawHandle::RawRead(std::vector<std::uint8_t> &report, int timeoutMs)
{
    if (fd_ < 0) {
        Fail(EBADF);
        return ReadStatus::Failed;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        if (IsClosed())
            return ReadStatus::Closed;
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const int ready = ::poll(fds, wakeFd_ >= 0 ? 2 : 1, Remaining(timeoutMs, deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            Fail(errno);
            return ReadStatus::Failed;
        }
        if (IsClosed())
            return ReadStatus::Closed;
        if (ready == 0)
            return ReadStatus::Timeout;
        if (!fds[0].revents)
            continue;
        report.resize(kMaxReport);
        const ssize_t n = ::read(fd_, report.data(), report.size());
        if (n > 0) {
            report.resize(static_cast<std::size_t>(n));
            return ReadStatus::Report;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (Remaining(timeoutMs, deadline) == 0)
                return ReadStatus::Timeout;
            continue;
        }
        Fail(n == 0 ? ENODEV : errno);  // end of file: the device went away
        return ReadStatus::Failed;
    }
}

bool HidrawHandle::RawWrite(const std::uint8_t *report, std::size_t size)
{
    if (fd_ < 0)
        return Fail(EBADF);
    for (;;) {
        const ssize_t n = ::write(fd_, report, size);
        if (n == static_cast<ssize_t>(size))
            return true;
        if (n >= 0)
            return Fail(EIO);
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN)
            return Fail(errno);
        pollfd fds[2] = {{fd_, POLLOUT, 0}, {wakeFd_, POLLIN, 0}};
        if (::poll(fds, 2, kWriteWaitMs) <= 0 || IsClosed() || !fds[0].revents)
            return Fail(IsClosed() ? EBADF : ETIMEDOUT);
    }
}

bool HidrawHandle::GetNumInputBuffers(std::uint32_t *count) const
{
    if (fd_ < 0 || !count)
        return Fail(EBADF);
    *count = kKernelQueue;
    return true;
}

bool HidrawHandle::Request(unsigned long request, std::uint8_t *report, std::size_t size)
{
    if (fd_ < 0 || IsClosed())
        return Fail(EBADF);
    if (!report || size == 0 || size > kMaxReport)
        return Fail(EINVAL);
    const int n = ::ioctl(fd_, request, report);
    return n >= 0 ? true : Fail(errno);
}

bool HidrawHandle::GetFeature(std::uint8_t *report, std::size_t size)
{
    return Request(HIDIOCGFEATURE(size), report, size);
}

bool HidrawHandle::SetFeature(const std::uint8_t *report, std::size_t size)
{
    std::vector<std::uint8_t> copy(report, report + (report ? size : 0));
    return Request(HIDIOCSFEATURE(size), copy.data(), copy.size());
}

bool HidrawHandle::GetInputReport(std::uint8_t *report, std::size_t size)
{
#ifdef HIDIOCGINPUT
    return Request(HIDIOCGINPUT(size), report, size);
#else
    (void)report;
    (void)size;
    return Fail(ENOTSUP);
#endif
}

bool HidrawHandle::SetOutputReport(const std::uint8_t *report, std::size_t size)
{
#ifdef HIDIOCSOUTPUT
    std::vector<std::uint8_t> copy(report, report + (report ? size : 0));
    return Request(HIDIOCSOUTPUT(size), copy.data(), copy.size());
#else
    (void)report;
    (void)size;
    return Fail(ENOTSUP);
#endif
}

}  // namespace hid
