#pragma once
// Where HID interfaces come from: listing the present ones, opening one by its path, and a
// notification descriptor that becomes readable when interfaces may have arrived or left.
// The program uses the hidraw backend; tests and the simulated processor install a test backend
// (or a hidraw backend over a fake tree) before the device layer starts.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid/Handle.h"

namespace hid {

// Device registry property codes an interface description may carry.
enum Property : std::uint32_t {
    kDeviceDesc = 0, kHardwareId = 1, kCompatibleIds = 2, kService = 4, kClass = 7, kClassGuid = 8,
    kDriver = 9, kConfigFlags = 10, kMfg = 11, kFriendlyName = 12, kLocationInformation = 13,
    kPhysicalDeviceObjectName = 14, kCapabilities = 15, kUiNumber = 16, kUpperFilters = 17,
    kLowerFilters = 18, kBusTypeGuid = 19, kLegacyBusType = 20, kBusNumber = 21, kEnumeratorName = 22,
    kSecuritySds = 24, kDevType = 25, kExclusive = 26, kCharacteristics = 27, kAddress = 28,
    kUiNumberDescFormat = 30
};

struct InterfaceInfo {
    std::uint32_t deviceId = 0;  // this instance of the device; one that leaves and returns gets a new one
    std::string path;            // what Open takes
    std::map<std::uint32_t, std::vector<std::string>> texts;  // text and text-list properties (UTF-8)
    std::map<std::uint32_t, std::uint32_t> numbers;           // number properties
};

class Backend {
public:
    virtual ~Backend();

    virtual std::vector<InterfaceInfo> Enumerate() = 0;
    // Null (LastError set) when the interface cannot be opened with that access.
    virtual std::shared_ptr<Handle> Open(const std::string &path, Access access) = 0;
    // Readable while a change may be pending; -1 when the backend cannot notify.
    virtual int NotifyFd() const = 0;
    // Consumes what made NotifyFd readable; true when HID interfaces may have changed.
    virtual bool TakeNotifications() = 0;
    // Version text of the HID driver, empty when unknown.
    virtual std::string Version() const { return {}; }
};

// The backend the device layer uses: the hidraw backend over /sys and /dev unless replaced.
std::shared_ptr<Backend> CurrentBackend();
// Installs `backend` (null: none, so no interface is ever listed) and answers the previous one.
std::shared_ptr<Backend> SetCurrentBackend(std::shared_ptr<Backend> backend);

}  // namespace hid
