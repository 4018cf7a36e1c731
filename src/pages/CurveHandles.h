#pragma once
// The markers on a channel's response plot are handles: a PEQ band's circle is dragged in
// frequency and gain, the high-pass and low-pass squares (marker slots 10 and 11) in frequency.
// The cursor becomes a cross over a handle; a left press on one grabs it (a band is also selected
// in its table and editor, as by its button); each mouse move while the button is held stores the
// band or crossover in the table or slider, the model and the processor at once, and the curve
// follows one tick of tmMouseEqCurve (bands) or tmHpLpCurve (crossovers) later.
//
// Only slots that carry a drawn marker on the plot are handles: the bands below the table's row
// count and slots 10 and 11 on the six channel plots; the Gain page's plots (Tag 0, no markers)
// have none. Positions are converted with the curve area's origin as the plot's layout placed it.
// A drag ends on every release and whenever the plot loses the mouse capture. GUI thread only.

#include "pages/PageHost.h"
#include "pages/PeqEditor.h"
#include "platform/runtime/Events.h"

#include <vector>

class LMyFFTDrawPhase;
class TMyPEQAllpass;

class CurveHandles {
public:
    CurveHandles(PageHost &host, PeqEditor &peq) : host_(host), peq_(peq) {}

    // OnMouseDown, OnMouseMove and OnMouseUp of the eight response plots.
    void fftDrawInAMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void fftDrawInAMouseMove(TObject *Sender, TShiftState Shift, int X, int Y);
    void fftDrawInAMouseUp(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // tmMouseEqCurve: the dragged band's curve, marker, selected-band display and editor.
    void tmMouseEqCurveTimer(TObject *Sender);

    // The hover test's widening: 1.5 at 96 pixels per inch, else 1.0.
    static double HoverScale();

private:
    // The plot when it is the channel plot of its Tag (the Gain page's plots are not).
    LMyFFTDrawPhase *ChannelPlot(TObject *sender) const;
    // The marker slots a channel plot draws, highest first: the low-pass, the high-pass, then the
    // bands of the table's rows.
    std::vector<int> HandleSlots(const TMyPEQAllpass &table) const;
    bool Hit(const LMyFFTDrawPhase &plot, const TMyPEQAllpass &table, int slot, int x, int y, double scale) const;
    void DragBand(LMyFFTDrawPhase &plot, TMyPEQAllpass &table, int band, double freq, double gain);
    void DragCrossover(int channel, TMyPEQAllpass &table, bool highPass, double freq);
    // Ends any drag: no handle, both crossover edits black.
    void EndDrag(int channel);
    // Ends the drag when the plot loses the mouse capture (watched from its first press on).
    void WatchCapture(LMyFFTDrawPhase &plot);

    // The band drag step waiting for tmMouseEqCurve.
    struct PendingHandleEdit {
        bool Pending = false;
        int Channel = 0;
        int Slot = 0;
        double Freq = 0;  // Hz
        double Gain = 0;  // dB
        double Q = 0;     // the Q itself
        int Type = 0;
        bool Bypass = false;
    };

    PageHost &host_;
    PeqEditor &peq_;
    PendingHandleEdit pending_;
    // The last mouse position a move reported, on any plot.
    TPoint lastMouse_{0, 0};
    // The plot a handle was grabbed on; moves on others are no drag steps.
    LMyFFTDrawPhase *dragPlot_ = nullptr;
    std::vector<LMyFFTDrawPhase *> watched_;
};
