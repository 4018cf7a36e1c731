#include "platform/ui/Region.h"

#include <QPainterPath>
#include <QPolygon>

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

TRect FromQRect(const QRect& r) { return TRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }

TRegion::TRegion(const TRect& r) {
    if (!r.IsEmpty()) rgn_ = QRegion(ToQRect(r));
}

TRegion TRegion::Ellipse(const TRect& r) {
    if (r.IsEmpty()) return {};
    return TRegion(QRegion(ToQRect(r), QRegion::Ellipse));
}

TRegion TRegion::RoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
    if (r.IsEmpty()) return {};
    QPainterPath path;
    path.addRoundedRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), ellipseWidth / 2.0, ellipseHeight / 2.0);
    return TRegion(QRegion(path.toFillPolygon().toPolygon()));
}

TRegion TRegion::Polygon(const TPoint* points, int count, TPolyFillMode mode) {
    if (count < 3) return {};
    QPolygon poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i) poly << QPoint(points[i].X, points[i].Y);
    return TRegion(QRegion(poly, mode == TPolyFillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill));
}

TRegion TRegion::Combine(const TRegion& a, const TRegion& b, TRegionCombine op) {
    switch (op) {
    case TRegionCombine::And: return a & b;
    case TRegionCombine::Or: return a | b;
    case TRegionCombine::Xor: return a ^ b;
    case TRegionCombine::Diff: return a - b;
    case TRegionCombine::Copy: break;
    }
    return a;
}

TRegion& TRegion::operator|=(const TRect& r) {
    if (!r.IsEmpty()) rgn_ = rgn_.united(ToQRect(r));
    return *this;
}

bool TRegion::Intersects(const TRect& r) const { return !r.IsEmpty() && rgn_.intersects(ToQRect(r)); }

TRect TRegion::BoundingBox() const { return rgn_.isEmpty() ? TRect{} : FromQRect(rgn_.boundingRect()); }

std::vector<TRect> TRegion::Rects() const {
    std::vector<TRect> out;
    for (const QRect& r : rgn_) out.push_back(FromQRect(r));
    return out;
}
