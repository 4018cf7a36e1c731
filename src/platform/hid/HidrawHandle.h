#pragma once
// A handle on a hidraw device node (or, in tests, on a sequenced-packet socket standing in for
// one). Query-only handles hold no descriptor at all: everything they answer comes from sysfs.

#include "platform/hid/Handle.h"

namespace hid {

class HidrawHandle : public Handle {
public:
    // Takes ownership of `fd` (-1 for a query-only handle).
    HidrawHandle(Access access, DeviceDescription description, int fd);
    ~HidrawHandle() override;

    bool GetNumInputBuffers(std::uint32_t *count) const override;
    bool GetFeature(std::uint8_t *report, std::size_t size) override;
    bool SetFeature(const std::uint8_t *report, std::size_t size) override;
    bool GetInputReport(std::uint8_t *report, std::size_t size) override;
    bool SetOutputReport(const std::uint8_t *report, std::size_t size) override;

protected:
    ReadStatus RawRead(std::vector<std::uint8_t> &report, int timeoutMs) override;
    bool RawWrite(const std::uint8_t *report, std::size_t size) override;
    void Wake() override;

private:
    bool Request(unsigned long request, std::uint8_t *report, std::size_t size);

    int fd_;
    int wakeFd_;
};

}  // namespace hid
