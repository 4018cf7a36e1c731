#include "device/LCmd.h"

#include <algorithm>

LCmd::LCmd(const BSTM &bytes, std::uint8_t framed)
{
    if (framed == 0) {
        Payload = bytes;
        return;
    }
    const auto frame = framed == 1 ? ParseDeviceFrame(bytes) : std::nullopt;
    if (!frame) {
        Valid = false;
        return;
    }
    Address = frame->Source;
    Command = frame->Command;
    Payload.assign(frame->Payload.begin(), frame->Payload.end());
}

BSTM LCmd::ToBytes(std::uint8_t framed) const
{
    if (framed == 1)
        return BuildDeviceFrame(0x00, Address, Command, Payload);
    if (framed == 0)
        return Payload;
    return {};
}

void LCmd::AddWord(std::uint32_t w)
{
    Add(static_cast<std::uint8_t>(w));
    Add(static_cast<std::uint8_t>(w >> 8));
}

void LCmd::AddBytes(std::span<const std::uint8_t> data, std::size_t count, std::uint8_t pad)
{
    const std::size_t n = std::min(count, data.size());
    Payload.insert(Payload.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
    Payload.insert(Payload.end(), count - n, pad);
}

void LCmd::AddText(std::string_view text, std::size_t count, std::uint8_t pad)
{
    AddBytes({reinterpret_cast<const std::uint8_t *>(text.data()), text.size()}, count, pad);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t address, std::uint8_t command, std::uint8_t p0) : LCmd(address, command)
{
    Add(p0);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t address, std::uint8_t command, std::uint8_t p0, std::uint8_t p1)
    : LCmd(address, command)
{
    Add(p0);
    Add(p1);
}

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(std::uint8_t address, std::uint8_t unit) : LCmd(address, CMD_DELAYUNIT)
{
    Add(unit);
}

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(std::uint8_t address, std::uint16_t eepromAddress, std::uint8_t count)
    : LCmd(address, CMD_READ_EEPROM)
{
    AddWord(eepromAddress);
    Add(count);
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(std::uint8_t address, std::uint16_t eepromAddress, std::uint8_t count,
                                         std::span<const std::uint8_t> data)
    : LCmd(address, CMD_WRITE_EEPROM)
{
    AddWord(eepromAddress);
    Add(count);
    const int signedCount = static_cast<std::int8_t>(count);
    AddBytes(data, static_cast<std::size_t>(std::max(signedCount, 0)), 0);
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(std::uint8_t address, std::uint8_t slot, std::uint8_t block, std::uint32_t count,
                                 std::span<const std::uint8_t> data)
    : LCmd(address, CMD_DOWNLOAD)
{
    Add(block);
    Add(slot);
    AddBytes(data, std::min<std::size_t>(count, MaxFramePayload - 2), 0);
}

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(std::uint8_t address, std::string_view name) : LCmd(address, CMD_PRESETNAME)
{
    AddText(name, PresetNameSize, ' ');
}

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(std::uint8_t address, std::uint8_t kind, std::string_view password)
    : LCmd(address, CMD_PASS_SUBMIT)
{
    Add(kind);
    AddText(password, 4, ' ');
}

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(std::uint8_t address, std::string_view password) : LCmd(address, CMD_SET_LOCK)
{
    AddText(password, 4, ' ');
}

CM_MCS_COMP::CM_MCS_COMP(std::uint8_t address, int ch, const CompressorRecord &comp) : LCmd(address, CMD_COMP)
{
    Add(static_cast<std::uint8_t>(ch));
    for (std::uint16_t w : {comp.Ratio, comp.Attack, comp.Release, comp.Threshold})
        AddWord(w);
}

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(std::uint8_t address, int ch, std::uint16_t freq, std::uint8_t type)
    : LCmd(address, CMD_LOW_PASS)
{
    Add(static_cast<std::uint8_t>(ch));
    AddWord(freq);
    Add(type);
}

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(std::uint8_t address, int ch, std::uint16_t freq, std::uint8_t type)
    : LCmd(address, CMD_HIGH_PASS)
{
    Add(static_cast<std::uint8_t>(ch));
    AddWord(freq);
    Add(type);
}

CM_MCS_PEQ::CM_MCS_PEQ(std::uint8_t address, int ch, int band, const PeqBandRecord &rec, std::uint8_t bypass)
    : LCmd(address, CMD_PEQ)
{
    Add(static_cast<std::uint8_t>(ch));
    Add(static_cast<std::uint8_t>(band));
    AddWord(rec.Gain);
    AddWord(rec.Freq);
    Add(rec.Q);
    Add(rec.Type);
    Add(bypass);
}

CM_MCS_GAIN::CM_MCS_GAIN(std::uint8_t address, int ch, std::int32_t value) : LCmd(address, CMD_GAIN)
{
    Add(static_cast<std::uint8_t>(ch));
    AddWord(static_cast<std::uint32_t>(value));
}

CM_MCS_MUTE::CM_MCS_MUTE(std::uint8_t address, int ch, std::uint8_t on) : LCmd(address, CMD_MUTE)
{
    Add(static_cast<std::uint8_t>(ch));
    Add(on);
}

CM_MCS_POLARITY::CM_MCS_POLARITY(std::uint8_t address, int ch, std::uint8_t inverted) : LCmd(address, CMD_POLARITY)
{
    Add(static_cast<std::uint8_t>(ch));
    Add(inverted != 0 ? 1 : 0);
}

CM_MCS_DELAY::CM_MCS_DELAY(std::uint8_t address, int ch, std::int32_t samples) : LCmd(address, CMD_DELAY)
{
    Add(static_cast<std::uint8_t>(ch));
    AddWord(static_cast<std::uint32_t>(samples));
}

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(std::uint8_t address, std::uint8_t mode, std::uint8_t sineFreqIndex)
    : LCmd(address, CMD_WORK_MODE)
{
    Add(mode);
    Add(sineFreqIndex);
}

CM_MCS_MATRIX::CM_MCS_MATRIX(std::uint8_t address, int ch, std::uint8_t sourceMask) : LCmd(address, CMD_MATRIX)
{
    Add(static_cast<std::uint8_t>(ch));
    Add(sourceMask);
}

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(std::uint8_t address, int ch, std::string_view name)
    : LCmd(address, CMD_CHANNEL_NAME)
{
    Add(static_cast<std::uint8_t>(ch));
    AddText(name, ChannelNameSize, 0);
}
