#pragma once
// 8-bit text of the device and of the files, in the system code page (GBK, code page 936), and
// its conversion to and from Unicode. ASCII is the same in both.
//
// Conversion rule for what does not map: a byte sequence that is not valid GBK becomes U+FFFD per
// offending byte when decoding; a character GBK cannot represent becomes '?' when encoding. Neither
// direction ever fails or stops early. A lead byte (0x81-0xFE) with a trail byte (0x40-0xFE but
// 0x7F) that the table leaves undefined gives two U+FFFD, so the trail byte never starts the next
// character; a lead byte without a trail byte gives one, and the next byte is read afresh.
// Single bytes: 0x00-0x7F are ASCII, 0x80 is the euro sign U+20AC, 0xFF is no character.
// Malformed UTF-8 and unpaired UTF-16 surrogates count as characters GBK lacks.

#include <string>
#include <string_view>

namespace os {

std::u16string AnsiToUnicode(std::string_view ansi);
std::string UnicodeToAnsi(std::u16string_view text);
// The same with UTF-8 on the Unicode side.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
// Between the two Unicode forms (malformed input becomes U+FFFD, as above).
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace os
