#pragma once
// The routing matrix page: per output two toggle buttons (rzbAMatrixOut1 .. rzbBMatrixOut4, Tag the
// input: 0 In A, 1 In B; Down = that input feeds the output) set the output's source mask in the
// model (bit 0 In A, bit 1 In B; not linked between channels), and the paint box pbMatrix between
// the input and output panels of rzgFftMatrix shows the routing as lines: from the left edge at
// the input's row to the right edge at the output's row, 2 pixels wide, purple for In A and olive
// for In B. The rows move down with the window's extra height.
//
// The lines are drawn over whatever pbMatrix shows; the page's repaint (the group box's painting,
// which ends in its OnPaint, rzgFftMatrixPaint) clears old ones.

#include "pages/PageHost.h"
#include "platform/runtime/GraphicsTypes.h"

class TCanvas;
class TObject;

// Where the line from input `input` (0, 1) to output `output` (0 to 3) starts and ends in a paint
// box `width` pixels wide, with the window's extra height.
TPoint MatrixRouteStart(int input, int extraHeight);
TPoint MatrixRouteEnd(int output, int width, int extraHeight);

class MatrixPage {
public:
    explicit MatrixPage(PageHost &host) : host_(host) {}

    // OnClick of both buttons of Out 1, Out 2, Out 3 and Out 4 (the button has toggled Down).
    void rzbAMatrixOut1Click(TObject *Sender);
    void rzbAMatrixOut2Click(TObject *Sender);
    void rzbAMatrixOut3Click(TObject *Sender);
    void rzbAMatrixOut4Click(TObject *Sender);
    // OnPaint of rzgFftMatrix (the last step of its painting): the lines over what it painted.
    void rzgFftMatrixPaint(TObject *Sender);

    // Draws every routing line of the model on pbMatrix; nothing when it is missing.
    void DrawMatrixRoutes();

private:
    void RouteClick(TObject *sender, int output);
    // The lines on `canvas`, the paint box's top-left corner at `origin`.
    void DrawRoutes(TCanvas &canvas, TPoint origin, int width);

    PageHost &host_;
};
