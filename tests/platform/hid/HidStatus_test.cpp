#include "platform/hid/HidStatus.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    hid::Status status;
    const char *text;
};

TEST(HidStatus, ErrorStringTable)
{
    const Case cases[] = {
        {0x80110001, "HID Error: device not plugged in"},
        {0xC0110001, "HID Error: invalid preparsed data"},
        {0xC0110002, "HID Error: invalid report type"},
        {0xC0110003, "HID Error: invalid report length"},
        {0xC0110004, "HID Error: usage not found"},
        {0xC0110005, "HID Error: value out of range"},
        {0xC0110006, "HID Error: bad logical or physical values"},
        {0xC0110007, "HID Error: buffer too small"},
        {0xC0110008, "HID Error: internal error"},
        {0xC0110009, "HID Error: 8042 key translation impossible"},
        {0xC011000A, "HID Error: incompatible report ID"},
        {0xC011000B, "HID Error: not a value array"},
        {0xC011000C, "HID Error: is a value array"},
        {0xC011000D, "HID Error: data index not found"},
        {0xC011000E, "HID Error: data index out of range"},
        {0xC011000F, "HID Error: button not pressed"},
        {0xC0110010, "HID Error: report does not exist"},
        {0xC0110020, "HID Error: not implemented"},
        // Codes of the facility without a text of their own.
        {0xC0110011, "HID Error: unknown HID error C0110011"},
        {0x40110001, "HID Error: unknown HID error 40110001"},
        // Success, and failures of other facilities, have no text.
        {0x00110000, ""},
        {0x00110005, ""},
        {0xC0120001, ""},
        {0x80000001, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(hid::ErrorString(c.status), c.text) << std::hex << c.status;
}

}  // namespace
