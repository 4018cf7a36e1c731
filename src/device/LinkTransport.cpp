#include "device/LinkTransport.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::size_t SourceOffset = 2;
constexpr std::size_t AddressOffset = 3;
constexpr std::size_t CommandOffset = 5;

}  // namespace

LinkTransport::LinkTransport(std::unique_ptr<TransportSink> sink, DeviceHost &host, RetryRules rules,
                             std::size_t txCapacity)
    : Host(host), Retry(rules), sink_(std::move(sink)), txBuffer_(txCapacity, 0)
{
}

LinkTransport::~LinkTransport()
{
    StopWorker();
    CloseHandles();
}

bool LinkTransport::StartWorker(int portFd)
{
    if (isOpen_.load() || worker_.Started())
        return false;
    receiveEvent_ = std::make_unique<os::AutoResetEvent>();
    sendEvent_ = std::make_unique<os::AutoResetEvent>();
    stopEvent_ = std::make_unique<os::AutoResetEvent>();
    portFd_ = portFd;
    if (!receiveEvent_->Valid() || !sendEvent_->Valid() || !stopEvent_->Valid()) {
        CloseHandles();
        return false;
    }
    stopping_ = false;
    sink_->Start();
    isOpen_ = true;
    if (!worker_.Start(&LinkTransport::ThreadProc, this)) {
        isOpen_ = false;
        sink_->Abandon();
        CloseHandles();
        return false;
    }
    return true;
}

void LinkTransport::Close()
{
    if (worker_.Started()) {
        stopping_ = true;
        sink_->Abandon();  // a delivery the worker waits in returns now
        stopEvent_->Set();
        if (!worker_.Join(StopWaitMs)) {
            // The worker still runs; what it uses stays until the destructor has joined it.
            OnError(LINK_ERR_THREAD_STOP, 0);
            return;
        }
        worker_.Release();
    }
    {
        // Nothing of this session may reach the next one: no resend of its frame, no stale bytes.
        os::CriticalSectionLock lock(Lock);
        Retry.FrameDone();
        txBuffer_[0] = 0;
        received_.clear();
    }
    CloseHandles();
}

void LinkTransport::StopWorker()
{
    if (!worker_.Started())
        return;
    stopping_ = true;
    sink_->Abandon();
    if (stopEvent_)
        stopEvent_->Set();
    while (!worker_.Join(StopWaitMs)) {
    }
    worker_.Release();
}

void LinkTransport::CloseHandles()
{
    receiveEvent_.reset();
    sendEvent_.reset();
    stopEvent_.reset();
    portFd_ = -1;
}

void LinkTransport::Send(const std::uint8_t *bytes, int count)
{
    if (!CopyIn(bytes, count))
        return;
    FrameCopied(bytes, count);
    sendEvent_->Set();
}

void LinkTransport::Send(const BSTM &bytes) { LinkTransport::Send(bytes.data(), static_cast<int>(bytes.size())); }

void LinkTransport::SendOnWorker(const BSTM &frame)
{
    if (!CopyIn(frame.data(), static_cast<int>(frame.size())))
        return;
    FrameCopied(frame.data(), static_cast<int>(frame.size()));
    WriteGiven();
}

bool LinkTransport::CopyIn(const std::uint8_t *bytes, int count)
{
    if (!isOpen_.load() || !bytes || count <= 0 || static_cast<std::size_t>(count) > txBuffer_.size())
        return false;
    os::CriticalSectionLock lock(Lock);
    std::copy(bytes, bytes + count, txBuffer_.begin());
    txLength_ = count;
    ++txGeneration_;
    Retry.FrameGiven();
    return true;
}

void LinkTransport::HandOver(const std::uint8_t *bytes, int count)
{
    if (!isOpen_.load() || !bytes || count <= 0)
        return;
    {
        os::CriticalSectionLock lock(Lock);
        received_.insert(received_.end(), bytes, bytes + count);
    }
    receiveEvent_->Set();
}

void LinkTransport::OnByte(std::uint8_t byte) { sink_->Post(WM_DEVICE_BYTE, byte, 0); }

void LinkTransport::OnError(std::uint32_t code, std::uint32_t detail) { sink_->Post(WM_DEVICE_ERROR, code, detail); }

void LinkTransport::SetTimeout(std::uint32_t ms) { waitTimeout_ = static_cast<int>(std::min<std::uint32_t>(ms, INT_MAX)); }

void LinkTransport::SetRetryCount(std::uint32_t count)
{
    os::CriticalSectionLock lock(Lock);
    Retry.RetryLimit = static_cast<int>(std::min<std::uint32_t>(count, INT_MAX));
}

std::uint64_t LinkTransport::ResendCycleMs()
{
    std::int64_t timeouts;
    {
        os::CriticalSectionLock lock(Lock);
        timeouts = Retry.TimeoutsUntilReport();
    }
    return static_cast<std::uint64_t>(timeouts) * static_cast<std::uint64_t>(waitTimeout_.load());
}

void LinkTransport::FrameAnswered()
{
    os::CriticalSectionLock lock(Lock);
    Retry.FrameDone();
}

bool LinkTransport::IsAnswer(const BSTM &frame)
{
    if (frame.size() <= SourceOffset)
        return false;
    os::CriticalSectionLock lock(Lock);
    const std::uint8_t awaited = PendingAddress();
    return awaited == AnyProcessor || frame[SourceOffset] == awaited;
}

std::uint8_t LinkTransport::PendingAddress() const
{
    return TxByte(AddressOffset);
}

std::uint8_t LinkTransport::TxByte(std::size_t index) const
{
    return index < txBuffer_.size() ? txBuffer_[index] : 0;
}

os::WaitResult LinkTransport::Wait(std::span<os::AutoResetEvent *const> events, std::span<const int> fds, int timeoutMs)
{
    return os::WaitAny(events, fds, timeoutMs);
}

void LinkTransport::ThreadProc(void *self) { static_cast<LinkTransport *>(self)->Run(); }

void LinkTransport::Run()
{
    // Received bytes come first, then a frame to send, then stop; the serial port's readiness is
    // waited on beside them.
    const bool hasPort = portFd_ >= 0;
    std::vector<os::AutoResetEvent *> events;
    std::vector<Wake> wakes;
    if (!hasPort) {
        events.push_back(receiveEvent_.get());
        wakes.push_back(Wake::Receive);
    }
    events.push_back(sendEvent_.get());
    wakes.push_back(Wake::Send);
    events.push_back(stopEvent_.get());
    wakes.push_back(Wake::Stop);
    std::vector<int> fds;
    if (hasPort) {
        fds.push_back(portFd_);
        wakes.push_back(Wake::Port);
    }

    for (;;) {
        if (stopping_.load())
            break;
        const os::WaitResult r = Wait(events, fds, waitTimeout_.load());
        if (r.status == os::WaitStatus::Timeout) {
            OnWaitTimeout();
            continue;
        }
        if (r.status != os::WaitStatus::Ready || r.index < 0 || r.index >= static_cast<int>(wakes.size())) {
            EndWithReport(LINK_ERR_WAIT, AddressOffset);
            break;
        }
        const Wake wake = wakes[static_cast<std::size_t>(r.index)];
        if (wake == Wake::Stop)
            break;
        if (wake == Wake::Receive)
            ProcessReceived();
        else if (wake == Wake::Send)
            WriteGiven();
        else if (!ReadPending()) {
            EndWithReport(LINK_ERR_COMM_EVENT, SourceOffset);
            break;
        }
    }
    isOpen_ = false;
}

void LinkTransport::EndWithReport(std::uint32_t code, std::size_t detailIndex)
{
    if (stopping_.load())
        return;
    std::uint8_t detail;
    {
        os::CriticalSectionLock lock(Lock);
        detail = TxByte(detailIndex);
    }
    OnError(code, detail);
}

void LinkTransport::ProcessReceived()
{
    std::vector<std::uint8_t> bytes;
    {
        os::CriticalSectionLock lock(Lock);
        bytes.swap(received_);
    }
    for (std::uint8_t b : bytes) {
        if (stopping_.load())
            return;
        OnByte(b);
    }
}

void LinkTransport::WriteGiven()
{
    BSTM frame;
    std::uint64_t generation;
    {
        os::CriticalSectionLock lock(Lock);
        Retry.FrameWritten();
        frame.assign(txBuffer_.begin(), txBuffer_.begin() + txLength_);
        generation = txGeneration_;
    }
    if (!frame.empty())
        Write(frame, generation);
}

void LinkTransport::OnWaitTimeout()
{
    BSTM frame;
    std::uint64_t generation;
    TimeoutAction action;
    std::uint8_t detail = 0;
    {
        os::CriticalSectionLock lock(Lock);
        action = Retry.OnTimeout(txLength_ > static_cast<int>(CommandOffset) ? txBuffer_[CommandOffset] : 0);
        generation = txGeneration_;
        // A resend writes only a frame that has not been given up (byte 0 cleared); an extra
        // write goes out whatever it holds.
        if (action == TimeoutAction::ExtraWrite || (action == TimeoutAction::Resend && txBuffer_[0] != 0))
            frame.assign(txBuffer_.begin(), txBuffer_.begin() + txLength_);
        if (action == TimeoutAction::Report) {
            txBuffer_[0] = 0;
            detail = TxByte(AddressOffset);
            FrameGivenUp();
        }
    }
    if (!frame.empty())
        Write(frame, generation);
    if (action == TimeoutAction::Report)
        OnError(LINK_ERR_TIMEOUT, detail);
}

void LinkTransport::Write(const BSTM &frame, std::uint64_t generation)
{
    if (!PhysicalWrite(frame.data(), static_cast<int>(frame.size())))
        GiveUp(generation);
}

void LinkTransport::GiveUp(std::uint64_t generation)
{
    std::uint8_t detail;
    {
        os::CriticalSectionLock lock(Lock);
        if (generation != txGeneration_ || !Retry.Awaiting())
            return;  // a newer frame took its place, or it was settled meanwhile
        Retry.FrameDone();
        txBuffer_[0] = 0;
        detail = TxByte(AddressOffset);
        FrameGivenUp();
    }
    OnError(LINK_ERR_TIMEOUT, detail);
}
