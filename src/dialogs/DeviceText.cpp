#include "dialogs/DeviceText.h"

namespace {

// Bytes taken by the character that starts at `at`.
std::size_t CharacterWidth(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x81 || lead > 0xFE || at + 1 >= text.size())
        return 1;
    const auto trail = static_cast<unsigned char>(text[at + 1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

}  // namespace

std::string CutToBytes(std::string_view text, std::size_t limit)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = CharacterWidth(text, end);
        if (end + width > limit)
            break;
        end += width;
    }
    return std::string(text.substr(0, end));
}

std::string FitToBytes(std::string_view text, std::size_t size, char pad)
{
    std::string fitted = CutToBytes(text, size);
    fitted.resize(size, pad);
    return fitted;
}
