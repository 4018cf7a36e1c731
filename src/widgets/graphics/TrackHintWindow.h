#pragma once
// TTrackHintWindow: the small window that shows the dragged value beside the pointer while a
// track bar's thumb is dragged (TrackHint). It sizes itself to its caption (16 pixels wider, 4
// higher), stays 2 pixels inside the screen's right and bottom edges, and draws a light top-left
// and a dark bottom-right edge around the centred caption.

#include "platform/ui/HintWindow.h"

class TTrackHintWindow : public THintWindow {
    T_DECLARE_CLASS(TTrackHintWindow, THintWindow)
    explicit TTrackHintWindow(TComponent *AOwner);

    // Takes the hint as caption, sizes `rect` to it from its top-left corner, moves it back onto
    // the screen and shows the window there without activating it.
    void ActivateHint(TRect rect, const QString &hint) override;
    // (0, 0, width, height) of the current caption; the arguments do not matter.
    TRect CalcHintRect(int maxWidth, const QString &hint, void *data) override;

    // The caption's size as ActivateHint measured it.
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }

protected:
    void Paint() override;

private:
    TSize CaptionSize();

    int FTextHeight = 0;
    int FTextWidth = 0;
};
