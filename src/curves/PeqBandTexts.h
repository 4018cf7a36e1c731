#pragma once
// The texts of the PEQ band table's fields: reading what the user typed into a frequency, Q or
// gain field, and the one display form each value is shown in. Values are positions on the
// device's grids: frequency position = FrequencyIndex - 170 (1000 x FreqStepRatio^position Hz),
// Q position = index into QfactorTable (0 to 100), gain position = tenths of a dB (-120 to 120).
//
// A typed text is valid or invalid as a whole. Only ASCII digits, ".", "-" and the unit letters
// below can make it valid ("." is the decimal separator whatever the locale); any other character,
// including one outside ASCII, makes it invalid.
//   frequency   every "HZ", "Hz", "hZ", "hz" the text contains drops its last two characters, every
//               "k", "K" its last character and makes the number kHz; then digits with at most one
//               "." whose value is above 0 (so "0", "0.0", "00", "." and "" are invalid); the
//               position of the nearest grid frequency, kept within the grid
//   Q           digits with at most one "." other than "", "." and "0"; the value is kept within
//               0.4 to 128 and the nearest Q of the table taken
//   gain        every "DB", "Db", "dB", "db" the text contains drops its last two characters; then
//               digits with at most one "." and at most one "-" in front, at least one digit
//               after a "."; one decimal is kept (3.14 reads 3.1, 5.5- reads 5.5); the value is
//               kept within -12 to 12 dB

#include <QString>

#include <optional>

// Positions of typed texts; nullopt when the text is invalid.
std::optional<int> ReadFrequencyText(const QString &text);
std::optional<int> ReadQText(const QString &text);
std::optional<int> ReadGainText(const QString &text);

// Display forms: below 1000 Hz "977.2Hz" (one decimal), from 1000 Hz "1.00KHz" (kHz, two decimals).
QString FrequencyText(double hz);
// The Q of the table at the position (kept within 0 to 100) with two decimals: "0.71".
QString QText(int position);
// The value in its shortest form (up to 15 significant digits) and "dB": "0dB", "-3.5dB".
QString GainText(double dB);
// The frequency of a frequency position in its display form.
QString FrequencyPositionText(int position);

// Grid index (0 to 300) of a typed number, taken as kHz when `kHz` is set: the nearest index, a
// fraction of exactly one half rounding down.
int FrequencyToIndex(double number, bool kHz);
// Frequency position of a frequency in Hz as the table's setters round it: the position with
// three significant digits and at most two decimals, moved one unit away from zero when its first
// decimal is 6 or more, then truncated (12.57 gives 13, 12.52 gives 12, 123.6 gives 124). Not kept
// within the grid. Nullopt for a frequency that is not above 0 or not finite.
std::optional<int> FrequencyPosition(double hz);
