#include "platform/hid/UdevMonitor.h"

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

namespace hid {

UdevMonitor::UdevMonitor()
{
    udev_ = udev_new();
    if (!udev_)
        return;
    // Events re-sent by udevd come after its rules have set the node's permissions; without a
    // running udevd (containers, rescue systems) only the kernel's own events arrive.
    const char *source = access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    monitor_ = udev_monitor_new_from_netlink(udev_, source);
    if (monitor_ && (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
                     udev_monitor_enable_receiving(monitor_) < 0)) {
        udev_monitor_unref(monitor_);
        monitor_ = nullptr;
    }
    if (monitor_) {
        const int fd = udev_monitor_get_fd(monitor_);
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
}

UdevMonitor::~UdevMonitor()
{
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
}

int UdevMonitor::Fd() const { return monitor_ ? udev_monitor_get_fd(monitor_) : -1; }

bool UdevMonitor::Drain()
{
    bool changed = false;
    while (monitor_) {
        udev_device *device = udev_monitor_receive_device(monitor_);
        if (!device)
            break;
        changed = true;  // the filter lets only hidraw nodes through
        udev_device_unref(device);
    }
    return changed;
}

}  // namespace hid
