#include "pages/CrossoverEditor.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/PageControls.h"
#include "pages/PeqEditor.h"
#include "platform/runtime/Timer.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzCmboBx.h"

namespace {

const FilterControls &ControlsOf(bool highPass)
{
    return highPass ? HighPassControls : LowPassControls;
}

// The selected-band display's text kind on a crossover marker (frequency only), which is also the
// crossover's total slot.
int TotalSlot(bool highPass)
{
    return highPass ? PlotCurveSlots::HighPassTotal : PlotCurveSlots::LowPassTotal;
}

// The filter's slope index from its controls: 0 while bypassed, else the combo's item + 1.
int SlopeIndex(const TRzBmpButton &bypass, const TRzComboBox &slope)
{
    return bypass.Down() ? 0 : slope.ItemIndex() + 1;
}

// The filter's record as the model takes it: slope index in the low half, frequency index in the
// high half.
std::uint32_t FilterWord(int slopeIndex, int position)
{
    return static_cast<std::uint16_t>(slopeIndex) | static_cast<std::uint32_t>(static_cast<std::uint16_t>(position))
                                                        << 16;
}

void StoreFilter(PageHost &host, bool highPass, int channel, std::uint32_t word)
{
    if (highPass)
        host.UnitControl().SetHighPass(channel, word);
    else
        host.UnitControl().SetLowPass(channel, word);
}

}  // namespace

void CrossoverEditor::isLowCutFreqInAChange(TObject *Sender)
{
    FrequencyChange(Sender, true);
}

void CrossoverEditor::isHighCutFreqInAChange(TObject *Sender)
{
    FrequencyChange(Sender, false);
}

void CrossoverEditor::rzcLowCutSlopInAChange(TObject *Sender)
{
    SlopeOrBypassChange(Sender, true);
}

void CrossoverEditor::rzcHighCutSlopInAChange(TObject *Sender)
{
    SlopeOrBypassChange(Sender, false);
}

void CrossoverEditor::rzbLowCutBypassInAClick(TObject *Sender)
{
    SlopeOrBypassChange(Sender, true);
}

void CrossoverEditor::rzbHighCutBypassInAClick(TObject *Sender)
{
    SlopeOrBypassChange(Sender, false);
}

void CrossoverEditor::rzcLowCutSlopInAMouseWheel(TObject *, TShiftState, int, TPoint, bool &Handled)
{
    Handled = true;
}

void CrossoverEditor::rzcHighCutSlopInAMouseWheel(TObject *, TShiftState, int, TPoint, bool &Handled)
{
    Handled = true;
}

void CrossoverEditor::FrequencyChange(TObject *sender, bool highPass)
{
    if (host_.IsControlsUpdating())
        return;
    auto *bar = SenderAs<TAdvTrackBar>(sender);
    if (!bar)
        return;
    const int c = TagChannel(*bar);
    const FilterControls &names = ControlsOf(highPass);
    const auto controls =
        FindChannelControls<TCurvyEdit, TRzComboBox, TRzBmpButton>(host_, c, names.Edit, names.Slope, names.Bypass);
    auto *timer = FindPageControl<TTimer>(host_, QStringLiteral("tmHpLpCurve"));
    if (!controls || !timer)
        return;
    const auto [edit, slope, bypass] = *controls;
    const auto hz = static_cast<float>(IndexToFreq(bar->Position()));
    edit->SetText(EqFrequencyText(hz));
    const int slopeIndex = SlopeIndex(*bypass, *slope);
    timer->SetEnabled(true);
    pending_ = {.Pending = true, .HighPass = highPass, .Channel = c, .Freq = hz, .Slope = slopeIndex};
    StoreFilter(host_, highPass, c, FilterWord(slopeIndex, bar->Position()));
}

void CrossoverEditor::tmHpLpCurveTimer(TObject *Sender)
{
    if (auto *timer = SenderAs<TTimer>(Sender))
        timer->SetEnabled(false);
    if (!pending_.Pending)
        return;
    pending_.Pending = false;
    DrawCrossover(pending_.Channel, pending_.HighPass, pending_.Slope, pending_.Freq);
}

void CrossoverEditor::SlopeOrBypassChange(TObject *sender, bool highPass)
{
    auto *component = dynamic_cast<TComponent *>(sender);
    const int c = component ? TagChannel(*component) : -1;
    const FilterControls &names = ControlsOf(highPass);
    const auto controls =
        FindChannelControls<TAdvTrackBar, TRzComboBox, TRzBmpButton>(host_, c, names.Bar, names.Slope, names.Bypass);
    if (!controls)
        return;
    const auto [bar, slope, bypass] = *controls;
    if (sender != slope && sender != bypass)
        return;
    const int slopeIndex = SlopeIndex(*bypass, *slope);
    DrawCrossover(c, highPass, slopeIndex, static_cast<float>(IndexToFreq(bar->Position())));
    if (!host_.IsControlsUpdating())
        StoreFilter(host_, highPass, c, FilterWord(slopeIndex, bar->Position()));
}

void CrossoverEditor::DrawCrossover(int channel, bool highPass, int slopeIndex, double frequency)
{
    if (!IsChannel(channel))
        return;
    curves_.ComputeCrossoverCurve(highPass, slopeIndex, frequency, PlotCurveSlots::HighPassTotal, channel);
    Plot &plot = host_.GetPlot(channel);
    plot.ShowSelectedBand(TotalSlot(highPass), TotalSlot(highPass), 0.0f, 0.0f, true);
    plot.DrawTotal(channel);
    if (auto *control = FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", channel))
        control->UpdateCurvePage();
}
