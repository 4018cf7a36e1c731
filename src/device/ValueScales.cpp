// The value scales declared in GlobalConstants.h. Intermediate products are taken in extended
// precision and rounded to double where the scale says so, which decides the results on the
// boundaries (round trips of every frequency and Q index depend on it).

#include <cmath>
#include <cstdio>
#include <cstring>

#include "device/GlobalConstants.h"

namespace {

// First digit after the decimal point of `v` in its shortest decimal form of up to 15 significant
// digits (0 when that form has none).
int FirstDecimalDigit(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", v);
    if (std::strchr(text, 'e') != nullptr)
        return 0;  // far below 0.0001 or far beyond any index
    const char *point = std::strchr(text, '.');
    return point != nullptr && point[1] >= '0' && point[1] <= '9' ? point[1] - '0' : 0;
}

// Toward zero; a value beyond the int range (or not a number) saturates instead of being undefined.
int Truncate(long double v)
{
    if (std::isnan(v))
        return 0;
    constexpr long double lo = -2147483648.0L, hi = 2147483647.0L;
    return static_cast<int>(v < lo ? lo : v > hi ? hi : v);
}

}  // namespace

bool IsNumericText(std::string_view ansi)
{
    for (char c : ansi)
        if (!((c >= '0' && c <= '9') || c == '.'))
            return false;
    return true;
}

int DelayToSamples(double value, int unit)
{
    const long double v = value;
    switch (unit) {
    case 0:
        return Truncate(v * SamplesPerMs);
    case 1:
        return Truncate(v * SamplesPerMs * 1000 / static_cast<long double>(DelaySoundSpeed));
    case 2:
        return Truncate(v * SamplesPerMs * 1000 / static_cast<long double>(DelaySoundSpeed) * 0.30480370641307L);
    default:
        return 0;
    }
}

int QToIndex(double q)
{
    if (!(q > 0))
        return 0;  // the smallest Q of the table is the nearest
    const double b = static_cast<double>(std::log(128.0L / q) / std::log(1.0596L));
    const int n = Truncate(b) + (FirstDecimalDigit(b) >= 5 ? 1 : 0);
    return 100 - n;
}

int GainToIndex(double dB)
{
    return Truncate(static_cast<double>(dB * 10.0L)) + 120;
}

int FreqToIndex(double hz)
{
    if (!(hz > 0))
        return 0;
    const double a = static_cast<double>(std::log(hz * 0.001L) / std::log(static_cast<long double>(FreqStepRatio)) + 170);
    const int n = Truncate(a);
    return a - n > 0.5 ? n + 1 : n;
}

double IndexToFreq(int index)
{
    return static_cast<double>(1000.0L * std::pow(static_cast<long double>(FreqStepRatio), index - 170));
}

double IndexToGain(int index)
{
    return (index - 120) * 0.1;
}
