// TDrawing: recording, and playing the records again on a canvas with the canvas's own operations.

#include "platform/ui/Drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

TDrawing::TDrawing(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), clip_(QRect(0, 0, width_, height_))
{}

void TDrawing::Add(TDrawRecord record, const QRegion &visible)
{
    if (visible != clip_) {
        clip_ = visible;
        TDrawRecord clip;
        clip.Kind = TDrawKind::Clip;
        clip.Region = visible;
        records_.push_back(std::move(clip));
    }
    records_.push_back(std::move(record));
}

void TDrawing::AddPixels(const QImage &surface, const QRect &r, const QRegion &visible)
{
    const QRect area = r & surface.rect();
    if (area.isEmpty())
        return;
    TDrawRecord record;
    record.Kind = TDrawKind::Image;
    record.Box = FromQRect(area);
    record.Picture = surface.copy(area).convertToFormat(QImage::Format_RGB32);
    Add(std::move(record), visible);
}

// ---- Playing on a canvas -----------------------------------------------------------------------

// Plays records on a canvas through its own operations (a friend of the canvas: text goes through
// the same routine as every text output, mnemonic underline included).
class TDrawingPlayer {
public:
    TDrawingPlayer(const TDrawing &drawing, TCanvas &canvas, const TRect &dest)
        : c_(canvas), dest_(dest), sx_(static_cast<double>(dest.Width()) / drawing.Width()),
          sy_(static_cast<double>(dest.Height()) / drawing.Height()), same_(sx_ == 1.0 && sy_ == 1.0)
    {}

    void Play(const TDrawing &drawing)
    {
        if (!c_.Ready() || dest_.IsEmpty())
            return;
        const int saved = c_.SaveDC();
        baseClip_ = c_.state_.Clip;
        // Nothing lands beyond the frame, whatever was cut off by the recording surface's edge.
        Clip(QRegion(0, 0, drawing.Width(), drawing.Height()));
        for (const TDrawRecord &r : drawing.Records())
            Play(r);
        c_.RestoreDC(saved);
    }

private:
    int X(int x) const { return dest_.Left + (same_ ? x : static_cast<int>(std::lround(x * sx_))); }
    int Y(int y) const { return dest_.Top + (same_ ? y : static_cast<int>(std::lround(y * sy_))); }
    TPoint P(const TPoint &p) const { return TPoint(X(p.X), Y(p.Y)); }
    TRect R(const TRect &r) const { return TRect(X(r.Left), Y(r.Top), X(r.Right), Y(r.Bottom)); }
    // A pen one pixel wide stays one device pixel wide; wider pens grow with the picture.
    int PenWidth(int w) const
    {
        if (w <= 1 || same_)
            return w;
        return std::max(1, static_cast<int>(std::lround(w * (sx_ + sy_) / 2)));
    }

    void Tools(const TDrawRecord &r)
    {
        TPen *pen = c_.Pen();
        pen->SetMode(pmCopy);
        pen->SetColor(r.Pen.Color);
        pen->SetStyle(r.Pen.Style);
        pen->SetWidth(PenWidth(r.Pen.Width));
        TBrush *brush = c_.Brush();
        brush->SetBitmap(nullptr);
        pattern_.reset();
        brush->SetColor(r.Brush.Color);
        brush->SetStyle(r.Brush.Style);
        if (!r.Brush.Pattern.isNull()) {
            pattern_ = std::make_unique<TBitmap>();
            pattern_->SetImage(r.Brush.Pattern);
            brush->SetBitmap(pattern_.get());
        }
        // The brush set the background; the record's own comes after it.
        c_.SetRop2(r.Rop2);
        c_.SetPolyFillMode(r.FillMode);
        c_.SetBkColor(r.BkColor);
        c_.SetBkMode(r.OpaqueBk ? OPAQUE : TRANSPARENT);
        c_.SetTextColor(r.TextColor);
        const TPoint org = c_.LogicalToDevice(P(r.BrushOrg));
        c_.SetBrushOrg(org);
    }

    void Clip(const QRegion &region)
    {
        // Frame pixels to device pixels of the canvas, within the clip it had before playing.
        const TPoint o = c_.LogicalToDevice(TPoint(0, 0));
        QRegion device;
        for (const QRect &part : region) {
            TRect d = R(FromQRect(part));
            d.Offset(o.X, o.Y);
            if (!d.IsEmpty())
                device += ToQRect(d);
        }
        if (baseClip_)
            device &= baseClip_->translated(-c_.baseOrigin_.X, -c_.baseOrigin_.Y);
        const TRegion rgn(device);
        c_.SelectClipRegion(&rgn);
    }

    void Text(const TDrawRecord &r)
    {
        const TDrawText &t = *r.Text;
        TFont *font = c_.Font();
        font->Assign(const_cast<TFont *>(t.Font.get()));
        if (!same_ && t.Font->Height() != 0) {
            const int h = static_cast<int>(std::lround(t.Font->Height() * sy_));
            font->SetHeight(h != 0 ? h : (t.Font->Height() < 0 ? -1 : 1));
        }
        c_.SetTextColor(r.TextColor);
        c_.SetBkColor(r.BkColor);
        const TRect clip = R(t.ClipRect);
        const TPoint at = P(r.Points.at(0));
        c_.Changing();
        c_.state_.TextAlign = t.Align;
        c_.RenderText(t.Text, at.X, at.Y, t.Align, t.Clipped ? &clip : nullptr, t.FillBk, t.UnderlineFrom,
                      t.UnderlineCount);
        c_.Changed();
    }

    void Play(const TDrawRecord &r)
    {
        if (r.Kind == TDrawKind::Clip) {
            Clip(r.Region);
            return;
        }
        Tools(r);
        const TRect box = R(r.Box);
        switch (r.Kind) {
        case TDrawKind::Clip: break;
        case TDrawKind::Line:
            c_.MoveTo(X(r.Points.at(0).X), Y(r.Points.at(0).Y));
            c_.LineTo(X(r.Points.at(1).X), Y(r.Points.at(1).Y));
            break;
        case TDrawKind::Polyline:
        case TDrawKind::Polygon: {
            std::vector<TPoint> points;
            points.reserve(r.Points.size());
            for (const TPoint &p : r.Points)
                points.push_back(P(p));
            if (r.Kind == TDrawKind::Polyline)
                c_.Polyline(points);
            else
                c_.Polygon(points);
            break;
        }
        case TDrawKind::Rectangle: c_.Rectangle(box); break;
        case TDrawKind::RoundRect: {
            const TPoint corner = r.Points.at(0);
            const int w = same_ ? corner.X : static_cast<int>(std::lround(corner.X * sx_));
            const int h = same_ ? corner.Y : static_cast<int>(std::lround(corner.Y * sy_));
            c_.RoundRect(box.Left, box.Top, box.Right, box.Bottom, w, h);
            break;
        }
        case TDrawKind::Ellipse: c_.Ellipse(box); break;
        case TDrawKind::Arc:
        case TDrawKind::Pie:
        case TDrawKind::Chord: {
            const TPoint a = P(r.Points.at(0)), b = P(r.Points.at(1));
            if (r.Kind == TDrawKind::Arc)
                c_.Arc(box.Left, box.Top, box.Right, box.Bottom, a.X, a.Y, b.X, b.Y);
            else if (r.Kind == TDrawKind::Pie)
                c_.Pie(box.Left, box.Top, box.Right, box.Bottom, a.X, a.Y, b.X, b.Y);
            else
                c_.Chord(box.Left, box.Top, box.Right, box.Bottom, a.X, a.Y, b.X, b.Y);
            break;
        }
        case TDrawKind::Fill: c_.FillRect(box); break;
        case TDrawKind::Gradient:
            c_.GradientFill(box, r.Brush.Color, r.Color2,
                            r.Vertical ? TGradientFillDirection::Vertical : TGradientFillDirection::Horizontal);
            break;
        case TDrawKind::Invert: c_.InvertRect(box); break;
        case TDrawKind::FocusRect: c_.DrawFocusRect(box); break;
        case TDrawKind::Text: Text(r); break;
        case TDrawKind::Image: {
            const TRect source(0, 0, r.Picture.width(), r.Picture.height());
            if (r.Picture.hasAlphaChannel())
                c_.DrawImage(box, r.Picture, source, true);
            else
                c_.StretchBltImage(box, r.Picture, false, clWhite, source, SRCCOPY);
            break;
        }
        }
    }

    TCanvas &c_;
    TRect dest_;
    double sx_, sy_;
    bool same_;
    std::optional<QRegion> baseClip_;
    std::unique_ptr<TBitmap> pattern_;
};

void PlayDrawing(const TDrawing &drawing, TCanvas *canvas, const TRect &dest)
{
    if (!canvas)
        return;
    TDrawingPlayer(drawing, *canvas, dest).Play(drawing);
}
