// TiPlotAxis: the band's size for the layout, and the drawing of labels, scale line, ticks, title
// and selection frame, and of the data view's grid lines at the ticks.

#include "plotlib/axes/iPlotAxis.h"

#include "platform/runtime/SysUtils.h"
#include "platform/ui/Canvas.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotHost.h"

#include <algorithm>
#include <cmath>

namespace {

int RoundToInt(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

bool Straight(TiRotationAngle Rotation)
{
    return Rotation == ira000 || Rotation == ira180;
}

bool QuarterTurn(TiRotationAngle Rotation)
{
    return Rotation == ira090 || Rotation == ira270;
}

TPenStyle GridPenStyle(TiPlotGridLineStyle Style)
{
    switch (Style) {
    case ipglsDash: return psDash;
    case ipglsDot: return psDot;
    case ipglsSolid: break;
    }
    return psSolid;
}

}  // namespace

// ---- Sizes for the layout -----------------------------------------------------------------------

int TiPlotAxis::GetRequiredWidth(TCanvas *Canvas)
{
    int title = 0;
    if (FTitleShow && !IsCartesian()) {
        Canvas->Font()->Assign(FTitleFont.get());
        const int h = iTextHeightMultiLine(Canvas, FTitle);
        title = RoundToInt(h * FTitleMargin + (FTitleRotated ? iTextWidthMultiLine(Canvas, FTitle) : h));
    }
    const int ticks = FScaleLinesShow ? std::max({0, FMajorLength, FMinorLength}) : 0;
    int labelMargin = 0;
    int labelExtent = 0;
    if (FLabelsVisible) {
        Canvas->Font()->Assign(FLabelsFont.get());
        labelMargin = RoundToInt(iTextHeightMultiLine(Canvas, QStringLiteral("A")) * FLabelsMargin);
        // Across the band a label takes its height when it runs along the axis, else its width.
        const bool alongAxis = Horizontal() ? Straight(FLabelsRotation) : QuarterTurn(FLabelsRotation);
        const bool acrossAxis = Horizontal() ? QuarterTurn(FLabelsRotation) : Straight(FLabelsRotation);
        if (alongAxis)
            labelExtent = iTextHeightMultiLine(Canvas, GetLabelText(FMin));
        else if (acrossAxis)
            labelExtent = GetLabelsMaxWidth(Canvas, FLabelsFont.get());
    }
    FTitleOffset = ticks + FInnerMargin + labelMargin + labelExtent;
    FRequiredWidth = FInnerMargin + FOuterMargin + ticks + labelMargin + labelExtent + title;
    return FRequiredWidth;
}

int TiPlotAxis::GetRequiredLengthMargin(TCanvas *Canvas)
{
    if (!FLabelsVisible)
        return 0;
    Canvas->Font()->Assign(FLabelsFont.get());
    // Half a label along the axis: its width when it runs along the axis, else its height.
    const bool widthAlong = Horizontal() ? Straight(FLabelsRotation) : QuarterTurn(FLabelsRotation);
    const bool heightAlong = Horizontal() ? QuarterTurn(FLabelsRotation) : Straight(FLabelsRotation);
    if (widthAlong)
        return GetLabelsMaxWidth(Canvas, FLabelsFont.get()) / 2;
    if (heightAlong)
        return iTextHeightMultiLine(Canvas, QStringLiteral("XYZ")) / 2;
    return 0;
}

void TiPlotAxis::UpdateCanDraw(TCanvas *)
{
    if (!IsCartesian())
        return;
    TiPlotHost *host = Host();
    if (!host)
        return;
    const TRect &sr = FScaleRect;
    switch (FQuadSide) {
    case iqsRight: host->AddCollisionRect(TRect(sr.Left, sr.Top, sr.Left + 1, sr.Bottom + 1)); break;
    case iqsBottom: host->AddCollisionRect(TRect(sr.Left, sr.Top, sr.Right + 1, sr.Top + 1)); break;
    case iqsLeft: host->AddCollisionRect(TRect(sr.Right, sr.Top, sr.Right + 1, sr.Bottom + 1)); break;
    case iqsTop: host->AddCollisionRect(TRect(sr.Left, sr.Bottom, sr.Right, sr.Bottom + 1)); break;
    }
}

// ---- Drawing ------------------------------------------------------------------------------------

void TiPlotAxis::Draw(TCanvas *Canvas, TColor)
{
    if (!FVisible)
        return;
    const bool cartesian = IsCartesian();

    for (const auto &tick : FTickList) {
        tick->Show = PointOnScale(tick->Position);
        if (!tick->Show)
            continue;
        tick->PositionPixels = PositionToPixels(tick->Position);
        if (tick->TickType == ipttMajor && FLabelsVisible)
            DrawTickLabel(Canvas, *tick);
    }

    if (FScaleLinesShow) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(FScaleLinesColor);
        if (FScaleLineShow) {
            const int m = cartesian ? 0 : FInnerMargin;
            const TRect &sr = FScaleRect;
            switch (FQuadSide) {
            case iqsLeft: Canvas->Polyline({TPoint(sr.Right - m, sr.Top), TPoint(sr.Right - m, sr.Bottom + 1)}); break;
            case iqsTop: Canvas->Polyline({TPoint(sr.Left, sr.Bottom - m), TPoint(sr.Right, sr.Bottom - m)}); break;
            case iqsRight: Canvas->Polyline({TPoint(sr.Left + m, sr.Top), TPoint(sr.Left + m, sr.Bottom + 1)}); break;
            case iqsBottom: Canvas->Polyline({TPoint(sr.Left, sr.Top + m), TPoint(sr.Right + 1, sr.Top + m)}); break;
            }
        }
        for (const auto &tick : FTickList) {
            if (!tick->Show)
                continue;
            const bool major = tick->TickType == ipttMajor;
            if (cartesian) {
                // Across the line, as long as the tick.
                const int h = ((major ? FMajorLength : FMinorLength) + 1) / 2;
                DrawTickLine(Canvas, tick->PositionPixels, h, -h - 1);
            } else if (major) {
                DrawTickLine(Canvas, tick->PositionPixels, FInnerMargin, FInnerMargin + FMajorLength);
            } else {
                DrawTickLine(Canvas, tick->PositionPixels, FInnerMargin + FMinorLength, FInnerMargin);
            }
        }
    }

    if (cartesian) {
        if (Horizontal()) {
            FFocusRect.Top = FTop - (FMajorLength + 1) / 2 - 5;
            FFocusRect.Bottom = FFocusRect.Top + FRequiredWidth;
        } else {
            FFocusRect.Left = FLeft - (FMajorLength + 1) / 2 - 5;
            FFocusRect.Right = FFocusRect.Left + FRequiredWidth;
        }
    } else {
        DrawTitle(Canvas);
    }

    if (FUserSelected) {
        Canvas->Font()->SetColor(clWhite);
        iDrawFocusRectangle(Canvas,
                            TRect(FFocusRect.Left, FFocusRect.Top, FFocusRect.Right + 1, FFocusRect.Bottom + 1));
    }
}

void TiPlotAxis::DrawTickLine(TCanvas *Canvas, int P, int A, int B)
{
    TPoint from;
    TPoint to;
    switch (FQuadSide) {
    case iqsLeft: from = TPoint(FRight - A, P), to = TPoint(FRight - B, P); break;
    case iqsTop: from = TPoint(P, FBottom - A), to = TPoint(P, FBottom - B); break;
    case iqsRight: from = TPoint(FLeft + A, P), to = TPoint(FLeft + B, P); break;
    case iqsBottom: from = TPoint(P, FTop + A), to = TPoint(P, FTop + B); break;
    }
    Canvas->Polyline({from, to});
    if (!IsCartesian())
        return;
    if (TiPlotHost *host = Host()) {
        TRect r;
        iNormalizedRect(from.X, from.Y, to.X, to.Y, r);
        if (from.X == to.X)
            r.Right = r.Left + 1;
        else
            r.Bottom = r.Top + 1;
        host->AddCollisionRect(r);
    }
}

void TiPlotAxis::DrawTickLabel(TCanvas *Canvas, const TiPlotTickObject &Tick)
{
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->Assign(FLabelsFont.get());
    const int lm = RoundToInt(iTextHeightMultiLine(Canvas, QStringLiteral("A")) * FLabelsMargin);
    const int h = iTextHeightMultiLine(Canvas, Tick.Text);
    const int w = iTextWidthMultiLine(Canvas, Tick.Text);
    const bool cartesian = IsCartesian();
    const int d = cartesian         ? lm + (FMajorLength + 1) / 2
                  : FScaleLinesShow ? FInnerMargin + FMajorLength + lm
                                    : FInnerMargin + lm;
    const int p = Tick.PositionPixels;
    const bool straight = Straight(FLabelsRotation);
    if (!straight && !QuarterTurn(FLabelsRotation))
        return;
    // The label's extent on the screen: a turned label is as wide as the text is high.
    const int dx = straight ? w : h;
    const int dy = straight ? h : w;
    TRect r;
    switch (FQuadSide) {
    case iqsLeft: r = TRect(FRight - d - dx, p - dy / 2, FRight - d, p + dy / 2); break;
    case iqsRight: r = TRect(FLeft + d, p - dy / 2, FLeft + d + dx, p + dy / 2); break;
    case iqsTop: r = TRect(p - dx / 2, FBottom - d - dy, p + dx / 2, FBottom - d); break;
    case iqsBottom: r = TRect(p - dx / 2, FTop + d, p + dx / 2, FTop + d + dy); break;
    }
    if (cartesian) {
        TiPlotHost *host = Host();
        if (host && !host->TryReserveLabelRect(r))
            return;
    }
    TRect textRect;
    iDrawRotatedText(Canvas, Tick.Text, r, textRect, clBtnFace, true, iahCenter, FLabelsRotation);
}

void TiPlotAxis::DrawTitle(TCanvas *Canvas)
{
    if (!FTitleShow || Trim(FTitle).isEmpty())
        return;
    Canvas->Font()->Assign(FTitleFont.get());
    Canvas->Brush()->SetStyle(bsClear);
    const int w = iTextWidthMultiLine(Canvas, FTitle);
    const int h = iTextHeightMultiLine(Canvas, FTitle);
    const int t = FTitleRotated ? w : h;
    const int l = FTitleRotated ? h : w;
    const TRect &sr = FScaleRect;
    const int c = (sr.Top + sr.Bottom) / 2;
    TRect r;
    switch (FQuadSide) {
    case iqsTop: r = TRect(sr.Left, sr.Top + FOuterMargin, sr.Right, sr.Top + FOuterMargin + t); break;
    case iqsBottom: r = TRect(sr.Left, sr.Bottom - FOuterMargin - t, sr.Right, sr.Bottom - FOuterMargin); break;
    case iqsLeft: iNormalizedRect(sr.Left + FOuterMargin, c - l / 2, sr.Left + FOuterMargin + t, c + l / 2, r); break;
    case iqsRight:
        iNormalizedRect(sr.Right - FOuterMargin, c - l / 2, sr.Right - FOuterMargin - t, c + l / 2, r);
        break;
    }
    const TiRotationAngle rotation = Horizontal() == FTitleRotated ? ira090 : ira000;
    TRect textRect;
    iDrawRotatedText(Canvas, FTitle, r, textRect, clBtnFace, true, iahCenter, rotation);
}

void TiPlotAxis::DrawGridLines(TCanvas *Canvas, const TRect &Rect, bool ShowMajor, bool ShowMinor,
                               TiPlotGridLineStyle MajorStyle, TiPlotGridLineStyle MinorStyle, TColor MajorColor,
                               TColor MinorColor, int MajorWidth, int MinorWidth)
{
    if (!FGridLinesVisible)
        return;
    for (const auto &tick : FTickList) {
        if (!tick->Show)
            continue;
        const bool major = tick->TickType == ipttMajor;
        if (major ? !ShowMajor : !ShowMinor)
            continue;
        Canvas->Pen()->SetStyle(GridPenStyle(major ? MajorStyle : MinorStyle));
        Canvas->Pen()->SetWidth(major ? MajorWidth : MinorWidth);
        Canvas->Pen()->SetColor(major ? MajorColor : MinorColor);
        const int p = tick->PositionPixels;
        if (Horizontal()) {
            Canvas->MoveTo(p, Rect.Top);
            Canvas->LineTo(p, Rect.Bottom);
        } else {
            Canvas->MoveTo(Rect.Left, p);
            Canvas->LineTo(Rect.Right, p);
        }
    }
}
