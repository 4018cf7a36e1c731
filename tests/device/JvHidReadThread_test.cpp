// The read thread of a checked-out device and the write link a transport writes through.

#include "device/JvHidControllerClass.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <thread>
#include <vector>

#include "device/HidFixture.h"

namespace {

using hidtest::HidFixture;
using hidtest::ProcessorProfile;

struct Received {
    std::thread::id thread;
    std::uint8_t id = 0xFF;
    std::vector<std::uint8_t> data;
};

class ReadThread : public HidFixture {
protected:
    // Lists the plugged devices (the first pass) with a data handler that records reports.
    void Start(hid::TestDevice::Profile profile = ProcessorProfile())
    {
        device = backend->Plug(profile);
        ctl = std::make_unique<TJvHidDeviceController>(nullptr);
        ctl->SetDevData([this](TJvHidDevice *, std::uint8_t id, const void *data, std::uint16_t size) {
            const auto *bytes = static_cast<const std::uint8_t *>(data);
            received.push_back({std::this_thread::get_id(), id, std::vector<std::uint8_t>(bytes, bytes + size)});
        });
        ctl->SetDevDataError([this](TJvHidDevice *, std::uint32_t error) { errors.push_back(error); });
        int changes = 0;
        ctl->OnDeviceChange = [&](TObject *) { ++changes; };
        ASSERT_TRUE(PumpUntil([&] { return changes > 0; }));
        ctl->OnDeviceChange = TNotifyEvent();
        ASSERT_EQ(ctl->Devices().size(), 1u);
    }
    TJvHidDevice *CheckOut()
    {
        TJvHidDevice *dev = nullptr;
        EXPECT_TRUE(ctl->CheckOutByIndex(dev, 0));
        return dev;
    }
    void WaitUntilReading(std::uint64_t attempts = 1)
    {
        ASSERT_TRUE(PumpUntil([&] { return device->readAttempts() >= attempts; }));
    }

    std::shared_ptr<hid::TestDevice> device;
    std::unique_ptr<TJvHidDeviceController> ctl;
    std::vector<Received> received;
    std::vector<std::uint32_t> errors;
};

TEST_F(ReadThread, A65ByteReportArrivesAsReportIdZeroAnd64BytesOnTheGuiThread)
{
    Start();
    TJvHidDevice *dev = CheckOut();
    ASSERT_TRUE(dev->ThreadRunning());
    WaitUntilReading();
    std::vector<std::uint8_t> report(65);
    for (int i = 1; i < 65; ++i)
        report[i] = static_cast<std::uint8_t>(i);
    ASSERT_TRUE(device->PushInput(report));
    ASSERT_TRUE(PumpUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received[0].thread, std::this_thread::get_id());
    EXPECT_EQ(received[0].id, 0);
    ASSERT_EQ(received[0].data.size(), 64u);
    EXPECT_EQ(received[0].data, std::vector<std::uint8_t>(report.begin() + 1, report.end()));

    // Reports keep their order; a short one is padded to the input report length.
    device->PushInput(std::vector<std::uint8_t>{0, 0xAA});
    device->PushInput(std::vector<std::uint8_t>{0, 0xBB});
    ASSERT_TRUE(PumpUntil([&] { return received.size() == 3; }));
    EXPECT_EQ(received[1].data[0], 0xAA);
    EXPECT_EQ(received[1].data.size(), 64u);
    EXPECT_EQ(received[2].data[0], 0xBB);
    ctl->CheckIn(dev);
    EXPECT_EQ(device->openHandles(), 0);
}

TEST_F(ReadThread, AStopRequestEndsTheThreadWithinItsWaitSlice)
{
    Start();
    TJvHidDevice *dev = CheckOut();
    WaitUntilReading();
    const std::uint64_t before = device->readAttempts();
    ctl->CheckIn(dev);
    // Each wait slice is one read attempt: the thread finished at most the slice it was in.
    EXPECT_LE(device->readAttempts(), before + 1);
    EXPECT_EQ(device->openHandles(), 0);
    EXPECT_EQ(ctl->NumCheckedInDevices(), 1);
}

TEST_F(ReadThread, AQueryOnlyDeviceStartsNoThread)
{
    hid::TestDevice::Profile profile = ProcessorProfile();
    profile.readWrite = false;  // like a keyboard the system holds
    Start(profile);
    TJvHidDevice *dev = CheckOut();
    EXPECT_FALSE(dev->HasReadWriteAccess());
    EXPECT_FALSE(dev->ThreadRunning());
    EXPECT_FALSE(device->PushInput(std::vector<std::uint8_t>{0, 1}));
    PumpFor(20);
    EXPECT_TRUE(received.empty());
    ctl->CheckIn(dev);
}

TEST_F(ReadThread, AnEmptyDataHandlerStopsTheThreadAndANewOneRestartsIt)
{
    Start();
    TJvHidDevice *dev = CheckOut();
    ASSERT_TRUE(dev->ThreadRunning());
    dev->SetDataEvent(TJvHidDataEvent());
    EXPECT_FALSE(dev->ThreadRunning());
    int count = 0;
    dev->SetDataEvent([&](TJvHidDevice *, std::uint8_t, const void *, std::uint16_t) { ++count; });
    EXPECT_TRUE(dev->ThreadRunning());
    WaitUntilReading();
    device->PushInput(std::vector<std::uint8_t>{0, 1});
    EXPECT_TRUE(PumpUntil([&] { return count == 1; }));
    ctl->CheckIn(dev);
}

TEST_F(ReadThread, FailingReadsAreReportedOnceAndDoNotSpin)
{
    Start();
    ctl->Devices()[0]->SetThreadSleepTime(10);
    device->FailReads(EIO);
    TJvHidDevice *dev = CheckOut();
    ASSERT_TRUE(PumpUntil([&] { return !errors.empty(); }));
    EXPECT_EQ(errors[0], static_cast<std::uint32_t>(EIO));
    const std::uint64_t start = device->readAttempts();
    PumpFor(200);
    // One attempt per 10 ms pause at most (a spinning thread makes thousands), one report only.
    EXPECT_LT(device->readAttempts() - start, 40u);
    EXPECT_EQ(errors.size(), 1u);

    // Reading recovers, and a new run of failures is reported again.
    device->FailReads(0);
    device->PushInput(std::vector<std::uint8_t>{0, 7});
    ASSERT_TRUE(PumpUntil([&] { return !received.empty(); }));
    device->FailReads(EPIPE);
    ASSERT_TRUE(PumpUntil([&] { return errors.size() == 2; }));
    EXPECT_EQ(errors[1], static_cast<std::uint32_t>(EPIPE));
    ctl->CheckIn(dev);
}

TEST_F(ReadThread, TheDataHandlerMayCheckTheDeviceIn)
{
    Start();
    TJvHidDevice *held = CheckOut();
    int reports = 0;
    held->SetDataEvent([&](TJvHidDevice *, std::uint8_t, const void *data, std::uint16_t size) {
        ++reports;
        ctl->CheckIn(held);  // stops the thread that handed this report over
        EXPECT_EQ(static_cast<const std::uint8_t *>(data)[0], 0x42);  // still readable afterwards
        EXPECT_EQ(size, 64);
    });
    WaitUntilReading();
    device->PushInput(std::vector<std::uint8_t>{0, 0x42});
    device->PushInput(std::vector<std::uint8_t>{0, 0x43});
    ASSERT_TRUE(PumpUntil([&] { return reports == 1; }));
    PumpFor(20);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(held, nullptr);
    EXPECT_EQ(ctl->NumCheckedInDevices(), 1);
    EXPECT_FALSE(ctl->Devices()[0]->ThreadRunning());
}

TEST_F(ReadThread, UnpluggingWhileReadingReportsNoReadError)
{
    Start();
    TJvHidDevice *held = CheckOut();
    ctl->SetDevUnplug([&](TJvHidDevice *) { ctl->CheckIn(held); });
    WaitUntilReading();
    backend->Unplug(device);
    ctl->DeviceChange();
    EXPECT_EQ(held, nullptr);
    PumpFor(30);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(ctl->Devices().empty());
}

TEST_F(ReadThread, TheWriteLinkPadsCutsAndLetsGoAtCheckIn)
{
    Start();
    TJvHidDevice *dev = CheckOut();
    TJvHidWriteLink link;
    EXPECT_FALSE(link.WriteReport(0, "x", 1));  // nothing attached
    link.Attach(dev);
    const std::uint8_t frame[9] = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
    ASSERT_TRUE(link.WriteReport(0, frame, sizeof frame));
    std::vector<std::uint8_t> big(200, 0x77);
    ASSERT_TRUE(link.WriteReport(0, big.data(), big.size()));
    auto outputs = device->TakeOutputs();
    ASSERT_EQ(outputs.size(), 2u);
    ASSERT_EQ(outputs[0].size(), 65u);
    EXPECT_EQ(outputs[0][0], 0);
    EXPECT_EQ(std::vector<std::uint8_t>(outputs[0].begin() + 1, outputs[0].begin() + 10),
              std::vector<std::uint8_t>(frame, frame + 9));
    EXPECT_EQ(outputs[0][10], 0);
    ASSERT_EQ(outputs[1].size(), 65u);
    EXPECT_EQ(outputs[1][64], 0x77);

    // A worker writing all the time while the GUI thread checks the device in.
    std::atomic<bool> stop{false};
    std::atomic<int> written{0};
    std::thread worker([&] {
        while (!stop) {
            if (link.WriteReport(0, frame, sizeof frame))
                ++written;
            std::this_thread::yield();
        }
    });
    while (written < 20)
        std::this_thread::yield();
    ctl->CheckIn(dev);
    EXPECT_FALSE(link.Attached());
    device->TakeOutputs();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(device->TakeOutputs().empty());  // nothing reaches the device after check-in
    stop = true;
    worker.join();
    EXPECT_EQ(device->openHandles(), 0);
}

}  // namespace
