// Saving and loading the simulator's state in the unit-file layout.

#include "devsim/StateFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace devsim {
namespace {

constexpr std::size_t kUnitFileSize = 16774;

ProcessorState SampleState()
{
    ProcessorState s;
    s.deviceId = 42;
    s.currentPreset = 3;
    s.lockOn = true;
    s.password = "7788";
    s.program[240] = 0x99;
    s.eepromHeader[0] = 0xEE;
    for (int slot : {0, 2, 30}) {
        s.stored[slot] = true;
        s.presets[slot][0] = 0xFF;
        s.presets[slot][2] = static_cast<std::uint8_t>('A' + slot);
        s.presets[slot][537] = 0x01;
    }
    return s;
}

TEST(StateFile, IsAUnitFileFollowedByTheRestOfTheState)
{
    const Bytes file = StateFileBytes(SampleState());
    ASSERT_GT(file.size(), kUnitFileSize);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "*VELMTROV316V011");
    EXPECT_EQ(file[16], 0xEE);  // EEPROM header
    // Slot 0 stored: preset number 1, then image bytes 0..536; slot 1 empty: 0x64 filler.
    EXPECT_EQ(file[34], 1);
    EXPECT_EQ(file[35], 0xFF);
    EXPECT_EQ(file[37], 'A');
    EXPECT_EQ(file[34 + 538], 0x0D);
    EXPECT_EQ(file[34 + 539], 0x0A);
    EXPECT_EQ(Bytes(file.begin() + 574, file.begin() + 574 + 538), Bytes(538, 0x64));
    EXPECT_EQ(file[34 + 540 * 30], 31);
    EXPECT_EQ(file[kUnitFileSize - 2], 0x0D);
}

TEST(StateFile, RoundTrips)
{
    const ProcessorState saved = SampleState();
    ProcessorState loaded;
    ASSERT_TRUE(ParseStateFile(StateFileBytes(saved), loaded));
    EXPECT_EQ(loaded.deviceId, 42);
    EXPECT_EQ(loaded.currentPreset, 3);
    EXPECT_TRUE(loaded.lockOn);
    EXPECT_EQ(loaded.password, "7788");
    EXPECT_EQ(loaded.program, saved.program);
    EXPECT_EQ(loaded.eepromHeader, saved.eepromHeader);
    EXPECT_EQ(loaded.stored, saved.stored);
    for (int slot = 0; slot < kPresetSlots; ++slot)
        EXPECT_EQ(loaded.presets[slot], saved.presets[slot]) << slot;
}

TEST(StateFile, APlainUnitFileLoadsItsPresetsAndHeader)
{
    const ProcessorState saved = SampleState();
    Bytes unit = StateFileBytes(saved);
    unit.resize(16712);  // the shortest file the editor reads: the last record ends early
    ProcessorState loaded;
    loaded.deviceId = 9;
    ASSERT_TRUE(ParseStateFile(unit, loaded));
    EXPECT_EQ(loaded.deviceId, 9);  // not in a unit file: kept
    EXPECT_EQ(loaded.eepromHeader, saved.eepromHeader);
    EXPECT_EQ(loaded.stored, saved.stored);
    EXPECT_EQ(loaded.presets[2][2], 'C');
    EXPECT_EQ(loaded.presets[2][537], 0);  // no place for the last image byte in a record
    EXPECT_EQ(loaded.presets[1], FactoryImage());
}

TEST(StateFile, RefusesWhatIsNoUnitFile)
{
    Bytes file = StateFileBytes(ProcessorState());
    ProcessorState s;
    EXPECT_FALSE(ParseStateFile(Bytes(file.begin(), file.begin() + 16711), s));
    file[0] = '#';
    EXPECT_FALSE(ParseStateFile(file, s));
    std::string error;
    EXPECT_FALSE(LoadStateFile("/nonexistent/unit.unt", s, &error));
    EXPECT_NE(error.find("/nonexistent/unit.unt"), std::string::npos);
}

TEST(StateFile, SavesAndLoadsThroughAFile)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("devsim-state-" + std::to_string(::getpid()) + ".unt")).string();
    ASSERT_TRUE(SaveStateFile(path, SampleState()));
    ProcessorState loaded;
    ASSERT_TRUE(LoadStateFile(path, loaded));
    EXPECT_EQ(loaded.deviceId, 42);
    std::remove(path.c_str());
    std::string error;
    EXPECT_FALSE(SaveStateFile("/nonexistent/folder/unit.unt", loaded, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace devsim
