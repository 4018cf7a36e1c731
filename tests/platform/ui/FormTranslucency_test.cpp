// Forms that are translucent, shaped or never activated: alpha blending, layered windows showing
// their own pixels, window regions, and windows that leave the active form alone.

#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Region.h"
#include "platform/ui/Screen.h"

#include "StdTestApp.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(FormTranslucency, AlphaBlendAndLayeredOpacityReachTheWindow)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.Show();
    EXPECT_DOUBLE_EQ(form.Window()->windowOpacity(), 1.0);
    form.SetAlphaBlendValue(51);
    EXPECT_DOUBLE_EQ(form.Window()->windowOpacity(), 1.0);  // only with AlphaBlend on
    form.SetAlphaBlend(true);
    EXPECT_NEAR(form.Window()->windowOpacity(), 0.2, 0.01);

    TForm layered(nullptr);
    layered.SetBorderStyle(bsNone);
    layered.SetLayered(true);
    layered.SetBounds(0, 0, 40, 30);
    layered.Show();
    EXPECT_TRUE(layered.Window()->testAttribute(Qt::WA_TranslucentBackground));
    QImage pixels(40, 30, QImage::Format_ARGB32);
    pixels.fill(qRgba(255, 0, 0, 128));
    layered.UpdateLayered(pixels, 102);
    EXPECT_NEAR(layered.Window()->windowOpacity(), 0.4, 0.01);
    EXPECT_EQ(layered.LayeredPixels(), pixels);
    // What the window shows: its pixels, alpha and all.
    QImage shown(40, 30, QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    layered.WidgetIfCreated()->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(qAlpha(shown.pixel(10, 10)), 128);
    EXPECT_EQ(qRed(shown.pixel(10, 10)), 255);
}

TEST(FormTranslucency, ARegionShapesTheTopLevelWindow)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 100, 80);
    form.Show();
    const TRegion round = TRegion::RoundRect(TRect(0, 0, 100, 80), 20, 20);
    form.SetWindowRegion(&round);
    EXPECT_FALSE(form.Window()->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(form.Window()->mask().contains(QPoint(50, 40)));
    form.SetWindowRegion(nullptr);
    EXPECT_TRUE(form.Window()->mask().isEmpty());
}

TEST(FormTranslucency, ANeverActivatedFormLeavesTheActiveFormAlone)
{
    TForm main(nullptr);
    main.Show();
    ASSERT_EQ(Screen->ActiveCustomForm(), &main);
    TForm splash(nullptr);
    splash.SetNoActivate(true);
    splash.SetBounds(10, 10, 100, 100);
    splash.Show();
    EXPECT_EQ(Screen->ActiveCustomForm(), &main);
    EXPECT_TRUE(splash.Window()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    TInputRouter::Click(&splash, TPoint(20, 20));
    EXPECT_EQ(Screen->ActiveCustomForm(), &main);
    EXPECT_FALSE(splash.Active());
}

}  // namespace
