// The report-descriptor parser and the report-parsing operations on real devices' descriptors.

#include "platform/hid/PreparsedData.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/hid/Descriptors.h"
#include "platform/hid/HidStatus.h"
#include "platform/hid/ReportParsing.h"

namespace {

using hid::ReportType;
using hidtest::kBootKeyboard;
using hidtest::kMouseAndConsumer;
using hidtest::kVendor64;

TEST(PreparsedData, VendorDefined64ByteDevice)
{
    const auto pp = hid::PreparsedData::Parse(kVendor64);
    ASSERT_TRUE(pp);
    hid::Caps caps;
    ASSERT_EQ(hid::GetCaps(pp.get(), &caps), hid::kStatusSuccess);
    EXPECT_EQ(caps.UsagePage, 0xFF00);
    EXPECT_EQ(caps.Usage, 1);
    EXPECT_EQ(caps.InputReportByteLength, 65);
    EXPECT_EQ(caps.OutputReportByteLength, 65);
    EXPECT_EQ(caps.FeatureReportByteLength, 0);
    EXPECT_EQ(caps.NumberLinkCollectionNodes, 1);
    EXPECT_EQ(caps.NumberInputValueCaps, 1);
    EXPECT_EQ(caps.NumberInputButtonCaps, 0);
    EXPECT_EQ(caps.NumberOutputValueCaps, 1);
    EXPECT_FALSE(pp->usesReportIds());

    hid::ValueCaps value[2];
    std::uint16_t n = 2;
    ASSERT_EQ(hid::GetSpecificValueCaps(ReportType::Input, 0, 0, 0, value, &n, pp.get()), hid::kStatusSuccess);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(value[0].UsagePage, 0xFF00);
    EXPECT_EQ(value[0].Range.UsageMin, 2);
    EXPECT_EQ(value[0].BitSize, 8);
    EXPECT_EQ(value[0].ReportCount, 64);
    EXPECT_EQ(value[0].LogicalMax, 255);

    // The 64 data bytes travel as one value array behind the report ID.
    std::vector<std::uint8_t> report(65);
    for (int i = 1; i < 65; ++i)
        report[i] = static_cast<std::uint8_t>(i);
    std::uint8_t data[64] = {};
    EXPECT_EQ(hid::GetUsageValueArray(ReportType::Input, 0xFF00, 0, 2, data, sizeof data, pp.get(), report.data(), 65),
              hid::kStatusSuccess);
    EXPECT_EQ(data[0], 1);
    EXPECT_EQ(data[63], 64);
    EXPECT_EQ(hid::GetUsageValueArray(ReportType::Input, 0xFF00, 0, 2, data, 63, pp.get(), report.data(), 65),
              hid::kStatusBufferTooSmall);
    std::uint32_t single = 0;
    EXPECT_EQ(hid::GetUsageValue(ReportType::Input, 0xFF00, 0, 2, &single, pp.get(), report.data(), 65),
              hid::kStatusIsValueArray);

    std::vector<std::uint8_t> out(65, 0xEE);
    ASSERT_EQ(hid::InitializeReportForID(ReportType::Output, 0, pp.get(), out.data(), 65), hid::kStatusSuccess);
    EXPECT_EQ(out, std::vector<std::uint8_t>(65, 0));
    EXPECT_EQ(hid::SetUsageValueArray(ReportType::Output, 0xFF00, 0, 3, data, sizeof data, pp.get(), out.data(), 65),
              hid::kStatusSuccess);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 1);
    EXPECT_EQ(out[64], 64);
}

TEST(PreparsedData, BootKeyboard)
{
    const auto pp = hid::PreparsedData::Parse(kBootKeyboard);
    ASSERT_TRUE(pp);
    const hid::Caps &caps = pp->caps();
    EXPECT_EQ(caps.UsagePage, 1);
    EXPECT_EQ(caps.Usage, 6);
    EXPECT_EQ(caps.InputReportByteLength, 9);
    EXPECT_EQ(caps.OutputReportByteLength, 2);
    EXPECT_EQ(caps.NumberInputButtonCaps, 2);  // modifiers, key array
    EXPECT_EQ(caps.NumberInputValueCaps, 0);
    EXPECT_EQ(caps.NumberOutputButtonCaps, 1);  // LEDs
    EXPECT_EQ(hid::MaxUsageListLength(ReportType::Input, 7, pp.get()), 8u + 6u);

    // Left shift with 'a' and 'b' held.
    std::uint8_t report[9] = {0, 0x02, 0, 0x04, 0x05, 0, 0, 0, 0};
    hid::UsageCode usages[8] = {};
    std::uint32_t n = 8;
    ASSERT_EQ(hid::GetUsages(ReportType::Input, 7, 0, usages, &n, pp.get(), report, 9), hid::kStatusSuccess);
    ASSERT_EQ(n, 3u);
    EXPECT_EQ(usages[0], 0xE1);
    EXPECT_EQ(usages[1], 0x04);
    EXPECT_EQ(usages[2], 0x05);
    n = 2;
    EXPECT_EQ(hid::GetUsages(ReportType::Input, 7, 0, usages, &n, pp.get(), report, 9), hid::kStatusBufferTooSmall);
    EXPECT_EQ(n, 3u);

    hid::Data data[8];
    std::uint32_t dn = 8;
    ASSERT_EQ(hid::GetData(ReportType::Input, data, &dn, pp.get(), report, 9), hid::kStatusSuccess);
    EXPECT_EQ(dn, 3u);

    // Keys go into the first free array slot; LEDs are bits.
    std::uint8_t out[9] = {};
    const hid::UsageCode key = 0x1E;
    n = 1;
    ASSERT_EQ(hid::SetUsages(ReportType::Input, 7, 0, &key, &n, pp.get(), out, 9), hid::kStatusSuccess);
    EXPECT_EQ(out[3], 0x1E);
    ASSERT_EQ(hid::UnsetUsages(ReportType::Input, 7, 0, &key, &n, pp.get(), out, 9), hid::kStatusSuccess);
    EXPECT_EQ(out[3], 0);

    std::uint8_t leds[2] = {};
    const hid::UsageCode capsLock = 2;
    n = 1;
    ASSERT_EQ(hid::SetUsages(ReportType::Output, 8, 0, &capsLock, &n, pp.get(), leds, 2), hid::kStatusSuccess);
    EXPECT_EQ(leds[1], 0x02);
    const hid::UsageCode scrollLock = 3;
    EXPECT_EQ(hid::UnsetUsages(ReportType::Output, 8, 0, &scrollLock, &n, pp.get(), leds, 2), hid::kStatusButtonNotPressed);
}

TEST(PreparsedData, NumberedReports)
{
    const auto pp = hid::PreparsedData::Parse(kMouseAndConsumer);
    ASSERT_TRUE(pp);
    EXPECT_TRUE(pp->usesReportIds());
    EXPECT_EQ(pp->caps().InputReportByteLength, 4);  // the mouse report, the longer one
    EXPECT_TRUE(pp->HasReport(ReportType::Input, 2));
    EXPECT_FALSE(pp->HasReport(ReportType::Input, 3));

    hid::LinkCollectionNode nodes[3];
    std::uint32_t count = 1;
    EXPECT_EQ(hid::GetLinkCollectionNodes(nodes, &count, pp.get()), hid::kStatusBufferTooSmall);
    EXPECT_EQ(count, 3u);
    ASSERT_EQ(hid::GetLinkCollectionNodes(nodes, &count, pp.get()), hid::kStatusSuccess);
    EXPECT_EQ(nodes[1].Parent, 0);
    EXPECT_EQ(nodes[0].FirstChild, 1);
    EXPECT_EQ(nodes[0].NextSibling, 2);  // the consumer control's top-level collection
    EXPECT_EQ(nodes[2].LinkUsagePage, 0x0C);

    // Button 1, X -5, Y +10.
    const std::uint8_t mouse[4] = {1, 0x01, 0xFB, 0x0A};
    std::uint32_t raw = 0;
    std::int32_t scaled = 0;
    EXPECT_EQ(hid::GetUsageValue(ReportType::Input, 1, 0, 0x30, &raw, pp.get(), mouse, 4), hid::kStatusSuccess);
    EXPECT_EQ(raw, 0xFBu);
    EXPECT_EQ(hid::GetScaledUsageValue(ReportType::Input, 1, 0, 0x30, &scaled, pp.get(), mouse, 4), hid::kStatusSuccess);
    EXPECT_EQ(scaled, -5);
    EXPECT_EQ(hid::GetScaledUsageValue(ReportType::Input, 1, 0, 0x31, &scaled, pp.get(), mouse, 4), hid::kStatusSuccess);
    EXPECT_EQ(scaled, 10);

    const std::uint8_t consumer[4] = {2, 0xE9, 0x00, 0x00};  // volume up
    hid::UsageCode usages[2];
    std::uint32_t n = 2;
    ASSERT_EQ(hid::GetUsages(ReportType::Input, 0x0C, 0, usages, &n, pp.get(), consumer, 4), hid::kStatusSuccess);
    ASSERT_EQ(n, 1u);
    EXPECT_EQ(usages[0], 0xE9);

    // Errors: the usage lives in another report, the length is wrong, the usage does not exist.
    EXPECT_EQ(hid::GetUsageValue(ReportType::Input, 1, 0, 0x30, &raw, pp.get(), consumer, 4), hid::kStatusIncompatibleReportId);
    EXPECT_EQ(hid::GetUsageValue(ReportType::Input, 1, 0, 0x30, &raw, pp.get(), mouse, 3), hid::kStatusInvalidReportLength);
    EXPECT_EQ(hid::GetUsageValue(ReportType::Input, 1, 0, 0x38, &raw, pp.get(), mouse, 4), hid::kStatusUsageNotFound);

    std::uint8_t fresh[4] = {9, 9, 9, 9};
    EXPECT_EQ(hid::InitializeReportForID(ReportType::Input, 3, pp.get(), fresh, 4), hid::kStatusReportDoesNotExist);
    ASSERT_EQ(hid::InitializeReportForID(ReportType::Input, 2, pp.get(), fresh, 4), hid::kStatusSuccess);
    EXPECT_EQ(fresh[0], 2);
    EXPECT_EQ(fresh[1], 0);
}

TEST(PreparsedData, OneByteMaximumAboveMinimumReadsUnsigned)
{
    const std::vector<std::uint8_t> d = {0x05, 0x01, 0x09, 0x30, 0xA1, 0x01, 0x15, 0x00, 0x25, 0xFF,
                                         0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0};
    const auto pp = hid::PreparsedData::Parse(d);
    ASSERT_TRUE(pp);
    ASSERT_EQ(pp->controls(ReportType::Input).size(), 1u);
    EXPECT_EQ(pp->controls(ReportType::Input)[0].caps.LogicalMax, 255);
}

// Values whose ranges reach the 32-bit limits: null values and scaling are computed without
// overflow. The first descriptor was found by fuzzing (a 32-bit value 0 to 0x7FFFFFFF with a null
// state, beside an output and eight buttons); its null value lies just above the range.
TEST(PreparsedData, NullValuesAndScalingHoldAtThe32BitLimits)
{
    const std::vector<std::uint8_t> fuzzFound = {
        0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x09, 0x30, 0x15, 0x00, 0x27, 0xFF, 0xFF, 0xFF, 0x7F, 0x75, 0x20,
        0x95, 0x01, 0x81, 0x42, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x91, 0x02, 0x05,
        0x09, 0x19, 0x01, 0x29, 0x08, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0};
    // One 32-bit value with a null state over the whole signed range, logical and physical.
    const std::vector<std::uint8_t> fullRange = {0x05, 0x01, 0x09, 0x04, 0xA1, 0x01, 0x09, 0x30, 0x17, 0x00, 0x00, 0x00,
                                                 0x80, 0x27, 0xFF, 0xFF, 0xFF, 0x7F, 0x37, 0x00, 0x00, 0x00, 0x80, 0x47,
                                                 0xFF, 0xFF, 0xFF, 0x7F, 0x75, 0x20, 0x95, 0x01, 0x81, 0x42, 0xC0};
    const auto Value = [](const std::uint8_t *report) {
        return std::uint32_t(report[1]) | std::uint32_t(report[2]) << 8 | std::uint32_t(report[3]) << 16 |
               std::uint32_t(report[4]) << 24;
    };

    const auto fuzzed = hid::PreparsedData::Parse(fuzzFound);
    ASSERT_TRUE(fuzzed);
    std::uint8_t report[6] = {};
    ASSERT_EQ(hid::InitializeReportForID(ReportType::Input, 0, fuzzed.get(), report, sizeof report),
              hid::kStatusSuccess);
    EXPECT_EQ(Value(report), 0x80000000u) << "null value above a range ending at 0x7FFFFFFF";
    EXPECT_EQ(hid::SetScaledUsageValue(ReportType::Input, 1, 0, 0x30, 0x7FFFFFFF, fuzzed.get(), report, sizeof report),
              hid::kStatusSuccess);
    EXPECT_EQ(Value(report), 0x7FFFFFFFu);
    EXPECT_EQ(hid::SetScaledUsageValue(ReportType::Input, 1, 0, 0x30, -1, fuzzed.get(), report, sizeof report),
              hid::kStatusNull);
    EXPECT_EQ(Value(report), 0x80000000u);

    const auto full = hid::PreparsedData::Parse(fullRange);
    ASSERT_TRUE(full);
    std::uint8_t fresh[5] = {};
    ASSERT_EQ(hid::InitializeReportForID(ReportType::Input, 0, full.get(), fresh, sizeof fresh), hid::kStatusSuccess);
    struct Case {
        const char *name;
        std::int32_t scaled;
        std::uint32_t raw;
    };
    const Case cases[] = {
        {.name = "largest", .scaled = INT32_MAX, .raw = 0x7FFFFFFFu},
        {.name = "smallest", .scaled = INT32_MIN, .raw = 0x80000000u},
        {.name = "zero", .scaled = 0, .raw = 0},
        {.name = "minus one", .scaled = -1, .raw = 0xFFFFFFFFu},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::uint8_t r[5] = {};
        ASSERT_EQ(hid::SetScaledUsageValue(ReportType::Input, 1, 0, 0x30, c.scaled, full.get(), r, sizeof r),
                  hid::kStatusSuccess);
        EXPECT_EQ(Value(r), c.raw);
        std::int32_t back = 0;
        ASSERT_EQ(hid::GetScaledUsageValue(ReportType::Input, 1, 0, 0x30, &back, full.get(), r, sizeof r),
                  hid::kStatusSuccess);
        EXPECT_EQ(back, c.scaled);
    }
}

TEST(PreparsedData, MalformedDescriptorsAreRefused)
{
    const std::vector<std::vector<std::uint8_t>> cases = {
        {0x06, 0x00},                                      // item cut short
        {0xFE, 0x05, 0x00, 0x01},                          // long item cut short
        {0xC0},                                            // end without collection
        {0xA1, 0x01},                                      // collection never closed
        {0x85, 0x00},                                      // report ID 0
        {0xB4},                                            // pop without push
        {0x75, 0x20, 0x96, 0xFF, 0xFF, 0x81, 0x02},        // report beyond 65535 bytes
    };
    for (const auto &d : cases)
        EXPECT_FALSE(hid::PreparsedData::Parse(d)) << testing::PrintToString(d);
    EXPECT_TRUE(hid::PreparsedData::Parse(std::vector<std::uint8_t>{}));
}

TEST(PreparsedData, OperationsWithoutDescriptor)
{
    hid::Caps caps;
    EXPECT_EQ(hid::GetCaps(nullptr, &caps), hid::kStatusInvalidPreparsedData);
    std::uint32_t length = 0;
    EXPECT_EQ(hid::GetExtendedAttributes(ReportType::Input, 0, nullptr, nullptr, &length), hid::kStatusInvalidPreparsedData);
    const auto pp = hid::PreparsedData::Parse(kVendor64);
    EXPECT_EQ(hid::GetExtendedAttributes(ReportType::Input, 0, pp.get(), nullptr, &length), hid::kStatusNotImplemented);
}

}  // namespace
