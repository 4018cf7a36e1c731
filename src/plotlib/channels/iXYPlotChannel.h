#pragma once
// TiXYPlotChannel: the channel of an XY plot, whose points come in any X order. It draws a trace
// through all its points in index order with optional markers, adds explicit null points (which
// break the trace) and empty points (which it skips), answers its zoom extents and computes the
// values and the text of a data cursor bound to it. A pair of OPC items can feed it: item 0
// gives X and carries the connection settings, item 1 gives Y; every update of their group adds
// one point through AddXY. GUI thread.

#include "plotlib/channels/iPlotChannelCustom.h"

class TiXYPlotChannel : public TiPlotChannelCustom {
    T_DECLARE_CLASS(TiXYPlotChannel, TiPlotChannelCustom)
    using TiPlotChannelCustom::TiPlotChannelCustom;

    // ---- OPC feed ----
    // One group of this channel's own for both items, then item 0 and item 1 active (nothing
    // while the plot is designed).
    void OPCActivate() override;
    void OPCActivateSuspend();
    void OPCDeactivate();
    // Suspend or resume the channel's group.
    void OPCUpdateSuspend();
    void OPCUpdateResume();

    // A point at (0, 0) flagged null, or empty: no statistics, no tracking; answers its index.
    int AddNull();
    int AddEmpty();

    // Draws when both axes resolve, the channel is visible and holds a point.
    void UpdateCanDraw(TCanvas *Canvas) override;
    // The trace, then the markers on top; with ClipToAxes inside the axes' rectangle only.
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void CalcStartIndex() override { FStartIndex = 0; }
    void CalcStopIndex() override { FStopIndex = Count() - 1; }
    // The extremes of the valid points widened by the markers; -1e300 (max) and 1e300 (min)
    // without axes, invisible or empty.
    double GetZoomXMax() override;
    double GetZoomXMin() override;
    double GetZoomYMax() override;
    double GetZoomYMin() override;
    void UpdateDataCursor(TiPlotDataCursor *Cursor) override;

    // The data cursor text of these values (public for the legend's cursor columns).
    using TiPlotChannelCustom::FormatDataCursorText;

protected:
    // Every update of the group adds item 0's and item 1's values as one point.
    void OPCAfterGroupUpdate() override;

private:
    bool ZoomRange();
    template <class ExtentOf, class Pick>
    double ZoomScan(double Neutral, ExtentOf extent, Pick pick);
};
