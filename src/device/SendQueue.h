#pragma once
// The send side of a transport: one frame in flight, the frames given meanwhile waiting in order.
//
// A live edit (keepDuplicates false) may take the place of the frame appended last, when that frame
// was itself a live edit with the same command for the same target: the same device address and
// the same leading payload bytes naming what the command acts on (the channel; channel and band
// for a PEQ band). Frames for other targets are all kept, and frames that must not be lost
// (keepDuplicates true) are never replaced.
// After the link reported a failure it takes no frames until a frame completes (or it is closed),
// and the queue holds at most MaxQueued frames.
// Not thread-safe: the transport's lock guards it.

#include "device/DeviceFrame.h"

#include <cstddef>
#include <deque>
#include <optional>

class SendQueue {
public:
    static constexpr std::size_t MaxQueued = 1024;

    enum class Given { SendNow, Queued, Replaced, Dropped };

    // A frame given to the transport. SendNow: nothing was in flight, the caller sends it and the
    // queue is busy until Next.
    Given Give(const BSTM &frame, bool keepDuplicates);
    // The frame in flight completed: the next frame to send, or none (the queue is idle again).
    std::optional<BSTM> Next();
    // The link gave up the frame in flight: refuse frames until one completes.
    void Failed() { failed_ = true; }
    // Drops the waiting frames (the transport is closing); the busy state stays.
    void Clear();

    bool Busy() const { return busy_; }
    bool Refusing() const { return failed_; }
    std::size_t Size() const { return queue_.size(); }
    const std::deque<BSTM> &Frames() const { return queue_; }

    // True when `later` may take the place of the waiting frame `earlier`.
    static bool SameTarget(const BSTM &earlier, const BSTM &later);

private:
    std::deque<BSTM> queue_;
    bool lastReplaceable_ = false;  // the back of the queue was given as a live edit
    bool busy_ = false;
    bool failed_ = false;
};
