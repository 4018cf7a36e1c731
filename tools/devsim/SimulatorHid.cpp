// The simulator's USB side: a device in the HID test backend, one frame per report.

#include "devsim/Simulator.h"

#include "device/DeviceFrame.h"
#include "platform/hid/TestBackend.h"

#include <algorithm>

namespace devsim {

namespace {

constexpr std::uint16_t kVendorId = 0x0168;
constexpr std::uint16_t kProductId = 0x0821;
constexpr std::uint16_t kReportLength = 65;  // report ID + 64 bytes

}  // namespace

std::shared_ptr<hid::TestDevice> Simulator::PlugHid(std::shared_ptr<hid::TestBackend> backend)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (hidConnection_ != 0)
        return nullptr;
    hidBackend_ = std::move(backend);
    return connections_.at(PlugHidLocked()).hidDevice;
}

std::shared_ptr<hid::TestDevice> Simulator::HidDevice() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = connections_.find(hidConnection_);
    return it == connections_.end() ? nullptr : it->second.hidDevice;
}

int Simulator::PlugHidLocked()
{
    hid::TestDevice::Profile profile;
    profile.vendorId = kVendorId;
    profile.productId = kProductId;
    profile.product = u"TROV316";
    profile.inputLength = kReportLength;
    profile.outputLength = kReportLength;
    auto device = hidBackend_->Plug(profile);
    const int id = AddConnection(Kind::Hid, -1, nullptr);
    connections_.at(id).hidDevice = device;
    auto bridge = std::make_shared<HidBridge>();
    bridge->sim = this;
    bridge->connection = id;
    hidBridges_.push_back(bridge);
    // Called on the writer's thread with no lock of the device held.
    device->SetOutputHandler([bridge](const std::uint8_t *report, std::size_t size) {
        std::lock_guard<std::mutex> lock(bridge->mutex);
        if (bridge->sim)
            bridge->sim->ReceiveHidReport(bridge->connection, report, size);
    });
    hidConnection_ = id;
    return id;
}

void Simulator::ReplugHid(Connection &c, Lines &trace)
{
    // Pulled out and plugged in again: a new device, as the system sees it.
    hidBackend_->Unplug(c.hidDevice);
    PlugHidLocked();
    trace.push_back("-- USB device plugged again");
}

void Simulator::ReceiveHidReport(int connection, const std::uint8_t *report, std::size_t size)
{
    if (size < 2)
        return;
    // Report ID first, then one frame and the zeros that fill the report: pass the frame alone,
    // so that the filling never reaches the frame search.
    std::span<const std::uint8_t> data(report + 1, size - 1);
    if (data.size() >= 5 && data[0] == FrameDle && data[1] == FrameStx && data[4] != 0)
        data = data.first(std::min(data.size(), DeviceFrameSize(data[4])));
    Receive(connection, data);
}

void Simulator::DeliverHid(Connection &c, const Bytes &bytes)
{
    // Whatever one write holds (a frame, or frames and stray bytes under a fault) goes out in as
    // many reports as it fills.
    const std::size_t room = kReportLength - 1;
    for (std::size_t at = 0; at < bytes.size(); at += room) {
        Bytes report(kReportLength, 0);
        const std::size_t n = std::min(room, bytes.size() - at);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), n, report.begin() + 1);
        c.hidDevice->PushInput(report);
    }
}

void Simulator::DetachHid()
{
    // Waits for a report being handled, then keeps every handler away from this simulator.
    std::vector<std::shared_ptr<HidBridge>> bridges;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        bridges = hidBridges_;
    }
    for (const auto &bridge : bridges) {
        std::lock_guard<std::mutex> lock(bridge->mutex);
        bridge->sim = nullptr;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto &[id, c] : connections_)
        if (c.hidDevice && !c.dropped)
            hidBackend_->Unplug(c.hidDevice);
    hidConnection_ = 0;
}

}  // namespace devsim
