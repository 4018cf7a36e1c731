#pragma once
// Constants shared by every module (product texts, compressor and crossover tables, filter section
// coefficients, the Q table, colours, meter scales, plot constants), the factory parameter image and
// the value scales that convert between what the user sees (Hz, dB, Q, ms, m, ft) and the indexes
// stored in the image and sent to the processor.
//
// Texts are UTF-8 (ASCII here). Table values read from files or from the processor are stored as
// they come, so a lookup with such a value must go through the range-safe accessors below (`...At`),
// never index a table directly.

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>

#include "device/ParameterImage.h"

inline constexpr std::string_view ProductTitle = "TROV316 DSP Processor Editor";
inline constexpr std::string_view ProductVersion = "V1.1";
inline constexpr std::string_view DefaultIpAddress = "192.168.1.101";

// Captions of the band types 0 to 6, then of a band's bypass button; 12 characters each.
inline constexpr std::array<std::string_view, 8> PeqTypeCaptions = {
    " Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ",
    " High Cut   ", " Allpass 1  ", " Allpass 2  ", "   BYPASS   ",
};

inline constexpr double FreqStepRatio = 1.023373891996775;  // 2^(1/30)
inline constexpr float DelaySoundSpeed = 343.5f;            // m/s, for delays in metres and feet
inline constexpr int SamplesPerMs = 48;
inline constexpr double ShelfCutMaxQ = 3.0;
inline constexpr double TypeChangeQ = 0.71;
inline constexpr double PlotMarginX = 42.0;
inline constexpr double PhaseFullScale = 18.0;
inline constexpr double PhaseDegrees = 180.0;
inline constexpr double PhaseRadianScale = PhaseFullScale / PhaseDegrees * 180.0 / 3.14159265358979323846;

// Unit suffixes accepted at the end of a typed entry, one group per kind of entry.
struct UnitTextGroups {
    std::array<std::string_view, 4> CompLevel;   // ratio and threshold
    std::array<std::string_view, 4> CompTime;    // attack and release
    std::array<std::string_view, 4> DelayMs;
    std::array<std::string_view, 2> DelayMetre;
    std::array<std::string_view, 4> DelayFeet;
};
inline constexpr UnitTextGroups UnitTexts = {
    {"dB", "DB", "db", "Db"}, {"ms", "Ms", "mS", "MS"}, {"ms", "Ms", "mS", "MS"}, {"m", "M"}, {"ft", "Ft", "fT", "FT"},
};

// Indexed by CompressorRecord::Ratio; the last one is the limiter.
inline constexpr std::array<std::string_view, 16> CompRatioTexts = {
    "1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5", "3.0", "3.5", "4.0", "5.0", "6.0", "8.0", "10.0", "20.0", "Limit",
};
inline constexpr std::array<double, 16> CompRatioValues = {
    1.0, 1.1, 1.3, 1.5, 1.7, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1,
};

// PassFilterRecord::Type -> filter row: 0 bypass, 1-8 Butterworth order 1-8, 9-16 Bessel order 1-8,
// 17-20 Linkwitz-Riley 12, 24, 36, 48 dB/oct.
inline constexpr std::array<int, 21> CrossoverCodes = {0, 1, 9, 2, 10, 17, 3, 11, 4, 12, 18,
                                                       5, 13, 6, 14, 19, 7, 15, 8, 16, 20};

// PeqType -> FilterType of the curve model.
inline constexpr std::array<int, 7> PeqTypeToFilterType = {1, 2, 3, 5, 4, 7, 17};

// Row = order - 1. Column 0: 1 for odd orders (factor 1 + s); columns 1-4: a of the factors 1 + a s + s^2.
inline constexpr std::array<std::array<float, 5>, 8> ButterworthSections = {{
    {1, 0, 0, 0, 0},
    {0, 1.4142f, 0, 0, 0},
    {1, 1, 0, 0, 0},
    {0, 0.7654f, 1.8478f, 0, 0},
    {1, 0.618f, 1.618f, 0, 0},
    {0, 0.5176f, 1.4142f, 1.9319f, 0},
    {1, 0.445f, 1.247f, 1.8019f, 0},
    {0, 0.3902f, 1.1111f, 1.6629f, 1.9616f},
}};

// Row = order - 1; five (a, b) pairs of factors 1 + a s + b s^2, pair 0 the first-order factor.
inline constexpr std::array<std::array<float, 10>, 8> BesselSections = {{
    {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 1.3617f, 0.618f, 0, 0, 0, 0, 0, 0},
    {0.756f, 0, 0.9996f, 0.4772f, 0, 0, 0, 0, 0, 0},
    {0, 0, 1.3397f, 0.4889f, 0.7743f, 0.389f, 0, 0, 0, 0},
    {0.6656f, 0, 1.1402f, 0.4128f, 0.6216f, 0.3245f, 0, 0, 0, 0},
    {0, 0, 1.2217f, 0.3887f, 0.9686f, 0.3505f, 0.5131f, 0.2756f, 0, 0},
    {0.5937f, 0, 1.0944f, 0.3395f, 0.8304f, 0.3011f, 0.4332f, 0.2381f, 0, 0},
    {0, 0, 1.1112f, 0.3126f, 0.9754f, 0.2979f, 0.7202f, 0.2621f, 0.3728f, 0.2087f},
}};

// Window colours 0x00BBGGRR.
using ColorRef = std::uint32_t;
inline constexpr std::array<ColorRef, 14> BandColorCycle = {
    0x0000FF, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFF0000, 0xF0CAA6,
    0x800080, 0x808000, 0x000080, 0xF0FBFF, 0x008080, 0x808080, 0x800000,
};
// By band or marker slot: the 14 colours above three times in a row.
inline constexpr std::array<ColorRef, 42> BandColors = [] {
    std::array<ColorRef, 42> c{};
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = BandColorCycle[i % BandColorCycle.size()];
    return c;
}();
// By ChannelIndex, then four spare colours.
inline constexpr std::array<ColorRef, 10> ChannelColors = {
    0x800080, 0x008080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xF0CAA6, 0xF0FBFF,
};

// Steps of the level meters in dB.
inline constexpr std::array<float, 9> InputLevelMarks = {-50, -40, -30, -20, -5, 0, 5, 12, 15};
inline constexpr std::array<float, 8> OutputLevelMarks = {-50, -30, -10, -5, 0, 5, 12, 15};

// Q values by PeqBandRecord::Q.
inline constexpr std::array<float, 101> QfactorTable = {
    0.4f,  0.42f, 0.45f, 0.47f, 0.5f,  0.53f, 0.56f, 0.59f, 0.63f, 0.67f, 0.71f, 0.75f, 0.79f, 0.84f, 0.89f,
    0.94f, 1.0f,  1.06f, 1.12f, 1.19f, 1.26f, 1.3f,  1.4f,  1.5f,  1.6f,  1.7f,  1.8f,  1.9f,  2.0f,  2.1f,
    2.2f,  2.4f,  2.5f,  2.7f,  2.8f,  3.0f,  3.2f,  3.4f,  3.6f,  3.8f,  4.0f,  4.2f,  4.5f,  4.8f,  5.0f,
    5.3f,  5.7f,  6.0f,  6.3f,  6.7f,  7.1f,  7.6f,  8.0f,  8.5f,  9.0f,  9.5f,  10.1f, 10.7f, 11.3f, 12.0f,
    12.7f, 13.5f, 14.0f, 15.0f, 16.0f, 17.0f, 18.0f, 19.0f, 20.0f, 21.0f, 23.0f, 24.0f, 25.0f, 27.0f, 29.0f,
    30.0f, 32.0f, 34.0f, 36.0f, 38.0f, 40.0f, 43.0f, 45.0f, 48.0f, 51.0f, 54.0f, 57.0f, 60.0f, 64.0f, 68.0f,
    72.0f, 76.0f, 81.0f, 85.0f, 91.0f, 96.0f, 102.0f, 108.0f, 114.0f, 121.0f, 128.0f,
};

// Range-safe lookups. Ordered scales clamp to their ends (a Q index of 200 is Q 128, a ratio of 40
// is the limiter); the code tables answer their first entry (crossover bypass, Peak) and colours
// repeat with their table's length.
float QfactorAt(int qIndex);
std::string_view CompRatioTextAt(int ratio);
double CompRatioValueAt(int ratio);
int CrossoverCodeAt(int slopeType);
int PeqTypeToFilterTypeAt(int peqType);
ColorRef BandColorAt(int slot);
ColorRef ChannelColorAt(int index);

// The factory program every new model starts from.
extern const ParameterImage DefaultParameterImage;

// Value scales. Truncation is toward zero.
bool IsNumericText(std::string_view ansi);       // only digits and points (empty: true)
int DelayToSamples(double value, int unit);      // unit 0 ms, 1 m, 2 ft; another unit gives 0
int QToIndex(double q);
int GainToIndex(double dB);
int FreqToIndex(double hz);                      // not clamped; 0 for a frequency not above 0
double IndexToFreq(int index);
double IndexToGain(int index);

// The suffix of channel 0..5 (0 In A, 1 In B, 2..5 Out 1..Out 4) in control names and captions:
// "InA", "InB", "Out1" .. "Out4"; empty for any other number.
QString ChannelSuffix(int channel);
