#pragma once
// A test backend installed for the length of a test, and a pump that serves the GUI thread's
// queued messages (device-change passes, reports handed over by read threads) until a condition
// holds.

#include <gtest/gtest.h>

#include <memory>

#include "platform/hid/TestBackend.h"
#include "PumpMessages.h"

namespace hidtest {

inline hid::TestDevice::Profile ProcessorProfile()
{
    hid::TestDevice::Profile profile;
    profile.vendorId = 0x0168;
    profile.productId = 0x0821;
    profile.manufacturer = u"TROV";
    profile.product = u"DSP316";
    profile.serialNumber = u"SN-0001";
    return profile;
}

inline hid::TestDevice::Profile OtherProfile(std::uint16_t product)
{
    hid::TestDevice::Profile profile;
    profile.vendorId = 0x046D;
    profile.productId = product;
    profile.product = u"Other";
    return profile;
}

class HidFixture : public testing::Test {
protected:
    void SetUp() override
    {
        backend = std::make_shared<hid::TestBackend>();
        previous = hid::SetCurrentBackend(backend);
    }
    void TearDown() override { hid::SetCurrentBackend(previous); }

    std::shared_ptr<hid::TestBackend> backend;
    std::shared_ptr<hid::Backend> previous;
};

}  // namespace hidtest
