// Received bytes decoded as a command, framed and unframed, and a decoded frame built again: the
// envelope parser and the command decoder must agree and never read past the bytes.

#include "device/DeviceFrame.h"
#include "device/LCmd.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const BSTM bytes(data, data + size);
    for (std::uint8_t framed : {0, 1, 2}) {
        const LCmd command(bytes, framed);
        const BSTM again = command.ToBytes(framed);
        if (framed == 0 && command.GetPayload() != bytes)
            std::abort();
        (void)again;
    }
    if (const std::optional<DeviceFrame> frame = ParseDeviceFrame(bytes)) {
        const BSTM rebuilt = BuildDeviceFrame(frame->Source, frame->Destination, frame->Command, frame->Payload);
        // Only the checksum may differ: it is not checked on receipt.
        if (rebuilt.size() != bytes.size() || !std::equal(rebuilt.begin(), rebuilt.end() - 1, bytes.begin()))
            std::abort();
    }
    return 0;
}
