#pragma once
// TiPlotLegend: the channel list beside the data view, a layout object in a band of its own. For now it carries
// what the managers and the layout manager need; a new one lies in the vertical stack. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotLegend : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotLegend, TiPlotLayoutObject)
    TiPlotLegend(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);

    // Set by the plot before each paint: a visible data cursor over all channels wants their
    // values listed.
    bool CursorAllChannels() const { return FCursorAllChannels; }
    void SetCursorAllChannels(bool Value) { FCursorAllChannels = Value; }

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    bool FCursorAllChannels = false;
};
