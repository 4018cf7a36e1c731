#include "platform/net/ClientSocket.h"

#include "platform/runtime/Messages.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace net {

namespace {

// The notification window's one message: wparam = session << 8 | kind, lparam = error code.
constexpr UINT WM_SOCKET_NOTIFY = WM_USER + 1;

enum Kind : unsigned { KindConnecting = 1, KindConnected, KindRead, KindDisconnected, ErrorBase = 16 };

// Received bytes beyond this wait in the socket until the GUI thread has taken some.
constexpr std::size_t ReceiveCap = 64 * 1024;

void Signal(int fd)
{
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(fd, &one, sizeof one);
}

void Drain(int fd)
{
    std::uint64_t count;
    [[maybe_unused]] ssize_t n = ::read(fd, &count, sizeof count);
}

}  // namespace

struct ClientSocket::Shared {
    ClientSocket *owner = nullptr;  // GUI thread only; null once the socket is gone
    HWND window = nullptr;
    // Changed on the GUI thread; notifications of an older session are dropped.
    std::atomic<std::uint64_t> session{0};
    bool active = false;        // GUI thread
    std::thread io;
    int stopFd = -1;  // ends the I/O thread
    int wakeFd = -1;  // the GUI thread took received bytes

    std::mutex mutex;  // guards what follows
    int fd = -1;
    bool connected = false;
    bool readPosted = false;
    std::vector<std::uint8_t> received;
    std::string remote;

    void Post(std::uint64_t forSession, unsigned kind, int code = 0)
    {
        ::PostMessage(window, WM_SOCKET_NOTIFY, static_cast<WPARAM>(forSession << 8 | kind), code);
    }

    // The I/O thread of one session: completes the connection, then reads until the peer closes,
    // an error occurs or the session is stopped.
    void Run(std::uint64_t forSession)
    {
        pollfd fds[3] = {{stopFd, POLLIN, 0}, {wakeFd, POLLIN, 0}, {fd, POLLOUT, 0}};
        bool connecting = true;
        for (;;) {
            if (!connecting) {
                std::lock_guard lock(mutex);
                fds[2].events = received.size() < ReceiveCap ? POLLIN : 0;
            }
            if (::poll(fds, 3, -1) < 0) {
                if (errno == EINTR)
                    continue;
                Post(forSession, ErrorBase + static_cast<unsigned>(ErrorEvent::General), errno);
                return;
            }
            if (fds[0].revents)
                return;
            if (fds[1].revents)
                Drain(wakeFd);
            if (!fds[2].revents)
                continue;
            if (connecting) {
                int error = 0;
                socklen_t size = sizeof error;
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
                if (error != 0) {
                    Post(forSession, ErrorBase + static_cast<unsigned>(ErrorEvent::Connect), error);
                    return;
                }
                sockaddr_in peer{};
                socklen_t peerSize = sizeof peer;
                char text[INET_ADDRSTRLEN] = "";
                if (::getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &peerSize) == 0)
                    ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
                {
                    std::lock_guard lock(mutex);
                    connected = true;
                    remote = text;
                }
                connecting = false;
                Post(forSession, KindConnected);
                continue;
            }
            std::uint8_t buffer[4096];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            if (n <= 0) {
                if (n < 0)
                    Post(forSession, ErrorBase + static_cast<unsigned>(ErrorEvent::Receive), errno);
                Post(forSession, KindDisconnected);
                return;
            }
            std::lock_guard lock(mutex);
            received.insert(received.end(), buffer, buffer + n);
            if (!readPosted) {
                readPosted = true;
                Post(forSession, KindRead);
            }
        }
    }
};

ClientSocket::ClientSocket() : shared_(std::make_shared<Shared>())
{
    shared_->owner = this;
    std::weak_ptr<Shared> weak = shared_;
    shared_->window = AllocateHWnd([weak](TMessage &m) {
        auto shared = weak.lock();
        if (!shared || m.Msg != WM_SOCKET_NOTIFY || !shared->owner)
            return;
        if ((m.WParam >> 8) != shared->session)
            return;  // from a session that was closed since
        shared->owner->Notify(static_cast<unsigned>(m.WParam & 0xFF), static_cast<int>(m.LParam));
    });
}

ClientSocket::~ClientSocket()
{
    shared_->owner = nullptr;
    Stop();
    DeallocateHWnd(shared_->window);
}

bool ClientSocket::Active() const { return shared_->active; }

bool ClientSocket::Connected() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->connected;
}

void ClientSocket::SetActive(bool active)
{
    Shared &s = *shared_;
    if (active == s.active)
        return;
    if (!active) {
        const bool wasConnected = Connected();
        Stop();
        if (wasConnected && OnDisconnect)
            OnDisconnect(*this);
        return;
    }
    const std::uint64_t session = ++s.session;
    s.active = true;
    s.Post(session, KindConnecting);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_);
    int fd = -1;
    if (::inet_pton(AF_INET, address_.c_str(), &to.sin_addr) != 1) {
        s.Post(session, ErrorBase + static_cast<unsigned>(ErrorEvent::Connect), EINVAL);
        return;
    }
    fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        s.Post(session, ErrorBase + static_cast<unsigned>(ErrorEvent::Connect), errno);
        return;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);  // frames are small and go at once
    if (::connect(fd, reinterpret_cast<sockaddr *>(&to), sizeof to) != 0 && errno != EINPROGRESS) {
        const int error = errno;
        ::close(fd);
        s.Post(session, ErrorBase + static_cast<unsigned>(ErrorEvent::Connect), error);
        return;
    }
    {
        std::lock_guard lock(s.mutex);
        s.fd = fd;
    }
    s.stopFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    s.wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    std::shared_ptr<Shared> keep = shared_;
    s.io = std::thread([keep, session] { keep->Run(session); });
}

void ClientSocket::Stop()
{
    Shared &s = *shared_;
    ++s.session;  // whatever the closed session still posts is dropped
    s.active = false;
    if (s.io.joinable()) {
        Signal(s.stopFd);
        s.io.join();
    }
    for (int *fd : {&s.stopFd, &s.wakeFd})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    std::lock_guard lock(s.mutex);
    if (s.fd >= 0)
        ::close(s.fd);
    s.fd = -1;
    s.connected = false;
    s.readPosted = false;
    s.received.clear();
    s.remote.clear();
}

void ClientSocket::Notify(unsigned kind, int code)
{
    Shared &s = *shared_;
    switch (kind) {
    case KindConnecting:
        if (OnConnecting)
            OnConnecting(*this);
        return;
    case KindConnected:
        if (OnConnect)
            OnConnect(*this);
        return;
    case KindRead: {
        {
            std::lock_guard lock(s.mutex);
            s.readPosted = false;
        }
        const std::uint64_t session = s.session;
        if (OnRead)
            OnRead(*this);
        // Bytes left over call for another read, as long as this session still runs.
        std::lock_guard lock(s.mutex);
        if (session == s.session && !s.received.empty() && !s.readPosted) {
            s.readPosted = true;
            s.Post(session, KindRead);
        }
        return;
    }
    case KindDisconnected:
        SetActive(false);
        return;
    default:
        break;
    }
    if (kind < ErrorBase)
        return;
    const auto event = static_cast<ErrorEvent>(kind - ErrorBase);
    if (event == ErrorEvent::Connect || event == ErrorEvent::Receive || event == ErrorEvent::General)
        Stop();  // the connection is over; a receive error is followed by no disconnect notification
    int errorCode = code;
    if (OnError)
        OnError(*this, event, errorCode);
    if (errorCode != 0)
        throw ESocketError(QString("Socket error %1: %2").arg(errorCode).arg(QString::fromLocal8Bit(std::strerror(errorCode))));
}

int ClientSocket::SendBuf(const void *bytes, int count)
{
    Shared &s = *shared_;
    std::lock_guard lock(s.mutex);
    if (!s.connected || count < 0)
        return -1;
    const ssize_t n = ::send(s.fd, bytes, static_cast<std::size_t>(count), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            s.Post(s.session.load(), ErrorBase + static_cast<unsigned>(ErrorEvent::Send), errno);
        return -1;
    }
    return static_cast<int>(n);
}

int ClientSocket::ReceiveLength() const
{
    std::lock_guard lock(shared_->mutex);
    return static_cast<int>(shared_->received.size());
}

int ClientSocket::ReceiveBuf(void *buffer, int size)
{
    Shared &s = *shared_;
    if (size <= 0)
        return 0;
    std::lock_guard lock(s.mutex);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), s.received.size());
    std::memcpy(buffer, s.received.data(), n);
    const bool wasFull = s.received.size() >= ReceiveCap;
    s.received.erase(s.received.begin(), s.received.begin() + static_cast<std::ptrdiff_t>(n));
    if (wasFull && s.received.size() < ReceiveCap && s.wakeFd >= 0)
        Signal(s.wakeFd);
    return static_cast<int>(n);
}

std::string ClientSocket::RemoteAddress() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->remote;
}

}  // namespace net
