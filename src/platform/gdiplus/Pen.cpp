// Pens: a colour or a brush, a width in world units, a dash style and line caps.

#include <QPen>

#include <cmath>

#include "platform/gdiplus/GdiPlusObjects.h"

using namespace gdiplus_detail;

namespace {

Status NewPen(GpPen **out, GpPen *p)
{
    if (!out) {
        delete p;
        return InvalidParameter;
    }
    *out = p;
    return Ok;
}

// Dash patterns in pen widths (on, off, ...).
QList<qreal> DashPattern(DashStyle style)
{
    switch (style) {
    case DashStyleDash: return {3, 1};
    case DashStyleDot: return {1, 1};
    case DashStyleDashDot: return {3, 1, 1, 1};
    case DashStyleDashDotDot: return {3, 1, 1, 1, 1, 1};
    default: return {};
    }
}

Qt::PenCapStyle CapOf(LineCap cap)
{
    switch (cap) {
    case LineCapSquare:
    case LineCapSquareAnchor: return Qt::SquareCap;
    case LineCapRound:
    case LineCapRoundAnchor: return Qt::RoundCap;
    default: return Qt::FlatCap;
    }
}

}  // namespace

namespace gdiplus_detail {

QPen MakeQPen(const GpPen &pen, const QTransform &toImage, QPoint imageOffset, const QRect &imageBounds, bool antiAlias)
{
    const QBrush brush = pen.Brush ? MakeQBrush(*pen.Brush, toImage, imageOffset, imageBounds, antiAlias, nullptr)
                                   : QBrush(ToQColor(pen.Color));
    // The pen's width on the device: narrower than one pixel draws a one-pixel line.
    const double scale = std::sqrt(std::abs(toImage.determinant()));
    const double deviceWidth = pen.Width * scale;
    QPen q(brush, pen.Width);
    q.setJoinStyle(Qt::MiterJoin);
    q.setMiterLimit(10);
    q.setCapStyle(CapOf(pen.EndCap));
    if (deviceWidth <= 1.0) {
        q.setWidthF(0);  // cosmetic: one pixel
        // A one-pixel line without smoothing covers both of its end points.
        if (!antiAlias && q.capStyle() == Qt::FlatCap)
            q.setCapStyle(Qt::SquareCap);
    }
    const QList<qreal> dashes = DashPattern(pen.Dash);
    if (!dashes.isEmpty())
        q.setDashPattern(dashes);
    return q;
}

}  // namespace gdiplus_detail

Status GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen **pen)
{
    auto *p = new GpPen;
    p->Color = color;
    p->Width = width;
    p->Unit = unit;
    return NewPen(pen, p);
}

Status GdipCreatePen2(GpBrush *brush, REAL width, GpUnit unit, GpPen **pen)
{
    if (!brush)
        return InvalidParameter;
    auto *p = new GpPen;
    p->Brush = std::make_unique<GpBrush>(*brush);
    p->Color = brush->Color;
    p->Width = width;
    p->Unit = unit;
    return NewPen(pen, p);
}

Status GdipDeletePen(GpPen *pen)
{
    if (!pen)
        return InvalidParameter;
    delete pen;
    return Ok;
}

Status GdipSetPenWidth(GpPen *pen, REAL width)
{
    if (!pen)
        return InvalidParameter;
    pen->Width = width;
    return Ok;
}

Status GdipGetPenWidth(GpPen *pen, REAL *width)
{
    if (!pen || !width)
        return InvalidParameter;
    *width = pen->Width;
    return Ok;
}

Status GdipSetPenColor(GpPen *pen, ARGB argb)
{
    if (!pen)
        return InvalidParameter;
    pen->Color = argb;
    pen->Brush.reset();
    return Ok;
}

Status GdipGetPenColor(GpPen *pen, ARGB *argb)
{
    if (!pen || !argb)
        return InvalidParameter;
    if (pen->Brush && pen->Brush->Type != BrushTypeSolidColor)
        return WrongState;
    *argb = pen->Brush ? pen->Brush->Color : pen->Color;
    return Ok;
}

Status GdipSetPenBrushFill(GpPen *pen, GpBrush *brush)
{
    if (!pen || !brush)
        return InvalidParameter;
    if (brush->Type == BrushTypeSolidColor) {
        pen->Brush.reset();
        pen->Color = brush->Color;
    }
    else {
        pen->Brush = std::make_unique<GpBrush>(*brush);
    }
    return Ok;
}

Status GdipGetPenBrushFill(GpPen *pen, GpBrush **brush)
{
    if (!pen || !brush)
        return InvalidParameter;
    if (pen->Brush) {
        *brush = new GpBrush(*pen->Brush);
    }
    else {
        *brush = new GpBrush;
        (*brush)->Color = pen->Color;
    }
    return Ok;
}

Status GdipGetPenFillType(GpPen *pen, PenType *type)
{
    if (!pen || !type)
        return InvalidParameter;
    *type = pen->Brush ? static_cast<PenType>(pen->Brush->Type) : PenTypeSolidColor;
    return Ok;
}

Status GdipGetPenDashStyle(GpPen *pen, GpDashStyle *dashStyle)
{
    if (!pen || !dashStyle)
        return InvalidParameter;
    *dashStyle = pen->Dash;
    return Ok;
}

Status GdipSetPenDashStyle(GpPen *pen, GpDashStyle dashStyle)
{
    if (!pen || dashStyle < DashStyleSolid || dashStyle > DashStyleCustom)
        return InvalidParameter;
    pen->Dash = dashStyle;
    return Ok;
}

Status GdipSetPenStartCap(GpPen *pen, GpLineCap startCap)
{
    if (!pen)
        return InvalidParameter;
    pen->StartCap = startCap;
    return Ok;
}

Status GdipSetPenEndCap(GpPen *pen, GpLineCap endCap)
{
    if (!pen)
        return InvalidParameter;
    pen->EndCap = endCap;
    return Ok;
}
