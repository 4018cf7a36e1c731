// Connecting the whole editor to the simulated processor over each of its links: TCP on the
// processor's default address, a pseudo-terminal entered in the serial port table, and the HID test
// backend. Each time the scan finds the processor, the full read brings its program and presets
// into the model, the level poll starts, and the meters follow the processor's moving levels.

#include "EditorUser.h"

#include "devsim/ImageLayout.h"

#include <set>

namespace {

using namespace editor_user;

// A processor that holds settings of its own: a program changed from the factory one and preset
// U03 stored as "Stage".
void GiveSettings(SimulatedProcessor &processor)
{
    processor.sim.WithProcessor([](devsim::Processor &p) {
        devsim::ProcessorState &s = p.State();
        devsim::SetWord(s.program, devsim::ChannelOffset(3, &devsim::ChannelFields::gain), 250);
        devsim::SetWord(s.program, devsim::BandOffset(0, 2), 150);
        devsim::SetWord(s.program, devsim::ChannelOffset(4, &devsim::ChannelFields::delay), 480);
        std::memcpy(s.program.data() + devsim::ChannelOffset(5, &devsim::ChannelFields::name), "Sub\0\0\0\0\0", 8);
        s.presets[2] = s.program;
        s.presets[2][devsim::kUsedMark] = 0xFF;
        std::memcpy(s.presets[2].data() + devsim::kPresetName, "Stage         ", devsim::kPresetNameSize);
        s.stored[2] = true;
        // Levels that move by up to 20 dB either way, so that the meters have something to follow.
        p.Levels().SetNoiseDb(20.0);
        return 0;
    });
}

TEST(ScenarioConnect, EachLinkReadsEverythingStartsTheLevelPollAndTheMetersFollowTheLevels)
{
    for (const Link link : {Link::Tcp, Link::Pty, Link::Hid}) {
        SCOPED_TRACE(LinkName(link));
        EditorRun run;
        SimulatedProcessor processor(link, run);
        GiveSettings(processor);
        ConnectSteps(run, processor);
        run.Step("everything read", NoModalLoop, [&] {
            ExpectFullReadFirst(processor.sim.FrameLog());
            const devsim::Image model = ModelImage();
            const devsim::Image device = processor.Program();
            EXPECT_TRUE(model == device) << Differences(model, device);
            const LUnitControl &unit = fmMain->Session().Model();
            for (int slot = 0; slot < PresetCount; ++slot)
                EXPECT_EQ(unit.IsPresetStored(slot), slot == 2) << slot;
            EXPECT_EQ(GetStrProp(fmMain->FindComponent("lbMatrixChNameOut4"), QStringLiteral("Caption")), "Sub");
            EXPECT_NE(fmMain->Caption().indexOf("Connected"), -1) << fmMain->Caption().toStdString();
        });
        // The level poll runs on its timer: requests go out and the meters show what the
        // processor's replies say, as the levels move.
        auto seen = std::make_shared<std::set<std::array<int, LevelChannels>>>();
        run.Step(
            "meters follow the levels",
            [&, seen] {
                const auto shown = MeterPositions();
                if (shown == SimulatedMeterPositions(processor))
                    seen->insert(shown);
                return seen->size() >= 3;
            },
            [&] {
                const auto log = processor.sim.FrameLog();
                const auto polls = std::count_if(log.begin(), log.end(),
                                                 [](const devsim::LoggedFrame &f) { return f.command == CMD_LEVELS; });
                EXPECT_GE(polls, 3);
                EXPECT_TRUE(fmMain->Session().IsConnected());
            },
            10, 30000);
        SettledStep(run, processor, "after the poll");
        run.Close();
        EXPECT_EQ(run.Start(), 0);
        EXPECT_TRUE(run.Script().Failures().empty());
    }
}

}  // namespace
