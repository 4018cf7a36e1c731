#include "curves/ResponsePlot.h"

#include <algorithm>
#include <cmath>

#include "curves/PlotPixels.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/FloatFormat.h"

// The published properties are described by each control in its own order.
T_IMPLEMENT_CLASS(LResponsePlot) {}

// ---- Construction ---------------------------------------------------------------------------------

LResponsePlot::LResponsePlot(TComponent *AOwner)
    : TPaintBox(AOwner), FXTitle(QStringLiteral("Frequency ")), FYTitle(QStringLiteral("dB")),
      FPlotTitle(QStringLiteral("Frequency Response"))
{
    CreatePlotObjects();
    SetBounds(Left(), Top(), 500, 250);
    SetColor(clBlack);
}

LResponsePlot::LResponsePlot(TComponent *AOwner, CopyConstruction) : TPaintBox(AOwner)
{
    CreatePlotObjects();
}

void LResponsePlot::CreatePlotObjects()
{
    // A fill waiting for the old curve page goes with it.
    pendingFill_.reset();
    PlotList = std::make_unique<TPlotList>();
    for (auto *page : {&PlotPage, &XLabelPage, &YLabelPage, &PlotTitlePage, &XTitlePage, &YTitlePage, &MarginPage,
                       &YTitleTextPage, &CoordPage})
        *page = std::make_unique<TPaintPage>();
    const auto font = [](TColor colour) {
        auto f = std::make_unique<TFont>();
        f->SetColor(colour);
        return f;
    };
    FPlotTitleFont = font(0x00FF00);
    FAxisTitleFont = font(0x00FF00);
    FAxisLabelFont = font(0x00FFFF);
    FMouseCoordFont = font(0x00FF00);
}

LResponsePlot::~LResponsePlot() = default;

void LResponsePlot::Change()
{
    if (OnChange)
        OnChange(this);
}

// ---- Copies from another control ------------------------------------------------------------------

namespace {

// A list with every curve of `source`, listed the other way round.
std::unique_ptr<TPlotList> ReversedCopy(const TPlotList &source)
{
    auto copy = std::make_unique<TPlotList>();
    for (const TPlotListMember *m = source.Head(); m; m = m->Next.get())
        copy->Store(m->X.data(), m->Y.data(), m->Count, m->Id, m->Color, m->Style);
    return copy;
}

}  // namespace

void LResponsePlot::CurvesReplaced()
{
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    if (FAutoRedraw)
        Redraw();
}

void LResponsePlot::AssignPlotFrom(const LResponsePlot &other)
{
    // The copy is made first: `other` may be this control.
    std::unique_ptr<TPlotList> curves = ReversedCopy(*other.PlotList);
    if (&other != this)
        CreatePlotObjects();
    PlotList = std::move(curves);
    AssignPlotPropertiesFrom(other);
    CurvesReplaced();
}

void LResponsePlot::AssignPlotDataFrom(const LResponsePlot &other)
{
    PlotList = ReversedCopy(*other.PlotList);
    CurvesReplaced();
}

void LResponsePlot::AppendPlotDataFrom(const LResponsePlot &other)
{
    // Appending a control to itself stores every curve over itself: nothing changes.
    if (&other != this)
        for (const TPlotListMember *m = other.PlotList->Head(); m; m = m->Next.get())
            PlotList->Store(m->X.data(), m->Y.data(), m->Count, m->Id, m->Color, m->Style);
    CurvesReplaced();
}

void LResponsePlot::AssignPlotPropertiesFrom(const LResponsePlot &other)
{
    if (&other != this) {
        FAutoRedraw = other.FAutoRedraw;
        FAxisColor = other.FAxisColor;
        FAxisStyle = other.FAxisStyle;
        FXAxisFormat = other.FXAxisFormat;
        FYAxisFormat = other.FYAxisFormat;
        FShowXLabel = other.FShowXLabel;
        FShowYLabel = other.FShowYLabel;
        FShowCoordinates = other.FShowCoordinates;
        FYAutoScale = other.FYAutoScale;
        FXAutoScale = other.FXAutoScale;
        FYMax = other.FYMax;
        FYMin = other.FYMin;
        FXMax = other.FXMax;
        FXMin = other.FXMin;
        // The log bounds go with the bounds: the transforms of a Log axis read them.
        LogXMin = other.LogXMin;
        LogXMax = other.LogXMax;
        LogYMin = other.LogYMin;
        LogYMax = other.LogYMax;
        FXLabelPrecision = other.FXLabelPrecision;
        FYLabelPrecision = other.FYLabelPrecision;
        FXLabelDigits = other.FXLabelDigits;
        FYLabelDigits = other.FYLabelDigits;
        FYLabelFormat = other.FYLabelFormat;
        FXLabelFormat = other.FXLabelFormat;
        FPointSize = other.FPointSize;
        FShowHorzGrid = other.FShowHorzGrid;
        FShowVertGrid = other.FShowVertGrid;
        FShowHorzTicks = other.FShowHorzTicks;
        FShowVertTicks = other.FShowVertTicks;
        FVertTickLength = other.FVertTickLength;
        FHorzTickLength = other.FHorzTickLength;
        FNumHorzGrid = other.FNumHorzGrid;
        FNumVertGrid = other.FNumVertGrid;
        FGridColor = other.FGridColor;
        FMouseControl = other.FMouseControl;
        FShowXTitle = other.FShowXTitle;
        FShowYTitle = other.FShowYTitle;
        FShowPlotTitle = other.FShowPlotTitle;
        FXTitle = other.FXTitle;
        FYTitle = other.FYTitle;
        FPlotTitle = other.FPlotTitle;
        FPlotTitleFont->Assign(other.FPlotTitleFont.get());
        FAxisTitleFont->Assign(other.FAxisTitleFont.get());
        FAxisLabelFont->Assign(other.FAxisLabelFont.get());
        FMouseCoordFont->Assign(other.FMouseCoordFont.get());
        FFFTNuimber = other.FFFTNuimber;
        CopyOwnProperties(other);
    }
    if (FAutoRedraw)
        Redraw();
}

void LResponsePlot::ClearPlot()
{
    FlushPendingFill();
    const std::pair<bool, TPaintPage *> pages[] = {
        {FShowXLabel, XLabelPage.get()},
        {FShowXTitle, XTitlePage.get()},
        {FShowYLabel, YLabelPage.get()},
        {FShowYTitle, YTitlePage.get()},
        {FShowYTitle, YTitleTextPage.get()},
        {FShowPlotTitle, PlotTitlePage.get()},
        {true, MarginPage.get()},
        {true, PlotPage.get()},
    };
    for (const auto &[shown, page] : pages)
        if (shown)
            page->Clear(Color());
}

bool LResponsePlot::SetPlotWidth(int width)
{
    FlushPendingFill();
    PlotPage->SetBitmapWidth(width);
    return true;
}

// ---- Property setters -----------------------------------------------------------------------------

void LResponsePlot::SetAxisColor(TColor value)
{
    FAxisColor = value;
    DrawAxis();
}

void LResponsePlot::SetAxisStyle(TMyAxisStyle value)
{
    FAxisStyle = value;
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

namespace {

// A Log axis needs positive bounds: max <= 0 gives 10 and 1, else min <= 0 gives 0.1 x max.
void PositiveLogBounds(double &max, double &min)
{
    if (max <= 0) {
        max = 10.0;
        min = 1.0;
    }
    else if (min <= 0) {
        min = 0.1 * max;
    }
}

}  // namespace

void LResponsePlot::SetYAxisFormat(TMyAxisFormat value)
{
    FYAxisFormat = value;
    FindYMaxMin();
    if (value == TMyAxisFormat::Log)
        PositiveLogBounds(FYMax, FYMin);
    CalculateLogMaxMin();
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

void LResponsePlot::SetXAxisFormat(TMyAxisFormat value)
{
    FXAxisFormat = value;
    FindXMaxMin();
    if (value == TMyAxisFormat::Log)
        PositiveLogBounds(FXMax, FXMin);
    CalculateLogMaxMin();
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

void LResponsePlot::SetYLabelFormat(TStringFloatFormat value)
{
    FYLabelFormat = value;
    SetShowYLabel(FShowYLabel);
}

void LResponsePlot::SetXLabelFormat(TStringFloatFormat value)
{
    FXLabelFormat = value;
    SetShowXLabel(FShowXLabel);
}

void LResponsePlot::SetYLabelPrecision(int value)
{
    FYLabelPrecision = value;
    SetShowYLabel(FShowYLabel);
}

void LResponsePlot::SetXLabelPrecision(int value)
{
    FXLabelPrecision = value;
    SetShowXLabel(FShowXLabel);
}

void LResponsePlot::SetYLabelDigits(int value)
{
    FYLabelDigits = value;
    SetShowYLabel(FShowYLabel);
}

void LResponsePlot::SetXLabelDigits(int value)
{
    FXLabelDigits = value;
    SetShowXLabel(FShowXLabel);
}

namespace {

// Store a layout flag, lay the pages out again, redraw everything when AutoRedraw.
template <class Plot>
void SetAreaFlag(Plot &plot, bool &flag, bool value)
{
    flag = value;
    plot.ResizePaintPage();
    if (plot.AutoRedraw())
        plot.Redraw();
}

}  // namespace

void LResponsePlot::SetShowXLabel(bool value)
{
    SetAreaFlag(*this, FShowXLabel, value);
}

void LResponsePlot::SetShowYLabel(bool value)
{
    SetAreaFlag(*this, FShowYLabel, value);
}

void LResponsePlot::SetShowXTitle(bool value)
{
    SetAreaFlag(*this, FShowXTitle, value);
}

void LResponsePlot::SetShowYTitle(bool value)
{
    SetAreaFlag(*this, FShowYTitle, value);
}

void LResponsePlot::SetShowPlotTitle(bool value)
{
    SetAreaFlag(*this, FShowPlotTitle, value);
}

void LResponsePlot::SetShowCoordinates(bool value)
{
    FShowCoordinates = value;
    if (Visible() && FAutoRedraw) {
        CoordPage->Clear(Color());
        CopyToScreen(CoordPage.get());
        DrawAllPlots();
    }
}

void LResponsePlot::SetYAutoScale(bool value)
{
    FYAutoScale = value;
    FindYMaxMin();
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

void LResponsePlot::SetXAutoScale(bool value)
{
    FXAutoScale = value;
    FindXMaxMin();
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

namespace {

template <class Plot>
void SetBound(Plot &plot, double &bound, double value)
{
    bound = value;
    plot.CompareMaxMin();
    plot.CalculateLogMaxMin();
    if (plot.AutoRedraw())
        plot.DrawPlotsAndLabels();
}

}  // namespace

void LResponsePlot::SetYMax(double value)
{
    SetBound(*this, FYMax, value);
}

void LResponsePlot::SetYMin(double value)
{
    SetBound(*this, FYMin, value);
}

void LResponsePlot::SetXMax(double value)
{
    SetBound(*this, FXMax, value);
}

void LResponsePlot::SetXMin(double value)
{
    SetBound(*this, FXMin, value);
}

namespace {

// Store a plot-pass setting and redraw the curve page when AutoRedraw.
template <class Plot, class T>
void SetPlotPassValue(Plot &plot, T &field, T value)
{
    field = value;
    if (plot.AutoRedraw())
        plot.DrawAllPlots();
}

}  // namespace

void LResponsePlot::SetPointSize(int value)
{
    SetPlotPassValue(*this, FPointSize, std::clamp(value, 1, 10));
}

void LResponsePlot::SetShowHorzGrid(bool value)
{
    SetPlotPassValue(*this, FShowHorzGrid, value);
}

void LResponsePlot::SetShowVertGrid(bool value)
{
    SetPlotPassValue(*this, FShowVertGrid, value);
}

void LResponsePlot::SetShowHorzTicks(bool value)
{
    SetPlotPassValue(*this, FShowHorzTicks, value);
}

void LResponsePlot::SetShowVertTicks(bool value)
{
    SetPlotPassValue(*this, FShowVertTicks, value);
}

void LResponsePlot::SetGridColor(TColor value)
{
    SetPlotPassValue(*this, FGridColor, value);
}

void LResponsePlot::SetHorzTickLength(int value)
{
    SetPlotPassValue(*this, FHorzTickLength, std::min(std::max(value, 0), Width()));
}

void LResponsePlot::SetVertTickLength(int value)
{
    SetPlotPassValue(*this, FVertTickLength, std::min(std::max(value, 0), Height()));
}

void LResponsePlot::SetNumHorzGrid(int value)
{
    FNumHorzGrid = std::max(value, 0);
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

void LResponsePlot::SetNumVertGrid(int value)
{
    FNumVertGrid = std::max(value, 0);
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

void LResponsePlot::SetAutoRedraw(bool value)
{
    FAutoRedraw = value;
    if (value)
        Redraw();
}

void LResponsePlot::SetXTitle(const QString &value)
{
    FXTitle = value;
    if (FAutoRedraw)
        DrawTitles();
}

void LResponsePlot::SetYTitle(const QString &value)
{
    FYTitle = value;
    ResizePaintPage();
    if (FAutoRedraw)
        DrawTitles();
}

void LResponsePlot::SetPlotTitle(const QString &value)
{
    FPlotTitle = value;
    if (FAutoRedraw)
        DrawTitles();
}

void LResponsePlot::TakeFont(TFont &font, TFont *value, std::initializer_list<TPaintPage *> pages, bool everything)
{
    if (value)
        font.Assign(value);
    for (TPaintPage *page : pages)
        page->SetFont(&font);
    ResizePaintPage();
    if (!FAutoRedraw)
        return;
    if (everything)
        Redraw();
    else
        DrawPlotsAndLabels();
}

void LResponsePlot::SetPlotTitleFont(TFont *value)
{
    TakeFont(*FPlotTitleFont, value, {PlotTitlePage.get()}, true);
}

void LResponsePlot::SetAxisTitleFont(TFont *value)
{
    TakeFont(*FAxisTitleFont, value, {XTitlePage.get(), YTitlePage.get()}, true);
}

void LResponsePlot::SetAxisLabelFont(TFont *value)
{
    TakeFont(*FAxisLabelFont, value, {XLabelPage.get(), YLabelPage.get()}, true);
}

void LResponsePlot::SetMouseCoordFont(TFont *value)
{
    TakeFont(*FMouseCoordFont, value, {CoordPage.get()}, false);
}

// ---- Curves ---------------------------------------------------------------------------------------

bool LResponsePlot::FFTDraw(const double *y, int n, int id, TColor colour, TMyPlotStyle style)
{
    if (n < 1 || !y)
        return false;
    for (auto i = pointIndexes_.size(); i < static_cast<std::size_t>(n); ++i)
        pointIndexes_.push_back(static_cast<double>(i));
    return FFTDraw(pointIndexes_.data(), y, n, id, colour, style);
}

bool LResponsePlot::FFTDraw(const double *x, const double *y, int n, int id, TColor colour, TMyPlotStyle style)
{
    if (n < 1 || !x || !y)
        return false;
    const bool replaced = PlotList->Store(x, y, n, id, colour, style);
    FindXMaxMin();
    FindYMaxMin();
    if (FAutoRedraw)
        DrawPlotsAndLabelsNoUpdate();
    return replaced;
}

bool LResponsePlot::FFTDraw(const double *y, int n, double x0, double x1, int id, TColor colour, TMyPlotStyle style)
{
    if (n < 1 || !y)
        return false;
    std::vector<double> x(static_cast<std::size_t>(n), x0);
    for (int i = 1; i < n; ++i)
        x[static_cast<std::size_t>(i)] = x0 + i * (x1 - x0) / (n - 1);
    return FFTDraw(x.data(), y, n, id, colour, style);
}

bool LResponsePlot::RemovePlot(int id)
{
    if (!PlotList->Remove(id))
        return false;
    FindXMaxMin();
    FindYMaxMin();
    if (FAutoRedraw)
        DrawPlotsAndLabelsNoUpdate();
    return true;
}

namespace {

// Runs `f` on the curve with that id; false when there is none.
template <class F>
bool WithPlot(const TPlotList &list, int id, F f)
{
    TPlotListMember *m = nullptr;
    if (!list.Find(m, id))
        return false;
    f(*m);
    return true;
}

void CopyValues(const std::vector<double> &values, std::span<double> out)
{
    std::copy_n(values.begin(), std::min(out.size(), values.size()), out.begin());
}

}  // namespace

bool LResponsePlot::GetPlotStyle(TMyPlotStyle &style, int id) const
{
    return WithPlot(*PlotList, id, [&](const TPlotListMember &m) { style = m.Style; });
}

bool LResponsePlot::GetPlotColor(TColor &colour, int id) const
{
    return WithPlot(*PlotList, id, [&](const TPlotListMember &m) { colour = m.Color; });
}

bool LResponsePlot::GetPlotNumPoints(int &count, int id) const
{
    return WithPlot(*PlotList, id, [&](const TPlotListMember &m) { count = m.Count; });
}

bool LResponsePlot::GetPlotX(std::span<double> out, int id) const
{
    return WithPlot(*PlotList, id, [&](const TPlotListMember &m) { CopyValues(m.X, out); });
}

bool LResponsePlot::GetPlotY(std::span<double> out, int id) const
{
    return WithPlot(*PlotList, id, [&](const TPlotListMember &m) { CopyValues(m.Y, out); });
}

bool LResponsePlot::SetPlotStyle(TMyPlotStyle style, int id)
{
    if (!WithPlot(*PlotList, id, [&](TPlotListMember &m) { m.Style = style; }))
        return false;
    if (FAutoRedraw)
        DrawAllPlots();
    return true;
}

bool LResponsePlot::SetPlotColor(TColor colour, int id)
{
    return WithPlot(*PlotList, id, [&](TPlotListMember &m) {
        m.Color = colour;
        DrawOnePlot(m);
        RedrawScreen();
    });
}

// ---- Axis bounds ----------------------------------------------------------------------------------

void LResponsePlot::CompareMaxMin()
{
    if (FYMax == FYMin)
        FYMax = FYAxisFormat == TMyAxisFormat::Log ? FYMin * 10.0 : FYMax + 1.0;
    if (FXMax == FXMin)
        FXMax = FXAxisFormat == TMyAxisFormat::Log ? FXMin * 10.0 : FXMax + 1.0;
}

void LResponsePlot::CalculateLogMaxMin()
{
    if (FXAxisFormat == TMyAxisFormat::Log) {
        if (FXMax <= 0)
            FXMax = 10.0;
        if (FXMin <= 0)
            FXMin = 0.1 * FXMax;
        LogXMax = std::log10(FXMax);
        LogXMin = std::log10(FXMin);
    }
    if (FYAxisFormat == TMyAxisFormat::Log) {
        if (FYMax <= 0)
            FYMax = 10.0;
        if (FYMin <= 0)
            FYMin = 0.01 * FYMax;
        LogYMax = std::log10(FYMax);
        LogYMin = std::log10(FYMin);
    }
}

namespace {

// Widens [lo, hi] to every value of `values` of every curve; starts from the head curve's first
// value, or from -1 .. 1 without curves.
void FindRange(const TPlotList &list, std::vector<double> TPlotListMember::*values, double &lo, double &hi)
{
    const TPlotListMember *head = list.Head();
    if (head && !(head->*values).empty()) {
        lo = hi = (head->*values)[0];
    }
    else {
        lo = -1.0;
        hi = 1.0;
    }
    for (const TPlotListMember *m = head; m; m = m->Next.get())
        for (double v : m->*values) {
            if (v > hi)
                hi = v;
            if (v < lo)
                lo = v;
        }
}

}  // namespace

void LResponsePlot::FindYMaxMin()
{
    if (!FYAutoScale)
        return;
    FindRange(*PlotList, &TPlotListMember::Y, FYMin, FYMax);
    CompareMaxMin();
    CalculateLogMaxMin();
}

void LResponsePlot::FindXMaxMin()
{
    if (!FXAutoScale)
        return;
    FindRange(*PlotList, &TPlotListMember::X, FXMin, FXMax);
    CompareMaxMin();
    CalculateLogMaxMin();
}

// ---- Curve area and transforms --------------------------------------------------------------------

int LResponsePlot::GetPlotWidth() const
{
    return PlotPage->Bitmap()->Width();
}

int LResponsePlot::GetPlotHeight() const
{
    return PlotPage->Bitmap()->Height();
}

TPoint LResponsePlot::GetPlotOrigin() const
{
    return PlotPage->ScreenRect().TopLeft();
}

double LResponsePlot::ScreenX(double x) const
{
    const double w = GetPlotWidth();
    if (FXAxisFormat == TMyAxisFormat::Log) {
        const double u = x > 0 ? std::log10(x) : std::log10(0.1 * FXMin);
        return w * (u - LogXMin) / (LogXMax - LogXMin);
    }
    return w * (x - FXMin) / (FXMax - FXMin);
}

double LResponsePlot::ScreenY(double y) const
{
    const double h = GetPlotHeight();
    if (FYAxisFormat == TMyAxisFormat::Log) {
        const double u = y > 0 ? std::log10(y) : std::log10(0.1 * FYMin);
        return h - h * (u - LogYMin) / (LogYMax - LogYMin);
    }
    return h - h * (y - FYMin) / (FYMax - FYMin);
}

// ---- Plot pass and paint pipeline -----------------------------------------------------------------

void LResponsePlot::DrawAllPlots()
{
    if (!Visible())
        return;
    // The page is painted over as a whole: a fill waiting for it would never show.
    if (PlotPage->PageRect() == TRect(0, 0, GetPlotWidth(), GetPlotHeight()))
        pendingFill_.reset();
    FlushPendingFill();
    PlotPage->Clear(Color());
    DrawGrid();
    DrawTicks();
    DrawAxis();
    for (const TPlotListMember *m = PlotList->Head(); m; m = m->Next.get())
        DrawOnePlot(*m);
}

void LResponsePlot::DrawOnePlot(const TPlotListMember &plot)
{
    if (!Visible() || plot.Count < 1)
        return;
    TCanvas *c = PlotCanvas();
    const double w = GetPlotWidth();
    const double h = GetPlotHeight();
    const bool filled = plot.Style == PlotStyleFilledSquares || plot.Style == PlotStyleLineFilledSquares;
    c->Pen()->SetWidth(2);
    c->Pen()->SetColor(plot.Color);
    c->Brush()->SetColor(filled ? plot.Color : Color());

    // Points more than twice the page size outside it are moved to, never drawn to; the test is
    // made on the unrounded position so that no huge value is ever converted to a pixel. A point
    // that is no number at all breaks the line: the next drawable point is moved to.
    const auto far = [&](double px, double py) { return px < -2 * w || px >= 3 * w || py < -2 * h || py >= 3 * h; };
    const auto clampedMoveTo = [&](double px, double py) {
        c->MoveTo(static_cast<int>(std::clamp(px, -2 * w, 3 * w)), static_cast<int>(std::clamp(py, -2 * h, 3 * h)));
    };
    const int size = FPointSize;
    // The line through a run of points goes to the canvas as one polyline: with the plot's round
    // caps and joins and the copy mode it covers the pixels of one LineTo per point, at a fraction
    // of the cost. The pen ends where the last LineTo would leave it.
    std::vector<TPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2)
            c->Polyline(run);
        if (!run.empty())
            c->MoveTo(run.back().X, run.back().Y);
        run.clear();
    };
    const auto moveTo = [&](int x, int y) {
        flush();
        c->MoveTo(x, y);
    };
    bool broken = false;
    for (int i = 0; i < plot.Count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double px = FFTScreenX(plot.X[k]);
        const double py = FFTScreenY(plot.Y[k]);
        if (!std::isfinite(px) || !std::isfinite(py)) {
            broken = true;
            continue;
        }
        if (far(px, py)) {
            flush();
            clampedMoveTo(px, py);
            broken = false;
            continue;
        }
        const int x = static_cast<int>(px);
        const int y = static_cast<int>(py);
        if (i == 0 || broken) {
            moveTo(x, y);
            broken = false;
        }
        switch (plot.Style) {
        case PlotStyleLine:
            if (run.empty())
                run.push_back(c->PenPos());
            run.push_back(TPoint(x, y));
            break;
        case PlotStyleFilledSquares:
        case PlotStyleHollowSquares: c->Rectangle(x - size, y - size, x + size, y + size); break;
        case PlotStyleLineFilledSquares:
        case PlotStyleLineHollowSquares:
            c->LineTo(x, y);
            c->Rectangle(x - size, y - size, x + size, y + size);
            c->MoveTo(x, y);
            break;
        default: break;
        }
    }
    flush();
    c->Pen()->SetWidth(2);
}

void LResponsePlot::DrawPlotsAndLabelsNoUpdate()
{
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
}

void LResponsePlot::DrawPlotsAndLabels()
{
    DrawPlotsAndLabelsNoUpdate();
    UpdatePaintPage(PlotPage.get());
}

void LResponsePlot::Redraw()
{
    DrawPlotsAndLabels();
    DrawTitles();
}

void LResponsePlot::CopyToScreen(TPaintPage *page)
{
    if (page == PlotPage.get())
        FlushPendingFill();
    if (page->Bitmap()->Empty())
        return;
    Canvas()->CopyRect(page->ScreenRect(), page->Canvas(), page->PageRect());
}

void LResponsePlot::UpdatePaintPage(TPaintPage *page)
{
    OverlayPass();
    CopyToScreen(page);
}

void LResponsePlot::UpdateCurvePage()
{
    UpdatePaintPage(PlotPage.get());
}

void LResponsePlot::RedrawScreen()
{
    if (FShowXLabel)
        UpdatePaintPage(XLabelPage.get());
    if (FShowXTitle)
        UpdatePaintPage(XTitlePage.get());
    if (FShowYLabel)
        UpdatePaintPage(YLabelPage.get());
    if (FShowYTitle)
        UpdatePaintPage(YTitlePage.get());
    if (FShowPlotTitle)
        UpdatePaintPage(PlotTitlePage.get());
    UpdatePaintPage(MarginPage.get());
    UpdatePaintPage(PlotPage.get());
}

void LResponsePlot::Paint()
{
    if (Width() != LastWidth || Height() != LastHeight) {
        LastWidth = Width();
        LastHeight = Height();
        ResizePaintPage();
    }
    Redraw();
    OverlayPass();
    TPaintBox::Paint();
}
