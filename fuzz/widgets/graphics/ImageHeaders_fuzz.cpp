// Picture bytes as the picture classes read them: the size from the header by every extension
// the graphics control set knows, and the framework's own bitmap decoder.

#include "platform/ui/BitmapCodec.h"
#include "widgets/graphics/AdvGDIPPicture.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const char *extension : {".JPG", ".JPEG", ".PNG", ".BMP", ".TIFF", ".GIF", ".ICO"})
        (void)ReadImageHeaderSize(bytes, QString::fromLatin1(extension));
    if (const std::optional<TBmpDecoded> bmp = DecodeBmp(bytes)) {
        if (bmp->Image.isNull())
            std::abort();
        // What the decoder took, the encoder writes and the decoder takes again.
        if (bmp->Image.width() * bmp->Image.height() <= 4096 && !DecodeBmp(EncodeBmp(bmp->Image, 24)))
            std::abort();
    }
    return 0;
}
