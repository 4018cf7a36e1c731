// Speed of the response curves:
//  - one band's 4096-point response (PlotFilter::SetFilter of a peak), magnitude and phase, against
//    scipy.signal.freqz of the same section on the same frequencies with its conversion, measured
//    in the same run by bench/freqz_reference.py (goal: at most 0.1 x its time). Without Python,
//    numpy or scipy only our times are printed;
//  - one plot pass of a 4096-point curve on a channel plot (no goal).

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "curves/LMyFFTDrawPhase.h"
#include "curves/Plot.h"
#include "platform/ui/Forms.h"

namespace {

void PeakResponse(benchmark::State &state, bool phase)
{
    PlotFilter f;
    f.PhaseMode = phase;
    double gain = 6.0;
    for (auto _ : state) {
        f.SetFilter(gain, 1000.0, 0.7071, ftPeak);
        benchmark::DoNotOptimize(f.Response.data());
        benchmark::ClobberMemory();
        gain = -gain;
    }
}
BENCHMARK_CAPTURE(PeakResponse, magnitude, false);
BENCHMARK_CAPTURE(PeakResponse, phase, true);

// A channel plot as the main window carries it, with one band's curve and the channel total.
void PlotPass(benchmark::State &state)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 1100, 300);
    auto *plot = new LMyFFTDrawPhase(&form);
    plot->SetParent(&form);
    plot->SetBounds(10, 10, 1070, 255);
    plot->SetXAutoScale(false);
    plot->SetYAutoScale(false);
    plot->SetXMax(3840.0);
    plot->SetXMin(966.0);
    plot->SetAxisColor(0x880000);
    plot->SetGridColor(0x580000);
    plot->SetSampleRate(n96000);
    plot->ResizePaintPage();
    Plot model(plot);
    model.Filters[0]->SetFilter(6.0, 1000.0, 0.7071, ftPeak);
    model.DrawTotal(2);
    for (auto _ : state)
        plot->DrawAllPlots();
}
BENCHMARK(PlotPass)->Unit(benchmark::kMicrosecond);

// Remembers the real time per iteration of each benchmark, in microseconds.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Iteration)
                microseconds[r.benchmark_name()] = r.GetAdjustedRealTime() *
                                                   benchmark::GetTimeUnitMultiplier(benchmark::kMicrosecond) /
                                                   benchmark::GetTimeUnitMultiplier(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> microseconds;
};

// scipy's times (magnitude, phase) in microseconds, from the first interpreter that has scipy.
std::optional<std::pair<double, double>> ReferenceTimes()
{
    for (const char *python : {"python3", "/usr/bin/python3"}) {
        const std::string command = std::string(python) + " " TROV_BENCH_DIR "/freqz_reference.py 2>/dev/null";
        FILE *pipe = popen(command.c_str(), "r");
        if (!pipe)
            continue;
        double magnitude = 0, phase = 0;
        const int read = std::fscanf(pipe, "%lf %lf", &magnitude, &phase);
        if (pclose(pipe) == 0 && read == 2)
            return std::make_pair(magnitude, phase);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto reference = ReferenceTimes();
    if (!reference) {
        std::printf("scipy.signal.freqz: not available (python3 with numpy and scipy), our times only\n");
        return 0;
    }
    const std::pair<const char *, double> rows[] = {{"PeakResponse/magnitude", reference->first},
                                                    {"PeakResponse/phase", reference->second}};
    for (const auto &[name, scipy] : rows) {
        const auto ours = reporter.microseconds.find(name);
        if (ours == reporter.microseconds.end())
            continue;
        std::printf("%-24s ours %8.2f us  scipy.signal.freqz %8.2f us  ratio %.3f (goal <= 0.1)\n", name, ours->second,
                    scipy, ours->second / scipy);
    }
    return 0;
}
