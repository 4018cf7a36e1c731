// The library's helpers that need no window: colours, decimal places, time spans, paper sizes and
// the property text lines of configuration files.

#include "platform/os/CodePage.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/StringList.h"
#include "plotlib/base/iHelpers.h"

#include <gtest/gtest.h>

// An object with one property of each kind the lines carry, and an owned sub-object.
class TLineProbe : public TPersistent {
    T_DECLARE_CLASS(TLineProbe, TPersistent)
    TLineProbe() = default;
    TColor Color = clBlack;
    int Width = 1;
    double Level = 0;
    QString Text;
    bool Visible = true;
    TiBevelStyle Style = ibsNone;
    TLineProbe *Sub() const { return sub_.get(); }
    void SetSub(TLineProbe *) {}
    bool HasSub = false;

    std::unique_ptr<TLineProbe> sub_;
};

T_IMPLEMENT_CLASS(TLineProbe)
{
    b.Color("Color", &TLineProbe::Color, &TLineProbe::Color).Default(clBlack);
    b.Int("Width", &TLineProbe::Width, &TLineProbe::Width).Default(1);
    b.Float("Level", &TLineProbe::Level, &TLineProbe::Level);
    b.Str("Text", &TLineProbe::Text, &TLineProbe::Text);
    b.Bool("Visible", &TLineProbe::Visible, &TLineProbe::Visible).Default(true);
    b.Enum("Style", &TLineProbe::Style, &TLineProbe::Style, iBevelStyleNames).Default(ibsNone);
    b.Object("Sub", &TLineProbe::Sub, &TLineProbe::SetSub);
}

namespace {

QStringList Lines(const TStringList &list)
{
    return list.ToStringList();
}

TEST(ShadeColor, AddsOrTakesTheAmountFromEachComponentWithinRange)
{
    struct Case {
        const char *name;
        TColor color;
        int amount;
        bool lighter;
        TColor expected;
    };
    const Case cases[] = {
        {.name = "button face 64 lighter",
         .color = clBtnFace,
         .amount = 64,
         .lighter = true,
         .expected = RGB(255, 255, 255)},
        {.name = "button face 32 darker",
         .color = clBtnFace,
         .amount = 32,
         .lighter = false,
         .expected = RGB(208, 208, 208)},
        {.name = "dark colour below zero",
         .color = RGB(10, 100, 40),
         .amount = 50,
         .lighter = false,
         .expected = RGB(0, 50, 0)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(iShadeColor(c.color, static_cast<std::uint8_t>(c.amount), c.lighter), c.expected) << c.name;
}

TEST(DecimalPlaces, FollowsTheSpanAndPrecision)
{
    struct Case {
        const char *name;
        int precision;
        TiPrecisionStyle style;
        double a, b;
        int expected;
    };
    const Case cases[] = {
        {.name = "span 250", .precision = 4, .style = ipsSignificantDigits, .a = 0, .b = 250, .expected = 1},
        {.name = "span 0.5", .precision = 4, .style = ipsSignificantDigits, .a = 0, .b = 0.5, .expected = 4},
        {.name = "no span", .precision = 4, .style = ipsSignificantDigits, .a = 0, .b = 0, .expected = 1},
        {.name = "span 10", .precision = 4, .style = ipsSignificantDigits, .a = 0, .b = 10, .expected = 2},
        {.name = "span 100", .precision = 4, .style = ipsSignificantDigits, .a = 0, .b = 100, .expected = 1},
        {.name = "span 1000", .precision = 4, .style = ipsSignificantDigits, .a = 0, .b = 1000, .expected = 0},
        {.name = "span 1e6 beyond the digits",
         .precision = 4,
         .style = ipsSignificantDigits,
         .a = 0,
         .b = 1e6,
         .expected = 0},
        {.name = "span 0.1", .precision = 3, .style = ipsSignificantDigits, .a = 0, .b = 0.1, .expected = 4},
        {.name = "no precision", .precision = 0, .style = ipsSignificantDigits, .a = 0, .b = 5, .expected = 0},
        {.name = "fixed", .precision = 3, .style = ipsFixedDecimalPoints, .a = 0, .b = 12345, .expected = 3},
    };
    for (const Case &c : cases)
        EXPECT_EQ(iGetDecimalPlaces(c.precision, c.style, c.a, c.b), c.expected) << c.name;
}

TEST(TimeSpans, CountWholeUnitsAndReplaceWhatDoesNotFit)
{
    const double hour = 1.0 / 24, minute = hour / 60;
    struct Case {
        const char *name;
        int (*count)(double);
        double span;
        int expected;
    };
    const Case cases[] = {
        {.name = "ms of 1 h 2 min", .count = iSpanToMilliseconds, .span = hour + 2 * minute, .expected = 3720000},
        {.name = "ms of 30 days overflow", .count = iSpanToMilliseconds, .span = 30, .expected = 2147483647},
        {.name = "ms of 50 days overflow", .count = iSpanToMilliseconds, .span = 50, .expected = 2147483647},
        {.name = "ms of a negative span", .count = iSpanToMilliseconds, .span = -0.5, .expected = 2147483647},
        {.name = "seconds of 2 days", .count = iSpanToSeconds, .span = 2, .expected = 172800},
        {.name = "minutes of 1 day 3 h", .count = iSpanToMinutes, .span = 1 + 3 * hour, .expected = 1620},
        {.name = "minutes of a negative span", .count = iSpanToMinutes, .span = -2, .expected = 10000},
        {.name = "minutes of minus half a day", .count = iSpanToMinutes, .span = -0.5, .expected = 10000},
        {.name = "hours of 3 days 5 h", .count = iSpanToHours, .span = 3 + 5 * hour, .expected = 77},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.count(c.span), c.expected) << c.name;
}

TEST(PaperSize, GivesInchesOfTheSystemPaperCodes)
{
    struct Case {
        const char *name;
        int code;
        double width, height;
    };
    const Case cases[] = {
        {.name = "A4", .code = 9, .width = 8.2677, .height = 11.6929},
        {.name = "ledger", .code = 4, .width = 17, .height = 11},
        {.name = "legal", .code = 5, .width = 8.5, .height = 14},
        {.name = "B6 envelope", .code = 35, .width = 6.9291, .height = 4.9213},
        {.name = "A2", .code = 66, .width = 16.5354, .height = 23.3858},
        {.name = "reserved 48", .code = 48, .width = 8.5, .height = 11},
        {.name = "unknown 69", .code = 69, .width = 8.5, .height = 11},
        {.name = "zero", .code = 0, .width = 8.5, .height = 11},
    };
    for (const Case &c : cases) {
        double w = 0, h = 0;
        iGetPaperSize(static_cast<std::uint16_t>(c.code), w, h);
        EXPECT_NEAR(w, c.width, 1e-4) << c.name;
        EXPECT_NEAR(h, c.height, 1e-4) << c.name;
    }
}

TEST(PropertyLines, WriteEveryKindAsTheLibraryFilesHoldIt)
{
    TLineProbe probe;
    probe.Color = clBtnFace;
    probe.Level = 0.1;
    probe.Text = QStringLiteral("two\r\nlines");
    probe.Visible = false;
    probe.Style = ibsLowered;
    TStringList lines;
    iWritePropertiesToList(&probe, QStringLiteral("Probe0"), &lines, false, nullptr);
    EXPECT_EQ(Lines(lines), QStringList({"Probe0.Color = -16777201", "Probe0.Width = 1", "Probe0.Level = 0.1",
                                         "Probe0.Text = two#13#10lines", "Probe0.Visible = 0", "Probe0.Style = 2"}));

    // Differential: ordinals at their declared defaults are left out; excluded paths too.
    TStringList exclude;
    exclude.Add(QStringLiteral("probe0.level"));
    TStringList differential;
    probe.Color = clBlack;
    iWritePropertiesToList(&probe, QStringLiteral("Probe0"), &differential, true, &exclude);
    EXPECT_EQ(Lines(differential),
              QStringList({"Probe0.Text = two#13#10lines", "Probe0.Visible = 0", "Probe0.Style = 2"}));
}

TEST(PropertyLines, ReadBackWhatWasWrittenIncludingLineBreaks)
{
    TLineProbe written;
    written.Color = RGB(1, 2, 3);
    written.Level = -12.375;
    written.Text = QStringLiteral("first\r\nsecond");
    TStringList lines;
    iWritePropertiesToList(&written, QString(), &lines, false, nullptr);
    TLineProbe read;
    iReadPropertiesFromList(&read, QString(), &lines);
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(read.Color, RGB(1, 2, 3));
    EXPECT_EQ(read.Level, -12.375);
    EXPECT_EQ(read.Text, QStringLiteral("first\r\nsecond"));
}

TEST(PropertyLines, ReadStopsAtTheFirstLineOfAnotherPrefix)
{
    TLineProbe channel;
    TStringList lines;
    lines.Add(QStringLiteral("Channel0.Color = 255"));
    lines.Add(QStringLiteral("Channel0.Width = 3"));
    lines.Add(QStringLiteral("Channel1.Color = 65535"));
    lines.Add(QStringLiteral("Channel0.Width = 9"));
    iReadPropertiesFromList(&channel, QStringLiteral("Channel0"), &lines);
    EXPECT_EQ(channel.Color, 255);
    EXPECT_EQ(channel.Width, 3);
    EXPECT_EQ(Lines(lines), QStringList({"Channel1.Color = 65535", "Channel0.Width = 9"}));
}

TEST(PropertyLines, ValueTextsConvertByKind)
{
    struct Case {
        const char *name;
        const char *line;
        std::function<bool(const TLineProbe &)> holds;
    };
    const Case cases[] = {
        {.name = "comma decimal", .line = "Level = 1,5", .holds = [](const TLineProbe &p) { return p.Level == 1.5; }},
        {.name = "point decimal", .line = "Level = 2.25", .holds = [](const TLineProbe &p) { return p.Level == 2.25; }},
        {.name = "breaks in any case",
         .line = "Text = a#13#10b#0d",
         .holds = [](const TLineProbe &p) { return p.Text == "a\r\nb#0d"; }},
        {.name = "blanks around are lost",
         .line = "Text =   padded  ",
         .holds = [](const TLineProbe &p) { return p.Text == "padded"; }},
        {.name = "path in any case", .line = "wIdTh = 7", .holds = [](const TLineProbe &p) { return p.Width == 7; }},
        {.name = "unknown path", .line = "Nothing = 7", .holds = [](const TLineProbe &p) { return p.Width == 1; }},
        {.name = "path through a missing object",
         .line = "Sub.Width = 7",
         .holds = [](const TLineProbe &p) { return p.Width == 1; }},
        {.name = "enumeration by position",
         .line = "Style = 1",
         .holds = [](const TLineProbe &p) { return p.Style == ibsRaised; }},
    };
    for (const Case &c : cases) {
        TLineProbe probe;
        TStringList lines;
        lines.Add(QString::fromLatin1(c.line));
        iReadPropertiesFromList(&probe, QString(), &lines);
        EXPECT_TRUE(c.holds(probe)) << c.name;
    }
}

TEST(PropertyLines, ReadsIntoOwnedSubObjects)
{
    TLineProbe probe;
    probe.sub_ = std::make_unique<TLineProbe>();
    TStringList lines;
    lines.Add(QStringLiteral("Sub.Width = 7"));
    lines.Add(QStringLiteral("Sub.Text = inner"));
    iReadPropertiesFromList(&probe, QString(), &lines);
    EXPECT_EQ(probe.sub_->Width, 7);
    EXPECT_EQ(probe.sub_->Text, QStringLiteral("inner"));

    TStringList written;
    iWritePropertiesToList(&probe, QString(), &written, true, nullptr);
    EXPECT_TRUE(written.ToStringList().contains(QStringLiteral("Sub.Width = 7")));
}

TEST(PropertyLines, BadNumbersRaiseAndStayAtTheFront)
{
    TLineProbe probe;
    TStringList lines;
    lines.Add(QStringLiteral("Width = wide"));
    EXPECT_THROW(iReadPropertiesFromList(&probe, QString(), &lines), EConvertError);
    EXPECT_EQ(lines.Count(), 1);
}

TEST(PropertyLines, ALongLineIsCutAt255BytesBetweenCharacters)
{
    // "Text = " is 7 bytes; 124 two-byte characters would end at byte 255, so one more A makes the
    // last character cross the limit.
    TLineProbe probe;
    probe.Text = QStringLiteral("A") + QString(200, QChar(0x4E2D));
    TStringList lines;
    iWritePropertiesToList(&probe, QString(), &lines, true, nullptr);
    const QString line = lines.ToStringList().filter(QStringLiteral("Text = ")).value(0);
    const std::string bytes = os::UnicodeToAnsi(line.toStdU16String());
    EXPECT_EQ(bytes.size(), 254u);
    EXPECT_EQ(line, QStringLiteral("Text = A") + QString(123, QChar(0x4E2D)));
}

TEST(PropertyLines, ExtractValueFindsItsKeyInAnyCaseAndRemovesTheLine)
{
    TStringList lines;
    lines.Add(QStringLiteral("File Type = Plot Config"));
    lines.Add(QStringLiteral("ChannelCount = 3"));
    QString value;
    EXPECT_TRUE(iExtractValue(QStringLiteral("channelcount"), value, &lines));
    EXPECT_EQ(value, QStringLiteral("3"));
    EXPECT_EQ(Lines(lines), QStringList({"File Type = Plot Config"}));
    EXPECT_FALSE(iExtractValue(QStringLiteral("ChannelCount"), value, &lines));
    EXPECT_EQ(lines.Count(), 1);
}

TEST(SplitAt, TrimsBothSidesAndGivesNothingWithoutSeparator)
{
    QString left, right;
    iSplitAt(QStringLiteral("  Key  =  a = b "), QStringLiteral("="), left, right);
    EXPECT_EQ(left, QStringLiteral("Key"));
    EXPECT_EQ(right, QStringLiteral("a = b"));
    iSplitAt(QStringLiteral("no separator"), QStringLiteral("="), left, right);
    EXPECT_TRUE(left.isEmpty());
    EXPECT_TRUE(right.isEmpty());
}

}  // namespace
