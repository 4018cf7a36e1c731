#pragma once
// Names of the command codes, for the simulator's trace and for naming a command on its command
// line.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace devsim {

// "GAIN" for 52, "CMD_63" for a code without a name.
std::string CommandName(std::uint8_t code);
// A code from its name (with or without the CMD_ prefix, any case) or from a number 0..255.
std::optional<std::uint8_t> ParseCommand(std::string_view text);

}  // namespace devsim
