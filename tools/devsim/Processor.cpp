#include "devsim/Processor.h"

#include "device/LCmd.h"

#include <algorithm>
#include <cstring>

namespace devsim {

namespace {

Reply Ack()
{
    return Reply{CMD_ACK, {}};
}

std::uint16_t WordAt(Payload p, std::size_t at)
{
    return static_cast<std::uint16_t>(p[at] | (p[at + 1] << 8));
}

// Settings that live in one field of a channel record and are written from the payload bytes
// after the channel byte: words and names are copied as sent, one-byte values become a word.
struct FieldCommand {
    std::uint8_t command;
    std::size_t ChannelFields::*field;
    std::size_t width;  // payload bytes after the channel
    bool linked;        // applied to the whole link group
    bool outputsOnly;
};

constexpr FieldCommand kFieldCommands[] = {
    {CMD_GAIN, &ChannelFields::gain, 2, true, false},
    {CMD_DELAY, &ChannelFields::delay, 2, true, false},
    {CMD_POLARITY, &ChannelFields::polarity, 1, true, false},
    {CMD_COMP, &ChannelFields::comp, kCompRecordSize, true, true},
    {CMD_MATRIX, &ChannelFields::source, 1, false, true},
    {CMD_LINK, &ChannelFields::linkMask, 1, false, false},
    {CMD_CHANNEL_NAME, &ChannelFields::name, kChannelNameSize, false, false},
};

const FieldCommand *FindFieldCommand(std::uint8_t command)
{
    for (const FieldCommand &f : kFieldCommands)
        if (f.command == command)
            return &f;
    return nullptr;
}

bool ValidChannelFor(const FieldCommand &f, int ch)
{
    return f.outputsOnly ? IsOutputChannel(ch) : IsValidChannel(ch);
}

}  // namespace

ProcessorState::ProcessorState() : eepromHeader(FactoryEepromHeader())
{
    presets.fill(FactoryImage());
}

std::array<std::uint8_t, kEepromHeaderSize> FactoryEepromHeader()
{
    // What a new unit keeps there is its own business; these bytes only have to survive an
    // upload and a download unchanged.
    return {'T', 'R', 'O', 'V', '3', '1', '6', 0, 1, 1, 0, 0, 0, 0, 0, 0, 0x5A, 0xA5};
}

Bytes ImageBlock(const Image &img, std::uint8_t block)
{
    Bytes out;
    out.reserve(1 + kBlockSize);
    out.push_back(block);
    if (block > kLastBlock)
        return out;  // no such block: the number alone
    const std::size_t from = block * kBlockSize;
    const std::size_t to = std::min(kImageSize, from + kBlockSize);  // block 10 ends the image
    out.insert(out.end(), img.begin() + static_cast<std::ptrdiff_t>(from), img.begin() + static_cast<std::ptrdiff_t>(to));
    return out;
}

struct Processor::Entry {
    std::uint8_t command;
    Handler handler;
    bool allowedWhileLocked;
};

const Processor::Entry *Processor::Find(std::uint8_t command)
{
    static const Entry kTable[] = {
        {CMD_MCU_RESET, &Processor::EndSession, true},
        {CMD_HANDSHAKE, &Processor::Handshake, true},
        {CMD_DISCONNECT, &Processor::EndSession, true},
        {CMD_POLL, &Processor::Poll, true},
        {CMD_IDENTITY, &Processor::Identity, true},
        {CMD_CURRENT_PRESET, &Processor::CurrentPreset, false},
        {CMD_DELAYUNIT, &Processor::DelayUnit, false},
        {CMD_READ_EEPROM, &Processor::ReadEeprom, false},
        {CMD_WRITE_EEPROM, &Processor::WriteEeprom, false},
        {CMD_RECALL_PRESET, &Processor::RecallPreset, false},
        {CMD_STORE_PRESET, &Processor::StorePreset, false},
        {CMD_SYSTEM_PARAMS, &Processor::SystemParams, false},
        {CMD_FACTORY_RESET, &Processor::FactoryResetCommand, false},
        {CMD_SELECT_PRESET, &Processor::SelectPreset, false},
        {CMD_DOWNLOAD, &Processor::Download, false},
        {CMD_PRESETNAME, &Processor::PresetName, false},
        {CMD_READ_PROGRAM_BLOCK, &Processor::ReadProgramBlock, false},
        {CMD_READ_PRESET_BLOCK, &Processor::ReadPresetBlock, false},
        {CMD_READ_PRESET_NAME, &Processor::ReadPresetName, false},
        {CMD_COPY_CHANNEL, &Processor::CopyChannel, false},
        {CMD_LOCK_STATUS, &Processor::LockStatus, true},
        {CMD_PASS_SUBMIT, &Processor::PassSubmit, true},
        {CMD_SET_LOCK, &Processor::SetLockCommand, false},
        {CMD_COMP, &Processor::ChannelField, false},
        {CMD_LOW_PASS, &Processor::PassFilter, false},
        {CMD_HIGH_PASS, &Processor::PassFilter, false},
        {CMD_PEQ, &Processor::Peq, false},
        {CMD_GAIN, &Processor::ChannelField, false},
        {CMD_MUTE, &Processor::Mute, false},
        {CMD_POLARITY, &Processor::ChannelField, false},
        {CMD_DELAY, &Processor::ChannelField, false},
        {CMD_WORK_MODE, &Processor::WorkMode, false},
        {CMD_MATRIX, &Processor::ChannelField, false},
        {CMD_LINK, &Processor::ChannelField, false},
        {CMD_EQ_BYPASS, &Processor::EqBypass, false},
        {CMD_CHANNEL_NAME, &Processor::ChannelField, false},
        {CMD_LEVELS, &Processor::LevelsCommand, true},
    };
    for (const Entry &e : kTable)
        if (e.command == command)
            return &e;
    return nullptr;
}

std::optional<Reply> Processor::Handle(std::uint8_t command, Payload payload)
{
    const Entry *entry = Find(command);
    if (!entry)
        return std::nullopt;
    // A locked processor takes nothing but the connection, identity, lock and level requests;
    // everything else is acknowledged and left undone until the password has been accepted.
    if (state_.Locked() && !entry->allowedWhileLocked)
        return Ack();
    command_ = command;
    return (this->*entry->handler)(payload);
}

void Processor::FactoryReset()
{
    state_.program = FactoryImage();
    state_.presets.fill(FactoryImage());
    state_.stored.fill(false);
    state_.currentPreset = 0;
    state_.selectedPreset = 0;
}

void Processor::SetLock(bool on, const std::string &password)
{
    state_.lockOn = on;
    if (on)
        state_.password = password.substr(0, kPasswordSize);
}

unsigned Processor::LinkGroup(int ch) const
{
    const unsigned own = 1u << SideIndex(ch);
    const unsigned sideBits = (1u << SideCount(ch)) - 1;
    const auto maskOf = [&](int c) { return Word(state_.program, ChannelOffset(c, &ChannelFields::linkMask)) & sideBits; };
    // A group head's mask names its members; a member (mask 0) belongs to the first channel of
    // its side whose mask names it; a channel named nowhere stands alone.
    if (maskOf(ch) & own)
        return maskOf(ch);
    for (int i = 0; i < SideIndex(ch); ++i)
        if (const unsigned mask = maskOf(ChannelOfSide(ch, i)); mask & own)
            return mask;
    return own;
}

template <class F> void Processor::ForLinked(int ch, F f)
{
    const unsigned group = LinkGroup(ch);
    for (int i = 0; i < SideCount(ch); ++i)
        if ((group >> i) & 1)
            f(ChannelOfSide(ch, i));
}

std::optional<Reply> Processor::Handshake(Payload)
{
    state_.unlocked = false;  // every connection starts locked when the lock is on
    return Reply{CMD_HANDSHAKE, {}};
}

std::optional<Reply> Processor::EndSession(Payload)
{
    state_.unlocked = false;
    state_.selectedPreset = 0;
    return Ack();
}

std::optional<Reply> Processor::Poll(Payload)
{
    return Ack();
}

std::optional<Reply> Processor::Identity(Payload)
{
    return Reply{CMD_IDENTITY, Bytes(state_.identity.begin(), state_.identity.end())};
}

std::optional<Reply> Processor::CurrentPreset(Payload)
{
    return Reply{CMD_CURRENT_PRESET, {state_.currentPreset}};
}

std::optional<Reply> Processor::DelayUnit(Payload p)
{
    if (!p.empty())
        SetWord(state_.program, kDelayUnit, p[0]);
    return Ack();
}

std::optional<Reply> Processor::ReadEeprom(Payload p)
{
    if (p.size() < 3)
        return Reply{CMD_READ_EEPROM, {}};
    const std::size_t address = WordAt(p, 0);
    Bytes out;
    for (std::size_t i = 0; i < p[2]; ++i) {
        const std::size_t at = address + i;
        out.push_back(at < kEepromHeaderSize ? state_.eepromHeader[at] : 0xFF);  // erased beyond
    }
    return Reply{CMD_READ_EEPROM, out};
}

std::optional<Reply> Processor::WriteEeprom(Payload p)
{
    if (p.size() >= 3) {
        const std::size_t address = WordAt(p, 0);
        const std::size_t count = std::min<std::size_t>(p[2], p.size() - 3);
        for (std::size_t i = 0; i < count && address + i < kEepromHeaderSize; ++i)
            state_.eepromHeader[address + i] = p[3 + i];
    }
    return Ack();
}

std::optional<Reply> Processor::RecallPreset(Payload p)
{
    if (p.empty())
        return Ack();
    const std::uint8_t n = p[0];
    if (n == 0) {
        state_.program = FactoryImage();
    } else if (n <= kPresetSlots && state_.stored[n - 1]) {
        state_.program = state_.presets[n - 1];
        state_.program[kUsedMark] = 0;
    } else {
        return Ack();  // nothing stored there: the program stays
    }
    state_.currentPreset = n;
    return Ack();
}

std::optional<Reply> Processor::StorePreset(Payload p)
{
    if (!p.empty() && p[0] >= 1 && p[0] <= kPresetSlots) {
        Image &slot = state_.presets[p[0] - 1];
        slot = state_.program;
        slot[kUsedMark] = 0xFF;
        state_.stored[p[0] - 1] = true;
        state_.currentPreset = p[0];
    }
    return Ack();
}

std::optional<Reply> Processor::SystemParams(Payload)
{
    Bytes flags(kPresetSlots);
    for (int i = 0; i < kPresetSlots; ++i)
        flags[i] = state_.stored[i] ? 0xFF : 0x00;
    return Reply{CMD_SYSTEM_PARAMS, flags};
}

std::optional<Reply> Processor::FactoryResetCommand(Payload)
{
    FactoryReset();
    return Ack();
}

std::optional<Reply> Processor::SelectPreset(Payload p)
{
    if (!p.empty() && p[0] <= kPresetSlots)
        state_.selectedPreset = p[0];
    return Ack();
}

const Image &Processor::SelectedPresetImage() const
{
    static const Image factory = FactoryImage();
    return state_.selectedPreset == 0 ? factory : state_.presets[state_.selectedPreset - 1];
}

std::optional<Reply> Processor::Download(Payload p)
{
    if (p.size() < 2)
        return Reply{CMD_DOWNLOAD, Bytes(p.begin(), p.end())};
    const std::uint8_t block = p[0];
    const std::uint8_t slot = p[1];
    if (block <= kLastBlock && slot < kPresetSlots) {
        Image &img = state_.presets[slot];
        const std::size_t from = block * kBlockSize;
        const std::size_t count = std::min(p.size() - 2, kImageSize - from);
        std::copy_n(p.begin() + 2, count, img.begin() + static_cast<std::ptrdiff_t>(from));
        state_.stored[slot] = img[kUsedMark] == 0xFF;
    }
    return Reply{CMD_DOWNLOAD, {block}};
}

std::optional<Reply> Processor::PresetName(Payload p)
{
    const std::size_t n = std::min(p.size(), kPresetNameSize);
    std::copy_n(p.begin(), n, state_.program.begin() + kPresetName);
    return Ack();
}

std::optional<Reply> Processor::ReadProgramBlock(Payload p)
{
    // Program blocks come back under the code of the preset select.
    return Reply{CMD_SELECT_PRESET, ImageBlock(state_.program, p.empty() ? 0 : p[0])};
}

std::optional<Reply> Processor::ReadPresetBlock(Payload p)
{
    return Reply{CMD_READ_PRESET_BLOCK, ImageBlock(SelectedPresetImage(), p.empty() ? 0 : p[0])};
}

std::optional<Reply> Processor::ReadPresetName(Payload p)
{
    const std::uint8_t n = p.empty() ? 0 : p[0];
    Bytes out;
    out.reserve(1 + kPresetNameSize);
    out.push_back(n);
    if (n < kPresetSlots) {
        const auto name = state_.presets[n].begin() + kPresetName;
        out.insert(out.end(), name, name + kPresetNameSize);
    }
    return Reply{CMD_READ_PRESET_NAME, out};
}

std::optional<Reply> Processor::CopyChannel(Payload p)
{
    if (p.size() < 2)
        return Ack();
    const int src = p[0], dst = p[1];
    if (!IsValidChannel(src) || !IsValidChannel(dst) || src == dst || IsInputChannel(src) != IsInputChannel(dst))
        return Ack();
    Image &img = state_.program;
    // Everything but name, routing and link mask: filters, bands, compressor, gain, polarity, delay.
    const std::size_t first = IsInputChannel(src) ? kInputFields.bands : kOutputFields.highPass;
    const std::size_t end = FieldsOf(src).linkMask;
    std::copy_n(img.begin() + static_cast<std::ptrdiff_t>(RecordOffset(src) + first), end - first,
                img.begin() + static_cast<std::ptrdiff_t>(RecordOffset(dst) + first));
    SetWord(img, BandBypassOffset(dst), Word(img, BandBypassOffset(src)));
    for (std::size_t mask : {MuteMaskOffset(src), EqBypassMaskOffset(src)})
        SetBit(img, mask, SideIndex(dst), (Word(img, mask) >> SideIndex(src)) & 1);
    return Ack();
}

std::optional<Reply> Processor::LockStatus(Payload)
{
    Bytes out(6, 0);
    out[5] = state_.Locked() ? 1 : 0;
    return Reply{CMD_LOCK_STATUS, out};
}

std::optional<Reply> Processor::PassSubmit(Payload p)
{
    const std::uint8_t kind = p.empty() ? 0 : p[0];
    bool accepted = false;
    if (kind == 0 && p.size() >= 1 + kPasswordSize) {
        const std::string given(p.begin() + 1, p.begin() + 1 + kPasswordSize);
        accepted = !state_.lockOn || given == state_.password;
    }
    if (accepted)
        state_.unlocked = true;
    return Reply{CMD_PASS_SUBMIT, {kind, static_cast<std::uint8_t>(accepted ? 1 : 0)}};
}

std::optional<Reply> Processor::SetLockCommand(Payload p)
{
    if (p.size() >= kPasswordSize) {
        const std::string password(p.begin(), p.begin() + kPasswordSize);
        // "0000" takes the lock off; any other password puts it on. The connection that set it
        // stays unlocked.
        SetLock(password != "0000", password);
        state_.unlocked = true;
    }
    return Ack();
}

std::optional<Reply> Processor::ChannelField(Payload p)
{
    const FieldCommand *f = FindFieldCommand(command_);
    if (!f || p.size() < 1 + f->width || !ValidChannelFor(*f, p[0]))
        return Ack();
    const auto write = [&](int ch) {
        const std::size_t at = ChannelOffset(ch, f->field);
        if (f->width == 1)
            SetWord(state_.program, at, p[1]);
        else
            std::copy_n(p.begin() + 1, f->width, state_.program.begin() + static_cast<std::ptrdiff_t>(at));
    };
    if (f->linked)
        ForLinked(p[0], write);
    else
        write(p[0]);
    return Ack();
}

std::optional<Reply> Processor::PassFilter(Payload p)
{
    if (p.size() < 4 || !IsValidChannel(p[0]))
        return Ack();
    const auto field = command_ == CMD_HIGH_PASS ? &ChannelFields::highPass : &ChannelFields::lowPass;
    ForLinked(p[0], [&](int ch) {
        const std::size_t at = ChannelOffset(ch, field);
        SetWord(state_.program, at, p[3]);                 // slope type
        SetWord(state_.program, at + 2, WordAt(p, 1));     // frequency index
    });
    return Ack();
}

std::optional<Reply> Processor::Peq(Payload p)
{
    if (p.size() < 9 || !IsValidChannel(p[0]) || p[1] >= FieldsOf(p[0]).bandCount)
        return Ack();
    const int band = p[1];
    ForLinked(p[0], [&](int ch) {
        std::copy_n(p.begin() + 2, kBandRecordSize, state_.program.begin() + static_cast<std::ptrdiff_t>(BandOffset(ch, band)));
        SetBit(state_.program, BandBypassOffset(ch), band, p[8] != 0);
    });
    return Ack();
}

std::optional<Reply> Processor::Mute(Payload p)
{
    if (p.size() < 2 || !IsValidChannel(p[0]))
        return Ack();
    ForLinked(p[0], [&](int ch) { SetBit(state_.program, MuteMaskOffset(ch), SideIndex(ch), p[1] != 0); });
    return Ack();
}

std::optional<Reply> Processor::EqBypass(Payload p)
{
    if (p.size() < 2 || !IsValidChannel(p[0]))
        return Ack();
    ForLinked(p[0], [&](int ch) { SetBit(state_.program, EqBypassMaskOffset(ch), SideIndex(ch), p[1] != 0); });
    return Ack();
}

std::optional<Reply> Processor::WorkMode(Payload p)
{
    if (p.size() >= 2) {
        SetWord(state_.program, kSignalMode, p[0]);
        SetWord(state_.program, kSineFreqIndex, p[1]);
    }
    return Ack();
}

std::optional<Reply> Processor::LevelsCommand(Payload)
{
    return Reply{CMD_LEVELS, levels_.Next(state_.program)};
}

}  // namespace devsim
