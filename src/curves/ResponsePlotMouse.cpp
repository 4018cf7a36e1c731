// The mouse pan and zoom of LResponsePlot and its read-out of the mouse position in data units.
// Nothing routes the framework's mouse input here; the operations are called as plain methods.

#include <algorithm>
#include <cmath>

#include "curves/ResponsePlot.h"

namespace {

// A bound moved by `amount` in data units on a Linear axis, or in decades on a Log one.
double Moved(double bound, double amount, bool log)
{
    return log ? bound * std::pow(10.0, amount) : bound + amount;
}

}  // namespace

double LResponsePlot::PlotX(double x) const
{
    const int w = GetPlotWidth();
    if (w <= 0)
        return FXMin;
    const double offset = x - PlotPage->ScreenRect().Left;
    if (FXAxisFormat == TMyAxisFormat::Log)
        return std::pow(10.0, LogXMin + offset * (LogXMax - LogXMin) / w);
    return FXMin + offset * (FXMax - FXMin) / w;
}

double LResponsePlot::PlotY(double y) const
{
    const int h = GetPlotHeight();
    if (h <= 0)
        return FYMin;
    const double offset = PlotPage->ScreenRect().Top + h - y;
    if (FYAxisFormat == TMyAxisFormat::Log)
        return std::pow(10.0, LogYMin + offset * (LogYMax - LogYMin) / h);
    return FYMin + offset * (FYMax - FYMin) / h;
}

void LResponsePlot::SetXYMinMax(double xMin, double xMax, double yMin, double yMax)
{
    FXMin = xMin;
    FXMax = xMax;
    FYMin = yMin;
    FYMax = yMax;
    CalculateLogMaxMin();
    CompareMaxMin();
    // Bounds that CompareMaxMin separated need their logarithms again.
    CalculateLogMaxMin();
    if (FAutoRedraw)
        DrawPlotsAndLabels();
}

void LResponsePlot::InvertZoomRect()
{
    TCanvas *c = Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetMode(pmNot);
    c->Rectangle(*ZoomRect);
    c->Pen()->SetMode(pmCopy);
    c->Pen()->SetStyle(psSolid);
    c->Brush()->SetStyle(bsSolid);
}

void LResponsePlot::MouseDown1(TMouseButton button, TShiftState shift, int x, int y)
{
    TPaintBox::MouseDown(button, shift, x, y);
    if (button == mbLeft) {
        if (shift == TShiftState{ssAlt, ssLeft} || shift == TShiftState{ssAlt, ssRight})
            StretchMode = true;
        else if (shift == TShiftState{ssCtrl, ssLeft})
            ZoomMode = true;
        else
            PanMode = true;
    }
    if (ZoomMode && FMouseControl) {
        if (ZoomRect)
            InvertZoomRect();  // a drag that never ended leaves no trace
        ZoomRect = std::make_unique<TRect>(x, y, x + 2, y + 2);
        ZoomAnchorX = x;
        ZoomAnchorY = y;
        InvertZoomRect();
    }
    LastMouseX = x;
    LastMouseY = y;
}

void LResponsePlot::MouseMove1(TShiftState shift, int x, int y)
{
    TPaintBox::MouseMove(shift, x, y);
    const int dx = x - LastMouseX;
    const int dy = y - LastMouseY;
    LastMouseX = x;
    LastMouseY = y;
    if (!HasPlotArea())
        return;

    const bool logX = FXAxisFormat == TMyAxisFormat::Log;
    const bool logY = FYAxisFormat == TMyAxisFormat::Log;
    const double rx = dx * (logX ? LogXMax - LogXMin : FXMax - FXMin) / GetPlotWidth();
    const double ry = dy * (logY ? LogYMax - LogYMin : FYMax - FYMin) / GetPlotHeight();
    if (FMouseControl) {
        if (PanMode || StretchMode) {
            // Panning moves both bounds with the drag; stretching moves them apart (or together).
            const double left = PanMode ? -rx : rx;
            const double bottom = PanMode ? ry : -ry;
            SetXYMinMax(Moved(FXMin, left, logX), Moved(FXMax, -rx, logX), Moved(FYMin, bottom, logY),
                        Moved(FYMax, ry, logY));
            if (!FAutoRedraw) {
                DrawAllPlots();
                DrawXAxisLabels();
                DrawYAxisLabels();
            }
        } else if (ZoomMode && ZoomRect) {
            InvertZoomRect();
            *ZoomRect = TRect(std::min(ZoomAnchorX, x), std::min(ZoomAnchorY, y), std::max(ZoomAnchorX, x),
                              std::max(ZoomAnchorY, y));
            InvertZoomRect();
        }
    }
    FMouseX = PlotX(x);
    FMouseY = PlotY(y);
    if (!PanMode && !StretchMode)
        DrawMouseCoord();
}

void LResponsePlot::MouseUp1(TMouseButton button, TShiftState shift, int x, int y)
{
    TPaintBox::MouseUp(button, shift, x, y);
    PanMode = false;
    StretchMode = false;
    if (ZoomMode && ZoomRect) {
        InvertZoomRect();
        const TRect r = *ZoomRect;
        ZoomRect.reset();
        if (FMouseControl && HasPlotArea())
            SetXYMinMax(PlotX(r.Left), PlotX(r.Right), PlotY(r.Bottom), PlotY(r.Top));
    }
    ZoomMode = false;
}

void LResponsePlot::DblClick1()
{
    TPaintBox::DblClick();
    if (!FMouseControl)
        return;
    FindYMaxMin();
    FindXMaxMin();
    DrawPlotsAndLabels();
}

void LResponsePlot::DrawMouseCoord()
{
    if (!FShowCoordinates || !Visible())
        return;
    CoordPage->SetFont(FMouseCoordFont.get());
    CoordPage->Clear(Color());
    TCanvas *c = CoordPage->Canvas();
    const QString xText = QStringLiteral("x = ") + XLabelText(FMouseX);
    const QString yText = QStringLiteral("y = ") + YLabelText(FMouseY);
    c->TextOut(0, 0, xText);
    c->TextOut(0, c->TextHeight(yText) + 3, yText);
    UpdatePaintPage(CoordPage.get());
}
