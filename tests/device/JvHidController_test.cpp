// The HID controller over the test backend: change passes, enumeration, check-out and check-in,
// counters, unplugging and the device lifetime rules.

#include "device/JvHidControllerClass.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <string>
#include <vector>

#include "device/HidFixture.h"
#include "platform/hid/HidStatus.h"

namespace {

using hidtest::HidFixture;
using hidtest::OtherProfile;
using hidtest::ProcessorProfile;

// Records what the controller reports, like the main window's handlers.
struct Owner {
    TJvHidDeviceController *ctl = nullptr;
    int changes = 0;
    int unplugs = 0;
    int removals = 0;
    int arrivals = 0;
    std::vector<std::pair<int, std::uint16_t>> offered;  // index, product
    bool answer = true;
    bool checkInOnUnplug = true;
    TJvHidDevice *held = nullptr;

    void Bind()
    {
        ctl->OnDeviceChange = [this](TObject *) { ++changes; };
        ctl->OnEnumerate = [this](TJvHidDevice *dev, int idx) {
            offered.emplace_back(idx, dev->Attributes().ProductID);
            TJvHidDevice *taken = nullptr;
            if (dev->Attributes().ProductID == 0x0821 && ctl->CheckOutByIndex(taken, idx))
                held = taken;
            return answer;
        };
        ctl->OnRemoval = [this](TJvHidDevice *) { ++removals; };
        ctl->OnArrival = [this](TJvHidDevice *) { ++arrivals; };
        ctl->SetDevUnplug([this](TJvHidDevice *dev) {
            ++unplugs;
            if (checkInOnUnplug && dev == held)
                ctl->CheckIn(held);
        });
    }
};

class Controller : public HidFixture {
protected:
    void Start()
    {
        owner.ctl = &ctl();
        owner.Bind();
        ASSERT_TRUE(PumpUntil([&] { return owner.changes > 0; }));  // the first pass
    }
    TJvHidDeviceController &ctl()
    {
        if (!controller_)
            controller_ = std::make_unique<TJvHidDeviceController>(nullptr);
        return *controller_;
    }
    void Counters(int in, int out, int unplugged)
    {
        EXPECT_EQ(ctl().NumCheckedInDevices(), in);
        EXPECT_EQ(ctl().NumCheckedOutDevices(), out);
        EXPECT_EQ(ctl().NumUnpluggedDevices(), unplugged);
    }
    Owner owner;
    std::unique_ptr<TJvHidDeviceController> controller_;
};

TEST_F(Controller, FirstPassReportsAChangeEvenWithoutDevices)
{
    Start();
    EXPECT_EQ(owner.changes, 1);
    EXPECT_EQ(ctl().Enumerate(), 0);
    EXPECT_TRUE(owner.offered.empty());
    Counters(0, 0, 0);
    // Direct calls report a change until a notification replaces the first pass's marker.
    ctl().DeviceChange();
    EXPECT_EQ(owner.changes, 2);
    EXPECT_EQ(ctl().Version(), "1.0.34");
    ctl().SetVersion("9.9");
    EXPECT_EQ(ctl().Version(), "1.0.34");
}

TEST_F(Controller, EnumerationOffersPluggedDevicesInListOrder)
{
    backend->Plug(OtherProfile(0x0001));
    backend->Plug(ProcessorProfile());
    backend->Plug(OtherProfile(0x0002));
    Start();
    Counters(3, 0, 0);
    EXPECT_EQ(owner.arrivals, 3);

    EXPECT_EQ(ctl().Enumerate(), 3);
    ASSERT_EQ(owner.offered.size(), 3u);
    EXPECT_EQ(owner.offered[0], std::make_pair(0, std::uint16_t{0x0001}));
    EXPECT_EQ(owner.offered[1], std::make_pair(1, std::uint16_t{0x0821}));
    EXPECT_EQ(owner.offered[2], std::make_pair(2, std::uint16_t{0x0002}));
    ASSERT_TRUE(owner.held);
    Counters(2, 1, 0);

    // The checked-out device is offered again but cannot be taken twice.
    owner.offered.clear();
    TJvHidDevice *first = owner.held;
    EXPECT_EQ(ctl().Enumerate(), 3);
    EXPECT_EQ(owner.held, first);
    Counters(2, 1, 0);

    // Offering stops at the first false answer, which is counted.
    owner.answer = false;
    EXPECT_EQ(ctl().Enumerate(), 1);
    // Without a handler the first device is counted and nothing else.
    ctl().OnEnumerate = TJvHidEnumerateEvent();
    EXPECT_EQ(ctl().Enumerate(), 1);
}

TEST_F(Controller, CheckOutByIndexAtTheEdgesAndCheckIn)
{
    backend->Plug(ProcessorProfile());
    backend->Plug(OtherProfile(0x0002));
    Start();
    TJvHidDevice *dev = reinterpret_cast<TJvHidDevice *>(1);
    EXPECT_FALSE(ctl().CheckOutByIndex(dev, -1));
    EXPECT_EQ(dev, nullptr);
    dev = reinterpret_cast<TJvHidDevice *>(1);
    EXPECT_FALSE(ctl().CheckOutByIndex(dev, 2));
    EXPECT_EQ(dev, nullptr);

    ASSERT_TRUE(ctl().CheckOutByIndex(dev, 1));
    EXPECT_EQ(dev, ctl().Devices()[1]);
    EXPECT_TRUE(dev->IsCheckedOut());
    Counters(1, 1, 0);
    TJvHidDevice *again = nullptr;
    EXPECT_FALSE(ctl().CheckOutByIndex(again, 1));
    EXPECT_EQ(again, nullptr);

    ctl().CheckIn(dev);
    EXPECT_EQ(dev, nullptr);
    Counters(2, 0, 0);
    ctl().CheckIn(dev);  // null: nothing
    Counters(2, 0, 0);

    // The other selectors.
    ASSERT_TRUE(ctl().CheckOutByID(dev, 0x0168, -1));
    EXPECT_EQ(dev->Attributes().ProductID, 0x0821);
    TJvHidDevice *byName = nullptr;
    EXPECT_TRUE(ctl().CheckOutByProductName(byName, "Other"));
    EXPECT_FALSE(ctl().CheckOutByProductName(again, ""));
    EXPECT_FALSE(ctl().CheckOut(again));  // nothing free is left
    Counters(0, 2, 0);
    EXPECT_EQ(ctl().CountByID(0x0168, 0x0821), 1);
    EXPECT_EQ(ctl().CountByProductName("DSP316"), 1);
    EXPECT_EQ(ctl().CountByClass("HIDClass"), 2);
    ctl().CheckIn(dev);
    ctl().CheckIn(byName);
    EXPECT_TRUE(ctl().CheckOutByCallback(dev, [](TJvHidDevice *d) { return d->ProductName() == "Other"; }));
    EXPECT_EQ(dev->Attributes().ProductID, 0x0002);
    ctl().CheckIn(dev);
}

TEST_F(Controller, UnplugOfTheCheckedOutDeviceFiresOnceAndCheckInFromTheHandlerIsSafe)
{
    auto processor = backend->Plug(ProcessorProfile());
    backend->Plug(OtherProfile(0x0002));
    Start();
    ctl().SetDevData([](TJvHidDevice *, std::uint8_t, const void *, std::uint16_t) {});  // a read thread runs
    ctl().Enumerate();
    ASSERT_TRUE(owner.held);
    ASSERT_TRUE(owner.held->ThreadRunning());
    const int changes = owner.changes;

    backend->Unplug(processor);
    ctl().DeviceChange();
    EXPECT_EQ(owner.unplugs, 1);
    EXPECT_EQ(owner.held, nullptr);  // checked in by the handler, which released it
    EXPECT_EQ(owner.removals, 0);    // the pass does not touch a device released under it
    EXPECT_EQ(owner.changes, changes + 1);
    ASSERT_EQ(ctl().Devices().size(), 1u);
    Counters(1, 0, 0);

    // The same hardware back is a new device.
    auto back = backend->Plug(ProcessorProfile());
    ctl().DeviceChange();
    ASSERT_EQ(ctl().Devices().size(), 2u);
    EXPECT_EQ(ctl().Devices()[1]->PnPInfo()->DeviceID(), back->deviceId());
    EXPECT_NE(back->deviceId(), processor->deviceId());
    Counters(2, 0, 0);
}

TEST_F(Controller, AnUnpluggedDeviceThatIsNotCheckedInStaysListed)
{
    auto processor = backend->Plug(ProcessorProfile());
    owner.checkInOnUnplug = false;
    Start();
    ctl().Enumerate();
    ASSERT_TRUE(owner.held);

    backend->Unplug(processor);
    ctl().DeviceChange();
    EXPECT_EQ(owner.unplugs, 1);
    EXPECT_EQ(owner.removals, 1);
    ASSERT_EQ(ctl().Devices().size(), 1u);
    EXPECT_FALSE(owner.held->IsPluggedIn());
    Counters(0, 0, 1);

    // Every later pass reports it vanished again, without a second unplug event.
    const int changes = owner.changes;
    ctl().DeviceChange();
    EXPECT_EQ(owner.unplugs, 1);
    EXPECT_EQ(owner.removals, 2);
    EXPECT_EQ(owner.changes, changes + 1);
    EXPECT_EQ(ctl().Enumerate(), 0);  // unplugged devices are not offered

    // Returning hardware is listed beside it as a new device.
    backend->Plug(ProcessorProfile());
    ctl().DeviceChange();
    ASSERT_EQ(ctl().Devices().size(), 2u);
    Counters(1, 0, 1);

    // Checking the unplugged one in releases it.
    ctl().CheckIn(owner.held);
    ASSERT_EQ(ctl().Devices().size(), 1u);
    EXPECT_TRUE(ctl().Devices()[0]->IsPluggedIn());
    Counters(1, 0, 0);
}

TEST_F(Controller, AVanishedFreeDeviceIsReleased)
{
    auto other = backend->Plug(OtherProfile(0x0002));
    Start();
    ASSERT_EQ(ctl().Devices().size(), 1u);
    const std::weak_ptr<void> alive = ctl().Devices()[0]->AliveToken();
    backend->Unplug(other);
    ctl().DeviceChange();
    EXPECT_TRUE(ctl().Devices().empty());
    EXPECT_EQ(owner.removals, 1);
    EXPECT_TRUE(alive.expired());
}

TEST_F(Controller, ReleasingACheckedOutDeviceLeavesAFreshOneInItsPlace)
{
    backend->Plug(OtherProfile(0x0001));
    backend->Plug(ProcessorProfile());
    Start();
    const TJvHidDataEvent data = [](TJvHidDevice *, std::uint8_t, const void *, std::uint16_t) {};
    ctl().SetDevData(data);
    TJvHidDevice *dev = nullptr;
    ASSERT_TRUE(ctl().CheckOutByIndex(dev, 1));
    dev->SetThreadSleepTime(50);
    const std::uint32_t id = dev->PnPInfo()->DeviceID();
    Counters(1, 1, 0);

    delete dev;
    ASSERT_EQ(ctl().Devices().size(), 2u);
    TJvHidDevice *fresh = ctl().Devices()[1];
    EXPECT_FALSE(fresh->IsCheckedOut());
    EXPECT_EQ(fresh->PnPInfo()->DeviceID(), id);
    EXPECT_TRUE(fresh->OnData());
    EXPECT_TRUE(fresh->OnUnplug());
    EXPECT_EQ(fresh->ThreadSleepTime(), 50);
    Counters(2, 0, 0);
}

TEST_F(Controller, HandlersReachTheDevicesThatCarryTheControllersOwn)
{
    int controllerErrors = 0, ownErrors = 0;
    ctl().SetDevDataError([&](TJvHidDevice *, std::uint32_t) { ++controllerErrors; });
    backend->Plug(ProcessorProfile());
    backend->Plug(OtherProfile(0x0002));
    Start();
    TJvHidDevice *first = ctl().Devices()[0];
    TJvHidDevice *second = ctl().Devices()[1];
    // New devices take the controller's data-error handler, so read errors can reach the owner.
    ASSERT_TRUE(first->OnDataError());
    second->SetOnDataError([&](TJvHidDevice *, std::uint32_t) { ++ownErrors; });

    int replaced = 0;
    ctl().SetDevDataError([&](TJvHidDevice *, std::uint32_t) { ++replaced; });
    first->OnDataError()(first, 5);
    second->OnDataError()(second, 5);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(ownErrors, 1);
    EXPECT_EQ(controllerErrors, 0);

    ctl().SetDevUnplug(TJvHidPlugEvent());
    EXPECT_FALSE(first->OnUnplug());
}

TEST_F(Controller, ThreadSleepTimeBounds)
{
    backend->Plug(ProcessorProfile());
    Start();
    TJvHidDevice *dev = ctl().Devices()[0];
    EXPECT_EQ(dev->ThreadSleepTime(), 100);
    dev->SetThreadSleepTime(5);
    EXPECT_EQ(dev->ThreadSleepTime(), 100);
    dev->SetThreadSleepTime(20000);
    EXPECT_EQ(dev->ThreadSleepTime(), 100);
    dev->SetThreadSleepTime(10);
    EXPECT_EQ(dev->ThreadSleepTime(), 10);
    dev->SetThreadSleepTime(10000);
    EXPECT_EQ(dev->ThreadSleepTime(), 10000);

    // The controller keeps any value and passes it to devices that had its previous one.
    dev->SetThreadSleepTime(100);
    ctl().SetDevThreadSleepTime(5);
    EXPECT_EQ(ctl().DevThreadSleepTime(), 5);
    EXPECT_EQ(dev->ThreadSleepTime(), 100);
    ctl().SetDevThreadSleepTime(250);
    EXPECT_EQ(dev->ThreadSleepTime(), 100);  // it no longer matched the controller's value
}

TEST_F(Controller, DestroyingTheControllerUnplugsCheckedOutDevices)
{
    backend->Plug(ProcessorProfile());
    backend->Plug(OtherProfile(0x0002));
    Start();
    ctl().SetDevData([](TJvHidDevice *, std::uint8_t, const void *, std::uint16_t) {});
    ctl().Enumerate();
    ASSERT_TRUE(owner.held);
    controller_.reset();  // the held device hears its unplug and is checked in
    EXPECT_EQ(owner.unplugs, 1);
    EXPECT_EQ(owner.held, nullptr);
}

TEST_F(Controller, ErrorHelpersAndDirectCreation)
{
    EXPECT_EQ(TJvHidDeviceController::HidErrorString(0xC0110004), "HID Error: usage not found");
    EXPECT_EQ(ctl().HidCheck(hid::kStatusSuccess), hid::kStatusSuccess);
    EXPECT_THROW(ctl().HidCheck(0xC0110007), EHidClientError);
    EXPECT_NO_THROW(ctl().HidError(0xC0120001));
    EXPECT_EQ(ctl().HidVersion(), "test");
    try {
        TJvHidDevice direct;
        FAIL();
    } catch (const EControllerError &e) {
        EXPECT_EQ(e.Message(), "Direct creation of a TJvHidDevice object is not allowed");
    }
    EXPECT_THROW(TJvHidDeviceReadThread(true), EControllerError);
}

TEST_F(Controller, ArrivalsReachTheControllerThroughTheEventLoop)
{
    int argc = 1;
    char name[] = "hid";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    Start();
    const int before = owner.changes;
    backend->Plug(ProcessorProfile());
    auto served = [&](const std::function<bool()> &done) {
        for (int i = 0; i < 5000 && !done(); ++i)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        return done();
    };
    ASSERT_TRUE(served([&] { return owner.changes == before + 1; }));
    EXPECT_EQ(ctl().Devices().size(), 1u);

    // A notification that changes nothing reports no change.
    auto brief = backend->Plug(OtherProfile(0x0003));
    backend->Unplug(brief);
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
    EXPECT_EQ(owner.changes, before + 1);
    controller_.reset();
}

TEST_F(HidFixture, OnePassReportsVanishedDevicesFromTheEndThenArrivalsThenOneChange)
{
    auto a = backend->Plug(OtherProfile(0x0001));
    backend->Plug(OtherProfile(0x0002));
    auto c = backend->Plug(OtherProfile(0x0003));
    TJvHidDeviceController ctl(nullptr);
    std::vector<std::string> log;
    auto note = [&](const char *what, TJvHidDevice *dev) {
        log.push_back(std::string(what) + " " + std::to_string(dev->Attributes().ProductID));
    };
    ctl.OnArrival = [&](TJvHidDevice *dev) { note("arrival", dev); };
    ctl.OnRemoval = [&](TJvHidDevice *dev) { note("removal", dev); };
    ctl.SetDevUnplug([&](TJvHidDevice *dev) { note("unplug", dev); });
    ctl.OnDeviceChange = [&](TObject *) { log.emplace_back("change"); };
    ASSERT_TRUE(PumpUntil([&] { return !log.empty() && log.back() == "change"; }));
    EXPECT_EQ(log, (std::vector<std::string>{"arrival 1", "arrival 2", "arrival 3", "change"}));

    log.clear();
    backend->Unplug(a);
    backend->Unplug(c);
    backend->Plug(OtherProfile(0x0004));
    backend->Plug(OtherProfile(0x0005));
    ctl.DeviceChange();
    EXPECT_EQ(log, (std::vector<std::string>{"unplug 3", "removal 3", "unplug 1", "removal 1", "arrival 4",
                                             "arrival 5", "change"}));
    ASSERT_EQ(ctl.Devices().size(), 3u);
    EXPECT_EQ(ctl.Devices()[0]->Attributes().ProductID, 0x0002);
    EXPECT_EQ(ctl.Devices()[2]->Attributes().ProductID, 0x0005);
    EXPECT_EQ(ctl.NumCheckedInDevices(), 3);

    // Binding another change handler runs a pass at once (which reports a change: no notification
    // has replaced the first pass's marker yet).
    log.clear();
    int changes = 0;
    TJvHidDeviceController *self = &ctl;
    ctl.SetOnDeviceChange([&](TObject *sender) {
        EXPECT_EQ(sender, self);
        ++changes;
    });
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(log.empty());
    backend->Plug(OtherProfile(0x0006));
    ctl.SetOnDeviceChange(TNotifyEvent());
    EXPECT_EQ(log, (std::vector<std::string>{"arrival 6"}));
}

int gChecks = 0;

// A check callback that needs the device openable while it runs.
bool OpensForTheCheck(TJvHidDevice *dev)
{
    ++gChecks;
    return dev->IsAccessible() && dev->OpenFile();
}

TEST_F(HidFixture, CallbackSelectorsOpenTheDeviceForTheCheckAndSkipCheckedOutOnes)
{
    backend->Plug(ProcessorProfile());
    backend->Plug(OtherProfile(0x0002));
    TJvHidDeviceController ctl(nullptr);
    ASSERT_TRUE(PumpUntil([&] { return ctl.Devices().size() == 2; }));
    gChecks = 0;
    TJvHidDevice *first = nullptr, *second = nullptr;
    ASSERT_TRUE(ctl.CheckOutByCallback(first, &OpensForTheCheck));
    EXPECT_EQ(first, ctl.Devices()[0]);
    EXPECT_EQ(gChecks, 1);
    ASSERT_TRUE(ctl.CheckOutByCallback(second, &OpensForTheCheck));
    EXPECT_EQ(second, ctl.Devices()[1]);
    EXPECT_EQ(gChecks, 2);  // the checked-out first device was not asked again
    EXPECT_EQ(ctl.NumCheckedOutDevices(), 2);

    // Counting asks every plugged-in device; a checked-out one keeps the handle its check opened,
    // a free one has it closed again.
    ctl.CheckIn(second);
    EXPECT_EQ(ctl.CountByCallback(&OpensForTheCheck), 2);
    EXPECT_EQ(gChecks, 4);
    EXPECT_NE(first->HidFileHandle(), nullptr);
    EXPECT_EQ(ctl.Devices()[1]->HidFileHandle(), nullptr);
    EXPECT_FALSE(ctl.Devices()[1]->IsAccessible());

    // An empty class name takes nothing.
    EXPECT_FALSE(ctl.CheckOutByClass(second, ""));
    EXPECT_EQ(second, nullptr);
    ctl.CheckIn(first);
    EXPECT_EQ(ctl.NumCheckedInDevices(), 2);
}

}  // namespace
