// Axis tracking, zoom and scroll arithmetic on an axis of a minimal plot host: how new values
// extend, scroll or refit the scale by tracking style, the first value's placing, resuming the
// scale the user left, the scroll limits and the zoom factor. (The alignment to the tick
// increment needs a tick computation, which measures text: it is tested with the axes.)

#include "TestPlotHost.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/StdTestApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct AxisTracking : ::testing::Test {
    TTestPlotHost host{nullptr};
    TiPlotAxis *axis = nullptr;

    AxisTracking()
    {
        host.Master()->AddXAxis();
        axis = host.Master()->XAxisManager()->Items(0);
        axis->SetMinSpan(0, 10);
    }
};

TEST_F(AxisTracking, NewValuesMoveTheScaleByStyle)
{
    struct Case {
        const char *name;
        TiPlotTrackingStyle style;
        double compressMax = 0;
        std::vector<double> values;  // the first one only places the scale (ipafsNone: not at all)
        double min, span;
    };
    const Case cases[] = {
        {.name = "smooth scroll", .style = iptsScrollSmooth, .values = {0, 5, 12}, .min = 2, .span = 10},
        {.name = "smooth scroll on", .style = iptsScrollSmooth, .values = {0, 5, 12, 13}, .min = 3, .span = 10},
        {.name = "one page per value", .style = iptsScrollPage, .values = {0, 25}, .min = 10, .span = 10},
        {.name = "one page back", .style = iptsScrollPage, .values = {0, -30}, .min = -10, .span = 10},
        {.name = "compress grows the span",
         .style = iptsScrollSmooth,
         .compressMax = 20,
         .values = {0, 15},
         .min = 0,
         .span = 15},
        {.name = "compress holds the span at its maximum once passed",
         .style = iptsScrollSmooth,
         .compressMax = 20,
         .values = {0, 15, 22, 30},
         .min = 10,
         .span = 20},
        {.name = "scale min max below", .style = iptsScaleMinMax, .values = {0, -5}, .min = -5, .span = 10},
        {.name = "scale min max above", .style = iptsScaleMinMax, .values = {0, 15}, .min = 0, .span = 15},
        {.name = "scale max", .style = iptsScaleMax, .values = {0, 15, 3}, .min = 0, .span = 15},
        {.name = "scale min", .style = iptsScaleMin, .values = {0, -5, 8}, .min = -5, .span = 15},
        {.name = "expand min max", .style = iptsExpandMinMax, .values = {0, -5}, .min = -5, .span = 15},
    };
    for (const Case &c : cases) {
        TTestPlotHost fresh(nullptr);
        fresh.Master()->AddXAxis();
        TiPlotAxis *a = fresh.Master()->XAxisManager()->Items(0);
        a->SetMinSpan(0, 10);
        a->SetTrackingStyle(c.style);
        a->SetTrackingScrollCompressMax(c.compressMax);
        a->SetTrackingAlignFirstStyle(ipafsMin);
        for (double v : c.values)
            a->NewTrackingData(v);
        EXPECT_DOUBLE_EQ(a->Min(), c.min) << c.name;
        EXPECT_DOUBLE_EQ(a->Span(), c.span) << c.name;
    }
}

TEST_F(AxisTracking, TheFirstValueOnlyPlacesTheScale)
{
    struct Case {
        const char *name;
        TiPlotAlignFirstStyle style;
        double value;
        double min;
    };
    const Case cases[] = {
        {"none changes nothing", ipafsNone, 100, 0},
        {"max puts the value at the top", ipafsMax, 100, 90},
        {"min puts the value at the bottom", ipafsMin, 100, 100},
        {"auto keeps a value on the scale", ipafsAuto, 4, 0},
        {"auto moves to a value off the scale", ipafsAuto, -7, -7},
    };
    for (const Case &c : cases) {
        TTestPlotHost fresh(nullptr);
        fresh.Master()->AddXAxis();
        TiPlotAxis *a = fresh.Master()->XAxisManager()->Items(0);
        a->SetMinSpan(0, 10);
        // A style that would move the scale for any of the values.
        a->SetTrackingStyle(iptsScaleMinMax);
        a->SetTrackingAlignFirstStyle(c.style);
        a->NewTrackingData(c.value);
        EXPECT_DOUBLE_EQ(a->Min(), c.min) << c.name;
        EXPECT_DOUBLE_EQ(a->Span(), 10) << c.name;
    }
}

TEST_F(AxisTracking, MarginsAndSpanMinimumFollowEveryStyle)
{
    axis->SetTrackingStyle(iptsScaleMax);
    axis->SetTrackingAlignFirstStyle(ipafsNone);
    axis->NewTrackingData(5);
    axis->SetTrackingMaxMargin(2);
    axis->NewTrackingData(9);
    EXPECT_DOUBLE_EQ(axis->Min(), 0);
    EXPECT_DOUBLE_EQ(axis->Span(), 11) << "9 keeps 2 below the top";
    axis->SetTrackingMinMargin(1);
    axis->NewTrackingData(0.5);
    EXPECT_DOUBLE_EQ(axis->Min(), -0.5) << "0.5 keeps 1 above the bottom";
    axis->SetTrackingSpanMinimum(40);
    axis->NewTrackingData(5);
    EXPECT_DOUBLE_EQ(axis->Span(), 40);
    EXPECT_DOUBLE_EQ(axis->Mid(), 5);
}

TEST_F(AxisTracking, TurningTrackingOnAgainRestoresTheScaleTheUserLeft)
{
    axis->SetRestoreValuesOnResume(true);
    axis->SetTrackingEnabled(false);
    axis->Zoom(4);
    axis->ScrollBy(1, axis->Min(), axis->Span(), axis->Max());
    ASSERT_NE(axis->Min(), 0);
    axis->SetTrackingEnabled(true);
    EXPECT_DOUBLE_EQ(axis->Min(), 0);
    EXPECT_DOUBLE_EQ(axis->Span(), 10);

    axis->SetRestoreValuesOnResume(false);
    axis->SetTrackingEnabled(false);
    axis->Zoom(2);
    axis->SetTrackingEnabled(true);
    EXPECT_DOUBLE_EQ(axis->Span(), 20) << "without RestoreValuesOnResume the zoom stays";
}

TEST_F(AxisTracking, ScrollingStopsAtTheScrollLimits)
{
    axis->SetScrollMinMaxEnabled(true);
    axis->SetScrollMin(-5);
    axis->SetScrollMax(25);
    axis->ScrollBy(3, axis->Min(), axis->Span(), axis->Max());
    EXPECT_DOUBLE_EQ(axis->Max(), 25);
    EXPECT_DOUBLE_EQ(axis->Span(), 10);
    axis->ScrollBy(-5, axis->Min(), axis->Span(), axis->Max());
    EXPECT_DOUBLE_EQ(axis->Min(), -5);
}

TEST_F(AxisTracking, ZoomFactorsAndTheirRefusal)
{
    axis->Zoom(2);
    EXPECT_DOUBLE_EQ(axis->Min(), -5);
    EXPECT_DOUBLE_EQ(axis->Span(), 20);
    for (double factor : {0.0, -1.0}) {
        try {
            axis->Zoom(factor);
            ADD_FAILURE() << "no exception for " << factor;
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
        }
        EXPECT_DOUBLE_EQ(axis->Min(), -5);
        EXPECT_DOUBLE_EQ(axis->Span(), 20);
    }
    axis->SetMinSpan(1, 99);
    axis->SetScaleType(ipstLog10);
    axis->Zoom(1);
    EXPECT_DOUBLE_EQ(axis->Min(), 0.1);
    EXPECT_DOUBLE_EQ(axis->Span(), 990);
}

}  // namespace
