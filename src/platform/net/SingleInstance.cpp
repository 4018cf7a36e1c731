#include "platform/net/SingleInstance.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace net {

namespace {

// The one request and its answer, each a line.
constexpr char Request[] = "activate\n";
constexpr char Answer[] = "ok\n";
// A peer that sends more than this without a line end is dropped.
constexpr std::size_t MaxRequest = 64;
// A later copy retries connecting this often while the running one has the lock but no listener.
constexpr int ConnectRetryMs = 20;

std::string SystemError(const std::string &what)
{
    return what + ": " + std::strerror(errno);
}

// A folder only this user may enter, owned by this user and not a link to somewhere else.
bool PrivateFolder(const std::string &path, std::string *error)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (error)
            *error = SystemError(path);
        return false;
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077) != 0) {
        if (error)
            *error = path + ": not a private folder of this user";
        return false;
    }
    return true;
}

bool FillAddress(const std::string &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Sends all of `text` on a blocking or non-blocking socket; false when it could not.
bool SendAll(int fd, const char *text, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, text, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        text += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

// A notifier may be dropped from inside its own signal: switched off at once, deleted later.
void DropNotifier(std::unique_ptr<QSocketNotifier> &notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier.release()->deleteLater();
}

}  // namespace

struct SingleInstance::Peer {
    int fd = -1;
    std::string received;
    std::unique_ptr<QSocketNotifier> readable;
};

SingleInstance::SingleInstance(std::string name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance()
{
    while (!peers_.empty())
        DropPeer(peers_.back().get());
    DropNotifier(listener_);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(socketPath_.c_str());
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);  // releases the lock, after the socket file is gone
}

std::string SingleInstance::Folder(const std::string &name, std::string *error)
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime && *runtime && ::stat(runtime, &st) == 0 && S_ISDIR(st.st_mode))
        return runtime;
    const std::string folder = "/tmp/" + name + "-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = SystemError(folder);
        return {};
    }
    return PrivateFolder(folder, error) ? folder : std::string();
}

SingleInstance::Outcome SingleInstance::Claim(int answerWaitMs)
{
    if (claimed_)
        return lockFd_ >= 0 ? Outcome::First : Outcome::Unguarded;
    claimed_ = true;
    const std::string folder = Folder(name_, &error_);
    if (folder.empty())
        return Outcome::Unguarded;
    const std::string lockPath = folder + "/" + name_ + ".lock";
    socketPath_ = folder + "/" + name_ + ".sock";
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error_ = SystemError(lockPath);
        return Outcome::Unguarded;
    }
    int locked;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool held = errno == EWOULDBLOCK;
        error_ = SystemError(lockPath);
        ::close(fd);
        return held ? AskRunningCopy(answerWaitMs) : Outcome::Unguarded;
    }
    lockFd_ = fd;
    Listen();
    return Outcome::First;
}

// --- The running copy -------------------------------------------------------------------------------

void SingleInstance::Listen()
{
    sockaddr_un address;
    if (!FillAddress(socketPath_, address)) {
        error_ = socketPath_ + ": path too long for a socket";
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error_ = SystemError("socket");
        return;
    }
    // The lock was free: a socket file there is left from a copy that is gone.
    ::unlink(socketPath_.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 4) != 0) {
        error_ = SystemError(socketPath_);
        ::close(fd);
        return;
    }
    listenFd_ = fd;
    listener_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(listener_.get(), &QSocketNotifier::activated, [this] { Accept(); });
}

void SingleInstance::Accept()
{
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return;  // nothing more waiting (or a peer gave up meanwhile)
        }
        ucred credentials{};
        socklen_t length = sizeof credentials;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 || credentials.uid != ::getuid()) {
            ::close(fd);
            continue;
        }
        auto peer = std::make_unique<Peer>();
        peer->fd = fd;
        peer->readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        Peer *p = peer.get();
        QObject::connect(p->readable.get(), &QSocketNotifier::activated, [this, p] { ReadPeer(p); });
        peers_.push_back(std::move(peer));
    }
}

void SingleInstance::ReadPeer(Peer *peer)
{
    char buffer[MaxRequest];
    const ssize_t got = ::recv(peer->fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (got <= 0) {
        DropPeer(peer);
        return;
    }
    peer->received.append(buffer, static_cast<std::size_t>(got));
    const std::size_t end = peer->received.find('\n');
    if (end == std::string::npos) {
        if (peer->received.size() >= MaxRequest)
            DropPeer(peer);
        return;
    }
    const bool asked = peer->received.compare(0, end + 1, Request) == 0;
    if (asked)
        SendAll(peer->fd, Answer, sizeof Answer - 1);
    DropPeer(peer);
    // Last: the handler may run a nested loop that serves other peers meanwhile.
    if (asked && OnActivate)
        OnActivate();
}

void SingleInstance::DropPeer(Peer *peer)
{
    const auto it = std::find_if(peers_.begin(), peers_.end(), [peer](const auto &p) { return p.get() == peer; });
    if (it == peers_.end())
        return;
    DropNotifier(peer->readable);
    ::close(peer->fd);
    peers_.erase(it);
}

// --- A later copy -----------------------------------------------------------------------------------

SingleInstance::Outcome SingleInstance::AskRunningCopy(int answerWaitMs)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(answerWaitMs);
    sockaddr_un address;
    if (!FillAddress(socketPath_, address))
        return Outcome::AlreadyRunning;
    int fd = -1;
    for (;;) {
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return Outcome::AlreadyRunning;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            break;
        ::close(fd);
        fd = -1;
        // The running copy may hold the lock and not listen yet.
        if (Clock::now() >= deadline)
            return Outcome::AlreadyRunning;
        std::this_thread::sleep_for(std::chrono::milliseconds(ConnectRetryMs));
    }
    if (SendAll(fd, Request, sizeof Request - 1)) {
        std::string answer;
        while (answer.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd watch{fd, POLLIN, 0};
            if (left <= 0 || ::poll(&watch, 1, static_cast<int>(left)) <= 0)
                break;
            char buffer[16];
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            answer.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return Outcome::AlreadyRunning;
}

}  // namespace net
