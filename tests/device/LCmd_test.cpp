#include <gtest/gtest.h>

#include <functional>

#include "device/LCmd.h"

namespace {

struct PayloadCase {
    const char *name;
    std::function<LCmd()> make;
    std::uint8_t command;
    BSTM payload;
};

BSTM Blanks(std::size_t n) { return BSTM(n, ' '); }

BSTM Concat(BSTM a, const BSTM &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<PayloadCase> &PayloadCases()
{
    static const BSTM download28 = [] {
        BSTM d(28);
        for (std::size_t i = 0; i < d.size(); ++i)
            d[i] = static_cast<std::uint8_t>(100 + i);
        return d;
    }();
    static const std::vector<PayloadCase> cases = {
        {"poll", [] { return CM_MCS_CMD(1, CMD_POLL); }, 18, {}},
        {"one byte", [] { return CM_MCS_CMD(1, CMD_RECALL_PRESET, 31); }, 32, {31}},
        {"two bytes", [] { return CM_MCS_CMD(1, CMD_COPY_CHANNEL, 2, 4); }, 42, {2, 4}},
        {"mcu reset", [] { return CM_MCS_MCU_RESET(1); }, 4, {}},
        {"delay unit", [] { return CM_MCS_DELAYUNIT(1, 2); }, 21, {2}},
        {"read eeprom", [] { return CM_MCS_READ_EEPROM(1, 0x0102, 18); }, 25, {0x02, 0x01, 18}},
        {"write eeprom", [] { return CM_MCS_WRITE_EEPROM(1, 0, 3, BSTM{9, 8, 7, 6}); }, 26, {0, 0, 3, 9, 8, 7}},
        {"write eeprom short data padded", [] { return CM_MCS_WRITE_EEPROM(1, 0, 4, BSTM{9, 8}); }, 26,
         {0, 0, 4, 9, 8, 0, 0}},
        {"write eeprom negative count", [] { return CM_MCS_WRITE_EEPROM(1, 0, 0x80, BSTM(200, 1)); }, 26, {0, 0, 0x80}},
        {"download block first", [] { return CM_MCS_DOWNLOAD(1, 4, 10, 28, download28); }, 37,
         Concat({0x0A, 0x04}, download28)},
        {"download short data padded", [] { return CM_MCS_DOWNLOAD(1, 0, 1, 3, BSTM{5}); }, 37, {1, 0, 5, 0, 0}},
        {"preset name padded", [] { return CM_MCS_PRESETNAME(1, "Live"); }, 38,
         Concat({'L', 'i', 'v', 'e'}, Blanks(10))},
        {"password", [] { return CM_MCS_PASS_SUBMIT(1, 0, "1234"); }, 45, {0, '1', '2', '3', '4'}},
        {"short password padded", [] { return CM_MCS_PASS_SUBMIT(1, 0, "ab"); }, 45, {0, 'a', 'b', ' ', ' '}},
        {"long password cut", [] { return CM_MCS_PASS_SUBMIT(1, 0, "abcdef"); }, 45, {0, 'a', 'b', 'c', 'd'}},
        {"set lock empty", [] { return CM_MCS_SET_LOCK(1, ""); }, 47, Blanks(4)},
        {"set lock", [] { return CM_MCS_SET_LOCK(1, "wxyz"); }, 47, {'w', 'x', 'y', 'z'}},
        {"compressor", [] { return CM_MCS_COMP(1, 3, CompressorRecord{15, 49, 199, 220}); }, 48,
         {3, 15, 0, 49, 0, 199, 0, 220, 0}},
        {"low pass", [] { return CM_MCS_LOW_PASS(1, 2, 0x012C, 7); }, 49, {2, 0x2C, 0x01, 7}},
        {"high pass", [] { return CM_MCS_HIGH_PASS(1, 0, 300, 20); }, 50, {0, 0x2C, 0x01, 20}},
        {"peq", [] { return CM_MCS_PEQ(1, 2, 8, PeqBandRecord{0x0102, 0x0304, 5, 6}, 1); }, 51,
         {2, 8, 0x02, 0x01, 0x04, 0x03, 5, 6, 1}},
        {"gain", [] { return CM_MCS_GAIN(1, 0, 300); }, 52, {0, 0x2C, 0x01}},
        {"mute on byte unchanged", [] { return CM_MCS_MUTE(1, 3, 7); }, 53, {3, 7}},
        {"polarity sends 1", [] { return CM_MCS_POLARITY(1, 2, 7); }, 54, {2, 1}},
        {"polarity off", [] { return CM_MCS_POLARITY(1, 2, 0); }, 54, {2, 0}},
        {"delay", [] { return CM_MCS_DELAY(1, 3, 480); }, 56, {3, 0xE0, 0x01}},
        {"work mode", [] { return CM_MCS_WORK_MODE(1, 3, 17); }, 57, {3, 17}},
        {"matrix", [] { return CM_MCS_MATRIX(1, 5, 3); }, 58, {5, 3}},
        {"channel name zero-padded", [] { return CM_MCS_CHANNEL_NAME(1, 4, "Sub"); }, 61,
         {4, 'S', 'u', 'b', 0, 0, 0, 0, 0}},
        {"channel name cut at 8", [] { return CM_MCS_CHANNEL_NAME(1, 4, "LongName12"); }, 61,
         {4, 'L', 'o', 'n', 'g', 'N', 'a', 'm', 'e'}},
    };
    return cases;
}

}  // namespace

TEST(LCmd, PayloadsOfEveryCommand)
{
    for (const PayloadCase &c : PayloadCases()) {
        SCOPED_TRACE(c.name);
        const LCmd cmd = c.make();
        EXPECT_EQ(cmd.GetAddress(), 1);
        EXPECT_EQ(cmd.GetCommand(), c.command);
        EXPECT_EQ(cmd.ToBytes(0), c.payload);
        // The frame wraps the same payload: header, LEN = payload + 1, trailer, XOR of all before it.
        const BSTM frame = cmd.ToBytes(1);
        ASSERT_EQ(frame.size(), c.payload.size() + 9);
        EXPECT_EQ(frame[4], c.payload.size() + 1);
        EXPECT_EQ(BSTM(frame.begin() + 6, frame.end() - 3), c.payload);
    }
}

TEST(LCmd, ExactFrames)
{
    EXPECT_EQ(CM_MCS_CMD(1, CMD_POLL).ToBytes(1), (BSTM{0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13}));
    EXPECT_EQ(LCmd(1, CMD_POLL).ToBytes(1), (BSTM{0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13}));
    // A payload byte 0x10 goes out as it is, and LEN still delimits the frame.
    const BSTM frame = CM_MCS_GAIN(0x10, 0x10, 0x1010).ToBytes(1);
    EXPECT_EQ(frame, (BSTM{0x10, 0x02, 0x00, 0x10, 0x04, 0x34, 0x10, 0x10, 0x10, 0x10, 0x03, 0x31}));
    const LCmd back(frame, 1);
    EXPECT_TRUE(back.IsValid());
    EXPECT_EQ(back.GetPayload(), (BSTM{0x10, 0x10, 0x10}));
    // framed values other than 0 and 1 give nothing.
    EXPECT_TRUE(CM_MCS_GAIN(1, 0, 300).ToBytes(2).empty());
}

TEST(LCmd, ParsesAddressFromSenderAndAcceptsBadChecksum)
{
    const LCmd reply(BSTM{0x10, 0x02, 0x07, 0x99, 0x03, 0x14, 0x05, 0x06, 0x10, 0x03, 0xEE}, 1);
    EXPECT_TRUE(reply.IsValid());
    EXPECT_EQ(reply.GetAddress(), 7);
    EXPECT_EQ(reply.GetCommand(), 0x14);
    EXPECT_EQ(reply.GetPayload(), (BSTM{5, 6}));

    const LCmd raw(BSTM{1, 2, 3}, 0);
    EXPECT_TRUE(raw.IsValid());
    EXPECT_EQ(raw.GetPayload(), (BSTM{1, 2, 3}));
}

TEST(LCmd, DamagedInputsAreInvalid)
{
    const std::vector<std::pair<const char *, BSTM>> cases = {
        {"empty", {}},
        {"one byte", {0x10}},
        {"header only", {0x10, 0x02, 0x00, 0x01}},
        {"five bytes", {0x10, 0x02, 0x00, 0x01, 0x01}},
        {"LEN 0", {0x10, 0x02, 0x00, 0x01, 0x00, 0x12, 0x10, 0x03}},
        {"LEN 0 padded", {0x10, 0x02, 0x00, 0x01, 0x00, 0x12, 0x10, 0x03, 0x13}},
        {"LEN larger than input", {0x10, 0x02, 0x00, 0x01, 0x05, 0x12, 0x10, 0x03, 0x13}},
        {"LEN 255 on a short input", {0x10, 0x02, 0x00, 0x01, 0xFF, 0x12, 0x10, 0x03, 0x13}},
        {"LEN smaller than input", {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13, 0x00}},
        {"bad trailer", {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x04, 0x13}},
        {"bad start", {0x10, 0x03, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13}},
        {"garbage before the frame", {0xFF, 0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13}},
        {"raw 64-byte block", BSTM(64, 0x55)},
    };
    for (const auto &[name, bytes] : cases) {
        SCOPED_TRACE(name);
        const LCmd cmd(bytes, 1);
        EXPECT_FALSE(cmd.IsValid());
        EXPECT_EQ(cmd.GetAddress(), 0);
        EXPECT_EQ(cmd.GetCommand(), 0);
        EXPECT_TRUE(cmd.GetPayload().empty());
    }
    EXPECT_FALSE(LCmd(CM_MCS_CMD(1, CMD_POLL).ToBytes(1), 2).IsValid());
}

TEST(DeviceFrame, ReplyFramesRoundTripForASimulator)
{
    const BSTM payload = {0x10, 0x03, 0x10, 0x02};
    const BSTM frame = BuildDeviceFrame(5, 0, CMD_LEVELS, payload);
    ASSERT_EQ(frame.size(), DeviceFrameSize(frame[4]));
    const auto parsed = ParseDeviceFrame(frame);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->Source, 5);
    EXPECT_EQ(parsed->Destination, 0);
    EXPECT_EQ(parsed->Command, CMD_LEVELS);
    EXPECT_EQ(BSTM(parsed->Payload.begin(), parsed->Payload.end()), payload);
    EXPECT_TRUE(parsed->ChecksumOk);

    BSTM corrupted = frame;
    corrupted.back() ^= 0xFF;
    const auto stillParsed = ParseDeviceFrame(corrupted);
    ASSERT_TRUE(stillParsed.has_value());
    EXPECT_FALSE(stillParsed->ChecksumOk);
}
