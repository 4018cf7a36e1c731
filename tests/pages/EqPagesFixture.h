#pragma once
// The tests of the equaliser and crossover editing: the six channel pages of PageTestEq on a
// TfmPageTest, each channel's curve model drawing on the page's response plot, the timers on the
// manual clock.

#include "PagesFixture.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/MyPEQAllpass.h"
#include "pages/PageControls.h"
#include "platform/runtime/Timer.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioButton.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/VrButtons.h"

#include <algorithm>
#include <optional>

// The classes of the form that the other test forms lack, so that the program links them.
[[maybe_unused]] inline const TClassInfo *const EqFormClasses[] = {
    &TMyPEQAllpass::StaticClass(), &LMyFFTDrawPhase::StaticClass(), &TRzComboBox::StaticClass(),
    &TTimer::StaticClass(),        &TVrPowerButton::StaticClass(),  &TRadioButton::StaticClass(),
};

class EqPagesTest : public PagesTest {
protected:
    void SetUp() override
    {
        clock.emplace();
        Load(formName);
        // The plots size their pages when first painted, as on the shown main window.
        for (int c = 0; c < ChannelCount; ++c) {
            form->Plots[static_cast<std::size_t>(c)]->Control = &PlotControl(c);
            RenderControlImage(&PlotControl(c));
        }
        for (int side = 0; side < 2; ++side) {
            auto &plot = GainPlotControl(side);
            form->Plots[static_cast<std::size_t>(6 + side)]->Control = &plot;
            RenderControlImage(&plot);
        }
        // The form starts with the focus in a field of the first table, which reports its row
        // when the focus goes; it goes to a read-only text instead.
        At<TCurvyEdit>("cvdEqGain", ChInA).SetFocus();
        form->Sent.clear();
    }
    void TearDown() override
    {
        PagesTest::TearDown();
        clock.reset();
    }

    // The channel's control of the family `prefix` ("isEqFreq", ChOut1).
    template <class T>
    T &At(const char *prefix, int channel)
    {
        return Control<T>(ChannelControlName(prefix, channel));
    }
    // The Gain page's plot of the inputs (0) or the outputs (1).
    LMyFFTDrawPhase &GainPlotControl(int side)
    {
        return Control<LMyFFTDrawPhase>(side == 0 ? QStringLiteral("fftDrawGainIn") : QStringLiteral("fftDrawGainOut"));
    }
    TMyPEQAllpass &Table(int channel) { return At<TMyPEQAllpass>("peqPeq", channel); }
    LMyFFTDrawPhase &PlotControl(int channel) { return At<LMyFFTDrawPhase>("fftDraw", channel); }
    TRzBmpButton &BandButton(int channel, int band)
    {
        return Control<TRzBmpButton>(QStringLiteral("rzbEq%1").arg(band + 1) + ChannelSuffix(channel));
    }
    PlotFilter &Slot(int channel, int slot)
    {
        return *form->Plots[static_cast<std::size_t>(channel)]->Filters[static_cast<std::size_t>(slot)];
    }

    // Whether the plot shows pixels of the button face colour (240, 240, 240) where the bypass
    // text is written.
    bool ShowsBypassText(int channel)
    {
        LMyFFTDrawPhase &plot = PlotControl(channel);
        const QImage image = RenderControlImage(&plot);
        for (int y = plot.Height() / 4; y < std::min(image.height(), plot.Height() / 4 + 70); ++y)
            for (int x = plot.Width() / 3; x < std::min(image.width(), plot.Width() / 3 + 260); ++x)
                if (image.pixel(x, y) == qRgb(240, 240, 240))
                    return true;
        return false;
    }

    // One tick of the 1 ms curve timers.
    static void Tick() { TManualClock::Advance(1); }

    std::optional<TManualClockScope> clock;
    // The form SetUp loads; PageTestFull adds the other pages' controls.
    const char *formName = "PageTestEq";
};
