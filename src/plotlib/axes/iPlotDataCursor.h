#pragma once
// TiPlotDataCursor: the pointers a user moves over the data view to read channel values. For now
// it carries what the managers need: the data view it works in (a new cursor takes the plot's
// first one; not owned) and the name of its channel (the plot's first channel for a new unnamed
// cursor). GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotDataView;

class TiPlotDataCursor : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotDataCursor, TiPlotManagerObject)
    using TiPlotManagerObject::TiPlotManagerObject;

    const QString &ChannelName() const { return FChannelName; }
    void SetChannelName(const QString &Value);
    TiPlotDataView *DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView *Value) { FDataView = Value; }

    // Drops the data view when it goes.
    void NotifyRemoved(TObject *AObject) override;
    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    TiPlotDataView *FDataView = nullptr;
    QString FChannelName;
};
