// Renders the skinned controls side by side into skinned_gallery.png (in the working folder) for
// a person to look at, and checks that every control left its mark.

#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/RzGroupBox.h"
#include "widgets/skinned/RzLabel.h"
#include "widgets/skinned/RzPanel.h"
#include "widgets/skinned/RzPanelDockManager.h"
#include "widgets/skinned/RzShapeButton.h"
#include "widgets/skinned/VrButtons.h"
#include "widgets/skinned/VrDemoButton.h"

#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Edit.h"
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

// Every pixel of each control was painted by it: more than two colours in its rectangle.
void ExpectPainted(const QImage &shot, const std::vector<TControl *> &controls)
{
    for (TControl *c : controls) {
        TPoint at(c->Left(), c->Top());
        for (TWinControl *p = c->Parent(); p && p->Parent(); p = p->Parent())
            at = at + TPoint(p->Left(), p->Top());
        std::set<QRgb> colours;
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x)
                colours.insert(shot.pixel(at.X + x, at.Y + y));
        EXPECT_GE(colours.size(), 2u) << c->Name().toStdString() << " at " << at.X << "," << at.Y;
    }
}

TEST(SkinnedGallery, LedButtonsLabelsCombosPushShapedButtonsAndDockGrabbers)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 640, 420);
    std::vector<TControl *> controls;
    auto place = [&](TControl *c, TWinControl *parent, int x, int y, int w, int h) {
        c->SetParent(parent);
        c->SetBounds(x, y, w, h);
        controls.push_back(c);
    };

    // LED switches on a black strip, as the plots carry them, and the EQ buttons.
    auto *strip = new TRzPanel(&form);
    strip->SetBorderOuter(fsNone);
    strip->SetColor(clBlack);
    strip->SetBounds(10, 10, 300, 60);
    strip->SetParent(&form);
    const TColor channel[] = {clRed, clLime, clAqua, clYellow};
    for (int i = 0; i < 4; ++i) {
        auto *led = new TVrPowerButton(&form);
        led->SetBevelWidth(0);
        led->SetOutlineWidth(0);
        led->Palette()->SetLow(clOlive);
        led->Palette()->SetHigh(clYellow);
        led->SetColor(clBlack);
        led->Font()->SetColor(channel[i]);
        led->SetCaption(QStringLiteral("Out%1").arg(i + 1));
        place(led, strip, 5 + i * 52, 5, 47, 16);
        led->SetActive(i % 2 == 0);
        led->SetEnabled(i != 3);
    }
    for (int i = 0; i < 2; ++i) {
        auto *demo = new TVrDemoButton(&form);
        demo->SetColor(clBlack);
        demo->SetBevelWidth(1);
        demo->FontEnter()->SetColor(0x00DD00);
        demo->FontLeave()->SetColor(clActiveBorder);
        demo->FontLeave()->SetSize(9);
        demo->FontEnter()->SetSize(9);
        demo->SetCaption(i == 0 ? "EQ Reset" : "EQ Bypass");
        place(demo, strip, 5 + i * 75, 32, 65, 17);
    }
    auto *big = new TVrPowerButton(&form);
    big->SetCaption("Show all");
    place(big, &form, 320, 10, 125, 25);
    big->SetActive(true);

    // Labels: plain, framed, raised, shadowed, turned, bent, condensed.
    struct LabelLook {
        const char *caption;
        TTextStyle style;
        int angle;
        TRotation rotation;
    };
    const LabelLook looks[] = {{"Plain 12", tsNormal, 0, roNone},   {"Raised", tsRaised, 0, roNone},
                               {"Recessed", tsRecessed, 0, roNone}, {"Shadow", tsShadow, 0, roNone},
                               {"Turned", tsNormal, 90, roFlat},    {"Slanted", tsNormal, 30, roFlat}};
    for (int i = 0; i < 6; ++i) {
        auto *label = new TRzLabel(&form);
        label->Font()->SetName("Arial");
        label->Font()->SetHeight(-16);
        label->SetTextStyle(looks[i].style);
        if (i == 0)
            label->SetTextMargin(3);
        label->SetCaption(looks[i].caption);
        label->SetAngle(looks[i].angle);
        label->SetColor(RGB(230, 230, 210));
        label->SetParentColor(false);
        if (i == 0) {
            label->SetBorderOuter(fsFlatRounded);
            label->SetBorderWidth(2);
        }
        place(label, &form, 10 + i * 75, 80, label->Width(), label->Height());
    }
    auto *curve = new TRzLabel(&form);
    curve->SetAutoSize(false);
    curve->SetRotation(roCurve);
    curve->SetAngle(60);
    curve->Font()->SetName("Arial");
    curve->SetCaption("Curved text");
    place(curve, &form, 460, 60, 120, 100);
    auto *condensed = new TRzLabel(&form);
    condensed->SetCondenseCaption(ccAtEnd);
    condensed->SetCaption("A caption much too long");
    place(condensed, &form, 460, 170, 90, 17);

    // Combo boxes: the slope list with its flat button, a list-style band type box, a framed one.
    auto *slopes = new TRzComboBox(&form);
    slopes->Items()->SetText("BW -6\nBL -6\nLK -48");
    slopes->SetColor(0xFFFFDF);
    slopes->SetFlatButtons(true);
    slopes->Font()->SetName("Arial");
    slopes->Font()->SetHeight(-11);
    place(slopes, &form, 10, 170, 90, 21);
    slopes->SetText("LK -48");
    auto *types = new TRzComboBox(&form);
    types->SetStyle(csDropDownList);
    types->Items()->SetText("Peak\nLow Shelf");
    types->SetItemIndex(1);
    place(types, &form, 110, 170, 100, 21);
    auto *framed = new TRzComboBox(&form);
    framed->SetFrameVisible(true);
    framed->SetFlatButtons(true);
    framed->Items()->SetText("Framed");
    framed->SetItemIndex(0);
    place(framed, &form, 220, 170, 100, 21);

    // Push buttons: classic, coloured as the band table's bypass, hot-track, latched.
    auto *classic = new TRzButton(&form);
    classic->SetCaption("OK");
    classic->SetDefault(true);
    place(classic, &form, 10, 210, 75, 25);
    auto *bypass = new TRzButton(&form);
    bypass->SetThemeAware(false);
    bypass->SetColor(0x8080FF);
    bypass->SetCaption("Bypass");
    place(bypass, &form, 95, 210, 75, 25);
    auto *hot = new TRzButton(&form);
    hot->SetHotTrack(true);
    hot->SetCaption("Hot");
    place(hot, &form, 180, 210, 75, 25);
    auto *latched = new TRzButton(&form);
    latched->SetGroupIndex(1);
    latched->SetDown(true);
    latched->SetCaption("Latched");
    latched->SetTextStyle(tsRaised);
    place(latched, &form, 265, 210, 75, 25);

    // Shaped buttons from the images tool: bevelled, flat with a placed caption, disabled.
    const char *shapes[] = {"shape_capsule.bmp", "shape_arrow.bmp", "shape_capsule.bmp"};
    for (int i = 0; i < 3; ++i) {
        auto *shape = new TRzShapeButton(&form);
        shape->SetBitmap(WidgetPicture(shapes[i]).get());
        shape->SetCaption(i == 1 ? "Next" : "Lock");
        shape->Font()->SetColor(i == 2 ? clBlack : clWhite);
        if (i == 2) {
            shape->SetBevelWidth(0);
            shape->SetBorderStyle(bsNone);
            shape->SetCaptionXY(18, 4);
            shape->SetEnabled(false);
        }
        place(shape, &form, 10 + i * 130, 250, 0, 0);
    }

    // Dock sites: one left-aligned inside a holder, one top-aligned.
    auto *holder = new TPanel(&form);
    holder->SetParent(&form);
    holder->SetBounds(10, 300, 620, 110);
    auto *left = new TRzPanel(&form);
    left->SetParent(holder);
    left->SetAlign(alLeft);
    left->SetWidth(200);
    left->DockSite = true;
    auto *top = new TRzPanel(&form);
    top->SetParent(holder);
    top->SetAlign(alTop);
    top->SetHeight(60);
    top->DockSite = true;
    auto *meters = new TEdit(&form);
    meters->SetCaption("Meters");
    left->DockManager()->InsertControl(meters, TRect(4, 4, 196, 60));
    auto *presets = new TEdit(&form);
    presets->SetCaption("Presets");
    top->DockManager()->InsertControl(presets, TRect(4, 4, 300, 50));
    controls.push_back(left);
    controls.push_back(top);

    form.Show();
    TInputRouter::MouseMove(&form, {}, TPoint(20, 45));  // the pointer over the first EQ button
    const QImage shot = RenderControlImage(&form);
    shot.save("skinned_gallery_2.png");
    ExpectPainted(shot, controls);
    TInputRouter::MouseLeft();
}

}  // namespace
