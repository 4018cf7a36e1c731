#pragma once
// The channel pages of the main window: every handler and operation that edits the six channels
// and shows the device model on the pages. The main window holds one ChannelPages and forwards the
// pages' event handlers to it by name (ChannelPageHandlers.h), so that its form definition binds
// `OnChange = isGainInAChange` like a handler of its own; a test form holding one page does the
// same. The dialogs reach the operations they call (GetLinkGroupMask, SetChannelLink,
// SetChannelName ...) through the main window.
//
// ChannelPages is made of one part per page or concern (LinkGroups.h, GainPage.h, DelayPage.h,
// MatrixPage.h, ChannelNames.h, CurveSynthesis.h, PeqEditor.h, CrossoverEditor.h); it offers their
// operations and handlers under their own names and keeps the window state that belongs to no
// single part. The parts find their controls on the host's form by name and end silently at the
// first missing one (PageControls.h). GUI thread only.

#include "device/ParameterImage.h"
#include "pages/ChannelNames.h"
#include "pages/CrossoverEditor.h"
#include "pages/CurveSynthesis.h"
#include "pages/DelayPage.h"
#include "pages/GainPage.h"
#include "pages/LinkGroups.h"
#include "pages/MatrixPage.h"
#include "pages/PageHost.h"
#include "pages/PeqEditor.h"

#include <array>

// The pages the page buttons switch between (their Tag): 0 to 5 are the channel pages (the
// ChannelIndex), then these.
enum ChannelPage : int { PageComp = 6, PageDelay = 7, PageGain = 8, PageMatrix = 9 };

class ChannelPages : public LinkGroups,
                     public GainPage,
                     public DelayPage,
                     public MatrixPage,
                     public ChannelNames,
                     public CurveSynthesis,
                     public PeqEditor,
                     public CrossoverEditor {
public:
    explicit ChannelPages(PageHost &host)
        : LinkGroups(host), GainPage(host, *this), DelayPage(host, *this), MatrixPage(host), ChannelNames(host),
          CurveSynthesis(host), PeqEditor(host), CrossoverEditor(host, *this), pageHost_(host)
    {}
    ChannelPages(const ChannelPages &) = delete;
    ChannelPages &operator=(const ChannelPages &) = delete;

    // The page shown; the window starts on the Gain page.
    int GetCurrentPage() const { return currentPage_; }

    // The channel's total response changed (the model calls this after every filter or band
    // change, also while controls update): bit 1 << channel goes into the overlay mask of every
    // channel of its side and into its side's Gain-page mask; the page code redraws those curves
    // later and clears the bits. Nothing for a number outside 0 to 5.
    void MarkCurveChanged(int channel);
    // Curves to redraw: per channel plot, the channels whose overlay changed; per side (0 the
    // inputs, 1 the outputs), the channels whose Gain-page curve changed.
    std::array<int, ChannelCount> OverlayDirtyMasks{};
    std::array<int, 2> GainPageDirtyMasks{};

    // OnClick of the Copy menu entry: the channel copy dialog, modally.
    void CopyClick(TObject *Sender);

private:
    PageHost &pageHost_;
    int currentPage_ = PageGain;
};
