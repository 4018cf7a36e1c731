// Marked-up text as the splash screen and the hint windows lay it out: measured, drawn and
// hit-tested on a small board. Tags without their end, unknown attributes and entities must
// never lead the renderer outside the text.

#include "FuzzApp.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/GraphicsFont.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/HtmlTextRenderer.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TBitmap board(160, 80);
    TGPGraphics graphics(board.Canvas()->Handle());
    TFont font;
    font.SetName(QStringLiteral("Tahoma"));
    font.SetSize(8);
    const TRect rect(0, 0, 160, 80);
    for (int pass = 0; pass < 3; ++pass) {
        QString anchor, plain, focus;
        int width = 0, height = 0, anchors = 0, mouseAnchor = -1;
        TRect hover;
        RenderHTML(&graphics, &font, text, rect, nullptr, 20, 10, 0, 1, 2, pass == 2, pass == 0, false, false,
                   pass == 1, false, pass != 1, 1.0, clBlue, clYellow, clRed, clGray, anchor, plain, focus, width,
                   height, anchors, mouseAnchor, hover, nullptr, nullptr, 2);
    }
    return 0;
}
