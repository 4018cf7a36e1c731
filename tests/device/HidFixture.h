#pragma once
// A test backend installed for the length of a test, and a pump that serves the GUI thread's
// queued messages (device-change passes, reports handed over by read threads) until a condition
// holds.

#include <gtest/gtest.h>

#include <memory>

#include "platform/hid/TestBackend.h"
#include "PumpMessages.h"

namespace hidtest {

inline hid::TestDevice::Spec ProcessorSpec()
{
    hid::TestDevice::Spec spec;
    spec.vendorId = 0x0168;
    spec.productId = 0x0821;
    spec.manufacturer = u"TROV";
    spec.product = u"DSP316";
    spec.serialNumber = u"SN-0001";
    return spec;
}

inline hid::TestDevice::Spec OtherSpec(std::uint16_t product)
{
    hid::TestDevice::Spec spec;
    spec.vendorId = 0x046D;
    spec.productId = product;
    spec.product = u"Other";
    return spec;
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
