#pragma once
// The send side of a transport: one frame in flight, the frames given meanwhile waiting in order.
//
// A live edit (keepDuplicates false) takes the place of a waiting live edit with the same command
// for the same target: the same device address and the same leading payload bytes naming what the
// command acts on (the channel; channel and band for a PEQ band). It may take the place of any such
// frame in the queue, not only the last one, as long as no frame that must not be lost
// (keepDuplicates true) waits between the two: an edit never jumps ahead of a store or a recall.
// Frames for other targets are all kept, and keep-duplicates frames are never replaced. So a fast
// series of edits of a few parameters behind a slow link leaves one frame per parameter, holding
// its latest value.
// The queue holds at most MaxQueued frames; a frame that finds it full is refused as Overflow, and
// the transport reports the link as broken instead of losing it unnoticed. After a failure
// (Failed, or an overflow) it takes no frames until a frame completes or it is reset.
// Not thread-safe: the transport's lock guards it.

#include "device/DeviceFrame.h"

#include <cstddef>
#include <deque>
#include <optional>

class SendQueue {
public:
    static constexpr std::size_t MaxQueued = 1024;

    enum class Given { SendNow, Queued, Replaced, Dropped, Overflow };

    // A frame given to the transport. SendNow: nothing was in flight, the caller sends it and the
    // queue is busy until Next. Dropped: refused after a failure. Overflow: the queue is full; the
    // frame is not kept and the queue refuses frames from now on, as after a failure.
    Given Give(const BSTM &frame, bool keepDuplicates);
    // The frame in flight completed: the next frame to send, or none (the queue is idle again).
    std::optional<BSTM> Next();
    // The link gave up the frame in flight: refuse frames until one completes.
    void Failed() { failed_ = true; }
    // Drops the waiting frames; the busy state stays (a frame is still out).
    void Clear();
    // Back to a new queue: nothing waiting, nothing in flight, no failure (the link was closed).
    void Reset();

    bool Busy() const { return busy_; }
    bool Refusing() const { return failed_; }
    std::size_t Size() const { return queue_.size(); }
    std::deque<BSTM> Frames() const;

    // True when `later` may take the place of the waiting frame `earlier`.
    static bool SameTarget(const BSTM &earlier, const BSTM &later);

private:
    struct Waiting {
        BSTM frame;
        bool replaceable;  // given as a live edit
    };

    std::deque<Waiting> queue_;
    bool busy_ = false;
    bool failed_ = false;
};
