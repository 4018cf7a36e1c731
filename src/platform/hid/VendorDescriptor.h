#pragma once
// Report descriptor of a plain vendor-defined device (usage page 0xFF00, usage 1) with one
// unnumbered report of bytes per type, such as the processor's 64-byte in/out interface.
// Lengths count the report ID byte as the capabilities do; a length below 2 leaves that type out.

#include <cstdint>
#include <vector>

namespace hid {

std::vector<std::uint8_t> VendorReportDescriptor(std::uint16_t inputLength, std::uint16_t outputLength,
                                                 std::uint16_t featureLength = 0);

}  // namespace hid
