// The controller over the hidraw backend pointed at a fake tree: the processor's interface is
// found, written to and read from through the real backend code.

#include "device/JvHidControllerClass.h"

#include <gtest/gtest.h>

#include "device/HidFixture.h"
#include "platform/hid/Descriptors.h"
#include "platform/hid/FakeHidrawTree.h"
#include "platform/hid/HidrawBackend.h"

namespace {

using hidtest::FakeHidDevice;
using hidtest::FakeHidrawTree;

class OverHidraw : public testing::Test {
protected:
    void SetUp() override { previous = hid::SetCurrentBackend(std::make_shared<hid::HidrawBackend>(tree.Options())); }
    void TearDown() override { hid::SetCurrentBackend(previous); }
    FakeHidrawTree tree;
    std::shared_ptr<hid::Backend> previous;
};

TEST_F(OverHidraw, FindsTheProcessorAndExchangesReportsWithIt)
{
    FakeHidDevice keyboard;
    keyboard.vendorId = 0x046D;
    keyboard.productId = 0xC31C;
    keyboard.reportDescriptor = hidtest::kBootKeyboard;
    tree.Add(keyboard);
    FakeHidDevice processor;
    processor.vendorId = 0x0483;  // the main window takes product 0x0821 whatever the vendor
    hidtest::FakeHidrawNode &node = tree.Add(processor);

    TJvHidDeviceController ctl(nullptr);
    std::vector<std::vector<std::uint8_t>> received;
    ctl.SetDevData([&](TJvHidDevice *, std::uint8_t id, const void *data, std::uint16_t size) {
        std::vector<std::uint8_t> report{id};
        report.insert(report.end(), static_cast<const std::uint8_t *>(data), static_cast<const std::uint8_t *>(data) + size);
        received.push_back(report);
    });
    TJvHidDevice *held = nullptr;
    TJvHidWriteLink link;
    ctl.OnEnumerate = [&](TJvHidDevice *dev, int idx) {
        TJvHidDevice *taken = nullptr;
        if (dev->Attributes().ProductID == 0x0821 && ctl.CheckOutByIndex(taken, idx)) {
            held = taken;
            link.Attach(held);
        }
        return true;
    };
    ctl.OnDeviceChange = [&](TObject *) { ctl.Enumerate(); };
    ASSERT_TRUE(PumpUntil([&] { return held != nullptr; }));
    EXPECT_EQ(ctl.Devices().size(), 2u);
    EXPECT_EQ(held->PnPInfo()->DevicePath(), QString::fromStdString(tree.root() + "/dev/hidraw1"));
    EXPECT_TRUE(held->ThreadRunning());

    const std::vector<std::uint8_t> frame = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
    ASSERT_TRUE(link.WriteReport(0, frame.data(), frame.size()));
    const std::vector<std::uint8_t> seen = node.WaitOutput(2000);
    ASSERT_EQ(seen.size(), 65u);
    EXPECT_EQ(seen[0], 0);
    EXPECT_EQ(std::vector<std::uint8_t>(seen.begin() + 1, seen.begin() + 10), frame);
    EXPECT_EQ(seen[10], 0);

    std::vector<std::uint8_t> reply(64, 0);
    std::copy(frame.begin(), frame.end(), reply.begin());
    ASSERT_TRUE(PumpUntil([&] {
        node.SendInput(reply);  // to every connection the backend has made by now
        return !received.empty();
    }));
    ASSERT_EQ(received[0].size(), 65u);
    EXPECT_EQ(received[0][0], 0);
    EXPECT_EQ(received[0][1], 0x10);

    // Unplugging: the node and its entries go, the pass reports it.
    int unplugs = 0;
    ctl.SetDevUnplug([&](TJvHidDevice *) {
        ++unplugs;
        ctl.CheckIn(held);
    });
    tree.Remove("hidraw1");
    ctl.DeviceChange();
    EXPECT_EQ(unplugs, 1);
    EXPECT_EQ(held, nullptr);
    EXPECT_FALSE(link.Attached());
    EXPECT_EQ(ctl.Devices().size(), 1u);
}

}  // namespace
