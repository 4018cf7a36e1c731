#pragma once
// The editor's model of the processor: the current program as a byte-exact `ParameterImage` plus
// the preset bookkeeping (which slots hold a stored preset, the EEPROM header, the block buffer in
// which program and preset reads are reassembled, the presets read for a unit file).
//
// Setters write the image for the edited channel's whole link group and, unless the window is
// setting its controls by code, send one command for the edited channel through the host. Values
// that come from files or the processor are stored as they are. Channel or band arguments outside
// their range are ignored (getters answer 0); callers pass valid ones.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/DeviceHost.h"
#include "device/LCmd.h"
#include "device/ParameterImage.h"

// What a program or preset block did.
enum class BlockStoreResult {
    Pending,     // kept; the read goes on
    Committed,   // last block of a read whose blocks 0 to 10 all arrived: image or record filled
    Incomplete,  // last block, but a block of the read is missing: nothing was committed
    Ignored,     // no block number, or no such preset
};

enum class UnitFileResult { Written, Cancelled, WriteFailed };

class LUnitControl {
public:
    explicit LUnitControl(DeviceHost &host);

    // Copies the factory image into the current program.
    void LoadDefaults();

    // --- Accessors ---------------------------------------------------------------------------
    const ParameterImage &GetImage() const { return Image; }
    int GetGain(int ch) const;
    int GetDelay(int ch) const;
    int GetPolarity(int ch) const;  // 1 when inverted
    bool IsMuted(int ch) const;
    bool IsPeqBandBypassed(int ch, int band) const;
    PeqBandRecord GetPeqBand(int ch, int band) const;
    static PeqBandRecord GetDefaultPeqBand(int ch, int band);
    CrossoverRecord GetCrossover(int ch) const;
    CompressorRecord GetCompressor(int ch) const;  // outputs
    int GetOutputSource(int ch) const;             // outputs
    int GetLinkMask(int ch) const;
    // The channel's record inside the image; its first 8 bytes are the name. Null for no channel.
    const std::uint8_t *GetChannelRecord(int ch) const;
    const std::uint8_t *GetPresetName() const { return Image.PresetName; }
    int GetDelayUnit() const { return Image.DelayUnit; }
    int GetSignalMode() const { return Image.SignalMode; }
    int GetSineFreqIndex() const { return Image.SineFreqIndex; }
    int GetEqBypassMask(int ch) const;
    // Stores the side's whole mask; sends nothing (the caller sends CMD_EQ_BYPASS).
    void SetEqBypassMask(int ch, std::uint16_t mask);

    // --- Setters (link propagation, then one command for `ch`) -------------------------------
    void SetCompressor(int ch, const CompressorRecord &comp);
    void SetPolarity(int ch, std::uint8_t on);
    void SetPeqBand(int ch, int band, const PeqBandRecord &rec, std::uint8_t bypass);
    // `filter`: PassFilterRecord as one word, Type in the low half, Freq in the high half.
    void SetHighPass(int ch, std::uint32_t filter);
    void SetLowPass(int ch, std::uint32_t filter);
    void SetGain(int ch, int code);
    void SetDelay(int ch, int samples);
    void SetMute(int ch, std::uint8_t on);
    void SetDelayUnit(std::uint16_t unit);
    // The test signal a work-mode command gave the processor (mode, sine index); sends nothing.
    void RecordSignal(std::uint8_t mode, std::uint8_t sineIndex);
    void SetOutputSource(int ch, std::uint16_t mask);  // that output only
    void SetLinkMask(int ch, std::uint16_t mask);      // that channel only
    // The first 8 bytes of `name` (zero-padded when shorter) become that channel's name only.
    void SetChannelName(int ch, std::string_view name);
    // Offline channel copy onto a channel of the same side; name, source and link mask stay.
    void CopyChannelSettings(int src, int dst);

    // --- Preset file ---------------------------------------------------------------------------
    // FileMagic followed by image bytes 2 to 527: 542 bytes (the caller appends CR LF).
    std::string ToPresetString() const;
    // Takes the first 526 bytes of `body` into image bytes 2 to 527 and sends all 109 settings
    // (keep-duplicates 1, also while controls are updating). A shorter body, or one with a value
    // outside its range (ProgramRanges.h), is refused: false, and nothing changed or sent.
    bool ApplyPreset(std::span<const std::uint8_t> body);
    // Bytes 0 to 13 become the preset name (blank-padded when shorter); sends nothing.
    void SetPresetName(std::span<const std::uint8_t> name);

    // --- Stored presets and unit file --------------------------------------------------------
    // Reply of CMD_SYSTEM_PARAMS: slot i stored when byte i is 0xFF. A reply of fewer than 31
    // bytes is ignored.
    void SetPresetFlags(std::span<const std::uint8_t> payload);
    bool IsPresetStored(int slot) const;
    void MarkPresetStored(int slot);
    // Every row of the store and recall lists back to "Default Preset".
    void ResetPresetNames();
    // Reply of CMD_READ_PRESET_NAME (index, 14 name bytes) shown in recall row `row` (1 to 31) and
    // store row `row` - 1. A reply of fewer than 15 bytes is ignored.
    void SetPresetListName(int row, std::span<const std::uint8_t> payload);
    // A block reply: block number b, then data for buffer bytes 50 b on. Block 0 starts a read
    // (buffer cleared); the last block (b >= 10) commits only when blocks 0 to 10 all arrived
    // whole (50 data bytes, 38 in block 10; a shorter block counts as missing).
    BlockStoreResult StoreProgramBlock(std::span<const std::uint8_t> payload);
    BlockStoreResult StorePresetBlock(int preset, std::span<const std::uint8_t> payload);
    // Reply of CMD_READ_EEPROM: up to 18 bytes, from the first.
    void StoreEepromHeader(std::span<const std::uint8_t> payload);
    const std::array<std::uint8_t, EepromHeaderSize> &GetEepromHeader() const { return EepromHeader; }
    const PresetRecord &GetPresetRecord(int slot) const { return Presets.at(static_cast<std::size_t>(slot)); }
    const std::array<std::uint8_t, ParameterImageSize> &GetBlockBuffer() const { return BlockBuffer; }
    // The unit file: tag, header, 31 slots (stored record or filler), each followed by CR LF.
    std::string UnitFileBytes() const;
    // Asks for a file name and writes the unit file atomically under UnitFilePath(name). On
    // WriteFailed an existing file is untouched and `error` says why.
    UnitFileResult SaveUnitFile(std::string *error = nullptr);

private:
    std::uint8_t Address() const;
    void Send(const LCmd &command, std::uint8_t keepDuplicates);
    // Calls f(c) for every channel c named in ch's link mask, on ch's side, in channel order.
    template <class F>
    void ForLinked(int ch, F &&f);
    void SetPassFilter(int ch, std::uint32_t filter, bool lowPass);
    BlockStoreResult StoreBlock(std::span<const std::uint8_t> payload);
    void SendChannelSettings(int ch);

    DeviceHost &Host;
    ParameterImage Image;
    std::array<bool, PresetCount> PresetStored{};
    std::array<std::uint8_t, EepromHeaderSize> EepromHeader{};
    std::array<std::uint8_t, ParameterImageSize> BlockBuffer{};
    std::array<PresetRecord, PresetCount> Presets{};
    std::uint16_t BlocksReceived = 0;  // bit b: block b of the current read arrived
};

// What a unit file gives a download: the device header and the 31 records (those of slots not
// stored as the file has them, zeros where it ends early).
struct UnitFileContents {
    std::array<std::uint8_t, EepromHeaderSize> Header;
    std::array<PresetRecord, PresetCount> Records;
};
// A unit file's bytes (nothing past UnitFileSize is looked at); nothing when there are fewer than
// 16,712, the tag is missing, or a stored record is cut off or numbered for another slot.
std::optional<UnitFileContents> ReadUnitFileBytes(std::span<const std::uint8_t> bytes);

// The unit file's name: in the last path component, everything from the first "." on is replaced
// by ".unt" ("/home/j.smith/show.1.unt" -> "/home/j.smith/show.unt"). The save dialogs ask about
// this name, and it is what is written.
std::string UnitFilePath(std::string_view chosen);
// The preset file's name, by the same rule with ".prs".
std::string PresetFilePath(std::string_view chosen);
