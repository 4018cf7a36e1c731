#include "platform/ui/Bitmap.h"

#include <QtEndian>

#include "platform/ui/BitmapCodec.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"

T_IMPLEMENT_CLASS(TBitmapCanvas) {}

TBitmapCanvas::TBitmapCanvas(TBitmap *bitmap) : bitmap_(bitmap) {}

void TBitmapCanvas::CreateHandle()
{
    if (!bitmap_->Empty())
        AttachSurface(bitmap_->surface_, TPoint(0, 0), std::nullopt);
}

void TBitmapCanvas::SurfaceReplaced()
{
    // The next drawing attaches again with a fresh state, as a new device context would.
    DetachSurface();
}

T_IMPLEMENT_CLASS(TBitmap) {}

TBitmap::TBitmap() : surface_(std::make_shared<TCanvasSurface>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap()
{
    if (width > 0 && height > 0) {
        QImage img(width, height, QImage::Format_RGB32);
        img.fill(Qt::white);
        surface_->Image = img;
    }
}

TBitmap::~TBitmap() = default;

TCanvas *TBitmap::Canvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TBitmapCanvas>(this);
        canvas_->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
    }
    return canvas_.get();
}

TColor TBitmap::CanvasBrushColor() const
{
    return canvas_ ? canvas_->Brush()->Color() : clWhite;
}

TColor TBitmap::CanvasFontColor() const
{
    return canvas_ ? canvas_->Font()->Color() : clWindowText;
}

void TBitmap::Replace(QImage image)
{
    surface_->Image = std::move(image);
    if (canvas_)
        canvas_->SurfaceReplaced();
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    if (width == 0 || height == 0) {
        Replace(QImage());
        Changed();
        return;
    }
    const QImage::Format format = pixelFormat_ == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QImage img(width, height, format);
    img.fill(surface_->Monochrome ? QColor(Qt::white) : QColor::fromRgb(ColorToPixel(CanvasBrushColor())));
    const QImage &old = image();
    for (int y = 0; y < std::min(height, old.height()); ++y)
        std::copy_n(reinterpret_cast<const std::uint32_t *>(old.constScanLine(y)), std::min(width, old.width()),
                    reinterpret_cast<std::uint32_t *>(img.scanLine(y)));
    Replace(std::move(img));
    Changed();
}

void TBitmap::SetMonochrome(bool value)
{
    if (value == surface_->Monochrome) {
        if (value)
            pixelFormat_ = pf1bit;
        return;
    }
    QImage img = image();
    if (!img.isNull()) {
        img = img.convertToFormat(QImage::Format_RGB32);
        const std::uint32_t bk = ColorToPixel(CanvasBrushColor()) & 0xFFFFFFu;
        const std::uint32_t text = ColorToPixel(CanvasFontColor()) & 0xFFFFFFu;
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<std::uint32_t *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const std::uint32_t v = line[x] & 0xFFFFFFu;
                // To monochrome: the background colour becomes white, everything else black.
                // Back to colour: black takes the text colour, white the background colour.
                line[x] = 0xFF000000u | (value ? (v == bk ? 0xFFFFFFu : 0u) : (v == 0 ? text : bk));
            }
        }
    }
    surface_->Monochrome = value;
    pixelFormat_ = value ? pf1bit : pfDevice;
    palette_.clear();
    Replace(std::move(img));
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    if (value == pixelFormat_)
        return;
    if (value == pf1bit) {
        SetMonochrome(true);
        return;
    }
    if (surface_->Monochrome)
        SetMonochrome(false);
    pixelFormat_ = value;
    if (!Empty())
        Replace(image().convertToFormat(value == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32));
    Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat value)
{
    if (value == alphaFormat_)
        return;
    alphaFormat_ = value;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (Empty())
        return clDefault;
    return PixelToColor(image().pixel(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor value)
{
    if (value == transparentColor_ && transparentMode_ == (value == clDefault ? tmAuto : tmFixed))
        return;
    transparentColor_ = value;
    transparentMode_ = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value)
{
    if (value == transparentMode_)
        return;
    if (value == tmAuto)
        transparentColor_ = clDefault;
    else
        transparentColor_ = TransparentColor();
    transparentMode_ = value;
    Changed();
}

void TBitmap::ReleaseHandle()
{
    Replace(QImage());
}

std::uint32_t *TBitmap::ScanLine(int y)
{
    if (y < 0 || y >= Height())
        throw EInvalidGraphicOperation(QStringLiteral("Scan line index out of range"));
    return reinterpret_cast<std::uint32_t *>(surface_->Image.scanLine(y));
}

void TBitmap::SetImage(const QImage &img)
{
    const bool alpha = img.hasAlphaChannel();
    surface_->Monochrome = false;
    pixelFormat_ = alpha ? pf32bit : pfDevice;
    palette_.clear();
    Replace(img.isNull() ? QImage() : img.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32));
    Changed();
}

void TBitmap::Assign(TPersistent *Source)
{
    if (!Source) {
        if (!Empty()) {
            Replace(QImage());
            Changed();
        }
        return;
    }
    if (auto *b = dynamic_cast<TBitmap *>(Source)) {
        if (b == this)
            return;
        surface_->Monochrome = b->surface_->Monochrome;
        pixelFormat_ = b->pixelFormat_;
        alphaFormat_ = b->alphaFormat_;
        transparentMode_ = b->transparentMode_;
        transparentColor_ = b->transparentColor_;
        transparent_ = b->transparent_;
        palette_ = b->palette_;
        Replace(b->image());
        Changed();
        return;
    }
    if (auto *g = dynamic_cast<TGraphic *>(Source)) {
        SetImage(g->ToImage());
        if (image().hasAlphaChannel())
            alphaFormat_ = afDefined;
        return;
    }
    inherited::Assign(Source);
}

void TBitmap::LoadFromBytes(const QByteArray &bytes)
{
    QString error;
    std::optional<TBmpDecoded> d = DecodeBmp(bytes, &error);
    if (!d)
        throw EInvalidGraphic(error);
    surface_->Monochrome = d->Monochrome;
    switch (d->BitCount) {
    case 1: pixelFormat_ = pf1bit; break;
    case 4: pixelFormat_ = pf4bit; break;
    case 8: pixelFormat_ = pf8bit; break;
    case 16: pixelFormat_ = pf16bit; break;
    case 24: pixelFormat_ = pf24bit; break;
    default: pixelFormat_ = pf32bit; break;
    }
    palette_ = std::move(d->Palette);
    Replace(std::move(d->Image));
    Changed();
}

QByteArray TBitmap::SaveToBytes() const
{
    if (Empty())
        return {};
    int bits = 24;
    switch (pixelFormat_) {
    case pf1bit: bits = 1; break;
    case pf4bit: bits = 4; break;
    case pf8bit: bits = 8; break;
    case pf15bit:
    case pf16bit: bits = 16; break;
    case pf32bit: bits = 32; break;
    default: break;
    }
    return EncodeBmp(image(), bits, palette_);
}

void TBitmap::LoadFromStream(TStream *stream)
{
    LoadFromBytes(stream->ReadBytes(stream->Size() - stream->Position()));
}

void TBitmap::SaveToStream(TStream *stream)
{
    stream->WriteBytes(SaveToBytes());
}

void TBitmap::ReadData(TStream *stream)
{
    std::uint32_t size = 0;
    stream->ReadBuffer(&size, 4);
    size = qFromLittleEndian(size);
    if (size == 0) {
        Assign(nullptr);
        return;
    }
    if (size > stream->Size() - stream->Position())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    LoadFromBytes(stream->ReadBytes(size));
}

void TBitmap::WriteData(TStream *stream)
{
    const QByteArray bytes = SaveToBytes();
    const std::uint32_t size = qToLittleEndian(static_cast<std::uint32_t>(bytes.size()));
    stream->WriteBuffer(&size, 4);
    stream->WriteBytes(bytes);
}

void TBitmap::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream &s) { ReadData(&s); }, [this](TStream &s) { WriteData(&s); },
        !Empty());
}

void TBitmap::Draw(TCanvas *canvas, const TRect &r)
{
    if (Empty() || !canvas)
        return;
    const TRect whole(0, 0, Width(), Height());
    if (Transparent()) {
        canvas->DrawImage(r, image(), whole, alphaFormat_ != afIgnored, TransparentColor());
    } else if (alphaFormat_ != afIgnored && image().hasAlphaChannel()) {
        canvas->DrawImage(r, image(), whole, true);
    } else {
        const TColor sourceBk = canvas_ ? canvas_->BkColor() : clWhite;
        canvas->StretchBltImage(r, image(), surface_->Monochrome, sourceBk, whole, canvas->CopyMode());
    }
}

QImage TBitmap::ToImage() const
{
    if (Empty())
        return {};
    QImage img = image().convertToFormat(QImage::Format_ARGB32);
    const bool keepAlpha = alphaFormat_ != afIgnored && image().hasAlphaChannel();
    const std::uint32_t key = ColorToPixel(TransparentColor()) & 0xFFFFFFu;
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<std::uint32_t *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (!keepAlpha)
                line[x] |= 0xFF000000u;
            if (Transparent() && (line[x] & 0xFFFFFFu) == key)
                line[x] &= 0x00FFFFFFu;
        }
    }
    return img;
}
