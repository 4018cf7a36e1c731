// The push button (pressing, keys, the active button, groups, the classic face in its colour) and
// the shaped button (its bevelled pictures, precise clicks and hints, caption place, form data).

#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzShapeButton.h"

#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/PaintBox.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using skinnedtest::At;
using skinnedtest::WidgetPicture;
using Events = std::vector<std::string>;

// ---- Push button ---------------------------------------------------------------------------------

// Two push buttons and an edit on a form, logging clicks.
struct PushButtons : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TRzButton *ok = Button("ok", 10);
    TRzButton *cancel = Button("cancel", 100);
    TEdit *edit = new TEdit(form);
    Events log;

    TRzButton *Button(const char *name, int left)
    {
        auto *b = new TRzButton(form);
        b->SetName(name);
        b->SetParent(form);
        b->SetBounds(left, 10, 75, 25);
        b->SetCaption(name);
        b->OnClick = [this, b](TObject *) { log.push_back(b->Name().toStdString() + (b->Down() ? "+" : "")); };
        return b;
    }
    PushButtons()
    {
        form->SetBounds(0, 0, 300, 120);
        edit->SetParent(form);
        edit->SetBounds(10, 60, 100, 22);
        ok->SetDefault(true);
        cancel->SetCancel(true);
        form->Show();
        edit->SetFocus();
    }
    ~PushButtons() override { delete form; }
    Events TakeLog() { return std::exchange(log, {}); }
};

TEST_F(PushButtons, AReleaseOnTheBottomEdgeRowStaysPressedButDoesNotClick)
{
    TInputRouter::MouseDown(form, mbLeft, {}, TPoint(20, 20));
    EXPECT_TRUE(ok->Focused());
    EXPECT_TRUE(ok->ShowDownVersion());
    TInputRouter::MouseMove(form, {ssLeft}, TPoint(20, 10 + 25));
    EXPECT_TRUE(ok->ShowDownVersion()) << "the row below the button still shows the press";
    TInputRouter::MouseMove(form, {ssLeft}, TPoint(10 + 75, 20));
    EXPECT_FALSE(ok->ShowDownVersion()) << "the column right of it does not";
    TInputRouter::MouseMove(form, {ssLeft}, TPoint(20, 10 + 25));
    TInputRouter::MouseUp(form, mbLeft, {}, TPoint(20, 10 + 25));
    EXPECT_FALSE(ok->ShowDownVersion());
    EXPECT_EQ(TakeLog(), Events{});
    TInputRouter::Click(form, TPoint(20, 10 + 24));
    EXPECT_EQ(TakeLog(), Events{"ok"});
}

TEST_F(PushButtons, EscClicksTheCancelButtonOnlyWithoutModifiers)
{
    for (TShiftState shift : {TShiftState{ssShift}, TShiftState{ssCtrl}, TShiftState{ssAlt}}) {
        TInputRouter::KeyDown(VK_ESCAPE, shift);
        TInputRouter::KeyUp(VK_ESCAPE, shift);
    }
    EXPECT_EQ(TakeLog(), Events{});
    TInputRouter::Key(VK_ESCAPE);
    EXPECT_EQ(TakeLog(), Events{"cancel"});
}

TEST_F(PushButtons, EnterClicksTheFocusedPushButtonElseTheDefaultOne)
{
    EXPECT_TRUE(ok->IsActive());
    TInputRouter::Key(VK_RETURN);
    EXPECT_EQ(TakeLog(), Events{"ok"});
    cancel->SetFocus();
    EXPECT_FALSE(ok->IsActive());
    TInputRouter::Key(VK_RETURN);
    EXPECT_EQ(TakeLog(), Events{"cancel"});
    edit->SetFocus();
    EXPECT_TRUE(ok->IsActive());
    EXPECT_FALSE(cancel->IsActive());
}

// The framework's own push button and this one follow one rule, whichever comes first on the form.
TEST_F(PushButtons, EnterClicksTheFocusedButtonOfEitherKindBeforeADefaultOfTheOther)
{
    ok->SetDefault(false);
    auto *native = new TButton(form);
    native->SetParent(form);
    native->SetBounds(10, 90, 75, 25);
    native->SetDefault(true);
    native->OnClick = [this](TObject *) { log.push_back("native"); };
    TRzButton *late = Button("late", 200);
    late->SetFocus();
    TInputRouter::Key(VK_RETURN);
    EXPECT_EQ(TakeLog(), Events{"late"});
    edit->SetFocus();
    TInputRouter::Key(VK_RETURN);
    EXPECT_EQ(TakeLog(), Events{"native"});
    native->SetDefault(false);
    late->SetDefault(true);
    native->SetFocus();
    EXPECT_FALSE(late->IsActive());
    TInputRouter::Key(VK_RETURN);
    EXPECT_EQ(TakeLog(), Events{"native"});
}

TEST_F(PushButtons, SpacePressedAndReleasedAfterTheFocusMovedDoesNotClick)
{
    ok->SetFocus();
    TInputRouter::KeyDown(VK_SPACE, {});
    EXPECT_TRUE(ok->ShowDownVersion());
    cancel->SetFocus();
    EXPECT_FALSE(ok->ShowDownVersion());
    TInputRouter::KeyUp(VK_SPACE, {});
    EXPECT_EQ(TakeLog(), Events{});
    TInputRouter::KeyDown(VK_SPACE, {});
    TInputRouter::KeyUp(VK_SPACE, {});
    EXPECT_EQ(TakeLog(), Events{"cancel"});
}

TEST_F(PushButtons, GroupedButtonsStayExclusiveAndDownByCodeFiresNothing)
{
    ok->SetGroupIndex(1);
    cancel->SetGroupIndex(1);
    ok->SetDown(true);
    EXPECT_EQ(TakeLog(), Events{});
    EXPECT_EQ(ok->State(), bsExclusive);
    TInputRouter::Click(form, TPoint(110, 20));
    EXPECT_EQ(TakeLog(), Events{"cancel+"});
    EXPECT_FALSE(ok->Down()) << "popped up by the group message";
    EXPECT_EQ(ok->State(), bsUp);
    cancel->SetDown(false);
    EXPECT_TRUE(cancel->Down()) << "the down button of an exclusive group stays down";
    auto *solo = Button("solo", 200);
    solo->SetDown(true);
    EXPECT_FALSE(solo->Down()) << "an ungrouped button is never down";

    // The message a button of another group sends changes nothing here.
    TMessage m;
    m.Msg = CM_PUSHBUTTONPRESSED;
    m.WParam = 2;
    m.LParam = reinterpret_cast<LPARAM>(ok);
    cancel->Perform(m.Msg, m.WParam, m.LParam);
    EXPECT_TRUE(cancel->Down());
}

TEST_F(PushButtons, AClickCopiesTheModalResult)
{
    cancel->SetModalResult(mrCancel);
    cancel->Click();
    EXPECT_EQ(form->ModalResult(), mrCancel);
    ok->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(PushButtons, WithoutThemesTheClassicFaceTakesTheButtonsColour)
{
    cancel->SetThemeAware(false);
    cancel->SetColor(0x8080FF);
    cancel->Font()->SetColor(clNavy);
    const QImage shot = RenderControlImage(cancel);
    EXPECT_EQ(At(shot, 6, 6), RGB(255, 128, 128));
    EXPECT_EQ(At(shot, 70, 20), RGB(255, 128, 128));
    int caption = 0;
    for (int y = 5; y < 20; ++y)
        for (int x = 5; x < 70; ++x)
            caption += At(shot, x, y) == clNavy;
    EXPECT_GT(caption, 10) << "the caption in the font's colour";
    EXPECT_NE(At(shot, 0, 0), RGB(255, 128, 128)) << "a frame around the face";
}

TEST_F(PushButtons, ALatchedButtonShowsTheDownPattern)
{
    ok->SetGroupIndex(3);
    ok->SetDown(true);
    ok->SetCaption("");
    edit->SetFocus();
    const QImage shot = RenderControlImage(ok);
    // Inside the lowered frame: silver where x and y are both even or both odd.
    EXPECT_EQ(At(shot, 10, 10), clSilver);
    EXPECT_EQ(At(shot, 11, 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(shot, 11, 11), clSilver);
}

// ---- Shaped button -------------------------------------------------------------------------------

// A 12 x 12 picture with a 4 x 4 opaque square at (4, 4) on clTeal.
std::unique_ptr<TBitmap> Square()
{
    auto b = skinnedtest::Filled(12, 12, clTeal);
    b->Canvas()->FillRect(TRect(4, 4, 8, 8), clRed);
    return b;
}

TEST(ShapeButton, BevelWidthIsAtMostTwo)
{
    TRzShapeButton button(nullptr);
    button.SetBevelWidth(5);
    EXPECT_EQ(button.BevelWidth(), 2);
}

TEST(ShapeButton, WithoutBevelOrBorderThePicturesAreTheShape)
{
    TRzShapeButton button(nullptr);
    button.SetBevelWidth(0);
    button.SetBorderStyle(bsNone);
    const auto shape = Square();
    button.SetBitmap(shape.get());
    EXPECT_EQ(button.Width(), 16) << "auto size: the picture plus 4";
    EXPECT_EQ(button.BitmapUp()->Image(), shape->Image());
    EXPECT_EQ(button.BitmapDown()->Image(), shape->Image());
}

struct RingCase {
    const char *name;
    TPoint at;
    TColor up;
    TColor down;
};

TEST(ShapeButton, BevelRingsGrowOutwardAndTheDownBorderLiesLeftAndTopOnly)
{
    TRzShapeButton button(nullptr);
    const auto shape = Square();
    button.SetBitmap(shape.get());
    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow), border = ColorToRGB(cl3DDkShadow);
    const RingCase cases[] = {
        {.name = "right, ring 1", .at = {8, 5}, .up = dark, .down = light},
        {.name = "right, ring 2", .at = {9, 5}, .up = dark, .down = light},
        {.name = "right, border", .at = {10, 5}, .up = border, .down = clTeal},
        {.name = "left, ring 1", .at = {3, 5}, .up = light, .down = dark},
        {.name = "left, ring 2", .at = {2, 5}, .up = light, .down = dark},
        {.name = "left, border", .at = {1, 5}, .up = border, .down = border},
        {.name = "above, border", .at = {5, 1}, .up = border, .down = border},
        {.name = "below, border", .at = {5, 10}, .up = border, .down = clTeal},
        {.name = "top-right corner, ring 1", .at = {8, 3}, .up = dark, .down = light},
        {.name = "top-left corner, ring 1", .at = {3, 3}, .up = light, .down = dark},
        {.name = "bottom-right corner, ring 2", .at = {9, 9}, .up = dark, .down = light},
        {.name = "the shape itself", .at = {5, 5}, .up = clRed, .down = clRed},
        {.name = "beyond the border", .at = {0, 0}, .up = clTeal, .down = clTeal},
    };
    for (const RingCase &c : cases) {
        EXPECT_EQ(At(*button.BitmapUp(), c.at.X, c.at.Y), c.up) << c.name;
        EXPECT_EQ(At(*button.BitmapDown(), c.at.X, c.at.Y), c.down) << c.name;
    }
    // A highlight in the transparent colour would vanish: it is drawn a step darker.
    button.SetBevelHighlightColor(clTeal);
    EXPECT_EQ(At(*button.BitmapUp(), 3, 5), DarkenColor(clTeal, 1));
    EXPECT_NE(DarkenColor(clTeal, 1), clTeal);
}

TEST(ShapeButton, AnEmptyBitmapEmptiesThePicturesAndPaintsOnlyTheCaption)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetColor(clWhite);
    auto *button = new TRzShapeButton(&form);
    button->SetParent(&form);
    const auto shape = Square();
    button->SetBitmap(shape.get());
    TBitmap empty;
    button->SetBitmap(&empty);
    EXPECT_TRUE(button->BitmapUp()->Empty());
    EXPECT_TRUE(button->BitmapDown()->Empty());
    button->SetCaption("Lock");
    button->Font()->SetColor(clRed);
    const QImage shot = RenderControlImage(&form);
    std::set<TColor> colours;
    for (int y = button->Top(); y < button->Top() + button->Height(); ++y)
        for (int x = button->Left(); x < button->Left() + button->Width(); ++x)
            colours.insert(At(shot, x, y));
    EXPECT_EQ(colours, (std::set<TColor>{clWhite, clRed}));
}

// A shaped button over a paint box, on a form, with the capsule picture of the images tool.
struct ShapeOnForm : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TPaintBox *below = new TPaintBox(form);
    TRzShapeButton *button = new TRzShapeButton(form);
    std::unique_ptr<TBitmap> capsule = WidgetPicture("shape_capsule.bmp");
    Events log;

    ShapeOnForm()
    {
        form->SetBounds(0, 0, 300, 150);
        below->SetParent(form);
        below->SetBounds(0, 0, 300, 150);
        below->OnClick = [this](TObject *) { log.push_back("below"); };
        button->SetParent(form);
        button->SetLeft(20);
        button->SetTop(30);
        button->SetBitmap(capsule.get());
        button->OnClick = [this](TObject *) { log.push_back("shape"); };
        form->Show();
    }
    ~ShapeOnForm() override
    {
        TInputRouter::MouseLeft();
        delete form;
    }
    TPoint OnShape() const { return TPoint(20 + 60, 30 + 16); }
    TPoint BesideShape() const { return TPoint(20 + 1, 30 + 1); }  // a corner, clear of the bevel
    Events TakeLog() { return std::exchange(log, {}); }
};

TEST_F(ShapeOnForm, ThePicturesOfTheImagesTool)
{
    ASSERT_EQ(capsule->Width(), 120);
    ASSERT_EQ(capsule->Height(), 32);
    EXPECT_EQ(capsule->TransparentColor(), clTeal);
    EXPECT_EQ(button->Width(), 124);
    EXPECT_EQ(button->Height(), 36);
    auto arrow = WidgetPicture("shape_arrow.bmp");
    EXPECT_EQ(arrow->TransparentColor(), clTeal);
}

TEST_F(ShapeOnForm, WithPreciseClickAClickBesideTheShapeReachesTheControlBelow)
{
    TInputRouter::Click(form, BesideShape());
    EXPECT_EQ(TakeLog(), Events{"below"});
    TInputRouter::Click(form, OnShape());
    EXPECT_EQ(TakeLog(), Events{"shape"});
    button->SetPreciseClick(false);
    TInputRouter::Click(form, BesideShape());
    EXPECT_EQ(TakeLog(), Events{"shape"});
}

TEST_F(ShapeOnForm, ThePressedPictureIsDrawnOnePixelRightAndDown)
{
    button->SetBevelWidth(0);
    button->SetBorderStyle(bsNone);
    // The first opaque pixel of the shape's middle row, up and pressed.
    auto firstInk = [this](const QImage &shot) {
        for (int x = 0; x < button->Width(); ++x)
            if (At(shot, 20 + x, 30 + 16) != At(shot, 5, 5))
                return x;
        return -1;
    };
    const int up = firstInk(RenderControlImage(form));
    TInputRouter::MouseDown(form, mbLeft, {}, OnShape());
    EXPECT_EQ(button->State(), bsDown);
    EXPECT_EQ(firstInk(RenderControlImage(form)), up + 1);
    TInputRouter::MouseUp(form, mbLeft, {}, OnShape());
    EXPECT_EQ(button->State(), bsUp);
}

TEST_F(ShapeOnForm, CaptionCoordinatesSwitchToAGivenPlace)
{
    button->SetCaptionX(0);
    EXPECT_EQ(button->CaptionPosition(), cpCentered) << "the value it already has";
    button->SetCaptionX(18);
    EXPECT_EQ(button->CaptionPosition(), cpXY);
    EXPECT_EQ(button->CaptionY(), 0);
}

TEST_F(ShapeOnForm, TheHintIsOffOverTheTransparentPart)
{
    TManualClockScope clock;
    button->SetPreciseClick(false);
    button->SetHint("Locked");
    button->SetShowHint(true);
    auto hintShown = [] { return Application->HintWindow() && Application->HintWindow()->Visible(); };
    TInputRouter::MouseMove(form, {}, BesideShape());
    TManualClock::Advance(600);
    EXPECT_FALSE(hintShown());
    EXPECT_FALSE(button->ShowHint());
    TInputRouter::MouseMove(form, {}, OnShape());
    EXPECT_TRUE(button->ShowHint()) << "restored over the shape";
    // The application looks at ShowHint on each move, before the button's own handling.
    TInputRouter::MouseMove(form, {}, OnShape() + TPoint(1, 0));
    TManualClock::Advance(600);
    EXPECT_TRUE(hintShown());
    Application->CancelHint();
}

TEST_F(ShapeOnForm, AFormKeepsThePicturesAndALoadedButtonShowsThem)
{
    // A picture that no rebuild would make: the loaded button must show it as stored.
    const auto red = skinnedtest::Filled(button->BitmapUp()->Width(), button->BitmapUp()->Height(), clRed);
    button->SetBitmapUp(red.get());
    button->SetName("rzsLock");
    button->SetCaption("Lock");
    button->SetCaptionXY(18, 4);
    const QString text = WriteComponentToText(form);
    EXPECT_TRUE(text.contains("BitmapUp = {"));
    EXPECT_TRUE(text.contains("BitmapDown = {"));
    std::unique_ptr<TComponent> copy(CreateComponentFromText(text, "shape.dfm", nullptr));
    auto *loaded = dynamic_cast<TRzShapeButton *>(copy->FindComponent("rzsLock"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->BitmapUp()->Image(), red->Image());
    EXPECT_EQ(loaded->BitmapDown()->Image(), button->BitmapDown()->Image());
    EXPECT_EQ(loaded->CaptionPosition(), cpXY);
    // Opaque in the shape or in the stored up picture: here the whole red picture.
    EXPECT_TRUE(loaded->PtInMask(1, 1));
    EXPECT_FALSE(button->PtInMask(1, 1));
}

}  // namespace
