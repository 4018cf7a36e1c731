// The passes of LResponsePlot around and under the curves: grid, ticks and axis lines on the curve
// page, the frequency and value labels, the titles, and the layout of the nine pages.

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

#include "curves/PlotPixels.h"
#include "curves/ResponsePlot.h"
#include "platform/runtime/FloatFormat.h"

using plotpixels::ToPixel;

namespace {

// log10 of the frequencies of the X labels (20, 100, 1000, 10000, 20000, 50, 200, 500, 2000 and
// 5000 Hz), held to nine decimals; narrow plots show the first four.
constexpr std::array<double, 10> FrequencyLabelTable = {
    1.301029996, 2.0, 3.0, 4.0, 4.301029996, 1.698970004, 2.301029996, 2.698970004, 3.301029996, 3.698970004};
// A plot at least this wide shows all ten frequency labels.
constexpr int WideLabelWidth = 800;
// Decades and steps of the vertical grid of a Linear x axis: f = i x 10^d.
constexpr int GridDecades = 14;
constexpr int GridStepsPerDecade = 10;

QString FormatFloat(double value, TStringFloatFormat format, int precision, int digits)
{
    return FloatToStrF(value, static_cast<TFloatFormat>(format), precision, digits);
}

// The widest of `prefix` + pi x 10^e for e = -100 .. 100 in a font and number format. The layout
// asks for it twice on every resize, so it is measured once per font and format.
int WidestPiText(const TFont &font, const QString &prefix, TStringFloatFormat format, int precision, int digits)
{
    using Key = std::tuple<QString, int, std::uint64_t, int, int, QString, int, int, int>;
    static std::map<Key, int> cache;
    const Key key{font.Name(),  font.Height(), font.Style().Mask(),      font.Charset(),
                  font.Pitch(), prefix,        static_cast<int>(format), precision,
                  digits};
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    int widest = 0;
    for (int e = -100; e <= 100; ++e)
        widest = std::max(widest, font.TextWidth(prefix + FormatFloat(std::numbers::pi * std::pow(10.0, e), format,
                                                                      precision, digits)));
    cache.emplace(key, widest);
    return widest;
}

void Line(TCanvas *c, int x1, int y1, int x2, int y2)
{
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
}

}  // namespace

QString LResponsePlot::XLabelText(double value) const
{
    return FormatFloat(value, FXLabelFormat, FXLabelPrecision, FXLabelDigits);
}

QString LResponsePlot::YLabelText(double value) const
{
    return FormatFloat(value, FYLabelFormat, FYLabelPrecision, FYLabelDigits);
}

// ---- Grid, ticks, axis ----------------------------------------------------------------------------

std::vector<double> LResponsePlot::HorzGridValues() const
{
    std::vector<double> values;
    const int n = FNumHorzGrid;
    if (FYAxisFormat == TMyAxisFormat::Linear) {
        const double s = (FYMax - FYMin) / (n + 1);
        for (int i = 1; i <= n; ++i)
            values.push_back(FYMin + i * s);
        return values;
    }
    for (double d = std::floor(LogYMin); d < LogYMax; ++d) {
        const double low = std::pow(10.0, d);
        const double high = std::pow(10.0, d + 1);
        values.push_back(low);
        for (int i = 1; i <= n; ++i)
            values.push_back(low + i * (high - low) / (n + 1));
    }
    return values;
}

std::vector<LResponsePlot::VertGridLine> LResponsePlot::VertGridLines() const
{
    std::vector<VertGridLine> lines;
    if (FXAxisFormat == TMyAxisFormat::Linear) {
        // The response curves' frequency grid on their point axis; the first line of each decade
        // in AxisColor. A decade's tenth line falls on the next decade's first and is drawn again.
        const double points = 256.0 * std::pow(2.0, static_cast<int>(FFFTNuimber));
        const double top = 24000.0 * (static_cast<int>(FSampleRate) + 1);
        for (int d = 1; d <= GridDecades; ++d)
            for (int i = 1; i <= GridStepsPerDecade; ++i) {
                const double f = i * std::pow(10.0, d);
                lines.push_back({points * std::log10(f) / std::log10(top), i == 1});
            }
        return lines;
    }
    const int n = FNumVertGrid;
    for (double d = std::floor(LogXMin); d < LogXMax; ++d) {
        const double low = std::pow(10.0, d);
        const double high = std::pow(10.0, d + 1);
        lines.push_back({low, false});
        for (int i = 1; i <= n; ++i)
            lines.push_back({low + i * (high - low) / (n + 1), false});
    }
    return lines;
}

void LResponsePlot::DrawGrid()
{
    TCanvas *c = PlotCanvas();
    const int w = GetPlotWidth();
    const int h = GetPlotHeight();
    c->Pen()->SetColor(FGridColor);
    if (FShowHorzGrid)
        for (double v : HorzGridValues()) {
            const int y = ToPixel(ScreenY(v));
            Line(c, 0, y, w, y);
        }
    if (FShowVertGrid)
        for (const VertGridLine &line : VertGridLines()) {
            const int x = ToPixel(ScreenX(line.X));
            c->Pen()->SetColor(line.Decade ? FAxisColor : FGridColor);
            Line(c, x, 0, x, h);
        }
}

void LResponsePlot::DrawTicks()
{
    TCanvas *c = PlotCanvas();
    const int h = GetPlotHeight();
    c->Pen()->SetColor(FAxisColor);
    if (FShowHorzTicks)
        for (double v : HorzGridValues()) {
            const int y = ToPixel(ScreenY(v));
            Line(c, 0, y, FHorzTickLength, y);
        }
    if (FShowVertTicks) {
        // On the frequency grid the ticks stand 2 pixels above their length.
        const int length = FXAxisFormat == TMyAxisFormat::Linear ? FVertTickLength + 2 : FVertTickLength;
        for (const VertGridLine &line : VertGridLines()) {
            const int x = ToPixel(ScreenX(line.X));
            Line(c, x, h, x, h - length);
        }
    }
}

void LResponsePlot::DrawAxis()
{
    if (!Visible())
        return;
    TCanvas *c = PlotCanvas();
    const int w = GetPlotWidth();
    const int h = GetPlotHeight();
    c->Pen()->SetColor(FAxisColor);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FAxisColor);
    const bool box = FAxisStyle == TMyAxisStyle::Box || FAxisStyle == TMyAxisStyle::CenteredBox;
    const bool centred = FAxisStyle == TMyAxisStyle::Centered || FAxisStyle == TMyAxisStyle::CenteredBox;
    if (box)
        c->FrameRect(PlotPage->PageRect());
    if (centred) {
        if (FYMax != FYMin) {
            const int y0 = ToPixel(ScreenY(0.0));
            Line(c, 0, y0, w, y0);
        }
        if (FXMax != FXMin) {
            const int x0 = ToPixel(ScreenX(0.0));
            Line(c, x0, 0, x0, h);
        }
    }
    if (FAxisStyle == TMyAxisStyle::LB) {
        c->MoveTo(0, 0);
        c->LineTo(0, h - 1);
        c->LineTo(w, h - 1);
    }
}

// ---- Labels ---------------------------------------------------------------------------------------

void LResponsePlot::DrawXAxisLabels()
{
    if (!FShowXLabel)
        return;
    drawnXLabels_.clear();
    const int count = Width() >= WideLabelWidth ? 10 : 4;
    XLabelPage->Clear(Color());
    XLabelPage->SetFont(FAxisLabelFont.get());
    TCanvas *c = XLabelPage->Canvas();
    const double points = 256.0 * std::pow(2.0, static_cast<int>(FFFTNuimber));
    const double top = 24000.0 * (static_cast<int>(FSampleRate) + 1);
    for (int i = 0; i < count; ++i) {
        const double l = FrequencyLabelTable[static_cast<std::size_t>(i)];
        const double f = std::pow(10.0, l);
        const double x = ScreenX(points * l / std::log10(top));
        const QString text =
            f < 1000 ? XLabelText(f) + QStringLiteral("Hz") : XLabelText(f * 0.001) + QStringLiteral("KHz");
        const int left = ToPixel(x - c->TextWidth(text) / 2.0);
        c->TextOut(left, 1, text);
        drawnXLabels_.push_back({text, left, 1});
    }
    UpdatePaintPage(XLabelPage.get());
}

void LResponsePlot::DrawYAxisLabels()
{
    if (!FShowYLabel)
        return;
    drawnYLabels_.clear();
    YLabelPage->Clear(Color());
    YLabelPage->SetFont(FAxisLabelFont.get());
    TCanvas *c = YLabelPage->Canvas();
    const int pageWidth = YLabelPage->PageRect().Width();
    const QString suffix = YLabelSuffix();
    const auto put = [&](const QString &text, int y) {
        const int x = pageWidth - c->TextWidth(text) - 2;
        c->TextOut(x, y, text);
        drawnYLabels_.push_back({text, x, y});
    };
    const int h = c->TextHeight(QStringLiteral("0"));
    if (FYAxisFormat == TMyAxisFormat::Linear) {
        put(QStringLiteral("+") + YLabelText(LabelScaledY(FYMax)) + suffix, 0);
        put(YLabelText(LabelScaledY(FYMin)) + suffix, ToPixel(ScreenY(FYMin) - h));
        // Every second grid line, from the second from the bottom.
        const double s = (FYMax - FYMin) / (FNumHorzGrid + 1);
        for (int m = 2; m <= FNumHorzGrid; m += 2) {
            const double v = FYMin + m * s;
            const QString sign = v > 0 ? QStringLiteral("+") : QString();
            put(sign + YLabelText(LabelScaledY(m * s) + LabelScaledY(FYMin)) + suffix, ToPixel(ScreenY(v) - h / 2));
        }
    }
    else {
        for (double k = std::floor(LogYMin) + 1; k < LogYMax; ++k)
            put(YLabelText(std::pow(10.0, LabelScaledY(k))) + suffix, ToPixel(ScreenY(std::pow(10.0, k)) - h / 2));
    }
    UpdatePaintPage(YLabelPage.get());
}

// ---- Titles ---------------------------------------------------------------------------------------

void LResponsePlot::DrawTitles()
{
    PlotTitlePage->Clear(Color());
    if (FShowPlotTitle) {
        PlotTitlePage->SetFont(FPlotTitleFont.get());
        TCanvas *c = PlotTitlePage->Canvas();
        const int h = c->TextHeight(FPlotTitle);
        const int x = (GetPlotWidth() - c->TextWidth(FPlotTitle)) / 2 + PlotPage->ScreenRect().Left;
        c->TextOut(x, PlotTitlePage->PageRect().Height() - 3 * h / 2, FPlotTitle);
    }
    UpdatePaintPage(PlotTitlePage.get());

    if (FShowXTitle) {
        XTitlePage->Clear(Color());
        XTitlePage->SetFont(FAxisTitleFont.get());
        TCanvas *c = XTitlePage->Canvas();
        const int h = c->TextHeight(FXTitle);
        const TRect &r = XTitlePage->PageRect();
        c->TextOut((r.Width() - c->TextWidth(FXTitle)) / 2, r.Height() - 3 * h / 2, FXTitle);
        UpdatePaintPage(XTitlePage.get());
    }

    if (FShowYTitle) {
        YTitlePage->Clear(Color());
        YTitleTextPage->Clear(Color());
        YTitlePage->SetFont(FAxisTitleFont.get());
        YTitleTextPage->SetFont(FAxisTitleFont.get());
        YTitleTextPage->Canvas()->TextOut(0, 0, FYTitle);
        TCanvas *c = YTitlePage->Canvas();
        const int h = c->TextHeight(FYTitle);
        c->TextOut(h / 2, (GetPlotHeight() - c->TextWidth(FYTitle)) / 2, FYTitle);
        UpdatePaintPage(YTitlePage.get());
    }

    MarginPage->Clear(Color());
    UpdatePaintPage(MarginPage.get());
}

// ---- Layout ---------------------------------------------------------------------------------------

void LResponsePlot::ResizePaintPage()
{
    // A control too small for its areas loses them: the title and X label areas when the curve
    // area would have no height, the Y label and title areas when it would have no width. Each
    // group is given up once; if the control is still too small the pages stay where they were.
    // A plot still being read from its form is laid out at its first paint: laying it out for
    // every stored text and font would give each hidden page's plots their pages, and their
    // parents a backing image, long before anyone sees them.
    if (ComponentState().Contains(csLoading))
        return;
    FlushPendingFill();
    bool droppedRows = false;
    bool droppedColumns = false;
    for (;;) {
        const int width = Width();
        const int height = Height();
        int left = -30;
        int top = 0;
        int bottom = height;
        int xTitleTop = height;
        int yTitleWidth = 0;
        int yTitleTextWidth = 0;
        int yTitleTextHeight = 0;

        if (FShowXLabel) {
            XLabelPage->SetFont(FAxisLabelFont.get());
            const int h = XLabelPage->Canvas()->TextHeight(XLabelText(FXMin));
            bottom = static_cast<int>(bottom - 1.2 * h);
        }
        if (FShowXTitle) {
            XTitlePage->SetFont(FAxisTitleFont.get());
            const int h = XTitlePage->Canvas()->TextHeight(FXTitle);
            bottom -= 2 * h;
            xTitleTop -= 2 * h;
        }
        if (FShowYLabel) {
            YLabelPage->SetFont(FAxisLabelFont.get());
            left += WidestPiText(*FAxisLabelFont, QString(), FXLabelFormat,
                                 std::max(FXLabelPrecision, FYLabelPrecision), std::max(FXLabelDigits, FYLabelDigits)) +
                    4;
        }
        if (FShowYTitle) {
            YTitleTextPage->SetFont(FAxisTitleFont.get());
            YTitlePage->SetFont(FAxisTitleFont.get());
            TCanvas *c = YTitlePage->Canvas();
            const int h = c->TextHeight(FYTitle);
            left += 2 * h;
            yTitleWidth += 2 * h;
            yTitleTextWidth = c->TextWidth(FYTitle);
            yTitleTextHeight = h;
        }
        if (FShowPlotTitle) {
            PlotTitlePage->SetFont(FPlotTitleFont.get());
            top += 2 * PlotTitlePage->Canvas()->TextHeight(FPlotTitle);
        }
        else {
            top += 10;
        }
        if (FShowCoordinates) {
            CoordPage->SetFont(FMouseCoordFont.get());
            const int w =
                WidestPiText(*FMouseCoordFont, QStringLiteral("x = "), FYLabelFormat, FYLabelPrecision, FYLabelDigits);
            const int c = 2 * CoordPage->Canvas()->TextHeight(QStringLiteral("x")) + 10;
            CoordPage->Place(width - w - 5, top + 4, width - 5, top + c + 2);
        }

        if (top < bottom && left < width) {
            const int right = width - 10;
            PlotPage->Place(left, top, right, bottom);
            XLabelPage->Place(left, bottom, right, xTitleTop);
            XTitlePage->Place(left, xTitleTop, right, height);
            YLabelPage->Place(yTitleWidth, top, left, height);
            YTitlePage->Place(0, top, yTitleWidth, height);
            YTitleTextPage->Place(0, 0, yTitleTextWidth, yTitleTextHeight);
            PlotTitlePage->Place(0, 0, right, top);
            MarginPage->Place(right, 0, width, height);
        }

        if (bottom < top && !droppedRows) {
            droppedRows = true;
            FShowPlotTitle = false;
            FShowXLabel = false;
            FShowXTitle = false;
            continue;
        }
        if (width < left && !droppedColumns) {
            droppedColumns = true;
            FShowYLabel = false;
            FShowYTitle = false;
            continue;
        }
        break;
    }
    for (int s = 0; s < BlockSlotCount; ++s) {
        const auto k = static_cast<std::size_t>(s);
        SetBlockPosition(ScreenX(BlockX[k]), ScreenY(BlockY[k]), s);
    }
}
