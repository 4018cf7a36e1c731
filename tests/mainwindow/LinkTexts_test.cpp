// Window titles, traffic lines and 8-bit text of the session.

#include "mainwindow/DeviceSession.h"
#include "mainwindow/LinkTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkTexts, TitleNamesThePortOfTheLink)
{
    struct Case {
        const char *name;
        QString port, caption;
    };
    const Case cases[] = {
        {.name = "network",
         .port = "IP : " + DottedAddress(DeviceSession::DefaultDeviceAddress),
         .caption = "TROV316 DSP Processor Editor V1.1    Connected Port => IP : 192.168.1.101"},
        {.name = "USB", .port = "USB", .caption = "TROV316 DSP Processor Editor V1.1    Connected Port => USB"},
        {.name = "serial", .port = "COM3", .caption = "TROV316 DSP Processor Editor V1.1    Connected Port => COM3"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ConnectedCaption(c.port), c.caption) << c.name;
    EXPECT_EQ(OfflineCaption(), "TROV316 DSP Processor Editor V1.1");
    EXPECT_EQ(DottedAddress(0x0A00FF01), "10.0.255.1");
}

TEST(LinkTexts, TrafficLineIsThePrefixAndEachByteInHex)
{
    const std::uint8_t frame[] = {0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11};
    EXPECT_EQ(TrafficText("USB W 00  ", frame), "USB W 00  10 02 00 01 01 10 10 03 11 ");
    EXPECT_EQ(TrafficText("NET W ", std::span(frame, 2)), "NET W 10 02 ");
    EXPECT_EQ(TrafficText("COM R ", {}), "COM R ");
}

TEST(LinkTexts, WideToAnsiGivesGbkWithATerminatingZero)
{
    EXPECT_EQ(DeviceSession::WideToAnsi(u""), std::vector<char>{'\0'});
    const std::vector<char> chinese = DeviceSession::WideToAnsi(u"中文");
    EXPECT_EQ(std::vector<unsigned char>(chinese.begin(), chinese.end()),
              (std::vector<unsigned char>{0xD6, 0xD0, 0xCE, 0xC4, 0x00}));
    EXPECT_EQ(DeviceSession::WideToAnsi(u"OK"), (std::vector<char>{'O', 'K', '\0'}));
}

}  // namespace
