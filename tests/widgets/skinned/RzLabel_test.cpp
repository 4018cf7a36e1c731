// The shared blinking list on the manual clock, and the label: sizing, angles, text styles,
// fly-by colours and the condensed caption.

#include "widgets/skinned/RzLabel.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

// A windowless control that only counts the blinking list's questions and news.
class TBlinkProbe : public TGraphicControl {
    T_DECLARE_CLASS(TBlinkProbe, TGraphicControl)

public:
    explicit TBlinkProbe(TComponent *AOwner) : TGraphicControl(AOwner) {}
    int Asked = 0;
    int Told = 0;

protected:
    void CMIsBlinking(TMessage &) { ++Asked; }
    void CMBlinkStateChanged(TMessage &) { ++Told; }
};

T_IMPLEMENT_CLASS(TBlinkProbe)
{
    b.Message(CM_ISBLINKING, &TBlinkProbe::CMIsBlinking);
    b.Message(CM_BLINKSTATECHANGED, &TBlinkProbe::CMBlinkStateChanged);
}

using TCountingLabel = skinnedtest::PaintCounting<TRzLabel>;

namespace {

using skinnedtest::At;

// ---- Blinking ------------------------------------------------------------------------------------

TEST(BlinkingControls, TheSharedTimerDrivesTheBlinkingLabelsOnly)
{
    TManualClockScope clock;
    ASSERT_EQ(BlinkingControls, nullptr) << "no label is left from another test";
    TForm form(nullptr);
    auto *label = new TRzLabel(&form);
    ASSERT_NE(BlinkingControls, nullptr);
    TBlinkProbe probe(nullptr);
    BlinkingControls->Add(&probe);
    label->Font()->SetColor(clRed);
    label->SetBlinkColor(clBlue);
    label->SetBlinkIntervalOn(300);
    label->SetBlinking(true);
    EXPECT_EQ(BlinkingControls->IntervalOn(), 300) << "one value for all labels";

    TManualClock::Advance(499);
    EXPECT_EQ(BlinkingControls->BlinkState(), bsOff);
    TManualClock::Advance(1);
    EXPECT_EQ(BlinkingControls->BlinkState(), bsOn) << "the first tick after IntervalOff";
    EXPECT_EQ(label->CurrentColor(), clRed);
    TManualClock::Advance(500);
    EXPECT_EQ(label->CurrentColor(), clBlue) << "the blink colour while the list is off";
    TManualClock::Advance(299);
    EXPECT_EQ(label->CurrentColor(), clBlue);
    TManualClock::Advance(1);
    EXPECT_EQ(label->CurrentColor(), clRed) << "shown for BlinkIntervalOn";
    EXPECT_EQ(probe.Asked, 3);
    EXPECT_EQ(probe.Told, 0) << "a member that does not blink is only asked";

    label->SetBlinking(false);
    EXPECT_EQ(label->CurrentColor(), clRed);
    BlinkingControls->Remove(&probe);
}

TEST(BlinkingControls, TheLastLabelFreesTheListAndTheNextMakesAFreshOne)
{
    {
        TForm form(nullptr);
        auto *a = new TRzLabel(&form);
        new TRzLabel(&form);
        a->SetBlinkIntervalOff(900);
        delete a;
        ASSERT_NE(BlinkingControls, nullptr);
        EXPECT_EQ(BlinkingControls->Count(), 1);
    }
    EXPECT_EQ(BlinkingControls, nullptr);
    TRzLabel label(nullptr);
    ASSERT_NE(BlinkingControls, nullptr);
    EXPECT_EQ(label.BlinkIntervalOff(), 500);
}

// ---- Label ---------------------------------------------------------------------------------------

constexpr TColor kBack = RGB(10, 60, 90);

// A form in one colour with a label on it.
struct LabelOnForm : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TCountingLabel *label = new TCountingLabel(form);

    LabelOnForm()
    {
        form->SetBounds(0, 0, 300, 200);
        form->SetColor(kBack);
        label->SetParent(form);
        label->SetLeft(20);
        label->SetTop(30);
        label->Font()->SetName("Arial");
        label->Font()->SetHeight(-16);
        label->Font()->SetColor(clWhite);
    }
    ~LabelOnForm() override { delete form; }
    QImage Shot() { return RenderControlImage(form); }
    // The text's size in the label's font.
    TSize TextSize(const QString &text)
    {
        TBitmap b(1, 1);
        b.Canvas()->SetFont(label->Font());
        return b.Canvas()->TextExtent(text);
    }
    std::set<TColor> ColoursIn(const QImage &shot, const TRect &r)
    {
        std::set<TColor> colours;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                colours.insert(At(shot, x, y));
        return colours;
    }
};

TEST_F(LabelOnForm, ATransparentCentredAutoSizeNumberSizesToItsTextAndPaintsOnlyTheText)
{
    label->SetTransparent(true);
    label->SetAlignment(taCenter);
    label->SetCaption("12");
    EXPECT_EQ(TSize(label->Width(), label->Height()), TextSize("12"));
    label->SetTextMargin(2);
    label->SetCaption("13");
    EXPECT_EQ(label->Width(), TextSize("13").cx + 4) << "the margin on both sides";

    const QImage shot = Shot();
    const std::set<TColor> inside = ColoursIn(shot, label->BoundsRect());
    EXPECT_TRUE(inside.count(clWhite)) << "the text in the current colour";
    for (TColor c : inside) {
        const bool between = GetRValue(c) >= 10 && GetGValue(c) >= 60 && GetBValue(c) >= 90;
        EXPECT_TRUE(between) << "only the text over the form's colour: " << std::hex << c;
    }
    EXPECT_EQ(ColoursIn(shot, TRect(20, 30, 22, 32)), std::set<TColor>{kBack});
}

struct AngleCase {
    const char *name;
    int angle;
    int stored;
};

TEST_F(LabelOnForm, AnglesAreStoredWithinOneTurn)
{
    const AngleCase cases[] = {
        {.name = "negative", .angle = -30, .stored = 330},
        {.name = "past a turn", .angle = 400, .stored = 40},
        {.name = "negative past a turn", .angle = -400, .stored = 320},
        {.name = "a whole turn back", .angle = -360, .stored = 0},
    };
    for (const AngleCase &c : cases) {
        label->SetAngle(c.angle);
        EXPECT_EQ(label->Angle(), c.stored) << c.name;
    }
}

TEST_F(LabelOnForm, AnAngleMakesTheLabelFlatAndWritingFlatResetsIt)
{
    label->SetCenterPoint(cpLowerLeft);
    label->SetAngle(45);
    EXPECT_EQ(label->Rotation(), roFlat);
    label->SetRotation(roFlat);
    EXPECT_EQ(label->Angle(), 0);
    EXPECT_EQ(label->CenterPoint(), cpCenter);
    label->SetRotation(roCurve);
    label->SetAngle(30);
    EXPECT_EQ(label->Rotation(), roCurve);
}

TEST_F(LabelOnForm, AutoSizeTurnsWithTheText)
{
    label->SetCaption("Gain");
    const int w = label->Width(), h = label->Height();
    ASSERT_GT(w, h);
    label->SetAngle(90);
    EXPECT_EQ(label->Width(), h);
    EXPECT_EQ(label->Height(), w);
    // The size is measured from the unturned text each time.
    label->SetAngle(120);
    const double a = 120 * std::numbers::pi / 180;
    EXPECT_EQ(label->Width(), std::lround(w * 0.5 + h * std::sin(a)));
    EXPECT_EQ(label->Height(), std::lround(w * std::sin(a) + h * 0.5));
    const QImage shot = Shot();
    EXPECT_TRUE(ColoursIn(shot, label->BoundsRect()).count(clWhite)) << "the turned text is drawn";
}

TEST_F(LabelOnForm, BorderWidthGrowsAnAutoSizeLabelOnAllFourSides)
{
    label->SetCaption("Delay");
    label->SetBorderSides(TSides{sdLeft});
    label->SetBorderWidth(3);
    const TSize text = TextSize("Delay");
    EXPECT_EQ(label->Width(), text.cx + 6);
    EXPECT_EQ(label->Height(), text.cy + 6);
    label->SetBorderOuter(fsFlat);
    EXPECT_EQ(label->Width(), text.cx + 7) << "the outer style only on BorderSides";
    EXPECT_EQ(label->Height(), text.cy + 6);
}

TEST_F(LabelOnForm, AFrameChangeDoesNotRepaintALabelThatDoesNotSizeItself)
{
    label->SetCaption("Out");
    label->SetAutoSize(false);
    form->BackingImage();
    const int paints = label->Paints;
    label->SetBorderOuter(fsGroove);
    form->BackingImage();
    EXPECT_EQ(label->Paints, paints);
    label->SetBorderColor(clRed);
    form->BackingImage();
    EXPECT_EQ(label->Paints, paints + 1);
}

struct StyleCase {
    const char *name;
    TTextStyle style;
    bool light;
    bool enabled;
    bool highlight;  // the highlight copy is drawn
    bool shadow;     // the shadow copy is drawn
    TPoint highlightShift;
};

TEST_F(LabelOnForm, TextStylesDrawTheirCopiesAndADisabledLabelOnlyGreyText)
{
    const StyleCase cases[] = {
        {.name = "raised",
         .style = tsRaised,
         .light = false,
         .enabled = true,
         .highlight = true,
         .shadow = true,
         .highlightShift = {-1, -1}},
        {.name = "raised light",
         .style = tsRaised,
         .light = true,
         .enabled = true,
         .highlight = true,
         .shadow = false,
         .highlightShift = {-1, -1}},
        {.name = "recessed light",
         .style = tsRecessed,
         .light = true,
         .enabled = true,
         .highlight = true,
         .shadow = false,
         .highlightShift = {1, 1}},
        {.name = "raised disabled",
         .style = tsRaised,
         .light = false,
         .enabled = false,
         .highlight = false,
         .shadow = false,
         .highlightShift = {0, 0}},
    };
    label->SetTransparent(true);
    label->SetTextMargin(3);
    label->SetCaption("H");
    label->SetHighlightColor(clYellow);
    label->SetShadowColor(clBlue);
    for (const StyleCase &c : cases) {
        SCOPED_TRACE(c.name);
        label->SetTextStyle(c.style);
        label->SetLightTextStyle(c.light);
        label->SetEnabled(c.enabled);
        const QImage shot = Shot();
        const std::set<TColor> colours = ColoursIn(shot, label->BoundsRect());
        EXPECT_EQ(colours.count(clYellow) > 0, c.highlight);
        EXPECT_EQ(colours.count(clBlue) > 0, c.shadow);
        EXPECT_EQ(colours.count(ColorToRGB(clGrayText)) > 0, !c.enabled);
        if (!c.highlight)
            continue;
        // The face's first pixel in reading order (up-left shift) or its last one (down-right)
        // has the highlight diagonally beside it.
        const TRect r = label->BoundsRect();
        const bool upLeft = c.highlightShift.X < 0;
        TPoint face(-1, -1);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (At(shot, x, y) == clWhite && (face.X < 0 || !upLeft))
                    face = TPoint(x, y);
        ASSERT_GE(face.X, 0);
        EXPECT_EQ(At(shot, face.X + c.highlightShift.X, face.Y + c.highlightShift.Y), clYellow);
    }
}

TEST_F(LabelOnForm, FlyByShowsItsColourAndTurningItOffRestoresTheSavedOne)
{
    form->Show();
    label->SetCaption("Out 1");
    label->Font()->SetColor(clRed);
    label->SetFlyByEnabled(true);
    label->SetFlyByEnabled(false);
    EXPECT_EQ(label->Font()->Color(), clBlack) << "never entered: black";

    label->Font()->SetColor(clRed);
    label->SetFlyByEnabled(true);
    label->SetFlyByColor(clAqua);
    TInputRouter::MouseMove(form, {}, TPoint(25, 35));
    EXPECT_EQ(label->Font()->Color(), clAqua);
    EXPECT_EQ(label->CurrentColor(), clAqua) << "the text is drawn in the fly-by colour";
    TInputRouter::MouseMove(form, {}, TPoint(250, 150));
    EXPECT_EQ(label->Font()->Color(), clRed);
    label->Font()->SetColor(clLime);
    label->SetFlyByEnabled(false);
    EXPECT_EQ(label->Font()->Color(), clRed) << "the colour saved at the last entry";
    TInputRouter::MouseLeft();
}

TEST_F(LabelOnForm, CondensingAtTheEndTurnsAutoSizeOffAndEndsTheCaptionWithDots)
{
    label->SetCaption("Compressor threshold");
    label->SetCondenseCaption(ccAtEnd);
    EXPECT_FALSE(label->AutoSize());
    label->SetWidth(60);
    label->SetTransparent(true);
    const QImage shot = Shot();
    // The same as the text with an ellipsis drawn into the label's rectangle.
    TBitmap expected(60, label->Height());
    TCanvas *c = expected.Canvas();
    c->FillRect(TRect(0, 0, 60, label->Height()), kBack);
    c->SetFont(label->Font());
    c->Brush()->SetStyle(bsClear);
    TRect r(0, 0, 60, label->Height());
    c->DrawText("Compressor threshold", r, DT_END_ELLIPSIS | DT_EXPANDTABS);
    int differing = 0;
    for (int y = 0; y < label->Height(); ++y)
        for (int x = 0; x < 60; ++x)
            differing += At(shot, 20 + x, 30 + y) != At(expected, x, y);
    EXPECT_EQ(differing, 0);
    TRect full(0, 0, 60, 0);
    c->DrawText("Compressor threshold", full, DT_CALCRECT);
    EXPECT_GT(full.Width(), 60) << "the caption needed cutting";
}

}  // namespace
