#pragma once
// A HID report descriptor parsed into what the report-parsing calls work on: the link collection
// tree, every control (button or value) of every report with the place of its bits, and the
// capability summary with the report byte lengths.
//
// Bit positions count from the least significant bit of report byte 0, which is always the report
// ID (0 for devices without numbered reports), so report data starts at bit 8.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/hid/HidTypes.h"

namespace hid {

// One button or value capability with its place in the report.
struct ReportControl {
    bool isButton = false;
    bool isArray = false;          // array field: each slot holds the index of a usage that is on
    ValueCaps caps;                // for buttons only the fields buttons have are meaningful
    std::uint32_t bitPos = 0;      // first slot
    std::uint16_t bitSize = 0;     // bits per slot
    std::uint16_t reportCount = 0; // slots (for arrays: the slots of the whole field)
    std::uint32_t arrayIndexBase = 0;  // arrays: field usage index of this control's first usage
    std::uint16_t Usages() const { return static_cast<std::uint16_t>(caps.Range.UsageMax - caps.Range.UsageMin + 1); }
    bool HasUsage(UsageCode usage) const { return usage >= caps.Range.UsageMin && usage <= caps.Range.UsageMax; }
};

class PreparsedData {
public:
    // Null when the descriptor is malformed (truncated item, unbalanced collections, a report ID of
    // 0, a pop without push, or reports beyond the 16-bit length limit).
    static std::unique_ptr<PreparsedData> Parse(const std::uint8_t *descriptor, std::size_t size);
    static std::unique_ptr<PreparsedData> Parse(const std::vector<std::uint8_t> &descriptor)
    {
        return Parse(descriptor.data(), descriptor.size());
    }

    const Caps &caps() const { return caps_; }
    const std::vector<LinkCollectionNode> &nodes() const { return nodes_; }
    const std::vector<ReportControl> &controls(ReportType type) const { return controls_[Index(type)]; }
    bool usesReportIds() const { return usesReportIds_; }
    // Whether a report of this type and ID exists (has any main item, padding included).
    bool HasReport(ReportType type, std::uint8_t id) const;
    const std::vector<std::uint8_t> &descriptor() const { return descriptor_; }

    static std::size_t Index(ReportType type) { return static_cast<std::size_t>(type); }

private:
    friend class DescriptorParser;
    Caps caps_;
    std::vector<LinkCollectionNode> nodes_;
    std::vector<ReportControl> controls_[kReportTypeCount];
    std::vector<std::uint32_t> reportBits_[kReportTypeCount];  // per report ID (256 entries), 0 = none
    bool usesReportIds_ = false;
    std::vector<std::uint8_t> descriptor_;
};

}  // namespace hid
