// Speed of the channel pages' curve synthesis: a full refresh of one output's curves
// (DrawPeqCurves, DrawHighPassCurve, DrawLowPassCurve) with nine distinct active bands, a "BW -48"
// high-pass and an "LK -48" low-pass, every curve recomputed and no pixels drawn (the channel's
// Plot has no control). Goal: at most 0.5 ms.

#include "BenchSupport.h"
#include "GuiBenchMain.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/ChannelPages.h"
#include "platform/ui/Forms.h"

#include <benchmark/benchmark.h>

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

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
