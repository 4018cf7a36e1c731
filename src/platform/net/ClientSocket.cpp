#include "platform/net/ClientSocket.h"

#include "platform/runtime/Messages.h"

#include <QSocketNotifier>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

namespace net {

namespace {

// The notification window's one message: wparam = session << 8 | kind, lparam = error code.
constexpr UINT WM_SOCKET_NOTIFY = WM_USER + 1;

enum Kind : unsigned { KindConnecting = 1, KindConnected, KindRead, KindDisconnected, ErrorBase = 16 };

// Received bytes beyond this wait in the socket until the GUI thread has taken some.
constexpr std::size_t ReceiveCap = 64 * 1024;

// A notifier may be dropped from inside its own signal (a handler closes the socket): it is
// switched off at once and deleted when the event loop next runs.
struct LaterDelete {
    void operator()(QSocketNotifier *n) const
    {
        n->setEnabled(false);
        n->deleteLater();
    }
};
using Notifier = std::unique_ptr<QSocketNotifier, LaterDelete>;

}  // namespace

struct ClientSocket::Shared {
    ClientSocket *owner = nullptr;  // null once the socket is gone
    HWND window = nullptr;
    // Changed on the GUI thread; notifications of an older session are dropped.
    std::atomic<std::uint64_t> session{0};
    bool active = false;
    // The socket's readiness, watched by the GUI thread's event loop: writable once while
    // connecting, readable from the connect notification on.
    Notifier writable, readable;
    std::vector<std::uint8_t> received;
    bool readPosted = false;  // a read notification is queued

    std::mutex mutex;  // guards what follows (SendBuf comes from any thread)
    int fd = -1;
    bool connected = false;
    std::string remote;

    void Post(std::uint64_t forSession, unsigned kind, int code = 0)
    {
        ::PostMessage(window, WM_SOCKET_NOTIFY, static_cast<WPARAM>(forSession << 8 | kind), code);
    }
    void PostError(std::uint64_t forSession, ErrorEvent event, int code)
    {
        Post(forSession, ErrorBase + static_cast<unsigned>(event), code);
    }

    // The connection attempt ended: connected, or a connect error.
    void OnWritable(std::uint64_t forSession)
    {
        writable.reset();
        int error = 0;
        socklen_t size = sizeof error;
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
        if (error != 0) {
            PostError(forSession, ErrorEvent::Connect, error);
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
        Post(forSession, KindConnected);
    }

    // Bytes arrived, or the peer closed, or the connection failed. The read notification goes to
    // the owner at once, from the event loop, unless one is already queued.
    void OnReadable(std::uint64_t forSession)
    {
        bool got = false;
        while (received.size() < ReceiveCap) {
            std::uint8_t buffer[4096];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            if (n <= 0) {
                readable.reset();
                if (n < 0)
                    PostError(forSession, ErrorEvent::Receive, errno);
                Post(forSession, KindDisconnected);
                break;
            }
            received.insert(received.end(), buffer, buffer + n);
            got = true;
            // A short read took all that had arrived: the owner hears of it now rather than after
            // one more call that would only say so. Whatever comes later wakes the loop again.
            if (static_cast<std::size_t>(n) < sizeof buffer)
                break;
        }
        if (received.size() >= ReceiveCap && readable)
            readable->setEnabled(false);
        if (!got || readPosted || !owner)
            return;
        try {
            owner->Notify(KindRead, 0);
        }
        catch (...) {
            ReportQueuedMessageException(std::current_exception());
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
    if (::inet_pton(AF_INET, address_.c_str(), &to.sin_addr) != 1) {
        s.PostError(session, ErrorEvent::Connect, EINVAL);
        return;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        s.PostError(session, ErrorEvent::Connect, errno);
        return;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);  // frames are small and go at once
    if (::connect(fd, reinterpret_cast<sockaddr *>(&to), sizeof to) != 0 && errno != EINPROGRESS) {
        const int error = errno;
        ::close(fd);
        s.PostError(session, ErrorEvent::Connect, error);
        return;
    }
    {
        std::lock_guard lock(s.mutex);
        s.fd = fd;
    }
    s.writable.reset(new QSocketNotifier(fd, QSocketNotifier::Write));
    Shared *shared = shared_.get();
    QObject::connect(s.writable.get(), &QSocketNotifier::activated, [shared, session] { shared->OnWritable(session); });
}

void ClientSocket::Stop()
{
    Shared &s = *shared_;
    ++s.session;  // whatever the closed session still posts is dropped
    s.active = false;
    s.writable.reset();
    s.readable.reset();
    s.readPosted = false;
    s.received.clear();
    std::lock_guard lock(s.mutex);
    if (s.fd >= 0)
        ::close(s.fd);
    s.fd = -1;
    s.connected = false;
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
    case KindConnected: {
        // Reads are watched from now on, so that no read notification comes before this one.
        const std::uint64_t session = s.session;
        Shared *shared = shared_.get();
        s.readable.reset(new QSocketNotifier(s.fd, QSocketNotifier::Read));
        QObject::connect(s.readable.get(), &QSocketNotifier::activated,
                         [shared, session] { shared->OnReadable(session); });
        if (OnConnect)
            OnConnect(*this);
        return;
    }
    case KindRead: {
        s.readPosted = false;
        const std::uint64_t session = s.session;
        if (OnRead)
            OnRead(*this);
        // Bytes left over call for another read, as long as this session still runs.
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
            s.PostError(s.session.load(), ErrorEvent::Send, errno);
        return -1;
    }
    return static_cast<int>(n);
}

int ClientSocket::ReceiveLength() const
{
    return static_cast<int>(shared_->received.size());
}

int ClientSocket::ReceiveBuf(void *buffer, int size)
{
    Shared &s = *shared_;
    if (size <= 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), s.received.size());
    std::memcpy(buffer, s.received.data(), n);
    s.received.erase(s.received.begin(), s.received.begin() + static_cast<std::ptrdiff_t>(n));
    if (s.received.size() < ReceiveCap && s.readable)
        s.readable->setEnabled(true);
    return static_cast<int>(n);
}

std::string ClientSocket::RemoteAddress() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->remote;
}

}  // namespace net
