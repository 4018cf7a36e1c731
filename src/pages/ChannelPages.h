#pragma once
// The channel pages of the main window: every handler and operation that edits the six channels
// and shows the device model on the pages. The main window holds one ChannelPages and forwards the
// pages' event handlers to it by name (ChannelPageHandlers.h), so that its form definition binds
// `OnChange = isGainInAChange` like a handler of its own; a test form holding one page does the
// same. The dialogs reach the operations they call (GetLinkGroupMask, SetChannelLink,
// SetChannelName ...) through the main window.
//
// ChannelPages is made of one part per page or concern (LinkGroups.h, GainPage.h, DelayPage.h,
// MatrixPage.h, ChannelNames.h); it offers their operations and handlers under their own names and
// keeps the window state that belongs to no single part. The parts find their controls on the
// host's form by name and end silently at the first missing one (PageControls.h). GUI thread only.

#include "pages/ChannelNames.h"
#include "pages/DelayPage.h"
#include "pages/GainPage.h"
#include "pages/LinkGroups.h"
#include "pages/MatrixPage.h"
#include "pages/PageHost.h"

// The pages the page buttons switch between (their Tag): 0 to 5 are the channel pages (the
// ChannelIndex), then these.
enum ChannelPage : int { PageComp = 6, PageDelay = 7, PageGain = 8, PageMatrix = 9 };

class ChannelPages : public LinkGroups, public GainPage, public DelayPage, public MatrixPage, public ChannelNames {
public:
    explicit ChannelPages(PageHost &host)
        : LinkGroups(host), GainPage(host, *this), DelayPage(host, *this), MatrixPage(host), ChannelNames(host)
    {}
    ChannelPages(const ChannelPages &) = delete;
    ChannelPages &operator=(const ChannelPages &) = delete;

    // The page shown; the window starts on the Gain page.
    int GetCurrentPage() const { return currentPage_; }

private:
    int currentPage_ = PageGain;
};
