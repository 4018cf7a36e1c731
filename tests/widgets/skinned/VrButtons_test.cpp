// The LED widget set: its drawing routines and settings objects, the update lock of its controls,
// the power button (by code and through the input router, and as the main window's forms set it
// up) and the flat demo button.

#include "widgets/skinned/VrButtons.h"
#include "widgets/skinned/VrDemoButton.h"
#include "widgets/skinned/VrDrawUtils.h"

#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using TCountingPowerButton = skinnedtest::PaintCounting<TVrPowerButton>;
using TCountingDemoButton = skinnedtest::PaintCounting<TVrDemoButton>;

namespace {

using skinnedtest::At;
using Events = std::vector<std::string>;

// ---- Drawing routines and settings objects -----------------------------------------------------

TEST(VrDrawUtils, AFrameOfWidthTwoLeavesTheInteriorAndColoursItsSides)
{
    TBitmap b(10, 10);
    b.Canvas()->FillRect(TRect(0, 0, 10, 10), clWhite);
    TRect r(0, 0, 10, 10);
    DrawFrame3D(b.Canvas(), r, clRed, 2, clBlue);
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
    EXPECT_EQ(At(b, 0, 8), clRed);
    EXPECT_EQ(At(b, 8, 0), clRed);
    EXPECT_EQ(At(b, 9, 0), clBlue) << "the top-right corner belongs to the bottom colour";
    EXPECT_EQ(At(b, 0, 9), clBlue) << "so does the bottom-left one";
    EXPECT_EQ(At(b, 1, 7), clRed);
    EXPECT_EQ(At(b, 1, 8), clBlue);
    EXPECT_EQ(At(b, 2, 2), clWhite);
    TRect none(0, 0, 10, 10);
    DrawFrame3D(b.Canvas(), none, clRed, 0, clBlue);
    EXPECT_EQ(none, TRect(0, 0, 10, 10));
}

TEST(VrClasses, PaletteColoursAndOneChangePerAssign)
{
    TVrPalette palette;
    int changes = 0;
    palette.OnChange = [&](TObject *) { ++changes; };
    for (int index : {-5, -1, 0})
        EXPECT_EQ(palette.GetColor(index), clGreen) << index;
    for (int index : {1, 7})
        EXPECT_EQ(palette.GetColor(index), clLime) << index;
    TVrPalette other;
    other.SetLow(clOlive);
    other.SetHigh(clYellow);
    palette.Assign(&other);
    EXPECT_EQ(changes, 1);
    palette.SetHigh(clYellow);
    EXPECT_EQ(changes, 1) << "an unchanged value";

    // An update collects changes; an unmatched EndUpdate keeps the count at 0 and fires.
    palette.BeginUpdate();
    palette.SetLow(clRed);
    EXPECT_EQ(changes, 1);
    palette.EndUpdate();
    EXPECT_EQ(changes, 2);
    palette.EndUpdate();
    EXPECT_EQ(palette.UpdateCount(), 0);
    EXPECT_EQ(changes, 3);
}

TEST(VrClasses, RecolouringATwoTonePicture)
{
    TVrPalette palette;
    TBitmap b(3, 1);
    b.Canvas()->SetPixel(0, 0, clBlack);
    b.Canvas()->SetPixel(1, 0, clWhite);
    b.Canvas()->SetPixel(2, 0, clRed);
    palette.ToBMP(&b, clBlack, clWhite);
    EXPECT_EQ(At(b, 0, 0), clGreen);
    EXPECT_EQ(At(b, 1, 0), clLime);
    EXPECT_EQ(At(b, 2, 0), clRed);
}

TEST(VrClasses, RaisedTextHasItsShadowBelowRightAndItsHighlightAboveLeft)
{
    // One full-block glyph stands for the text: its copies show as whole shifted blocks.
    TBitmap b(40, 30);
    TCanvas *c = b.Canvas();
    c->FillRect(TRect(0, 0, 40, 30), clWhite);
    c->Font()->SetName("DejaVu Sans");
    c->Font()->SetHeight(-16);
    c->Font()->SetColor(clBlack);
    TVrFont3D font;
    font.SetStyle(f3dRaised);
    font.SetShadowDepth(2);
    font.SetHighlightColor(clYellow);
    font.SetShadowColor(clBlue);
    font.Paint(c, TRect(10, 5, 40, 30), DT_SINGLELINE, QString(QChar(0x2588)));
    EXPECT_EQ(c->Font()->Color(), clBlack) << "the font colour is restored";
    // Find the face's top-left pixel: the highlight lies one pixel up-left of it, the shadow ends
    // two pixels right and down of the face's bottom-right.
    int fx = -1, fy = -1;
    for (int y = 0; y < 30 && fx < 0; ++y)
        for (int x = 0; x < 40 && fx < 0; ++x)
            if (At(b, x, y) == clBlack)
                fx = x, fy = y;
    ASSERT_GE(fx, 1);
    EXPECT_EQ(At(b, fx - 1, fy - 1), clYellow);
    int lx = fx, ly = fy;
    while (At(b, lx + 1, fy) == clBlack)
        ++lx;
    while (At(b, fx, ly + 1) == clBlack)
        ++ly;
    EXPECT_EQ(At(b, lx + 2, ly + 2), clBlue);
    EXPECT_EQ(At(b, lx + 3, ly + 3), clWhite);
}

TEST(VrDrawUtils, ACaptionlessLayoutCentresTheImage)
{
    TBitmap b(1, 1);
    TPoint image;
    TRect text;
    CalcImageTextLayout(b.Canvas(), TRect(10, 20, 110, 60), QString(), 1, -1, 5, TPoint(12, 12), image, text);
    EXPECT_EQ(image, TPoint(10 + 44, 20 + 14));
    CalcImageTextLayout(b.Canvas(), TRect(0, 0, 40, 100), QString(), 3, -1, -1, TPoint(12, 12), image, text);
    EXPECT_EQ(image, TPoint(14, 44));
}

// ---- Update lock --------------------------------------------------------------------------------

TEST(VrCustomControl, AnUnmatchedEndUpdateDoesNotStopLaterRepaints)
{
    TForm form(nullptr);
    auto *button = new TCountingPowerButton(&form);
    button->SetParent(&form);
    form.Show();
    // Painting what is invalid shows whether a change asked for a repaint.
    auto paintsNow = [button] {
        button->BackingImage();
        return button->Paints;
    };
    const int before = paintsNow();
    button->EndUpdate();
    EXPECT_EQ(button->UpdateCount(), 0);
    EXPECT_EQ(paintsNow(), before + 1);
    button->SetActive(true);
    EXPECT_EQ(paintsNow(), before + 2) << "a change after an unmatched EndUpdate repaints";

    button->BeginUpdate();
    button->SetOutlineColor(clRed);
    button->SetActive(false);
    EXPECT_EQ(paintsNow(), before + 2) << "nothing while locked";
    button->EndUpdate();
    EXPECT_EQ(paintsNow(), before + 3) << "one repaint when the update closes";
}

TEST(VrCustomControl, TheHandCursorIsRegisteredAsNumber99)
{
    TVrPowerButton button(nullptr);
    EXPECT_EQ(Screen->CursorShape(crVrHandPoint).shape(), Qt::PointingHandCursor);
}

// ---- Power button --------------------------------------------------------------------------------

// The main window's overlay switch: 47 x 16, no bevel, no outline, olive and yellow on black.
struct PowerButton : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TCountingPowerButton *button = new TCountingPowerButton(form);
    Events log;

    PowerButton()
    {
        form->SetBounds(0, 0, 200, 100);
        button->SetParent(form);
        button->SetBounds(20, 20, 47, 16);
        button->SetBevelWidth(0);
        button->SetOutlineWidth(0);
        button->Palette()->SetLow(clOlive);
        button->Palette()->SetHigh(clYellow);
        button->SetColor(clBlack);
        button->Font()->SetColor(clLime);
        button->SetCaption("Out1");
        button->OnClick = [this](TObject *) { log.push_back(button->Active() ? "click+" : "click-"); };
        button->OnMouseUp = [this](TObject *, TMouseButton, TShiftState, int, int) {
            log.push_back(button->Active() ? "up+" : "up-");
        };
        form->Show();
    }
    ~PowerButton() override { delete form; }
    TPoint Inside() const { return TPoint(30, 25); }
    Events TakeLog() { return std::exchange(log, {}); }
    // The colour of the LED's inside and the rows and columns it takes.
    TColor LedColor() { return At(RenderControlImage(button), button->LedRect().Left + 4, 6); }
};

TEST_F(PowerButton, ActiveWrittenByCodeRepaintsAndFiresNothing)
{
    button->BackingImage();
    const int before = button->Paints;
    button->SetActive(true);
    button->BackingImage();
    EXPECT_EQ(button->Paints, before + 1);
    EXPECT_EQ(LedColor(), ColorToRGB(clYellow));
    button->SetActive(false);
    EXPECT_EQ(LedColor(), ColorToRGB(clOlive));
    EXPECT_EQ(TakeLog(), Events{});
}

TEST_F(PowerButton, AClickTogglesThenMouseUpThenClickSeesTheNewValue)
{
    TInputRouter::Click(form, Inside());
    EXPECT_TRUE(button->Active());
    EXPECT_EQ(TakeLog(), (Events{"up+", "click+"}));
    TInputRouter::Click(form, Inside());
    EXPECT_EQ(TakeLog(), (Events{"up-", "click-"}));
}

TEST_F(PowerButton, LeavingBeforeTheReleaseChangesNothingAndComingBackToggles)
{
    TInputRouter::MouseDown(form, mbLeft, {}, Inside());
    EXPECT_TRUE(button->Pressed());
    TInputRouter::MouseMove(form, {ssLeft}, TPoint(150, 80));
    EXPECT_FALSE(button->Pressed());
    TInputRouter::MouseUp(form, mbLeft, {}, TPoint(150, 80));
    EXPECT_FALSE(button->Active());
    EXPECT_EQ(TakeLog(), Events{"up-"});

    TInputRouter::MouseDown(form, mbLeft, {}, Inside());
    TInputRouter::MouseMove(form, {ssLeft}, TPoint(150, 80));
    TInputRouter::MouseMove(form, {ssLeft}, Inside());
    TInputRouter::MouseUp(form, mbLeft, {}, Inside());
    EXPECT_EQ(TakeLog(), (Events{"up+", "click+"}));
}

TEST_F(PowerButton, SpaceTogglesOnlyWhenItsPressArmedThisButton)
{
    button->SetTabStop(true);
    button->SetFocus();
    TInputRouter::KeyUp(VK_SPACE, {});
    EXPECT_FALSE(button->Active()) << "a release whose press went elsewhere";
    EXPECT_EQ(TakeLog(), Events{});
    TInputRouter::KeyDown(VK_SPACE, {});
    EXPECT_TRUE(button->Pressed());
    TInputRouter::KeyUp(VK_SPACE, {});
    EXPECT_TRUE(button->Active());
    EXPECT_EQ(TakeLog(), Events{"click+"});
}

TEST_F(PowerButton, TheFormsSwitchShowsAnEightByEightLedTwoPixelsFromTheTop)
{
    const TRect led = button->LedRect();
    EXPECT_EQ(led.Top, 2);
    EXPECT_EQ(led.Height(), 12);
    for (const auto &[active, enabled, want] :
         {std::tuple{true, true, RGB(255, 255, 0)}, std::tuple{false, true, RGB(128, 128, 0)},
          std::tuple{true, false, RGB(0, 0, 0)}}) {
        button->SetActive(active);
        button->SetEnabled(enabled);
        const QImage shot = RenderControlImage(button);
        int inside = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = led.Left; x < led.Right; ++x)
                inside += At(shot, x, y) == want;
        // The disabled LED is the control's black: count only inside the LED's frames.
        if (!enabled) {
            inside = 0;
            for (int y = led.Top + 2; y < led.Bottom - 2; ++y)
                for (int x = led.Left + 2; x < led.Right - 2; ++x)
                    inside += At(shot, x, y) == want;
        }
        EXPECT_EQ(inside, 64) << active << enabled;
        EXPECT_EQ(At(shot, led.Left + 2, 4), want);
        EXPECT_EQ(At(shot, led.Left + 9, 11), want);
        EXPECT_EQ(At(shot, led.Left + 1, 3), clBlack) << "the black frame";
        EXPECT_EQ(At(shot, led.Left, 2), ColorToRGB(clBtnShadow)) << "the sunken frame";
    }
    // LED, 5 pixels and the caption are centred as a group.
    const TRect text = button->CaptionRect();
    EXPECT_EQ(text.Left - led.Right, 5);
    EXPECT_LE(std::abs(led.Left - (47 - text.Right)), 1);
}

TEST_F(PowerButton, BevelWidthMovesTheLedOnlyAtTheNextLayout)
{
    const TRect before = button->LedRect();
    button->SetBevelWidth(4);
    EXPECT_EQ(button->LedRect(), before);
    button->SetCaption("Out2");
    EXPECT_NE(button->LedRect(), before);
}

// ---- Demo button ---------------------------------------------------------------------------------

struct DemoButton : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TCountingDemoButton *button = new TCountingDemoButton(form);
    Events log;

    DemoButton()
    {
        form->SetBounds(0, 0, 200, 100);
        button->SetParent(form);
        button->SetBounds(20, 20, 65, 17);
        button->SetColor(clBlack);
        button->SetBevelWidth(1);
        button->FontEnter()->SetColor(0x00DD00);
        button->FontLeave()->SetColor(clActiveBorder);
        button->SetCaption("EQ");
        button->OnClick = [this](TObject *) { log.push_back("click"); };
        button->OnMouseUp = [this](TObject *, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
        form->Show();
    }
    ~DemoButton() override { delete form; }
    Events TakeLog() { return std::exchange(log, {}); }
    int Count(TColor color)
    {
        const QImage shot = RenderControlImage(button);
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += At(shot, x, y) == ColorToRGB(color);
        return n;
    }
};

TEST_F(DemoButton, OnClickComesBeforeOnMouseUp)
{
    TInputRouter::Click(form, TPoint(30, 25));
    EXPECT_EQ(TakeLog(), (Events{"click", "up"}));
    button->SetTabStop(true);
    button->SetFocus();
    TInputRouter::KeyDown(VK_SPACE, {});
    EXPECT_TRUE(button->Down());
    TInputRouter::KeyUp(VK_SPACE, {});
    EXPECT_EQ(TakeLog(), Events{"click"});
}

TEST_F(DemoButton, APressEndingOutsideFiresNothingAndDoesNotRepaintAtTheRelease)
{
    TInputRouter::MouseDown(form, mbLeft, {}, TPoint(30, 25));
    EXPECT_TRUE(button->Down());
    TInputRouter::MouseMove(form, {ssLeft}, TPoint(150, 80));
    EXPECT_FALSE(button->Down());
    button->BackingImage();
    const int paints = button->Paints;
    TInputRouter::MouseUp(form, mbLeft, {}, TPoint(150, 80));
    button->BackingImage();
    EXPECT_EQ(button->Paints, paints);
    EXPECT_EQ(TakeLog(), Events{"up"});
}

TEST_F(DemoButton, TheCaptionTakesFontEntersColourUnderThePointer)
{
    EXPECT_EQ(Count(0x00DD00), 0);
    EXPECT_GT(Count(clActiveBorder), 10);
    TInputRouter::MouseMove(form, {}, TPoint(30, 25));
    EXPECT_TRUE(button->HasMouse());
    EXPECT_GT(Count(0x00DD00), 10);
    EXPECT_EQ(Count(clActiveBorder), 0);
    TInputRouter::MouseMove(form, {}, TPoint(150, 80));
    EXPECT_EQ(Count(0x00DD00), 0);
    button->SetEnabled(false);
    EXPECT_GT(Count(clInactiveCaption), 10) << "disabled, in DisabledTextColor";
}

}  // namespace
