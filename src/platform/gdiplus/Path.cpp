// Paths and regions. GDI+ measures angles clockwise from the x axis with y pointing down; Qt's
// arcs run the other way, so every angle changes sign on the way in.

#include <QFontMetricsF>

#include <cmath>

#include "platform/gdiplus/GdiPlusObjects.h"

using namespace gdiplus_detail;

namespace {

// The region that holds everything.
constexpr double Infinite = 4194304.0;
QPainterPath InfiniteArea()
{
    QPainterPath p;
    p.addRect(-Infinite, -Infinite, 2 * Infinite, 2 * Infinite);
    return p;
}

// Joins the figure to `p` with a line, or starts a new figure at `p`.
void Reach(GpPath &path, const QPointF &p)
{
    if (path.Open) {
        if (path.Path.currentPosition() != p)
            path.Path.lineTo(p);
    }
    else {
        path.Path.moveTo(p);
        path.Open = true;
    }
}

template <class P>
Status AddLines(GpPath *path, const P *points, INT count)
{
    if (!path || !points || count <= 0)
        return InvalidParameter;
    for (INT i = 0; i < count; ++i) {
        const QPointF p(points[i].X, points[i].Y);
        if (i == 0)
            Reach(*path, p);
        else
            path->Path.lineTo(p);
    }
    return Ok;
}

template <class P>
Status AddPolygon(GpPath *path, const P *points, INT count)
{
    if (!path || !points || count < 3)
        return InvalidParameter;
    path->Path.moveTo(points[0].X, points[0].Y);
    for (INT i = 1; i < count; ++i)
        path->Path.lineTo(points[i].X, points[i].Y);
    path->Path.closeSubpath();
    path->Open = false;
    return Ok;
}

template <class P>
Status AddCurve(GpPath *path, const P *points, INT count, REAL tension)
{
    if (!path || !points || count < 2)
        return InvalidParameter;
    std::vector<QPointF> pts;
    for (INT i = 0; i < count; ++i)
        pts.emplace_back(points[i].X, points[i].Y);
    AddCardinal(*path, pts.data(), count, tension, false);
    return Ok;
}

Status Combine(GpRegion *region, const QPainterPath &other, CombineMode mode)
{
    if (!region)
        return InvalidParameter;
    QPainterPath &a = region->Area;
    switch (mode) {
    case CombineModeReplace: a = other; break;
    case CombineModeIntersect: a = a.intersected(other); break;
    case CombineModeUnion: a = a.united(other); break;
    case CombineModeXor: a = a.subtracted(other).united(other.subtracted(a)); break;
    case CombineModeExclude: a = a.subtracted(other); break;
    case CombineModeComplement: a = other.subtracted(a); break;
    default: return InvalidParameter;
    }
    return Ok;
}

QPainterPath RectArea(double x, double y, double w, double h)
{
    QPainterPath p;
    p.addRect(QRectF(x, y, w, h).normalized());
    return p;
}

}  // namespace

namespace gdiplus_detail {

void AddCardinal(GpPath &path, const QPointF *p, int n, double tension, bool closed)
{
    // Each piece from p[i] to p[i+1] is a cubic Bézier whose control points follow the
    // neighbours: tension / 3 of the chord p[i+1] - p[i-1] (an end point stands in for its
    // missing neighbour).
    const double t = tension / 3.0;
    auto at = [&](int i) {
        if (closed)
            return p[((i % n) + n) % n];
        return p[std::clamp(i, 0, n - 1)];
    };
    const int pieces = closed ? n : n - 1;
    path.Path.reserve(path.Path.elementCount() + 1 + 3 * pieces);
    Reach(path, p[0]);
    for (int i = 0; i < pieces; ++i) {
        const QPointF c1 = at(i) + t * (at(i + 1) - at(i - 1));
        const QPointF c2 = at(i + 1) - t * (at(i + 2) - at(i));
        path.Path.cubicTo(c1, c2, at(i + 1));
    }
    if (closed) {
        path.Path.closeSubpath();
        path.Open = false;
    }
}

}  // namespace gdiplus_detail

// ---- Paths ---------------------------------------------------------------------------------------

Status GdipCreatePath(GpFillMode brushMode, GpPath **path)
{
    if (!path)
        return InvalidParameter;
    *path = new GpPath;
    (*path)->Fill = brushMode;
    (*path)->Path.setFillRule(brushMode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    return Ok;
}

Status GdipClonePath(GpPath *path, GpPath **clonePath)
{
    if (!path || !clonePath)
        return InvalidParameter;
    *clonePath = new GpPath(*path);
    return Ok;
}

Status GdipDeletePath(GpPath *path)
{
    if (!path)
        return InvalidParameter;
    delete path;
    return Ok;
}

Status GdipResetPath(GpPath *path)
{
    if (!path)
        return InvalidParameter;
    path->Path.clear();
    path->Open = false;
    path->Fill = FillModeAlternate;
    path->Path.setFillRule(Qt::OddEvenFill);
    return Ok;
}

Status GdipGetPointCount(GpPath *path, INT *count)
{
    if (!path || !count)
        return InvalidParameter;
    *count = path->Path.elementCount();
    return Ok;
}

Status GdipGetPathWorldBounds(GpPath *path, GpRectF *bounds, const GpMatrix *matrix, const GpPen *pen)
{
    if (!path || !bounds)
        return InvalidParameter;
    QRectF r = matrix ? matrix->M.map(path->Path).boundingRect() : path->Path.boundingRect();
    if (pen) {
        const double h = pen->Width / 2;
        r.adjust(-h, -h, h, h);
    }
    *bounds = {static_cast<REAL>(r.x()), static_cast<REAL>(r.y()), static_cast<REAL>(r.width()),
               static_cast<REAL>(r.height())};
    return Ok;
}

Status GdipStartPathFigure(GpPath *path)
{
    if (!path)
        return InvalidParameter;
    path->Open = false;
    return Ok;
}

Status GdipClosePathFigure(GpPath *path)
{
    if (!path)
        return InvalidParameter;
    if (path->Open)
        path->Path.closeSubpath();
    path->Open = false;
    return Ok;
}

Status GdipAddPathLine(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2)
{
    const GpPointF p[2] = {{x1, y1}, {x2, y2}};
    return AddLines(path, p, 2);
}

Status GdipAddPathLine2(GpPath *path, const GpPointF *points, INT count)
{
    return AddLines(path, points, count);
}

Status GdipAddPathLine2I(GpPath *path, const GpPoint *points, INT count)
{
    return AddLines(path, points, count);
}

Status GdipAddPathRectangle(GpPath *path, REAL x, REAL y, REAL width, REAL height)
{
    if (!path)
        return InvalidParameter;
    if (width <= 0 || height <= 0)
        return Ok;
    const GpPointF p[4] = {{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}};
    return AddPolygon(path, p, 4);
}

Status GdipAddPathRectangleI(GpPath *path, INT x, INT y, INT width, INT height)
{
    return GdipAddPathRectangle(path, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                                static_cast<REAL>(height));
}

Status GdipAddPathArc(GpPath *path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (!path || width <= 0 || height <= 0)
        return InvalidParameter;
    const QRectF r(x, y, width, height);
    QPainterPath arc;
    arc.arcMoveTo(r, -startAngle);
    Reach(*path, arc.currentPosition());
    path->Path.arcTo(r, -startAngle, -sweepAngle);
    return Ok;
}

Status GdipAddPathEllipse(GpPath *path, REAL x, REAL y, REAL width, REAL height)
{
    if (!path)
        return InvalidParameter;
    path->Path.addEllipse(QRectF(x, y, width, height));
    path->Open = false;
    return Ok;
}

Status GdipAddPathPie(GpPath *path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (!path || width <= 0 || height <= 0)
        return InvalidParameter;
    const QRectF r(x, y, width, height);
    path->Path.moveTo(r.center());
    path->Path.arcTo(r, -startAngle, -sweepAngle);
    path->Path.closeSubpath();
    path->Open = false;
    return Ok;
}

Status GdipAddPathPolygon(GpPath *path, const GpPointF *points, INT count)
{
    return AddPolygon(path, points, count);
}

Status GdipAddPathPolygonI(GpPath *path, const GpPoint *points, INT count)
{
    return AddPolygon(path, points, count);
}

Status GdipAddPathCurve(GpPath *path, const GpPointF *points, INT count)
{
    return AddCurve(path, points, count, 0.5f);
}

Status GdipAddPathCurveI(GpPath *path, const GpPoint *points, INT count)
{
    return AddCurve(path, points, count, 0.5f);
}

Status GdipAddPathCurve2(GpPath *path, const GpPointF *points, INT count, REAL tension)
{
    return AddCurve(path, points, count, tension);
}

Status GdipAddPathCurve2I(GpPath *path, const GpPoint *points, INT count, REAL tension)
{
    return AddCurve(path, points, count, tension);
}

Status GdipAddPathBezier(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4)
{
    if (!path)
        return InvalidParameter;
    Reach(*path, QPointF(x1, y1));
    path->Path.cubicTo(x2, y2, x3, y3, x4, y4);
    return Ok;
}

Status GdipAddPathBeziers(GpPath *path, const GpPointF *points, INT count)
{
    if (!path || !points || count < 4 || (count - 1) % 3 != 0)
        return InvalidParameter;
    Reach(*path, QPointF(points[0].X, points[0].Y));
    for (INT i = 1; i + 2 < count; i += 3)
        path->Path.cubicTo(points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y, points[i + 2].X,
                           points[i + 2].Y);
    return Ok;
}

Status GdipAddPathString(GpPath *path, const WCHAR *string, INT length, const GpFontFamily *family, INT style,
                         REAL emSize, const GpRectF *layoutRect, const GpStringFormat *format)
{
    if (!path || !string || !family || !layoutRect || emSize <= 0)
        return InvalidParameter;
    const QString text = length < 0 ? QString::fromUtf16(string) : QString::fromUtf16(string, length);
    // Outlines are taken at 100 pixels and scaled to the em size.
    GpFont font{family->Family, 100, style, UnitPixel};
    const QFont qf = font.Native();
    const QFontMetricsF fm(qf);
    const double scale = emSize / 100.0;
    const QStringList lines = text.split(u'\n');
    const double lineHeight = fm.lineSpacing() * scale;
    const double total = lineHeight * lines.size();
    double y = layoutRect->Y;
    if (format && layoutRect->Height > 0) {
        if (format->LineAlign == StringAlignmentCenter)
            y += (layoutRect->Height - total) / 2;
        else if (format->LineAlign == StringAlignmentFar)
            y += layoutRect->Height - total;
    }
    for (const QString &line : lines) {
        const double w = fm.horizontalAdvance(line) * scale;
        double x = layoutRect->X + emSize / 6.0;
        if (format && format->Align != StringAlignmentNear) {
            const double room = layoutRect->Width > 0 ? layoutRect->Width - w : -w;
            x = layoutRect->X + (format->Align == StringAlignmentCenter ? room / 2 : room);
        }
        QPainterPath glyphs;
        glyphs.addText(0, fm.ascent(), qf, line);
        path->Path.addPath(QTransform(scale, 0, 0, scale, x, y).map(glyphs));
        y += lineHeight;
    }
    path->Open = false;
    return Ok;
}

// ---- Regions -------------------------------------------------------------------------------------

Status GdipCreateRegion(GpRegion **region)
{
    if (!region)
        return InvalidParameter;
    *region = new GpRegion{InfiniteArea()};
    return Ok;
}

Status GdipCreateRegionRect(const GpRectF *rect, GpRegion **region)
{
    if (!rect || !region)
        return InvalidParameter;
    *region = new GpRegion{RectArea(rect->X, rect->Y, rect->Width, rect->Height)};
    return Ok;
}

Status GdipCreateRegionRectI(const GpRect *rect, GpRegion **region)
{
    if (!rect || !region)
        return InvalidParameter;
    *region = new GpRegion{RectArea(rect->X, rect->Y, rect->Width, rect->Height)};
    return Ok;
}

Status GdipCreateRegionPath(GpPath *path, GpRegion **region)
{
    if (!path || !region)
        return InvalidParameter;
    *region = new GpRegion{path->Path};
    return Ok;
}

Status GdipCloneRegion(GpRegion *region, GpRegion **cloneRegion)
{
    if (!region || !cloneRegion)
        return InvalidParameter;
    *cloneRegion = new GpRegion(*region);
    return Ok;
}

Status GdipDeleteRegion(GpRegion *region)
{
    if (!region)
        return InvalidParameter;
    delete region;
    return Ok;
}

Status GdipCombineRegionRect(GpRegion *region, const GpRectF *rect, CombineMode combineMode)
{
    if (!rect)
        return InvalidParameter;
    return Combine(region, RectArea(rect->X, rect->Y, rect->Width, rect->Height), combineMode);
}

Status GdipCombineRegionPath(GpRegion *region, GpPath *path, CombineMode combineMode)
{
    if (!path)
        return InvalidParameter;
    return Combine(region, path->Path, combineMode);
}

Status GdipCombineRegionRegion(GpRegion *region, GpRegion *region2, CombineMode combineMode)
{
    if (!region2)
        return InvalidParameter;
    return Combine(region, region2->Area, combineMode);
}

Status GdipIsVisibleRegionPoint(GpRegion *region, REAL x, REAL y, GpGraphics *, BOOL *result)
{
    if (!region || !result)
        return InvalidParameter;
    *result = region->Area.contains(QPointF(x, y)) ? 1 : 0;
    return Ok;
}
