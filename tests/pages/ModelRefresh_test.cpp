// The refresh of every control from the device model, on the form with every control of the
// channel pages: what each control shows afterwards, the curves recomputed, what it must not do
// (send, leave the flag set, touch the Out 1 curve while the window is created), and where it ends.

#include "FullPagesFixture.h"

#include "pages/CompressorPage.h"
#include "pages/MatrixPage.h"
#include "pages/ModelRefresh.h"

#include <algorithm>

namespace {

TEST(ModelRefreshTexts, PresetNumberAndCrossoverFrequency)
{
    EXPECT_EQ(PresetNumberText(0), QStringLiteral("F00"));
    EXPECT_EQ(PresetNumberText(7), QStringLiteral("U07"));
    EXPECT_EQ(PresetNumberText(31), QStringLiteral("U31"));
    EXPECT_EQ(CrossoverFrequencyText(0), QStringLiteral("19.7Hz"));
    EXPECT_EQ(CrossoverFrequencyText(170), QStringLiteral("1.00KHz"));
    EXPECT_EQ(CrossoverFrequencyText(300), QStringLiteral("20.16KHz"));
}

class ModelRefreshTest : public FullPagesTest {
protected:
    // A program unlike the factory one on every kind of setting.
    static void SetProgram(LUnitControl &m)
    {
        const std::uint8_t preset[14] = {'L', 'i', 'v', 'e', ' ', 'S', 'h', 'o', 'w', ' ', 'H', 'a', 'l', 'l'};
        m.SetPresetName(preset);
        m.SetChannelName(ChOut2, "SubWoofX");
        for (int c = 0; c < ChannelCount; ++c) {
            m.SetGain(c, 200 + 10 * c);
            m.SetDelay(c, 480 * (c + 1));
            m.SetPolarity(c, c % 2 == 0 ? 1 : 0);
            m.SetMute(c, c == ChOut3 ? 1 : 0);
            m.SetPeqBand(
                c, 2, PeqBandRecord{.Gain = 180, .Freq = static_cast<std::uint16_t>(120 + 10 * c), .Q = 30, .Type = 0},
                0);
            m.SetPeqBand(c, 0, LUnitControl::GetDefaultPeqBand(c, 0), 0);
            m.SetHighPass(c, 3u | 100u << 16);
            m.SetLowPass(c, 0u | 250u << 16);
        }
        for (int c = ChOut1; c < ChannelCount; ++c)
            m.SetCompressor(c, CompressorRecord{.Ratio = static_cast<std::uint16_t>(c + 5),
                                                .Attack = 24,
                                                .Release = 499,
                                                .Threshold = static_cast<std::uint16_t>(140 + c)});
        m.SetOutputSource(ChOut1, 0b10);
        m.SetOutputSource(ChOut2, 0b11);
        m.SetEqBypassMask(ChOut1, 0b0010);
        m.SetDelayUnit(1);
    }

    QString Text(const char *prefix, int channel) { return At<TCurvyEdit>(prefix, channel).Text(); }
    QString Caption(const char *name) { return Control<TLabel>(QString::fromLatin1(name)).Caption(); }
};

TEST_F(ModelRefreshTest, EveryControlShowsTheModelAndNothingIsSent)
{
    Quietly(SetProgram);
    form->Preset = 7;
    form->Pages.RefreshFromModel();
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_FALSE(form->ControlsUpdating);

    EXPECT_EQ(Caption("lbPstNum"), QStringLiteral("U07"));
    EXPECT_EQ(Caption("lbPstName"), QStringLiteral("Live Show Hall"));
    EXPECT_EQ(Caption("lbMatrixChNameOut2"), QStringLiteral("SubWoofX"));
    EXPECT_EQ(Control<TRzBmpButton>(QStringLiteral("rzbMenuOut2")).Hint(), QStringLiteral("SubWoofX"));
    for (int c = 0; c < ChannelCount; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(At<TAdvTrackBar>("isGain", c).Position(), 200 + 10 * c - 280);
        EXPECT_EQ(At<TAdvTrackBar>("isGainBackup", c).Position(), 200 + 10 * c - 280);
        EXPECT_EQ(Text("cvdGainBackup", c), Text("cvdGain", c));
        EXPECT_EQ(At<TRzBmpButton>("rzbPhase", c).Down(), c % 2 == 0);
        EXPECT_EQ(At<TRzBmpButton>("rzbPhaseBackup", c).Caption(),
                  form->GetLangText(c % 2 == 0 ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF")));
        EXPECT_EQ(At<TRzBmpButton>("rzbMute", c).Down(), c == ChOut3);
        EXPECT_EQ(At<TRzBmpButton>("rzbMuteBackup", c).Down(), c == ChOut3);
        EXPECT_EQ(At<TAdvTrackBar>("isDelay", c).Position(), 480 * (c + 1));
        EXPECT_EQ(Text("cvdDelay", c), DelayText(480 * (c + 1), 1));
        EXPECT_DOUBLE_EQ(Table(c).GetGainValue(2), 6.0);
        // Slope 3 selects item 2; slope 0 leaves the item and presses bypass.
        EXPECT_EQ(At<TAdvTrackBar>("isLowCutFreq", c).Position(), 100);
        EXPECT_EQ(At<TRzComboBox>("rzcLowCutSlop", c).ItemIndex(), 2);
        EXPECT_FALSE(At<TRzBmpButton>("rzbLowCutBypass", c).Down());
        EXPECT_EQ(At<TRzComboBox>("rzcHighCutSlop", c).ItemIndex(), 19);
        EXPECT_TRUE(At<TRzBmpButton>("rzbHighCutBypass", c).Down());
        EXPECT_EQ(Text("cvdHighCutFreq", c), CrossoverFrequencyText(250));
        // The channel total is a fresh sum of the model's bands and filters.
        const PlotFilter &total = Slot(c, PlotCurveSlots::ChannelTotal);
        for (std::size_t i = 0; i < total.Response.size(); i += 97) {
            double sum = 0;
            for (int s = PlotCurveSlots::FirstBand; s <= PlotCurveSlots::LowPassTotal; ++s)
                sum += Slot(c, s).Response[i];
            EXPECT_NEAR(total.Response[i], sum, 1e-9);
        }
    }
    EXPECT_TRUE(Control<TRzBmpButton>(QStringLiteral("rzbUnit1")).Down());
    for (int c = ChOut1; c < ChannelCount; ++c) {
        EXPECT_EQ(At<TAdvTrackBar>("isCompThreshold", c).Position(), c - 40);
        EXPECT_EQ(Text("cvdCompThreshold", c), CompThresholdText(c - 40));
        EXPECT_EQ(Text("cvdCompRatio", c), CompRatioText(c + 5));
        EXPECT_EQ(Text("cvdCompAttack", c), QStringLiteral(" 25ms"));
        EXPECT_EQ(Text("cvdCompRelease", c), QStringLiteral("500ms"));
    }
    EXPECT_TRUE(At<TRzBmpButton>("rzbBMatrix", ChOut1).Down());
    EXPECT_FALSE(At<TRzBmpButton>("rzbAMatrix", ChOut1).Down());
    EXPECT_TRUE(At<TRzBmpButton>("rzbAMatrix", ChOut2).Down());
    EXPECT_EQ(Caption("lbCompName"), QStringLiteral("Out 1  Compressor"));
    for (int c = ChOut1; c < ChannelCount; ++c)
        EXPECT_EQ(ShowsBypassText(c), c == ChOut2) << c;
}

TEST_F(ModelRefreshTest, CurvesMatchAFreshFormWhateverWasShownBefore)
{
    // One form edited through its controls first, one fresh: the same program refreshed on both
    // gives the same channel totals.
    At<TAdvTrackBar>("isEqGain", ChInA).SetPosition(200);
    Quietly([](LUnitControl &m) {
        for (int c = 0; c < ChannelCount; ++c)
            m.SetPeqBand(c, 0, PeqBandRecord{.Gain = 30, .Freq = 200, .Q = 60, .Type = 1}, 0);
    });
    form->Pages.RefreshFromModel();
    Quietly(SetProgram);
    form->Pages.RefreshFromModel();
    auto edited = std::move(form);
    SetUp();
    Quietly(SetProgram);
    form->Pages.RefreshFromModel();
    for (int c = 0; c < ChannelCount; ++c)
        EXPECT_EQ(edited->Plots[static_cast<std::size_t>(c)]->Filters[PlotCurveSlots::ChannelTotal]->Response,
                  Slot(c, PlotCurveSlots::ChannelTotal).Response)
            << c;
    edited.reset();
}

TEST_F(ModelRefreshTest, DialogsFollowWhenTheyExist)
{
    Quietly([](LUnitControl &m) {
        m.SetLinkMask(ChOut1, 0b0101);
        m.SetLinkMask(ChOut3, 0);
    });
    auto &image = const_cast<ParameterImage &>(form->Model.GetImage());
    image.SignalMode = 3;
    image.SineFreqIndex = 17;
    form->Pages.RefreshFromModel();
    EXPECT_EQ(form->TestToneChoices, (std::vector<std::pair<int, int>>{{3, 17}}));
    EXPECT_TRUE(form->LinkMasksShown.empty());
    EXPECT_EQ(form->LinkGroupHeadsApplied, 0);

    form->LinkDialog = true;
    image.SignalMode = 9;
    form->TestToneChoices.clear();
    form->Pages.RefreshFromModel();
    EXPECT_TRUE(form->TestToneChoices.empty());
    EXPECT_EQ(form->LinkMasksShown.size(), 6u);
    EXPECT_EQ(form->LinkMasksShown[2], std::make_pair(int{ChOut1}, 0b0101));
    EXPECT_EQ(form->LinkGroupHeadsApplied, 1);
    EXPECT_TRUE(form->Sent.empty());
}

TEST_F(ModelRefreshTest, UnknownDelayUnitShowsMsAndTheRefreshGoesOn)
{
    auto &image = const_cast<ParameterImage &>(form->Model.GetImage());
    image.DelayUnit = 3;
    form->Preset = 4;
    form->Pages.RefreshFromModel();
    EXPECT_TRUE(Control<TRzBmpButton>(QStringLiteral("rzbUnit0")).Down());
    EXPECT_EQ(form->Model.GetDelayUnit(), 3);
    EXPECT_EQ(Text("cvdDelay", ChInA), DelayText(form->Model.GetDelay(ChInA), 0));
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_FALSE(form->ControlsUpdating);
    // The steps after the unit ran: the first band is selected again on every channel.
    EXPECT_TRUE(BandButton(ChOut4, 0).Down());
}

TEST_F(ModelRefreshTest, InitializingLeavesTheTransferCurveAlone)
{
    auto &plot = Control<TiXYPlot>(QStringLiteral("ipComp"));
    plot.GetChannel(0)->Clear();
    form->Initializing = true;
    form->Pages.RefreshFromModel();
    EXPECT_EQ(plot.GetChannel(0)->Count(), 0);
    form->Initializing = false;
    form->Pages.RefreshFromModel();
    EXPECT_EQ(plot.GetChannel(0)->Count(), 3);
    EXPECT_EQ(form->Pages.GetSelectedCompChannel(), ChOut1);
}

// The Comp page shows one output: a refresh redraws that output's transfer curve from the model,
// so that curve, title, meter caption and the window's selection keep naming the same output.
TEST_F(ModelRefreshTest, TheTransferPlotKeepsTheSelectedOutputThroughARefresh)
{
    auto &plot = Control<TiXYPlot>(QStringLiteral("ipComp"));
    form->Pages.SelectCompressorChannel(ChOut3);
    // Out 3: threshold -20 dB (position -40, stored 140), ratio 1:4.0 (position 9).
    form->Model.SetCompressor(ChOut3, CompressorRecord{.Ratio = 9, .Attack = 0, .Release = 0, .Threshold = 140});
    form->Pages.RefreshFromModel();
    EXPECT_EQ(form->SelectedComp, ChOut3);
    EXPECT_EQ(Caption("lbHeadCompOut"), QStringLiteral("Out 3"));
    EXPECT_EQ(Caption("lbCompName"), QStringLiteral("Out 3  Compressor"));
    ASSERT_EQ(plot.GetChannel(0)->Count(), 3);
    EXPECT_DOUBLE_EQ(plot.GetChannel(0)->GetY(0), -10.0);  // 20 dB in: Out 3's curve
}

TEST_F(ModelRefreshTest, OnTheMatrixPageTheRoutingLinesFollowTheModel)
{
    auto &matrixButton = Control<TRzBmpButton>(QStringLiteral("rzbMenuMatrix"));
    TInputRouter::Click(form.get(), matrixButton.ClientToParent(TPoint(10, 10), form.get()));
    ASSERT_EQ(form->Pages.GetCurrentPage(), PageMatrix);
    auto &box = Control<TPaintBox>(QStringLiteral("pbMatrix"));
    // The middle of the line from In B to Out 1, as the window shows it.
    const TPoint a = MatrixRouteStart(1, 0);
    const TPoint b = MatrixRouteEnd(0, box.Width(), 0);
    auto &area = Control<TWinControl>(QStringLiteral("plMorerzgFftMatrix"));
    const TPoint at = box.ClientToParent(TPoint((a.X + b.X) / 2, (a.Y + b.Y) / 2), &area);
    const QRgb before = RenderControlImage(&area).pixel(at.X, at.Y);
    Quietly([](LUnitControl &m) { m.SetOutputSource(ChOut1, 0b11); });
    form->Pages.RefreshFromModel();
    const QImage after = RenderControlImage(&area);
    after.save(QStringLiteral("pages_refresh_matrix.png"));
    EXPECT_NE(after.pixel(at.X, at.Y), before);
    EXPECT_TRUE(At<TRzBmpButton>("rzbBMatrix", ChOut1).Down());
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_FALSE(form->ControlsUpdating);
}

TEST_F(ModelRefreshTest, ValuesBeyondEveryRangeShowWithoutReadingPastATable)
{
    // A program from a file or a processor may hold anything: every byte 0xFF.
    auto &image = const_cast<ParameterImage &>(form->Model.GetImage());
    std::memset(&image, 0xFF, sizeof image);
    form->Preset = 31;
    form->Pages.RefreshFromModel();
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_FALSE(form->ControlsUpdating);
    EXPECT_EQ(Text("cvdCompRatio", ChOut4), QStringLiteral("Limit"));
    EXPECT_EQ(Text("cvdCompThreshold", ChOut4), QStringLiteral("+20.0dB"));
    EXPECT_EQ(Caption("lbPstNum"), QStringLiteral("U31"));
}

TEST_F(ModelRefreshTest, AMissingControlEndsTheRefreshWithTheFlagClear)
{
    Quietly([](LUnitControl &m) { m.SetGain(ChOut4, 50); });
    delete form->FindComponent(QStringLiteral("isCompAttackOut2"));
    form->Pages.RefreshFromModel();
    EXPECT_FALSE(form->ControlsUpdating);
    EXPECT_TRUE(form->Sent.empty());
    EXPECT_NE(At<TAdvTrackBar>("isGain", ChOut4).Position(), 50 - 280);
}

}  // namespace
