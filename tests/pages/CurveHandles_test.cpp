// The curve handles of the channel plots on the equaliser test form: hover, grab, drag steps of a
// band and of the high-pass, release and a lost capture. Mouse positions come from the plot's
// geometry (curve-area origin, marker positions, axis ranges).

#include "EqPagesFixture.h"

#include "device/GlobalConstants.h"
#include "pages/CurveSynthesis.h"
#include "widgets/skinned/VrDemoButton.h"

#include <cmath>
#include <set>
#include <utility>

namespace {

constexpr TColor Green = 0x008000;

class CurveHandlesTest : public EqPagesTest {
protected:
    void SetUp() override
    {
        EqPagesTest::SetUp();
        // The tables show the model's bands, as after the main window's refresh.
        form->ControlsUpdating = true;
        for (int c = 0; c < ChannelCount; ++c)
            for (int b = 0; b < BandCount(c); ++b) {
                const PeqBandRecord rec = form->Model.GetPeqBand(c, b);
                Table(c).SetEqParamValue(b, IndexToFreq(rec.Freq), rec.Q, IndexToGain(rec.Gain), rec.Type, false);
            }
        form->ControlsUpdating = false;
        for (int c = 0; c < ChannelCount; ++c) {
            LMyFFTDrawPhase *plot = &PlotControl(c);
            form->Pages.DrawPeqCurves(plot);
            form->Pages.DrawHighPassCurve(plot);
            form->Pages.DrawLowPassCurve(plot);
            plot->UpdateCurvePage();
        }
        form->Sent.clear();
    }

    // Control pixels of the plot: a marker, and a point of the curves' x axis and a level in dB.
    static TPoint MarkerPixel(const LMyFFTDrawPhase &plot, int slot)
    {
        const TPoint origin = plot.GetPlotOrigin();
        const TPoint marker = plot.GetBlockPos(slot);
        return TPoint(origin.X + marker.X, origin.Y + marker.Y);
    }
    static int PixelOfFrequencyIndex(const LMyFFTDrawPhase &plot, int index)
    {
        return plot.GetPlotOrigin().X +
               static_cast<int>(std::lround(plot.ScreenX(FrequencyToCurveX(IndexToFreq(index)))));
    }
    // The row where a drag sets exactly `dB` (tenths) on a band at or above 0 dB; -1 when none.
    static int RowOfGain(const LMyFFTDrawPhase &plot, double dB)
    {
        for (int y = 0; y < plot.GetPlotHeight(); ++y) {
            const double level =
                -(plot.YMin() + static_cast<double>(y) / plot.GetPlotHeight() * (plot.YMax() - plot.YMin()));
            if (static_cast<int>(std::trunc(level * 10)) == static_cast<int>(std::lround(dB * 10)))
                return plot.GetPlotOrigin().Y + y;
        }
        return -1;
    }

    TPoint OnForm(LMyFFTDrawPhase &plot, TPoint p) { return plot.ClientToParent(p, form.get()); }
    void Press(LMyFFTDrawPhase &plot, TPoint p, TMouseButton button = mbLeft)
    {
        TInputRouter::MouseDown(form.get(), button, {}, OnForm(plot, p));
    }
    void Drag(LMyFFTDrawPhase &plot, TPoint p) { TInputRouter::MouseMove(form.get(), {ssLeft}, OnForm(plot, p)); }
    void Hover(LMyFFTDrawPhase &plot, TPoint p) { TInputRouter::MouseMove(form.get(), {}, OnForm(plot, p)); }
    void Release(LMyFFTDrawPhase &plot, TPoint p, TMouseButton button = mbLeft)
    {
        TInputRouter::MouseUp(form.get(), button, {}, OnForm(plot, p));
    }
    int Handle() const { return form->Pages.GetDragHandle(); }
};

TEST_F(CurveHandlesTest, TheCrossShowsOnlyNearAMarkerWhileAPressGrabsWithinFourPixels)
{
    LMyFFTDrawPhase &plot = PlotControl(ChOut3);
    const TPoint marker = MarkerPixel(plot, 1);
    struct Case {
        const char *name;
        int dx;
        TCursor cursor;
    };
    const Case cases[] = {
        {.name = "on the marker", .dx = 0, .cursor = crCross},
        {.name = "2 pixels right", .dx = 2, .cursor = crCross},
        {.name = "2 pixels left", .dx = -2, .cursor = crCross},
        {.name = "4 pixels right", .dx = 4, .cursor = crDefault},
        {.name = "8 pixels left", .dx = -8, .cursor = crDefault},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Hover(plot, TPoint(marker.X + c.dx, marker.Y));
        EXPECT_EQ(plot.Cursor(), c.cursor);
    }
    Press(plot, TPoint(marker.X + 4, marker.Y));
    EXPECT_EQ(Handle(), 1);
    Release(plot, TPoint(marker.X + 4, marker.Y));
    EXPECT_EQ(Handle(), -1);
}

TEST_F(CurveHandlesTest, ALeftPressOnABandMarkerSelectsTheBandAndOthersGrabNothing)
{
    LMyFFTDrawPhase &plot = PlotControl(ChOut3);
    const TPoint marker = MarkerPixel(plot, 1);
    Press(plot, marker, mbRight);
    EXPECT_EQ(Handle(), -1);
    EXPECT_FALSE(BandButton(ChOut3, 1).Down());
    Release(plot, marker, mbRight);

    Press(plot, marker);
    EXPECT_EQ(Handle(), 1);
    EXPECT_TRUE(BandButton(ChOut3, 1).Down());
    EXPECT_EQ(Table(ChOut3).GetNowIndex(), 1);
    EXPECT_EQ(At<TAdvTrackBar>("isEqFreq", ChOut3).Position(), FreqToIndex(Table(ChOut3).GetFreqValue(1)));
    Release(plot, marker);

    // Where no marker is drawn: the left end of the 0 dB line, and any place of a Gain-page plot.
    const TPoint lineStart(plot.GetPlotOrigin().X, plot.GetPlotOrigin().Y + static_cast<int>(plot.ScreenY(0.0)));
    Press(plot, lineStart);
    EXPECT_EQ(Handle(), -1);
    Release(plot, lineStart);
    for (int side = 0; side < 2; ++side) {
        LMyFFTDrawPhase &gainPlot = GainPlotControl(side);
        const TPoint start(gainPlot.GetPlotOrigin().X,
                           gainPlot.GetPlotOrigin().Y + static_cast<int>(gainPlot.ScreenY(0.0)));
        Hover(gainPlot, start);
        EXPECT_EQ(gainPlot.Cursor(), crDefault);
        Press(gainPlot, start);
        EXPECT_EQ(Handle(), -1);
        Release(gainPlot, start);
    }
    EXPECT_TRUE(form->Sent.empty());
}

TEST_F(CurveHandlesTest, AHighPassMarkerOnABandMarkerIsGrabbedFirst)
{
    const int bandIndex = form->Model.GetPeqBand(ChOut3, 0).Freq;
    At<TAdvTrackBar>("isLowCutFreq", ChOut3).SetPosition(bandIndex);
    Tick();
    LMyFFTDrawPhase &plot = PlotControl(ChOut3);
    ASSERT_EQ(MarkerPixel(plot, PlotCurveSlots::HighPassTotal).X, MarkerPixel(plot, 0).X);
    Press(plot, MarkerPixel(plot, 0));
    EXPECT_EQ(Handle(), PlotCurveSlots::HighPassTotal);
    EXPECT_FALSE(BandButton(ChOut3, 0).Down());
}

TEST_F(CurveHandlesTest, ABandDragStepSendsAtOnceAndDrawsOneTickLater)
{
    LMyFFTDrawPhase &plot = PlotControl(ChOut1);
    const PeqBandRecord band = form->Model.GetPeqBand(ChOut1, 0);
    ASSERT_EQ(band.Type, 0);
    ASSERT_EQ(band.Q, 35);
    Press(plot, MarkerPixel(plot, 0));
    ASSERT_EQ(Handle(), 0);
    form->Sent.clear();

    const int row = RowOfGain(plot, 6.0);
    ASSERT_GE(row, 0);
    const TPoint target(PixelOfFrequencyIndex(plot, 170), row);
    const ResponseCurve before = Slot(ChOut1, 0).Response;
    Drag(plot, target);
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(51, {2, 0, 0xB4, 0x00, 0xAA, 0x00, 0x23, 0x00, 0x00})});
    EXPECT_DOUBLE_EQ(Table(ChOut1).GetFreqValue(0), IndexToFreq(170));
    EXPECT_DOUBLE_EQ(Table(ChOut1).GetGainValue(0), 6.0);
    EXPECT_EQ(Slot(ChOut1, 0).Response, before);
    Tick();
    PlotFilter fresh;
    SetBandCurve(fresh, 6.0, IndexToFreq(170), QfactorAt(35), 0, false);
    EXPECT_EQ(Slot(ChOut1, 0).Response, fresh.Response);
    EXPECT_EQ(At<TAdvTrackBar>("isEqGain", ChOut1).Position(), 180);
    EXPECT_EQ(At<TCurvyEdit>("cvdEqFreq", ChOut1).Text(), "1.00KHz");
    EXPECT_EQ(At<TCurvyEdit>("cvdEqGain", ChOut1).Text(), "+6.0dB");
    EXPECT_NEAR(MarkerPixel(plot, 0).X, PixelOfFrequencyIndex(plot, 170), 1);

    // Beyond the range: +12 dB at most, 19.7 Hz at least.
    Drag(plot, plot.GetPlotOrigin());
    EXPECT_EQ(TakeFrames(), std::vector<BSTM>{Frame(51, {2, 0, 0xF0, 0x00, 0x00, 0x00, 0x23, 0x00, 0x00})});
    EXPECT_DOUBLE_EQ(Table(ChOut1).GetGainValue(0), 12.0);

    // Every step lands on the grid, the table, the model, the command and the editor agreeing.
    for (int index : {60, 61, 137, 212, 255}) {
        SCOPED_TRACE(index);
        Drag(plot, TPoint(PixelOfFrequencyIndex(plot, index), row));
        Tick();
        const PeqBandRecord stored = form->Model.GetPeqBand(ChOut1, 0);
        EXPECT_EQ(stored.Freq, index);
        EXPECT_EQ(FreqToIndex(Table(ChOut1).GetFreqValue(0)), index);
        const std::vector<BSTM> frames = TakeFrames();
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0][10] | frames[0][11] << 8, index);  // the band's frequency index
        EXPECT_EQ(At<TAdvTrackBar>("isEqFreq", ChOut1).Position(), index);
        EXPECT_EQ(At<TCurvyEdit>("cvdEqFreq", ChOut1).Text(), EqFrequencyText(IndexToFreq(index)));
    }
    Release(plot, TPoint(PixelOfFrequencyIndex(plot, 255), row));
    EXPECT_EQ(Handle(), -1);
}

TEST_F(CurveHandlesTest, DraggingTheHighPassMovesOnlyItsFrequency)
{
    LMyFFTDrawPhase &plot = PlotControl(ChOut1);
    BandButton(ChOut1, 2).Click();
    ASSERT_TRUE(BandButton(ChOut1, 2).Down());
    const CrossoverRecord crossover = form->Model.GetCrossover(ChOut1);
    // The filter's controls show the model's slope (bypass at the factory).
    ASSERT_EQ(crossover.HighPass.Type, 0);
    At<TRzBmpButton>("rzbLowCutBypass", ChOut1).SetDown(true);
    const PeqBandRecord band = form->Model.GetPeqBand(ChOut1, 2);
    const TPoint square = MarkerPixel(plot, PlotCurveSlots::HighPassTotal);
    Press(plot, square);
    ASSERT_EQ(Handle(), PlotCurveSlots::HighPassTotal);
    form->Sent.clear();

    Drag(plot, TPoint(PixelOfFrequencyIndex(plot, 100), square.Y - 40));
    const CrossoverRecord moved = form->Model.GetCrossover(ChOut1);
    EXPECT_EQ(moved.HighPass.Freq, 100);
    EXPECT_EQ(moved.HighPass.Type, crossover.HighPass.Type);
    EXPECT_EQ(moved.LowPass.Freq, crossover.LowPass.Freq);
    const PeqBandRecord after = form->Model.GetPeqBand(ChOut1, 2);
    EXPECT_EQ(after.Freq, band.Freq);
    EXPECT_EQ(after.Gain, band.Gain);
    for (const BSTM &frame : TakeFrames())
        EXPECT_EQ(frame[5], 50);
    EXPECT_EQ(At<TCurvyEdit>("cvdLowCutFreq", ChOut1).Text(), EqFrequencyText(IndexToFreq(100)));
    EXPECT_EQ(At<TCurvyEdit>("cvdLowCutFreq", ChOut1).Font()->Color(), Green);
    EXPECT_FALSE(BandButton(ChOut1, 2).Down());

    Release(plot, square);
    EXPECT_EQ(Handle(), -1);
    EXPECT_EQ(At<TCurvyEdit>("cvdLowCutFreq", ChOut1).Font()->Color(), static_cast<TColor>(0));
}

TEST_F(CurveHandlesTest, ALostCaptureEndsTheDragAndTheTableWorksAgain)
{
    LMyFFTDrawPhase &plot = PlotControl(ChOut1);
    Press(plot, MarkerPixel(plot, PlotCurveSlots::HighPassTotal));
    Drag(plot, TPoint(PixelOfFrequencyIndex(plot, 40), 60));
    ASSERT_EQ(At<TCurvyEdit>("cvdLowCutFreq", ChOut1).Font()->Color(), Green);
    TInputRouter::SetCaptureControl(nullptr);
    EXPECT_EQ(Handle(), -1);
    EXPECT_EQ(At<TCurvyEdit>("cvdLowCutFreq", ChOut1).Font()->Color(), static_cast<TColor>(0));

    Press(plot, MarkerPixel(plot, 1));
    ASSERT_EQ(Handle(), 1);
    TInputRouter::SetCaptureControl(nullptr);
    EXPECT_EQ(Handle(), -1);
    form->Sent.clear();
    Table(ChOut1).SetGainValue(1, 3.0);
    const std::vector<BSTM> frames = TakeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0][5], 51);
}

}  // namespace

namespace {

// Pictures for a person to look at (pages_curves_*.png in the working folder): the Gain page with
// every curve shown, Out 1 with two overlays, every band's text and the EQ bypassed, Out 3 in
// phase and Out 4 while a band is dragged.
TEST_F(CurveHandlesTest, RendersOverlaysModesAndADraggedHandle)
{
    auto click = [&](TControl &control) {
        TInputRouter::Click(form.get(), control.ClientToParent(TPoint(4, 4), form.get()));
    };
    auto edit = [&](int channel, int band, double gain) {
        Table(channel).SetNowIndex(band);
        Table(channel).SetGainValue(band, gain);
    };
    edit(ChInB, 2, -7.5);
    edit(ChOut2, 1, 8.0);
    edit(ChOut3, 4, -9.0);
    edit(ChOut3, 6, 5.0);
    edit(ChOut1, 3, 6.0);
    for (const char *name : {"vrbShowBGain", "vrbShow2Gain", "vrbShow3Gain", "vrbShow4Gain", "vrbShow2Out1",
                             "vrbShow3Out1", "vrbEqShowAllOut1"})
        click(Control<TVrPowerButton>(QString::fromLatin1(name)));
    click(Control<TRzBmpButton>("rzbMenuOut1"));
    click(Control<TRzBmpButton>("rzbMenuGain"));
    click(Control<TRzBmpButton>("rzbMenuOut1"));
    click(At<TVrDemoButton>("vrbEqBypass", ChOut1));
    click(At<TRadioButton>("rbShowPhase", ChOut3));

    LMyFFTDrawPhase &plot = PlotControl(ChOut4);
    Press(plot, MarkerPixel(plot, 4));
    Drag(plot, TPoint(MarkerPixel(plot, 4).X + 60, MarkerPixel(plot, 4).Y - 50));
    Tick();

    const std::pair<const char *, const char *> boxes[] = {
        {"rzgFftGain", "gain"}, {"rzgFftOut1", "out1"}, {"rzgFftOut3", "out3_phase"}, {"rzgFftOut4", "out4_drag"}};
    for (const auto &[box, file] : boxes) {
        SCOPED_TRACE(box);
        auto &control = Control<TControl>(QString::fromLatin1(box));
        control.SetVisible(true);
        const QImage image = RenderControlImage(&control);
        ASSERT_FALSE(image.isNull());
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 8u);
        image.save(QStringLiteral("pages_curves_%1.png").arg(QString::fromLatin1(file)));
    }
    Release(plot, MarkerPixel(plot, 4));
}

}  // namespace
