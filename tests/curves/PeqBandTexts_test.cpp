// Reading what the user types into a band's frequency, Q and gain fields, and the display forms.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <span>

#include "curves/PeqBandTexts.h"
#include "device/GlobalConstants.h"

namespace {

struct TextCase {
    const char *name;
    QString typed;
    std::optional<int> position;  // nullopt: invalid
    QString shown = {};           // the display form of the position read
};

// Each case read by `read`; a valid one's position shown by `show`.
template <class Read, class Show>
void CheckCases(std::span<const TextCase> cases, Read read, Show show)
{
    for (const TextCase &c : cases) {
        EXPECT_EQ(read(c.typed), c.position) << c.name;
        if (c.position) {
            EXPECT_EQ(show(*c.position), c.shown) << c.name;
        }
    }
}

}  // namespace

TEST(PeqBandTextsTest, TypedTexts)
{
    const TextCase frequencies[] = {
        {.name = "1k", .typed = "1k", .position = 0, .shown = "1.00KHz"},
        {.name = "1K", .typed = "1K", .position = 0, .shown = "1.00KHz"},
        {.name = "1kHz", .typed = "1kHz", .position = 0, .shown = "1.00KHz"},
        {.name = "1000", .typed = "1000", .position = 0, .shown = "1.00KHz"},
        {.name = "1000hz", .typed = "1000hz", .position = 0, .shown = "1.00KHz"},
        {.name = "20", .typed = "20", .position = 1 - 170, .shown = "20.1Hz"},
        {.name = "50000", .typed = "50000", .position = 130, .shown = "20.16KHz"},
        {.name = "5", .typed = "5", .position = -170, .shown = "19.7Hz"},
        {.name = ".5", .typed = ".5", .position = -170, .shown = "19.7Hz"},
        {.name = "977.2Hz", .typed = "977.2Hz", .position = -1, .shown = "977.2Hz"},
        {.name = "0", .typed = "0", .position = std::nullopt},
        {.name = ".", .typed = ".", .position = std::nullopt},
        {.name = "empty", .typed = "", .position = std::nullopt},
        {.name = "1.2.3", .typed = "1.2.3", .position = std::nullopt},
        {.name = "1,5", .typed = "1,5", .position = std::nullopt},
        {.name = "1 kHz", .typed = "1 kHz", .position = std::nullopt},
        {.name = "0.0", .typed = "0.0", .position = std::nullopt},
        {.name = "00", .typed = "00", .position = std::nullopt},
        {.name = "0k", .typed = "0k", .position = std::nullopt},
        {.name = "kHz alone", .typed = "kHz", .position = std::nullopt},
        {.name = "-100", .typed = "-100", .position = std::nullopt},
        {.name = "non-ASCII digit", .typed = QString::fromUtf8("1\u0661"), .position = std::nullopt},
        {.name = "full-width k", .typed = QString::fromUtf8("1\uFF4B"), .position = std::nullopt},
    };
    CheckCases(frequencies, ReadFrequencyText, FrequencyPositionText);

    const TextCase qs[] = {
        {.name = "200", .typed = "200", .position = 100, .shown = "128.00"},
        {.name = "0.1", .typed = "0.1", .position = 0, .shown = "0.40"},
        {.name = "0.0", .typed = "0.0", .position = 0, .shown = "0.40"},
        {.name = "0.7", .typed = "0.7", .position = 10, .shown = "0.71"},
        {.name = "1", .typed = "1", .position = 16, .shown = "1.00"},
        {.name = "12.7", .typed = "12.7", .position = 60, .shown = "12.70"},
        {.name = "0", .typed = "0", .position = std::nullopt},
        {.name = ".", .typed = ".", .position = std::nullopt},
        {.name = "empty", .typed = "", .position = std::nullopt},
        {.name = "-1", .typed = "-1", .position = std::nullopt},
        {.name = "1.2.", .typed = "1.2.", .position = std::nullopt},
        {.name = "Q1", .typed = "Q1", .position = std::nullopt},
    };
    CheckCases(qs, ReadQText, QText);

    const TextCase gains[] = {
        {.name = "3.14", .typed = "3.14", .position = 31, .shown = "3.1dB"},
        {.name = "-20", .typed = "-20", .position = -120, .shown = "-12dB"},
        {.name = "13", .typed = "13", .position = 120, .shown = "12dB"},
        {.name = "6dB", .typed = "6dB", .position = 60, .shown = "6dB"},
        {.name = "6db", .typed = "6db", .position = 60, .shown = "6dB"},
        {.name = "6DB", .typed = "6DB", .position = 60, .shown = "6dB"},
        {.name = "5.5-", .typed = "5.5-", .position = 55, .shown = "5.5dB"},
        {.name = "-0.3", .typed = "-0.3", .position = -3, .shown = "-0.3dB"},
        {.name = "-.5", .typed = "-.5", .position = -5, .shown = "-0.5dB"},
        {.name = "0", .typed = "0", .position = 0, .shown = "0dB"},
        {.name = "--1", .typed = "--1", .position = std::nullopt},
        {.name = "1.", .typed = "1.", .position = std::nullopt},
        {.name = "5-", .typed = "5-", .position = std::nullopt},
        {.name = "-", .typed = "-", .position = std::nullopt},
        {.name = ".", .typed = ".", .position = std::nullopt},
        {.name = "empty", .typed = "", .position = std::nullopt},
        {.name = "dB alone", .typed = "dB", .position = std::nullopt},
        {.name = "1.2.3", .typed = "1.2.3", .position = std::nullopt},
        {.name = "+3", .typed = "+3", .position = std::nullopt},
        {.name = "3 dB", .typed = "3 dB", .position = std::nullopt},
    };
    CheckCases(gains, ReadGainText, [](int position) { return GainText(position / 10.0); });
}

// What a field shows reads back as the same value: leaving a field unchanged keeps it.
TEST(PeqBandTextsTest, EveryDisplayTextReadsBackAsItsOwnValue)
{
    for (int index = 0; index <= 300; ++index)
        EXPECT_EQ(ReadFrequencyText(FrequencyPositionText(index - 170)), index - 170) << "index " << index;
    for (int q = 0; q <= 100; ++q)
        EXPECT_EQ(ReadQText(QText(q)), q) << "Q index " << q;
    for (int gain = -120; gain <= 120; ++gain)
        EXPECT_EQ(ReadGainText(GainText(gain / 10.0)), gain) << "gain " << gain;
    // The gains the main window sets, (index - 120) x 0.1, read back too.
    for (int index = 0; index <= 240; ++index)
        EXPECT_EQ(ReadGainText(GainText((index - 120) * 0.1)), index - 120) << "gain index " << index;
}

TEST(PeqBandTextsTest, TheSettersFrequencyRounding)
{
    struct Row {
        const char *name;
        double position;  // of the frequency passed
        std::optional<int> expected;
    };
    const Row rows[] = {
        {.name = "12.57 (12.60)", .position = 12.57, .expected = 13},
        {.name = "12.52 (12.50)", .position = 12.52, .expected = 12},
        {.name = "5.58", .position = 5.58, .expected = 5},
        {.name = "5.61", .position = 5.61, .expected = 6},
        {.name = "-5.61", .position = -5.61, .expected = -6},
        {.name = "123.6 (124.00)", .position = 123.6, .expected = 124},
        {.name = "-0.3", .position = -0.3, .expected = 0},
        {.name = "beyond the grid", .position = 200.2, .expected = 200},
    };
    for (const Row &r : rows)
        EXPECT_EQ(FrequencyPosition(1000.0 * std::pow(FreqStepRatio, r.position)), r.expected) << r.name;
    // Every grid frequency gives its own position.
    for (int index = 0; index <= 300; ++index)
        EXPECT_EQ(FrequencyPosition(IndexToFreq(index)), index - 170) << "index " << index;
    // No logarithm of a frequency that is not above 0.
    for (double hz : {0.0, -5.0, std::nan(""), HUGE_VAL})
        EXPECT_EQ(FrequencyPosition(hz), std::nullopt) << hz;
    EXPECT_EQ(FrequencyToIndex(0.0, false), 0);
    EXPECT_EQ(FrequencyToIndex(1e308, true), 300);
}
