#include "pages/EqDisplayModes.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "pages/PageControls.h"
#include "pages/PeqEditor.h"
#include "platform/ui/RadioButton.h"
#include "widgets/skinned/RzGroupBox.h"
#include "widgets/skinned/VrButtons.h"
#include "widgets/skinned/VrDemoButton.h"

namespace {

constexpr int BypassTextSize = 60;
constexpr const char *BypassTextFont = "Times New Roman";
constexpr TColor ChosenModeColour = 0x00FFFF;
constexpr TColor OtherModeColour = 0xC0C0C0;

// The Y axis of each mode: horizontal grid lines, label suffix and scale (phase is held in units
// of 10 degrees), range.
struct ModeAxis {
    int HorzGrid;
    const char16_t *Label;
    double LabelScale;
    double Max;
    double Min;
};
constexpr ModeAxis MagnitudeAxis = {11, u"dB", 1.0, 18.0, -18.0};
constexpr ModeAxis PhaseAxis = {7, u"\u00B0", 10.0, 18.0, -18.0};

}  // namespace

void EqDisplayModes::vrbEqBypassInAClick(TObject *Sender)
{
    auto *button = SenderAs<TVrDemoButton>(Sender);
    const int c = button ? TagChannel(*button) : -1;
    auto *plot = FindChannelControl<LMyFFTDrawPhase>(host_, "fftDraw", c);
    if (!plot)
        return;
    LUnitControl &model = host_.UnitControl();
    int mask = model.GetEqBypassMask(c);
    const int group = links_.GetLinkGroupMask(c);
    std::uint8_t value = 0;
    if ((mask & LinkGroups::OwnBit(c)) != 0) {
        plot->DrawTextA(plot->Width() / 3, plot->Height() / 4, BypassTextSize, clBtnFace, BypassTextFont, "");
        mask &= ~group;
    } else {
        plot->DrawTextA(plot->Width() / 3, plot->Height() / 4, BypassTextSize, clBtnFace, BypassTextFont, BypassText);
        mask |= group;
        value = 1;
    }
    model.SetEqBypassMask(c, static_cast<std::uint16_t>(mask));
    plot->Repaint();
    const auto address = static_cast<std::uint8_t>(host_.GetDeviceId());
    host_.SendCommand(CM_MCS_CMD(address, CMD_EQ_BYPASS, static_cast<std::uint8_t>(c), value), 0, 1);
}

void EqDisplayModes::vrbEqShowAllInAClick(TObject *Sender)
{
    auto *toggle = SenderAs<TVrPowerButton>(Sender);
    const int c = toggle ? TagChannel(*toggle) : -1;
    const auto controls = FindChannelControls<LMyFFTDrawPhase, TRzGroupBox>(host_, c, "fftDraw", "rzgFft");
    if (!controls)
        return;
    const auto [plot, box] = *controls;
    plot->SetParameterDisplay(toggle->Active());
    box->Repaint();
}

void EqDisplayModes::rbShowGainInAClick(TObject *Sender)
{
    SwitchMode(Sender, false);
}

void EqDisplayModes::rbShowPhaseInAClick(TObject *Sender)
{
    SwitchMode(Sender, true);
}

void EqDisplayModes::SwitchMode(TObject *sender, bool phase)
{
    auto *radio = SenderAs<TRadioButton>(sender);
    const int c = radio ? TagChannel(*radio) : -1;
    if (c < 0)
        return;
    Plot &curves = host_.GetPlot(c);
    if (curves.GetPhaseMode() == phase)
        return;
    curves.SetPhaseMode(phase);
    const auto controls = FindChannelControls<LMyFFTDrawPhase, TMyPEQAllpass, TRzGroupBox, TRadioButton>(
        host_, c, "fftDraw", "peqPeq", "rzgFft", phase ? "rbShowGain" : "rbShowPhase");
    if (!controls)
        return;
    const auto [plot, table, box, other] = *controls;
    radio->Font()->SetColor(ChosenModeColour);
    other->Font()->SetColor(OtherModeColour);
    curves_.DrawPeqCurves(plot);
    curves_.DrawHighPassCurve(plot);
    curves_.DrawLowPassCurve(plot);
    const ModeAxis &axis = phase ? PhaseAxis : MagnitudeAxis;
    plot->SetNumHorzGrid(axis.HorzGrid);
    plot->SetYLabel(QString::fromUtf16(axis.Label));
    plot->SetYLabelScale(axis.LabelScale);
    plot->SetYMax(axis.Max);
    plot->SetYMin(axis.Min);
    // Row 15 (no band selected) would show a crossover scratch slot: the display stays hidden.
    const int row = table->GetNowIndex();
    if (row >= 0 && row < NoBandRow)
        curves.ShowSelectedBand(table->GetTypeValue(row), row, static_cast<float>(table->GetGainValue(row)),
                                static_cast<float>(table->GetQValue(row)), true);
    plot->UpdateCurvePage();
    box->Repaint();
    overlays_.MarkCurveChanged(c);
    overlays_.RefreshOverlayCurves(c);
}
