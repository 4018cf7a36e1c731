// Graphics: where the drawing lands (a canvas or an image), its world transform, clip and
// quality settings, and the drawing operations.

#include <QPainter>

#include <cmath>

#include "platform/gdiplus/GdiPlusObjects.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/CanvasPainter.h"

using namespace gdiplus_detail;

namespace {

// The device pixels a clip path covers: pixel centres (whole numbers) inside it.
QRegion ClipToRegion(const QPainterPath &path)
{
    QRegion r;
    for (const QPolygonF &poly : path.toFillPolygons())
        r += QRegion(poly.toPolygon(), path.fillRule());
    return r;
}

// One drawing operation on the graphics' target: a painter on the target's pixels with the
// canvas's clip, the graphics' clip and the world-to-image transform set up. For a canvas the
// changed pixels are reported to its surface.
class Session {
public:
    // `pictures`: images and textures sit on whole pixels, without the half-pixel shift that
    // puts anti-aliased shapes on pixel centres.
    Session(GpGraphics &g, bool pictures = false) : g_(g)
    {
        QImage *image = nullptr;
        if (g.Canvas) {
            g.Canvas->Handle();
            if (!g.Canvas->TargetImage() || g.Canvas->TargetImage()->isNull())
                return;
            canvas_.emplace(*g.Canvas);
            image = &canvas_->Image();
            offset_ = QPoint(canvas_->X(0), canvas_->Y(0));
            visible_ = canvas_->Visible();
        }
        else if (g.Target) {
            image = &g.Target->Pixels;
            visible_ = QRegion(image->rect());
        }
        if (!image || image->isNull())
            return;
        image_ = image;
        antiAlias_ = g.AntiAlias();
        const double shift = antiAlias_ && !pictures ? 0.5 : 0.0;
        toImage_ = g.World * QTransform::fromTranslate(offset_.x() + shift, offset_.y() + shift);
        if (g.Clip) {
            // Only the part over the image matters (and keeps the region's numbers small).
            QPainterPath over;
            over.addRect(QRectF(image->rect().adjusted(-2, -2, 2, 2).translated(-offset_)));
            visible_ &= ClipToRegion(g.Clip->intersected(over)).translated(offset_);
        }
        if (visible_.isEmpty())
            return;
        painter_.begin(image);
        painter_.setClipRegion(visible_);
        painter_.setRenderHint(QPainter::Antialiasing, antiAlias_);
        painter_.setTransform(toImage_);
    }

    ~Session()
    {
        if (painter_.isActive())
            painter_.end();
        if (canvas_ && !dirty_.isEmpty())
            canvas_->Touch(dirty_);
    }

    bool Ready() const { return painter_.isActive(); }
    QPainter &Painter() { return painter_; }
    const QTransform &ToImage() const { return toImage_; }
    bool AntiAlias() const { return antiAlias_; }

    QBrush Brush(const GpBrush &b, std::optional<QPainterPath> *clampArea = nullptr)
    {
        return MakeQBrush(b, toImage_, offset_, image_->rect(), antiAlias_, clampArea);
    }
    QPen Pen(const GpPen &p) { return MakeQPen(p, toImage_, offset_, image_->rect(), antiAlias_); }

    // Fills `shape` (world coordinates) with the brush.
    void Fill(const QPainterPath &shape, const GpBrush &brush)
    {
        std::optional<QPainterPath> clampArea;
        const QBrush qb = Brush(brush, &clampArea);
        if (clampArea) {
            painter_.save();
            painter_.setTransform(QTransform());
            painter_.setClipPath(*clampArea, Qt::IntersectClip);
            painter_.setTransform(toImage_);
        }
        painter_.fillPath(shape, qb);
        if (clampArea)
            painter_.restore();
        Touched(shape.controlPointRect(), 0);
    }

    // Outlines `shape` (world coordinates) with the pen.
    void Stroke(const QPainterPath &shape, const GpPen &pen)
    {
        painter_.strokePath(shape, Pen(pen));
        Touched(shape.controlPointRect(), pen.Width);
    }

    // Notes that pixels around the world rectangle changed (grown by the pen width). Shapes give
    // the rectangle of their control points, which holds the shape and costs far less to find for
    // long curves than its exact bounds.
    void Touched(const QRectF &world, double penWidth)
    {
        const double grow = std::max(2.0, std::abs(penWidth) * std::sqrt(std::abs(toImage_.determinant())) + 2);
        dirty_ |= toImage_.mapRect(world).adjusted(-grow, -grow, grow, grow).toAlignedRect() & image_->rect();
    }
    void TouchedAll() { dirty_ |= visible_.boundingRect(); }

private:
    GpGraphics &g_;
    std::optional<TCanvasPainter> canvas_;
    QImage *image_ = nullptr;
    QPoint offset_;
    QRegion visible_;
    QTransform toImage_;
    bool antiAlias_ = false;
    QPainter painter_;
    QRect dirty_;
};

QPainterPath RectPath(double x, double y, double w, double h)
{
    QPainterPath p;
    p.addRect(QRectF(x, y, w, h));
    return p;
}

QPainterPath EllipsePath(double x, double y, double w, double h)
{
    QPainterPath p;
    p.addEllipse(QRectF(x, y, w, h));
    return p;
}

QPainterPath ArcPath(double x, double y, double w, double h, double start, double sweep)
{
    QPainterPath p;
    const QRectF r(x, y, w, h);
    p.arcMoveTo(r, -start);
    p.arcTo(r, -start, -sweep);
    return p;
}

Status DoFill(GpGraphics *g, GpBrush *brush, const QPainterPath &shape)
{
    if (!g || !brush)
        return InvalidParameter;
    Session s(*g);
    if (s.Ready())
        s.Fill(shape, *brush);
    return Ok;
}

Status DoStroke(GpGraphics *g, GpPen *pen, const QPainterPath &shape)
{
    if (!g || !pen)
        return InvalidParameter;
    Session s(*g);
    if (s.Ready())
        s.Stroke(shape, *pen);
    return Ok;
}

template <class P>
QPainterPath PolygonPath(const P *points, INT count, FillMode mode)
{
    QPolygonF poly;
    for (INT i = 0; i < count; ++i)
        poly << QPointF(points[i].X, points[i].Y);
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    p.setFillRule(mode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    return p;
}

Status SetClip(GpGraphics *g, const QPainterPath &worldArea, CombineMode mode)
{
    if (!g)
        return InvalidParameter;
    const QPainterPath area = g->World.map(worldArea);
    if (mode == CombineModeReplace || (!g->Clip && mode == CombineModeIntersect)) {
        g->Clip = area;
        return Ok;
    }
    QPainterPath current = g->Clip ? *g->Clip : QPainterPath();
    if (!g->Clip) {
        current.addRect(-4194304.0, -4194304.0, 8388608.0, 8388608.0);
    }
    switch (mode) {
    case CombineModeIntersect: current = current.intersected(area); break;
    case CombineModeUnion: current = current.united(area); break;
    case CombineModeXor: current = current.subtracted(area).united(area.subtracted(current)); break;
    case CombineModeExclude: current = current.subtracted(area); break;
    case CombineModeComplement: current = area.subtracted(current); break;
    default: return InvalidParameter;
    }
    g->Clip = current;
    return Ok;
}

// Draws the source rectangle of the image into the destination (world coordinates).
Status DrawPicture(GpGraphics *g, GpImage *image, const QRectF &dst, QRectF src, const GpImageAttributes *attributes)
{
    if (!g || !image)
        return InvalidParameter;
    if (image->Pixels.isNull())
        return InvalidParameter;
    if (dst.width() == 0 || dst.height() == 0 || src.width() <= 0 || src.height() <= 0)
        return Ok;
    Session s(*g, true);
    if (!s.Ready())
        return Ok;
    QImage pixels;
    if (attributes) {
        const QRect part = src.toAlignedRect() & image->Pixels.rect();
        pixels = image->Pixels.copy(part).convertToFormat(QImage::Format_ARGB32);
        ApplyAttributes(pixels, *attributes, ColorAdjustTypeBitmap);
        src.translate(-part.topLeft());
    }
    else {
        pixels = Premultiplied(*image);
    }
    QPainter &p = s.Painter();
    // Unscaled copies keep every pixel; scaled ones are interpolated.
    const bool scaled = std::abs(dst.width() - src.width()) > 1e-6 || std::abs(dst.height() - src.height()) > 1e-6 ||
                        !s.ToImage().isTranslating();
    p.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
    p.drawImage(dst, pixels, src);
    s.Touched(dst, 0);
    return Ok;
}

}  // namespace

// ---- Graphics objects ----------------------------------------------------------------------------

Status GdipCreateFromHDC(HDC hdc, GpGraphics **graphics)
{
    if (!hdc || !graphics)
        return InvalidParameter;
    *graphics = new GpGraphics;
    (*graphics)->Canvas = hdc;
    return Ok;
}

Status GdipGetImageGraphicsContext(GpImage *image, GpGraphics **graphics)
{
    if (!image || !graphics)
        return InvalidParameter;
    const QImage::Format f = image->Pixels.format();
    if (image->Pixels.isNull() || f == QImage::Format_Indexed8 || f == QImage::Format_Mono ||
        f == QImage::Format_MonoLSB)
        return OutOfMemory;
    *graphics = new GpGraphics;
    (*graphics)->Target = image;
    return Ok;
}

Status GdipDeleteGraphics(GpGraphics *graphics)
{
    if (!graphics)
        return InvalidParameter;
    delete graphics;
    return Ok;
}

Status GdipFlush(GpGraphics *graphics, FlushIntention)
{
    return graphics ? Ok : InvalidParameter;
}

Status GdipGraphicsClear(GpGraphics *graphics, ARGB color)
{
    if (!graphics)
        return InvalidParameter;
    Session s(*graphics);
    if (!s.Ready())
        return Ok;
    QPainter &p = s.Painter();
    p.setTransform(QTransform());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(QPoint(-1000000, -1000000), QPoint(1000000, 1000000)), ToQColor(color));
    s.TouchedAll();
    return Ok;
}

Status GdipGetDC(GpGraphics *graphics, HDC *hdc)
{
    if (!graphics || !hdc)
        return InvalidParameter;
    if (!graphics->Canvas)
        return NotImplemented;
    *hdc = graphics->Canvas;
    return Ok;
}

Status GdipReleaseDC(GpGraphics *graphics, HDC hdc)
{
    if (!graphics || !hdc || hdc != graphics->Canvas)
        return InvalidParameter;
    return Ok;
}

Status GdipSetWorldTransform(GpGraphics *graphics, GpMatrix *matrix)
{
    if (!graphics || !matrix)
        return InvalidParameter;
    graphics->World = matrix->M;
    return Ok;
}

Status GdipGetWorldTransform(GpGraphics *graphics, GpMatrix *matrix)
{
    if (!graphics || !matrix)
        return InvalidParameter;
    matrix->M = graphics->World;
    return Ok;
}

Status GdipResetWorldTransform(GpGraphics *graphics)
{
    if (!graphics)
        return InvalidParameter;
    graphics->World.reset();
    return Ok;
}

Status GdipTranslateWorldTransform(GpGraphics *graphics, REAL dx, REAL dy, GpMatrixOrder order)
{
    if (!graphics)
        return InvalidParameter;
    const QTransform step = QTransform::fromTranslate(dx, dy);
    graphics->World = order == MatrixOrderAppend ? graphics->World * step : step * graphics->World;
    return Ok;
}

Status GdipGetSmoothingMode(GpGraphics *graphics, SmoothingMode *mode)
{
    if (!graphics || !mode)
        return InvalidParameter;
    *mode = graphics->Smoothing;
    return Ok;
}

Status GdipSetSmoothingMode(GpGraphics *graphics, SmoothingMode mode)
{
    if (!graphics || mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias8x8)
        return InvalidParameter;
    // Default and high speed draw without smoothing.
    graphics->Smoothing = (mode == SmoothingModeDefault || mode == SmoothingModeHighSpeed) ? SmoothingModeNone : mode;
    return Ok;
}

Status GdipGetTextRenderingHint(GpGraphics *graphics, TextRenderingHint *mode)
{
    if (!graphics || !mode)
        return InvalidParameter;
    *mode = graphics->TextHint;
    return Ok;
}

Status GdipSetTextRenderingHint(GpGraphics *graphics, TextRenderingHint mode)
{
    if (!graphics || mode < TextRenderingHintSystemDefault || mode > TextRenderingHintClearTypeGridFit)
        return InvalidParameter;
    graphics->TextHint = mode;
    return Ok;
}

Status GdipGetCompositingQuality(GpGraphics *graphics, CompositingQuality *quality)
{
    if (!graphics || !quality)
        return InvalidParameter;
    *quality = graphics->Compositing;
    return Ok;
}

Status GdipSetCompositingQuality(GpGraphics *graphics, CompositingQuality quality)
{
    if (!graphics || quality < CompositingQualityDefault || quality > CompositingQualityAssumeLinear)
        return InvalidParameter;
    graphics->Compositing = quality;
    return Ok;
}

// ---- Lines and outlines --------------------------------------------------------------------------

Status GdipDrawLine(GpGraphics *graphics, GpPen *pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    QPainterPath p;
    p.moveTo(x1, y1);
    p.lineTo(x2, y2);
    return DoStroke(graphics, pen, p);
}

Status GdipDrawLineI(GpGraphics *graphics, GpPen *pen, INT x1, INT y1, INT x2, INT y2)
{
    return GdipDrawLine(graphics, pen, static_cast<REAL>(x1), static_cast<REAL>(y1), static_cast<REAL>(x2),
                        static_cast<REAL>(y2));
}

Status GdipDrawLines(GpGraphics *graphics, GpPen *pen, const GpPointF *points, INT count)
{
    if (!points || count < 2)
        return InvalidParameter;
    QPainterPath p;
    p.moveTo(points[0].X, points[0].Y);
    for (INT i = 1; i < count; ++i)
        p.lineTo(points[i].X, points[i].Y);
    return DoStroke(graphics, pen, p);
}

Status GdipDrawArc(GpGraphics *graphics, GpPen *pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                   REAL sweepAngle)
{
    if (width <= 0 || height <= 0)
        return InvalidParameter;
    return DoStroke(graphics, pen, ArcPath(x, y, width, height, startAngle, sweepAngle));
}

Status GdipDrawArcI(GpGraphics *graphics, GpPen *pen, INT x, INT y, INT width, INT height, REAL startAngle,
                    REAL sweepAngle)
{
    return GdipDrawArc(graphics, pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                       static_cast<REAL>(height), startAngle, sweepAngle);
}

Status GdipDrawRectangle(GpGraphics *graphics, GpPen *pen, REAL x, REAL y, REAL width, REAL height)
{
    return DoStroke(graphics, pen, RectPath(x, y, width, height));
}

Status GdipDrawRectangleI(GpGraphics *graphics, GpPen *pen, INT x, INT y, INT width, INT height)
{
    return DoStroke(graphics, pen, RectPath(x, y, width, height));
}

Status GdipDrawEllipse(GpGraphics *graphics, GpPen *pen, REAL x, REAL y, REAL width, REAL height)
{
    return DoStroke(graphics, pen, EllipsePath(x, y, width, height));
}

Status GdipDrawEllipseI(GpGraphics *graphics, GpPen *pen, INT x, INT y, INT width, INT height)
{
    return DoStroke(graphics, pen, EllipsePath(x, y, width, height));
}

Status GdipDrawPolygon(GpGraphics *graphics, GpPen *pen, const GpPointF *points, INT count)
{
    if (!points || count < 2)
        return InvalidParameter;
    return DoStroke(graphics, pen, PolygonPath(points, count, FillModeAlternate));
}

Status GdipDrawCurve2(GpGraphics *graphics, GpPen *pen, const GpPointF *points, INT count, REAL tension)
{
    if (!points || count < 2)
        return InvalidParameter;
    GpPath path;
    std::vector<QPointF> pts;
    for (INT i = 0; i < count; ++i)
        pts.emplace_back(points[i].X, points[i].Y);
    AddCardinal(path, pts.data(), count, tension, false);
    return DoStroke(graphics, pen, path.Path);
}

Status GdipDrawPath(GpGraphics *graphics, GpPen *pen, GpPath *path)
{
    if (!path)
        return InvalidParameter;
    return DoStroke(graphics, pen, path->Path);
}

// ---- Fills ---------------------------------------------------------------------------------------

Status GdipFillRectangle(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y, REAL width, REAL height)
{
    return DoFill(graphics, brush, RectPath(x, y, width, height));
}

Status GdipFillRectangleI(GpGraphics *graphics, GpBrush *brush, INT x, INT y, INT width, INT height)
{
    return DoFill(graphics, brush, RectPath(x, y, width, height));
}

Status GdipFillEllipse(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y, REAL width, REAL height)
{
    return DoFill(graphics, brush, EllipsePath(x, y, width, height));
}

Status GdipFillEllipseI(GpGraphics *graphics, GpBrush *brush, INT x, INT y, INT width, INT height)
{
    return DoFill(graphics, brush, EllipsePath(x, y, width, height));
}

Status GdipFillPolygon(GpGraphics *graphics, GpBrush *brush, const GpPointF *points, INT count, GpFillMode fillMode)
{
    if (!points || count < 3)
        return InvalidParameter;
    return DoFill(graphics, brush, PolygonPath(points, count, fillMode));
}

Status GdipFillPolygonI(GpGraphics *graphics, GpBrush *brush, const GpPoint *points, INT count, GpFillMode fillMode)
{
    if (!points || count < 3)
        return InvalidParameter;
    return DoFill(graphics, brush, PolygonPath(points, count, fillMode));
}

Status GdipFillPath(GpGraphics *graphics, GpBrush *brush, GpPath *path)
{
    if (!path)
        return InvalidParameter;
    return DoFill(graphics, brush, path->Path);
}

Status GdipFillRegion(GpGraphics *graphics, GpBrush *brush, GpRegion *region)
{
    if (!region)
        return InvalidParameter;
    return DoFill(graphics, brush, region->Area);
}

// ---- Images --------------------------------------------------------------------------------------

Status GdipDrawImage(GpGraphics *graphics, GpImage *image, REAL x, REAL y)
{
    if (!image)
        return InvalidParameter;
    const QSizeF size = image->Pixels.size();
    return DrawPicture(graphics, image, QRectF(QPointF(x, y), size), QRectF(QPointF(0, 0), size), nullptr);
}

Status GdipDrawImageI(GpGraphics *graphics, GpImage *image, INT x, INT y)
{
    return GdipDrawImage(graphics, image, static_cast<REAL>(x), static_cast<REAL>(y));
}

Status GdipDrawImageRect(GpGraphics *graphics, GpImage *image, REAL x, REAL y, REAL width, REAL height)
{
    if (!image)
        return InvalidParameter;
    return DrawPicture(graphics, image, QRectF(x, y, width, height), QRectF(image->Pixels.rect()), nullptr);
}

Status GdipDrawImageRectI(GpGraphics *graphics, GpImage *image, INT x, INT y, INT width, INT height)
{
    return GdipDrawImageRect(graphics, image, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                             static_cast<REAL>(height));
}

Status GdipDrawImageRectRect(GpGraphics *graphics, GpImage *image, REAL dstx, REAL dsty, REAL dstwidth, REAL dstheight,
                             REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, GpUnit srcUnit,
                             const GpImageAttributes *imageAttributes, DrawImageAbort, void *)
{
    if (srcUnit != UnitPixel)
        return NotImplemented;
    return DrawPicture(graphics, image, QRectF(dstx, dsty, dstwidth, dstheight),
                       QRectF(srcx, srcy, srcwidth, srcheight), imageAttributes);
}

Status GdipDrawImageRectRectI(GpGraphics *graphics, GpImage *image, INT dstx, INT dsty, INT dstwidth, INT dstheight,
                              INT srcx, INT srcy, INT srcwidth, INT srcheight, GpUnit srcUnit,
                              const GpImageAttributes *imageAttributes, DrawImageAbort callback, void *callbackData)
{
    return GdipDrawImageRectRect(graphics, image, static_cast<REAL>(dstx), static_cast<REAL>(dsty),
                                 static_cast<REAL>(dstwidth), static_cast<REAL>(dstheight), static_cast<REAL>(srcx),
                                 static_cast<REAL>(srcy), static_cast<REAL>(srcwidth), static_cast<REAL>(srcheight),
                                 srcUnit, imageAttributes, callback, callbackData);
}

// ---- Clip ----------------------------------------------------------------------------------------

Status GdipSetClipRect(GpGraphics *graphics, REAL x, REAL y, REAL width, REAL height, CombineMode combineMode)
{
    return SetClip(graphics, RectPath(x, y, width, height), combineMode);
}

Status GdipSetClipRectI(GpGraphics *graphics, INT x, INT y, INT width, INT height, CombineMode combineMode)
{
    return SetClip(graphics, RectPath(x, y, width, height), combineMode);
}

Status GdipSetClipRegion(GpGraphics *graphics, GpRegion *region, CombineMode combineMode)
{
    if (!region)
        return InvalidParameter;
    return SetClip(graphics, region->Area, combineMode);
}

Status GdipSetClipPath(GpGraphics *graphics, GpPath *path, CombineMode combineMode)
{
    if (!path)
        return InvalidParameter;
    return SetClip(graphics, path->Path, combineMode);
}

Status GdipResetClip(GpGraphics *graphics)
{
    if (!graphics)
        return InvalidParameter;
    graphics->Clip.reset();
    return Ok;
}

namespace gdiplus_detail {

// For the text source: a drawing session on the graphics, used through this small door.
void PaintText(GpGraphics &g,
               const std::function<void(QPainter &, const QTransform &, bool,
                                        const std::function<QBrush(const GpBrush &)> &)> &draw,
               const QRectF &worldBounds)
{
    Session s(g);
    if (!s.Ready())
        return;
    draw(s.Painter(), s.ToImage(), s.AntiAlias(), [&](const GpBrush &b) { return s.Brush(b); });
    s.Touched(worldBounds, 0);
}

}  // namespace gdiplus_detail
