// The plot object base classes: names, extents, the press and popup protocol with the plot, the
// keyboard popup, the auto-repeating button and the checks of managed objects.

#include "TestPlotHost.h"

#include "platform/runtime/TimerService.h"
#include "platform/ui/StdTestApp.h"
#include "platform/ui/TestScript.h"

#include <gtest/gtest.h>

namespace {

// A layout object that records the steps the base calls, and offers "Edit..." in its menu.
class TProbe : public TiPlotLayoutObject {
public:
    explicit TProbe(TTestPlotHost *Host)
        : TiPlotLayoutObject(
              Host, [this](TObject *) { Steps << QStringLiteral("change"); }, [](TObject *) {}, [](TObject *) {},
              [this](TObject *) { Steps << QStringLiteral("rename"); })
    {
        SetName(QStringLiteral("Probe"));
        Steps.clear();
        SetDrawRect(TRect(10, 10, 110, 60));
        OnEdit = [this](TObject *) { Steps << QStringLiteral("edit"); };
    }
    // Its own log goes before the base announces the removal.
    ~TProbe() override { OnChange = nullptr; }
    QStringList Steps;

    void DoMouseLeft(const TiPlotMouseData &) override { Steps << QStringLiteral("left"); }
    void DoMouseRight(const TiPlotMouseData &) override { Steps << QStringLiteral("right"); }
    void DoMouseUp(const TiPlotMouseData &) override { Steps << QStringLiteral("up"); }
    void AddMenuItems(TPopupMenu *PopupMenu) override
    {
        TiPlotLayoutObject::AddMenuItems(PopupMenu);
        AddEditMenuItem(PopupMenu);
    }
};

struct PlotObjects : ::testing::Test {
    TTestPlotHost host{nullptr};
    TScriptSession script;
    TProbe probe{&host};

    PlotObjects()
    {
        script.SetFailureHandler([](const std::string &failure) { ADD_FAILURE() << failure; });
    }
    void Press(TMouseButton button, int x = 20, int y = 20)
    {
        probe.iMouseDown(button, {}, x, y, x + 1000, y + 2000, host.PopupMenu());
    }
    void Release(TMouseButton button, int x = 20, int y = 20)
    {
        probe.iMouseUp(button, {}, x, y, x + 1000, y + 2000, false, host.PopupMenu());
    }
};

TEST_F(PlotObjects, SameNameChangesNothingAndANewNameKeepsTheOldOne)
{
    probe.SetName(QStringLiteral("Probe"));
    EXPECT_TRUE(probe.Steps.isEmpty());

    probe.SetName(QStringLiteral("probe"));
    EXPECT_EQ(probe.Steps, (QStringList{"rename", "change"}));
    EXPECT_EQ(probe.NameOld(), QStringLiteral("Probe"));
    EXPECT_EQ(probe.Name(), QStringLiteral("probe"));
}

TEST(PlotLayoutObjectExtent, KeepsAtLeastOnePercentInsideTheBand)
{
    struct Case {
        const char *name;
        double start, stop;  // before
        bool setStart;
        double value;
        double expectStart, expectStop;
    };
    const Case cases[] = {
        {.name = "start near the end",
         .start = 0,
         .stop = 100,
         .setStart = true,
         .value = 99.5,
         .expectStart = 99,
         .expectStop = 100},
        {.name = "stop near the start",
         .start = 0,
         .stop = 100,
         .setStart = false,
         .value = 0.5,
         .expectStart = 0,
         .expectStop = 1},
        {.name = "start pushes the stop",
         .start = 10,
         .stop = 50,
         .setStart = true,
         .value = 49.5,
         .expectStart = 49.5,
         .expectStop = 50.5},
        {.name = "stop pushes the start",
         .start = 40,
         .stop = 80,
         .setStart = false,
         .value = 40.25,
         .expectStart = 39.25,
         .expectStop = 40.25},
        {.name = "start below 0",
         .start = 10,
         .stop = 50,
         .setStart = true,
         .value = -5,
         .expectStart = 0,
         .expectStop = 50},
        {.name = "stop above 100",
         .start = 10,
         .stop = 50,
         .setStart = false,
         .value = 150,
         .expectStart = 10,
         .expectStop = 100},
    };
    TTestPlotHost host(nullptr);
    for (const Case &c : cases) {
        TiPlotLabel label(
            &host, [](TObject *) {}, [](TObject *) {}, [](TObject *) {}, [](TObject *) {});
        label.SetStartStopPercent(c.start, c.stop);
        if (c.setStart)
            label.SetStartPercent(c.value);
        else
            label.SetStopPercent(c.value);
        EXPECT_EQ(label.StartPercent(), c.expectStart) << c.name;
        EXPECT_EQ(label.StopPercent(), c.expectStop) << c.name;
    }
}

TEST_F(PlotObjects, PressesAreRoutedByButton)
{
    Press(mbLeft);
    EXPECT_TRUE(probe.MouseIsDown());
    Release(mbLeft, 200, 200);
    Press(mbMiddle);
    EXPECT_FALSE(probe.MouseIsDown());
    EXPECT_FALSE(probe.MouseDownPopup());
    Release(mbMiddle);

    EXPECT_EQ(probe.Steps, (QStringList{"left", "up", "up"}));
    // The middle press hits the object: the plot hears it, but no release follows.
    EXPECT_EQ(host.Log, (QStringList{"down Probe 0 20,20", "up Probe 0 200,200", "down Probe 2 20,20"}));
}

TEST_F(PlotObjects, ADisabledObjectIgnoresPressesAndDisablingDropsPressAndSelection)
{
    Press(mbLeft);
    probe.SetUserSelected(true);
    probe.SetEnabled(false);
    EXPECT_FALSE(probe.MouseIsDown());
    EXPECT_FALSE(probe.UserSelected());

    host.Log.clear();
    probe.Steps.clear();
    Press(mbRight);
    Release(mbRight);
    EXPECT_EQ(probe.Steps, QStringList{"up"});
    EXPECT_TRUE(host.Log.isEmpty()) << host.Log.join(u'|').toStdString();
}

TEST_F(PlotObjects, ARightClickOpensTheFilledMenuUnlessDisabledOrCancelled)
{
    struct Case {
        const char *name;
        bool popupEnabled;
        bool cancel;
        bool menuShown;
    };
    const Case cases[] = {
        {.name = "popup", .popupEnabled = true, .cancel = false, .menuShown = true},
        {.name = "popup off", .popupEnabled = false, .cancel = false, .menuShown = false},
        {.name = "cancelled", .popupEnabled = true, .cancel = true, .menuShown = false},
    };
    for (const Case &c : cases) {
        probe.SetPopupEnabled(c.popupEnabled);
        host.CancelPopup = c.cancel;
        host.Log.clear();
        probe.Steps.clear();
        if (c.menuShown)
            TestScript::ExpectPopup(QStringLiteral("Edit..."));
        const int shown = TestScript::Log().size();

        Press(mbRight);
        Release(mbRight);

        EXPECT_EQ(TestScript::Log().size() - shown, c.menuShown ? 1 : 0) << c.name;
        const QStringList steps = c.menuShown ? QStringList{"right", "edit", "up"} : QStringList{"right", "up"};
        EXPECT_EQ(probe.Steps, steps) << c.name;
        // The release always reaches the plot; the popup event only with PopupEnabled.
        EXPECT_EQ(host.Log.contains(QStringLiteral("popup Probe 1020,2020")), c.popupEnabled) << c.name;
        EXPECT_TRUE(host.Log.contains(QStringLiteral("up Probe 1 20,20"))) << c.name;
    }
}

TEST_F(PlotObjects, ShiftF10AndTheAppsKeyOpenTheMenuAtTheCentre)
{
    const TPoint centre = host.ClientToScreen(TPoint(60, 35));
    TestScript::ExpectPopup(QString());
    TestScript::ExpectPopup(QString());
    WORD key = VK_F10;
    probe.iKeyDown(key, TShiftState{ssShift}, host.PopupMenu());
    key = VK_APPS;
    probe.iKeyDown(key, {}, host.PopupMenu());
    key = VK_F10;
    probe.iKeyDown(key, {}, host.PopupMenu());

    EXPECT_EQ(host.Log, (QStringList{"popup Probe 0,0", "popup Probe 0,0"}));
    EXPECT_EQ(host.PopupMenu()->PopupPoint().X, centre.X);
    EXPECT_EQ(host.PopupMenu()->PopupPoint().Y, centre.Y);
    EXPECT_EQ(TestScript::Pending(), 0);
}

TEST_F(PlotObjects, AMenuItemOfAFreedObjectDoesNothing)
{
    auto *doomed = new TProbe(&host);
    doomed->AddMenuItems(host.PopupMenu());
    ASSERT_EQ(host.PopupMenu()->Items()->Count(), 1);
    TMenuItem *edit = host.PopupMenu()->Items()->Items(0);
    doomed->Free();
    edit->Click();
    // Refilling the menu for another object frees the stale item.
    probe.AddMenuItems(host.PopupMenu());
    ASSERT_EQ(host.PopupMenu()->Items()->Count(), 1);
    host.PopupMenu()->Items()->Items(0)->Click();
    EXPECT_EQ(probe.Steps, QStringList{"edit"});
}

// ---- The auto-repeating button ------------------------------------------------------------------

struct PlotButtons : ::testing::Test {
    TManualClockScope clock;
    TTestPlotHost host{nullptr};
    std::unique_ptr<TiPlotButton> button = std::make_unique<TiPlotButton>(&host);
    int clicks = 0;

    PlotButtons()
    {
        button->SetDrawRect(TRect(10, 10, 30, 30));
        button->OnClick = [this](TObject *) { ++clicks; };
    }
    void Press() { button->iMouseDown(mbLeft, {}, 15, 15, 0, 0, nullptr); }
    void Release(int x, int y) { button->iMouseUp(mbLeft, {}, x, y, 0, 0, false, nullptr); }
};

TEST_F(PlotButtons, AHeldButtonClicksAfter500msThenEvery50ms)
{
    button->SetTimerEnabled(true);
    Press();
    TManualClock::Advance(499);
    EXPECT_EQ(clicks, 0);
    TManualClock::Advance(1);
    EXPECT_EQ(clicks, 1);
    TManualClock::Advance(49);
    EXPECT_EQ(clicks, 1);
    TManualClock::Advance(1);
    EXPECT_EQ(clicks, 2);
    TManualClock::Advance(100);
    EXPECT_EQ(clicks, 4);

    // Released outside: no click of its own, and the repeat ends.
    Release(100, 100);
    EXPECT_FALSE(button->Repeating());
    TManualClock::Advance(1000);
    EXPECT_EQ(clicks, 4);
}

TEST_F(PlotButtons, AReleaseInsideClicksOnceGroupClickFirst)
{
    QStringList events;
    button->SetGroupIndex(1);
    button->OnGroupClick = [&](TObject *) { events << QStringLiteral("group"); };
    button->OnClick = [&](TObject *) { events << QStringLiteral("click"); };
    Press();
    Release(29, 29);
    Release(29, 29);
    Press();
    Release(30, 20);
    EXPECT_EQ(events, (QStringList{"group", "click"}));
}

TEST_F(PlotButtons, DisablingOrFreeingTheButtonStopsTheRepeat)
{
    button->SetTimerEnabled(true);
    const int timers = TManualClock::TimerCount();
    Press();
    EXPECT_EQ(TManualClock::TimerCount(), timers + 1);
    button->SetEnabled(false);
    EXPECT_EQ(TManualClock::TimerCount(), timers);

    button->SetEnabled(true);
    Press();
    button.reset();
    EXPECT_EQ(TManualClock::TimerCount(), timers);
    TManualClock::Advance(2000);
    EXPECT_EQ(clicks, 0);
}

TEST_F(PlotButtons, AClickMayFreeTheButtonFromItsOwnRepeat)
{
    button->SetTimerEnabled(true);
    int invalidates = 0;
    button->OnInvalidate = [&](TObject *) { ++invalidates; };
    button->OnClick = [this](TObject *) {
        ++clicks;
        button.reset();
    };
    Press();
    TManualClock::Advance(600);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(invalidates, 1);  // the press only
}

// ---- Managed objects ----------------------------------------------------------------------------

TEST(PlotManagerObject, RefusesAMissingOwnerOrNotification)
{
    TTestPlotHost host(nullptr);
    ExpectOwnerChecks(&host, "Owner must be assigned",
                      [](TWinControl *owner, TNotifyEvent change, TNotifyEvent insert, TNotifyEvent remove,
                         TNotifyEvent rename) { TiPlotXAxis axis(owner, change, insert, remove, rename); });
}

}  // namespace
