#include "device/SendQueue.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t AddressOffset = 3;
constexpr std::size_t CommandOffset = 5;
constexpr std::size_t PayloadOffset = 6;
constexpr std::size_t TrailerSize = 3;

// Leading payload bytes that name what a command acts on; commands not listed act on one thing
// (test signal, delay unit, poll), so their latest frame is all that counts.
struct TargetBytes {
    std::uint8_t command;
    std::uint8_t count;
};
constexpr TargetBytes Targets[] = {
    {25, 2}, {26, 2},                                  // EEPROM address
    {32, 1}, {33, 1}, {36, 1}, {39, 1}, {40, 1}, {41, 1},  // preset, block or name index
    {37, 2},                                           // download block and preset slot
    {42, 2},                                           // copy: source and destination channel
    {48, 1}, {49, 1}, {50, 1},                         // compressor, low and high pass: channel
    {51, 2},                                           // PEQ: channel and band
    {52, 1}, {53, 1}, {54, 1}, {56, 1}, {58, 1}, {59, 1}, {60, 1}, {61, 1},
};

std::size_t TargetCount(std::uint8_t command)
{
    for (const TargetBytes &t : Targets)
        if (t.command == command)
            return t.count;
    return 0;
}

}  // namespace

bool SendQueue::SameTarget(const BSTM &earlier, const BSTM &later)
{
    if (earlier.size() <= CommandOffset || later.size() <= CommandOffset)
        return false;
    if (earlier[CommandOffset] != later[CommandOffset] || earlier[AddressOffset] != later[AddressOffset])
        return false;
    const std::size_t end = PayloadOffset + TargetCount(later[CommandOffset]);
    // The payload ends before the three trailer bytes; a frame too short to name its target is
    // only the same as an identical frame.
    if (earlier.size() < end + TrailerSize || later.size() < end + TrailerSize)
        return earlier == later;
    return std::equal(earlier.begin() + PayloadOffset, earlier.begin() + end, later.begin() + PayloadOffset);
}

SendQueue::Given SendQueue::Give(const BSTM &frame, bool keepDuplicates)
{
    if (failed_)
        return Given::Dropped;
    if (!busy_) {
        busy_ = true;
        return Given::SendNow;
    }
    if (!keepDuplicates) {
        // From the back towards the front, up to the first frame that must stay where it is.
        for (auto it = queue_.rbegin(); it != queue_.rend() && it->replaceable; ++it) {
            if (SameTarget(it->frame, frame)) {
                it->frame = frame;
                return Given::Replaced;
            }
        }
    }
    if (queue_.size() >= MaxQueued) {
        failed_ = true;
        return Given::Overflow;
    }
    queue_.push_back({frame, !keepDuplicates});
    return Given::Queued;
}

std::optional<BSTM> SendQueue::Next()
{
    failed_ = false;
    if (queue_.empty()) {
        busy_ = false;
        return std::nullopt;
    }
    BSTM front = std::move(queue_.front().frame);
    queue_.pop_front();
    return front;
}

void SendQueue::Clear()
{
    queue_.clear();
}

void SendQueue::Reset()
{
    queue_.clear();
    busy_ = false;
    failed_ = false;
}

std::deque<BSTM> SendQueue::Frames() const
{
    std::deque<BSTM> frames;
    for (const Waiting &w : queue_)
        frames.push_back(w.frame);
    return frames;
}
