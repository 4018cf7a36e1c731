#include "widgets/graphics/TrackBarPaintHelpers.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/runtime/SysUtils.h"
#include "platform/ui/Region.h"

namespace trackbar {

namespace {

int RoundInt(double value)
{
    return static_cast<int>(Round(value));
}

void Line(TCanvas *canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

TGPRectF RectF(const TRect &r)
{
    return MakeRect(static_cast<REAL>(r.Left), static_cast<REAL>(r.Top), static_cast<REAL>(r.Width()),
                    static_cast<REAL>(r.Height()));
}

// Fills the polygon with the look's gradient (or plain colour) and outlines it.
void DrawPolygonThumb(TCanvas *canvas, const TRect &r, const std::vector<TPoint> &points, const TPolygonThumbLook &look)
{
    if (look.Color != clNone) {
        canvas->SaveDC();
        const TRegion shape = TRegion::Polygon(points);
        canvas->CombineClipRegion(shape, TRegionCombine::And);
        if (look.ColorTo != clNone)
            DrawDirectionalGradient(canvas, look.Color, look.ColorTo, static_cast<TGradientDirection>(look.Gradient), r,
                                    look.Steps);
        else
            canvas->FillRect(r, look.Color);
        canvas->RestoreDC(-1);
    }
    if (look.Border != clNone) {
        canvas->Pen()->SetColor(look.Border);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Polygon(points);
        canvas->Brush()->SetStyle(bsSolid);
    }
}

}  // namespace

void DrawBandGradient(TCanvas *canvas, TColor from, TColor to, bool horizontal, TRect r, int steps)
{
    if (steps <= 0)
        steps = 1;
    if (horizontal)
        --r.Right;
    else
        --r.Bottom;
    const TColor a = ColorToRGB(from), z = ColorToRGB(to);
    const double dr = static_cast<double>(GetRValue(z) - GetRValue(a)) / steps;
    const double dg = static_cast<double>(GetGValue(z) - GetGValue(a)) / steps;
    const double db = static_cast<double>(GetBValue(z) - GetBValue(a)) / steps;
    const double band = static_cast<double>(horizontal ? r.Width() : r.Height()) / steps;
    const int width = RoundInt(band) + 1;
    for (int n = 0; n < steps; ++n) {
        const TColor color =
            RGB(GetRValue(a) + RoundInt(n * dr), GetGValue(a) + RoundInt(n * dg), GetBValue(a) + RoundInt(n * db));
        const int start = RoundInt(n * band);
        const TRect strip = horizontal ? TRect(r.Left + start, r.Top, r.Left + start + width, r.Bottom)
                                       : TRect(r.Left, r.Top + start, r.Right, r.Top + start + width);
        if (strip.Right > strip.Left && strip.Bottom > strip.Top && canvas->RectVisible(strip))
            canvas->FillRect(strip, color);
    }
}

void DrawDirectionalGradient(TCanvas *canvas, TColor from, TColor to, TGradientDirection direction, const TRect &r,
                             int steps)
{
    switch (direction) {
    case gdHorizontal: DrawBandGradient(canvas, from, to, true, r, steps); break;
    case gdVertical: DrawBandGradient(canvas, from, to, false, r, steps); break;
    case gdHorizontalInOut: {
        const int mid = r.Left + r.Width() / 2;
        DrawBandGradient(canvas, from, to, true, TRect(r.Left, r.Top, mid, r.Bottom), steps);
        DrawBandGradient(canvas, to, from, true, TRect(mid, r.Top, r.Right, r.Bottom), steps);
        break;
    }
    case gdVerticalInOut: {
        const int mid = r.Top + r.Height() / 2;
        DrawBandGradient(canvas, from, to, false, TRect(r.Left, r.Top, r.Right, mid), steps);
        DrawBandGradient(canvas, to, from, false, TRect(r.Left, mid, r.Right, r.Bottom), steps);
        break;
    }
    }
}

void MeasureText(TCanvas *canvas, TFont *font, const QString &text, int &width, int &height)
{
    TFont saved;
    saved.Assign(canvas->Font());
    canvas->SetFont(font);
    width = canvas->TextWidth(text);
    height = canvas->TextHeight(text);
    canvas->SetFont(&saved);
}

TColor MixColors(TColor a, TColor b, int percent)
{
    if (percent >= 100)
        return a;
    if (percent <= 0)
        return b;
    const TColor ca = ColorToRGB(a), cb = ColorToRGB(b);
    const double f = percent / 100.0;
    const auto mix = [f](int x, int y) { return RoundInt(f * x + (1 - f) * y); };
    return RGB(mix(GetRValue(ca), GetRValue(cb)), mix(GetGValue(ca), GetGValue(cb)), mix(GetBValue(ca), GetBValue(cb)));
}

void Draw3DFrame(TCanvas *canvas, const TRect &r, bool raised, TColor light, TColor dark)
{
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    canvas->Pen()->SetColor(raised ? dark : light);
    if (r.Height() > 2)
        Line(canvas, L, T, L, B);
    Line(canvas, L, T, R, T);
    Line(canvas, R - 2, T, R - 2, B - 2);
    Line(canvas, R - 2, B - 2, L, B - 2);
    canvas->Pen()->SetColor(raised ? light : dark);
    Line(canvas, L + 1, B - 1, R - 1, B - 1);
    Line(canvas, R - 1, B - 1, R - 1, T - 1);
    Line(canvas, L + 1, B - 1, L + 1, T + 1);
    Line(canvas, L + 1, T + 1, R - 2, T + 1);
}

ARGB ColorToARGB(TColor color)
{
    const TColor c = ColorToRGB(color);
    return 0xFF000000u | (static_cast<ARGB>(GetRValue(c)) << 16) | (static_cast<ARGB>(GetGValue(c)) << 8) |
           static_cast<ARGB>(GetBValue(c));
}

TGPGraphicsPath *CreateRoundRectPath(int x, int y, int width, int height, int radius)
{
    auto *path = new TGPGraphicsPath();
    const REAL d = static_cast<REAL>(2 * radius);
    const REAL fx = static_cast<REAL>(x), fy = static_cast<REAL>(y);
    const REAL fr = static_cast<REAL>(x + width), fb = static_cast<REAL>(y + height);
    path->AddArc(fx, fy, d, d, 180, 90);
    path->AddArc(fr - d, fy, d, d, 270, 90);
    path->AddArc(fr - d, fb - d, d, d, 0, 90);
    path->AddArc(fx, fb - d, d, d, 90, 90);
    path->CloseFigure();
    return path;
}

void DrawRoundRectPath(TGPGraphics *graphics, int x, int y, int width, int height, int radius, TColor color)
{
    std::unique_ptr<TGPGraphicsPath> path(CreateRoundRectPath(x, y, width, height, radius));
    TGPPen pen(ColorToARGB(color), 1);
    graphics->DrawPath(&pen, path.get());
}

TGPGraphicsPath *CreatePointerPath(const TRect &r, bool vertical, bool first, bool second, int half)
{
    std::vector<TGPPoint> points;
    const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    if (!vertical) {
        // A horizontal bar's thumb points up and/or down.
        const int mid = L + (R - L) / 2;
        const int top = first ? T + half : T, bottom = second ? B - half : B;
        points.push_back(MakePoint(L, top));
        if (first)
            points.push_back(MakePoint(mid, T));
        points.push_back(MakePoint(R, top));
        points.push_back(MakePoint(R, bottom));
        if (second)
            points.push_back(MakePoint(mid, B));
        points.push_back(MakePoint(L, bottom));
    } else {
        const int mid = T + (B - T) / 2;
        const int left = first ? L + half : L, right = second ? R - half : R;
        points.push_back(MakePoint(left, T));
        points.push_back(MakePoint(right, T));
        if (second)
            points.push_back(MakePoint(R, mid));
        points.push_back(MakePoint(right, B));
        points.push_back(MakePoint(left, B));
        if (first)
            points.push_back(MakePoint(L, mid));
    }
    auto *path = new TGPGraphicsPath(FillModeAlternate);
    path->AddPolygon(points.data(), static_cast<INT>(points.size()));
    return path;
}

void FillMirrorHalf(TGPGraphics *graphics, const TRect &r, TColor color, bool upper, TGDIPGradient gradient,
                    TColor colorTo)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const TGPRectF rf = RectF(r);
    if (gradient == ggRadial) {
        TGPSolidBrush solid(ColorToARGB(color));
        graphics->FillRectangle(&solid, rf);
        TGPGraphicsPath ellipse;
        TGPRectF e = rf;
        if (upper)
            e.Y -= e.Height / 2 - 2;
        ellipse.AddEllipse(e);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetCenterPoint(MakePoint(rf.X + rf.Width / 2, upper ? rf.Y : rf.Y + rf.Height));
        brush.SetCenterColor(ColorToARGB(colorTo));
        ARGB surround = ColorToARGB(color);
        INT count = 1;
        brush.SetSurroundColors(&surround, count);
        graphics->FillRectangle(&brush, rf);
        return;
    }
    const LinearGradientMode mode = gradient == ggDiagonalForward    ? LinearGradientModeForwardDiagonal
                                    : gradient == ggDiagonalBackward ? LinearGradientModeBackwardDiagonal
                                                                     : LinearGradientModeVertical;
    TGPRectF grown = rf;
    grown.Height += 1;  // the brush repeats beyond its rectangle: keep the last row in the gradient
    TGPLinearGradientBrush brush(grown, ColorToARGB(color), ColorToARGB(colorTo), mode);
    graphics->FillRectangle(&brush, rf);
}

void DrawMirrorBorder(TGPGraphics *graphics, const TRect &r, TMirrorKind kind, TColor border, TColor light)
{
    TRect square = r;
    if (kind == TMirrorKind::Round) {
        const int side = std::min(r.Width(), r.Height());
        square = r.Width() > r.Height() ? Bounds(r.Left + (r.Width() - side) / 2, r.Top, side, side)
                                        : Bounds(r.Left, r.Top + (r.Height() - side) / 2, side, side);
    }
    const auto outline = [&](TColor color, int inset) {
        TGPPen pen(ColorToARGB(color), 1);
        const TGPRectF f = MakeRect(static_cast<REAL>(square.Left + inset), static_cast<REAL>(square.Top + inset),
                                    static_cast<REAL>(square.Width() - 1 - 2 * inset),
                                    static_cast<REAL>(square.Height() - 1 - 2 * inset));
        if (kind == TMirrorKind::Round)
            graphics->DrawEllipse(&pen, f);
        else
            graphics->DrawRectangle(&pen, f);
    };
    if (light != clNone)
        outline(light, 0);
    if (border != clNone)
        outline(border, kind == TMirrorKind::Round ? 1 : 0);
}

void DrawMirrorFill(TGPGraphics *graphics, const TRect &r, TGDIPGradient gradientMirror, TGDIPGradient gradient,
                    TColor mirrorTo, TColor mirror, TColor colorTo, TColor color, TColor border, TColor light,
                    TMirrorKind kind)
{
    graphics->SetSmoothingMode(SmoothingModeAntiAlias);
    if (color != clNone && colorTo != clNone && mirror != clNone && mirrorTo != clNone) {
        const int mid = r.Top + r.Height() / 2;
        FillMirrorHalf(graphics, TRect(r.Left, mid - 1, r.Right, r.Bottom), mirror, false, gradientMirror, mirrorTo);
        FillMirrorHalf(graphics, TRect(r.Left, r.Top, r.Right, mid + 1), color, true, gradient, colorTo);
    }
    DrawMirrorBorder(graphics, r, kind, border, light);
}

void DrawFocusRectangle(TCanvas *canvas, const TRect &r, TColor color)
{
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetStyle(psAlternate);
    canvas->Pen()->SetWidth(1);
    // The pixels between the dots keep what is there.
    const int mode = canvas->SetBkMode(TRANSPARENT);
    Line(canvas, r.Left, r.Top, r.Right, r.Top);
    Line(canvas, r.Right, r.Top, r.Right, r.Bottom);
    Line(canvas, r.Right, r.Bottom, r.Left, r.Bottom);
    Line(canvas, r.Left, r.Bottom, r.Left, r.Top);
    canvas->SetBkMode(mode);
    canvas->Pen()->SetStyle(psSolid);
}

void DrawTriangleThumb(TCanvas *canvas, const TRect &r, int kind, const TPolygonThumbLook &look)
{
    const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    const int w = R - L, h = B - T;
    std::vector<TPoint> points;
    switch (kind) {
    case 0: points = {TPoint(L, B), TPoint(L, T), TPoint(R, T + h / 2)}; break;
    case 1: points = {TPoint(L, T + h / 2), TPoint(R, T), TPoint(R, B)}; break;
    case 2: points = {TPoint(L, B), TPoint(L + w / 2, T), TPoint(R, B)}; break;
    case 3: points = {TPoint(L, T), TPoint(R, T), TPoint(L + w / 2, B)}; break;
    default: points = {TPoint(L, T + h / 2), TPoint(L + w / 2, T), TPoint(R, T + h / 2), TPoint(L + w / 2, B)}; break;
    }
    DrawPolygonThumb(canvas, r, points, look);
}

namespace {

// A pointer whose tip sits at one end of the side it points to: the top or left end with
// `leftUp`, the bottom or right end otherwise; the opposite side stays square.
std::vector<TPoint> CornerPointer(const TRect &r, int kind, bool leftUp)
{
    const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    const int w = R - L, h = B - T;
    switch (kind) {
    case 0:  // points right
        return leftUp ? std::vector<TPoint>{{L, T}, {R, T}, {L + w / 2, B}, {L, B}}
                      : std::vector<TPoint>{{L, T}, {L + w / 2, T}, {R, B}, {L, B}};
    case 1:  // points left
        return leftUp ? std::vector<TPoint>{{L, T}, {R, T}, {R, B}, {L + w / 2, B}}
                      : std::vector<TPoint>{{L + w / 2, T}, {R, T}, {R, B}, {L, B}};
    case 2:  // points up
        return leftUp ? std::vector<TPoint>{{L, T}, {R, T + h / 2}, {R, B}, {L, B}}
                      : std::vector<TPoint>{{R, T}, {R, B}, {L, B}, {L, T + h / 2}};
    case 3:  // points down
        return leftUp ? std::vector<TPoint>{{L, T}, {R, T}, {R, B - h / 2}, {L, B}}
                      : std::vector<TPoint>{{L, T}, {R, T}, {R, B}, {L, B - h / 2}};
    default: return {{L, T + h / 2}, {L + w / 2, T}, {R, T + h / 2}, {L + w / 2, B}};
    }
}

}  // namespace

void DrawPointerThumbLeftUp(TCanvas *canvas, const TRect &r, int kind, const TPolygonThumbLook &look)
{
    DrawPolygonThumb(canvas, r, CornerPointer(r, kind, true), look);
}

void DrawPointerThumbRightUp(TCanvas *canvas, const TRect &r, int kind, const TPolygonThumbLook &look)
{
    DrawPolygonThumb(canvas, r, CornerPointer(r, kind, false), look);
}

}  // namespace trackbar
