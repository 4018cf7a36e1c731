#include "devsim/CommandNames.h"

#include "device/LCmd.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace devsim {

namespace {

struct NamedCommand {
    std::uint8_t code;
    std::string_view name;
};

constexpr NamedCommand kNames[] = {
    {CMD_ACK, "ACK"},
    {CMD_MCU_RESET, "MCU_RESET"},
    {CMD_HANDSHAKE, "HANDSHAKE"},
    {CMD_DISCONNECT, "DISCONNECT"},
    {CMD_POLL, "POLL"},
    {CMD_IDENTITY, "IDENTITY"},
    {CMD_CURRENT_PRESET, "CURRENT_PRESET"},
    {CMD_DELAYUNIT, "DELAYUNIT"},
    {CMD_READ_EEPROM, "READ_EEPROM"},
    {CMD_WRITE_EEPROM, "WRITE_EEPROM"},
    {CMD_RECALL_PRESET, "RECALL_PRESET"},
    {CMD_STORE_PRESET, "STORE_PRESET"},
    {CMD_SYSTEM_PARAMS, "SYSTEM_PARAMS"},
    {CMD_FACTORY_RESET, "FACTORY_RESET"},
    {CMD_SELECT_PRESET, "SELECT_PRESET"},
    {CMD_DOWNLOAD, "DOWNLOAD"},
    {CMD_PRESETNAME, "PRESETNAME"},
    {CMD_READ_PROGRAM_BLOCK, "READ_PROGRAM_BLOCK"},
    {CMD_READ_PRESET_BLOCK, "READ_PRESET_BLOCK"},
    {CMD_READ_PRESET_NAME, "READ_PRESET_NAME"},
    {CMD_COPY_CHANNEL, "COPY_CHANNEL"},
    {CMD_LOCK_STATUS, "LOCK_STATUS"},
    {CMD_PASS_SUBMIT, "PASS_SUBMIT"},
    {CMD_SET_LOCK, "SET_LOCK"},
    {CMD_COMP, "COMP"},
    {CMD_LOW_PASS, "LOW_PASS"},
    {CMD_HIGH_PASS, "HIGH_PASS"},
    {CMD_PEQ, "PEQ"},
    {CMD_GAIN, "GAIN"},
    {CMD_MUTE, "MUTE"},
    {CMD_POLARITY, "POLARITY"},
    {CMD_DELAY, "DELAY"},
    {CMD_WORK_MODE, "WORK_MODE"},
    {CMD_MATRIX, "MATRIX"},
    {CMD_LINK, "LINK"},
    {CMD_EQ_BYPASS, "EQ_BYPASS"},
    {CMD_CHANNEL_NAME, "CHANNEL_NAME"},
    {CMD_LEVELS, "LEVELS"},
};

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string CommandName(std::uint8_t code)
{
    for (const NamedCommand &n : kNames)
        if (n.code == code)
            return std::string(n.name);
    return "CMD_" + std::to_string(code);
}

std::optional<std::uint8_t> ParseCommand(std::string_view text)
{
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end == text.data() + text.size() && !text.empty())
        return value <= 255 ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(value)) : std::nullopt;
    if (text.size() > 4 && SameName(text.substr(0, 4), "CMD_"))
        text.remove_prefix(4);
    for (const NamedCommand &n : kNames)
        if (SameName(text, n.name))
            return n.code;
    return std::nullopt;
}

}  // namespace devsim
