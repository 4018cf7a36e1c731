#pragma once
// What the main window asks of the channel pages: filling every control from the device model,
// the PEQ band display's start state, the Gain page's curves, the overlay marks of a changed curve,
// the PEQ reset a dialog confirms, a channel's name on its labels, and the curve-overlay toggles.
// The main window holds one MainPages and calls the pages only through it; this base does nothing,
// so the main window works before the pages fill it. GUI thread.

#include <string>

class MainPages {
public:
    virtual ~MainPages() = default;

    // Every control of the pages from the model (the controls-updating flag set meanwhile).
    virtual void RefreshFromModel() {}
    // Every channel's selected band, band editors and band marker back to their start state.
    virtual void ResetEqDisplay() {}
    // The Gain page's two curve models from the channels' total curves, redrawn where marked.
    virtual void RefreshGainPageCurves() {}
    // Channel `channel`'s curve changed: marked for the overlays of its side and the Gain page.
    virtual void MarkCurveChanged(int /*channel*/) {}
    // The PEQ of channel `channel` back to its default bands, sent to the processor.
    virtual void SendPeqReset(int /*channel*/) {}
    // Shows the channel's name (device text, up to its first zero byte, at most 8 bytes) on its
    // name label and as its page button's hint. False when either control is missing: the name is
    // then neither stored nor sent.
    virtual bool ShowChannelName(int /*channel*/, const std::string & /*name*/) { return true; }
    // Shows or hides every toggle that shows channel `channel`'s curve on another plot; a hidden
    // one goes off and its curve leaves that plot.
    virtual void SetOverlayButtonsVisible(int /*channel*/, bool /*visible*/) {}
    // Redraws channel `channel`'s dashed delay line up to its speaker picture and places the time
    // label beside the picture.
    virtual void UpdateDelayLine(int /*channel*/) {}
};
