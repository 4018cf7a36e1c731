#include "widgets/graphics/AdvProgressBar.h"

#include <algorithm>
#include <cstdint>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Bitmap.h"
#include "widgets/graphics/ControlVersion.h"

T_IMPLEMENT_CLASS(TAdvProgressBar)
{
    b.Int("Position", &TAdvProgressBar::Position, &TAdvProgressBar::SetPosition);
    b.Int("Min", &TAdvProgressBar::Min, &TAdvProgressBar::SetMin).Default(0);
    b.Int("Max", &TAdvProgressBar::Max, &TAdvProgressBar::SetMax).Default(100);
    b.Color("Level0Color", &TAdvProgressBar::Level0Color, &TAdvProgressBar::SetLevel0Color)
        .Default(0x00FF00)
        .Idents(ColorIdents());
    b.Color("Level0ColorTo", &TAdvProgressBar::Level0ColorTo, &TAdvProgressBar::SetLevel0ColorTo).Idents(ColorIdents());
    b.Color("Level1Color", &TAdvProgressBar::Level1Color, &TAdvProgressBar::SetLevel1Color)
        .Default(0x00FFFF)
        .Idents(ColorIdents());
    b.Color("Level1ColorTo", &TAdvProgressBar::Level1ColorTo, &TAdvProgressBar::SetLevel1ColorTo).Idents(ColorIdents());
    b.Color("Level2Color", &TAdvProgressBar::Level2Color, &TAdvProgressBar::SetLevel2Color).Idents(ColorIdents());
    b.Color("Level2ColorTo", &TAdvProgressBar::Level2ColorTo, &TAdvProgressBar::SetLevel2ColorTo).Idents(ColorIdents());
    b.Color("Level3Color", &TAdvProgressBar::Level3Color, &TAdvProgressBar::SetLevel3Color)
        .Default(0x0000FF)
        .Idents(ColorIdents());
    b.Color("Level3ColorTo", &TAdvProgressBar::Level3ColorTo, &TAdvProgressBar::SetLevel3ColorTo).Idents(ColorIdents());
    b.Int("Level1Perc", &TAdvProgressBar::Level1Perc, &TAdvProgressBar::SetLevel1Perc);
    b.Int("Level2Perc", &TAdvProgressBar::Level2Perc, &TAdvProgressBar::SetLevel2Perc);
    b.Color("Level0BkColor", &TAdvProgressBar::Level0BkColor, &TAdvProgressBar::SetLevel0BkColor)
        .Default(clNone)
        .Idents(ColorIdents());
    b.Color("Level1BkColor", &TAdvProgressBar::Level1BkColor, &TAdvProgressBar::SetLevel1BkColor)
        .Default(clNone)
        .Idents(ColorIdents());
    b.Color("Level2BkColor", &TAdvProgressBar::Level2BkColor, &TAdvProgressBar::SetLevel2BkColor)
        .Default(clNone)
        .Idents(ColorIdents());
    b.Color("BackgroundColor", &TAdvProgressBar::BackgroundColor, &TAdvProgressBar::SetBackgroundColor)
        .Default(0xFFFFFF)
        .Idents(ColorIdents());
    b.Color("BorderColor", &TAdvProgressBar::BorderColor, &TAdvProgressBar::SetBorderColor)
        .Default(0x808080)
        .Idents(ColorIdents());
    b.Bool("ShowBorder", &TAdvProgressBar::ShowBorder, &TAdvProgressBar::SetShowBorder);
    b.Bool("Stacked", &TAdvProgressBar::Stacked, &TAdvProgressBar::SetStacked).Default(false);
    b.Bool("CompletionSmooth", &TAdvProgressBar::CompletionSmooth, &TAdvProgressBar::SetCompletionSmooth)
        .Default(false);
    b.Bool("ShowGradient", &TAdvProgressBar::ShowGradient, &TAdvProgressBar::SetShowGradient).Default(true);
    b.Int("Steps", &TAdvProgressBar::Steps, &TAdvProgressBar::SetSteps).Default(8);
    b.Bool("ShowPercentage", &TAdvProgressBar::ShowPercentage, &TAdvProgressBar::SetShowPercentage).Default(true);
    b.Bool("ShowPosition", &TAdvProgressBar::ShowPosition, &TAdvProgressBar::SetShowPosition).Default(true);
    b.Object("Font", &TAdvProgressBar::FontPercentage, &TAdvProgressBar::SetFontPercentage);
    b.Str("Format", &TAdvProgressBar::Format, &TAdvProgressBar::SetFormat);
    b.Enum("Orientation", &TAdvProgressBar::Orientation, &TAdvProgressBar::SetOrientation, GaugeOrientationNames)
        .Default(goHorizontal);
    b.Bool("Rounded", &TAdvProgressBar::Rounded, &TAdvProgressBar::SetRounded).Default(true);
    b.Bool("Animated", &TAdvProgressBar::Animated, &TAdvProgressBar::SetAnimated).Default(false);
    b.Bool("Infinite", &TAdvProgressBar::Infinite, &TAdvProgressBar::SetInfinite).Default(false);
    b.Int("InfiniteInterval", &TAdvProgressBar::InfiniteInterval, &TAdvProgressBar::SetInfiniteInterval).Default(50);
    b.Str("Version", &TAdvProgressBar::Version, &TAdvProgressBar::SetVersion);
    b.Message(WM_ERASEBKGND, &TAdvProgressBar::WMEraseBkgnd);
}

namespace {

// The rounded bar's corners keep this colour in the off-screen bitmap and are left out.
constexpr TColor CornerKey = 0xFF00FF;

// Width of a block and the gap after it.
constexpr int BlockWidth = 7;
constexpr int BlockPitch = 9;

// The percentage of `value` in min..max with halves to even, held to 0..100 (0 for an empty
// range): Min and Max may have been written past the position.
int PercentOf(std::int64_t value, std::int64_t min, std::int64_t max)
{
    if (min == max)
        return 0;
    const double percent = 100.0 * static_cast<double>(value - min) / static_cast<double>(max - min);
    return static_cast<int>(std::clamp<std::int64_t>(Round(percent), 0, 100));
}

int RoundInt(double value)
{
    return static_cast<int>(Round(value));
}

// Lengths along the bar become rectangles: a horizontal bar runs left to right, a vertical one
// from the bottom upward.
struct TBarGeometry {
    TGaugeOrientation Orientation;
    int W, H;
    int Length() const { return Orientation == goHorizontal ? W : H; }
    int Across() const { return Orientation == goHorizontal ? H : W; }
    // From `from` to `to` along the bar, from `a` to `b` across it.
    TRect Part(int from, int to, int a, int b) const
    {
        if (Orientation == goHorizontal)
            return TRect(from, a, to, b);
        return TRect(a, H - to, b, H - from);
    }
};

void FillBox(TCanvas *canvas, const TRect &r, TColor color)
{
    if (r.Right > r.Left && r.Bottom > r.Top)
        canvas->FillRect(r, color);
}

// Bands from one colour to the other along x (or y), each band's colour stepped per channel.
void DrawGradientStrip(TCanvas *canvas, TColor from, TColor to, bool alongX, const TRect &r, int steps)
{
    if (steps <= 0)
        steps = 1;
    const int length = alongX ? r.Width() : r.Height();
    if (length <= 0 || r.Width() <= 0 || r.Height() <= 0)
        return;
    const TColor a = ColorToRGB(from), z = ColorToRGB(to);
    const double band = static_cast<double>(length) / steps;
    for (int n = 0; n < steps; ++n) {
        const auto channel = [&](int ca, int cz) { return ca + RoundInt(static_cast<double>(n) * (cz - ca) / steps); };
        const TColor color = RGB(channel(GetRValue(a), GetRValue(z)), channel(GetGValue(a), GetGValue(z)),
                                 channel(GetBValue(a), GetBValue(z)));
        const int start = RoundInt(n * band);
        const int end = std::min(length, start + static_cast<int>(band) + 1);
        if (alongX)
            FillBox(canvas, TRect(r.Left + start, r.Top, r.Left + end, r.Bottom), color);
        else
            FillBox(canvas, TRect(r.Left, r.Top + start, r.Right, r.Top + end), color);
    }
}

// One part or block: two gradient halves across the bar (the outer edges in ColorTo), or one
// plain colour.
void PaintPart(TCanvas *canvas, const TRect &r, TColor color, TColor colorTo, const TGaugeSettings &s)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    if (!s.ShowGradient) {
        FillBox(canvas, r, color);
        return;
    }
    if (s.Orientation == goHorizontal) {
        const int mid = r.Top + r.Height() / 2;
        DrawGradientStrip(canvas, colorTo, color, false, TRect(r.Left, r.Top, r.Right, mid), s.Steps);
        DrawGradientStrip(canvas, color, colorTo, false, TRect(r.Left, mid, r.Right, r.Bottom), s.Steps);
    } else {
        const int mid = r.Left + r.Width() / 2;
        DrawGradientStrip(canvas, colorTo, color, true, TRect(r.Left, r.Top, mid, r.Bottom), s.Steps);
        DrawGradientStrip(canvas, color, colorTo, true, TRect(mid, r.Top, r.Right, r.Bottom), s.Steps);
    }
}

QString GaugeText(const TGaugeSettings &s, int percent)
{
    const QString plain = s.ShowPercentage ? QString::number(percent) + QLatin1Char('%') : QString::number(s.Value);
    if (s.Format.isEmpty())
        return plain;
    try {
        return ::Format(s.Format, {s.Value, s.Max});
    } catch (const EConvertError &) {
        // A format that does not take two integers shows the plain text rather than failing
        // every paint.
        return plain;
    }
}

}  // namespace

void DrawGauge(TCanvas *canvas, const TRect &r, const TGaugeSettings &settings)
{
    TGaugeSettings s = settings;
    const TBarGeometry bar{s.Orientation, r.Width(), r.Height()};
    const int W = bar.W, H = bar.H, L = bar.Length(), A = bar.Across();
    if (W <= 0 || H <= 0)
        return;

    if (s.Rounded)
        canvas->FillRect(r, CornerKey);
    int p = std::clamp(s.Position, 0, 100);
    if (s.Infinite) {
        p = 100;
        s.Level1Perc = 101;
        s.Level2Perc = 101;
    }

    // Frame.
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(s.BackgroundColor);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(s.ShowBorder ? s.BorderColor : s.BackgroundColor);
    if (s.Rounded)
        canvas->RoundRect(0, 0, W, H, 6, 6);
    else
        canvas->Rectangle(0, 0, W, H);

    const int C = L - 2;
    // Level zones, each ending where the next begins; the last ends at C.
    if (s.Level0BkColor != clNone || s.Level1BkColor != clNone || s.Level2BkColor != clNone) {
        const int len0 = RoundInt(C * s.Level1Perc / 100.0);
        const int len1 = RoundInt(C * (s.Level2Perc - s.Level1Perc) / 100.0);
        const int len2 = C - len0 - len1;
        const TColor zone[] = {s.Level0BkColor, s.Level1BkColor, s.Level2BkColor};
        const int ends[] = {len0, len0 + len1, len0 + len1 + len2};
        int from = 2;
        for (int i = 0; i < 3; ++i) {
            if (zone[i] != clNone)
                FillBox(canvas, bar.Part(from, ends[i], 1, A - 1), zone[i]);
            from = ends[i];
        }
    }

    if (p > 0) {
        if (s.Stacked) {
            const int len0 = RoundInt(C * std::min(p, s.Level1Perc) / 100.0);
            PaintPart(canvas, bar.Part(2, len0, 1, A - 1), s.Level0Color, s.Level0ColorTo, s);
            if (p >= s.Level1Perc) {
                const int len1 = RoundInt(C * (std::min(p, s.Level2Perc) - s.Level1Perc) / 100.0);
                PaintPart(canvas, bar.Part(len0, len0 + len1, 1, A - 1), s.Level1Color, s.Level1ColorTo, s);
                if (p >= s.Level2Perc) {
                    const int len2 = p == 100 ? C - len0 - len1 : RoundInt(C * (p - s.Level2Perc) / 100.0);
                    PaintPart(canvas, bar.Part(len0 + len1, len0 + len1 + len2, 1, A - 1), s.Level2Color,
                              s.Level2ColorTo, s);
                }
            }
        } else {
            TColor color = s.Level3Color, colorTo = s.Level3ColorTo;
            if (p < s.Level1Perc)
                color = s.Level0Color, colorTo = s.Level0ColorTo;
            else if (p < s.Level2Perc)
                color = s.Level1Color, colorTo = s.Level1ColorTo;
            else if (p < 100)
                color = s.Level2Color, colorTo = s.Level2ColorTo;
            if (s.CompletionSmooth) {
                PaintPart(canvas, bar.Part(2, RoundInt(p * C / 100.0), 2, A - 2), color, colorTo, s);
            } else {
                const int F = RoundInt(C * p / 100.0);
                if (F >= 2 && F <= 9) {
                    PaintPart(canvas, bar.Part(2, F + 1, 2, A - 2), color, colorTo, s);
                } else if (F >= 10) {
                    int right = 2 + BlockWidth;
                    PaintPart(canvas, bar.Part(2, right, 2, A - 2), color, colorTo, s);
                    for (int i = 1; i < F / BlockPitch; ++i) {
                        PaintPart(canvas, bar.Part(right + 2, right + BlockPitch, 2, A - 2), color, colorTo, s);
                        right += BlockPitch;
                    }
                    if (F % BlockPitch > 2) {
                        TRect last = bar.Part(right + 2, right + 2 + F % BlockPitch - 1, 2, A - 2);
                        if (s.Orientation == goVertical)
                            last.Top = std::max(last.Top, 2);
                        PaintPart(canvas, last, color, colorTo, s);
                    }
                }
            }
        }
    }

    if (s.Infinite) {
        // Only a window of about 22 pixels around the sliding position keeps the fill.
        const int O = L < 5 ? 0 : RoundInt(s.InfinitePos / 100.0 * (L - 4));
        const auto across = [&](int from, int to, int a, int b) {
            return s.Orientation == goHorizontal ? TRect(from, a, to, b) : TRect(a, from, b, to);
        };
        FillBox(canvas, across(2, std::max(2, O - 10), 1, A - 1), s.BackgroundColor);
        FillBox(canvas, across(std::min(L - 2, O + 12), L - 2, 2, A - 2), s.BackgroundColor);
    }

    if (s.ShowPosition && s.Font) {
        const QString text = GaugeText(s, p);
        canvas->Brush()->SetStyle(bsClear);
        canvas->SetFont(const_cast<TFont *>(s.Font));
        const int tw = canvas->TextWidth(text), th = canvas->TextHeight(text);
        if (s.Orientation == goHorizontal) {
            canvas->TextOut(W / 2 - tw / 2, H / 2 - th / 2, text);
        } else {
            canvas->Font()->SetOrientation(900);
            canvas->TextOut(W / 2 - th / 2, H / 2 + tw / 2, text);
        }
        canvas->Brush()->SetStyle(bsSolid);
    }
}

// ---- TAdvProgressBar -----------------------------------------------------------------------------------

TAdvProgressBar::TAdvProgressBar(TComponent *AOwner)
    : TGraphicControl(AOwner), FFontPercentage(std::make_unique<TFont>()), FTimer(std::make_unique<TTimer>(nullptr))
{
    FFontPercentage->SetName(QStringLiteral("Verdana"));
    FFontPercentage->SetSize(10);
    FFontPercentage->OnChange = [this](TObject *sender) { FontChanged(sender); };
    FTimer->SetEnabled(false);
    FTimer->SetInterval(static_cast<unsigned>(FInfiniteInterval));
    FTimer->OnTimer = [this](TObject *sender) { TimerTick(sender); };
    SetBounds(FLeft, FTop, 128, 18);
}

TAdvProgressBar::~TAdvProgressBar() = default;

int TAdvProgressBar::Percent() const
{
    return PercentOf(FPosition, FMin, FMax);
}

bool TAdvProgressBar::TextFollowsValue() const
{
    return FShowPosition && (!FShowPercentage || !FFormat.isEmpty());
}

void TAdvProgressBar::SetPosition(int value)
{
    // Out-of-range requests are clamped and then shown like any other change.
    if (value < FMin)
        value = FMin;
    else if (value > FMax)
        value = FMax;
    FPosition = value;
    const int percent = PercentOf(value, FMin, FMax);
    const bool show = FMaxIncrement == 0 || value % FMaxIncrement == 0 || value / FMaxIncrement != FOldBlockPos ||
                      percent != FOldPos || TextFollowsValue();
    if (show)
        Paint();
    FOldPos = percent;
    if (FMaxIncrement != 0)
        FOldBlockPos = value / FMaxIncrement;
}

void TAdvProgressBar::SetMin(int value)
{
    if (value == FMin)
        return;
    FMin = value;
    FMaxIncrement = static_cast<int>((static_cast<std::int64_t>(FMax) - FMin) / 100);
    Invalidate();
}

void TAdvProgressBar::SetMax(int value)
{
    if (value == FMax)
        return;
    FMax = value;
    FMaxIncrement = static_cast<int>((static_cast<std::int64_t>(FMax) - FMin) / 100);
    Invalidate();
}

void TAdvProgressBar::SetFontPercentage(TFont *value)
{
    if (value != FFontPercentage.get())
        FFontPercentage->Assign(value);
}

void TAdvProgressBar::UpdateTimer()
{
    FTimer->SetEnabled(FInfinite && FAnimated);
}

void TAdvProgressBar::SetAnimated(bool value)
{
    FAnimated = value;
    UpdateTimer();
    Invalidate();
}

void TAdvProgressBar::SetInfinite(bool value)
{
    FInfinite = value;
    if (value)
        FInfinitePos = 0;
    UpdateTimer();
    Invalidate();
}

void TAdvProgressBar::SetInfiniteInterval(int value)
{
    FInfiniteInterval = value;
    FTimer->SetInterval(static_cast<unsigned>(std::max(value, 0)));
}

void TAdvProgressBar::TimerTick(TObject *)
{
    if (FInfiniteInc) {
        FInfinitePos += 4;
        if (FInfinitePos > 99) {
            FInfinitePos = 100;
            FInfiniteInc = false;
        }
    } else {
        FInfinitePos -= 4;
        if (FInfinitePos < 1) {
            FInfinitePos = 0;
            FInfiniteInc = true;
        }
    }
    Paint();
}

int TAdvProgressBar::GetVersionNr()
{
    return PackVersion(1, 2, 0, 1);
}

QString TAdvProgressBar::Version() const
{
    return VersionText(GetVersionNr());
}

TGaugeSettings TAdvProgressBar::Settings() const
{
    TGaugeSettings s{};
    s.Level0Color = FLevel0Color;
    s.Level0ColorTo = FLevel0ColorTo;
    s.Level1Color = FLevel1Color;
    s.Level1ColorTo = FLevel1ColorTo;
    s.Level2Color = FLevel2Color;
    s.Level2ColorTo = FLevel2ColorTo;
    s.Level3Color = FLevel3Color;
    s.Level3ColorTo = FLevel3ColorTo;
    s.Level1Perc = FLevel1Perc;
    s.Level2Perc = FLevel2Perc;
    s.BorderColor = FBorderColor;
    s.Level0BkColor = FLevel0BkColor;
    s.Level1BkColor = FLevel1BkColor;
    s.Level2BkColor = FLevel2BkColor;
    s.ShowBorder = FShowBorder;
    s.Stacked = FStacked;
    s.ShowPercentage = FShowPercentage;
    s.ShowPosition = FShowPosition;
    s.Font = FFontPercentage.get();
    s.CompletionSmooth = FCompletionSmooth;
    s.ShowGradient = FShowGradient;
    s.Steps = FSteps;
    s.Position = Percent();
    s.Value = FPosition;
    s.Max = FMax;
    s.BackgroundColor = FBackgroundColor;
    s.Orientation = FOrientation;
    s.Rounded = FRounded;
    s.Format = FFormat;
    s.Infinite = FInfinite;
    s.InfinitePos = FInfinitePos;
    return s;
}

void TAdvProgressBar::Paint()
{
    if (!Visible() || !Parent())
        return;
    const TRect client = ClientRect();
    if (client.Width() <= 0 || client.Height() <= 0)
        return;
    TBitmap bitmap(client.Width(), client.Height());
    DrawGauge(bitmap.Canvas(), TRect(0, 0, client.Width(), client.Height()), Settings());
    if (FRounded) {
        bitmap.SetTransparentColor(CornerKey);
        bitmap.SetTransparent(true);
    }
    Canvas()->Draw(0, 0, &bitmap);
}

void TAdvProgressBar::WMEraseBkgnd(TMessage &m)
{
    m.Result = 0;
}
