#include "platform/ui/Canvas.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/ui/Bitmap.h"
#include "platform/ui/CanvasPainter.h"
#include "platform/runtime/ClassBuilder.h"

using namespace canvasraster;

T_IMPLEMENT_CLASS(TCanvas) {}

namespace {

TRect Normalized(int x1, int y1, int x2, int y2)
{
    return TRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

QRegion ToQRegion(const TRect &r)
{
    return r.IsEmpty() ? QRegion() : QRegion(ToQRect(r));
}

// Angle in degrees (counter-clockwise, 0 at three o'clock, y down) of a point seen from a centre.
double AngleOf(double cx, double cy, int x, int y)
{
    return std::atan2(-(y - cy), x - cx) * 180.0 / std::numbers::pi;
}

}  // namespace

TCanvas::TCanvas() : pen_(new TPen), brush_(new TBrush), font_(new TFont)
{
    pen_->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
    brush_->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
    font_->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
    PenChanged(nullptr);
    BrushChanged(nullptr);
    FontChanged(nullptr);
}

TCanvas::~TCanvas() = default;

void TCanvas::PenChanged(TObject *)
{
    state_.Rop2 = PenModeToRop2(pen_->Mode());
}

void TCanvas::BrushChanged(TObject *)
{
    // A solid brush paints behind text and in the gaps of styled lines; any other brush does not.
    if (brush_->Style() == bsSolid) {
        state_.BkColor = brush_->Color();
        state_.BkMode = OPAQUE;
    } else {
        state_.BkColor = ~ColorToRGB(brush_->Color()) & 0xFFFFFF;
        state_.BkMode = TRANSPARENT;
    }
}

void TCanvas::FontChanged(TObject *)
{
    state_.TextColor = font_->Color();
    nativeFontValid_ = false;
    recordedFont_.reset();
}

// ---- Recording ---------------------------------------------------------------------------------

TCanvas::RecordScope::RecordScope(TCanvas &c)
    : surface_(c.surface_ && c.surface_->Recording ? c.surface_.get() : nullptr)
{
    if (surface_)
        ++surface_->Vectored;
}

TCanvas::RecordScope::~RecordScope()
{
    if (surface_)
        --surface_->Vectored;
}

TDrawRecord TCanvas::NewRecord(TDrawKind kind)
{
    TDrawRecord r;
    r.Kind = kind;
    r.Pen = {ColorToRGB(pen_->Color()), pen_->Style(), pen_->Width()};
    r.Brush.Color = ColorToRGB(brush_->Color());
    r.Brush.Style = brush_->Style();
    if (TBitmap *bmp = brush_->Bitmap(); bmp && !bmp->Empty()) {
        // A monochrome pattern takes the text and background colours where it is drawn.
        QImage pattern = bmp->Image().convertToFormat(QImage::Format_RGB32);
        if (bmp->Monochrome()) {
            const QRgb fore = ColorToPixel(state_.TextColor), back = ColorToPixel(state_.BkColor);
            for (int y = 0; y < pattern.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(pattern.scanLine(y));
                for (int x = 0; x < pattern.width(); ++x)
                    line[x] = (line[x] & 0xFFFFFFu) == 0 ? fore : back;
            }
        }
        r.Brush.Pattern = std::move(pattern);
    }
    r.Rop2 = state_.Rop2;
    r.FillMode = state_.FillMode;
    r.BrushOrg = baseOrigin_ + state_.BrushOrg;
    r.TextColor = ColorToRGB(state_.TextColor);
    r.BkColor = ColorToRGB(state_.BkColor);
    r.OpaqueBk = state_.BkMode == OPAQUE;
    return r;
}

void TCanvas::Record(TDrawRecord record)
{
    surface_->Recording->Add(std::move(record), Visible());
}

void TCanvas::RecordSolid(const TRect &r, TColor color)
{
    TDrawRecord record = NewRecord(TDrawKind::Fill);
    record.Box = r;
    record.Brush = {ColorToRGB(color), bsSolid, QImage()};
    Record(std::move(record));
}

HDC TCanvas::Handle()
{
    ValidateHandle();
    if (!surface_)
        CreateHandle();
    return this;
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == this)
        return;
    if (!dc || !dc->Handle() || !dc->surface_) {
        DetachSurface();
        return;
    }
    AttachSurface(dc->surface_, dc->Offset(), dc->Visible());
}

void TCanvas::AttachSurface(std::shared_ptr<TCanvasSurface> surface, TPoint origin, std::optional<QRegion> clip)
{
    surface_ = std::move(surface);
    baseOrigin_ = origin;
    baseClip_ = std::move(clip);
    saved_.clear();
    state_ = State{};
    PenChanged(nullptr);
    BrushChanged(nullptr);
    FontChanged(nullptr);
    InvalidateVisible();
}

void TCanvas::DetachSurface()
{
    surface_.reset();
    baseOrigin_ = {};
    baseClip_.reset();
    saved_.clear();
    state_ = State{};
    PenChanged(nullptr);
    BrushChanged(nullptr);
    FontChanged(nullptr);
    InvalidateVisible();
}

bool TCanvas::Ready()
{
    Handle();
    return surface_ && !surface_->Image.isNull();
}

TPoint TCanvas::Offset() const
{
    return {baseOrigin_.X + state_.ViewportOrg.X - state_.WindowOrg.X,
            baseOrigin_.Y + state_.ViewportOrg.Y - state_.WindowOrg.Y};
}

TCanvasPaintState TCanvas::PaintState()
{
    TCanvasPaintState s;
    s.Surface = surface_;
    s.Offset = Offset();
    s.Visible = Visible();
    s.BkColor = state_.BkColor;
    s.TextColor = state_.TextColor;
    s.OpaqueBk = state_.BkMode == OPAQUE;
    s.Rop2 = state_.Rop2;
    s.BrushOrg = baseOrigin_ + state_.BrushOrg;
    s.PenColor = pen_->Color();
    s.PenStyle = pen_->Style();
    s.PenWidth = pen_->Width();
    s.BrushColor = brush_->Color();
    s.BrushStyle = brush_->Style();
    if (TBitmap *bmp = brush_->Bitmap(); bmp && !bmp->Empty()) {
        s.BrushPattern = bmp->Image();
        s.BrushPatternMono = bmp->Monochrome();
    }
    return s;
}

const QRegion &TCanvas::Visible()
{
    if (!visibleValid_) {
        visible_ = surface_ ? QRegion(surface_->Image.rect()) : QRegion();
        if (baseClip_)
            visible_ &= *baseClip_;
        if (state_.Clip)
            visible_ &= *state_.Clip;
        visibleValid_ = true;
    }
    return visible_;
}

TPoint TCanvas::LogicalToDevice(const TPoint &p) const
{
    const TPoint o = Offset();
    return {p.X + o.X - baseOrigin_.X, p.Y + o.Y - baseOrigin_.Y};
}

TPoint TCanvas::DeviceToLogical(const TPoint &p) const
{
    const TPoint o = Offset();
    return {p.X - o.X + baseOrigin_.X, p.Y - o.Y + baseOrigin_.Y};
}

TRect TCanvas::ClipRect()
{
    if (!Ready())
        return {};
    TRect r = FromQRect(Visible().boundingRect());
    const TPoint o = Offset();
    r.Offset(-o.X, -o.Y);
    return r;
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

// ---- Device-context state ----------------------------------------------------------------------

TColor TCanvas::SetTextColor(TColor c)
{
    Handle();
    return std::exchange(state_.TextColor, c);
}

TColor TCanvas::SetBkColor(TColor c)
{
    Handle();
    return std::exchange(state_.BkColor, c);
}

int TCanvas::SetBkMode(int mode)
{
    Handle();
    return std::exchange(state_.BkMode, mode);
}

UINT TCanvas::SetTextAlign(UINT align)
{
    Handle();
    return std::exchange(state_.TextAlign, align);
}

int TCanvas::SetRop2(int rop2)
{
    Handle();
    return std::exchange(state_.Rop2, rop2);
}

int TCanvas::SaveDC()
{
    // Device-context state lives with the handle: make sure it exists first.
    Handle();
    Saved s;
    s.S = state_;
    s.Pen = std::make_unique<TPen>();
    s.Pen->Assign(pen_.get());
    s.Brush = std::make_unique<TBrush>();
    s.Brush->Assign(brush_.get());
    s.Font = std::make_unique<TFont>();
    s.Font->Assign(font_.get());
    saved_.push_back(std::move(s));
    return static_cast<int>(saved_.size());
}

bool TCanvas::RestoreDC(int level)
{
    Handle();
    const int count = static_cast<int>(saved_.size());
    const int index = level > 0 ? level : count + level + 1;
    if (index < 1 || index > count)
        return false;
    Saved s = std::move(saved_[static_cast<std::size_t>(index - 1)]);
    saved_.resize(static_cast<std::size_t>(index - 1));
    pen_->Assign(s.Pen.get());
    brush_->Assign(s.Brush.get());
    font_->Assign(s.Font.get());
    state_ = s.S;
    InvalidateVisible();
    return true;
}

TPoint TCanvas::SetViewportOrg(const TPoint &p)
{
    Handle();
    return std::exchange(state_.ViewportOrg, p);
}

TPoint TCanvas::OffsetViewportOrg(int dx, int dy)
{
    return SetViewportOrg({state_.ViewportOrg.X + dx, state_.ViewportOrg.Y + dy});
}

TPoint TCanvas::SetWindowOrg(const TPoint &p)
{
    Handle();
    return std::exchange(state_.WindowOrg, p);
}

void TCanvas::IntersectClipRect(const TRect &r)
{
    Handle();
    TRect d = r;
    const TPoint o = Offset();
    d.Offset(o.X, o.Y);
    state_.Clip = state_.Clip ? state_.Clip->intersected(ToQRegion(d)) : ToQRegion(d);
    InvalidateVisible();
}

void TCanvas::ExcludeClipRect(const TRect &r)
{
    if (!Ready())
        return;
    TRect d = r;
    const TPoint o = Offset();
    d.Offset(o.X, o.Y);
    const QRegion base = state_.Clip ? *state_.Clip : QRegion(surface_->Image.rect());
    state_.Clip = base.subtracted(ToQRegion(d));
    InvalidateVisible();
}

void TCanvas::SelectClipRegion(const TRegion *rgn)
{
    Handle();
    if (!rgn) {
        state_.Clip.reset();
    } else {
        QRegion q = rgn->Native();
        q.translate(baseOrigin_.X, baseOrigin_.Y);
        state_.Clip = q;
    }
    InvalidateVisible();
}

void TCanvas::CombineClipRegion(const TRegion &rgn, TRegionCombine mode)
{
    if (!Ready())
        return;
    QRegion q = rgn.Native();
    q.translate(baseOrigin_.X, baseOrigin_.Y);
    const QRegion current = state_.Clip ? *state_.Clip : QRegion(surface_->Image.rect());
    state_.Clip = TRegion::Combine(TRegion(current), TRegion(q), mode).Native();
    InvalidateVisible();
}

std::optional<TRegion> TCanvas::ClipRegion() const
{
    if (!state_.Clip)
        return std::nullopt;
    QRegion q = *state_.Clip;
    q.translate(-baseOrigin_.X, -baseOrigin_.Y);
    return TRegion(q);
}

bool TCanvas::PtVisible(int x, int y)
{
    if (!Ready())
        return false;
    const TPoint o = Offset();
    return Visible().contains(QPoint(x + o.X, y + o.Y));
}

bool TCanvas::RectVisible(const TRect &r)
{
    if (!Ready() || r.IsEmpty())
        return false;
    TRect d = r;
    const TPoint o = Offset();
    d.Offset(o.X, o.Y);
    return Visible().intersects(ToQRect(d));
}

// ---- Lines and shapes -------------------------------------------------------------------------------

void TCanvas::LineTo(int x, int y)
{
    if (Ready()) {
        const RecordScope recording(*this);
        if (recording) {
            TDrawRecord r = NewRecord(TDrawKind::Line);
            r.Points = {ToSurface(state_.PenPos.X, state_.PenPos.Y), ToSurface(x, y)};
            Record(std::move(r));
        }
        Changing();
        // A thin line wholly outside the visible part draws nothing (most of a plot's grid lies
        // beyond its page).
        const TPoint o = Offset();
        const QRect box = QRect(QPoint(std::min(state_.PenPos.X, x), std::min(state_.PenPos.Y, y)),
                                QPoint(std::max(state_.PenPos.X, x), std::max(state_.PenPos.Y, y)))
                              .translated(o.X, o.Y);
        if (pen_->Width() > 1 || box.intersects(Visible().boundingRect())) {
            TCanvasPainter p(*this);
            int style = 0;
            p.PenLine(state_.PenPos.X, state_.PenPos.Y, x, y, style);
        }
        Changed();
    }
    state_.PenPos = {x, y};
}

void TCanvas::Polyline(const TPoint *points, int count)
{
    if (count < 2 || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord r = NewRecord(TDrawKind::Polyline);
        r.Points.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            r.Points.push_back(ToSurface(points[i].X, points[i].Y));
        Record(std::move(r));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        p.PenPolyline(points, count, false);
    }
    Changed();
}

namespace {

// The pixels a thin outline covers, for keeping the fill out of them.
QImage ThinOutlineMask(const TCanvasPainter &p, const TPoint *points, int count, QRect &bounds)
{
    int minX = points[0].X, maxX = minX, minY = points[0].Y, maxY = minY;
    for (int i = 1; i < count; ++i) {
        minX = std::min(minX, points[i].X);
        maxX = std::max(maxX, points[i].X);
        minY = std::min(minY, points[i].Y);
        maxY = std::max(maxY, points[i].Y);
    }
    bounds = QRect(QPoint(p.X(minX), p.Y(minY)), QPoint(p.X(maxX), p.Y(maxY)));
    QImage mask(bounds.size(), QImage::Format_Alpha8);
    mask.fill(0);
    for (int i = 0; i < count; ++i) {
        const TPoint &a = points[i];
        const TPoint &b = points[(i + 1) % count];
        ForEachLinePixel(p.X(a.X), p.Y(a.Y), p.X(b.X), p.Y(b.Y),
                         [&](int x, int y) { mask.scanLine(y - bounds.top())[x - bounds.left()] = 255; });
    }
    return mask;
}

// Clears in `fill` (at fillAt) every pixel set in `outline` (at outlineAt).
void Subtract(QImage &fill, QPoint fillAt, const QImage &outline, QPoint outlineAt)
{
    if (fill.isNull() || outline.isNull())
        return;
    const QRect common = QRect(fillAt, fill.size()) & QRect(outlineAt, outline.size());
    for (int y = common.top(); y <= common.bottom(); ++y) {
        uchar *f = fill.scanLine(y - fillAt.y());
        const uchar *o = outline.constScanLine(y - outlineAt.y());
        for (int x = common.left(); x <= common.right(); ++x)
            if (o[x - outlineAt.x()] >= 128)
                f[x - fillAt.x()] = 0;
    }
}

// The masks of a shape drawn with a wide pen, placed relative to the top-left pixel of its box:
// the outline the pen covers and the interior left to the brush (either may be null). A shape is
// rasterised the same wherever it stands, so the masks of the last few shapes serve every later
// one of the same kind and size (the band markers of a plot are drawn many times over).
struct ShapeMasks {
    QImage Outline;
    QPoint OutlineAt;
    QImage Area;
    QPoint AreaAt;
};

struct ShapeKey {
    int Kind = 0;  // 0 rectangle, else 1 + CurveKind
    int Width = 0, Height = 0;
    int Pen = 0;  // pen width, 0 without a pen
    bool InsideFrame = false;
    bool Area = false;
    double Rx = 0, Ry = 0, Start = 0, Sweep = 0;
    friend bool operator==(const ShapeKey &, const ShapeKey &) = default;
};

// `make` draws the masks at `origin` (surface pixels); the cached ones are moved there.
template <class Make>
ShapeMasks PlacedShapeMasks(const ShapeKey &key, QPoint origin, Make make)
{
    constexpr std::size_t Kept = 32;
    thread_local std::vector<std::pair<ShapeKey, ShapeMasks>> kept;
    auto it = std::find_if(kept.begin(), kept.end(), [&](const auto &entry) { return entry.first == key; });
    if (it == kept.end()) {
        ShapeMasks made = make();
        made.OutlineAt -= origin;
        made.AreaAt -= origin;
        if (kept.size() >= Kept)
            kept.erase(kept.begin());
        kept.emplace_back(key, std::move(made));
        it = kept.end() - 1;
    }
    ShapeMasks placed = it->second;
    placed.OutlineAt += origin;
    placed.AreaAt += origin;
    return placed;
}

}  // namespace

void TCanvas::Polygon(const TPoint *points, int count)
{
    if (count < 2 || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord r = NewRecord(TDrawKind::Polygon);
        r.Points.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            r.Points.push_back(ToSurface(points[i].X, points[i].Y));
        Record(std::move(r));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        if (p.BrushPaints() && count >= 3) {
            QPainterPath path(QPointF(p.X(points[0].X), p.Y(points[0].Y)));
            for (int i = 1; i < count; ++i)
                path.lineTo(p.X(points[i].X), p.Y(points[i].Y));
            path.closeSubpath();
            QRect fb;
            QImage fill = TCanvasPainter::FillPathMask(
                path, fb, state_.FillMode == TPolyFillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
            if (p.PenPaints()) {
                QRect ob;
                if (p.PenWidth() <= 1) {
                    Subtract(fill, fb.topLeft(), ThinOutlineMask(p, points, count, ob), ob.topLeft());
                } else {
                    QPainterPath outline(QPointF(p.X(points[0].X) + 0.5, p.Y(points[0].Y) + 0.5));
                    for (int i = 1; i < count; ++i)
                        outline.lineTo(p.X(points[i].X) + 0.5, p.Y(points[i].Y) + 0.5);
                    outline.closeSubpath();
                    QImage o = TCanvasPainter::StrokePathMask(outline, p.PenWidth(), ob);
                    Subtract(fill, fb.topLeft(), o, ob.topLeft());
                }
            }
            if (!fill.isNull())
                p.FillMask(fill, fb.topLeft(), state_.Rop2);
        }
        p.PenPolyline(points, count, true);
    }
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (!Ready())
        return;
    const TRect r = Normalized(x1, y1, x2, y2);
    if (r.IsEmpty())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord record = NewRecord(TDrawKind::Rectangle);
        record.Box = ToSurface(r);
        Record(std::move(record));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        const bool pen = p.PenPaints();
        const int w = pen ? p.PenWidth() : 0;
        const bool insideFrame = pen_->Style() == psInsideFrame;
        if (w <= 1) {
            // Without a pen the interior still leaves out the right and bottom edge.
            QRect inner = p.R(TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
            if (pen)
                inner = p.R(TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
            p.FillRect(inner, state_.Rop2);
            if (pen) {
                const TPoint corners[4] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1},
                                           {r.Left, r.Bottom - 1}};
                p.PenPolyline(corners, 4, true);
            }
        } else {
            const ShapeKey key{.Width = r.Width(), .Height = r.Height(), .Pen = w, .InsideFrame = insideFrame};
            const ShapeMasks m = PlacedShapeMasks(key, QPoint(p.X(r.Left), p.Y(r.Top)), [&] {
                QRectF outlineRect(p.X(r.Left) + 0.5, p.Y(r.Top) + 0.5, r.Width() - 1, r.Height() - 1);
                if (insideFrame)
                    outlineRect.adjust(w / 2, w / 2, -(w / 2), -(w / 2));
                QPainterPath outline;
                outline.addRect(outlineRect);
                ShapeMasks made;
                QRect ob;
                made.Outline = TCanvasPainter::StrokePathMask(outline, w, ob);
                made.OutlineAt = ob.topLeft();
                QPainterPath area;
                area.addRect(QRectF(p.X(r.Left), p.Y(r.Top), r.Width() - 1, r.Height() - 1));
                QRect fb;
                made.Area = TCanvasPainter::FillPathMask(area, fb, Qt::OddEvenFill);
                made.AreaAt = fb.topLeft();
                Subtract(made.Area, made.AreaAt, made.Outline, made.OutlineAt);
                return made;
            });
            if (!m.Area.isNull())
                p.FillMask(m.Area, m.AreaAt, state_.Rop2);
            if (!m.Outline.isNull())
                p.ColorMask(m.Outline, m.OutlineAt, p.PenColor(), state_.Rop2);
        }
    }
    Changed();
}

namespace {

enum class CurveKind { Ellipse, RoundRect, Arc, Pie, Chord };

struct CurveShape {
    CurveKind Kind;
    double Rx = 0, Ry = 0;               // round-rectangle corner radii
    double Start = 0, Sweep = 360;       // arc angles
};

QPainterPath CurvePath(const QRectF &box, const CurveShape &s)
{
    QPainterPath path;
    switch (s.Kind) {
    case CurveKind::Ellipse: path.addEllipse(box); break;
    case CurveKind::RoundRect: path.addRoundedRect(box, s.Rx, s.Ry); break;
    case CurveKind::Arc:
        path.arcMoveTo(box, s.Start);
        path.arcTo(box, s.Start, s.Sweep);
        break;
    case CurveKind::Pie:
        path.moveTo(box.center());
        path.arcTo(box, s.Start, s.Sweep);
        path.closeSubpath();
        break;
    case CurveKind::Chord:
        path.arcMoveTo(box, s.Start);
        path.arcTo(box, s.Start, s.Sweep);
        path.closeSubpath();
        break;
    }
    return path;
}

}  // namespace

// Shared by the curved shapes: the fill inside the outline (interior one pixel short of the right
// and bottom edge, as rectangles), then the outline.
static void DrawCurve(TCanvas &c, TCanvasPainter &p, const TRect &r, const CurveShape &shape, int rop2, bool fill)
{
    const bool pen = p.PenPaints();
    const int w = pen ? p.PenWidth() : 0;
    const bool insideFrame = pen && w > 1 && c.Pen()->Style() == psInsideFrame;
    const bool area = fill && p.BrushPaints();
    const ShapeKey key{.Kind = 1 + static_cast<int>(shape.Kind),
                       .Width = r.Width(),
                       .Height = r.Height(),
                       .Pen = w,
                       .InsideFrame = insideFrame,
                       .Area = area,
                       .Rx = shape.Rx,
                       .Ry = shape.Ry,
                       .Start = shape.Start,
                       .Sweep = shape.Sweep};
    const ShapeMasks m = PlacedShapeMasks(key, QPoint(p.X(r.Left), p.Y(r.Top)), [&] {
        ShapeMasks made;
        QRectF outlineBox(p.X(r.Left) + 0.5, p.Y(r.Top) + 0.5, r.Width() - 1, r.Height() - 1);
        if (insideFrame)
            outlineBox.adjust(w / 2, w / 2, -(w / 2), -(w / 2));
        QRect ob;
        if (pen)
            made.Outline = TCanvasPainter::StrokePathMask(CurvePath(outlineBox, shape), w, ob);
        made.OutlineAt = ob.topLeft();
        if (area) {
            const QRectF fillBox(p.X(r.Left), p.Y(r.Top), r.Width() - 1, r.Height() - 1);
            QRect fb;
            made.Area = TCanvasPainter::FillPathMask(CurvePath(fillBox, shape), fb, Qt::WindingFill);
            made.AreaAt = fb.topLeft();
            Subtract(made.Area, made.AreaAt, made.Outline, made.OutlineAt);
        }
        return made;
    });
    if (!m.Area.isNull())
        p.FillMask(m.Area, m.AreaAt, rop2);
    if (!m.Outline.isNull())
        p.ColorMask(m.Outline, m.OutlineAt, p.PenColor(), rop2);
}

void TCanvas::DrawInBox(int x1, int y1, int x2, int y2, TDrawKind kind, std::vector<TPoint> points,
                        const std::function<void(TCanvasPainter &, const TRect &)> &draw)
{
    const TRect r = Normalized(x1, y1, x2, y2);
    if (r.IsEmpty() || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord record = NewRecord(kind);
        record.Box = ToSurface(r);
        record.Points = std::move(points);
        Record(std::move(record));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        draw(p, r);
    }
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    DrawInBox(x1, y1, x2, y2, TDrawKind::Ellipse, {}, [this](TCanvasPainter &p, const TRect &r) {
        DrawCurve(*this, p, r, CurveShape{CurveKind::Ellipse}, state_.Rop2, true);
    });
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    DrawInBox(x1, y1, x2, y2, TDrawKind::RoundRect, {TPoint(x3, y3)}, [&](TCanvasPainter &p, const TRect &r) {
        CurveShape s{CurveKind::RoundRect};
        s.Rx = std::min(std::abs(x3), r.Width()) / 2.0;
        s.Ry = std::min(std::abs(y3), r.Height()) / 2.0;
        DrawCurve(*this, p, r, s, state_.Rop2, true);
    });
}

namespace {

CurveShape ArcShape(CurveKind kind, const TRect &r, int x3, int y3, int x4, int y4)
{
    CurveShape s{kind};
    const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
    s.Start = AngleOf(cx, cy, x3, y3);
    double end = AngleOf(cx, cy, x4, y4);
    s.Sweep = end - s.Start;
    while (s.Sweep <= 0)
        s.Sweep += 360.0;
    return s;
}

}  // namespace

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    DrawInBox(x1, y1, x2, y2, TDrawKind::Arc, {ToSurface(x3, y3), ToSurface(x4, y4)},
              [&](TCanvasPainter &p, const TRect &r) {
                  DrawCurve(*this, p, r, ArcShape(CurveKind::Arc, r, x3, y3, x4, y4), state_.Rop2, false);
              });
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    DrawInBox(x1, y1, x2, y2, TDrawKind::Pie, {ToSurface(x3, y3), ToSurface(x4, y4)},
              [&](TCanvasPainter &p, const TRect &r) {
                  DrawCurve(*this, p, r, ArcShape(CurveKind::Pie, r, x3, y3, x4, y4), state_.Rop2, true);
              });
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    DrawInBox(x1, y1, x2, y2, TDrawKind::Chord, {ToSurface(x3, y3), ToSurface(x4, y4)},
              [&](TCanvasPainter &p, const TRect &r) {
                  DrawCurve(*this, p, r, ArcShape(CurveKind::Chord, r, x3, y3, x4, y4), state_.Rop2, true);
              });
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style)
{
    if (!Ready())
        return;
    Changing();
    {
        TCanvasPainter p(*this);
        const int sx = p.X(x), sy = p.Y(y);
        if (p.InVisible(sx, sy)) {
            const std::uint32_t target = p.ToPixel(color);
            auto inside = [&](int px, int py) {
                const std::uint32_t v = p.Get(px, py);
                return style == fsSurface ? v == target : v != target;
            };
            // Collect the connected area first, then paint it with the brush.
            const QRect bounds = p.Visible().boundingRect();
            std::vector<std::uint8_t> seen(static_cast<std::size_t>(bounds.width()) * bounds.height(), 0);
            auto index = [&](int px, int py) {
                return static_cast<std::size_t>(py - bounds.top()) * bounds.width() + (px - bounds.left());
            };
            QRegion area;
            std::vector<QPoint> stack{{sx, sy}};
            while (!stack.empty()) {
                QPoint pt = stack.back();
                stack.pop_back();
                if (!p.InVisible(pt.x(), pt.y()) || seen[index(pt.x(), pt.y())] || !inside(pt.x(), pt.y()))
                    continue;
                int l = pt.x(), rr = pt.x();
                while (p.InVisible(l - 1, pt.y()) && !seen[index(l - 1, pt.y())] && inside(l - 1, pt.y()))
                    --l;
                while (p.InVisible(rr + 1, pt.y()) && !seen[index(rr + 1, pt.y())] && inside(rr + 1, pt.y()))
                    ++rr;
                for (int i = l; i <= rr; ++i) {
                    seen[index(i, pt.y())] = 1;
                    stack.push_back({i, pt.y() - 1});
                    stack.push_back({i, pt.y() + 1});
                }
                area |= QRect(l, pt.y(), rr - l + 1, 1);
            }
            for (const QRect &part : area)
                p.FillRect(part, 13);
        }
    }
    Changed();
}

// ---- Rectangles with the brush ---------------------------------------------------------------------

void TCanvas::FillRect(const TRect &r)
{
    if (r.IsEmpty() || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord record = NewRecord(TDrawKind::Fill);
        record.Box = ToSurface(r);
        Record(std::move(record));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        p.FillRect(p.R(r), 13);
    }
    Changed();
}

void TCanvas::FillRect(const TRect &r, TColor color)
{
    if (r.IsEmpty() || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording)
        RecordSolid(ToSurface(r), color);
    Changing();
    {
        TCanvasPainter p(*this);
        p.FillSolid(p.R(r), p.ToPixel(color));
    }
    Changed();
}

void TCanvas::FrameRect(const TRect &r)
{
    if (r.IsEmpty() || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        const TRect d = ToSurface(r);
        QRegion frame(ToQRect(d));
        frame -= ToQRect(d).adjusted(1, 1, -1, -1);
        for (const QRect &part : frame) {
            TDrawRecord record = NewRecord(TDrawKind::Fill);
            record.Box = FromQRect(part);
            Record(std::move(record));
        }
    }
    Changing();
    {
        TCanvasPainter p(*this);
        const QRect q = p.R(r);
        QRegion frame(q);
        frame -= q.adjusted(1, 1, -1, -1);
        for (const QRect &part : frame)
            p.FillRect(part, 13);
    }
    Changed();
}

void TCanvas::InvertRect(const TRect &r)
{
    if (r.IsEmpty() || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord record = NewRecord(TDrawKind::Invert);
        record.Box = ToSurface(r);
        Record(std::move(record));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        p.ForEach(QRegion(p.R(r)), [](int, int, std::uint32_t d) { return ~d; });
    }
    Changed();
}

void TCanvas::DrawFocusRect(const TRect &r)
{
    if (r.IsEmpty() || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord record = NewRecord(TDrawKind::FocusRect);
        record.Box = ToSurface(r);
        Record(std::move(record));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        const QRect q = p.R(r);
        QRegion frame(q);
        frame -= q.adjusted(1, 1, -1, -1);
        // Every other pixel of the one-pixel frame is inverted.
        p.ForEach(frame, [](int x, int y, std::uint32_t d) { return ((x + y) & 1) == 0 ? ~d : d; });
    }
    Changed();
}

bool TCanvas::DrawEdge(TRect &r, UINT edge, UINT flags)
{
    if (!Ready())
        return false;
    struct Ring {
        TColor TopLeft, BottomRight;
    };
    Ring rings[2];
    int ringCount = 0;
    const bool soft = (flags & BF_SOFT) != 0;
    if (flags & BF_MONO) {
        if (edge & BDR_OUTER)
            rings[ringCount++] = {clWindowFrame, clWindowFrame};
        if (edge & BDR_INNER)
            rings[ringCount++] = {clWindow, clWindow};
    } else if (flags & BF_FLAT) {
        if (edge & BDR_OUTER)
            rings[ringCount++] = {clBtnShadow, clBtnShadow};
        if (edge & BDR_INNER)
            rings[ringCount++] = {clBtnFace, clBtnFace};
    } else {
        if (edge & BDR_RAISEDOUTER)
            rings[ringCount++] = {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
        else if (edge & BDR_SUNKENOUTER)
            rings[ringCount++] = {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
        if (edge & BDR_RAISEDINNER)
            rings[ringCount++] = {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
        else if (edge & BDR_SUNKENINNER)
            rings[ringCount++] = {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
    }
    const RecordScope recording(*this);
    if (recording) {
        // Each ring side is a line one pixel wide: recorded as a line it stays thin when stretched.
        TRect inner = ToSurface(r);
        auto side = [&](TPoint a, TPoint b, TColor color) {
            TDrawRecord record = NewRecord(TDrawKind::Line);
            record.Pen = {ColorToRGB(color), psSolid, 1};
            record.Rop2 = 13;
            record.Points = {a, b};
            Record(std::move(record));
        };
        for (int i = 0; i < ringCount && !inner.IsEmpty(); ++i) {
            const TRect q = inner;
            if (flags & BF_LEFT)
                side({q.Left, q.Top}, {q.Left, q.Bottom}, rings[i].TopLeft);
            if (flags & BF_TOP)
                side({q.Left, q.Top}, {q.Right, q.Top}, rings[i].TopLeft);
            if (flags & BF_RIGHT)
                side({q.Right - 1, q.Top}, {q.Right - 1, q.Bottom}, rings[i].BottomRight);
            if (flags & BF_BOTTOM)
                side({q.Left, q.Bottom - 1}, {q.Right, q.Bottom - 1}, rings[i].BottomRight);
            inner = TRect(inner.Left + ((flags & BF_LEFT) ? 1 : 0), inner.Top + ((flags & BF_TOP) ? 1 : 0),
                          inner.Right - ((flags & BF_RIGHT) ? 1 : 0), inner.Bottom - ((flags & BF_BOTTOM) ? 1 : 0));
        }
        if ((flags & BF_MIDDLE) && !inner.IsEmpty())
            RecordSolid(inner, (flags & BF_MONO) ? clWindow : clBtnFace);
    }
    Changing();
    TRect inner = r;
    {
        TCanvasPainter p(*this);
        for (int i = 0; i < ringCount; ++i) {
            if (inner.IsEmpty())
                break;
            const QRect q = p.R(inner);
            const std::uint32_t lt = p.ToPixel(rings[i].TopLeft), rb = p.ToPixel(rings[i].BottomRight);
            if (flags & BF_LEFT)
                p.FillSolid(QRect(q.left(), q.top(), 1, q.height()), lt);
            if (flags & BF_TOP)
                p.FillSolid(QRect(q.left(), q.top(), q.width(), 1), lt);
            if (flags & BF_RIGHT)
                p.FillSolid(QRect(q.right(), q.top(), 1, q.height()), rb);
            if (flags & BF_BOTTOM)
                p.FillSolid(QRect(q.left(), q.bottom(), q.width(), 1), rb);
            inner = TRect(inner.Left + ((flags & BF_LEFT) ? 1 : 0), inner.Top + ((flags & BF_TOP) ? 1 : 0),
                          inner.Right - ((flags & BF_RIGHT) ? 1 : 0), inner.Bottom - ((flags & BF_BOTTOM) ? 1 : 0));
        }
        if ((flags & BF_MIDDLE) && !inner.IsEmpty())
            p.FillSolid(p.R(inner), p.ToPixel((flags & BF_MONO) ? clWindow : clBtnFace));
    }
    Changed();
    if (flags & BF_ADJUST)
        r = inner;
    return true;
}

void TCanvas::GradientFill(const TRect &r, TColor startColor, TColor endColor, TGradientFillDirection dir)
{
    if (r.IsEmpty() || !Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        TDrawRecord record = NewRecord(TDrawKind::Gradient);
        record.Box = ToSurface(r);
        record.Brush = {ColorToRGB(startColor), bsSolid, QImage()};
        record.Color2 = ColorToRGB(endColor);
        record.Vertical = dir == TGradientFillDirection::Vertical;
        Record(std::move(record));
    }
    Changing();
    {
        TCanvasPainter p(*this);
        const TColor a = ColorToRGB(startColor), b = ColorToRGB(endColor);
        const bool vertical = dir == TGradientFillDirection::Vertical;
        const int steps = vertical ? r.Height() : r.Width();
        const QRect q = p.R(r);
        for (int i = 0; i < steps; ++i) {
            auto mix = [&](int ca, int cb) {
                return steps > 1 ? ca + static_cast<int>(std::lround((cb - ca) * static_cast<double>(i) / (steps - 1)))
                                 : ca;
            };
            const TColor c = RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                                 mix(GetBValue(a), GetBValue(b)));
            const QRect band = vertical ? QRect(q.left(), q.top() + i, q.width(), 1) : QRect(q.left() + i, q.top(), 1, q.height());
            p.FillSolid(band, p.ToPixel(c));
        }
    }
    Changed();
}

void TCanvas::FillRegion(const TRegion &rgn)
{
    if (!Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        const TPoint o = Offset();
        for (const QRect &part : rgn.Native().translated(o.X, o.Y)) {
            TDrawRecord record = NewRecord(TDrawKind::Fill);
            record.Box = FromQRect(part);
            Record(std::move(record));
        }
    }
    Changing();
    {
        TCanvasPainter p(*this);
        QRegion q = rgn.Native();
        q.translate(p.X(0), p.Y(0));
        for (const QRect &part : q)
            p.FillRect(part, 13);
    }
    Changed();
}

void TCanvas::FrameRegion(const TRegion &rgn, int width, int height)
{
    const QRegion &q = rgn.Native();
    QRegion inner = q;
    inner &= q.translated(width, 0);
    inner &= q.translated(-width, 0);
    inner &= q.translated(0, height);
    inner &= q.translated(0, -height);
    FillRegion(TRegion(q.subtracted(inner)));
}

void TCanvas::InvertRegion(const TRegion &rgn)
{
    if (!Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        const TPoint o = Offset();
        for (const QRect &part : rgn.Native().translated(o.X, o.Y)) {
            TDrawRecord record = NewRecord(TDrawKind::Invert);
            record.Box = FromQRect(part);
            Record(std::move(record));
        }
    }
    Changing();
    {
        TCanvasPainter p(*this);
        QRegion q = rgn.Native();
        q.translate(p.X(0), p.Y(0));
        p.ForEach(q, [](int, int, std::uint32_t d) { return ~d; });
    }
    Changed();
}

// ---- Pixels -------------------------------------------------------------------------------------------

TColor TCanvas::Pixel(int x, int y)
{
    if (!Ready())
        return clNone;
    const TPoint o = Offset();
    const int sx = x + o.X, sy = y + o.Y;
    if (!Visible().contains(QPoint(sx, sy)))
        return clNone;
    return PixelToColor(surface_->Image.pixel(sx, sy));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (!Ready())
        return;
    const RecordScope recording(*this);
    if (recording) {
        const TPoint d = ToSurface(x, y);
        RecordSolid(TRect(d.X, d.Y, d.X + 1, d.Y + 1), color);
    }
    Changing();
    {
        TCanvasPainter p(*this);
        p.Plot(p.X(x), p.Y(y), p.ToPixel(color), 13);
    }
    Changed();
}
