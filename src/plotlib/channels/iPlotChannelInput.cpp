// The mouse on a channel: the hit test on its legend entry and its points, the hover hint of a
// point, dragging a point, the data-point events and the mouse cursor.

#include "plotlib/channels/iPlotChannelCustom.h"

#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotComponent.h"
#include "plotlib/plot/iPlotDataView.h"

namespace {

TPoint MousePoint(const TiPlotMouseData &MouseData)
{
    return TPoint(MouseData.X, MouseData.Y);
}

}  // namespace

bool TiPlotChannelCustom::iHitTest(const TiPlotMouseData &MouseData)
{
    const bool result = inherited::iHitTest(MouseData);
    // No point stays found from an earlier test: the hint and the press look at this one's.
    FSelectDataIndex = -1;
    const TPoint mouse = MousePoint(MouseData);
    if (FVisibleInLegend && FLegendRect.Contains(mouse))
        return true;
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!plot || !plot->GetToolBarSelectActive())
        return result;
    const bool bars = HitsBars();
    if ((!bars && !MarkersVisible()) || Count() == 0 || !HasAxes())
        return result;
    CalcStartIndex();
    CalcStopIndex();
    for (int i = FStartIndex; i <= FStopIndex && i >= 0; ++i) {
        if (!GetValid(i) || !(bars || IsMarkerDrawn(i)))
            continue;
        FSelectHitTestRect = PointHitRect(i);
        if (FSelectHitTestRect.Contains(mouse)) {
            FSelectDataIndex = i;
            return true;
        }
    }
    return result;
}

void TiPlotChannelCustom::DoMouseHint(const TiPlotMouseData &MouseData, TiHintData &HintData)
{
    const std::weak_ptr<char> life = Life();
    if (TiPlotHost *host = Host())
        host->DoDataPointMouseMove(this, FSelectDataIndex, MouseData);
    if (life.expired() || !FShowDataPointHints || FSelectDataIndex == -1 || FSelectDataIndex >= Count() ||
        !FSelectHitTestRect.Contains(MousePoint(MouseData)) || !HasAxes())
        return;
    HintData.Text = FXAxis->GetLabelText(GetX(FSelectDataIndex)) + QStringLiteral(", ") +
                    FYAxis->GetLabelText(GetY(FSelectDataIndex));
    if (TiPlotHost *host = Host())
        host->DoDataPointCustomizeHint(this, FSelectDataIndex, HintData);
    if (!life.expired())
        PlaceDataPointHint(MouseData, HintData);
}

void TiPlotChannelCustom::PlaceDataPointHint(const TiPlotMouseData &MouseData, TiHintData &HintData)
{
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!plot)
        return;
    TCanvas *canvas = plot->Canvas();
    canvas->Font()->Assign(plot->HintsFont());
    HintData.Width = iTextWidthMultiLine(canvas, HintData.Text) + 4;
    const int th = iTextHeightMultiLine(canvas, HintData.Text);
    HintData.Height = th + 4;
    if (plot->DataViewCount() == 0)
        return;
    const TRect r = plot->GetDataView(0)->DrawRect();
    const int mx = MouseData.X;
    const int my = MouseData.Y;
    const int half = MarkersSize() / 2;
    // Above the point, else below it; to its right near the left edge, to its left near the
    // right edge; always inside the data view's height.
    HintData.Top = my - (th + half + 8);
    HintData.Left = mx - HintData.Width / 2;
    if (r.Top >= HintData.Top)
        HintData.Top = my + th + half + 8;
    if (r.Left >= HintData.Left) {
        HintData.Left = mx + half + 8;
        HintData.Top = my - HintData.Height / 2;
    } else if (HintData.Left + HintData.Width >= r.Right) {
        HintData.Left = mx - half - HintData.Width - 4;
        HintData.Top = my - HintData.Height / 2;
    }
    if (HintData.Top + HintData.Height >= r.Bottom)
        HintData.Top = r.Bottom - HintData.Height;
    if (r.Top >= HintData.Top)
        HintData.Top = r.Top;
}

void TiPlotChannelCustom::DoMouseLeft(const TiPlotMouseData &MouseData)
{
    const std::weak_ptr<char> life = Life();
    if (TiPlotHost *host = Host())
        host->DoDataPointMouseDown(this, FSelectDataIndex, MouseData);
    if (life.expired())
        return;
    FMouseDownDataIndex = FSelectDataIndex;
    if (FSelectDataIndex == -1 || FSelectDataIndex >= Count() || !FSelectHitTestRect.Contains(MousePoint(MouseData)))
        return;
    FSelectMouseDown = true;
    FSelectMouseDownIndex = FSelectDataIndex;
    FSelectDownRect = FSelectHitTestRect;
    FMouseDownValueX = GetX(FSelectMouseDownIndex);
    FMouseDownValueY = GetY(FSelectMouseDownIndex);
    FMouseDownPixelX = MouseData.XAxisPixels;
    FMouseDownPixelY = MouseData.YAxisPixels;
}

void TiPlotChannelCustom::DoMouseMove(const TiPlotMouseData &MouseData)
{
    if (!FSelectMouseDown)
        return;
    const std::weak_ptr<char> life = Life();
    if (TiPlotHost *host = Host())
        host->DoDataPointMouseMove(this, FMouseDownDataIndex, MouseData);
    if (life.expired() || !FUserCanMoveDataPoints || !HasAxes())
        return;
    // The held point may have gone meanwhile (deleted, or pushed out of a ring): the drag ends.
    if (FSelectMouseDownIndex >= Count()) {
        FSelectMouseDown = false;
        return;
    }
    double dx = 0;
    double dy = 0;
    if (FUserCanMoveDataPointsStyle != ipcdpmsYOnly)
        dx = FXAxis->PixelsToPosition(FMouseDownPixelX) - FXAxis->PixelsToPosition(MouseData.XAxisPixels);
    if (FUserCanMoveDataPointsStyle != ipcdpmsXOnly)
        dy = FYAxis->PixelsToPosition(FMouseDownPixelY) - FYAxis->PixelsToPosition(MouseData.YAxisPixels);
    SetX(FSelectMouseDownIndex, FMouseDownValueX - dx);
    SetY(FSelectMouseDownIndex, FMouseDownValueY - dy);
}

void TiPlotChannelCustom::DoMouseUp(const TiPlotMouseData &MouseData)
{
    const std::weak_ptr<char> life = Life();
    TiPlotHost *host = Host();
    if (host)
        host->DoDataPointMouseUp(this, FMouseDownDataIndex, MouseData);
    if (life.expired() || (!FMouseDown && !FSelectMouseDown))
        return;
    const TPoint mouse = MousePoint(MouseData);
    if (FSelectMouseDown) {
        FSelectMouseDown = false;
        const int index = FSelectMouseDownIndex;
        if (host && FSelectDownRect.Contains(mouse))
            host->DoDataPointClick(this, index);
        if (life.expired() || !host || index >= Count())
            return;
        const double x = GetX(index);
        const double y = GetY(index);
        if (x != FMouseDownValueX || y != FMouseDownValueY)
            host->DoDataPointMoved(this, index, FMouseDownValueX, FMouseDownValueY, x, y);
    } else if (FMouseDown && FLegendRect.Contains(mouse) && host) {
        host->DoObjectClick(this);
    }
}

TCursor TiPlotChannelCustom::GetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (TiPlotHost *host = Host())
        host->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}
