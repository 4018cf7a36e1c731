// Image export of every library control: metafile, JPEG and PNG files, JPEG and PNG bytes, and
// the JPEG image of the clipboard copy. Each draws the control afresh through DrawToCanvas.

#include "plotlib/base/iVCLComponent.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/PictureEncoded.h"
#include "plotlib/base/iScopeExit.h"

namespace {

void CheckJpegCompression(int Compression)
{
    if (Compression < 1 || Compression > 100)
        throw Exception(QStringLiteral("Compression must be in the range of 1-100"));
}

void CheckPngCompression(int Compression)
{
    if (Compression < 0 || Compression > 9)
        throw Exception(QStringLiteral("Compression must be in the range of 0-9"));
}

// A bitmap of the control's size with the control drawn on it, its canvas held locked meanwhile.
std::unique_ptr<TBitmap> DrawnBitmap(TiVCLComponent *Control, TPixelFormat Format)
{
    auto bitmap = std::make_unique<TBitmap>();
    TCanvas *canvas = bitmap->Canvas();
    canvas->Lock();
    const TiScopeExit unlock([canvas] { canvas->Unlock(); });
    bitmap->SetPixelFormat(Format);
    bitmap->SetSize(Control->Width(), Control->Height());
    Control->DrawToCanvas(canvas);
    return bitmap;
}

}  // namespace

void TiVCLComponent::SaveImageToMetaFile(const QString &FileName)
{
    TMetafile metafile;
    metafile.SetWidth(Width());
    metafile.SetHeight(Height());
    {
        TMetafileCanvas canvas(&metafile, QStringLiteral("Quorin"), QString());
        DrawToCanvas(&canvas);
    }
    metafile.SaveToFile(FileName);
}

namespace {

// A JPEG image of the bitmap compressed with these settings.
std::unique_ptr<TJPEGImage> CompressedJpeg(TBitmap *Bitmap, int Compression, TJPEGPerformance Performance,
                                           bool Progressive)
{
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->SetCompressionQuality(Compression);
    jpeg->SetPerformance(Performance);
    jpeg->SetProgressiveEncoding(Progressive);
    jpeg->Assign(Bitmap);
    jpeg->Compress();
    return jpeg;
}

// A PNG image of the bitmap deflated at this level.
std::unique_ptr<TPngImage> CompressedPng(TBitmap *Bitmap, int Compression)
{
    auto png = std::make_unique<TPngImage>();
    png->SetCompressionLevel(Compression);
    png->Assign(Bitmap);
    png->Compress();
    return png;
}

}  // namespace

void TiVCLComponent::SaveImageToJPEG(const QString &FileName, int Compression, bool Progressive)
{
    CheckJpegCompression(Compression);
    CompressedJpeg(DrawnBitmap(this, pfDevice).get(), Compression, jpBestQuality, Progressive)->SaveToFile(FileName);
}

void TiVCLComponent::SaveImageToPNG(const QString &FileName, int Compression)
{
    CheckPngCompression(Compression);
    CompressedPng(DrawnBitmap(this, pfDevice).get(), Compression)->SaveToFile(FileName);
}

QByteArray TiVCLComponent::GetBytesJPEG(int Compression, bool Progressive)
{
    Lock();
    const TiScopeExit unlock([this] { Unlock(); });
    CheckJpegCompression(Compression);
    return CompressedJpeg(DrawnBitmap(this, pf24bit).get(), Compression, jpBestSpeed, Progressive)->Bytes();
}

QByteArray TiVCLComponent::GetBytesPNG(int Compression)
{
    Lock();
    const TiScopeExit unlock([this] { Unlock(); });
    CheckPngCompression(Compression);
    return CompressedPng(DrawnBitmap(this, pf24bit).get(), Compression)->Bytes();
}

std::unique_ptr<TJPEGImage> TiVCLComponent::MakeJPEGImage(int Compression, bool Progressive)
{
    CheckJpegCompression(Compression);
    return CompressedJpeg(DrawnBitmap(this, pfDevice).get(), Compression, jpBestQuality, Progressive);
}
