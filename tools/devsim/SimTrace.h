#pragma once
// Readable trace lines of the simulated processor.

#include <cstdint>
#include <span>
#include <string>

namespace devsim {

// "10 02 00 01 01 12 10 03 13".
std::string HexBytes(std::span<const std::uint8_t> bytes);
// "<- [tcp 2] 10 02 ... 13  POLL" for a frame received, "->" for one sent; the command is named
// from byte 5 when the bytes hold one.
std::string FrameLine(bool received, const std::string &link, std::span<const std::uint8_t> frame);

}  // namespace devsim
