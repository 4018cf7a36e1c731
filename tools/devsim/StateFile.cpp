#include "devsim/StateFile.h"

#include "platform/os/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>

namespace devsim {

namespace {

constexpr std::string_view kUnitTag = "*VELMTROV316V011";
constexpr std::string_view kStateTag = "TROV316-SIMSTATE";
constexpr std::size_t kHeaderAt = 16;
constexpr std::size_t kSlotsAt = kHeaderAt + kEepromHeaderSize;  // 34
constexpr std::size_t kSlotSize = kImageSize + 2;                // record + CR LF
constexpr std::size_t kUnitFileSize = kSlotsAt + kPresetSlots * kSlotSize;  // 16,774
// The editor reads a unit file of at least this size; the last record may end early.
constexpr std::size_t kShortestUnitFile = 16712;
constexpr std::uint8_t kEmptySlotFiller = 0x64;
constexpr std::size_t kStateSize = kStateTag.size() + 3 + kPasswordSize + kImageSize + kPresetSlots + 2;

static_assert(kUnitFileSize == 16774);

void Append(Bytes &out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

Bytes StateFileBytes(const ProcessorState &state)
{
    Bytes out;
    out.reserve(kUnitFileSize + kStateSize);
    Append(out, kUnitTag);
    out.insert(out.end(), state.eepromHeader.begin(), state.eepromHeader.end());
    for (int k = 0; k < kPresetSlots; ++k) {
        if (state.stored[k]) {
            out.push_back(static_cast<std::uint8_t>(k + 1));
            out.insert(out.end(), state.presets[k].begin(), state.presets[k].end() - 1);
        } else {
            out.insert(out.end(), kImageSize, kEmptySlotFiller);
        }
        Append(out, "\r\n");
    }
    Append(out, kStateTag);
    out.push_back(state.deviceId);
    out.push_back(state.currentPreset);
    out.push_back(state.lockOn ? 1 : 0);
    std::string password = state.password;
    password.resize(kPasswordSize, ' ');
    Append(out, password);
    out.insert(out.end(), state.program.begin(), state.program.end());
    for (const Image &preset : state.presets)
        out.push_back(preset.back());
    Append(out, "\r\n");
    return out;
}

bool ParseStateFile(const Bytes &file, ProcessorState &state)
{
    if (file.size() < kShortestUnitFile || !std::equal(kUnitTag.begin(), kUnitTag.end(), file.begin()))
        return false;
    const auto byteAt = [&](std::size_t at) -> std::uint8_t { return at < file.size() ? file[at] : 0; };
    std::copy_n(file.begin() + kHeaderAt, kEepromHeaderSize, state.eepromHeader.begin());
    for (int k = 0; k < kPresetSlots; ++k) {
        const std::size_t record = kSlotsAt + k * kSlotSize;
        state.stored[k] = byteAt(record + 1) == 0xFF;
        Image &img = state.presets[k];
        if (!state.stored[k]) {
            img = FactoryImage();
            continue;
        }
        for (std::size_t i = 0; i + 1 < kImageSize; ++i)
            img[i] = byteAt(record + 1 + i);
        img.back() = 0;
    }
    const std::size_t extra = kUnitFileSize;
    if (file.size() < extra + kStateSize || !std::equal(kStateTag.begin(), kStateTag.end(), file.begin() + extra))
        return true;
    std::size_t at = extra + kStateTag.size();
    state.deviceId = file[at++];
    state.currentPreset = file[at++];
    state.lockOn = file[at++] != 0;
    state.password.assign(file.begin() + static_cast<std::ptrdiff_t>(at), file.begin() + static_cast<std::ptrdiff_t>(at + kPasswordSize));
    at += kPasswordSize;
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at), kImageSize, state.program.begin());
    at += kImageSize;
    for (int k = 0; k < kPresetSlots; ++k, ++at)
        if (state.stored[k])
            state.presets[k].back() = file[at];
    return true;
}

bool SaveStateFile(const std::string &path, const ProcessorState &state, std::string *error)
{
    const Bytes bytes = StateFileBytes(state);
    return os::WriteFileAtomic(path, bytes.data(), bytes.size(), error);
}

bool LoadStateFile(const std::string &path, ProcessorState &state, std::string *error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!ParseStateFile(bytes, state)) {
        if (error)
            *error = path + " is not a unit file";
        return false;
    }
    return true;
}

}  // namespace devsim
