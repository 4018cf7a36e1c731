#pragma once
// Types shared by the HID device layer: its exceptions, event signatures, the overlapped-read
// record and the selection of an overlapped handle.

#include <cstdint>
#include <vector>

#include "platform/hid/HidTypes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Exception.h"

class TJvHidDevice;

// Misuse and device-creation failures.
T_DECLARE_EXCEPTION(EControllerError, Exception);
// Failed HID status codes (TJvHidDeviceController::HidError).
T_DECLARE_EXCEPTION(EHidClientError, Exception);

using TJvHidEnumerateEvent = TEvent<bool(TJvHidDevice *HidDev, int Idx)>;
using TJvHidPlugEvent = TEvent<void(TJvHidDevice *HidDev)>;
// Data points at the report bytes after the report ID; Size counts them.
using TJvHidDataEvent = TEvent<void(TJvHidDevice *HidDev, std::uint8_t ReportID, const void *Data, std::uint16_t Size)>;
using TJvHidDataErrorEvent = TEvent<void(TJvHidDevice *HidDev, std::uint32_t Error)>;
using TJvHidCheckCallback = bool (*)(TJvHidDevice *HidDev);

enum TJvHidOpenExMode { omhRead = 0, omhWrite = 1 };

using TJvPhysicalDescriptor = std::vector<std::uint16_t>;

// State of one overlapped read or write. `Device` stands in the place of the platform's event
// member; Error is the errno of a failed operation.
struct TJvHidOverlapped {
    TJvHidDevice *Device = nullptr;
    void *Buffer = nullptr;
    std::uint32_t Size = 0;
    std::uint32_t BytesTransferred = 0;
    std::uint32_t Error = 0;
    bool Pending = false;
    bool Completed = false;
};

using TJvHidCompletionRoutine = void (*)(std::uint32_t ErrorCode, std::uint32_t BytesTransferred,
                                         TJvHidOverlapped *Overlapped);

// What a wait on an overlapped read answers: a completed read (its completion routine ran), or the
// end of the wait slice.
constexpr std::uint32_t HID_WAIT_IO_COMPLETION = 192;
constexpr std::uint32_t HID_WAIT_TIMEOUT = 258;
