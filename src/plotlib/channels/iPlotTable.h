#pragma once
// TiPlotTable: a table of values beside the data view, a layout object in a band of its own. For now it carries
// what the managers and the layout manager need; a new one lies in the vertical stack. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotTable : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotTable, TiPlotLayoutObject)
    TiPlotTable(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;
};
