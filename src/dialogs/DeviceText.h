#pragma once
// 8-bit text that goes to the processor (passwords, preset and channel names): GBK bytes, limited
// by byte count. A two-byte GBK character is a lead byte 0x81-0xFE followed by a trail byte
// 0x40-0xFE other than 0x7F; every other byte stands alone. A cut falls only between characters,
// so it never leaves half a character behind.

#include <cstddef>
#include <string>
#include <string_view>

// The operation-lock password on the wire.
inline constexpr std::size_t PasswordBytes = 4;
// A preset name, filled up with blanks.
inline constexpr std::size_t PresetNameBytes = 14;
// A channel name, filled up with zero bytes.
inline constexpr std::size_t ChannelNameBytes = 8;

// The longest leading part of `text` that holds whole characters and at most `limit` bytes.
std::string CutToBytes(std::string_view text, std::size_t limit);
// Exactly `size` bytes: the text cut as above, then filled up with `pad`.
std::string FitToBytes(std::string_view text, std::size_t size, char pad = ' ');
