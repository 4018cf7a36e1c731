#pragma once
// TiXYPlotChannel: the channel of an XY plot, whose points come in any X order. It draws a trace
// through all its points in index order with optional markers, adds explicit null points (which
// break the trace) and empty points (which it skips), answers its zoom extents and computes the
// values and the text of a data cursor bound to it. GUI thread.

#include "plotlib/channels/iPlotChannelCustom.h"

class TiXYPlotChannel : public TiPlotChannelCustom {
    T_DECLARE_CLASS(TiXYPlotChannel, TiPlotChannelCustom)
    using TiPlotChannelCustom::TiPlotChannelCustom;

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

private:
    bool ZoomRange();
    template <class ExtentOf, class Pick>
    double ZoomScan(double Neutral, ExtentOf extent, Pick pick);
};
