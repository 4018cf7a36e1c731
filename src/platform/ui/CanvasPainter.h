#pragma once
// Pixel-level drawing for TCanvas (internal to the canvas sources): clipping against the visible
// region, the pen's binary raster operation, brush patterns and hatches, line stepping with the
// end point left out, and shapes rasterised without anti-aliasing. Coordinates here are surface
// coordinates (pixels of the image).

#include <QImage>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/ui/Canvas.h"

namespace canvasraster {

// Binary raster operation R2_* (1..16) of pen and destination (0x00RRGGBB values).
inline std::uint32_t Rop2(int rop2, std::uint32_t p, std::uint32_t d)
{
    switch (rop2) {
    case 13: return p;
    case 7: return p ^ d;
    case 10: return ~(p ^ d);
    case 6: return ~d;
    case 11: return d;
    default: break;
    }
    const unsigned t = static_cast<unsigned>(rop2 - 1);
    std::uint32_t r = 0;
    if (t & 1) r |= ~p & ~d;
    if (t & 2) r |= ~p & d;
    if (t & 4) r |= p & ~d;
    if (t & 8) r |= p & d;
    return r;
}

// Ternary raster operation (the code's index byte, bits 16..23 of the copy mode) of pattern,
// source and destination.
inline std::uint32_t Rop3(DWORD rop, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    const unsigned code = (rop >> 16) & 0xFF;
    switch (code) {
    case 0xCC: return s;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0x33: return ~s;
    case 0xBB: return ~s | d;
    case 0xF0: return p;
    default: break;
    }
    std::uint32_t r = 0;
    for (unsigned i = 0; i < 8; ++i)
        if (code & (1u << i))
            r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    return r;
}

inline bool Rop3UsesSource(DWORD rop)
{
    const unsigned code = (rop >> 16) & 0xFF;
    return ((code >> 2) & 0x33) != (code & 0x33);
}
inline bool Rop3UsesPattern(DWORD rop)
{
    const unsigned code = (rop >> 16) & 0xFF;
    return ((code >> 4) & 0x0F) != (code & 0x0F);
}

// Black or white for a monochrome surface: the nearer by intensity.
inline std::uint32_t ToMono(std::uint32_t rgb)
{
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return (r * 30 + g * 59 + b * 11) >= 128 * 100 ? 0xFFFFFFu : 0u;
}

// Visits the pixels of a thin line from (x, y) up to but without (ex, ey), in drawing order.
template <class Visit>
void ForEachLinePixel(int x, int y, int ex, int ey, Visit visit)
{
    const int dx = std::abs(ex - x), sx = x < ex ? 1 : -1;
    const int dy = -std::abs(ey - y), sy = y < ey ? 1 : -1;
    int err = dx + dy;
    while (x != ex || y != ey) {
        visit(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace canvasraster

// Draws one canvas operation from a snapshot of the canvas's state; reports the pixels it changed
// to the surface's OnDrawn when it ends.
class TCanvasPainter {
public:
    explicit TCanvasPainter(const TCanvasPaintState &state);
    // The state of `c`, which must have a surface.
    explicit TCanvasPainter(TCanvas &c) : TCanvasPainter(c.PaintState()) {}
    ~TCanvasPainter();
    TCanvasPainter(const TCanvasPainter &) = delete;
    TCanvasPainter &operator=(const TCanvasPainter &) = delete;

    QImage &Image() { return img_; }
    const QRegion &Visible() const { return visible_; }
    bool Mono() const { return mono_; }
    // Logical to surface.
    int X(int x) const { return x + off_.X; }
    int Y(int y) const { return y + off_.Y; }
    QPoint P(const TPoint &p) const { return QPoint(p.X + off_.X, p.Y + off_.Y); }
    QRect R(const TRect &r) const { return QRect(r.Left + off_.X, r.Top + off_.Y, r.Width(), r.Height()); }

    // Pixel value (0x00RRGGBB) of a colour on this surface.
    std::uint32_t ToPixel(TColor c) const;
    std::uint32_t Get(int x, int y) const { return img_.pixel(x, y) & 0xFFFFFFu; }
    bool InVisible(int x, int y) const
    {
        if (singleRect_)
            return x >= visibleRect_.left() && x <= visibleRect_.right() && y >= visibleRect_.top() &&
                   y <= visibleRect_.bottom();
        return visible_.contains(QPoint(x, y));
    }
    // Writes rop2(color, destination) when the pixel is visible.
    void Plot(int x, int y, std::uint32_t color, int rop2);

    // The brush: whether it paints at all, and its pixel at a surface point (false: leave it).
    bool BrushPaints() const { return brushKind_ != BrushKind::Clear; }
    bool BrushPixel(int x, int y, std::uint32_t &out) const;
    // One colour over a surface rectangle (clipped), copied.
    void FillSolid(const QRect &r, std::uint32_t color);
    // Every visible pixel of the region (surface coordinates) through `fn(x, y, dst) -> new`.
    template <class F>
    void ForEach(const QRegion &area, F fn)
    {
        for (const QRect &part : visible_.intersected(area)) {
            for (int y = part.top(); y <= part.bottom(); ++y) {
                auto *line = reinterpret_cast<std::uint32_t *>(img_.scanLine(y));
                for (int x = part.left(); x <= part.right(); ++x) {
                    std::uint32_t v = fn(x, y, line[x] & 0xFFFFFFu) & 0xFFFFFFu;
                    if (mono_)
                        v = canvasraster::ToMono(v);
                    line[x] = 0xFF000000u | v;
                }
            }
            dirty_ |= part;
        }
    }
    // Brush over a surface rectangle (clipped) with a binary raster operation (13: copy).
    void FillRect(const QRect &r, int rop2);
    // Copies the pixels of `src` onto the surface rectangle `r` (clipped), pixel (x, y) from
    // (x + at.x(), y + at.y()) of `src`; a pixel with no source keeps its colour. The same as
    // ForEach with the source copy (SRCCOPY) of a colour image onto a colour surface.
    void CopyPixels(const QRect &r, const QImage &src, QPoint at);
    // Brush or one colour over the set pixels of a mask whose (0, 0) lies at `at`.
    void FillMask(const QImage &mask, QPoint at, int rop2);
    void ColorMask(const QImage &mask, QPoint at, std::uint32_t color, int rop2);
    // Rasterised path (surface coordinates): filled (pixel centres inside) or stroked by `width`.
    static QImage FillPathMask(const QPainterPath &path, QRect &bounds, Qt::FillRule rule);
    static QImage StrokePathMask(const QPainterPath &path, int width, QRect &bounds);

    // Pen lines in logical coordinates. `style` continues across calls of one polyline.
    void PenLine(int x0, int y0, int x1, int y1, int &styleIndex);
    void PenPolyline(const TPoint *points, int count, bool close);
    bool PenPaints() const;
    int PenWidth() const;
    std::uint32_t PenColor() const { return penColor_; }

    // Records pixels changed for the surface's OnDrawn.
    void Touch(const QRect &r) { dirty_ |= r; }
    void TouchPixel(int x, int y)
    {
        if (dirty_.isEmpty()) {
            dirty_ = QRect(x, y, 1, 1);
            return;
        }
        dirty_.setLeft(std::min(dirty_.left(), x));
        dirty_.setRight(std::max(dirty_.right(), x));
        dirty_.setTop(std::min(dirty_.top(), y));
        dirty_.setBottom(std::max(dirty_.bottom(), y));
    }

private:
    enum class BrushKind { Clear, Solid, Hatch, Pattern };

    // Every visible pixel of `r` becomes `color`, as ForEach returning it would write it.
    void FillRows(const QRect &r, std::uint32_t color);
    // ForEach over the rectangle of a mask whose (0, 0) lies at `at`, calling `fn` only where the
    // mask is set; the other pixels are written back as they are.
    template <class F>
    void ForEachMasked(const QImage &mask, QPoint at, F fn)
    {
        for (const QRect &part : visible_.intersected(QRegion(QRect(at, mask.size())))) {
            for (int y = part.top(); y <= part.bottom(); ++y) {
                auto *line = reinterpret_cast<std::uint32_t *>(img_.scanLine(y));
                const uchar *m = mask.constScanLine(y - at.y());
                for (int x = part.left(); x <= part.right(); ++x) {
                    std::uint32_t v = line[x] & 0xFFFFFFu;
                    if (m[x - at.x()] >= 128)
                        v = fn(x, y, v) & 0xFFFFFFu;
                    if (mono_)
                        v = canvasraster::ToMono(v);
                    line[x] = 0xFF000000u | v;
                }
            }
            dirty_ |= part;
        }
    }

    std::shared_ptr<TCanvasSurface> surface_;
    QImage &img_;
    bool mono_;
    TPoint off_;
    QRegion visible_;
    bool singleRect_ = false;
    QRect visibleRect_;
    QRect dirty_;

    TPenStyle penStyle_;
    int penWidth_;
    int rop2_;

    BrushKind brushKind_ = BrushKind::Solid;
    std::uint32_t brushColor_ = 0;
    std::uint32_t bkColor_ = 0;
    bool opaqueBk_ = true;
    const std::uint8_t *hatch_ = nullptr;
    QImage pattern_;
    bool patternMono_ = false;
    std::uint32_t textColor_ = 0;
    QPoint brushOrg_;

    std::uint32_t penColor_ = 0;
};
