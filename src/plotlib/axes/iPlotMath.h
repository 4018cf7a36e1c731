#pragma once
// The plot library's shared arithmetic: base-10 logarithm and power for the axes, the
// interpolation routines that strip-chart channels draw smooth traces with (cubic spline set-up
// and evaluation, Neville's polynomial and the diagonal rational-function interpolation), and the
// line-segment geometry of the annotations' hit tests.
//
// Rules a caller must know:
//  - The interpolation arrays are indexed from 1 to N; element 0 exists and is ignored, so each
//    array holds at least N + 1 values and the caller owns it. Arrays that are too short, or an N
//    below what the routine needs (1, the spline 2), raise "Interpolation needs N + 1 values of
//    each array" before anything is read.
//  - The interpolation failures raise the framework's Exception with the messages below; the
//    callers decide what to draw then.
//  - Log10 and Power follow the floating-point unit outside their domain (no check).
// No state; any thread.

#include "platform/runtime/GraphicsTypes.h"

#include <span>

// log10(X); exact at the powers of ten (1000 gives 3), which the axes' decade ticks rely on.
double Log10(double X);
// Base raised to Exponent; exact where the result is representable (Power(10, -2) is 0.01).
double Power(double Base, double Exponent);

// Fills Y2[1..N] with the second derivatives of the cubic spline through (X[i], Y[i]) whose end
// slopes equal the end chords. The slopes passed in Yp1 and Ypn are replaced by those chords;
// natural ends are taken where a chord's slope exceeds 0.99e30. X must increase.
void SplineSecondDerivatives(std::span<const double> X, std::span<const double> Y, int N, std::span<double> Y2,
                             double Yp1, double Ypn);
// The spline's value at At. Two equal X around At raise "Splint Error - xa's must be distinct".
void SplineInterpolate(std::span<const double> X, std::span<const double> Y, std::span<const double> Y2, double &Value,
                       double At, int N);
// Neville's interpolation through the N points; ErrorEstimate is the last correction. Two equal X
// raise "Polynomial Interpolation Error - Pause in Routine Data".
void PolynomialInterpolate(std::span<const double> X, std::span<const double> Y, int N, double &ErrorEstimate,
                           double &Value, double At);
// The diagonal rational function through the N points; at a tabulated X its Y with error 0. A
// pole at At raises "Rational Interpolation Error - Pause in Routine Data".
void RationalInterpolate(std::span<const double> X, std::span<const double> Y, int N, double &ErrorEstimate,
                         double &Value, double At);

// The line through two points; a vertical line has slope 1e30.
void LineSlopeIntercept(const TPoint &P1, const TPoint &P2, double &Slope, double &Intercept);
// The segments' lines cross at an x (rounded) inside the X extent of both segments, ends included;
// parallel segments never intersect. Only the X extents are tested.
bool SegmentsIntersect(const TPoint &A1, const TPoint &A2, const TPoint &B1, const TPoint &B2);
// The segment crosses an edge of the rectangle, or either end lies inside it (edges included).
bool SegmentIntersectsRect(const TPoint &P1, const TPoint &P2, const TRect &Rect);
