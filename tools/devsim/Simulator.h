#pragma once
// A simulated processor on the far side of the wire, for tests and demos. It serves any number of
// links at once, all talking to the one processor state:
//
//   - TCP: ListenTcp("127.0.0.1", 0) then TcpPort() for the port the system chose;
//   - a pseudo-terminal: OpenPty() then PtyPath() (optionally with a symlink to it);
//   - in process: ConnectInProcess() gives a byte pipe for unit tests, no thread needed;
//   - HID: PlugHid(backend) plugs a device like the processor's into the HID test backend; one
//     frame per 64-byte report in each direction.
//
// TCP and pty links, delayed replies and held (merged) replies are served by one I/O thread that
// Start() runs and Stop() ends. In-process links answer at once in the writing thread when no
// delay is set. Every frame received is logged; FrameLog() and WaitForFrames() serve assertions.

#include "devsim/FaultSettings.h"
#include "devsim/Processor.h"
#include "device/FrameAssembler.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace hid {
class TestBackend;
class TestDevice;
}  // namespace hid

namespace devsim {

struct LoggedFrame {
    std::uint64_t sequence = 0;  // 1, 2, ... in order of arrival over all links
    int link = 0;                // the connection it came on
    Bytes bytes;                 // the frame as received
    std::uint8_t source = 0, destination = 0, command = 0;
    Bytes payload;
    bool checksumOk = false;
    bool answered = false;  // a reply was queued for it
};

class InProcessLink;

class Simulator {
public:
    explicit Simulator(std::uint32_t seed = 1);
    ~Simulator();  // stops and closes every link
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // TCP server on an IPv4 address; port 0 lets the system choose (see TcpPort()).
    bool ListenTcp(const std::string &address, std::uint16_t port, std::string *error = nullptr);
    std::uint16_t TcpPort() const;
    // A pseudo-terminal in raw mode; with a non-empty `symlink` a link to its slave is put there
    // (replacing what was there) and removed again when the simulator ends.
    bool OpenPty(const std::string &symlink = {}, std::string *error = nullptr);
    std::string PtyPath() const;
    // A byte pipe in this process; it must not outlive the simulator.
    std::unique_ptr<InProcessLink> ConnectInProcess();
    // Plugs a device with the processor's IDs (vendor 0x0168, product 0x0821) and 64-byte input
    // and output reports into `backend`. Each output report written to it carries one request;
    // each reply goes out as an input report (report ID 0, the frame, zeros). A dropped link is
    // unplugged and a new device plugged in its place; the simulator unplugs it when it ends.
    std::shared_ptr<hid::TestDevice> PlugHid(std::shared_ptr<hid::TestBackend> backend);
    std::shared_ptr<hid::TestDevice> HidDevice() const;  // the device plugged now, or null

    // The I/O thread for TCP, pty, delays and held replies.
    bool Start(std::string *error = nullptr);
    void Stop();  // idempotent; returns when the thread has ended
    bool Running() const;

    // Reads or changes the processor under the simulator's lock (f must not call back into the
    // simulator).
    template <class F> decltype(auto) WithProcessor(F &&f)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(processor_);
    }

    void SetFaults(const FaultSettings &faults);
    FaultSettings Faults() const;

    std::vector<LoggedFrame> FrameLog() const;
    void ClearFrameLog();
    // Waits until the log holds at least `count` frames; false on time-out.
    bool WaitForFrames(std::size_t count, int timeoutMs) const;

    // Receives one readable line per frame in each direction and per notable event (from the
    // thread that handled it; the sink must be thread-safe).
    void SetTrace(std::function<void(const std::string &)> sink);

    bool SaveState(const std::string &path, std::string *error = nullptr) const;
    bool LoadState(const std::string &path, std::string *error = nullptr);

private:
    using Clock = std::chrono::steady_clock;
    struct Chunk {
        Clock::time_point due;
        Bytes bytes;
        bool dropAfter = false;
    };
    enum class Kind { Tcp, Pty, InProcess, Hid };
    // Lets a HID device's output handler reach the simulator for as long as it lives.
    struct HidBridge {
        std::mutex mutex;
        Simulator *sim = nullptr;
        int connection = 0;
    };
    // What an in-process link has been sent and not yet taken.
    struct Inbox {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<Bytes> chunks;
        bool dropped = false;
        void Push(const Bytes &chunk);
        void MarkDropped();
    };
    struct Connection {
        int id = 0;
        Kind kind = Kind::InProcess;
        int fd = -1;
        ::FrameAssembler assembler;
        std::deque<Chunk> queue;
        Bytes unsent;  // the rest of a write the descriptor did not take at once
        Bytes held;    // replies held back to go out together
        int heldFrames = 0;
        Clock::time_point heldSince;
        std::shared_ptr<Inbox> inbox;  // in-process links
        std::shared_ptr<hid::TestDevice> hidDevice;
        Clock::time_point dropBy, dropGrace;  // a drop waiting for the last reply to leave
        bool dropped = false;
    };
    friend class InProcessLink;

    using Lines = std::vector<std::string>;
    // All of these run with mutex_ held.
    void HandleFrame(Connection &c, const Bytes &frame, Lines &trace);
    void Queue(Connection &c, Bytes bytes, bool dropAfter);
    void Schedule(Connection &c, Bytes bytes, Clock::time_point due, bool dropAfter);
    void Flush(Connection &c, Clock::time_point now, Lines &trace);
    std::optional<Clock::time_point> NextDue(const Connection &c) const;
    void Deliver(Connection &c, const Bytes &bytes);
    void Drop(Connection &c, Lines &trace);
    int AddConnection(Kind kind, int fd, std::shared_ptr<Inbox> inbox);
    static std::string LinkName(const Connection &c);
    void CloseLinkFd(Connection &c);
    bool HasUnreadOutput(const Connection &c) const;
    bool OpenPtyLocked(const std::string &symlink, std::string *error);
    void ReopenPty(Lines &trace);
    int PlugHidLocked();
    void ReplugHid(Connection &c, Lines &trace);
    void DeliverHid(Connection &c, const Bytes &bytes);
    void CloseAll();

    // These take mutex_ themselves.
    void Receive(int link, std::span<const std::uint8_t> bytes);  // bytes that arrived on a link
    void RemoveConnection(int id);
    void Emit(const Lines &lines);
    void OpenWakeFd();
    void Wake();
    void Loop();
    void ServeReadable(int connection);
    void ServeWritable(int connection);
    void Accept();
    void ReceiveHidReport(int connection, const std::uint8_t *report, std::size_t size);
    void DetachHid();

    mutable std::mutex mutex_;
    mutable std::condition_variable logChanged_;
    Processor processor_;
    FaultSettings faults_;
    std::uint64_t received_ = 0;    // frames received since start
    std::uint64_t faultBase_ = 0;   // received_ when the faults were set
    std::vector<LoggedFrame> log_;
    std::mt19937 rng_;
    std::map<int, Connection> connections_;
    int nextId_ = 1;
    int listenFd_ = -1;
    std::uint16_t tcpPort_ = 0;
    int ptyConnection_ = 0;
    int ptySlaveFd_ = -1;  // kept open so the master never sees a hang-up between clients
    std::string ptyPath_, ptySymlink_;
    std::shared_ptr<hid::TestBackend> hidBackend_;
    int hidConnection_ = 0;
    std::vector<std::shared_ptr<HidBridge>> hidBridges_;
    int wakeFd_ = -1;
    bool stopping_ = false;
    std::thread thread_;
    std::function<void(const std::string &)> trace_;
};

// The editor's end of an in-process link.
class InProcessLink {
public:
    ~InProcessLink();
    InProcessLink(const InProcessLink &) = delete;
    InProcessLink &operator=(const InProcessLink &) = delete;

    // Bytes to the processor, handled before Write returns (replies without delay are then
    // waiting to be read).
    void Write(std::span<const std::uint8_t> bytes);
    // The next write of the processor as one piece, as it was written; waits up to `timeoutMs`.
    std::optional<Bytes> Read(int timeoutMs = 0);
    // Everything written so far and not yet read, joined.
    Bytes ReadAll();
    // The processor dropped the link.
    bool Dropped() const;
    int Id() const { return id_; }

private:
    friend class Simulator;
    InProcessLink(Simulator *sim, int id, std::shared_ptr<Simulator::Inbox> inbox);
    Simulator *sim_;
    int id_;
    std::shared_ptr<Simulator::Inbox> inbox_;
};

}  // namespace devsim
