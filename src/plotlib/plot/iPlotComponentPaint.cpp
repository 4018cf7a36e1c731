// TiPlotComponent: painting the whole plot onto a canvas, layer by layer, and the collision list
// that keeps the labels of cartesian axes apart.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/runtime/SysUtils.h"
#include "platform/ui/Canvas.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"

#include <algorithm>
#include <optional>

namespace {

// Draws inside the clip rectangle Rect, and gives the canvas its former clip back however the
// drawing ends.
template <class F>
void Clipped(TCanvas *Canvas, const TRect &Rect, F Draw)
{
    const std::optional<TRegion> former = Canvas->ClipRegion();
    const TiScopeExit restore([&] { Canvas->SelectClipRegion(former ? &*former : nullptr); });
    Canvas->IntersectClipRect(Rect);
    Draw();
}

// Calls Step for every object of a manager, in manager order.
template <class M, class Step>
void ForEach(const M *Manager, Step Apply)
{
    for (int i = 0; Manager && i < Manager->Count(); ++i)
        Apply(Manager->Items(i));
}

}  // namespace

// ---- Collision list -----------------------------------------------------------------------------

void TiPlotComponent::AddCollisionRect(const TRect &Rect)
{
    FAxesCollisionList.push_back(Rect);
}

bool TiPlotComponent::TryReserveLabelRect(const TRect &Rect)
{
    if (DataViewCount() == 0)
        return false;
    const TRect view = GetDataView(0)->DrawRect();
    TRect joined;
    UnionRect(joined, Rect, view);
    if (joined != view)
        return false;
    TRect overlap;
    for (const TRect &taken : FAxesCollisionList)
        if (IntersectRect(overlap, Rect, taken))
            return false;
    FAxesCollisionList.push_back(Rect);
    return true;
}

// ---- Painting -----------------------------------------------------------------------------------

void TiPlotComponent::DisableAllTracking()
{
    FMaster->SetAllTrackingEnabled(false);
}

void TiPlotComponent::EnableAllTracking()
{
    FMaster->SetAllTrackingEnabled(true);
}

void TiPlotComponent::BuildLayerList(TiPlotDataView *DataView)
{
    FLayerList.clear();
    auto enter = [this](TiPlotObject *Object, char Kind) {
        FLayerList.emplace_back(Object->GetLayerKey() + QLatin1Char(Kind), Object);
    };
    // Filled areas first, then the grid, then lines, cartesian axes, channels and annotations;
    // within a layer by kind, within a kind in manager order.
    ForEach(FMaster->LimitManager(), [&](TiPlotLimit *Limit) {
        if (Limit->PaintsBelowGrid())
            enter(Limit, 'A');
    });
    enter(DataView, 'B');
    ForEach(FMaster->LimitManager(), [&](TiPlotLimit *Limit) {
        if (!Limit->PaintsBelowGrid())
            enter(Limit, 'C');
    });
    ForEach(FMaster->YAxisManager(), [&](TiPlotYAxis *Axis) {
        if (Axis->IsCartesian())
            enter(Axis, 'D');
    });
    ForEach(FMaster->XAxisManager(), [&](TiPlotXAxis *Axis) {
        if (Axis->IsCartesian())
            enter(Axis, 'E');
    });
    ForEach(FMaster->ChannelManager(), [&](TiPlotChannelCustom *Channel) {
        if (Channel->CanDraw())
            enter(Channel, 'F');
    });
    ForEach(FMaster->AnnotationManager(), [&](TiPlotAnnotation *Annotation) { enter(Annotation, 'G'); });
    std::stable_sort(FLayerList.begin(), FLayerList.end(),
                     [](const auto &A, const auto &B) { return A.first < B.first; });
}

void TiPlotComponent::DrawLayers(TCanvas *Canvas, TiPlotDataView *DataView, TColor ObjectBackGround)
{
    // Right and bottom edges of the data view belong to it.
    const TRect view = DataView->DrawRect();
    const TRect clip(view.Left, view.Top, view.Right + 1, view.Bottom + 1);
    // No structured binding: clang (the fuzz build) cannot capture one in the lambda yet.
    for (const auto &layer : FLayerList)
        Clipped(Canvas, clip, [&] { layer.second->Draw(Canvas, ObjectBackGround); });
}

void TiPlotComponent::DrawHint(TCanvas *Canvas)
{
    FHintShowing = false;
    if (!FHintData.Visible)
        return;
    Canvas->Font()->Assign(FHintsFont.get());
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->Font()->SetColor(clInfoText);
    Canvas->Pen()->SetStyle(psClear);
    const TRect r(FHintData.Left, FHintData.Top, FHintData.Left + FHintData.Width, FHintData.Top + FHintData.Height);
    Canvas->Rectangle(r);
    TRect textRect = r;
    iDrawText(Canvas, FHintData.Text, textRect, clInfoBk, true, iTextCenter | iTextVCenter | iTextSingleLine);
    Canvas->Pen()->SetStyle(psSolid);
    FHintShowing = true;
}

void TiPlotComponent::DrawToCanvas(TCanvas *Canvas)
{
    FPaintingActive = true;
    const TiScopeExit done([this] { FPaintingActive = false; });
    const TRect all(0, 0, Width(), Height());
    auto background = [&] {
        if (!FBackGroundGradientEnabled) {
            DrawBackGround(Canvas, BackGroundColor());
            return;
        }
        Clipped(Canvas, all, [&] {
            iFillGradient(Canvas, all, FBackGroundGradientDirection, FBackGroundGradientStartColor,
                          FBackGroundGradientStopColor);
        });
    };
    // A plot missing a toolbar, a legend or a data view draws none of its objects, but never
    // leaves the window's old pixels.
    if (ToolBarCount() == 0 || LegendCount() == 0 || DataViewCount() == 0) {
        background();
        if (FBackGroundGradientEnabled)
            DrawBorder(Canvas);
        return;
    }

    TiPlotDataView *view = GetDataView(0);
    const TColor objectBackGround = view->BackgroundTransparent() ? BackGroundColor() : view->BackgroundColor();
    FAxesCollisionList.clear();
    FLayerList.clear();

    TiPlotLegend *legend = GetLegend(0);
    legend->SetCursorAllChannels(false);
    ForEach(FMaster->DataCursorManager(), [&](TiPlotDataCursor *Cursor) {
        Cursor->UpdateValues();
        if (Cursor->Visible() && SameText(Cursor->ChannelName(), QStringLiteral("<All>")) &&
            Cursor->ChannelShowAllInLegend())
            legend->SetCursorAllChannels(true);
    });

    // Ticks, then the layout twice (the bands depend on the labels), then the ticks of the final
    // layout.
    auto calcTicks = [&] {
        ForEach(FMaster->XAxisManager(), [&](TiPlotXAxis *Axis) { Axis->CalcTicks(Canvas); });
        ForEach(FMaster->YAxisManager(), [&](TiPlotYAxis *Axis) { Axis->CalcTicks(Canvas); });
    };
    calcTicks();
    ComputeLayout(Canvas);
    ComputeLayout(Canvas);
    calcTicks();
    ForEach(FMaster->ChannelManager(), [&](TiPlotChannelCustom *Channel) { Channel->UpdateCanDraw(Canvas); });
    ForEach(FMaster->XAxisManager(), [&](TiPlotXAxis *Axis) { Axis->UpdateCanDraw(Canvas); });
    ForEach(FMaster->YAxisManager(), [&](TiPlotYAxis *Axis) { Axis->UpdateCanDraw(Canvas); });
    ForEach(FMaster->AnnotationManager(), [&](TiPlotAnnotation *Annotation) {
        Annotation->SetDataView(view);
        Annotation->SetXYAxesReversed(FMaster->XYAxesReverse());
    });
    ForEach(FMaster->DataCursorManager(), [&](TiPlotDataCursor *Cursor) { Cursor->SetDataView(view); });

    background();
    view->DrawBackground(Canvas);
    BuildLayerList(view);
    DrawLayers(Canvas, view, objectBackGround);
    view->DrawZoomBox(Canvas);

    // The frame objects around the data view.
    Canvas->Brush()->SetColor(BackGroundColor());
    Canvas->Brush()->SetStyle(bsSolid);
    DrawBorder(Canvas);
    ForEach(FMaster->XAxisManager(), [&](TiPlotXAxis *Axis) {
        if (!Axis->IsCartesian())
            Axis->Draw(Canvas, BackGroundColor());
    });
    ForEach(FMaster->YAxisManager(), [&](TiPlotYAxis *Axis) {
        if (!Axis->IsCartesian())
            Axis->Draw(Canvas, BackGroundColor());
    });
    ForEach(FMaster->LabelManager(), [&](TiPlotLabel *Label) { Label->Draw(Canvas, BackGroundColor()); });
    ForEach(FMaster->ToolBarManager(), [&](TiPlotToolBar *ToolBar) { ToolBar->Draw(Canvas, BackGroundColor()); });

    ForEach(FMaster->DataCursorManager(), [&](TiPlotDataCursor *Cursor) { Cursor->Draw(Canvas, objectBackGround); });
    ForEach(FMaster->LegendManager(), [&](TiPlotLegend *Legend) { Legend->Draw(Canvas, BackGroundColor()); });
    ForEach(FMaster->TableManager(), [&](TiPlotTable *Table) { Table->Draw(Canvas, BackGroundColor()); });
    DrawHint(Canvas);

    FPaintingActive = false;
    if (OnAfterPaint)
        OnAfterPaint(this);
}
