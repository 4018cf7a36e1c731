#include "plotlib/objects/iPlotLimit.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <optional>
#include <vector>

T_IMPLEMENT_CLASS(TiPlotLimit)
{
    using L = TiPlotLimit;
    b.Str("YAxisName", &L::YAxisName, &L::SetYAxisName);
    b.Str("XAxisName", &L::XAxisName, &L::SetXAxisName);
    b.Enum("Style", &L::Style, &L::SetStyle, iPlotLimitStyleNames);
    b.Color("Color", &L::Color, &L::SetColor);
    b.Int("LineWidth", &L::LineWidth, &L::SetLineWidth);
    b.Enum("LineStyle", &L::LineStyle, &L::SetLineStyle, PenStyleNames);
    b.Enum("FillStyle", &L::FillStyle, &L::SetFillStyle, BrushStyleNames);
    b.Float("Line1Position", &L::Line1Position, &L::SetLine1Position);
    b.Float("Line2Position", &L::Line2Position, &L::SetLine2Position);
    b.Bool("UserCanMove", &L::UserCanMove, &L::SetUserCanMove);
    b.Bool("SelectModeOnlyInteraction", &L::SelectModeOnlyInteraction, &L::SetSelectModeOnlyInteraction);
    b.Bool("ClipToAxes", &L::ClipToAxes, &L::SetClipToAxes);
}

// ---- Properties ---------------------------------------------------------------------------------

void TiPlotLimit::SetXAxisName(const QString &Value)
{
    if (FXAxisName == Value)
        return;
    FXAxisName = Value;
    FXAxis = nullptr;
    DoChange();
}

void TiPlotLimit::SetYAxisName(const QString &Value)
{
    if (FYAxisName == Value)
        return;
    FYAxisName = Value;
    FYAxis = nullptr;
    DoChange();
}

void TiPlotLimit::SetLine1Position(double Value)
{
    if (FLine1Position == Value)
        return;
    const double old = FLine1Position;
    FLine1Position = Value;
    DoChange();
    if (TiPlotHost *host = Host())
        host->DoLimitLine1PositionChange(this, old, Value);
}

void TiPlotLimit::SetLine2Position(double Value)
{
    if (FLine2Position == Value)
        return;
    const double old = FLine2Position;
    FLine2Position = Value;
    DoChange();
    if (TiPlotHost *host = Host())
        host->DoLimitLine2PositionChange(this, old, Value);
}

void TiPlotLimit::AddBandElement(double Position, double UpperLimit, double LowerLimit)
{
    if (LowerLimit > UpperLimit)
        throw Exception(QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    FPointList.Add(Position, UpperLimit, LowerLimit);
    DoChange();
}

void TiPlotLimit::ClearAllElements()
{
    FPointList.Clear();
    DoChange();
}

bool TiPlotLimit::PaintsBelowGrid() const
{
    switch (FStyle) {
    case iplsPolyBandX:
    case iplsPolyBandY: return true;
    case iplsBandX:
    case iplsBandY: return FFillStyle != bsClear;
    case iplsLineX:
    case iplsLineY: break;
    }
    return false;
}

TiPlotXAxis *TiPlotLimit::XAxis()
{
    if (!FXAxis)
        if (TiPlotMasterManager *master = PlotMaster(); master && master->XAxisManager())
            FXAxis = static_cast<TiPlotXAxis *>(master->XAxisManager()->GetObjectByName(FXAxisName));
    return FXAxis;
}

TiPlotYAxis *TiPlotLimit::YAxis()
{
    if (!FYAxis)
        if (TiPlotMasterManager *master = PlotMaster(); master && master->YAxisManager())
            FYAxis = static_cast<TiPlotYAxis *>(master->YAxisManager()->GetObjectByName(FYAxisName));
    return FYAxis;
}

// ---- Other objects ------------------------------------------------------------------------------

void TiPlotLimit::NotifyRemoved(TObject *AObject)
{
    inherited::NotifyRemoved(AObject);
    if (AObject && AObject == static_cast<TObject *>(FXAxis))
        FXAxis = nullptr;
    if (AObject && AObject == static_cast<TObject *>(FYAxis))
        FYAxis = nullptr;
}

void TiPlotLimit::NotifyRenamed(TObject *AObject)
{
    inherited::NotifyRenamed(AObject);
    if (FXAxis && AObject == static_cast<TObject *>(FXAxis))
        FXAxisName = FXAxis->Name();
    if (FYAxis && AObject == static_cast<TObject *>(FYAxis))
        FYAxisName = FYAxis->Name();
}

void TiPlotLimit::NotifySelected(TObject *AObject)
{
    inherited::NotifySelected(AObject);
    YieldSelectionTo(AObject);
}

// ---- Drawing ------------------------------------------------------------------------------------

// A line at Position along the style's axis, from From to To along the other axis.
void TiPlotLimit::DrawLine(TCanvas *Canvas, int Position, int From, int To)
{
    const bool x = IsXStyle();
    const TPoint a =
        x ? iOrientedPoint(FXYAxesReversed, Position, From) : iOrientedPoint(FXYAxesReversed, From, Position);
    const TPoint b = x ? iOrientedPoint(FXYAxesReversed, Position, To) : iOrientedPoint(FXYAxesReversed, To, Position);
    Canvas->MoveTo(a.X, a.Y);
    Canvas->LineTo(b.X, b.Y);
}

void TiPlotLimit::DrawBand(TCanvas *Canvas, int Position1, int Position2, int From, int To)
{
    TRect band;
    if (IsXStyle())
        iOrientedRect(FXYAxesReversed, Position1, From, Position2, To, band);
    else
        iOrientedRect(FXYAxesReversed, From, Position1, To, Position2, band);
    Canvas->Pen()->SetColor(FColor);
    Canvas->Brush()->SetColor(FColor);
    Canvas->Brush()->SetStyle(FFillStyle);
    auto lines = [&](int Width) {
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Pen()->SetWidth(Width);
        DrawLine(Canvas, Position1, From, To);
        DrawLine(Canvas, Position2, From, To);
    };
    switch (FFillStyle) {
    case bsSolid:
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Pen()->SetWidth(1);
        Canvas->Rectangle(band);
        break;
    case bsClear: lines(FLineWidth); break;
    default:
        Canvas->Pen()->SetStyle(psClear);
        Canvas->Rectangle(band);
        lines(1);
        break;
    }
}

void TiPlotLimit::DrawPolyBand(TCanvas *Canvas)
{
    if (FPointList.Count() < 2)
        return;
    const bool x = IsXStyle();
    const TiPlotAxis *position = x ? static_cast<TiPlotAxis *>(FYAxis) : static_cast<TiPlotAxis *>(FXAxis);
    const TiPlotAxis *boundary = x ? static_cast<TiPlotAxis *>(FXAxis) : static_cast<TiPlotAxis *>(FYAxis);
    auto corner = [&](double Position, double Value) {
        const int p = position->PositionToPixels(Position);
        const int v = boundary->PositionToPixels(Value);
        return x ? iOrientedPoint(FXYAxesReversed, v, p) : iOrientedPoint(FXYAxesReversed, p, v);
    };
    Canvas->Pen()->SetColor(FColor);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Brush()->SetColor(FColor);
    Canvas->Brush()->SetStyle(FFillStyle);
    for (int k = 1; k < FPointList.Count(); ++k) {
        const TiLimitDataList::Entry &e0 = FPointList.GetItem(k - 1);
        const TiLimitDataList::Entry &e1 = FPointList.GetItem(k);
        if (e0.Position < position->Min() && e1.Position < position->Min())
            continue;
        if (e0.Position > position->Max())
            break;
        const TPoint u0 = corner(e0.Position, e0.Upper);
        const TPoint l0 = corner(e0.Position, e0.Lower);
        const TPoint u1 = corner(e1.Position, e1.Upper);
        const TPoint l1 = corner(e1.Position, e1.Lower);
        const TPoint polygon[4] = {u0, u1, l1, l0};
        if (FFillStyle == bsSolid) {
            Canvas->Polygon(polygon, 4);
            continue;
        }
        if (FFillStyle != bsClear) {
            Canvas->Pen()->SetStyle(psClear);
            Canvas->Polygon(polygon, 4);
            Canvas->Pen()->SetStyle(psSolid);
        }
        Canvas->MoveTo(u0.X, u0.Y);
        Canvas->LineTo(u1.X, u1.Y);
        Canvas->MoveTo(l0.X, l0.Y);
        Canvas->LineTo(l1.X, l1.Y);
    }
}

void TiPlotLimit::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    FLine1Show = false;
    FLine2Show = false;
    if (!FVisible || !XAxis() || !YAxis())
        return;
    const std::optional<TRegion> former = Canvas->ClipRegion();
    const TiScopeExit restore([&] { Canvas->SelectClipRegion(former ? &*former : nullptr); });
    if (FClipToAxes)
        Canvas->IntersectClipRect(iAxesSpanRect(*FXAxis, *FYAxis, FXYAxesReversed));

    const int xmin = FXAxis->MinPixels();
    const int xmax = FXAxis->MaxPixels();
    const int ymin = FYAxis->MinPixels();
    const int ymax = FYAxis->MaxPixels();
    const bool x = IsXStyle();
    const TiPlotAxis *axis = x ? static_cast<TiPlotAxis *>(FXAxis) : static_cast<TiPlotAxis *>(FYAxis);
    const int from = x ? ymin : xmin;
    const int to = x ? ymax : xmax;
    // The grab area of a line: 5 pixels on either side of it across the other axis's range.
    auto grabArea = [&](int Position) {
        TRect area;
        if (x)
            iOrientedRect(FXYAxesReversed, Position - 5, from, Position + 5, to, area);
        else
            iOrientedRect(FXYAxesReversed, from, Position - 5, to, Position + 5, area);
        return area;
    };

    switch (FStyle) {
    case iplsLineX:
    case iplsLineY: {
        if (FLine1Position < axis->Min() || FLine1Position > axis->Max())
            return;
        const int p = axis->PositionToPixels(FLine1Position);
        Canvas->Pen()->SetColor(FColor);
        Canvas->Pen()->SetWidth(FLineWidth);
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Brush()->SetColor(BackGroundColor);
        DrawLine(Canvas, p, from, to);
        FLine1ClickRect = grabArea(p);
        FLine1Show = true;
        break;
    }
    case iplsBandX:
    case iplsBandY: {
        const int p1 = axis->PositionToPixels(FLine1Position);
        const int p2 = axis->PositionToPixels(FLine2Position);
        DrawBand(Canvas, p1, p2, from, to);
        FLine1ClickRect = grabArea(p1);
        FLine2ClickRect = grabArea(p2);
        FLine1Show = true;
        FLine2Show = true;
        break;
    }
    case iplsPolyBandX:
    case iplsPolyBandY: DrawPolyBand(Canvas); break;
    }
}

// ---- Input --------------------------------------------------------------------------------------

bool TiPlotLimit::iHitTest(const TiPlotMouseData &MouseData)
{
    if (FSelectModeOnlyInteraction) {
        const TiPlotMasterManager *master = PlotMaster();
        if (!master || !master->SelectModeActive())
            return false;
    }
    const TPoint point(MouseData.X, MouseData.Y);
    return (FLine1Show && FLine1ClickRect.Contains(point)) || (FLine2Show && FLine2ClickRect.Contains(point));
}

void TiPlotLimit::DoMouseLeft(const TiPlotMouseData &MouseData)
{
    if (!FUserCanMove)
        return;
    const TPoint point(MouseData.X, MouseData.Y);
    if (FLine1Show && FLine1ClickRect.Contains(point))
        FMouseDownLine1 = true;
    else if (FLine2Show && FLine2ClickRect.Contains(point))
        FMouseDownLine2 = true;
    else
        return;
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

void TiPlotLimit::DoMouseMove(const TiPlotMouseData &MouseData)
{
    if (!FMouseDownLine1 && !FMouseDownLine2)
        return;
    double value = 0;
    if (IsXStyle()) {
        if (!XAxis())
            return;
        value = FXAxis->PixelsToPosition(MouseData.XAxisPixels);
    } else {
        if (!YAxis())
            return;
        value = FYAxis->PixelsToPosition(MouseData.YAxisPixels);
    }
    if (FMouseDownLine1)
        SetLine1Position(value);
    else
        SetLine2Position(value);
}

void TiPlotLimit::DoMouseUp(const TiPlotMouseData &MouseData)
{
    FMouseDownLine1 = false;
    FMouseDownLine2 = false;
    if (iHitTest(MouseData))
        if (TiPlotHost *host = Host())
            host->DoObjectClick(this);
}

TCursor TiPlotLimit::GetMouseCursor(TPoint)
{
    if (!FUserCanMove)
        return crDefault;
    TCursor cursor = crHandPoint;
    if (FLine1Show && FLine2Show)
        cursor = IsXStyle() != FXYAxesReversed ? crSizeWE : crSizeNS;
    if (TiPlotHost *host = Host())
        host->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotLimit::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
