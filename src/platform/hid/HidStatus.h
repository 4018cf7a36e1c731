#pragma once
// Status codes of the report-parsing operations and the texts the device layer shows for them,
// and the calling thread's last error of a failed HID call (an errno value).

#include <cstdint>
#include <string>

#include "platform/hid/HidTypes.h"

namespace hid {

inline constexpr Status kStatusSuccess = 0x00110000;
inline constexpr Status kStatusNull = 0x80110001;  // also: the device is not accessible
inline constexpr Status kStatusInvalidPreparsedData = 0xC0110001;
inline constexpr Status kStatusInvalidReportType = 0xC0110002;
inline constexpr Status kStatusInvalidReportLength = 0xC0110003;
inline constexpr Status kStatusUsageNotFound = 0xC0110004;
inline constexpr Status kStatusValueOutOfRange = 0xC0110005;
inline constexpr Status kStatusBadLogPhyValues = 0xC0110006;
inline constexpr Status kStatusBufferTooSmall = 0xC0110007;
inline constexpr Status kStatusInternalError = 0xC0110008;
inline constexpr Status kStatusI8042TransUnknown = 0xC0110009;
inline constexpr Status kStatusIncompatibleReportId = 0xC011000A;
inline constexpr Status kStatusNotValueArray = 0xC011000B;
inline constexpr Status kStatusIsValueArray = 0xC011000C;
inline constexpr Status kStatusDataIndexNotFound = 0xC011000D;
inline constexpr Status kStatusDataIndexOutOfRange = 0xC011000E;
inline constexpr Status kStatusButtonNotPressed = 0xC011000F;
inline constexpr Status kStatusReportDoesNotExist = 0xC0110010;
inline constexpr Status kStatusNotImplemented = 0xC0110020;

// "HID Error: " and the text of a failed status of the HID facility; empty for success and for
// codes of other facilities.
std::string ErrorString(Status status);

// errno of the calling thread's last failed HID call (0 when none failed yet).
std::uint32_t LastError();
void SetLastError(std::uint32_t error);

}  // namespace hid
