// A stored rich-text document read into a text document, as the rich edit and the help pages
// show it; whatever the reader does not understand it must skip.

#include "FuzzApp.h"

#include "platform/ui/RtfReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    QTextDocument document;
    ReadRtf(bytes, document);
    (void)IsRtf(bytes);
    (void)document.toPlainText();
    return 0;
}
