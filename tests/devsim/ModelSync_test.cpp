// The editor's parameter model drives the simulated processor: after every edit, every opened
// preset and every program read the two images hold the same bytes. The model and the simulator
// lay out the image independently (record structs on one side, plain offsets on the other), so a
// wrong offset, payload or link rule on either side shows up here as a mismatch.

#include "SimTestUtil.h"

#include "device/DeviceHost.h"
#include "device/FakeDeviceHost.h"
#include "device/LUnitControl.h"
#include "device/ProgramRanges.h"

#include <cstring>
#include <functional>

namespace devsim::test {
namespace {

// Hands every command the model sends to the simulator at once, as a connected window does.
class SimHost : public DeviceHost {
public:
    explicit SimHost(InProcessLink &link) : link_(link) {}

    int GetDeviceId() const override { return 1; }
    bool IsControlsUpdating() const override { return false; }
    void SendCommand(const LCmd &command, std::uint8_t, std::uint8_t framed) override
    {
        link_.Write(command.ToBytes(framed));
        link_.ReadAll();  // the acknowledgements
    }
    void MarkCurveChanged(int) override {}
    void SetStorePresetRowName(int, const std::string &) override {}
    void SetRecallPresetRowName(int, const std::string &) override {}
    bool ExecuteSaveUnitDialog(std::string &) override { return false; }

private:
    InProcessLink &link_;
};

class ModelSyncTest : public InProcessTest {
protected:
    SimHost host{*link};
    LUnitControl model{host};

    Bytes ModelImage() const
    {
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(&model.GetImage());
        return Bytes(bytes, bytes + sizeof(ParameterImage));
    }
    Bytes SimImage()
    {
        const Image program = Program();
        return Bytes(program.begin(), program.end());
    }

    void ExpectSameImages()
    {
        const Bytes editor = ModelImage(), device = SimImage();
        ASSERT_EQ(editor.size(), device.size());
        for (std::size_t i = 0; i < editor.size(); ++i)
            EXPECT_EQ(editor[i], device[i]) << "image byte " << i;
    }
};

struct EditCase {
    const char *name;
    std::function<void(LUnitControl &)> edit;
};

// Edits with links whose edited channel holds its own bit, the way a group head edits its group.
const std::vector<EditCase> &EditCases()
{
    static const std::vector<EditCase> cases = {
        {"gain", [](LUnitControl &m) { m.SetGain(ChInB, 333); }},
        {"delay", [](LUnitControl &m) { m.SetDelay(ChOut3, 32640); }},
        {"polarity", [](LUnitControl &m) { m.SetPolarity(ChOut4, 1); }},
        {"mute", [](LUnitControl &m) { m.SetMute(ChInA, 1); }},
        {"peq band with bypass", [](LUnitControl &m) { m.SetPeqBand(ChOut4, 8, {0x0102, 0x0123, 77, 6}, 1); }},
        {"input peq band", [](LUnitControl &m) { m.SetPeqBand(ChInB, 7, {240, 300, 100, 5}, 1); }},
        {"high pass", [](LUnitControl &m) { m.SetHighPass(ChOut2, 0x0123u << 16 | 20u); }},
        {"low pass", [](LUnitControl &m) { m.SetLowPass(ChInA, 150u << 16 | 6u); }},
        {"compressor", [](LUnitControl &m) { m.SetCompressor(ChOut1, {15, 998, 3, 0x0105}); }},
        {"source", [](LUnitControl &m) { m.SetOutputSource(ChOut4, 3); }},
        {"delay unit", [](LUnitControl &m) { m.SetDelayUnit(2); }},
        {"channel name", [](LUnitControl &m) { m.SetChannelName(ChOut2, "Sub Left"); }},
        {"linked input gain", [](LUnitControl &m) {
             m.SetLinkMask(ChInA, 3);
             m.SetGain(ChInA, 17);
         }},
        {"linked output group", [](LUnitControl &m) {
             m.SetLinkMask(ChOut2, 0b1110);
             m.SetPeqBand(ChOut2, 4, {100, 200, 10, 2}, 1);
             m.SetMute(ChOut2, 1);
             m.SetLowPass(ChOut2, 250u << 16 | 13u);
             m.SetCompressor(ChOut2, {7, 20, 30, 200});
             m.SetDelay(ChOut2, 48);
         }},
    };
    return cases;
}

TEST_F(ModelSyncTest, EveryEditLeavesBothImagesEqual)
{
    ExpectSameImages();  // the two factory images
    for (const EditCase &c : EditCases()) {
        SCOPED_TRACE(c.name);
        c.edit(model);
        ExpectSameImages();
    }
}

TEST_F(ModelSyncTest, AnOpenedPresetReprogramsTheProcessor)
{
    // Every edit whose values a preset file may carry; a file with the others is refused, and
    // neither side changes.
    FakeDeviceHost quiet;
    LUnitControl everything(quiet);
    for (const EditCase &c : EditCases()) {
        LUnitControl trial(quiet);
        c.edit(trial);
        c.edit(everything);
        if (PresetFieldsInRange(trial.GetImage()))
            c.edit(model);
    }
    const std::string refused = everything.ToPresetString();
    const std::string file = model.ToPresetString();
    model.LoadDefaults();
    sim.WithProcessor([](Processor &p) { p.FactoryReset(); });
    EXPECT_FALSE(model.ApplyPreset(Bytes(refused.begin() + 16, refused.end())));
    ExpectSameImages();

    const Bytes body(file.begin() + 16, file.end());
    ASSERT_TRUE(model.ApplyPreset(body));
    EXPECT_EQ(std::memcmp(ModelImage().data() + 2, body.data(), body.size()), 0);
    // Delay unit and the other fields a preset file does not carry stay as they were on both sides.
    ExpectSameImages();
}

TEST_F(ModelSyncTest, AProgramReadFillsTheModelWithTheProcessorsImage)
{
    for (const EditCase &c : EditCases())
        c.edit(model);
    model.LoadDefaults();
    ASSERT_NE(ModelImage(), SimImage());

    BlockStoreResult last = BlockStoreResult::Pending;
    for (std::uint8_t b = 0; b <= LastImageBlock; ++b)
        last = model.StoreProgramBlock(Ask(CMD_READ_PROGRAM_BLOCK, {b}).payload);
    EXPECT_EQ(last, BlockStoreResult::Committed);
    ExpectSameImages();
}

}  // namespace
}  // namespace devsim::test
