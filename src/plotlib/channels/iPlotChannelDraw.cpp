// The drawing of a channel: the trace through its points, broken at null points and clipped to
// the axes, the point markers in their twelve shapes, and the geometric helpers the strip channel,
// the legend and the hit test share with them.

#include "plotlib/channels/iPlotChannelCustom.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/Canvas.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotComponent.h"
#include "plotlib/plot/iPlotDataView.h"

#include <cmath>

namespace {

// A trace width of 1 is drawn as the thinnest pen.
void SetTracePen(TCanvas *Canvas, TColor Color, TiPlotLineStyle Style, int Width)
{
    TPen *pen = Canvas->Pen();
    pen->SetColor(Color);
    pen->SetStyle(static_cast<TPenStyle>(Style));
    pen->SetWidth(Width == 1 ? 0 : Width);
}

void Line(TCanvas *Canvas, int X1, int Y1, int X2, int Y2)
{
    const TPoint points[2] = {TPoint(X1, Y1), TPoint(X2, Y2)};
    Canvas->Polyline(points, 2);
}

}  // namespace

// ---- Trace ----------------------------------------------------------------------------------------

void TiPlotChannelCustom::DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    if (!FTraceVisible)
        return;
    SetTracePen(Canvas, Color(), TraceLineStyle(), TraceLineWidth());
    Canvas->Brush()->SetStyle(bsClear);
    if (FStopIndex <= FStartIndex)
        return;
    bool broken = true;
    double previousX = 0;
    double previousY = 0;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        double x, y;
        bool empty, null;
        FDataList->GetXYEmptyNull(i, x, y, empty, null);
        if (empty)
            continue;
        if (null) {
            broken = true;
            continue;
        }
        if (broken) {
            broken = false;
        } else {
            SetTracePen(Canvas, GetTraceLineColor(i), GetTraceLineStyle(i), GetTraceLineWidth(i));
            Canvas->SetBkColor(BackGroundColor);
            DrawSegment(Canvas, XYAxesReversed, false, previousX, previousY, x, y);
        }
        previousX = x;
        previousY = y;
    }
}

void TiPlotChannelCustom::DrawSegment(TCanvas *Canvas, bool Reversed, bool YIsPercent, double X1, double Y1, double X2,
                                      double Y2)
{
    TiPlotXAxis *xAxis = XAxis();
    TiPlotYAxis *yAxis = YAxis();
    if (!xAxis || (!yAxis && !YIsPercent))
        return;
    double x1 = X1, y1 = Y1, x2 = X2, y2 = Y2;
    if (!(X2 > X1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const double xMin = xAxis->Min();
    const double xMax = xAxis->Max();
    const bool xVisible = (x1 < xMin && x2 > xMax) || (xMin <= x1 && x1 <= xMax) || (xMin <= x2 && x2 <= xMax);
    const bool yClipped = !YIsPercent && FClipToAxes;
    bool yVisible = true;
    double yMin = 0, yMax = 0;
    if (yClipped) {
        yMin = yAxis->Min();
        yMax = yAxis->Max();
        yVisible = (y1 < yMin && y2 > yMax) || (y1 > yMax && y2 < yMin) || (yMin <= y1 && y1 <= yMax) ||
                   (yMin <= y2 && y2 <= yMax);
    }
    if (!xVisible || !yVisible)
        return;
    if (x1 < xMin) {
        y1 = InterpolateY(x1, y1, x2, y2, xMin);
        x1 = xMin;
    }
    if (x2 > xMax) {
        y2 = InterpolateY(x1, y1, x2, y2, xMax);
        x2 = xMax;
    }
    bool startVisible = true;
    bool endVisible = true;
    if (yClipped) {
        auto clip = [&](double &x, double &y) {
            if (y < yMin) {
                x = InterpolateX(x1, y1, x2, y2, yMin);
                y = yMin;
            }
            if (y > yMax) {
                x = InterpolateX(x1, y1, x2, y2, yMax);
                y = yMax;
            }
        };
        clip(x1, y1);
        clip(x2, y2);
        startVisible = xAxis->ValueOnScale(x1) && yAxis->ValueOnScale(y1);
        endVisible = xAxis->ValueOnScale(x2) && yAxis->ValueOnScale(y2);
    }
    if (!startVisible || !endVisible)
        return;
    auto yPixels = [&](double Value) {
        if (!YIsPercent)
            return yAxis->PositionToPixels(Value);
        // Percent of the plot's first data view, across the direction of the X axis.
        auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
        TiPlotDataView *view = plot && plot->DataViewCount() > 0 ? plot->GetDataView(0) : nullptr;
        if (!view)
            return 0;
        return Reversed ? view->PositionPercentToPixelsX(Value) : view->PositionPercentToPixelsY(Value);
    };
    const int px1 = xAxis->PositionToPixels(x1);
    const int px2 = xAxis->PositionToPixels(x2);
    const int py1 = yPixels(y1);
    const int py2 = yPixels(y2);
    if (Reversed)
        Line(Canvas, py1, px1, py2, px2);
    else
        Line(Canvas, px1, py1, px2, py2);
}

double TiPlotChannelCustom::InterpolateY(double X1, double Y1, double X2, double Y2, double X)
{
    if (X1 == X2)
        return 0;
    const double slope = (Y2 - Y1) / (X2 - X1);
    const double intercept = Y1 - X1 * slope;
    return slope * X + intercept;
}

double TiPlotChannelCustom::InterpolateX(double X1, double Y1, double X2, double Y2, double Y)
{
    if (X1 == X2)
        return X1;
    const double slope = (Y2 - Y1) / (X2 - X1);
    if (slope == 0)
        return Y1;
    const double intercept = Y1 - X1 * slope;
    return (Y - intercept) / slope;
}

// ---- Markers --------------------------------------------------------------------------------------

void TiPlotChannelCustom::DrawMarkers(TCanvas *Canvas, bool, TColor BackGroundColor)
{
    if (!MarkersVisible())
        return;
    Canvas->Font()->Assign(FMarkersFont.get());
    if (FMarkersTurnOffLimit > 0 && std::abs(FStopIndex - FStartIndex) > FMarkersTurnOffLimit)
        return;
    for (int i = FStartIndex; i <= FStopIndex && i >= 0; ++i)
        if (IsMarkerDrawn(i))
            DrawMarker(Canvas, i, BackGroundColor, PointToPixel(i));
}

bool TiPlotChannelCustom::IsMarkerDrawn(int Index) const
{
    if (!MarkersVisible() || GetNull(Index) || GetEmpty(Index) || !XAxis() || !YAxis())
        return false;
    if (FMarkersAllowIndividual && !GetMarkerVisible(Index))
        return false;
    if (FClipToAxes)
        return FXAxis->ValueOnScale(GetX(Index)) && FYAxis->ValueOnScale(GetY(Index));
    return true;
}

void TiPlotChannelCustom::DrawMarker(TCanvas *Canvas, int Index, TColor BackGroundColor, TPoint Point)
{
    if (!MarkersVisible())
        return;
    TiPlotMarkerStyle style = MarkersStyle();
    int s = MarkersSize();
    TPen *pen = Canvas->Pen();
    TBrush *brush = Canvas->Brush();
    if (Index != -1 && FMarkersAllowIndividual) {
        style = GetMarkerStyle(Index);
        s = GetMarkerSize(Index);
        pen->SetWidth(GetMarkerPenWidth(Index));
        pen->SetStyle(GetMarkerPenStyle(Index));
        pen->SetColor(FMarkersPenUseChannelColor ? Color() : GetMarkerPenColor(Index));
        brush->SetColor(FMarkersBrushUseChannelColor ? Color() : GetMarkerBrushColor(Index));
        brush->SetStyle(GetMarkerBrushStyle(Index));
    } else {
        if (Index == -1)
            s = std::min(s, 6);
        pen->SetWidth(MarkersPenWidth());
        pen->SetStyle(MarkersPenStyle());
        pen->SetColor(FMarkersPenUseChannelColor ? Color() : MarkersPenColor());
        brush->SetColor(FMarkersBrushUseChannelColor ? Color() : MarkersBrushColor());
        brush->SetStyle(MarkersBrushStyle());
    }
    const int x = Point.X;
    const int y = Point.Y;
    auto polygon = [&](std::initializer_list<TPoint> points) {
        Canvas->Polygon(points.begin(), static_cast<int>(points.size()));
    };
    switch (style) {
    case ipmsCircle: Canvas->Ellipse(x - s, y - s, x + s, y + s); break;
    case ipmsSquare: Canvas->Rectangle(x - s, y - s, x + s, y + s); break;
    case ipmsDiamond: polygon({TPoint(x + s, y), TPoint(x, y + s), TPoint(x - s, y), TPoint(x, y - s)}); break;
    case ipmsCross:
        Line(Canvas, x + s, y + s, x - s, y - s);
        Line(Canvas, x + s, y - s, x - s, y + s);
        break;
    case ipmsPlus:
        Line(Canvas, x, y + s, x, y - s);
        Line(Canvas, x + s, y, x - s, y);
        break;
    case ipmsTriangleUp: polygon({TPoint(x - s, y + s), TPoint(x, y), TPoint(x + s, y + s)}); break;
    case ipmsTriangleDown: polygon({TPoint(x - s, y - s), TPoint(x, y), TPoint(x + s, y - s)}); break;
    case ipmsTriangleLeft: polygon({TPoint(x + s, y - s), TPoint(x, y), TPoint(x + s, y + s)}); break;
    case ipmsTriangleRight: polygon({TPoint(x - s, y - s), TPoint(x, y), TPoint(x - s, y + s)}); break;
    case ipmsVerticalLine: Line(Canvas, x, y - s, x, y + s); break;
    case ipmsHorizontalLine: Line(Canvas, x - s, y, x + s, y); break;
    case ipmsCharacter: {
        const char16_t character = Index == -1 ? FDataList->StoredMarkerCharacter() : GetMarkerCharacter(Index);
        if (character == 0)
            break;
        brush->SetStyle(bsClear);
        Canvas->SetBkColor(BackGroundColor);
        TRect r(x, y, x, y);
        iDrawText(Canvas, QString(QChar(character)), r, BackGroundColor, true,
                  iTextCenter | iTextVCenter | iTextSingleLine | iTextNoClip);
        break;
    }
    }
}

TPoint TiPlotChannelCustom::PointToPixel(int Index) const
{
    const int px = XAxis() ? FXAxis->PositionToPixels(GetX(Index)) : 0;
    const int py = YAxis() ? FYAxis->PositionToPixels(GetY(Index)) : 0;
    return iOrientedPoint(FXYAxesReversed, px, py);
}

TRect TiPlotChannelCustom::MarkerRect(int Index) const
{
    const TPoint p = PointToPixel(Index);
    const int s = FMarkersAllowIndividual ? GetMarkerSize(Index) : MarkersSize();
    return TRect(p.X - s, p.Y - s, p.X + s, p.Y + s);
}

double TiPlotChannelCustom::MarkerValueWidth(const TiPlotAxis *Axis) const
{
    return std::abs(Axis->PixelsToPosition(Axis->MinPixels() + MarkersSize()) - Axis->Min());
}

double TiPlotChannelCustom::Extent(int Index, bool OnX, double Side) const
{
    if (GetNull(Index))
        throw Exception(QStringLiteral("Data Point Null"));
    const double value = OnX ? GetX(Index) : GetY(Index);
    if (!MarkersVisible())
        return value;
    const TiPlotAxis *axis = OnX ? static_cast<const TiPlotAxis *>(XAxis()) : YAxis();
    if (!axis)
        throw Exception(OnX ? QStringLiteral("X-Axis not assigned") : QStringLiteral("Y-Axis not assigned"));
    return value + Side * MarkerValueWidth(axis);
}

double TiPlotChannelCustom::GetXMaxExtent(int Index) const
{
    return Extent(Index, true, 1);
}

double TiPlotChannelCustom::GetXMinExtent(int Index) const
{
    return Extent(Index, true, -1);
}

double TiPlotChannelCustom::GetYMaxExtent(int Index) const
{
    return Extent(Index, false, 1);
}

double TiPlotChannelCustom::GetYMinExtent(int Index) const
{
    return Extent(Index, false, -1);
}

// ---- Shapes of the strip channel ------------------------------------------------------------------

void TiPlotChannelCustom::DrawQuad(TCanvas *Canvas, bool XYAxesReversed, const std::pair<double, double> &P1,
                                   const std::pair<double, double> &P2, const std::pair<double, double> &P3,
                                   const std::pair<double, double> &P4)
{
    if (!HasAxes())
        return;
    TPoint points[4];
    const std::pair<double, double> *values[4] = {&P1, &P2, &P3, &P4};
    for (int i = 0; i < 4; ++i)
        points[i] = iOrientedPoint(XYAxesReversed, FXAxis->PositionToPixels(values[i]->first),
                                   FYAxis->PositionToPixels(values[i]->second));
    Canvas->Polygon(points, 4);
}

TRect TiPlotChannelCustom::ValuesToPixelRect(double X1, double Y1, double X2, double Y2) const
{
    TRect r;
    if (!HasAxes())
        return r;
    iOrientedRect(FXYAxesReversed, FXAxis->PositionToPixels(X1), FYAxis->PositionToPixels(Y1),
                  FXAxis->PositionToPixels(X2), FYAxis->PositionToPixels(Y2), r);
    return r;
}
