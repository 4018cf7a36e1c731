#pragma once
// Command objects of the device protocol. A command is an address byte, a command code and a
// payload; requests are built as `LCmd` or as one of the `CM_MCS_*` classes (each only fills the
// three fields in its constructor), replies are parsed back into an `LCmd`. Commands are values that
// live for one send; the transports keep only the framed bytes.

#include <cstdint>
#include <span>
#include <string_view>

#include "device/DeviceFrame.h"
#include "device/ParameterImage.h"

// Command codes shared by requests and replies.
enum DeviceCommand : std::uint8_t {
    CMD_ACK = 1,
    CMD_MCU_RESET = 4,
    CMD_HANDSHAKE = 16,
    CMD_DISCONNECT = 17,
    CMD_POLL = 18,
    CMD_IDENTITY = 19,
    CMD_CURRENT_PRESET = 20,
    CMD_DELAYUNIT = 21,
    CMD_READ_EEPROM = 25,
    CMD_WRITE_EEPROM = 26,
    CMD_RECALL_PRESET = 32,
    CMD_STORE_PRESET = 33,
    CMD_SYSTEM_PARAMS = 34,
    CMD_FACTORY_RESET = 35,
    CMD_SELECT_PRESET = 36,  // as a reply: a program block
    CMD_DOWNLOAD = 37,
    CMD_PRESETNAME = 38,
    CMD_READ_PROGRAM_BLOCK = 39,
    CMD_READ_PRESET_BLOCK = 40,
    CMD_READ_PRESET_NAME = 41,
    CMD_COPY_CHANNEL = 42,
    CMD_LOCK_STATUS = 44,
    CMD_PASS_SUBMIT = 45,
    CMD_SET_LOCK = 47,
    CMD_COMP = 48,
    CMD_LOW_PASS = 49,
    CMD_HIGH_PASS = 50,
    CMD_PEQ = 51,
    CMD_GAIN = 52,
    CMD_MUTE = 53,
    CMD_POLARITY = 54,
    CMD_DELAY = 56,
    CMD_WORK_MODE = 57,
    CMD_MATRIX = 58,
    CMD_LINK = 59,
    CMD_EQ_BYPASS = 60,
    CMD_CHANNEL_NAME = 61,
    CMD_LEVELS = 64,
};

class LCmd {
public:
    LCmd() = default;
    LCmd(std::uint8_t address, std::uint8_t command) : Address(address), Command(command) {}
    // Parses received bytes. framed 1: one whole `DeviceFrame`; the address is the sender's (byte 2),
    // byte 3 and the checksum are not checked. framed 0: all bytes are the payload. A frame whose
    // envelope or length byte is wrong, or any other framed value, gives an invalid command (address
    // 0, command 0, empty payload, `IsValid` false) that the receive dispatch drops.
    LCmd(const BSTM &bytes, std::uint8_t framed);
    virtual ~LCmd() = default;

    // framed 1: the whole frame; 0: the payload alone; any other value: nothing.
    BSTM ToBytes(std::uint8_t framed) const;

    std::uint8_t GetAddress() const { return Address; }
    std::uint8_t GetCommand() const { return Command; }
    const BSTM &GetPayload() const { return Payload; }
    bool IsValid() const { return Valid; }

protected:
    void Add(std::uint8_t b) { Payload.push_back(b); }
    void AddWord(std::uint32_t w);  // low byte, then high byte of the low 16 bits
    // Appends exactly `count` bytes: `data` as far as it goes, then `pad`.
    void AddBytes(std::span<const std::uint8_t> data, std::size_t count, std::uint8_t pad);
    void AddText(std::string_view text, std::size_t count, std::uint8_t pad);

    std::uint8_t Address = 0;
    std::uint8_t Command = 0;
    BSTM Payload;
    bool Valid = true;
};

// Generic request with no, one or two payload bytes.
class CM_MCS_CMD : public LCmd {
public:
    CM_MCS_CMD(std::uint8_t address, std::uint8_t command) : LCmd(address, command) {}
    CM_MCS_CMD(std::uint8_t address, std::uint8_t command, std::uint8_t p0);
    CM_MCS_CMD(std::uint8_t address, std::uint8_t command, std::uint8_t p0, std::uint8_t p1);
};

class CM_MCS_MCU_RESET : public LCmd {
public:
    explicit CM_MCS_MCU_RESET(std::uint8_t address) : LCmd(address, CMD_MCU_RESET) {}
};

class CM_MCS_DELAYUNIT : public LCmd {
public:
    CM_MCS_DELAYUNIT(std::uint8_t address, std::uint8_t unit);
};

class CM_MCS_READ_EEPROM : public LCmd {
public:
    CM_MCS_READ_EEPROM(std::uint8_t address, std::uint16_t eepromAddress, std::uint8_t count);
};

// The count byte is taken as signed: 0 to 127 data bytes follow; missing data is sent as zeros.
class CM_MCS_WRITE_EEPROM : public LCmd {
public:
    CM_MCS_WRITE_EEPROM(std::uint8_t address, std::uint16_t eepromAddress, std::uint8_t count,
                        std::span<const std::uint8_t> data);
};

// Payload: block, then slot, then `count` data bytes (zeros where `data` runs short; no more than
// a frame can carry).
class CM_MCS_DOWNLOAD : public LCmd {
public:
    CM_MCS_DOWNLOAD(std::uint8_t address, std::uint8_t slot, std::uint8_t block, std::uint32_t count,
                    std::span<const std::uint8_t> data);
};

// Exactly 14 name bytes, blank-padded when the name is shorter.
class CM_MCS_PRESETNAME : public LCmd {
public:
    CM_MCS_PRESETNAME(std::uint8_t address, std::string_view name);
};

// Kind 0 is the operation-lock password; exactly 4 characters, blank-padded.
class CM_MCS_PASS_SUBMIT : public LCmd {
public:
    CM_MCS_PASS_SUBMIT(std::uint8_t address, std::uint8_t kind, std::string_view password);
};

// Exactly 4 password characters, blank-padded.
class CM_MCS_SET_LOCK : public LCmd {
public:
    CM_MCS_SET_LOCK(std::uint8_t address, std::string_view password);
};

class CM_MCS_COMP : public LCmd {
public:
    CM_MCS_COMP(std::uint8_t address, int ch, const CompressorRecord &comp);
};

class CM_MCS_LOW_PASS : public LCmd {
public:
    CM_MCS_LOW_PASS(std::uint8_t address, int ch, std::uint16_t freq, std::uint8_t type);
};

class CM_MCS_HIGH_PASS : public LCmd {
public:
    CM_MCS_HIGH_PASS(std::uint8_t address, int ch, std::uint16_t freq, std::uint8_t type);
};

class CM_MCS_PEQ : public LCmd {
public:
    CM_MCS_PEQ(std::uint8_t address, int ch, int band, const PeqBandRecord &rec, std::uint8_t bypass);
};

class CM_MCS_GAIN : public LCmd {
public:
    CM_MCS_GAIN(std::uint8_t address, int ch, std::int32_t value);
};

class CM_MCS_MUTE : public LCmd {
public:
    CM_MCS_MUTE(std::uint8_t address, int ch, std::uint8_t on);
};

// Sends 1 for any non-zero `inverted`.
class CM_MCS_POLARITY : public LCmd {
public:
    CM_MCS_POLARITY(std::uint8_t address, int ch, std::uint8_t inverted);
};

class CM_MCS_DELAY : public LCmd {
public:
    CM_MCS_DELAY(std::uint8_t address, int ch, std::int32_t samples);
};

class CM_MCS_WORK_MODE : public LCmd {
public:
    CM_MCS_WORK_MODE(std::uint8_t address, std::uint8_t mode, std::uint8_t sineFreqIndex);
};

class CM_MCS_MATRIX : public LCmd {
public:
    CM_MCS_MATRIX(std::uint8_t address, int ch, std::uint8_t sourceMask);
};

// Exactly 8 name bytes as stored (zero-padded when the name is shorter; no terminator).
class CM_MCS_CHANNEL_NAME : public LCmd {
public:
    CM_MCS_CHANNEL_NAME(std::uint8_t address, int ch, std::string_view name);
};
