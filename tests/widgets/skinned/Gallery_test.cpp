// Renders the skinned controls side by side into skinned_gallery.png (in the working folder) for
// a person to look at, and checks that every control left its mark.

#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"
#include "widgets/skinned/RzPanel.h"

#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using skinnedtest::WidgetPicture;

TEST(SkinnedGallery, EveryControlPaintsSomething)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 560, 330);
    auto *image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 560, 330);
    TBitmap *b = image->Picture()->Bitmap();
    b->SetSize(560, 330);
    FillGradient(b->Canvas(), TRect(0, 0, 560, 330), gdDiagonalDown, RGB(40, 60, 90), RGB(120, 150, 180));

    const TRzGroupBoxStyle styles[] = {gsStandard, gsFlat, gsTopLine, gsBanner, gsUnderline, gsCustom};
    const char *names[] = {"Standard", "Flat", "Top line", "Banner", "Underline", "Custom"};
    std::vector<TControl *> controls;
    for (int i = 0; i < 6; ++i) {
        auto *box = new TRzGroupBox(&form);
        box->SetParent(&form);
        box->SetBounds(10 + (i % 3) * 180, 10 + (i / 3) * 90, 170, 80);
        box->SetGroupStyle(styles[i]);
        box->SetCaption(names[i]);
        box->SetTransparent(i >= 4);
        controls.push_back(box);
    }
    auto *raised = new TRzPanel(&form);
    raised->SetParent(&form);
    raised->SetBounds(10, 190, 170, 60);
    raised->SetBorderInner(fsLowered);
    raised->SetBorderWidth(2);
    raised->SetShowGrid(true);
    raised->SetCaption("Raised, lowered, grid");
    auto *gradient = new TRzPanel(&form);
    gradient->SetParent(&form);
    gradient->SetBounds(190, 190, 170, 60);
    gradient->SetBorderOuter(fsFlatRounded);
    gradient->SetVisualStyle(vsGradient);
    gradient->SetGradientDirection(gdSquareBox);
    gradient->SetCaption("Square box gradient");
    controls.push_back(raised);
    controls.push_back(gradient);

    auto *strip = new TRzGroupBox(&form);
    strip->SetParent(&form);
    strip->SetBounds(370, 190, 180, 130);
    strip->SetGroupStyle(gsCustom);
    strip->SetTransparent(true);
    const char *states[] = {"up", "down", "hot", "staydown", "disabled"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new TRzBmpButton(&form);
        button->SetParent(strip);
        button->SetButtonSize(bszStretchToButton);
        button->SetBounds(5 + (i % 2) * 88, 5 + (i / 2) * 40, 80, 30);
        button->Bitmaps()->SetTransparentColor(i < 2 ? clTeal : clOlive);
        const std::string set = i < 2 ? "teal" : "olive";
        button->Bitmaps()->SetUp(WidgetPicture(("button_" + set + "_" + states[i == 3 ? 4 : i % 2 ? 3 : 0] + ".bmp").c_str()).get());
        button->SetCaption(i == 3 ? "Off" : "Mute");
        button->SetLayout(blGlyphTop);
        button->SetMargin(i == 0 ? 8 : -1);
        if (i == 3)
            button->SetEnabled(false);
        controls.push_back(button);
    }
    auto *plain = new TRzBmpButton(&form);
    plain->SetParent(strip);
    plain->SetBounds(5, 90, 80, 30);
    plain->SetButtonBorder(bbButton);
    plain->SetCaption("Border");
    controls.push_back(plain);

    const QImage shot = RenderControlImage(&form);
    shot.save("skinned_gallery.png");
    for (TControl *c : controls) {
        const QPoint at = QPoint(c->Left(), c->Top()) +
                          (c->Parent() != &form ? QPoint(c->Parent()->Left(), c->Parent()->Top()) : QPoint());
        std::set<QRgb> colours;
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x)
                colours.insert(shot.pixel(at.x() + x, at.y() + y));
        EXPECT_GT(colours.size(), 2u) << c->Name().toStdString() << " at " << at.x() << "," << at.y();
    }
}

}  // namespace
