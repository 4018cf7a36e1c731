#include "devsim/LevelGenerator.h"

#include "devsim/LevelCodec.h"

#include <algorithm>

namespace devsim {

namespace {

constexpr double kRatios[] = {1.0, 1.1, 1.3, 1.5, 1.7, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1};

bool Muted(const Image &img, int ch)
{
    return (Word(img, MuteMaskOffset(ch)) >> SideIndex(ch)) & 1;
}

}  // namespace

double GainCodeToDb(int code)
{
    const int position = code - 280;
    return position >= -200 ? position * 0.1 : -20.0 + (position + 200) * 0.5;
}

double ThresholdCodeToDb(int code)
{
    return (code - 180) * 0.5;
}

double RatioOfIndex(int index)
{
    return kRatios[std::clamp(index, 0, 15)];
}

std::vector<std::uint8_t> LevelGenerator::Next(const Image &img)
{
    std::uniform_real_distribution<double> noise(-noiseDb_, noiseDb_);
    std::vector<std::uint8_t> reply;
    reply.reserve(3 * kChannelCount + 1);
    std::uint8_t limiting = 0;
    for (int ch = 0; ch < kChannelCount; ++ch) {
        double db = kSilenceDb;
        if (Muted(img, ch))
            db = kSilenceDb;
        else if (IsInputChannel(ch))
            db = signalDb_ + noise(rng_);
        else if (OutputDb(img, ch, db))
            limiting = static_cast<std::uint8_t>(limiting | (1u << SideIndex(ch)));
        lastDb_[ch] = db;
        const LevelBytes bytes = EncodeLevel(static_cast<float>(DbToAmplitude(db)));
        reply.insert(reply.end(), bytes.begin(), bytes.end());
    }
    reply.push_back(limiting);
    return reply;
}

bool LevelGenerator::OutputDb(const Image &img, int ch, double &db) const
{
    // The loudest input routed here (inputs are computed first), through gain and compressor.
    const std::uint16_t source = Word(img, ChannelOffset(ch, &ChannelFields::source));
    db = kSilenceDb;
    for (int in = 0; in < kInputCount; ++in)
        if ((source >> in) & 1)
            db = std::max(db, lastDb_[in]);
    if (db <= kSilenceDb)
        return false;
    db += GainCodeToDb(Word(img, ChannelOffset(ch, &ChannelFields::gain)));
    const std::size_t comp = ChannelOffset(ch, &ChannelFields::comp);
    const double threshold = ThresholdCodeToDb(Word(img, comp + 6));
    if (db <= threshold)
        return false;
    db = threshold + (db - threshold) / RatioOfIndex(Word(img, comp));
    return true;
}

}  // namespace devsim
