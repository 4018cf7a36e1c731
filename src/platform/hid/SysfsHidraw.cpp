#include "platform/hid/SysfsHidraw.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "platform/os/CodePage.h"

namespace hid {

namespace {

bool ReadFile(const std::string &path, std::string *content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// One-line attribute without its line end; empty when missing.
std::string Attribute(const std::string &dir, const char *name)
{
    std::string text;
    if (!ReadFile(dir + "/" + name, &text))
        return {};
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::map<std::string, std::string> ReadUevent(const std::string &dir)
{
    std::map<std::string, std::string> keys;
    std::istringstream lines(Attribute(dir, "uevent"));
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            keys[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return keys;
}

std::string RealPath(const std::string &path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

std::string Parent(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string Hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
    return text;
}

}  // namespace

bool ReadSysfsHidraw(const std::string &sysRoot, const std::string &name, SysfsHidraw *out)
{
    const std::string classDir = sysRoot + "/class/hidraw/" + name;
    const std::string hidDir = RealPath(classDir + "/device");
    if (hidDir.empty())
        return false;
    auto uevent = ReadUevent(hidDir);
    unsigned bus = 0, vendor = 0, product = 0;
    if (std::sscanf(uevent["HID_ID"].c_str(), "%x:%x:%x", &bus, &vendor, &product) != 3)
        return false;
    std::string descriptor;
    if (!ReadFile(hidDir + "/report_descriptor", &descriptor))
        return false;

    SysfsHidraw entry;
    entry.name = name;
    entry.instanceKey = hidDir + "|" + name;
    DeviceDescription &d = entry.description;
    d.attributes.VendorID = static_cast<std::uint16_t>(vendor);
    d.attributes.ProductID = static_cast<std::uint16_t>(product);
    d.reportDescriptor.assign(descriptor.begin(), descriptor.end());

    const std::string usbDir = Parent(Parent(hidDir));
    const bool usb = bus == 3 && !Attribute(usbDir, "idVendor").empty();
    std::string manufacturer, productName, serial;
    if (usb) {
        d.attributes.VersionNumber = static_cast<std::uint16_t>(std::strtoul(Attribute(usbDir, "bcdDevice").c_str(), nullptr, 16));
        manufacturer = Attribute(usbDir, "manufacturer");
        productName = Attribute(usbDir, "product");
        serial = Attribute(usbDir, "serial");
    } else {
        productName = uevent["HID_NAME"];
        serial = uevent["HID_UNIQ"];
    }
    d.manufacturer = os::Utf8ToUtf16(manufacturer);
    d.product = os::Utf8ToUtf16(productName);
    d.serialNumber = os::Utf8ToUtf16(serial);
    // sysfs gives the strings in the device's first language without naming it; we offer them as
    // US English, the language nearly every device lists first.
    if (!manufacturer.empty() || !productName.empty() || !serial.empty())
        d.languages = {0x0409};

    InterfaceInfo &info = entry.info;
    const std::string ids = "HID\\VID_" + Hex4(vendor) + "&PID_" + Hex4(product);
    info.texts[kDeviceDesc] = {productName.empty() ? uevent["HID_NAME"] : productName};
    info.texts[kHardwareId] = {ids + "&REV_" + Hex4(d.attributes.VersionNumber), ids};
    if (!uevent["MODALIAS"].empty())
        info.texts[kCompatibleIds] = {uevent["MODALIAS"]};
    info.texts[kService] = {uevent["DRIVER"]};
    info.texts[kDriver] = {uevent["DRIVER"]};
    info.texts[kClass] = {"HIDClass"};
    info.texts[kClassGuid] = {"{745a17a0-74d3-11d0-b6fe-00a0c90f57da}"};
    info.texts[kMfg] = {manufacturer};
    info.texts[kFriendlyName] = {uevent["HID_NAME"]};
    info.texts[kLocationInformation] = {uevent["HID_PHYS"]};
    info.texts[kPhysicalDeviceObjectName] = {hidDir};
    info.texts[kEnumeratorName] = {usb ? "USB" : "HID"};
    if (usb) {
        info.numbers[kBusNumber] = static_cast<std::uint32_t>(std::strtoul(Attribute(usbDir, "busnum").c_str(), nullptr, 10));
        info.texts[kAddress] = {Attribute(usbDir, "devnum")};
    }
    *out = std::move(entry);
    return true;
}

}  // namespace hid
