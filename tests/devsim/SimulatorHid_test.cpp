// The simulator as a USB device of the HID test backend: one frame per 64-byte report.

#include "SimTestUtil.h"

#include "platform/hid/TestBackend.h"

namespace devsim::test {
namespace {

class HidLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        device = sim.PlugHid(backend);
        ASSERT_TRUE(device);
        handle = backend->Open(device->path(), hid::Access::ReadWrite);
        ASSERT_TRUE(handle);
    }
    // Writes the frame as the editor does: report ID 0, the frame, zeros up to the report length.
    void Write(const Bytes &frame)
    {
        Bytes report(65, 0);
        std::copy(frame.begin(), frame.end(), report.begin() + 1);
        std::size_t written = 0;
        ASSERT_TRUE(handle->WriteReport(report.data(), report.size(), &written));
    }
    // The next input report, without its ID byte; empty when none is waiting.
    Bytes ReadReport()
    {
        Bytes report(65, 0);
        std::size_t got = 0;
        if (handle->ReadReport(report.data(), report.size(), &got, 0) != hid::ReadStatus::Report)
            return {};
        EXPECT_EQ(got, 65u);
        EXPECT_EQ(report[0], 0);
        return Bytes(report.begin() + 1, report.end());
    }

    std::shared_ptr<hid::TestBackend> backend = std::make_shared<hid::TestBackend>();
    Simulator sim;
    std::shared_ptr<hid::TestDevice> device;
    std::shared_ptr<hid::Handle> handle;
};

TEST_F(HidLinkTest, TheDeviceLooksLikeTheProcessor)
{
    EXPECT_EQ(device->profile().vendorId, 0x0168);
    EXPECT_EQ(device->profile().productId, 0x0821);
    EXPECT_EQ(handle->ReportLength(hid::ReportType::Output), 65);
    EXPECT_EQ(handle->ReportLength(hid::ReportType::Input), 65);
    EXPECT_EQ(sim.HidDevice(), device);
}

TEST_F(HidLinkTest, EachRequestReportGetsAReplyReport)
{
    Write(Request(CMD_HANDSHAKE));
    Bytes data = ReadReport();
    ASSERT_EQ(data.size(), 64u);
    const auto replies = ParseReplies(data);  // the zeros after the frame are no frame
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].command, CMD_HANDSHAKE);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 9), BuildDeviceFrame(1, 0, CMD_HANDSHAKE, {}));

    // The largest reply, a program block, still fits one report.
    Write(Request(CMD_READ_PROGRAM_BLOCK, {4}));
    data = ReadReport();
    EXPECT_EQ(ParseReplies(data).at(0).payload.size(), 51u);
    EXPECT_TRUE(ReadReport().empty());
    EXPECT_EQ(sim.FrameLog().size(), 2u);
}

TEST_F(HidLinkTest, ADroppedLinkIsUnpluggedAndPluggedAgain)
{
    FaultSettings f;
    f.dropAfterFrames = 1;
    sim.SetFaults(f);
    Write(Request(CMD_HANDSHAKE));
    EXPECT_EQ(ParseReplies(ReadReport()).size(), 1u);
    EXPECT_FALSE(device->plugged());
    const auto next = sim.HidDevice();
    ASSERT_TRUE(next);
    EXPECT_NE(next, device);
    EXPECT_TRUE(next->plugged());
    EXPECT_EQ(backend->devices().size(), 1u);
}

TEST(HidLinkEnd, TheSimulatorUnplugsItsDeviceWhenItEnds)
{
    auto backend = std::make_shared<hid::TestBackend>();
    std::shared_ptr<hid::TestDevice> device;
    {
        Simulator sim;
        device = sim.PlugHid(backend);
        EXPECT_FALSE(sim.PlugHid(backend));  // one device per simulator
    }
    EXPECT_FALSE(device->plugged());
    EXPECT_TRUE(backend->devices().empty());
}

}  // namespace
}  // namespace devsim::test
