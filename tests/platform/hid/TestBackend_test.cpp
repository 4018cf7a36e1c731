// The in-process test backend: plugging, reports both ways, the handle conventions it shares with
// the hidraw backend (padding, cutting, the report ID byte), and closing under a waiting reader.

#include "platform/hid/TestBackend.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <cerrno>
#include <thread>

#include "platform/hid/HidStatus.h"

namespace {

using hid::Access;
using hid::ReadStatus;
using hid::TestBackend;
using hid::TestDevice;

TestDevice::Profile Processor()
{
    TestDevice::Profile profile;
    profile.vendorId = 0x0168;
    profile.productId = 0x0821;
    profile.product = u"DSP316";
    return profile;
}

bool Readable(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}

TEST(TestBackend, PlugAndUnplugAreNotifiedAndListed)
{
    TestBackend backend;
    EXPECT_FALSE(Readable(backend.NotifyFd()));
    auto a = backend.Plug(Processor());
    auto b = backend.Plug(Processor());
    EXPECT_TRUE(Readable(backend.NotifyFd()));
    EXPECT_TRUE(backend.TakeNotifications());
    EXPECT_FALSE(backend.TakeNotifications());
    EXPECT_FALSE(Readable(backend.NotifyFd()));

    auto list = backend.Enumerate();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].deviceId, a->deviceId());
    EXPECT_EQ(list[1].path, b->path());
    EXPECT_NE(a->deviceId(), b->deviceId());

    backend.Unplug(a);
    EXPECT_TRUE(backend.TakeNotifications());
    ASSERT_EQ(backend.Enumerate().size(), 1u);
    auto again = backend.Plug(Processor());
    EXPECT_NE(again->deviceId(), a->deviceId());  // the same hardware back is a new instance
}

TEST(TestBackend, ReportsTravelBothWaysAtTheDeviceLengths)
{
    TestBackend backend;
    auto device = backend.Plug(Processor());
    std::vector<std::vector<std::uint8_t>> written;
    device->SetOutputHandler([&](const std::uint8_t *r, std::size_t n) { written.emplace_back(r, r + n); });
    auto handle = backend.Open(device->path(), Access::ReadWrite);
    ASSERT_TRUE(handle);

    const std::uint8_t frame[10] = {0, 0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
    std::size_t taken = 0;
    ASSERT_TRUE(handle->WriteReport(frame, sizeof frame, &taken));
    EXPECT_EQ(taken, 10u);
    std::vector<std::uint8_t> long_(100, 0x55);
    ASSERT_TRUE(handle->WriteReport(long_.data(), long_.size(), &taken));
    EXPECT_EQ(taken, 65u);
    ASSERT_EQ(written.size(), 2u);
    ASSERT_EQ(written[0].size(), 65u);  // padded to the output report length
    EXPECT_EQ(std::vector<std::uint8_t>(written[0].begin(), written[0].begin() + 10), std::vector<std::uint8_t>(frame, frame + 10));
    EXPECT_EQ(written[0][10], 0);
    EXPECT_EQ(written[1].size(), 65u);  // cut

    std::vector<std::uint8_t> in(65);
    for (int i = 0; i < 65; ++i)
        in[i] = static_cast<std::uint8_t>(i);
    ASSERT_TRUE(device->PushInput(in));
    ASSERT_TRUE(device->PushInput(std::vector<std::uint8_t>{0, 7, 8}));
    ASSERT_TRUE(device->PushInput(in));
    std::uint8_t buffer[65];
    std::size_t got = 0;
    ASSERT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 0), ReadStatus::Report);
    EXPECT_EQ(got, 65u);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 65), in);
    ASSERT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 0), ReadStatus::Report);
    EXPECT_EQ(got, 65u);  // a short report is padded up to the input length
    EXPECT_EQ(buffer[2], 8);
    EXPECT_EQ(buffer[3], 0);
    std::uint8_t small[8];
    ASSERT_EQ(handle->ReadReport(small, sizeof small, &got, 0), ReadStatus::Report);
    EXPECT_EQ(got, 8u);  // never beyond the caller's buffer
    EXPECT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 0), ReadStatus::Timeout);
}

TEST(TestBackend, QueryOnlyDeviceOpensForQueriesOnly)
{
    TestBackend backend;
    TestDevice::Profile profile = Processor();
    profile.readWrite = false;
    auto device = backend.Plug(profile);
    EXPECT_FALSE(backend.Open(device->path(), Access::ReadWrite));
    EXPECT_EQ(hid::LastError(), static_cast<std::uint32_t>(EACCES));
    auto handle = backend.Open(device->path(), Access::Query);
    ASSERT_TRUE(handle);
    EXPECT_EQ(handle->description().attributes.ProductID, 0x0821);
    char16_t text[32];
    ASSERT_TRUE(handle->GetProductString(text, sizeof text));
    EXPECT_EQ(std::u16string(text), u"DSP316");
    std::uint8_t buffer[65];
    std::size_t got = 0;
    EXPECT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 0), ReadStatus::Failed);
    EXPECT_FALSE(handle->WriteReport(buffer, sizeof buffer, &got));
}

TEST(TestBackend, UnpluggedDeviceFailsReadsWritesAndOpens)
{
    TestBackend backend;
    auto device = backend.Plug(Processor());
    auto handle = backend.Open(device->path(), Access::ReadWrite);
    ASSERT_TRUE(handle);
    backend.Unplug(device);
    std::uint8_t buffer[65] = {};
    std::size_t got = 0;
    EXPECT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 1000), ReadStatus::Failed);
    EXPECT_EQ(hid::LastError(), static_cast<std::uint32_t>(ENODEV));
    EXPECT_FALSE(handle->WriteReport(buffer, sizeof buffer, &got));
    EXPECT_FALSE(backend.Open(device->path(), Access::Query));
}

TEST(TestBackend, InputQueueKeepsTheNewestReports)
{
    TestBackend backend;
    auto device = backend.Plug(Processor());
    auto handle = backend.Open(device->path(), Access::Read);
    ASSERT_TRUE(handle->SetNumInputBuffers(2));
    for (std::uint8_t i = 1; i <= 3; ++i)
        device->PushInput(std::vector<std::uint8_t>{0, i});
    std::uint8_t buffer[65];
    std::size_t got = 0;
    ASSERT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 0), ReadStatus::Report);
    EXPECT_EQ(buffer[1], 2);
    ASSERT_TRUE(handle->FlushQueue());
    EXPECT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 0), ReadStatus::Timeout);
    EXPECT_FALSE(handle->SetNumInputBuffers(1));
}

TEST(TestBackend, FailedReadsReportTheirError)
{
    TestBackend backend;
    auto device = backend.Plug(Processor());
    auto handle = backend.Open(device->path(), Access::Read);
    device->FailReads(EIO);
    std::uint8_t buffer[65];
    std::size_t got = 0;
    EXPECT_EQ(handle->ReadReport(buffer, sizeof buffer, &got, 1000), ReadStatus::Failed);
    EXPECT_EQ(hid::LastError(), static_cast<std::uint32_t>(EIO));
    EXPECT_EQ(device->readAttempts(), 1u);
}

TEST(TestBackend, CloseEndsAWaitingReadAndLetsGoOfTheDevice)
{
    TestBackend backend;
    auto device = backend.Plug(Processor());
    auto handle = backend.Open(device->path(), Access::Read);
    EXPECT_EQ(device->openHandles(), 1);
    ReadStatus status = ReadStatus::Report;
    std::thread reader([&] {
        std::uint8_t buffer[65];
        std::size_t got = 0;
        status = handle->ReadReport(buffer, sizeof buffer, &got, -1);
    });
    while (device->readAttempts() == 0)
        std::this_thread::yield();
    handle->Close();
    reader.join();
    EXPECT_EQ(status, ReadStatus::Closed);
    EXPECT_EQ(device->openHandles(), 0);
    EXPECT_FALSE(device->PushInput(std::vector<std::uint8_t>{0, 1}));  // nobody reads any more
}

}  // namespace
