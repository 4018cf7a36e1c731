#pragma once
// Reader for the rich text (RTF) our stored documents use: fonts, colours, bold, italic, underline,
// strike-out, sizes, super- and subscript, paragraph alignment, indents, spacing, tabs, line
// breaks, \'hh bytes in the document's or the font's code page and \uN characters. Destinations
// that carry no visible text (pictures, style sheets, document info, field instructions ...) are
// skipped; a table row is read as lines of tab-separated cells. Whatever the reader does not
// understand it skips; it never fails.

#include <string_view>

class QTextDocument;

// True when the bytes begin like a rich-text document ("{\rtf", blanks before it allowed).
bool IsRtf(std::string_view bytes);

// Replaces the document's content with the rich text. Sizes are laid out for dpi pixels per inch.
void ReadRtf(std::string_view rtf, QTextDocument &doc, int dpi = 96);
