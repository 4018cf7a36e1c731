// The simulator's core: frames in, processor, faults, replies out, and the frame log. The
// descriptors and the I/O thread are in SimulatorIo.cpp.

#include "devsim/Simulator.h"

#include "devsim/SimTrace.h"
#include "devsim/StateFile.h"
#include "device/DeviceFrame.h"

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace devsim {

namespace {

constexpr std::uint8_t kBroadcastAddress = 255;

std::string KindName(int kind)
{
    static const char *const kNames[] = {"tcp", "pty", "mem", "usb"};
    return kNames[kind];
}

}  // namespace

void Simulator::Inbox::Push(const Bytes &chunk)
{
    std::lock_guard<std::mutex> lock(mutex);
    chunks.push_back(chunk);
    changed.notify_all();
}

void Simulator::Inbox::MarkDropped()
{
    std::lock_guard<std::mutex> lock(mutex);
    dropped = true;
    changed.notify_all();
}

Simulator::Simulator(std::uint32_t seed) : rng_(seed)
{
    processor_.Levels() = LevelGenerator(seed);
    OpenWakeFd();
}

Simulator::~Simulator()
{
    Stop();
    DetachHid();
    CloseAll();
}

int Simulator::AddConnection(Kind kind, int fd, std::shared_ptr<Inbox> inbox)
{
    Connection c;
    c.id = nextId_++;
    c.kind = kind;
    c.fd = fd;
    c.inbox = std::move(inbox);
    const int id = c.id;
    connections_.emplace(id, std::move(c));
    return id;
}

std::string Simulator::LinkName(const Connection &c)
{
    return KindName(static_cast<int>(c.kind)) + " " + std::to_string(c.id);
}

void Simulator::Receive(int link, std::span<const std::uint8_t> bytes)
{
    Lines trace;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = connections_.find(link);
        if (it == connections_.end() || it->second.dropped)
            return;
        Connection &c = it->second;
        const std::size_t logged = log_.size();
        const auto onFrame = [&](const BSTM &frame) {
            if (!c.dropped)
                HandleFrame(c, frame, trace);
        };
        for (std::uint8_t b : bytes)
            c.assembler.Add(b, FrameAssembler::FramedMode, onFrame);
        Flush(c, Clock::now(), trace);
        if (log_.size() != logged)
            logChanged_.notify_all();
    }
    Emit(trace);
    Wake();  // the I/O thread may have new replies to time
}

void Simulator::HandleFrame(Connection &c, const Bytes &frame, Lines &trace)
{
    const std::optional<DeviceFrame> parsed = ParseDeviceFrame(frame);
    if (!parsed)
        return;  // the assembler only passes whole frames; nothing else reaches here
    LoggedFrame entry;
    entry.sequence = ++received_;
    entry.link = c.id;
    entry.bytes = frame;
    entry.source = parsed->Source;
    entry.destination = parsed->Destination;
    entry.command = parsed->Command;
    entry.payload.assign(parsed->Payload.begin(), parsed->Payload.end());
    entry.checksumOk = parsed->ChecksumOk;
    log_.push_back(entry);
    const std::size_t index = log_.size() - 1;
    trace.push_back(FrameLine(true, LinkName(c), frame));

    const std::uint64_t counted = received_ - faultBase_;
    const ProcessorState &state = processor_.State();
    const char *ignored = nullptr;
    if (!parsed->ChecksumOk)
        ignored = "checksum wrong, ignored";
    else if (parsed->Destination != state.deviceId && parsed->Destination != kBroadcastAddress)
        ignored = "for another device, ignored";
    else if (faults_.silent || (faults_.silentAfterFrames >= 0 && counted > static_cast<std::uint64_t>(faults_.silentAfterFrames)))
        ignored = "silent, no answer";
    else if (faults_.refused.count(parsed->Command))
        ignored = "refused, no answer";
    if (ignored) {
        trace.push_back("   " + std::string(ignored));
        return;
    }

    const std::optional<Reply> reply = processor_.Handle(parsed->Command, parsed->Payload);
    // Dropping after N frames happens once; a client that connects again is served.
    const bool drop = faults_.dropAfterFrames >= 0 && counted >= static_cast<std::uint64_t>(faults_.dropAfterFrames);
    if (drop)
        faults_.dropAfterFrames = -1;
    if (!reply) {
        if (drop)
            Queue(c, {}, true);
        return;
    }
    const std::uint8_t source = faults_.wrongSource >= 0 ? static_cast<std::uint8_t>(faults_.wrongSource) : state.deviceId;
    Bytes out = BuildDeviceFrame(source, parsed->Source, reply->command, reply->payload);
    trace.push_back(FrameLine(false, LinkName(c), out));
    if (faults_.badChecksum)
        out.back() ^= 0xFF;
    if (faults_.garbageBytes > 0) {
        // Stray bytes, never 0x10, so that they cannot pass for the start of a frame.
        std::uniform_int_distribution<int> byte(0, 254);
        Bytes garbage(static_cast<std::size_t>(faults_.garbageBytes));
        for (std::uint8_t &b : garbage) {
            const int v = byte(rng_);
            b = static_cast<std::uint8_t>(v >= FrameDle ? v + 1 : v);
        }
        out.insert(out.begin(), garbage.begin(), garbage.end());
    }
    log_[index].answered = true;
    Queue(c, std::move(out), drop);
}

void Simulator::Queue(Connection &c, Bytes bytes, bool dropAfter)
{
    int delay = faults_.delayMs;
    if (faults_.delayMaxMs > faults_.delayMs)
        delay = std::uniform_int_distribution<int>(faults_.delayMs, faults_.delayMaxMs)(rng_);
    const Clock::time_point now = Clock::now();
    if (faults_.mergeFrames > 1 && !bytes.empty()) {
        if (c.heldFrames == 0)
            c.heldSince = now;
        c.held.insert(c.held.end(), bytes.begin(), bytes.end());
        if (++c.heldFrames < faults_.mergeFrames && !dropAfter)
            return;
        bytes = std::move(c.held);
        c.held.clear();
        c.heldFrames = 0;
    }
    Schedule(c, std::move(bytes), now + std::chrono::milliseconds(delay), dropAfter);
}

void Simulator::Schedule(Connection &c, Bytes bytes, Clock::time_point due, bool dropAfter)
{
    // Replies keep their order whatever their delays.
    if (!c.queue.empty())
        due = std::max(due, c.queue.back().due);
    const std::size_t piece = faults_.splitBytes > 0 ? static_cast<std::size_t>(faults_.splitBytes) : bytes.size();
    if (bytes.size() <= piece) {
        c.queue.push_back(Chunk{due, std::move(bytes), dropAfter});
        return;
    }
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const std::size_t end = std::min(bytes.size(), at + piece);
        const bool last = end == bytes.size();
        c.queue.push_back(Chunk{due, Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(end)),
                                last && dropAfter});
        due += std::chrono::milliseconds(faults_.splitGapMs);
    }
}

void Simulator::Flush(Connection &c, Clock::time_point now, Lines &trace)
{
    if (c.heldFrames > 0 && now - c.heldSince >= std::chrono::milliseconds(faults_.mergeHoldMs)) {
        Schedule(c, std::move(c.held), now, false);
        c.held.clear();
        c.heldFrames = 0;
    }
    while (!c.dropped && c.unsent.empty() && !c.queue.empty() && c.queue.front().due <= now) {
        Chunk chunk = std::move(c.queue.front());
        c.queue.pop_front();
        if (!chunk.bytes.empty())
            Deliver(c, chunk.bytes);
        if (!chunk.dropAfter)
            continue;
        // Drop once the last reply has left: written whole and, on the terminal, read by the
        // client (closing a terminal discards what it still holds; the kernel passes written
        // bytes on to the reading side a moment later, hence the short grace), or after a second.
        if (c.dropBy == Clock::time_point{}) {
            c.dropBy = now + std::chrono::seconds(1);
            c.dropGrace = now + (c.kind == Kind::Pty ? std::chrono::milliseconds(20) : std::chrono::milliseconds(0));
        }
        if ((c.unsent.empty() && !HasUnreadOutput(c) && now >= c.dropGrace) || now >= c.dropBy)
            Drop(c, trace);
        else
            c.queue.push_front(Chunk{now + std::chrono::milliseconds(2), {}, true});
    }
}

std::optional<Simulator::Clock::time_point> Simulator::NextDue(const Connection &c) const
{
    std::optional<Clock::time_point> next;
    if (c.unsent.empty() && !c.queue.empty())
        next = c.queue.front().due;
    if (c.heldFrames > 0) {
        const Clock::time_point held = c.heldSince + std::chrono::milliseconds(faults_.mergeHoldMs);
        next = next ? std::min(*next, held) : held;
    }
    return next;
}

void Simulator::Deliver(Connection &c, const Bytes &bytes)
{
    if (c.inbox) {
        c.inbox->Push(bytes);
        return;
    }
    if (c.hidDevice) {
        DeliverHid(c, bytes);
        return;
    }
    if (c.fd < 0)
        return;
    const ssize_t n = c.kind == Kind::Tcp ? ::send(c.fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                          : ::write(c.fd, bytes.data(), bytes.size());
    const std::size_t written = n > 0 ? static_cast<std::size_t>(n) : 0;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
        return;  // the peer is gone; the read side notices and closes the link
    c.unsent.assign(bytes.begin() + static_cast<std::ptrdiff_t>(written), bytes.end());
}

void Simulator::Drop(Connection &c, Lines &trace)
{
    c.dropped = true;
    c.queue.clear();
    c.unsent.clear();
    trace.push_back("-- [" + LinkName(c) + "] link dropped");
    if (c.inbox)
        c.inbox->MarkDropped();
    CloseLinkFd(c);
    if (c.kind == Kind::Pty)
        ReopenPty(trace);
    if (c.kind == Kind::Hid)
        ReplugHid(c, trace);
}

void Simulator::Emit(const Lines &lines)
{
    if (lines.empty())
        return;
    std::function<void(const std::string &)> sink;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        sink = trace_;
    }
    if (sink)
        for (const std::string &line : lines)
            sink(line);
}

void Simulator::SetTrace(std::function<void(const std::string &)> sink)
{
    std::lock_guard<std::mutex> lock(mutex_);
    trace_ = std::move(sink);
}

void Simulator::SetFaults(const FaultSettings &faults)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        faults_ = faults;
        faultBase_ = received_;
    }
    Wake();
}

FaultSettings Simulator::Faults() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return faults_;
}

std::vector<LoggedFrame> Simulator::FrameLog() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return log_;
}

void Simulator::ClearFrameLog()
{
    std::lock_guard<std::mutex> lock(mutex_);
    log_.clear();
}

bool Simulator::WaitForFrames(std::size_t count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return logChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return log_.size() >= count; });
}

bool Simulator::SaveState(const std::string &path, std::string *error) const
{
    ProcessorState state;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        state = processor_.State();
    }
    return SaveStateFile(path, state, error);
}

bool Simulator::LoadState(const std::string &path, std::string *error)
{
    ProcessorState state;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        state = processor_.State();
    }
    if (!LoadStateFile(path, state, error))
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    processor_.State() = state;
    return true;
}

std::unique_ptr<InProcessLink> Simulator::ConnectInProcess()
{
    auto inbox = std::make_shared<Inbox>();
    std::lock_guard<std::mutex> lock(mutex_);
    const int id = AddConnection(Kind::InProcess, -1, inbox);
    return std::unique_ptr<InProcessLink>(new InProcessLink(this, id, std::move(inbox)));
}

void Simulator::RemoveConnection(int id)
{
    std::lock_guard<std::mutex> lock(mutex_);
    connections_.erase(id);
}

InProcessLink::InProcessLink(Simulator *sim, int id, std::shared_ptr<Simulator::Inbox> inbox)
    : sim_(sim), id_(id), inbox_(std::move(inbox))
{
}

InProcessLink::~InProcessLink()
{
    sim_->RemoveConnection(id_);
}

void InProcessLink::Write(std::span<const std::uint8_t> bytes)
{
    sim_->Receive(id_, bytes);
}

std::optional<Bytes> InProcessLink::Read(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(inbox_->mutex);
    inbox_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return !inbox_->chunks.empty() || inbox_->dropped; });
    if (inbox_->chunks.empty())
        return std::nullopt;
    Bytes chunk = std::move(inbox_->chunks.front());
    inbox_->chunks.pop_front();
    return chunk;
}

Bytes InProcessLink::ReadAll()
{
    std::lock_guard<std::mutex> lock(inbox_->mutex);
    Bytes all;
    for (const Bytes &chunk : inbox_->chunks)
        all.insert(all.end(), chunk.begin(), chunk.end());
    inbox_->chunks.clear();
    return all;
}

bool InProcessLink::Dropped() const
{
    std::lock_guard<std::mutex> lock(inbox_->mutex);
    return inbox_->dropped;
}

}  // namespace devsim
