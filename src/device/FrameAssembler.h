#pragma once
// Collects received bytes into frames for the transports.
//
// Framed mode finds DeviceFrames: a frame starts with the adjacent bytes 10 02 and is complete at
// LEN + 8 bytes. A length byte of 0 can never make a valid frame, and a frame whose bytes before
// the checksum are not 10 03 was damaged on the way; either way the bytes after the false start
// are searched again for 10 02, so a lost byte costs one frame and never the next. Nothing grows
// past the largest frame (LEN 255 + 8). The checksum is not checked here.
// Block mode hands on every 64 bytes as they came (what a USB or network link delivers before its
// first framed send).

#include "device/DeviceFrame.h"

#include <cstdint>
#include <functional>

class FrameAssembler {
public:
    // The transports' `Framed` values; any other value ignores the bytes.
    static constexpr std::uint8_t BlockMode = 0;
    static constexpr std::uint8_t FramedMode = 1;
    static constexpr std::size_t BlockSize = 64;
    static constexpr std::size_t MaxFrameSize = DeviceFrameSize(255);

    // Called with each completed frame, which stays valid during the call only.
    using FrameHandler = std::function<void(const BSTM &frame)>;

    // Adds one received byte; completed frames (several, when a false start is searched again) go
    // to `onFrame` in order.
    void Add(std::uint8_t byte, std::uint8_t mode, const FrameHandler &onFrame);
    // The bytes of the frame being assembled.
    const BSTM &Partial() const { return frame_; }
    void Clear() { frame_.clear(); }

private:
    void AddFramed(std::uint8_t byte, const FrameHandler &onFrame);

    BSTM frame_;
};
