// Speed of the refresh of every control from the device model (RefreshFromModel) on the test form
// that holds every control of the six channel pages, with the factory program: controls, dialogs
// through the host, all six channels' curves recomputed and the Gain page's curves. No goal; the
// figure shows what a complete read or an opened preset file costs the window.

#include "BenchSupport.h"
#include "GuiBenchMain.h"

#include "../tests/pages/PageTestForm.h"

#include "curves/LMyFFTDrawPhase.h"
#include "platform/ui/ControlsRender.h"

#include <benchmark/benchmark.h>

namespace {

void RefreshFromModelFullForm(benchmark::State &state)
{
    TfmPageTest form(nullptr);
    form.Load(QStringLiteral("PageTestFull"));
    form.Show();
    const char *plots[] = {"fftDrawInA", "fftDrawInB", "fftDrawOut1", "fftDrawOut2", "fftDrawOut3", "fftDrawOut4"};
    for (int c = 0; c < 6; ++c) {
        auto *control = dynamic_cast<LMyFFTDrawPhase *>(form.FindComponent(QString::fromLatin1(plots[c])));
        form.Plots[static_cast<std::size_t>(c)]->Control = control;
        RenderControlImage(control);
    }
    for (auto _ : state) {
        form.Pages.RefreshFromModel();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RefreshFromModelFullForm)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
