#pragma once
// Our stand-in for the GDI+ flat interface: the opaque objects and the Gdip* functions the
// graphics control set and the curves call, drawn with QPainter on 32-bit images.
//
// Rules every function keeps:
//  - A null object or a null out-pointer answers InvalidParameter and changes nothing.
//  - A device context (HDC) is a framework canvas: a graphics made on it paints into the canvas's
//    image through its viewport origin and clip as they are at each call, and tells the canvas's
//    surface which pixels changed. A graphics made on an image paints into that image.
//  - Coordinates put pixel centres on whole numbers, as GDI+ does. Smoothing is off by default;
//    SmoothingModeAntiAlias and SmoothingModeHighQuality anti-alias shapes. Pen widths are in world
//    units; a pen narrower than one pixel draws a one-pixel line.
//  - Fonts are in points at 96 pixels per inch; family names go through the framework's font
//    mapping, and a name it does not know answers FontFamilyNotFound.
//  - Images decode PNG, JPEG, BMP, GIF, ICO and TIFF (told by their leading bytes); metafiles and
//    anything else answer UnknownImageFormat. Saving writes BMP, PNG and JPEG only.
//  - Objects a function hands out belong to the caller, who frees them with the matching delete or
//    dispose call. Everything runs on the GUI thread.

#include <cstddef>
#include <cstdint>

#include "platform/gdiplus/GdiPlusEnums.h"

class TCanvas;
class TBitmap;
class TStream;

using HDC = TCanvas *;
// A framework bitmap the caller owns (delete it).
using HBITMAP = TBitmap *;
// Streams are the framework's byte streams.
using IStream = TStream;
using ULONG_PTR = std::uintptr_t;

struct GpGraphics;
struct GpPen;
struct GpBrush;
struct GpImage;
struct GpPath;
struct GpRegion;
struct GpMatrix;
struct GpFont;
struct GpFontFamily;
struct GpFontCollection;
struct GpStringFormat;
struct GpImageAttributes;
// Kinds of brushes and images share their base object; the functions check the kind.
using GpSolidFill = GpBrush;
using GpHatch = GpBrush;
using GpTexture = GpBrush;
using GpLineGradient = GpBrush;
using GpPathGradient = GpBrush;
using GpBitmap = GpImage;

// Called between steps of a long drawing; returning non-zero stops it (never called here).
using DrawImageAbort = BOOL (*)(void *data);
using GetThumbnailImageAbort = DrawImageAbort;

// ---- Start-up and memory -----------------------------------------------------------------------

Status GdiplusStartup(ULONG_PTR *token, const GdiplusStartupInput *input, GdiplusStartupOutput *output);
void GdiplusShutdown(ULONG_PTR token);
// nullptr until GdiplusStartup has run (and after the last shut-down).
void *GdipAlloc(std::size_t size);
void GdipFree(void *ptr);

namespace gdiplus {
// Counters of the stand-in, for tests: start-ups and shut-downs so far, blocks now allocated.
struct Counters {
    int Startups = 0;
    int Shutdowns = 0;
    int LiveAllocations = 0;
};
Counters GetCounters();
bool Started();
}  // namespace gdiplus

// ---- Graphics ----------------------------------------------------------------------------------

Status GdipCreateFromHDC(HDC hdc, GpGraphics **graphics);
Status GdipGetImageGraphicsContext(GpImage *image, GpGraphics **graphics);
Status GdipDeleteGraphics(GpGraphics *graphics);
Status GdipFlush(GpGraphics *graphics, FlushIntention intention);
Status GdipGraphicsClear(GpGraphics *graphics, ARGB color);
// The canvas of a graphics made on one; NotImplemented for a graphics on an image.
Status GdipGetDC(GpGraphics *graphics, HDC *hdc);
Status GdipReleaseDC(GpGraphics *graphics, HDC hdc);
Status GdipSetWorldTransform(GpGraphics *graphics, GpMatrix *matrix);
Status GdipGetWorldTransform(GpGraphics *graphics, GpMatrix *matrix);
Status GdipResetWorldTransform(GpGraphics *graphics);
Status GdipTranslateWorldTransform(GpGraphics *graphics, REAL dx, REAL dy, GpMatrixOrder order);
Status GdipGetSmoothingMode(GpGraphics *graphics, SmoothingMode *mode);
Status GdipSetSmoothingMode(GpGraphics *graphics, SmoothingMode mode);
Status GdipGetTextRenderingHint(GpGraphics *graphics, TextRenderingHint *mode);
Status GdipSetTextRenderingHint(GpGraphics *graphics, TextRenderingHint mode);
Status GdipGetCompositingQuality(GpGraphics *graphics, CompositingQuality *quality);
Status GdipSetCompositingQuality(GpGraphics *graphics, CompositingQuality quality);

Status GdipDrawLine(GpGraphics *graphics, GpPen *pen, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipDrawLineI(GpGraphics *graphics, GpPen *pen, INT x1, INT y1, INT x2, INT y2);
Status GdipDrawLines(GpGraphics *graphics, GpPen *pen, const GpPointF *points, INT count);
Status GdipDrawArc(GpGraphics *graphics, GpPen *pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                   REAL sweepAngle);
Status GdipDrawArcI(GpGraphics *graphics, GpPen *pen, INT x, INT y, INT width, INT height, REAL startAngle,
                    REAL sweepAngle);
Status GdipDrawRectangle(GpGraphics *graphics, GpPen *pen, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawRectangleI(GpGraphics *graphics, GpPen *pen, INT x, INT y, INT width, INT height);
Status GdipDrawEllipse(GpGraphics *graphics, GpPen *pen, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawEllipseI(GpGraphics *graphics, GpPen *pen, INT x, INT y, INT width, INT height);
Status GdipDrawPolygon(GpGraphics *graphics, GpPen *pen, const GpPointF *points, INT count);
Status GdipDrawCurve2(GpGraphics *graphics, GpPen *pen, const GpPointF *points, INT count, REAL tension);
Status GdipDrawPath(GpGraphics *graphics, GpPen *pen, GpPath *path);
Status GdipFillRectangle(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y, REAL width, REAL height);
Status GdipFillRectangleI(GpGraphics *graphics, GpBrush *brush, INT x, INT y, INT width, INT height);
Status GdipFillEllipse(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y, REAL width, REAL height);
Status GdipFillEllipseI(GpGraphics *graphics, GpBrush *brush, INT x, INT y, INT width, INT height);
Status GdipFillPolygon(GpGraphics *graphics, GpBrush *brush, const GpPointF *points, INT count, GpFillMode fillMode);
Status GdipFillPolygonI(GpGraphics *graphics, GpBrush *brush, const GpPoint *points, INT count, GpFillMode fillMode);
Status GdipFillPath(GpGraphics *graphics, GpBrush *brush, GpPath *path);
Status GdipFillRegion(GpGraphics *graphics, GpBrush *brush, GpRegion *region);

Status GdipDrawImage(GpGraphics *graphics, GpImage *image, REAL x, REAL y);
Status GdipDrawImageI(GpGraphics *graphics, GpImage *image, INT x, INT y);
Status GdipDrawImageRect(GpGraphics *graphics, GpImage *image, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawImageRectI(GpGraphics *graphics, GpImage *image, INT x, INT y, INT width, INT height);
// Draws the source rectangle (only UnitPixel is accepted) into the destination, through the
// image attributes when given.
Status GdipDrawImageRectRect(GpGraphics *graphics, GpImage *image, REAL dstx, REAL dsty, REAL dstwidth, REAL dstheight,
                             REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, GpUnit srcUnit,
                             const GpImageAttributes *imageAttributes, DrawImageAbort callback, void *callbackData);
Status GdipDrawImageRectRectI(GpGraphics *graphics, GpImage *image, INT dstx, INT dsty, INT dstwidth, INT dstheight,
                              INT srcx, INT srcy, INT srcwidth, INT srcheight, GpUnit srcUnit,
                              const GpImageAttributes *imageAttributes, DrawImageAbort callback, void *callbackData);

Status GdipSetClipRect(GpGraphics *graphics, REAL x, REAL y, REAL width, REAL height, CombineMode combineMode);
Status GdipSetClipRectI(GpGraphics *graphics, INT x, INT y, INT width, INT height, CombineMode combineMode);
Status GdipSetClipRegion(GpGraphics *graphics, GpRegion *region, CombineMode combineMode);
Status GdipSetClipPath(GpGraphics *graphics, GpPath *path, CombineMode combineMode);
Status GdipResetClip(GpGraphics *graphics);

// The box is the text's extent plus a sixth of the em size on each side; trailing blanks count
// only with StringFormatFlagsMeasureTrailingSpaces. A layout width of 0 means no wrapping.
Status GdipMeasureString(GpGraphics *graphics, const WCHAR *string, INT length, const GpFont *font,
                         const GpRectF *layoutRect, const GpStringFormat *stringFormat, GpRectF *boundingBox,
                         INT *codepointsFitted, INT *linesFilled);
Status GdipDrawString(GpGraphics *graphics, const WCHAR *string, INT length, const GpFont *font,
                      const GpRectF *layoutRect, const GpStringFormat *stringFormat, const GpBrush *brush);

// ---- Pens --------------------------------------------------------------------------------------

Status GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen **pen);
Status GdipCreatePen2(GpBrush *brush, REAL width, GpUnit unit, GpPen **pen);
Status GdipDeletePen(GpPen *pen);
Status GdipSetPenWidth(GpPen *pen, REAL width);
Status GdipGetPenWidth(GpPen *pen, REAL *width);
Status GdipSetPenColor(GpPen *pen, ARGB argb);
Status GdipGetPenColor(GpPen *pen, ARGB *argb);
Status GdipSetPenBrushFill(GpPen *pen, GpBrush *brush);
// A copy of the pen's brush, which the caller frees.
Status GdipGetPenBrushFill(GpPen *pen, GpBrush **brush);
Status GdipGetPenFillType(GpPen *pen, PenType *type);
Status GdipGetPenDashStyle(GpPen *pen, GpDashStyle *dashStyle);
Status GdipSetPenDashStyle(GpPen *pen, GpDashStyle dashStyle);
Status GdipSetPenStartCap(GpPen *pen, GpLineCap startCap);
Status GdipSetPenEndCap(GpPen *pen, GpLineCap endCap);

// ---- Brushes -----------------------------------------------------------------------------------

Status GdipDeleteBrush(GpBrush *brush);
Status GdipCloneBrush(GpBrush *brush, GpBrush **cloneBrush);
Status GdipGetBrushType(GpBrush *brush, BrushType *type);

Status GdipCreateSolidFill(ARGB color, GpSolidFill **brush);
Status GdipSetSolidFillColor(GpSolidFill *brush, ARGB color);
Status GdipGetSolidFillColor(GpSolidFill *brush, ARGB *color);

// 8 x 8 patterns aligned to the device pixels, repeating every 8 pixels.
Status GdipCreateHatchBrush(GpHatchStyle hatchstyle, ARGB forecol, ARGB backcol, GpHatch **brush);
Status GdipGetHatchStyle(GpHatch *brush, GpHatchStyle *hatchstyle);
Status GdipGetHatchForegroundColor(GpHatch *brush, ARGB *forecol);
Status GdipGetHatchBackgroundColor(GpHatch *brush, ARGB *backcol);

// The rectangle, when given, is the part of the image the brush tiles.
Status GdipCreateTexture(GpImage *image, GpWrapMode wrapmode, GpTexture **texture);
Status GdipCreateTexture2(GpImage *image, GpWrapMode wrapmode, REAL x, REAL y, REAL width, REAL height,
                          GpTexture **texture);
Status GdipCreateTexture2I(GpImage *image, GpWrapMode wrapmode, INT x, INT y, INT width, INT height,
                           GpTexture **texture);
Status GdipCreateTextureIA(GpImage *image, const GpImageAttributes *imageAttributes, REAL x, REAL y, REAL width,
                           REAL height, GpTexture **texture);
Status GdipCreateTextureIAI(GpImage *image, const GpImageAttributes *imageAttributes, INT x, INT y, INT width,
                            INT height, GpTexture **texture);
Status GdipResetTextureTransform(GpTexture *brush);
Status GdipTranslateTextureTransform(GpTexture *brush, REAL dx, REAL dy, GpMatrixOrder order);
Status GdipScaleTextureTransform(GpTexture *brush, REAL sx, REAL sy, GpMatrixOrder order);
Status GdipRotateTextureTransform(GpTexture *brush, REAL angle, GpMatrixOrder order);
Status GdipGetTextureWrapMode(GpTexture *brush, GpWrapMode *wrapmode);
Status GdipSetTextureWrapMode(GpTexture *brush, GpWrapMode wrapmode);
// A copy of the brush's image, which the caller disposes of.
Status GdipGetTextureImage(GpTexture *brush, GpImage **image);

Status GdipCreateLineBrush(const GpPointF *point1, const GpPointF *point2, ARGB color1, ARGB color2,
                           GpWrapMode wrapMode, GpLineGradient **lineGradient);
Status GdipCreateLineBrushI(const GpPoint *point1, const GpPoint *point2, ARGB color1, ARGB color2, GpWrapMode wrapMode,
                            GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRect(const GpRectF *rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                   GpWrapMode wrapMode, GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRectI(const GpRect *rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                    GpWrapMode wrapMode, GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRectWithAngle(const GpRectF *rect, ARGB color1, ARGB color2, REAL angle,
                                            BOOL isAngleScalable, GpWrapMode wrapMode, GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRectWithAngleI(const GpRect *rect, ARGB color1, ARGB color2, REAL angle,
                                             BOOL isAngleScalable, GpWrapMode wrapMode, GpLineGradient **lineGradient);
Status GdipSetLineGammaCorrection(GpLineGradient *brush, BOOL useGammaCorrection);
Status GdipGetLineGammaCorrection(GpLineGradient *brush, BOOL *useGammaCorrection);
// Colours at positions from 0 to 1; the first position must be 0 and the last 1.
Status GdipSetLinePresetBlend(GpLineGradient *brush, const ARGB *blend, const REAL *positions, INT count);
Status GdipGetLineColors(GpLineGradient *brush, ARGB *colors);

// The colour runs from the centre point (blend position 1) to the outline (position 0) along each
// ray from the centre; outside the path the brush paints nothing.
Status GdipCreatePathGradientFromPath(const GpPath *path, GpPathGradient **polyGradient);
Status GdipGetPathGradientCenterColor(GpPathGradient *brush, ARGB *colors);
Status GdipSetPathGradientCenterColor(GpPathGradient *brush, ARGB colors);
Status GdipGetPathGradientPointCount(GpPathGradient *brush, INT *count);
Status GdipGetPathGradientCenterPoint(GpPathGradient *brush, GpPointF *points);
Status GdipGetPathGradientCenterPointI(GpPathGradient *brush, GpPoint *points);
Status GdipSetPathGradientCenterPoint(GpPathGradient *brush, const GpPointF *points);
Status GdipSetPathGradientCenterPointI(GpPathGradient *brush, const GpPoint *points);
Status GdipSetPathGradientGammaCorrection(GpPathGradient *brush, BOOL useGammaCorrection);
Status GdipGetPathGradientWrapMode(GpPathGradient *brush, GpWrapMode *wrapmode);
Status GdipSetPathGradientWrapMode(GpPathGradient *brush, GpWrapMode wrapmode);
Status GdipSetPathGradientPresetBlend(GpPathGradient *brush, const ARGB *blend, const REAL *positions, INT count);
Status GdipGetPathGradientSurroundColorCount(GpPathGradient *brush, INT *count);
Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient *brush, ARGB *color, INT *count);
// One colour per point of the path; the last one given also serves the points after it.
Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient *brush, const ARGB *color, INT *count);

// ---- Images ------------------------------------------------------------------------------------

Status GdipLoadImageFromFile(const WCHAR *filename, GpImage **image);
Status GdipLoadImageFromFileICM(const WCHAR *filename, GpImage **image);
// Reads the stream from its position to its end.
Status GdipLoadImageFromStream(IStream *stream, GpImage **image);
Status GdipLoadImageFromStreamICM(IStream *stream, GpImage **image);
Status GdipCloneImage(GpImage *image, GpImage **cloneImage);
Status GdipDisposeImage(GpImage *image);
Status GdipGetImageWidth(GpImage *image, UINT *width);
Status GdipGetImageHeight(GpImage *image, UINT *height);
Status GdipGetImagePixelFormat(GpImage *image, PixelFormat *format);
Status GdipGetImageRawFormat(GpImage *image, GUID *format);
Status GdipGetImageThumbnail(GpImage *image, UINT thumbWidth, UINT thumbHeight, GpImage **thumbImage,
                             GetThumbnailImageAbort callback, void *callbackData);
Status GdipImageRotateFlip(GpImage *image, RotateFlipType rfType);
// BMP, PNG (deflate level 6) and JPEG (EncoderQuality, 75 by default); other encoders answer
// UnknownImageFormat.
Status GdipSaveImageToFile(GpImage *image, const WCHAR *filename, const CLSID *clsidEncoder,
                           const EncoderParameters *encoderParams);
Status GdipSaveImageToStream(GpImage *image, IStream *stream, const CLSID *clsidEncoder,
                             const EncoderParameters *encoderParams);
// Multi-frame files are not written: NotImplemented.
Status GdipSaveAddImage(GpImage *image, GpImage *newImage, const EncoderParameters *encoderParams);

Status GdipCreateBitmapFromStream(IStream *stream, GpBitmap **bitmap);
Status GdipCreateBitmapFromStreamICM(IStream *stream, GpBitmap **bitmap);
// With scan0 the bitmap draws on the caller's pixels (32-bit formats and 24bppRGB); without it
// the pixels are the bitmap's own, transparent black (or black for formats without alpha).
Status GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE *scan0, GpBitmap **bitmap);
// The pixels over the background colour as a framework bitmap the caller owns; a background that
// is not opaque (0 for a layered window) leaves the bitmap an alpha channel.
Status GdipCreateHBITMAPFromBitmap(GpBitmap *bitmap, HBITMAP *hbmReturn, ARGB background);
Status GdipBitmapGetPixel(GpBitmap *bitmap, INT x, INT y, ARGB *color);
Status GdipBitmapSetPixel(GpBitmap *bitmap, INT x, INT y, ARGB color);

// ---- Image attributes --------------------------------------------------------------------------

Status GdipCreateImageAttributes(GpImageAttributes **imageattr);
Status GdipCloneImageAttributes(const GpImageAttributes *imageattr, GpImageAttributes **cloneImageattr);
Status GdipDisposeImageAttributes(GpImageAttributes *imageattr);
Status GdipSetImageAttributesToIdentity(GpImageAttributes *imageattr, ColorAdjustType type);
Status GdipResetImageAttributes(GpImageAttributes *imageattr, ColorAdjustType type);
Status GdipSetImageAttributesColorMatrix(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                         const ColorMatrix *colorMatrix, const ColorMatrix *grayMatrix,
                                         ColorMatrixFlags flags);
Status GdipSetImageAttributesThreshold(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                       REAL threshold);
Status GdipSetImageAttributesGamma(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag, REAL gamma);
Status GdipSetImageAttributesNoOp(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag);
// Pixels whose every channel lies between the low and the high colour become transparent.
Status GdipSetImageAttributesColorKeys(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                       ARGB colorLow, ARGB colorHigh);
Status GdipSetImageAttributesOutputChannel(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                           ColorChannelFlags channelFlags);
// No colour management here: NotImplemented when enabling, Ok when clearing.
Status GdipSetImageAttributesOutputChannelColorProfile(GpImageAttributes *imageattr, ColorAdjustType type,
                                                       BOOL enableFlag, const WCHAR *colorProfileFilename);
Status GdipSetImageAttributesRemapTable(GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
                                        UINT mapSize, const ColorMap *map);
Status GdipSetImageAttributesWrapMode(GpImageAttributes *imageAttr, WrapMode wrap, ARGB argb, BOOL clamp);
Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes *imageAttr, ColorPalette *colorPalette,
                                             ColorAdjustType colorAdjustType);

// ---- Paths -------------------------------------------------------------------------------------

Status GdipCreatePath(GpFillMode brushMode, GpPath **path);
Status GdipClonePath(GpPath *path, GpPath **clonePath);
Status GdipDeletePath(GpPath *path);
Status GdipResetPath(GpPath *path);
Status GdipGetPointCount(GpPath *path, INT *count);
Status GdipGetPathWorldBounds(GpPath *path, GpRectF *bounds, const GpMatrix *matrix, const GpPen *pen);
Status GdipStartPathFigure(GpPath *path);
Status GdipClosePathFigure(GpPath *path);
Status GdipAddPathLine(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipAddPathLine2(GpPath *path, const GpPointF *points, INT count);
Status GdipAddPathLine2I(GpPath *path, const GpPoint *points, INT count);
Status GdipAddPathRectangle(GpPath *path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathRectangleI(GpPath *path, INT x, INT y, INT width, INT height);
Status GdipAddPathArc(GpPath *path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathEllipse(GpPath *path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathPie(GpPath *path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathPolygon(GpPath *path, const GpPointF *points, INT count);
Status GdipAddPathPolygonI(GpPath *path, const GpPoint *points, INT count);
// Cardinal splines through the points; tension 0.5 without one.
Status GdipAddPathCurve(GpPath *path, const GpPointF *points, INT count);
Status GdipAddPathCurveI(GpPath *path, const GpPoint *points, INT count);
Status GdipAddPathCurve2(GpPath *path, const GpPointF *points, INT count, REAL tension);
Status GdipAddPathCurve2I(GpPath *path, const GpPoint *points, INT count, REAL tension);
Status GdipAddPathBezier(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
Status GdipAddPathBeziers(GpPath *path, const GpPointF *points, INT count);
// The outlines of the text, em size in world units.
Status GdipAddPathString(GpPath *path, const WCHAR *string, INT length, const GpFontFamily *family, INT style,
                         REAL emSize, const GpRectF *layoutRect, const GpStringFormat *format);

// ---- Regions -----------------------------------------------------------------------------------

Status GdipCreateRegion(GpRegion **region);
Status GdipCreateRegionRect(const GpRectF *rect, GpRegion **region);
Status GdipCreateRegionRectI(const GpRect *rect, GpRegion **region);
Status GdipCreateRegionPath(GpPath *path, GpRegion **region);
Status GdipCloneRegion(GpRegion *region, GpRegion **cloneRegion);
Status GdipDeleteRegion(GpRegion *region);
Status GdipCombineRegionRect(GpRegion *region, const GpRectF *rect, CombineMode combineMode);
Status GdipCombineRegionPath(GpRegion *region, GpPath *path, CombineMode combineMode);
Status GdipCombineRegionRegion(GpRegion *region, GpRegion *region2, CombineMode combineMode);
Status GdipIsVisibleRegionPoint(GpRegion *region, REAL x, REAL y, GpGraphics *graphics, BOOL *result);

// ---- Matrices ----------------------------------------------------------------------------------

Status GdipCreateMatrix(GpMatrix **matrix);
Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy, GpMatrix **matrix);
// Maps the rectangle onto the parallelogram of three points (top-left, top-right, bottom-left).
Status GdipCreateMatrix3(const GpRectF *rect, const GpPointF *dstplg, GpMatrix **matrix);
Status GdipCreateMatrix3I(const GpRect *rect, const GpPoint *dstplg, GpMatrix **matrix);
Status GdipCloneMatrix(GpMatrix *matrix, GpMatrix **cloneMatrix);
Status GdipDeleteMatrix(GpMatrix *matrix);
Status GdipSetMatrixElements(GpMatrix *matrix, REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
// Six values: m11, m12, m21, m22, dx, dy.
Status GdipGetMatrixElements(const GpMatrix *matrix, REAL *matrixOut);
Status GdipMultiplyMatrix(GpMatrix *matrix, GpMatrix *matrix2, GpMatrixOrder order);
Status GdipTranslateMatrix(GpMatrix *matrix, REAL offsetX, REAL offsetY, GpMatrixOrder order);
Status GdipScaleMatrix(GpMatrix *matrix, REAL scaleX, REAL scaleY, GpMatrixOrder order);
Status GdipRotateMatrix(GpMatrix *matrix, REAL angle, GpMatrixOrder order);
Status GdipShearMatrix(GpMatrix *matrix, REAL shearX, REAL shearY, GpMatrixOrder order);
// InvalidParameter for a matrix that has no inverse.
Status GdipInvertMatrix(GpMatrix *matrix);
Status GdipTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts, INT count);
Status GdipTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts, INT count);
Status GdipVectorTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts, INT count);
Status GdipVectorTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts, INT count);
Status GdipIsMatrixInvertible(const GpMatrix *matrix, BOOL *result);
Status GdipIsMatrixIdentity(const GpMatrix *matrix, BOOL *result);

// ---- Fonts and string formats ------------------------------------------------------------------

// FontFamilyNotFound for a name the font mapping does not know.
Status GdipCreateFontFamilyFromName(const WCHAR *name, GpFontCollection *fontCollection, GpFontFamily **fontFamily);
Status GdipDeleteFontFamily(GpFontFamily *fontFamily);
Status GdipCloneFontFamily(GpFontFamily *fontFamily, GpFontFamily **clonedFontFamily);
// The name of the family (LF_FACESIZE = 32 characters with the terminating zero).
Status GdipGetFamilyName(const GpFontFamily *family, WCHAR name[32], LANGID language);
Status GdipGetGenericFontFamilySansSerif(GpFontFamily **nativeFamily);
Status GdipGetGenericFontFamilySerif(GpFontFamily **nativeFamily);
Status GdipGetGenericFontFamilyMonospace(GpFontFamily **nativeFamily);
// Units: UnitPoint, UnitPixel, UnitWorld (as pixels), UnitInch, UnitDocument, UnitMillimeter.
Status GdipCreateFont(const GpFontFamily *fontFamily, REAL emSize, INT style, INT unit, GpFont **font);
Status GdipDeleteFont(GpFont *font);
Status GdipGetFontSize(GpFont *font, REAL *size);
Status GdipGetFontStyle(GpFont *font, INT *style);

Status GdipCreateStringFormat(INT formatAttributes, LANGID language, GpStringFormat **format);
Status GdipCloneStringFormat(const GpStringFormat *format, GpStringFormat **newFormat);
Status GdipDeleteStringFormat(GpStringFormat *format);
Status GdipSetStringFormatAlign(GpStringFormat *format, StringAlignment align);
Status GdipGetStringFormatAlign(GpStringFormat *format, StringAlignment *align);
Status GdipSetStringFormatLineAlign(GpStringFormat *format, StringAlignment align);
Status GdipGetStringFormatLineAlign(GpStringFormat *format, StringAlignment *align);
Status GdipSetStringFormatFlags(GpStringFormat *format, INT flags);
Status GdipGetStringFormatFlags(GpStringFormat *format, INT *flags);
Status GdipSetStringFormatTrimming(GpStringFormat *format, StringTrimming trimming);
Status GdipGetStringFormatTrimming(GpStringFormat *format, StringTrimming *trimming);
Status GdipSetStringFormatHotkeyPrefix(GpStringFormat *format, INT hotkeyPrefix);
Status GdipGetStringFormatHotkeyPrefix(GpStringFormat *format, INT *hotkeyPrefix);
