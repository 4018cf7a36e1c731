#pragma once
// The standard controls' application object (offscreen, 96 DPI) and a white board to draw on
// through a canvas, the way the controls draw.

#include <gtest/gtest.h>

#include <string>

#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/ui/Bitmap.h"
#include "tests/platform/ui/StdTestApp.h"

namespace gdiplustest {

// A white bitmap and a graphics on its canvas.
struct Board {
    TBitmap bmp;
    GpGraphics *g = nullptr;
    Board(int w, int h) : bmp(w, h)
    {
        bmp.Canvas()->Brush()->SetColor(clWhite);
        bmp.Canvas()->FillRect(Rect(0, 0, w, h));
        GdipCreateFromHDC(bmp.Canvas()->Handle(), &g);
    }
    ~Board() { GdipDeleteGraphics(g); }
    QRgb At(int x, int y) const { return bmp.Image().pixel(x, y) | 0xFF000000u; }
    // One row as '#' (black), '.' (white) and '+' (anything between).
    std::string Row(int y) const
    {
        std::string s;
        for (int x = 0; x < bmp.Width(); ++x) {
            const QRgb p = At(x, y);
            s += p == 0xFFFFFFFFu ? '.' : p == 0xFF000000u ? '#' : '+';
        }
        return s;
    }
};

}  // namespace gdiplustest
