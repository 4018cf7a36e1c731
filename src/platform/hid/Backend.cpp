#include "platform/hid/Backend.h"

#include <mutex>

#include "platform/hid/HidrawBackend.h"

namespace hid {

namespace {

std::mutex gMutex;
bool gInstalled = false;
std::shared_ptr<Backend> gBackend;

}  // namespace

Backend::~Backend() = default;

Guid HidGuid()
{
    return Guid{0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
}

std::shared_ptr<Backend> CurrentBackend()
{
    std::lock_guard lock(gMutex);
    if (!gInstalled) {
        gBackend = std::make_shared<HidrawBackend>();
        gInstalled = true;
    }
    return gBackend;
}

std::shared_ptr<Backend> SetCurrentBackend(std::shared_ptr<Backend> backend)
{
    std::lock_guard lock(gMutex);
    std::shared_ptr<Backend> previous = gInstalled ? gBackend : nullptr;
    gBackend = std::move(backend);
    gInstalled = true;
    return previous;
}

}  // namespace hid
