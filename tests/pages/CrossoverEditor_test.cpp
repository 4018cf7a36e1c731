// Crossover editing: the frequency bar sends at once and draws one tick later, slope and bypass
// draw at once, the wheel changes no slope, a link group stores the crossover for every member.

#include "EqPagesFixture.h"

#include "device/GlobalConstants.h"
#include "pages/CurveSynthesis.h"

#include <gtest/gtest.h>

#include "platform/ui/Panel.h"

#include <algorithm>
#include <set>

namespace {

constexpr std::uint8_t HighPassCode = 50;
constexpr std::uint8_t LowPassCode = 49;

class CrossoverEditorTest : public EqPagesTest {
protected:
    TAdvTrackBar &LowCutBar(int channel) { return At<TAdvTrackBar>("isLowCutFreq", channel); }
    TRzComboBox &LowCutSlope(int channel) { return At<TRzComboBox>("rzcLowCutSlop", channel); }
    void Click(TRzBmpButton &button)
    {
        TInputRouter::Click(form.get(), button.ClientToParent(TPoint(5, 5), form.get()));
    }
    // The user picks a slope item.
    void PickSlope(TRzComboBox &combo, int item)
    {
        combo.SetItemIndex(item);
        combo.OnChange(&combo);
    }
    bool TotalIsFlat(int channel, int slot)
    {
        const ResponseCurve &r = Slot(channel, slot).Response;
        return std::all_of(r.begin(), r.end(), [](double v) { return v == 0.0; });
    }
    // What the cascade of that slope gives alone.
    ResponseCurve Expected(bool highPass, int slope, int frequencyIndex)
    {
        ::Plot alone(nullptr);
        ComputeCrossover(alone, highPass, slope, static_cast<float>(IndexToFreq(frequencyIndex)), 10);
        return alone.Filters[highPass ? 10u : 11u]->Response;
    }
};

TEST_F(CrossoverEditorTest, TheFrequencyBarSendsAtOnceAndDrawsOneTickLater)
{
    LowCutBar(ChOut1).SetPosition(170);
    EXPECT_EQ(At<TCurvyEdit>("cvdLowCutFreq", ChOut1).Text(), "1.00KHz");
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(HighPassCode, {2, 0xAA, 0x00, 20})});
    EXPECT_EQ(form->Model.GetCrossover(ChOut1).HighPass.Freq, 170);
    EXPECT_TRUE(TotalIsFlat(ChOut1, 10));
    Tick();
    EXPECT_EQ(Slot(ChOut1, 10).Frequency, 1000.0);
    EXPECT_EQ(Slot(ChOut1, 10).Response, Expected(true, 20, 170));
    EXPECT_EQ(Slot(ChOut1, 12).Response, Slot(ChOut1, 10).Response);
    EXPECT_NE(PlotControl(ChOut1).GetBlockPos(10), TPoint(0, 0));
    EXPECT_FALSE(PlotControl(ChOut1).DrawnParamTexts().empty());
    EXPECT_TRUE(TakeFrames().empty());

    // The low-pass the same way.
    At<TAdvTrackBar>("isHighCutFreq", ChOut4).SetPosition(200);
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(LowPassCode, {5, 200, 0x00, 20})});
    Tick();
    EXPECT_EQ(Slot(ChOut4, 11).Response, Expected(false, 20, 200));

    // While controls update nothing happens.
    form->ControlsUpdating = true;
    LowCutBar(ChOut1).SetPosition(100);
    form->ControlsUpdating = false;
    Tick();
    EXPECT_TRUE(TakeFrames().empty());
    EXPECT_EQ(Slot(ChOut1, 10).Frequency, 1000.0);
}

TEST_F(CrossoverEditorTest, BypassSendsSlopeZeroAndDrawsFlatAtTheSetFrequency)
{
    LowCutBar(ChOut1).SetPosition(170);
    Tick();
    TakeFrames();
    auto &bypass = At<TRzBmpButton>("rzbLowCutBypass", ChOut1);
    Click(bypass);
    EXPECT_TRUE(bypass.Down());
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(HighPassCode, {2, 0xAA, 0x00, 0})});
    EXPECT_TRUE(TotalIsFlat(ChOut1, 10));
    EXPECT_EQ(Slot(ChOut1, 10).Frequency, 1000.0);
    EXPECT_EQ(form->Model.GetCrossover(ChOut1).HighPass.Type, 0);
    Click(bypass);
    EXPECT_FALSE(bypass.Down());
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(HighPassCode, {2, 0xAA, 0x00, 20})});
    EXPECT_EQ(Slot(ChOut1, 10).Response, Expected(true, 20, 170));
}

TEST_F(CrossoverEditorTest, ASlopeIsSentAndDrawnAtOnce)
{
    PickSlope(LowCutSlope(ChOut1), 9);  // "LK -24"
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(HighPassCode, {2, 0x00, 0x00, 10})});
    EXPECT_EQ(Slot(ChOut1, 10).Response, Expected(true, 10, 0));
    PickSlope(At<TRzComboBox>("rzcHighCutSlop", ChInB), 2);  // "BW -12"
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(LowPassCode, {1, 0x2C, 0x01, 3})});
    EXPECT_EQ(Slot(ChInB, 11).Response, Expected(false, 3, 300));

    // While controls update the curve follows but nothing is stored or sent.
    form->ControlsUpdating = true;
    PickSlope(LowCutSlope(ChOut1), 0);
    form->ControlsUpdating = false;
    EXPECT_TRUE(TakeFrames().empty());
    EXPECT_EQ(form->Model.GetCrossover(ChOut1).HighPass.Type, 10);
    EXPECT_EQ(Slot(ChOut1, 10).Response, Expected(true, 1, 0));
}

TEST_F(CrossoverEditorTest, TheWheelChangesNoSlope)
{
    TRzComboBox &combo = LowCutSlope(ChOut2);
    TInputRouter::MouseWheel(form.get(), 120, {}, combo.ClientToScreen(TPoint(5, 5)));
    TInputRouter::MouseWheel(form.get(), -120, {}, combo.ClientToScreen(TPoint(5, 5)));
    EXPECT_EQ(combo.ItemIndex(), 19);
    EXPECT_TRUE(TakeFrames().empty());
}

TEST_F(CrossoverEditorTest, ALinkGroupStoresTheCrossoverForEveryMemberAndSendsOnce)
{
    form->ControlsUpdating = true;
    form->Model.SetLinkMask(ChOut1, 0b0011);
    form->ControlsUpdating = false;
    LowCutBar(ChOut1).SetPosition(120);
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(HighPassCode, {2, 120, 0x00, 20})});
    EXPECT_EQ(form->Model.GetCrossover(ChOut2).HighPass.Freq, 120);
    EXPECT_EQ(form->Model.GetCrossover(ChOut2).HighPass.Type, 20);
    EXPECT_EQ(form->Model.GetCrossover(ChOut3).HighPass.Freq, form->Model.GetCrossover(ChOut4).HighPass.Freq);
}

}  // namespace

namespace {

// The Out pages with bands, a band selected and both crossovers set render in many colours; the
// pictures go to pages_PageTestEq_<page>.png in the working folder for a person to look at.
TEST_F(CrossoverEditorTest, OutPagesRenderWithABandSelectedAndCrossoversSet)
{
    const PeqBandRecord bands[] = {
        {.Gain = 180, .Freq = 40, .Q = 20, .Type = 0},  {.Gain = 60, .Freq = 90, .Q = 35, .Type = 0},
        {.Gain = 150, .Freq = 140, .Q = 10, .Type = 1}, {.Gain = 90, .Freq = 190, .Q = 45, .Type = 0},
        {.Gain = 200, .Freq = 250, .Q = 10, .Type = 2},
    };
    for (int c : {ChOut1, ChOut2}) {
        for (std::size_t b = 0; b < std::size(bands); ++b) {
            form->ControlsUpdating = true;
            form->Model.SetPeqBand(c, static_cast<int>(b), bands[b], 0);
            const PeqBandRecord &r = bands[b];
            Table(c).SetEqParamValue(static_cast<int>(b), IndexToFreq(r.Freq), r.Q, IndexToGain(r.Gain), r.Type, false);
            form->ControlsUpdating = false;
        }
        form->Pages.DrawPeqCurves(&PlotControl(c));
        PickSlope(LowCutSlope(c), 9);
        LowCutBar(c).SetPosition(60);
        PickSlope(At<TRzComboBox>("rzcHighCutSlop", c), 17);
        At<TAdvTrackBar>("isHighCutFreq", c).SetPosition(270);
        Tick();
    }
    TInputRouter::Click(form.get(), BandButton(ChOut2, 3).ClientToParent(TPoint(5, 5), form.get()));
    TInputRouter::Click(form.get(), BandButton(ChOut1, 1).ClientToParent(TPoint(5, 5), form.get()));
    for (const char *page : {"Out1", "Out2"}) {
        const QImage image = RenderControlImage(&Control<TPanel>(QStringLiteral("plPage") + page));
        ASSERT_FALSE(image.isNull());
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 40u) << page;
        image.save(QStringLiteral("pages_PageTestEq_%1.png").arg(QString::fromLatin1(page)));
    }
}

}  // namespace
