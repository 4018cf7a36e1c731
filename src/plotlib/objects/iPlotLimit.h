#pragma once
// TiPlotLimit: limit lines or bands drawn over the data view against one X and one Y axis, named
// by XAxisName and YAxisName (a new unnamed limit takes the plot's first axes). For now it carries
// what the managers need. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotLimit : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotLimit, TiPlotManagerObject)
    using TiPlotManagerObject::TiPlotManagerObject;

    const QString &XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString &Value);
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    QString FYAxisName;
    QString FXAxisName;
};
