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

void TiVCLComponent::SaveImageToJPEG(const QString &FileName, int Compression, bool Progressive)
{
    CheckJpegCompression(Compression);
    const std::unique_ptr<TBitmap> bitmap = DrawnBitmap(this, pfDevice);
    TJPEGImage jpeg;
    jpeg.Assign(bitmap.get());
    jpeg.SetCompressionQuality(Compression);
    jpeg.SetPerformance(jpBestQuality);
    jpeg.SetProgressiveEncoding(Progressive);
    jpeg.Compress();
    jpeg.SaveToFile(FileName);
}

void TiVCLComponent::SaveImageToPNG(const QString &FileName, int Compression)
{
    CheckPngCompression(Compression);
    const std::unique_ptr<TBitmap> bitmap = DrawnBitmap(this, pfDevice);
    TPngImage png;
    png.Assign(bitmap.get());
    png.SetCompressionLevel(Compression);
    png.SaveToFile(FileName);
}

QByteArray TiVCLComponent::GetBytesJPEG(int Compression, bool Progressive)
{
    Lock();
    const TiScopeExit unlock([this] { Unlock(); });
    CheckJpegCompression(Compression);
    const std::unique_ptr<TBitmap> bitmap = DrawnBitmap(this, pf24bit);
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(Compression);
    jpeg.SetPerformance(jpBestSpeed);
    jpeg.SetProgressiveEncoding(Progressive);
    jpeg.Assign(bitmap.get());
    jpeg.Compress();
    return jpeg.Bytes();
}

QByteArray TiVCLComponent::GetBytesPNG(int Compression)
{
    Lock();
    const TiScopeExit unlock([this] { Unlock(); });
    CheckPngCompression(Compression);
    const std::unique_ptr<TBitmap> bitmap = DrawnBitmap(this, pf24bit);
    TPngImage png;
    png.SetCompressionLevel(Compression);
    png.Assign(bitmap.get());
    png.Compress();
    return png.Bytes();
}

std::unique_ptr<TJPEGImage> TiVCLComponent::MakeJPEGImage(int Compression, bool Progressive)
{
    CheckJpegCompression(Compression);
    const std::unique_ptr<TBitmap> bitmap = DrawnBitmap(this, pfDevice);
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->SetCompressionQuality(Compression);
    jpeg->SetPerformance(jpBestQuality);
    jpeg->SetProgressiveEncoding(Progressive);
    jpeg->Assign(bitmap.get());
    jpeg->Compress();
    return jpeg;
}
