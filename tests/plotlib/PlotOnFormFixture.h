#pragma once
// An XY plot on a shown form, for tests that paint it and drive it through the framework's mouse
// input: X and Y axes 0 to 100, the manual clock for the plot's timers, and a bitmap the size of
// the plot to paint on.

#include "platform/runtime/TimerService.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "plotlib/plot/iXYPlot.h"

#include <gtest/gtest.h>

struct PlotOnFormFixture : ::testing::Test {
    TManualClockScope clock;
    TForm *form = new TForm(nullptr);
    TiXYPlot *plot = new TiXYPlot(form);
    TBitmap bitmap{500, 300};

    PlotOnFormFixture()
    {
        form->SetBounds(0, 0, 600, 300);
        plot->SetParent(form);
        plot->SetBounds(0, 0, 500, 300);
        form->Show();
        plot->GetXAxis(0)->SetMinSpan(0, 100);
        plot->GetYAxis(0)->SetMinSpan(0, 100);
    }
    ~PlotOnFormFixture() override
    {
        TInputRouter::MouseLeft();
        delete form;
    }
    // The whole plot onto the fixture's bitmap.
    const QImage &Paint()
    {
        plot->DrawToCanvas(bitmap.Canvas());
        return bitmap.Image();
    }
    // The bitmap filled black, for an object drawn straight onto it.
    TCanvas *BlackCanvas()
    {
        bitmap.Canvas()->Brush()->SetStyle(bsSolid);
        bitmap.Canvas()->Brush()->SetColor(clBlack);
        bitmap.Canvas()->FillRect(TRect(0, 0, bitmap.Width(), bitmap.Height()));
        return bitmap.Canvas();
    }
    // Pixels of axis values.
    int X(double Value) const { return plot->GetXAxis(0)->PositionToPixels(Value); }
    int Y(double Value) const { return plot->GetYAxis(0)->PositionToPixels(Value); }
    // A press, a move by Offset and the release there.
    void Drag(TPoint From, TPoint Offset)
    {
        TInputRouter::MouseDown(form, mbLeft, {}, From);
        TInputRouter::MouseMove(form, {ssLeft}, From + Offset);
        TInputRouter::MouseUp(form, mbLeft, {}, From + Offset);
    }
};
