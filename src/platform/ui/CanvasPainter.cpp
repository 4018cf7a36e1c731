#include "platform/ui/CanvasPainter.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cwchar>

using namespace canvasraster;

namespace {

// `count` pixels from `pixels` on become `value`. A wide character is 32 bits on this platform,
// and the library's wide fill is the fastest way to fill a row.
void FillPixels(std::uint32_t *pixels, int count, std::uint32_t value)
{
    static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
    std::wmemset(reinterpret_cast<wchar_t *>(pixels), static_cast<wchar_t>(value), static_cast<std::size_t>(count));
}

// 8 x 8 hatch patterns, row by row, bit 7 = leftmost pixel.
constexpr std::uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
    {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal (top-left to bottom-right)
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
    {0x10, 0x10, 0x10, 0xFF, 0x10, 0x10, 0x10, 0x10},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

// On/off run lengths of the cosmetic pen styles.
struct DashPattern {
    int count;
    int runs[6];
};
constexpr DashPattern kDash{2, {18, 6}};
constexpr DashPattern kDot{2, {3, 3}};
constexpr DashPattern kDashDot{4, {9, 6, 3, 6}};
constexpr DashPattern kDashDotDot{6, {9, 3, 3, 3, 3, 3}};
constexpr DashPattern kAlternate{2, {1, 1}};

const DashPattern *PatternOf(TPenStyle s)
{
    switch (s) {
    case psDash: return &kDash;
    case psDot: return &kDot;
    case psDashDot: return &kDashDot;
    case psDashDotDot: return &kDashDotDot;
    case psAlternate: return &kAlternate;
    default: return nullptr;
    }
}

// True when pixel number `index` of a styled line is drawn (not a gap).
bool DashOn(const DashPattern &p, int index)
{
    int period = 0;
    for (int i = 0; i < p.count; ++i)
        period += p.runs[i];
    int pos = index % period;
    for (int i = 0; i < p.count; ++i) {
        if (pos < p.runs[i])
            return (i % 2) == 0;
        pos -= p.runs[i];
    }
    return true;
}

}  // namespace

TCanvasPainter::TCanvasPainter(const TCanvasPaintState &state)
    : surface_(state.Surface), img_(surface_->Image), mono_(surface_->Monochrome), off_(state.Offset),
      visible_(state.Visible), penStyle_(state.PenStyle), penWidth_(state.PenWidth), rop2_(state.Rop2)
{
    singleRect_ = visible_.rectCount() <= 1;
    visibleRect_ = visible_.boundingRect();

    brushColor_ = ToPixel(state.BrushColor);
    bkColor_ = ToPixel(state.BkColor);
    textColor_ = ToPixel(state.TextColor);
    opaqueBk_ = state.OpaqueBk;
    brushOrg_ = QPoint(state.BrushOrg.X, state.BrushOrg.Y);
    if (!state.BrushPattern.isNull()) {
        brushKind_ = BrushKind::Pattern;
        pattern_ = state.BrushPattern;
        patternMono_ = state.BrushPatternMono;
    } else if (state.BrushStyle == bsClear) {
        brushKind_ = BrushKind::Clear;
    } else if (state.BrushStyle == bsSolid) {
        brushKind_ = BrushKind::Solid;
    } else {
        brushKind_ = BrushKind::Hatch;
        hatch_ = kHatches[static_cast<int>(state.BrushStyle) - static_cast<int>(bsHorizontal)];
    }
    penColor_ = ToPixel(state.PenColor);
}

TCanvasPainter::~TCanvasPainter()
{
    if (!dirty_.isEmpty())
        surface_->Drawn(dirty_ & img_.rect());
}

std::uint32_t TCanvasPainter::ToPixel(TColor c) const
{
    const std::uint32_t rgb = ColorToPixel(c) & 0xFFFFFFu;
    return mono_ ? ToMono(rgb) : rgb;
}

void TCanvasPainter::Plot(int x, int y, std::uint32_t color, int rop2)
{
    if (!InVisible(x, y))
        return;
    auto *line = reinterpret_cast<std::uint32_t *>(img_.scanLine(y));
    std::uint32_t v = Rop2(rop2, color, line[x] & 0xFFFFFFu) & 0xFFFFFFu;
    if (mono_)
        v = ToMono(v);
    line[x] = 0xFF000000u | v;
    TouchPixel(x, y);
}

bool TCanvasPainter::BrushPixel(int x, int y, std::uint32_t &out) const
{
    switch (brushKind_) {
    case BrushKind::Clear: return false;
    case BrushKind::Solid: out = brushColor_; return true;
    case BrushKind::Hatch: {
        const int px = (x - brushOrg_.x()) & 7, py = (y - brushOrg_.y()) & 7;
        if (hatch_[py] & (0x80 >> px)) {
            out = brushColor_;
            return true;
        }
        if (!opaqueBk_)
            return false;
        out = bkColor_;
        return true;
    }
    case BrushKind::Pattern: {
        const int w = pattern_.width(), h = pattern_.height();
        int px = (x - brushOrg_.x()) % w, py = (y - brushOrg_.y()) % h;
        if (px < 0) px += w;
        if (py < 0) py += h;
        const std::uint32_t v = pattern_.pixel(px, py) & 0xFFFFFFu;
        // A monochrome pattern takes the text colour for black and the background colour for white.
        out = patternMono_ ? (v == 0 ? textColor_ : bkColor_) : v;
        if (mono_)
            out = ToMono(out);
        return true;
    }
    }
    return false;
}

void TCanvasPainter::FillRows(const QRect &r, std::uint32_t color)
{
    color &= 0xFFFFFFu;
    const std::uint32_t value = 0xFF000000u | (mono_ ? ToMono(color) : color);
    for (const QRect &part : visible_.intersected(QRegion(r))) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto *line = reinterpret_cast<std::uint32_t *>(img_.scanLine(y));
            FillPixels(line + part.left(), part.width(), value);
        }
        dirty_ |= part;
    }
}

void TCanvasPainter::FillSolid(const QRect &r, std::uint32_t color)
{
    FillRows(r, color);
}

void TCanvasPainter::FillRect(const QRect &r, int rop2)
{
    if (!BrushPaints() || r.isEmpty())
        return;
    // A solid brush copied is one colour over the whole rectangle.
    if (brushKind_ == BrushKind::Solid && rop2 == 13) {
        FillRows(r, brushColor_);
        return;
    }
    ForEach(QRegion(r), [this, rop2](int x, int y, std::uint32_t d) {
        std::uint32_t b;
        return BrushPixel(x, y, b) ? Rop2(rop2, b, d) : d;
    });
}

void TCanvasPainter::CopyPixels(const QRect &r, const QImage &src, QPoint at)
{
    for (const QRect &part : visible_.intersected(QRegion(r))) {
        // Columns of the part that have a source pixel; the others only keep their colour.
        const int from = std::max(part.left(), -at.x());
        const int to = std::min(part.right() + 1, src.width() - at.x());
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto *line = reinterpret_cast<std::uint32_t *>(img_.scanLine(y));
            const int v = y + at.y();
            const auto *source = v >= 0 && v < src.height() && from < to
                                     ? reinterpret_cast<const std::uint32_t *>(src.constScanLine(v))
                                     : nullptr;
            const int end = part.right() + 1;
            const int copyFrom = source ? std::clamp(from, part.left(), end) : end;
            const int copyTo = source ? std::clamp(to, copyFrom, end) : end;
            for (int x = part.left(); x < copyFrom; ++x)
                line[x] |= 0xFF000000u;
            for (int x = copyFrom; x < copyTo; ++x)
                line[x] = 0xFF000000u | (source[x + at.x()] & 0xFFFFFFu);
            for (int x = copyTo; x < end; ++x)
                line[x] |= 0xFF000000u;
        }
        dirty_ |= part;
    }
}

void TCanvasPainter::FillMask(const QImage &mask, QPoint at, int rop2)
{
    if (!BrushPaints())
        return;
    ForEachMasked(mask, at, [&](int x, int y, std::uint32_t d) {
        std::uint32_t b;
        return BrushPixel(x, y, b) ? Rop2(rop2, b, d) : d;
    });
}

void TCanvasPainter::ColorMask(const QImage &mask, QPoint at, std::uint32_t color, int rop2)
{
    if (rop2 != 13 || mono_) {
        ForEachMasked(mask, at, [&](int, int, std::uint32_t d) { return Rop2(rop2, color, d); });
        return;
    }
    // The pen copied: the colour where the mask is set, every other pixel as it is.
    const std::uint32_t value = 0xFF000000u | (color & 0xFFFFFFu);
    for (const QRect &part : visible_.intersected(QRegion(QRect(at, mask.size())))) {
        const int width = part.width();
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto *line = reinterpret_cast<std::uint32_t *>(img_.scanLine(y)) + part.left();
            const uchar *m = mask.constScanLine(y - at.y()) + (part.left() - at.x());
            for (int i = 0; i < width; ++i)
                line[i] = m[i] >= 128 ? value : (line[i] | 0xFF000000u);
        }
        dirty_ |= part;
    }
}

namespace {

// A mask of `bounds` (surface coordinates) in which `paint` draws, with the painter set up for
// surface coordinates and no antialiasing; null for empty bounds.
template <class Paint>
QImage PaintMask(const QRect &bounds, Paint paint)
{
    if (bounds.isEmpty())
        return {};
    QImage mask(bounds.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-bounds.left(), -bounds.top());
        paint(p);
    }
    return mask;
}

}  // namespace

QImage TCanvasPainter::FillPathMask(const QPainterPath &path, QRect &bounds, Qt::FillRule rule)
{
    bounds = path.controlPointRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    return PaintMask(bounds, [&](QPainter &p) {
        QPainterPath filled = path;
        filled.setFillRule(rule);
        p.fillPath(filled, QColor(0, 0, 0, 255));
    });
}

QImage TCanvasPainter::StrokePathMask(const QPainterPath &path, int width, QRect &bounds)
{
    const int grow = width / 2 + 2;
    bounds = path.controlPointRect().toAlignedRect().adjusted(-grow, -grow, grow, grow);
    return PaintMask(bounds, [&](QPainter &p) {
        QPen pen(QColor(0, 0, 0, 255));
        pen.setWidth(width <= 1 ? 0 : width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    });
}

bool TCanvasPainter::PenPaints() const
{
    return penStyle_ != psClear;
}

int TCanvasPainter::PenWidth() const
{
    return std::max(1, penWidth_);
}

void TCanvasPainter::PenLine(int x0, int y0, int x1, int y1, int &styleIndex)
{
    if (penStyle_ == psClear)
        return;
    const int rop2 = rop2_;
    if (penWidth_ > 1) {
        // Geometric pen: round ends, both end points covered, always solid.
        QPainterPath path(QPointF(X(x0) + 0.5, Y(y0) + 0.5));
        path.lineTo(X(x1) + 0.5, Y(y1) + 0.5);
        QRect bounds;
        QImage mask = StrokePathMask(path, penWidth_, bounds);
        if (!mask.isNull())
            ColorMask(mask, bounds.topLeft(), penColor_, rop2);
        return;
    }
    // A line wholly outside the visible part only moves the style on, by one step per pixel.
    const QRect box =
        QRect(QPoint(X(std::min(x0, x1)), Y(std::min(y0, y1))), QPoint(X(std::max(x0, x1)), Y(std::max(y0, y1))));
    if (!box.intersects(visibleRect_)) {
        styleIndex += std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        return;
    }
    const DashPattern *dash = PatternOf(penStyle_);
    if (!dash) {
        // A solid line: each pixel the pen's colour, the row looked up once per row.
        int row = -1;
        std::uint32_t *line = nullptr;
        ForEachLinePixel(X(x0), Y(y0), X(x1), Y(y1), [&](int x, int y) {
            ++styleIndex;
            if (!InVisible(x, y))
                return;
            if (y != row) {
                row = y;
                line = reinterpret_cast<std::uint32_t *>(img_.scanLine(y));
            }
            std::uint32_t v = Rop2(rop2, penColor_, line[x] & 0xFFFFFFu) & 0xFFFFFFu;
            if (mono_)
                v = ToMono(v);
            line[x] = 0xFF000000u | v;
            TouchPixel(x, y);
        });
        return;
    }
    ForEachLinePixel(X(x0), Y(y0), X(x1), Y(y1), [&](int x, int y) {
        if (DashOn(*dash, styleIndex))
            Plot(x, y, penColor_, rop2);
        else if (opaqueBk_)
            Plot(x, y, bkColor_, rop2);
        ++styleIndex;
    });
}

void TCanvasPainter::PenPolyline(const TPoint *points, int count, bool close)
{
    if (penStyle_ == psClear || count < 2)
        return;
    if (penWidth_ > 1) {
        QPainterPath path(QPointF(X(points[0].X) + 0.5, Y(points[0].Y) + 0.5));
        for (int i = 1; i < count; ++i)
            path.lineTo(X(points[i].X) + 0.5, Y(points[i].Y) + 0.5);
        if (close)
            path.closeSubpath();
        QRect bounds;
        QImage mask = StrokePathMask(path, penWidth_, bounds);
        if (!mask.isNull())
            ColorMask(mask, bounds.topLeft(), penColor_, rop2_);
        return;
    }
    int style = 0;
    for (int i = 1; i < count; ++i)
        PenLine(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y, style);
    if (close)
        PenLine(points[count - 1].X, points[count - 1].Y, points[0].X, points[0].Y, style);
}
