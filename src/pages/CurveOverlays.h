#pragma once
// Curve overlays and the Gain page's curves. Every channel plot can show the totals (slot 12) of
// the other channels of its side as overlay curves, each switched by an LED toggle on the plot
// ("vrbShow" + the shown channel's character + the plot's suffix, Tag = the shown channel): In A
// and In B in slots 18 and 19 of an input plot, Out 1 to Out 4 in slots 18 to 21 of an output
// plot, drawn as the curve of that id in the shown channel's colour. The Gain page shows the input
// totals in slots 0 and 1 of its input plot (fftDrawGainIn, curve model 6) and the output totals
// in slots 2 to 5 of its output plot (fftDrawGainOut, curve model 7), toggled by "vrbShow" + the
// character + "Gain".
//
// Copies are taken lazily: a change of a channel's curves only sets its bit in the dirty masks of
// every plot of its side (MarkCurveChanged); the copies and redraws happen when a page is shown
// or a toggle is switched. A toggle switched on copies the shown channel's current total first, so
// it never shows an older curve. A missing toggle ends a refresh at that point, without repaint.

#include "device/ParameterImage.h"
#include "pages/PageHost.h"

#include <array>

class TObject;

// The overlay slot of a channel on the plots of its side (18 + its place on the side); -1 for no
// channel.
int OverlaySlot(int channel);

class CurveOverlays {
public:
    explicit CurveOverlays(PageHost &host) : host_(host) {}

    // The channel's total response changed (the model calls this after every filter or band
    // change, also while controls update): bit 1 << channel goes into the overlay mask of every
    // channel of its side and into its side's Gain-page mask. Nothing for a number outside 0 to 5.
    void MarkCurveChanged(int channel);
    // Copies all six totals into the Gain-page plots, then draws the changed ones whose toggles
    // are on and repaints both plots.
    void RefreshGainPageCurves();
    // Copies the changed totals of the channel's side into the channel plot's overlay slots, draws
    // those whose toggles are on and repaints the plot. Nothing for a page that is no channel.
    void RefreshOverlayCurves(int channel);
    // Shows or hides every toggle that shows the channel's curve; hiding also switches them off
    // and removes their curves. Only group heads offer their curves (the link-group dialog).
    void SetOverlayButtonsVisible(int channel, bool visible);

    // OnClick of the toggles (Active already toggled), one handler per plot.
    void vrbShowBInAClick(TObject *Sender);
    void vrbShowAInBClick(TObject *Sender);
    void vrbShow2Out1Click(TObject *Sender);
    void vrbShow1Out2Click(TObject *Sender);
    void vrbShow1Out3Click(TObject *Sender);
    void vrbShow1Out4Click(TObject *Sender);
    void vrbShowAGainClick(TObject *Sender);
    void vrbShow1GainClick(TObject *Sender);

    // Curves to redraw: per channel plot, the channels whose overlay changed; per side (0 the
    // inputs, 1 the outputs), the channels whose Gain-page curve changed.
    std::array<int, ChannelCount> OverlayDirtyMasks{};
    std::array<int, 2> GainPageDirtyMasks{};

private:
    void ChannelToggleClick(TObject *sender, int plotChannel);
    void GainToggleClick(TObject *sender, bool inputs);
    // Slot 12 of the channel's curve model into `slot` of the curve model `plot`.
    void CopyTotal(int channel, int plot, int slot);
    void RepaintPlot(const QString &name);

    PageHost &host_;
};
