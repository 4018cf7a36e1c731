#pragma once
// TiPlotDataView: the area where a plot draws its channels, with its grid. A layout object that
// never takes a band of its own (the layout manager keeps it out of the side lists). For now it
// carries what the managers need: the names of the axes whose grid it draws, which a new unnamed
// data view takes from the plot's first X and Y axis. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotDataView : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotDataView, TiPlotLayoutObject)
    using TiPlotLayoutObject::TiPlotLayoutObject;

    const QString &GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const QString &Value);
    const QString &GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const QString &Value);

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    QString FGridYAxisName;
    QString FGridXAxisName;
};
