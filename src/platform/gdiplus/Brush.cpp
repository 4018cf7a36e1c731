// Brushes: solid colours, hatch patterns, textures, linear and path gradients, and how each is
// handed to a QPainter.

#include <QLinearGradient>

#include <algorithm>
#include <cmath>

#include "platform/gdiplus/GdiPlusObjects.h"

using namespace gdiplus_detail;

namespace {

// Our own 8 x 8 patterns, one per hatch style, drawn to match the names: 8 rows, bit 7 the
// leftmost pixel. The percentage styles come from an ordered dither (below).
constexpr std::uint8_t kHatch[HatchStyleTotal][8] = {
    {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // Horizontal
    {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},  // Vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // ForwardDiagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // BackwardDiagonal
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},  // Cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // DiagonalCross
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},                                                // 05Percent to 90Percent: dithered
    {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11},  // LightDownwardDiagonal
    {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88},  // LightUpwardDiagonal
    {0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66, 0x33, 0x99},  // DarkDownwardDiagonal
    {0x33, 0x66, 0xCC, 0x99, 0x33, 0x66, 0xCC, 0x99},  // DarkUpwardDiagonal
    {0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83, 0xC1},  // WideDownwardDiagonal
    {0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1, 0x83},  // WideUpwardDiagonal
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88},  // LightVertical
    {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00},  // LightHorizontal
    {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA},  // NarrowVertical
    {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00},  // NarrowHorizontal
    {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC},  // DarkVertical
    {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00},  // DarkHorizontal
    {0x00, 0x00, 0x00, 0x00, 0x88, 0x44, 0x22, 0x11},  // DashedDownwardDiagonal
    {0x00, 0x00, 0x00, 0x00, 0x11, 0x22, 0x44, 0x88},  // DashedUpwardDiagonal
    {0xF0, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00},  // DashedHorizontal
    {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08},  // DashedVertical
    {0x80, 0x08, 0x40, 0x02, 0x10, 0x01, 0x20, 0x04},  // SmallConfetti
    {0x8D, 0x0C, 0xC0, 0xD8, 0x1B, 0x03, 0x30, 0xB1},  // LargeConfetti
    {0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},  // ZigZag
    {0x00, 0x18, 0xA4, 0x03, 0x00, 0x18, 0xA4, 0x03},  // Wave
    {0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81},  // DiagonalBrick
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},  // HorizontalBrick
    {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51},  // Weave
    {0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0},  // Plaid
    {0x00, 0x20, 0x10, 0x20, 0x00, 0x04, 0x08, 0x04},  // Divot
    {0xAA, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00},  // DottedGrid
    {0x80, 0x00, 0x22, 0x00, 0x08, 0x00, 0x22, 0x00},  // DottedDiamond
    {0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01},  // Shingle
    {0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99},  // Trellis
    {0x77, 0x89, 0x8F, 0x8F, 0x77, 0x98, 0xF8, 0xF8},  // Sphere
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},  // SmallGrid
    {0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99},  // SmallCheckerBoard
    {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F},  // LargeCheckerBoard
    {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41, 0x80},  // OutlinedDiamond
    {0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00},  // SolidDiamond
};

// Share of foreground pixels of the percentage styles, in 64ths.
constexpr int kPercentCells[12] = {3, 6, 13, 16, 19, 26, 32, 38, 45, 48, 51, 58};

// 8 x 8 ordered dither thresholds.
constexpr int kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},    {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},   {63, 31, 55, 23, 61, 29, 53, 21},
};

struct HatchTable {
    std::uint8_t rows[HatchStyleTotal][8];
    HatchTable()
    {
        for (int s = 0; s < HatchStyleTotal; ++s)
            for (int y = 0; y < 8; ++y)
                rows[s][y] = kHatch[s][y];
        for (int i = 0; i < 12; ++i)
            for (int y = 0; y < 8; ++y) {
                std::uint8_t row = 0;
                for (int x = 0; x < 8; ++x)
                    if (kBayer[y][x] < kPercentCells[i])
                        row |= static_cast<std::uint8_t>(0x80 >> x);
                rows[HatchStyle05Percent + i][y] = row;
            }
    }
};

double ToLinear(int c)
{
    return std::pow(c / 255.0, 2.2);
}
int FromLinear(double v)
{
    return static_cast<int>(std::lround(std::pow(std::clamp(v, 0.0, 1.0), 1 / 2.2) * 255.0));
}

QImage PremultipliedTile(const QImage &tile, WrapMode wrap)
{
    const QImage t = tile.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const bool fx = wrap == WrapModeTileFlipX || wrap == WrapModeTileFlipXY;
    const bool fy = wrap == WrapModeTileFlipY || wrap == WrapModeTileFlipXY;
    if (!fx && !fy)
        return t;
    // One tile and its mirror images side by side make a plain repeating tile.
    QImage big(t.width() * (fx ? 2 : 1), t.height() * (fy ? 2 : 1), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < big.height(); ++y) {
        const int sy = y < t.height() ? y : 2 * t.height() - 1 - y;
        const auto *src = reinterpret_cast<const QRgb *>(t.constScanLine(sy));
        auto *dst = reinterpret_cast<QRgb *>(big.scanLine(y));
        for (int x = 0; x < big.width(); ++x)
            dst[x] = src[x < t.width() ? x : 2 * t.width() - 1 - x];
    }
    return big;
}

Status NewBrush(GpBrush **out, GpBrush b)
{
    if (!out)
        return InvalidParameter;
    *out = new GpBrush(std::move(b));
    return Ok;
}

// ---- Linear gradients ----------------------------------------------------------------------------

// A gradient over the rectangle whose blend position runs along `angle` (degrees, clockwise from
// the x axis): 0 at the corner met first, 1 at the corner met last. A scalable angle is measured
// in the rectangle's own proportions (45 degrees runs corner to corner).
Status LineFromRect(const QRectF &r, ARGB c1, ARGB c2, double angle, bool scalable, WrapMode wrap, GpBrush **out)
{
    if (!out || r.width() <= 0 || r.height() <= 0 || wrap == WrapModeClamp)
        return InvalidParameter;
    const double a = angle * M_PI / 180.0;
    double dx = std::cos(a), dy = std::sin(a);
    // In unit-square terms u = (x - X) / W, v = (y - Y) / H when scalable.
    double ax = dx, ay = dy;
    if (scalable) {
        ax = dx / r.width();
        ay = dy / r.height();
    }
    const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
    double lo = 1e300, hi = -1e300;
    for (const QPointF &c : corners) {
        const double p = ax * c.x() + ay * c.y();
        lo = std::min(lo, p);
        hi = std::max(hi, p);
    }
    if (hi - lo <= 1e-12)
        return InvalidParameter;
    GpBrush b;
    b.Type = BrushTypeLinearGradient;
    b.Color = c1;
    b.Color2 = c2;
    b.Wrap = wrap;
    b.GradA = ax / (hi - lo);
    b.GradB = ay / (hi - lo);
    b.GradC = -lo / (hi - lo);
    return NewBrush(out, std::move(b));
}

Status LineFromPoints(QPointF p1, QPointF p2, ARGB c1, ARGB c2, WrapMode wrap, GpBrush **out)
{
    const QPointF d = p2 - p1;
    const double len2 = d.x() * d.x() + d.y() * d.y();
    if (!out || len2 <= 0 || wrap == WrapModeClamp)
        return InvalidParameter;
    GpBrush b;
    b.Type = BrushTypeLinearGradient;
    b.Color = c1;
    b.Color2 = c2;
    b.Wrap = wrap;
    b.GradA = d.x() / len2;
    b.GradB = d.y() / len2;
    b.GradC = -(p1.x() * d.x() + p1.y() * d.y()) / len2;
    return NewBrush(out, std::move(b));
}

double ModeAngle(LinearGradientMode mode)
{
    switch (mode) {
    case LinearGradientModeHorizontal: return 0;
    case LinearGradientModeVertical: return 90;
    case LinearGradientModeForwardDiagonal: return 45;
    case LinearGradientModeBackwardDiagonal: return 135;
    }
    return 0;
}

Status SetPreset(std::vector<ARGB> &colors, std::vector<REAL> &positions, const ARGB *blend, const REAL *pos, INT count)
{
    if (!blend || !pos || count < 2)
        return InvalidParameter;
    if (pos[0] != 0.0f || pos[count - 1] != 1.0f)
        return InvalidParameter;
    for (INT i = 1; i < count; ++i)
        if (pos[i] < pos[i - 1])
            return InvalidParameter;
    colors.assign(blend, blend + count);
    positions.assign(pos, pos + count);
    return Ok;
}

// ---- Path gradients ------------------------------------------------------------------------------

// The outline of a path gradient as seen from its centre: for each of `Bins` directions, the
// distance to the outline and the outline's colour there.
class OutlineRays {
public:
    static constexpr int Bins = 1024;

    OutlineRays(const GpBrush &b, const QTransform &toImage)
    {
        const QPointF c = toImage.map(b.Center);
        center_ = c;
        std::vector<Edge> edges = Edges(b, toImage);
        for (int k = 0; k < Bins; ++k) {
            const double a = 2 * M_PI * k / Bins;
            const QPointF d(std::cos(a), std::sin(a));
            double best = 0;
            ARGB color = b.Surround.empty() ? 0 : b.Surround.front();
            for (const Edge &e : edges) {
                const QPointF ev = e.b - e.a, ac = e.a - c;
                const double denom = d.x() * ev.y() - d.y() * ev.x();
                if (std::abs(denom) < 1e-12)
                    continue;
                const double s = (ac.x() * ev.y() - ac.y() * ev.x()) / denom;
                const double u = (ac.x() * d.y() - ac.y() * d.x()) / denom;
                if (s >= 0 && u >= -1e-9 && u <= 1 + 1e-9 && s > best) {
                    best = s;
                    color = e.ca == e.cb ? e.ca : Blend(e.ca, e.cb, std::clamp(u, 0.0, 1.0), false);
                }
            }
            dist_[k] = best;
            color_[k] = color;
        }
    }

    const QPointF &Center() const { return center_; }
    // Distance to the outline towards `v` (from the centre) and the outline colour there.
    double Reach(const QPointF &v, ARGB &color) const
    {
        double a = std::atan2(v.y(), v.x());
        if (a < 0)
            a += 2 * M_PI;
        const double f = a / (2 * M_PI) * Bins;
        const int k0 = static_cast<int>(f) % Bins, k1 = (k0 + 1) % Bins;
        const double t = f - std::floor(f);
        color = t < 0.5 ? color_[k0] : color_[k1];
        return dist_[k0] * (1 - t) + dist_[k1] * t;
    }

private:
    struct Edge {
        QPointF a, b;
        ARGB ca, cb;
    };

    // The outline as straight edges, each end with its surround colour (one per path point, the
    // last colour serving the points after it).
    static std::vector<Edge> Edges(const GpBrush &b, const QTransform &toImage)
    {
        std::vector<Edge> edges;
        const QPainterPath &p = b.Shape;
        auto colorOf = [&](int index) {
            if (b.Surround.empty())
                return ARGB(0);
            return b.Surround[std::min<std::size_t>(static_cast<std::size_t>(index), b.Surround.size() - 1)];
        };
        QPointF start, last;
        ARGB startColor = 0, lastColor = 0;
        bool open = false;
        auto lineTo = [&](QPointF to, ARGB color) {
            edges.push_back({last, to, lastColor, color});
            last = to;
            lastColor = color;
        };
        auto closeFigure = [&] {
            if (open && last != start)
                lineTo(start, startColor);
        };
        for (int i = 0; i < p.elementCount(); ++i) {
            const QPainterPath::Element e = p.elementAt(i);
            const QPointF pt = toImage.map(QPointF(e.x, e.y));
            if (e.isMoveTo()) {
                closeFigure();
                start = last = pt;
                startColor = lastColor = colorOf(i);
                open = true;
            }
            else if (e.isLineTo()) {
                lineTo(pt, colorOf(i));
            }
            else if (e.isCurveTo() && i + 2 < p.elementCount()) {
                const QPointF c1 = pt;
                const QPointF c2 = toImage.map(QPointF(p.elementAt(i + 1).x, p.elementAt(i + 1).y));
                const QPointF end = toImage.map(QPointF(p.elementAt(i + 2).x, p.elementAt(i + 2).y));
                const ARGB from = lastColor, to = colorOf(i + 2);
                const QPointF p0 = last;
                const double len = QLineF(p0, c1).length() + QLineF(c1, c2).length() + QLineF(c2, end).length();
                const int steps = std::clamp(static_cast<int>(len / 2), 4, 64);
                for (int s = 1; s <= steps; ++s) {
                    const double t = static_cast<double>(s) / steps, u = 1 - t;
                    const QPointF q = u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * end;
                    lineTo(q, from == to ? from : Blend(from, to, t, false));
                }
                i += 2;
            }
        }
        closeFigure();
        return edges;
    }

    QPointF center_;
    double dist_[Bins];
    ARGB color_[Bins];
};

// The path gradient over the image pixels of `area` (image coordinates), transparent outside
// its outline.
QImage RenderPathGradient(const GpBrush &b, const QTransform &toImage, const QRect &area)
{
    QImage out(area.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(0);
    const OutlineRays rays(b, toImage);
    const bool preset = b.BlendColors.size() >= 2;
    for (int y = 0; y < area.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            // The pixel's centre in the gradient's terms (whole numbers, as GDI+ places them).
            const QPointF v = QPointF(area.left() + x, area.top() + y) - rays.Center();
            const double r = std::hypot(v.x(), v.y());
            ARGB surround = 0;
            const double reach = rays.Reach(v, surround);
            if (r > reach + 1e-9 && !(reach == 0 && r == 0))
                continue;
            const double t = reach > 0 ? r / reach : 0;  // 0 at the centre, 1 on the outline
            const ARGB c = preset ? PresetColor(b.BlendColors, b.BlendPositions, 1 - t, b.Gamma)
                                  : Blend(surround, b.CenterColor, 1 - t, b.Gamma);
            line[x] = qPremultiply(c);
        }
    }
    return out;
}

}  // namespace

namespace gdiplus_detail {

ARGB Blend(ARGB a, ARGB b, double t, bool gamma)
{
    t = std::clamp(t, 0.0, 1.0);
    ARGB out = 0;
    for (int shift = 0; shift <= 24; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        int v;
        if (gamma && shift < 24)
            v = FromLinear(ToLinear(ca) * (1 - t) + ToLinear(cb) * t);
        else
            v = static_cast<int>(std::lround(ca + (cb - ca) * t));
        out |= static_cast<ARGB>(std::clamp(v, 0, 255)) << shift;
    }
    return out;
}

ARGB PresetColor(const std::vector<ARGB> &colors, const std::vector<REAL> &positions, double t, bool gamma)
{
    if (colors.empty())
        return 0;
    if (t <= positions.front())
        return colors.front();
    for (std::size_t i = 1; i < colors.size(); ++i)
        if (t <= positions[i]) {
            const double span = positions[i] - positions[i - 1];
            return Blend(colors[i - 1], colors[i], span > 0 ? (t - positions[i - 1]) / span : 1, gamma);
        }
    return colors.back();
}

const std::uint8_t *HatchPattern(HatchStyle style)
{
    static const HatchTable table;
    const int s = std::clamp(static_cast<int>(style), 0, HatchStyleTotal - 1);
    return table.rows[s];
}

QBrush MakeQBrush(const GpBrush &b, const QTransform &toImage, QPoint imageOffset, const QRect &imageBounds,
                  bool antiAlias, std::optional<QPainterPath> *clampArea)
{
    bool invertible = false;
    const QTransform fromImage = toImage.inverted(&invertible);
    const double shift = antiAlias ? 0.5 : 0.0;
    // The world-to-image transform without the half-pixel shift of anti-aliased shapes: pixels
    // of patterns and pictures sit on whole image pixels.
    const QTransform toPixels = toImage * QTransform::fromTranslate(-shift, -shift);
    switch (b.Type) {
    case BrushTypeSolidColor: return QBrush(ToQColor(b.Color));
    case BrushTypeHatchFill: {
        const std::uint8_t *rows = HatchPattern(b.Hatch);
        QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
        const QRgb fore = qPremultiply(b.Color), back = qPremultiply(b.BackColor);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                tile.setPixel(x, y, (rows[y] & (0x80 >> x)) ? fore : back);
        QBrush q(tile);
        // The pattern is fixed to the device pixels, whatever the world transform.
        if (invertible)
            q.setTransform(QTransform::fromTranslate(imageOffset.x(), imageOffset.y()) * fromImage);
        return q;
    }
    case BrushTypeTextureFill: {
        if (b.Tile.isNull())
            return QBrush(Qt::NoBrush);
        QBrush q(PremultipliedTile(b.Tile, b.Wrap));
        if (invertible)
            q.setTransform(b.Transform * toPixels * fromImage);
        if (b.Wrap == WrapModeClamp && clampArea) {
            QPainterPath area;
            area.addRect(QRectF(b.Tile.rect()));
            *clampArea = (b.Transform * toPixels).map(area);
        }
        return q;
    }
    case BrushTypeLinearGradient: {
        // Blend position t = A x + B y + C: from the point where t = 0 one unit of t along the
        // gradient's direction.
        const double g2 = b.GradA * b.GradA + b.GradB * b.GradB;
        if (g2 <= 0)
            return QBrush(ToQColor(b.Color));
        const QPointF dir(b.GradA / g2, b.GradB / g2);
        const QPointF start = -b.GradC * dir;
        QLinearGradient lg(start, start + dir);
        lg.setSpread(b.Wrap == WrapModeTile ? QGradient::RepeatSpread : QGradient::ReflectSpread);
        const bool preset = b.BlendColors.size() >= 2;
        const int stops = (preset || b.Gamma) ? 64 : 2;
        for (int i = 0; i < stops; ++i) {
            const double t = static_cast<double>(i) / (stops - 1);
            const ARGB c = preset ? PresetColor(b.BlendColors, b.BlendPositions, t, b.Gamma)
                                  : Blend(b.Color, b.Color2, t, b.Gamma);
            lg.setColorAt(t, ToQColor(c));
        }
        QBrush q(lg);
        // Qt takes a gradient's colour at pixel centres half a pixel off whole coordinates.
        if (invertible)
            q.setTransform(toImage * QTransform::fromTranslate(0.5 - shift, 0.5 - shift) * fromImage);
        return q;
    }
    case BrushTypePathGradient: {
        const QRect area = toPixels.map(b.Shape).boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & imageBounds;
        if (area.isEmpty())
            return QBrush(Qt::NoBrush);
        QBrush q(RenderPathGradient(b, toPixels, area));
        if (invertible)
            q.setTransform(QTransform::fromTranslate(area.left(), area.top()) * fromImage);
        return q;
    }
    }
    return QBrush(Qt::NoBrush);
}

}  // namespace gdiplus_detail

// ---- Any brush -----------------------------------------------------------------------------------

Status GdipDeleteBrush(GpBrush *brush)
{
    if (!brush)
        return InvalidParameter;
    delete brush;
    return Ok;
}

Status GdipCloneBrush(GpBrush *brush, GpBrush **cloneBrush)
{
    if (!brush || !cloneBrush)
        return InvalidParameter;
    *cloneBrush = new GpBrush(*brush);
    return Ok;
}

Status GdipGetBrushType(GpBrush *brush, BrushType *type)
{
    if (!brush || !type)
        return InvalidParameter;
    *type = brush->Type;
    return Ok;
}

// ---- Solid ---------------------------------------------------------------------------------------

Status GdipCreateSolidFill(ARGB color, GpSolidFill **brush)
{
    GpBrush b;
    b.Color = color;
    return NewBrush(brush, std::move(b));
}

Status GdipSetSolidFillColor(GpSolidFill *brush, ARGB color)
{
    if (!brush || brush->Type != BrushTypeSolidColor)
        return InvalidParameter;
    brush->Color = color;
    return Ok;
}

Status GdipGetSolidFillColor(GpSolidFill *brush, ARGB *color)
{
    if (!brush || !color || brush->Type != BrushTypeSolidColor)
        return InvalidParameter;
    *color = brush->Color;
    return Ok;
}

// ---- Hatch ---------------------------------------------------------------------------------------

Status GdipCreateHatchBrush(GpHatchStyle hatchstyle, ARGB forecol, ARGB backcol, GpHatch **brush)
{
    if (hatchstyle < HatchStyleMin || hatchstyle > HatchStyleMax)
        return InvalidParameter;
    GpBrush b;
    b.Type = BrushTypeHatchFill;
    b.Hatch = hatchstyle;
    b.Color = forecol;
    b.BackColor = backcol;
    return NewBrush(brush, std::move(b));
}

Status GdipGetHatchStyle(GpHatch *brush, GpHatchStyle *hatchstyle)
{
    if (!brush || !hatchstyle || brush->Type != BrushTypeHatchFill)
        return InvalidParameter;
    *hatchstyle = brush->Hatch;
    return Ok;
}

Status GdipGetHatchForegroundColor(GpHatch *brush, ARGB *forecol)
{
    if (!brush || !forecol || brush->Type != BrushTypeHatchFill)
        return InvalidParameter;
    *forecol = brush->Color;
    return Ok;
}

Status GdipGetHatchBackgroundColor(GpHatch *brush, ARGB *backcol)
{
    if (!brush || !backcol || brush->Type != BrushTypeHatchFill)
        return InvalidParameter;
    *backcol = brush->BackColor;
    return Ok;
}

// ---- Texture -------------------------------------------------------------------------------------

namespace {

Status MakeTexture(GpImage *image, WrapMode wrap, std::optional<QRectF> part, const GpImageAttributes *attributes,
                   GpTexture **texture)
{
    if (!image || !texture || wrap < WrapModeTile || wrap > WrapModeClamp)
        return InvalidParameter;
    QImage pixels = image->Pixels.convertToFormat(QImage::Format_ARGB32);
    if (part) {
        const QRect r = part->toRect();
        if (r.isEmpty() || !pixels.rect().contains(r))
            return OutOfMemory;
        pixels = pixels.copy(r);
    }
    if (pixels.isNull())
        return InvalidParameter;
    if (attributes) {
        ApplyAttributes(pixels, *attributes, ColorAdjustTypeBrush);
        wrap = attributes->Wrap;
    }
    GpBrush b;
    b.Type = BrushTypeTextureFill;
    b.Image = std::make_shared<GpImage>(*image);
    b.Tile = pixels;
    b.Wrap = wrap;
    return NewBrush(texture, std::move(b));
}

Status TextureTransform(GpTexture *brush, const QTransform &step, GpMatrixOrder order)
{
    if (!brush || brush->Type != BrushTypeTextureFill)
        return InvalidParameter;
    brush->Transform = order == MatrixOrderAppend ? brush->Transform * step : step * brush->Transform;
    return Ok;
}

}  // namespace

Status GdipCreateTexture(GpImage *image, GpWrapMode wrapmode, GpTexture **texture)
{
    return MakeTexture(image, wrapmode, std::nullopt, nullptr, texture);
}

Status GdipCreateTexture2(GpImage *image, GpWrapMode wrapmode, REAL x, REAL y, REAL width, REAL height,
                          GpTexture **texture)
{
    return MakeTexture(image, wrapmode, QRectF(x, y, width, height), nullptr, texture);
}

Status GdipCreateTexture2I(GpImage *image, GpWrapMode wrapmode, INT x, INT y, INT width, INT height,
                           GpTexture **texture)
{
    return MakeTexture(image, wrapmode, QRectF(x, y, width, height), nullptr, texture);
}

Status GdipCreateTextureIA(GpImage *image, const GpImageAttributes *imageAttributes, REAL x, REAL y, REAL width,
                           REAL height, GpTexture **texture)
{
    return MakeTexture(image, WrapModeTile, QRectF(x, y, width, height), imageAttributes, texture);
}

Status GdipCreateTextureIAI(GpImage *image, const GpImageAttributes *imageAttributes, INT x, INT y, INT width,
                            INT height, GpTexture **texture)
{
    return MakeTexture(image, WrapModeTile, QRectF(x, y, width, height), imageAttributes, texture);
}

Status GdipResetTextureTransform(GpTexture *brush)
{
    if (!brush || brush->Type != BrushTypeTextureFill)
        return InvalidParameter;
    brush->Transform.reset();
    return Ok;
}

Status GdipTranslateTextureTransform(GpTexture *brush, REAL dx, REAL dy, GpMatrixOrder order)
{
    return TextureTransform(brush, QTransform::fromTranslate(dx, dy), order);
}

Status GdipScaleTextureTransform(GpTexture *brush, REAL sx, REAL sy, GpMatrixOrder order)
{
    return TextureTransform(brush, QTransform::fromScale(sx, sy), order);
}

Status GdipRotateTextureTransform(GpTexture *brush, REAL angle, GpMatrixOrder order)
{
    const double a = angle * M_PI / 180.0;
    return TextureTransform(brush, QTransform(std::cos(a), std::sin(a), -std::sin(a), std::cos(a), 0, 0), order);
}

Status GdipGetTextureWrapMode(GpTexture *brush, GpWrapMode *wrapmode)
{
    if (!brush || !wrapmode || brush->Type != BrushTypeTextureFill)
        return InvalidParameter;
    *wrapmode = brush->Wrap;
    return Ok;
}

Status GdipSetTextureWrapMode(GpTexture *brush, GpWrapMode wrapmode)
{
    if (!brush || brush->Type != BrushTypeTextureFill || wrapmode < WrapModeTile || wrapmode > WrapModeClamp)
        return InvalidParameter;
    brush->Wrap = wrapmode;
    return Ok;
}

Status GdipGetTextureImage(GpTexture *brush, GpImage **image)
{
    if (!brush || !image || brush->Type != BrushTypeTextureFill || !brush->Image)
        return InvalidParameter;
    *image = new GpImage(*brush->Image);
    return Ok;
}

// ---- Linear gradient -----------------------------------------------------------------------------

Status GdipCreateLineBrush(const GpPointF *point1, const GpPointF *point2, ARGB color1, ARGB color2,
                           GpWrapMode wrapMode, GpLineGradient **lineGradient)
{
    if (!point1 || !point2)
        return InvalidParameter;
    return LineFromPoints({point1->X, point1->Y}, {point2->X, point2->Y}, color1, color2, wrapMode, lineGradient);
}

Status GdipCreateLineBrushI(const GpPoint *point1, const GpPoint *point2, ARGB color1, ARGB color2, GpWrapMode wrapMode,
                            GpLineGradient **lineGradient)
{
    if (!point1 || !point2)
        return InvalidParameter;
    return LineFromPoints(QPointF(point1->X, point1->Y), QPointF(point2->X, point2->Y), color1, color2, wrapMode,
                          lineGradient);
}

Status GdipCreateLineBrushFromRect(const GpRectF *rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                   GpWrapMode wrapMode, GpLineGradient **lineGradient)
{
    if (!rect || mode < LinearGradientModeHorizontal || mode > LinearGradientModeBackwardDiagonal)
        return InvalidParameter;
    return LineFromRect(QRectF(rect->X, rect->Y, rect->Width, rect->Height), color1, color2, ModeAngle(mode), true,
                        wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectI(const GpRect *rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                    GpWrapMode wrapMode, GpLineGradient **lineGradient)
{
    if (!rect)
        return InvalidParameter;
    const GpRectF r{static_cast<REAL>(rect->X), static_cast<REAL>(rect->Y), static_cast<REAL>(rect->Width),
                    static_cast<REAL>(rect->Height)};
    return GdipCreateLineBrushFromRect(&r, color1, color2, mode, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngle(const GpRectF *rect, ARGB color1, ARGB color2, REAL angle,
                                            BOOL isAngleScalable, GpWrapMode wrapMode, GpLineGradient **lineGradient)
{
    if (!rect)
        return InvalidParameter;
    return LineFromRect(QRectF(rect->X, rect->Y, rect->Width, rect->Height), color1, color2, angle,
                        isAngleScalable != 0, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngleI(const GpRect *rect, ARGB color1, ARGB color2, REAL angle,
                                             BOOL isAngleScalable, GpWrapMode wrapMode, GpLineGradient **lineGradient)
{
    if (!rect)
        return InvalidParameter;
    return LineFromRect(QRectF(rect->X, rect->Y, rect->Width, rect->Height), color1, color2, angle,
                        isAngleScalable != 0, wrapMode, lineGradient);
}

Status GdipSetLineGammaCorrection(GpLineGradient *brush, BOOL useGammaCorrection)
{
    if (!brush || brush->Type != BrushTypeLinearGradient)
        return InvalidParameter;
    brush->Gamma = useGammaCorrection != 0;
    return Ok;
}

Status GdipGetLineGammaCorrection(GpLineGradient *brush, BOOL *useGammaCorrection)
{
    if (!brush || !useGammaCorrection || brush->Type != BrushTypeLinearGradient)
        return InvalidParameter;
    *useGammaCorrection = brush->Gamma ? 1 : 0;
    return Ok;
}

Status GdipSetLinePresetBlend(GpLineGradient *brush, const ARGB *blend, const REAL *positions, INT count)
{
    if (!brush || brush->Type != BrushTypeLinearGradient)
        return InvalidParameter;
    return SetPreset(brush->BlendColors, brush->BlendPositions, blend, positions, count);
}

Status GdipGetLineColors(GpLineGradient *brush, ARGB *colors)
{
    if (!brush || !colors || brush->Type != BrushTypeLinearGradient)
        return InvalidParameter;
    colors[0] = brush->Color;
    colors[1] = brush->Color2;
    return Ok;
}

// ---- Path gradient -------------------------------------------------------------------------------

Status GdipCreatePathGradientFromPath(const GpPath *path, GpPathGradient **polyGradient)
{
    if (!path || !polyGradient || path->Path.elementCount() < 2)
        return InvalidParameter;
    GpBrush b;
    b.Type = BrushTypePathGradient;
    b.Shape = path->Path;
    b.ShapeFill = path->Fill;
    b.PointCount = path->Path.elementCount();
    // The centre is the middle of the path's bounds: the mean of its points would count the
    // control points of its curves and the closing point too, and lean to one side.
    b.Center = path->Path.boundingRect().center();
    b.CenterColor = 0xFF000000;
    b.Surround = {0xFFFFFFFF};
    b.Wrap = WrapModeClamp;
    return NewBrush(polyGradient, std::move(b));
}

#define PATH_GRADIENT_GUARD(brush)                                                                                     \
    if (!(brush) || (brush)->Type != BrushTypePathGradient)                                                            \
    return InvalidParameter

Status GdipGetPathGradientCenterColor(GpPathGradient *brush, ARGB *colors)
{
    PATH_GRADIENT_GUARD(brush);
    if (!colors)
        return InvalidParameter;
    *colors = brush->CenterColor;
    return Ok;
}

Status GdipSetPathGradientCenterColor(GpPathGradient *brush, ARGB colors)
{
    PATH_GRADIENT_GUARD(brush);
    brush->CenterColor = colors;
    return Ok;
}

Status GdipGetPathGradientPointCount(GpPathGradient *brush, INT *count)
{
    PATH_GRADIENT_GUARD(brush);
    if (!count)
        return InvalidParameter;
    *count = brush->PointCount;
    return Ok;
}

Status GdipGetPathGradientCenterPoint(GpPathGradient *brush, GpPointF *points)
{
    PATH_GRADIENT_GUARD(brush);
    if (!points)
        return InvalidParameter;
    *points = {static_cast<REAL>(brush->Center.x()), static_cast<REAL>(brush->Center.y())};
    return Ok;
}

Status GdipGetPathGradientCenterPointI(GpPathGradient *brush, GpPoint *points)
{
    PATH_GRADIENT_GUARD(brush);
    if (!points)
        return InvalidParameter;
    *points = {static_cast<INT>(std::lround(brush->Center.x())), static_cast<INT>(std::lround(brush->Center.y()))};
    return Ok;
}

Status GdipSetPathGradientCenterPoint(GpPathGradient *brush, const GpPointF *points)
{
    PATH_GRADIENT_GUARD(brush);
    if (!points)
        return InvalidParameter;
    brush->Center = QPointF(points->X, points->Y);
    return Ok;
}

Status GdipSetPathGradientCenterPointI(GpPathGradient *brush, const GpPoint *points)
{
    PATH_GRADIENT_GUARD(brush);
    if (!points)
        return InvalidParameter;
    brush->Center = QPointF(points->X, points->Y);
    return Ok;
}

Status GdipSetPathGradientGammaCorrection(GpPathGradient *brush, BOOL useGammaCorrection)
{
    PATH_GRADIENT_GUARD(brush);
    brush->Gamma = useGammaCorrection != 0;
    return Ok;
}

Status GdipGetPathGradientWrapMode(GpPathGradient *brush, GpWrapMode *wrapmode)
{
    PATH_GRADIENT_GUARD(brush);
    if (!wrapmode)
        return InvalidParameter;
    *wrapmode = brush->Wrap;
    return Ok;
}

Status GdipSetPathGradientWrapMode(GpPathGradient *brush, GpWrapMode wrapmode)
{
    PATH_GRADIENT_GUARD(brush);
    if (wrapmode < WrapModeTile || wrapmode > WrapModeClamp)
        return InvalidParameter;
    brush->Wrap = wrapmode;
    return Ok;
}

Status GdipSetPathGradientPresetBlend(GpPathGradient *brush, const ARGB *blend, const REAL *positions, INT count)
{
    PATH_GRADIENT_GUARD(brush);
    return SetPreset(brush->BlendColors, brush->BlendPositions, blend, positions, count);
}

Status GdipGetPathGradientSurroundColorCount(GpPathGradient *brush, INT *count)
{
    PATH_GRADIENT_GUARD(brush);
    if (!count)
        return InvalidParameter;
    *count = static_cast<INT>(brush->Surround.size());
    return Ok;
}

Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient *brush, ARGB *color, INT *count)
{
    PATH_GRADIENT_GUARD(brush);
    if (!color || !count)
        return InvalidParameter;
    const INT have = static_cast<INT>(brush->Surround.size());
    if (*count < have)
        return InsufficientBuffer;
    std::copy(brush->Surround.begin(), brush->Surround.end(), color);
    *count = have;
    return Ok;
}

Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient *brush, const ARGB *color, INT *count)
{
    PATH_GRADIENT_GUARD(brush);
    if (!color || !count || *count <= 0 || *count > brush->PointCount)
        return InvalidParameter;
    brush->Surround.assign(color, color + *count);
    return Ok;
}
