// Channels: (a) DrawToCanvas of a 1000 x 600 XY plot with one channel of 100,000 points, markers
// off, against drawing the same points, mapped to pixels, as one polyline with plain QPainter into
// a QImage of that size; goal: the plot at most 3 times the polyline. (b) AddXY into the standard
// store with the plot's repaints held back (no paint) and the axes not tracking; goal: at least 2 million points per
// second, with a growing store and with a ring of 10,000 points.

#include "GuiBenchMain.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/plot/iXYPlot.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace {

constexpr int PointCount = 100000;

// The plot of the paint benchmarks: one channel of a sine over 100,000 points, axes fixed.
struct BigPlot {
    TiXYPlot plot{nullptr};
    BigPlot()
    {
        plot.SetWidth(1000);
        plot.SetHeight(600);
        TiPlotAxis *x = plot.GetXAxis(0);
        TiPlotAxis *y = plot.GetYAxis(0);
        x->SetTrackingEnabled(false);
        y->SetTrackingEnabled(false);
        x->SetMinSpan(0, PointCount);
        y->SetMinSpan(-1.2, 2.4);
        TiXYPlotChannel *channel = plot.GetChannel(0);
        for (int i = 0; i < PointCount; ++i)
            channel->AddXY(i, std::sin(i * 0.001) + 0.1 * std::sin(i * 0.37));
    }
};

void PlotWithOneHundredThousandPoints(benchmark::State &state)
{
    BigPlot big;
    TBitmap bitmap(1000, 600);
    for (auto _ : state)
        big.plot.DrawToCanvas(bitmap.Canvas());
    state.counters["paints"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(PlotWithOneHundredThousandPoints)->Unit(benchmark::kMillisecond);

void PlainPolylineOfTheSamePoints(benchmark::State &state)
{
    BigPlot big;
    TBitmap bitmap(1000, 600);
    big.plot.DrawToCanvas(bitmap.Canvas());  // lays the axes out
    TiPlotAxis *x = big.plot.GetXAxis(0);
    TiPlotAxis *y = big.plot.GetYAxis(0);
    TiXYPlotChannel *channel = big.plot.GetChannel(0);
    QImage image(1000, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        QPolygon polygon(PointCount);
        for (int i = 0; i < PointCount; ++i)
            polygon[i] = QPoint(x->PositionToPixels(channel->GetX(i)), y->PositionToPixels(channel->GetY(i)));
        QPainter painter(&image);
        painter.setPen(QColor(Qt::red));
        painter.drawPolyline(polygon);
    }
}
BENCHMARK(PlainPolylineOfTheSamePoints)->Unit(benchmark::kMillisecond);

void AddXYStandardStore(benchmark::State &state)
{
    const int ring = static_cast<int>(state.range(0));
    TiXYPlot plot(nullptr);
    plot.SetAutoFrameRate(true);
    // Axes without tracking, as on the compressor page: the cost of the add path itself.
    plot.GetXAxis(0)->SetTrackingEnabled(false);
    plot.GetYAxis(0)->SetTrackingEnabled(false);
    TiXYPlotChannel *channel = plot.GetChannel(0);
    channel->SetRingBufferSize(ring);
    double x = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i, x += 1)
            channel->AddXY(x, x);
        if (ring == 0 && channel->Count() > 5000000)
            channel->Clear();
    }
    state.counters["points"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 1000, benchmark::Counter::kIsRate);
}
BENCHMARK(AddXYStandardStore)->Arg(0)->Arg(10000);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
