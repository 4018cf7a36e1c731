#pragma once
// Crossover editing. Every channel has a high-pass ("low cut") and a low-pass ("high cut"), each
// set by a frequency track bar (isLowCutFreq / isHighCutFreq + suffix, a FrequencyIndex) with its
// read-only text (cvdLowCutFreq / cvdHighCutFreq), a slope combo (rzcLowCutSlop / rzcHighCutSlop,
// items "BW -6" to "LK -48") and a bypass toggle (rzbLowCutBypass / rzbHighCutBypass).
//
// The filter's record is built from the controls: slope index 0 while the bypass button is down,
// else the combo's ItemIndex + 1; frequency index the bar's Position. The model stores it for the
// channel's link group and sends one command for the channel. A frequency bar shows its text and
// sends at once but draws the curve one tick of tmHpLpCurve later, so that a drag recomputes the
// cascade once per tick; a slope or bypass change draws at once. The pending curve is this
// part's own: a band editor change in the same tick has a record of its own.

#include "pages/CurveSynthesis.h"
#include "pages/PageHost.h"
#include "platform/runtime/Events.h"

// The control families of one filter, by prefix.
struct FilterControls {
    const char *Bar;
    const char *Edit;
    const char *Slope;
    const char *Bypass;
};
inline constexpr FilterControls HighPassControls = {"isLowCutFreq", "cvdLowCutFreq", "rzcLowCutSlop",
                                                    "rzbLowCutBypass"};
inline constexpr FilterControls LowPassControls = {"isHighCutFreq", "cvdHighCutFreq", "rzcHighCutSlop",
                                                   "rzbHighCutBypass"};

class CrossoverEditor {
public:
    CrossoverEditor(PageHost &host, CurveSynthesis &curves) : host_(host), curves_(curves) {}

    // OnChange of the frequency track bars; nothing while controls update.
    void isLowCutFreqInAChange(TObject *Sender);
    void isHighCutFreqInAChange(TObject *Sender);
    // OnChange of the slope combos and OnClick of the bypass buttons: curve at once, then the
    // model (which sends nothing while controls update).
    void rzcLowCutSlopInAChange(TObject *Sender);
    void rzcHighCutSlopInAChange(TObject *Sender);
    void rzbLowCutBypassInAClick(TObject *Sender);
    void rzbHighCutBypassInAClick(TObject *Sender);
    // The wheel never changes a slope.
    void rzcLowCutSlopInAMouseWheel(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled);
    void rzcHighCutSlopInAMouseWheel(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos,
                                     bool &Handled);
    // tmHpLpCurve: draws the pending crossover.
    void tmHpLpCurveTimer(TObject *Sender);

private:
    void FrequencyChange(TObject *sender, bool highPass);
    // `sender` the combo or the bypass button of the filter.
    void SlopeOrBypassChange(TObject *sender, bool highPass);
    // The curve, the selected-band display on its marker, the channel total, the repaint.
    void DrawCrossover(int channel, bool highPass, int slopeIndex, double frequency);

    // The crossover curve waiting for tmHpLpCurve.
    struct PendingCrossover {
        bool Pending = false;
        bool HighPass = true;
        int Channel = 0;
        float Freq = 0;  // Hz
        int Slope = 0;   // slope index
    };

    PageHost &host_;
    CurveSynthesis &curves_;
    PendingCrossover pending_;
};
