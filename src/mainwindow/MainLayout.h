#pragma once
// The main window's layout beyond its minimum outer size of 1118 x 720: from the extra width w and
// extra height h, the page area and the plots stretch, the parameter groups and the preset bar stay
// centred, the meters and their scales stretch with the height, the delay and matrix rows spread
// out. Below the minimum in a direction the window scrolls and that direction's rules are not
// applied, so the layout keeps what the last larger size gave it. Every rule is absolute: the same
// size twice gives the same layout.
//
// The rules are tables (MainLayout.cpp), one per group: fixed controls, controls per channel (a
// prefix and the channel suffix) and the blocks of the matrix rows. A control missing under its
// name ends the layout at that point. GUI thread.

#include <functional>

class TComponent;
class TScrollingWinControl;

namespace mainlayout {

constexpr int MinWidth = 1118;
constexpr int MinHeight = 720;

// Lays out the controls of `form` (found by name) for the window's outer size: scrolling, the
// height rules (and `extraHeight` := h) when height >= 720, the width rules when width >= 1118,
// then the delay page's speaker pictures from their sliders, then the page area drawn anew.
// `delayLine`, when given, is called for each channel 0 to 5 at the end. False when a control was
// missing (the layout stopped there).
bool Apply(TScrollingWinControl &form, int width, int height, int &extraHeight,
           const std::function<void(int)> &delayLine = {});

}  // namespace mainlayout
