// Number and date formatting as the framework does it ("." decimal separator always). The
// scientific and general formats and the rounding of ties are where C's printf differs.

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FloatFormat.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/SysUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FloatCase {
    double value;
    TFloatFormat format;
    int precision, digits;
    const char *expected;
};

TEST(FloatToStrF, Table)
{
    const FloatCase cases[] = {
        {1000, ffExponent, 15, 3, "1.00000000000000E+003"},
        {987.64, ffExponent, 3, 3, "9.88E+002"},
        {987.64, ffExponent, 4, 3, "9.876E+002"},
        {-0.00012345, ffExponent, 3, 2, "-1.23E-04"},
        {0, ffExponent, 3, 3, "0.00E+000"},
        {9.9999, ffExponent, 3, 0, "1.00E+1"},
        {1234567.891, ffGeneral, 15, 0, "1234567.891"},
        {1e20, ffGeneral, 15, 0, "1E20"},
        {1.5e-10, ffGeneral, 15, 0, "1.5E-10"},
        {0.0001, ffGeneral, 15, 0, "0.0001"},
        {0.00001, ffGeneral, 15, 0, "1E-5"},
        {123456, ffGeneral, 4, 0, "1.235E5"},
        {-18, ffGeneral, 5, 4, "-18"},
        {0.1 + 0.2, ffGeneral, 15, 0, "0.3"},
        {100, ffGeneral, 15, 0, "100"},
        {1234567.891, ffFixed, 15, 2, "1234567.89"},
        {2.5, ffFixed, 15, 0, "3"},      // halves away from zero, C gives "2"
        {0.25, ffFixed, 15, 1, "0.3"},   // C gives "0.2"
        {-2.5, ffFixed, 15, 0, "-3"},
        {2.675, ffFixed, 15, 2, "2.67"}, // 2.67499999... in binary
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {999.5, ffNumber, 15, 0, "1,000"},
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "($1,234.50)"},
        {std::numeric_limits<double>::quiet_NaN(), ffGeneral, 15, 0, "NAN"},
        {-std::numeric_limits<double>::infinity(), ffFixed, 15, 2, "-INF"},
    };
    for (const FloatCase &c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits).toStdString(), c.expected)
            << c.value << " format " << c.format << " " << c.precision << "," << c.digits;
    EXPECT_EQ(FloatToStr(1.0 / 3.0), QStringLiteral("0.333333333333333"));
}

struct FormatCase {
    const char *format;
    std::vector<TVarRec> args;
    const char *expected;
};

TEST(Format, Table)
{
    const std::vector<FormatCase> cases = {
        {"%e", {1000.0}, "1.00000000000000E+003"},
        {"%.3e", {987.64}, "9.88E+002"},
        {"%g", {0.5}, "0.5"},
        {"%g", {1234567.0}, "1234567"},
        {"%f", {1.0}, "1.00"},
        {"%4.1fdB", {12.0}, "12.0dB"},
        {"-%3.1fdB", {20.5f}, "-20.5dB"},
        {"+%3.1fdB", {0.0}, "+0.0dB"},
        {"%+1.1fdB", {-12.5}, "-12.5dB"},
        {"%+1.1fdB", {3.0}, "+3.0dB"},
        {"%.0f%%", {49.5}, "50%"},
        {"%4.2fKHz", {1.0}, "1.00KHz"},
        {"%4.3f ms", {0.0208333}, "0.021 ms"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%m", {12.5}, "$12.50"},
        {"%d.%d.%d.%d", {192, 168, 1, 101}, "192.168.1.101"},
        {"%3dms", {5}, "  5ms"},
        {"%-5d|", {42}, "42   |"},
        {"%.4d", {-42}, "-0042"},
        {"%u", {-1}, "4294967295"},
        {"%x", {255}, "FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%02X ", {10}, "0A "},
        {"USB W %02X  ", {0}, "USB W 00  "},
        {"%.4x", {255}, "00FF"},
        {"%s=%s", {"key", QStringLiteral("value")}, "key=value"},
        {"%.3s|%5s", {"abcdef", "ab"}, "abc|   ab"},
        {"%1:s %0:s", {"a", "b"}, "b a"},
        {"%*d", {5, 42}, "   42"},
        {"%s=%d", {"ID", 7}, "ID=7"},
        {"100%%", {}, "100%"},
    };
    for (const FormatCase &c : cases)
        EXPECT_EQ(Format(QString::fromLatin1(c.format), std::span<const TVarRec>(c.args)).toStdString(), c.expected)
            << c.format;
}

TEST(Format, MismatchedArgumentsRaise)
{
    EXPECT_THROW(Format("%d", {1.5}), EConvertError);
    EXPECT_THROW(Format("%f", {1}), EConvertError);
    EXPECT_THROW(Format("%d %d", {1}), EConvertError);
    EXPECT_THROW(Format("%q", {1}), EConvertError);
    EXPECT_THROW(Format("%s", {3}), EConvertError);
}

TEST(FormatFloat, Pictures)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("#,#0"), 1234567.4), QStringLiteral("1,234,567"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,#0.000"), 1234.5), QStringLiteral("1,234.500"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,#0"), -0.4), QStringLiteral("0"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 0.125), QStringLiteral("0.13"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#.##"), 0.5), QStringLiteral(".5"));
    EXPECT_EQ(FormatFloat(QStringLiteral("000"), 7), QStringLiteral("007"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0;(0.0);zero"), -1.25), QStringLiteral("(1.3)"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0;(0.0);zero"), 0), QStringLiteral("zero"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00E+00"), 12345), QStringLiteral("1.23E+04"));
    EXPECT_EQ(FormatFloat(QStringLiteral("'Value: '0.0"), 2), QStringLiteral("Value: 2.0"));
    EXPECT_EQ(FormatFloat(QString(), 0.5), QStringLiteral("0.5"));
}

TEST(FormatDateTime, Specifiers)
{
    TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy-mm-dd hh:nn:ss.zzz"), t), QStringLiteral("2024-03-05 14:07:09.045"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("d/m/yy"), t), QStringLiteral("5/3/24"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("hh:mm"), t), QStringLiteral("14:07"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("h:nn am/pm"), t), QStringLiteral("2:07 pm"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("dddd, mmmm d"), t), QStringLiteral("Tuesday, March 5"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), t), QStringLiteral("3/5/2024 2:07:09 PM"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("hh:nn:ss"), 2.5), QStringLiteral("12:00:00"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("\"day\" d"), t), QStringLiteral("day 5"));
    int y, m, d, h, n, s, ms;
    DecodeDate(EncodeDate(1899, 12, 30), y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{1899, 12, 30}));
    DecodeDate(EncodeDate(2000, 2, 29), y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{2000, 2, 29}));
    DecodeTime(t, h, n, s, ms);
    EXPECT_EQ((std::vector<int>{h, n, s, ms}), (std::vector<int>{14, 7, 9, 45}));
    EXPECT_EQ(DayOfWeek(t), 3);
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
}

TEST(IncMonth, KeepsDayAndTimeAndCutsTheDayToTheMonth)
{
    struct Case {
        const char *name;
        TDateTime from;
        int months;
        TDateTime to;
    };
    const TDateTime noon = 0.5;
    const Case cases[] = {
        {"one month on", EncodeDate(2024, 3, 5) + noon, 1, EncodeDate(2024, 4, 5) + noon},
        {"across the year back", EncodeDate(2024, 2, 1), -3, EncodeDate(2023, 11, 1)},
        {"to a shorter month", EncodeDate(2024, 1, 31), 1, EncodeDate(2024, 2, 29)},
        {"whole years", EncodeDate(2000, 2, 29), 12, EncodeDate(2001, 2, 28)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IncMonth(c.from, c.months), c.to) << c.name;
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST(StrToDateTime, ReadsDatesAndTimesAsDateTimeToStrWritesThem)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    struct Case {
        QString text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"3/5/2024 2:07:09 PM", EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0)},
        {DateTimeToStr(EncodeDate(2024, 3, 5) + EncodeTime(9, 30, 0, 0)),
         EncodeDate(2024, 3, 5) + EncodeTime(9, 30, 0, 0)},
        {" 12/31/1999 ", EncodeDate(1999, 12, 31)},
        {"1/2/03", EncodeDate(2003, 1, 2)},
        {"1/2/99", EncodeDate(1999, 1, 2)},
        {"3/5", EncodeDate(year, 3, 5)},
        {"14:07", EncodeTime(14, 7, 0, 0)},
        {"12:00:01 am", EncodeTime(0, 0, 1, 0)},
        {"23:59:59.250", EncodeTime(23, 59, 59, 250)},
        {"7 PM", EncodeTime(19, 0, 0, 0)},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(StrToDateTime(c.text), c.expected) << c.text.toStdString();
    for (const char *bad : {"", "x", "13/45/2024", "25:00", "12", "1/2/3/4", "3/5/2024 noon", "13:00 PM"})
        EXPECT_THROW(StrToDateTime(QString::fromUtf8(bad)), EConvertError) << bad;
}

TEST(Conversions, TextToNumbersWithDotDecimalSeparator)
{
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(" 2.5 ")), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("-1e3")), -1000);
    EXPECT_THROW(StrToFloat(QStringLiteral("1,5")), EConvertError);
    EXPECT_THROW(StrToFloat(QStringLiteral("")), EConvertError);
    EXPECT_THROW(StrToFloat(QStringLiteral("nan")), EConvertError);
    EXPECT_EQ(StrToInt(QStringLiteral("$FF")), 255);
    EXPECT_EQ(StrToInt(QStringLiteral("-12")), -12);
    EXPECT_THROW(StrToInt(QStringLiteral("12a")), EConvertError);
    EXPECT_THROW(StrToInt(QStringLiteral("99999999999")), EConvertError);
    EXPECT_EQ(StrToIntDef(QStringLiteral("x"), 7), 7);
    EXPECT_EQ(IntToHex(171, 4), QStringLiteral("00AB"));
    EXPECT_EQ(Round(2.5), 2);  // the framework's Round halves to even
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Trunc(-2.7), -2);
    EXPECT_EQ(Trim(QStringLiteral("\t a b \r\n")), QStringLiteral("a b"));
}

TEST(Conversions, APieceOfALongerTextReadsAsTheSameNumberAsItsCopy)
{
    struct Case {
        const char *name;
        QString field;
        bool ok;
    };
    const Case cases[] = {
        {.name = "blanks around", .field = QStringLiteral(" \t-12.5e-3 "), .ok = true},
        {.name = "longer than a short buffer", .field = QString(70, u'1') + QStringLiteral(".5"), .ok = true},
        {.name = "comma", .field = QStringLiteral("1,5"), .ok = false},
        {.name = "Arabic-Indic digit", .field = QString(QChar(0x0661)), .ok = false},
        {.name = "blank", .field = QStringLiteral("  "), .ok = false},
        {.name = "too large", .field = QStringLiteral("1e999"), .ok = false},
    };
    for (const Case &c : cases) {
        // The field between two separators of a line, as a view into it.
        const QString line = QStringLiteral("x;") + c.field + QStringLiteral(";y");
        const QStringView piece = QStringView(line).sliced(2, c.field.size());
        double fromPiece = -1, fromCopy = -2;
        EXPECT_EQ(TryStrToFloat(piece, fromPiece), c.ok) << c.name;
        EXPECT_EQ(TryStrToFloat(c.field, fromCopy), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(fromPiece, fromCopy) << c.name;
        }
        EXPECT_EQ(Trim(piece).toString(), Trim(c.field)) << c.name;
    }
}

}  // namespace
