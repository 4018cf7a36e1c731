// TDrawing played on a painter: for printers and PDF files, where shapes stay shapes, text stays
// text and a pen one pixel wide is the device's thinnest line.
//
// A frame pixel (x, y) covers [x, x + 1) x [y, y + 1): fills and pictures cover whole pixels,
// lines run through pixel centres.

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "platform/ui/Drawing.h"

namespace {

// Text-align bits (as the canvas has them).
constexpr unsigned AlignRight = 2, AlignCenter = 6, AlignBottom = 8, AlignBaseline = 24, AlignRtl = 256;

QColor Rgb(TColor c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

Qt::PenStyle DashOf(TPenStyle s)
{
    switch (s) {
    case psDash: return Qt::DashLine;
    case psDot:
    case psAlternate: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle HatchOf(TBrushStyle s)
{
    switch (s) {
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::BDiagPattern;  // the framework's forward diagonal rises to the right
    case bsBDiagonal: return Qt::FDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

// The pen's colour under its binary raster operation on a device that cannot read back what lies
// below: only the operations that do not need it draw.
std::optional<QColor> PenColorOf(int rop2, TColor color)
{
    switch (rop2) {
    case 13: return Rgb(color);             // R2_COPYPEN
    case 1: return QColor(Qt::black);       // R2_BLACK
    case 16: return QColor(Qt::white);      // R2_WHITE
    case 4: return Rgb(~color & 0xFFFFFF);  // R2_NOTCOPYPEN
    default: return std::nullopt;
    }
}

class Painter {
public:
    Painter(const TDrawing &drawing, QPainter &painter, const QRectF &dest)
        : p_(painter), dest_(dest), sx_(dest.width() / drawing.Width()), sy_(dest.height() / drawing.Height())
    {}

    void Play(const TDrawing &drawing)
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (p_.hasClipping())
            baseClip_ = p_.clipPath();
        Clip(QRegion(0, 0, drawing.Width(), drawing.Height()));
        for (const TDrawRecord &r : drawing.Records())
            Play(r);
        p_.restore();
    }

private:
    double X(double x) const { return dest_.left() + x * sx_; }
    double Y(double y) const { return dest_.top() + y * sy_; }
    // Pixel centre.
    QPointF C(const TPoint &p) const { return QPointF(X(p.X + 0.5), Y(p.Y + 0.5)); }
    // Whole pixels of a rectangle.
    QRectF Area(const TRect &r) const { return QRectF(QPointF(X(r.Left), Y(r.Top)), QPointF(X(r.Right), Y(r.Bottom))); }
    // Pixel centres of a rectangle's outline (right and bottom edge left out).
    QRectF Outline(const TRect &r) const
    {
        return QRectF(QPointF(X(r.Left + 0.5), Y(r.Top + 0.5)), QPointF(X(r.Right - 0.5), Y(r.Bottom - 0.5)));
    }

    void Clip(const QRegion &region)
    {
        QPainterPath path;
        for (const QRect &part : region)
            path.addRect(Area(FromQRect(part)));
        if (baseClip_)
            path = path.intersected(*baseClip_);
        p_.setClipPath(path);
    }

    // The pen of a record: a cosmetic line for one pixel, a scaled width above.
    bool SetPen(const TDrawRecord &r)
    {
        const std::optional<QColor> color = PenColorOf(r.Rop2, r.Pen.Color);
        if (!color || r.Pen.Style == psClear) {
            p_.setPen(Qt::NoPen);
            return false;
        }
        QPen pen(*color);
        pen.setStyle(DashOf(r.Pen.Style));
        if (r.Pen.Width <= 1) {
            pen.setWidthF(0);
            pen.setCapStyle(Qt::FlatCap);
        } else {
            pen.setWidthF(r.Pen.Width * (sx_ + sy_) / 2);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
        }
        p_.setPen(pen);
        return true;
    }

    std::optional<QBrush> BrushOf(const TDrawRecord &r) const
    {
        if (r.Rop2 != 13)
            return std::nullopt;
        if (!r.Brush.Pattern.isNull()) {
            QBrush b(r.Brush.Pattern);
            b.setTransform(QTransform::fromScale(sx_, sy_) *
                           QTransform::fromTranslate(X(r.BrushOrg.X), Y(r.BrushOrg.Y)));
            return b;
        }
        if (r.Brush.Style == bsClear)
            return std::nullopt;
        return QBrush(Rgb(r.Brush.Color), HatchOf(r.Brush.Style));
    }

    void FillPath(const TDrawRecord &r, const QPainterPath &path)
    {
        const std::optional<QBrush> brush = BrushOf(r);
        if (!brush)
            return;
        if (brush->style() != Qt::SolidPattern && brush->style() != Qt::TexturePattern && r.OpaqueBk)
            p_.fillPath(path, Rgb(r.BkColor));
        p_.fillPath(path, *brush);
    }

    void StrokePath(const TDrawRecord &r, const QPainterPath &path)
    {
        if (!SetPen(r))
            return;
        p_.setBrush(Qt::NoBrush);
        if (r.Pen.Style != psSolid && r.Pen.Style != psInsideFrame && r.OpaqueBk) {
            QPen gaps = p_.pen();
            gaps.setStyle(Qt::SolidLine);
            gaps.setColor(Rgb(r.BkColor));
            p_.save();
            p_.setPen(gaps);
            p_.drawPath(path);
            p_.restore();
        }
        p_.drawPath(path);
    }

    // Angle in degrees (counter-clockwise from three o'clock, y down) of a point seen from a centre.
    static double AngleOf(const QPointF &c, const QPointF &p)
    {
        return std::atan2(-(p.y() - c.y()), p.x() - c.x()) * 180.0 / std::numbers::pi;
    }

    void Curve(const TDrawRecord &r)
    {
        const QRectF box = Outline(r.Box);
        QPainterPath path;
        switch (r.Kind) {
        case TDrawKind::Ellipse: path.addEllipse(box); break;
        case TDrawKind::RoundRect:
            path.addRoundedRect(box, std::min(std::abs(r.Points.at(0).X), r.Box.Width()) * sx_ / 2,
                                std::min(std::abs(r.Points.at(0).Y), r.Box.Height()) * sy_ / 2);
            break;
        default: {
            const QPointF c = box.center();
            const double start = AngleOf(c, C(r.Points.at(0)));
            double sweep = AngleOf(c, C(r.Points.at(1))) - start;
            while (sweep <= 0)
                sweep += 360;
            if (r.Kind == TDrawKind::Pie)
                path.moveTo(c);
            else
                path.arcMoveTo(box, start);
            path.arcTo(box, start, sweep);
            if (r.Kind != TDrawKind::Arc)
                path.closeSubpath();
        }
        }
        if (r.Kind != TDrawKind::Arc)
            FillPath(r, path);
        StrokePath(r, path);
    }

    void Text(const TDrawRecord &r)
    {
        const TDrawText &t = *r.Text;
        TFont scaled;
        scaled.Assign(const_cast<TFont *>(t.Font.get()));
        const double height = t.Font->Height() * sy_;
        scaled.SetHeight(static_cast<int>(std::lround(height)) != 0 ? static_cast<int>(std::lround(height))
                                                                    : (height < 0 ? -1 : 1));
        QFont font = scaled.NativeFont();
        const TTextMetric m = scaled.Metrics();
        const QFontMetricsF fm(font);
        const double width = fm.horizontalAdvance(t.Text);
        double dx = 0;
        if ((t.Align & AlignCenter) == AlignCenter)
            dx = -width / 2;
        else if (t.Align & AlignRight)
            dx = -width;
        double baseline = m.tmAscent;
        if ((t.Align & AlignBaseline) == AlignBaseline)
            baseline = 0;
        else if (t.Align & AlignBottom)
            baseline = -m.tmDescent;

        p_.save();
        if (t.Clipped)
            p_.setClipRect(Area(t.ClipRect), Qt::IntersectClip);
        p_.translate(X(r.Points.at(0).X), Y(r.Points.at(0).Y));
        if (const int esc = t.Font->Orientation(); esc != 0)
            p_.rotate(-esc / 10.0);
        const QRectF cell(dx, baseline - m.tmAscent, width, m.tmHeight);
        if (t.FillBk && width > 0)
            p_.fillRect(cell, Rgb(r.BkColor));
        p_.setFont(font);
        p_.setPen(Rgb(r.TextColor));
        if (t.Align & AlignRtl)
            p_.setLayoutDirection(Qt::RightToLeft);
        p_.drawText(QPointF(dx, baseline), t.Text);
        if (t.UnderlineFrom >= 0 && t.UnderlineCount > 0 && t.UnderlineFrom < t.Text.size()) {
            const double ux = dx + fm.horizontalAdvance(t.Text.left(t.UnderlineFrom));
            const double uw = fm.horizontalAdvance(t.Text.mid(t.UnderlineFrom, t.UnderlineCount));
            p_.fillRect(QRectF(ux, baseline + sy_, uw, sy_), Rgb(r.TextColor));
        }
        p_.restore();
    }

    void Play(const TDrawRecord &r)
    {
        switch (r.Kind) {
        case TDrawKind::Clip: Clip(r.Region); break;
        case TDrawKind::Line:
        case TDrawKind::Polyline:
        case TDrawKind::Polygon: {
            QPainterPath path(C(r.Points.at(0)));
            for (std::size_t i = 1; i < r.Points.size(); ++i)
                path.lineTo(C(r.Points[i]));
            if (r.Kind == TDrawKind::Polygon) {
                path.closeSubpath();
                path.setFillRule(r.FillMode == TPolyFillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
                FillPath(r, path);
            }
            StrokePath(r, path);
            break;
        }
        case TDrawKind::Rectangle: {
            // Without a pen the fill leaves out the right and bottom edge too.
            const bool pen = r.Pen.Style != psClear && PenColorOf(r.Rop2, r.Pen.Color);
            QPainterPath area;
            area.addRect(Area(pen ? r.Box : TRect(r.Box.Left, r.Box.Top, r.Box.Right - 1, r.Box.Bottom - 1)));
            FillPath(r, area);
            QPainterPath outline;
            outline.addRect(Outline(r.Box));
            StrokePath(r, outline);
            break;
        }
        case TDrawKind::RoundRect:
        case TDrawKind::Ellipse:
        case TDrawKind::Arc:
        case TDrawKind::Pie:
        case TDrawKind::Chord: Curve(r); break;
        case TDrawKind::Fill: {
            QPainterPath area;
            area.addRect(Area(r.Box));
            TDrawRecord copy = r;
            copy.Rop2 = 13;
            FillPath(copy, area);
            break;
        }
        case TDrawKind::Gradient: {
            const QRectF area = Area(r.Box);
            QLinearGradient g(area.topLeft(), r.Vertical ? area.bottomLeft() : area.topRight());
            g.setColorAt(0, Rgb(r.Brush.Color));
            g.setColorAt(1, Rgb(r.Color2));
            p_.fillRect(area, g);
            break;
        }
        case TDrawKind::Invert:
        case TDrawKind::FocusRect:
            // Both invert what lies below, which a printer or a PDF file cannot read back.
            break;
        case TDrawKind::Text: Text(r); break;
        case TDrawKind::Image: p_.drawImage(Area(r.Box), r.Picture); break;
        }
    }

    QPainter &p_;
    QRectF dest_;
    double sx_, sy_;
    std::optional<QPainterPath> baseClip_;
};

}  // namespace

void PaintDrawing(const TDrawing &drawing, QPainter &painter, const QRectF &dest)
{
    if (dest.isEmpty())
        return;
    Painter(drawing, painter, dest).Play(drawing);
}
