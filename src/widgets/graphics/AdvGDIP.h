#pragma once
// The graphics control set's object layer over the GDI+ flat interface (platform/gdiplus): one
// wrapper class per GDI+ object, the value records, colour helpers, the painting of one fill
// description (DrawGDIPFill) and GDI+ text on framework fonts (MakeFont, DrawText, TextWidth,
// TextHeight).
//
// Rules every wrapper keeps:
//  - A wrapper owns its native object and frees it with the matching delete call. A constructor
//    handed a native handle takes it over. Objects a method returns (Clone, GetImage,
//    GetThumbnailImage, GetBrush, FromImage, MakeFont) belong to the caller; the three generic
//    font families belong to the layer.
//  - Constructors make one flat call, keep its handle and its status, and never raise: a failed
//    creation leaves a null handle, and later calls on it answer InvalidParameter.
//  - Methods make one flat call and pass its status through RecordStatus: a failure is kept in
//    the wrapper (until GetLastStatus reads it or the next failure replaces it), Ok leaves the
//    kept status alone; the status is the method's result. Getters answer 0 when GDI+ fails,
//    GetSmoothingMode answers -1.
//  - Instances take their memory from GdipAlloc (zero-filled), starting GDI+ first when it is
//    not running; when even that yields nothing, std::bad_alloc is raised.
//  - GUI thread only. GDI+ is started once when the program starts and shut down at its end.

#include "platform/runtime/EnumNames.h"
#include <QString>

#include <cstddef>
#include <new>

#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/GraphicsTypes.h"

class TFont;
class TAdvGDIPPicture;

// ---- Value records -------------------------------------------------------------------------------

using TGPPoint = GpPoint;
using TGPPointF = GpPointF;
using TGPRect = GpRect;
using TGPRectF = GpRectF;

inline TGPPoint MakePoint(INT x, INT y)
{
    return {x, y};
}
inline TGPPointF MakePoint(REAL x, REAL y)
{
    return {x, y};
}
inline TGPRect MakeRect(INT x, INT y, INT width, INT height)
{
    return {x, y, width, height};
}
inline TGPRectF MakeRect(REAL x, REAL y, REAL width, REAL height)
{
    return {x, y, width, height};
}

// The layer's own kinds of picture file and of fill.
enum TGPImageFormat { ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon };
enum TAdvGradientType {
    gtSolid,
    gtRadial,
    gtVertical,
    gtHorizontal,
    gtForwardDiagonal,
    gtBackwardDiagonal,
    gtAngle,
    gtHatch,
    gtPath,
    gtTexture,
    gtNone
};
inline constexpr auto AdvGradientTypeNames = EnumNames<TAdvGradientType>(
    "gtSolid", "gtRadial", "gtVertical", "gtHorizontal", "gtForwardDiagonal", "gtBackwardDiagonal", "gtAngle",
    "gtHatch", "gtPath", "gtTexture", "gtNone");

// ---- Colours -------------------------------------------------------------------------------------

// The colour resolved by the framework (system colours included), opaque.
ARGB ARGBFromColor(TColor color);
ARGB ARGBFromAlphaColor(BYTE alpha, TColor color);
ARGB ComposeARGB(BYTE alpha, BYTE red, BYTE green, BYTE blue);
ARGB ComposeOpaqueARGB(BYTE red, BYTE green, BYTE blue);
BYTE ARGBRed(ARGB color);
BYTE ARGBGreen(ARGB color);
BYTE ARGBBlue(ARGB color);

// ---- Start-up ------------------------------------------------------------------------------------

// Start GDI+ once (without its background thread) and shut it down once; the program runs both
// through a static object of this unit, so callers never need to.
void TAdvGDIPInitialization();
void TAdvGDIPFinalization();

// ---- Base ----------------------------------------------------------------------------------------

class TGdiplusBase : public TObject {
public:
    static void *operator new(std::size_t size);
    // nullptr instead of raising.
    static void *operator new(std::size_t size, const std::nothrow_t &) noexcept;
    static void operator delete(void *ptr);
    static void operator delete(void *ptr, const std::nothrow_t &) noexcept;
};

class TGPGraphics;
class TGPImage;
class TGPBrush;
class TGPPen;
class TGPGraphicsPath;
class TGPRegion;
class TGPMatrix;
class TGPFont;
class TGPFontFamily;
class TGPFontCollection;
class TGPStringFormat;
class TGPImageAttributes;

// ---- Matrix --------------------------------------------------------------------------------------

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    // Maps the rectangle onto the parallelogram of three points.
    TGPMatrix(const TGPRectF &rect, const TGPPointF *dstplg);
    TGPMatrix(const TGPRect &rect, const TGPPoint *dstplg);
    explicit TGPMatrix(GpMatrix *nativeMatrix);
    ~TGPMatrix() override;

    // nullptr when this matrix's status is not Ok after the call.
    TGPMatrix *Clone();
    Status GetElements(REAL m[6]);
    Status SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    // The translation (0 when the elements cannot be read).
    REAL OffsetX();
    REAL OffsetY();
    Status Reset();
    Status Multiply(TGPMatrix *matrix, MatrixOrder order = MatrixOrderPrepend);
    Status Translate(REAL offsetX, REAL offsetY, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(REAL scaleX, REAL scaleY, MatrixOrder order = MatrixOrderPrepend);
    Status Rotate(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    Status RotateAt(REAL angle, const TGPPointF &center, MatrixOrder order = MatrixOrderPrepend);
    Status Shear(REAL shearX, REAL shearY, MatrixOrder order = MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(TGPPointF *pts, INT count = 1);
    Status TransformPoints(TGPPoint *pts, INT count = 1);
    Status TransformVectors(TGPPointF *pts, INT count = 1);
    Status TransformVectors(TGPPoint *pts, INT count = 1);
    BOOL IsInvertible();
    BOOL IsIdentity();
    // The kept status, which becomes Ok.
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    void StoreHandle(GpMatrix *handle) { nativeMatrix = handle; }
    Status RecordStatus(Status status);
    GpMatrix *nativeMatrix = nullptr;
    Status lastResult = Ok;
};

// ---- Images --------------------------------------------------------------------------------------

class TGPImage : public TGdiplusBase {
public:
    TGPImage(const QString &filename, bool useEmbeddedColorManagement = false);
    TGPImage(IStream *stream, bool useEmbeddedColorManagement = false);
    TGPImage(GpImage *nativeImage, Status status);
    ~TGPImage() override;

    UINT GetWidth();
    UINT GetHeight();
    PixelFormat GetPixelFormat();
    // Bits 8-15, bit 16 and bit 18 of the pixel format.
    UINT GetPixelDepth();
    bool HasAlphaChannel();
    bool HasPalette();
    TGPImageFormat GetFormat();
    TGPImage *GetThumbnailImage(UINT thumbWidth, UINT thumbHeight, GetThumbnailImageAbort callback = nullptr,
                                void *callbackData = nullptr);
    Status RotateFlip(RotateFlipType rotateFlipType);
    Status Save(const QString &filename, const CLSID &clsidEncoder, const EncoderParameters *params = nullptr);
    Status Save(IStream *stream, const CLSID &clsidEncoder, const EncoderParameters *params = nullptr);
    // InvalidParameter without a call when no image is given.
    Status SaveAdd(TGPImage *newImage, const EncoderParameters *params);
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    friend class TGPTextureBrush;
    TGPImage() = default;
    void StoreHandle(GpImage *handle) { nativeImage = handle; }
    Status RecordStatus(Status status);
    GpImage *nativeImage = nullptr;
    Status lastResult = Ok;
};

class TGPBitmap : public TGPImage {
public:
    TGPBitmap(IStream *stream, bool useEmbeddedColorManagement = false);
    TGPBitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
    explicit TGPBitmap(GpBitmap *nativeBitmap);
    static TGPBitmap *FromStream(IStream *stream, bool useEmbeddedColorManagement = false);
    // A framework bitmap the caller owns.
    Status GetHBITMAP(ARGB colorBackground, HBITMAP &hbmReturn);
    Status GetPixel(INT x, INT y, ARGB &color);
    Status SetPixel(INT x, INT y, ARGB color);
};

class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();
    TGPImageAttributes(GpImageAttributes *imageAttr, Status status);
    ~TGPImageAttributes() override;
    TGPImageAttributes *Clone();
    Status SetToIdentity(ColorAdjustType type = ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix &colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                          ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorMatrices(const ColorMatrix &colorMatrix, const ColorMatrix &grayMatrix,
                            ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                            ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorMatrices(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetThreshold(REAL threshold, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearThreshold(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetGamma(REAL gamma, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearGamma(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearOutputChannel(ColorAdjustType type = ColorAdjustTypeDefault);
    // No colour management: NotImplemented.
    Status SetOutputChannelColorProfile(const QString &colorProfileFilename,
                                        ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearOutputChannelColorProfile(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetRemapTable(UINT mapSize, const ColorMap *map, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearRemapTable(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetBrushRemapTable(UINT mapSize, const ColorMap *map);
    Status ClearBrushRemapTable();
    Status SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, BOOL clamp = 0);
    Status GetAdjustedPalette(ColorPalette *colorPalette, ColorAdjustType colorAdjustType);
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    friend class TGPTextureBrush;
    void StoreHandle(GpImageAttributes *handle) { nativeImageAttr = handle; }
    Status RecordStatus(Status status);
    GpImageAttributes *nativeImageAttr = nullptr;
    Status lastResult = Ok;
};

// ---- Paths and regions ---------------------------------------------------------------------------

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    explicit TGPGraphicsPath(GpPath *nativePath);
    ~TGPGraphicsPath() override;
    Status Reset();
    Status CloseFigure();
    Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
    Status AddLine(const TGPPointF &pt1, const TGPPointF &pt2);
    Status AddLines(const TGPPoint *points, INT count);
    Status AddRectangle(const TGPRectF &rect);
    Status AddRectangle(const TGPRect &rect);
    Status AddArc(const TGPRectF &rect, REAL startAngle, REAL sweepAngle);
    Status AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    Status AddEllipse(const TGPRectF &rect);
    Status AddEllipse(REAL x, REAL y, REAL width, REAL height);
    Status AddPie(const TGPRectF &rect, REAL startAngle, REAL sweepAngle);
    Status AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    Status AddPolygon(const TGPPointF *points, INT count);
    Status AddPolygon(const TGPPoint *points, INT count);
    Status AddCurve(const TGPPointF *points, INT count);
    Status AddCurve(const TGPPoint *points, INT count);
    Status AddCurve(const TGPPoint *points, INT count, REAL tension);
    Status AddBezier(const TGPPointF &pt1, const TGPPointF &pt2, const TGPPointF &pt3, const TGPPointF &pt4);
    Status AddBezier(const TGPPoint &pt1, const TGPPoint &pt2, const TGPPoint &pt3, const TGPPoint &pt4);
    Status AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
    Status AddString(const QString &text, INT length, const TGPFontFamily *family, INT style, REAL emSize,
                     const TGPRectF &layoutRect, const TGPStringFormat *format);
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    friend class TGPRegion;
    friend class TGPPathGradientBrush;
    void StoreHandle(GpPath *handle) { nativePath = handle; }
    Status RecordStatus(Status status);
    GpPath *nativePath = nullptr;
    Status lastResult = Ok;
};

class TGPRegion : public TGdiplusBase {
public:
    explicit TGPRegion(const TGPRectF &rect);
    explicit TGPRegion(TGPGraphicsPath *path);
    ~TGPRegion() override;
    Status Exclude(TGPGraphicsPath *path);
    Status Union(TGPRegion *region);

protected:
    friend class TGPGraphics;
    void StoreHandle(GpRegion *handle) { nativeRegion = handle; }
    Status RecordStatus(Status status);
    GpRegion *nativeRegion = nullptr;
    Status lastResult = Ok;
};

// ---- Brushes -------------------------------------------------------------------------------------

class TGPBrush : public TGdiplusBase {
public:
    // No brush: status NotImplemented.
    TGPBrush();
    TGPBrush(GpBrush *nativeBrush, Status status);
    ~TGPBrush() override;
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    friend class TGPPen;
    struct Empty {};
    explicit TGPBrush(Empty) {}
    void StoreHandle(GpBrush *handle) { nativeBrush = handle; }
    Status RecordStatus(Status status);
    GpBrush *nativeBrush = nullptr;
    Status lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
    TGPSolidBrush() : TGPBrush(Empty{}) {}
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    TGPHatchBrush() : TGPBrush(Empty{}) {}
    HatchStyle GetHatchStyle();
    ARGB GetForegroundColor();
    ARGB GetBackgroundColor();
};

class TGPTextureBrush : public TGPBrush {
public:
    explicit TGPTextureBrush(TGPImage *image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRectF &dstRect);
    TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRect &dstRect);
    TGPTextureBrush(TGPImage *image, WrapMode wrapMode, REAL dstX, REAL dstY, REAL dstWidth, REAL dstHeight);
    TGPTextureBrush(TGPImage *image, const TGPRectF &dstRect, TGPImageAttributes *imageAttributes = nullptr);
    TGPTextureBrush(TGPImage *image, const TGPRect &dstRect, TGPImageAttributes *imageAttributes = nullptr);
    TGPTextureBrush() : TGPBrush(Empty{}) {}
    Status ResetTransform();
    Status TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    WrapMode GetWrapMode();
    Status SetWrapMode(WrapMode wrapMode);
    TGPImage *GetImage();
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const TGPPointF &point1, const TGPPointF &point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint &point1, const TGPPoint &point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2, REAL angle, BOOL isAngleScalable = 0);
    TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2, REAL angle, BOOL isAngleScalable = 0);
    TGPLinearGradientBrush() : TGPBrush(Empty{}) {}
    Status SetGammaCorrection(BOOL useGammaCorrection);
    // InvalidParameter without a call when count is 0 or less.
    Status SetInterpolationColors(const ARGB *presetColors, const REAL *blendPositions, INT count);
};

class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(TGPGraphicsPath *path);
    ARGB GetCenterColor();
    Status SetCenterColor(ARGB color);
    INT GetPointCount();
    Status GetCenterPoint(TGPPointF &point);
    Status GetCenterPoint(TGPPoint &point);
    Status SetCenterPoint(const TGPPointF &point);
    Status SetCenterPoint(const TGPPoint &point);
    Status SetGammaCorrection(BOOL useGammaCorrection);
    Status SetWrapMode(WrapMode wrapMode);
    // InvalidParameter without a call when count is 0 or less or no colours are given.
    Status SetInterpolationColors(const ARGB *presetColors, const REAL *blendPositions, INT count);
    // InsufficientBuffer when count is below the brush's colour count; count becomes the number read.
    Status GetSurroundColors(ARGB *colors, INT &count);
    // Only 1 to GetPointCount colours are taken; count becomes the number taken.
    Status SetSurroundColors(const ARGB *colors, INT &count);
};

// ---- Pens ----------------------------------------------------------------------------------------

class TGPPen : public TGdiplusBase {
public:
    explicit TGPPen(ARGB color, REAL width = 1.0f);
    explicit TGPPen(TGPBrush *brush, REAL width = 1.0f);
    ~TGPPen() override;
    Status SetBrush(TGPBrush *brush);
    // A new brush of the pen's fill kind (nullptr for an unknown kind), owned by the caller.
    TGPBrush *GetBrush();
    PenType GetPenType();
    DashStyle GetDashStyle();
    Status SetDashStyle(DashStyle dashStyle);
    Status SetEndCap(LineCap endCap);
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    void StoreHandle(GpPen *handle) { nativePen = handle; }
    Status RecordStatus(Status status);
    GpPen *nativePen = nullptr;
    Status lastResult = Ok;
};

// ---- Fonts and formats ---------------------------------------------------------------------------

class TGPFontCollection : public TGdiplusBase {
public:
    TGPFontCollection();
    ~TGPFontCollection() override = default;

protected:
    friend class TGPFontFamily;
    friend class TGPFont;
    GpFontCollection *nativeFontCollection = nullptr;
    Status lastResult = Ok;
};

class TGPFontFamily : public TGdiplusBase {
public:
    TGPFontFamily();
    explicit TGPFontFamily(const QString &name, TGPFontCollection *fontCollection = nullptr);
    TGPFontFamily(GpFontFamily *nativeOrig, Status status);
    ~TGPFontFamily() override;
    // Shared by the whole program: never free them.
    static TGPFontFamily *GenericSansSerif();
    static TGPFontFamily *GenericSerif();
    static TGPFontFamily *GenericMonospace();
    Status GetLastStatus();

protected:
    friend class TGPFont;
    friend class TGPGraphics;
    friend class TGPGraphicsPath;
    // An empty family holding the shared family `get` hands out.
    static TGPFontFamily *Generic(Status (*get)(GpFontFamily **));
    void StoreHandle(GpFontFamily *handle) { nativeFamily = handle; }
    Status RecordStatus(Status status);
    GpFontFamily *nativeFamily = nullptr;
    Status lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(const TGPFontFamily *family, REAL emSize, INT style = FontStyleRegular, Unit_ unit = UnitPoint);
    // From a family name; a name GDI+ cannot make falls back to the generic sans-serif family.
    TGPFont(const QString &familyName, REAL emSize, INT style = FontStyleRegular, Unit_ unit = UnitPoint,
            TGPFontCollection *fontCollection = nullptr);
    TGPFont(GpFont *font, Status status);
    ~TGPFont() override;
    // The FontStyle bits.
    INT GetStyle();
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    void StoreHandle(GpFont *handle) { nativeFont = handle; }
    Status RecordStatus(Status status);
    GpFont *nativeFont = nullptr;
    Status lastResult = Ok;
};

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(INT formatFlags = 0, LANGID language = 0);
    explicit TGPStringFormat(const TGPStringFormat *format);
    TGPStringFormat(GpStringFormat *clonedStringFormat, Status status);
    ~TGPStringFormat() override;
    StringAlignment GetAlignment();
    Status SetAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    Status SetLineAlignment(StringAlignment align);
    INT GetFormatFlags();
    Status SetFormatFlags(INT flags);
    StringTrimming GetTrimming();
    Status SetTrimming(StringTrimming trimming);
    INT GetHotkeyPrefix();
    Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    Status GetLastStatus();

protected:
    friend class TGPGraphics;
    friend class TGPGraphicsPath;
    void StoreHandle(GpStringFormat *handle) { nativeFormat = handle; }
    Status RecordStatus(Status status);
    GpStringFormat *nativeFormat = nullptr;
    Status lastError = Ok;
};

// ---- Graphics ------------------------------------------------------------------------------------

class TGPGraphics : public TGdiplusBase {
public:
    // Paints into the canvas (its pixels, origin and clip).
    explicit TGPGraphics(HDC hdc);
    // Paints into the image; no image: no call, status Ok.
    explicit TGPGraphics(TGPImage *image);
    ~TGPGraphics() override;
    static TGPGraphics *FromImage(TGPImage *image);

    // Its status is not kept.
    Status Flush(FlushIntention intention = FlushIntentionFlush);
    Status Clear(ARGB color);
    HDC GetHDC();
    Status ReleaseHDC(HDC hdc);
    Status SetTransform(TGPMatrix *matrix);
    Status ResetTransform();
    SmoothingMode GetSmoothingMode();
    Status SetSmoothingMode(SmoothingMode smoothingMode);
    TextRenderingHint GetTextRenderingHint();
    Status SetTextRenderingHint(TextRenderingHint newMode);
    CompositingQuality GetCompositingQuality();
    Status SetCompositingQuality(CompositingQuality compositingQuality);

    Status DrawLine(TGPPen *pen, REAL x1, REAL y1, REAL x2, REAL y2);
    Status DrawLine(TGPPen *pen, const TGPPointF &pt1, const TGPPointF &pt2);
    Status DrawArc(TGPPen *pen, const TGPRectF &rect, REAL startAngle, REAL sweepAngle);
    Status DrawArc(TGPPen *pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    Status DrawRectangle(TGPPen *pen, const TGPRectF &rect);
    Status DrawRectangle(TGPPen *pen, REAL x, REAL y, REAL width, REAL height);
    Status DrawEllipse(TGPPen *pen, const TGPRectF &rect);
    Status DrawEllipse(TGPPen *pen, REAL x, REAL y, REAL width, REAL height);
    Status DrawEllipse(TGPPen *pen, INT x, INT y, INT width, INT height);
    Status DrawPath(TGPPen *pen, TGPGraphicsPath *path);
    Status FillRectangle(TGPBrush *brush, const TGPRectF &rect);
    Status FillRectangle(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height);
    Status FillEllipse(TGPBrush *brush, const TGPRectF &rect);
    Status FillEllipse(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height);
    Status FillEllipse(TGPBrush *brush, INT x, INT y, INT width, INT height);
    Status FillPolygon(TGPBrush *brush, const TGPPointF *points, INT count, FillMode fillMode = FillModeAlternate);
    Status FillPolygon(TGPBrush *brush, const TGPPoint *points, INT count, FillMode fillMode = FillModeAlternate);
    Status FillPath(TGPBrush *brush, TGPGraphicsPath *path);

    Status DrawImage(TGPImage *image, INT x, INT y);
    Status DrawImage(TGPImage *image, const TGPRectF &rect);
    Status DrawImage(TGPImage *image, REAL x, REAL y, REAL width, REAL height);
    Status DrawImage(TGPImage *image, const TGPRectF &destRect, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight,
                     Unit_ srcUnit, TGPImageAttributes *imageAttributes = nullptr, DrawImageAbort callback = nullptr,
                     void *callbackData = nullptr);
    Status DrawImageRect(TGPImage *image, INT x, INT y, INT width, INT height);
    // Each value rounded to the nearest whole number first.
    Status DrawImageRect(TGPImage *image, const TGPRectF &rect);

    Status SetClip(TGPRegion *region, CombineMode combineMode = CombineModeReplace);
    Status SetClip(TGPGraphicsPath *path, CombineMode combineMode = CombineModeReplace);
    Status ExcludeClip(const TGPRectF &rect);
    Status ExcludeClip(TGPRegion *region);
    Status ResetClip();

    // Text lengths: -1 for the whole text; a length beyond the text is cut to it.
    Status MeasureString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect,
                         TGPStringFormat *stringFormat, TGPRectF &boundingBox, INT *codepointsFitted = nullptr,
                         INT *linesFilled = nullptr);
    Status MeasureString(const QString &text, INT length, TGPFont *font, const TGPPointF &origin,
                         TGPStringFormat *stringFormat, TGPRectF &boundingBox);
    Status MeasureString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect,
                         TGPRectF &boundingBox);
    Status DrawString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect,
                      TGPStringFormat *stringFormat, TGPBrush *brush);
    Status DrawString(const QString &text, INT length, TGPFont *font, const TGPRectF &layoutRect, TGPBrush *brush);
    Status DrawString(const QString &text, INT length, TGPFont *font, const TGPPointF &origin, TGPBrush *brush);
    Status DrawString(const QString &text, INT length, TGPFont *font, const TGPPointF &origin,
                      TGPStringFormat *stringFormat, TGPBrush *brush);

    // ---- Text on framework fonts ----
    // The GDI+ font of a framework font: an unknown family becomes Arial; bold, italic,
    // underline and strike-out carried. Owned by the caller.
    TGPFont *MakeFont(TFont *font);
    // Draws the text at r's top-left corner in the font's colour, opaque. With DT_CALCRECT
    // (0x400) or a background colour other than clNone, r's Right and Bottom become the
    // measured extent (a trailing blank counted, a font-size correction taken off the width) and
    // the background is filled; with DT_CALCRECT nothing is drawn. Returns r's height.
    int DrawText(const QString &text, int length, TRect &r, TFont *font, UINT format, TColor background = clNone);
    int TextWidth(const QString &text, TFont *font);
    int TextHeight(const QString &text, TFont *font);

    Status GetLastStatus();

protected:
    void StoreHandle(GpGraphics *handle) { nativeGraphics = handle; }
    Status RecordStatus(Status status);
    GpGraphics *nativeGraphics = nullptr;
    Status lastResult = Ok;
};

// ---- One fill description ------------------------------------------------------------------------

struct TGDIPFillParams {
    TGPGraphics *Graphics = nullptr;
    TGPGraphicsPath *Path = nullptr;  // the shape when UsePath is set (may be missing)
    bool UsePath = false;
    TGPRectF Rect{};  // the shape otherwise; the base of the gradient rectangle
    TAdvGradientType GradientType = gtSolid;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    BYTE Opacity = 255;  // of Color and of the border
    BYTE OpacityTo = 255;
    HatchStyle Hatch = HatchStyleHorizontal;
    int Angle = 0;
    TAdvGDIPPicture *Picture = nullptr;  // texture for gtTexture (may be missing)
    TColor BorderColor = clNone;         // clNone: no border
    int BorderWidth = 0;
    DashStyle BorderDashStyle = DashStyleSolid;
    bool Mirror = false;  // the mirror half of a two-part fill
};

// Paints the shape by the gradient type, then its border; gtRadial, gtPath and gtNone fill
// nothing here.
void DrawGDIPFill(TGDIPFillParams params);
