// The simulated processor driven in process through frames, as the editor drives it.

#include "SimTestUtil.h"

#include "device/GlobalConstants.h"

#include <cstring>

namespace devsim::test {
namespace {

using ProcessorTest = InProcessTest;

TEST_F(ProcessorTest, HandshakeAndIdentityComeFromTheDeviceAddress)
{
    const ReplyFrame hello = Ask(CMD_HANDSHAKE);
    EXPECT_EQ(hello.command, CMD_HANDSHAKE);
    EXPECT_EQ(hello.source, 1);
    EXPECT_EQ(hello.destination, 0);
    EXPECT_TRUE(hello.checksumOk);
    EXPECT_TRUE(hello.payload.empty());

    const ReplyFrame id = Ask(CMD_IDENTITY);
    EXPECT_EQ(id.command, CMD_IDENTITY);
    EXPECT_EQ(std::string(id.payload.begin(), id.payload.end()), "VELMTROV316 V011");
    EXPECT_EQ(Ask(CMD_POLL).command, CMD_ACK);
}

TEST_F(ProcessorTest, OnlyItsOwnAddressAndTheBroadcastAreAnswered)
{
    sim.WithProcessor([](Processor &p) { p.State().deviceId = 7; });
    EXPECT_TRUE(Send(Request(CMD_HANDSHAKE, {}, 1)).empty());
    EXPECT_EQ(Ask(Request(CMD_HANDSHAKE, {}, 7)).source, 7);
    EXPECT_EQ(Ask(Request(CMD_DISCONNECT, {}, 255)).command, CMD_ACK);
}

// The editor's whole connect sequence: flags, current preset, 31 names, 11 program blocks.
TEST_F(ProcessorTest, FullReadReturnsTheFactoryImageInElevenBlocks)
{
    Ask(CMD_HANDSHAKE);
    Ask(CMD_IDENTITY);
    EXPECT_EQ(Ask(CMD_LOCK_STATUS).payload.at(5), 0);
    EXPECT_EQ(Ask(CMD_SYSTEM_PARAMS).payload, Bytes(31, 0x00));
    EXPECT_EQ(Ask(CMD_CURRENT_PRESET).payload, Bytes{0});
    for (std::uint8_t n = 0; n < 31; ++n) {
        const ReplyFrame name = Ask(CMD_READ_PRESET_NAME, {n});
        ASSERT_EQ(name.payload.size(), 15u);
        EXPECT_EQ(name.payload[0], n);
        EXPECT_EQ(std::string(name.payload.begin() + 1, name.payload.end()), "Default Preset");
    }
    Bytes image;
    for (std::uint8_t b = 0; b <= 10; ++b) {
        const ReplyFrame block = Ask(CMD_READ_PROGRAM_BLOCK, {b});
        EXPECT_EQ(block.command, CMD_SELECT_PRESET);  // program blocks come back as code 36
        ASSERT_FALSE(block.payload.empty());
        EXPECT_EQ(block.payload[0], b);
        EXPECT_EQ(block.payload.size(), b < 10 ? 51u : 39u);
        image.insert(image.end(), block.payload.begin() + 1, block.payload.end());
    }
    ASSERT_EQ(image.size(), 538u);
    // The simulator builds its factory image on its own; the editor's must be the same bytes.
    const auto *editor = reinterpret_cast<const std::uint8_t *>(&DefaultParameterImage);
    EXPECT_EQ(image, Bytes(editor, editor + 538));
    EXPECT_EQ(Ask(CMD_POLL).command, CMD_ACK);
}

TEST_F(ProcessorTest, FactoryImageSpotValues)
{
    const Image img = FactoryImage();
    EXPECT_EQ(std::string(img.begin() + 2, img.begin() + 16), "Default Preset");
    EXPECT_EQ(img[80] | img[81] << 8, 0);       // In A gain: bottom of the scale
    EXPECT_EQ(img[240] | img[241] << 8, 280);   // Out 1 gain: 0 dB
    EXPECT_EQ(img[158], 2);                     // In B link mask (88 + 70)
    EXPECT_EQ(img[334], 2);                     // Out 2 link mask (248 + 86)
    EXPECT_EQ(img[256], 2);                     // Out 2 fed from In B
}

struct ParameterCase {
    const char *name;
    Bytes request;  // built with the editor's command classes
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;  // image offset and its new value
};

Bytes Frame(const LCmd &cmd)
{
    return cmd.ToBytes(1);
}

std::vector<ParameterCase> ParameterCases()
{
    const PeqBandRecord band{130, 150, 20, 2};
    const CompressorRecord comp{5, 9, 99, 150};
    return {
        {"gain In A", Frame(CM_MCS_GAIN(1, 0, 300)), {{80, 0x2C}, {81, 0x01}}},
        {"gain Out 4", Frame(CM_MCS_GAIN(1, 5, 0x155)), {{504, 0x55}, {505, 0x01}}},
        {"delay In B", Frame(CM_MCS_DELAY(1, 1, 480)), {{156, 0xE0}, {157, 0x01}}},
        {"delay Out 2", Frame(CM_MCS_DELAY(1, 3, 32640)), {{332, 0x80}, {333, 0x7F}}},
        {"polarity Out 3", Frame(CM_MCS_POLARITY(1, 4, 7)), {{418, 1}}},
        {"mute In B", Frame(CM_MCS_MUTE(1, 1, 1)), {{512, 0x02}}},
        {"mute Out 3", Frame(CM_MCS_MUTE(1, 4, 1)), {{514, 0x04}}},
        {"compressor Out 1", Frame(CM_MCS_COMP(1, 2, comp)),
         {{232, 5}, {234, 9}, {236, 99}, {238, 150}, {235, 0}, {237, 0}, {239, 0}, {233, 0}}},
        {"low-pass In A", Frame(CM_MCS_LOW_PASS(1, 0, 200, 3)), {{76, 3}, {78, 200}, {79, 0}}},
        {"high-pass Out 4", Frame(CM_MCS_HIGH_PASS(1, 5, 0x123, 12)), {{434, 12}, {436, 0x23}, {437, 0x01}}},
        {"PEQ In A band 7", Frame(CM_MCS_PEQ(1, 0, 7, band, 1)),
         {{66, 130}, {67, 0}, {68, 150}, {69, 0}, {70, 20}, {71, 2}, {516, 0x80}}},
        {"PEQ Out 4 band 8", Frame(CM_MCS_PEQ(1, 5, 8, band, 1)),
         {{490, 130}, {492, 150}, {493, 0}, {494, 20}, {495, 2}, {527, 0x01}}},
        {"matrix Out 2", Frame(CM_MCS_MATRIX(1, 3, 3)), {{256, 3}}},
        {"link Out 1", Frame(CM_MCS_CMD(1, CMD_LINK, 2, 0x0F)), {{246, 0x0F}}},
        {"channel name In B", Frame(CM_MCS_CHANNEL_NAME(1, 1, "Vocal")),
         {{88, 'V'}, {89, 'o'}, {90, 'c'}, {91, 'a'}, {92, 'l'}}},
        {"EQ bypass Out 3", Frame(CM_MCS_CMD(1, CMD_EQ_BYPASS, 4, 1)), {{536, 0x04}}},
        {"delay unit", Frame(CM_MCS_DELAYUNIT(1, 2)), {{532, 2}}},
        {"work mode", Frame(CM_MCS_WORK_MODE(1, 3, 17)), {{528, 3}, {530, 17}}},
        {"preset name", Frame(CM_MCS_PRESETNAME(1, "Live Show")),
         {{2, 'L'}, {3, 'i'}, {4, 'v'}, {5, 'e'}, {6, ' '}, {7, 'S'}, {8, 'h'}, {9, 'o'}, {10, 'w'},
          {11, ' '}, {12, ' '}, {13, ' '}, {14, ' '}, {15, ' '}}},
    };
}

// Each parameter command is acknowledged and changes exactly the bytes of its field (offsets
// written out by hand here, apart from the simulator's own layout table).
TEST_F(ProcessorTest, EachParameterCommandChangesExactlyItsBytes)
{
    for (const ParameterCase &c : ParameterCases()) {
        SCOPED_TRACE(c.name);
        sim.WithProcessor([](Processor &p) { p.FactoryReset(); });
        Image expected = Program();
        for (const auto &[at, value] : c.bytes)
            expected[at] = value;
        EXPECT_EQ(Ask(c.request).command, CMD_ACK);
        const Image after = Program();
        for (std::size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(after[i], expected[i]) << "image byte " << i;
    }
}

TEST_F(ProcessorTest, ParameterCommandsOutOfRangeChangeNothing)
{
    const Image before = Program();
    for (const Bytes &bad : {Frame(CM_MCS_GAIN(1, 6, 300)), Frame(CM_MCS_COMP(1, 1, {1, 2, 3, 4})),
                             Frame(CM_MCS_PEQ(1, 0, 8, {1, 2, 3, 4}, 0)), Frame(CM_MCS_MATRIX(1, 0, 3)),
                             Request(CMD_GAIN, {2, 0x10}), Request(CMD_PEQ, {})})
        EXPECT_EQ(Ask(bad).command, CMD_ACK);
    EXPECT_EQ(Program(), before);
}

TEST_F(ProcessorTest, LinkedChannelsFollowTheirGroup)
{
    Ask(Frame(CM_MCS_CMD(1, CMD_LINK, 0, 3)));  // In A heads In A + In B
    Ask(Frame(CM_MCS_CMD(1, CMD_LINK, 1, 0)));  // In B is a member
    Ask(Frame(CM_MCS_GAIN(1, 0, 300)));
    Image img = Program();
    EXPECT_EQ(img[80] | img[81] << 8, 300);
    EXPECT_EQ(img[152] | img[153] << 8, 300);
    Ask(Frame(CM_MCS_MUTE(1, 1, 1)));  // a member edits its whole group
    EXPECT_EQ(Program()[512], 0x03);

    // Out 2 in no group (mask 0, named by no other mask) stands alone.
    Ask(Frame(CM_MCS_CMD(1, CMD_LINK, 3, 0)));
    Ask(Frame(CM_MCS_DELAY(1, 3, 480)));
    img = Program();
    EXPECT_EQ(img[332] | img[333] << 8, 480);
    for (std::size_t delay : {244u, 420u, 508u})
        EXPECT_EQ(img[delay] | img[delay + 1] << 8, 0);
    // Matrix and names are never shared.
    Ask(Frame(CM_MCS_CMD(1, CMD_LINK, 2, 0x0F)));
    Ask(Frame(CM_MCS_MATRIX(1, 2, 3)));
    EXPECT_EQ(Program()[256], 2);
}

TEST_F(ProcessorTest, CopyChannelCopiesSettingsButNotNameSourceOrLink)
{
    Ask(Frame(CM_MCS_GAIN(1, 2, 123)));
    Ask(Frame(CM_MCS_PEQ(1, 2, 3, {100, 60, 5, 1}, 1)));
    Ask(Frame(CM_MCS_MUTE(1, 2, 1)));
    Ask(Frame(CM_MCS_CMD(1, CMD_EQ_BYPASS, 2, 1)));
    EXPECT_EQ(Ask(Frame(CM_MCS_CMD(1, CMD_COPY_CHANNEL, 2, 4))).command, CMD_ACK);
    const Image img = Program();
    // Out 1 record at 160, Out 3 at 336: bytes 10..85 copied, 0..9 and 86..87 kept.
    EXPECT_TRUE(std::equal(img.begin() + 170, img.begin() + 246, img.begin() + 346));
    EXPECT_EQ(std::string(img.begin() + 336, img.begin() + 340), "Out3");
    EXPECT_EQ(img[344], 1);  // Out 3 source In A as before
    EXPECT_EQ(img[422], 4);  // link mask
    EXPECT_EQ(img[524], 0x08);  // band-bypass word of Out 3 (bit 3)
    EXPECT_EQ(img[514], 0x05);
    EXPECT_EQ(img[536], 0x05);
    // Across sides nothing happens.
    EXPECT_EQ(Ask(Frame(CM_MCS_CMD(1, CMD_COPY_CHANNEL, 0, 2))).command, CMD_ACK);
    EXPECT_EQ(Program(), img);
}

TEST_F(ProcessorTest, StoreThenRecallRoundTripsAPreset)
{
    Ask(Frame(CM_MCS_GAIN(1, 3, 250)));
    Ask(Frame(CM_MCS_PRESETNAME(1, "Stage Left")));
    const Image stored = Program();
    EXPECT_EQ(Ask(CMD_STORE_PRESET, {5}).command, CMD_ACK);
    Bytes flags(31, 0);
    flags[4] = 0xFF;
    EXPECT_EQ(Ask(CMD_SYSTEM_PARAMS).payload, flags);
    EXPECT_EQ(Ask(CMD_CURRENT_PRESET).payload, Bytes{5});
    const ReplyFrame name = Ask(CMD_READ_PRESET_NAME, {4});
    EXPECT_EQ(std::string(name.payload.begin() + 1, name.payload.end()), "Stage Left    ");

    // The stored preset reads back through select + preset blocks, used mark set.
    EXPECT_EQ(Ask(CMD_SELECT_PRESET, {5}).command, CMD_ACK);
    Bytes preset;
    for (std::uint8_t b = 0; b <= 10; ++b) {
        const ReplyFrame block = Ask(CMD_READ_PRESET_BLOCK, {b});
        EXPECT_EQ(block.command, CMD_READ_PRESET_BLOCK);
        preset.insert(preset.end(), block.payload.begin() + 1, block.payload.end());
    }
    ASSERT_EQ(preset.size(), 538u);
    EXPECT_EQ(preset[0], 0xFF);
    EXPECT_TRUE(std::equal(preset.begin() + 1, preset.end(), stored.begin() + 1));

    Ask(CMD_RECALL_PRESET, {0});  // the factory preset
    EXPECT_EQ(Program(), FactoryImage());
    EXPECT_EQ(Ask(CMD_RECALL_PRESET, {5}).command, CMD_ACK);
    EXPECT_EQ(Program(), stored);
    EXPECT_EQ(Ask(CMD_CURRENT_PRESET).payload, Bytes{5});
    // A slot never stored leaves the program as it is.
    Ask(CMD_RECALL_PRESET, {6});
    EXPECT_EQ(Program(), stored);
    EXPECT_EQ(Ask(CMD_CURRENT_PRESET).payload, Bytes{5});
}

TEST_F(ProcessorTest, FactoryResetEmptiesPresetsButKeepsTheHeader)
{
    Ask(Frame(CM_MCS_WRITE_EEPROM(1, 0, 18, Text("HEADER-0123456789!"))));
    Ask(Frame(CM_MCS_GAIN(1, 2, 1)));
    Ask(CMD_STORE_PRESET, {31});
    EXPECT_EQ(Ask(CMD_FACTORY_RESET).command, CMD_ACK);
    EXPECT_EQ(Program(), FactoryImage());
    EXPECT_EQ(Ask(CMD_SYSTEM_PARAMS).payload, Bytes(31, 0));
    EXPECT_EQ(Ask(CMD_CURRENT_PRESET).payload, Bytes{0});
    EXPECT_EQ(Ask(Frame(CM_MCS_READ_EEPROM(1, 0, 18))).payload, Text("HEADER-0123456789!"));
}

// What a unit-file download writes: header, then per record blocks 0..10 of image bytes 0..527.
TEST_F(ProcessorTest, DownloadWritesPresetRecords)
{
    Image record = FactoryImage();
    record[0] = 0xFF;
    std::memcpy(&record[2], "Downloaded    ", 14);
    record[240] = 0x77;
    Ask(CMD_FACTORY_RESET);
    Ask(Frame(CM_MCS_WRITE_EEPROM(1, 0, 18, Text("abcdefghijklmnopqr"))));
    for (std::uint8_t b = 0; b <= 10; ++b) {
        const std::size_t count = b < 10 ? 50 : 28;
        const ReplyFrame ack = Ask(Frame(CM_MCS_DOWNLOAD(1, 2, b, count, std::span(record).subspan(50 * b, count))));
        EXPECT_EQ(ack.command, CMD_DOWNLOAD);
        EXPECT_EQ(ack.payload, Bytes{b});
    }
    EXPECT_EQ(Ask(CMD_SYSTEM_PARAMS).payload[2], 0xFF);
    EXPECT_EQ(Ask(CMD_READ_PRESET_NAME, {2}).payload, Text("\x02" "Downloaded    "));
    EXPECT_EQ(Ask(Frame(CM_MCS_READ_EEPROM(1, 0, 18))).payload, Text("abcdefghijklmnopqr"));
    Ask(CMD_RECALL_PRESET, {3});
    EXPECT_EQ(Program()[240], 0x77);
    EXPECT_EQ(Ask(Frame(CM_MCS_MCU_RESET(1))).command, CMD_ACK);
}

TEST_F(ProcessorTest, TheLockBlocksTheReadUntilTheRightPassword)
{
    sim.WithProcessor([](Processor &p) { p.SetLock(true, "5831"); });
    Ask(CMD_HANDSHAKE);
    EXPECT_EQ(Ask(CMD_LOCK_STATUS).payload, Bytes({0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Ask(CMD_SYSTEM_PARAMS).command, CMD_ACK);  // held back
    EXPECT_EQ(Ask(CMD_READ_PROGRAM_BLOCK, {0}).command, CMD_ACK);
    const Image before = Program();
    Ask(Frame(CM_MCS_GAIN(1, 2, 10)));
    EXPECT_EQ(Program(), before);  // and no edit takes

    EXPECT_EQ(Ask(Frame(CM_MCS_PASS_SUBMIT(1, 0, "1234"))).payload, Bytes({0, 0}));
    EXPECT_EQ(Ask(CMD_SYSTEM_PARAMS).command, CMD_ACK);
    EXPECT_EQ(Ask(Frame(CM_MCS_PASS_SUBMIT(1, 0, "5831"))).payload, Bytes({0, 1}));
    EXPECT_EQ(Ask(CMD_SYSTEM_PARAMS).command, CMD_SYSTEM_PARAMS);
    EXPECT_EQ(Ask(CMD_LOCK_STATUS).payload[5], 0);

    // The next connection is locked again; "0000" takes the lock off.
    Ask(CMD_HANDSHAKE);
    EXPECT_EQ(Ask(CMD_LOCK_STATUS).payload[5], 1);
    Ask(Frame(CM_MCS_PASS_SUBMIT(1, 0, "5831")));
    Ask(Frame(CM_MCS_SET_LOCK(1, "0000")));
    Ask(CMD_HANDSHAKE);
    EXPECT_EQ(Ask(CMD_LOCK_STATUS).payload[5], 0);
    Ask(Frame(CM_MCS_SET_LOCK(1, "4321")));
    Ask(CMD_HANDSHAKE);
    EXPECT_EQ(Ask(CMD_LOCK_STATUS).payload[5], 1);
}

TEST_F(ProcessorTest, LevelReplyCarriesSixLevelsAndFlags)
{
    const ReplyFrame levels = Ask(CMD_LEVELS);
    EXPECT_EQ(levels.command, CMD_LEVELS);
    EXPECT_EQ(levels.payload.size(), 19u);
}

TEST_F(ProcessorTest, UnknownCodesAndAcknowledgementsGetNoReply)
{
    EXPECT_TRUE(Send(Request(CMD_ACK)).empty());
    EXPECT_TRUE(Send(Request(99)).empty());
}

}  // namespace
}  // namespace devsim::test
