#pragma once
// Options of the trov316-sim program: read from its command line at start and, while it runs, from
// lines on its standard input (the same options; the leading "--" may be left out there).

#include "devsim/FaultSettings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace devsim {

class Simulator;

struct SimOptions {
    // Links and start-up (command line only).
    std::string tcpAddress;
    std::uint16_t tcpPort = 0;
    bool tcp = false;
    std::string ptyLink;
    bool pty = false;
    std::uint32_t seed = 1;
    bool quiet = false;
    bool help = false;

    // Processor.
    std::optional<int> deviceId;
    std::optional<std::string> identity;
    std::optional<std::string> lockPassword;  // lock on with this password
    bool lockOff = false;
    std::optional<double> signalDb, noiseDb;
    std::string loadFile;  // at start, or at once while running
    std::string saveFile;  // at the end, or at once while running

    FaultSettings faults;
    bool quit = false;  // while running: stop
};

// Parses `args` into `options` (fields not named keep their value). `running`: a control line
// while the program runs, where link and start-up options are refused and "--" is optional.
// Returns an error text, or nothing on success.
std::optional<std::string> ParseSimOptions(std::span<const std::string> args, SimOptions &options, bool running);
// Splits a control line into words; "double quotes" keep blanks in a word.
std::vector<std::string> SplitControlLine(const std::string &line);
// Applies the processor and fault options to a simulator (links aside).
bool ApplySimOptions(Simulator &sim, const SimOptions &options, std::string *error);
// The text of --help.
std::string SimUsage();

}  // namespace devsim
