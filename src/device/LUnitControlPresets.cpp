// Preset file contents, stored presets, block reassembly and the unit file of LUnitControl.

#include <algorithm>
#include <cstring>

#include "device/LUnitControl.h"
#include "device/ProgramRanges.h"
#include "platform/os/AtomicFile.h"
#include "platform/os/CodePage.h"

namespace {

constexpr std::string_view DefaultPresetName = "Default Preset";
constexpr std::uint16_t AllBlocks = (1u << (LastImageBlock + 1)) - 1;

std::string_view AsText(const std::uint8_t *bytes, std::size_t size)
{
    return {reinterpret_cast<const char *>(bytes), size};
}

template <class T>
std::string_view BytesOf(const T &value)
{
    return AsText(reinterpret_cast<const std::uint8_t *>(&value), sizeof value);
}

std::uint8_t *WritableBytes(ParameterImage &image) { return reinterpret_cast<std::uint8_t *>(&image); }

}  // namespace

// --- Preset file -------------------------------------------------------------------------------

std::string LUnitControl::ToPresetString() const
{
    std::string text(FileMagic);
    text += BytesOf(Image).substr(PresetBodyOffset, PresetBodySize);
    return text;
}

void LUnitControl::SetPresetName(std::span<const std::uint8_t> name)
{
    const std::size_t n = std::min(name.size(), PresetNameSize);
    std::memset(Image.PresetName, ' ', PresetNameSize);
    std::memcpy(Image.PresetName, name.data(), n);
}

// Name, filters, gain, polarity, delay and link of one channel (the source and the compressor too
// on an output), in the order the processor takes a whole program.
void LUnitControl::SendChannelSettings(int ch)
{
    const std::uint8_t a = Address();
    WithRecord(Image, ch, [&](const auto &r) {
        Host.SendCommand(CM_MCS_CHANNEL_NAME(a, ch, AsText(r.Name, ChannelNameSize)), 1, 1);
        if constexpr (requires { r.Source; })
            Host.SendCommand(CM_MCS_MATRIX(a, ch, static_cast<std::uint8_t>(r.Source)), 1, 1);
        Host.SendCommand(CM_MCS_HIGH_PASS(a, ch, r.HighPass.Freq, static_cast<std::uint8_t>(r.HighPass.Type)), 1, 1);
        Host.SendCommand(CM_MCS_LOW_PASS(a, ch, r.LowPass.Freq, static_cast<std::uint8_t>(r.LowPass.Type)), 1, 1);
        if constexpr (requires { r.Comp; })
            Host.SendCommand(CM_MCS_COMP(a, ch, r.Comp), 1, 1);
        Host.SendCommand(CM_MCS_GAIN(a, ch, r.Gain), 1, 1);
        Host.SendCommand(CM_MCS_POLARITY(a, ch, r.Polarity != 0 ? 1 : 0), 1, 1);
        Host.SendCommand(CM_MCS_DELAY(a, ch, r.Delay), 1, 1);
        Host.SendCommand(CM_MCS_CMD(a, CMD_LINK, static_cast<std::uint8_t>(ch), static_cast<std::uint8_t>(r.LinkMask)),
                         1, 1);
    });
}

bool LUnitControl::ApplyPreset(std::span<const std::uint8_t> body)
{
    if (body.size() < PresetBodySize)
        return false;
    // The body is image bytes 2 to 527 in image order; link masks are taken as stored values, so
    // nothing propagates.
    ParameterImage program = Image;
    std::memcpy(WritableBytes(program) + PresetBodyOffset, body.data(), PresetBodySize);
    if (!PresetFieldsInRange(program))
        return false;
    Image = program;

    const std::uint8_t a = Address();
    Host.SendCommand(CM_MCS_PRESETNAME(a, AsText(Image.PresetName, PresetNameSize)), 1, 1);
    for (int ch = 0; ch < ChannelCount; ++ch)
        SendChannelSettings(ch);
    for (int ch = 0; ch < ChannelCount; ++ch)
        Host.SendCommand(CM_MCS_MUTE(a, ch, (MuteMaskOf(Image, ch) >> SideIndex(ch) & 1) != 0 ? 1 : 0), 1, 1);
    for (int ch = 0; ch < ChannelCount; ++ch)
        for (int band = 0; band < BandCount(ch); ++band) {
            const std::uint8_t bypass = (BandBypassOf(Image, ch) >> band & 1) != 0 ? 1 : 0;
            Host.SendCommand(CM_MCS_PEQ(a, ch, band, BandOf(Image, ch, band), bypass), 1, 1);
        }
    return true;
}

// --- Stored presets ----------------------------------------------------------------------------

void LUnitControl::SetPresetFlags(std::span<const std::uint8_t> payload)
{
    if (payload.size() < PresetStored.size())
        return;
    for (std::size_t i = 0; i < PresetStored.size(); ++i)
        PresetStored[i] = payload[i] == 0xFF;
}

bool LUnitControl::IsPresetStored(int slot) const
{
    return slot >= 0 && slot < PresetCount && PresetStored[static_cast<std::size_t>(slot)];
}

void LUnitControl::MarkPresetStored(int slot)
{
    if (slot >= 0 && slot < PresetCount)
        PresetStored[static_cast<std::size_t>(slot)] = true;
}

void LUnitControl::ResetPresetNames()
{
    const std::string name(DefaultPresetName);
    for (int row = 1; row <= PresetCount; ++row) {
        Host.SetRecallPresetRowName(row, name);
        Host.SetStorePresetRowName(row - 1, name);
    }
}

void LUnitControl::SetPresetListName(int row, std::span<const std::uint8_t> payload)
{
    if (payload.size() < 1 + PresetNameSize || row < 1 || row > PresetCount)
        return;
    std::string ansi(AsText(payload.data() + 1, PresetNameSize));
    std::replace(ansi.begin(), ansi.end(), '\0', ' ');
    const std::string name = os::AnsiToUtf8(ansi);
    Host.SetRecallPresetRowName(row, name);
    Host.SetStorePresetRowName(row - 1, name);
}

void LUnitControl::StoreEepromHeader(std::span<const std::uint8_t> payload)
{
    std::copy_n(payload.begin(), std::min(payload.size(), EepromHeader.size()), EepromHeader.begin());
}

// --- Block reassembly --------------------------------------------------------------------------

BlockStoreResult LUnitControl::StoreBlock(std::span<const std::uint8_t> payload)
{
    if (payload.empty())
        return BlockStoreResult::Ignored;
    const int block = payload[0];
    const auto data = payload.subspan(1);
    if (block == 0) {
        BlockBuffer.fill(0);
        BlocksReceived = 0;
    }
    // Data past the buffer's end (a block number above 10, or a long last block) is cut. A block
    // shorter than its share of the image did not arrive whole: it is not taken, and the read
    // cannot commit.
    const std::size_t start = static_cast<std::size_t>(block) * ImageBlockSize;
    if (start < BlockBuffer.size()) {
        const std::size_t full = std::min(ImageBlockSize, BlockBuffer.size() - start);
        if (data.size() >= full) {
            std::copy_n(data.begin(), std::min(data.size(), BlockBuffer.size() - start), BlockBuffer.begin() + start);
            BlocksReceived |= static_cast<std::uint16_t>(1u << block);
        }
    }
    if (block < LastImageBlock)
        return BlockStoreResult::Pending;
    // The read ends here: commit only a whole image, and let the next read start afresh.
    const bool whole = (BlocksReceived & AllBlocks) == AllBlocks;
    BlocksReceived = 0;
    return whole ? BlockStoreResult::Committed : BlockStoreResult::Incomplete;
}

BlockStoreResult LUnitControl::StoreProgramBlock(std::span<const std::uint8_t> payload)
{
    const BlockStoreResult result = StoreBlock(payload);
    if (result == BlockStoreResult::Committed)  // image bytes 0 and 1 stay as they are
        std::copy(BlockBuffer.begin() + PresetBodyOffset, BlockBuffer.end(), WritableBytes(Image) + PresetBodyOffset);
    return result;
}

BlockStoreResult LUnitControl::StorePresetBlock(int preset, std::span<const std::uint8_t> payload)
{
    if (preset < 1 || preset > PresetCount)
        return BlockStoreResult::Ignored;
    const BlockStoreResult result = StoreBlock(payload);
    if (result == BlockStoreResult::Committed) {
        PresetRecord &record = Presets[static_cast<std::size_t>(preset - 1)];
        record.Number = static_cast<std::uint8_t>(preset);
        std::copy_n(BlockBuffer.begin(), sizeof record.ImageBytes, record.ImageBytes);
    }
    return result;
}

// --- Unit file ---------------------------------------------------------------------------------

std::string LUnitControl::UnitFileBytes() const
{
    std::string bytes(FileMagic);
    bytes.reserve(UnitFileSize);
    bytes += AsText(EepromHeader.data(), EepromHeader.size());
    for (int slot = 0; slot < PresetCount; ++slot) {
        if (IsPresetStored(slot))
            bytes += BytesOf(Presets[static_cast<std::size_t>(slot)]);
        else
            bytes.append(sizeof(PresetRecord), static_cast<char>(UnitFileFiller));
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<UnitFileContents> ReadUnitFileBytes(std::span<const std::uint8_t> bytes)
{
    // A unit file: the tag, the device header, then 31 chunks of a 538-byte record and CR LF. A
    // file may end inside its last records as long as the cut records are not stored ones.
    constexpr std::size_t ShortestUnitFile = 16712;
    constexpr std::uint8_t StoredMark = 0xFF;
    bytes = bytes.first(std::min(bytes.size(), UnitFileSize));
    if (bytes.size() < ShortestUnitFile || AsText(bytes.data(), FileMagic.size()) != FileMagic)
        return std::nullopt;
    UnitFileContents contents{};
    std::copy_n(bytes.begin() + FileMagic.size(), EepromHeaderSize, contents.Header.begin());
    for (int k = 0; k < PresetCount; ++k) {
        const std::size_t start = UnitFileHeaderSize + static_cast<std::size_t>(k) * UnitFileSlotSize;
        auto *record = reinterpret_cast<std::uint8_t *>(&contents.Records[static_cast<std::size_t>(k)]);
        const std::size_t held = start < bytes.size() ? std::min(sizeof(PresetRecord), bytes.size() - start) : 0;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(start, bytes.size())), held, record);
        // A stored record must be whole and numbered by its position: anything else would write
        // zeros into the processor or split one record over two presets.
        if (held > 1 && record[1] == StoredMark && (held < sizeof(PresetRecord) || record[0] != k + 1))
            return std::nullopt;
    }
    return contents;
}

UnitFileResult LUnitControl::SaveUnitFile(std::string *error)
{
    std::string chosen;
    if (!Host.ExecuteSaveUnitDialog(chosen))
        return UnitFileResult::Cancelled;
    return os::WriteFileAtomic(UnitFilePath(chosen), UnitFileBytes(), error) ? UnitFileResult::Written
                                                                              : UnitFileResult::WriteFailed;
}

namespace {

std::string WithExtension(std::string_view chosen, std::string_view extension)
{
    const std::size_t nameStart = chosen.rfind('/') == std::string_view::npos ? 0 : chosen.rfind('/') + 1;
    const std::size_t point = chosen.find('.', nameStart);
    return std::string(chosen.substr(0, point)).append(extension);
}

}  // namespace

std::string UnitFilePath(std::string_view chosen)
{
    return WithExtension(chosen, ".unt");
}

std::string PresetFilePath(std::string_view chosen)
{
    return WithExtension(chosen, ".prs");
}
