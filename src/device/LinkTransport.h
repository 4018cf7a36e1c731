#pragma once
// What the three transports share (LUsb, LNet, LComm): the worker thread with its events, the
// retry engine, the transmit buffer holding the frame that is written and resent, and the failure
// reports.
//
// The worker waits on its wake-ups (received bytes, a frame to send, stop; the serial port's
// readiness) with the reply wait as time-out. A frame handed to Send is written at once; while it
// awaits its answer each silent time-out may resend it, and when the resends are used up the
// failure is posted to the owner window (RetryEngine). A wait that fails, a write that fails and a
// port that fails are reported too; the worker never ends silently.
//
// A received frame answers the pending frame only when it comes from the processor that was asked:
// its source byte is the pending frame's address byte, or that frame went to every processor
// (address 255). Any other frame is still delivered, but the pending frame keeps waiting: its
// resends and its failure report run as if nothing had come.
//
// Close stops the worker even while it is handing a frame to the GUI thread: the delivery is
// abandoned first, then the worker is joined, and only then is anything it uses closed. What was
// pending or received is forgotten, so the transport can be opened again. A derived class whose
// members the worker uses calls StopWorker in its own destructor.

#include "device/DeviceFrame.h"
#include "device/RetryEngine.h"
#include "device/TransportSink.h"
#include "platform/os/CriticalSection.h"
#include "platform/os/Event.h"
#include "platform/os/WorkerThread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class DeviceHost;

class LinkTransport {
public:
    static constexpr int DefaultWaitTimeout = 800;
    static constexpr unsigned StopWaitMs = 5000;
    // A frame to this address is for every processor: any sender answers it.
    static constexpr std::uint8_t AnyProcessor = 255;

    virtual ~LinkTransport();
    LinkTransport(const LinkTransport &) = delete;
    LinkTransport &operator=(const LinkTransport &) = delete;

    // Stops the worker (reporting LINK_ERR_THREAD_STOP when it takes longer than 5000 ms) and
    // closes the events; the pending frame and unread received bytes are dropped. Any time, open
    // or not.
    virtual void Close();
    // Copies a frame into the transmit buffer and wakes the worker to write it; only while open.
    // A frame that the transmit buffer cannot hold, and an empty one, are dropped.
    virtual void Send(const std::uint8_t *bytes, int count);
    virtual void Send(const BSTM &bytes);
    // Each received byte, on the worker thread. Here: posted as WM_DEVICE_BYTE.
    virtual void OnByte(std::uint8_t byte);
    // Posts WM_DEVICE_ERROR with the code and the detail to the owner window.
    virtual void OnError(std::uint32_t code, std::uint32_t detail);
    // The worker's wait from its next wait on.
    virtual void SetTimeout(std::uint32_t ms);
    void SetRetryCount(std::uint32_t count);
    int GetTimeout() const { return waitTimeout_.load(); }
    // How long a frame written now may go unanswered before the worker gives it up and reports:
    // its whole resend cycle at the present reply wait and counts (RetryEngine). Until then a late
    // answer is still taken. Any thread.
    std::uint64_t ResendCycleMs();
    // True from a successful Open until the worker ends.
    bool IsOpen() const { return isOpen_.load(); }

    std::size_t TxCapacity() const { return txBuffer_.size(); }

protected:
    LinkTransport(std::unique_ptr<TransportSink> sink, DeviceHost &host, RetryRules rules, std::size_t txCapacity);

    // Creates the events and starts the worker; `portFd` (or -1) is waited on with them. False,
    // with nothing left open, when already open or when the thread cannot start.
    bool StartWorker(int portFd = -1);
    // Stops and joins the worker however long it takes; for destructors.
    void StopWorker();
    // What the destructor of every concrete transport does first, while the object is still
    // whole: Close (the most derived one) when the worker runs and no Close has stopped it yet,
    // then StopWorker. Later destructors find nothing left running that could call into a part
    // already gone.
    void Shutdown()
    {
        if (worker_.Started() && !stopping_.load())
            Close();
        StopWorker();
    }
    bool WorkerStarted() const { return worker_.Started(); }

    // On the worker (the next frame after a completed one): copies the frame in and writes it
    // at once, before any more received bytes are looked at, so that no answer already waiting
    // can be taken for this frame's before it went out.
    void SendOnWorker(const BSTM &frame);
    // A frame was copied into the transmit buffer (serial: its "COM W" line).
    virtual void FrameCopied(const std::uint8_t * /*bytes*/, int /*count*/) {}
    // Received bytes handed in from another thread (USB reports, socket reads): appended to the
    // worker's queue, never overwriting what it has not taken yet.
    void HandOver(const std::uint8_t *bytes, int count);

    // The physical write on the worker thread; false when it failed.
    virtual bool PhysicalWrite(const std::uint8_t *bytes, int count) = 0;
    // Serial: the port is readable; reads what it holds. False when it failed (the worker
    // reports and ends).
    virtual bool ReadPending() { return true; }
    // Under Lock: the worker gave the pending frame up (reported, or its write failed).
    virtual void FrameGivenUp() {}
    // Closes what the worker used, after it has been joined.
    virtual void CloseHandles();
    // The worker's wait on its wake-ups (os::WaitAny).
    virtual os::WaitResult Wait(std::span<os::AutoResetEvent *const> events, std::span<const int> fds, int timeoutMs);

    // Worker thread: whether a complete received frame answers the pending frame (see above).
    bool IsAnswer(const BSTM &frame);
    // The answer to the pending frame arrived: no more resends or reports for it.
    void FrameAnswered();
    // Detail of a report: a byte of the pending frame (0 when it is shorter). Under Lock.
    std::uint8_t TxByte(std::size_t index) const;
    // Under Lock: the address byte of the pending frame.
    std::uint8_t PendingAddress() const;
    bool Stopping() const { return stopping_.load(); }

    TransportSink &Sink() { return *sink_; }
    DeviceHost &Host;
    // Guards the transmit buffer, the received bytes, the retry engine and the subclasses' send
    // state. Never held while a frame is delivered or a line logged.
    os::CriticalSection Lock;
    RetryEngine Retry;

private:
    enum class Wake { Receive, Send, Stop, Port };

    static void ThreadProc(void *self);
    void Run();
    void ProcessReceived();
    void WriteGiven();
    void OnWaitTimeout();
    // Writes a copy of the pending frame; gives it up when the write fails.
    void Write(const BSTM &frame, std::uint64_t generation);
    void GiveUp(std::uint64_t generation);
    // Copies a frame into the transmit buffer; false (and nothing changed) when it is dropped.
    bool CopyIn(const std::uint8_t *bytes, int count);
    // Ends the worker with a report (unless it is being stopped anyway).
    void EndWithReport(std::uint32_t code, std::size_t detailIndex);

    std::unique_ptr<TransportSink> sink_;
    os::WorkerThread worker_;
    std::unique_ptr<os::AutoResetEvent> receiveEvent_, sendEvent_, stopEvent_;
    int portFd_ = -1;
    std::atomic<bool> isOpen_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<int> waitTimeout_{DefaultWaitTimeout};

    // Guarded by Lock.
    std::vector<std::uint8_t> txBuffer_;
    int txLength_ = 0;
    std::uint64_t txGeneration_ = 0;  // counts the frames handed to Send
    std::vector<std::uint8_t> received_;
};
