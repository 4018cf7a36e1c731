#include "platform/ui/PictureEncoded.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/DecodeCache.h"
#include "platform/ui/PictureEncoders.h"

T_IMPLEMENT_CLASS(TEncodedGraphic) {}
T_IMPLEMENT_CLASS(TPngImage) {}
T_IMPLEMENT_CLASS(TJPEGImage) {}
T_IMPLEMENT_CLASS(TIcon) {}

namespace {

TDecodeCache<QImage> &Decoded()
{
    static TDecodeCache<QImage> cache(16 << 20);
    return cache;
}

}  // namespace

void TEncodedGraphic::LoadFromBytes(const QByteArray &bytes)
{
    std::optional<QImage> known = Decoded().Find(QByteArray(format_), bytes);
    if (!known) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, format_);
        QImage img = reader.read();
        if (img.isNull())
            throw EInvalidGraphic(QStringLiteral("%1 image is not valid").arg(QString::fromLatin1(format_)));
        known = img.convertToFormat(QImage::Format_ARGB32);
        Decoded().Add(QByteArray(format_), bytes, *known, known->sizeInBytes());
    }
    data_ = bytes;
    image_ = *known;
    Changed();
}

void TEncodedGraphic::LoadFromStream(TStream *stream)
{
    LoadFromBytes(stream->ReadBytes(stream->Size() - stream->Position()));
}

void TEncodedGraphic::SaveToStream(TStream *stream)
{
    stream->WriteBytes(Bytes());
}

const QByteArray &TEncodedGraphic::Bytes() const
{
    if (data_.isEmpty() && !image_.isNull())
        data_ = Encode(image_);
    return data_;
}

void TEncodedGraphic::Compress()
{
    if (image_.isNull())
        throw EInvalidGraphic(QStringLiteral("An empty %1 image cannot be encoded").arg(QString::fromLatin1(format_)));
    QByteArray bytes = Encode(image_);
    if (bytes.isEmpty())
        throw EInvalidGraphic(QStringLiteral("%1 image could not be encoded").arg(QString::fromLatin1(format_)));
    data_ = bytes;
}

QByteArray TEncodedGraphic::Encode(const QImage &image) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format_);
    return bytes;
}

void TPngImage::SetCompressionLevel(int value)
{
    FCompressionLevel = std::clamp(value, 0, 9);
}

QByteArray TPngImage::Encode(const QImage &image) const
{
    return EncodePng(image, FCompressionLevel);
}

void TJPEGImage::SetCompressionQuality(int value)
{
    FCompressionQuality = std::clamp(value, 1, 100);
}

QByteArray TJPEGImage::Encode(const QImage &image) const
{
    return EncodeJpeg(
        image,
        {.Quality = FCompressionQuality, .Progressive = FProgressiveEncoding, .FastDct = FPerformance == jpBestSpeed});
}

void TEncodedGraphic::Assign(TPersistent *Source)
{
    if (!Source) {
        data_.clear();
        image_ = QImage();
        Changed();
        return;
    }
    if (auto *same = dynamic_cast<TEncodedGraphic *>(Source); same && same->format_ == format_) {
        data_ = same->data_;
        image_ = same->image_;
        Changed();
        return;
    }
    if (auto *g = dynamic_cast<TGraphic *>(Source)) {
        // An opaque bitmap's pixels are its picture as they are: share them instead of copying.
        auto *bitmap = dynamic_cast<TBitmap *>(g);
        const bool opaqueBitmap = bitmap && !bitmap->Transparent() && !bitmap->Monochrome() &&
                                  bitmap->Image().format() == QImage::Format_RGB32;
        image_ = opaqueBitmap ? bitmap->Image() : g->ToImage();
        data_.clear();
        Changed();
        return;
    }
    inherited::Assign(Source);
}

void TEncodedGraphic::Draw(TCanvas *canvas, const TRect &r)
{
    if (Empty() || !canvas)
        return;
    canvas->DrawImage(r, image_, TRect(0, 0, Width(), Height()), alpha_);
}

void TJPEGImage::ReadData(TStream *stream)
{
    std::uint32_t size = 0;
    stream->ReadBuffer(&size, 4);
    size = qFromLittleEndian(size);
    if (size > stream->Size() - stream->Position())
        throw EInvalidGraphic(QStringLiteral("JPEG image is not valid"));
    LoadFromBytes(stream->ReadBytes(size));
}

void TJPEGImage::WriteData(TStream *stream)
{
    const std::uint32_t size = qToLittleEndian(static_cast<std::uint32_t>(Bytes().size()));
    stream->WriteBuffer(&size, 4);
    stream->WriteBytes(Bytes());
}
