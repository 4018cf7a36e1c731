#include "device/DeviceFrame.h"

#include <algorithm>

std::uint8_t FrameChecksum(std::span<const std::uint8_t> bytes)
{
    std::uint8_t x = 0;
    for (std::uint8_t b : bytes)
        x ^= b;
    return x;
}

BSTM BuildDeviceFrame(std::uint8_t source, std::uint8_t destination, std::uint8_t command,
                      std::span<const std::uint8_t> payload)
{
    BSTM frame(payload.size() + FrameOverhead);
    frame[0] = FrameDle;
    frame[1] = FrameStx;
    frame[2] = source;
    frame[3] = destination;
    frame[4] = static_cast<std::uint8_t>(payload.size() + 1);
    frame[5] = command;
    std::copy(payload.begin(), payload.end(), frame.begin() + 6);
    const std::size_t n = frame.size();
    frame[n - 3] = FrameDle;
    frame[n - 2] = FrameEtx;
    frame[n - 1] = FrameChecksum(std::span(frame).first(n - 1));
    return frame;
}

std::optional<DeviceFrame> ParseDeviceFrame(std::span<const std::uint8_t> bytes)
{
    const std::size_t n = bytes.size();
    // The smallest frame (no payload) is 9 bytes; checking that first keeps byte 4 in range.
    if (n < DeviceFrameSize(1) || bytes[0] != FrameDle || bytes[1] != FrameStx)
        return std::nullopt;
    const std::uint8_t len = bytes[4];
    if (len == 0 || n != DeviceFrameSize(len) || bytes[n - 3] != FrameDle || bytes[n - 2] != FrameEtx)
        return std::nullopt;
    DeviceFrame frame;
    frame.Source = bytes[2];
    frame.Destination = bytes[3];
    frame.Command = bytes[5];
    frame.Payload = bytes.subspan(6, len - 1u);
    frame.ChecksumOk = FrameChecksum(bytes.first(n - 1)) == bytes[n - 1];
    return frame;
}
