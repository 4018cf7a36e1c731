// Renders the graphics controls side by side into graphics_gallery.png (in the working folder)
// for a person to look at, and checks that every control left its mark.

#include "widgets/graphics/AdvProgressBar.h"

#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"

#include <vector>

namespace {

TEST(GraphicsGallery, EveryControlPaintsSomething)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 640, 420);
    form.SetColor(clBtnFace);
    std::vector<TControl *> controls;

    // Progress bars: the progress window's at each level, stacked and smooth; vertical; infinite.
    struct BarCase {
        int position = 0;
        bool stacked = false, smooth = false;
    } bars[] = {
        {.position = 50},
        {.position = 75},
        {.position = 95},
        {.position = 100},
        {.position = 95, .stacked = true},
        {.position = 62, .smooth = true},
    };
    int top = 10;
    for (const BarCase &c : bars) {
        auto *bar = new TAdvProgressBar(&form);
        bar->SetParent(&form);
        bar->SetBounds(10, top, 431, 41);
        bar->FontPercentage()->SetHeight(-13);
        bar->SetStacked(c.stacked);
        bar->SetCompletionSmooth(c.smooth);
        bar->SetPosition(c.position);
        controls.push_back(bar);
        top += 50;
    }
    auto *vertical = new TAdvProgressBar(&form);
    vertical->SetParent(&form);
    vertical->SetBounds(460, 10, 41, 290);
    vertical->SetOrientation(goVertical);
    vertical->SetPosition(80);
    controls.push_back(vertical);
    auto *infinite = new TAdvProgressBar(&form);
    infinite->SetParent(&form);
    infinite->SetBounds(10, top, 431, 20);
    infinite->SetInfinite(true);
    infinite->SetShowPosition(false);
    controls.push_back(infinite);

    form.Show();
    const QImage shot = RenderControlImage(&form);
    ASSERT_FALSE(shot.isNull());
    shot.save(QStringLiteral("graphics_gallery.png"), "PNG");
    const TColor face = ColorToRGB(clBtnFace);
    for (TControl *c : controls) {
        int marked = 0;
        for (int y = c->Top(); y < c->Top() + c->Height(); ++y)
            for (int x = c->Left(); x < c->Left() + c->Width(); ++x)
                marked += graphicstest::At(shot, x, y) != face;
        EXPECT_GT(marked, c->Width() * c->Height() / 4)
            << c->ClassName().toStdString() << " at " << c->Left() << "," << c->Top();
    }
}

}  // namespace
