#pragma once
// The channel pages of the main window: every handler and operation that edits the six channels
// and shows the device model on the pages. The main window holds one ChannelPages and forwards the
// pages' event handlers to it by name (ChannelPageHandlers.h), so that its form definition binds
// `OnChange = isGainInAChange` like a handler of its own; a test form holding one page does the
// same. The dialogs reach the operations they call (GetLinkGroupMask, SetChannelLink,
// SetChannelName ...) through the main window.
//
// ChannelPages is made of one part per page or concern (LinkGroups.h, GainPage.h, DelayPage.h,
// MatrixPage.h, ChannelNames.h, CurveSynthesis.h, PeqEditor.h, CrossoverEditor.h); it offers their operations and handlers under their own names and
// keeps the window state that belongs to no single part. The parts find their controls on the
// host's form by name and end silently at the first missing one (PageControls.h). GUI thread only.

#include "pages/ChannelNames.h"
#include "pages/CrossoverEditor.h"
#include "pages/CurveSynthesis.h"
#include "pages/DelayPage.h"
#include "pages/GainPage.h"
#include "pages/LinkGroups.h"
#include "pages/MatrixPage.h"
#include "pages/PageHost.h"
#include "pages/PeqEditor.h"

// The pages the page buttons switch between (their Tag).
enum ChannelPage : int {
    PageInA = 0,
    PageInB = 1,
    PageOut1 = 2,
    PageOut4 = 5,
    PageComp = 6,
    PageDelay = 7,
    PageGain = 8,
    PageMatrix = 9,
};

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
          CurveSynthesis(host), PeqEditor(host), CrossoverEditor(host, *this)
    {}
    ChannelPages(const ChannelPages &) = delete;
    ChannelPages &operator=(const ChannelPages &) = delete;

    // The page shown; the window starts on the Gain page.
    int GetCurrentPage() const { return currentPage_; }

private:
    int currentPage_ = PageGain;
};
