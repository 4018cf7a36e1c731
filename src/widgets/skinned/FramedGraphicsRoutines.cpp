#include "widgets/skinned/FramedGraphicsRoutines.h"

#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/Forms.h"

#include <cmath>
#include <cstdint>

// ---- Parent image ----------------------------------------------------------------------------------

void PaintParentBackground(TControl *control, HDC dc, bool invalidateParent)
{
    if (!control || !control->Parent() || !dc)
        return;
    if (auto *windowed = dynamic_cast<TWinControl *>(control))
        windowed->DrawParentBackground(dc);
    TWinControl *parent = control->Parent();
    if (invalidateParent && !dynamic_cast<TCustomControl *>(parent) && !dynamic_cast<TCustomForm *>(parent))
        parent->Invalidate();
}

void PaintParentBackgroundOnCanvas(TControl *control, TCanvas *canvas, bool invalidateParent)
{
    if (canvas)
        PaintParentBackground(control, canvas->Handle(), invalidateParent);
}

// ---- Gradients ---------------------------------------------------------------------------------------

namespace {

// Colour `i` of the `count` + 1 steps from `a` to `b` (plain colours), each channel stepped in
// 16.16 fixed point; with no steps the leg is its end colour.
std::uint32_t StepColor(TColor a, TColor b, int i, int count)
{
    if (count <= 0)
        return ColorToPixel(b);
    auto channel = [&](int ca, int cb) {
        const std::int64_t fixed =
            (static_cast<std::int64_t>(ca) << 16) + (static_cast<std::int64_t>(cb - ca) << 16) * i / count;
        return static_cast<int>(fixed >> 16);
    };
    return ColorToPixel(RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                            channel(GetBValue(a), GetBValue(b))));
}

void FillImageRect(QImage &img, int l, int t, int r, int b, std::uint32_t pixel)
{
    l = std::max(l, 0), t = std::max(t, 0), r = std::min(r, img.width()), b = std::min(b, img.height());
    for (int y = t; y < b; ++y)
        std::fill_n(reinterpret_cast<std::uint32_t *>(img.scanLine(y)) + l, std::max(0, r - l), pixel);
}

// Rings from the edges inwards to a centre figure whose half extents are (fx, fy) in from the
// left and top edges.
void PaintRings(QImage &img, TColor start, TColor stop, int fx, int fy)
{
    const int w = img.width(), h = img.height();
    const int steps = std::max({fx, fy, 1});
    for (int i = 0; i <= steps; ++i) {
        const int left = fx * i / steps, top = fy * i / steps;
        FillImageRect(img, left, top, std::max(w - left, left + 1), std::max(h - top, top + 1),
                      StepColor(start, stop, i, steps));
    }
}

// Two legs meeting in the middle: start at both ends of `n` rows (or columns), stop at n div 2.
std::uint32_t CentreLeg(TColor start, TColor stop, int i, int n)
{
    const int mid = n / 2;
    return i <= mid ? StepColor(start, stop, i, mid) : StepColor(start, stop, n - 1 - i, n - 1 - mid);
}

}  // namespace

void FillGradient(TCanvas *canvas, const TRect &r, TGradientDirection direction, TColor start, TColor stop)
{
    if (!canvas)
        return;
    if (direction == gdHorizontalEnd || direction == gdVerticalEnd) {
        canvas->GradientFill(r, start, stop,
                             direction == gdHorizontalEnd ? TGradientFillDirection::Vertical
                                                          : TGradientFillDirection::Horizontal);
        return;
    }
    start = ColorToRGB(start);
    stop = ColorToRGB(stop);
    const int w = std::abs(r.Right - r.Left), h = std::abs(r.Bottom - r.Top);
    if (w == 0 || h == 0)
        return;
    QImage img(w, h, QImage::Format_RGB32);
    switch (direction) {
    case gdHorizontalCenter:
        for (int y = 0; y < h; ++y)
            FillImageRect(img, 0, y, w, y + 1, CentreLeg(start, stop, y, h));
        break;
    case gdVerticalCenter:
        for (int x = 0; x < w; ++x)
            FillImageRect(img, x, 0, x + 1, h, CentreLeg(start, stop, x, w));
        break;
    case gdSquareBox:
    case gdHorizontalBox:
    case gdVerticalBox:
    case gdBigSquareBox:
        if (start == stop || w < 5 || h <= 4) {
            img.fill(ColorToPixel(start));
        }
        else {
            const bool halfWidth = direction == gdHorizontalBox || direction == gdBigSquareBox;
            const bool halfHeight = direction == gdVerticalBox || direction == gdBigSquareBox;
            PaintRings(img, start, stop, halfWidth ? w / 4 : w / 2, halfHeight ? h / 4 : h / 2);
        }
        break;
    default: {  // the two diagonals
        if (start == stop) {
            img.fill(ColorToPixel(start));
            break;
        }
        // Bands run parallel to the other diagonal: x / W + y / H is constant along each.
        const int steps = static_cast<int>(std::sqrt(double(w) * w + double(h) * h)) + 1;
        const double sx = w > 1 ? 1.0 / (w - 1) : 0, sy = h > 1 ? 1.0 / (h - 1) : 0;
        const int axes = (w > 1 ? 1 : 0) + (h > 1 ? 1 : 0);
        for (int y = 0; y < h; ++y) {
            auto *line = reinterpret_cast<std::uint32_t *>(img.scanLine(y));
            const double fy = direction == gdDiagonalUp ? (h - 1 - y) * sy : y * sy;
            for (int x = 0; x < w; ++x) {
                const double t = axes ? (x * sx + fy) / axes : 0.0;
                line[x] = StepColor(start, stop, static_cast<int>(std::lround(t * (steps - 1))), steps - 1);
            }
        }
        break;
    }
    }
    canvas->DrawImage(Bounds(r.Left, r.Top, w, h), img, TRect(0, 0, w, h));
}

// ---- Transparent copies ------------------------------------------------------------------------------

void DrawBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent, const TRect &source)
{
    if (!canvas || !bitmap || bitmap->Empty())
        return;
    canvas->DrawImage(dest, bitmap->Image(), source, false, transparent);
}

void StretchWholeBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent)
{
    if (bitmap)
        DrawBitmapTransparent(canvas, bitmap, dest, transparent, TRect(0, 0, bitmap->Width(), bitmap->Height()));
}

void TileBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent)
{
    if (!canvas || !bitmap || bitmap->Empty())
        return;
    const int bw = bitmap->Width(), bh = bitmap->Height();
    for (int y = dest.Top; y < dest.Bottom; y += bh)
        for (int x = dest.Left; x < dest.Right; x += bw) {
            const int w = std::min(bw, dest.Right - x), h = std::min(bh, dest.Bottom - y);
            DrawBitmapTransparent(canvas, bitmap, Bounds(x, y, w, h), transparent, TRect(0, 0, w, h));
        }
}

void StretchBitmapTransparent(TCanvas *canvas, TBitmap *bitmap, const TRect &dest, TColor transparent,
                              const TRect &source)
{
    DrawBitmapTransparent(canvas, bitmap, dest, transparent, source);
}
