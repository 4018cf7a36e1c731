// Renders the graphics controls side by side into graphics_gallery.png (in the working folder)
// for a person to look at, and checks that every control left its mark.

#include "widgets/graphics/AdvProgressBar.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"

#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"

#include <vector>

namespace {

TEST(GraphicsGallery, EveryControlPaintsSomething)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 830, 400);
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

    // Track bars: two faders as the main window has them, a horizontal bar with ticks, step
    // buttons and label, and the drawn thumb shapes.
    for (int i = 0; i < 2; ++i) {
        auto *fader = new TAdvTrackBar(&form);
        fader->SetParent(&form);
        fader->SetOrientation(trVertical);
        fader->SetBounds(520 + i * 40, 10, 26, 126);
        fader->SetMin(-280);
        fader->SetMax(120);
        fader->SetPosition(i == 0 ? 0 : -200);
        fader->Slider()->SetSize(3);
        fader->Slider()->SetBorderColor(clMedGray);
        fader->TickMark()->SetStyle(tsNone);
        graphicstest::LoadWidgetPicture(fader->Thumb()->Picture(), "fader_thumb_normal.png");
        fader->SetEnabled(i == 0);
        controls.push_back(fader);
    }
    auto *ticks = new TAdvTrackBar(&form);
    ticks->SetParent(&form);
    ticks->SetBounds(610, 10, 210, 60);
    ticks->SetMax(20);
    ticks->SetPosition(7);
    ticks->Buttons()->SetVisible(true);
    ticks->TickMark()->SetPosition(tmBoth);
    ticks->TrackLabel()->SetVisible(true);
    ticks->Slider()->SetColorCompleted(clSkyBlue);
    controls.push_back(ticks);
    const TThumbShape shapes[] = {tsRectangle, tsRoundRect, tsRound, tsTriangle, tsLine};
    for (int i = 0; i < 5; ++i) {
        auto *bar = new TAdvTrackBar(&form);
        bar->SetParent(&form);
        bar->SetBounds(610, 80 + i * 45, 210, 40);
        bar->Thumb()->SetShape(shapes[i]);
        bar->Thumb()->SetSize(20);
        bar->SetPosition(3 + i);
        controls.push_back(bar);
    }

    // Value boxes as the main window has them, one with an image button.
    const char *texts[] = {"1.00KHz", "-12.5dB", "0.707", "12.60ms"};
    for (int i = 0; i < 4; ++i) {
        auto *box = new TCurvyEdit(&form);
        box->SetParent(&form);
        box->SetBounds(520 + (i % 2) * 75, 150 + (i / 2) * 30, 70, 24);
        box->SetRounding(6);
        box->SetBorderColor(clHighlightText);
        box->SetColor(0xFFFFDF);
        box->SetAlignment(taCenter);
        box->SetReadOnly(i % 2 == 1);
        box->SetText(texts[i]);
        controls.push_back(box);
    }
    auto *withButton = new TCurvyEdit(&form);
    withButton->SetParent(&form);
    withButton->SetBounds(520, 215, 145, 24);
    withButton->SetEmptyText("Name");
    graphicstest::LoadWidgetPicture(withButton->Controls()->Add()->Picture(), "fader_thumb_hot.png");
    controls.push_back(withButton);

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
        EXPECT_GT(marked, 200) << c->ClassName().toStdString() << " at " << c->Left() << "," << c->Top();
    }
}

}  // namespace
