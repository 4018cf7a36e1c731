// The whole paint of a plot: DrawToCanvas of the default 500 x 200 XY plot without points, with
// the tick computations and the double layout it runs. Goal: at least 1000 paints per second.

#include "GuiBenchMain.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/plot/iXYPlot.h"

namespace {

void DefaultXYPlotPaint(benchmark::State &state)
{
    TiXYPlot plot(nullptr);
    TBitmap bitmap(plot.Width(), plot.Height());
    for (auto _ : state)
        plot.DrawToCanvas(bitmap.Canvas());
    state.counters["paints"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(DefaultXYPlotPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
