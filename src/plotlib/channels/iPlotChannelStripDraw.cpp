// Drawing of the strip-chart channel: the draw preparation, the straight-line fill, the trace of
// each interpolation style (the straight one reduced to one min-max vertical per pixel column),
// the step trace and the digital two-level trace.

#include "platform/ui/Graphics.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotMath.h"
#include "plotlib/base/iClasses.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/channels/iPlotChannel.h"

#include "platform/runtime/Exception.h"

#include <algorithm>
#include <cmath>

namespace {

// The X-axis pixel column of values, for a trace that maps every point. A linear scale maps
// values monotonically, so all values between two values of one column lie in that column: the
// column found last is kept with such a pair, and the values between them need no mapping. The
// pair is estimated from the column's centre and width and only kept once both map to the column,
// so the answer is always PositionToPixels' own.
class TColumnOf {
public:
    explicit TColumnOf(const TiPlotAxis &Axis) : axis_(Axis), linear_(Axis.ScaleType() == ipstLinear) {}

    int operator()(double X)
    {
        if (X >= low_ && X <= high_)
            return column_;
        column_ = axis_.PositionToPixels(X);
        if (linear_) {
            const double centre = axis_.PixelsToPosition(column_);
            const double half = 0.499 * std::abs(axis_.PixelsToPosition(column_ + 1) - centre);
            low_ = Reach(X, centre - half);
            high_ = Reach(X, centre + half);
        }
        return column_;
    }

private:
    // End, or a point halfway back towards X, once it maps to X's column; else X itself.
    double Reach(double X, double End) const
    {
        for (int tries = 0; tries < 4; ++tries, End = X + (End - X) / 2)
            if (axis_.PositionToPixels(End) == column_)
                return End;
        return X;
    }

    const TiPlotAxis &axis_;
    const bool linear_;
    int column_ = 0;
    double low_ = 1;
    double high_ = 0;
};

}  // namespace

void TiPlotChannel::UpdateCanDraw(TCanvas *)
{
    FCanDraw = false;
    if (!HasAxes() || !FVisible || Count() == 0)
        return;
    UpdateXDirection();
    if (!FDrawOutOfOrderXValues) {
        const double first = GetX(0);
        const double last = GetX(Count() - 1);
        const bool offScale = FXIncreasing ? (FXAxis->Min() > last || first > FXAxis->Max())
                                           : (first < FXAxis->Min() || last > FXAxis->Max());
        if (offScale)
            return;
    }
    CalcStartIndex();
    CalcStopIndex();
    const bool stepped = FInterpolationStyle == ipistDifferential || FInterpolationStyle == ipistDifferentialTerminated;
    if (!stepped && (FStartIndex == -1 || FStopIndex == -1))
        return;
    if (FDigitalReferenceStyle == ipdrPercent) {
        FPixelsHigh = FYAxis->PositionToPixels(FYAxis->Span() * FDigitalReferenceHigh / 100 + FYAxis->Min());
        FPixelsLow = FYAxis->PositionToPixels(FYAxis->Span() * FDigitalReferenceLow / 100 + FYAxis->Min());
    } else {
        FPixelsHigh = FYAxis->PositionToPixels(FDigitalReferenceHigh);
        FPixelsLow = FYAxis->PositionToPixels(FDigitalReferenceLow);
    }
    FPixelListStart = std::min(FXAxis->MinPixels(), FXAxis->MaxPixels());
    FPixelListStop = std::max(FXAxis->MinPixels(), FXAxis->MaxPixels());
    const auto needed = static_cast<std::size_t>(FPixelListStop - FPixelListStart + 1);
    if (FPixelList.size() < needed)
        FPixelList.resize(needed);
    for (TiPlotPixelPoint &point : FPixelList)
        point.Null = true;
    FCanDraw = true;
}

void TiPlotChannel::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    try {
        if (FClipToAxes && HasAxes()) {
            TRect r;
            iOrientedRect(FXYAxesReversed, FXAxis->MinPixels(), FYAxis->MinPixels(), FXAxis->MaxPixels(),
                          FYAxis->MaxPixels(), r);
            Canvas->IntersectClipRect(r);
        }
        DrawFill(Canvas, FXYAxesReversed, BackGroundColor);
        DrawBars(Canvas, BackGroundColor);
        DrawTrace(Canvas, FXYAxesReversed, BackGroundColor);
        DrawMarkers(Canvas, FXYAxesReversed, BackGroundColor);
        DrawHighLow(Canvas, FXYAxesReversed, BackGroundColor);
    } catch (...) {
        // A failing layer ends this channel's drawing for this paint only.
    }
}

void TiPlotChannel::DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    if (!FTraceVisible)
        return;
    TPen *pen = Canvas->Pen();
    pen->SetColor(Color());
    pen->SetStyle(static_cast<TPenStyle>(TraceLineStyle()));
    pen->SetWidth(TraceLineWidth() == 1 ? 0 : TraceLineWidth());
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->SetBkColor(BackGroundColor);
    if (FDigitalEnabled) {
        DrawDigitalTrace(Canvas, XYAxesReversed, BackGroundColor);
        return;
    }
    switch (FInterpolationStyle) {
    case ipistStraightLine:
        if (FFastDrawEnabled)
            DrawFastTrace(Canvas, XYAxesReversed);
        else
            TiPlotChannelCustom::DrawTrace(Canvas, XYAxesReversed, BackGroundColor);
        break;
    case ipistDifferential:
    case ipistDifferentialTerminated: DrawStepTrace(Canvas, XYAxesReversed, BackGroundColor); break;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: DrawCurveTrace(Canvas, XYAxesReversed); break;
    }
}

void TiPlotChannel::DrawFastTrace(TCanvas *Canvas, bool Reversed)
{
    if (FStartIndex == FStopIndex)
        return;
    TiPlotMinMaxPoint a, b, c;
    auto flush = [&] {
        if (!a.Empty && a.YMin != a.YMax)
            DrawSegment(Canvas, Reversed, false, a.XValue, a.YMax, a.XValue, a.YMin);
        if (!b.Empty && b.YMin != b.YMax)
            DrawSegment(Canvas, Reversed, false, b.XValue, b.YMax, b.XValue, b.YMin);
        if (!a.Empty && !b.Empty)
            DrawSegment(Canvas, Reversed, false, a.XValue, a.YLast, b.XValue, b.YFirst);
        if (!b.Empty && !c.Empty)
            DrawSegment(Canvas, Reversed, false, b.XValue, b.YLast, c.XValue, c.YFirst);
    };
    TColumnOf columnOf(*FXAxis);
    ForEachPoint(FStartIndex, FStopIndex, [&](double x, double y, bool empty, bool null) {
        if (empty)
            return;
        if (null) {
            flush();
            a.Clear();
            b.Clear();
            c.Clear();
            return;
        }
        const int p = columnOf(x);
        if (a.Empty || p == a.XPixels) {
            a.AddData(x, y, p);
        } else if (b.Empty || p == b.XPixels) {
            b.AddData(x, y, p);
        } else {
            c.AddData(x, y, p);
            flush();
            a.AssignDown(&c);
            b.Clear();
            c.Clear();
        }
    });
    flush();
}

void TiPlotChannel::DrawFill(TCanvas *Canvas, bool Reversed, TColor BackGroundColor)
{
    if (!FFillEnabled || FFillStyle == bsClear || FInterpolationStyle != ipistStraightLine || FDigitalEnabled)
        return;
    const TColor color = FillBrushColor();
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(color);
    Canvas->Pen()->SetColor(color);
    Canvas->Pen()->SetWidth(0);
    Canvas->Pen()->SetStyle(psClear);
    Canvas->SetBkColor(BackGroundColor);
    bool open = false;
    double xp = 0, yp = 0;
    for (int i = FStartIndex; i <= FStopIndex && i >= 0; ++i) {
        double x, y;
        bool empty, null;
        FDataList->GetXYEmptyNull(i, x, y, empty, null);
        if (empty)
            continue;
        if (null) {
            open = false;
            continue;
        }
        if (open)
            DrawQuad(Canvas, Reversed, {xp, FFillReference}, {xp, yp}, {x, y}, {x, FFillReference});
        open = true;
        xp = x;
        yp = y;
    }
}

void TiPlotChannel::DrawStepTrace(TCanvas *Canvas, bool Reversed, TColor)
{
    if (Count() == 0)
        return;
    const bool fill = FFillEnabled && FFillStyle != bsClear;
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    auto hold = [&](double XFrom, double YFrom, double XTo) {
        if (fill) {
            Canvas->Pen()->SetColor(FillBrushColor());
            DrawQuad(Canvas, Reversed, {XFrom, FFillReference}, {XFrom, YFrom}, {XTo, YFrom}, {XTo, FFillReference});
            Canvas->Pen()->SetColor(Color());
        }
        DrawSegment(Canvas, Reversed, false, XFrom, YFrom, XTo, YFrom);
    };
    bool open = false;
    double xp = 0, yp = 0;
    if (FStartIndex == -1 || FStopIndex == -1) {
        // Nothing in view: only the hold of the last valid point may reach into it.
        for (int i = Count() - 1; i >= 0; --i)
            if (GetValid(i)) {
                open = true;
                xp = GetX(i);
                yp = GetY(i);
                break;
            }
    } else {
        for (int i = FStartIndex; i <= FStopIndex; ++i) {
            double x, y;
            bool empty, null;
            FDataList->GetXYEmptyNull(i, x, y, empty, null);
            if (empty)
                continue;
            if (null) {
                if (open)
                    hold(xp, yp, x);
                open = false;
                continue;
            }
            if (open) {
                hold(xp, yp, x);
                DrawSegment(Canvas, Reversed, false, x, yp, x, y);
            }
            open = true;
            xp = x;
            yp = y;
        }
    }
    if (FInterpolationStyle == ipistDifferential && open)
        hold(xp, yp, FXAxis->Max());
}

void TiPlotChannel::DrawDigitalTrace(TCanvas *Canvas, bool Reversed, TColor)
{
    if (FStartIndex == FStopIndex)
        return;
    const bool percent = FDigitalReferenceStyle == ipdrPercent;
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    auto levelY = [&](bool High) { return High ? FDigitalReferenceHigh : FDigitalReferenceLow; };
    // The fill quadrilateral's levels go through the Y axis as values, also in percent style.
    auto run = [&](double XFrom, double XTo, bool Level) {
        if (FFillEnabled) {
            Canvas->Pen()->SetColor(FillBrushColor());
            DrawQuad(Canvas, Reversed, {XFrom, FFillReference}, {XFrom, levelY(Level)}, {XTo, levelY(Level)},
                     {XTo, FFillReference});
            Canvas->Pen()->SetColor(Color());
        }
        DrawSegment(Canvas, Reversed, percent, XFrom, levelY(Level), XTo, levelY(Level));
    };
    TDigitalSequenceData sequence;
    auto flush = [&] {
        if (sequence.TransitionSet) {
            run(sequence.StartXValue, sequence.TransitionXValue, sequence.StartYValue);
            DrawSegment(Canvas, Reversed, percent, sequence.TransitionXValue, levelY(sequence.StartYValue),
                        sequence.TransitionXValue, levelY(!sequence.StartYValue));
        } else if (sequence.StartSet && sequence.StopSet) {
            run(sequence.StartXValue, sequence.StopXValue, sequence.StartYValue);
        }
        sequence.Clear();
    };
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        double x, y;
        bool empty, null;
        FDataList->GetXYEmptyNull(i, x, y, empty, null);
        if (empty)
            continue;
        if (null) {
            flush();
            continue;
        }
        const bool level = y != 0;
        if (!sequence.StartSet) {
            sequence.StartSet = true;
            sequence.StartXValue = x;
            sequence.StartYValue = level;
        } else if (level == sequence.StartYValue) {
            sequence.StopSet = true;
            sequence.StopXValue = x;
        } else {
            sequence.TransitionSet = true;
            sequence.TransitionXValue = x;
            flush();
            sequence.StartSet = true;
            sequence.StartXValue = x;
            sequence.StartYValue = level;
        }
    }
    flush();
}

void TiPlotChannel::DrawMarkers(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    if (FStartIndex == -1 || FStopIndex == -1 || !MarkersVisible())
        return;
    if (!FDigitalEnabled) {
        TiPlotChannelCustom::DrawMarkers(Canvas, XYAxesReversed, BackGroundColor);
        return;
    }
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!GetValid(i) || !GetMarkerVisible(i))
            continue;
        const double x = GetX(i);
        const double y = GetY(i);
        if (!FXAxis->ValueOnScale(x) || !FYAxis->ValueOnScale(y))
            continue;
        DrawMarker(Canvas, i, BackGroundColor,
                   iOrientedPoint(XYAxesReversed, FXAxis->PositionToPixels(x), y != 0 ? FPixelsHigh : FPixelsLow));
    }
}

TRect TiPlotChannel::BarRect(int Index) const
{
    const double x = GetX(Index);
    const double half = FDataList->GetBarWidth(Index) / 2;
    TRect r = ValuesToPixelRect(x - half, FDataList->GetBarReference(Index), x + half, GetY(Index));
    if (r.Left == r.Right)
        r.Right += 1;
    return r;
}

void TiPlotChannel::DrawBars(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!FBarEnabled || FStartIndex == -1)
        return;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!GetValid(i) || !FDataList->GetBarVisible(i))
            continue;
        Canvas->Brush()->SetColor(FBarBrushUseChannelColor ? Color() : FDataList->GetBarBrushColor(i));
        Canvas->Pen()->SetColor(FBarPenUseChannelColor ? Color() : FDataList->GetBarPenColor(i));
        Canvas->Pen()->SetWidth(FDataList->GetBarPenWidth(i));
        Canvas->Pen()->SetStyle(FDataList->GetBarPenStyle(i));
        Canvas->Brush()->SetStyle(FDataList->GetBarBrushStyle(i));
        Canvas->SetBkColor(BackGroundColor);
        Canvas->Rectangle(BarRect(i));
    }
}

void TiPlotChannel::DrawHighLow(TCanvas *Canvas, bool Reversed, TColor BackGroundColor)
{
    if (!FHighLowEnabled || FStartIndex == -1)
        return;
    TPen *pen = Canvas->Pen();
    TBrush *brush = Canvas->Brush();
    pen->SetWidth(0);
    pen->SetStyle(psSolid);
    brush->SetStyle(bsSolid);
    Canvas->SetBkColor(BackGroundColor);
    auto rect = [&](int X1, int Y1, int X2, int Y2, TColor Fill, TColor Outline) {
        TRect r;
        iOrientedRect(Reversed, X1, Y1, X2, Y2, r);
        brush->SetColor(Fill);
        pen->SetColor(Outline);
        Canvas->Rectangle(r);
    };
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!GetValid(i))
            continue;
        const int xp = FXAxis->PositionToPixels(GetX(i));
        const int w = FXAxis->WidthToPixels(FHighLowBarWidth);
        const int yo = FYAxis->PositionToPixels(FDataList->GetOpen(i));
        int yc = FYAxis->PositionToPixels(FDataList->GetClose(i));
        if (FHighLowStyle == iphlsCandleStick) {
            pen->SetColor(FHighLowShadowColor);
            const TPoint wick[2] = {iOrientedPoint(Reversed, xp, FYAxis->PositionToPixels(FDataList->GetHigh(i))),
                                    iOrientedPoint(Reversed, xp, FYAxis->PositionToPixels(FDataList->GetLow(i)))};
            Canvas->Polyline(wick, 2);
            const TColor body =
                FDataList->GetOpen(i) > FDataList->GetClose(i) ? FHighLowBearishColor : FHighLowBullishColor;
            // A flat candle's body is one pixel high, all outline: it shows in the body colour.
            const bool flat = yo == yc;
            if (flat)
                yc = yo + 1;
            rect(xp + w / 2 + 1, yo, xp - w / 2, yc, body, flat ? body : FHighLowShadowColor);
            continue;
        }
        const int right = xp + w - w / 2;
        int left = xp - w / 2;
        const int yl = FYAxis->PositionToPixels(FDataList->GetLow(i));
        int yh = FYAxis->PositionToPixels(FDataList->GetHigh(i));
        if (left == right)
            left = right + 1;
        if (yl == yh)
            yh = yl + 1;
        const int mid = (left + right) / 2;
        // A tick centred on the value's pixel, Width pixels wide on its side of the bar.
        auto tick = [&](int From, int To, double Value, double Height, TColor Colour) {
            const int h = FYAxis->WidthToPixels(Height);
            const int y = FYAxis->PositionToPixels(Value);
            const int top = y - h / 2;
            int bottom = y + h - h / 2 - 1;
            if (bottom == top)
                ++bottom;
            rect(From, top, To, bottom, Colour, Colour);
        };
        if (FHighLowOpenShow) {
            const int ow = FXAxis->WidthToPixels(FHighLowOpenWidth);
            tick(mid - ow + 1, ow == 1 ? mid + 1 : mid, FDataList->GetOpen(i), FHighLowOpenHeight, FHighLowOpenColor);
        }
        if (FHighLowCloseShow) {
            const int cw = FXAxis->WidthToPixels(FHighLowCloseWidth);
            tick(mid, cw == 1 ? mid + 1 : mid + cw - 1, FDataList->GetClose(i), FHighLowCloseHeight,
                 FHighLowCloseColor);
        }
        rect(right, yl, left, yh, FHighLowBarColor, FHighLowBarColor);
    }
}

void TiPlotChannel::SetPixelPoint(int XPixel, double YValue)
{
    if (XPixel < FPixelListStart || XPixel > FPixelListStop)
        throw Exception(QStringLiteral("Pixel List XPixel out of Range"));
    TiPlotPixelPoint &point = FPixelList.at(static_cast<std::size_t>(XPixel - FPixelListStart));
    point.Null = false;
    point.YValue = YValue;
}

void TiPlotChannel::DrawCurve(TCanvas *Canvas, bool Reversed, double FirstX, double LastX,
                              const std::function<double(double)> &Curve)
{
    const bool fill = FFillEnabled && FFillStyle != bsClear;
    int p0 = FXAxis->PositionToPixels(std::max(FirstX, FXAxis->Min()));
    int p1 = FXAxis->PositionToPixels(std::min(LastX, FXAxis->Max()));
    if (p0 > p1)
        std::swap(p0, p1);
    auto fillColumn = [&](double X, double Y) {
        if (!fill)
            return;
        Canvas->Pen()->SetColor(FillBrushColor());
        DrawSegment(Canvas, Reversed, false, X, Y, X, FFillReference);
        Canvas->Pen()->SetColor(Color());
    };
    double px = FXAxis->PixelsToPosition(p0);
    double py = Curve(px);
    fillColumn(px, py);
    SetPixelPoint(FXAxis->PositionToPixels(px), py);
    for (int p = p0; p <= p1; ++p) {
        const double x = FXAxis->PixelsToPosition(p);
        const double y = Curve(x);
        fillColumn(x, y);
        DrawSegment(Canvas, Reversed, false, px, py, x, y);
        SetPixelPoint(FXAxis->PositionToPixels(x), y);
        px = x;
        py = y;
    }
}

void TiPlotChannel::DrawCurveTrace(TCanvas *Canvas, bool Reversed)
{
    if (Count() < 2)
        return;
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    // 1-based arrays, as the interpolation routines take them.
    std::vector<double> xs{0.0};
    std::vector<double> ys{0.0};
    if (FInterpolationStyle != ipistCubicSpline) {
        for (int i = 0; i < Count(); ++i) {
            xs.push_back(GetX(i));
            ys.push_back(GetY(i));
        }
        const int n = Count();
        const bool polynomial = FInterpolationStyle == ipistPolynomial;
        DrawCurve(Canvas, Reversed, xs[1], xs[static_cast<std::size_t>(n)], [&](double At) {
            double value = 0;
            double error = 0;
            if (polynomial)
                PolynomialInterpolate(xs, ys, n, error, value, At);
            else
                RationalInterpolate(xs, ys, n, error, value, At);
            return value;
        });
        return;
    }
    auto drawRun = [&] {
        const int n = static_cast<int>(xs.size()) - 1;
        if (n >= 2) {
            std::vector<double> y2(xs.size());
            SplineSecondDerivatives(xs, ys, n, y2, 0, 0);
            DrawCurve(Canvas, Reversed, xs[1], xs[static_cast<std::size_t>(n)], [&](double At) {
                double value = 0;
                SplineInterpolate(xs, ys, y2, value, At, n);
                return value;
            });
        }
        xs.assign(1, 0.0);
        ys.assign(1, 0.0);
    };
    for (int i = 0; i < Count(); ++i) {
        double x, y;
        bool empty, null;
        FDataList->GetXYEmptyNull(i, x, y, empty, null);
        if (empty)
            continue;
        if (null) {
            drawRun();
            continue;
        }
        xs.push_back(x);
        ys.push_back(y);
    }
    drawRun();
}

bool TiPlotChannel::iHitTest(const TiPlotMouseData &MouseData)
{
    if (TiPlotChannelCustom::iHitTest(MouseData))
        return true;
    if (!HasAxes() || MouseData.Button != mbRight)
        return false;
    double y = 0;
    if (!GetYInterpolated(FXAxis->PixelsToPosition(MouseData.XAxisPixels), y))
        return false;
    TRect near;
    iOrientedRect(FXYAxesReversed, MouseData.XAxisPixels - 10, MouseData.YAxisPixels - 10, MouseData.XAxisPixels + 10,
                  MouseData.YAxisPixels + 10, near);
    const TPoint trace = iOrientedPoint(FXYAxesReversed, MouseData.XAxisPixels, FYAxis->PositionToPixels(y));
    return trace.X >= near.Left && trace.X < near.Right && trace.Y >= near.Top && trace.Y < near.Bottom;
}
