#pragma once
// Ways to make the simulated processor misbehave on purpose. Every field can be changed while it
// runs (Simulator::SetFaults) and from the command line. Frame counts are counted from the moment
// the settings were given.

#include <cstdint>
#include <set>

namespace devsim {

struct FaultSettings {
    bool silent = false;          // answer nothing
    int silentAfterFrames = -1;   // answer this many frames, then nothing (-1: off)
    int delayMs = 0;              // every reply goes out this late
    int delayMaxMs = 0;           // above delayMs: each reply waits a random time in [delayMs, delayMaxMs]
    int wrongSource = -1;         // replies carry this source address instead of the device ID (-1: off)
    bool badChecksum = false;     // every reply's checksum byte is wrong
    int garbageBytes = 0;         // this many stray bytes (never 0x10) go before every reply
    int splitBytes = 0;           // each reply goes out in writes of this many bytes (0: whole)
    int splitGapMs = 0;           // pause between those writes
    int mergeFrames = 0;          // replies are held until this many can go out in one write
    int mergeHoldMs = 200;        // ... or until the first of them has waited this long
    int dropAfterFrames = -1;     // close the link once this many frames have been answered (-1: off)
    std::set<std::uint8_t> refused;  // requests with these codes get no answer and have no effect

    bool operator==(const FaultSettings &) const = default;
};

}  // namespace devsim
