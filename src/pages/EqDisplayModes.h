#pragma once
// What the three controls above each channel plot switch: the whole-EQ bypass (vrbEqBypass +
// suffix, a flat text button; the state lives in the model's EQ-bypass masks, not in the button),
// the parameter text at every band marker (vrbEqShowAll, an LED toggle) and the plot's mode,
// magnitude in dB or phase in degrees (the radio buttons rbShowGain and rbShowPhase, the chosen
// one's caption yellow, the other's silver).
//
// The bypass switches the clicked channel's whole link group in the model but sends one command,
// for the clicked channel, and writes "BYPASS" on the clicked channel's plot only. A mode switch
// recomputes every curve of the channel in the new mode, lays the plot's Y axis out for it and
// marks the channel's total changed, so the other plots of its side take it at their next
// refresh. With no band selected the selected-band display stays hidden.

#include "pages/CurveOverlays.h"
#include "pages/CurveSynthesis.h"
#include "pages/LinkGroups.h"
#include "pages/PageHost.h"

class TObject;

class EqDisplayModes {
public:
    EqDisplayModes(PageHost &host, LinkGroups &links, CurveSynthesis &curves, CurveOverlays &overlays)
        : host_(host), links_(links), curves_(curves), overlays_(overlays)
    {}

    // OnClick of the EQ bypass buttons: the group's EQ bypassed or active again, one command
    // (CMD_EQ_BYPASS [channel, 1 or 0]) for the clicked channel. Does not test the
    // controls-updating flag.
    void vrbEqBypassInAClick(TObject *Sender);
    // OnClick of the show-all toggles: parameter text at every band marker while Active.
    void vrbEqShowAllInAClick(TObject *Sender);
    // OnClick of the radio buttons: magnitude or phase; nothing when the plot is in that mode.
    void rbShowGainInAClick(TObject *Sender);
    void rbShowPhaseInAClick(TObject *Sender);

    // The free text of an EQ-bypassed plot.
    static constexpr const char *BypassText = "BYPASS";

private:
    void SwitchMode(TObject *sender, bool phase);

    PageHost &host_;
    LinkGroups &links_;
    CurveSynthesis &curves_;
    CurveOverlays &overlays_;
};
