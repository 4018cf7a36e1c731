#include "platform/hid/TestBackend.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <utility>

#include "platform/hid/HidStatus.h"
#include "platform/hid/VendorDescriptor.h"
#include "platform/os/CodePage.h"

namespace hid {

namespace {

constexpr std::uint32_t kDefaultInputBuffers = 32;
constexpr std::uint32_t kMinInputBuffers = 2, kMaxInputBuffers = 512;

std::vector<std::uint8_t> DescriptorOf(const TestDevice::Profile &profile)
{
    return !profile.reportDescriptor.empty() ? profile.reportDescriptor
                                          : VendorReportDescriptor(profile.inputLength, profile.outputLength, profile.featureLength);
}

}  // namespace

// A handle on a test device: its own queue of input reports, like a hidraw open file.
class TestHandle : public Handle {
public:
    TestHandle(Access access, DeviceDescription description, std::shared_ptr<TestDevice> device)
        : Handle(access, std::move(description)), device_(std::move(device))
    {
        device_->Attach(this);
    }
    ~TestHandle() override { Detach(); }

    void Deliver(const std::uint8_t *report, std::size_t size)
    {
        {
            std::lock_guard lock(mutex_);
            if (queue_.size() >= buffers_)
                queue_.pop_front();  // a full queue drops its oldest report
            queue_.emplace_back(report, report + size);
        }
        ready_.notify_all();
    }

    void DeviceGone() { ready_.notify_all(); }

    bool GetNumInputBuffers(std::uint32_t *count) const override
    {
        if (!count)
            return Fail(EINVAL);
        std::lock_guard lock(mutex_);
        *count = buffers_;
        return true;
    }

    bool SetNumInputBuffers(std::uint32_t count) override
    {
        if (count < kMinInputBuffers || count > kMaxInputBuffers)
            return Fail(EINVAL);
        std::lock_guard lock(mutex_);
        buffers_ = count;
        while (queue_.size() > buffers_)
            queue_.pop_front();
        return true;
    }

protected:
    ReadStatus RawRead(std::vector<std::uint8_t> &report, int timeoutMs) override
    {
        ++device_->readAttempts_;
        if (const int error = device_->readError_.load()) {
            Fail(error);
            return ReadStatus::Failed;
        }
        std::unique_lock lock(mutex_);
        auto done = [&] { return !queue_.empty() || IsClosed() || !device_->plugged(); };
        if (timeoutMs < 0)
            ready_.wait(lock, done);
        else
            ready_.wait_for(lock, std::chrono::milliseconds(timeoutMs), done);
        if (IsClosed())
            return ReadStatus::Closed;
        if (!queue_.empty()) {
            report = std::move(queue_.front());
            queue_.pop_front();
            return ReadStatus::Report;
        }
        if (!device_->plugged()) {
            Fail(ENODEV);
            return ReadStatus::Failed;
        }
        return ReadStatus::Timeout;
    }

    bool RawWrite(const std::uint8_t *report, std::size_t size) override
    {
        if (!device_->plugged())
            return Fail(ENODEV);
        device_->Output(report, size);
        return true;
    }

    void Wake() override
    {
        {
            std::lock_guard lock(mutex_);  // a reader between its test and its wait sees the close
        }
        ready_.notify_all();
        Detach();
    }

private:
    void Detach()
    {
        if (!detached_.exchange(true))
            device_->Detach(this);
    }

    std::shared_ptr<TestDevice> device_;
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::vector<std::uint8_t>> queue_;
    std::uint32_t buffers_ = kDefaultInputBuffers;
    std::atomic<bool> detached_{false};
};

TestDevice::TestDevice(std::uint32_t deviceId, Profile profile)
    : deviceId_(deviceId), path_("test-hid:" + std::to_string(deviceId)), profile_(std::move(profile)),
      numbered_([this] {
          const auto parsed = PreparsedData::Parse(DescriptorOf(profile_));
          return parsed && parsed->usesReportIds();
      }())
{
}

void TestDevice::SetOutputHandler(OutputHandler handler)
{
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

std::vector<std::vector<std::uint8_t>> TestDevice::TakeOutputs()
{
    std::lock_guard lock(mutex_);
    return std::exchange(outputs_, {});
}

bool TestDevice::PushInput(const std::uint8_t *report, std::size_t size)
{
    if (!plugged() || !report || size == 0)
        return false;
    // The node hands unnumbered reports over without their ID byte, as hidraw does.
    const std::uint8_t *data = numbered_ ? report : report + 1;
    const std::size_t length = numbered_ ? size : size - 1;
    std::lock_guard lock(mutex_);
    bool delivered = false;
    for (TestHandle *handle : handles_) {
        if (handle->CanRead()) {
            handle->Deliver(data, length);
            delivered = true;
        }
    }
    return delivered;
}

void TestDevice::FailReads(int error) { readError_ = error; }

int TestDevice::openHandles() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(handles_.size());
}

void TestDevice::Attach(TestHandle *handle)
{
    std::lock_guard lock(mutex_);
    handles_.push_back(handle);
}

void TestDevice::Detach(TestHandle *handle)
{
    std::lock_guard lock(mutex_);
    handles_.erase(std::remove(handles_.begin(), handles_.end(), handle), handles_.end());
}

void TestDevice::Output(const std::uint8_t *report, std::size_t size)
{
    OutputHandler handler;
    {
        std::lock_guard lock(mutex_);
        if (!handler_) {
            outputs_.emplace_back(report, report + size);
            return;
        }
        handler = handler_;
    }
    handler(report, size);
}

void TestDevice::MarkUnplugged()
{
    plugged_ = false;
    std::lock_guard lock(mutex_);
    for (TestHandle *handle : handles_)
        handle->DeviceGone();
}

TestBackend::TestBackend() = default;
TestBackend::~TestBackend() = default;

std::shared_ptr<TestBackend> TestBackend::Install()
{
    auto backend = std::make_shared<TestBackend>();
    SetCurrentBackend(backend);
    return backend;
}

std::shared_ptr<TestDevice> TestBackend::Plug(TestDevice::Profile profile)
{
    std::shared_ptr<TestDevice> device;
    {
        std::lock_guard lock(mutex_);
        device = std::make_shared<TestDevice>(nextDeviceId_++, std::move(profile));
        devices_.push_back(device);
    }
    pending_ = true;
    notify_.Set();
    return device;
}

void TestBackend::Unplug(const std::shared_ptr<TestDevice> &device)
{
    if (!device)
        return;
    {
        std::lock_guard lock(mutex_);
        devices_.erase(std::remove(devices_.begin(), devices_.end(), device), devices_.end());
    }
    device->MarkUnplugged();
    pending_ = true;
    notify_.Set();
}

std::vector<std::shared_ptr<TestDevice>> TestBackend::devices() const
{
    std::lock_guard lock(mutex_);
    return devices_;
}

std::vector<InterfaceInfo> TestBackend::Enumerate()
{
    std::vector<InterfaceInfo> list;
    for (const auto &device : devices()) {
        const TestDevice::Profile &profile = device->profile();
        InterfaceInfo info;
        info.deviceId = device->deviceId();
        info.path = device->path();
        info.texts[kDeviceDesc] = {os::Utf16ToUtf8(profile.product)};
        info.texts[kMfg] = {os::Utf16ToUtf8(profile.manufacturer)};
        info.texts[kClass] = {"HIDClass"};
        info.texts[kEnumeratorName] = {"TEST"};
        list.push_back(std::move(info));
    }
    return list;
}

std::shared_ptr<Handle> TestBackend::Open(const std::string &path, Access access)
{
    std::shared_ptr<TestDevice> device;
    for (const auto &candidate : devices())
        if (candidate->path() == path)
            device = candidate;
    if (!device) {
        SetLastError(ENOENT);
        return nullptr;
    }
    const TestDevice::Profile &profile = device->profile();
    if (access != Access::Query && !profile.readWrite) {
        SetLastError(EACCES);
        return nullptr;
    }
    DeviceDescription description;
    description.attributes.VendorID = profile.vendorId;
    description.attributes.ProductID = profile.productId;
    description.attributes.VersionNumber = profile.version;
    description.reportDescriptor = DescriptorOf(profile);
    description.manufacturer = profile.manufacturer;
    description.product = profile.product;
    description.serialNumber = profile.serialNumber;
    description.languages = profile.languages;
    description.indexedStrings = profile.indexedStrings;
    return std::make_shared<TestHandle>(access, std::move(description), device);
}

bool TestBackend::TakeNotifications()
{
    notify_.Reset();
    return pending_.exchange(false);
}

}  // namespace hid
