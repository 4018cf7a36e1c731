// Speed of the channel pages' curve synthesis: a full refresh of one output's curves
// (DrawPeqCurves, DrawHighPassCurve, DrawLowPassCurve) with nine distinct active bands, a "BW -48"
// high-pass and an "LK -48" low-pass, every curve recomputed and no pixels drawn (the channel's
// Plot has no control). Goal: at most 0.5 ms. Its baseline, BiquadSectionsBaseline: the plain
// evaluation of as many second-order sections (nine bands, four for each -48 dB/oct crossover) on
// the same 4096 frequencies, each in dB and summed into a total, with std::complex.
//
// And one drag step of a PEQ marker on a 1118 x 720 window holding one output page (1070 x 255
// plot, band table, band buttons and editor, overlays off): the mouse move (table, model,
// command), the tmMouseEqCurve tick (band curve, total, marker, selected band, page update) and
// the window image brought up to date. Goal: at most 4 ms. Its baseline, PlotAreaBlitBaseline: the
// plot's area drawn once as an image onto a window image of the same size, the least a step that
// changes those pixels has to do. The same step on the real main window is in LiveEditBench.cpp.

#include "BenchSupport.h"
#include "GuiBenchMain.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/ChannelPages.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Label.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <benchmark/benchmark.h>

#include <QPainter>

#include <cmath>
#include <complex>
#include <memory>

namespace {

// A window holding one output's band table and plot control, hosting the pages and the model;
// the device side answers as QuietHost does.
class BenchHost : public QuietHost, public PageHost {
public:
    BenchHost()
    {
        table = new TMyPEQAllpass(&form);
        table->SetName(QStringLiteral("peqPeqOut1"));
        table->SetParent(&form);
        table->SetTag(ChOut1);
        table->SetChannelNumber(OutputBandCount);
        plotControl = new LMyFFTDrawPhase(&form);
        plotControl->SetName(QStringLiteral("fftDrawOut1"));
        plotControl->SetTag(ChOut1);
        plotControl->SetAutoRedraw(false);
        for (auto &p : plots)
            p = std::make_unique<Plot>(nullptr);
    }

    int GetDeviceId() const override { return 1; }
    bool IsControlsUpdating() const override { return updating; }
    void SendCommand(const LCmd &, std::uint8_t, std::uint8_t) override {}

    TComponent &PageForm() override { return form; }
    LUnitControl &UnitControl() override { return model; }
    Plot &GetPlot(int index) override { return *plots.at(static_cast<std::size_t>(index)); }
    void SetControlsUpdating(bool value) override { updating = value; }
    QString GetLangText(const QString &) const override { return {}; }
    bool IsConnected() const override { return false; }
    void SetReloadSent() override {}
    void SetSerialExtraWrites(int) override {}
    void StopLevelPoll() override {}
    int ExtraHeight() const override { return 0; }
    int CurrentPreset() const override { return 0; }
    bool IsInitializing() const override { return false; }
    int SelectedCompChannel() const override { return selectedComp; }
    void SetSelectedCompChannel(int channel) override { selectedComp = channel; }
    void ShowChannelNameDialog(int, const std::string &) override {}
    void ShowPeqResetBox(int) override {}
    void ShowCopyDialog() override {}
    bool HasLinkDialog() const override { return false; }
    void ShowLinkMask(int, int) override {}
    void ApplyLinkGroupHeads() override {}
    void ApplyLinkMemberCaptions() override {}
    void ShowTestToneChoice(int, int) override {}

    TForm form{nullptr};
    TMyPEQAllpass *table = nullptr;
    LMyFFTDrawPhase *plotControl = nullptr;
    bool updating = false;
    int selectedComp = 2;
    LUnitControl model{*this};
    std::array<std::unique_ptr<Plot>, 8> plots;
};

void FullChannelRefresh(benchmark::State &state)
{
    BenchHost host;
    ChannelPages pages(host);
    host.updating = true;
    // Nine bands of the seven types at distinct frequencies, gains and Qs.
    for (int b = 0; b < OutputBandCount; ++b)
        host.table->SetEqParamValue(b, IndexToFreq(20 + 30 * b), 5 + 7 * b, -9.0 + 2.5 * b, b % 7, false);
    constexpr std::uint32_t BW48 = 18;
    constexpr std::uint32_t LK48 = 20;
    host.model.SetHighPass(ChOut1, BW48 | 60u << 16);
    host.model.SetLowPass(ChOut1, LK48 | 250u << 16);
    host.updating = false;
    for (auto _ : state) {
        pages.DrawPeqCurves(host.plotControl);
        pages.DrawHighPassCurve(host.plotControl);
        pages.DrawLowPassCurve(host.plotControl);
        benchmark::DoNotOptimize(host.plots[ChOut1]->Filters[PlotCurveSlots::ChannelTotal]->Response.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FullChannelRefresh)->Unit(benchmark::kMicrosecond);

void BiquadSectionsBaseline(benchmark::State &state)
{
    constexpr int Sections = OutputBandCount + 8;
    constexpr int Points = 4096;
    // Peaking sections at 96 kHz with distinct frequencies and gains; the response grid of the plot
    // (20 Hz to 24 kHz on a log scale).
    std::array<std::array<double, 5>, Sections> coefficients{};
    for (int s = 0; s < Sections; ++s) {
        const double k = std::tan(M_PI * (40.0 + 400.0 * s) / 96000.0), q = 0.7 + 0.1 * s;
        const double v = std::pow(10.0, (s % 2 ? 6.0 : -6.0) / 20.0), n = 1 + k / q + k * k;
        coefficients[static_cast<std::size_t>(s)] = {(1 + v * k / q + k * k) / n, 2 * (k * k - 1) / n,
                                                     (1 - v * k / q + k * k) / n, 2 * (k * k - 1) / n,
                                                     (1 - k / q + k * k) / n};
    }
    std::vector<std::complex<double>> z(Points);
    for (int i = 0; i < Points; ++i) {
        const double f = 20.0 * std::pow(24000.0 / 20.0, static_cast<double>(i) / (Points - 1));
        z[static_cast<std::size_t>(i)] = std::polar(1.0, -2 * M_PI * f / 96000.0);
    }
    std::vector<double> section(Points), total(Points);
    for (auto _ : state) {
        std::fill(total.begin(), total.end(), 0.0);
        for (const auto &c : coefficients) {
            for (std::size_t i = 0; i < z.size(); ++i) {
                const std::complex<double> z1 = z[i], z2 = z1 * z1;
                const double db =
                    20.0 * std::log10(std::abs((c[0] + c[1] * z1 + c[2] * z2) / (1.0 + c[3] * z1 + c[4] * z2)));
                section[i] = db;
                total[i] += db;
            }
            benchmark::DoNotOptimize(section.data());
        }
        benchmark::DoNotOptimize(total.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BiquadSectionsBaseline)->Unit(benchmark::kMicrosecond);

// The controls of the drag step's page besides BenchHost's table and plot, placed as on the main
// window's output page.
struct DragPage {
    explicit DragPage(BenchHost &host)
    {
        TForm &form = host.form;
        form.SetBounds(0, 0, 1118, 720);
        host.plotControl->SetParent(&form);
        host.plotControl->SetBounds(24, 60, 1070, 255);
        host.plotControl->SetColor(clBlack);
        host.plotControl->SetAutoRedraw(true);
        host.plots[ChOut1]->Control = host.plotControl;
        host.table->SetBounds(24, 400, 470, 270);
        for (int b = 0; b < OutputBandCount; ++b) {
            auto *button = new TRzBmpButton(&form);
            button->SetName(QStringLiteral("rzbEq%1Out1").arg(b + 1));
            button->SetParent(&form);
            button->SetBounds(500, 400 + 29 * b, 34, 26);
            button->SetTag(b);
            button->SetGroupIndex(ChOut1 + 1);
            button->SetAllowAllUp(true);
        }
        auto *hint = new TLabel(&form);
        hint->SetName(QStringLiteral("lbFftParamOut1"));
        hint->SetParent(&form);
        const char *kinds[] = {"Freq", "Bw", "Gain"};
        const int maxima[] = {300, 100, 240};
        for (int i = 0; i < 3; ++i) {
            auto *bar = new TAdvTrackBar(&form);
            bar->SetName(QStringLiteral("isEq%1Out1").arg(QString::fromLatin1(kinds[i])));
            bar->SetParent(&form);
            bar->SetBounds(560 + 76 * i, 400, 26, 210);
            bar->SetMax(maxima[i]);
            bar->SetTag(ChOut1);
            auto *edit = new TCurvyEdit(&form);
            edit->SetName(QStringLiteral("cvdEq%1Out1").arg(QString::fromLatin1(kinds[i])));
            edit->SetParent(&form);
            edit->SetBounds(550 + 76 * i, 620, 70, 24);
            edit->SetTag(ChOut1);
        }
        timer = new TTimer(&form);
        timer->SetName(QStringLiteral("tmMouseEqCurve"));
        timer->SetEnabled(false);
        form.Show();
        RenderControlImage(&form);
    }
    TTimer *timer = nullptr;
};

void PeqMarkerDragStep(benchmark::State &state)
{
    BenchHost host;
    ChannelPages pages(host);
    DragPage page(host);
    host.updating = true;
    for (int b = 0; b < OutputBandCount; ++b)
        host.table->SetEqParamValue(b, IndexToFreq(20 + 30 * b), 20, 0.0, 0, false);
    host.updating = false;
    pages.DrawPeqCurves(host.plotControl);
    host.plotControl->UpdateCurvePage();
    // Grab band 5 on its marker, then move between two places a few grid steps apart.
    const TPoint origin = host.plotControl->GetPlotOrigin();
    const TPoint marker = host.plotControl->GetBlockPos(4);
    const int x = origin.X + marker.X;
    const int y = origin.Y + marker.Y;
    pages.fftDrawInAMouseDown(host.plotControl, mbLeft, {}, x, y);
    if (pages.GetDragHandle() != 4) {
        state.SkipWithError("no marker grabbed");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2 == 0) ? 12 : -12;
        pages.fftDrawInAMouseMove(host.plotControl, {ssLeft}, x + dx, y - dx);
        pages.tmMouseEqCurveTimer(page.timer);
        benchmark::DoNotOptimize(host.form.BackingImage().constBits());
    }
    pages.fftDrawInAMouseUp(host.plotControl, mbLeft, {}, x, y);
}
BENCHMARK(PeqMarkerDragStep)->Unit(benchmark::kMillisecond);

void PlotAreaBlitBaseline(benchmark::State &state)
{
    QImage window(1118, 720, QImage::Format_RGB32), plot(1070, 255, QImage::Format_RGB32);
    window.fill(Qt::gray);
    int step = 0;
    for (auto _ : state) {
        plot.fill(step++ % 2 ? Qt::black : Qt::darkBlue);
        QPainter painter(&window);
        painter.drawImage(24, 60, plot);
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(PlotAreaBlitBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
