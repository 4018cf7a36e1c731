#include "curves/PeqBandTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "device/GlobalConstants.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/SysUtils.h"

namespace {

constexpr int FirstFrequencyIndex = 0;
constexpr int LastFrequencyIndex = 300;
constexpr int OneKilohertzIndex = 170;
constexpr int LastQIndex = 100;
constexpr int GainLimit = 120;  // tenths of a dB

// The text as 8-bit characters; nullopt when it holds a character outside ASCII.
std::optional<std::string> Ascii(const QString &text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c.unicode() > 0x7F)
            return std::nullopt;
        out.push_back(static_cast<char>(c.unicode()));
    }
    return out;
}

// For each unit spelling the text contains anywhere, its last `drop` characters go (what is left
// of a text shorter than that is empty). True when any spelling was found.
bool DropUnits(std::string &text, std::initializer_list<const char *> spellings, std::size_t drop)
{
    bool found = false;
    for (const char *unit : spellings)
        if (text.find(unit) != std::string::npos) {
            text.resize(text.size() > drop ? text.size() - drop : 0);
            found = true;
        }
    return found;
}

// Digits with at most one "." and not "", "." or "0": the number it spells.
std::optional<double> UnsignedNumber(const std::string &text)
{
    if (text.empty() || text == "." || text == "0")
        return std::nullopt;
    if (std::count(text.begin(), text.end(), '.') > 1)
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; }))
        return std::nullopt;
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace

int FrequencyToIndex(double number, bool kHz)
{
    const double f = kHz ? number * 1000.0 : number;
    if (!(f > 0))
        return FirstFrequencyIndex;
    if (!std::isfinite(f))
        return LastFrequencyIndex;
    return std::clamp(FreqToIndex(f), FirstFrequencyIndex, LastFrequencyIndex);
}

std::optional<int> ReadFrequencyText(const QString &typed)
{
    std::optional<std::string> text = Ascii(typed);
    if (!text)
        return std::nullopt;
    DropUnits(*text, {"HZ", "Hz", "hZ", "hz"}, 2);
    const bool kHz = DropUnits(*text, {"k", "K"}, 1);
    const std::optional<double> number = UnsignedNumber(*text);
    // A value of zero ("0.0", "00") has no place on the grid, like "0" itself.
    if (!number || !(*number > 0))
        return std::nullopt;
    return FrequencyToIndex(*number, kHz) - OneKilohertzIndex;
}

std::optional<int> ReadQText(const QString &typed)
{
    const std::optional<std::string> text = Ascii(typed);
    if (!text)
        return std::nullopt;
    const std::optional<double> number = UnsignedNumber(*text);
    if (!number)
        return std::nullopt;
    const double q = std::clamp(*number, 0.4, 128.0);
    return std::clamp(QToIndex(q), 0, LastQIndex);
}

std::optional<int> ReadGainText(const QString &typed)
{
    std::optional<std::string> text = Ascii(typed);
    if (!text)
        return std::nullopt;
    DropUnits(*text, {"DB", "Db", "dB", "db"}, 2);
    std::string &t = *text;
    if (t.empty() || t == "-" || t == ".")
        return std::nullopt;
    if (!std::all_of(t.begin(), t.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; }))
        return std::nullopt;
    if (std::count(t.begin(), t.end(), '.') > 1 || std::count(t.begin(), t.end(), '-') > 1)
        return std::nullopt;
    // One decimal is kept.
    if (const std::size_t point = t.find('.'); point != std::string::npos) {
        if (point + 1 == t.size())
            return std::nullopt;
        t.resize(point + 2);
    }
    // A "-" anywhere but in front, or no digit at all, spells no number.
    const std::size_t minus = t.find('-');
    if ((minus != std::string::npos && minus != 0) || t.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    const double dB = std::clamp(std::strtod(t.c_str(), nullptr), -12.0, 12.0);
    // The text holds at most one decimal, so this is exactly the tenths it spells.
    return static_cast<int>(std::lround(dB * 10.0));
}

QString FrequencyText(double hz)
{
    if (hz < 1000.0)
        return Format("%4.1f", {hz}) + QStringLiteral("Hz");
    return Format("%4.2f", {hz * 0.001}) + QStringLiteral("KHz");
}

QString FrequencyPositionText(int position)
{
    return FrequencyText(IndexToFreq(position + OneKilohertzIndex));
}

QString QText(int position)
{
    return Format("%4.2f", {static_cast<double>(QfactorAt(std::clamp(position, 0, LastQIndex)))});
}

QString GainText(double dB)
{
    return FloatToStr(dB) + QStringLiteral("dB");
}

std::optional<int> FrequencyPosition(double hz)
{
    if (!(hz > 0) || !std::isfinite(hz))
        return std::nullopt;
    const double p = std::log(hz / 1000.0) / std::log(FreqStepRatio);
    // Three significant digits, at most two decimals.
    const double magnitude = std::abs(p);
    const int decimals = magnitude < 10 ? 2 : magnitude < 100 ? 1 : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, p);
    const char *point = std::strchr(text, '.');
    const double whole = std::trunc(std::strtod(text, nullptr));
    const bool up = point && point[1] >= '6' && point[1] <= '9';
    return static_cast<int>(whole + (up ? (p < 0 ? -1 : 1) : 0));
}
