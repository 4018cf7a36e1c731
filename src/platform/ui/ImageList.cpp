#include "platform/ui/ImageList.h"

#include <QtEndian>

#include <cstring>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"

T_IMPLEMENT_CLASS(TCustomImageList)
{
    b.Int("AllocBy", &TCustomImageList::AllocBy, &TCustomImageList::AllocBy).Default(4);
    b.Color("BlendColor", &TCustomImageList::BlendColor, &TCustomImageList::BlendColor)
        .Default(clNone)
        .Idents(ColorIdents());
    b.Color("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor).Default(clNone).Idents(ColorIdents());
    b.Enum("DrawingStyle", &TCustomImageList::DrawingStyle, &TCustomImageList::DrawingStyle, DrawingStyleNames)
        .Default(dsNormal);
    b.Int("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).Default(16);
    b.Enum("ImageType", &TCustomImageList::ImageType, &TCustomImageList::ImageType, ImageTypeNames).Default(itImage);
    b.Bool("Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked).Default(true);
    b.Bool("ShareImages", &TCustomImageList::ShareImages, &TCustomImageList::ShareImages).Default(false);
    b.Int("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).Default(16);
    b.Event("OnChange", &TCustomImageList::OnChange);
}

T_IMPLEMENT_CLASS(TImageList) {}

TCustomImageList::TCustomImageList(TComponent *AOwner) : TComponent(AOwner) {}

void TCustomImageList::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomImageList::SetWidth(int value)
{
    if (value <= 0 || value == width_)
        return;
    width_ = value;
    images_.clear();
    Change();
}

void TCustomImageList::SetHeight(int value)
{
    if (value <= 0 || value == height_)
        return;
    height_ = value;
    images_.clear();
    Change();
}

void TCustomImageList::SetMasked(bool value)
{
    if (value == masked_)
        return;
    masked_ = value;
    Change();
}

void TCustomImageList::SetBkColor(TColor value)
{
    if (value == bkColor_)
        return;
    bkColor_ = value;
    Change();
}

int TCustomImageList::AddPieces(const QImage &source, const std::vector<bool> &transparent)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    const int pieces = std::max(1, src.width() / width_);
    const int first = Count();
    for (int i = 0; i < pieces; ++i) {
        QImage img(width_, height_, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        for (int y = 0; y < std::min(height_, src.height()); ++y) {
            const auto *s = reinterpret_cast<const QRgb *>(src.constScanLine(y));
            auto *d = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < width_; ++x) {
                const int sx = i * width_ + x;
                if (sx >= src.width())
                    break;
                const bool clear = masked_ && transparent[static_cast<std::size_t>(y) * src.width() + sx];
                d[x] = clear ? 0u : (s[sx] | 0xFF000000u);
            }
        }
        images_.push_back(img);
    }
    Change();
    return first;
}

int TCustomImageList::Add(TBitmap *image, TBitmap *mask)
{
    if (!image || image->Empty())
        return -1;
    const QImage &src = image->Image();
    std::vector<bool> transparent(static_cast<std::size_t>(src.width()) * src.height(), false);
    if (mask && !mask->Empty()) {
        const QImage &m = mask->Image();
        for (int y = 0; y < std::min(src.height(), m.height()); ++y)
            for (int x = 0; x < std::min(src.width(), m.width()); ++x)
                transparent[static_cast<std::size_t>(y) * src.width() + x] = (m.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
    }
    return AddPieces(src, transparent);
}

int TCustomImageList::AddMasked(TBitmap *image, TColor maskColor)
{
    if (!image || image->Empty())
        return -1;
    const QImage &src = image->Image();
    const std::uint32_t key = maskColor == clDefault ? (src.pixel(0, src.height() - 1) & 0xFFFFFFu)
                                                     : (ColorToPixel(maskColor) & 0xFFFFFFu);
    std::vector<bool> transparent(static_cast<std::size_t>(src.width()) * src.height(), false);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            transparent[static_cast<std::size_t>(y) * src.width() + x] = (src.pixel(x, y) & 0xFFFFFFu) == key;
    return AddPieces(src, transparent);
}

void TCustomImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    images_.erase(images_.begin() + index);
    Change();
}

void TCustomImageList::Clear()
{
    if (images_.empty())
        return;
    images_.clear();
    Change();
}

QImage TCustomImageList::ImageAt(int index) const
{
    return index >= 0 && index < Count() ? images_[static_cast<std::size_t>(index)] : QImage();
}

void TCustomImageList::Draw(TCanvas *canvas, int x, int y, int index, bool enabled)
{
    if (!canvas || index < 0 || index >= Count())
        return;
    const QImage &img = images_[static_cast<std::size_t>(index)];
    const TRect whole(0, 0, width_, height_);
    if (enabled) {
        if (bkColor_ != clNone) {
            canvas->SaveDC();
            canvas->Brush()->SetColor(bkColor_);
            canvas->FillRect(Bounds(x, y, width_, height_));
            canvas->RestoreDC(-1);
        }
        canvas->DrawImage(Bounds(x, y, width_, height_), img, whole, true);
        return;
    }
    // Disabled: every visible pixel that is not white becomes ink, drawn once in the highlight
    // colour one pixel down and right, then in the shadow colour in place.
    auto ink = [&](TColor color) {
        QImage out(width_, height_, QImage::Format_ARGB32);
        out.fill(Qt::transparent);
        const QRgb c = ColorToPixel(color);
        for (int py = 0; py < height_; ++py)
            for (int px = 0; px < width_; ++px) {
                const QRgb v = img.pixel(px, py);
                if (qAlpha(v) >= 128 && (v & 0xFFFFFFu) != 0xFFFFFFu)
                    out.setPixel(px, py, c);
            }
        return out;
    };
    canvas->DrawImage(Bounds(x + 1, y + 1, width_, height_), ink(clBtnHighlight), whole, true);
    canvas->DrawImage(Bounds(x, y, width_, height_), ink(clBtnShadow), whole, true);
}

void TCustomImageList::GetBitmap(int index, TBitmap *image)
{
    if (!image || index < 0 || index >= Count())
        return;
    QImage out(width_, height_, QImage::Format_RGB32);
    out.fill(QColor::fromRgb(ColorToPixel(bkColor_ == clNone ? clWhite : bkColor_)));
    image->SetImage(out);
    Draw(image->Canvas(), 0, 0, index, true);
}

void TCustomImageList::Assign(TPersistent *Source)
{
    if (auto *l = dynamic_cast<TCustomImageList *>(Source)) {
        width_ = l->width_;
        height_ = l->height_;
        masked_ = l->masked_;
        bkColor_ = l->bkColor_;
        images_ = l->images_;
        Change();
        return;
    }
    inherited::Assign(Source);
}

namespace {

constexpr char kMagic[4] = {'T', 'I', 'L', '1'};

std::uint32_t ReadU32(TStream *s)
{
    std::uint32_t v = 0;
    s->ReadBuffer(&v, 4);
    return qFromLittleEndian(v);
}

void WriteU32(TStream *s, std::uint32_t v)
{
    v = qToLittleEndian(v);
    s->WriteBuffer(&v, 4);
}

}  // namespace

void TCustomImageList::ReadData(TStream *stream)
{
    char magic[4];
    stream->ReadBuffer(magic, 4);
    if (std::memcmp(magic, kMagic, 4) != 0)
        throw EReadError(QStringLiteral("Image list data is not valid"));
    const std::uint32_t count = ReadU32(stream), w = ReadU32(stream), h = ReadU32(stream);
    if (w == 0 || h == 0 || w > 4096 || h > 4096 ||
        static_cast<std::int64_t>(count) * w * h * 4 > stream->Size() - stream->Position())
        throw EReadError(QStringLiteral("Image list data is not valid"));
    std::vector<QImage> images;
    for (std::uint32_t i = 0; i < count; ++i) {
        QImage img(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<std::uint32_t *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                line[x] = ReadU32(stream);
        }
        images.push_back(img);
    }
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
    images_ = std::move(images);
    Change();
}

void TCustomImageList::WriteData(TStream *stream)
{
    stream->WriteBuffer(kMagic, 4);
    WriteU32(stream, static_cast<std::uint32_t>(images_.size()));
    WriteU32(stream, static_cast<std::uint32_t>(width_));
    WriteU32(stream, static_cast<std::uint32_t>(height_));
    for (const QImage &img : images_)
        for (int y = 0; y < img.height(); ++y) {
            const auto *line = reinterpret_cast<const std::uint32_t *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                WriteU32(stream, line[x]);
        }
}

void TCustomImageList::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        QStringLiteral("Bitmap"), [this](TStream &s) { ReadData(&s); }, [this](TStream &s) { WriteData(&s); },
        Count() > 0);
}
