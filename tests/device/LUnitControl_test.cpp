#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "FakeDeviceHost.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"

namespace {

class LUnitControlTest : public ::testing::Test {
protected:
    FakeDeviceHost host;
    LUnitControl model{host};

    const std::uint8_t *Bytes() const { return reinterpret_cast<const std::uint8_t *>(&model.GetImage()); }
    int Word(std::size_t offset) const { return Bytes()[offset] | Bytes()[offset + 1] << 8; }

    void ExpectOneCommand(std::uint8_t code, const BSTM &payload, std::uint8_t keep)
    {
        ASSERT_EQ(host.Sent.size(), 1u);
        const auto &sent = host.Sent[0];
        EXPECT_EQ(sent.Command.GetAddress(), static_cast<std::uint8_t>(host.DeviceId));
        EXPECT_EQ(sent.Command.GetCommand(), code);
        EXPECT_EQ(sent.Command.GetPayload(), payload);
        EXPECT_EQ(sent.KeepDuplicates, keep);
        EXPECT_EQ(sent.Framed, 1);
    }
};

TEST_F(LUnitControlTest, FactoryValuesAtTheirOffsets)
{
    EXPECT_EQ(model.GetGain(ChInA), 0);
    EXPECT_EQ(model.GetGain(ChOut1), 280);
    EXPECT_EQ(model.GetLinkMask(ChOut2), 2);
    EXPECT_EQ(model.GetOutputSource(ChOut3), 1);
    for (int ch = 0; ch < ChannelCount; ++ch)
        EXPECT_FALSE(model.IsMuted(ch));
    const PeqBandRecord band = model.GetPeqBand(ChOut1, 8);
    EXPECT_EQ(band.Gain, 120);
    EXPECT_EQ(band.Freq, 285);
    EXPECT_EQ(band.Q, 35);
    EXPECT_EQ(band.Type, 0);
    const CrossoverRecord x = model.GetCrossover(ChInB);
    EXPECT_EQ(x.HighPass.Type, 0);
    EXPECT_EQ(x.HighPass.Freq, 0);
    EXPECT_EQ(x.LowPass.Type, 0);
    EXPECT_EQ(x.LowPass.Freq, 300);
    const CompressorRecord comp = model.GetCompressor(ChOut4);
    EXPECT_EQ(comp.Attack, 49);
    EXPECT_EQ(comp.Release, 199);
    EXPECT_EQ(comp.Threshold, 220);

    // Raw offsets of the processor's layout.
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(Bytes() + 2), 14), "Default Preset");
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(Bytes() + 16), 4), std::string("InA\0", 4));
    EXPECT_EQ(Word(16 + 8 + 2), 41);          // In A band 0 frequency
    EXPECT_EQ(Word(16 + 72 + 70), 2);         // In B link mask
    EXPECT_EQ(Bytes()[160 + 3], '1');         // "Out1"
    EXPECT_EQ(Word(160 + 8), 1);              // Out 1 source
    EXPECT_EQ(Word(160 + 14 + 2), 300);       // Out 1 low-pass frequency
    EXPECT_EQ(Word(160 + 80), 280);           // Out 1 gain
    EXPECT_EQ(Word(160 + 88 + 8), 2);         // Out 2 source
    EXPECT_EQ(Word(160 + 3 * 88 + 86), 8);    // Out 4 link mask
    for (std::size_t i = 512; i < ParameterImageSize; ++i)
        EXPECT_EQ(Bytes()[i], 0) << i;
    EXPECT_EQ(model.GetChannelRecord(ChOut2), Bytes() + 160 + 88);
    EXPECT_EQ(model.GetChannelRecord(6), nullptr);
}

TEST_F(LUnitControlTest, MaskAndBypassBitsComeFromTheirWords)
{
    model.SetMute(ChOut3, 1);
    EXPECT_EQ(Word(514), 1 << 2);
    EXPECT_TRUE(model.IsMuted(ChOut3));
    model.SetPeqBand(ChOut4, 8, PeqBandRecord{130, 200, 50, 2}, 1);
    EXPECT_EQ(Word(520 + 3 * 2), 1 << 8);
    EXPECT_TRUE(model.IsPeqBandBypassed(ChOut4, 8));
    EXPECT_FALSE(model.IsPeqBandBypassed(ChOut4, 7));
    // The factory band is still answered after the change.
    EXPECT_EQ(model.GetDefaultPeqBand(ChOut4, 8).Freq, 285);
    EXPECT_EQ(model.GetPeqBand(ChOut4, 8).Freq, 200);
}

struct LinkCase {
    const char *name;
    std::vector<std::pair<int, std::uint16_t>> masks;  // link masks set before the edit
    std::function<void(LUnitControl &)> edit;
    std::function<bool(const LUnitControl &, int ch)> written;
    std::vector<int> expectWritten;
    std::uint8_t code;
    BSTM payload;
    std::vector<int> curveMarks;
};

TEST_F(LUnitControlTest, LinkedSettersWriteTheEditedChannelsGroupAndSendOneCommand)
{
    const PeqBandRecord band{100, 150, 20, 1};
    const std::vector<LinkCase> cases = {
        {"gain to both inputs", {{ChInA, 3}}, [](LUnitControl &m) { m.SetGain(ChInA, 300); },
         [](const LUnitControl &m, int c) { return m.GetGain(c) == 300; }, {ChInA, ChInB}, CMD_GAIN, {0, 0x2C, 0x01}, {}},
        {"only the edited channel's own mask counts", {{ChInA, 1}, {ChInB, 3}},
         [](LUnitControl &m) { m.SetGain(ChInA, 300); }, [](const LUnitControl &m, int c) { return m.GetGain(c) == 300; },
         {ChInA}, CMD_GAIN, {0, 0x2C, 0x01}, {}},
        {"delay with an empty mask", {{ChOut2, 0}}, [](LUnitControl &m) { m.SetDelay(ChOut2, 480); },
         [](const LUnitControl &m, int c) { return m.GetDelay(c) == 480; }, {}, CMD_DELAY, {3, 0xE0, 0x01}, {}},
        {"mute on all outputs", {{ChOut1, 0x0F}}, [](LUnitControl &m) { m.SetMute(ChOut1, 1); },
         [](const LUnitControl &m, int c) { return m.IsMuted(c); }, {2, 3, 4, 5}, CMD_MUTE, {2, 1}, {}},
        {"polarity stores its byte", {{ChInB, 3}}, [](LUnitControl &m) { m.SetPolarity(ChInB, 2); },
         [](const LUnitControl &m, int c) { return IsInput(c) && m.GetImage().Inputs[c].Polarity == 2; }, {ChInA, ChInB},
         CMD_POLARITY, {1, 1}, {}},
        {"peq band and bypass bit", {{ChOut3, 0b0101}}, [&](LUnitControl &m) { m.SetPeqBand(ChOut3, 3, band, 1); },
         [](const LUnitControl &m, int c) { return m.GetPeqBand(c, 3).Freq == 150 && m.IsPeqBandBypassed(c, 3); },
         {ChOut1, ChOut3}, CMD_PEQ, {4, 3, 100, 0, 150, 0, 20, 1, 1}, {ChOut3}},
        {"high pass", {{ChOut4, 0b1100}}, [](LUnitControl &m) { m.SetHighPass(ChOut4, 200u << 16 | 7u); },
         [](const LUnitControl &m, int c) {
             return m.GetCrossover(c).HighPass.Type == 7 && m.GetCrossover(c).HighPass.Freq == 200;
         },
         {ChOut3, ChOut4}, CMD_HIGH_PASS, {5, 200, 0, 7}, {ChOut4}},
        {"low pass skips the edited channel without its own bit", {{ChInA, 2}},
         [](LUnitControl &m) { m.SetLowPass(ChInA, 250u << 16 | 0x0103u); },
         [](const LUnitControl &m, int c) { return m.GetCrossover(c).LowPass.Type == 0x0103; }, {ChInB}, CMD_LOW_PASS,
         {0, 250, 0, 3}, {ChInA}},
        {"compressor", {{ChOut2, 0b1010}},
         [](LUnitControl &m) { m.SetCompressor(ChOut2, CompressorRecord{3, 9, 99, 180}); },
         [](const LUnitControl &m, int c) { return m.GetCompressor(c).Ratio == 3; }, {ChOut2, ChOut4}, CMD_COMP,
         {3, 3, 0, 9, 0, 99, 0, 180, 0}, {}},
    };
    for (const LinkCase &c : cases) {
        SCOPED_TRACE(c.name);
        LUnitControl m(host);
        for (const auto &[ch, mask] : c.masks)
            m.SetLinkMask(ch, mask);
        host.Clear();
        c.edit(m);
        for (int ch = 0; ch < ChannelCount; ++ch) {
            const bool expected = std::find(c.expectWritten.begin(), c.expectWritten.end(), ch) != c.expectWritten.end();
            EXPECT_EQ(c.written(m, ch), expected) << "channel " << ch;
        }
        ASSERT_EQ(host.Sent.size(), 1u);
        EXPECT_EQ(host.Sent[0].Command.GetCommand(), c.code);
        EXPECT_EQ(host.Sent[0].Command.GetPayload(), c.payload);
        EXPECT_EQ(host.Sent[0].KeepDuplicates, 0);
        EXPECT_EQ(host.Sent[0].Framed, 1);
        EXPECT_EQ(host.CurveMarks, c.curveMarks);
    }
}

TEST_F(LUnitControlTest, UnlinkedSettersTouchOneChannel)
{
    host.DeviceId = 0x1FE;  // the address is the ID's low byte
    model.SetLinkMask(ChOut1, 0x0105);
    EXPECT_EQ(model.GetLinkMask(ChOut1), 0x0105);
    ExpectOneCommand(CMD_LINK, {2, 0x05}, 1);

    host.Clear();
    model.SetOutputSource(ChOut2, 0x0103);
    EXPECT_EQ(model.GetOutputSource(ChOut2), 0x0103);
    EXPECT_EQ(model.GetOutputSource(ChOut4), 2);
    ExpectOneCommand(CMD_MATRIX, {3, 3}, 0);

    host.Clear();
    model.SetChannelName(ChOut3, "Sub");
    EXPECT_EQ(std::memcmp(model.GetChannelRecord(ChOut3), "Sub\0\0\0\0\0", 8), 0);
    ExpectOneCommand(CMD_CHANNEL_NAME, {4, 'S', 'u', 'b', 0, 0, 0, 0, 0}, 1);

    host.Clear();
    model.SetDelayUnit(0x0102);
    EXPECT_EQ(model.GetDelayUnit(), 0x0102);
    ExpectOneCommand(CMD_DELAYUNIT, {0x02}, 0);

    host.Clear();
    model.SetEqBypassMask(ChOut1, 0x0A);
    EXPECT_EQ(model.GetEqBypassMask(ChOut4), 0x0A);
    EXPECT_EQ(model.GetEqBypassMask(ChInA), 0);
    EXPECT_TRUE(host.Sent.empty());
}

TEST_F(LUnitControlTest, NothingIsSentWhileControlsUpdateButCurvesAreStillMarked)
{
    host.ControlsUpdating = true;
    model.SetGain(ChInA, 10);
    model.SetDelay(ChOut1, 10);
    model.SetMute(ChOut1, 1);
    model.SetPolarity(ChOut1, 1);
    model.SetCompressor(ChOut1, CompressorRecord{1, 2, 3, 4});
    model.SetPeqBand(ChOut1, 0, PeqBandRecord{1, 2, 3, 4}, 0);
    model.SetHighPass(ChInB, 5u << 16 | 1u);
    model.SetLowPass(ChOut2, 5u << 16 | 1u);
    model.SetDelayUnit(1);
    model.SetOutputSource(ChOut1, 3);
    model.SetLinkMask(ChOut1, 3);
    model.SetChannelName(ChOut1, "x");
    EXPECT_TRUE(host.Sent.empty());
    EXPECT_EQ(host.CurveMarks, (std::vector<int>{ChOut1, ChInB, ChOut2}));
    EXPECT_EQ(model.GetCrossover(ChInB).HighPass.Freq, 5);
    EXPECT_EQ(model.GetGain(ChInA), 10);
}

TEST_F(LUnitControlTest, CopyChannelSettingsKeepsNameSourceAndLink)
{
    model.SetCompressor(ChOut1, CompressorRecord{5, 6, 7, 8});
    model.SetPeqBand(ChOut1, 2, PeqBandRecord{111, 222, 33, 4}, 1);
    model.SetHighPass(ChOut1, 90u << 16 | 3u);
    model.SetGain(ChOut1, 123);
    model.SetPolarity(ChOut1, 1);
    model.SetDelay(ChOut1, 77);
    model.SetMute(ChOut1, 1);
    model.SetEqBypassMask(ChOut1, 0b0001);
    model.SetChannelName(ChOut3, "Keep");
    host.Clear();

    model.CopyChannelSettings(ChOut1, ChOut3);
    const auto &out1 = model.GetImage().Outputs[0];
    const auto &out3 = model.GetImage().Outputs[2];
    EXPECT_EQ(std::memcmp(&out3.HighPass, &out1.HighPass, offsetof(OutputChannelRecord, LinkMask) - 10), 0);
    EXPECT_EQ(std::memcmp(out3.Name, "Keep", 4), 0);
    EXPECT_EQ(out3.Source, 1);
    EXPECT_EQ(out3.LinkMask, 4);
    EXPECT_TRUE(model.IsMuted(ChOut3));
    EXPECT_TRUE(model.IsPeqBandBypassed(ChOut3, 2));
    EXPECT_EQ(model.GetEqBypassMask(ChOut3), 0b0101);
    EXPECT_TRUE(host.Sent.empty());

    // Across sides nothing is written.
    const ParameterImage before = model.GetImage();
    model.CopyChannelSettings(ChInA, ChOut1);
    EXPECT_EQ(std::memcmp(&before, &model.GetImage(), sizeof before), 0);
    // Inputs copy bands to link mask exclusive.
    model.SetGain(ChInB, 99);
    model.CopyChannelSettings(ChInB, ChInA);
    EXPECT_EQ(model.GetGain(ChInA), 99);
    EXPECT_EQ(model.GetLinkMask(ChInA), 1);
}

}  // namespace
