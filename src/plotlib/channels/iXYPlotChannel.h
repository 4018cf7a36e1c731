#pragma once
// TiXYPlotChannel: the channel of an XY plot, whose points come in any X order. It draws a trace
// through all its points in index order with optional markers, adds explicit null points (which
// break the trace) and empty points (which it skips), answers its zoom extents and computes the
// values and the text of a data cursor bound to it. A pair of OPC items can feed it: item 0
// gives X and carries the connection settings, item 1 gives Y; every update of their group adds
// one point through AddXY. GUI thread.

#include "plotlib/channels/iPlotChannelCustom.h"

#include <memory>

class TiOPCItem;
class TiOPCItemManager;
class TiOPCManager;

class TiXYPlotChannel : public TiPlotChannelCustom {
    T_DECLARE_CLASS(TiXYPlotChannel, TiPlotChannelCustom)
    TiXYPlotChannel(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                    TNotifyEvent AOnRename);
    ~TiXYPlotChannel() override;

    // ---- OPC feed (stored in the two items) ----
    QString OPCComputerName() const;
    void SetOPCComputerName(const QString &Value);
    QString OPCServerName() const;
    void SetOPCServerName(const QString &Value);
    QString OPCItemName() const;
    void SetOPCItemName(const QString &Value);
    QString OPCItem2Name() const;
    void SetOPCItem2Name(const QString &Value);
    int OPCUpdateRate() const;
    void SetOPCUpdateRate(int Value);
    double OPCScalar() const;
    void SetOPCScalar(double Value);
    double OPCOffset() const;
    void SetOPCOffset(double Value);
    double OPCScalar2() const;
    void SetOPCScalar2(double Value);
    double OPCOffset2() const;
    void SetOPCOffset2(double Value);
    bool OPCAutoConnect() const;
    void SetOPCAutoConnect(bool Value);
    bool OPCActive() const;
    bool OPCQualityGood() const;
    // One group of this channel's own for both items, then item 0 and item 1 active (nothing
    // while the plot is designed).
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();
    // Inherited, then OPCActivate when auto-connect is on.
    void DoInsert() override;

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
    TiOPCItem *Item(int Index) const;
    void OPCDataArrived(TObject *Sender, const QString &GroupName);
    void GetDesigning(TObject *Sender, bool &Designing);
    bool ZoomRange();
    template <class ExtentOf, class Pick>
    double ZoomScan(double Neutral, ExtentOf extent, Pick pick);

    std::unique_ptr<TiOPCManager> FOPCManager;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;
};
