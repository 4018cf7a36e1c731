// The framed panel's dock manager: where the grabber goes by the panel's alignment, how its caption
// bar looks (colours by focus, the close cross), the framework's grabber without captions, and the
// repaint of the site on a mouse activation. Docking is done by code.

#include "widgets/skinned/RzPanel.h"
#include "widgets/skinned/RzPanelDockManager.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Label.h"

#include "SkinnedTestApp.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using skinnedtest::At;

struct DockSite : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TRzPanel *site = new TRzPanel(form);
    TEdit *client = new TEdit(form);
    TEdit *elsewhere = new TEdit(form);

    DockSite()
    {
        form->SetBounds(0, 0, 400, 300);
        site->SetParent(form);
        site->SetAlign(alLeft);
        site->SetWidth(200);
        site->SetBorderOuter(fsNone);
        site->DockSite = true;
        client->SetCaption("Levels");
        elsewhere->SetParent(form);
        elsewhere->SetBounds(250, 250, 100, 22);
        form->Show();
    }
    ~DockSite() override { delete form; }
    TRzPanelDockManager *Manager() { return site->DockManager(); }
    // Colours of a rectangle of a canvas.
    static std::set<TColor> Colours(TBitmap &b, const TRect &r)
    {
        std::set<TColor> colours;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                colours.insert(At(b, x, y));
        return colours;
    }
};

TEST_F(DockSite, ALeftAlignedSiteGivesItsClientsACaptionBarAcrossTheTop)
{
    ASSERT_NE(Manager(), nullptr);
    Manager()->InsertControl(client, TRect(0, 0, 200, 120));
    EXPECT_EQ(client->Parent(), site);
    EXPECT_EQ(client->BoundsRect(), TRect(0, 14, 200, 120));

    TBitmap b(200, 120);
    b.Canvas()->FillRect(TRect(0, 0, 200, 120), clWhite);
    elsewhere->SetFocus();
    Manager()->PaintDockFrame(b.Canvas(), client, TRect(0, 0, 200, 120));
    const std::set<TColor> bar = Colours(b, TRect(0, 0, 200, 14));
    EXPECT_TRUE(bar.count(ColorToRGB(clInactiveCaption))) << "a window without the focus";
    EXPECT_TRUE(bar.count(ColorToRGB(clInactiveCaptionText))) << "its caption";
    EXPECT_EQ(Colours(b, TRect(0, 14, 200, 120)), std::set<TColor>{clWhite});
    // The close cross at the end of the bar.
    const std::set<TColor> close = Colours(b, TRect(200 - 15, 1, 200 - 2, 12));
    EXPECT_TRUE(close.count(ColorToRGB(clInactiveCaptionText)));
    EXPECT_EQ(At(b, 200 - 15 + 6, 1 + 5), ColorToRGB(clInactiveCaptionText)) << "the cross's centre";

    client->SetFocus();
    Manager()->PaintDockFrame(b.Canvas(), client, TRect(0, 0, 200, 120));
    EXPECT_TRUE(Colours(b, TRect(0, 0, 200, 14)).count(ColorToRGB(clActiveCaption))) << "the focused window";
}

TEST_F(DockSite, ATopAlignedSiteGivesAVerticalBarAtTheLeft)
{
    site->SetAlign(alTop);
    site->SetHeight(100);
    Manager()->InsertControl(client, TRect(0, 0, 300, 100));
    EXPECT_EQ(client->BoundsRect(), TRect(14, 0, 300, 100));

    TBitmap b(300, 100);
    b.Canvas()->FillRect(TRect(0, 0, 300, 100), clWhite);
    auto *label = new TLabel(form);  // a window-less client: the active colours
    label->SetCaption("Meters");
    Manager()->PaintDockFrame(b.Canvas(), label, TRect(0, 0, 300, 100));
    const std::set<TColor> bar = Colours(b, TRect(0, 0, 14, 100));
    EXPECT_TRUE(bar.count(ColorToRGB(clActiveCaption)));
    EXPECT_TRUE(bar.count(ColorToRGB(clCaptionText))) << "the caption reads up the bar";
    EXPECT_EQ(Colours(b, TRect(14, 0, 300, 100)), std::set<TColor>{clWhite});
    // The caption's ink lies in the lower part of the bar (it reads from the bottom up).
    int lowest = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 14; ++x)
            if (At(b, x, y) == ColorToRGB(clCaptionText) && y > 12)
                lowest = y;
    EXPECT_GT(lowest, 80);
}

TEST_F(DockSite, WithoutCaptionsTheFrameworksGrabberIsDrawn)
{
    site->SetShowDockClientCaptions(false);
    TBitmap b(200, 120);
    b.Canvas()->FillRect(TRect(0, 0, 200, 120), clWhite);
    Manager()->PaintDockFrame(b.Canvas(), client, TRect(0, 0, 200, 120));
    EXPECT_FALSE(Colours(b, TRect(0, 0, 200, 14)).count(ColorToRGB(clActiveCaption)));
    EXPECT_TRUE(Colours(b, TRect(0, 0, 200, 12)).count(ColorToRGB(clBtnHighlight)));
}

TEST_F(DockSite, TheSitePaintsTheGrabbersAndRepaintsOnAMouseActivation)
{
    int paints = 0;
    site->OnPaint = [&](TObject *) { ++paints; };
    Manager()->InsertControl(client, TRect(0, 0, 200, 120));
    const QImage shot = RenderControlImage(site);
    EXPECT_EQ(At(shot, 50, 5), ColorToRGB(client->Focused() ? clActiveCaption : clInactiveCaption));

    site->BackingImage();
    const int before = paints;
    site->Perform(WM_MOUSEACTIVATE);
    site->BackingImage();
    EXPECT_EQ(paints, before + 1);
}

TEST(DockManager, OnlyAFramedPanelCanHaveIt)
{
    TEdit edit(nullptr);
    EXPECT_THROW(TRzPanelDockManager{&edit}, EInvalidCast);
    TRzPanel panel(nullptr);
    EXPECT_EQ(panel.DockManager(), nullptr) << "not a dock site";
}

}  // namespace
