// The running editor holds what its forms cannot: the response plots, connected to the simulated
// processor, draw their grid, frequency labels and markers where the curve model puts each frequency
// and their curves to the right edge; the values code sets at start (layout rules, column widths,
// the transfer plot's traces) are there; the splash shows while the main form is read and is gone
// when the main window first shows.

#include "EditorUser.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ValueListEditor.h"
#include "plotlib/channels/iXYPlotChannel.h"
#include "plotlib/plot/iXYPlot.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/graphics/SplashScreenWindow.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace editor_user;

template <class T>
T &Named(const QString &name)
{
    auto *control = dynamic_cast<T *>(fmMain->FindComponent(name));
    if (!control)
        throw std::runtime_error("no control " + name.toStdString());
    return *control;
}

QRgb Rgb(TColor colour)
{
    const auto c = static_cast<std::uint32_t>(colour);
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF), static_cast<int>(c >> 16 & 0xFF));
}

// ---- Response plots ----------------------------------------------------------------------------------------

// The plot on its page, drawn: the image and where its curve area lies.
struct DrawnPlot {
    LMyFFTDrawPhase *control = nullptr;
    QImage image;
    TPoint origin;
    int width = 0;
    int height = 0;

    explicit DrawnPlot(LMyFFTDrawPhase &plot)
        : control(&plot), image(RenderControlImage(&plot).convertToFormat(QImage::Format_RGB32)),
          origin(plot.GetPlotOrigin()), width(plot.GetPlotWidth()), height(plot.GetPlotHeight())
    {}
    // Where the curve model puts a frequency, in control pixels.
    int CurveX(double hz) const { return origin.X + static_cast<int>(control->ScreenX(FrequencyToCurveX(hz))); }
    // The column near `x` that holds the most pixels of the colour down the curve area.
    int LineNear(int x, TColor colour, int &count) const
    {
        int best = -1;
        count = 0;
        for (int cx = x - 4; cx <= x + 4; ++cx) {
            int n = 0;
            for (int y = origin.Y + 1; y < origin.Y + height - 1; ++y)
                n += image.valid(cx, y) && image.pixel(cx, y) == Rgb(colour);
            if (n > count) {
                count = n;
                best = cx;
            }
        }
        return best;
    }
    // The middle of the ink of the frequency label that starts at page x `left` (below the curves).
    double LabelMiddle(int left) const
    {
        const QRgb ink = Rgb(control->AxisLabelFont()->Color());
        const auto inked = [&](int x) {
            for (int y = origin.Y + height; y < image.height(); ++y)
                if (image.pixel(x, y) == ink)
                    return true;
            return false;
        };
        int first = -1, last = -1;
        for (int x = std::max(0, origin.X + left - 2); x < image.width(); ++x) {
            if (inked(x)) {
                if (first < 0)
                    first = x;
                last = x;
            } else if (first >= 0 && x - last > 3) {
                break;
            }
        }
        return first < 0 ? -1.0 : (first + last) / 2.0;
    }
};

// The frequency a label names: "20Hz", "1.5KHz".
double LabelFrequency(const QString &text)
{
    const bool kilo = text.endsWith(QLatin1String("KHz"));
    return text.chopped(kilo ? 3 : 2).toDouble() * (kilo ? 1000.0 : 1.0);
}

// Every frequency label and every vertical grid line in the curve area (20, 30, ... 90 Hz, 100,
// 200, ... 20 kHz; the decades in the axis colour) stands within a pixel of where the curve model
// puts its frequency. 10 Hz lies left of the curve area, so neither its line nor a label is drawn.
void ExpectGridOnTheCurvesScale(const DrawnPlot &plot, const std::string &name)
{
    EXPECT_LT(plot.control->ScreenX(FrequencyToCurveX(10.0)), 0.0) << name << ": 10 Hz";
    int lines = 0;
    for (double decade = 10.0; decade < 1e5; decade *= 10.0)
        for (int step = 1; step <= 9; ++step) {
            const double hz = step * decade;
            const int x = plot.CurveX(hz);
            if (x <= plot.origin.X + 1 || x >= plot.origin.X + plot.width - 2)
                continue;
            ++lines;
            const TColor colour = step == 1 ? plot.control->AxisColor() : plot.control->GridColor();
            int count = 0;
            const int line = plot.LineNear(x, colour, count);
            EXPECT_GT(count, plot.height / 2) << name << ": no grid line near " << hz << " Hz";
            EXPECT_LE(std::abs(line - x), 1)
                << name << ": the " << hz << " Hz line at " << line << ", the curves at " << x;
        }
    EXPECT_GE(lines, 27) << name << ": grid lines from 20 Hz to 20 kHz";
    const auto &labels = plot.control->DrawnXLabels();
    for (const char *needed : {"100Hz", "1KHz", "10KHz"})
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                [&](const TDrawnText &t) { return t.Text == QLatin1String(needed); }))
            << name << ": no label " << needed;
    for (const TDrawnText &label : labels) {
        const int x = plot.CurveX(LabelFrequency(label.Text));
        const double middle = plot.LabelMiddle(label.X);
        EXPECT_LE(std::abs(middle - x), 1.0)
            << name << ": " << label.Text.toStdString() << " centred at " << middle << ", the curves at " << x;
    }
}

// A curve of the colour reaches the curve area's right edge.
void ExpectCurveToTheRightEdge(const DrawnPlot &plot, TColor colour, const std::string &name)
{
    const double right = plot.control->ScreenX(4095.0);
    EXPECT_GE(right, plot.width) << name << ": the last point of a curve lies inside the area";
    const int x = plot.origin.X + plot.width - 1;
    int found = 0;
    for (int y = plot.origin.Y; y < plot.origin.Y + plot.height; ++y)
        found += plot.image.pixel(x, y) == Rgb(colour);
    EXPECT_GT(found, 0) << name << ": no curve in the area's last column";
}

TEST(WindowValues, ThePlotsDrawGridLabelsMarkersAndCurvesWhereTheCurveModelPutsEachFrequency)
{
    EditorRun run;
    SimulatedProcessor processor(Link::Tcp, run);
    ConnectSteps(run, processor);
    SettledStep(run, processor, "read");
    run.Step(
        "channel plots", [] { return SessionSettled(); },
        [] {
            const QStringList suffixes = {"InA", "InB", "Out1", "Out2", "Out3", "Out4"};
            const LUnitControl &model = fmMain->Session().Model();
            for (int ch = 0; ch < 6; ++ch) {
                const std::string name = suffixes[ch].toStdString();
                Click(Named<TRzBmpButton>("rzbMenu" + suffixes[ch]));
                const DrawnPlot plot(Named<LMyFFTDrawPhase>("fftDraw" + suffixes[ch]));
                ExpectGridOnTheCurvesScale(plot, name);
                ExpectCurveToTheRightEdge(plot, static_cast<TColor>(ChannelColors[ch]), name);
                // Band 5's marker (not the selected band) stands on its frequency.
                const int band = 4;
                const int x = plot.CurveX(IndexToFreq(model.GetPeqBand(ch, band).Freq));
                const TPoint marker = plot.control->GetBlockPos(band);
                double sum = 0;
                int count = 0;
                for (int dy = -6; dy <= 6; ++dy)
                    for (int dx = -8; dx <= 8; ++dx) {
                        const int px = plot.origin.X + marker.X + dx, py = plot.origin.Y + marker.Y + dy;
                        if (plot.image.valid(px, py) && plot.image.pixel(px, py) == Rgb(BandColors[band])) {
                            sum += px;
                            ++count;
                        }
                    }
                ASSERT_GT(count, 0) << name << ": band 5's marker not drawn";
                EXPECT_LE(std::abs(sum / count - x), 1.0) << name << ": band 5's marker off its frequency";
            }
            Click(Named<TRzBmpButton>("rzbMenuGain"));
            for (const char *gain : {"fftDrawGainIn", "fftDrawGainOut"}) {
                const DrawnPlot plot(Named<LMyFFTDrawPhase>(QLatin1String(gain)));
                ExpectGridOnTheCurvesScale(plot, gain);
                // In A and Out 1 are on at start.
                ExpectCurveToTheRightEdge(plot, static_cast<TColor>(ChannelColors[gain[11] == 'I' ? 0 : 2]), gain);
            }
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// ---- Values set at run time ---------------------------------------------------------------------------------

// The width of a text in the font of an edit, against the room inside it.
int TextWidth(TFont *font, const QString &text)
{
    TBitmap bitmap;
    bitmap.SetSize(1, 1);
    bitmap.Canvas()->Font()->Assign(font);
    return bitmap.Canvas()->TextWidth(text);
}

TEST(WindowValues, TheRunningWindowsHoldTheValuesCodeSets)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            // The layout rules at the minimum size: every delay line 475 wide; the outputs' from 46.
            for (const char *line : {"lbDelayLineInA", "lbDelayLineInB", "lbDelayLineOut1", "lbDelayLineOut4"})
                EXPECT_EQ(Named<TControl>(QLatin1String(line)).Width(), 475) << line;
            EXPECT_EQ(Named<TControl>("lbDelayLineOut2").Left(), 46);
            // The preset lists' columns, 69 and 126 pixels.
            for (TValueListEditor *list : {fmStorePreset->vledPresetName, fmRecallPreset->vledPresetName}) {
                EXPECT_EQ(list->ColWidths(0), 69);
                EXPECT_EQ(list->ColWidths(1), 126);
            }
            // The transfer plot: the curve white and two pixels wide, the knee dotted with markers
            // of size 5.
            auto &comp = Named<TiXYPlot>("ipComp");
            EXPECT_EQ(comp.GetChannel(0)->Color(), clWhite);
            EXPECT_EQ(comp.GetChannel(0)->TraceLineWidth(), 2);
            EXPECT_EQ(comp.GetChannel(1)->TraceLineStyle(), iplsDot);
            EXPECT_TRUE(comp.GetChannel(1)->MarkersVisible());
            EXPECT_EQ(comp.GetChannel(1)->MarkersSize(), 5);
            // The band tables' columns and rows follow from their size: 93-pixel fields, rows of
            // 29 (inputs) and 26 (outputs) pixels; "20.16KHz" fits a frequency field.
            for (const char *name : {"peqPeqInA", "peqPeqOut1"}) {
                auto &table = Named<TMyPEQAllpass>(QLatin1String(name));
                EXPECT_EQ(table.FrequencyEdit(0)->Width(), 93) << name;
                EXPECT_EQ(table.FrequencyEdit(1)->Top() - table.FrequencyEdit(0)->Top(),
                          table.GetChannelNumber() == 8 ? 29 : 26)
                    << name;
                EXPECT_LE(TextWidth(table.FrequencyEdit(0)->Font(), "20.16KHz"), table.FrequencyEdit(0)->ClientWidth())
                    << name;
            }
            // The longest texts of the frequency boxes fit them.
            for (const char *name : {"cvdHighCutFreqOut1", "cvdEqFreqOut1"}) {
                auto &box = Named<TCurvyEdit>(QLatin1String(name));
                for (const char *text : {"20.16KHz", " 630.0Hz"})
                    EXPECT_LE(TextWidth(box.Edit()->Font(), text), box.Edit()->ClientWidth()) << name << " " << text;
            }
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

// ---- Splash screen ----------------------------------------------------------------------------------------------

// The order in which the splash window and the main window show and go.
class WindowEvents : public QObject {
public:
    WindowEvents() { qApp->installEventFilter(this); }
    ~WindowEvents() override { qApp->removeEventFilter(this); }
    std::vector<std::string> events;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
            return false;
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || !widget->isWindow())
            return false;
        TWinControl *control = FindControlOfWidget(widget);
        const char *what = dynamic_cast<TSplashScreenWindow *>(control) ? "splash"
                           : control && control == fmMain               ? "main"
                                                                        : nullptr;
        if (what)
            events.push_back(std::string(what) + (event->type() == QEvent::Show ? " shown" : " hidden"));
        return false;
    }
};

// The band buttons, the crossovers' bypass buttons and the mute and polarity buttons share group
// indices; a click on one never pops up a button of another cluster on the same page.
TEST(WindowValues, AClickOnAPageButtonPopsUpOnlyTheButtonsOfItsOwnCluster)
{
    struct Case {
        const char *page;
        const char *held;
        const char *clicked;
    };
    const Case cases[] = {
        {.page = "rzbMenuInB", .held = "rzbMuteInB", .clicked = "rzbEq3InB"},
        {.page = "rzbMenuInA", .held = "rzbPhaseInA", .clicked = "rzbEq2InA"},
        {.page = "rzbMenuOut1", .held = "rzbLowCutBypassOut1", .clicked = "rzbHighCutBypassOut1"},
        {.page = "rzbMenuOut1", .held = "rzbHighCutBypassOut1", .clicked = "rzbEq4Out1"},
    };
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            for (const Case &c : cases) {
                Click(Named<TRzBmpButton>(QLatin1String(c.page)));
                auto &held = Named<TRzBmpButton>(QLatin1String(c.held));
                auto &clicked = Named<TRzBmpButton>(QLatin1String(c.clicked));
                clicked.SetDown(false);
                held.SetDown(true);
                Click(clicked);
                EXPECT_TRUE(clicked.Down()) << c.clicked;
                EXPECT_TRUE(held.Down()) << c.clicked << " popped up " << c.held;
                held.SetDown(false);
            }
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

TEST(WindowValues, TheSplashShowsWhileTheMainFormIsReadAndGoesAtItsFirstShow)
{
    WindowEvents windows;
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [&] {
            auto *shown = dynamic_cast<TAdvSmoothSplashScreen *>(fmMain->FindComponent("asScreenTROV316"));
            auto *never = dynamic_cast<TAdvSmoothSplashScreen *>(fmMain->FindComponent("asScreen"));
            ASSERT_TRUE(shown && never);
            EXPECT_FALSE(shown->Showing());
            EXPECT_FALSE(never->Showing());
            // The clock stood still: the main window's show closed it, not the time-out.
            EXPECT_LT(TManualClock::Milliseconds(), 100u);
            const std::vector<std::string> expected = {"splash shown", "splash hidden", "main shown"};
            std::vector<std::string> first(windows.events.begin(),
                                           windows.events.begin() + std::min<std::size_t>(3, windows.events.size()));
            EXPECT_EQ(first, expected);
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

}  // namespace
