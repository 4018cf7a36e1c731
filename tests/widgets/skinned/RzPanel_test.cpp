// Framed panels and group boxes: what a transparent box shows, where children sit, the frame
// widths, enabling, the edges kept on resize and the group box styles' frames.

#include "widgets/skinned/RzGroupBox.h"
#include "widgets/skinned/RzPanel.h"

#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/runtime/TypInfo.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

namespace {

using skinnedtest::At;

// A form whose background is a picture of coloured stripes in a TImage.
struct OnPicture : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TImage *image = new TImage(form);

    OnPicture()
    {
        form->SetBounds(0, 0, 300, 200);
        form->SetColor(clWhite);
        image->SetParent(form);
        image->SetBounds(0, 0, 300, 200);
        TBitmap *b = image->Picture()->Bitmap();
        b->SetSize(300, 200);
        for (int x = 0; x < 300; x += 10)
            b->Canvas()->FillRect(TRect(x, 0, x + 10, 200), x % 20 ? clRed : clNavy);
        b->Canvas()->FillRect(TRect(0, 100, 300, 105), clYellow);
    }
    ~OnPicture() override { delete form; }

    template <class T>
    T *Box(TWinControl *parent, const TRect &r)
    {
        auto *box = new T(form);
        box->SetParent(parent);
        box->SetBoundsRect(r);
        return box;
    }
    QImage Render() { return RenderControlImage(form); }
    static bool SameArea(const QImage &a, const QImage &b, const TRect &r)
    {
        return a.copy(r.Left, r.Top, r.Width(), r.Height()) == b.copy(r.Left, r.Top, r.Width(), r.Height());
    }
};

TEST_F(OnPicture, ACustomTransparentBoxWithoutCaptionShowsOnlyTheParentsPixels)
{
    const QImage bare = Render();
    for (TGradientDirection direction : {gdHorizontalEnd, gdSquareBox}) {
        SCOPED_TRACE(direction);
        auto *outer = Box<TRzGroupBox>(form, TRect(20, 20, 220, 160));
        outer->SetGroupStyle(gsCustom);
        outer->SetTransparent(true);
        outer->SetGradientDirection(direction);
        // A second transparent level inside the first.
        auto *inner = Box<TRzGroupBox>(outer, TRect(15, 30, 115, 110));
        inner->SetGroupStyle(gsCustom);
        inner->SetTransparent(true);
        EXPECT_TRUE(SameArea(Render(), bare, TRect(20, 20, 220, 160)));
        delete outer;
    }
}

TEST_F(OnPicture, AClientChildSitsTwoPixelsInsideAndOnPaintRunsLast)
{
    auto *box = Box<TRzGroupBox>(form, TRect(20, 20, 220, 160));
    box->SetGroupStyle(gsCustom);
    box->SetTransparent(true);
    auto *child = Box<TRzPanel>(box, TRect(0, 0, 10, 10));
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), TRect(2, 2, 198, 138));

    TObject *sender = nullptr;
    box->OnPaint = [&](TObject *s) {
        sender = s;
        box->Canvas()->FillRect(TRect(0, 0, 3, 3), clLime);
    };
    child->SetVisible(false);
    const QImage shot = Render();
    EXPECT_EQ(sender, box);
    EXPECT_EQ(At(shot, 21, 21), clLime) << "drawn over the parent's image";
    EXPECT_EQ(At(shot, 35, 25), clRed);
}

TEST_F(OnPicture, ACustomBoxWithACaptionWritesItInFontAndMovesItsChildrenDown)
{
    auto *box = Box<TRzGroupBox>(form, TRect(20, 20, 220, 160));
    box->SetGroupStyle(gsCustom);
    box->CaptionFont()->SetSize(30);
    box->SetCaption("Gy");
    auto *child = Box<TRzPanel>(box, TRect(0, 0, 10, 10));
    child->SetAlign(alClient);
    TBitmap probe(1, 1);
    probe.Canvas()->SetFont(box->Font());
    const int yy = probe.Canvas()->TextHeight("Yy");
    EXPECT_EQ(child->Top(), 2 + yy);
    child->SetVisible(false);
    const QImage shot = Render();
    // The caption's ink lies within the small font's height from the top of the box.
    int lowest = -1;
    for (int y = 20; y < 100; ++y)
        for (int x = 20; x < 60; ++x)
            if (At(shot, x, y) == clBlack)
                lowest = y;
    EXPECT_GT(lowest, 20);
    EXPECT_LT(lowest, 20 + yy + 1);
}

TEST_F(OnPicture, ShownAgainABoxPaintsWhatLiesBehindItNow)
{
    auto *box = Box<TRzGroupBox>(form, TRect(20, 20, 120, 120));
    box->SetGroupStyle(gsCustom);
    box->SetTransparent(true);
    form->Show();
    EXPECT_EQ(At(box->BackingImage(), 15, 5), clRed);
    box->Hide();
    image->Picture()->Bitmap()->Canvas()->FillRect(TRect(0, 0, 300, 200), clGreen);
    box->Show();
    EXPECT_EQ(At(box->BackingImage(), 15, 5), clGreen);
}

struct Panel : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TRzPanel *panel = new TRzPanel(form);
    TRzPanel *child = new TRzPanel(form);
    Panel()
    {
        form->SetBounds(0, 0, 300, 200);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 100, 80);
        child->SetParent(panel);
        child->SetAlign(alClient);
    }
    ~Panel() override { delete form; }
};

TEST_F(Panel, FrameStylesShrinkTheClientAreaOnlyOnTheirSides)
{
    struct Case {
        const char *name;
        TFrameStyleEx outer, inner;
        TSides sides;
        int borderWidth;
        TRect expected;  // the child aligned to the client area
        TRect client;    // ClientRect: without the frame, BorderWidth included
    } cases[] = {
        {.name = "raised outer, lowered inner",
         .outer = fsRaised,
         .inner = fsLowered,
         .sides = sdAllSides,
         .borderWidth = 0,
         .expected = TRect(4, 4, 96, 76),
         .client = TRect(4, 4, 96, 76)},
        {.name = "only left and top",
         .outer = fsRaised,
         .inner = fsLowered,
         .sides = {sdLeft, sdTop},
         .borderWidth = 0,
         .expected = TRect(4, 4, 100, 80),
         .client = TRect(4, 4, 100, 80)},
        {.name = "border width on all sides",
         .outer = fsNone,
         .inner = fsNone,
         .sides = {sdLeft},
         .borderWidth = 3,
         .expected = TRect(3, 3, 97, 77),
         .client = TRect(0, 0, 100, 80)},
        {.name = "flat and status (bevel width 1)",
         .outer = fsFlat,
         .inner = fsStatus,
         .sides = {sdRight, sdBottom},
         .borderWidth = 0,
         .expected = TRect(0, 0, 98, 78),
         .client = TRect(0, 0, 98, 78)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        panel->SetBorderOuter(c.outer);
        panel->SetBorderInner(c.inner);
        panel->SetBorderSides(c.sides);
        panel->SetBorderWidth(c.borderWidth);
        EXPECT_EQ(child->BoundsRect(), c.expected);
        EXPECT_EQ(panel->ClientRect(), c.client);
        EXPECT_EQ(panel->ClientWidth(), c.client.Width());
        EXPECT_EQ(panel->ClientHeight(), c.client.Height());
    }
    // The frame still paints on the panel's own image, outside ClientRect.
    panel->SetBorderOuter(fsRaised);
    panel->SetBorderInner(fsNone);
    panel->SetBorderSides(sdAllSides);
    panel->SetBorderWidth(0);
    const QImage framed = RenderControlImage(panel);
    EXPECT_EQ(framed.size(), QSize(100, 80));
    EXPECT_NE(At(framed, 0, 40), ColorToRGB(clBtnFace));
    // The border's colour ring is painted only on BorderSides.
    panel->SetBorderOuter(fsNone);
    panel->SetBorderInner(fsNone);
    panel->SetBorderSides({sdLeft});
    panel->SetBorderWidth(3);
    panel->SetBorderColor(clYellow);
    child->SetVisible(false);
    const QImage shot = RenderControlImage(panel);
    EXPECT_EQ(At(shot, 0, 40), clYellow);
    EXPECT_EQ(At(shot, 99, 40), ColorToRGB(clBtnFace));
}

TEST_F(Panel, EnablingAgainRestoresEachChildsOwnState)
{
    auto *off = new TRzPanel(form);
    off->SetParent(panel);
    off->SetEnabled(false);
    panel->SetEnabled(false);
    EXPECT_FALSE(child->Enabled());
    auto *late = new TRzPanel(form);
    late->SetParent(panel);
    late->SetEnabled(false);
    panel->SetEnabled(true);
    EXPECT_TRUE(child->Enabled());
    EXPECT_FALSE(off->Enabled());
    EXPECT_TRUE(late->Enabled()) << "a child added while disabled comes on";
}

TEST_F(Panel, AlignedPanelsKeepTheEdgeTheyAreAlignedTo)
{
    panel->SetAlign(alBottom);
    const int bottom = panel->Top() + panel->Height();
    panel->SetHeight(30);
    EXPECT_EQ(panel->Top() + panel->Height(), bottom);
    EXPECT_EQ(panel->Height(), 30);
    panel->SetAlign(alRight);
    const int right = panel->Left() + panel->Width();
    panel->SetWidth(40);
    EXPECT_EQ(panel->Left() + panel->Width(), right);
}

TEST_F(Panel, FlatColorAdjustmentWrapsAtAFullTurn)
{
    child->SetVisible(false);
    panel->SetBorderOuter(fsFlat);
    panel->SetFlatColorAdjustment(300);
    EXPECT_EQ(At(RenderControlImage(panel), 0, 40), LightenColor(clBtnShadow, 44));
    panel->SetFlatColorAdjustment(-300);
    EXPECT_EQ(At(RenderControlImage(panel), 0, 40), DarkenColor(clBtnShadow, 44));
}

struct GroupBox : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TRzGroupBox *box = new TRzGroupBox(form);
    GroupBox()
    {
        form->SetBounds(0, 0, 300, 200);
        box->SetParent(form);
        box->SetBounds(10, 10, 120, 80);
    }
    ~GroupBox() override { delete form; }
    int CaptionFontMiddle()
    {
        TBitmap probe(1, 1);
        probe.Canvas()->SetFont(box->CaptionFont());
        return probe.Canvas()->TextHeight("Pp") / 2 - 1;
    }
};

TEST_F(GroupBox, StartsAsTheWindowsExpect)
{
    EXPECT_EQ(box->GroupStyle(), gsFlat);
    EXPECT_EQ(box->BorderOuter(), fsNone);
    EXPECT_EQ(box->BorderInner(), fsNone);
    EXPECT_EQ(box->Alignment(), taLeftJustify);
    EXPECT_EQ(box->AlignmentVertical(), avTop);
    EXPECT_EQ(TRzGroupBox(nullptr).Height(), 105);
    EXPECT_EQ(GetEnumProp(box, "GroupStyle"), "gsFlat");
    SetEnumProp(box, "GroupStyle", "gsCustom");
    EXPECT_EQ(box->GroupStyle(), gsCustom);
}

TEST_F(GroupBox, TheStandardTopLineSitsAtHalfTheCaptionFontHeight)
{
    box->SetGroupStyle(gsStandard);
    box->CaptionFont()->SetSize(24);
    EXPECT_TRUE(box->CaptionFontChanged());
    const int top = CaptionFontMiddle();
    const QImage shot = RenderControlImage(box);
    EXPECT_EQ(At(shot, 40, top), ColorToRGB(clBtnShadow)) << "groove's dark line";
    EXPECT_EQ(At(shot, 40, top + 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(shot, 40, top - 1), ColorToRGB(clBtnFace));
}

TEST_F(GroupBox, TheFlatStyleCutsItsCorners)
{
    const int top = CaptionFontMiddle();
    const TColor c = AdjustColor(clBtnShadow, 30);
    const QImage shot = RenderControlImage(box);
    EXPECT_EQ(At(shot, 0, top + 2), c);
    EXPECT_EQ(At(shot, 2, top), c);
    EXPECT_EQ(At(shot, 1, top + 1), c) << "the cut";
    EXPECT_EQ(At(shot, 0, top), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(shot, 119, 79 - 2), c);
    EXPECT_EQ(At(shot, 119, 79), ColorToRGB(clBtnFace));
}

TEST_F(GroupBox, CaptionFontFollowsFontUntilSetOnItsOwn)
{
    box->Font()->SetSize(14);
    EXPECT_EQ(box->CaptionFont()->Size(), 14);
    EXPECT_FALSE(box->CaptionFontChanged());
    box->CaptionFont()->SetSize(20);
    box->Font()->SetSize(9);
    EXPECT_EQ(box->CaptionFont()->Size(), 20);
}

}  // namespace
