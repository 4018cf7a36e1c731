#pragma once
// A set of pixels built from rectangles, ellipses and polygons, as used for clipping and partial
// invalidation. Rectangles exclude their right and bottom edge.

#include <QRegion>
#include <vector>

#include "platform/runtime/GraphicsTypes.h"

enum class TRegionCombine { And, Or, Xor, Diff, Copy };
enum class TPolyFillMode { Alternate, Winding };

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& r);
    explicit TRegion(const QRegion& r) : rgn_(r) {}

    static TRegion Rectangle(const TRect& r) { return TRegion(r); }
    static TRegion Ellipse(const TRect& r);
    static TRegion RoundRect(const TRect& r, int ellipseWidth, int ellipseHeight);
    static TRegion Polygon(const TPoint* points, int count, TPolyFillMode mode = TPolyFillMode::Alternate);
    static TRegion Polygon(const std::vector<TPoint>& points, TPolyFillMode mode = TPolyFillMode::Alternate) {
        return Polygon(points.data(), static_cast<int>(points.size()), mode);
    }

    // The result of a op b; Copy gives a.
    static TRegion Combine(const TRegion& a, const TRegion& b, TRegionCombine op);

    TRegion operator|(const TRegion& o) const { return TRegion(rgn_.united(o.rgn_)); }
    TRegion operator&(const TRegion& o) const { return TRegion(rgn_.intersected(o.rgn_)); }
    TRegion operator^(const TRegion& o) const { return TRegion(rgn_.xored(o.rgn_)); }
    TRegion operator-(const TRegion& o) const { return TRegion(rgn_.subtracted(o.rgn_)); }
    TRegion& operator|=(const TRegion& o) { rgn_ = rgn_.united(o.rgn_); return *this; }
    TRegion& operator|=(const TRect& r);
    bool operator==(const TRegion& o) const { return rgn_ == o.rgn_; }

    bool IsEmpty() const { return rgn_.isEmpty(); }
    bool Contains(const TPoint& p) const { return rgn_.contains(QPoint(p.X, p.Y)); }
    bool Intersects(const TRect& r) const;
    TRect BoundingBox() const;
    void Offset(int dx, int dy) { rgn_.translate(dx, dy); }
    std::vector<TRect> Rects() const;

    const QRegion& Native() const { return rgn_; }

private:
    QRegion rgn_;
};

// Qt rectangle of a framework rectangle (same pixels) and back.
QRect ToQRect(const TRect& r);
TRect FromQRect(const QRect& r);
