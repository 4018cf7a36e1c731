#pragma once
// Gain, mute and polarity. Every channel has a gain slider, a mute button and a polarity button
// twice: on its own channel page (isGain, cvdGain, rzbMute, rzbPhase + suffix) and on the Gain
// page (isGainBackup, cvdGainBackup, rzbMuteBackup, rzbPhaseBackup + suffix). Whichever copy the
// user touches, the handler sets the other copy, sends the change through the model and shows it
// on the channel's link group. The gain edits are read-only texts.
//
// A gain slider runs from -280 to 120 (its Min and Max); the model holds position - Min (0 to 400,
// 280 = 0 dB). Moving one slider writes its twin, whose own change handler runs inside this one
// and goes no deeper (its twin already holds the position): one move sets the model twice and
// hands two gain commands to the send path, the second replacing the first while it waits.
// Mute: Down = muted. Polarity: Down = inverted, captioned "SID_PHASE_ON" or "SID_PHASE_OFF".

#include "pages/LinkGroups.h"
#include "pages/PageHost.h"

#include <QString>

class TObject;

// The text of a gain slider position: 0.1 dB steps from +12.0 dB down to -20.0 dB, then 0.5 dB
// steps to -60.0 dB ("+12.0dB", "+0.0dB", "-0.1dB", "-20.5dB", "-60.0dB").
QString GainText(int position);

class GainPage {
public:
    GainPage(PageHost &host, LinkGroups &links) : host_(host), links_(links) {}

    // OnChange of the isGain and of the isGainBackup sliders; nothing while controls update.
    void isGainInAChange(TObject *Sender);
    void isGainBackupInAChange(TObject *Sender);
    // OnClick of the mute and polarity buttons of both pages (the button has toggled Down).
    void rzbMuteInAClick(TObject *Sender);
    void rzbMuteBackupInAClick(TObject *Sender);
    void rzbPhaseInAClick(TObject *Sender);
    void rzbPhaseBackupInAClick(TObject *Sender);

    // The mirrors: both pages' controls of every channel of the group show the value. The gain
    // mirror sets the controls-updating flag around its work.
    void MirrorGainToLinked(int channel, int position);
    void MirrorMuteToLinked(int channel, bool on);
    void MirrorPolarityToLinked(int channel, bool on);

private:
    void GainChange(TObject *sender, const char *twinPrefix);
    enum class Toggle { Mute, Polarity };
    // A mute or polarity button was clicked: its twin on the other page follows, the model takes
    // the state, the group shows it.
    void ToggleClick(TObject *sender, const char *twinPrefix, Toggle toggle);
    // Both pages' buttons of the family of every channel of the group go down or up; with a caption,
    // both show it.
    void MirrorButtons(int channel, const char *prefix, const char *backupPrefix, bool on, const QString *caption);
    QString PolarityCaption(bool on) const;

    PageHost &host_;
    LinkGroups &links_;
};
