#include "pages/CurveOverlays.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "pages/LinkGroups.h"
#include "pages/PageControls.h"
#include "widgets/skinned/VrButtons.h"

namespace {

// The Gain page's plots by side (0 the inputs, 1 the outputs): curve model and control.
constexpr int GainPlotModels[2] = {6, 7};
const char *const GainPlotNames[2] = {"fftDrawGainIn", "fftDrawGainOut"};

int SideOf(int channel)
{
    return IsInput(channel) ? 0 : 1;
}

TColor ChannelColour(int channel)
{
    return static_cast<TColor>(ChannelColors[static_cast<std::size_t>(channel)]);
}

// "vrbShow" + the shown channel's character + the plot's suffix or "Gain".
QString ToggleName(int shown, const QString &plot)
{
    return QStringLiteral("vrbShow") + ChannelCharacter(shown) + plot;
}

}  // namespace

int OverlaySlot(int channel)
{
    if (!IsChannel(channel))
        return -1;
    return PlotCurveSlots::FirstOverlay + (IsInput(channel) ? channel : SideIndex(channel));
}

void CurveOverlays::MarkCurveChanged(int channel)
{
    if (!IsChannel(channel))
        return;
    const int bit = 1 << channel;
    for (int k = 0; k < LinkGroups::SideChannelCount(channel); ++k)
        OverlayDirtyMasks[static_cast<std::size_t>(LinkGroups::SideChannel(channel, k))] |= bit;
    GainPageDirtyMasks[static_cast<std::size_t>(SideOf(channel))] |= bit;
}

void CurveOverlays::CopyTotal(int channel, int plot, int slot)
{
    host_.GetPlot(plot).Filters[static_cast<std::size_t>(slot)]->Response =
        host_.GetPlot(channel).Filters[PlotCurveSlots::ChannelTotal]->Response;
}

void CurveOverlays::RepaintPlot(const QString &name)
{
    if (auto *control = FindPageControl<LMyFFTDrawPhase>(host_, name))
        control->UpdateCurvePage();
}

// ---- Gain page -------------------------------------------------------------------------------------

void CurveOverlays::RefreshGainPageCurves()
{
    for (int c = 0; c < ChannelCount; ++c)
        CopyTotal(c, GainPlotModels[SideOf(c)], c);
    for (int c = 0; c < ChannelCount; ++c) {
        auto *toggle = FindPageControl<TVrPowerButton>(host_, ToggleName(c, QStringLiteral("Gain")));
        if (!toggle)
            return;
        int &dirty = GainPageDirtyMasks[static_cast<std::size_t>(SideOf(c))];
        if (toggle->Active() && (dirty >> c & 1) != 0) {
            dirty &= ~(1 << c);
            host_.GetPlot(GainPlotModels[SideOf(c)]).DrawCurve(c, ChannelColour(c));
        }
    }
    for (const char *name : GainPlotNames)
        RepaintPlot(QString::fromLatin1(name));
}

void CurveOverlays::vrbShowAGainClick(TObject *Sender)
{
    GainToggleClick(Sender, true);
}

void CurveOverlays::vrbShow1GainClick(TObject *Sender)
{
    GainToggleClick(Sender, false);
}

void CurveOverlays::GainToggleClick(TObject *sender, bool inputs)
{
    auto *toggle = SenderAs<TVrPowerButton>(sender);
    const int c = toggle ? TagChannel(*toggle) : -1;
    if (c < 0 || IsInput(c) != inputs)
        return;
    const int side = SideOf(c);
    GainPageDirtyMasks[static_cast<std::size_t>(side)] &= ~(1 << c);
    Plot &plot = host_.GetPlot(GainPlotModels[side]);
    if (toggle->Active()) {
        CopyTotal(c, GainPlotModels[side], c);
        plot.DrawCurve(c, ChannelColour(c));
    } else {
        plot.RemoveCurve(c);
    }
    RepaintPlot(QString::fromLatin1(GainPlotNames[side]));
}

// ---- Channel plots ---------------------------------------------------------------------------------

void CurveOverlays::RefreshOverlayCurves(int channel)
{
    if (!IsChannel(channel))
        return;
    int &dirty = OverlayDirtyMasks[static_cast<std::size_t>(channel)];
    for (int k = 0; k < LinkGroups::SideChannelCount(channel); ++k) {
        const int c = LinkGroups::SideChannel(channel, k);
        if (c == channel)
            continue;
        auto *toggle = FindPageControl<TVrPowerButton>(host_, ToggleName(c, ChannelSuffix(channel)));
        if (!toggle)
            return;
        if ((dirty >> c & 1) == 0)
            continue;
        dirty &= ~(1 << c);
        CopyTotal(c, channel, OverlaySlot(c));
        if (toggle->Active())
            host_.GetPlot(channel).DrawCurve(OverlaySlot(c), ChannelColour(c));
    }
    RepaintPlot(ChannelControlName("fftDraw", channel));
}

void CurveOverlays::vrbShowBInAClick(TObject *Sender)
{
    ChannelToggleClick(Sender, ChInA);
}

void CurveOverlays::vrbShowAInBClick(TObject *Sender)
{
    ChannelToggleClick(Sender, ChInB);
}

void CurveOverlays::vrbShow2Out1Click(TObject *Sender)
{
    ChannelToggleClick(Sender, ChOut1);
}

void CurveOverlays::vrbShow1Out2Click(TObject *Sender)
{
    ChannelToggleClick(Sender, ChOut2);
}

void CurveOverlays::vrbShow1Out3Click(TObject *Sender)
{
    ChannelToggleClick(Sender, ChOut3);
}

void CurveOverlays::vrbShow1Out4Click(TObject *Sender)
{
    ChannelToggleClick(Sender, ChOut4);
}

void CurveOverlays::ChannelToggleClick(TObject *sender, int plotChannel)
{
    auto *toggle = SenderAs<TVrPowerButton>(sender);
    const int c = toggle ? TagChannel(*toggle) : -1;
    // Only another channel of the plot's side has an overlay there.
    if (c < 0 || c == plotChannel || IsInput(c) != IsInput(plotChannel))
        return;
    OverlayDirtyMasks[static_cast<std::size_t>(plotChannel)] &= ~(1 << c);
    Plot &plot = host_.GetPlot(plotChannel);
    if (toggle->Active()) {
        CopyTotal(c, plotChannel, OverlaySlot(c));
        plot.DrawCurve(OverlaySlot(c), ChannelColour(c));
    } else {
        plot.RemoveCurve(OverlaySlot(c));
    }
    RepaintPlot(ChannelControlName("fftDraw", plotChannel));
}

// ---- Offering a channel's curves -------------------------------------------------------------------

void CurveOverlays::SetOverlayButtonsVisible(int channel, bool visible)
{
    if (!FindChannelControl<TComponent>(host_, "rzbMenu", channel))
        return;
    auto *gainToggle = FindPageControl<TVrPowerButton>(host_, ToggleName(channel, QStringLiteral("Gain")));
    if (!gainToggle)
        return;
    gainToggle->SetVisible(visible);
    if (!visible) {
        gainToggle->SetActive(false);
        const int side = SideOf(channel);
        if (const int shown = TagChannel(*gainToggle); shown >= 0) {
            GainPageDirtyMasks[static_cast<std::size_t>(side)] &= ~(1 << shown);
            host_.GetPlot(GainPlotModels[side]).RemoveCurve(shown);
        }
    }
    for (int k = 0; k < LinkGroups::SideChannelCount(channel); ++k) {
        const int y = LinkGroups::SideChannel(channel, k);
        if (y == channel)
            continue;
        auto *toggle = FindPageControl<TVrPowerButton>(host_, ToggleName(channel, ChannelSuffix(y)));
        if (!toggle)
            return;
        toggle->SetVisible(visible);
        if (!visible) {
            toggle->SetActive(false);
            if (const int shown = TagChannel(*toggle); shown >= 0)
                OverlayDirtyMasks[static_cast<std::size_t>(y)] &= ~(1 << shown);
            host_.GetPlot(y).RemoveCurve(OverlaySlot(channel));
        }
    }
}
