// Image export of a plot: GetBytesPNG(6) and GetBytesJPEG(75) of a 1000 x 600 XY plot with a
// traced channel, beside the same drawing handed to Qt's own PNG and JPEG writers (default PNG
// compression, JPEG quality 75); and the encoders alone beside Qt's writers on the drawn picture.
// Goal: each of ours at most 1.5 times its Qt baseline's time.

#include "GuiBenchMain.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/PictureEncoders.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/channels/iXYPlotChannel.h"
#include "plotlib/plot/iXYPlot.h"

#include <QBuffer>
#include <QImageWriter>

#include <cmath>
#include <memory>

namespace {

// The plot of every benchmark: 1000 x 600 with a sine of 1000 points.
struct ExportedPlot {
    TiXYPlot Plot{nullptr};
    QImage Picture;

    ExportedPlot()
    {
        Plot.SetBounds(0, 0, 1000, 600);
        for (int i = 0; i < 1000; ++i)
            Plot.GetChannel(0)->AddXY(i / 10.0, 50 + 40 * std::sin(i / 25.0));
        Plot.GetXAxis(0)->SetTrackingEnabled(false);
        Plot.GetXAxis(0)->SetMinSpan(0, 100);
        TBitmap bitmap(Plot.Width(), Plot.Height());
        Plot.DrawToCanvas(bitmap.Canvas());
        Picture = bitmap.Image();
    }
};

ExportedPlot &Shared()
{
    static ExportedPlot plot;
    return plot;
}

QByteArray QtWrite(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

void GetBytesPNG6(benchmark::State &state)
{
    ExportedPlot &p = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(p.Plot.GetBytesPNG(6));
}
BENCHMARK(GetBytesPNG6)->Unit(benchmark::kMillisecond);

// The plot drawn as GetBytes draws it, then written by Qt.
QByteArray DrawnAndQtWritten(TiXYPlot &plot, const char *format, int quality)
{
    TBitmap bitmap(plot.Width(), plot.Height());
    plot.Lock();
    plot.DrawToCanvas(bitmap.Canvas());
    plot.Unlock();
    return QtWrite(bitmap.Image(), format, quality);
}

void QtPngWriterBaseline(benchmark::State &state)
{
    ExportedPlot &p = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawnAndQtWritten(p.Plot, "PNG", -1));
}
BENCHMARK(QtPngWriterBaseline)->Unit(benchmark::kMillisecond);

void QtPngEncodeOnly(benchmark::State &state)
{
    const QImage &image = Shared().Picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(QtWrite(image, "PNG", -1));
}
BENCHMARK(QtPngEncodeOnly)->Unit(benchmark::kMillisecond);

void EncodePngOnly(benchmark::State &state)
{
    const QImage &image = Shared().Picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodePng(image, 6));
}
BENCHMARK(EncodePngOnly)->Unit(benchmark::kMillisecond);

void GetBytesJPEG75(benchmark::State &state)
{
    ExportedPlot &p = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(p.Plot.GetBytesJPEG(75, false));
}
BENCHMARK(GetBytesJPEG75)->Unit(benchmark::kMillisecond);

void QtJpegWriterBaseline(benchmark::State &state)
{
    ExportedPlot &p = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawnAndQtWritten(p.Plot, "JPG", 75));
}
BENCHMARK(QtJpegWriterBaseline)->Unit(benchmark::kMillisecond);

void QtJpegEncodeOnly(benchmark::State &state)
{
    const QImage &image = Shared().Picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(QtWrite(image, "JPG", 75));
}
BENCHMARK(QtJpegEncodeOnly)->Unit(benchmark::kMillisecond);

void EncodeJpegOnly(benchmark::State &state)
{
    const QImage &image = Shared().Picture;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeJpeg(image, {.Quality = 75, .FastDct = true}));
}
BENCHMARK(EncodeJpegOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
