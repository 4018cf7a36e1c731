#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "FakeDeviceHost.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "platform/os/AtomicFile.h"

namespace {

namespace fs = std::filesystem;

const std::uint8_t *BytesOf(const ParameterImage &image) { return reinterpret_cast<const std::uint8_t *>(&image); }

BSTM ToBytes(std::string_view s) { return BSTM(s.begin(), s.end()); }

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Block b of a read: the block number, then `size` bytes of `fill`.
BSTM Block(int b, std::size_t size, std::uint8_t fill)
{
    BSTM payload(size + 1, fill);
    payload[0] = static_cast<std::uint8_t>(b);
    return payload;
}

// Block b carrying image bytes 50 b on of `source`.
BSTM BlockOf(const std::uint8_t *source, int b)
{
    const std::size_t start = static_cast<std::size_t>(b) * ImageBlockSize;
    const std::size_t size = std::min(ImageBlockSize, ParameterImageSize - start);
    BSTM payload{static_cast<std::uint8_t>(b)};
    payload.insert(payload.end(), source + start, source + start + size);
    return payload;
}

class LUnitControlPresetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("device-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // A model with something changed on every side.
    void Edit(LUnitControl &m)
    {
        m.SetPresetName(ToBytes("Live Show 2024"));
        m.SetGain(ChInA, 300);
        m.SetLinkMask(ChInA, 3);
        m.SetPolarity(ChOut2, 1);
        m.SetMute(ChOut4, 1);
        m.SetPeqBand(ChOut4, 8, PeqBandRecord{130, 250, 60, 2}, 1);
        m.SetCompressor(ChOut3, CompressorRecord{15, 9, 99, 200});
        m.SetChannelName(ChInB, "Vox");
    }

    FakeDeviceHost host;
    LUnitControl model{host};
    fs::path dir;
};

TEST_F(LUnitControlPresetsTest, PresetStringOfTheFactoryImage)
{
    const std::string text = model.ToPresetString();
    ASSERT_EQ(text.size(), 542u);
    EXPECT_EQ(text.substr(0, 16), "*VELMTROV316V011");
    EXPECT_EQ(text.substr(16, 14), "Default Preset");
    for (std::size_t offset : {254u, 342u, 430u, 518u}) {
        EXPECT_EQ(static_cast<std::uint8_t>(text[offset]), 0x18) << offset;
        EXPECT_EQ(static_cast<std::uint8_t>(text[offset + 1]), 0x01) << offset;
    }
    EXPECT_EQ(std::memcmp(text.data() + 16, BytesOf(model.GetImage()) + 2, 526), 0);
}

TEST_F(LUnitControlPresetsTest, ApplyPresetStoresTheBodyAndSendsEverySettingInOrder)
{
    LUnitControl source(host);
    Edit(source);
    BSTM body = ToBytes(source.ToPresetString().substr(16));
    body[514 + 1] = 0xFF;  // In A band-bypass bits 8 to 15: stored, but select no band

    model.SetDelayUnit(2);
    model.SetEqBypassMask(ChOut1, 5);
    host.Clear();
    host.ControlsUpdating = true;  // a preset is sent whatever the window is doing
    ASSERT_TRUE(model.ApplyPreset(body));

    const ParameterImage &image = model.GetImage();
    EXPECT_EQ(std::memcmp(BytesOf(image) + 2, body.data(), 526), 0);
    EXPECT_EQ(image.InputBandBypass[0], 0xFF00);
    EXPECT_EQ(image.DelayUnit, 2);
    EXPECT_EQ(image.OutputEqBypassMask, 5);
    EXPECT_EQ(model.GetLinkMask(ChInA), 3);
    EXPECT_EQ(model.GetGain(ChInB), 0);  // the stored link mask propagates nothing

    std::vector<std::uint8_t> expected = {CMD_PRESETNAME};
    for (int i = 0; i < 2; ++i)
        expected.insert(expected.end(), {CMD_CHANNEL_NAME, CMD_HIGH_PASS, CMD_LOW_PASS, CMD_GAIN, CMD_POLARITY,
                                         CMD_DELAY, CMD_LINK});
    for (int i = 0; i < 4; ++i)
        expected.insert(expected.end(), {CMD_CHANNEL_NAME, CMD_MATRIX, CMD_HIGH_PASS, CMD_LOW_PASS, CMD_COMP, CMD_GAIN,
                                         CMD_POLARITY, CMD_DELAY, CMD_LINK});
    expected.insert(expected.end(), 6, CMD_MUTE);
    expected.insert(expected.end(), 52, CMD_PEQ);
    ASSERT_EQ(host.Sent.size(), 109u);
    for (std::size_t i = 0; i < host.Sent.size(); ++i) {
        EXPECT_EQ(host.Sent[i].Command.GetCommand(), expected[i]) << i;
        EXPECT_EQ(host.Sent[i].KeepDuplicates, 1) << i;
        EXPECT_EQ(host.Sent[i].Framed, 1) << i;
    }
    EXPECT_EQ(host.Sent[0].Command.GetPayload(), ToBytes("Live Show 2024"));
    EXPECT_EQ(host.Sent[7].Command.GetPayload(), (BSTM{0, 3}));  // In A link
    EXPECT_EQ(host.Sent[8].Command.GetPayload(), ToBytes(std::string_view("\1Vox\0\0\0\0\0", 9)));
    EXPECT_EQ(host.Sent[15 + 9 + 6].Command.GetPayload(), (BSTM{3, 1}));                   // Out 2 polarity
    EXPECT_EQ(host.Sent[15 + 36 + 5].Command.GetPayload(), (BSTM{5, 1}));                  // Out 4 muted
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(host.Sent[57 + i].Command.GetPayload().back(), 0) << "In A band " << i;
    EXPECT_EQ(host.Sent[108].Command.GetPayload(), (BSTM{5, 8, 130, 0, 250, 0, 60, 2, 1}));

    // A body that is too short is refused without reading past it.
    host.Clear();
    EXPECT_FALSE(model.ApplyPreset(BSTM(525, 0x55)));
    EXPECT_TRUE(host.Sent.empty());
}

// A body that puts any ranged value just past its range is refused whole: nothing changes and
// nothing is sent. Every value at the top of its range goes in.
TEST_F(LUnitControlPresetsTest, ApplyPresetRefusesValuesOutsideTheirRanges)
{
    struct Case {
        const char *name;
        void (*change)(ParameterImage &);
    };
    const Case cases[] = {
        {.name = "band gain", .change = [](ParameterImage &i) { i.Inputs[0].Peq[0].Gain = 241; }},
        {.name = "band frequency", .change = [](ParameterImage &i) { i.Outputs[3].Peq[8].Freq = 301; }},
        {.name = "band Q", .change = [](ParameterImage &i) { i.Inputs[1].Peq[7].Q = 101; }},
        {.name = "band type", .change = [](ParameterImage &i) { i.Outputs[0].Peq[0].Type = 7; }},
        {.name = "high-pass slope", .change = [](ParameterImage &i) { i.Inputs[0].HighPass.Type = 21; }},
        {.name = "low-pass frequency", .change = [](ParameterImage &i) { i.Outputs[1].LowPass.Freq = 301; }},
        {.name = "gain code", .change = [](ParameterImage &i) { i.Outputs[2].Gain = 401; }},
        {.name = "input delay", .change = [](ParameterImage &i) { i.Inputs[1].Delay = 32641; }},
        {.name = "output delay", .change = [](ParameterImage &i) { i.Outputs[3].Delay = 0xFFFF; }},
        {.name = "input link mask", .change = [](ParameterImage &i) { i.Inputs[0].LinkMask = 4; }},
        {.name = "output link mask", .change = [](ParameterImage &i) { i.Outputs[0].LinkMask = 0x10; }},
        {.name = "output source", .change = [](ParameterImage &i) { i.Outputs[1].Source = 4; }},
        {.name = "compressor ratio", .change = [](ParameterImage &i) { i.Outputs[0].Comp.Ratio = 16; }},
        {.name = "compressor attack", .change = [](ParameterImage &i) { i.Outputs[1].Comp.Attack = 999; }},
        {.name = "compressor release", .change = [](ParameterImage &i) { i.Outputs[2].Comp.Release = 999; }},
        {.name = "compressor threshold", .change = [](ParameterImage &i) { i.Outputs[3].Comp.Threshold = 221; }},
        {.name = "input mute mask", .change = [](ParameterImage &i) { i.InputMuteMask = 4; }},
        {.name = "output mute mask", .change = [](ParameterImage &i) { i.OutputMuteMask = 0x10; }},
    };
    const auto bodyOf = [](const ParameterImage &image) { return BSTM(BytesOf(image) + 2, BytesOf(image) + 528); };
    Edit(model);
    const ParameterImage before = model.GetImage();
    for (const Case &c : cases) {
        ParameterImage changed = LUnitControl(host).GetImage();
        c.change(changed);
        host.Clear();
        EXPECT_FALSE(model.ApplyPreset(bodyOf(changed))) << c.name;
        EXPECT_TRUE(host.Sent.empty()) << c.name;
        EXPECT_EQ(std::memcmp(&model.GetImage(), &before, sizeof before), 0) << c.name;
    }

    ParameterImage top = LUnitControl(host).GetImage();
    for (InputChannelRecord &r : top.Inputs) {
        for (PeqBandRecord &b : r.Peq)
            b = {240, 300, 100, 6};
        r.HighPass = r.LowPass = {20, 300};
        r.Gain = 400;
        r.Delay = 32640;
        r.LinkMask = 3;
        r.Polarity = 0xFFFF;
    }
    for (OutputChannelRecord &r : top.Outputs) {
        for (PeqBandRecord &b : r.Peq)
            b = {240, 300, 100, 6};
        r.HighPass = r.LowPass = {20, 300};
        r.Source = 3;
        r.Comp = {15, 998, 998, 220};
        r.Gain = 400;
        r.Delay = 32640;
        r.LinkMask = 15;
    }
    top.InputMuteMask = 3;
    top.OutputMuteMask = 15;
    top.OutputBandBypass[3] = 0xFFFF;
    EXPECT_TRUE(model.ApplyPreset(bodyOf(top)));
    EXPECT_EQ(std::memcmp(BytesOf(model.GetImage()) + 2, BytesOf(top) + 2, 526), 0);
}

TEST_F(LUnitControlPresetsTest, PresetFileRoundTrip)
{
    Edit(model);
    const fs::path file = dir / "show.prs";
    ASSERT_TRUE(os::WriteFileAtomic(file.string(), model.ToPresetString() + "\r\n"));
    const std::string bytes = ReadFile(file);
    ASSERT_EQ(bytes.size(), PresetFileSize);

    LUnitControl opened(host);
    ASSERT_TRUE(opened.ApplyPreset(ToBytes(std::string_view(bytes).substr(16))));
    EXPECT_EQ(std::memcmp(BytesOf(opened.GetImage()) + 2, BytesOf(model.GetImage()) + 2, 526), 0);
}

TEST_F(LUnitControlPresetsTest, PresetNameReplacesOnlyTheName)
{
    const ParameterImage before = model.GetImage();
    model.SetPresetName(ToBytes("Short"));
    EXPECT_EQ(std::memcmp(model.GetPresetName(), "Short         ", 14), 0);
    model.SetPresetName(ToBytes("Exactly14Chars and more"));
    EXPECT_EQ(std::memcmp(model.GetPresetName(), "Exactly14Chars", 14), 0);
    EXPECT_EQ(std::memcmp(BytesOf(before) + 16, BytesOf(model.GetImage()) + 16, ParameterImageSize - 16), 0);
    EXPECT_TRUE(host.Sent.empty());
}

TEST_F(LUnitControlPresetsTest, PresetFlags)
{
    BSTM flags(31, 0x00);
    for (std::size_t i = 0; i < flags.size(); i += 2)
        flags[i] = 0xFF;
    flags[1] = 0x01;
    model.SetPresetFlags(flags);
    for (int slot = 0; slot < 31; ++slot)
        EXPECT_EQ(model.IsPresetStored(slot), slot % 2 == 0) << slot;
    model.MarkPresetStored(1);
    EXPECT_TRUE(model.IsPresetStored(1));
    EXPECT_FALSE(model.IsPresetStored(31));
    // A short reply is ignored.
    model.SetPresetFlags(BSTM(30, 0x00));
    EXPECT_TRUE(model.IsPresetStored(0));
}

TEST_F(LUnitControlPresetsTest, PresetListNames)
{
    model.ResetPresetNames();
    ASSERT_EQ(host.RecallRows.size(), 31u);
    ASSERT_EQ(host.StoreRows.size(), 31u);
    EXPECT_EQ(host.RecallRows.count(0), 0u);
    EXPECT_EQ(host.RecallRows[31], "Default Preset");
    EXPECT_EQ(host.StoreRows[0], "Default Preset");

    BSTM reply = {4, 'B', 'a', 's', 's'};
    reply.resize(15, 0);
    model.SetPresetListName(5, reply);
    EXPECT_EQ(host.RecallRows[5], "Bass          ");
    EXPECT_EQ(host.StoreRows[4], "Bass          ");

    BSTM gbk = {7, 0xC4, 0xE3, 0xBA, 0xC3};  // two Chinese characters in GBK
    gbk.resize(15, ' ');
    model.SetPresetListName(8, gbk);
    EXPECT_EQ(host.RecallRows[8], "\xE4\xBD\xA0\xE5\xA5\xBD          ");

    model.SetPresetListName(9, BSTM(14, 'x'));  // short: ignored
    model.SetPresetListName(32, reply);         // no such row
    EXPECT_EQ(host.RecallRows[9], "Default Preset");
    EXPECT_EQ(host.RecallRows.count(32), 0u);
}

TEST_F(LUnitControlPresetsTest, ProgramBlocksCommitOnlyAWholeRead)
{
    LUnitControl source(host);
    Edit(source);
    const std::uint8_t *src = BytesOf(source.GetImage());
    const ParameterImage before = model.GetImage();
    for (int b = 0; b < 10; ++b)
        EXPECT_EQ(model.StoreProgramBlock(BlockOf(src, b)), BlockStoreResult::Pending);
    EXPECT_EQ(std::memcmp(&before, &model.GetImage(), sizeof before), 0);  // nothing before block 10
    EXPECT_EQ(model.StoreProgramBlock(BlockOf(src, 10)), BlockStoreResult::Committed);
    EXPECT_EQ(std::memcmp(BytesOf(model.GetImage()) + 2, model.GetBlockBuffer().data() + 2, 536), 0);
    EXPECT_EQ(std::memcmp(BytesOf(model.GetImage()) + 2, src + 2, 536), 0);
    EXPECT_EQ(model.GetImage().UsedMark, 0);

    struct Case {
        const char *name;
        std::vector<BSTM> blocks;
        BlockStoreResult last;
    };
    std::vector<BSTM> missing5, noStart, longLast, short5, shortLast;
    for (int b = 0; b <= 10; ++b) {
        if (b != 5)
            missing5.push_back(Block(b, 50, 0x77));
        if (b != 0)
            noStart.push_back(Block(b, 50, 0x77));
        longLast.push_back(Block(b, b == 10 ? 200 : 50, 0x33));
        short5.push_back(Block(b, b == 5 ? 49 : b == 10 ? 38 : 50, 0x77));
        shortLast.push_back(Block(b, b == 10 ? 37 : 50, 0x77));
    }
    const std::vector<Case> cases = {
        {"block 5 missing", missing5, BlockStoreResult::Incomplete},
        {"block 5 one byte short", short5, BlockStoreResult::Incomplete},
        {"block 10 one byte short", shortLast, BlockStoreResult::Incomplete},
        {"no block 0", noStart, BlockStoreResult::Incomplete},
        {"block above 10", {Block(0, 50, 0x77), Block(11, 50, 0x77)}, BlockStoreResult::Incomplete},
        {"block 255", {Block(255, 200, 0x77)}, BlockStoreResult::Incomplete},
        {"no block number", {BSTM{}}, BlockStoreResult::Ignored},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LUnitControl m(host);
        BlockStoreResult result = BlockStoreResult::Ignored;
        for (const BSTM &block : c.blocks)
            result = m.StoreProgramBlock(block);
        EXPECT_EQ(result, c.last);
        EXPECT_EQ(std::memcmp(&DefaultParameterImage, &m.GetImage(), sizeof(ParameterImage)), 0);
    }

    // A long last block is cut at the buffer's end and the read still counts.
    LUnitControl m(host);
    BlockStoreResult result = BlockStoreResult::Ignored;
    for (const BSTM &block : longLast)
        result = m.StoreProgramBlock(block);
    EXPECT_EQ(result, BlockStoreResult::Committed);
    EXPECT_EQ(m.GetImage().OutputEqBypassMask, 0x3333);
    // The same last block again belongs to no read: nothing is committed.
    EXPECT_EQ(m.StoreProgramBlock(Block(10, 38, 0x44)), BlockStoreResult::Incomplete);
    EXPECT_EQ(m.GetImage().OutputEqBypassMask, 0x3333);
}

TEST_F(LUnitControlPresetsTest, BlockZeroStartsAFreshBuffer)
{
    for (int b = 0; b < 6; ++b)
        model.StoreProgramBlock(Block(b, 50, 0xAA));
    model.StoreProgramBlock(Block(0, 50, 0x11));
    EXPECT_EQ(model.GetBlockBuffer()[49], 0x11);
    EXPECT_EQ(model.GetBlockBuffer()[50], 0x00);
    EXPECT_EQ(model.GetBlockBuffer()[299], 0x00);
}

TEST_F(LUnitControlPresetsTest, PresetBlocksFillTheirRecord)
{
    LUnitControl source(host);
    Edit(source);
    ParameterImage stored = source.GetImage();
    stored.UsedMark = 0xFF;
    const std::uint8_t *src = BytesOf(stored);
    BlockStoreResult result = BlockStoreResult::Ignored;
    for (int b = 0; b <= 10; ++b)
        result = model.StorePresetBlock(7, BlockOf(src, b));
    EXPECT_EQ(result, BlockStoreResult::Committed);
    const PresetRecord &record = model.GetPresetRecord(6);
    EXPECT_EQ(record.Number, 7);
    EXPECT_EQ(std::memcmp(record.ImageBytes, src, 537), 0);
    EXPECT_EQ(model.GetPresetRecord(7).Number, 0);
    EXPECT_EQ(std::memcmp(&model.GetImage(), &DefaultParameterImage, sizeof(ParameterImage)), 0);

    EXPECT_EQ(model.StorePresetBlock(0, Block(0, 50, 1)), BlockStoreResult::Ignored);
    EXPECT_EQ(model.StorePresetBlock(32, Block(10, 38, 1)), BlockStoreResult::Ignored);

    // A later read of the same preset with a short block leaves the record as it was.
    for (int b = 0; b <= 10; ++b)
        result = model.StorePresetBlock(7, b == 3 ? Block(3, 20, 0x5A) : Block(b, 50, 0x5A));
    EXPECT_EQ(result, BlockStoreResult::Incomplete);
    EXPECT_EQ(std::memcmp(model.GetPresetRecord(6).ImageBytes, src, 537), 0);
}

TEST_F(LUnitControlPresetsTest, EepromHeaderIsCutAt18Bytes)
{
    BSTM reply(40);
    for (std::size_t i = 0; i < reply.size(); ++i)
        reply[i] = static_cast<std::uint8_t>(i + 1);
    model.StoreEepromHeader(reply);
    EXPECT_EQ(BSTM(model.GetEepromHeader().begin(), model.GetEepromHeader().end()), BSTM(reply.begin(), reply.begin() + 18));
    model.StoreEepromHeader(BSTM{0xEE, 0xDD});
    EXPECT_EQ(model.GetEepromHeader()[0], 0xEE);
    EXPECT_EQ(model.GetEepromHeader()[2], 3);
}

TEST_F(LUnitControlPresetsTest, UnitFileLayout)
{
    BSTM header(18);
    for (std::size_t i = 0; i < header.size(); ++i)
        header[i] = static_cast<std::uint8_t>(0xA0 + i);
    model.StoreEepromHeader(header);
    model.SetPresetFlags(BSTM(31, 0));
    std::string bytes = model.UnitFileBytes();
    ASSERT_EQ(bytes.size(), 16774u);
    EXPECT_EQ(bytes.substr(0, 16), "*VELMTROV316V011");
    EXPECT_EQ(BSTM(bytes.begin() + 16, bytes.begin() + 34), header);
    for (std::size_t k = 0; k < 31; ++k) {
        const std::size_t at = 34 + 540 * k;
        EXPECT_EQ(bytes.substr(at, 538), std::string(538, 'd')) << k;
        EXPECT_EQ(bytes.substr(at + 538, 2), "\r\n") << k;
    }

    // A stored preset's record sits in its slot.
    ParameterImage stored = DefaultParameterImage;
    stored.UsedMark = 0xFF;
    for (int b = 0; b <= 10; ++b)
        model.StorePresetBlock(7, BlockOf(BytesOf(stored), b));
    model.MarkPresetStored(6);
    bytes = model.UnitFileBytes();
    ASSERT_EQ(bytes.size(), 16774u);
    const std::size_t at = 34 + 540 * 6;
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[at]), 7);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[at + 1]), 0xFF);
    EXPECT_EQ(bytes.substr(at + 3, 14), "Default Preset");
    EXPECT_EQ(bytes.substr(at + 538, 2), "\r\n");
    EXPECT_EQ(bytes.substr(at + 540, 538), std::string(538, 'd'));
}

TEST_F(LUnitControlPresetsTest, UnitFileNameCutsOnlyTheLastComponent)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/home/j.smith/show.1", "/home/j.smith/show.unt"},
        {"/presets/show.1.unt", "/presets/show.unt"},
        {"/presets/show", "/presets/show.unt"},
        {"/my.folder/show", "/my.folder/show.unt"},
        {"show.unt", "show.unt"},
    };
    for (const auto &[chosen, written] : cases)
        EXPECT_EQ(UnitFilePath(chosen), written) << chosen;
}

TEST_F(LUnitControlPresetsTest, SaveUnitFileWritesReplacesAndReportsFailure)
{
    model.SetPresetFlags(BSTM(31, 0));
    EXPECT_EQ(model.SaveUnitFile(), UnitFileResult::Cancelled);
    EXPECT_EQ(host.SaveDialogCalls, 1);

    const fs::path target = dir / "show.unt";
    { std::ofstream(target, std::ios::binary) << std::string(20000, 'x'); }
    host.SaveDialogAnswer = (dir / "show.v2").string();
    EXPECT_EQ(model.SaveUnitFile(), UnitFileResult::Written);
    EXPECT_EQ(ReadFile(target), model.UnitFileBytes());

    host.SaveDialogAnswer = (dir / "missing-folder" / "show").string();
    std::string error;
    EXPECT_EQ(model.SaveUnitFile(&error), UnitFileResult::WriteFailed);
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(dir / "missing-folder"));
}

}  // namespace
