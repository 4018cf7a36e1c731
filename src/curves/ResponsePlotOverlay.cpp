// What LResponsePlot draws over its curves on the curve page: band markers, parameter texts, the
// selected band's text and fill, the free text and the vertical line (the overlay pass).

#include <algorithm>
#include <vector>

#include "curves/PlotPixels.h"
#include "curves/ResponsePlot.h"
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/SysUtils.h"

using plotpixels::ToPixel;

namespace {

bool ValidSlot(int slot)
{
    return slot >= 0 && slot < BlockSlotCount;
}

// Font sizes of the marker captions and the parameter texts, in points.
constexpr int NumberCaptionSize = 11;
constexpr int PassCaptionSize = 8;
constexpr int ParamTextSize = 8;

QString Widened(std::string_view ansi)
{
    return QString::fromStdU16String(os::AnsiToUnicode(ansi));
}

}  // namespace

void LResponsePlot::OverlayPass()
{
    drawnParamTexts_.clear();
    BlockPaint();
    if (LineShown)
        LinePaint();
    TextPaint();
    CuveDisplayPaint();
}

// ---- Markers --------------------------------------------------------------------------------------

void LResponsePlot::DrawMarker(TCanvas *c, double sx, double sy, int slot, int kind)
{
    const int left = ToPixel(sx - 3);
    const int top = ToPixel(sy - 3);
    const int right = ToPixel(sx + 3);
    const int bottom = ToPixel(sy + 3);
    const auto caption = [&](const QString &text, int size, double x, double y) {
        c->Font()->SetColor(clWhite);
        c->Font()->SetSize(size);
        c->TextOut(ToPixel(x), ToPixel(y), text);
    };
    switch (kind) {
    case bkSquare:
    case bkCircle:
        if (kind == bkSquare)
            c->Rectangle(left, top, right, bottom);
        else
            c->Ellipse(left, top, right, bottom);
        caption(IntToStr(slot + 1), NumberCaptionSize, sx - 3, sy - 23);
        break;
    case bkLowPass:
    case bkHighPass:
        c->Rectangle(left, top, right, bottom);
        caption(kind == bkLowPass ? QStringLiteral("LPF") : QStringLiteral("HPF"), PassCaptionSize, sx - 8, sy - 20);
        c->Font()->SetSize(TextSize);
        break;
    default: break;
    }
}

void LResponsePlot::DrawBlock(double y, double x, TColor colour, int slot, bool hidden, int kind)
{
    if (!ValidSlot(slot))
        return;
    const auto k = static_cast<std::size_t>(slot);
    BlockX[k] = x;
    BlockY[k] = y;
    BlockColor[k] = colour;
    const double sx = ScreenX(x);
    const double sy = ScreenY(y);
    SetBlockPosition(sx, sy, slot);
    TCanvas *c = PlotPage->Canvas();
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(colour);
    c->Brush()->SetStyle(bsCross);
    DrawMarker(c, sx, sy, slot, kind);
    BlockKinds[k] = kind;
    BlockHidden[k] = hidden;
}

void LResponsePlot::SetBlockParameter(int slot, double freq, double gain, double q, int filterType)
{
    if (!ValidSlot(slot))
        return;
    const auto k = static_cast<std::size_t>(slot);
    BlockFreq[k] = freq;
    BlockGain[k] = gain;
    BlockQ[k] = q;
    BlockFilterType[k] = filterType;
}

void LResponsePlot::SetBlockPosition(double sx, double sy, int slot)
{
    if (!ValidSlot(slot))
        return;
    const auto k = static_cast<std::size_t>(slot);
    BlockScreenX[k] = sx;
    BlockScreenY[k] = sy;
    BlockPos[k] = TPoint(ToPixel(sx), ToPixel(sy));
}

TPoint LResponsePlot::GetBlockPos(int slot) const
{
    return ValidSlot(slot) ? BlockPos[static_cast<std::size_t>(slot)] : TPoint();
}

void LResponsePlot::BlockPaint()
{
    TCanvas *c = PlotPage->Canvas();
    for (int s = 0; s < BlockSlotCount; ++s) {
        const auto k = static_cast<std::size_t>(s);
        if (BlockHidden[k])
            continue;
        const double sx = ScreenX(BlockX[k]);
        const double sy = ScreenY(BlockY[k]);
        c->Pen()->SetColor(BlockColor[k]);
        c->Pen()->SetWidth(5);
        c->Brush()->SetStyle(bsCross);
        DrawMarker(c, sx, sy, s, BlockKinds[k]);
        // The selected band's text comes from the selected-band part of the pass, in its colour.
        const bool selected = BlockX[k] == ParamX && BlockY[k] == ParamGain;
        if (BlockKinds[k] == bkCircle && ParameterDisplay && !selected)
            ShowParam(MarkerParamType(BlockFilterType[k]), BlockGain[k], BlockX[k], static_cast<float>(BlockFreq[k]),
                      BlockQ[k], clWhite);
        c->Pen()->SetWidth(1);
    }
}

// ---- Parameter texts and the selected band --------------------------------------------------------

void LResponsePlot::DrawParamLines(const ParamLineSet &lines, double gain, double x, float freq, double q,
                                   TColor colour)
{
    TCanvas *c = PlotPage->Canvas();
    const double px = ScreenX(x);
    const double py = ScreenY(gain);
    c->Pen()->SetColor(colour);
    c->Font()->SetColor(colour);
    c->Pen()->SetWidth(1);
    c->Font()->SetSize(ParamTextSize);
    for (int i = 0; i < lines.Count; ++i) {
        const ParamLine &line = lines.Lines[static_cast<std::size_t>(i)];
        QString text;
        switch (line.Kind) {
        case ParamLineKind::Q: text = Format("Q:%4.2f", {q}); break;
        case ParamLineKind::Frequency:
            text = freq < 1000 ? Format("%4.1fHz", {freq}) : Format("%4.2fKHz", {static_cast<double>(freq) * 0.001});
            break;
        case ParamLineKind::Gain: text = Format("%4.1fdB", {gain}); break;
        }
        const int left = ToPixel(px - 20);
        const int top = ToPixel(py + line.Offset);
        c->TextOut(left, top, text);
        drawnParamTexts_.push_back({text, left, top});
    }
    c->Font()->SetSize(TextSize);
}

void LResponsePlot::ShowParam(int type, double gain, double x, float freq, double q, TColor colour)
{
    DrawParamLines(ParamTextLines(type, gain), gain, x, freq, q, colour);
}

void LResponsePlot::DrawParam(int type, double gain, double x, float freq, double q, TColor colour)
{
    ParamType = type;
    ParamGain = gain;
    ParamX = x;
    ParamFreq = freq;
    ParamQ = q;
    ParamColor = colour;
    drawnParamTexts_.clear();
    ShowParam(type, gain, x, freq, q, colour);
}

void LResponsePlot::DrawCurveFill(int, const double *y, int n)
{
    n = y ? std::clamp(n, 0, FillPointCount) : 0;
    std::copy_n(y, n, FillCurve.begin());
    PaintFill(y, n, false);
}

void LResponsePlot::CuveDisplayPaint()
{
    if (!CurveDisplay)
        return;
    DrawParamLines(SelectedParamTextLines(ParamType, ParamGain), ParamGain, ParamX, ParamFreq, ParamQ, ParamColor);
    PlotPage->Canvas()->Font()->SetSize(TextSize);
    PaintFill(FillCurve.data(), FillPointCount, true);
}

// The translucent grey area between the selected band's curve and its baseline: the curve as a
// cardinal spline through its integer points, then straight segments along the baseline chosen by
// the band's type and the sign of its gain, closed when filled. `outlineCurveOnly` (the overlay
// pass) draws the outline of the curve before the segments are added; otherwise (DrawCurveFill)
// the outline of the whole figure is drawn. Point i of the curve lies at x = i on the plot axis.
void LResponsePlot::PaintFill(const double *y, int n, bool outlineCurveOnly)
{
    if (n < 2 || PlotPage->Bitmap()->Empty())
        return;
    const double w = GetPlotWidth();
    const double h = GetPlotHeight();
    std::vector<GpPoint> points(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        points[static_cast<std::size_t>(i)] = {ToPixel(w * (i - XMin()) / (XMax() - XMin())),
                                               ToPixel(h - h * (y[i] - YMin()) / (YMax() - YMin()))};

    constexpr ARGB fillColour = 0x1E808080;  // mid grey at alpha 30 of 255
    GpGraphics *graphics = nullptr;
    GpSolidFill *brush = nullptr;
    GpPen *pen = nullptr;
    GpPath *path = nullptr;
    if (GdipCreateFromHDC(PlotPage->Canvas()->Handle(), &graphics) == Ok &&
        GdipCreateSolidFill(fillColour, &brush) == Ok && GdipCreatePen1(fillColour, 1.0f, UnitWorld, &pen) == Ok &&
        GdipCreatePath(FillModeAlternate, &path) == Ok) {
        GdipAddPathCurveI(path, points.data(), n);
        if (outlineCurveOnly)
            GdipDrawPath(graphics, pen, path);

        // Far left and far right of the visible part of every plot of the program.
        const auto x = [this](double v) { return static_cast<REAL>(ScreenX(v)); };
        const auto yAt = [this](double v) { return static_cast<REAL>(ScreenY(v)); };
        const REAL left = x(10.0), right = x(20000.0), zero = yAt(0.0);
        const REAL edge = yAt(ParamType == 1 || ParamType == 2 ? (ParamGain >= 0 ? YMax() : YMin()) : YMin());
        switch (ParamType) {
        case 0: GdipAddPathLine(path, left, zero, right, zero); break;
        case 1:
            GdipAddPathLine(path, right, zero, left, zero);
            GdipAddPathLine(path, left, zero, left, edge);
            break;
        case 2:
            GdipAddPathLine(path, right, edge, right, zero);
            GdipAddPathLine(path, right, zero, left, zero);
            break;
        default:
            if (ParamType >= 3) {
                GdipAddPathLine(path, right, zero, right, edge);
                GdipAddPathLine(path, right, edge, left, edge);
            }
            break;
        }
        if (!outlineCurveOnly)
            GdipDrawPath(graphics, pen, path);
        GdipFillPath(graphics, brush, path);
    }
    GdipDeletePath(path);
    GdipDeletePen(pen);
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(graphics);
}

// ---- Free text ------------------------------------------------------------------------------------

void LResponsePlot::DrawTextA(int x, int y, int size, TColor colour, std::string_view fontName, std::string_view text)
{
    FreeText = Widened(text);
    TextX = x;
    TextY = y;
    TextSize = size;
    TextColor = colour;
    TextFontName = Widened(fontName);
    TCanvas *c = PlotPage->Canvas();
    c->Font()->SetName(TextFontName);
    c->Font()->SetSize(TextSize);
    c->SetBkMode(TRANSPARENT);
    c->TextOut(x, y, FreeText);
}

void LResponsePlot::TextPaint()
{
    TCanvas *c = PlotPage->Canvas();
    c->Font()->SetSize(TextSize);
    c->Font()->SetColor(TextColor);
    c->Font()->SetName(TextFontName);
    c->SetBkMode(TRANSPARENT);
    c->TextOut(TextX, TextY, FreeText);
}

// ---- Vertical line --------------------------------------------------------------------------------

void LResponsePlot::DrawVerticalLine(TPenStyle style)
{
    TCanvas *c = PlotPage->Canvas();
    const double sx = ScreenX(LineX);
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(style);
    c->Pen()->SetColor(clRed);
    c->MoveTo(ToPixel(sx), 0);
    c->LineTo(ToPixel(sx), Height() - 10);
    c->Pen()->SetStyle(psSolid);
    if (LineMarker) {
        // The colour argument of DrawLine never reaches the drawing: the line is red, its marker
        // a yellow square at y = -3.
        const double sy = ScreenY(-3.0);
        c->Pen()->SetColor(clYellow);
        c->Pen()->SetWidth(1);
        c->Rectangle(ToPixel(sx - 4), ToPixel(sy - 4), ToPixel(sx + 4), ToPixel(sy + 4));
    }
}

void LResponsePlot::DrawLine(double x, TColor, bool marker)
{
    LineX = x;
    LineMarker = marker;
    LineShown = true;
    DrawVerticalLine(psDash);
}

void LResponsePlot::LinePaint()
{
    DrawVerticalLine(psDot);
}

void LResponsePlot::SetLineSize(int value)
{
    if (value != LineSize)
        LineSize = value;
}
