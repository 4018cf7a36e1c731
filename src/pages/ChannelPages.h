#pragma once
// The channel pages of the main window: every handler and operation that edits the six channels
// and shows the device model on the pages. The main window holds one ChannelPages and forwards the
// pages' event handlers to it by name (ChannelPageHandlers.h), so that its form definition binds
// `OnChange = isGainInAChange` like a handler of its own; a test form holding one page does the
// same. The dialogs reach the operations they call (GetLinkGroupMask, SetChannelLink,
// SetChannelName ...) through the main window.
//
// ChannelPages is made of one part per page or concern (LinkGroups.h, GainPage.h, DelayPage.h,
// MatrixPage.h, ChannelNames.h, CurveSynthesis.h, PeqEditor.h, CrossoverEditor.h, CurveOverlays.h,
// PageSwitch.h, EqDisplayModes.h, CurveHandles.h, CompressorPage.h, ModelRefresh.h, ChannelCopy.h);
// it offers their operations and handlers under their own names and keeps the window state that
// belongs to no single part. The parts find their controls on the host's form by name and end
// silently at the first missing one (PageControls.h). GUI thread only.

#include "device/ParameterImage.h"
#include "pages/ChannelCopy.h"
#include "pages/ChannelNames.h"
#include "pages/CompressorPage.h"
#include "pages/CrossoverEditor.h"
#include "pages/CurveHandles.h"
#include "pages/CurveOverlays.h"
#include "pages/CurveSynthesis.h"
#include "pages/DelayPage.h"
#include "pages/EqDisplayModes.h"
#include "pages/GainPage.h"
#include "pages/LinkGroups.h"
#include "pages/MatrixPage.h"
#include "pages/ModelRefresh.h"
#include "pages/PageHost.h"
#include "pages/PageSwitch.h"
#include "pages/PeqEditor.h"

class ChannelPages : public LinkGroups,
                     public GainPage,
                     public DelayPage,
                     public MatrixPage,
                     public ChannelNames,
                     public CurveSynthesis,
                     public PeqEditor,
                     public CrossoverEditor,
                     public CurveOverlays,
                     public PageSwitch,
                     public EqDisplayModes,
                     public CurveHandles,
                     public CompressorPage,
                     public ModelRefresh,
                     public ChannelCopy {
public:
    explicit ChannelPages(PageHost &host)
        : LinkGroups(host), GainPage(host, *this), DelayPage(host, *this), MatrixPage(host), ChannelNames(host),
          CurveSynthesis(host), PeqEditor(host), CrossoverEditor(host, *this), CurveOverlays(host),
          PageSwitch(host, *this), EqDisplayModes(host, *this, *this, *this), CurveHandles(host, *this),
          CompressorPage(host, *this), ModelRefresh(host, {*this, *this, *this, *this, *this, *this, *this}),
          ChannelCopy(host, *this, *this), pageHost_(host)
    {}
    ChannelPages(const ChannelPages &) = delete;
    ChannelPages &operator=(const ChannelPages &) = delete;

    // OnClick of the Copy menu entry: the channel copy dialog, modally.
    void CopyClick(TObject *Sender);

private:
    PageHost &pageHost_;
};
