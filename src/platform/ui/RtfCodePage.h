#pragma once
// Code pages of rich text: the 8-bit bytes of a document (\'hh and raw bytes) are text in the
// document's code page (\ansicpg) or in the code page of the font's character set (\fcharset).

#include <QString>

#include <string_view>

// Windows code page of an RTF/GDI character set number; 0 when the set names none (symbol, OEM).
int CharsetCodePage(int charset);

// Decodes bytes of a Windows code page; bytes that do not decode become U+FFFD. An unknown code
// page is read as code page 1252.
QString DecodeRtfBytes(std::string_view bytes, int codePage);
