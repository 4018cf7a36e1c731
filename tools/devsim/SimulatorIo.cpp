// The simulator's descriptors: TCP server and its clients, the pseudo-terminal, and the one I/O
// thread that polls them and sends replies whose time has come.

#include "devsim/Simulator.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace devsim {

namespace {

bool Fail(std::string *error, const std::string &what)
{
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

void CloseFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Replaces `link` by a symlink to `target`; refuses to replace anything but a symlink.
bool PlaceSymlink(const std::string &target, const std::string &link, std::string *error)
{
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            if (error)
                *error = link + " exists and is not a symbolic link";
            return false;
        }
        ::unlink(link.c_str());
    }
    if (::symlink(target.c_str(), link.c_str()) != 0)
        return Fail(error, "cannot create " + link);
    return true;
}

}  // namespace

void Simulator::OpenWakeFd()
{
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

void Simulator::Wake()
{
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0)
        (void)!::write(wakeFd_, &one, sizeof one);
}

bool Simulator::ListenTcp(const std::string &address, std::uint16_t port, std::string *error)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &addr.sin_addr) != 1) {
        if (error)
            *error = "not an IPv4 address: " + address;
        return false;
    }
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Fail(error, "cannot create a socket");
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    socklen_t len = sizeof addr;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) != 0) {
        Fail(error, "cannot listen on " + address + ":" + std::to_string(port));
        ::close(fd);
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (listenFd_ >= 0) {
            ::close(fd);
            if (error)
                *error = "already listening";
            return false;
        }
        listenFd_ = fd;
        tcpPort_ = ntohs(addr.sin_port);
    }
    Wake();
    return true;
}

std::uint16_t Simulator::TcpPort() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return tcpPort_;
}

bool Simulator::OpenPty(const std::string &symlink, std::string *error)
{
    bool ok = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (ptyConnection_ != 0) {
            if (error)
                *error = "a pseudo-terminal is already open";
            return false;
        }
        ok = OpenPtyLocked(symlink, error);
    }
    Wake();
    return ok;
}

std::string Simulator::PtyPath() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ptyPath_;
}

bool Simulator::OpenPtyLocked(const std::string &symlink, std::string *error)
{
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return Fail(error, "cannot open a pseudo-terminal");
    char name[128] = {};
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof name) != 0) {
        Fail(error, "cannot set up the pseudo-terminal");
        ::close(master);
        return false;
    }
    // Raw 115200 8N1 as a serial client expects; a slave descriptor of our own keeps the master
    // from seeing a hang-up while no client has it open.
    int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (slave < 0 || ::tcgetattr(slave, &tio) != 0) {
        Fail(error, std::string("cannot open ") + name);
        CloseFd(slave);
        ::close(master);
        return false;
    }
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B115200);
    ::cfsetospeed(&tio, B115200);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    if (!symlink.empty() && !PlaceSymlink(name, symlink, error)) {
        ::close(slave);
        ::close(master);
        return false;
    }
    ptySlaveFd_ = slave;
    ptyPath_ = name;
    ptySymlink_ = symlink;
    ptyConnection_ = AddConnection(Kind::Pty, master, nullptr);
    return true;
}

void Simulator::ReopenPty(Lines &trace)
{
    // A dropped serial line: the old terminal goes away and a new one takes its place (and its
    // symlink), as if the cable had been pulled and put back.
    CloseFd(ptySlaveFd_);
    ptyConnection_ = 0;
    std::string error;
    if (OpenPtyLocked(ptySymlink_, &error))
        trace.push_back("-- pseudo-terminal now " + ptyPath_);
    else
        trace.push_back("-- " + error);
}

bool Simulator::HasUnreadOutput(const Connection &c) const
{
    int unread = 0;
    return c.kind == Kind::Pty && ptySlaveFd_ >= 0 && ::ioctl(ptySlaveFd_, FIONREAD, &unread) == 0 && unread > 0;
}

void Simulator::CloseLinkFd(Connection &c)
{
    if (c.fd >= 0 && c.kind == Kind::Tcp)
        ::shutdown(c.fd, SHUT_RDWR);
    CloseFd(c.fd);
}

void Simulator::CloseAll()
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto &[id, c] : connections_) {
        CloseLinkFd(c);
        if (c.inbox)
            c.inbox->MarkDropped();
    }
    CloseFd(listenFd_);
    CloseFd(ptySlaveFd_);
    if (!ptySymlink_.empty())
        ::unlink(ptySymlink_.c_str());
    ptySymlink_.clear();
    CloseFd(wakeFd_);
}

bool Simulator::Start(std::string *error)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (thread_.joinable())
        return true;
    if (wakeFd_ < 0) {
        if (error)
            *error = "cannot create the wake-up event";
        return false;
    }
    stopping_ = false;
    thread_ = std::thread(&Simulator::Loop, this);
    return true;
}

void Simulator::Stop()
{
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!thread_.joinable())
            return;
        stopping_ = true;
        thread = std::move(thread_);
    }
    Wake();
    thread.join();
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = false;
}

bool Simulator::Running() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return thread_.joinable();
}

void Simulator::Loop()
{
    constexpr int kWake = -1, kListen = -2;
    for (;;) {
        std::vector<pollfd> fds;
        std::vector<int> owners;
        int timeoutMs = -1;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_)
                return;
            std::erase_if(connections_, [](const auto &entry) { return entry.second.dropped && !entry.second.inbox; });
            fds.push_back({wakeFd_, POLLIN, 0});
            owners.push_back(kWake);
            if (listenFd_ >= 0) {
                fds.push_back({listenFd_, POLLIN, 0});
                owners.push_back(kListen);
            }
            const Clock::time_point now = Clock::now();
            for (const auto &[id, c] : connections_) {
                if (c.fd >= 0) {
                    fds.push_back({c.fd, static_cast<short>(POLLIN | (c.unsent.empty() ? 0 : POLLOUT)), 0});
                    owners.push_back(id);
                }
                if (const auto due = NextDue(c)) {
                    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - now).count();
                    const int ms = static_cast<int>(std::max<long long>(0, wait));
                    timeoutMs = timeoutMs < 0 ? ms : std::min(timeoutMs, ms);
                }
            }
        }
        if (::poll(fds.data(), fds.size(), timeoutMs) < 0 && errno != EINTR)
            return;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (!fds[i].revents)
                continue;
            if (owners[i] == kWake) {
                std::uint64_t count = 0;
                (void)!::read(wakeFd_, &count, sizeof count);
            } else if (owners[i] == kListen) {
                Accept();
            } else {
                if (fds[i].revents & POLLOUT)
                    ServeWritable(owners[i]);
                if (fds[i].revents & (POLLIN | POLLHUP | POLLERR))
                    ServeReadable(owners[i]);
            }
        }
        Lines trace;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const Clock::time_point now = Clock::now();
            for (auto &[id, c] : connections_)
                Flush(c, now, trace);
        }
        Emit(trace);
    }
}

void Simulator::Accept()
{
    Lines trace;
    for (;;) {
        sockaddr_in peer{};
        socklen_t len = sizeof peer;
        const int fd = ::accept4(listenFd_, reinterpret_cast<sockaddr *>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            break;
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
        std::lock_guard<std::mutex> lock(mutex_);
        const int id = AddConnection(Kind::Tcp, fd, nullptr);
        trace.push_back("-- [tcp " + std::to_string(id) + "] client " + text + ":" + std::to_string(ntohs(peer.sin_port)));
    }
    Emit(trace);
}

void Simulator::ServeReadable(int connection)
{
    int fd = -1;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto it = connections_.find(connection);
        if (it == connections_.end() || it->second.dropped)
            return;
        fd = it->second.fd;
    }
    // Only this thread closes link descriptors while it runs, so fd stays valid here.
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
        Receive(connection, std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)));
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return;
    Lines trace;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto it = connections_.find(connection);
        if (it == connections_.end())
            return;
        Connection &c = it->second;
        if (c.kind == Kind::Pty) {
            Drop(c, trace);  // the terminal itself failed: start a fresh one
        } else {
            trace.push_back("-- [" + LinkName(c) + "] client closed");
            c.dropped = true;
            CloseLinkFd(c);
        }
    }
    Emit(trace);
}

void Simulator::ServeWritable(int connection)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = connections_.find(connection);
    if (it == connections_.end() || it->second.dropped || it->second.unsent.empty())
        return;
    Connection &c = it->second;
    const Bytes rest = std::move(c.unsent);
    c.unsent.clear();
    Deliver(c, rest);
}

}  // namespace devsim
