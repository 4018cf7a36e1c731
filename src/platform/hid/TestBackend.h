#pragma once
// An in-process HID backend whose devices are plugged and unplugged by a test or by the
// simulated processor. Reports travel both ways in the layer's convention (report ID first):
// every output report written to a device reaches its output handler, on the writing thread;
// input reports pushed into a device reach every handle open for reading it.
//
//   auto backend = hid::TestBackend::Install();          // becomes the current backend
//   auto dev = backend->Plug({.vendorId = 0x0168, .productId = 0x0821});
//   dev->SetOutputHandler([&](const std::uint8_t *report, std::size_t size) { ... });
//   dev->PushInput(reply.data(), reply.size());
//   backend->Unplug(dev);

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hid/Backend.h"
#include "platform/os/Event.h"

namespace hid {

class TestHandle;

class TestDevice {
public:
    struct Profile {
        std::uint16_t vendorId = 0;
        std::uint16_t productId = 0;
        std::uint16_t version = 0x0100;
        std::u16string manufacturer;
        std::u16string product;
        std::u16string serialNumber;
        // Report lengths with the ID byte; used to make a vendor-defined descriptor unless
        // `reportDescriptor` is given.
        std::uint16_t inputLength = 65;
        std::uint16_t outputLength = 65;
        std::uint16_t featureLength = 0;
        std::vector<std::uint8_t> reportDescriptor;
        std::vector<std::uint16_t> languages = {0x0409};  // string 0; empty: the device has none
        std::vector<std::pair<std::uint8_t, std::u16string>> indexedStrings;
        bool readWrite = true;  // false: it opens for queries only (like a keyboard in use)
    };
    using OutputHandler = std::function<void(const std::uint8_t *report, std::size_t size)>;

    TestDevice(std::uint32_t deviceId, Profile profile);
    TestDevice(const TestDevice &) = delete;
    TestDevice &operator=(const TestDevice &) = delete;

    std::uint32_t deviceId() const { return deviceId_; }
    const std::string &path() const { return path_; }
    const Profile &profile() const { return profile_; }
    bool plugged() const { return plugged_.load(); }

    // Called once per output report, on the thread that writes it, with no lock held. While no
    // handler is set, the reports are kept for TakeOutputs.
    void SetOutputHandler(OutputHandler handler);
    std::vector<std::vector<std::uint8_t>> TakeOutputs();
    // Hands an input report (ID first) to every handle open for reading; false when none is.
    bool PushInput(const std::uint8_t *report, std::size_t size);
    bool PushInput(const std::vector<std::uint8_t> &report) { return PushInput(report.data(), report.size()); }
    // Makes every read fail with `error` (an errno value) until called with 0.
    void FailReads(int error);
    // Handles open on the device now, and reads attempted since it was plugged.
    int openHandles() const;
    std::uint64_t readAttempts() const { return readAttempts_.load(); }

private:
    friend class TestBackend;
    friend class TestHandle;
    void Attach(TestHandle *handle);
    void Detach(TestHandle *handle);
    void Output(const std::uint8_t *report, std::size_t size);
    void MarkUnplugged();

    const std::uint32_t deviceId_;
    const std::string path_;
    const Profile profile_;
    const bool numbered_;  // its reports carry report IDs
    std::atomic<bool> plugged_{true};
    std::atomic<int> readError_{0};
    std::atomic<std::uint64_t> readAttempts_{0};
    mutable std::mutex mutex_;
    std::vector<TestHandle *> handles_;
    OutputHandler handler_;
    std::vector<std::vector<std::uint8_t>> outputs_;
};

class TestBackend : public Backend {
public:
    TestBackend();
    ~TestBackend() override;

    // Creates a test backend and makes it the current one.
    static std::shared_ptr<TestBackend> Install();

    std::shared_ptr<TestDevice> Plug(TestDevice::Profile profile);
    void Unplug(const std::shared_ptr<TestDevice> &device);
    std::vector<std::shared_ptr<TestDevice>> devices() const;

    std::vector<InterfaceInfo> Enumerate() override;
    std::shared_ptr<Handle> Open(const std::string &path, Access access) override;
    int NotifyFd() const override { return notify_.Fd(); }
    bool TakeNotifications() override;
    std::string Version() const override { return "test"; }

private:
    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<TestDevice>> devices_;
    std::uint32_t nextDeviceId_ = 1;
    os::AutoResetEvent notify_;
    std::atomic<bool> pending_{false};
};

}  // namespace hid
