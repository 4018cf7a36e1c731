#include "pages/ModelRefresh.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/ChannelNames.h"
#include "pages/CompressorPage.h"
#include "pages/CrossoverEditor.h"
#include "pages/CurveOverlays.h"
#include "pages/CurveSynthesis.h"
#include "pages/DelayPage.h"
#include "pages/GainPage.h"
#include "pages/LinkGroups.h"
#include "pages/MatrixPage.h"
#include "pages/PageControls.h"
#include "pages/PageSwitch.h"
#include "pages/PeqEditor.h"
#include "platform/runtime/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PaintBox.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzCmboBx.h"

#include <cmath>
#include <string_view>

namespace {

constexpr std::size_t PresetNameLength = 14;
constexpr std::size_t ChannelNameLength = 8;
constexpr int AllChannels = (1 << ChannelCount) - 1;
constexpr int InputBands = 8;
constexpr int OutputBands = 9;

std::string_view Bytes(const std::uint8_t *data, std::size_t size)
{
    return data ? std::string_view(reinterpret_cast<const char *>(data), size) : std::string_view();
}

}  // namespace

QString CrossoverFrequencyText(int position)
{
    const auto hz = static_cast<float>(IndexToFreq(position));
    if (hz >= 1000.0f)
        return Format("%4.2f", {hz * 0.001}) + QStringLiteral("KHz");
    return Format("%4.1f", {static_cast<double>(hz)}) + QStringLiteral("Hz");
}

QString PresetNumberText(int preset)
{
    return Format(preset >= 1 ? "U%02d" : "F%02d", {preset});
}

void ModelRefresh::RefreshFromModel()
{
    parts_.Peq.ResetEqDisplay();
    host_.SetControlsUpdating(true);
    const bool complete = ShowModel();
    host_.SetControlsUpdating(false);
    if (!complete)
        return;
    for (int c = 0; c < ChannelCount; ++c) {
        auto *plot = FindChannelControl<TControl>(host_, "fftDraw", c);
        parts_.Curves.DrawPeqCurves(plot);
        parts_.Curves.DrawHighPassCurve(plot);
        parts_.Curves.DrawLowPassCurve(plot);
    }
    parts_.Peq.SelectFirstEqBand();
    const int page = parts_.Pages.GetCurrentPage();
    if (page == PageGain)
        parts_.Overlays.RefreshGainPageCurves();
    else
        parts_.Overlays.RefreshOverlayCurves(page);
}

bool ModelRefresh::ShowModel()
{
    const LUnitControl &model = host_.UnitControl();
    auto *number = FindPageControl<TLabel>(host_, QStringLiteral("lbPstNum"));
    if (!number)
        return false;
    number->SetCaption(PresetNumberText(host_.CurrentPreset()));
    auto *name = FindPageControl<TLabel>(host_, QStringLiteral("lbPstName"));
    if (!name)
        return false;
    name->SetCaption(DeviceTextToWindow(Bytes(model.GetPresetName(), PresetNameLength), PresetNameLength));

    parts_.Overlays.OverlayDirtyMasks.fill(AllChannels);
    parts_.Overlays.GainPageDirtyMasks.fill(AllChannels);
    parts_.Overlays.RefreshGainPageCurves();

    for (int c = 0; c < ChannelCount; ++c)
        if (!ShowChannel(c))
            return false;

    // The unit button's own click writes every delay text in that unit; a unit the editor does
    // not know shows as ms and the model keeps it.
    auto *unit = FindPageControl<TRzBmpButton>(host_, QStringLiteral("rzbUnit") +
                                                          QString::number(ShownDelayUnit(model.GetDelayUnit())));
    if (!unit)
        return false;
    unit->SetDown(true);
    unit->Click();

    if (const int mode = model.GetSignalMode(); mode >= 0 && mode <= 3)
        host_.ShowTestToneChoice(mode, model.GetSineFreqIndex());

    auto *routes = FindPageControl<TPaintBox>(host_, QStringLiteral("pbMatrix"));
    if (!routes)
        return false;
    parts_.Matrix.DrawMatrixRoutes();
    routes->Repaint();

    if (host_.HasLinkDialog()) {
        host_.ApplyLinkGroupHeads();
        host_.ApplyLinkMemberCaptions();
        for (int c = 0; c < ChannelCount; ++c)
            parts_.Delay.UpdateDelayLine(c);
    }
    return true;
}

bool ModelRefresh::ShowChannel(int c)
{
    const LUnitControl &model = host_.UnitControl();
    const auto names = FindChannelControls<TLabel, TRzBmpButton>(host_, c, "lbMatrixChName", "rzbMenu");
    if (!names)
        return false;
    const QString name = DeviceTextToWindow(Bytes(model.GetChannelRecord(c), ChannelNameLength), ChannelNameLength);
    std::get<0>(*names)->SetCaption(name);
    std::get<1>(*names)->SetHint(name);

    const bool output = c >= 2;
    if (output) {
        for (int input = 0; input < 2; ++input) {
            auto *route = FindChannelControl<TRzBmpButton>(host_, input == 0 ? "rzbAMatrix" : "rzbBMatrix", c);
            if (!route)
                return false;
            route->SetDown((model.GetOutputSource(c) >> input & 1) != 0);
        }
        if (!ShowFilter(c, true) || !ShowFilter(c, false) || !ShowBands(c) || !ShowCompressor(c))
            return false;
        // The transfer plot redraws the output the Comp page has selected, not always Out 1: its
        // curve and title keep naming the output whose meter, lamp and caption the page shows.
        if (c == parts_.Comp.GetSelectedCompChannel() && !host_.IsInitializing() && !parts_.Comp.DrawCompressorCurve(c))
            return false;
    } else if (!ShowBands(c) || !ShowFilter(c, true) || !ShowFilter(c, false)) {
        return false;
    }
    return ShowGainAndBelow(c);
}

bool ModelRefresh::ShowBands(int c)
{
    const LUnitControl &model = host_.UnitControl();
    auto *table = FindChannelControl<TMyPEQAllpass>(host_, "peqPeq", c);
    if (!table)
        return false;
    table->SetNowIndex(0);
    const int bands = c >= 2 ? OutputBands : InputBands;
    for (int b = 0; b < bands; ++b) {
        const PeqBandRecord band = model.GetPeqBand(c, b);
        const auto hz = static_cast<float>(1000.0 * std::pow(2.0, (band.Freq - 170) / 30.0));
        table->SetEqParamValue(b, hz, band.Q, (band.Gain - 120) * 0.1, band.Type, model.IsPeqBandBypassed(c, b));
    }
    return true;
}

bool ModelRefresh::ShowFilter(int c, bool highPass)
{
    const CrossoverRecord crossover = host_.UnitControl().GetCrossover(c);
    const PassFilterRecord filter = highPass ? crossover.HighPass : crossover.LowPass;
    const FilterControls &names = highPass ? HighPassControls : LowPassControls;
    const auto controls = FindChannelControls<TAdvTrackBar, TCurvyEdit, TRzComboBox, TRzBmpButton>(
        host_, c, names.Bar, names.Edit, names.Slope, names.Bypass);
    if (!controls)
        return false;
    const auto [bar, edit, slope, bypass] = *controls;
    bar->SetPosition(filter.Freq);
    edit->SetText(CrossoverFrequencyText(bar->Position()));
    const int s = filter.Type & 0xFF;
    if (s != 0) {
        slope->SetItemIndex(s - 1);
        bypass->SetDown(false);
    } else {
        bypass->SetDown(true);
    }
    return true;
}

bool ModelRefresh::ShowCompressor(int c)
{
    const CompressorRecord comp = host_.UnitControl().GetCompressor(c);
    const auto controls =
        FindChannelControls<TAdvTrackBar, TCurvyEdit, TAdvTrackBar, TCurvyEdit, TAdvTrackBar, TCurvyEdit, TAdvTrackBar,
                            TCurvyEdit>(host_, c, "isCompThreshold", "cvdCompThreshold", "isCompRatio", "cvdCompRatio",
                                        "isCompAttack", "cvdCompAttack", "isCompRelease", "cvdCompRelease");
    if (!controls)
        return false;
    const auto [threshold, thresholdEdit, ratio, ratioEdit, attack, attackEdit, release, releaseEdit] = *controls;
    threshold->SetPosition(comp.Threshold + threshold->Min());
    thresholdEdit->SetText(CompThresholdText(threshold->Position()));
    ratio->SetPosition(comp.Ratio);
    ratioEdit->SetText(CompRatioText(ratio->Position()));
    attack->SetPosition(comp.Attack);
    attackEdit->SetText(CompTimeText(attack->Position()));
    release->SetPosition(comp.Release);
    releaseEdit->SetText(CompTimeText(release->Position()));
    return true;
}

bool ModelRefresh::ShowGainAndBelow(int c)
{
    const LUnitControl &model = host_.UnitControl();
    const auto gain = FindChannelControls<TAdvTrackBar, TAdvTrackBar, TCurvyEdit, TCurvyEdit>(
        host_, c, "isGain", "isGainBackup", "cvdGain", "cvdGainBackup");
    if (!gain)
        return false;
    const auto [slider, backup, edit, backupEdit] = *gain;
    slider->SetPosition(model.GetGain(c) + slider->Min());
    backup->SetPosition(slider->Position());
    edit->SetText(GainText(slider->Position()));
    backupEdit->SetText(GainText(slider->Position()));

    const auto phase = FindChannelControls<TRzBmpButton, TRzBmpButton>(host_, c, "rzbPhase", "rzbPhaseBackup");
    if (!phase)
        return false;
    const bool inverted = model.GetPolarity(c) != 0;
    std::get<0>(*phase)->SetDown(inverted);
    std::get<1>(*phase)->SetDown(inverted);
    std::get<0>(*phase)->SetCaption(
        host_.GetLangText(inverted ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF")));
    std::get<1>(*phase)->SetCaption(std::get<0>(*phase)->Caption());

    const auto delay = FindChannelControls<TAdvTrackBar, TImage, TLabel>(host_, c, "isDelay", "imDelay", "lbDelayLine");
    if (!delay)
        return false;
    const auto [delaySlider, picture, line] = *delay;
    delaySlider->SetPosition(model.GetDelay(c));
    picture->SetLeft(DelayPictureLeft(delaySlider->Position(), line->Width(), delaySlider->Max()));

    if (host_.HasLinkDialog())
        host_.ShowLinkMask(c, model.GetLinkMask(c));

    const auto mute = FindChannelControls<TRzBmpButton, TRzBmpButton>(host_, c, "rzbMute", "rzbMuteBackup");
    if (!mute)
        return false;
    std::get<0>(*mute)->SetDown(model.IsMuted(c));
    std::get<1>(*mute)->SetDown(model.IsMuted(c));
    parts_.Overlays.MarkCurveChanged(c);

    auto *plot = FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", c);
    if (!plot)
        return false;
    const int bit = LinkGroups::OwnBit(c);
    const bool bypassed = (model.GetEqBypassMask(c) & bit) != 0;
    plot->DrawTextA(plot->Width() / 3, plot->Height() / 4, 60, clBtnFace, "Times New Roman", bypassed ? "BYPASS" : "");
    return true;
}
