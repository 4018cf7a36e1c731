// The hidraw backend over a fake sysfs tree with socket nodes: the real listing, opening,
// writing and reading code runs against devices the test plays.

#include "platform/hid/HidrawBackend.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/hid/Descriptors.h"
#include "platform/hid/FakeHidrawTree.h"
#include "platform/hid/HidStatus.h"
#include "platform/hid/UdevMonitor.h"

namespace {

using hid::Access;
using hid::ReadStatus;
using hidtest::FakeHidDevice;
using hidtest::FakeHidrawTree;

FakeHidDevice Keyboard()
{
    FakeHidDevice keyboard;
    keyboard.vendorId = 0x046D;
    keyboard.productId = 0xC31C;
    keyboard.manufacturer = "Logitech";
    keyboard.product = "USB Keyboard";
    keyboard.reportDescriptor = hidtest::kBootKeyboard;
    return keyboard;
}

const hid::InterfaceInfo *FindProduct(const std::vector<hid::InterfaceInfo> &list, hid::HidrawBackend &backend,
                                      std::uint16_t product)
{
    for (const auto &info : list) {
        auto handle = backend.Open(info.path, Access::Query);
        if (handle && handle->description().attributes.ProductID == product)
            return &info;
    }
    return nullptr;
}

TEST(HidrawBackend, FindsTheProcessorInterface)
{
    FakeHidrawTree tree;
    tree.Add(Keyboard());
    FakeHidDevice processor;
    processor.serial = "A1";
    tree.Add(processor);
    hid::HidrawBackend backend(tree.Options());

    const auto list = backend.Enumerate();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_NE(list[0].deviceId, list[1].deviceId);
    const hid::InterfaceInfo *found = FindProduct(list, backend, 0x0821);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, tree.root() + "/dev/hidraw1");
    EXPECT_EQ(found->texts.at(hid::kHardwareId).at(1), "HID\\VID_0168&PID_0821");

    auto handle = backend.Open(found->path, Access::Query);
    ASSERT_TRUE(handle);
    EXPECT_EQ(handle->description().attributes.VendorID, 0x0168);
    EXPECT_EQ(handle->description().attributes.VersionNumber, 0x0100);
    EXPECT_EQ(handle->description().product, u"DSP316");
    EXPECT_EQ(handle->description().serialNumber, u"A1");
    EXPECT_EQ(handle->ReportLength(hid::ReportType::Input), 65);
    EXPECT_EQ(handle->ReportLength(hid::ReportType::Output), 65);
}

TEST(HidrawBackend, WritesReportIdZeroAndTheFramePaddedToTheOutputLength)
{
    FakeHidrawTree tree;
    auto &node = tree.Add(FakeHidDevice());
    hid::HidrawBackend backend(tree.Options());
    auto handle = backend.Open(backend.Enumerate().at(0).path, Access::ReadWrite);
    ASSERT_TRUE(handle);

    const std::vector<std::uint8_t> report = {0, 0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
    std::size_t taken = 0;
    ASSERT_TRUE(handle->WriteReport(report.data(), report.size(), &taken));
    const std::vector<std::uint8_t> seen = node.WaitOutput(2000);
    ASSERT_EQ(seen.size(), 65u);
    EXPECT_EQ(std::vector<std::uint8_t>(seen.begin(), seen.begin() + 10), report);
    EXPECT_EQ(std::vector<std::uint8_t>(seen.begin() + 10, seen.end()), std::vector<std::uint8_t>(55, 0));
}

TEST(HidrawBackend, ReadsPutTheReportIdBack)
{
    FakeHidrawTree tree;
    auto &processor = tree.Add(FakeHidDevice());
    FakeHidDevice composite;
    composite.productId = 0x0001;
    composite.reportDescriptor = hidtest::kMouseAndConsumer;
    auto &mouse = tree.Add(composite);
    hid::HidrawBackend backend(tree.Options());
    const auto list = backend.Enumerate();
    auto unnumbered = backend.Open(list.at(0).path, Access::ReadWrite);
    auto numbered = backend.Open(list.at(1).path, Access::Read);
    ASSERT_TRUE(unnumbered && numbered);

    std::vector<std::uint8_t> data(64);
    for (int i = 0; i < 64; ++i)
        data[i] = static_cast<std::uint8_t>(0x80 + i);
    processor.SendInput(data);  // unnumbered: the node leaves the ID out
    std::uint8_t buffer[65] = {};
    std::size_t got = 0;
    ASSERT_EQ(unnumbered->ReadReport(buffer, sizeof buffer, &got, 2000), ReadStatus::Report);
    EXPECT_EQ(got, 65u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0x80);
    EXPECT_EQ(buffer[64], 0x80 + 63);

    mouse.SendInput({2, 0xE9, 0x00});
    ASSERT_EQ(numbered->ReadReport(buffer, sizeof buffer, &got, 2000), ReadStatus::Report);
    EXPECT_EQ(got, 4u);  // padded to the longest input report
    EXPECT_EQ(buffer[0], 2);
    EXPECT_EQ(buffer[1], 0xE9);
}

TEST(HidrawBackend, RemovalEndsReadsAndAReturningDeviceIsNew)
{
    FakeHidrawTree tree;
    tree.Add(FakeHidDevice());
    hid::HidrawBackend backend(tree.Options());
    const hid::InterfaceInfo before = backend.Enumerate().at(0);
    auto handle = backend.Open(before.path, Access::Read);
    ASSERT_TRUE(handle);

    ReadStatus status = ReadStatus::Report;
    std::thread reader([&] {
        std::uint8_t buffer[65];
        std::size_t got = 0;
        status = handle->ReadReport(buffer, sizeof buffer, &got, 5000);
    });
    tree.Remove("hidraw0");
    reader.join();
    EXPECT_EQ(status, ReadStatus::Failed);
    EXPECT_TRUE(backend.Enumerate().empty());
    EXPECT_FALSE(backend.Open(before.path, Access::Query));

    tree.Add(FakeHidDevice());
    const auto after = backend.Enumerate();
    ASSERT_EQ(after.size(), 1u);
    EXPECT_NE(after[0].deviceId, before.deviceId);
}

TEST(HidrawBackend, CloseEndsAWaitingRead)
{
    FakeHidrawTree tree;
    tree.Add(FakeHidDevice());
    hid::HidrawBackend backend(tree.Options());
    auto handle = backend.Open(backend.Enumerate().at(0).path, Access::Read);
    ASSERT_TRUE(handle);
    ReadStatus status = ReadStatus::Report;
    std::thread reader([&] {
        std::uint8_t buffer[65];
        std::size_t got = 0;
        status = handle->ReadReport(buffer, sizeof buffer, &got, -1);
    });
    handle->Close();
    reader.join();
    EXPECT_EQ(status, ReadStatus::Closed);
}

TEST(HidrawBackend, MissingNodesAndTreesAreNotErrors)
{
    hid::HidrawBackend::Options options;
    options.sysRoot = "/nonexistent/sys";
    options.monitor = false;
    hid::HidrawBackend backend(options);
    EXPECT_TRUE(backend.Enumerate().empty());
    EXPECT_FALSE(backend.Open("/nonexistent/dev/hidraw0", Access::ReadWrite));
    EXPECT_EQ(backend.NotifyFd(), -1);
    EXPECT_FALSE(backend.TakeNotifications());
}

TEST(UdevMonitor, DrainsWithoutBlocking)
{
    hid::UdevMonitor monitor;  // may have no descriptor where netlink is closed to us
    EXPECT_FALSE(monitor.Drain());
}

}  // namespace
