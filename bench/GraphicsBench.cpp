// Speed of the graphics control set's drawing: the rounded frames of a page of value boxes
// through the GDI+ wrapper layer against plain canvas round rectangles, one draw of a JPEG
// picture (decoded on every draw), and the faders:
//  - dragging a main-window fader (26 x 126, transparent over a panel's picture, 16 x 29 thumb
//    picture) through 200 positions: the repaint each step causes, against a full repaint of the
//    same fader per step, in the same run (FaderDragStep / FaderFullRepaint);
//  - a full repaint of a page of 64 faders with 64 value boxes under them, against the same layout
//    of the framework's native track bars and edits (FaderPage / NativePage).

#include "GuiBenchMain.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

#include "platform/runtime/Streams.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TrackBar.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
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

// ---- Faders --------------------------------------------------------------------------------------------

void LoadPicture(TGraphic *picture, const char *name)
{
    QFile file(QStringLiteral(TROV_SOURCE_ROOT "/resources/images/widgets/") + name);
    file.open(QIODevice::ReadOnly);
    TMemoryStream s(file.readAll());
    picture->LoadFromStream(&s);
}

// A main-window fader on a panel whose picture lies under it.
TAdvTrackBar *MakeFader(TWinControl *parent, TComponent *owner, int left, int top)
{
    auto *fader = new TAdvTrackBar(owner);
    fader->SetParent(parent);
    fader->SetOrientation(trVertical);
    fader->SetBounds(left, top, 26, 126);
    fader->SetMin(-280);
    fader->SetMax(120);
    fader->SetPageSize(6);
    fader->Slider()->SetSize(3);
    fader->Slider()->SetBorderColor(clMedGray);
    fader->TickMark()->SetStyle(tsNone);
    fader->SetShowFocus(true);
    LoadPicture(fader->Thumb()->Picture(), "fader_thumb_normal.png");
    LoadPicture(fader->Thumb()->PictureHot(), "fader_thumb_hot.png");
    LoadPicture(fader->Thumb()->PictureDown(), "fader_thumb_down.png");
    return fader;
}

// A panel with a striped picture, sized for `width` x `height`.
TPanel *PicturePanel(TForm *form, int width, int height)
{
    auto *panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, width, height);
    auto *image = new TImage(form);
    image->SetParent(panel);
    image->SetBounds(0, 0, width, height);
    TBitmap *b = image->Picture()->Bitmap();
    b->SetSize(width, height);
    for (int x = 0; x < width; x += 4)
        b->Canvas()->FillRect(TRect(x, 0, x + 2, height), RGB(40 + x % 160, 60, 120));
    return panel;
}

struct FaderScene {
    TForm form{nullptr};
    TAdvTrackBar *fader;
    FaderScene()
    {
        form.SetBounds(0, 0, 100, 200);
        TPanel *panel = PicturePanel(&form, 100, 200);
        fader = MakeFader(panel, &form, 20, 20);
        fader->BackingImage();
    }
};

constexpr int DragSteps = 200;

// One drag step: the position moves one unit (the thumb a fraction of a pixel to a pixel) and
// the fader paints what that invalidated.
void FaderDragStep(benchmark::State &state)
{
    FaderScene scene;
    int step = 0;
    for (auto _ : state) {
        scene.fader->SetPosition(-280 + 2 * (step++ % DragSteps));
        benchmark::DoNotOptimize(scene.fader->BackingImage().constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FaderDragStep)->Unit(benchmark::kMicrosecond);

// The same steps with the whole fader painted each time.
void FaderFullRepaint(benchmark::State &state)
{
    FaderScene scene;
    int step = 0;
    for (auto _ : state) {
        scene.fader->SetPosition(-280 + 2 * (step++ % DragSteps));
        scene.fader->Invalidate();
        benchmark::DoNotOptimize(scene.fader->BackingImage().constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FaderFullRepaint)->Unit(benchmark::kMicrosecond);

// A page of 8 x 8 cells, each a fader (26 x 126) with a value box (58 x 24) under it, over one
// panel's picture; `native` puts the framework's track bar and edit in their places.
struct FaderPage {
    static constexpr int CellW = 70, CellH = 160;
    TForm form{nullptr};
    explicit FaderPage(bool native)
    {
        form.SetBounds(0, 0, 8 * CellW, 8 * CellH);
        TPanel *panel = PicturePanel(&form, 8 * CellW, 8 * CellH);
        for (int i = 0; i < 64; ++i) {
            const int x = (i % 8) * CellW, y = (i / 8) * CellH;
            if (native) {
                auto *bar = new TTrackBar(&form);
                bar->SetParent(panel);
                bar->SetOrientation(trVertical);
                bar->SetBounds(x + 22, y + 4, 26, 126);
                bar->SetMin(-280);
                bar->SetMax(120);
                auto *edit = new TEdit(&form);
                edit->SetParent(panel);
                edit->SetBounds(x + 6, y + 132, 58, 24);
                edit->SetText(QStringLiteral("-12.5dB"));
            } else {
                MakeFader(panel, &form, x + 22, y + 4);
                auto *box = new TCurvyEdit(&form);
                box->SetParent(panel);
                box->SetBounds(x + 6, y + 132, 58, 24);
                box->SetRounding(6);
                box->SetBorderColor(clHighlightText);
                box->SetColor(0xFFFFDF);
                box->SetAlignment(taCenter);
                box->SetText(QStringLiteral("-12.5dB"));
            }
        }
        form.Show();
        RenderControlImage(&form);
    }
};

void PageRepaint(benchmark::State &state, bool native)
{
    FaderPage page(native);
    TBitmap target(page.form.Width(), page.form.Height());
    for (auto _ : state) {
        page.form.PaintTo(target.Canvas(), 0, 0);
        benchmark::DoNotOptimize(target.Image().constBits());
    }
}

void FaderPageRepaint(benchmark::State &state)
{
    PageRepaint(state, false);
}
BENCHMARK(FaderPageRepaint)->Unit(benchmark::kMillisecond);

void NativePageRepaint(benchmark::State &state)
{
    PageRepaint(state, true);
}
BENCHMARK(NativePageRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
