#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/AdvGDIPChars.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <string>

using namespace advgdip_detail;

namespace {

// ---- Process-wide state of the layer -------------------------------------------------------------

ULONG_PTR startupToken = 0;
GdiplusStartupInput startupInput;
GdiplusStartupOutput startupOutput;
ULONG hookToken = 0;
int initCount = 0;

// The notification hook is only needed below major version 6 of the original platform; this
// platform behaves like version 6 and later.
bool IsNT6OrLater()
{
    return true;
}

// Unit start and end for the whole program.
struct UnitLifetime {
    UnitLifetime() { TAdvGDIPInitialization(); }
    ~UnitLifetime() { TAdvGDIPFinalization(); }
};
const UnitLifetime unitLifetime;

}  // namespace

void TAdvGDIPInitialization()
{
    if (initCount++ != 0)
        return;
    startupInput = GdiplusStartupInput{};
    startupInput.GdiplusVersion = 1;
    startupInput.DebugEventCallback = nullptr;
    startupInput.SuppressBackgroundThread = -1;  // all bits set
    startupInput.SuppressExternalCodecs = 0;
    startupOutput = GdiplusStartupOutput{};
    GdiplusStartup(&startupToken, &startupInput, &startupOutput);
    if (!IsNT6OrLater() && startupOutput.NotificationHook)
        startupOutput.NotificationHook(&hookToken);
}

void TAdvGDIPFinalization()
{
    if (initCount == 0 || --initCount != 0)
        return;
    if (!IsNT6OrLater() && startupOutput.NotificationUnhook)
        startupOutput.NotificationUnhook(hookToken);
    GdiplusShutdown(startupToken);
    startupToken = 0;
}

// ---- Colours -------------------------------------------------------------------------------------

ARGB ARGBFromColor(TColor color)
{
    return ARGBFromAlphaColor(0xFF, color);
}

ARGB ARGBFromAlphaColor(BYTE alpha, TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return ComposeARGB(alpha, static_cast<BYTE>(GetRValue(rgb)), static_cast<BYTE>(GetGValue(rgb)),
                       static_cast<BYTE>(GetBValue(rgb)));
}

ARGB ComposeARGB(BYTE alpha, BYTE red, BYTE green, BYTE blue)
{
    return (ARGB(alpha) << 24) | (ARGB(red) << 16) | (ARGB(green) << 8) | ARGB(blue);
}

ARGB ComposeOpaqueARGB(BYTE red, BYTE green, BYTE blue)
{
    return ComposeARGB(255, red, green, blue);
}

BYTE ARGBRed(ARGB color)
{
    return static_cast<BYTE>(color >> 16);
}
BYTE ARGBGreen(ARGB color)
{
    return static_cast<BYTE>(color >> 8);
}
BYTE ARGBBlue(ARGB color)
{
    return static_cast<BYTE>(color);
}

// ---- Base ----------------------------------------------------------------------------------------

void *TGdiplusBase::operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    void *p = GdipAlloc(size);
    if (!p) {
        // GDI+ is not running (yet, or any more): start it and try once more.
        GdiplusStartup(&startupToken, &startupInput, &startupOutput);
        p = GdipAlloc(size);
    }
    if (p)
        std::memset(p, 0, size);
    return p;
}

void *TGdiplusBase::operator new(std::size_t size)
{
    void *p = operator new(size, std::nothrow);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void TGdiplusBase::operator delete(void *ptr)
{
    GdipFree(ptr);
}

void TGdiplusBase::operator delete(void *ptr, const std::nothrow_t &) noexcept
{
    GdipFree(ptr);
}

#define RECORD_STATUS(Class, Field)                                                                                    \
    Status Class::RecordStatus(Status status)                                                                          \
    {                                                                                                                  \
        if (status != Ok)                                                                                              \
            Field = status;                                                                                            \
        return status;                                                                                                 \
    }

RECORD_STATUS(TGPMatrix, lastResult)
RECORD_STATUS(TGPImage, lastResult)
RECORD_STATUS(TGPImageAttributes, lastResult)
RECORD_STATUS(TGPGraphicsPath, lastResult)
RECORD_STATUS(TGPRegion, lastResult)
RECORD_STATUS(TGPBrush, lastResult)
RECORD_STATUS(TGPPen, lastResult)
RECORD_STATUS(TGPFontFamily, lastResult)
RECORD_STATUS(TGPFont, lastResult)
RECORD_STATUS(TGPStringFormat, lastError)
RECORD_STATUS(TGPGraphics, lastResult)

#define LAST_STATUS(Class, Field)                                                                                      \
    Status Class::GetLastStatus()                                                                                      \
    {                                                                                                                  \
        const Status s = Field;                                                                                        \
        Field = Ok;                                                                                                    \
        return s;                                                                                                      \
    }

LAST_STATUS(TGPMatrix, lastResult)
LAST_STATUS(TGPImage, lastResult)
LAST_STATUS(TGPImageAttributes, lastResult)
LAST_STATUS(TGPGraphicsPath, lastResult)
LAST_STATUS(TGPBrush, lastResult)
LAST_STATUS(TGPPen, lastResult)
LAST_STATUS(TGPFontFamily, lastResult)
LAST_STATUS(TGPFont, lastResult)
LAST_STATUS(TGPStringFormat, lastError)
LAST_STATUS(TGPGraphics, lastResult)

// ---- Matrix --------------------------------------------------------------------------------------

TGPMatrix::TGPMatrix()
{
    GpMatrix *m = nullptr;
    lastResult = GdipCreateMatrix(&m);
    StoreHandle(m);
}

TGPMatrix::TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    GpMatrix *m = nullptr;
    lastResult = GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &m);
    StoreHandle(m);
}

TGPMatrix::TGPMatrix(const TGPRectF &rect, const TGPPointF *dstplg)
{
    GpMatrix *m = nullptr;
    lastResult = GdipCreateMatrix3(&rect, dstplg, &m);
    StoreHandle(m);
}

TGPMatrix::TGPMatrix(const TGPRect &rect, const TGPPoint *dstplg)
{
    GpMatrix *m = nullptr;
    lastResult = GdipCreateMatrix3I(&rect, dstplg, &m);
    StoreHandle(m);
}

TGPMatrix::TGPMatrix(GpMatrix *nativeMatrix)
{
    StoreHandle(nativeMatrix);
}

TGPMatrix::~TGPMatrix()
{
    GdipDeleteMatrix(nativeMatrix);
}

TGPMatrix *TGPMatrix::Clone()
{
    GpMatrix *m = nullptr;
    RecordStatus(GdipCloneMatrix(nativeMatrix, &m));
    if (lastResult != Ok) {
        GdipDeleteMatrix(m);
        return nullptr;
    }
    return new TGPMatrix(m);
}

Status TGPMatrix::GetElements(REAL m[6])
{
    return RecordStatus(GdipGetMatrixElements(nativeMatrix, m));
}

Status TGPMatrix::SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    return RecordStatus(GdipSetMatrixElements(nativeMatrix, m11, m12, m21, m22, dx, dy));
}

REAL TGPMatrix::OffsetX()
{
    REAL e[6];
    return GetElements(e) == Ok ? e[4] : 0.0f;
}

REAL TGPMatrix::OffsetY()
{
    REAL e[6];
    return GetElements(e) == Ok ? e[5] : 0.0f;
}

Status TGPMatrix::Reset()
{
    return SetElements(1, 0, 0, 1, 0, 0);
}

Status TGPMatrix::Multiply(TGPMatrix *matrix, MatrixOrder order)
{
    return RecordStatus(GdipMultiplyMatrix(nativeMatrix, matrix ? matrix->nativeMatrix : nullptr, order));
}

Status TGPMatrix::Translate(REAL offsetX, REAL offsetY, MatrixOrder order)
{
    return RecordStatus(GdipTranslateMatrix(nativeMatrix, offsetX, offsetY, order));
}

Status TGPMatrix::Scale(REAL scaleX, REAL scaleY, MatrixOrder order)
{
    return RecordStatus(GdipScaleMatrix(nativeMatrix, scaleX, scaleY, order));
}

Status TGPMatrix::Rotate(REAL angle, MatrixOrder order)
{
    return RecordStatus(GdipRotateMatrix(nativeMatrix, angle, order));
}

Status TGPMatrix::RotateAt(REAL angle, const TGPPointF &center, MatrixOrder order)
{
    const REAL sign = order == MatrixOrderPrepend ? 1.0f : -1.0f;
    Translate(sign * center.X, sign * center.Y, order);
    Rotate(angle, order);
    return Translate(-sign * center.X, -sign * center.Y, order);
}

Status TGPMatrix::Shear(REAL shearX, REAL shearY, MatrixOrder order)
{
    return RecordStatus(GdipShearMatrix(nativeMatrix, shearX, shearY, order));
}

Status TGPMatrix::Invert()
{
    return RecordStatus(GdipInvertMatrix(nativeMatrix));
}

Status TGPMatrix::TransformPoints(TGPPointF *pts, INT count)
{
    return RecordStatus(GdipTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformPoints(TGPPoint *pts, INT count)
{
    return RecordStatus(GdipTransformMatrixPointsI(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPointF *pts, INT count)
{
    return RecordStatus(GdipVectorTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPoint *pts, INT count)
{
    return RecordStatus(GdipVectorTransformMatrixPointsI(nativeMatrix, pts, count));
}

BOOL TGPMatrix::IsInvertible()
{
    BOOL result = 0;
    RecordStatus(GdipIsMatrixInvertible(nativeMatrix, &result));
    return result;
}

BOOL TGPMatrix::IsIdentity()
{
    BOOL result = 0;
    RecordStatus(GdipIsMatrixIdentity(nativeMatrix, &result));
    return result;
}

// ---- Images --------------------------------------------------------------------------------------

TGPImage::TGPImage(const QString &filename, bool useEmbeddedColorManagement)
{
    const std::u16string name = Chars(filename);
    GpImage *img = nullptr;
    lastResult = useEmbeddedColorManagement ? GdipLoadImageFromFileICM(name.c_str(), &img)
                                            : GdipLoadImageFromFile(name.c_str(), &img);
    StoreHandle(img);
}

TGPImage::TGPImage(IStream *stream, bool useEmbeddedColorManagement)
{
    GpImage *img = nullptr;
    lastResult =
        useEmbeddedColorManagement ? GdipLoadImageFromStreamICM(stream, &img) : GdipLoadImageFromStream(stream, &img);
    StoreHandle(img);
}

TGPImage::TGPImage(GpImage *nativeImage, Status status)
{
    StoreHandle(nativeImage);
    lastResult = status;
}

TGPImage::~TGPImage()
{
    GdipDisposeImage(nativeImage);
}

UINT TGPImage::GetWidth()
{
    UINT w = 0;
    RecordStatus(GdipGetImageWidth(nativeImage, &w));
    return w;
}

UINT TGPImage::GetHeight()
{
    UINT h = 0;
    RecordStatus(GdipGetImageHeight(nativeImage, &h));
    return h;
}

PixelFormat TGPImage::GetPixelFormat()
{
    PixelFormat f = 0;
    RecordStatus(GdipGetImagePixelFormat(nativeImage, &f));
    return f;
}

UINT TGPImage::GetPixelDepth()
{
    return (static_cast<UINT>(GetPixelFormat()) >> 8) & 0xFF;
}

bool TGPImage::HasAlphaChannel()
{
    return (GetPixelFormat() & PixelFormatAlpha) != 0;
}

bool TGPImage::HasPalette()
{
    return (GetPixelFormat() & PixelFormatIndexed) != 0;
}

TGPImageFormat TGPImage::GetFormat()
{
    GUID raw{};
    if (RecordStatus(GdipGetImageRawFormat(nativeImage, &raw)) != Ok)
        return ifUndefined;
    const struct {
        const GUID &id;
        TGPImageFormat format;
    } table[] = {
        {ImageFormatMemoryBMP, ifMemoryBMP},
        {ImageFormatBMP, ifBMP},
        {ImageFormatEMF, ifEMF},
        {ImageFormatWMF, ifWMF},
        {ImageFormatJPEG, ifJPEG},
        {ImageFormatPNG, ifPNG},
        {ImageFormatGIF, ifGIF},
        {ImageFormatTIFF, ifTIFF},
        {ImageFormatEXIF, ifEXIF},
        {ImageFormatIcon, ifIcon},
    };
    for (const auto &row : table)
        if (row.id == raw)
            return row.format;
    return ifUndefined;
}

TGPImage *TGPImage::GetThumbnailImage(UINT thumbWidth, UINT thumbHeight, GetThumbnailImageAbort callback,
                                      void *callbackData)
{
    GpImage *thumb = nullptr;
    const Status st =
        RecordStatus(GdipGetImageThumbnail(nativeImage, thumbWidth, thumbHeight, &thumb, callback, callbackData));
    auto *wrapper = new (std::nothrow) TGPImage(thumb, st);
    if (!wrapper)
        GdipDisposeImage(thumb);
    return wrapper;
}

Status TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return RecordStatus(GdipImageRotateFlip(nativeImage, rotateFlipType));
}

Status TGPImage::Save(const QString &filename, const CLSID &clsidEncoder, const EncoderParameters *params)
{
    const std::u16string name = Chars(filename);
    return RecordStatus(GdipSaveImageToFile(nativeImage, name.c_str(), &clsidEncoder, params));
}

Status TGPImage::Save(IStream *stream, const CLSID &clsidEncoder, const EncoderParameters *params)
{
    return RecordStatus(GdipSaveImageToStream(nativeImage, stream, &clsidEncoder, params));
}

Status TGPImage::SaveAdd(TGPImage *newImage, const EncoderParameters *params)
{
    if (!newImage)
        return RecordStatus(InvalidParameter);
    return RecordStatus(GdipSaveAddImage(nativeImage, newImage->nativeImage, params));
}

TGPBitmap::TGPBitmap(IStream *stream, bool useEmbeddedColorManagement)
{
    GpBitmap *b = nullptr;
    lastResult =
        useEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(stream, &b) : GdipCreateBitmapFromStream(stream, &b);
    StoreHandle(b);
}

TGPBitmap::TGPBitmap(INT width, INT height, PixelFormat format)
{
    GpBitmap *b = nullptr;
    lastResult = GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &b);
    StoreHandle(b);
}

TGPBitmap::TGPBitmap(GpBitmap *nativeBitmap)
{
    StoreHandle(nativeBitmap);
}

TGPBitmap *TGPBitmap::FromStream(IStream *stream, bool useEmbeddedColorManagement)
{
    return new TGPBitmap(stream, useEmbeddedColorManagement);
}

Status TGPBitmap::GetHBITMAP(ARGB colorBackground, HBITMAP &hbmReturn)
{
    return RecordStatus(GdipCreateHBITMAPFromBitmap(nativeImage, &hbmReturn, colorBackground));
}

Status TGPBitmap::GetPixel(INT x, INT y, ARGB &color)
{
    return RecordStatus(GdipBitmapGetPixel(nativeImage, x, y, &color));
}

Status TGPBitmap::SetPixel(INT x, INT y, ARGB color)
{
    return RecordStatus(GdipBitmapSetPixel(nativeImage, x, y, color));
}

// ---- Image attributes ----------------------------------------------------------------------------

TGPImageAttributes::TGPImageAttributes()
{
    GpImageAttributes *a = nullptr;
    lastResult = GdipCreateImageAttributes(&a);
    StoreHandle(a);
}

TGPImageAttributes::TGPImageAttributes(GpImageAttributes *imageAttr, Status status)
{
    StoreHandle(imageAttr);
    lastResult = status;
}

TGPImageAttributes::~TGPImageAttributes()
{
    GdipDisposeImageAttributes(nativeImageAttr);
}

TGPImageAttributes *TGPImageAttributes::Clone()
{
    GpImageAttributes *clone = nullptr;
    const Status st = RecordStatus(GdipCloneImageAttributes(nativeImageAttr, &clone));
    return new TGPImageAttributes(clone, st);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesToIdentity(nativeImageAttr, type));
}

Status TGPImageAttributes::Reset(ColorAdjustType type)
{
    return RecordStatus(GdipResetImageAttributes(nativeImageAttr, type));
}

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix &colorMatrix, ColorMatrixFlags mode, ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, -1, &colorMatrix, nullptr, mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType type)
{
    return RecordStatus(
        GdipSetImageAttributesColorMatrix(nativeImageAttr, type, 0, nullptr, nullptr, ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetColorMatrices(const ColorMatrix &colorMatrix, const ColorMatrix &grayMatrix,
                                            ColorMatrixFlags mode, ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, -1, &colorMatrix, &grayMatrix, mode));
}

Status TGPImageAttributes::ClearColorMatrices(ColorAdjustType type)
{
    return ClearColorMatrix(type);
}

Status TGPImageAttributes::SetThreshold(REAL threshold, ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, -1, threshold));
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, 0, 0.0f));
}

Status TGPImageAttributes::SetGamma(REAL gamma, ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, -1, gamma));
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, 0, 0.0f));
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, -1));
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, 0));
}

Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, -1, colorLow, colorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, 0, 0, 0));
}

Status TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type, -1, channelFlags));
}

Status TGPImageAttributes::ClearOutputChannel(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type, 0, ColorChannelFlagsLast));
}

Status TGPImageAttributes::SetOutputChannelColorProfile(const QString &colorProfileFilename, ColorAdjustType type)
{
    const std::u16string name = Chars(colorProfileFilename);
    return RecordStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type, -1, name.c_str()));
}

Status TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type, 0, nullptr));
}

Status TGPImageAttributes::SetRemapTable(UINT mapSize, const ColorMap *map, ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, -1, mapSize, map));
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType type)
{
    return RecordStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, 0, 0, nullptr));
}

Status TGPImageAttributes::SetBrushRemapTable(UINT mapSize, const ColorMap *map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable()
{
    return ClearRemapTable(ColorAdjustTypeBrush);
}

Status TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, BOOL clamp)
{
    return RecordStatus(GdipSetImageAttributesWrapMode(nativeImageAttr, wrap, color, clamp));
}

Status TGPImageAttributes::GetAdjustedPalette(ColorPalette *colorPalette, ColorAdjustType colorAdjustType)
{
    return RecordStatus(GdipGetImageAttributesAdjustedPalette(nativeImageAttr, colorPalette, colorAdjustType));
}

// ---- Paths and regions ---------------------------------------------------------------------------

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode)
{
    GpPath *p = nullptr;
    lastResult = GdipCreatePath(fillMode, &p);
    StoreHandle(p);
}

TGPGraphicsPath::TGPGraphicsPath(GpPath *nativePath)
{
    StoreHandle(nativePath);
}

TGPGraphicsPath::~TGPGraphicsPath()
{
    GdipDeletePath(nativePath);
}

Status TGPGraphicsPath::Reset()
{
    return RecordStatus(GdipResetPath(nativePath));
}

Status TGPGraphicsPath::CloseFigure()
{
    return RecordStatus(GdipClosePathFigure(nativePath));
}

Status TGPGraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2)
{
    return RecordStatus(GdipAddPathLine(nativePath, x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLine(const TGPPointF &pt1, const TGPPointF &pt2)
{
    return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y);
}

Status TGPGraphicsPath::AddLines(const TGPPoint *points, INT count)
{
    return RecordStatus(GdipAddPathLine2I(nativePath, points, count));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF &rect)
{
    return RecordStatus(GdipAddPathRectangle(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect &rect)
{
    return RecordStatus(GdipAddPathRectangleI(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddArc(const TGPRectF &rect, REAL startAngle, REAL sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return RecordStatus(GdipAddPathArc(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF &rect)
{
    return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height)
{
    return RecordStatus(GdipAddPathEllipse(nativePath, x, y, width, height));
}

Status TGPGraphicsPath::AddPie(const TGPRectF &rect, REAL startAngle, REAL sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return RecordStatus(GdipAddPathPie(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF *points, INT count)
{
    return RecordStatus(GdipAddPathPolygon(nativePath, points, count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint *points, INT count)
{
    return RecordStatus(GdipAddPathPolygonI(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF *points, INT count)
{
    return RecordStatus(GdipAddPathCurve(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint *points, INT count)
{
    return RecordStatus(GdipAddPathCurveI(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint *points, INT count, REAL tension)
{
    return RecordStatus(GdipAddPathCurve2I(nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF &pt1, const TGPPointF &pt2, const TGPPointF &pt3,
                                  const TGPPointF &pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

Status TGPGraphicsPath::AddBezier(const TGPPoint &pt1, const TGPPoint &pt2, const TGPPoint &pt3, const TGPPoint &pt4)
{
    auto f = [](INT v) { return static_cast<REAL>(v); };
    return AddBezier(f(pt1.X), f(pt1.Y), f(pt2.X), f(pt2.Y), f(pt3.X), f(pt3.Y), f(pt4.X), f(pt4.Y));
}

Status TGPGraphicsPath::AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4)
{
    return RecordStatus(GdipAddPathBezier(nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}

Status TGPGraphicsPath::AddString(const QString &text, INT length, const TGPFontFamily *family, INT style, REAL emSize,
                                  const TGPRectF &layoutRect, const TGPStringFormat *format)
{
    const std::u16string chars = Chars(text);
    return RecordStatus(GdipAddPathString(nativePath, chars.c_str(), FitLength(length, text),
                                          family ? family->nativeFamily : nullptr, style, emSize, &layoutRect,
                                          format ? format->nativeFormat : nullptr));
}

TGPRegion::TGPRegion(const TGPRectF &rect)
{
    GpRegion *r = nullptr;
    lastResult = GdipCreateRegionRect(&rect, &r);
    StoreHandle(r);
}

TGPRegion::TGPRegion(TGPGraphicsPath *path)
{
    GpRegion *r = nullptr;
    lastResult = GdipCreateRegionPath(path ? path->nativePath : nullptr, &r);
    StoreHandle(r);
}

TGPRegion::~TGPRegion()
{
    GdipDeleteRegion(nativeRegion);
}

Status TGPRegion::Exclude(TGPGraphicsPath *path)
{
    return RecordStatus(GdipCombineRegionPath(nativeRegion, path ? path->nativePath : nullptr, CombineModeExclude));
}

Status TGPRegion::Union(TGPRegion *region)
{
    return RecordStatus(
        GdipCombineRegionRegion(nativeRegion, region ? region->nativeRegion : nullptr, CombineModeUnion));
}

// ---- Brushes -------------------------------------------------------------------------------------

TGPBrush::TGPBrush()
{
    lastResult = NotImplemented;
}

TGPBrush::TGPBrush(GpBrush *nativeBrush, Status status)
{
    StoreHandle(nativeBrush);
    lastResult = status;
}

TGPBrush::~TGPBrush()
{
    GdipDeleteBrush(nativeBrush);
}

TGPSolidBrush::TGPSolidBrush(ARGB color) : TGPBrush(Empty{})
{
    GpSolidFill *b = nullptr;
    lastResult = GdipCreateSolidFill(color, &b);
    StoreHandle(b);
}

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor) : TGPBrush(Empty{})
{
    GpHatch *b = nullptr;
    lastResult = GdipCreateHatchBrush(hatchStyle, foreColor, backColor, &b);
    StoreHandle(b);
}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle s = HatchStyleHorizontal;
    RecordStatus(GdipGetHatchStyle(nativeBrush, &s));
    return s;
}

ARGB TGPHatchBrush::GetForegroundColor()
{
    ARGB c = 0;
    RecordStatus(GdipGetHatchForegroundColor(nativeBrush, &c));
    return c;
}

ARGB TGPHatchBrush::GetBackgroundColor()
{
    ARGB c = 0;
    RecordStatus(GdipGetHatchBackgroundColor(nativeBrush, &c));
    return c;
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode) : TGPBrush(Empty{})
{
    GpTexture *b = nullptr;
    lastResult = GdipCreateTexture(image ? image->nativeImage : nullptr, wrapMode, &b);
    StoreHandle(b);
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRectF &dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRect &dstRect) : TGPBrush(Empty{})
{
    GpTexture *b = nullptr;
    lastResult = GdipCreateTexture2I(image ? image->nativeImage : nullptr, wrapMode, dstRect.X, dstRect.Y,
                                     dstRect.Width, dstRect.Height, &b);
    StoreHandle(b);
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode, REAL dstX, REAL dstY, REAL dstWidth,
                                 REAL dstHeight)
    : TGPBrush(Empty{})
{
    GpTexture *b = nullptr;
    lastResult =
        GdipCreateTexture2(image ? image->nativeImage : nullptr, wrapMode, dstX, dstY, dstWidth, dstHeight, &b);
    StoreHandle(b);
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, const TGPRectF &dstRect, TGPImageAttributes *imageAttributes)
    : TGPBrush(Empty{})
{
    GpTexture *b = nullptr;
    lastResult = GdipCreateTextureIA(image ? image->nativeImage : nullptr,
                                     imageAttributes ? imageAttributes->nativeImageAttr : nullptr, dstRect.X, dstRect.Y,
                                     dstRect.Width, dstRect.Height, &b);
    StoreHandle(b);
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, const TGPRect &dstRect, TGPImageAttributes *imageAttributes)
    : TGPBrush(Empty{})
{
    GpTexture *b = nullptr;
    lastResult = GdipCreateTextureIAI(image ? image->nativeImage : nullptr,
                                      imageAttributes ? imageAttributes->nativeImageAttr : nullptr, dstRect.X,
                                      dstRect.Y, dstRect.Width, dstRect.Height, &b);
    StoreHandle(b);
}

Status TGPTextureBrush::ResetTransform()
{
    return RecordStatus(GdipResetTextureTransform(nativeBrush));
}

Status TGPTextureBrush::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return RecordStatus(GdipTranslateTextureTransform(nativeBrush, dx, dy, order));
}

Status TGPTextureBrush::ScaleTransform(REAL sx, REAL sy, MatrixOrder order)
{
    return RecordStatus(GdipScaleTextureTransform(nativeBrush, sx, sy, order));
}

Status TGPTextureBrush::RotateTransform(REAL angle, MatrixOrder order)
{
    return RecordStatus(GdipRotateTextureTransform(nativeBrush, angle, order));
}

WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode w = WrapModeTile;
    RecordStatus(GdipGetTextureWrapMode(nativeBrush, &w));
    return w;
}

Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode)
{
    return RecordStatus(GdipSetTextureWrapMode(nativeBrush, wrapMode));
}

TGPImage *TGPTextureBrush::GetImage()
{
    GpImage *img = nullptr;
    const Status st = RecordStatus(GdipGetTextureImage(nativeBrush, &img));
    auto *wrapper = new (std::nothrow) TGPImage(img, st);
    if (!wrapper)
        GdipDisposeImage(img);
    return wrapper;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF &point1, const TGPPointF &point2, ARGB color1,
                                               ARGB color2)
    : TGPBrush(Empty{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrush(&point1, &point2, color1, color2, WrapModeTile, &b);
    StoreHandle(b);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint &point1, const TGPPoint &point2, ARGB color1, ARGB color2)
    : TGPBrush(Empty{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushI(&point1, &point2, color1, color2, WrapModeTile, &b);
    StoreHandle(b);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2, LinearGradientMode mode)
    : TGPBrush(Empty{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRect(&rect, color1, color2, mode, WrapModeTile, &b);
    StoreHandle(b);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2, LinearGradientMode mode)
    : TGPBrush(Empty{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, WrapModeTile, &b);
    StoreHandle(b);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2, REAL angle,
                                               BOOL isAngleScalable)
    : TGPBrush(Empty{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable, WrapModeTile, &b);
    StoreHandle(b);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2, REAL angle,
                                               BOOL isAngleScalable)
    : TGPBrush(Empty{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRectWithAngleI(&rect, color1, color2, angle, isAngleScalable, WrapModeTile, &b);
    StoreHandle(b);
}

Status TGPLinearGradientBrush::SetGammaCorrection(BOOL useGammaCorrection)
{
    return RecordStatus(GdipSetLineGammaCorrection(nativeBrush, useGammaCorrection));
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB *presetColors, const REAL *blendPositions, INT count)
{
    if (count <= 0)
        return RecordStatus(InvalidParameter);
    return RecordStatus(GdipSetLinePresetBlend(nativeBrush, presetColors, blendPositions, count));
}

TGPPathGradientBrush::TGPPathGradientBrush(TGPGraphicsPath *path) : TGPBrush(Empty{})
{
    GpPathGradient *b = nullptr;
    lastResult = GdipCreatePathGradientFromPath(path ? path->nativePath : nullptr, &b);
    StoreHandle(b);
}

ARGB TGPPathGradientBrush::GetCenterColor()
{
    ARGB c = 0;
    RecordStatus(GdipGetPathGradientCenterColor(nativeBrush, &c));
    return c;
}

Status TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    return RecordStatus(GdipSetPathGradientCenterColor(nativeBrush, color));
}

INT TGPPathGradientBrush::GetPointCount()
{
    INT n = 0;
    RecordStatus(GdipGetPathGradientPointCount(nativeBrush, &n));
    return n;
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF &point)
{
    return RecordStatus(GdipGetPathGradientCenterPoint(nativeBrush, &point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint &point)
{
    return RecordStatus(GdipGetPathGradientCenterPointI(nativeBrush, &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF &point)
{
    return RecordStatus(GdipSetPathGradientCenterPoint(nativeBrush, &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint &point)
{
    return RecordStatus(GdipSetPathGradientCenterPointI(nativeBrush, &point));
}

Status TGPPathGradientBrush::SetGammaCorrection(BOOL useGammaCorrection)
{
    return RecordStatus(GdipSetPathGradientGammaCorrection(nativeBrush, useGammaCorrection));
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return RecordStatus(GdipSetPathGradientWrapMode(nativeBrush, wrapMode));
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB *presetColors, const REAL *blendPositions, INT count)
{
    if (count <= 0 || !presetColors)
        return RecordStatus(InvalidParameter);
    return RecordStatus(GdipSetPathGradientPresetBlend(nativeBrush, presetColors, blendPositions, count));
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB *colors, INT &count)
{
    if (!colors)
        return RecordStatus(InvalidParameter);
    INT have = 0;
    const Status st = RecordStatus(GdipGetPathGradientSurroundColorCount(nativeBrush, &have));
    if (st != Ok)
        return st;
    if (count < have || have <= 0)
        return RecordStatus(InsufficientBuffer);
    INT read = have;
    const Status got = RecordStatus(GdipGetPathGradientSurroundColorsWithCount(nativeBrush, colors, &read));
    if (got == Ok)
        count = read;
    return got;
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB *colors, INT &count)
{
    const INT points = GetPointCount();
    if (!colors || count <= 0 || count > points)
        return RecordStatus(InvalidParameter);
    INT taken = count;
    const Status st = RecordStatus(GdipSetPathGradientSurroundColorsWithCount(nativeBrush, colors, &taken));
    if (st == Ok)
        count = taken;
    return st;
}

// ---- Pens ----------------------------------------------------------------------------------------

TGPPen::TGPPen(ARGB color, REAL width)
{
    GpPen *p = nullptr;
    lastResult = GdipCreatePen1(color, width, UnitWorld, &p);
    StoreHandle(p);
}

TGPPen::TGPPen(TGPBrush *brush, REAL width)
{
    GpPen *p = nullptr;
    lastResult = GdipCreatePen2(brush ? brush->nativeBrush : nullptr, width, UnitWorld, &p);
    StoreHandle(p);
}

TGPPen::~TGPPen()
{
    GdipDeletePen(nativePen);
}

Status TGPPen::SetBrush(TGPBrush *brush)
{
    return RecordStatus(GdipSetPenBrushFill(nativePen, brush ? brush->nativeBrush : nullptr));
}

TGPBrush *TGPPen::GetBrush()
{
    TGPBrush *brush = nullptr;
    switch (GetPenType()) {
    case PenTypeSolidColor: brush = new TGPSolidBrush(); break;
    case PenTypeHatchFill: brush = new TGPHatchBrush(); break;
    case PenTypeTextureFill: brush = new TGPTextureBrush(); break;
    case PenTypePathGradient: brush = new TGPBrush(); break;
    case PenTypeLinearGradient: brush = new TGPBrush(); break;
    default: return nullptr;
    }
    GpBrush *native = nullptr;
    RecordStatus(GdipGetPenBrushFill(nativePen, &native));
    brush->StoreHandle(native);
    return brush;
}

PenType TGPPen::GetPenType()
{
    PenType t = PenTypeSolidColor;
    RecordStatus(GdipGetPenFillType(nativePen, &t));
    return t;
}

DashStyle TGPPen::GetDashStyle()
{
    DashStyle d = DashStyleSolid;
    RecordStatus(GdipGetPenDashStyle(nativePen, &d));
    return d;
}

Status TGPPen::SetDashStyle(DashStyle dashStyle)
{
    return RecordStatus(GdipSetPenDashStyle(nativePen, dashStyle));
}

Status TGPPen::SetEndCap(LineCap endCap)
{
    return RecordStatus(GdipSetPenEndCap(nativePen, endCap));
}

// ---- Fonts and formats ---------------------------------------------------------------------------

TGPFontCollection::TGPFontCollection() = default;

TGPFontFamily::TGPFontFamily() = default;

TGPFontFamily::TGPFontFamily(const QString &name, TGPFontCollection *fontCollection)
{
    const std::u16string chars = Chars(name);
    GpFontFamily *f = nullptr;
    lastResult = GdipCreateFontFamilyFromName(chars.c_str(),
                                              fontCollection ? fontCollection->nativeFontCollection : nullptr, &f);
    StoreHandle(f);
}

TGPFontFamily::TGPFontFamily(GpFontFamily *nativeOrig, Status status)
{
    StoreHandle(nativeOrig);
    lastResult = status;
}

TGPFontFamily::~TGPFontFamily()
{
    GdipDeleteFontFamily(nativeFamily);
}

TGPFontFamily *TGPFontFamily::Generic(Status (*get)(GpFontFamily **))
{
    auto *family = new TGPFontFamily();
    GpFontFamily *native = nullptr;
    get(&native);
    family->StoreHandle(native);
    return family;
}

TGPFontFamily *TGPFontFamily::GenericSansSerif()
{
    static TGPFontFamily *family = Generic(&GdipGetGenericFontFamilySansSerif);
    return family;
}

TGPFontFamily *TGPFontFamily::GenericSerif()
{
    static TGPFontFamily *family = Generic(&GdipGetGenericFontFamilySerif);
    return family;
}

TGPFontFamily *TGPFontFamily::GenericMonospace()
{
    static TGPFontFamily *family = Generic(&GdipGetGenericFontFamilyMonospace);
    return family;
}

TGPFont::TGPFont(const TGPFontFamily *family, REAL emSize, INT style, Unit_ unit)
{
    GpFont *f = nullptr;
    lastResult = GdipCreateFont(family ? family->nativeFamily : nullptr, emSize, style, unit, &f);
    StoreHandle(f);
}

TGPFont::TGPFont(const QString &familyName, REAL emSize, INT style, Unit_ unit, TGPFontCollection *fontCollection)
{
    TGPFontFamily family(familyName, fontCollection);
    GpFont *f = nullptr;
    lastResult = GdipCreateFont(family.nativeFamily, emSize, style, unit, &f);
    if (lastResult != Ok)
        lastResult = GdipCreateFont(TGPFontFamily::GenericSansSerif()->nativeFamily, emSize, style, unit, &f);
    StoreHandle(f);
}

TGPFont::TGPFont(GpFont *font, Status status)
{
    StoreHandle(font);
    lastResult = status;
}

TGPFont::~TGPFont()
{
    GdipDeleteFont(nativeFont);
}

INT TGPFont::GetStyle()
{
    INT style = 0;
    RecordStatus(GdipGetFontStyle(nativeFont, &style));
    return style;
}

TGPStringFormat::TGPStringFormat(INT formatFlags, LANGID language)
{
    GpStringFormat *f = nullptr;
    lastError = GdipCreateStringFormat(formatFlags, language, &f);
    StoreHandle(f);
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat *format)
{
    GpStringFormat *f = nullptr;
    lastError = GdipCloneStringFormat(format ? format->nativeFormat : nullptr, &f);
    StoreHandle(f);
}

TGPStringFormat::TGPStringFormat(GpStringFormat *clonedStringFormat, Status status)
{
    StoreHandle(clonedStringFormat);
    lastError = status;
}

TGPStringFormat::~TGPStringFormat()
{
    GdipDeleteStringFormat(nativeFormat);
}

StringAlignment TGPStringFormat::GetAlignment()
{
    StringAlignment a = StringAlignmentNear;
    RecordStatus(GdipGetStringFormatAlign(nativeFormat, &a));
    return a;
}

Status TGPStringFormat::SetAlignment(StringAlignment align)
{
    return RecordStatus(GdipSetStringFormatAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    StringAlignment a = StringAlignmentNear;
    RecordStatus(GdipGetStringFormatLineAlign(nativeFormat, &a));
    return a;
}

Status TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return RecordStatus(GdipSetStringFormatLineAlign(nativeFormat, align));
}

INT TGPStringFormat::GetFormatFlags()
{
    INT f = 0;
    RecordStatus(GdipGetStringFormatFlags(nativeFormat, &f));
    return f;
}

Status TGPStringFormat::SetFormatFlags(INT flags)
{
    return RecordStatus(GdipSetStringFormatFlags(nativeFormat, flags));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    StringTrimming t = StringTrimmingNone;
    RecordStatus(GdipGetStringFormatTrimming(nativeFormat, &t));
    return t;
}

Status TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return RecordStatus(GdipSetStringFormatTrimming(nativeFormat, trimming));
}

INT TGPStringFormat::GetHotkeyPrefix()
{
    INT h = 0;
    RecordStatus(GdipGetStringFormatHotkeyPrefix(nativeFormat, &h));
    return h;
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return RecordStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat, hotkeyPrefix));
}
