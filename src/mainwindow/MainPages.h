#pragma once
// What the main window asks of the channel pages: filling every control from the device model,
// the PEQ band display's start state, the Gain page's curves, the overlay marks of a changed curve
// and the PEQ reset a dialog confirms. The main window holds one MainPages and calls the pages only
// through it; this base does nothing, so the main window works before the pages fill it.
// GUI thread.

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
};
