#pragma once
// The wire unit of the device protocol, the same on USB, serial and network:
//
//   10 02 SRC DST LEN CMD payload... 10 03 CHK
//
// LEN = payload size + 1, CHK = XOR of every byte before it. There is no byte stuffing: a 0x10
// inside the payload travels as it is, and a receiver finds the end of a frame from LEN alone.
// These helpers serve both ends of the link: the editor (source 0, destination = device ID) and a
// processor-side simulator (source = its ID).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Byte vector of every frame, payload and reply.
using BSTM = std::vector<std::uint8_t>;

inline constexpr std::uint8_t FrameDle = 0x10;
inline constexpr std::uint8_t FrameStx = 0x02;
inline constexpr std::uint8_t FrameEtx = 0x03;
// Bytes around the payload: 10 02 SRC DST LEN CMD ... 10 03 CHK.
inline constexpr std::size_t FrameOverhead = 9;
// Largest payload whose LEN still fits its byte.
inline constexpr std::size_t MaxFramePayload = 254;

// Size of a whole frame whose byte 4 is `len` (LEN counts the command byte).
constexpr std::size_t DeviceFrameSize(std::uint8_t len) { return std::size_t{len} + FrameOverhead - 1; }

// XOR of the given bytes.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> bytes);

// Frames a command. The payload is taken as it is; LEN is kept in one byte.
BSTM BuildDeviceFrame(std::uint8_t source, std::uint8_t destination, std::uint8_t command,
                      std::span<const std::uint8_t> payload);

// A received frame whose envelope and length agree; the payload points into the parsed bytes.
struct DeviceFrame {
    std::uint8_t Source = 0;       // byte 2: 0 in requests, the device ID in replies
    std::uint8_t Destination = 0;  // byte 3
    std::uint8_t Command = 0;      // byte 5
    std::span<const std::uint8_t> Payload;
    bool ChecksumOk = false;  // receivers accept a wrong checksum; this only says whether it was
};

// Accepts exactly one whole frame: starts 10 02, LEN at least 1, size LEN + 8, 10 03 before the
// checksum byte. Anything else (short, cut, padded, garbage in front) gives no frame. Never reads
// outside `bytes`.
std::optional<DeviceFrame> ParseDeviceFrame(std::span<const std::uint8_t> bytes);
