// Strings, descriptors and the report-parsing wrappers of a device.

#include "device/JvHidControllerClass.h"

#include <gtest/gtest.h>

#include "device/HidFixture.h"
#include "platform/hid/HidStatus.h"

namespace {

using hidtest::HidFixture;
using hidtest::ProcessorProfile;

class DeviceInfo : public HidFixture {
protected:
    TJvHidDevice *List(const hid::TestDevice::Profile &profile)
    {
        backend->Plug(profile);
        ctl = std::make_unique<TJvHidDeviceController>(nullptr);
        ctl->DeviceChange();
        return ctl->Devices().empty() ? nullptr : ctl->Devices()[0];
    }
    TJvHidDevice *CheckedOut(const hid::TestDevice::Profile &profile)
    {
        List(profile);
        TJvHidDevice *dev = nullptr;
        ctl->CheckOutByIndex(dev, 0);
        return dev;
    }
    std::unique_ptr<TJvHidDeviceController> ctl;
};

TEST_F(DeviceInfo, SerialNumberNeedsALanguageListThatDiffersFromIt)
{
    struct Case {
        std::vector<std::uint16_t> languages;
        std::u16string serial;
        const char *expected;
    };
    const Case cases[] = {
        {{0x0409}, u"SN-0001", "SN-0001"},
        {{}, u"SN-0001", ""},                          // no string 0
        {{0x0409}, std::u16string(1, char16_t(0x0409)), ""},  // answers with its language list
        {{0x0409, 0x0407}, u"\u0409\u0407X", ""},      // the list again, as far as it goes
        {{0x0409, 0x0407}, u"\u0409X", "\u0409X"},
    };
    for (const Case &c : cases) {
        hid::TestDevice::Profile profile = ProcessorProfile();
        profile.languages = c.languages;
        profile.serialNumber = c.serial;
        TJvHidDevice *dev = CheckedOut(profile);
        ASSERT_TRUE(dev);
        EXPECT_EQ(dev->SerialNumber(), QString::fromUtf8(c.expected)) << QString::fromStdU16String(c.serial).toStdString();
        ctl.reset();
        for (const auto &d : backend->devices())
            backend->Unplug(d);
    }
}

TEST_F(DeviceInfo, StringsAndLanguages)
{
    hid::TestDevice::Profile profile = ProcessorProfile();
    profile.languages = {0x0409, 0x1234};
    profile.indexedStrings = {{4, u"Firmware"}};
    TJvHidDevice *dev = List(profile);
    ASSERT_TRUE(dev);
    // A device nobody holds cannot be opened: nothing was read before, so nothing is known.
    EXPECT_EQ(dev->ProductName(), "");
    TJvHidDevice *held = nullptr;
    ASSERT_TRUE(ctl->CheckOutByIndex(held, 0));
    EXPECT_EQ(held->VendorName(), "TROV");
    EXPECT_EQ(held->ProductName(), "DSP316");
    EXPECT_EQ(held->LanguageStrings(), QStringList({"English (United States)", "unknown Locale ID $1234"}));
    EXPECT_EQ(held->GetDeviceStringUnicode(4), "Firmware");
    EXPECT_EQ(held->GetDeviceStringAnsi(4), "Firmware");
    EXPECT_EQ(held->GetDeviceStringUnicode(0), "");
    EXPECT_EQ(held->GetDeviceStringUnicode(5), "");
    EXPECT_TRUE(held->PhysicalDescriptor().empty());
    std::uint32_t returned = 7;
    EXPECT_FALSE(held->DeviceIoControl(1, nullptr, 0, nullptr, 0, returned));
    EXPECT_EQ(returned, 0u);
    ctl->CheckIn(held);
    // What was read stays known after check-in.
    EXPECT_EQ(dev->ProductName(), "DSP316");
}

TEST_F(DeviceInfo, CapabilitiesAndReportParsingWrappers)
{
    TJvHidDevice *dev = List(ProcessorProfile());
    ASSERT_TRUE(dev);
    // Not accessible: the wrappers answer "not plugged in" and nothing is fetched.
    std::uint16_t count = 4;
    hid::ValueCaps caps[4];
    EXPECT_EQ(dev->GetValueCaps(caps, count), hid::kStatusNull);
    std::uint32_t length = 0;
    EXPECT_EQ(dev->GetExtendedAttributes(hid::ReportType::Input, 0, nullptr, length), hid::kStatusInvalidPreparsedData);
    EXPECT_EQ(dev->GetCaps().InputReportByteLength, 0);

    TJvHidDevice *held = nullptr;
    ASSERT_TRUE(ctl->CheckOutByIndex(held, 0));
    const hid::Caps c = held->Caps();
    EXPECT_EQ(c.InputReportByteLength, 65);
    EXPECT_EQ(c.OutputReportByteLength, 65);
    EXPECT_EQ(c.UsagePage, 0xFF00);
    EXPECT_EQ(held->GetLinkCollectionNode(0).LinkUsagePage, 0xFF00);
    EXPECT_EQ(held->GetLinkCollectionNode(1).LinkUsagePage, 0);  // beyond the nodes: zeroed
    EXPECT_EQ(held->GetValueCaps(caps, count), hid::kStatusSuccess);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(caps[0].ReportCount, 64);

    held->SetReportTypeParam(static_cast<std::uint32_t>(hid::ReportType::Output));
    EXPECT_EQ(held->MaxDataListLength(), 1u);
    std::uint8_t report[65];
    EXPECT_EQ(held->InitializeReportForID(hid::ReportType::Output, 0, report, sizeof report), hid::kStatusSuccess);
    held->SetUsagePageParam(0xFF00);
    held->SetUsageParam(1);
    const std::uint8_t payload[64] = {1, 2, 3};
    EXPECT_EQ(held->SetUsageValueArray(payload, sizeof payload, report, sizeof report), hid::kStatusSuccess);
    EXPECT_EQ(report[3], 3);
    std::uint32_t value = 0;
    EXPECT_EQ(held->GetUsageValue(value, report, sizeof report), hid::kStatusIsValueArray);
    ctl->CheckIn(held);
    EXPECT_EQ(dev->GetUsageValue(value, report, sizeof report), hid::kStatusNull);
}

}  // namespace
