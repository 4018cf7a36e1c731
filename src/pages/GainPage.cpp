#include "pages/GainPage.h"

#include "device/LUnitControl.h"
#include "pages/PageControls.h"
#include "platform/runtime/Format.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

// Below -20 dB a slider step is 0.5 dB.
constexpr int FineSteps = 200;

}  // namespace

QString GainText(int position)
{
    if (position >= 0)
        return Format("+%3.1fdB", {position * 0.1});
    const int steps = -position;
    const float dB = static_cast<float>(steps <= FineSteps ? steps * 0.1 : 20 + (steps - FineSteps) * 0.5);
    return Format("-%3.1fdB", {dB});
}

// ---- Gain ------------------------------------------------------------------------------------------

void GainPage::isGainInAChange(TObject *Sender)
{
    GainChange(Sender, "isGainBackup");
}

void GainPage::isGainBackupInAChange(TObject *Sender)
{
    GainChange(Sender, "isGain");
}

void GainPage::GainChange(TObject *sender, const char *twinPrefix)
{
    if (host_.IsControlsUpdating())
        return;
    auto *slider = SenderAs<TAdvTrackBar>(sender);
    if (!slider)
        return;
    const int c = TagChannel(*slider);
    const auto controls =
        FindChannelControls<TCurvyEdit, TCurvyEdit, TAdvTrackBar>(host_, c, "cvdGain", "cvdGainBackup", twinPrefix);
    if (!controls)
        return;
    const auto [edit, backupEdit, twin] = *controls;
    const int position = slider->Position();
    twin->SetPosition(position);
    const QString text = GainText(position);
    edit->SetText(text);
    backupEdit->SetText(text);
    host_.UnitControl().SetGain(c, position - slider->Min());
    MirrorGainToLinked(c, position);
}

void GainPage::MirrorGainToLinked(int channel, int position)
{
    const QString text = GainText(position);
    links_.MirrorToGroup(channel, LinkGroups::Flag::Set, [&](int k) {
        const auto controls = FindChannelControls<TCurvyEdit, TAdvTrackBar, TCurvyEdit, TAdvTrackBar>(
            host_, k, "cvdGain", "isGain", "cvdGainBackup", "isGainBackup");
        if (!controls)
            return false;
        const auto [edit, slider, backupEdit, backupSlider] = *controls;
        edit->SetText(text);
        backupEdit->SetText(text);
        slider->SetPosition(position);
        backupSlider->SetPosition(position);
        return true;
    });
}

// ---- Mute and polarity ----------------------------------------------------------------------------

void GainPage::rzbMuteInAClick(TObject *Sender)
{
    ToggleClick(Sender, "rzbMuteBackup", Toggle::Mute);
}

void GainPage::rzbMuteBackupInAClick(TObject *Sender)
{
    ToggleClick(Sender, "rzbMute", Toggle::Mute);
}

void GainPage::rzbPhaseInAClick(TObject *Sender)
{
    ToggleClick(Sender, "rzbPhaseBackup", Toggle::Polarity);
}

void GainPage::rzbPhaseBackupInAClick(TObject *Sender)
{
    ToggleClick(Sender, "rzbPhase", Toggle::Polarity);
}

QString GainPage::PolarityCaption(bool on) const
{
    return host_.GetLangText(on ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
}

void GainPage::ToggleClick(TObject *sender, const char *twinPrefix, Toggle toggle)
{
    auto *button = SenderAs<TRzBmpButton>(sender);
    if (!button)
        return;
    const int c = TagChannel(*button);
    auto *twin = FindChannelControl<TRzBmpButton>(host_, twinPrefix, c);
    if (!twin)
        return;
    const bool on = button->Down();
    twin->SetDown(on);
    if (toggle == Toggle::Mute) {
        host_.UnitControl().SetMute(c, on ? 1 : 0);
        MirrorMuteToLinked(c, on);
        return;
    }
    button->SetCaption(PolarityCaption(on));
    twin->SetCaption(button->Caption());
    host_.UnitControl().SetPolarity(c, on ? 1 : 0);
    MirrorPolarityToLinked(c, on);
}

void GainPage::MirrorMuteToLinked(int channel, bool on)
{
    MirrorButtons(channel, "rzbMute", "rzbMuteBackup", on, nullptr);
}

void GainPage::MirrorPolarityToLinked(int channel, bool on)
{
    const QString caption = PolarityCaption(on);
    MirrorButtons(channel, "rzbPhase", "rzbPhaseBackup", on, &caption);
}

void GainPage::MirrorButtons(int channel, const char *prefix, const char *backupPrefix, bool on, const QString *caption)
{
    links_.MirrorToGroup(channel, LinkGroups::Flag::Untouched, [&](int k) {
        const auto controls = FindChannelControls<TRzBmpButton, TRzBmpButton>(host_, k, prefix, backupPrefix);
        if (!controls)
            return false;
        const auto [button, backup] = *controls;
        button->SetDown(on);
        backup->SetDown(on);
        if (caption) {
            button->SetCaption(*caption);
            backup->SetCaption(button->Caption());
        }
        return true;
    });
}
