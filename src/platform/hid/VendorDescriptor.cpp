#include "platform/hid/VendorDescriptor.h"

namespace hid {

std::vector<std::uint8_t> VendorReportDescriptor(std::uint16_t inputLength, std::uint16_t outputLength,
                                                 std::uint16_t featureLength)
{
    std::vector<std::uint8_t> d = {
        0x06, 0x00, 0xFF,  // usage page (vendor defined 0xFF00)
        0x09, 0x01,        // usage 1
        0xA1, 0x01,        // collection (application)
        0x15, 0x00,        //   logical minimum 0
        0x26, 0xFF, 0x00,  //   logical maximum 255
        0x75, 0x08,        //   report size 8
    };
    const std::uint8_t mainItems[] = {0x81, 0x91, 0xB1};  // input, output, feature
    const std::uint16_t lengths[] = {inputLength, outputLength, featureLength};
    for (int t = 0; t < 3; ++t) {
        if (lengths[t] < 2)
            continue;
        const std::uint16_t count = static_cast<std::uint16_t>(lengths[t] - 1);
        if (count <= 0xFF) {
            d.insert(d.end(), {0x95, static_cast<std::uint8_t>(count)});
        } else {
            d.insert(d.end(), {0x96, static_cast<std::uint8_t>(count & 0xFF), static_cast<std::uint8_t>(count >> 8)});
        }
        d.insert(d.end(), {0x09, 0x01, mainItems[t], 0x02});  // usage 1, data/variable/absolute
    }
    d.push_back(0xC0);  // end collection
    return d;
}

}  // namespace hid
