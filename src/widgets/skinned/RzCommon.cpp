#include "widgets/skinned/RzCommon.h"

#include "platform/settings/Registry.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/CanvasGdi.h"
#include "platform/runtime/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// ---- Colours -------------------------------------------------------------------------------------

namespace {

std::uint8_t ToByte(double v)
{
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(Round(v), 0, 255));
}

// Gradient start, gradient stop and frame colour of each desktop scheme, used while themes are on.
struct SchemeColors {
    TColor start, stop, frame;
};
constexpr SchemeColors kSchemes[3] = {
    {0xFFEFE3, 0xEABB99, 0xBF7F57},  // default (blue)
    {0xEDFFFF, 0x92C7B8, 0x77A17F},  // olive
    {0xFFF9F9, 0xD0BCBD, 0xB19F9F},  // silver
};
const SchemeColors &Scheme()
{
    return kSchemes[std::min<int>(XPColorScheme, 2)];
}

}  // namespace

std::uint8_t XPColorScheme = 0;
bool IsFullColor = true;

namespace {
// The first initialisation of the unit: the screen and the scheme as the program starts.
const bool kUnitStarted = [] {
    IsFullColor = IsFullColorDisplay();
    XPColorScheme = DetectXPColorScheme();
    return true;
}();
}  // namespace

void ColorToHSL(TColor color, std::uint8_t &h, std::uint8_t &s, std::uint8_t &l)
{
    const TColor rgb = ColorToRGB(color);
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const double lum = (hi + lo) / 2;
    double hue = 0, sat = 0;
    if (hi != lo) {
        const double d = hi - lo;
        sat = lum < 0.5 ? d / (hi + lo) : d / (2 - hi - lo);
        if (r == hi)
            hue = (g - b) / d;
        else if (g != hi)
            hue = 4 + (r - g) / d;
        else
            hue = 2 + (b - r) / d;
        hue /= 6;
        if (hue < 0)
            hue += 1;
    }
    h = ToByte(hue * 240);
    s = ToByte(sat * 240);
    l = ToByte(lum * 240);
}

std::uint8_t HueOfColor(TColor color)
{
    std::uint8_t h, s, l;
    ColorToHSL(color, h, s, l);
    return h;
}

TColor ColorFromHSL(std::uint8_t h, std::uint8_t s, std::uint8_t l)
{
    const double hh = h / 239.0, ss = s / 240.0, ll = l / 240.0;
    const double v = ll < 0.5 ? ll * (1 + ss) : ll + ss - ll * ss;
    if (v <= 0)
        return clBlack;
    const double m = 2 * ll - v;
    const double sv = (v - m) / v;
    const double h6 = hh * 6;
    const int k = static_cast<int>(h6);
    const double f = h6 - k;
    const double d = v * sv * f;
    const double up = m + d, down = v - d;
    // (red, green, blue) by sextant; k = 6 (H = 239) is the first one again.
    const double table[6][3] = {{v, up, m}, {down, v, m}, {m, v, up}, {m, down, v}, {up, m, v}, {v, m, down}};
    const double *c = table[k >= 0 && k <= 5 ? k : 0];
    return RGB(ToByte(std::min(c[0], 1.0) * 255), ToByte(std::min(c[1], 1.0) * 255), ToByte(std::min(c[2], 1.0) * 255));
}

TColor DarkenColor(TColor color, int n)
{
    std::uint8_t h, s, l;
    ColorToHSL(color, h, s, l);
    return ColorFromHSL(h, s, static_cast<std::uint8_t>(std::max(l - n, 0)));
}

TColor LightenColor(TColor color, int n)
{
    std::uint8_t h, s, l;
    ColorToHSL(color, h, s, l);
    return ColorFromHSL(h, s, static_cast<std::uint8_t>(std::min(l + n, 255)));
}

TColor AdjustColor(TColor color, int a)
{
    if (a < 0)
        return DarkenColor(color, static_cast<int>((-static_cast<std::int64_t>(a)) % 256));
    if (a > 0)
        return LightenColor(color, a % 256);
    return color;
}

TColor BlendColors(TColor c1, TColor c2, int weight)
{
    const TColor a = ColorToRGB(c1), b = ColorToRGB(c2);
    const float x = static_cast<float>(weight) / 255.0f;
    auto mix = [x](int p, int q) { return static_cast<int>(Round(p * x + q * (1.0f - x))); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

bool ColorsAreSimilar(TColor c1, TColor c2)
{
    std::uint8_t h1, s1, l1, h2, s2, l2;
    ColorToHSL(c1, h1, s1, l1);
    ColorToHSL(c2, h2, s2, l2);
    return std::abs(h1 - h2) < 20 && std::abs(l1 - l2) < 60;
}

TColor ComplementColor(TColor color, std::uint8_t luminance)
{
    const int h = HueOfColor(color);
    return ColorFromHSL(static_cast<std::uint8_t>(h >= 120 ? h - 120 : h + 120), 240, luminance);
}

TColor XPThemeColor(int index)
{
    if (!ThemesEnabled())
        return clBtnFace;
    return index >= 0 && index <= 7 ? clBtnFace : clWhite;
}

std::uint8_t DetectXPColorScheme()
{
    QString name;
    try {
        TRegistry reg(KEY_READ);
        reg.SetRootKey(HKEY_CURRENT_USER);
        if (reg.OpenKeyReadOnly(QStringLiteral("\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager")))
            name = reg.ReadString(QStringLiteral("ColorName"));
    }
    catch (const Exception &) {
        // A value of another type counts as no name.
    }
    name = UpperCase(name);
    if (name == QLatin1String("HOMESTEAD"))
        return 1;
    if (name == QLatin1String("METALLIC"))
        return 2;
    return 0;
}

void GradientColorsForStyle(TRzGradientColorStyle style, TColor &start, TColor &stop)
{
    if (style == gcsMSOffice && ThemesEnabled()) {
        start = Scheme().start;
        stop = Scheme().stop;
    }
    else {
        start = clWindow;
        stop = DarkenColor(clBtnFace, 10);
    }
}

TColor FrameColorForStyle(TRzGradientColorStyle style)
{
    if (style == gcsMSOffice && ThemesEnabled())
        return Scheme().frame;
    return LightenColor(clBtnShadow, 30);
}

void BannerColorsForStyle(TRzGradientColorStyle style, TColor &stop, TColor &start, TColor &pen)
{
    if (style == gcsMSOffice && ThemesEnabled()) {
        stop = Scheme().stop;
        start = Scheme().start;
        pen = stop;
    }
    else {
        stop = DarkenColor(clBtnFace, 20);
        start = clWindow;
        pen = DarkenColor(clBtnFace, 40);
    }
}

bool IsFullColorDisplay()
{
    return GetDeviceCaps(nullptr, NUMCOLORS) == -1;
}

namespace {

// The system the version tests answer for.
struct SystemVersion {
    bool nt;
    int major, minor;
};
constexpr SystemVersion kSystem{true, 6, 1};

}  // namespace

bool IsWindowsVersion(int index)
{
    const auto [nt, major, minor] = kSystem;
    switch (index) {
    case 0: return !nt && major <= 4 && minor == 0;
    case 1: return nt && major <= 4;
    case 2: return !nt && major <= 4 && minor == 10;
    case 3: return !nt && major <= 4 && minor == 90;
    case 4: return nt && major == 5 && minor == 0;
    case 5: return nt && major == 5 && minor == 1;
    case 6: return nt && major == 5 && minor == 2;
    case 7: return nt && major == 6 && minor == 0;
    case 8: return nt && major == 6 && minor == 1;
    default: return false;
    }
}

bool IsWindowsVersionAtLeast(int index)
{
    const auto [nt, major, minor] = kSystem;
    switch (index) {
    case 0: return major >= 4;
    case 1: return nt && major >= 4;
    case 2: return major >= 4 && minor >= 10;
    case 3: return (major >= 4 && minor >= 90) || major >= 5;
    case 4: return nt && major >= 5;
    case 5: return nt && ((major == 5 && minor >= 1) || major >= 6);
    case 6: return nt && ((major >= 5 && minor >= 2) || major >= 6);
    case 7: return nt && major >= 6;
    case 8: return nt && major >= 6 && minor >= 1;
    default: return false;
    }
}

// ---- Frame and bevel painters ----------------------------------------------------------------------

namespace {

void Line(TCanvas *canvas, TColor color, int x1, int y1, int x2, int y2)
{
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

TRect Shrink(const TRect &r, TSides sides, int n)
{
    return TRect(r.Left + (sides.Contains(sdLeft) ? n : 0), r.Top + (sides.Contains(sdTop) ? n : 0),
                 r.Right - (sides.Contains(sdRight) ? n : 0), r.Bottom - (sides.Contains(sdBottom) ? n : 0));
}

// Two-pixel etched frame: `a` upper-left, `b` lower-right.
TRect DrawEtched(TCanvas *canvas, const TRect &r, TColor a, TColor b, TSides s)
{
    if (s.Empty())
        return r;
    const bool left = s.Contains(sdLeft), top = s.Contains(sdTop), right = s.Contains(sdRight),
               bottom = s.Contains(sdBottom);
    // Corner pixels where the two lines of a side meet a missing side, in this order.
    struct Corner {
        bool when;
        int x, y;
        TColor color;
    };
    const Corner corners[] = {
        {right, r.Right - 1, r.Top, b},
        {top && !right, r.Right - 1, r.Top, a},
        {bottom, r.Left, r.Bottom - 1, b},
        {left && !bottom, r.Left, r.Bottom - 1, a},
        {top && !left, r.Left, r.Top + 1, b},
        {left && !top, r.Left + 1, r.Top, b},
        {bottom && !right, r.Right - 1, r.Bottom - 2, a},
        {right && !bottom, r.Right - 2, r.Bottom - 1, a},
    };
    for (const Corner &c : corners)
        if (c.when)
            canvas->SetPixel(c.x, c.y, c.color);
    DrawSideLines(canvas, TRect(r.Left + 1, r.Top + 1, r.Right, r.Bottom), b, b, s);
    DrawSideLines(canvas, TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), a, a, s);
    return Shrink(r, s, 2);
}

struct Ring {
    TColor ul, lr;
};

TRect DrawRings(TCanvas *canvas, TRect r, std::initializer_list<Ring> rings, TSides sides)
{
    canvas->Pen()->SetWidth(1);
    for (const Ring &ring : rings)
        r = DrawSideLines(canvas, r, ring.ul, ring.lr, sides);
    return r;
}

}  // namespace

TRect DrawSideLines(TCanvas *canvas, const TRect &r, TColor ul, TColor lr, TSides sides)
{
    if (ul != clNone) {
        if (sides.Contains(sdLeft))
            Line(canvas, ul, r.Left, r.Top, r.Left, r.Bottom);
        if (sides.Contains(sdTop))
            Line(canvas, ul, r.Left, r.Top, r.Right, r.Top);
    }
    if (lr != clNone) {
        if (sides.Contains(sdRight))
            Line(canvas, lr, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        if (sides.Contains(sdBottom))
            Line(canvas, lr, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    return Shrink(r, sides, 1);
}

TRect DrawBevelRings(TCanvas *canvas, const TRect &r, TColor ul, TColor lr, int width, TSides sides)
{
    canvas->Pen()->SetWidth(1);
    TRect result = r;
    for (int i = 0; i < width; ++i)
        result = DrawSideLines(canvas, result, ul, lr, sides);
    return result;
}

TRect DrawRaisedSunkenSides(TCanvas *canvas, const TRect &r, bool sunken, TSides sides)
{
    return DrawFrameStyleSides(canvas, r, sunken ? fsLowered : fsRaised, sides);
}

TRect DrawButtonFrame(TCanvas *canvas, const TRect &r, bool down)
{
    return DrawButtonFrameSides(canvas, r, down, sdAllSides);
}

TRect DrawButtonFrameSides(TCanvas *canvas, const TRect &r, bool down, TSides sides)
{
    return DrawFrameStyleSides(canvas, r, down ? fsButtonDown : fsButtonUp, sides);
}

TRect DrawColorButtonFrame(TCanvas *canvas, const TRect &r, TColor face, bool down)
{
    return DrawColorButtonFrameSides(canvas, r, face, sdAllSides, down);
}

TRect DrawColorButtonFrameSides(TCanvas *canvas, const TRect &r, TColor face, TSides sides, bool down)
{
    if (down)
        return DrawRings(
            canvas, r,
            {{DarkenColor(face, 100), DarkenColor(face, 100)}, {DarkenColor(face, 50), DarkenColor(face, 50)}}, sides);
    return DrawRings(
        canvas, r, {{LightenColor(face, 100), DarkenColor(face, 100)}, {LightenColor(face, 40), DarkenColor(face, 50)}},
        sides);
}

TRect DrawFrameStyle(TCanvas *canvas, const TRect &r, TFrameStyle style)
{
    return DrawFrameStyleSides(canvas, r, style, sdAllSides);
}

TRect DrawFrameStyleSides(TCanvas *canvas, const TRect &r, TFrameStyle style, TSides sides)
{
    switch (style) {
    case fsNone: return r;
    case fsFlat:
    case fsFlatRounded: return DrawRings(canvas, r, {{cl3DDkShadow, cl3DDkShadow}}, sides);
    case fsGroove: return DrawEtched(canvas, r, clBtnShadow, clBtnHighlight, sides);
    case fsBump: return DrawEtched(canvas, r, clBtnHighlight, clBtnShadow, sides);
    case fsLowered: return DrawRings(canvas, r, {{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}}, sides);
    case fsButtonDown: return DrawRings(canvas, r, {{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}}, sides);
    case fsRaised: return DrawRings(canvas, r, {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}}, sides);
    case fsButtonUp: return DrawRings(canvas, r, {{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}}, sides);
    case fsStatus: return DrawRings(canvas, r, {{clBtnShadow, clBtnHighlight}}, sides);
    case fsPopup: return DrawRings(canvas, r, {{clBtnHighlight, clBtnShadow}}, sides);
    case fsFlatBold: return DrawRings(canvas, r, {{clBtnShadow, clBtnShadow}, {clBtnShadow, clBtnShadow}}, sides);
    }
    return r;
}

TRect DrawColorFrameStyle(TCanvas *canvas, const TRect &r, TColor face, TFrameStyle style)
{
    return DrawColorFrameStyleSides(canvas, r, face, sdAllSides, style);
}

TRect DrawColorFrameStyleSides(TCanvas *canvas, const TRect &r, TColor face, TSides sides, TFrameStyle style)
{
    const TColor d50 = DarkenColor(face, 50), d100 = DarkenColor(face, 100);
    const TColor l50 = LightenColor(face, 50), l100 = LightenColor(face, 100);
    switch (style) {
    case fsNone: return r;
    case fsFlat: return DrawRings(canvas, r, {{d50, d50}}, sides);
    case fsStatus: return DrawRings(canvas, r, {{d50, l100}}, sides);
    case fsPopup: return DrawRings(canvas, r, {{l100, d50}}, sides);
    case fsFlatBold: return DrawRings(canvas, r, {{d50, d50}, {d50, d50}}, sides);
    case fsLowered: return DrawRings(canvas, r, {{d50, l100}, {d100, l50}}, sides);
    case fsRaised: return DrawRings(canvas, r, {{l50, d100}, {l100, d50}}, sides);
    case fsButtonDown:
    case fsButtonUp: return DrawColorButtonFrameSides(canvas, r, face, sides, style == fsButtonDown);
    case fsGroove: return DrawEtched(canvas, r, d50, l100, sides);
    default: return DrawEtched(canvas, r, l100, d50, sides);
    }
}

TRect DrawFlatRect(TCanvas *canvas, const TRect &r, TColor color)
{
    Line(canvas, color, r.Left, r.Top, r.Left, r.Bottom);
    Line(canvas, color, r.Left, r.Top, r.Right, r.Top);
    Line(canvas, color, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    Line(canvas, color, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    return TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

TRect DrawDottedRect(TCanvas *canvas, const TRect &r)
{
    for (int x = r.Left + 1; x < r.Right - 1; x += 2) {
        canvas->SetPixel(x, r.Top, clBlack);
        canvas->SetPixel(x, r.Bottom - 1, clBlack);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; y += 2) {
        canvas->SetPixel(r.Left, y, clBlack);
        canvas->SetPixel(r.Right - 1, y, clBlack);
    }
    return TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

TRect DrawRoundedFlatFrame(TCanvas *canvas, const TRect &r, TColor color, TSides sides)
{
    if (sides.Empty())
        return r;
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop), right = sides.Contains(sdRight),
               bottom = sides.Contains(sdBottom);
    const int y1 = top ? r.Top + 2 : r.Top, y2 = bottom ? r.Bottom - 2 : r.Bottom;
    const int x1 = left ? r.Left + 2 : r.Left, x2 = right ? r.Right - 2 : r.Right;
    if (left)
        Line(canvas, color, r.Left, y1, r.Left, y2);
    if (top)
        Line(canvas, color, x1, r.Top, x2, r.Top);
    if (right)
        Line(canvas, color, r.Right - 1, y1, r.Right - 1, y2);
    if (bottom)
        Line(canvas, color, x1, r.Bottom - 1, x2, r.Bottom - 1);
    if (left && top)
        canvas->SetPixel(r.Left + 1, r.Top + 1, color);
    if (top && right)
        canvas->SetPixel(r.Right - 2, r.Top + 1, color);
    if (right && bottom)
        canvas->SetPixel(r.Right - 2, r.Bottom - 2, color);
    if (left && bottom)
        canvas->SetPixel(r.Left + 1, r.Bottom - 2, color);
    return TRect(x1, y1, x2, y2);
}

namespace {

// A bevel ring set of the popup and status styles, or the style's own frame.
TRect DrawOuterOrInnerStyle(TCanvas *canvas, const TRect &r, TFrameStyleEx style, const TFramedBorders &f)
{
    switch (style) {
    case fsPopup: return DrawBevelRings(canvas, r, f.highlight, f.shadow, f.bevelWidth, f.sides);
    case fsStatus: return DrawBevelRings(canvas, r, f.shadow, f.highlight, f.bevelWidth, f.sides);
    default: return DrawFrameStyleSides(canvas, r, style, f.sides);
    }
}

}  // namespace

TRect DrawFramedBorders(TCanvas *canvas, const TRect &r, const TFramedBorders &f)
{
    const TColor m = AdjustColor(f.flatColor, f.flatAdjustment);
    const TSides s = f.sides;
    const bool ringInside = f.borderWidth > 0 || f.inner != fsNone;
    TRect rr = r;
    switch (f.outer) {
    case fsFlat: rr = DrawSideLines(canvas, rr, m, m, s); break;
    case fsFlatBold: rr = DrawBevelRings(canvas, rr, m, m, 2, s); break;
    case fsFlatRounded:
        if (!f.transparent) {
            // The parent's colour first, so that the cut corners show the parent.
            const TRect inside = DrawSideLines(canvas, rr, f.parentColor, f.parentColor, s);
            const TColor ring = ringInside ? f.borderColor : f.faceColor;
            DrawSideLines(canvas, inside, ring, ring, s);
        }
        else if (ringInside) {
            DrawSideLines(canvas, TRect(rr.Left + 1, rr.Top + 1, rr.Right - 1, rr.Bottom - 1), f.borderColor,
                          f.borderColor, s);
        }
        rr = DrawRoundedFlatFrame(canvas, rr, m, s);
        break;
    default: rr = DrawOuterOrInnerStyle(canvas, rr, f.outer, f); break;
    }
    if (f.borderWidth > 0)
        rr = DrawBevelRings(canvas, rr, f.borderColor, f.borderColor, f.borderWidth, s);
    switch (f.inner) {
    case fsFlat:
        if (f.roundedInner) {
            Line(canvas, m, rr.Left, rr.Top + 1, rr.Left, rr.Bottom - 1);
            Line(canvas, m, rr.Left + 1, rr.Top, rr.Right - 1, rr.Top);
            Line(canvas, m, rr.Right - 1, rr.Top + 1, rr.Right - 1, rr.Bottom - 1);
            Line(canvas, m, rr.Left + 1, rr.Bottom - 1, rr.Right - 1, rr.Bottom - 1);
            rr = TRect(rr.Left + 1, rr.Top + 1, rr.Right - 1, rr.Bottom - 1);
        }
        else {
            rr = DrawSideLines(canvas, rr, m, m, s);
        }
        break;
    case fsFlatBold: rr = DrawBevelRings(canvas, rr, m, m, 2, s); break;
    case fsFlatRounded: {
        const TRect before = rr;
        const TRect inside = DrawSideLines(canvas, rr, f.borderColor, f.borderColor, s);
        if (!f.transparent)
            DrawSideLines(canvas, inside, f.faceColor, f.faceColor, s);
        rr = DrawRoundedFlatFrame(canvas, before, m, s);
        break;
    }
    default: rr = DrawOuterOrInnerStyle(canvas, rr, f.inner, f); break;
    }
    return rr;
}

int FrameStyleWidth(TFrameStyleEx style, int bevelWidth)
{
    switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
    }
}

TRect ShrinkRectByFramedBorders(const TRect &r, const TFramedBorders &f, bool includeBorderWidth)
{
    TRect rr = r;
    if (includeBorderWidth)
        rr.Inflate(-f.borderWidth, -f.borderWidth);
    const int n = FrameStyleWidth(f.outer, f.bevelWidth) + FrameStyleWidth(f.inner, f.bevelWidth);
    if (f.sides.Contains(sdLeft))
        rr.Left += n;
    if (f.sides.Contains(sdTop))
        rr.Top += n;
    if (f.sides.Contains(sdRight))
        rr.Right -= n;
    if (f.sides.Contains(sdBottom))
        rr.Bottom -= n;
    return rr;
}

void DrawDropDownArrow(TCanvas *canvas, const TRect &r, int style, bool enabled)
{
    // From Vista on the flat triangle is drawn whatever the style asked for.
    if (IsWindowsVersionAtLeast(7))
        style = 2;
    const TColor oldBrush = canvas->Brush()->Color();
    const TPenStyle oldPen = canvas->Pen()->Style();
    if (!enabled)
        canvas->Brush()->SetColor(clBtnShadow);
    else
        canvas->Brush()->SetColor(ColorsAreSimilar(oldBrush, clBlack) ? cl3DDkShadow : clBlack);
    canvas->Pen()->SetStyle(psClear);
    const int x = r.Left + (r.Right - r.Left) / 2;
    const int y = r.Top + (r.Bottom - r.Top) / 2 - ((r.Bottom - r.Top) % 2 == 0 ? 1 : 0);
    if (style == 1)
        canvas->Polygon({TPoint(x, y + 4), TPoint(x - 4, y - 1), TPoint(x - 3, y - 3), TPoint(x, y + 1),
                         TPoint(x + 3, y - 3), TPoint(x + 5, y - 1)});
    else
        canvas->Polygon({TPoint(x, y + 2), TPoint(x - 3, y - 2), TPoint(x + 4, y - 2)});
    canvas->Pen()->SetStyle(oldPen);
    canvas->Brush()->SetColor(oldBrush);
}

void DrawGradientBorder(TCanvas *canvas, const TRect &r, TGradientDirection direction, TColor start, TColor stop)
{
    if (!IsFullColor)
        return;
    canvas->SaveDC();
    canvas->ExcludeClipRect(TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
    FillGradient(canvas, r, direction, start, stop);
    canvas->RestoreDC(-1);
}

// ---- Text and fonts --------------------------------------------------------------------------------

std::unique_ptr<TFont> CreateRotatedFont(const TFont *font, int angle)
{
    auto rotated = std::make_unique<TFont>();
    rotated->Assign(const_cast<TFont *>(font));
    rotated->SetOrientation(angle * 10);
    return rotated;
}

bool IsTrueTypeFont(const TFont *font)
{
    TBitmap screen(1, 1);
    screen.Canvas()->SetFont(const_cast<TFont *>(font));
    return (screen.Canvas()->TextMetrics().tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

QChar LastCharOf(const QString &text)
{
    return text.isEmpty() ? QChar() : text.back();
}

QString StripAccelChars(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] != u'&' || text[i + 1] == u'&')
            out += text[i];
    if (!text.isEmpty())
        out += text.back();
    return out;
}

int DrawTextInRect(TCanvas *canvas, const QString &text, TRect &r, UINT flags)
{
    return DrawTextW(canvas->Handle(), text, &r, flags);
}

int DrawTextCentered(TCanvas *canvas, const QString &text, const TRect &r)
{
    TRect copy = r;
    return DrawTextW(canvas->Handle(), text, &copy, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
