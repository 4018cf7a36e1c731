// The Delay page: delay texts in the three units, typed entries, the unit buttons, the speaker
// pictures and dashed lines, linked channels, and dragging a speaker along its line.

#include "PagesFixture.h"

#include "pages/DelayPage.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <optional>

namespace {

struct DelayTextCase {
    int samples;
    int unit;
    const char *text;
};

TEST(DelayText, ShowsSamplesInTheUnit)
{
    const DelayTextCase cases[] = {
        {.samples = 480, .unit = 0, .text = "10.000 ms"},   {.samples = 480, .unit = 1, .text = "3.435 m"},
        {.samples = 480, .unit = 2, .text = "11.270 ft"},   {.samples = 32640, .unit = 0, .text = "680.000 ms"},
        {.samples = 32640, .unit = 1, .text = "233.580 m"}, {.samples = 32640, .unit = 2, .text = "766.329 ft"},
        {.samples = 0, .unit = 0, .text = "0.000 ms"},      {.samples = 1, .unit = 0, .text = "0.021 ms"},
        {.samples = 480, .unit = 3, .text = "10.000 ms"},
    };
    for (const DelayTextCase &c : cases)
        EXPECT_EQ(DelayText(c.samples, c.unit), QString::fromLatin1(c.text)) << c.samples << " " << c.unit;
}

struct TypedCase {
    const char *name;
    int unit;
    const char *text;
    std::optional<int> samples;
};

TEST(TypedDelay, UnitSuffixNumberAndRange)
{
    const TypedCase cases[] = {
        {.name = "ms", .unit = 0, .text = "10", .samples = 480},
        {.name = "ms with its unit", .unit = 0, .text = "10ms", .samples = 480},
        {.name = "ms in capitals", .unit = 0, .text = "10MS", .samples = 480},
        {.name = "beyond the end", .unit = 0, .text = "700", .samples = 32640},
        {.name = "a fraction", .unit = 0, .text = ".5", .samples = 24},
        {.name = "a trailing point", .unit = 0, .text = "10.", .samples = 480},
        {.name = "zero", .unit = 0, .text = "0", .samples = 0},
        {.name = "huge", .unit = 0, .text = "99999999999999999999999999999999", .samples = 32640},
        {.name = "feet", .unit = 2, .text = "1", .samples = 42},
        {.name = "feet with their unit", .unit = 2, .text = "1Ft", .samples = 42},
        {.name = "metres", .unit = 1, .text = "1", .samples = 139},
        {.name = "metres with their unit", .unit = 1, .text = "1M", .samples = 139},
        {.name = "an unknown unit counts as ms", .unit = 5, .text = "10", .samples = 480},
        {.name = "letters", .unit = 0, .text = "abc", .samples = std::nullopt},
        {.name = "two points", .unit = 0, .text = "1.2.3", .samples = std::nullopt},
        {.name = "a point alone", .unit = 0, .text = ".", .samples = std::nullopt},
        {.name = "empty", .unit = 0, .text = "", .samples = std::nullopt},
        {.name = "the unit alone", .unit = 0, .text = "ms", .samples = std::nullopt},
        {.name = "negative", .unit = 0, .text = "-5", .samples = std::nullopt},
        {.name = "another unit's suffix", .unit = 0, .text = "10ft", .samples = std::nullopt},
        {.name = "a blank", .unit = 0, .text = "1 0", .samples = std::nullopt},
    };
    for (const TypedCase &c : cases)
        EXPECT_EQ(TypedDelaySamples(c.text, c.unit, 0, 32640), c.samples) << c.name;
}

TEST(DelayPicture, TravelsAlongTheLine)
{
    EXPECT_EQ(DelayPictureLeft(0, 475, 32640), 40);
    EXPECT_EQ(DelayPictureLeft(32640, 475, 32640), 425);
    EXPECT_EQ(DelayPictureLeft(32640, 470, 32640), 420);
    EXPECT_EQ(DelayPictureLeft(480, 475, 32640), 45);
    EXPECT_EQ(DelayPictureLeft(100, 475, 0), 40);
    EXPECT_EQ(DelayDashes(64), QString(64, u'-'));
    EXPECT_EQ(DelayDashes(500), QString(132, u'-'));
    EXPECT_EQ(DelayDashes(-3), QString());
}

class DelayPageTest : public PagesTest {
protected:
    void SetUp() override { Load("PageTestDelay"); }

    TAdvTrackBar &Slider(int c) { return Control<TAdvTrackBar>(ChannelControlName("isDelay", c)); }
    TCurvyEdit &Edit(int c) { return Control<TCurvyEdit>(ChannelControlName("cvdDelay", c)); }
    TImage &Picture(int c) { return Control<TImage>(ChannelControlName("imDelay", c)); }
    TLabel &Line(int c) { return Control<TLabel>(ChannelControlName("lbDelayLine", c)); }
    TLabel &Time(int c) { return Control<TLabel>(ChannelControlName("lbFftDelayTime", c)); }

    // Types the text into the channel's edit and presses a key.
    void Type(int c, const char *text, WORD key = VK_RETURN)
    {
        Edit(c).SetText(QString::fromLatin1(text));
        Edit(c).OnKeyDown(&Edit(c), key, {});
    }

    // A point of a channel's line label in the form's client coordinates.
    TPoint OnLine(int c, int x, int y) { return Line(c).ClientToParent(TPoint(x, y), form.get()); }
    // The grab point of the channel's picture on its line label.
    TPoint GrabPoint(int c) { return TPoint(Picture(c).Left() - 25, Line(c).Height() / 2); }
};

TEST_F(DelayPageTest, TypedMillisecondsSetTheSliderAndEverythingFollows)
{
    Type(ChInA, "10");
    EXPECT_EQ(Slider(ChInA).Position(), 480);
    EXPECT_EQ(Edit(ChInA).Text(), "10.000 ms");
    EXPECT_EQ(Time(ChInA).Caption(), "10.000 ms");
    EXPECT_EQ(form->Model.GetDelay(ChInA), 480);
    EXPECT_EQ(Picture(ChInA).Left(), 45);
    EXPECT_EQ(Time(ChInA).Left(), 75);
    EXPECT_EQ(Time(ChInA).Top(), 51 + 30 / 4);
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_DELAY, {0, 0xE0, 0x01})}));
    ASSERT_EQ(form->Sent.size(), 0u);

    Type(ChOut2, "10ms");
    EXPECT_EQ(Slider(ChOut2).Position(), 480);
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_DELAY, {3, 0xE0, 0x01})}));

    Type(ChInA, "700");
    EXPECT_EQ(Slider(ChInA).Position(), 32640);
    EXPECT_EQ(Edit(ChInA).Text(), "680.000 ms");
    EXPECT_EQ(Picture(ChInA).Left(), 425);
    EXPECT_EQ(Line(ChInA).Caption(), QString(64, u'-'));
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_DELAY, {0, 0x80, 0x7F})}));
}

TEST_F(DelayPageTest, OnlyEnterAndLeavingTheEditTakeTheEntry)
{
    Type(ChInB, "20", VK_TAB);
    EXPECT_EQ(Slider(ChInB).Position(), 0);
    EXPECT_EQ(Edit(ChInB).Text(), "20");
    Edit(ChInB).OnExit(&Edit(ChInB));
    EXPECT_EQ(Slider(ChInB).Position(), 960);
    EXPECT_EQ(Edit(ChInB).Text(), "20.000 ms");
}

TEST_F(DelayPageTest, TextThatIsNoDelayShowsTheCurrentOneWithTheCaretAtTheEnd)
{
    Type(ChOut4, "10");
    TakeFrames();
    for (const char *text : {"abc", "1.2.3", ".", ""}) {
        SCOPED_TRACE(text);
        Type(ChOut4, text);
        EXPECT_EQ(Edit(ChOut4).Text(), "10.000 ms");
        EXPECT_EQ(Edit(ChOut4).Edit()->SelStart(), 9);
        EXPECT_EQ(Slider(ChOut4).Position(), 480);
        EXPECT_TRUE(form->Sent.empty());
    }
    // The value the slider already has changes nothing and sends nothing.
    Type(ChOut4, "10.0");
    EXPECT_EQ(Edit(ChOut4).Text(), "10.000 ms");
    EXPECT_TRUE(form->Sent.empty());
}

TEST_F(DelayPageTest, AUnitButtonRewritesEveryDelayAndSendsTheUnitOnce)
{
    Type(ChInA, "10");
    Type(ChOut3, "700");
    TakeFrames();
    auto &feet = Control<TRzBmpButton>(QStringLiteral("rzbUnit2"));
    TInputRouter::Click(form.get(), feet.ClientToParent(TPoint(10, 10), form.get()));
    EXPECT_TRUE(feet.Down());
    EXPECT_FALSE(Control<TRzBmpButton>(QStringLiteral("rzbUnit0")).Down());
    EXPECT_EQ(form->Model.GetDelayUnit(), 2);
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_DELAYUNIT, {2})}));
    const char *expected[] = {"11.270 ft", "0.000 ft", "0.000 ft", "0.000 ft", "766.329 ft", "0.000 ft"};
    for (int c = 0; c < ChannelCount; ++c) {
        EXPECT_EQ(Edit(c).Text(), expected[c]) << c;
        EXPECT_EQ(Time(c).Caption(), expected[c]) << c;
    }
    // Typed values are feet now.
    Type(ChInB, "1");
    EXPECT_EQ(Slider(ChInB).Position(), 42);
    Type(ChInB, "1m");
    EXPECT_EQ(Slider(ChInB).Position(), 42);
    EXPECT_EQ(Edit(ChInB).Text(), "0.986 ft");

    // While controls update the click rewrites the texts and sends nothing.
    TakeFrames();
    form->ControlsUpdating = true;
    auto &metres = Control<TRzBmpButton>(QStringLiteral("rzbUnit1"));
    metres.SetDown(true);
    metres.Click();
    EXPECT_EQ(Edit(ChInA).Text(), "3.435 m");
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_EQ(form->Model.GetDelayUnit(), 2);
}

TEST_F(DelayPageTest, LinkedChannelsFollowTheHead)
{
    form->ControlsUpdating = true;
    form->Model.SetLinkMask(ChOut1, 0b0011);
    form->Model.SetLinkMask(ChOut2, 0);
    form->ControlsUpdating = false;
    Slider(ChOut1).SetPosition(32640);
    for (int c : {ChOut1, ChOut2}) {
        EXPECT_EQ(Slider(c).Position(), 32640) << c;
        EXPECT_EQ(Edit(c).Text(), "680.000 ms") << c;
        EXPECT_EQ(Time(c).Caption(), "680.000 ms") << c;
        EXPECT_EQ(Picture(c).Left(), 420) << c;
        EXPECT_EQ(Time(c).Left(), 452) << c;
        EXPECT_EQ(Line(c).Caption(), QString(63, u'-')) << c;
    }
    EXPECT_EQ(Slider(ChOut3).Position(), 0);
    EXPECT_EQ(Picture(ChOut3).Left(), 40);
    EXPECT_EQ(form->Model.GetDelay(ChOut2), 32640);
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_DELAY, {2, 0x80, 0x7F})}));
    EXPECT_FALSE(form->ControlsUpdating);
}

TEST_F(DelayPageTest, UpdateDelayLinePlacesTheTimeAndDrawsTheDashes)
{
    Picture(ChInB).SetLeft(100);
    form->Pages.UpdateDelayLine(ChInB);
    EXPECT_EQ(Time(ChInB).Left(), 130);
    EXPECT_EQ(Time(ChInB).Top(), 142 + 30 / 4);
    EXPECT_EQ(Line(ChInB).Caption(), QString(10, u'-'));
    Picture(ChInB).SetLeft(2000);
    form->Pages.UpdateDelayLine(ChInB);
    EXPECT_EQ(Line(ChInB).Caption(), QString(132, u'-'));
    delete &Time(ChInB);
    form->Pages.UpdateDelayLine(ChInB);  // ends without effect
    EXPECT_EQ(Line(ChInB).Caption(), QString(132, u'-'));
}

TEST_F(DelayPageTest, APressAtThePicturesFootStartsADragThatMovesTheDelay)
{
    Slider(ChInA).SetPosition(16320);
    TakeFrames();
    ASSERT_EQ(Picture(ChInA).Left(), 232);
    const TPoint grab = GrabPoint(ChInA);
    TInputRouter::MouseDown(form.get(), mbLeft, {}, OnLine(ChInA, grab.X - 20, grab.Y));
    EXPECT_FALSE(form->Pages.IsDelayDragging());
    TInputRouter::MouseUp(form.get(), mbLeft, {}, OnLine(ChInA, grab.X - 20, grab.Y));

    TInputRouter::MouseDown(form.get(), mbLeft, {}, OnLine(ChInA, grab.X, grab.Y));
    EXPECT_TRUE(form->Pages.IsDelayDragging());
    TInputRouter::MouseMove(form.get(), {ssLeft}, OnLine(ChInA, 115, grab.Y + 40));
    EXPECT_EQ(Slider(ChInA).Position(), 8477);
    EXPECT_EQ(Picture(ChInA).Left(), 139);
    EXPECT_EQ(Line(ChInA).Caption(), QString(16, u'-'));
    EXPECT_EQ(Edit(ChInA).Text(), "176.604 ms");
    EXPECT_EQ(TakeFrames(), (std::vector<BSTM>{Frame(CMD_DELAY, {0, 0x1D, 0x21})}));
    // Far right and far left stop at the ends.
    TInputRouter::MouseMove(form.get(), {ssLeft}, OnLine(ChInA, 900, grab.Y));
    EXPECT_EQ(Slider(ChInA).Position(), 32640);
    TInputRouter::MouseMove(form.get(), {ssLeft}, OnLine(ChInA, -300, grab.Y));
    EXPECT_EQ(Slider(ChInA).Position(), 0);
    EXPECT_EQ(Line(ChInA).Caption(), QString());
    TInputRouter::MouseUp(form.get(), mbLeft, {}, OnLine(ChInA, -300, grab.Y));
    EXPECT_FALSE(form->Pages.IsDelayDragging());
    TakeFrames();
    TInputRouter::MouseMove(form.get(), {}, OnLine(ChInA, 200, grab.Y));
    EXPECT_EQ(Slider(ChInA).Position(), 0);
    EXPECT_TRUE(form->Sent.empty());
}

TEST_F(DelayPageTest, ADragEndsWhenTheLineLosesTheCapture)
{
    const TPoint grab = GrabPoint(ChOut2);
    TInputRouter::MouseDown(form.get(), mbLeft, {}, OnLine(ChOut2, grab.X, grab.Y));
    ASSERT_TRUE(form->Pages.IsDelayDragging());
    TInputRouter::SetCaptureControl(nullptr);  // a dialog or another window took the mouse
    TInputRouter::MouseMove(form.get(), {}, OnLine(ChOut2, 200, grab.Y));
    EXPECT_FALSE(form->Pages.IsDelayDragging());
    EXPECT_EQ(Slider(ChOut2).Position(), 0);
    EXPECT_TRUE(form->Sent.empty());
}

TEST_F(DelayPageTest, TheRightButtonDragsTooAndItsReleaseEndsTheDrag)
{
    const TPoint grab = GrabPoint(ChOut4);
    TInputRouter::MouseDown(form.get(), mbRight, {}, OnLine(ChOut4, grab.X, grab.Y));
    ASSERT_TRUE(form->Pages.IsDelayDragging());
    TInputRouter::MouseMove(form.get(), {ssRight}, OnLine(ChOut4, 395, grab.Y));
    EXPECT_EQ(Slider(ChOut4).Position(), 32640);
    TInputRouter::MouseUp(form.get(), mbRight, {}, OnLine(ChOut4, 395, grab.Y));
    EXPECT_FALSE(form->Pages.IsDelayDragging());
    EXPECT_FALSE(Line(ChOut4).MouseCapture());
}

TEST_F(DelayPageTest, ALineNarrowerThanThePicturesTravelMovesNothing)
{
    Line(ChInB).SetWidth(90);
    const TPoint grab = GrabPoint(ChInB);
    TInputRouter::MouseDown(form.get(), mbLeft, {}, OnLine(ChInB, grab.X, grab.Y));
    ASSERT_TRUE(form->Pages.IsDelayDragging());
    TInputRouter::MouseMove(form.get(), {ssLeft}, OnLine(ChInB, 60, grab.Y));
    EXPECT_EQ(Slider(ChInB).Position(), 0);
    EXPECT_TRUE(form->Sent.empty());
    TInputRouter::MouseUp(form.get(), mbLeft, {}, OnLine(ChInB, 60, grab.Y));
}

TEST_F(DelayPageTest, TheHandShowsOverThePicturesFoot)
{
    const TPoint grab = GrabPoint(ChInA);
    TInputRouter::MouseMove(form.get(), {}, OnLine(ChInA, grab.X + 14, grab.Y));
    EXPECT_EQ(Line(ChInA).Cursor(), crHandPoint);
    TInputRouter::MouseMove(form.get(), {}, OnLine(ChInA, grab.X + 15, grab.Y));
    EXPECT_EQ(Line(ChInA).Cursor(), crDefault);
    EXPECT_FALSE(form->Pages.IsDelayDragging());
}

}  // namespace
