// PEQ band editing: selecting a band, the Q rules, the band command, the band editor's deferred
// changes and keys, the reset to the factory bands and the display reset.

#include "EqPagesFixture.h"

#include "device/GlobalConstants.h"
#include "pages/PeqEditor.h"
#include "platform/ui/Edit.h"
#include "widgets/skinned/RzButton.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint8_t PeqCode = 51;
constexpr TColor Green = 0x00B000;

TEST(EqTextsTest, EditorTextsOfFrequencyGainAndQ)
{
    struct Case {
        const char *Name;
        QString Text;
        const char *Expected;
    };
    const Case cases[] = {
        {.Name = "1000 Hz", .Text = EqFrequencyText(1000.0), .Expected = "1.00KHz"},
        {.Name = "index 0", .Text = EqFrequencyText(IndexToFreq(0)), .Expected = " 19.7Hz"},
        {.Name = "977 Hz", .Text = EqFrequencyText(IndexToFreq(169)), .Expected = " 977.2Hz"},
        {.Name = "20159 Hz", .Text = EqFrequencyText(20159.0), .Expected = "20.16KHz"},
        {.Name = "gain 120", .Text = EqGainText(120), .Expected = "+0.0dB"},
        {.Name = "gain 119", .Text = EqGainText(119), .Expected = "-0.1dB"},
        {.Name = "gain 0", .Text = EqGainText(0), .Expected = "-12.0dB"},
        {.Name = "gain 240", .Text = EqGainText(240), .Expected = "+12.0dB"},
        {.Name = "Q 0", .Text = EqQText(0), .Expected = "0.40"},
        {.Name = "Q 10", .Text = EqQText(10), .Expected = "0.71"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.Text.toStdString(), c.Expected) << c.Name;
}

class PeqEditorTest : public EqPagesTest {
protected:
    // A band of the model and the table row, set as a refresh sets them (no command).
    void SetBand(int channel, int row, PeqBandRecord rec, bool bypass = false)
    {
        form->ControlsUpdating = true;
        form->Model.SetPeqBand(channel, row, rec, bypass ? 1 : 0);
        Table(channel).SetEqParamValue(row, IndexToFreq(rec.Freq), rec.Q, IndexToGain(rec.Gain), rec.Type, bypass);
        form->ControlsUpdating = false;
        TakeFrames();
    }
    void ClickBand(int channel, int band)
    {
        TRzBmpButton &button = BandButton(channel, band);
        TInputRouter::Click(form.get(), button.ClientToParent(TPoint(5, 5), form.get()));
    }
    void Key(int channel, WORD key)
    {
        auto &edit = At<TCurvyEdit>("cvdEqFreq", channel);
        edit.OnKeyDown(&edit, key, {});
    }
    TAdvTrackBar &Bar(const char *prefix, int channel) { return At<TAdvTrackBar>(prefix, channel); }
    QString Text(const char *prefix, int channel) { return At<TCurvyEdit>(prefix, channel).Text(); }
    static BSTM Peq(int channel, int band, int gain, int freq, int q, int type, int bypass)
    {
        return Frame(PeqCode, {static_cast<std::uint8_t>(channel), static_cast<std::uint8_t>(band),
                               static_cast<std::uint8_t>(gain & 0xFF), static_cast<std::uint8_t>(gain >> 8),
                               static_cast<std::uint8_t>(freq & 0xFF), static_cast<std::uint8_t>(freq >> 8),
                               static_cast<std::uint8_t>(q), static_cast<std::uint8_t>(type),
                               static_cast<std::uint8_t>(bypass)});
    }
};

TEST_F(PeqEditorTest, ABandButtonSelectsItsBandInEveryView)
{
    SetBand(ChOut2, 2, {.Gain = 165, .Freq = 170, .Q = 20, .Type = 0});
    form->Pages.ResetEqDisplay();
    ClickBand(ChOut2, 2);

    for (int b = 0; b < 9; ++b)
        EXPECT_EQ(BandButton(ChOut2, b).Down(), b == 2) << b;
    EXPECT_EQ(Table(ChOut2).GetNowIndex(), 2);
    EXPECT_EQ(Table(ChOut2).FrequencyEdit(2)->Font()->Color(), Green);
    EXPECT_NE(Table(ChOut2).FrequencyEdit(0)->Font()->Color(), Green);
    for (const char *bar : {"isEqFreq", "isEqBw", "isEqGain"})
        EXPECT_TRUE(Bar(bar, ChOut2).Enabled()) << bar;
    EXPECT_EQ(Bar("isEqFreq", ChOut2).Position(), 170);
    EXPECT_EQ(Bar("isEqBw", ChOut2).Position(), 20);
    EXPECT_EQ(Bar("isEqGain", ChOut2).Position(), 165);
    EXPECT_EQ(Text("cvdEqFreq", ChOut2), "1.00KHz");
    EXPECT_EQ(Text("cvdEqGain", ChOut2), "+4.5dB");
    EXPECT_EQ(Text("cvdEqBw", ChOut2), EqQText(20));
    EXPECT_EQ(TInputRouter::FocusedWindow(), At<TCurvyEdit>("cvdEqFreq", ChOut2).Edit());
    EXPECT_NE(PlotControl(ChOut2).GetBlockPos(2), TPoint(0, 0));
    EXPECT_FALSE(PlotControl(ChOut2).DrawnParamTexts().empty());
    EXPECT_TRUE(At<TLabel>("lbFftParam", ChOut2).Visible());
    EXPECT_TRUE(TakeFrames().empty());
    // The other channels keep their selection.
    EXPECT_EQ(Table(ChOut1).GetNowIndex(), NoBandRow);
}

TEST_F(PeqEditorTest, QRulesOfTheBandTypes)
{
    const PeqBandRecord peakQ8{.Gain = 120, .Freq = 100, .Q = 52, .Type = 0};
    SetBand(ChOut1, 0, peakQ8);
    Table(ChOut1).SetNowIndex(0);

    // Peak with Q 8.0 to Low Shelf: 0.71; back to Peak: the factory Q 3.0.
    Table(ChOut1).SetTypeValue(0, 1);
    EXPECT_FLOAT_EQ(static_cast<float>(Table(ChOut1).GetQValue(0)), 0.71f);
    EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 0).Q, 10);
    EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 0).Type, 1);
    Table(ChOut1).SetTypeValue(0, 0);
    EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 0).Q, 35);
    EXPECT_EQ(Bar("isEqBw", ChOut1).Position(), 35);

    // A Low Shelf typed to Q 4.5 goes back to 3.0; its Q bar snaps back to 35.
    Table(ChOut1).SetTypeValue(0, 1);
    Table(ChOut1).SetQValue(0, 42);
    EXPECT_FLOAT_EQ(static_cast<float>(Table(ChOut1).GetQValue(0)), 3.0f);
    EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 0).Q, 35);
    Bar("isEqBw", ChOut1).SetPosition(40);
    EXPECT_EQ(Bar("isEqBw", ChOut1).Position(), 35);
    EXPECT_EQ(Text("cvdEqBw", ChOut1), "3.00");

    // Peak and all-pass keep any Q.
    for (int type : {0, 5, 6}) {
        SetBand(ChOut1, 0, {.Gain = 120, .Freq = 100, .Q = 35, .Type = static_cast<std::uint8_t>(type)});
        Table(ChOut1).SetQValue(0, 100);
        EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 0).Q, 100) << type;
        Bar("isEqBw", ChOut1).SetPosition(90);
        EXPECT_EQ(Bar("isEqBw", ChOut1).Position(), 90) << type;
    }

    // While controls update the rule still holds on the table; model and device stay.
    SetBand(ChOut1, 0, {.Gain = 120, .Freq = 100, .Q = 30, .Type = 1});
    form->ControlsUpdating = true;
    Table(ChOut1).SetQValue(0, 40);
    form->ControlsUpdating = false;
    EXPECT_FLOAT_EQ(static_cast<float>(Table(ChOut1).GetQValue(0)), 3.0f);
    EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 0).Q, 30);
    EXPECT_TRUE(TakeFrames().empty());
}

TEST_F(PeqEditorTest, ATableEditSendsTheBandAndStoresItForTheLinkGroup)
{
    form->ControlsUpdating = true;
    form->Model.SetLinkMask(ChOut1, 0b0011);
    form->ControlsUpdating = false;
    Table(ChOut1).SetNowIndex(0);
    TakeFrames();

    Table(ChOut1).SetEqParamValue(0, 1000.0, 10, 6.0, 0, false);
    ASSERT_EQ(form->Sent.size(), 1u);
    EXPECT_EQ(form->Sent[0].KeepDuplicates, 0);
    EXPECT_EQ(TakeFrames()[0], Frame(PeqCode, {2, 0, 0xB4, 0x00, 0xAA, 0x00, 0x0A, 0x00, 0x00}));
    for (int c : {ChOut1, ChOut2}) {
        const PeqBandRecord band = form->Model.GetPeqBand(c, 0);
        EXPECT_EQ(band.Gain, 180);
        EXPECT_EQ(band.Freq, 170);
        EXPECT_EQ(band.Q, 10);
    }
    EXPECT_EQ(Slot(ChOut1, 0).Type, ftPeak);
    EXPECT_EQ(Slot(ChOut1, 0).Frequency, 1000.0);

    TRzButton &bypass = *Table(ChOut1).BypassButton(0);
    TInputRouter::Click(form.get(), bypass.ClientToParent(TPoint(3, 3), form.get()));
    const std::vector<BSTM> frames = TakeFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(), Frame(PeqCode, {2, 0, 0xB4, 0x00, 0xAA, 0x00, 0x0A, 0x00, 0x01}));
    EXPECT_TRUE(form->Model.IsPeqBandBypassed(ChOut1, 0));
    EXPECT_EQ(Slot(ChOut1, 0).Type, ftFlat);
}

// A type byte beyond the list (from the processor or a file) shows no type: the band draws flat
// and an edit keeps the model's byte.
TEST_F(PeqEditorTest, ABandTypeBeyondTheListDrawsFlatAndKeepsItsByte)
{
    SetBand(ChOut1, 0, {.Gain = 150, .Freq = 170, .Q = 20, .Type = 9});
    ASSERT_EQ(Table(ChOut1).GetTypeValue(0), -1);
    form->Pages.DrawPeqCurves(&PlotControl(ChOut1));
    EXPECT_EQ(Slot(ChOut1, 0).Type, ftFlat);
    Table(ChOut1).SetNowIndex(0);
    Table(ChOut1).SetGainValue(0, 2.0);
    EXPECT_EQ(TakeFrames().back(), Frame(PeqCode, {2, 0, 140, 0, 170, 0, 20, 9, 0}));
    EXPECT_EQ(Slot(ChOut1, 0).Type, ftFlat);
}

TEST_F(PeqEditorTest, KeysStepTheBarsAndTheBandFollowsOneTickLater)
{
    SetBand(ChOut1, 1, {.Gain = 240, .Freq = 100, .Q = 35, .Type = 0});
    ClickBand(ChOut1, 1);
    TakeFrames();
    for (int step = 1; step <= 3; ++step) {
        Key(ChOut1, 39);
        EXPECT_EQ(Bar("isEqFreq", ChOut1).Position(), 100 + step);
        EXPECT_EQ(Text("cvdEqFreq", ChOut1), EqFrequencyText(static_cast<float>(IndexToFreq(100 + step))));
        EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 1).Freq, 100 + step - 1);
        EXPECT_TRUE(TakeFrames().empty());
        Tick();
        EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 1).Freq, 100 + step);
        EXPECT_EQ(Slot(ChOut1, 1).Frequency, Table(ChOut1).GetFreqValue(1));
        EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Peq(2, 1, 240, 100 + step, 35, 0, 0)});
    }
    // Plus and minus step the Q.
    Key(ChOut1, 187);
    Key(ChOut1, 107);
    Key(ChOut1, 189);
    EXPECT_EQ(Bar("isEqBw", ChOut1).Position(), 36);
    // Up at 240 and Down at 0 send nothing.
    Tick();
    TakeFrames();
    Key(ChOut1, 38);
    Tick();
    EXPECT_TRUE(TakeFrames().empty());
    Bar("isEqGain", ChOut1).SetPosition(0);
    Tick();
    TakeFrames();
    Key(ChOut1, 40);
    Tick();
    EXPECT_TRUE(TakeFrames().empty());
    EXPECT_EQ(Bar("isEqGain", ChOut1).Position(), 0);
    // Other keys do nothing.
    Key(ChOut1, 16);
    Key(ChOut1, 65);
    Tick();
    EXPECT_TRUE(TakeFrames().empty());
}

TEST_F(PeqEditorTest, DuringAMarkerDragTableChangesDrawAndStoreNothing)
{
    Table(ChOut1).SetNowIndex(0);
    const double frequency = Slot(ChOut1, 0).Frequency;
    form->Pages.SetDragHandle(0);
    Table(ChOut1).SetFreqValue(0, 2000.0);
    form->Pages.SetDragHandle(-1);
    EXPECT_EQ(Slot(ChOut1, 0).Frequency, frequency);
    EXPECT_EQ(form->Model.GetPeqBand(ChOut1, 0).Freq, LUnitControl::GetDefaultPeqBand(ChOut1, 0).Freq);
    EXPECT_TRUE(TakeFrames().empty());
}

// A band editor change and a crossover move in one tick: each timer applies its own change.
TEST_F(PeqEditorTest, TwoEditsInOneTickEachApplyTheirOwnChange)
{
    SetBand(ChOut1, 2, {.Gain = 120, .Freq = 95, .Q = 35, .Type = 0});
    ClickBand(ChOut1, 2);
    const PeqBandRecord before = form->Model.GetPeqBand(ChOut1, 2);
    TakeFrames();
    Bar("isEqGain", ChOut1).SetPosition(180);
    At<TAdvTrackBar>("isLowCutFreq", ChOut1).SetPosition(100);
    Tick();
    const PeqBandRecord after = form->Model.GetPeqBand(ChOut1, 2);
    EXPECT_EQ(after.Gain, 180);
    EXPECT_EQ(after.Freq, before.Freq);
    EXPECT_EQ(after.Q, before.Q);
    EXPECT_EQ(form->Model.GetCrossover(ChOut1).HighPass.Freq, 100);
    EXPECT_EQ(Slot(ChOut1, 10).Frequency, static_cast<float>(IndexToFreq(100)));
    EXPECT_EQ(Slot(ChOut1, 2).Frequency, Table(ChOut1).GetFreqValue(2));
    const std::vector<BSTM> frames = TakeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0][5], 50);
    EXPECT_EQ(frames[1], Peq(2, 2, 180, before.Freq, before.Q, 0, 0));
}

TEST_F(PeqEditorTest, TheResetSendsAndShowsTheFactoryBandsAndStoresThemForTheGroup)
{
    form->ControlsUpdating = true;
    form->Model.SetLinkMask(ChInA, 0b11);
    form->ControlsUpdating = false;
    for (int b = 0; b < 8; ++b)
        SetBand(ChInA, b, {.Gain = 200, .Freq = static_cast<std::uint16_t>(10 + b), .Q = 60, .Type = 2}, b == 3);
    form->Pages.SendPeqReset(ChInA);

    const int factoryFreq[] = {270, 240, 200, 170, 140, 101, 71, 41};
    std::vector<BSTM> reset;
    std::vector<BSTM> bandZero;
    for (const auto &s : form->Sent) {
        ASSERT_EQ(s.Framed, 1);
        (s.KeepDuplicates == 1 ? reset : bandZero).push_back(s.Command.ToBytes(1));
    }
    ASSERT_EQ(reset.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(reset[static_cast<std::size_t>(i)], Peq(0, 7 - i, 120, factoryFreq[i], 35, 0, 0)) << i;
    ASSERT_FALSE(bandZero.empty());
    for (const BSTM &frame : bandZero)
        EXPECT_EQ(frame[7], 0) << "band";
    EXPECT_EQ(bandZero.back(), Peq(0, 0, 120, 41, 35, 0, 0));
    for (int c : {ChInA, ChInB})
        for (int b = 0; b < 8; ++b) {
            const PeqBandRecord band = form->Model.GetPeqBand(c, b);
            const PeqBandRecord factory = LUnitControl::GetDefaultPeqBand(c, b);
            EXPECT_EQ(band.Freq, factory.Freq) << c << " " << b;
            EXPECT_EQ(band.Gain, factory.Gain);
            EXPECT_EQ(band.Q, factory.Q);
            EXPECT_EQ(band.Type, factory.Type);
            EXPECT_FALSE(form->Model.IsPeqBandBypassed(c, b));
        }
    EXPECT_EQ(Table(ChInA).GetNowIndex(), 0);
    EXPECT_EQ(Table(ChInA).GetFreqValue(7), IndexToFreq(270));
    EXPECT_EQ(Slot(ChInA, 7).Frequency, IndexToFreq(270));
    EXPECT_EQ(Slot(ChInA, 3).Type, ftPeak);
}

TEST_F(PeqEditorTest, TheDisplayResetLeavesNoBandSelected)
{
    ClickBand(ChOut3, 4);
    ClickBand(ChInB, 1);
    form->Pages.ResetEqDisplay();
    for (int c = 0; c < ChannelCount; ++c) {
        SCOPED_TRACE(c);
        for (int b = 0; b < BandCount(c); ++b)
            EXPECT_FALSE(BandButton(c, b).Down()) << b;
        EXPECT_EQ(Table(c).GetNowIndex(), NoBandRow);
        for (int r = 0; r < BandCount(c); ++r)
            EXPECT_NE(Table(c).FrequencyEdit(r)->Font()->Color(), Green) << r;
        for (const char *bar : {"isEqFreq", "isEqBw", "isEqGain"})
            EXPECT_FALSE(Bar(bar, c).Enabled()) << bar;
        EXPECT_EQ(Text("cvdEqFreq", c), " 19.7Hz");
        EXPECT_EQ(Text("cvdEqGain", c), "+0.0dB");
        EXPECT_EQ(Text("cvdEqBw", c), "0.40");
        EXPECT_TRUE(PlotControl(c).DrawnParamTexts().empty());
    }

    form->Pages.SelectFirstEqBand();
    for (int c = 0; c < ChannelCount; ++c) {
        EXPECT_TRUE(BandButton(c, 0).Down()) << c;
        EXPECT_EQ(Table(c).GetNowIndex(), 0) << c;
        EXPECT_TRUE(Bar("isEqFreq", c).Enabled()) << c;
    }
}

TEST_F(PeqEditorTest, TheWheelNeverChangesABandType)
{
    Table(ChOut1).SetTypeValue(3, 2);
    TRzComboBox &types = *Table(ChOut1).TypeList(3);
    TInputRouter::MouseWheel(form.get(), -120, {}, types.ClientToScreen(TPoint(5, 5)));
    EXPECT_EQ(Table(ChOut1).GetTypeValue(3), 2);
}

}  // namespace
