#pragma once
// TiPlotToolBar: the row of command buttons of a plot, a layout object in a band of its own. For
// now it carries what the managers, the layout manager and the plot need: a new one lies in the
// horizontal stack, and its select and zoom-box modes, which the plot and its data view read
// through toolbar 0 (its buttons, and so a way to set the zoom-box mode, come with the toolbar's
// drawing). GUI thread.

#include "plotlib/plot/iPlotObjects.h"

// clang-format off
// The toolbar's commands, as the plot's toolbar events name them.
enum TiPlotToolBarButtonType {
    iptbbtResume, iptbbtPause, iptbbtScrollAxesMode, iptbbtZoomAxesMode, iptbbtSelect, iptbbtZoomBox, iptbbtZoomOut,
    iptbbtZoomIn, iptbbtCursor, iptbbtEdit, iptbbtCopy, iptbbtSave, iptbbtPrint, iptbbtPreview
};
inline constexpr auto iPlotToolBarButtonTypeNames = EnumNames<TiPlotToolBarButtonType>(
    "iptbbtResume", "iptbbtPause", "iptbbtScrollAxesMode", "iptbbtZoomAxesMode", "iptbbtSelect", "iptbbtZoomBox",
    "iptbbtZoomOut", "iptbbtZoomIn", "iptbbtCursor", "iptbbtEdit", "iptbbtCopy", "iptbbtSave", "iptbbtPrint",
    "iptbbtPreview");
// clang-format on

class TiPlotToolBar : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotToolBar, TiPlotLayoutObject)
    TiPlotToolBar(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);

    // The select button is down.
    bool SelectActive() const { return FSelectActive; }
    // The zoom-box button is down: a left drag on the data view draws a zoom box.
    bool ZoomBoxActive() const { return FZoomBoxActive; }
    // Presses the select button: the select mode toggles.
    virtual void DoButtonClickSelect();

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    bool FSelectActive = false;
    bool FZoomBoxActive = false;
};
