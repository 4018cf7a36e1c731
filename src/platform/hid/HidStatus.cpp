#include "platform/hid/HidStatus.h"

#include <cstdio>

namespace hid {

namespace {

struct StatusText {
    Status status;
    const char *text;
};

constexpr StatusText kTexts[] = {
    {0x80110001, "device not plugged in"},
    {0xC0110001, "invalid preparsed data"},
    {0xC0110002, "invalid report type"},
    {0xC0110003, "invalid report length"},
    {0xC0110004, "usage not found"},
    {0xC0110005, "value out of range"},
    {0xC0110006, "bad logical or physical values"},
    {0xC0110007, "buffer too small"},
    {0xC0110008, "internal error"},
    {0xC0110009, "8042 key translation impossible"},
    {0xC011000A, "incompatible report ID"},
    {0xC011000B, "not a value array"},
    {0xC011000C, "is a value array"},
    {0xC011000D, "data index not found"},
    {0xC011000E, "data index out of range"},
    {0xC011000F, "button not pressed"},
    {0xC0110010, "report does not exist"},
    {0xC0110020, "not implemented"},
};

thread_local std::uint32_t tLastError = 0;

}  // namespace

std::string ErrorString(Status status)
{
    const bool hidFacility = ((status >> 16) & 0xFF) == 0x11;
    const bool failed = (status & 0xC0000000u) != 0;
    if (!hidFacility || !failed)
        return {};
    for (const StatusText &entry : kTexts)
        if (entry.status == status)
            return std::string("HID Error: ") + entry.text;
    char text[40];
    std::snprintf(text, sizeof text, "unknown HID error %X", static_cast<unsigned>(status));
    return std::string("HID Error: ") + text;
}

std::uint32_t LastError() { return tLastError; }
void SetLastError(std::uint32_t error) { tLastError = error; }

}  // namespace hid
