// The plot library's arithmetic: logarithms and powers for the axes, the interpolation routines of
// the strip chart's smooth traces and the segment geometry of the annotations.

#include "platform/runtime/Exception.h"
#include "plotlib/axes/iPlotMath.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The parabola y = x^2 through x = 1, 2, 3, element 0 unused.
const std::vector<double> X = {0, 1, 2, 3};
const std::vector<double> Y = {0, 1, 4, 9};

TEST(PlotMath, LogarithmAndPowerAreExactWhereTheAxesNeedThem)
{
    EXPECT_EQ(Log10(1000), 3.0);
    EXPECT_EQ(Log10(1), 0.0);
    EXPECT_EQ(Power(10, -2), 0.01);
    EXPECT_EQ(Power(10, 3), 1000.0);
}

TEST(PlotMath, SplinePassesThroughItsPointsAndStaysBetweenThem)
{
    std::vector<double> y2(4);
    SplineSecondDerivatives(X, Y, 3, y2, 0, 0);
    double value = 0;
    SplineInterpolate(X, Y, y2, value, 2, 3);
    EXPECT_DOUBLE_EQ(value, 4);
    SplineInterpolate(X, Y, y2, value, 2.5, 3);
    EXPECT_GT(value, 4);
    EXPECT_LT(value, 9);
}

TEST(PlotMath, NevilleAndRationalInterpolation)
{
    double value = 0, error = 1;
    PolynomialInterpolate(X, Y, 3, error, value, 4);
    EXPECT_NEAR(value, 16, 1e-9);

    RationalInterpolate(X, Y, 3, error, value, 2);
    EXPECT_EQ(value, 4);
    EXPECT_EQ(error, 0);
    RationalInterpolate(X, Y, 3, error, value, 2.5);
    EXPECT_NEAR(value, 6.25, 0.5);
}

TEST(PlotMath, FailuresRaiseTheirMessages)
{
    const std::vector<double> repeated = {0, 1, 2, 2};
    const std::vector<double> y2(4);
    const std::vector<double> short2 = {0, 1};
    struct Case {
        const char *name;
        std::function<void()> call;
        const char *message;
    };
    double value = 0, error = 0;
    std::vector<double> out(4);
    const Case cases[] = {
        {.name = "spline over equal X",
         .call = [&] { SplineInterpolate(repeated, Y, y2, value, 2, 3); },
         .message = "Splint Error - xa's must be distinct"},
        {.name = "polynomial over equal X",
         .call = [&] { PolynomialInterpolate(repeated, Y, 3, error, value, 1.5); },
         .message = "Polynomial Interpolation Error - Pause in Routine Data"},
        {.name = "arrays shorter than N + 1",
         .call = [&] { PolynomialInterpolate(short2, Y, 3, error, value, 1.5); },
         .message = "Interpolation needs N + 1 values of each array"},
        {.name = "a spline of one point",
         .call = [&] { SplineSecondDerivatives(X, Y, 1, out, 0, 0); },
         .message = "Interpolation needs N + 1 values of each array"},
    };
    for (const Case &c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << ": no exception";
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.message)) << c.name;
        }
    }
}

TEST(PlotMath, SegmentGeometry)
{
    double slope = 0, intercept = 0;
    LineSlopeIntercept(TPoint(0, 1), TPoint(2, 5), slope, intercept);
    EXPECT_EQ(slope, 2);
    EXPECT_EQ(intercept, 1);
    LineSlopeIntercept(TPoint(3, 0), TPoint(3, 9), slope, intercept);
    EXPECT_EQ(slope, 1e30);

    struct Case {
        const char *name;
        TPoint a1, a2, b1, b2;
        bool intersect;
    };
    const Case cases[] = {
        {.name = "parallel", .a1 = {0, 0}, .a2 = {10, 10}, .b1 = {0, 5}, .b2 = {10, 15}, .intersect = false},
        {.name = "crossing", .a1 = {0, 0}, .a2 = {10, 10}, .b1 = {0, 10}, .b2 = {10, 0}, .intersect = true},
        {.name = "lines cross beyond the ends",
         .a1 = {0, 0},
         .a2 = {2, 2},
         .b1 = {8, 0},
         .b2 = {10, -2},
         .intersect = false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SegmentsIntersect(c.a1, c.a2, c.b1, c.b2), c.intersect) << c.name;

    const TRect rect(10, 10, 50, 50);
    EXPECT_TRUE(SegmentIntersectsRect(TPoint(20, 20), TPoint(30, 40), rect)) << "wholly inside";
    EXPECT_TRUE(SegmentIntersectsRect(TPoint(0, 30), TPoint(60, 31), rect)) << "across";
    EXPECT_FALSE(SegmentIntersectsRect(TPoint(0, 0), TPoint(5, 60), rect)) << "beside";
}

}  // namespace
