// Images and bitmaps: decoding file bytes, pixel access, saving as BMP, PNG and JPEG (the
// framework's encoders), and the colour adjustments of image attributes.

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/gdiplus/GdiPlusObjects.h"
#include "platform/os/AtomicFile.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/BitmapCodec.h"
#include "platform/ui/PictureEncoders.h"

using namespace gdiplus_detail;

namespace {

// ---- Decoding ------------------------------------------------------------------------------------

struct Kind {
    const char *QtFormat;
    GUID Raw;
};

// The kind of an image file by its leading bytes; nullptr for anything we do not decode.
const Kind *KindOf(const QByteArray &b)
{
    static const Kind bmp{"bmp", ImageFormatBMP}, png{"png", ImageFormatPNG}, jpeg{"jpeg", ImageFormatJPEG},
        gif{"gif", ImageFormatGIF}, ico{"ico", ImageFormatIcon}, tiff{"tiff", ImageFormatTIFF};
    if (b.startsWith("BM"))
        return &bmp;
    if (b.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)))
        return &png;
    if (b.startsWith(QByteArray("\xFF\xD8", 2)))
        return &jpeg;
    if (b.startsWith("GIF8"))
        return &gif;
    if (b.startsWith(QByteArray("\0\0\1\0", 4)))
        return &ico;
    if (b.startsWith(QByteArray("II*\0", 4)) || b.startsWith(QByteArray("MM\0*", 4)))
        return &tiff;
    return nullptr;
}

// The pixel format GDI+ reports for a decoded picture.
PixelFormat FormatOf(const QImage &img, const Kind &kind, int bmpBits)
{
    if (kind.Raw == ImageFormatBMP) {
        switch (bmpBits) {
        case 1: return PixelFormat1bppIndexed;
        case 4: return PixelFormat4bppIndexed;
        case 8: return PixelFormat8bppIndexed;
        case 16: return PixelFormat16bppRGB555;
        case 24: return PixelFormat24bppRGB;
        default: return img.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat32bppRGB;
        }
    }
    if (kind.Raw == ImageFormatGIF)
        return PixelFormat8bppIndexed;
    switch (img.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return PixelFormat1bppIndexed;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8: return PixelFormat8bppIndexed;
    case QImage::Format_RGB16: return PixelFormat16bppRGB565;
    case QImage::Format_Grayscale16: return PixelFormat16bppGrayScale;
    default: break;
    }
    if (img.hasAlphaChannel())
        return PixelFormat32bppARGB;
    return kind.Raw == ImageFormatIcon ? PixelFormat32bppARGB : PixelFormat24bppRGB;
}

Status ReadAll(IStream *stream, QByteArray &out)
{
    if (!stream)
        return InvalidParameter;
    try {
        const std::int64_t left = stream->Size() - stream->Position();
        out = stream->ReadBytes(std::max<std::int64_t>(0, left));
    }
    catch (const std::exception &) {
        return Win32Error;
    }
    return Ok;
}

Status LoadFile(const WCHAR *filename, GpImage **image)
{
    if (!filename || !image)
        return InvalidParameter;
    QFile f(QString::fromUtf16(filename));
    if (!f.exists())
        return FileNotFound;
    if (!f.open(QIODevice::ReadOnly))
        return AccessDenied;
    Status st = Ok;
    std::unique_ptr<GpImage> img = DecodeImage(f.readAll(), st);
    if (!img)
        return st;
    *image = img.release();
    return Ok;
}

Status LoadStream(IStream *stream, GpImage **image)
{
    if (!image)
        return InvalidParameter;
    QByteArray bytes;
    if (const Status st = ReadAll(stream, bytes); st != Ok)
        return st;
    Status st = Ok;
    std::unique_ptr<GpImage> img = DecodeImage(bytes, st);
    if (!img)
        return st;
    *image = img.release();
    return Ok;
}

// ---- Encoding ------------------------------------------------------------------------------------

int QualityOf(const EncoderParameters *params)
{
    if (!params)
        return 75;
    for (UINT i = 0; i < params->Count; ++i) {
        const EncoderParameter &p = params->Parameter[i];
        if (p.Guid == EncoderQuality && p.NumberOfValues >= 1 && p.Value && p.Type == EncoderParameterValueTypeLong)
            return static_cast<int>(*static_cast<const ULONG *>(p.Value));
    }
    return 75;
}

Status Encode(GpImage *image, const CLSID *clsid, const EncoderParameters *params, QByteArray &out)
{
    if (!image || !clsid || image->Pixels.isNull())
        return InvalidParameter;
    if (*clsid == EncoderClsidBMP) {
        const bool alpha = image->Pixels.hasAlphaChannel();
        out = EncodeBmp(image->Pixels.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32),
                        alpha ? 32 : 24);
        return out.isEmpty() ? GenericError : Ok;
    }
    if (*clsid == EncoderClsidPNG)
        return (out = EncodePng(image->Pixels, 6)).isEmpty() ? GenericError : Ok;
    if (*clsid == EncoderClsidJPEG)
        return (out = EncodeJpeg(image->Pixels, {.Quality = QualityOf(params)})).isEmpty() ? GenericError : Ok;
    return UnknownImageFormat;
}

// ---- Colour adjustments --------------------------------------------------------------------------

int Clamp255(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb ApplyMatrix(QRgb c, const ColorMatrix &m)
{
    const double in[5] = {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0, qAlpha(c) / 255.0, 1.0};
    double out[4] = {};
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 5; ++i)
            out[j] += in[i] * m.m[i][j];
    return qRgba(Clamp255(out[0] * 255), Clamp255(out[1] * 255), Clamp255(out[2] * 255), Clamp255(out[3] * 255));
}

QRgb Adjust(QRgb c, const GpColorAdjust &a)
{
    if (a.ColorKey) {
        const ARGB lo = a.ColorKey->first, hi = a.ColorKey->second;
        bool inside = true;
        for (int shift = 0; shift <= 16; shift += 8) {
            const unsigned v = (c >> shift) & 0xFF;
            inside = inside && v >= ((lo >> shift) & 0xFF) && v <= ((hi >> shift) & 0xFF);
        }
        if (inside)
            return 0;
    }
    for (const ColorMap &m : a.Remap)
        if (c == m.oldColor) {
            c = m.newColor;
            break;
        }
    if (a.Matrix) {
        const bool grey = qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
        if (grey && a.MatrixFlags == ColorMatrixFlagsSkipGrays) {
        }
        else if (grey && a.MatrixFlags == ColorMatrixFlagsAltGray && a.GrayMatrix) {
            c = ApplyMatrix(c, *a.GrayMatrix);
        }
        else {
            c = ApplyMatrix(c, *a.Matrix);
        }
    }
    if (a.Gamma) {
        const double g = *a.Gamma;
        auto gc = [g](int v) { return Clamp255(std::pow(v / 255.0, g) * 255.0); };
        c = qRgba(gc(qRed(c)), gc(qGreen(c)), gc(qBlue(c)), qAlpha(c));
    }
    if (a.Threshold) {
        const int t = Clamp255(*a.Threshold * 255.0);
        auto th = [t](int v) { return v > t ? 255 : 0; };
        c = qRgba(th(qRed(c)), th(qGreen(c)), th(qBlue(c)), qAlpha(c));
    }
    if (a.OutputChannel) {
        // The chosen ink of the colour as CMYK, shown as grey (more ink, darker).
        const double r = qRed(c) / 255.0, g = qGreen(c) / 255.0, b = qBlue(c) / 255.0;
        const double k = 1 - std::max({r, g, b});
        const double d = k < 1 ? 1 - k : 1;
        double ink = k;
        switch (*a.OutputChannel) {
        case ColorChannelFlagsC: ink = (1 - r - k) / d; break;
        case ColorChannelFlagsM: ink = (1 - g - k) / d; break;
        case ColorChannelFlagsY: ink = (1 - b - k) / d; break;
        default: break;
        }
        const int v = Clamp255((1 - ink) * 255);
        c = qRgba(v, v, v, qAlpha(c));
    }
    return c;
}

// The settings that apply to a kind of drawing: its own when any were set, else the default.
const GpColorAdjust *Category(const GpImageAttributes &attr, ColorAdjustType type)
{
    const GpColorAdjust &own = attr.Adjust[std::clamp<int>(type, 0, ColorAdjustTypeCount - 1)];
    const GpColorAdjust &a = own.Any ? own : attr.Adjust[ColorAdjustTypeDefault];
    return a.NoOp ? nullptr : &a;
}

GpColorAdjust *Slot(GpImageAttributes *attr, ColorAdjustType type)
{
    if (!attr || type < ColorAdjustTypeDefault || type >= ColorAdjustTypeCount)
        return nullptr;
    GpColorAdjust *a = &attr->Adjust[type];
    a->Any = true;
    return a;
}

template <class T>
void SetOrClear(std::optional<T> &field, BOOL enable, const T &value)
{
    if (enable)
        field = value;
    else
        field.reset();
}

}  // namespace

namespace gdiplus_detail {

std::unique_ptr<GpImage> DecodeImage(const QByteArray &bytes, Status &status)
{
    if (bytes.isEmpty()) {
        status = InvalidParameter;
        return nullptr;
    }
    const Kind *kind = KindOf(bytes);
    if (!kind) {
        status = UnknownImageFormat;  // metafiles included: they are not drawn here
        return nullptr;
    }
    auto img = std::make_unique<GpImage>();
    img->RawFormat = kind->Raw;
    int bmpBits = 0;
    if (kind->Raw == ImageFormatBMP) {
        std::optional<TBmpDecoded> d = DecodeBmp(bytes);
        if (d) {
            img->Pixels = d->Image;
            bmpBits = d->BitCount;
        }
    }
    else {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, kind->QtFormat);
        img->Pixels = reader.read();
    }
    if (img->Pixels.isNull()) {
        status = GenericError;
        return nullptr;
    }
    img->Format = FormatOf(img->Pixels, *kind, bmpBits);
    status = Ok;
    return img;
}

QImage Premultiplied(const GpImage &image)
{
    return image.Pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void ApplyAttributes(QImage &image, const GpImageAttributes &attributes, ColorAdjustType type)
{
    const GpColorAdjust *a = Category(attributes, type);
    if (!a)
        return;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = Adjust(line[x], *a);
    }
}

}  // namespace gdiplus_detail

// ---- Loading and disposing -----------------------------------------------------------------------

Status GdipLoadImageFromFile(const WCHAR *filename, GpImage **image)
{
    return LoadFile(filename, image);
}

Status GdipLoadImageFromFileICM(const WCHAR *filename, GpImage **image)
{
    return LoadFile(filename, image);
}

Status GdipLoadImageFromStream(IStream *stream, GpImage **image)
{
    return LoadStream(stream, image);
}

Status GdipLoadImageFromStreamICM(IStream *stream, GpImage **image)
{
    return LoadStream(stream, image);
}

Status GdipCreateBitmapFromStream(IStream *stream, GpBitmap **bitmap)
{
    return LoadStream(stream, bitmap);
}

Status GdipCreateBitmapFromStreamICM(IStream *stream, GpBitmap **bitmap)
{
    return LoadStream(stream, bitmap);
}

Status GdipCloneImage(GpImage *image, GpImage **cloneImage)
{
    if (!image || !cloneImage)
        return InvalidParameter;
    *cloneImage = new GpImage(*image);
    (*cloneImage)->Pixels.detach();
    return Ok;
}

Status GdipDisposeImage(GpImage *image)
{
    if (!image)
        return InvalidParameter;
    delete image;
    return Ok;
}

// ---- Properties ----------------------------------------------------------------------------------

Status GdipGetImageWidth(GpImage *image, UINT *width)
{
    if (!image || !width)
        return InvalidParameter;
    *width = static_cast<UINT>(image->Pixels.width());
    return Ok;
}

Status GdipGetImageHeight(GpImage *image, UINT *height)
{
    if (!image || !height)
        return InvalidParameter;
    *height = static_cast<UINT>(image->Pixels.height());
    return Ok;
}

Status GdipGetImagePixelFormat(GpImage *image, PixelFormat *format)
{
    if (!image || !format)
        return InvalidParameter;
    *format = image->Format;
    return Ok;
}

Status GdipGetImageRawFormat(GpImage *image, GUID *format)
{
    if (!image || !format)
        return InvalidParameter;
    *format = image->RawFormat;
    return Ok;
}

Status GdipGetImageThumbnail(GpImage *image, UINT thumbWidth, UINT thumbHeight, GpImage **thumbImage,
                             GetThumbnailImageAbort, void *)
{
    if (!image || !thumbImage || image->Pixels.isNull())
        return InvalidParameter;
    const int w = thumbWidth ? static_cast<int>(thumbWidth) : 120,
              h = thumbHeight ? static_cast<int>(thumbHeight) : 120;
    auto *t = new GpImage;
    t->Pixels = Premultiplied(*image).scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    t->Format = PixelFormat32bppPARGB;
    *thumbImage = t;
    return Ok;
}

Status GdipImageRotateFlip(GpImage *image, RotateFlipType rfType)
{
    if (!image || rfType < RotateNoneFlipNone || rfType > Rotate270FlipX)
        return InvalidParameter;
    QImage &p = image->Pixels;
    const int quarter = rfType & 3;
    if (rfType & 4)
        p = p.mirrored(true, false);
    if (quarter)
        p = p.transformed(QTransform().rotate(90.0 * quarter));
    return Ok;
}

// ---- Saving --------------------------------------------------------------------------------------

Status GdipSaveImageToFile(GpImage *image, const WCHAR *filename, const CLSID *clsidEncoder,
                           const EncoderParameters *encoderParams)
{
    if (!filename)
        return InvalidParameter;
    QByteArray bytes;
    if (const Status st = Encode(image, clsidEncoder, encoderParams, bytes); st != Ok)
        return st;
    // Replaced whole or not at all: a full disk must not leave the old file cut.
    return os::WriteFileAtomic(QString::fromUtf16(filename).toStdString(), bytes.constData(),
                               static_cast<std::size_t>(bytes.size()))
               ? Ok
               : Win32Error;
}

Status GdipSaveImageToStream(GpImage *image, IStream *stream, const CLSID *clsidEncoder,
                             const EncoderParameters *encoderParams)
{
    if (!stream)
        return InvalidParameter;
    QByteArray bytes;
    if (const Status st = Encode(image, clsidEncoder, encoderParams, bytes); st != Ok)
        return st;
    try {
        stream->WriteBytes(bytes);
    }
    catch (const std::exception &) {
        return Win32Error;
    }
    return Ok;
}

Status GdipSaveAddImage(GpImage *image, GpImage *newImage, const EncoderParameters *)
{
    if (!image || !newImage)
        return InvalidParameter;
    return NotImplemented;
}

// ---- Bitmaps -------------------------------------------------------------------------------------

Status GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE *scan0, GpBitmap **bitmap)
{
    if (!bitmap || width <= 0 || height <= 0)
        return InvalidParameter;
    QImage::Format qf;
    int bytesPerPixel = 4;
    switch (format) {
    case PixelFormat32bppARGB: qf = QImage::Format_ARGB32; break;
    case PixelFormat32bppPARGB: qf = QImage::Format_ARGB32_Premultiplied; break;
    case PixelFormat32bppRGB: qf = QImage::Format_RGB32; break;
    case PixelFormat24bppRGB:
        qf = QImage::Format_BGR888;
        bytesPerPixel = 3;
        break;
    default: return scan0 ? NotImplemented : InvalidParameter;
    }
    auto *b = new GpImage;
    b->Format = format;
    if (scan0) {
        if (stride < width * bytesPerPixel || stride % 4 != 0) {
            delete b;
            return InvalidParameter;
        }
        b->Pixels = QImage(scan0, width, height, stride, qf);
    }
    else {
        b->Pixels = QImage(width, height, qf);
        if (b->Pixels.isNull()) {
            delete b;
            return OutOfMemory;
        }
        b->Pixels.fill(0);
        if (qf == QImage::Format_RGB32)
            b->Pixels.fill(QColor(0, 0, 0));
    }
    *bitmap = b;
    return Ok;
}

Status GdipCreateHBITMAPFromBitmap(GpBitmap *bitmap, HBITMAP *hbmReturn, ARGB background)
{
    if (!bitmap || !hbmReturn || bitmap->Pixels.isNull())
        return InvalidParameter;
    // The pixels over the background colour; a background that is not opaque (ARGB 0 for a
    // layered window) leaves the bitmap its alpha channel.
    const bool opaque = (background >> 24) == 0xFF;
    QImage flat(bitmap->Pixels.size(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    flat.fill(ToQColor(background));
    {
        QPainter p(&flat);
        p.drawImage(0, 0, bitmap->Pixels);
    }
    auto *bmp = new TBitmap;
    bmp->SetImage(flat);
    *hbmReturn = bmp;
    return Ok;
}

Status GdipBitmapGetPixel(GpBitmap *bitmap, INT x, INT y, ARGB *color)
{
    if (!bitmap || !color || !bitmap->Pixels.valid(x, y))
        return InvalidParameter;
    *color = bitmap->Pixels.pixelColor(x, y).rgba();
    return Ok;
}

Status GdipBitmapSetPixel(GpBitmap *bitmap, INT x, INT y, ARGB color)
{
    if (!bitmap || !bitmap->Pixels.valid(x, y))
        return InvalidParameter;
    if (bitmap->Pixels.format() == QImage::Format_Indexed8 || bitmap->Pixels.depth() < 8)
        return InvalidParameter;
    bitmap->Pixels.setPixelColor(x, y, ToQColor(color));
    return Ok;
}

// ---- Image attributes ----------------------------------------------------------------------------

Status GdipCreateImageAttributes(GpImageAttributes **imageattr)
{
    if (!imageattr)
        return InvalidParameter;
    *imageattr = new GpImageAttributes;
    return Ok;
}

Status GdipCloneImageAttributes(const GpImageAttributes *imageattr, GpImageAttributes **cloneImageattr)
{
    if (!imageattr || !cloneImageattr)
        return InvalidParameter;
    *cloneImageattr = new GpImageAttributes(*imageattr);
    return Ok;
}

Status GdipDisposeImageAttributes(GpImageAttributes *imageattr)
{
    if (!imageattr)
        return InvalidParameter;
    delete imageattr;
    return Ok;
}

Status GdipSetImageAttributesToIdentity(GpImageAttributes *imageattr, ColorAdjustType type)
{
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    a->Matrix.reset();
    a->GrayMatrix.reset();
    return Ok;
}

Status GdipResetImageAttributes(GpImageAttributes *imageattr, ColorAdjustType type)
{
    if (!Slot(imageattr, type))
        return InvalidParameter;
    imageattr->Adjust[type] = GpColorAdjust{};
    return Ok;
}

Status GdipSetImageAttributesColorMatrix(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                         const ColorMatrix *colorMatrix, const ColorMatrix *grayMatrix,
                                         ColorMatrixFlags flags)
{
    if (enableFlag && !colorMatrix)
        return InvalidParameter;
    if (enableFlag && flags == ColorMatrixFlagsAltGray && !grayMatrix)
        return InvalidParameter;
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    if (enableFlag) {
        a->Matrix = *colorMatrix;
        if (grayMatrix)
            a->GrayMatrix = *grayMatrix;
        a->MatrixFlags = flags;
    }
    else {
        a->Matrix.reset();
        a->GrayMatrix.reset();
    }
    return Ok;
}

Status GdipSetImageAttributesThreshold(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                       REAL threshold)
{
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    SetOrClear(a->Threshold, enableFlag, threshold);
    return Ok;
}

Status GdipSetImageAttributesGamma(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag, REAL gamma)
{
    if (enableFlag && gamma <= 0)
        return InvalidParameter;
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    SetOrClear(a->Gamma, enableFlag, gamma);
    return Ok;
}

Status GdipSetImageAttributesNoOp(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag)
{
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    a->NoOp = enableFlag != 0;
    return Ok;
}

Status GdipSetImageAttributesColorKeys(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                       ARGB colorLow, ARGB colorHigh)
{
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    SetOrClear(a->ColorKey, enableFlag, std::make_pair(colorLow, colorHigh));
    return Ok;
}

Status GdipSetImageAttributesOutputChannel(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                           ColorChannelFlags channelFlags)
{
    if (enableFlag && (channelFlags < ColorChannelFlagsC || channelFlags > ColorChannelFlagsK))
        return InvalidParameter;
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    SetOrClear(a->OutputChannel, enableFlag, channelFlags);
    return Ok;
}

Status GdipSetImageAttributesOutputChannelColorProfile(GpImageAttributes *imageattr, ColorAdjustType type,
                                                       BOOL enableFlag, const WCHAR *)
{
    if (!imageattr || type < ColorAdjustTypeDefault || type >= ColorAdjustTypeCount)
        return InvalidParameter;
    return enableFlag ? NotImplemented : Ok;
}

Status GdipSetImageAttributesRemapTable(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                        UINT mapSize, const ColorMap *map)
{
    if (enableFlag && (!map || mapSize == 0))
        return InvalidParameter;
    GpColorAdjust *a = Slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    if (enableFlag)
        a->Remap.assign(map, map + mapSize);
    else
        a->Remap.clear();
    return Ok;
}

Status GdipSetImageAttributesWrapMode(GpImageAttributes *imageAttr, WrapMode wrap, ARGB argb, BOOL clamp)
{
    if (!imageAttr || wrap < WrapModeTile || wrap > WrapModeClamp)
        return InvalidParameter;
    imageAttr->Wrap = wrap;
    imageAttr->WrapColor = argb;
    imageAttr->WrapClamp = clamp != 0;
    return Ok;
}

Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes *imageAttr, ColorPalette *colorPalette,
                                             ColorAdjustType colorAdjustType)
{
    if (!imageAttr || !colorPalette || colorPalette->Count == 0 || colorAdjustType < ColorAdjustTypeDefault ||
        colorAdjustType >= ColorAdjustTypeCount)
        return InvalidParameter;
    if (const GpColorAdjust *a = Category(*imageAttr, colorAdjustType))
        for (UINT i = 0; i < colorPalette->Count; ++i)
            colorPalette->Entries[i] = Adjust(colorPalette->Entries[i], *a);
    return Ok;
}
