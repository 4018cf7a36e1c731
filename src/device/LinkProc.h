#pragma once
// The send queue, frame assembly and idle poll that LUsbProc, LNetProc and LCommProc add to their
// transport (`Link` is LUsb, LNet or LComm).
//
// One frame is in flight at a time; frames given meanwhile wait in the SendQueue. Received bytes
// are assembled into frames (FrameAssembler); each complete frame is handed to the owner window
// with WM_DEVICE_FRAME, which waits until the window has handled it (so whatever the window sends
// in reply is queued), and then, when the frame was the answer to the one in flight (it came from
// the processor asked), the next queued frame goes out. When nothing has been given for
// PollInterval ms and the link is idle, the transport sends the idle poll (command 18).
// A frame that finds the queue full is reported as LINK_ERR_TIMEOUT (the link is broken), never
// dropped unnoticed. Close leaves the transport as new: it can be opened again.
//
// The link describes itself with:
//   InitialFramed     receive mode at construction (USB, network: blocks until the first framed send)
//   PollWaitTimeout   the reply wait the idle poll sets
//   LogsReceivedFrames  whether completed frames are logged ("COM R ")

#include "device/DeviceHost.h"
#include "device/FrameAssembler.h"
#include "device/LCmd.h"
#include "device/LinkTransport.h"
#include "device/SendQueue.h"
#include "device/TransportMessages.h"
#include "device/WindowSink.h"
#include "platform/os/Clock.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <utility>

template <class Link>
class LinkProc : public Link {
public:
    static constexpr int DefaultPollInterval = 2000;

    // The transport of the main window: its messages go to `owner` (GUI thread).
    LinkProc(HWND owner, DeviceHost &host) : LinkProc(std::make_unique<WindowSink>(owner, host), host) {}
    // The same with another owner-side link (tests).
    LinkProc(std::unique_ptr<TransportSink> sink, DeviceHost &host)
        : Link(std::move(sink), host), DeviceId(host.GetDeviceId())
    {
    }
    // The concrete transport's destructor calls Shutdown first.
    ~LinkProc() override = default;

    // Creates the poll timer, then opens the link with the same arguments. A second Open while
    // the worker runs is refused and leaves the running poll timer alone.
    template <class... Args>
    bool Open(Args &&...args)
    {
        if (this->IsOpen() || this->WorkerStarted())
            return false;
        this->Sink().StartPollTimer(PollInterval, [this] { OnPollTimer(); });
        return Link::Open(std::forward<Args>(args)...);
    }

    // Drops the poll timer and every queued frame (none of them is sent), then stops the link.
    // Once the worker has ended, the send side is idle again and takes frames after the next Open.
    void Close() override
    {
        this->Sink().StopPollTimer();
        {
            os::CriticalSectionLock lock(this->Lock);
            queue_.Clear();
        }
        Link::Close();
        if (this->WorkerStarted())
            return;  // the worker outlived the stop wait; it still owns the assembly
        assembler_.Clear();
        os::CriticalSectionLock lock(this->Lock);
        queue_.Reset();
    }

    // The entry point of the main window's SendCommand: switches reception to frames and gives the
    // frame to the queue (rules in SendQueue).
    void SendFrame(const BSTM &frame, bool keepDuplicates) { Give(frame, keepDuplicates, true); }
    void Send(const std::uint8_t *bytes, int count) override
    {
        if (bytes && count > 0)
            Give(BSTM(bytes, bytes + count), false, false);
    }
    void Send(const BSTM &bytes) override { Give(bytes, false, false); }

    void OnByte(std::uint8_t byte) override
    {
        assembler_.Add(byte, Framed.load(), [this](const BSTM &frame) { FrameComplete(frame); });
    }

    void SetTimeout(std::uint32_t ms) override { Link::SetTimeout(ms); }
    void SetPollPaused(std::uint8_t paused) { PollPaused = paused; }
    void SetDeviceId(std::uint32_t id) { DeviceId = static_cast<int>(id); }

    // The poll timer's tick, on the GUI thread.
    void OnPollTimer()
    {
        {
            os::CriticalSectionLock lock(this->Lock);
            if (queue_.Busy() || queue_.Size() != 0)
                return;
        }
        if (PollPaused != 0)
            return;
        Link::SetTimeout(Link::PollWaitTimeout);
        SendFrame(LCmd(static_cast<std::uint8_t>(DeviceId), CMD_POLL).ToBytes(1), false);
    }

    // For tests and the monitor: the state of the send side.
    bool Busy()
    {
        os::CriticalSectionLock lock(this->Lock);
        return queue_.Busy();
    }
    std::deque<BSTM> QueuedFrames()
    {
        os::CriticalSectionLock lock(this->Lock);
        return queue_.Frames();
    }

protected:
    void FrameGivenUp() override { queue_.Failed(); }

private:
    void Give(const BSTM &frame, bool keepDuplicates, bool framed)
    {
        if (!this->IsOpen() || frame.empty() || frame.size() > this->TxCapacity())
            return;
        if (framed)
            Framed = FrameAssembler::FramedMode;
        this->Sink().RestartPollTimer();
        SendQueue::Given given;
        std::uint8_t stalled = 0;
        {
            os::CriticalSectionLock lock(this->Lock);
            given = queue_.Give(frame, keepDuplicates);
            if (given == SendQueue::Given::SendNow)
                NoteSendTime();
            else if (given == SendQueue::Given::Overflow)
                stalled = this->PendingAddress();
        }
        // A full queue means the frame in flight has stalled the link for long: report it as
        // broken, the way an unanswered frame is, rather than lose this frame unnoticed.
        if (given == SendQueue::Given::Overflow)
            this->OnError(LINK_ERR_TIMEOUT, stalled);
        if (given != SendQueue::Given::SendNow)
            return;
        // Nothing else can start a frame now: the queue was idle and is busy with this one.
        Link::Send(frame);
    }

    // On the worker, for each complete frame. A frame from another processor is delivered too
    // (the owner decides what it means), but the frame in flight goes on waiting for its answer.
    // A 64-byte block, before the first framed send, counts as an answer.
    void FrameComplete(const BSTM &frame)
    {
        const std::uint32_t ms = RoundTripMs();
        if constexpr (Link::LogsReceivedFrames)
            this->Sink().Log(TrafficLine::ComRead, frame.data(), static_cast<int>(frame.size()));
        const bool answer = Framed.load() != FrameAssembler::FramedMode || this->IsAnswer(frame);
        if (answer)
            this->FrameAnswered();
        if (!this->Sink().Deliver(WM_DEVICE_FRAME, frame, ms))
            return;  // the transport is closing: start nothing
        if (answer)
            SendNext();
    }

    // After the owner has handled a frame: the next queued frame, or idle.
    void SendNext()
    {
        std::optional<BSTM> next;
        {
            os::CriticalSectionLock lock(this->Lock);
            next = queue_.Next();
            if (!next)
                return;
            NoteSendTime();
        }
        this->SendOnWorker(*next);
    }

    // Under Lock.
    void NoteSendTime()
    {
        SendTime = os::PerformanceCounter();
        CounterFrequency = os::PerformanceFrequency();
    }

    std::uint32_t RoundTripMs()
    {
        std::int64_t sent, frequency;
        {
            os::CriticalSectionLock lock(this->Lock);
            sent = SendTime;
            frequency = CounterFrequency;
        }
        return RoundTrip(os::PerformanceCounter() - sent, frequency);
    }

public:
    // Counter ticks to milliseconds, truncated; 2^32 - 1 or more reads 0xFFFFFFFF.
    static std::uint32_t RoundTrip(std::int64_t elapsed, std::int64_t frequency)
    {
        if (frequency <= 0 || elapsed <= 0)
            return 0;
        // Whole seconds and the rest apart, so that the product cannot overflow.
        const std::int64_t ms = elapsed / frequency * 1000 + elapsed % frequency * 1000 / frequency;
        return ms >= 0xFFFFFFFFll ? 0xFFFFFFFFu : static_cast<std::uint32_t>(ms);
    }

private:
    std::atomic<std::uint8_t> Framed{Link::InitialFramed};
    std::uint8_t PollPaused = 0;  // GUI thread only
    int DeviceId;                 // GUI thread only
    int PollInterval = DefaultPollInterval;
    FrameAssembler assembler_;  // worker only
    SendQueue queue_;           // guarded by Lock
    std::int64_t SendTime = 0;  // guarded by Lock
    std::int64_t CounterFrequency = 0;
};
