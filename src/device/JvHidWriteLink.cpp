#include "device/JvHidWriteLink.h"

#include <algorithm>
#include <vector>

#include "device/JvHidDevice.h"

std::mutex &TJvHidWriteLink::Registry()
{
    static std::mutex registry;
    return registry;
}

TJvHidWriteLink::~TJvHidWriteLink() { Detach(); }

void TJvHidWriteLink::Attach(TJvHidDevice *device)
{
    std::lock_guard registry(Registry());
    LetGo();
    if (!device)
        return;
    std::lock_guard lock(mutex_);
    device_ = device;
    device->FLinks.push_back(this);
}

void TJvHidWriteLink::LetGo()
{
    std::lock_guard lock(mutex_);  // waits for a write in progress
    if (device_)
        std::erase(device_->FLinks, this);
    device_ = nullptr;
}

bool TJvHidWriteLink::Attached() const
{
    std::lock_guard lock(mutex_);
    return device_ != nullptr;
}

bool TJvHidWriteLink::WriteReport(std::uint8_t reportId, const void *data, std::size_t size)
{
    std::lock_guard lock(mutex_);
    if (!device_)
        return false;
    const std::size_t length = device_->GetCaps().OutputReportByteLength;
    if (length == 0)
        return false;
    std::vector<std::uint8_t> report(length, 0);
    report[0] = reportId;
    const auto *bytes = static_cast<const std::uint8_t *>(data);
    if (bytes)
        std::copy(bytes, bytes + std::min(size, length - 1), report.begin() + 1);
    std::uint32_t written = 0;
    return device_->WriteFile(report.data(), static_cast<std::uint32_t>(length), written);
}
