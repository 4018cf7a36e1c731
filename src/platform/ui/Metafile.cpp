#include "platform/ui/Metafile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Streams.h"

T_IMPLEMENT_CLASS(TMetafile) {}
T_IMPLEMENT_CLASS(TMetafileCanvas) {}

namespace {

// ---- The file's layout ---------------------------------------------------------------------------

constexpr std::uint32_t EmrHeader = 1;
constexpr std::uint32_t EmrEof = 14;
constexpr std::uint32_t EmrStretchDIBits = 81;
constexpr std::uint32_t EmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t EmfVersion = 0x10000;
constexpr std::uint32_t SrcCopy = 0x00CC0020;
// ENHMETAHEADER with both extensions (pixel format and micrometres).
constexpr std::uint32_t HeaderSize = 108;
// EMR_STRETCHDIBITS before its BITMAPINFOHEADER.
constexpr std::uint32_t StretchFixedSize = 80;
constexpr std::uint32_t BitmapInfoSize = 40;
constexpr std::uint32_t EofSize = 20;
// The reference device: a 96 dpi screen of 1920 x 1080 pixels.
constexpr int RefWidthPixels = 1920;
constexpr int RefHeightPixels = 1080;
constexpr int RefWidthMm = 508;
constexpr int RefHeightMm = 286;

// Pixels at 96 dpi in units of 0.01 mm.
int HundredthsOfMm(int pixels)
{
    return static_cast<int>(std::lround(pixels * 2540.0 / 96.0));
}

class Writer {
public:
    explicit Writer(QByteArray &out) : out_(out) {}
    void U32(std::uint32_t v)
    {
        const std::uint32_t le = qToLittleEndian(v);
        out_.append(reinterpret_cast<const char *>(&le), 4);
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void U16(std::uint16_t v)
    {
        const std::uint16_t le = qToLittleEndian(v);
        out_.append(reinterpret_cast<const char *>(&le), 2);
    }
    void Rect(int l, int t, int r, int b)
    {
        I32(l);
        I32(t);
        I32(r);
        I32(b);
    }

private:
    QByteArray &out_;
};

std::uint32_t Padded4(std::uint32_t n)
{
    return (n + 3) & ~3u;
}

// Little-endian reads with bounds checks: every read of a damaged file is refused, not overrun.
class Reader {
public:
    explicit Reader(const QByteArray &data) : data_(data) {}
    bool Has(qsizetype offset, qsizetype size) const
    {
        return offset >= 0 && size >= 0 && offset <= data_.size() && size <= data_.size() - offset;
    }
    std::uint32_t U32(qsizetype offset) const
    {
        Need(offset, 4);
        return qFromLittleEndian<std::uint32_t>(data_.constData() + offset);
    }
    std::int32_t I32(qsizetype offset) const { return static_cast<std::int32_t>(U32(offset)); }
    std::uint16_t U16(qsizetype offset) const
    {
        Need(offset, 2);
        return qFromLittleEndian<std::uint16_t>(data_.constData() + offset);
    }
    const uchar *At(qsizetype offset, qsizetype size) const
    {
        Need(offset, size);
        return reinterpret_cast<const uchar *>(data_.constData() + offset);
    }
    void Need(qsizetype offset, qsizetype size) const
    {
        if (!Has(offset, size))
            Fail();
    }
    [[noreturn]] static void Fail() { throw EInvalidGraphic(QStringLiteral("Metafile is not valid")); }

private:
    const QByteArray &data_;
};

// The picture of a DIB (BITMAPINFOHEADER and bits) of 24 or 32 bits per pixel.
QImage DecodeDib(const Reader &in, std::uint32_t infoOffset, std::uint32_t bitsOffset, std::uint32_t bitsSize)
{
    const std::int32_t width = in.I32(infoOffset + 4);
    const std::int32_t rawHeight = in.I32(infoOffset + 8);
    const int bitCount = in.U16(infoOffset + 14);
    const std::uint32_t compression = in.U32(infoOffset + 16);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || (bitCount != 24 && bitCount != 32) ||
        compression != 0 || width > 65535 || std::abs(rawHeight) > 65535)
        Reader::Fail();
    const int height = std::abs(rawHeight);
    const qsizetype stride = ((static_cast<qsizetype>(width) * bitCount + 31) / 32) * 4;
    if (static_cast<qsizetype>(bitsSize) < stride * height)
        Reader::Fail();
    const uchar *bits = in.At(bitsOffset, stride * height);
    QImage image(width, height, QImage::Format_RGB32);
    const int bytesPerPixel = bitCount / 8;
    for (int y = 0; y < height; ++y) {
        const uchar *src = bits + stride * (rawHeight > 0 ? height - 1 - y : y);
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x, src += bytesPerPixel)
            dst[x] = qRgb(src[2], src[1], src[0]);
    }
    return image;
}

}  // namespace

QByteArray EncodeEmf(const QImage &picture, int width, int height, const QString &createdBy, const QString &description)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int pw = img.width();
    const int ph = img.height();
    const std::uint32_t stride = static_cast<std::uint32_t>((pw * 3 + 3) & ~3);
    const std::uint32_t bitsSize = stride * static_cast<std::uint32_t>(ph);

    const QString text = createdBy + QChar(0) + description + QChar(0) + QChar(0);
    const std::uint32_t descriptionChars = static_cast<std::uint32_t>(text.size());
    const std::uint32_t headerRecord = Padded4(HeaderSize + descriptionChars * 2);
    const std::uint32_t stretchRecord = StretchFixedSize + BitmapInfoSize + bitsSize;
    const std::uint32_t total = headerRecord + stretchRecord + EofSize;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(total));
    Writer w(out);
    // EMR_HEADER
    w.U32(EmrHeader);
    w.U32(headerRecord);
    w.Rect(0, 0, width - 1, height - 1);
    w.Rect(0, 0, HundredthsOfMm(width) - 1, HundredthsOfMm(height) - 1);
    w.U32(EmfSignature);
    w.U32(EmfVersion);
    w.U32(total);
    w.U32(3);  // records
    w.U16(1);  // handles: the reserved handle 0 only
    w.U16(0);
    w.U32(descriptionChars);
    w.U32(HeaderSize);
    w.U32(0);  // palette entries
    w.I32(RefWidthPixels);
    w.I32(RefHeightPixels);
    w.I32(RefWidthMm);
    w.I32(RefHeightMm);
    w.U32(0);  // pixel format descriptor: none
    w.U32(0);
    w.U32(0);  // not OpenGL
    w.I32(RefWidthMm * 1000);
    w.I32(RefHeightMm * 1000);
    for (QChar c : text)
        w.U16(c.unicode());
    out.append(QByteArray(static_cast<qsizetype>(headerRecord - HeaderSize - descriptionChars * 2), '\0'));
    // EMR_STRETCHDIBITS
    w.U32(EmrStretchDIBits);
    w.U32(stretchRecord);
    w.Rect(0, 0, width - 1, height - 1);
    w.I32(0);  // destination x, y
    w.I32(0);
    w.I32(0);  // source x, y, width, height
    w.I32(0);
    w.I32(pw);
    w.I32(ph);
    w.U32(StretchFixedSize);
    w.U32(BitmapInfoSize);
    w.U32(StretchFixedSize + BitmapInfoSize);
    w.U32(bitsSize);
    w.U32(0);  // DIB_RGB_COLORS
    w.U32(SrcCopy);
    w.I32(width);
    w.I32(height);
    // BITMAPINFOHEADER
    w.U32(BitmapInfoSize);
    w.I32(pw);
    w.I32(ph);  // bottom-up
    w.U16(1);
    w.U16(24);
    w.U32(0);  // BI_RGB
    w.U32(bitsSize);
    w.I32(3780);  // 96 dpi in pixels per metre
    w.I32(3780);
    w.U32(0);
    w.U32(0);
    const qsizetype bitsStart = out.size();
    out.resize(bitsStart + static_cast<qsizetype>(bitsSize));
    auto *bits = reinterpret_cast<uchar *>(out.data() + bitsStart);
    for (int y = 0; y < ph; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(ph - 1 - y));
        uchar *row = bits + static_cast<std::size_t>(stride) * static_cast<std::size_t>(y);
        for (int x = 0; x < pw; ++x) {
            row[x * 3] = static_cast<uchar>(qBlue(line[x]));
            row[x * 3 + 1] = static_cast<uchar>(qGreen(line[x]));
            row[x * 3 + 2] = static_cast<uchar>(qRed(line[x]));
        }
        std::fill(row + pw * 3, row + stride, uchar(0));
    }
    // EMR_EOF
    w.U32(EmrEof);
    w.U32(EofSize);
    w.U32(0);   // palette entries
    w.U32(16);  // offset of the palette
    w.U32(EofSize);
    return out;
}

// ---- TMetafile ---------------------------------------------------------------------------------

TMetafile::TMetafile() = default;

TMetafile::~TMetafile() = default;

void TMetafile::SetWidth(int value)
{
    value = std::max(value, 0);
    if (value == width_)
        return;
    width_ = value;
    Changed();
}

void TMetafile::SetHeight(int value)
{
    value = std::max(value, 0);
    if (value == height_)
        return;
    height_ = value;
    Changed();
}

void TMetafile::Clear()
{
    picture_ = QImage();
    createdBy_.clear();
    description_.clear();
    width_ = height_ = 0;
    Changed();
}

void TMetafile::Recorded(const QImage &picture, const QString &createdBy, const QString &description)
{
    picture_ = picture;
    createdBy_ = createdBy;
    description_ = description;
    Changed();
}

QByteArray TMetafile::Bytes() const
{
    return EncodeEmf(picture_.isNull() ? QImage(std::max(width_, 1), std::max(height_, 1), QImage::Format_RGB32)
                                       : picture_,
                     std::max(width_, 1), std::max(height_, 1), createdBy_, description_);
}

void TMetafile::SaveToStream(TStream *stream)
{
    stream->WriteBytes(Bytes());
}

void TMetafile::LoadFromStream(TStream *stream)
{
    const QByteArray data = stream->ReadBytes(stream->Size() - stream->Position());
    const Reader in(data);
    if (in.U32(0) != EmrHeader || in.U32(40) != EmfSignature)
        Reader::Fail();
    const std::uint32_t headerRecord = in.U32(4);
    const std::int64_t width = std::int64_t(in.I32(16)) - in.I32(8) + 1;
    const std::int64_t height = std::int64_t(in.I32(20)) - in.I32(12) + 1;
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        Reader::Fail();
    QString createdBy, description;
    const std::uint32_t chars = in.U32(60);
    const std::uint32_t textOffset = in.U32(64);
    if (chars > 0) {
        in.Need(textOffset, static_cast<qsizetype>(chars) * 2);
        QString text;
        for (std::uint32_t i = 0; i < chars; ++i)
            text += QChar(in.U16(textOffset + i * 2));
        const QStringList parts = text.split(QChar(0));
        createdBy = parts.value(0);
        description = parts.value(1);
    }
    // Walk the records to the picture.
    QImage picture;
    qsizetype at = headerRecord;
    while (picture.isNull()) {
        const std::uint32_t type = in.U32(at);
        const std::uint32_t size = in.U32(at + 4);
        if (size < 8 || size % 4 != 0 || !in.Has(at, size))
            Reader::Fail();
        if (type == EmrEof)
            break;
        if (type == EmrStretchDIBits) {
            if (size < StretchFixedSize)
                Reader::Fail();
            const std::uint32_t infoOffset = in.U32(at + 48);
            const std::uint32_t bitsOffset = in.U32(at + 56);
            const std::uint32_t bitsSize = in.U32(at + 60);
            if (!in.Has(infoOffset, BitmapInfoSize) || infoOffset + BitmapInfoSize > size ||
                !in.Has(bitsOffset, bitsSize) || bitsOffset > size || bitsSize > size - bitsOffset)
                Reader::Fail();
            picture = DecodeDib(in, static_cast<std::uint32_t>(at) + infoOffset,
                                static_cast<std::uint32_t>(at) + bitsOffset, bitsSize);
        }
        at += size;
    }
    if (picture.isNull())
        Reader::Fail();
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    Recorded(picture, createdBy, description);
}

void TMetafile::Assign(TPersistent *Source)
{
    if (!Source) {
        Clear();
        return;
    }
    if (auto *m = dynamic_cast<TMetafile *>(Source)) {
        width_ = m->width_;
        height_ = m->height_;
        Recorded(m->picture_, m->createdBy_, m->description_);
        return;
    }
    if (auto *g = dynamic_cast<TGraphic *>(Source)) {
        width_ = g->Width();
        height_ = g->Height();
        Recorded(g->ToImage().convertToFormat(QImage::Format_RGB32), QString(), QString());
        return;
    }
    inherited::Assign(Source);
}

void TMetafile::Draw(TCanvas *canvas, const TRect &r)
{
    if (!canvas || picture_.isNull())
        return;
    canvas->DrawImage(r, picture_, TRect(0, 0, picture_.width(), picture_.height()));
}

QImage TMetafile::ToImage() const
{
    if (picture_.isNull() || (picture_.width() == width_ && picture_.height() == height_))
        return picture_;
    if (width_ <= 0 || height_ <= 0)
        return QImage();
    return picture_.scaled(width_, height_);
}

// ---- TMetafileCanvas ---------------------------------------------------------------------------

TMetafileCanvas::TMetafileCanvas(TMetafile *metafile, const QString &createdBy, const QString &description)
    : metafile_(metafile), createdBy_(createdBy), description_(description),
      surface_(std::make_shared<TCanvasSurface>())
{
    surface_->Image = QImage(std::max(metafile->Width(), 1), std::max(metafile->Height(), 1), QImage::Format_RGB32);
    surface_->Image.fill(Qt::white);
}

TMetafileCanvas::~TMetafileCanvas()
{
    metafile_->Recorded(surface_->Image, createdBy_, description_);
}

void TMetafileCanvas::CreateHandle()
{
    AttachSurface(surface_, TPoint(0, 0), std::nullopt);
}

void PlayEnhMetaFile(HDC dc, TMetafile *metafile, const TRect &rect)
{
    if (dc && metafile)
        metafile->Draw(dc, rect);
}
