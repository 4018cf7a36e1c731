#pragma once
// Arrival and removal of hidraw nodes as udev announces them. The descriptor is meant to be
// watched by the GUI loop; Drain consumes what is pending.

struct udev;
struct udev_monitor;

namespace hid {

class UdevMonitor {
public:
    UdevMonitor();  // Fd() is -1 when no monitor could be made
    ~UdevMonitor();
    UdevMonitor(const UdevMonitor &) = delete;
    UdevMonitor &operator=(const UdevMonitor &) = delete;

    int Fd() const;
    // Reads every pending event; true when one concerned a hidraw node.
    bool Drain();

private:
    udev *udev_ = nullptr;
    udev_monitor *monitor_ = nullptr;
};

}  // namespace hid
