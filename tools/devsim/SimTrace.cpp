#include "devsim/SimTrace.h"

#include "devsim/CommandNames.h"
#include "device/LCmd.h"

namespace devsim {

std::string HexBytes(std::span<const std::uint8_t> bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!out.empty())
            out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

std::string FrameLine(bool received, const std::string &link, std::span<const std::uint8_t> frame)
{
    std::string line = received ? "<- [" : "-> [";
    line += link + "] " + HexBytes(frame);
    // Program blocks come back under the code of the preset select.
    if (frame.size() > 5)
        line += "  " + (!received && frame[5] == CMD_SELECT_PRESET ? std::string("PROGRAM_BLOCK") : CommandName(frame[5]));
    return line;
}

}  // namespace devsim
