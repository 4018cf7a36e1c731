// Text for the device is cut by GBK bytes, never inside a two-byte character, and filled up to
// its exact size.

#include "dialogs/DeviceText.h"
#include "platform/os/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Gbk(const char16_t *text)
{
    return os::UnicodeToAnsi(text);
}

struct CutCase {
    const char *name;
    std::string text;
    std::size_t limit;
    std::string expected;
};

TEST(DeviceText, ACutKeepsWholeCharactersWithinTheLimit)
{
    const CutCase cases[] = {
        {.name = "ascii shorter", .text = "Main", .limit = 14, .expected = "Main"},
        {.name = "ascii longer", .text = "ABCDEFGHIJKLMNOP", .limit = 14, .expected = "ABCDEFGHIJKLMN"},
        {.name = "chinese 16 bytes", .text = Gbk(u"中文中文中文中文"), .limit = 14, .expected = Gbk(u"中文中文中文中")},
        {.name = "half a character left out",
         .text = Gbk(u"A中文中文中文中"),
         .limit = 14,
         .expected = Gbk(u"A中文中文中文")},
        {.name = "password of mixed width", .text = Gbk(u"A中文"), .limit = 4, .expected = Gbk(u"A中")},
        {.name = "lead byte without trail",
         .text = std::string("AB\x81", 3),
         .limit = 3,
         .expected = std::string("AB\x81", 3)},
        {.name = "lead byte before an invalid trail",
         .text = std::string("\x81\x7F"
                             "C",
                             3),
         .limit = 1,
         .expected = std::string("\x81", 1)},
        {.name = "empty", .text = "", .limit = 4, .expected = ""},
    };
    for (const CutCase &c : cases)
        EXPECT_EQ(CutToBytes(c.text, c.limit), c.expected) << c.name;
}

TEST(DeviceText, FittedTextHasExactlyItsSize)
{
    EXPECT_EQ(FitToBytes("AB", 4), "AB  ");
    EXPECT_EQ(FitToBytes("5831", 4), "5831");
    EXPECT_EQ(FitToBytes("Main", 14), "Main          ");
    EXPECT_EQ(FitToBytes(Gbk(u"中文中文中文中文"), 14), Gbk(u"中文中文中文中"));
    EXPECT_EQ(FitToBytes(Gbk(u"A中文中文中文中"), 14), Gbk(u"A中文中文中文") + " ");
    EXPECT_EQ(FitToBytes("50%", 6), "50%   ");
}

}  // namespace
