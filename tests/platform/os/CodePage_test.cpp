#include "platform/os/CodePage.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

namespace {

using os::AnsiToUnicode;
using os::AnsiToUtf8;
using os::UnicodeToAnsi;
using os::Utf8ToAnsi;
using os::Utf16ToUtf8;
using os::Utf8ToUtf16;

TEST(CodePage, AsciiIsTheSameInBothDirections)
{
    std::string bytes;
    std::u16string text;
    for (int c = 0; c < 0x80; ++c) {
        bytes.push_back(static_cast<char>(c));
        text.push_back(static_cast<char16_t>(c));
    }
    EXPECT_EQ(AnsiToUnicode(bytes), text);
    EXPECT_EQ(UnicodeToAnsi(text), bytes);
    EXPECT_EQ(AnsiToUtf8(bytes), bytes);
    EXPECT_EQ(Utf8ToAnsi(bytes), bytes);
}

TEST(CodePage, ChineseTextConvertsBothWays)
{
    // "中文名称 Ch1": four characters of two bytes each, then ASCII.
    const std::string gbk = "\xD6\xD0\xCE\xC4\xC3\xFB\xB3\xC6 Ch1";
    const std::u16string text = u"\u4E2D\u6587\u540D\u79F0 Ch1";
    const std::string utf8 = "\xE4\xB8\xAD\xE6\x96\x87\xE5\x90\x8D\xE7\xA7\xB0 Ch1";
    EXPECT_EQ(AnsiToUnicode(gbk), text);
    EXPECT_EQ(UnicodeToAnsi(text), gbk);
    EXPECT_EQ(AnsiToUtf8(gbk), utf8);
    EXPECT_EQ(Utf8ToAnsi(utf8), gbk);
}

// Every two-byte code the table defines decodes to one character that encodes back to the same
// two bytes; the rest decode to one U+FFFD per byte.
TEST(CodePage, EveryDefinedDoubleByteCodeRoundTrips)
{
    int defined = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string text = AnsiToUnicode(bytes);
            if (text == u"\uFFFD\uFFFD")
                continue;  // not in the table
            ASSERT_EQ(text.size(), 1u) << std::hex << lead << ' ' << trail;
            ASSERT_NE(text[0], u'\uFFFD') << std::hex << lead << ' ' << trail;
            ASSERT_EQ(UnicodeToAnsi(text), bytes) << std::hex << lead << ' ' << trail;
            ++defined;
        }
    }
    EXPECT_GE(defined, 21000);  // GBK defines about 21,900 such codes
}

// 0x80 is the euro sign, as in the system code page of the original; 0xFF is no character.
TEST(CodePage, TheBytesOutsideTheDoubleByteRange)
{
    EXPECT_EQ(AnsiToUnicode("\x80"), u"\u20AC");
    EXPECT_EQ(UnicodeToAnsi(u"\u20AC"), "\x80");
    EXPECT_EQ(AnsiToUnicode("\xFF"), u"\uFFFD");
}

TEST(CodePage, InvalidBytesBecomeOneReplacementEach)
{
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"\x81", u"\uFFFD"},                            // lead byte cut off at the end
        {"A\xD6", u"A\uFFFD"},
        {"\x81" "1", u"\uFFFD" "1"},                     // no trail byte (those start at 0x40): kept
        {"\x81\x7F", u"\uFFFD\x7F"},                     // 0x7F is no trail byte
        {"\xFF\xD6\xD0", u"\uFFFD\u4E2D"},
        {"\xD6\xD0\xFF\xFF" "b", u"\u4E2D\uFFFD\uFFFD" "b"},
        {"\xA2\xA0\xD6\xD0", u"\uFFFD\uFFFD\u4E2D"},     // an undefined code takes its trail byte along
        {std::string("\x00\xD6\xD0\x00", 4), std::u16string(u"\0\u4E2D\0", 3)},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(AnsiToUnicode(c.bytes), c.text) << testing::PrintToString(c.bytes);
    }
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    struct Case {
        std::u16string text;
        std::string bytes;
    };
    const Case cases[] = {
        {u"a\u0E01b", "a?b"},                         // Thai
        {u"\U0001F600\u4E2D", "?\xD6\xD0"},           // a surrogate pair is one character
        {u"x\xD800y", "x?y"},                         // unpaired high surrogate
        {u"\xDC00", "?"},                             // unpaired low surrogate
        {u"\uFFFD", "?"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(UnicodeToAnsi(c.text), c.bytes) << testing::PrintToString(c.bytes);
    }
    // Malformed UTF-8: one '?' per byte that starts no valid sequence.
    const std::pair<std::string, std::string> utf8[] = {
        {"a\xFF" "b", "a?b"},
        {"\xE4\xB8", "??"},                           // cut-off sequence
        {"\xC0\xAF", "??"},                           // overlong '/'
        {"\xED\xA0\x80", "???"},                      // encoded surrogate
        {"\xF4\x90\x80\x80", "????"},                 // above U+10FFFF
        {"\xF0\x9F\x98\x80", "?"},                    // valid, but not in the code page
    };
    for (const auto &[in, out] : utf8) {
        EXPECT_EQ(Utf8ToAnsi(in), out) << testing::PrintToString(in);
    }
}

// The descriptors are per thread; conversions on several threads at once stay correct.
TEST(CodePage, ConvertsOnSeveralThreadsAtOnce)
{
    const std::string gbk = "\xD6\xD0\xCE\xC4\xFF";
    const std::u16string text = u"\u4E2D\u6587\uFFFD";
    std::vector<std::future<int>> workers;
    for (int t = 0; t < 4; ++t) {
        workers.push_back(std::async(std::launch::async, [&] {
            int wrong = 0;
            for (int i = 0; i < 500; ++i)
                wrong += AnsiToUnicode(gbk) != text || UnicodeToAnsi(text) != "\xD6\xD0\xCE\xC4?";
            return wrong;
        }));
    }
    for (auto &worker : workers)
        EXPECT_EQ(worker.get(), 0);
}

// Device strings arrive as UTF-8 from the system and are kept as UTF-16: pairs, BMP text and
// damaged bytes.
TEST(CodePage, Utf8AndUtf16)
{
    EXPECT_EQ(Utf8ToUtf16("A\xE4\xB8\xAD\xF0\x9F\x8E\xB5"), u"A\u4E2D\U0001F3B5");
    EXPECT_EQ(Utf16ToUtf8(u"A\u4E2D\U0001F3B5"), "A\xE4\xB8\xAD\xF0\x9F\x8E\xB5");
    EXPECT_EQ(Utf8ToUtf16("a\xC0\xAF\xE4\xB8"), u"a\uFFFD\uFFFD\uFFFD\uFFFD");  // overlong, cut short
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
