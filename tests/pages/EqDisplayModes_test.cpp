// The EQ bypass, the parameter display and the magnitude/phase switch of the channel plots, on the
// equaliser test form.

#include "EqPagesFixture.h"

#include "pages/CurveSynthesis.h"
#include "platform/ui/ControlsRender.h"
#include "widgets/skinned/VrDemoButton.h"

namespace {

class EqDisplayModesTest : public EqPagesTest {
protected:
    void ClickOn(TControl &control)
    {
        TInputRouter::Click(form.get(), control.ClientToParent(TPoint(4, 4), form.get()));
    }

    // Band `band` of the channel as a fresh computation in the given mode from its table row.
    ResponseCurve FreshBand(int channel, int band, bool phase)
    {
        PlotFilter slot;
        slot.PhaseMode = phase;
        TMyPEQAllpass &table = Table(channel);
        SetBandCurve(slot, table.GetGainValue(band), table.GetFreqValue(band), table.GetQValue(band),
                     table.GetTypeValue(band), table.GetBypassValue(band));
        return slot.Response;
    }
    std::vector<QString> YLabels(int channel)
    {
        RenderControlImage(&PlotControl(channel));
        std::vector<QString> texts;
        for (const TDrawnText &t : PlotControl(channel).DrawnYLabels())
            texts.push_back(t.Text);
        return texts;
    }
};

TEST_F(EqDisplayModesTest, BypassSwitchesTheLinkedGroupAndSendsForTheClickedChannel)
{
    form->Model.SetLinkMask(ChOut1, 0b0011);
    form->Model.SetLinkMask(ChOut2, 0);
    form->Sent.clear();
    ClickOn(At<TVrDemoButton>("vrbEqBypass", ChOut1));
    EXPECT_EQ(form->Model.GetEqBypassMask(ChOut1), 0b0011);
    EXPECT_TRUE(ShowsBypassText(ChOut1));
    EXPECT_FALSE(ShowsBypassText(ChOut2));
    ASSERT_EQ(form->Sent.size(), 1u);
    EXPECT_EQ(form->Sent[0].KeepDuplicates, 0);
    EXPECT_EQ(form->Sent[0].Framed, 1);
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(60, {2, 1})});

    ClickOn(At<TVrDemoButton>("vrbEqBypass", ChOut1));
    EXPECT_EQ(form->Model.GetEqBypassMask(ChOut1), 0);
    EXPECT_FALSE(ShowsBypassText(ChOut1));
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(60, {2, 0})});

    form->Model.SetLinkMask(ChInA, 0b01);
    form->Model.SetLinkMask(ChInB, 0b10);
    form->Sent.clear();
    ClickOn(At<TVrDemoButton>("vrbEqBypass", ChInB));
    EXPECT_EQ(form->Model.GetEqBypassMask(ChInB), 0b10);
    EXPECT_EQ(form->Model.GetEqBypassMask(ChOut1), 0);
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(60, {1, 1})});
}

TEST_F(EqDisplayModesTest, PhaseModeRecomputesTheChannelAndItsOverlayFollowsAtTheNextRefresh)
{
    for (int c : {ChOut1, ChOut3})
        form->Pages.DrawPeqCurves(&PlotControl(c));
    Table(ChOut3).SetNowIndex(1);
    Table(ChOut3).SetGainValue(1, 6.0);
    const ResponseCurve magnitudeTotal = Slot(ChOut3, PlotCurveSlots::ChannelTotal).Response;

    // "Mag" in magnitude mode does nothing.
    Slot(ChOut3, 0).Response.fill(7.0);
    form->Pages.rbShowGainInAClick(&At<TRadioButton>("rbShowGain", ChOut3));
    EXPECT_EQ(Slot(ChOut3, 0).Response[100], 7.0);
    EXPECT_EQ(PlotControl(ChOut3).NumHorzGrid(), 11);
    form->Pages.DrawPeqCurves(&PlotControl(ChOut3));

    ClickOn(Control<TVrPowerButton>("vrbShow3Out1"));
    ClickOn(At<TRadioButton>("rbShowPhase", ChOut3));
    ASSERT_TRUE(form->Plots[ChOut3]->GetPhaseMode());
    EXPECT_EQ(PlotControl(ChOut3).NumHorzGrid(), 7);
    const std::vector<QString> labels = YLabels(ChOut3);
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ(labels[0], QStringLiteral("+180\u00B0"));
    EXPECT_EQ(labels[1], QStringLiteral("-180\u00B0"));
    EXPECT_EQ(At<TRadioButton>("rbShowPhase", ChOut3).Font()->Color(), static_cast<TColor>(0x00FFFF));
    EXPECT_EQ(At<TRadioButton>("rbShowGain", ChOut3).Font()->Color(), static_cast<TColor>(0xC0C0C0));
    for (int band = 0; band < OutputBandCount; ++band)
        EXPECT_EQ(Slot(ChOut3, band).Response, FreshBand(ChOut3, band, true)) << "band " << band;
    const ResponseCurve phaseTotal = Slot(ChOut3, PlotCurveSlots::ChannelTotal).Response;
    EXPECT_NE(phaseTotal, magnitudeTotal);

    // The Out 1 page takes Out 3's phase total when it is shown next.
    EXPECT_NE(Slot(ChOut1, 20).Response, phaseTotal);
    TInputRouter::Click(form.get(), Control<TRzBmpButton>("rzbMenuOut1").ClientToParent(TPoint(4, 4), form.get()));
    EXPECT_EQ(Slot(ChOut1, 20).Response, phaseTotal);

    ClickOn(At<TRadioButton>("rbShowGain", ChOut3));
    EXPECT_FALSE(form->Plots[ChOut3]->GetPhaseMode());
    EXPECT_EQ(PlotControl(ChOut3).NumHorzGrid(), 11);
    EXPECT_EQ(YLabels(ChOut3).at(0), QStringLiteral("+18dB"));
    EXPECT_EQ(Slot(ChOut3, 1).Response, FreshBand(ChOut3, 1, false));
    EXPECT_EQ(Slot(ChOut3, PlotCurveSlots::ChannelTotal).Response, magnitudeTotal);
}

TEST_F(EqDisplayModesTest, ShowAllWritesTheParameterTextAtEveryBandMarker)
{
    // No band selected, so that the selected band's display (which draws its own text last) is off.
    form->Pages.DrawPeqCurves(&PlotControl(ChOut2));
    auto texts = [&] {
        PlotControl(ChOut2).UpdateCurvePage();
        return PlotControl(ChOut2).DrawnParamTexts().size();
    };
    ASSERT_EQ(texts(), 0u);
    ClickOn(At<TVrPowerButton>("vrbEqShowAll", ChOut2));
    EXPECT_TRUE(PlotControl(ChOut2).GetParameterDisplay());
    // Q, frequency and gain of each of the nine peaks.
    EXPECT_EQ(texts(), 3u * OutputBandCount);
    ClickOn(At<TVrPowerButton>("vrbEqShowAll", ChOut2));
    EXPECT_EQ(texts(), 0u);
    // Off with a band selected: its text only.
    BandButton(ChOut2, 3).Click();
    EXPECT_EQ(texts(), 3u);
}

TEST_F(EqDisplayModesTest, AModeSwitchWithNoBandSelectedKeepsTheSelectedBandDisplayHidden)
{
    form->Pages.ResetEqDisplay();
    ASSERT_EQ(Table(ChOut4).GetNowIndex(), NoBandRow);
    for (const char *mode : {"rbShowPhase", "rbShowGain"}) {
        SCOPED_TRACE(mode);
        ClickOn(At<TRadioButton>(mode, ChOut4));
        PlotControl(ChOut4).UpdateCurvePage();
        EXPECT_TRUE(PlotControl(ChOut4).DrawnParamTexts().empty());
    }
}

}  // namespace
