// The strip chart: (a) DrawToCanvas of a 1000 x 600 TiPlot with 1,000,000 points in view, beside
// 2,000 plain QPainter lines on the same bitmap (goal: at most 5 times the lines' time); (b) AddXY
// in X order with AutoFrameRate on (goal: at least 2 million points per second); (c) text
// LoadDataFromFile of 1,000,000 rows (goal: at least 1 million rows per second).

#include "GuiBenchMain.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/plot/iPlot.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <cmath>

namespace {

void StripPaintMillionPoints(benchmark::State &state)
{
    TiPlot plot(nullptr);
    plot.SetWidth(1000);
    plot.SetHeight(600);
    TiPlotChannel *channel = plot.GetChannel(0);
    channel->SetXAxisTrackingEnabled(false);
    channel->SetYAxisTrackingEnabled(false);
    for (int i = 0; i < 1000000; ++i)
        channel->AddXY(i / 10000.0, 50 + 40 * std::sin(i / 997.0));
    plot.GetXAxis(0)->SetMinSpan(0, 100);
    plot.GetYAxis(0)->SetMinSpan(0, 100);
    TBitmap bitmap(plot.Width(), plot.Height());
    for (auto _ : state)
        plot.DrawToCanvas(bitmap.Canvas());
}
BENCHMARK(StripPaintMillionPoints)->Unit(benchmark::kMillisecond);

// The reference: 2,000 lines drawn with a plain QPainter.
void PlainLines2000(benchmark::State &state)
{
    QImage image(1000, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::yellow);
        for (int i = 0; i < 2000; ++i)
            painter.drawLine(i / 2, (i * 37) % 600, i / 2 + 1, (i * 91) % 600);
    }
}
BENCHMARK(PlainLines2000)->Unit(benchmark::kMillisecond);

void StripAddXYInOrder(benchmark::State &state)
{
    TiPlot plot(nullptr);
    TiPlotChannel *channel = plot.GetChannel(0);
    plot.SetAutoFrameRate(true);
    double x = 0;
    for (auto _ : state) {
        channel->AddXY(x, std::fmod(x, 7.0));
        x += 1;
        if (channel->Count() >= 1000000) {
            state.PauseTiming();
            channel->Clear();
            state.ResumeTiming();
        }
    }
    state.counters["points"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(StripAddXYInOrder);

void StripTextLoadMillionRows(benchmark::State &state)
{
    const QString path = QDir::temp().filePath(QStringLiteral("plot_strip_bench_rows.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the data file");
        file.write("Channel 1(X)\tChannel 1(Y)\r\n");
        for (int i = 0; i < 1000000; ++i)
            file.write(QByteArray::number(i) + '\t' + QByteArray::number(i % 1000 / 10.0) + "\r\n");
    }
    TiPlot plot(nullptr);
    plot.GetChannel(0)->SetXAxisTrackingEnabled(false);
    plot.GetChannel(0)->SetYAxisTrackingEnabled(false);
    for (auto _ : state) {
        plot.LoadDataFromFile(path);
        state.PauseTiming();
        plot.ClearAllData();
        state.ResumeTiming();
    }
    state.counters["rows"] =
        benchmark::Counter(1e6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    QFile::remove(path);
}
BENCHMARK(StripTextLoadMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
