// The track bar: geometry of the main window's faders, what fires when (by code, keys, wheel and
// mouse through the input router), paging and step buttons under the manual clock, the pictures
// it shows by state over a picture background, and how its appearance objects copy and stream.

#include "widgets/graphics/AdvTrackBar.h"

#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/runtime/TimerService.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"

#include <string>
#include <vector>

namespace {

using graphicstest::At;
using graphicstest::LoadWidgetPicture;
using graphicstest::Stripe;
using Events = std::vector<std::string>;

// A shown form with a panel whose picture (vertical stripes) lies under a main-window fader:
// 26 x 126, vertical, -280..120 at 0, page 6, 16 x 29 thumb pictures, a 3-pixel groove.
struct Fader : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TPanel *panel = graphicstest::StripedPanel(form, form, TRect(20, 20, 220, 220));
    TAdvTrackBar *fader = new TAdvTrackBar(form);
    Events log;

    Fader()
    {
        form->SetBounds(0, 0, 300, 300);
        fader->SetParent(panel);
        fader->SetOrientation(trVertical);
        fader->SetBounds(10, 10, 26, 126);
        fader->SetMin(-280);
        fader->SetMax(120);
        fader->SetPageSize(6);
        fader->Slider()->SetSize(3);
        fader->Slider()->SetBorderColor(clMedGray);
        fader->TickMark()->SetStyle(tsNone);
        fader->SetShowFocus(true);
        LoadWidgetPicture(fader->Thumb()->Picture(), "fader_thumb_normal.png");
        LoadWidgetPicture(fader->Thumb()->PictureHot(), "fader_thumb_hot.png");
        LoadWidgetPicture(fader->Thumb()->PictureDown(), "fader_thumb_down.png");
        fader->OnChange = [this](TObject *sender) {
            EXPECT_EQ(sender, fader);
            Log("change");
        };
        fader->OnMouseDown = [this](TObject *, TMouseButton, TShiftState, int, int) { Log("down"); };
        fader->OnMouseUp = [this](TObject *, TMouseButton, TShiftState, int, int) { Log("up"); };
        fader->OnKeyDown = [this](TObject *, WORD &, TShiftState) { Log("key"); };
        form->Show();
    }
    ~Fader() override { delete form; }
    void Log(const char *what) { log.push_back(std::string(what) + ":" + std::to_string(fader->Position())); }
    Events TakeLog() { return std::exchange(log, {}); }
    // A point of the fader in the form's client coordinates.
    TPoint OnForm(int x, int y) const
    {
        return TPoint(panel->Left() + fader->Left() + x, panel->Top() + fader->Top() + y);
    }
    QImage Shot() { return RenderControlImage(fader); }
    // The rendered fader shows every opaque pixel of `picture` with its top-left corner at (x, y).
    ::testing::AssertionResult ShowsPicture(const QImage &shot, const char *picture, int x, int y)
    {
        const QImage pixels = graphicstest::WidgetImage(picture);
        int opaque = 0;
        for (int py = 0; py < pixels.height(); ++py)
            for (int px = 0; px < pixels.width(); ++px) {
                if (qAlpha(pixels.pixel(px, py)) != 255)
                    continue;
                ++opaque;
                if (At(shot, x + px, y + py) != PixelToColor(pixels.pixel(px, py)))
                    return ::testing::AssertionFailure() << picture << " pixel " << px << "," << py;
            }
        return opaque > 300 ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "no picture";
    }
};

TEST_F(Fader, TheMainWindowsFaderHasTheExamplesGeometry)
{
    EXPECT_EQ(fader->Thumb()->Width(), 29) << "the picture's height along the vertical track";
    EXPECT_EQ(fader->Thumb()->Size(), 16);
    EXPECT_EQ(fader->InnerRect(), TRect(3, 3, 23, 123));
    EXPECT_EQ(fader->TrackRect(), TRect(13, 3, 23, 123));
    EXPECT_EQ(fader->SliderRect(), TRect(13, 3, 16, 123));
    EXPECT_EQ(fader->ThumbRect(), TRect(6, 30, 22, 59));
    EXPECT_TRUE(ShowsPicture(Shot(), "fader_thumb_normal.png", 6, 30));

    fader->SetMax(-280);
    EXPECT_EQ(fader->Position(), -280);
    EXPECT_EQ(fader->ThumbRect(), TRect(6, 94, 22, 123)) << "Max = Min: at the Min end";
}

TEST_F(Fader, WritesByCodeFireOnlyForADifferentRequest)
{
    struct Case {
        const char *name;
        int position;  // before the write
        int write;
        int after;
        Events events;
    } cases[] = {
        {.name = "same value", .position = 30, .write = 30, .after = 30, .events = {}},
        {.name = "a new value", .position = 30, .write = 31, .after = 31, .events = {"change:31"}},
        {.name = "Max + 5 at Max", .position = 120, .write = 125, .after = 120, .events = {"change:120"}},
        {.name = "below Min", .position = 0, .write = -1000, .after = -280, .events = {"change:-280"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fader->SetPosition(c.position);
        TakeLog();
        fader->SetPosition(c.write);
        EXPECT_EQ(fader->Position(), c.after);
        EXPECT_EQ(TakeLog(), c.events);
    }
    fader->SetPosition(100);
    TakeLog();
    fader->SetMax(50);
    EXPECT_EQ(TakeLog(), Events{"change:50"}) << "Max below Position moves it";
    fader->SetMax(200);
    EXPECT_EQ(TakeLog(), Events{}) << "a range that holds the position moves nothing";
    fader->SetMin(60);
    EXPECT_EQ(TakeLog(), Events{"change:60"}) << "Min above Position moves it";
}

TEST_F(Fader, KeysMoveByOneByAPageAndToTheEnds)
{
    fader->SetFocus();
    struct Case {
        const char *name;
        int position;
        WORD key;
        TShiftState shift = {};
        int after;
        Events events;
    } cases[] = {
        {.name = "Up at Max", .position = 120, .key = VK_UP, .after = 120, .events = {"key:120"}},
        {.name = "Up", .position = 0, .key = VK_UP, .after = 1, .events = {"key:0", "change:1"}},
        {.name = "Right increases", .position = 0, .key = VK_RIGHT, .after = 1, .events = {"key:0", "change:1"}},
        {.name = "Down", .position = 0, .key = VK_DOWN, .after = -1, .events = {"key:0", "change:-1"}},
        {.name = "Left at Min", .position = -280, .key = VK_LEFT, .after = -280, .events = {"key:-280"}},
        {.name = "Page Up near Max",
         .position = 115,
         .key = VK_PRIOR,
         .after = 120,
         .events = {"key:115", "change:120"}},
        {.name = "Page Up at Max", .position = 120, .key = VK_PRIOR, .after = 120, .events = {"key:120", "change:120"}},
        {.name = "Page Down", .position = 0, .key = VK_NEXT, .after = -6, .events = {"key:0", "change:-6"}},
        {.name = "End: Min of a vertical bar",
         .position = 0,
         .key = VK_END,
         .after = -280,
         .events = {"key:0", "change:-280"}},
        {.name = "Home: Max", .position = 0, .key = VK_HOME, .after = 120, .events = {"key:0", "change:120"}},
        {.name = "Shift+Up", .position = 0, .key = VK_UP, .shift = {ssShift}, .after = 0, .events = {"key:0"}},
        {.name = "Shift+Home", .position = 0, .key = VK_HOME, .shift = {ssShift}, .after = 0, .events = {"key:0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fader->SetPosition(c.position);
        TakeLog();
        TInputRouter::KeyDown(c.key, c.shift);
        TInputRouter::KeyUp(c.key, c.shift);
        EXPECT_EQ(fader->Position(), c.after);
        EXPECT_EQ(TakeLog(), c.events);
    }
    fader->SetOrientation(trHorizontal);
    fader->SetPosition(0);
    TInputRouter::KeyDown(VK_HOME, {});
    EXPECT_EQ(fader->Position(), -280) << "Home: Min of a horizontal bar";
}

TEST_F(Fader, TheWheelMovesOneUnit)
{
    fader->SetFocus();
    TInputRouter::MouseWheel(form, 120, {}, OnForm(10, 10));
    EXPECT_EQ(fader->Position(), 1);
    TInputRouter::MouseWheel(form, -120, {}, OnForm(10, 10));
    TInputRouter::MouseWheel(form, -120, {}, OnForm(10, 10));
    EXPECT_EQ(fader->Position(), -1);
    EXPECT_EQ(TakeLog(), (Events{"change:1", "change:0", "change:-1"}));
}

TEST_F(Fader, APressOnTheTrackRunsOnMouseDownFirstAndOnMouseUpLast)
{
    TInputRouter::Click(form, OnForm(18, 10));
    EXPECT_EQ(TakeLog(), (Events{"down:0", "change:6", "up:6"})) << "one page toward the press";
    EXPECT_TRUE(fader->Focused());
    TInputRouter::Click(form, OnForm(18, 110));
    EXPECT_EQ(TakeLog(), (Events{"down:6", "change:0", "up:0"}));
}

TEST_F(Fader, MoveOnClickJumpsToThePressPoint)
{
    fader->SetMoveOnClick(mcMove);
    // Row 20 is 123 - 29 - 20 = 74 pixels above the lowest thumb place: 74 / 91 of the range.
    TInputRouter::Click(form, OnForm(18, 20));
    EXPECT_EQ(fader->Position(), 45);
    EXPECT_EQ(TakeLog(), (Events{"down:0", "change:45", "up:45"}));
}

TEST_F(Fader, DraggingMapsRowsToTheNearestPositionHalvesToEven)
{
    // 99 high: a track of 93 less a thumb of 29 leaves 64 rows for 0..32, two rows a unit.
    fader->SetBounds(10, 10, 26, 99);
    fader->SetMin(0);
    fader->SetMax(32);
    fader->SetPosition(0);
    ASSERT_EQ(fader->ThumbRect(), TRect(6, 67, 22, 96));
    TInputRouter::MouseDown(form, mbLeft, {}, OnForm(10, 81));  // the thumb's centre
    EXPECT_TRUE(fader->Sliding());
    struct Row {
        int y, position;
    } rows[] = {{80, 0}, {79, 1}, {78, 2}, {77, 2}, {76, 2}, {75, 3}, {74, 4}, {73, 4}, {17, 32}, {-40, 32}, {200, 0}};
    for (const Row &r : rows) {
        TInputRouter::MouseMove(form, {ssLeft}, OnForm(10, r.y));
        EXPECT_EQ(fader->Position(), r.position) << "row " << r.y;
    }
    TInputRouter::MouseUp(form, mbLeft, {}, OnForm(10, 200));
    EXPECT_FALSE(fader->Sliding());
}

TEST_F(Fader, ATrackNoLongerThanTheThumbLeavesThePositionAlone)
{
    fader->SetBounds(10, 10, 26, 35);  // a track of 29: the thumb fills it
    fader->SetMoveOnClick(mcMove);
    fader->SetPosition(50);
    TakeLog();
    TInputRouter::MouseDown(form, mbLeft, {}, OnForm(10, 20));
    TInputRouter::MouseMove(form, {ssLeft}, OnForm(10, 5));
    TInputRouter::MouseUp(form, mbLeft, {}, OnForm(10, 5));
    TInputRouter::Click(form, OnForm(18, 32));
    EXPECT_EQ(fader->Position(), 50);
    EXPECT_EQ(TakeLog(), (Events{"down:50", "up:50", "down:50", "up:50"}));
}

TEST_F(Fader, TheDragHintShowsTheValueBesideThePointerUntilRelease)
{
    fader->SetTrackHint(true);
    fader->OnGetTrackHint = [](TObject *, int position, QString &text) { text = QString("%1 dB").arg(position); };
    TInputRouter::MouseDown(form, mbLeft, {}, OnForm(14, 44));
    EXPECT_FALSE(fader->TrackHintShowing());
    TInputRouter::MouseMove(form, {ssLeft}, OnForm(14, 30));
    ASSERT_TRUE(fader->TrackHintShowing());
    TTrackHintWindow *hint = fader->TrackHintWindow();
    EXPECT_EQ(hint->Caption(), QString("%1 dB").arg(fader->Position()));
    const TPoint pointer = fader->ClientToScreen(TPoint(14, 30));
    EXPECT_EQ(hint->Left(), pointer.X + 10);
    EXPECT_EQ(hint->Top(), pointer.Y);
    EXPECT_EQ(hint->Width(), hint->TextWidth() + 16);
    EXPECT_EQ(hint->Height(), hint->TextHeight() + 4);
    TInputRouter::MouseUp(form, mbLeft, {}, OnForm(14, 30));
    EXPECT_FALSE(fader->TrackHintShowing());
    EXPECT_FALSE(hint->Visible());
}

TEST(TrackHint, AHintNearTheScreensEdgeMovesInside)
{
    TTrackHintWindow hint(nullptr);
    hint.ActivateHint(TRect(Screen->Width() - 5, Screen->Height() - 3, 0, 0), QStringLiteral("-12"));
    EXPECT_EQ(hint.Left() + hint.Width(), Screen->Width() - 2);
    EXPECT_EQ(hint.Top() + hint.Height(), Screen->Height() - 2);
    EXPECT_EQ(hint.CalcHintRect(100, QStringLiteral("ignored"), nullptr),
              TRect(0, 0, hint.TextWidth(), hint.TextHeight()));
    hint.ReleaseHandle();
}

// ---- Paging and the step buttons under the manual clock -------------------------------------------------

TEST_F(Fader, AHeldPressAboveTheThumbPagesUpUntilTheThumbReachesIt)
{
    // A delay fader: 32640 units over 91 pixels, page 6. Every step moves the thumb by less than
    // a pixel; the paging must neither turn back nor go past the press point.
    TManualClockScope clock;
    fader->SetMin(0);
    fader->SetMax(32640);
    fader->SetPosition(0);
    TakeLog();
    const int pressY = 80;
    TInputRouter::MouseDown(form, mbLeft, {}, OnForm(18, pressY));
    std::vector<int> positions{fader->Position()};
    for (int i = 0; i < 3000; ++i) {
        TManualClock::Advance(100);
        positions.push_back(fader->Position());
    }
    for (std::size_t i = 1; i < positions.size(); ++i)
        ASSERT_GE(positions[i], positions[i - 1]) << "tick " << i;
    const TRect thumb = fader->ThumbRect();
    EXPECT_LE(thumb.Bottom, pressY) << "the thumb reached the press point";
    EXPECT_GE(thumb.Bottom, pressY - 1) << "and stopped there";
    const int stopped = fader->Position();
    TManualClock::Advance(1000);
    EXPECT_EQ(fader->Position(), stopped);
    TInputRouter::MouseUp(form, mbLeft, {}, OnForm(18, pressY));
    EXPECT_EQ(TakeLog().back(), "up:" + std::to_string(stopped));
}

TEST_F(Fader, APressBelowThePagesDownToItsCentre)
{
    TManualClockScope clock;
    fader->SetPosition(120);
    TInputRouter::MouseDown(form, mbLeft, {}, OnForm(18, 100));
    TManualClock::Advance(10000);
    TInputRouter::MouseUp(form, mbLeft, {}, OnForm(18, 100));
    const TRect thumb = fader->ThumbRect();
    EXPECT_LE(thumb.Top + thumb.Height() / 2, 100);
    EXPECT_GT(thumb.Bottom, 100) << "paged down to the press, not beyond";
    const int stopped = fader->Position();
    EXPECT_LT(stopped, 120);
}

// A horizontal bar with step buttons: min at the left end, max at the right end.
struct Buttons : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TAdvTrackBar *bar = new TAdvTrackBar(form);
    std::vector<int> changes;
    TManualClockScope clock;

    Buttons()
    {
        form->SetBounds(0, 0, 300, 100);
        bar->SetParent(form);
        bar->SetBounds(10, 10, 200, 40);
        bar->SetMax(100);
        bar->SetPosition(50);
        bar->Buttons()->SetVisible(true);
        bar->OnChange = [this](TObject *) { changes.push_back(bar->Position()); };
        form->Show();
    }
    ~Buttons() override { delete form; }
    TPoint MaxButton() const
    {
        const TRect r = bar->MaxButtonRect();
        return TPoint(bar->Left() + r.Left + r.Width() / 2, bar->Top() + r.Top + r.Height() / 2);
    }
};

TEST_F(Buttons, AStepButtonStepsOnReleaseAndRepeatsWhileHeld)
{
    TInputRouter::MouseDown(form, mbLeft, {}, MaxButton());
    EXPECT_TRUE(bar->MaxButtonDown());
    EXPECT_TRUE(changes.empty()) << "no step on the press";
    TManualClock::Advance(399);
    EXPECT_TRUE(changes.empty());
    TManualClock::Advance(1);
    EXPECT_EQ(changes, std::vector<int>{51}) << "after 400 ms";
    TManualClock::Advance(99);
    EXPECT_EQ(changes.size(), 1u);
    TManualClock::Advance(1);
    TManualClock::Advance(100);
    EXPECT_EQ(changes, (std::vector<int>{51, 52, 53})) << "then every 100 ms";
    TInputRouter::MouseUp(form, mbLeft, {}, MaxButton());
    EXPECT_EQ(changes, (std::vector<int>{51, 52, 53, 54})) << "and once on release";
    EXPECT_FALSE(bar->MaxButtonDown());
    TManualClock::Advance(1000);
    EXPECT_EQ(changes.size(), 4u) << "the repeat stopped";
}

TEST_F(Buttons, ReleasingOutsideLeavesTheButtonUpForTheNextPress)
{
    TInputRouter::MouseDown(form, mbLeft, {}, MaxButton());
    TInputRouter::MouseMove(form, {ssLeft}, Point(280, 90));
    EXPECT_FALSE(bar->MaxButtonDown());
    TInputRouter::MouseUp(form, mbLeft, {}, Point(280, 90));
    TManualClock::Advance(1000);
    EXPECT_TRUE(changes.empty());
    TInputRouter::MouseDown(form, mbLeft, {}, MaxButton());
    EXPECT_TRUE(bar->MaxButtonDown()) << "a new press takes";
    TManualClock::Advance(400);
    EXPECT_EQ(changes, std::vector<int>{51});
    TInputRouter::MouseUp(form, mbLeft, {}, MaxButton());
}

TEST_F(Buttons, AnExceptionFromOnChangeStopsTheRepeat)
{
    int calls = 0;
    QStringList reported;
    Application->OnException = [&](TObject *, const Exception &e) { reported << e.Message(); };
    bar->OnChange = [&](TObject *) {
        ++calls;
        throw Exception("refused");
    };
    TInputRouter::MouseDown(form, mbLeft, {}, MaxButton());
    TManualClock::Advance(400);
    TManualClock::Advance(1000);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(reported, QStringList{"refused"}) << "the application's handling reports it";
    Application->OnException = nullptr;
    bar->OnChange = nullptr;
    TInputRouter::MouseUp(form, mbLeft, {}, Point(280, 90));
}

// ---- Painting ----------------------------------------------------------------------------------------

TEST_F(Fader, ATransparentFaderShowsThePanelsPictureBesideTheGroove)
{
    fader->SetShowFocus(false);
    const QImage shot = Shot();
    // Columns 0 to 5 lie beside the thumb and the groove everywhere; the fader is at x 10 of the
    // panel's picture.
    for (int y = 0; y < 126; y += 5)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(At(shot, x, y), Stripe(10 + x)) << x << "," << y;
    EXPECT_EQ(At(shot, 20, 100), Stripe(30)) << "right of the groove";
    EXPECT_NE(At(shot, 14, 100), Stripe(24)) << "the groove";
}

TEST_F(Fader, TheThumbShowsThePictureOfItsState)
{
    EXPECT_TRUE(ShowsPicture(Shot(), "fader_thumb_normal.png", 6, 30));
    TInputRouter::MouseMove(form, {}, OnForm(14, 44));
    EXPECT_TRUE(fader->ThumbHot());
    EXPECT_TRUE(ShowsPicture(Shot(), "fader_thumb_hot.png", 6, 30));
    EXPECT_TRUE(ShowsPicture(fader->BackingImage(), "fader_thumb_hot.png", 6, 30)) << "on screen at once";
    TInputRouter::MouseDown(form, mbLeft, {}, OnForm(14, 44));
    EXPECT_TRUE(ShowsPicture(Shot(), "fader_thumb_down.png", 6, 30));
    TInputRouter::MouseUp(form, mbLeft, {}, OnForm(14, 44));
    TInputRouter::MouseMove(form, {}, OnForm(100, 100));
    EXPECT_FALSE(fader->ThumbHot());
    EXPECT_TRUE(ShowsPicture(fader->BackingImage(), "fader_thumb_normal.png", 6, 30));

    fader->SetEnabled(false);
    EXPECT_TRUE(ShowsPicture(Shot(), "fader_thumb_normal.png", 6, 30)) << "no disabled picture: the normal one";
    LoadWidgetPicture(fader->Thumb()->PictureDisabled(), "fader_thumb_disabled.png");
    EXPECT_TRUE(ShowsPicture(Shot(), "fader_thumb_disabled.png", 6, 30));
}

TEST_F(Fader, TheFocusRectangleFramesTheFocusedFader)
{
    auto *other = new TAdvTrackBar(form);
    other->SetParent(form);
    other->SetBounds(0, 250, 150, 26);
    other->SetFocus();
    const QImage unfocused = Shot();
    fader->SetFocus();
    const QImage focused = Shot();
    EXPECT_EQ(At(focused, 0, 0), clBlack);
    EXPECT_EQ(At(focused, 1, 0), Stripe(11)) << "every other pixel";
    EXPECT_EQ(At(focused, 25, 124), clBlack) << "right and bottom one pixel in";
    EXPECT_EQ(At(unfocused, 0, 0), Stripe(10));
    fader->SetShowFocus(false);
    EXPECT_EQ(Shot(), unfocused);
}

TEST_F(Fader, APositionChangeRepaintsOnlyTheThumbsOldAndNewPlaces)
{
    const QImage before = fader->BackingImage();
    fader->SetPosition(1);  // one pixel up at most
    const QImage after = fader->BackingImage();
    EXPECT_EQ(after, Shot()) << "the partial repaint matches a full one";
    for (int y = 0; y < 126; ++y) {
        for (int x = 0; x < 26 && (y < 28 || y > 60); ++x)
            ASSERT_EQ(At(after, x, y), At(before, x, y)) << x << "," << y;
    }
}

TEST(TrackBarPictures, ASliderPictureSetsItsSizeAndTakesTheBorderAway)
{
    TAdvTrackBar bar(nullptr);
    bar.SetOrientation(trVertical);
    LoadWidgetPicture(bar.Slider()->Picture(), "fader_thumb_normal.png");
    EXPECT_EQ(bar.Slider()->BorderColor(), clNone);
    EXPECT_EQ(bar.Slider()->Size(), 16) << "the picture's width on a vertical bar";
    bar.Thumb()->SetSize(40);
    EXPECT_EQ(bar.Thumb()->Size(), 40) << "no thumb picture yet";
    LoadWidgetPicture(bar.Thumb()->Picture(), "fader_thumb_normal.png");
    bar.Thumb()->SetSize(40);
    bar.Thumb()->SetWidth(3);
    EXPECT_EQ(bar.Thumb()->Size(), 16) << "a picture fixes the size";
    EXPECT_EQ(bar.Thumb()->Width(), 29);
}

TEST(TrackBarOrientation, ChangingItAtRunTimeSwapsWidthAndHeight)
{
    TAdvTrackBar bar(nullptr);
    EXPECT_EQ(bar.Width(), 150);
    EXPECT_EQ(bar.Height(), 26);
    bar.SetOrientation(trVertical);
    EXPECT_EQ(bar.Width(), 26);
    EXPECT_EQ(bar.Height(), 150);
}

// ---- Copies and form definitions -----------------------------------------------------------------------

// Every ordinal published property of `object` set to a value other than its current one.
void ChangeEveryOrdinal(TPersistent *object)
{
    for (const TPropInfo &p : GetPropList(object)) {
        if (!IsOrdinalKind(p.Kind) || !p.Writable())
            continue;
        const std::int64_t v = p.GetOrd(*object);
        std::int64_t changed = v + 1;
        if (p.Kind == TTypeKind::Boolean)
            changed = v ? 0 : 1;
        else if (p.Kind == TTypeKind::Enumeration)
            changed = (v + 1) % p.EnumNames.size();
        else if (p.Kind == TTypeKind::Color)
            changed = v == clNone ? 0x123456 : (v ^ 0x0F0F0F);
        p.SetOrd(*object, changed);
    }
}

TEST(TrackBarAppearance, AssignCopiesEveryPublishedProperty)
{
    TAdvTrackBar source(nullptr), target(nullptr);
    const struct {
        const char *name;
        TPersistent *from, *to;
    } objects[] = {
        {"Thumb", source.Thumb(), target.Thumb()},
        {"Slider", source.Slider(), target.Slider()},
        {"TickMark", source.TickMark(), target.TickMark()},
        {"Buttons", source.Buttons(), target.Buttons()},
        {"TrackLabel", source.TrackLabel(), target.TrackLabel()},
    };
    for (const auto &o : objects) {
        SCOPED_TRACE(o.name);
        ChangeEveryOrdinal(o.from);
        if (auto *label = dynamic_cast<TTrackBarLabel *>(o.from))
            label->SetFormat("%d ms");
        int changes = 0;
        static_cast<TTrackBarAppearance *>(o.to)->OnChange = [&](TObject *) { ++changes; };
        o.to->Assign(o.from);
        EXPECT_GT(changes, 0);
        for (const TPropInfo &p : GetPropList(o.from)) {
            if (IsOrdinalKind(p.Kind)) {
                EXPECT_EQ(p.GetOrd(*o.to), p.GetOrd(*o.from)) << p.Name.toStdString();
            } else if (p.Kind == TTypeKind::String) {
                EXPECT_EQ(p.GetStr(*o.to), p.GetStr(*o.from)) << p.Name.toStdString();
            }
        }
    }
    TAdvTrackBar other(nullptr);
    const TColor before = target.Thumb()->Color();
    target.Thumb()->Assign(other.Slider());
    EXPECT_EQ(target.Thumb()->Color(), before) << "a thumb copies only from a thumb, silently";
    EXPECT_THROW(target.Slider()->Assign(other.Thumb()), EConvertError);
}

// A fader as the main window's form stores it, its thumb pictures as picture data.
QString FaderDefinition()
{
    const auto data = [](const char *name) {
        return QString::fromLatin1(graphicstest::WidgetPictureBytes(name).toHex());
    };
    return "object Holder: TForm\n"
           "  object isGainOut1: TAdvTrackBar\n"
           "    Left = 100\n"
           "    Top = 40\n"
           "    Width = 26\n"
           "    Height = 126\n"
           "    BorderColor = clNone\n"
           "    BorderColorDisabled = clNone\n"
           "    Buttons.BorderColor = 9262895\n"
           "    Color = clNone\n"
           "    ColorTo = clNone\n"
           "    Max = 120\n"
           "    Min = -280\n"
           "    Orientation = trVertical\n"
           "    PageSize = 6\n"
           "    ShowFocus = True\n"
           "    Slider.BorderColor = clMedGray\n"
           "    Slider.Size = 3\n"
           "    TabOrder = 3\n"
           "    Thumb.Picture.Data = {" +
           data("fader_thumb_normal.png") +
           "}\n"
           "    Thumb.PictureHot.Data = {" +
           data("fader_thumb_hot.png") +
           "}\n"
           "    Thumb.PictureDown.Data = {" +
           data("fader_thumb_down.png") +
           "}\n"
           "    Thumb.Size = 20\n"
           "    Thumb.Width = 10\n"
           "    TickMark.Style = tsNone\n"
           "    TrackHint = False\n"
           "    Version = '1.6.3.0'\n"
           "  end\n"
           "end\n";
}

TEST(TrackBarForm, AFaderDefinitionLoadsAsWrittenAndWritesBack)
{
    std::unique_ptr<TComponent> holder(CreateComponentFromText(FaderDefinition(), "main.dfm", nullptr));
    auto *fader = dynamic_cast<TAdvTrackBar *>(holder->FindComponent("isGainOut1"));
    ASSERT_TRUE(fader);
    EXPECT_EQ(fader->Width(), 26) << "loading does not swap the bounds";
    EXPECT_EQ(fader->Height(), 126);
    EXPECT_EQ(fader->Thumb()->Width(), 29) << "the picture's size, whatever the definition says";
    EXPECT_EQ(fader->Thumb()->Size(), 16);
    EXPECT_EQ(fader->ThumbRect(), TRect(6, 30, 22, 59));
    EXPECT_EQ(fader->Color(), clNone);
    EXPECT_EQ(fader->Buttons()->ColorMirror(), 15586496) << "left out: the initial value";
    EXPECT_EQ(fader->Slider()->BorderColor(), clMedGray);
    EXPECT_EQ(fader->Version(), "1.6.3.0");
    EXPECT_TRUE(fader->TabStop());

    const QString written = WriteComponentToText(holder.get());
    for (const char *line : {"Color = clNone", "TrackHint = False", "Thumb.Picture = {", "Slider.Size = 3",
                             "TickMark.Style = tsNone", "Buttons.ColorMirror = $00EDD4C0"})
        EXPECT_TRUE(written.contains(line)) << line << "\n" << written.toStdString();
    for (const char *line : {"TabStop", "PageSize = 1", "Transparent"})
        EXPECT_FALSE(written.contains(line)) << line;
    std::unique_ptr<TComponent> again(CreateComponentFromText(written, "again.dfm", nullptr));
    auto *copy = dynamic_cast<TAdvTrackBar *>(again->FindComponent("isGainOut1"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Buttons()->ColorMirror(), 15586496);
    EXPECT_EQ(copy->ThumbRect(), fader->ThumbRect());
}

TEST(TrackBarStyle, APresetSetsThumbButtonsAndGroove)
{
    TAdvTrackBar bar(nullptr);
    LoadWidgetPicture(bar.Thumb()->Picture(), "fader_thumb_normal.png");
    bar.SetComponentStyle(static_cast<int>(TTMSStyle::tsOffice2003Blue));
    EXPECT_TRUE(bar.Thumb()->Picture()->Empty());
    EXPECT_EQ(bar.Thumb()->BorderColor(), 14727579);
    EXPECT_EQ(bar.Buttons()->ColorMirrorTo(), 14854529);
    EXPECT_EQ(bar.Thumb()->ColorHot(), 13432063);
    EXPECT_EQ(bar.Slider()->BorderColor(), 12752500);
    EXPECT_EQ(bar.TickMark()->Color(), 12752500);
    bar.Thumb()->SetColor(clRed);
    bar.SetComponentStyle(static_cast<int>(TTMSStyle::tsCustom));
    EXPECT_EQ(bar.Thumb()->Color(), clRed) << "the custom style keeps the colours";
    bar.SetComponentStyle(99);
    EXPECT_EQ(bar.Thumb()->Color(), clRed);
}

TEST(TrackBarRating, RatingPicturesShowOnePicturePerValue)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto *bar = new TAdvTrackBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 200, 40);
    bar->SetMax(5);
    LoadWidgetPicture(bar->RateActive(), "fader_thumb_down.png");
    LoadWidgetPicture(bar->RateInActive(), "fader_thumb_disabled.png");
    ASSERT_TRUE(bar->RatingMode());
    EXPECT_EQ(bar->RateItemRect(1), TRect(3, 13, 19, 42));
    EXPECT_EQ(bar->RateItemRect(2), TRect(19, 13, 35, 42));
    EXPECT_EQ(bar->RateItemRect(0), TRect(-1, -1, -1, -1));
    form.Show();
    TInputRouter::Click(&form, Point(25, 20));
    EXPECT_EQ(bar->Position(), 2);
    TInputRouter::Click(&form, Point(1, 20));
    EXPECT_EQ(bar->Position(), 0) << "just left of the first item: Min";
}

}  // namespace
