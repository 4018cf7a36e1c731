// Received bytes into frames, as a transport's worker assembles them: the first byte picks the
// mode (framed or blocks of 64, or a value that ignores the bytes), the rest arrive one by one.
// Every frame handed on is decoded as the receive dispatch does.

#include "device/FrameAssembler.h"
#include "device/LCmd.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0] % 3;
    FrameAssembler assembler;
    std::size_t frames = 0;
    for (std::size_t i = 1; i < size; ++i)
        assembler.Add(data[i], mode, [&](const BSTM &frame) {
            ++frames;
            if (frame.size() > FrameAssembler::MaxFrameSize)
                std::abort();  // nothing may grow past the largest frame
            const LCmd command(frame, 1);
            if (command.IsValid() && command.GetPayload().size() + 9 != frame.size())
                std::abort();  // a valid frame's payload is its length byte's
        });
    if (assembler.Partial().size() > FrameAssembler::MaxFrameSize)
        std::abort();
    return 0;
}
