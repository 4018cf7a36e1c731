// The bitmap button: what fires when (by code, by mouse and keys through the input router), the
// picture shown in each state over a transparent group box, sizes and caption placement.

#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/ui/TestScript.h"

#include "SkinnedTestApp.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skinnedtest::At;
using skinnedtest::WidgetPicture;

// A shown form with three buttons of group 1 on it, logging their events.
struct Group : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TRzBmpButton *a = Button("a", 10);
    TRzBmpButton *b = Button("b", 100);
    TRzBmpButton *solo = Button("solo", 190);
    std::vector<std::string> log;

    TRzBmpButton *Button(const char *name, int left)
    {
        auto *button = new TRzBmpButton(form);
        button->SetName(name);
        button->SetBounds(left, 10, 80, 30);
        button->OnClick = [this, button](TObject *) { Log("click", button); };
        button->OnMouseUp = [this, button](TObject *, TMouseButton, TShiftState, int, int) { Log("up", button); };
        return button;
    }
    void Log(const char *what, TRzBmpButton *button)
    {
        log.push_back(std::string(what) + ":" + button->Name().toStdString() + (button->Down() ? "+" : "-"));
    }
    Group()
    {
        form->SetBounds(0, 0, 300, 100);
        a->SetGroupIndex(1);
        b->SetGroupIndex(1);
        for (TRzBmpButton *button : {a, b, solo})
            button->SetParent(form);
        form->Show();
    }
    ~Group() override { delete form; }
    void ClickOn(TRzBmpButton *button) { TInputRouter::Click(form, Point(button->Left() + 5, button->Top() + 5)); }
    std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
};

using Events = std::vector<std::string>;

TEST_F(Group, WritingDownFiresNothing)
{
    solo->SetDown(true);
    EXPECT_FALSE(solo->Down()) << "an ungrouped button is never down";
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down()) << "the group's other button popped up";
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->State(), bsExclusive);
    b->SetDown(false);
    EXPECT_TRUE(b->Down()) << "a latched button of an exclusive group stays down";
    EXPECT_EQ(TakeLog(), Events{});
}

TEST_F(Group, AUsersClickLatchesAfterOnMouseUpAndBeforeOnClick)
{
    // `a` joins the group with AllowAllUp while it has no parent: only a click tells the others.
    b->SetDown(true);
    a->SetParent(nullptr);
    a->SetAllowAllUp(true);
    a->SetParent(form);
    EXPECT_FALSE(b->AllowAllUp());
    ClickOn(a);
    EXPECT_EQ(TakeLog(), (Events{"up:a-", "click:a+"}));
    EXPECT_TRUE(a->Down());
    EXPECT_FALSE(b->Down());
    EXPECT_TRUE(b->AllowAllUp()) << "the group copied the clicked button's AllowAllUp";

    ClickOn(a);
    EXPECT_EQ(TakeLog(), (Events{"up:a+", "click:a-"})) << "AllowAllUp lets a click release it";
}

TEST_F(Group, ClickingALatchedButtonOfAnExclusiveGroupFiresAgainAndStaysDown)
{
    ClickOn(b);
    ClickOn(b);
    EXPECT_EQ(TakeLog(), (Events{"up:b-", "click:b+", "up:b+", "click:b+"}));
    EXPECT_TRUE(b->Down());
    ClickOn(solo);
    EXPECT_EQ(TakeLog(), (Events{"up:solo-", "click:solo-"}));
}

TEST_F(Group, AReleaseOutsideFiresNothingAndMovingBackInShowsThePress)
{
    const TPoint inside(a->Left() + 5, a->Top() + 5), outside(a->Left() + 100, a->Top() + 50);
    TInputRouter::MouseDown(form, mbLeft, {}, inside);
    EXPECT_EQ(a->State(), bsDown);
    TInputRouter::MouseMove(form, {ssLeft}, outside);
    EXPECT_EQ(a->State(), bsUp);
    TInputRouter::MouseMove(form, {ssLeft}, inside);
    EXPECT_EQ(a->State(), bsDown);
    TInputRouter::MouseMove(form, {ssLeft}, Point(a->Left() + 5, a->Top() + a->Height()));
    EXPECT_EQ(a->State(), bsDown) << "the row below the button still counts as inside";
    TInputRouter::MouseUp(form, mbLeft, {}, outside);
    EXPECT_EQ(TakeLog(), Events{"up:a-"});
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
}

TEST_F(Group, SpaceAndReturnClick)
{
    a->SetFocus();
    TInputRouter::KeyDown(VK_SPACE, {});
    EXPECT_EQ(a->State(), bsDown);
    EXPECT_EQ(TakeLog(), Events{});
    TInputRouter::KeyUp(VK_SPACE, {});
    EXPECT_EQ(TakeLog(), Events{"click:a+"});
    solo->SetFocus();
    TInputRouter::KeyDown(VK_RETURN, {});
    EXPECT_EQ(TakeLog(), Events{"click:solo-"});
}

TEST_F(Group, ClickByCodeCopiesTheModalResult)
{
    form->SetModalResult(mrNone);
    solo->SetModalResult(mrYes);
    solo->Click();
    EXPECT_EQ(form->ModalResult(), mrYes);
    EXPECT_EQ(TakeLog(), Events{"click:solo-"});
    a->Click();
    EXPECT_EQ(form->ModalResult(), mrNone) << "a result of 0 is copied too";
    EXPECT_FALSE(a->Down()) << "a click by code does not toggle";
}

TEST(BmpButtonModal, AButtonOnAModalFormClosesItWithItsResult)
{
    TForm dialog(nullptr);
    dialog.SetName("dlgAsk");
    dialog.SetBounds(0, 0, 200, 100);
    auto *ok = new TRzBmpButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetBounds(20, 20, 80, 30);
    ok->SetModalResult(mrOk);
    bool clicked = false;
    ok->OnClick = [&](TObject *) { clicked = true; };
    TestScript::ExpectModal("dlgAsk", [](TCustomForm &f) { TInputRouter::Click(&f, Point(30, 30)); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(clicked);
}

// ---- Pictures ------------------------------------------------------------------------------------------

// A button with the teal picture set on a transparent group box over a striped picture.
struct Pictures : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TImage *image = new TImage(form);
    TRzGroupBox *box = new TRzGroupBox(form);
    TRzBmpButton *button = new TRzBmpButton(form);
    std::unique_ptr<TBitmap> up = WidgetPicture("button_teal_up.bmp");

    Pictures()
    {
        form->SetBounds(0, 0, 200, 100);
        image->SetParent(form);
        image->SetBounds(0, 0, 200, 100);
        TBitmap *b = image->Picture()->Bitmap();
        b->SetSize(200, 100);
        b->Canvas()->FillRect(TRect(0, 0, 200, 100), clFuchsia);
        box->SetParent(form);
        box->SetBounds(10, 10, 160, 70);
        box->SetGroupStyle(gsCustom);
        box->SetTransparent(true);
        button->SetParent(box);
        button->SetButtonSize(bszStretchToButton);
        button->SetBounds(10, 10, 80, 30);
        button->SetShowFocus(false);
        TRzButtonBitmaps *set = button->Bitmaps();
        set->SetTransparentColor(clTeal);
        set->SetUp(up.get());
        for (auto [name, assign] : {std::pair{"button_teal_down.bmp", &TRzButtonBitmaps::SetDown},
                                    std::pair{"button_teal_hot.bmp", &TRzButtonBitmaps::SetHot},
                                    std::pair{"button_teal_staydown.bmp", &TRzButtonBitmaps::SetStayDown},
                                    std::pair{"button_teal_disabled.bmp", &TRzButtonBitmaps::SetDisabled}})
            (set->*assign)(WidgetPicture(name).get());
        form->Show();
    }
    ~Pictures() override { delete form; }
    QImage Shot() { return RenderControlImage(button); }
    // The button shows `picture` wherever it is not teal, and the form's picture where it is.
    ::testing::AssertionResult Shows(TBitmap *picture)
    {
        const QImage shot = Shot();
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 80; ++x) {
                const TColor want = At(*picture, x, y) == clTeal ? clFuchsia : At(*picture, x, y);
                if (At(shot, x, y) != want)
                    return ::testing::AssertionFailure() << "pixel " << x << "," << y;
            }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(Pictures, EachStateShowsItsPictureOverTheParentsImage)
{
    ASSERT_EQ(up->Width(), 80);
    ASSERT_EQ(At(*up, 0, 0), clTeal);
    EXPECT_TRUE(Shows(up.get()));

    const TPoint inside(box->Left() + button->Left() + 20, box->Top() + button->Top() + 15);
    TInputRouter::MouseMove(form, {}, inside);
    EXPECT_TRUE(button->MouseOverButton());
    EXPECT_TRUE(Shows(button->Bitmaps()->Hot()));
    TInputRouter::MouseDown(form, mbLeft, {}, inside);
    EXPECT_TRUE(Shows(button->Bitmaps()->Down()));
    TInputRouter::MouseUp(form, mbLeft, {}, inside);
    TInputRouter::MouseMove(form, {}, Point(190, 90));
    EXPECT_TRUE(Shows(up.get()));

    button->SetGroupIndex(3);
    button->SetDown(true);
    EXPECT_TRUE(Shows(button->Bitmaps()->StayDown()));
    button->SetEnabled(false);
    EXPECT_TRUE(Shows(button->Bitmaps()->Disabled()));
}

TEST_F(Pictures, ADisabledButtonWithoutItsPictureShowsTheEmbossedUp)
{
    button->Bitmaps()->SetDisabled(nullptr);
    button->SetEnabled(false);
    const QImage shot = Shot();
    const TColor face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow);
    ASSERT_EQ(face, RGB(240, 240, 240));
    int checked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const bool black = At(*up, x, y) == clBlack;
            const bool blackBefore = x > 0 && y > 0 && At(*up, x - 1, y - 1) == clBlack;
            const TColor want = black ? shadow : blackBefore ? clWhite : face;
            ASSERT_EQ(At(shot, x, y), want) << x << "," << y;
            checked += black;
        }
    EXPECT_GT(checked, 100) << "the picture has a black outline";

    button->SetCaption("Off");
    const QImage captioned = Shot();
    bool grey = false, white = false;
    for (int y = 5; y < 25; ++y)
        for (int x = 20; x < 60; ++x) {
            grey |= At(captioned, x, y) == clGray;
            white |= At(captioned, x, y) == clWhite && At(shot, x, y) != clWhite;
        }
    EXPECT_TRUE(grey && white) << "a grey caption over its white copy";
}

TEST_F(Pictures, WithoutAnUpPictureOnlyTheCaptionIsDrawn)
{
    button->Bitmaps()->SetUp(nullptr);
    button->SetCaption("Go");
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 2, 2), clFuchsia);
    bool ink = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            ink |= At(shot, x, y) == clBlack;
    EXPECT_TRUE(ink);
}

TEST(BmpButtonPattern, TheDownPatternAlternatesWhiteAndButtonFace)
{
    TForm form(nullptr);
    TRzBmpButton &button = *new TRzBmpButton(&form);
    button.SetParent(&form);
    TBitmap *pattern = TRzBmpButton::DownPatternBitmap();
    ASSERT_EQ(pattern->Width(), 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(At(*pattern, x, y), (x % 2 == y % 2) ? clWhite : RGB(240, 240, 240)) << x << "," << y;

    // A latched bordered button without pictures shows the pattern from its top-left corner (over
    // the frame's top and left lines) to one pixel short of the frame's right and bottom lines.
    button.SetButtonBorder(bbSingle);
    button.SetGroupIndex(1);
    button.SetDown(true);
    const QImage shot = RenderControlImage(&button);
    EXPECT_EQ(At(shot, 0, 0), clWhite);
    EXPECT_EQ(At(shot, 79, 10), clBlack);
    EXPECT_EQ(At(shot, 78, 10), ColorToRGB(clBtnFace)) << "the button's colour";
    EXPECT_EQ(At(shot, 77, 10), RGB(240, 240, 240));
    EXPECT_EQ(At(shot, 76, 10), clWhite);
    EXPECT_EQ(At(shot, 1, 1), clWhite);
    EXPECT_EQ(At(shot, 2, 1), RGB(240, 240, 240));
}

TEST(BmpButtonSize, SizesAndMargins)
{
    TRzBmpButton button(nullptr);
    button.SetButtonBorder(bbSingle);
    TBitmap up(40, 20);
    button.Bitmaps()->SetUp(&up);
    EXPECT_EQ(button.Width(), 42);
    EXPECT_EQ(button.Height(), 22);
    button.SetMargin(-2);
    EXPECT_EQ(button.Margin(), -1);
    button.SetMargin(14);
    EXPECT_EQ(button.Margin(), 14);
}

TEST(BmpButtonLayout, CaptionPlacement)
{
    TRzBmpButton button(nullptr);
    button.SetButtonSize(bszStretchToButton);
    button.SetBounds(0, 0, 80, 60);
    button.SetCaption("Mute");
    TBitmap probe(1, 1);
    probe.Canvas()->SetFont(button.Font());
    const TSize text = probe.Canvas()->TextExtent("Mute");
    struct Case {
        const char *name;
        TButtonLayout layout;
        int margin;
        TPoint topLeft;
    } cases[] = {
        {.name = "glyph top, margin 14", .layout = blGlyphTop, .margin = 14, .topLeft = {40 - text.cx / 2, 14}},
        {.name = "glyph left, margin 14", .layout = blGlyphLeft, .margin = 14, .topLeft = {14, 30 - text.cy / 2}},
        {.name = "centred", .layout = blGlyphTop, .margin = -1, .topLeft = {40 - text.cx / 2, 30 - text.cy / 2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        button.SetLayout(c.layout);
        button.SetMargin(c.margin);
        TRect glyph, caption;
        button.CalcLayout(TRect(0, 0, 80, 60), nullptr, glyph, caption);
        EXPECT_EQ(caption.TopLeft(), c.topLeft);
        EXPECT_EQ(caption.Width(), text.cx);
        EXPECT_TRUE(glyph.IsEmpty());
    }
}

}  // namespace

namespace {

TEST(BmpButtonForm, AFormDefinitionSetsPicturesAndStyles)
{
    // The picture's form data: a 32-bit byte count, then the bitmap file.
    QFile file(skinnedtest::WidgetPicturePath("button_olive_up.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    QByteArray data(4, '\0');
    qToLittleEndian(static_cast<std::uint32_t>(bmp.size()), data.data());
    data += bmp;
    const QString text = "object Holder: TForm\n"
                         "  object rzgBands: TRzGroupBox\n"
                         "    Left = 8\n"
                         "    Top = 8\n"
                         "    Width = 200\n"
                         "    GroupStyle = gsCustom\n"
                         "    Transparent = True\n"
                         "    object rzbMute: TRzBmpButton\n"
                         "      Left = 4\n"
                         "      Top = 4\n"
                         "      GroupIndex = 2\n"
                         "      Down = True\n"
                         "      AllowAllUp = True\n"
                         "      ModalResult = 5\n"
                         "      Layout = blGlyphTop\n"
                         "      Margin = 14\n"
                         "      Bitmaps.TransparentColor = clOlive\n"
                         "      Bitmaps.Up = {" +
                         QString::fromLatin1(data.toHex()) +
                         "}\n"
                         "      Caption = 'Mute'\n"
                         "    end\n"
                         "  end\n"
                         "end\n";
    std::unique_ptr<TComponent> holder(CreateComponentFromText(text, "bands.dfm", nullptr));
    auto *box = dynamic_cast<TRzGroupBox *>(holder->FindComponent("rzgBands"));
    auto *mute = dynamic_cast<TRzBmpButton *>(holder->FindComponent("rzbMute"));
    ASSERT_TRUE(box && mute);
    EXPECT_EQ(box->GroupStyle(), gsCustom);
    EXPECT_TRUE(box->Transparent());
    EXPECT_EQ(box->Height(), 105);
    EXPECT_EQ(mute->Parent(), box);
    EXPECT_TRUE(mute->Down());
    EXPECT_EQ(mute->ModalResult(), 5);
    EXPECT_EQ(mute->Layout(), blGlyphTop);
    EXPECT_EQ(mute->Margin(), 14);
    EXPECT_EQ(mute->Bitmaps()->Up()->Width(), 80);
    EXPECT_EQ(mute->Bitmaps()->TransparentColor(), clOlive);
    EXPECT_EQ(mute->Width(), 80) << "sized to the picture once loaded";
    EXPECT_EQ(mute->Height(), 30);
}

}  // namespace
