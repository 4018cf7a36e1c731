// Axes: the scale settings and their events, the mapping between values and pixels, the tick
// computation, the value texts and the drags, wheel turns and keys that scroll and zoom a scale.
// The axes are those of an XY plot; their scale rectangles come from layout rectangles set by hand.

#include "TestPlotHost.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/Bitmap.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iXYPlot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace {

// A plot, a canvas to measure on, and one of the plot's axes laid out by hand.
class AxisFixture : public ::testing::Test {
protected:
    TiXYPlot plot{nullptr};
    TBitmap bitmap{400, 400};
    TiPlotAxis *xAxis = plot.GetXAxis(0);
    TiPlotAxis *yAxis = plot.GetYAxis(0);

    // The Y axis gets a scale with room for exactly `labels` labels.
    void RoomForLabels(int labels)
    {
        TCanvas *canvas = bitmap.Canvas();
        canvas->Font()->Assign(yAxis->LabelsFont());
        const double pitch =
            std::nearbyint(iTextHeightMultiLine(canvas, QStringLiteral("0")) * (yAxis->LabelSeparation() + 1));
        yAxis->SetDrawRect(TRect(0, 0, 60, static_cast<int>(pitch * labels)));
        yAxis->CalcTicks(canvas);
    }

    std::vector<double> Positions(TiPlotTickType Type) const
    {
        std::vector<double> out;
        for (int i = 0; i < yAxis->TickListCount(); ++i)
            if (yAxis->GetTick(i)->TickType == Type)
                out.push_back(yAxis->GetTick(i)->Position);
        return out;
    }

    QStringList MajorTexts() const
    {
        QStringList out;
        for (int i = 0; i < yAxis->TickListCount(); ++i)
            if (yAxis->GetTick(i)->TickType == ipttMajor)
                out << yAxis->GetTick(i)->Text;
        return out;
    }
};

TEST_F(AxisFixture, SettersKeepTheScaleWithinItsBounds)
{
    struct Case {
        const char *name;
        std::function<void(TiPlotAxis *)> set;
        std::function<double(TiPlotAxis *)> get;
        double expected;
    };
    const Case cases[] = {
        {"span 0", [](TiPlotAxis *a) { a->SetSpan(0); }, [](TiPlotAxis *a) { return a->Span(); }, 1e-300},
        {"span 1e301", [](TiPlotAxis *a) { a->SetSpan(1e301); }, [](TiPlotAxis *a) { return a->Span(); }, 1e300},
        {"min 1e301", [](TiPlotAxis *a) { a->SetMin(1e301); }, [](TiPlotAxis *a) { return a->Min(); }, 1e300},
        {"min -1e301", [](TiPlotAxis *a) { a->SetMin(-1e301); }, [](TiPlotAxis *a) { return a->Min(); }, -1e300},
        {"min NaN", [](TiPlotAxis *a) { a->SetMin(std::nan("")); }, [](TiPlotAxis *a) { return a->Min(); }, 0},
        {"increment -5", [](TiPlotAxis *a) { a->SetDesiredIncrement(-5); },
         [](TiPlotAxis *a) { return a->DesiredIncrement(); }, 0},
        {"log with min -5",
         [](TiPlotAxis *a) {
             a->SetMin(-5);
             a->SetScaleType(ipstLog10);
         },
         [](TiPlotAxis *a) { return a->Min(); }, 1},
    };
    for (const Case &c : cases) {
        TiXYPlot fresh(nullptr);
        TiPlotAxis *axis = fresh.GetXAxis(0);
        c.set(axis);
        EXPECT_EQ(c.get(axis), c.expected) << c.name;
    }
}

TEST_F(AxisFixture, ScaleChangesRaiseThePlotsEventsOnceEach)
{
    QStringList log;
    plot.OnXAxisMinChange = [&](int i, double o, double n) {
        log << QStringLiteral("min %1 %2 %3").arg(i).arg(o).arg(n);
    };
    plot.OnXAxisSpanChange = [&](int i, double o, double n) {
        log << QStringLiteral("span %1 %2 %3").arg(i).arg(o).arg(n);
    };
    plot.OnXAxisMinSpanChange = [&](int i, double om, double os, double nm, double ns) {
        log << QStringLiteral("minspan %1 %2 %3 %4 %5").arg(i).arg(om).arg(os).arg(nm).arg(ns);
    };
    plot.OnYAxisMinChange = [&](int, double, double) { log << QStringLiteral("y"); };

    xAxis->SetMin(-100);
    EXPECT_EQ(log, QStringList({"min 0 0 -100", "minspan 0 0 100 -100 100"}));
    log.clear();
    xAxis->SetMinSpan(-50, 20);
    EXPECT_EQ(log, QStringList({"min 0 -100 -50", "span 0 100 20", "minspan 0 -100 100 -50 20"}));
    log.clear();
    xAxis->SetMinSpan(-50, 20);
    xAxis->SetMin(-5);
    log.clear();
    xAxis->SetScaleType(ipstLog10);
    EXPECT_TRUE(log.isEmpty()) << "switching to log sets Min without events";
    EXPECT_EQ(xAxis->Min(), 1);
}

TEST_F(AxisFixture, TicksFollowIncrementStartAndRoom)
{
    struct Case {
        const char *name;
        std::function<void(TiPlotAxis *)> setup;
        int room;
        std::vector<double> majors;
        std::vector<double> minors;
        double majorIncrement;
    };
    const Case cases[] = {
        {.name = "desired start and increment",
         .setup =
             [](TiPlotAxis *a) {
                 a->SetMinSpan(-100, 120);
                 a->SetDesiredStart(20);
                 a->SetDesiredIncrement(20);
             },
         .room = 7,
         .majors = {-100, -80, -60, -40, -20, 0, 20},
         .minors = {-90, -70, -50, -30, -10, 10},
         .majorIncrement = 20},
        {.name = "automatic increment for span 120",
         .setup = [](TiPlotAxis *a) { a->SetMinSpan(0, 120); },
         .room = 7,
         .majors = {0, 20, 40, 60, 80, 100, 120},
         .minors = {10, 30, 50, 70, 90, 110},
         .majorIncrement = 20},
        {.name = "no minor ticks puts a major at every increment",
         .setup =
             [](TiPlotAxis *a) {
                 a->SetMinSpan(0, 120);
                 a->SetMinorCount(0);
             },
         .room = 7,
         .majors = {0, 20, 40, 60, 80, 100, 120},
         .minors = {},
         .majorIncrement = 20},
        {.name = "logarithmic decades",
         .setup =
             [](TiPlotAxis *a) {
                 a->SetScaleType(ipstLog10);
                 a->SetMinSpan(1, 999);
             },
         .room = 20,
         .majors = {1, 10, 100, 1000},
         .minors = {2, 3, 4, 5, 6, 7, 8, 9, 20, 30, 40, 50, 60, 70, 80, 90, 200, 300, 400, 500, 600, 700, 800, 900},
         .majorIncrement = 0},
        {.name = "more than 5000 ticks",
         .setup =
             [](TiPlotAxis *a) {
                 a->SetLabelsVisible(false);
                 a->SetDesiredIncrement(0.01);
                 a->SetDrawRect(TRect(0, 0, 60, 30000));
             },
         .room = 0,
         .majors = {50},
         .minors = {},
         .majorIncrement = 0.01},
        {.name = "increment too small to move the position",
         .setup = [](TiPlotAxis *a) { a->SetMinSpan(1e15, 1e-3); },
         .room = 10,
         .majors = {1e15 + 0.5e-3},
         .minors = {},
         .majorIncrement = 1e-4},
    };
    for (const Case &c : cases) {
        TiXYPlot fresh(nullptr);
        yAxis = fresh.GetYAxis(0);
        c.setup(yAxis);
        if (c.room > 0)
            RoomForLabels(c.room);
        else
            yAxis->CalcTicks(bitmap.Canvas());
        EXPECT_EQ(Positions(ipttMajor), c.majors) << c.name;
        EXPECT_EQ(Positions(ipttMinor), c.minors) << c.name;
        if (c.majorIncrement != 0) {
            EXPECT_DOUBLE_EQ(yAxis->MajorIncrement(), c.majorIncrement) << c.name;
        }
    }
}

TEST_F(AxisFixture, TickLabelsAndPixels)
{
    yAxis->SetMinSpan(-100, 120);
    yAxis->SetDesiredStart(20);
    yAxis->SetDesiredIncrement(20);
    RoomForLabels(7);
    EXPECT_EQ(MajorTexts(), QStringList({"-100", "-80", "-60", "-40", "-20", "0", "20"}));
    const int height = yAxis->DrawRect().Height();
    for (int i = 0; i < yAxis->TickListCount(); ++i) {
        const TiPlotTickObject *tick = yAxis->GetTick(i);
        EXPECT_TRUE(tick->Show);
        EXPECT_EQ(tick->PositionPixels, yAxis->PositionToPixels(tick->Position));
    }
    EXPECT_EQ(yAxis->PositionToPixels(-100), height) << "Min at the bottom";
    EXPECT_EQ(yAxis->PositionToPixels(20), 0) << "Max at the top";
}

TEST_F(AxisFixture, ADateTimeAxisOverThreeHoursStepsHalfHours)
{
    yAxis->SetLabelsFormatStyle(iptfDateTime);
    yAxis->SetMinSpan(1, 3.0 / 24);
    RoomForLabels(7);
    EXPECT_DOUBLE_EQ(yAxis->MajorIncrement(), 30.0 / 1440);
    EXPECT_EQ(MajorTexts().size(), 7);
}

TEST_F(AxisFixture, MonthAndYearStepsStartOnCalendarBoundaries)
{
    yAxis->SetLabelsFormatStyle(iptfDateTime);
    yAxis->SetDateTimeFormat(QStringLiteral("yyyy-mm-dd"));
    yAxis->SetMinSpan(EncodeDate(2023, 2, 10), 365);
    RoomForLabels(7);
    EXPECT_TRUE(yAxis->MonthModeEnabled());
    EXPECT_EQ(MajorTexts(),
              QStringList({"2023-04-01", "2023-06-01", "2023-08-01", "2023-10-01", "2023-12-01", "2024-02-01"}));

    yAxis->SetMinSpan(EncodeDate(1990, 7, 1), 365.25 * 40);
    RoomForLabels(7);
    EXPECT_TRUE(yAxis->YearModeEnabled());
    EXPECT_EQ(MajorTexts().first(), QStringLiteral("2000-01-01"));
}

TEST_F(AxisFixture, PixelsOfDegenerateAndFarValues)
{
    TCanvas *canvas = bitmap.Canvas();
    xAxis->SetDrawRect(TRect(50, 0, 50, 30));
    xAxis->CalcScaleRect(canvas);
    EXPECT_EQ(xAxis->PositionToPixels(-1e6), 50) << "a scale of no length";
    EXPECT_EQ(xAxis->PositionToPixels(1e6), 50);

    xAxis->SetDrawRect(TRect(0, 0, 200, 30));
    xAxis->CalcScaleRect(canvas);
    EXPECT_EQ(xAxis->PositionToPixels(50), 100);
    EXPECT_EQ(xAxis->PositionToPixels(1e12), 32000);
    EXPECT_EQ(xAxis->PositionToPixels(-1e12), -32000);
    EXPECT_DOUBLE_EQ(xAxis->PixelsToPosition(150), 75);
    EXPECT_DOUBLE_EQ(xAxis->PositionToPercent(25), 0.25);
    EXPECT_TRUE(xAxis->PointOnScale(100));
    EXPECT_FALSE(xAxis->PointOnScale(101));

    // A logarithmic scale whose decades are stretched beyond 32 bits of pixels.
    xAxis->SetScaleType(ipstLog10);
    xAxis->SetMinSpan(1, 1e-15);
    xAxis->CalcScaleRect(canvas);
    EXPECT_EQ(xAxis->PositionToPixels(1e6), std::numeric_limits<int>::max());
    EXPECT_EQ(xAxis->PositionToPixels(1e-6), std::numeric_limits<int>::min());
}

TEST_F(AxisFixture, ValueTexts)
{
    struct Case {
        const char *name;
        double span;
        TiPlotScaleType scale;
        TiPlotTextFormat format;
        TiPrecisionStyle style;
        const char *dateTimeFormat;
        double value;
        QString text;
    };
    const TiPrecisionStyle sig = ipsSignificantDigits;
    const Case cases[] = {
        {"span 120", 120, ipstLinear, iptfValue, sig, "", 20, "20"},
        {"span 0.5", 0.5, ipstLinear, iptfValue, sig, "", 0.25, "0.250"},
        {"span 0", 0, ipstLinear, iptfValue, sig, "", 3, "3.0"},
        {"prefix kilo", 100, ipstLinear, iptfPrefix, sig, "", 1500, "1.50K"},
        {"prefix milli", 100, ipstLinear, iptfPrefix, sig, "", 0.0005, "0.500m"},
        {"no prefix below 1", 100, ipstLinear, iptfPrefix, sig, "", 0.002, "0.00200"},
        {"prefix micro", 100, ipstLinear, iptfPrefix, sig, "", 5e-7, QStringLiteral("0.500") + QChar(0xB5)},
        {"zero snap", 1, ipstLinear, iptfPrefix, sig, "", 1e-14, "0.00000"},
        {"exponent", 100, ipstLinear, iptfExponent, sig, "", 987.64, "9.88E+002"},
        {"exponent fixed", 100, ipstLinear, iptfExponent, ipsFixedDecimalPoints, "", 987.64, "9.876E+002"},
        {"whole days", 100, ipstLinear, iptfDateTime, sig, "Jhh:nn:ss", 2.5, "2 12:00:00"},
        {"date beyond the calendar", 100, ipstLinear, iptfDateTime, sig, "hh:nn:ss", 1e300, "Error"},
        {"price", 100, ipstLinear, iptfPrice32nds, sig, "", 101.5, "101.160"},
        {"price quarter", 100, ipstLinear, iptfPrice32nds, sig, "", 99.25, "99.080"},
        {"negative price", 100, ipstLinear, iptfPrice32nds, sig, "", -101.5, "-101.160"},
        {"thousands", 120, ipstLinear, iptfThousands, sig, "", 1234567.5, "1,234,568"},
        {"log of a negative value", 100, ipstLog10, iptfValue, sig, "", -1, "Unknown"},
        {"log decimals follow the value", 100, ipstLog10, iptfValue, sig, "", 0.5, "0.50"},
        {"log value above the precision", 100, ipstLog10, iptfValue, sig, "", 1500, "1500"},
    };
    for (const Case &c : cases) {
        TiXYPlot fresh(nullptr);
        TiPlotAxis *axis = fresh.GetXAxis(0);
        axis->SetScaleType(c.scale);
        axis->SetMinSpan(c.scale == ipstLog10 ? 1 : 0, c.span);
        double minLength = 5;
        QString text;
        axis->FormatAxisValue(c.format, QString::fromLatin1(c.dateTimeFormat), c.value, c.style, 3, false, minLength,
                              text);
        EXPECT_EQ(text, c.text) << c.name;
    }
}

TEST_F(AxisFixture, TheLabelEventMayRewriteEveryLabel)
{
    xAxis->SetMinSpan(0, 120);
    plot.OnXAxisCustomizeLabel = [&](int, double Value, QString &Label) {
        if (Value == 1)
            Label = QStringLiteral("assigned");
        if (Value == 2)
            plot.SetCustomizeLabelText(QStringLiteral("set on the plot"));
        if (Value == 3) {
            Label = QStringLiteral("assigned");
            xAxis->SetCustomizeLabelEventText(QStringLiteral("set on the axis"));
        }
        if (Value == 4)
            Label = QStringLiteral("two\r\nlines\rhere");
    };
    EXPECT_EQ(xAxis->GetLabelText(1), QStringLiteral("assigned"));
    EXPECT_EQ(xAxis->GetLabelText(2), QStringLiteral("set on the plot"));
    EXPECT_EQ(xAxis->GetLabelText(3), QStringLiteral("set on the axis"));
    EXPECT_EQ(xAxis->GetLabelText(5), QStringLiteral("5"));
    EXPECT_EQ(xAxis->GetCursorText(4), QStringLiteral("two lines here"));
    EXPECT_EQ(xAxis->GetLegendText(4), QStringLiteral("two lines here"));
    EXPECT_EQ(yAxis->GetLabelText(1), QStringLiteral("1")) << "an X axis handler leaves Y axes alone";
}

TEST_F(AxisFixture, AMeasuredSampleLabelGrowsTheLabelReserve)
{
    yAxis->SetMinSpan(0, 1e9);
    yAxis->SetLabelsMinLengthAutoAdjust(true);
    yAxis->GetLabelText(1e9);
    EXPECT_EQ(yAxis->LabelsMinLength(), 5) << "only a measured sample adjusts";
    yAxis->GetLabelsMaxWidth(bitmap.Canvas(), yAxis->LabelsFont());
    EXPECT_EQ(yAxis->LabelsMinLength(), 10);
}

TEST_F(AxisFixture, CustomTicksAreKeptAndLogScalesRefuseNonPositivePositions)
{
    yAxis->SetTickListCustom(true);
    yAxis->TickListAdd(50, QStringLiteral("half"), ipttMajor);
    RoomForLabels(7);
    ASSERT_EQ(yAxis->TickListCount(), 1);
    EXPECT_EQ(yAxis->GetTick(0)->Text, QStringLiteral("half"));
    EXPECT_TRUE(yAxis->GetTick(0)->Show);

    yAxis->SetScaleType(ipstLog10);
    try {
        yAxis->TickListAdd(0, QStringLiteral("zero"), ipttMajor);
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Log Scale Requires Position to be Greater Than Zero"));
    }
    EXPECT_EQ(yAxis->TickListCount(), 1);
}

TEST_F(AxisFixture, DragsWheelAndPageUpScrollOrZoomAVerticalAxis)
{
    using Input = std::function<void(TiPlotAxis *, TShiftState)>;
    const Input drag = [](TiPlotAxis *axis, TShiftState shift) {
        axis->iMouseDown(mbLeft, shift, 30, 100, 30, 100, nullptr);
        TiHintData hint;
        axis->iMouseMove(hint, shift, 30, 150, 30, 150, false);
    };
    const Input wheel = [](TiPlotAxis *axis, TShiftState shift) {
        EXPECT_TRUE(axis->iMouseWheel(120, shift, TPoint(5, 5)));
    };
    const Input pageUp = [](TiPlotAxis *axis, TShiftState shift) {
        WORD key = VK_PRIOR;
        axis->iKeyDown(key, shift, nullptr);
    };
    struct Case {
        const char *name;
        TiPlotAxisMode mode;
        TShiftState shift;
        Input input;
        double min, span;
    };
    const double zoomed = 100 * std::pow(10, 0.0625);
    const double wheelZoomed = 100 / std::pow(10, 0.025);
    const Case cases[] = {
        {"drag scroll", ipamScroll, {}, drag, 25, 100},
        {"drag zoom", ipamZoom, {}, drag, 50 - zoomed / 2, zoomed},
        {"Ctrl turns scrolling into zooming", ipamScroll, {ssCtrl}, drag, 50 - zoomed / 2, zoomed},
        {"wheel scroll", ipamScroll, {}, wheel, 5, 100},
        {"wheel zoom", ipamZoom, {}, wheel, 50 - wheelZoomed / 2, wheelZoomed},
        {"page up scroll", ipamScroll, {}, pageUp, 100, 100},
        {"page up zoom", ipamZoom, {}, pageUp, 45, 10},
    };
    for (const Case &c : cases) {
        TiXYPlot fresh(nullptr);
        TiPlotAxis *axis = fresh.GetYAxis(0);
        axis->SetMode(c.mode);
        axis->SetDrawRect(TRect(0, 0, 60, 200));
        axis->CalcScaleRect(bitmap.Canvas());
        c.input(axis, c.shift);
        EXPECT_NEAR(axis->Min(), c.min, 1e-9) << c.name;
        EXPECT_NEAR(axis->Span(), c.span, 1e-9) << c.name;
        EXPECT_FALSE(axis->TrackingEnabled()) << c.name;
    }
}

// Ticks of a 0..100 scale of the X axis over a 400-pixel band with this major increment (what a
// paint leaves); the scale is then put back.
void PaintWithIncrement(TiPlotAxis *Axis, TCanvas *Canvas, double Increment)
{
    const double min = Axis->Min();
    const double span = Axis->Span();
    Axis->SetMinSpan(0, 100);
    Axis->SetDesiredIncrement(Increment);
    Axis->SetDrawRect(TRect(0, 0, 400, 40));
    Axis->CalcTicks(Canvas);
    Axis->SetMinSpan(min, span);
}

TEST_F(AxisFixture, AlignmentMovesTheEndsOutwardToTheIncrement)
{
    struct Case {
        const char *name;
        double min, max;
        double alignedMin, alignedMax;
    };
    const Case cases[] = {
        {"positive", 3, 57, 0, 60},
        {"negative minimum", -3, 57, -20, 60},
        {"already aligned", 20, 80, 20, 80},
    };
    PaintWithIncrement(xAxis, bitmap.Canvas(), 20);
    ASSERT_EQ(xAxis->MajorIncrement(), 20);
    xAxis->SetTrackingIncrementStyle(iptisMajor);
    for (const Case &c : cases) {
        xAxis->SetMinSpan(c.min, c.max - c.min);
        xAxis->AlignToTrackingIncrement();
        EXPECT_DOUBLE_EQ(xAxis->Min(), c.alignedMin) << c.name;
        EXPECT_DOUBLE_EQ(xAxis->Max(), c.alignedMax) << c.name;
    }
}

TEST_F(AxisFixture, BeforeTheFirstPaintAlignmentWaitsForAnIncrement)
{
    ASSERT_EQ(xAxis->MajorIncrement(), 0);
    xAxis->SetMinSpan(0, 10);
    xAxis->SetTrackingIncrementStyle(iptisMajor);
    xAxis->SetTrackingStyle(iptsScaleMinMax);
    xAxis->SetTrackingAlignFirstStyle(ipafsNone);
    xAxis->NewTrackingData(0);
    xAxis->NewTrackingData(57);
    EXPECT_DOUBLE_EQ(xAxis->Max(), 57) << "no increment yet: no alignment, no division by zero";
    PaintWithIncrement(xAxis, bitmap.Canvas(), 20);
    xAxis->NewTrackingData(58);
    EXPECT_DOUBLE_EQ(xAxis->Min(), 0);
    EXPECT_DOUBLE_EQ(xAxis->Max(), 60);
}

}  // namespace
