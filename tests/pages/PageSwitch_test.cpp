// The page switch and the overview jumps on the equaliser test form, which holds every page's
// boxes and the page buttons (the Gain page shown at start).

#include "EqPagesFixture.h"

#include "device/GlobalConstants.h"
#include "widgets/skinned/RzGroupBox.h"

namespace {

constexpr TColor Lime = 0x00FF00;
constexpr TColor White = 0xFFFFFF;

class PageSwitchTest : public EqPagesTest {
protected:
    void ClickOn(TControl &control)
    {
        TInputRouter::Click(form.get(), control.ClientToParent(TPoint(4, 4), form.get()));
    }
    TRzBmpButton &PageButton(const QString &suffix) { return Control<TRzBmpButton>("rzbMenu" + suffix); }
    void ShowPage(const QString &suffix) { ClickOn(PageButton(suffix)); }
    bool BoxesVisible(const QString &suffix)
    {
        return Control<TRzGroupBox>("rzgFft" + suffix).Visible() && Control<TRzGroupBox>("rzgParam" + suffix).Visible();
    }
    bool BoxesHidden(const QString &suffix)
    {
        return !Control<TRzGroupBox>("rzgFft" + suffix).Visible() &&
               !Control<TRzGroupBox>("rzgParam" + suffix).Visible();
    }
    TColor TotalColour(int plotChannel)
    {
        TColor colour = 0;
        EXPECT_TRUE(PlotControl(plotChannel).GetPlotColor(colour, PlotCurveSlots::ChannelTotal));
        return colour;
    }
    QString Caption(const char *prefix, int channel) { return At<TLabel>(prefix, channel).Caption(); }
};

TEST_F(PageSwitchTest, TheShownPagesButtonChangesNothing)
{
    form->Pages.MarkCurveChanged(ChOut1);
    ShowPage("Gain");
    EXPECT_EQ(form->Pages.GetCurrentPage(), PageGain);
    EXPECT_EQ(form->SerialExtraWrites, 0);
    // No refresh took the changed curve.
    EXPECT_NE(form->Pages.GainPageDirtyMasks[1] & (1 << ChOut1), 0);
}

TEST_F(PageSwitchTest, AChannelPageComesBackWithItsBoxesNameAndColour)
{
    ShowPage("Out2");
    EXPECT_EQ(form->SerialExtraWrites, 1);
    ShowPage("Comp");
    EXPECT_TRUE(BoxesHidden("Out2"));
    EXPECT_TRUE(BoxesVisible("Comp"));
    EXPECT_EQ(PageButton("Out2").Font()->Color(), White);
    ShowPage("Out2");
    EXPECT_EQ(form->Pages.GetCurrentPage(), ChOut2);
    EXPECT_TRUE(BoxesVisible("Out2"));
    EXPECT_TRUE(BoxesHidden("Comp"));
    EXPECT_TRUE(BoxesHidden("Gain"));
    EXPECT_EQ(TotalColour(ChOut2), Lime);
    EXPECT_EQ(Caption("lbFftChannel", ChOut2), "Out2");
    EXPECT_EQ(Caption("lbGainName", ChOut2), "Out2");
    EXPECT_EQ(PageButton("Out2").Font()->Color(), Lime);
    EXPECT_EQ(PageButton("Comp").Font()->Color(), White);
    EXPECT_EQ(PageButton("Gain").Font()->Color(), White);
}

TEST_F(PageSwitchTest, AGroupMembersPageShowsItsHeadsBoxesUnderItsOwnName)
{
    form->Model.SetLinkMask(ChOut1, 0b11);
    form->Model.SetLinkMask(ChOut2, 0);
    ShowPage("Out2");
    EXPECT_TRUE(BoxesVisible("Out1"));
    EXPECT_EQ(Caption("lbFftChannel", ChOut1), "Out2");
    EXPECT_EQ(Caption("lbGainName", ChOut1), "Out2");
    EXPECT_EQ(TotalColour(ChOut1), static_cast<TColor>(ChannelColors[ChOut2]));
    int n = 0;
    PlotControl(ChOut1).GetPlotNumPoints(n, PlotCurveSlots::ChannelTotal);
    std::vector<double> drawn(static_cast<std::size_t>(n));
    PlotControl(ChOut1).GetPlotY(drawn, PlotCurveSlots::ChannelTotal);
    const ResponseCurve &total = Slot(ChOut1, PlotCurveSlots::ChannelTotal).Response;
    EXPECT_EQ(drawn, std::vector<double>(total.begin(), total.end()));

    ShowPage("Delay");
    EXPECT_TRUE(BoxesHidden("Out1"));
    EXPECT_TRUE(BoxesVisible("Out2"));  // never shown, never hidden
    EXPECT_TRUE(BoxesVisible("Delay"));
}

TEST_F(PageSwitchTest, AChannelNoMaskNamesShowsItsOwnBoxes)
{
    // Inconsistent masks from a processor: Out 2 belongs to no group.
    form->Model.SetLinkMask(ChOut1, 0b01);
    form->Model.SetLinkMask(ChOut2, 0);
    EXPECT_EQ(form->Pages.ShownChannel(ChOut2), ChOut2);
    ShowPage("Out2");
    EXPECT_EQ(Caption("lbFftChannel", ChOut2), "Out2");
    ShowPage("Delay");
    EXPECT_TRUE(BoxesHidden("Out2"));
    EXPECT_TRUE(BoxesVisible("Out1"));
}

TEST_F(PageSwitchTest, AnOverviewLabelPressesItsChannelsPageButton)
{
    ShowPage("Matrix");
    ASSERT_TRUE(PageButton("Matrix").Down());
    ClickOn(Control<TLabel>("lbMatrixMuteOut3"));
    EXPECT_EQ(form->Pages.GetCurrentPage(), ChOut3);
    EXPECT_TRUE(PageButton("Out3").Down());
    EXPECT_FALSE(PageButton("Matrix").Down());
    EXPECT_TRUE(BoxesHidden("Matrix"));

    ShowPage("Matrix");
    ClickOn(Control<TLabel>("lbMatrixDelayInA"));
    EXPECT_EQ(form->Pages.GetCurrentPage(), PageDelay);
    ShowPage("Matrix");
    ClickOn(Control<TLabel>("lbMatrixCompOut1"));
    EXPECT_EQ(form->Pages.GetCurrentPage(), PageComp);
}

}  // namespace
