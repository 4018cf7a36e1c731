#pragma once
// The page switch. The main window shows one of ten pages: the six channel pages (0 to 5, the
// ChannelIndex), Comp (6), Delay (7), Gain (8, at start) and Matrix (9). A page is two group
// boxes of the same place and size, the plot area (rzgFft + suffix) and the parameter area
// (rzgParam + suffix), switched by the page buttons rzbMenu + suffix (one exclusive group, Tag =
// the page; the shown page's caption lime, the others white).
//
// A channel page shows the boxes of its link group's head: a member's own boxes stay hidden and
// the head's boxes carry the member's name and draw the head's total in the member's colour.
// When no channel of the side names the member (masks a processor reports may be inconsistent),
// the page shows the channel's own boxes, as for a channel alone. The overview labels of the
// Matrix page jump to a page by pressing its button.

#include "pages/CurveOverlays.h"
#include "pages/PageHost.h"

class TObject;
class TRzBmpButton;

// The pages the page buttons switch between (their Tag): 0 to 5 are the channel pages (the
// ChannelIndex), then these.
enum ChannelPage : int { PageComp = 6, PageDelay = 7, PageGain = 8, PageMatrix = 9 };
inline constexpr int PageCount = 10;

// The suffix of a page's controls ("InA" ... "Out4", "Comp", "Delay", "Gain", "Matrix"); empty for
// a number outside 0 to 9.
QString PageSuffix(int page);

class PageSwitch {
public:
    PageSwitch(PageHost &host, CurveOverlays &overlays) : host_(host), overlays_(overlays) {}

    // The page shown; the window starts on the Gain page.
    int GetCurrentPage() const { return currentPage_; }
    // The channel whose boxes a channel page shows: the page's own channel when its link mask is
    // not 0, else the first channel of its side whose mask names it, else its own.
    int ShownChannel(int page) const;

    // OnClick of the page buttons (the button is already down): switches to the button's page.
    // Nothing for the page shown; a missing box ends the switch.
    void rzbMenuInAClick(TObject *Sender);
    // OnClick of the Matrix page's overview labels: the channel's page (by the label's Tag), the
    // Delay page, the Comp page, the Gain page.
    void lbMatrixHpLpInAClick(TObject *Sender);
    void lbMatrixDelayInAClick(TObject *Sender);
    void lbMatrixCompOut1Click(TObject *Sender);
    void lbMatrixGainInAClick(TObject *Sender);

private:
    // Presses a page button by code: its Click, then it stays down and the Matrix button goes up.
    void PressPageButton(TRzBmpButton *button);
    void PressPage(int page);

    PageHost &host_;
    CurveOverlays &overlays_;
    int currentPage_ = PageGain;
    // The channel whose boxes the shown channel page uses.
    int shownBoxes_ = PageGain;
};
