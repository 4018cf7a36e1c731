#pragma once
// TiXYPlot: the XY plot control, whose channels (TiXYPlotChannel) take points in any X order. A
// new one has one toolbar (z-order 3), one legend (2), one X axis, one Y axis, one channel, one
// data view, one data cursor and the title, label 0 "Title" with caption "Untitled", z-order 2
// and no bottom margin; a form definition then configures all of it. GUI thread.

#include "plotlib/channels/iXYPlotChannel.h"
#include "plotlib/plot/iPlotComponent.h"

class TiXYPlot : public TiPlotComponent {
    T_DECLARE_CLASS(TiXYPlot, TiPlotComponent)
    explicit TiXYPlot(TComponent *AOwner);

    // Channel Index as an XY channel: the manager's list-index error outside it, EInvalidCast
    // "Invalid class typecast" for a channel of another class.
    TiXYPlotChannel *GetChannel(int Index) const;
};
