#pragma once
// The simulated processor's state and what it does with each request: the replies it gives and
// the changes it makes to its program, presets, EEPROM header and lock. It knows nothing of
// frames, links or faults (see Simulator) and is not thread-safe on its own.

#include "devsim/ImageLayout.h"
#include "devsim/LevelGenerator.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace devsim {

using Bytes = std::vector<std::uint8_t>;
using Payload = std::span<const std::uint8_t>;

inline constexpr char kDefaultIdentity[] = "VELMTROV316 V011";
inline constexpr std::size_t kPasswordSize = 4;

struct ProcessorState {
    std::uint8_t deviceId = 1;
    std::string identity = kDefaultIdentity;
    Image program = FactoryImage();  // the current program
    std::array<Image, kPresetSlots> presets;  // a slot not stored holds the factory image
    std::array<bool, kPresetSlots> stored{};
    std::uint8_t currentPreset = 0;   // 0 = factory preset F00, 1..31 = U01..U31
    std::uint8_t selectedPreset = 0;  // the preset whose blocks are read with command 40
    std::array<std::uint8_t, kEepromHeaderSize> eepromHeader{};
    bool lockOn = false;
    std::string password = "0000";  // 4 characters
    bool unlocked = false;          // the password was accepted since the last handshake

    ProcessorState();
    // True when the operation lock holds requests back on this connection.
    bool Locked() const { return lockOn && !unlocked; }
};

struct Reply {
    std::uint8_t command = 0;
    Bytes payload;
};

class Processor {
public:
    Processor() = default;

    ProcessorState &State() { return state_; }
    const ProcessorState &State() const { return state_; }
    LevelGenerator &Levels() { return levels_; }

    // What the processor does with one request addressed to it. No reply for codes it does not
    // know and for acknowledgements.
    std::optional<Reply> Handle(std::uint8_t command, Payload payload);

    // Factory defaults: factory program, every preset slot emptied, preset F00 current.
    void FactoryReset();
    // Operation lock on with a 4-character password, or off.
    void SetLock(bool on, const std::string &password);
    // Side-relative bits of the channels that an edit of `ch` changes (its link group).
    unsigned LinkGroup(int ch) const;

private:
    using Handler = std::optional<Reply> (Processor::*)(Payload);
    struct Entry;
    static const Entry *Find(std::uint8_t command);

    std::optional<Reply> Handshake(Payload);
    std::optional<Reply> EndSession(Payload);
    std::optional<Reply> Poll(Payload);
    std::optional<Reply> Identity(Payload);
    std::optional<Reply> CurrentPreset(Payload);
    std::optional<Reply> DelayUnit(Payload);
    std::optional<Reply> ReadEeprom(Payload);
    std::optional<Reply> WriteEeprom(Payload);
    std::optional<Reply> RecallPreset(Payload);
    std::optional<Reply> StorePreset(Payload);
    std::optional<Reply> SystemParams(Payload);
    std::optional<Reply> FactoryResetCommand(Payload);
    std::optional<Reply> SelectPreset(Payload);
    std::optional<Reply> Download(Payload);
    std::optional<Reply> PresetName(Payload);
    std::optional<Reply> ReadProgramBlock(Payload);
    std::optional<Reply> ReadPresetBlock(Payload);
    std::optional<Reply> ReadPresetName(Payload);
    std::optional<Reply> CopyChannel(Payload);
    std::optional<Reply> LockStatus(Payload);
    std::optional<Reply> PassSubmit(Payload);
    std::optional<Reply> SetLockCommand(Payload);
    std::optional<Reply> ChannelField(Payload);
    std::optional<Reply> PassFilter(Payload);
    std::optional<Reply> Peq(Payload);
    std::optional<Reply> Mute(Payload);
    std::optional<Reply> WorkMode(Payload);
    std::optional<Reply> EqBypass(Payload);
    std::optional<Reply> LevelsCommand(Payload);

    // Calls f(channel) for every channel of ch's link group.
    template <class F> void ForLinked(int ch, F f);
    const Image &SelectedPresetImage() const;

    ProcessorState state_;
    LevelGenerator levels_;
    std::uint8_t command_ = 0;  // the request being handled
};

// Block b of an image as a block reply carries it: b, then up to 50 image bytes from 50 b.
Bytes ImageBlock(const Image &img, std::uint8_t block);
// The 18 bytes a new processor holds at EEPROM address 0.
std::array<std::uint8_t, kEepromHeaderSize> FactoryEepromHeader();

}  // namespace devsim
