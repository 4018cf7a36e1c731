#include "device/FrameAssembler.h"

namespace {

constexpr std::size_t LenOffset = 4;
constexpr std::size_t HeaderSize = LenOffset + 1;

bool TrailerOk(const BSTM &frame)
{
    const std::size_t n = frame.size();
    return frame[n - 3] == FrameDle && frame[n - 2] == FrameEtx;
}

}  // namespace

void FrameAssembler::Add(std::uint8_t byte, std::uint8_t mode, const FrameHandler &onFrame)
{
    if (mode == FramedMode) {
        AddFramed(byte, onFrame);
    } else if (mode == BlockMode) {
        frame_.push_back(byte);
        if (frame_.size() >= BlockSize) {
            onFrame(frame_);
            frame_.clear();
        }
    }
}

void FrameAssembler::AddFramed(std::uint8_t byte, const FrameHandler &onFrame)
{
    if (frame_.empty()) {
        if (byte == FrameDle)
            frame_.push_back(byte);
        return;
    }
    if (frame_.size() == 1) {
        if (byte == FrameStx)
            frame_.push_back(byte);
        else if (byte != FrameDle)
            frame_.clear();  // a 10 not followed by 02 starts nothing; a second 10 may
        return;
    }
    frame_.push_back(byte);
    const std::size_t n = frame_.size();
    if (n < HeaderSize)
        return;
    const std::uint8_t len = frame_[LenOffset];
    if (len != 0 && n < DeviceFrameSize(len))
        return;
    if (len != 0 && TrailerOk(frame_)) {
        onFrame(frame_);
        frame_.clear();
        return;
    }
    // A false start: search the bytes after its 10 again. Each pass drops at least that byte.
    BSTM rest(frame_.begin() + 1, frame_.end());
    frame_.clear();
    for (std::uint8_t b : rest)
        AddFramed(b, onFrame);
}
