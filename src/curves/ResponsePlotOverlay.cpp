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

// How far a marker's shape, its caption and its parameter text reach from its place, in pixels,
// with room to spare: a marker further than this outside the curve page draws nothing on it.
constexpr double MarkerReach = 200.0;

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

bool LResponsePlot::MarkerOffPage(double sx, double sy) const
{
    return !(sx > -MarkerReach && sy > -MarkerReach && sx < GetPlotWidth() + MarkerReach &&
             sy < GetPlotHeight() + MarkerReach);
}

void LResponsePlot::DrawMarker(TCanvas *c, double sx, double sy, int slot, int kind)
{
    // Slots never placed sit far left of every plot: off the page only the font is set as the
    // drawing would leave it.
    const bool drawn = !MarkerOffPage(sx, sy);
    const int left = ToPixel(sx - 3);
    const int top = ToPixel(sy - 3);
    const int right = ToPixel(sx + 3);
    const int bottom = ToPixel(sy + 3);
    const auto caption = [&](const QString &text, int size, double x, double y) {
        c->Font()->SetColor(clWhite);
        c->Font()->SetSize(size);
        if (drawn)
            c->TextOut(ToPixel(x), ToPixel(y), text);
    };
    switch (kind) {
    case bkSquare:
    case bkCircle:
        if (drawn && kind == bkSquare)
            c->Rectangle(left, top, right, bottom);
        else if (drawn)
            c->Ellipse(left, top, right, bottom);
        caption(drawn ? IntToStr(slot + 1) : QString(), NumberCaptionSize, sx - 3, sy - 23);
        break;
    case bkLowPass:
    case bkHighPass:
        if (drawn)
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
    TCanvas *c = PlotCanvas();
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
    TCanvas *c = PlotCanvas();
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
    TCanvas *c = PlotCanvas();
    const double px = ScreenX(x);
    const double py = ScreenY(gain);
    c->Pen()->SetColor(colour);
    c->Font()->SetColor(colour);
    c->Pen()->SetWidth(1);
    c->Font()->SetSize(ParamTextSize);
    const bool drawn = !MarkerOffPage(px, py);
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
        if (drawn)
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
    ++fillCurveVersion_;
    // Painted at the next use of the page, from where it lies now: the pages draw the total next,
    // whose plot pass would paint it over at once.
    FlushPendingFill();
    if (n >= 2 && !PlotPage->Bitmap()->Empty())
        pendingFill_ = ShapeOfFill(y, n);
}

void LResponsePlot::CuveDisplayPaint()
{
    if (!CurveDisplay)
        return;
    DrawParamLines(SelectedParamTextLines(ParamType, ParamGain), ParamGain, ParamX, ParamFreq, ParamQ, ParamColor);
    PlotCanvas()->Font()->SetSize(TextSize);
    PaintSelectedFill();
}

// ---- The selected band's fill ---------------------------------------------------------------------
// The translucent grey area between the selected band's curve and its baseline: the curve as a
// cardinal spline through its integer points, then straight segments along the baseline chosen by
// the band's type and the sign of its gain, closed when filled. The overlay pass draws the outline
// of the curve alone; DrawCurveFill draws the outline of the whole figure. Point i of the curve
// lies at x = i on the plot axis.

namespace {

constexpr ARGB FillColour = 0x1E808080;  // mid grey at alpha 30 of 255

}  // namespace

LResponsePlot::FillShape LResponsePlot::ShapeOfFill(const double *y, int n) const
{
    FillShape shape;
    const double w = GetPlotWidth();
    const double h = GetPlotHeight();
    shape.Points.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        shape.Points[static_cast<std::size_t>(i)] = {ToPixel(w * (i - XMin()) / (XMax() - XMin())),
                                                     ToPixel(h - h * (y[i] - YMin()) / (YMax() - YMin()))};
    // Far left and far right of the visible part of every plot of the program.
    const auto x = [this](double v) { return static_cast<REAL>(ScreenX(v)); };
    const auto yAt = [this](double v) { return static_cast<REAL>(ScreenY(v)); };
    const REAL edge = yAt(ParamType == 1 || ParamType == 2 ? (ParamGain >= 0 ? YMax() : YMin()) : YMin());
    shape.Baseline = {x(10.0), x(20000.0), yAt(0.0), edge};
    shape.Type = ParamType;
    return shape;
}

LResponsePlot::FillInputs LResponsePlot::SelectedFillInputs() const
{
    return {.CurveVersion = fillCurveVersion_,
            .Width = GetPlotWidth(),
            .Height = GetPlotHeight(),
            .XMin = FXMin,
            .XMax = FXMax,
            .YMin = FYMin,
            .YMax = FYMax,
            .XFormat = FXAxisFormat,
            .YFormat = FYAxisFormat,
            .LogXMin = LogXMin,
            .LogXMax = LogXMax,
            .LogYMin = LogYMin,
            .LogYMax = LogYMax,
            .Type = ParamType,
            .Gain = ParamGain};
}

LResponsePlot::FillFigure *LResponsePlot::FigureOf(const FillShape &shape) const
{
    FillFigure &f = fillFigure_;
    const auto samePoint = [](const GpPoint &a, const GpPoint &b) { return a.X == b.X && a.Y == b.Y; };
    if (f.Curve && f.Shape.Type == shape.Type && f.Shape.Baseline == shape.Baseline &&
        std::equal(f.Shape.Points.begin(), f.Shape.Points.end(), shape.Points.begin(), shape.Points.end(), samePoint))
        return &f;
    f.Stamp.Forget();
    f.Curve.reset();
    f.Figure.reset();
    GpPath *curve = nullptr;
    GpPath *figure = nullptr;
    if (GdipCreatePath(FillModeAlternate, &curve) != Ok)
        return nullptr;
    f.Curve.reset(curve);
    GdipAddPathCurveI(curve, shape.Points.data(), static_cast<INT>(shape.Points.size()));
    if (GdipClonePath(curve, &figure) != Ok) {
        f.Curve.reset();
        return nullptr;
    }
    f.Figure.reset(figure);
    const auto [left, right, zero, edge] = shape.Baseline;
    switch (shape.Type) {
    case 0: GdipAddPathLine(figure, left, zero, right, zero); break;
    case 1:
        GdipAddPathLine(figure, right, zero, left, zero);
        GdipAddPathLine(figure, left, zero, left, edge);
        break;
    case 2:
        GdipAddPathLine(figure, right, edge, right, zero);
        GdipAddPathLine(figure, right, zero, left, zero);
        break;
    default:
        if (shape.Type >= 3) {
            GdipAddPathLine(figure, right, zero, right, edge);
            GdipAddPathLine(figure, right, edge, left, edge);
        }
        break;
    }
    f.Shape = shape;
    return &f;
}

void LResponsePlot::FlushPendingFill() const
{
    if (!pendingFill_)
        return;
    const FillShape shape = std::move(*pendingFill_);
    pendingFill_.reset();
    if (const FillFigure *f = FigureOf(shape))
        PaintTranslucentFigure(PlotPage->Canvas(), f->Figure.get(), f->Figure.get(), FillColour);
}

TCanvas *LResponsePlot::PlotCanvas()
{
    FlushPendingFill();
    return PlotPage->Canvas();
}

TPaintPage *LResponsePlot::GetPlotPage() const
{
    FlushPendingFill();
    return PlotPage.get();
}

void LResponsePlot::PaintSelectedFill()
{
    FlushPendingFill();
    if (PlotPage->Bitmap()->Empty())
        return;
    // The passes between two changes draw the same shape: it is found once.
    const FillInputs inputs = SelectedFillInputs();
    if (selectedFillInputs_ != inputs) {
        selectedFillShape_ = ShapeOfFill(FillCurve.data(), FillPointCount);
        selectedFillInputs_ = inputs;
    }
    if (FillFigure *f = FigureOf(selectedFillShape_))
        f->Stamp.Paint(PlotPage->Bitmap(), f->Curve.get(), f->Figure.get(), FillColour);
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
    TCanvas *c = PlotCanvas();
    c->Font()->SetName(TextFontName);
    c->Font()->SetSize(TextSize);
    c->SetBkMode(TRANSPARENT);
    c->TextOut(x, y, FreeText);
}

void LResponsePlot::TextPaint()
{
    TCanvas *c = PlotCanvas();
    c->Font()->SetSize(TextSize);
    c->Font()->SetColor(TextColor);
    c->Font()->SetName(TextFontName);
    c->SetBkMode(TRANSPARENT);
    c->TextOut(TextX, TextY, FreeText);
}

// ---- Vertical line --------------------------------------------------------------------------------

void LResponsePlot::DrawVerticalLine(TPenStyle style)
{
    TCanvas *c = PlotCanvas();
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
