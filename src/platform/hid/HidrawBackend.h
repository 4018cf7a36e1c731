#pragma once
// HID interfaces through Linux hidraw: listed from sysfs, opened through their device nodes,
// arrivals and removals announced by a udev monitor. The roots are options so that tests can run
// this very code over a tree of their own (see SysfsHidraw.h for its layout); in such a tree a
// device node may be a listening sequenced-packet socket, which the backend then connects to.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/hid/Backend.h"

namespace hid {

class UdevMonitor;

class HidrawBackend : public Backend {
public:
    struct Options {
        std::string sysRoot = "/sys";
        std::string devRoot = "/dev";
        bool socketNodes = false;  // accept sockets as device nodes (test trees)
        bool monitor = true;       // watch udev for arrivals and removals
    };

    HidrawBackend();
    explicit HidrawBackend(Options options);
    ~HidrawBackend() override;

    std::vector<InterfaceInfo> Enumerate() override;
    std::shared_ptr<Handle> Open(const std::string &path, Access access) override;
    int NotifyFd() const override;
    bool TakeNotifications() override;
    std::string Version() const override;

    const Options &options() const { return options_; }

private:
    int OpenNode(const std::string &path, Access access) const;
    std::uint32_t DeviceIdFor(const std::string &instanceKey);

    Options options_;
    std::unique_ptr<UdevMonitor> monitor_;
    std::mutex mutex_;
    std::map<std::string, std::uint32_t> deviceIds_;
    std::uint32_t nextDeviceId_ = 1;
};

}  // namespace hid
