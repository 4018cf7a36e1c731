#pragma once
// TiPlotToolBar: the row of command buttons of a plot, a layout object in a band of its own. For now it carries
// what the managers and the layout manager need; a new one lies in the horizontal stack. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotToolBar : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotToolBar, TiPlotLayoutObject)
    TiPlotToolBar(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;
};
