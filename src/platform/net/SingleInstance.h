#pragma once
// One running copy of a program per user: a lock file that the running copy holds (flock, released
// by the system however the process ends) and a Unix-domain socket on a file path beside it,
// through which a later start asks the running copy to come forward. A path in the file system
// (never the abstract namespace, which is private to each network namespace) reaches the running
// copy whatever network namespace either copy runs in.
//
// The folder is $XDG_RUNTIME_DIR when it names a folder, else /tmp/<name>-<uid>, made with mode
// 0700 when missing and used only when it is a real folder of this user that nobody else may enter.
// So only a copy started by the same user counts as running.
//
//   SingleInstance guard("trov316-editor");
//   guard.OnActivate = [] { ...restore, raise and activate the main window... };
//   if (guard.Claim() == SingleInstance::Outcome::AlreadyRunning)
//       ...end at once: the running copy was asked to come forward...
//
// Claim, first copy: takes the lock, replaces a socket file left by a copy that ended without
// removing it (the lock was free, so nobody listens there) and listens; each request that arrives
// fires OnActivate on the GUI thread (the thread whose Qt event loop watches the socket) and is
// answered. A peer of another user is refused. Later copy: connects (retrying while the running
// copy has the lock but does not listen yet), asks, and waits for the answer; it reports
// AlreadyRunning whether or not the answer came within the wait. When the folder or the lock file
// cannot be used the program runs unguarded (Error() says why). The destructor stops listening,
// removes the socket file and releases the lock, in that order.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace net {

class SingleInstance {
public:
    enum class Outcome { First, AlreadyRunning, Unguarded };

    // `name` names the files: <name>.lock and <name>.sock. GUI thread.
    explicit SingleInstance(std::string name);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // The folder the files go into; empty (with the reason in `error`) when none can be used.
    static std::string Folder(const std::string &name, std::string *error = nullptr);

    // Once per object. A later copy waits at most `answerWaitMs` for the running one.
    Outcome Claim(int answerWaitMs = 3000);
    // Why the guard could not be set up (Unguarded), or why the first copy cannot be reached.
    const std::string &Error() const { return error_; }
    // True while this copy listens for later starts.
    bool Listening() const { return listenFd_ >= 0; }
    const std::string &SocketPath() const { return socketPath_; }

    // A later start asked this copy to come forward. GUI thread.
    std::function<void()> OnActivate;

private:
    struct Peer;
    void Listen();
    void Accept();
    void ReadPeer(Peer *peer);
    void DropPeer(Peer *peer);
    Outcome AskRunningCopy(int answerWaitMs);

    std::string name_;
    std::string socketPath_;
    std::string error_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    std::unique_ptr<QSocketNotifier> listener_;
    std::vector<std::unique_ptr<Peer>> peers_;
    bool claimed_ = false;
};

}  // namespace net
