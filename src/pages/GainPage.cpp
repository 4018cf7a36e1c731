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
    auto *edit = FindChannelControl<TCurvyEdit>(host_, "cvdGain", c);
    auto *backupEdit = edit ? FindChannelControl<TCurvyEdit>(host_, "cvdGainBackup", c) : nullptr;
    auto *twin = backupEdit ? FindChannelControl<TAdvTrackBar>(host_, twinPrefix, c) : nullptr;
    if (!twin)
        return;
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
        auto *edit = FindChannelControl<TCurvyEdit>(host_, "cvdGain", k);
        auto *slider = edit ? FindChannelControl<TAdvTrackBar>(host_, "isGain", k) : nullptr;
        auto *backupEdit = slider ? FindChannelControl<TCurvyEdit>(host_, "cvdGainBackup", k) : nullptr;
        auto *backupSlider = backupEdit ? FindChannelControl<TAdvTrackBar>(host_, "isGainBackup", k) : nullptr;
        if (!backupSlider)
            return false;
        edit->SetText(text);
        backupEdit->SetText(text);
        slider->SetPosition(position);
        backupSlider->SetPosition(position);
        return true;
    });
}

// ---- Mute ------------------------------------------------------------------------------------------

void GainPage::rzbMuteInAClick(TObject *Sender)
{
    MuteClick(Sender, "rzbMuteBackup");
}

void GainPage::rzbMuteBackupInAClick(TObject *Sender)
{
    MuteClick(Sender, "rzbMute");
}

void GainPage::MuteClick(TObject *sender, const char *twinPrefix)
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
    host_.UnitControl().SetMute(c, on ? 1 : 0);
    MirrorMuteToLinked(c, on);
}

void GainPage::MirrorMuteToLinked(int channel, bool on)
{
    links_.MirrorToGroup(channel, LinkGroups::Flag::Untouched, [&](int k) {
        auto *button = FindChannelControl<TRzBmpButton>(host_, "rzbMute", k);
        auto *backup = button ? FindChannelControl<TRzBmpButton>(host_, "rzbMuteBackup", k) : nullptr;
        if (!backup)
            return false;
        button->SetDown(on);
        backup->SetDown(on);
        return true;
    });
}

// ---- Polarity --------------------------------------------------------------------------------------

void GainPage::rzbPhaseInAClick(TObject *Sender)
{
    PhaseClick(Sender, "rzbPhaseBackup");
}

void GainPage::rzbPhaseBackupInAClick(TObject *Sender)
{
    PhaseClick(Sender, "rzbPhase");
}

QString GainPage::PolarityCaption(bool on) const
{
    return host_.GetLangText(on ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"));
}

void GainPage::PhaseClick(TObject *sender, const char *twinPrefix)
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
    button->SetCaption(PolarityCaption(on));
    twin->SetCaption(button->Caption());
    host_.UnitControl().SetPolarity(c, on ? 1 : 0);
    MirrorPolarityToLinked(c, on);
}

void GainPage::MirrorPolarityToLinked(int channel, bool on)
{
    const QString caption = PolarityCaption(on);
    links_.MirrorToGroup(channel, LinkGroups::Flag::Untouched, [&](int k) {
        auto *button = FindChannelControl<TRzBmpButton>(host_, "rzbPhase", k);
        auto *backup = button ? FindChannelControl<TRzBmpButton>(host_, "rzbPhaseBackup", k) : nullptr;
        if (!backup)
            return false;
        button->SetDown(on);
        backup->SetDown(on);
        button->SetCaption(caption);
        backup->SetCaption(button->Caption());
        return true;
    });
}
