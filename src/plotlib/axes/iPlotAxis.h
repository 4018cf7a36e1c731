#pragma once
// The axes of a plot: TiPlotXAxis and TiPlotYAxis on the common TiPlotAxis, layout objects whose
// band the layout manager chooses by direction (X axes horizontal unless the plot swaps its axes).
// For now an axis carries what the managers and the layout need: its title, which a new unnamed
// axis takes from its name, and the reset of its first tracking alignment. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotAxis : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotAxis, TiPlotLayoutObject)
    using TiPlotLayoutObject::TiPlotLayoutObject;

    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &Value);

    // Forgets that the first value was aligned, so the next one is aligned again.
    virtual void ResetFirstAlign();

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    QString FTitle;
};

class TiPlotXAxis : public TiPlotAxis {
    T_DECLARE_CLASS(TiPlotXAxis, TiPlotAxis)
    using TiPlotAxis::TiPlotAxis;
};

class TiPlotYAxis : public TiPlotAxis {
    T_DECLARE_CLASS(TiPlotYAxis, TiPlotAxis)
    using TiPlotAxis::TiPlotAxis;
};
