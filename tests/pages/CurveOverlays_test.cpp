// Curve overlays and the Gain page's curves on the equaliser test form: the dirty masks, the
// copies into the overlay and Gain-page slots, the toggles and the hiding of a channel's toggles.

#include "EqPagesFixture.h"

#include "device/GlobalConstants.h"

#include <algorithm>

namespace {

class CurveOverlaysTest : public EqPagesTest {
protected:
    // A user's click on a control of the form.
    void ClickOn(TControl &control)
    {
        TInputRouter::Click(form.get(), control.ClientToParent(TPoint(4, 4), form.get()));
    }
    TVrPowerButton &Toggle(const char *name) { return Control<TVrPowerButton>(QString::fromLatin1(name)); }
    void ShowPage(const char *suffix) { ClickOn(Control<TRzBmpButton>(QStringLiteral("rzbMenu") + suffix)); }

    // Band 0 of the channel to `gain` dB through its table, as an edit of the user.
    void EditBand(int channel, double gain)
    {
        Table(channel).SetNowIndex(0);
        Table(channel).SetGainValue(0, gain);
    }

    static bool HasCurve(const LMyFFTDrawPhase &plot, int id)
    {
        TColor colour = 0;
        return plot.GetPlotColor(colour, id);
    }
    static TColor CurveColour(const LMyFFTDrawPhase &plot, int id)
    {
        TColor colour = 0;
        plot.GetPlotColor(colour, id);
        return colour;
    }
    static std::vector<double> CurvePoints(const LMyFFTDrawPhase &plot, int id)
    {
        int n = 0;
        plot.GetPlotNumPoints(n, id);
        std::vector<double> y(static_cast<std::size_t>(n));
        plot.GetPlotY(y, id);
        return y;
    }
    std::vector<double> Total(int channel)
    {
        const ResponseCurve &r = Slot(channel, PlotCurveSlots::ChannelTotal).Response;
        return {r.begin(), r.end()};
    }
};

TEST_F(CurveOverlaysTest, MarkingEveryChannelDrawsOnlyTheShownGainPageToggles)
{
    for (int c = 0; c < ChannelCount; ++c)
        form->Pages.MarkCurveChanged(c);
    form->Pages.RefreshGainPageCurves();
    for (int c = 0; c < ChannelCount; ++c) {
        SCOPED_TRACE(c);
        const bool shown = c == ChInA || c == ChOut1;
        EXPECT_EQ(HasCurve(GainPlotControl(IsInput(c) ? 0 : 1), c), shown);
    }
    // The shown ones are drawn and clean; the others stay marked for their toggles.
    EXPECT_EQ(form->Pages.GainPageDirtyMasks[0], 1 << ChInB);
    EXPECT_EQ(form->Pages.GainPageDirtyMasks[1], (1 << ChOut2) | (1 << ChOut3) | (1 << ChOut4));
    EXPECT_EQ(CurveColour(GainPlotControl(0), ChInA), static_cast<TColor>(ChannelColors[ChInA]));
}

TEST_F(CurveOverlaysTest, AnOverlayShowsTheOtherChannelsTotalAfterItsPageIsShown)
{
    ClickOn(Toggle("vrbShow2Out1"));
    ShowPage("Out2");
    EditBand(ChOut2, 6.0);
    ShowPage("Out1");
    const std::vector<double> total = Total(ChOut2);
    ASSERT_GT(*std::max_element(total.begin(), total.end()), 5.0);  // the band's peak
    const auto &overlay = Slot(ChOut1, 19).Response;
    EXPECT_EQ(std::vector<double>(overlay.begin(), overlay.end()), Total(ChOut2));
    EXPECT_EQ(CurvePoints(PlotControl(ChOut1), 19), Total(ChOut2));
    EXPECT_EQ(CurveColour(PlotControl(ChOut1), 19), static_cast<TColor>(ChannelColors[ChOut2]));

    ClickOn(Toggle("vrbShow2Out1"));
    EXPECT_FALSE(Toggle("vrbShow2Out1").Active());
    EXPECT_FALSE(HasCurve(PlotControl(ChOut1), 19));

    // On again: the current total as it stands, no band computed again.
    Slot(ChOut2, PlotCurveSlots::ChannelTotal).Response.fill(3.5);
    const ResponseCurve band = Slot(ChOut2, 0).Response;
    ClickOn(Toggle("vrbShow2Out1"));
    EXPECT_EQ(CurvePoints(PlotControl(ChOut1), 19), std::vector<double>(ResponsePointCount, 3.5));
    EXPECT_EQ(Slot(ChOut2, 0).Response, band);
    EXPECT_EQ(Total(ChOut2), std::vector<double>(ResponsePointCount, 3.5));
}

TEST_F(CurveOverlaysTest, TheGainPageDrawsAnEditedOutputWhenItsToggleIsOnOrLaterSwitchedOn)
{
    ClickOn(Toggle("vrbShow3Gain"));
    ShowPage("Out3");
    EditBand(ChOut3, -4.0);
    ShowPage("Gain");
    EXPECT_EQ(CurvePoints(GainPlotControl(1), ChOut3), Total(ChOut3));

    ClickOn(Toggle("vrbShow3Gain"));
    EXPECT_FALSE(HasCurve(GainPlotControl(1), ChOut3));
    ShowPage("Out3");
    EditBand(ChOut3, 5.0);
    ShowPage("Gain");
    EXPECT_FALSE(HasCurve(GainPlotControl(1), ChOut3));
    ClickOn(Toggle("vrbShow3Gain"));
    EXPECT_EQ(CurvePoints(GainPlotControl(1), ChOut3), Total(ChOut3));
}

TEST_F(CurveOverlaysTest, HidingAChannelsTogglesSwitchesThemOffAndRemovesItsCurves)
{
    const char *toggles[] = {"vrbShow2Gain", "vrbShow2Out1", "vrbShow2Out3", "vrbShow2Out4"};
    for (const char *name : toggles)
        ClickOn(Toggle(name));
    ASSERT_TRUE(HasCurve(GainPlotControl(1), ChOut2));
    ASSERT_TRUE(HasCurve(PlotControl(ChOut3), 19));
    form->Pages.MarkCurveChanged(ChOut2);

    form->Pages.SetOverlayButtonsVisible(ChOut2, false);
    for (const char *name : toggles) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Toggle(name).Visible());
        EXPECT_FALSE(Toggle(name).Active());
    }
    EXPECT_FALSE(HasCurve(GainPlotControl(1), ChOut2));
    for (int c : {ChOut1, ChOut3, ChOut4}) {
        EXPECT_FALSE(HasCurve(PlotControl(c), 19));
        EXPECT_EQ(form->Pages.OverlayDirtyMasks[static_cast<std::size_t>(c)] & (1 << ChOut2), 0);
    }
    EXPECT_EQ(form->Pages.GainPageDirtyMasks[1] & (1 << ChOut2), 0);
    // Other channels' toggles stay.
    EXPECT_TRUE(Toggle("vrbShow3Out1").Visible());

    form->Pages.SetOverlayButtonsVisible(ChOut2, true);
    EXPECT_TRUE(Toggle("vrbShow2Out1").Visible());
    EXPECT_FALSE(Toggle("vrbShow2Out1").Active());
}

}  // namespace
