// A form definition as the form reader takes it: parsed (bad text must be refused with its file
// and line, never crash or hang), printed back and parsed again, and, for a definition of a plain
// form, read into the controls of the window framework and the two control sets.

#include "FuzzApp.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FormData.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/Forms.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString file = QStringLiteral("fuzz.dfm");
    TFormObject tree;
    try {
        tree = ParseFormText(text, file);
    } catch (const EReadError &) {
        return 0;
    }
    try {
        ParseFormText(PrintFormText(tree), file);
    } catch (const EReadError &) {
        std::abort();  // what the reader took, printed, reads again
    }
    if (tree.ClassName.compare(QLatin1String("TForm"), Qt::CaseInsensitive) != 0)
        return 0;
    TForm form(nullptr);
    try {
        ReadComponentFromText(&form, text, file);
    } catch (const Exception &) {
        if (form.ComponentCount() != 0)
            std::abort();  // a failed read leaves nothing half-built
    }
    return 0;
}
