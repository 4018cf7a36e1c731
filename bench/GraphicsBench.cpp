// Speed of the graphics control set's drawing: the rounded frames of a page of value boxes
// through the GDI+ wrapper layer against plain canvas round rectangles, and one draw of a
// JPEG picture, which is decoded on every draw.

#include "GuiBenchMain.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

#include "platform/ui/Bitmap.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/GDIPFill.h"
#include "widgets/graphics/GDIPicture.h"

namespace {

constexpr int Boxes = 64, BoxW = 58, BoxH = 24, Radius = 6;

// Where box i of a page of 8 x 8 lies.
TPoint BoxAt(int i)
{
    return TPoint(4 + (i % 8) * (BoxW + 6), 4 + (i / 8) * (BoxH + 6));
}

TBitmap &Page()
{
    static TBitmap page(8 * (BoxW + 6) + 8, 8 * (BoxH + 6) + 8);
    return page;
}

// The frame of a rounded value box: a flat fill, then a shadow line along the bottom and an arc
// round the bottom-right corner, anti-aliased, one graphics per box as a control's paint makes.
void GdiPlusFrames(benchmark::State &state)
{
    TCanvas *canvas = Page().Canvas();
    for (auto _ : state) {
        for (int i = 0; i < Boxes; ++i) {
            const TPoint p = BoxAt(i);
            TGPGraphics g(canvas->Handle());
            g.SetSmoothingMode(SmoothingModeAntiAlias);
            const TGPRectF r = MakeRect(static_cast<REAL>(p.X), static_cast<REAL>(p.Y), static_cast<REAL>(BoxW),
                                        static_cast<REAL>(BoxH));
            std::unique_ptr<TGPGraphicsPath> path(CreateRoundRectPath(r, Radius, rtBoth));
            TGPSolidBrush brush(ARGBFromColor(clWhite));
            g.FillPath(&brush, path.get());
            TGPPen shadow(ARGBFromAlphaColor(128, clGray), 1);
            g.DrawLine(&shadow, r.X + Radius, r.Y + r.Height, r.X + r.Width - Radius, r.Y + r.Height);
            g.DrawArc(&shadow, r.X + r.Width - 2 * Radius, r.Y + r.Height - 2 * Radius, 2.0f * Radius, 2.0f * Radius, 0,
                      90);
        }
        benchmark::DoNotOptimize(Page().Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * Boxes);
}
BENCHMARK(GdiPlusFrames)->Unit(benchmark::kMicrosecond);

void CanvasRoundRects(benchmark::State &state)
{
    TCanvas *canvas = Page().Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->Pen()->SetColor(clGray);
    for (auto _ : state) {
        for (int i = 0; i < Boxes; ++i) {
            const TPoint p = BoxAt(i);
            canvas->RoundRect(p.X, p.Y, p.X + BoxW, p.Y + BoxH, 2 * Radius, 2 * Radius);
        }
        benchmark::DoNotOptimize(Page().Image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * Boxes);
}
BENCHMARK(CanvasRoundRects)->Unit(benchmark::kMicrosecond);

// A 630 x 100 JPEG like the pictures of the help windows, drawn at its size.
void JpegPictureDraw(benchmark::State &state)
{
    QImage img(630, 100, QImage::Format_RGB32);
    QPainter painter(&img);
    for (int x = 0; x < 630; x += 10)
        painter.fillRect(x, 0, 10, 100, QColor((x * 7) % 256, (x * 3) % 256, 200));
    painter.drawText(20, 50, QStringLiteral("Protocol help"));
    painter.end();
    QImage copy = img;
    QByteArray jpeg;
    {
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        copy.save(&buf, "JPEG", 85);
    }
    TGDIPPicture picture;
    TMemoryStream s(jpeg);
    picture.LoadFromStream(&s);
    TBitmap target(640, 110);
    for (auto _ : state)
        picture.Draw(target.Canvas(), TRect(0, 0, 630, 100));
}
BENCHMARK(JpegPictureDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
