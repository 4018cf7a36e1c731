#pragma once
// Texts as the wrapper layer hands them to the flat interface (internal to the layer's sources).

#include <QString>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdiplus/GdiPlusEnums.h"

namespace advgdip_detail {

// A fresh zero-terminated copy, one character longer than the text.
inline std::u16string Chars(const QString &text)
{
    std::u16string s(static_cast<std::size_t>(text.size()) + 1, u'\0');
    std::memcpy(s.data(), text.utf16(), static_cast<std::size_t>(text.size()) * sizeof(char16_t));
    return s;
}

// A caller's length cut to the text: GDI+ reads as many characters as it is told (-1: up to the
// terminating zero).
inline INT FitLength(INT length, const QString &text)
{
    return length < 0 ? -1 : std::min(length, static_cast<INT>(text.size()));
}

}  // namespace advgdip_detail
