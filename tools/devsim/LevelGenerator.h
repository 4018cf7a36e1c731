#pragma once
// Plausible moving levels for the level reply: a steady signal on each input plus random noise,
// carried to the outputs through the routing matrix, output gain and mute, with the compressor
// holding each output near its threshold and raising its limiter flag while it acts.

#include "devsim/ImageLayout.h"

#include <cstdint>
#include <random>
#include <vector>

namespace devsim {

class LevelGenerator {
public:
    explicit LevelGenerator(std::uint32_t seed = 1) : rng_(seed) {}

    void SetSignalDb(double db) { signalDb_ = db; }  // level of the steady input signal
    void SetNoiseDb(double db) { noiseDb_ = db; }    // the level moves by up to this much either way
    double SignalDb() const { return signalDb_; }
    double NoiseDb() const { return noiseDb_; }

    // One level reply for the given program: six 3-byte levels and the limiter flags (19 bytes).
    std::vector<std::uint8_t> Next(const Image &program);

    // The levels in dB behind the last reply (kSilenceDb for silence), for checks.
    const double *LastDb() const { return lastDb_; }

private:
    // Sets db to the output's level; true while its compressor acts.
    bool OutputDb(const Image &img, int ch, double &db) const;

    std::mt19937 rng_;
    double signalDb_ = -12.0;
    double noiseDb_ = 3.0;
    double lastDb_[kChannelCount] = {};
};

// Gain code of a channel record (0..400, 280 = 0 dB) in dB.
double GainCodeToDb(int code);
// Compressor threshold code (0..220) in dB, and ratio index (0..15) as a ratio.
double ThresholdCodeToDb(int code);
double RatioOfIndex(int index);

}  // namespace devsim
