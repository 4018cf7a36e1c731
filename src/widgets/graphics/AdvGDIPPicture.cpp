#include "widgets/graphics/AdvGDIPPicture.h"

#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include "platform/ui/Canvas.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Picture.h"

T_IMPLEMENT_CLASS(TAdvGDIPPicture) {}

namespace {

const bool registered =
    (RegisterGraphicClass("TAdvGDIPPicture",
                          []() -> std::unique_ptr<TGraphic> { return std::make_unique<TAdvGDIPPicture>(); }),
     true);

// ---- Header readers ------------------------------------------------------------------------------
// Each reads only inside the file: a value past its end, a segment shorter than its own length
// field, or a directory outside the file ends the reading with 0 x 0.

class HeaderBytes {
public:
    explicit HeaderBytes(const QByteArray &b) : b_(b) {}
    bool Has(qsizetype at, qsizetype count) const { return at >= 0 && count >= 0 && at + count <= b_.size(); }
    std::uint8_t U8(qsizetype at) const { return static_cast<std::uint8_t>(b_[at]); }
    std::uint32_t BE16(qsizetype at) const { return (U8(at) << 8) | U8(at + 1); }
    std::uint32_t LE16(qsizetype at) const { return U8(at) | (U8(at + 1) << 8); }
    std::uint32_t LE32(qsizetype at) const { return LE16(at) | (LE16(at + 2) << 16); }
    std::uint32_t BE32(qsizetype at) const { return (BE16(at) << 16) | BE16(at + 2); }
    qsizetype Size() const { return b_.size(); }

private:
    const QByteArray &b_;
};

TImageHeaderSize Sized(std::uint32_t w, std::uint32_t h)
{
    return {static_cast<std::uint16_t>(w & 0xFFFF), static_cast<std::uint16_t>(h & 0xFFFF)};
}

TImageHeaderSize JpegSize(const HeaderBytes &f)
{
    if (!f.Has(0, 2) || f.U8(0) != 0xFF || f.U8(1) != 0xD8)
        return {};
    qsizetype pos = 2;
    if (!f.Has(pos, 1))
        return {};
    std::uint8_t b = f.U8(pos++);
    while (b == 0xFF && f.Has(pos, 1)) {
        const std::uint8_t marker = f.U8(pos++);
        if (marker == 0xFF)
            continue;  // fill byte
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            // Start of frame: length and sample precision, then height and width.
            if (!f.Has(pos + 3, 4))
                return {};
            return Sized(f.BE16(pos + 5), f.BE16(pos + 3));
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // a marker without a segment
        if (!f.Has(pos, 2))
            return {};
        const std::uint32_t length = f.BE16(pos);
        if (length < 2)
            return {};  // a segment can never be shorter than its length field
        pos += length;
        if (!f.Has(pos, 1))
            return {};
        b = f.U8(pos++);
    }
    return {};
}

TImageHeaderSize PngSize(const HeaderBytes &f)
{
    static const std::uint8_t signature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    if (!f.Has(0, 24))
        return {};
    for (int i = 0; i < 8; ++i)
        if (f.U8(i) != signature[i])
            return {};
    return Sized(f.BE16(18), f.BE16(22));
}

TImageHeaderSize BmpSize(const HeaderBytes &f)
{
    if (!f.Has(0, 26) || f.U8(0) != 'B' || f.U8(1) != 'M')
        return {};
    // File size, reserved, data offset, header size, then width and height.
    return Sized(f.LE32(18), f.LE32(22));
}

TImageHeaderSize TiffSize(const HeaderBytes &f)
{
    if (!f.Has(0, 8))
        return {};
    // The byte order the header names ("II" little-endian, "MM" big-endian).
    const bool big = f.U8(0) == 'M' && f.U8(1) == 'M';
    auto u16 = [&](qsizetype at) { return big ? f.BE16(at) : f.LE16(at); };
    auto u32 = [&](qsizetype at) { return big ? f.BE32(at) : f.LE32(at); };
    const std::uint32_t dir = u32(4);
    if (!f.Has(dir, 2))
        return {};
    const std::uint32_t count = u16(dir);
    if (!f.Has(dir + 2, static_cast<qsizetype>(count) * 12))
        return {};
    std::uint32_t w = 0, h = 0;
    bool haveW = false, haveH = false;
    for (std::uint32_t i = 0; i < count && !(haveW && haveH); ++i) {
        const qsizetype e = dir + 2 + static_cast<qsizetype>(i) * 12;
        const std::uint32_t tag = u16(e), type = u16(e + 2);
        // A SHORT value sits in the first two bytes of the value field, a LONG in all four.
        const std::uint32_t raw = type == 3 ? u16(e + 8) : u32(e + 8);
        const std::uint32_t value = static_cast<std::uint32_t>(std::abs(static_cast<std::int32_t>(raw)));
        if (tag == 256) {
            w = value;
            haveW = true;
        }
        else if (tag == 257) {
            h = value;
            haveH = true;
        }
    }
    return Sized(w, h);
}

TImageHeaderSize GifSize(const HeaderBytes &f)
{
    if (!f.Has(0, 13) || f.U8(0) != 'G' || f.U8(1) != 'I' || f.U8(2) != 'F')
        return {};
    qsizetype pos = 13;
    const std::uint8_t flags = f.U8(10);
    if (flags & 0x80)
        pos += 3 * (qsizetype(1) << ((flags & 7) + 1));
    while (f.Has(pos, 1) && f.U8(pos) != 0x2C)
        ++pos;
    if (!f.Has(pos + 1, 8))
        return {};
    return Sized(f.LE16(pos + 5), f.LE16(pos + 7));
}

}  // namespace

TImageHeaderSize ReadImageHeaderSize(const QByteArray &file, const QString &extension)
{
    const HeaderBytes f(file);
    // Readers by the upper-case file extension.
    const struct {
        const char *ext;
        TImageHeaderSize (*read)(const HeaderBytes &);
    } readers[] = {
        {".JPG", &JpegSize}, {".JPEG", &JpegSize}, {".PNG", &PngSize},
        {".BMP", &BmpSize},  {".TIFF", &TiffSize}, {".GIF", &GifSize},
    };
    for (const auto &r : readers)
        if (extension == QLatin1String(r.ext))
            return r.read(f);
    return {};
}

TAdvGDIPPicture::TAdvGDIPPicture()
{
    SetTransparent(false);
}

void TAdvGDIPPicture::ReadData(TStream *stream)
{
    if (stream->Size() - stream->Position() < 1)
        return;
    TGDIPPictureBase::ReadData(stream);
    GetImageSizes();
}

bool TAdvGDIPPicture::AssignOtherGraphic(TGraphic *graphic)
{
    TMemoryStream s;
    graphic->SaveToStream(&s);
    SetBytes(s.Bytes());
    return true;
}

void TAdvGDIPPicture::DrawBitmapFile(TCanvas *canvas, const TRect &r, TGraphic *bitmap)
{
    canvas->Draw(r.Left, r.Top, bitmap);
}

bool TAdvGDIPPicture::Inspect(TGPBitmap &image, ARGB &key)
{
    FHasAlpha = image.HasAlphaChannel();
    FHasPalette = image.HasPalette();
    FPixelDepth = static_cast<int>(image.GetPixelDepth());
    FPixelFormat = image.GetPixelFormat();
    FWidth = static_cast<int>(image.GetWidth());
    FHeight = static_cast<int>(image.GetHeight());
    if (image.GetFormat() != ifBMP || !Transparent())
        return false;
    if (FBitmapTransparentMode == tmFixed)
        key = ARGBFromColor(FBitmapTransparentColor);
    else
        image.GetPixel(0, FHeight - 1, key);
    return true;
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics *graphics, const TRect &r)
{
    TOpened opened = OpenImage();
    if (!graphics || !opened.Ready())
        return;
    ARGB key = 0;
    if (Inspect(*opened.Image, key)) {
        TGPImageAttributes attributes;
        attributes.SetColorKey(key, key);
        graphics->DrawImage(opened.Image.get(),
                            MakeRect(static_cast<REAL>(r.Left), static_cast<REAL>(r.Top), static_cast<REAL>(FWidth),
                                     static_cast<REAL>(FHeight)),
                            0, 0, static_cast<REAL>(FWidth), static_cast<REAL>(FHeight), UnitPixel, &attributes);
        return;
    }
    graphics->DrawImage(opened.Image.get(), static_cast<REAL>(r.Left), static_cast<REAL>(r.Top),
                        static_cast<REAL>(r.Right - r.Left), static_cast<REAL>(r.Bottom - r.Top));
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics *graphics, const TGPRectF &r)
{
    if (FDrawing)
        return;
    FDrawing = true;
    struct Reset {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{FDrawing};
    TOpened opened = OpenImage();
    if (!graphics || !opened.Ready())
        return;
    ARGB key = 0;
    if (Inspect(*opened.Image, key)) {
        TGPImageAttributes attributes;
        attributes.SetColorKey(key, key);
        graphics->DrawImage(opened.Image.get(), r, 0, 0, static_cast<REAL>(FWidth), static_cast<REAL>(FHeight),
                            UnitPixel, &attributes);
        return;
    }
    graphics->DrawImageRect(opened.Image.get(), r);
}

void TAdvGDIPPicture::FillRect(TGPGraphics *graphics, const TGPRectF &r)
{
    Tile(graphics, [&](TGPBrush *brush) { graphics->FillRectangle(brush, r); });
}

void TAdvGDIPPicture::FillPath(TGPGraphics *graphics, TGPGraphicsPath *path)
{
    Tile(graphics, [&](TGPBrush *brush) { graphics->FillPath(brush, path); });
}

void TAdvGDIPPicture::Tile(TGPGraphics *graphics, const std::function<void(TGPBrush *)> &fill)
{
    TOpened opened = OpenImage();
    if (!graphics || !opened.Ready())
        return;
    TGPTextureBrush brush(opened.Image.get(), WrapModeTile);
    fill(&brush);
}

void TAdvGDIPPicture::GetImageSizesFromFileName(const QString &fileName)
{
    if (Empty() || Bytes().isEmpty())
        return;
    const QString ext = QStringLiteral(".") + QFileInfo(fileName).suffix().toUpper();
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ext == QLatin1String(".BMP"))
            throw EFOpenError(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
        FWidth = FHeight = 0;
        return;
    }
    // The headers lie at the start, but a GIF's first image or a TIFF's directory may be anywhere.
    const TImageHeaderSize size = ReadImageHeaderSize(f.readAll(), ext);
    FWidth = size.Width;
    FHeight = size.Height;
}
