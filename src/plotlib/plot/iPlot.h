#pragma once
// TiPlot: the strip-chart plot control. It differs from the XY plot in the class of channel it
// makes (TiPlotChannel, points kept in X order) and its typed channel getter. GUI thread.

#include "plotlib/channels/iPlotChannel.h"
#include "plotlib/plot/iPlotComponent.h"

class TiPlot : public TiPlotComponent {
    T_DECLARE_CLASS(TiPlot, TiPlotComponent)
    explicit TiPlot(TComponent *AOwner);

    // The framework's invalid type cast error for a channel of another class.
    TiPlotChannel *GetChannel(int Index) const;
};
