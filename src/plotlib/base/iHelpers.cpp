#include "plotlib/base/iHelpers.h"

#include "platform/ui/ControlsInput.h"
#include "platform/runtime/DateTime.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Printers.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iScopeExit.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

// ---- Colours and drawing -------------------------------------------------------------------------------

TColor iShadeColor(TColor Color, std::uint8_t Amount, bool Lighter)
{
    const TColor rgb = ColorToRGB(Color);
    const auto shade = [&](int component) {
        return std::clamp(Lighter ? component + Amount : component - Amount, 0, 255);
    };
    return RGB(shade(GetRValue(rgb)), shade(GetGValue(rgb)), shade(GetBValue(rgb)));
}

UINT iTextFormat(std::uint16_t Flags)
{
    // The DrawText flag each of the library's bits adds, bit by bit; the prefix bit is handled
    // below because it works the other way round.
    static constexpr std::array<UINT, 16> formatOfBit = {
        DT_LEFT,         DT_CENTER,        DT_RIGHT,         DT_TOP,         DT_VCENTER, DT_BOTTOM,
        DT_WORDBREAK,    DT_SINGLELINE,    DT_EXPANDTABS,    DT_NOCLIP,      0,          DT_CALCRECT,
        DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_WORD_ELLIPSIS, DT_MODIFYSTRING};
    UINT format = 0;
    for (unsigned bit = 0; bit < formatOfBit.size(); ++bit)
        if (Flags & (1u << bit))
            format |= formatOfBit[bit];
    if (!(Flags & iTextPrefix))
        format |= DT_NOPREFIX;
    return format;
}

int iDrawText(TCanvas *Canvas, const QString &Text, TRect &Rect, TColor BackColor, bool Enabled, std::uint16_t Flags)
{
    const UINT format = iTextFormat(Flags);
    if (Enabled || (Flags & iTextCalcRect) || ColorToRGB(BackColor) == 0)
        return Canvas->DrawText(Text, Rect, format);

    // The disabled look: a light copy one pixel down and right, the dark text in place.
    TFont *font = Canvas->Font();
    const TColor kept = font->Color();
    const TiScopeExit restore([font, kept] { font->SetColor(kept); });
    TRect moved = Rect;
    moved.Offset(1, 1);
    font->SetColor(iShadeColor(clBtnFace, 64, true));
    Canvas->DrawText(Text, moved, format);
    font->SetColor(iShadeColor(clBtnFace, 32, false));
    moved = Rect;
    return Canvas->DrawText(Text, moved, format);
}

void iDrawRotatedText(TCanvas *Canvas, const QString &Text, const TRect &Rect, TRect &TextRect, TColor BackColor,
                      bool Enabled, TiAlignmentHorizontal Alignment, TiRotationAngle Rotation)
{
    const int cx = (Rect.Left + Rect.Right) / 2;
    const int cy = (Rect.Top + Rect.Bottom) / 2;
    const int w = Canvas->TextWidth(Text);
    const int h = Canvas->TextHeight(Text);
    const bool upright = Rotation == ira000 || Rotation == ira180;
    const int boxW = upright ? w : h;
    const int boxH = upright ? h : w;
    TextRect = TRect(cx - boxW / 2, cy - boxH / 2, cx - boxW / 2 + boxW, cy - boxH / 2 + boxH);

    if (Rotation == ira000) {
        std::uint16_t flags = iTextVCenter | iTextNoClip;
        flags |= Alignment == iahLeft ? iTextLeft : Alignment == iahRight ? iTextRight : iTextCenter;
        if (!Text.contains(u'\r'))
            flags |= iTextSingleLine;
        TRect r = Rect;
        iDrawText(Canvas, Text, r, BackColor, Enabled, flags);
        return;
    }

    // Where the text starts so that, turned about that point, it lies centred on (cx, cy).
    struct Turn {
        int escapement;
        TPoint anchor;
    };
    const Turn turn = Rotation == ira090   ? Turn{900, {cx - h / 2, cy + w / 2}}
                      : Rotation == ira180 ? Turn{1800, {cx + w / 2, cy + h / 2}}
                                           : Turn{2700, {cx + h - h / 2, cy - w / 2}};
    TFont *font = Canvas->Font();
    const int kept = font->Orientation();
    const TiScopeExit restore([font, kept] { font->SetOrientation(kept); });
    font->SetOrientation(turn.escapement);
    TRect at(turn.anchor, turn.anchor);
    iDrawText(Canvas, Text, at, BackColor, Enabled, iTextLeft | iTextTop | iTextSingleLine | iTextNoClip);
}

void iFillGradient(TCanvas *Canvas, const TRect &Rect, TiFillDirection Direction, TColor StartColor, TColor StopColor)
{
    const int wd = Rect.Right - Rect.Left;
    const int ht = Rect.Bottom - Rect.Top;
    const int m = std::max(Rect.Right, Rect.Bottom);
    Canvas->Brush()->SetStyle(bsClear);

    struct Plan {
        int steps;
        bool reversed;
        int penWidth;
    };
    Plan plan{};
    switch (Direction) {
    case ifdTopBottom: plan = {ht - 1, false, 1}; break;
    case ifdBottomTop: plan = {ht - 1, true, 1}; break;
    case ifdLeftRight: plan = {wd - 1, false, 1}; break;
    case ifdRightLeft: plan = {wd - 1, true, 1}; break;
    case ifdTopLeftBottomRight:
    case ifdBottomLeftTopRight: plan = {2 * m - 2, false, 1}; break;
    case ifdBottomRightTopLeft:
    case ifdTopRightBottomLeft: plan = {2 * m - 2, true, 1}; break;
    case ifdRectangleOut: plan = {(m - 1) / 3, false, 2}; break;
    case ifdRectangleIn: plan = {(m - 1) / 3, true, 2}; break;
    case ifdCircleOut: plan = {(m - 1) / 8, false, 16}; break;
    case ifdCircleIn: plan = {(m - 1) / 8, true, 16}; break;
    }
    Canvas->Pen()->SetWidth(plan.penWidth);

    const TColor start = ColorToRGB(StartColor);
    const TColor stop = ColorToRGB(StopColor);
    const int right = Rect.Right - 1;
    const int bottom = Rect.Bottom - 1;
    for (int k = 0; k <= plan.steps; ++k) {
        // A single step has no fraction to speak of: it is drawn in the colour the run begins with.
        const double f = plan.steps == 0 ? 0.0 : static_cast<double>(k) / plan.steps;
        const double g = plan.steps == 0 ? 1.0 : static_cast<double>(plan.steps - k) / plan.steps;
        const auto mix = [&](int (*component)(TColor)) {
            const double a = component(start), b = component(stop);
            return static_cast<int>(Round(plan.reversed ? f * a + g * b : f * b + g * a));
        };
        Canvas->Pen()->SetColor(RGB(mix(GetRValue), mix(GetGValue), mix(GetBValue)));
        switch (Direction) {
        case ifdTopBottom:
        case ifdBottomTop:
            Canvas->MoveTo(Rect.Left, Rect.Top + k);
            Canvas->LineTo(Rect.Right, Rect.Top + k);
            break;
        case ifdLeftRight:
        case ifdRightLeft:
            Canvas->MoveTo(Rect.Left + k, Rect.Top);
            Canvas->LineTo(Rect.Left + k, Rect.Bottom);
            break;
        case ifdTopLeftBottomRight:
        case ifdBottomRightTopLeft: {
            const double g2 = 2 * f;
            Canvas->MoveTo(static_cast<int>(Round(g2 * right)) - 1, 0);
            Canvas->LineTo(-1, static_cast<int>(Round(g2 * bottom)));
            break;
        }
        case ifdBottomLeftTopRight:
        case ifdTopRightBottomLeft: {
            const double g2 = 2 * f;
            Canvas->MoveTo(0, bottom - static_cast<int>(Round(g2 * bottom)));
            Canvas->LineTo(static_cast<int>(Round(g2 * right)), bottom);
            break;
        }
        case ifdRectangleOut:
        case ifdRectangleIn:
        case ifdCircleOut:
        case ifdCircleIn: {
            const bool circle = Direction == ifdCircleOut || Direction == ifdCircleIn;
            const double scale = circle ? f * 1.414 : f;
            const double mx = right / 2.0, my = bottom / 2.0;
            const double hw = scale * right / 2.0, hh = scale * bottom / 2.0;
            const TRect box(static_cast<int>(Round(mx - hw)), static_cast<int>(Round(my - hh)),
                            static_cast<int>(Round(mx + hw)), static_cast<int>(Round(my + hh)));
            if (circle)
                Canvas->Ellipse(box);
            else
                Canvas->Rectangle(box);
            break;
        }
        }
    }
    if (Direction == ifdRectangleOut)
        Canvas->SetPixel(Rect.Left + wd / 2 - 1, Rect.Top + ht / 2 - 1, StartColor);
    else if (Direction == ifdRectangleIn)
        Canvas->SetPixel(Rect.Left + wd / 2 - 1, Rect.Top + ht / 2 - 1, StopColor);
}

void iDrawEdge(TCanvas *Canvas, const TRect &Rect, std::uint8_t Style)
{
    TRect r = Rect;
    switch (Style) {
    case iEdgeSunken: Canvas->DrawEdge(r, EDGE_SUNKEN, BF_RECT); break;
    case iEdgeRaised: Canvas->DrawEdge(r, EDGE_RAISED, BF_RECT); break;
    case iEdgeFlat:
        Canvas->Pen()->SetColor(clBtnShadow);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Polygon({TPoint(r.Left, r.Top), TPoint(r.Right - 1, r.Top), TPoint(r.Right - 1, r.Bottom - 1),
                         TPoint(r.Left, r.Bottom - 1)});
        break;
    default: break;
    }
}

void iDrawFocusRectangle(TCanvas *Canvas, const TRect &Rect)
{
    const TRect copy = Rect;
    Canvas->DrawFocusRect(copy);
}

// ---- Text measurement ----------------------------------------------------------------------------------

int iTextWidthMultiLine(TCanvas *Canvas, const QString &Text)
{
    if (Text.isEmpty())
        return 0;
    QString unified = Text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, Canvas->TextWidth(line));
    return widest;
}

int iTextHeightMultiLine(TCanvas *Canvas, const QString &Text)
{
    TRect r(0, 0, 0, 0);
    return iDrawText(Canvas, Text, r, clBtnFace, true, iTextNoClip | iTextCalcRect);
}

int iTextHeightWrapped(TCanvas *Canvas, const QString &Text, int Width)
{
    // Drawn above the visible area: only the height is wanted.
    TRect r(0, -800, Width, -100);
    return iDrawText(Canvas, Text, r, clBtnFace, true, iTextLeft | iTextTop | iTextWordBreak);
}

// ---- Geometry ------------------------------------------------------------------------------------------

TPoint iOrientedPoint(bool Reversed, int A, int B)
{
    return Reversed ? TPoint(B, A) : TPoint(A, B);
}

void iNormalizedRect(int X1, int Y1, int X2, int Y2, TRect &Rect)
{
    Rect = TRect(std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2));
}

void iOrientedRect(bool Reversed, int X1, int Y1, int X2, int Y2, TRect &Rect)
{
    if (Reversed)
        iNormalizedRect(Y1, X1, Y2, X2, Rect);
    else
        iNormalizedRect(X1, Y1, X2, Y2, Rect);
}

void iSwapIntegers(int &A, int &B)
{
    std::swap(A, B);
}

std::pair<double, double> iMakeDoublePoint(double X, double Y)
{
    return {X, Y};
}

// ---- Numbers and time spans ----------------------------------------------------------------------------

int iGetDecimalPlaces(int Precision, TiPrecisionStyle Style, double A, double B)
{
    switch (Style) {
    case ipsFixedDecimalPoints: return Precision;
    case ipsSignificantDigits: {
        if (Precision <= 0)
            return 0;
        const double span = std::fabs(A - B);
        // std::log10 is exact at powers of ten, so 10, 100 and 1000 get the places they should.
        int places = span == 0 ? 0 : Precision - (static_cast<int>(std::trunc(std::log10(span))) + 1);
        if (span < 1)
            ++places;
        return std::max(places, 0);
    }
    }
    return 0;
}

namespace {

// The span in whole units: days, hours, minutes, seconds and milliseconds weighted by `weights`
// (units per day, per hour ...), counted in 64 bits; a negative span or a count beyond 32 bits
// gives `invalid`.
int SpanCount(double span, const std::array<std::int64_t, 5> &weights, int invalid)
{
    if (!(span >= 0))
        return invalid;
    int hours = 0, minutes = 0, seconds = 0, msecs = 0;
    DecodeTime(span, hours, minutes, seconds, msecs);
    const double days = std::trunc(span + 1e-15);
    if (days * static_cast<double>(weights[0]) > std::numeric_limits<int>::max())
        return invalid;
    const std::int64_t count = static_cast<std::int64_t>(days) * weights[0] + hours * weights[1] +
                               minutes * weights[2] + seconds * weights[3] + msecs * weights[4];
    return count > std::numeric_limits<int>::max() ? invalid : static_cast<int>(count);
}

constexpr int InvalidSpan = std::numeric_limits<int>::max();

}  // namespace

int iSpanToMilliseconds(double Span)
{
    return SpanCount(Span, {86400000, 3600000, 60000, 1000, 1}, InvalidSpan);
}

int iSpanToSeconds(double Span)
{
    return SpanCount(Span, {86400, 3600, 60, 1, 0}, InvalidSpan);
}

int iSpanToMinutes(double Span)
{
    return SpanCount(Span, {1440, 60, 1, 0, 0}, 10000);
}

int iSpanToHours(double Span)
{
    return SpanCount(Span, {24, 1, 0, 0, 0}, InvalidSpan);
}

// ---- Keyboard, focus, forms and pages ------------------------------------------------------------------

bool iShiftDown()
{
    return GetKeyState(VK_SHIFT) < 0;
}

bool iCtrlDown()
{
    return GetKeyState(VK_CONTROL) < 0;
}

void iSetFocusToControl(TWinControl *Control)
{
    Control->HandleNeeded();
    TInputRouter::SetFocusedWindow(Control);
}

TWinControl *iGetParentForm(TComponent *Component)
{
    TWinControl *outermost = nullptr;
    for (TComponent *owner = Component ? Component->Owner() : nullptr; owner; owner = owner->Owner()) {
        if (auto *form = dynamic_cast<TCustomForm *>(owner))
            return form;
        if (auto *control = dynamic_cast<TWinControl *>(owner))
            outermost = control;
    }
    return outermost;
}

void iSetActivePageIndex(TPageControl *PageControl, int Index)
{
    if (Index < PageControl->PageCount())
        PageControl->SetActivePage(PageControl->Pages(Index));
}

int iGetActivePageIndex(TPageControl *PageControl)
{
    for (int i = 0; i < PageControl->PageCount(); ++i)
        if (PageControl->Pages(i) == PageControl->ActivePage())
            return i;
    return -1;
}

// ---- Printer paper -------------------------------------------------------------------------------------

void iGetPaperSize(std::uint16_t PaperCode, double &Width, double &Height)
{
    PaperSizeInches(PaperCode, Width, Height);
}

void iGetPrinterPaperSize(double &Width, double &Height)
{
    TPrinter *printer = Printer();
    if (printer->Printers().isEmpty())
        throw Exception(QStringLiteral("Could not initialize printer DeviceMode Structure"));
    iGetPaperSize(static_cast<std::uint16_t>(printer->PaperSize()), Width, Height);
    if (printer->Orientation() == poLandscape)
        std::swap(Width, Height);
}
