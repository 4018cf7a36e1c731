#pragma once
// Writes a text document as rich text that RtfReader reads back: fonts, colours, bold, italic,
// underline, strike-out, sizes, super- and subscript, paragraph alignment, indents and spacing.
// Characters outside ASCII are written as \uN with a '?' fallback.

#include <string>

class QTextDocument;

std::string WriteRtf(const QTextDocument &doc, int dpi = 96);
