// A device's report descriptor parsed as the HID layer does when a device arrives, then reports
// read and written through every report-parsing call over it. The first byte tells how many of
// the following bytes are the descriptor; the rest fill the reports.

#include "platform/hid/ReportParsing.h"

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

using namespace hid;

namespace {

// A report of `type` as long as the descriptor says, its bytes from `fill` repeated.
std::vector<std::uint8_t> Report(const Caps &caps, ReportType type, std::span<const std::uint8_t> fill)
{
    std::vector<std::uint8_t> report(caps.ReportByteLength(type));
    for (std::size_t i = 0; i < report.size() && !fill.empty(); ++i)
        report[i] = fill[i % fill.size()];
    return report;
}

void Exercise(const PreparsedData &data, ReportType type, std::span<const std::uint8_t> fill)
{
    Caps caps;
    GetCaps(&data, &caps);
    std::vector<std::uint8_t> report = Report(caps, type, fill);
    const auto length = static_cast<std::uint32_t>(report.size());

    std::vector<Data> items(MaxDataListLength(type, &data) + 1);
    std::uint32_t count = static_cast<std::uint32_t>(items.size());
    GetData(type, items.data(), &count, &data, report.data(), length);
    count = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(items.size()));
    SetData(type, items.data(), &count, &data, report.data(), length);

    std::vector<UsageCode> usages(MaxUsageListLength(type, 0, &data) + 1);
    count = static_cast<std::uint32_t>(usages.size());
    GetUsages(type, 0, 0, usages.data(), &count, &data, report.data(), length);
    std::vector<UsageAndPage> pairs(usages.size());
    count = static_cast<std::uint32_t>(pairs.size());
    GetUsagesEx(type, 0, pairs.data(), &count, &data, report.data(), length);

    std::uint16_t valueCount = 64;
    std::vector<ValueCaps> values(valueCount);
    GetSpecificValueCaps(type, 0, 0, 0, values.data(), &valueCount, &data);
    for (std::uint16_t i = 0; i < std::min<std::uint16_t>(valueCount, 64); ++i) {
        const ValueCaps &v = values[i];
        std::uint32_t raw = 0;
        std::int32_t scaled = 0;
        GetUsageValue(type, v.UsagePage, 0, v.Range.UsageMin, &raw, &data, report.data(), length);
        GetScaledUsageValue(type, v.UsagePage, 0, v.Range.UsageMin, &scaled, &data, report.data(), length);
        std::uint8_t array[64] = {};
        GetUsageValueArray(type, v.UsagePage, 0, v.Range.UsageMin, array, sizeof array, &data, report.data(), length);
        SetUsageValue(type, v.UsagePage, 0, v.Range.UsageMin, raw + 1, &data, report.data(), length);
        SetScaledUsageValue(type, v.UsagePage, 0, v.Range.UsageMin, scaled, &data, report.data(), length);
        SetUsageValueArray(type, v.UsagePage, 0, v.Range.UsageMin, array, sizeof array, &data, report.data(), length);
    }
    std::uint16_t buttonCount = 64;
    std::vector<ButtonCaps> buttons(buttonCount);
    GetSpecificButtonCaps(type, 0, 0, 0, buttons.data(), &buttonCount, &data);
    for (std::uint16_t i = 0; i < std::min<std::uint16_t>(buttonCount, 64); ++i) {
        const UsageCode usage = buttons[i].Range.UsageMin;
        std::uint32_t one = 1;
        SetUsages(type, buttons[i].UsagePage, 0, &usage, &one, &data, report.data(), length);
        one = 1;
        UnsetUsages(type, buttons[i].UsagePage, 0, &usage, &one, &data, report.data(), length);
    }
    InitializeReportForID(type, report.empty() ? 0 : report[0], &data, report.data(), length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t descriptorSize = std::min<std::size_t>(bytes[0], size - 1);
    const std::unique_ptr<PreparsedData> data = PreparsedData::Parse(bytes + 1, descriptorSize);
    if (!data)
        return 0;
    std::vector<LinkCollectionNode> nodes(data->caps().NumberLinkCollectionNodes + 1);
    std::uint32_t count = static_cast<std::uint32_t>(nodes.size());
    GetLinkCollectionNodes(nodes.data(), &count, data.get());
    const std::span<const std::uint8_t> fill(bytes + 1 + descriptorSize, size - 1 - descriptorSize);
    for (ReportType type : {ReportType::Input, ReportType::Output, ReportType::Feature})
        Exercise(*data, type, fill);
    return 0;
}
