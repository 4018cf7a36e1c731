#include "device/LUnitControl.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "device/GlobalConstants.h"

namespace {

bool IsBand(int ch, int band) { return IsChannel(ch) && band >= 0 && band < BandCount(ch); }

void SetBit(std::uint16_t &word, int bit, bool on)
{
    const auto m = static_cast<std::uint16_t>(1u << bit);
    word = static_cast<std::uint16_t>(on ? word | m : word & ~m);
}

bool TestBit(std::uint16_t word, int bit) { return bit >= 0 && bit < 16 && (word >> bit & 1u) != 0; }

std::string_view NameText(const std::uint8_t (&name)[ChannelNameSize])
{
    return {reinterpret_cast<const char *>(name), ChannelNameSize};
}

}  // namespace

LUnitControl::LUnitControl(DeviceHost &host) : Host(host)
{
    LoadDefaults();
}

void LUnitControl::LoadDefaults()
{
    Image = DefaultParameterImage;
}

// --- Accessors ---------------------------------------------------------------------------------

int LUnitControl::GetGain(int ch) const
{
    return IsChannel(ch) ? WithRecord(Image, ch, [](const auto &r) { return int{r.Gain}; }) : 0;
}

int LUnitControl::GetDelay(int ch) const
{
    return IsChannel(ch) ? WithRecord(Image, ch, [](const auto &r) { return int{r.Delay}; }) : 0;
}

int LUnitControl::GetPolarity(int ch) const
{
    return IsChannel(ch) && WithRecord(Image, ch, [](const auto &r) { return r.Polarity != 0; }) ? 1 : 0;
}

bool LUnitControl::IsMuted(int ch) const
{
    return IsChannel(ch) && TestBit(MuteMaskOf(Image, ch), SideIndex(ch));
}

bool LUnitControl::IsPeqBandBypassed(int ch, int band) const
{
    return IsChannel(ch) && TestBit(BandBypassOf(Image, ch), band);
}

PeqBandRecord LUnitControl::GetPeqBand(int ch, int band) const
{
    return IsBand(ch, band) ? BandOf(Image, ch, band) : PeqBandRecord{};
}

PeqBandRecord LUnitControl::GetDefaultPeqBand(int ch, int band)
{
    return IsBand(ch, band) ? BandOf(DefaultParameterImage, ch, band) : PeqBandRecord{};
}

CrossoverRecord LUnitControl::GetCrossover(int ch) const
{
    if (!IsChannel(ch))
        return {};
    return WithRecord(Image, ch, [](const auto &r) { return CrossoverRecord{r.HighPass, r.LowPass}; });
}

CompressorRecord LUnitControl::GetCompressor(int ch) const
{
    return IsOutput(ch) ? Image.Outputs[ch - InputCount].Comp : CompressorRecord{};
}

int LUnitControl::GetOutputSource(int ch) const
{
    return IsOutput(ch) ? Image.Outputs[ch - InputCount].Source : 0;
}

int LUnitControl::GetLinkMask(int ch) const
{
    return IsChannel(ch) ? WithRecord(Image, ch, [](const auto &r) { return int{r.LinkMask}; }) : 0;
}

const std::uint8_t *LUnitControl::GetChannelRecord(int ch) const
{
    if (!IsChannel(ch))
        return nullptr;
    return WithRecord(Image, ch, [](const auto &r) { return reinterpret_cast<const std::uint8_t *>(&r); });
}

int LUnitControl::GetEqBypassMask(int ch) const
{
    return IsChannel(ch) ? EqBypassMaskOf(Image, ch) : 0;
}

void LUnitControl::SetEqBypassMask(int ch, std::uint16_t mask)
{
    if (IsChannel(ch))
        EqBypassMaskOf(Image, ch) = mask;
}

// --- Setters -----------------------------------------------------------------------------------

std::uint8_t LUnitControl::Address() const
{
    return static_cast<std::uint8_t>(Host.GetDeviceId());
}

void LUnitControl::Send(const LCmd &command, std::uint8_t keepDuplicates)
{
    if (!Host.IsControlsUpdating())
        Host.SendCommand(command, keepDuplicates, 1);
}

template <class F>
void LUnitControl::ForLinked(int ch, F &&f)
{
    const int mask = GetLinkMask(ch);
    const int base = IsInput(ch) ? ChInA : ChOut1;
    const int count = IsInput(ch) ? InputCount : OutputCount;
    for (int i = 0; i < count; ++i)
        if (mask >> i & 1)
            f(base + i);
}

void LUnitControl::SetCompressor(int ch, const CompressorRecord &comp)
{
    if (!IsChannel(ch))
        return;
    // Compressors exist on outputs only: the mask's low four bits name outputs whatever ch is.
    const int mask = GetLinkMask(ch);
    for (int i = 0; i < OutputCount; ++i)
        if (mask >> i & 1)
            Image.Outputs[i].Comp = comp;
    Send(CM_MCS_COMP(Address(), ch, comp), 0);
}

void LUnitControl::SetPolarity(int ch, std::uint8_t on)
{
    if (!IsChannel(ch))
        return;
    ForLinked(ch, [&](int c) { WithRecord(Image, c, [&](auto &r) { r.Polarity = on; }); });
    Send(CM_MCS_POLARITY(Address(), ch, on), 0);
}

void LUnitControl::SetPeqBand(int ch, int band, const PeqBandRecord &rec, std::uint8_t bypass)
{
    if (!IsBand(ch, band))
        return;
    ForLinked(ch, [&](int c) {
        BandOf(Image, c, band) = rec;
        SetBit(BandBypassOf(Image, c), band, bypass != 0);
    });
    Send(CM_MCS_PEQ(Address(), ch, band, rec, bypass), 0);
    Host.MarkCurveChanged(ch);
}

void LUnitControl::SetPassFilter(int ch, std::uint32_t filter, bool lowPass)
{
    if (!IsChannel(ch))
        return;
    const PassFilterRecord rec{static_cast<std::uint16_t>(filter), static_cast<std::uint16_t>(filter >> 16)};
    ForLinked(ch, [&](int c) { WithRecord(Image, c, [&](auto &r) { (lowPass ? r.LowPass : r.HighPass) = rec; }); });
    const auto type = static_cast<std::uint8_t>(rec.Type);
    if (lowPass)
        Send(CM_MCS_LOW_PASS(Address(), ch, rec.Freq, type), 0);
    else
        Send(CM_MCS_HIGH_PASS(Address(), ch, rec.Freq, type), 0);
    Host.MarkCurveChanged(ch);
}

void LUnitControl::SetHighPass(int ch, std::uint32_t filter) { SetPassFilter(ch, filter, false); }
void LUnitControl::SetLowPass(int ch, std::uint32_t filter) { SetPassFilter(ch, filter, true); }

void LUnitControl::SetGain(int ch, int code)
{
    if (!IsChannel(ch))
        return;
    ForLinked(ch, [&](int c) { WithRecord(Image, c, [&](auto &r) { r.Gain = static_cast<std::uint16_t>(code); }); });
    Send(CM_MCS_GAIN(Address(), ch, code), 0);
}

void LUnitControl::SetDelay(int ch, int samples)
{
    if (!IsChannel(ch))
        return;
    ForLinked(ch, [&](int c) { WithRecord(Image, c, [&](auto &r) { r.Delay = static_cast<std::uint16_t>(samples); }); });
    Send(CM_MCS_DELAY(Address(), ch, samples), 0);
}

void LUnitControl::SetMute(int ch, std::uint8_t on)
{
    if (!IsChannel(ch))
        return;
    ForLinked(ch, [&](int c) { SetBit(MuteMaskOf(Image, c), SideIndex(c), on != 0); });
    Send(CM_MCS_MUTE(Address(), ch, on), 0);
}

void LUnitControl::SetDelayUnit(std::uint16_t unit)
{
    Image.DelayUnit = unit;
    Send(CM_MCS_DELAYUNIT(Address(), static_cast<std::uint8_t>(unit)), 0);
}

void LUnitControl::RecordSignal(std::uint8_t mode, std::uint8_t sineIndex)
{
    Image.SignalMode = mode;
    Image.SineFreqIndex = sineIndex;
}

void LUnitControl::SetOutputSource(int ch, std::uint16_t mask)
{
    if (!IsOutput(ch))
        return;
    Image.Outputs[ch - InputCount].Source = mask;
    Send(CM_MCS_MATRIX(Address(), ch, static_cast<std::uint8_t>(mask)), 0);
}

void LUnitControl::SetLinkMask(int ch, std::uint16_t mask)
{
    if (!IsChannel(ch))
        return;
    WithRecord(Image, ch, [&](auto &r) { r.LinkMask = mask; });
    Send(CM_MCS_CMD(Address(), CMD_LINK, static_cast<std::uint8_t>(ch), static_cast<std::uint8_t>(mask)), 1);
}

void LUnitControl::SetChannelName(int ch, std::string_view name)
{
    if (!IsChannel(ch))
        return;
    WithRecord(Image, ch, [&](auto &r) {
        std::memset(r.Name, 0, ChannelNameSize);
        std::memcpy(r.Name, name.data(), std::min(name.size(), ChannelNameSize));
        Send(CM_MCS_CHANNEL_NAME(Address(), ch, NameText(r.Name)), 1);
    });
}

void LUnitControl::CopyChannelSettings(int src, int dst)
{
    if (!IsChannel(src) || !IsChannel(dst) || IsInput(src) != IsInput(dst))
        return;
    BandBypassOf(Image, dst) = BandBypassOf(Image, src);
    SetBit(MuteMaskOf(Image, dst), SideIndex(dst), TestBit(MuteMaskOf(Image, src), SideIndex(src)));
    SetBit(EqBypassMaskOf(Image, dst), SideIndex(dst), TestBit(EqBypassMaskOf(Image, src), SideIndex(src)));
    // Everything between the name (inputs) or the source (outputs) and the link mask.
    const auto copy = [](auto &to, const auto &from, std::size_t begin) {
        constexpr std::size_t end = offsetof(std::remove_cvref_t<decltype(to)>, LinkMask);
        std::memmove(reinterpret_cast<std::uint8_t *>(&to) + begin, reinterpret_cast<const std::uint8_t *>(&from) + begin,
                    end - begin);
    };
    if (IsInput(src))
        copy(Image.Inputs[dst], Image.Inputs[src], offsetof(InputChannelRecord, Peq));
    else
        copy(Image.Outputs[dst - InputCount], Image.Outputs[src - InputCount], offsetof(OutputChannelRecord, HighPass));
}
