// Pictures on the clipboard: which formats each kind of graphic offers, and what is refused.

#include "platform/runtime/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/Picture.h"
#include "platform/ui/PictureEncoded.h"

#include <gtest/gtest.h>

namespace {

struct OnAMemoryClipboard : ::testing::Test {
    TMemoryClipboardBackend clipboard;
    OnAMemoryClipboard() { SetClipboardBackend(&clipboard); }
    ~OnAMemoryClipboard() override { SetClipboardBackend(nullptr); }

    static QImage Solid(int w, int h, QRgb colour)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
};

TEST_F(OnAMemoryClipboard, AMetafileGoesAsEnhancedMetafileBytesAndThePngOfTheSamePicture)
{
    TBitmap source(6, 4);
    source.SetImage(Solid(6, 4, qRgb(0, 0, 255)));
    TMetafile metafile;
    metafile.Assign(&source);
    Clipboard()->Assign(&metafile);
    EXPECT_EQ(clipboard.Calls, QStringList({"put image/x-emf image/png"}));
    EXPECT_EQ(clipboard.Get(QStringLiteral("image/x-emf")), metafile.Bytes());
    const QImage png = QImage::fromData(clipboard.Get(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(png.size(), QSize(6, 4));
    EXPECT_EQ(png.pixel(3, 2), qRgb(0, 0, 255));
}

TEST_F(OnAMemoryClipboard, EachKindOfGraphicOffersItsOwnFormat)
{
    TBitmap bitmap(5, 3);
    bitmap.SetImage(Solid(5, 3, qRgb(10, 200, 30)));
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    TPngImage png;
    png.Assign(&bitmap);
    TPicture picture;
    picture.SetGraphic(&jpeg);

    Clipboard()->Assign(&bitmap);
    EXPECT_EQ(clipboard.Image, bitmap.Image());
    Clipboard()->Assign(&jpeg);
    EXPECT_EQ(clipboard.Get(QStringLiteral("image/jpeg")), jpeg.Bytes());
    EXPECT_FALSE(clipboard.Has(QStringLiteral("image/png")));
    Clipboard()->Assign(&png);
    EXPECT_EQ(clipboard.Get(QStringLiteral("image/png")), png.Bytes());
    Clipboard()->Assign(&picture);
    EXPECT_EQ(clipboard.Calls, QStringList({"image 5x3", "put image/jpeg", "put image/png", "put image/jpeg"}));
}

TEST_F(OnAMemoryClipboard, NothingAnEmptyPictureOrAnotherObjectIsRefusedAndChangesNothing)
{
    Clipboard()->SetAsText(QStringLiteral("kept"));
    TPicture empty;
    TMetafile unrecorded;
    for (TPersistent *source : std::initializer_list<TPersistent *>{nullptr, &empty, &unrecorded})
        EXPECT_THROW(Clipboard()->Assign(source), EConvertError);
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("kept"));
    EXPECT_EQ(clipboard.Calls.size(), 1);
}

}  // namespace
