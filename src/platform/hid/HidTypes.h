#pragma once
// Records of the HID layer, shaped like the ones the device layer was written against: device
// attributes, capabilities, button and value capabilities, link collection nodes, data items.
// Report byte lengths always count the report ID byte (0 for devices without numbered reports).

#include <cstdint>

namespace hid {

using UsageCode = std::uint16_t;
using Status = std::uint32_t;

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};
    friend bool operator==(const Guid &, const Guid &) = default;
};

// The device-interface class of HID devices.
Guid HidGuid();

enum class ReportType : std::uint32_t { Input = 0, Output = 1, Feature = 2 };
constexpr int kReportTypeCount = 3;

// How a handle was opened: query only (attributes, strings, descriptor), or for reports.
enum class Access { Query, Read, Write, ReadWrite };

struct Attributes {
    std::uint32_t Size = sizeof(Attributes);
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    std::uint16_t VersionNumber = 0;
};

struct Caps {
    UsageCode Usage = 0;  // of the top-level collection
    UsageCode UsagePage = 0;
    std::uint16_t InputReportByteLength = 0;
    std::uint16_t OutputReportByteLength = 0;
    std::uint16_t FeatureReportByteLength = 0;
    std::uint16_t Reserved[17] = {};
    std::uint16_t NumberLinkCollectionNodes = 0;
    std::uint16_t NumberInputButtonCaps = 0;
    std::uint16_t NumberInputValueCaps = 0;
    std::uint16_t NumberInputDataIndices = 0;
    std::uint16_t NumberOutputButtonCaps = 0;
    std::uint16_t NumberOutputValueCaps = 0;
    std::uint16_t NumberOutputDataIndices = 0;
    std::uint16_t NumberFeatureButtonCaps = 0;
    std::uint16_t NumberFeatureValueCaps = 0;
    std::uint16_t NumberFeatureDataIndices = 0;

    std::uint16_t ReportByteLength(ReportType type) const
    {
        return type == ReportType::Input    ? InputReportByteLength
               : type == ReportType::Output ? OutputReportByteLength
                                            : FeatureReportByteLength;
    }
};
static_assert(sizeof(Caps) == 64, "the capability record keeps its 64-byte layout");

// A usage, or a range of usages; single usages have Min == Max and IsRange false.
struct UsageRange {
    UsageCode UsageMin = 0, UsageMax = 0;
    std::uint16_t StringMin = 0, StringMax = 0;
    std::uint16_t DesignatorMin = 0, DesignatorMax = 0;
    std::uint16_t DataIndexMin = 0, DataIndexMax = 0;
};

// What button and value capabilities have in common.
struct CapsCommon {
    UsageCode UsagePage = 0;
    std::uint8_t ReportID = 0;
    bool IsAlias = false;
    std::uint16_t BitField = 0;  // the main item's flags
    std::uint16_t LinkCollection = 0;
    UsageCode LinkUsage = 0;
    UsageCode LinkUsagePage = 0;
    bool IsRange = false;
    bool IsStringRange = false;
    bool IsDesignatorRange = false;
    bool IsAbsolute = false;
    UsageRange Range;
};

struct ButtonCaps : CapsCommon {};

struct ValueCaps : CapsCommon {
    bool HasNull = false;
    std::uint16_t BitSize = 0;
    std::uint16_t ReportCount = 0;
    std::uint32_t UnitsExp = 0;
    std::uint32_t Units = 0;
    std::int32_t LogicalMin = 0, LogicalMax = 0;
    std::int32_t PhysicalMin = 0, PhysicalMax = 0;
};

struct LinkCollectionNode {
    UsageCode LinkUsage = 0;
    UsageCode LinkUsagePage = 0;
    std::uint16_t Parent = 0;
    std::uint16_t NumberOfChildren = 0;
    std::uint16_t NextSibling = 0;
    std::uint16_t FirstChild = 0;
    std::uint8_t CollectionType = 0;
    bool IsAlias = false;
    void *UserContext = nullptr;
};

struct Data {
    std::uint16_t DataIndex = 0;
    std::uint16_t Reserved = 0;
    std::uint32_t RawValue = 0;  // for buttons: non-zero when on
};

struct UsageAndPage {
    UsageCode Usage = 0;
    UsageCode UsagePage = 0;
};

struct Configuration {
    void *cookie = nullptr;
    std::uint32_t size = 0;
    std::uint32_t RingBufferSize = 0;
};

}  // namespace hid
