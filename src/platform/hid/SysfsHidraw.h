#pragma once
// Reading what sysfs says about one hidraw node: the HID device's uevent and report descriptor,
// and, for USB devices, the version and strings of the USB device it belongs to. Works on any
// tree laid out like /sys, so tests can describe devices with plain files and symbolic links:
//
//   <sys>/class/hidraw/hidrawN            -> the hidraw class directory of the node
//   <sys>/class/hidraw/hidrawN/device     -> the HID device directory, holding `uevent`
//                                            (HID_ID=bus:vendor:product, HID_NAME, HID_PHYS,
//                                            HID_UNIQ, DRIVER, MODALIAS) and `report_descriptor`
//   <HID device>/../..                    -> the USB device (idVendor, bcdDevice, manufacturer,
//                                            product, serial, busnum, devnum) for USB devices

#include <string>

#include "platform/hid/Backend.h"
#include "platform/hid/Handle.h"

namespace hid {

struct SysfsHidraw {
    std::string name;         // "hidraw0"
    std::string instanceKey;  // the HID device's real path and the node name: new when re-plugged
    DeviceDescription description;
    InterfaceInfo info;       // without deviceId and path
};

// False when the entry is missing or unreadable (a device leaving while it is read).
bool ReadSysfsHidraw(const std::string &sysRoot, const std::string &name, SysfsHidraw *out);

}  // namespace hid
