#include "plotlib/axes/iPlotMath.h"

#include "platform/runtime/Exception.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Refuses arrays that cannot hold elements 1..N, and an N below the routine's minimum.
void CheckArrays(int N, int Minimum, std::initializer_list<std::size_t> Sizes)
{
    bool fits = N >= Minimum;
    for (std::size_t size : Sizes)
        fits = fits && size >= static_cast<std::size_t>(N) + 1;
    if (!fits)
        throw Exception(QStringLiteral("Interpolation needs N + 1 values of each array"));
}

// The correction step shared by the polynomial and the rational interpolation: the path through
// the tableau that stays closest to the middle.
double Correction(const std::vector<double> &C, const std::vector<double> &D, int N, int M, int &Ns)
{
    if (2 * Ns < N - M)
        return C[Ns + 1];
    return D[Ns--];
}

bool Within(double Value, int A, int B)
{
    return Value >= std::min(A, B) && Value <= std::max(A, B);
}

}  // namespace

double Log10(double X)
{
    return std::log10(X);
}

double Power(double Base, double Exponent)
{
    return std::pow(Base, Exponent);
}

void SplineSecondDerivatives(std::span<const double> X, std::span<const double> Y, int N, std::span<double> Y2,
                             double Yp1, double Ypn)
{
    CheckArrays(N, 2, {X.size(), Y.size(), Y2.size()});
    Yp1 = (Y[2] - Y[1]) / (X[2] - X[1]);
    Ypn = (Y[N] - Y[N - 1]) / (X[N] - X[N - 1]);
    std::vector<double> U(static_cast<std::size_t>(N) + 1);
    if (Yp1 > 0.99e30) {
        Y2[1] = U[1] = 0;
    } else {
        Y2[1] = -0.5;
        U[1] = (3 / (X[2] - X[1])) * ((Y[2] - Y[1]) / (X[2] - X[1]) - Yp1);
    }
    for (int i = 2; i <= N - 1; ++i) {
        const double sig = (X[i] - X[i - 1]) / (X[i + 1] - X[i - 1]);
        const double p = sig * Y2[i - 1] + 2;
        Y2[i] = (sig - 1) / p;
        U[i] = (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]) - (Y[i] - Y[i - 1]) / (X[i] - X[i - 1]);
        U[i] = (6 * U[i] / (X[i + 1] - X[i - 1]) - sig * U[i - 1]) / p;
    }
    double qn = 0;
    double un = 0;
    if (Ypn <= 0.99e30) {
        qn = 0.5;
        un = (3 / (X[N] - X[N - 1])) * (Ypn - (Y[N] - Y[N - 1]) / (X[N] - X[N - 1]));
    }
    Y2[N] = (un - qn * U[N - 1]) / (qn * Y2[N - 1] + 1);
    for (int k = N - 1; k >= 1; --k)
        Y2[k] = Y2[k] * Y2[k + 1] + U[k];
}

void SplineInterpolate(std::span<const double> X, std::span<const double> Y, std::span<const double> Y2, double &Value,
                       double At, int N)
{
    CheckArrays(N, 1, {X.size(), Y.size(), Y2.size()});
    int lo = 1;
    int hi = N;
    while (hi - lo > 1) {
        const int k = (hi + lo) / 2;
        if (At < X[k])
            hi = k;
        else
            lo = k;
    }
    const double h = X[hi] - X[lo];
    if (h == 0)
        throw Exception(QStringLiteral("Splint Error - xa's must be distinct"));
    const double a = (X[hi] - At) / h;
    const double b = (At - X[lo]) / h;
    Value = a * Y[lo] + b * Y[hi] + ((a * a * a - a) * Y2[lo] + (b * b * b - b) * Y2[hi]) * (h * h) / 6;
}

void PolynomialInterpolate(std::span<const double> X, std::span<const double> Y, int N, double &ErrorEstimate,
                           double &Value, double At)
{
    CheckArrays(N, 1, {X.size(), Y.size()});
    std::vector<double> C(static_cast<std::size_t>(N) + 1);
    std::vector<double> D(static_cast<std::size_t>(N) + 1);
    int ns = 1;
    double nearest = std::fabs(At - X[1]);
    for (int i = 1; i <= N; ++i) {
        const double distance = std::fabs(At - X[i]);
        if (distance < nearest) {
            ns = i;
            nearest = distance;
        }
        C[i] = D[i] = Y[i];
    }
    Value = Y[ns--];
    double dy = 0;
    for (int m = 1; m <= N - 1; ++m) {
        for (int i = 1; i <= N - m; ++i) {
            const double ho = X[i] - At;
            const double hp = X[i + m] - At;
            const double w = C[i + 1] - D[i];
            double den = ho - hp;
            if (den == 0)
                throw Exception(QStringLiteral("Polynomial Interpolation Error - Pause in Routine Data"));
            den = w / den;
            D[i] = hp * den;
            C[i] = ho * den;
        }
        dy = Correction(C, D, N, m, ns);
        Value += dy;
    }
    ErrorEstimate = dy;
}

void RationalInterpolate(std::span<const double> X, std::span<const double> Y, int N, double &ErrorEstimate,
                         double &Value, double At)
{
    CheckArrays(N, 1, {X.size(), Y.size()});
    constexpr double Tiny = 1e-25;
    std::vector<double> C(static_cast<std::size_t>(N) + 1);
    std::vector<double> D(static_cast<std::size_t>(N) + 1);
    int ns = 1;
    double nearest = std::fabs(At - X[1]);
    for (int i = 1; i <= N; ++i) {
        const double h = std::fabs(At - X[i]);
        if (h == 0) {
            Value = Y[i];
            ErrorEstimate = 0;
            return;
        }
        if (h < nearest) {
            ns = i;
            nearest = h;
        }
        C[i] = Y[i];
        D[i] = Y[i] + Tiny;
    }
    Value = Y[ns--];
    double dy = 0;
    for (int m = 1; m <= N - 1; ++m) {
        for (int i = 1; i <= N - m; ++i) {
            const double w = C[i + 1] - D[i];
            const double h = X[i + m] - At;
            const double t = (X[i] - At) * D[i] / h;
            double dd = t - C[i + 1];
            if (dd == 0)
                throw Exception(QStringLiteral("Rational Interpolation Error - Pause in Routine Data"));
            dd = w / dd;
            D[i] = C[i + 1] * dd;
            C[i] = t * dd;
        }
        dy = Correction(C, D, N, m, ns);
        Value += dy;
    }
    ErrorEstimate = dy;
}

void LineSlopeIntercept(const TPoint &P1, const TPoint &P2, double &Slope, double &Intercept)
{
    if (P2.X == P1.X)
        Slope = 1e30;
    else
        Slope = static_cast<double>(P2.Y - P1.Y) / (P2.X - P1.X);
    Intercept = P1.Y - P1.X * Slope;
}

bool SegmentsIntersect(const TPoint &A1, const TPoint &A2, const TPoint &B1, const TPoint &B2)
{
    double slopeA = 0, interceptA = 0, slopeB = 0, interceptB = 0;
    LineSlopeIntercept(A1, A2, slopeA, interceptA);
    LineSlopeIntercept(B1, B2, slopeB, interceptB);
    if (slopeA == slopeB)
        return false;
    const double x = std::nearbyint((interceptB - interceptA) / (slopeA - slopeB));
    return Within(x, A1.X, A2.X) && Within(x, B1.X, B2.X);
}

bool SegmentIntersectsRect(const TPoint &P1, const TPoint &P2, const TRect &Rect)
{
    const TPoint topLeft(Rect.Left, Rect.Top);
    const TPoint topRight(Rect.Right, Rect.Top);
    const TPoint bottomLeft(Rect.Left, Rect.Bottom);
    const TPoint bottomRight(Rect.Right, Rect.Bottom);
    if (SegmentsIntersect(P1, P2, topLeft, bottomLeft) || SegmentsIntersect(P1, P2, topLeft, topRight) ||
        SegmentsIntersect(P1, P2, topRight, bottomRight) || SegmentsIntersect(P1, P2, bottomRight, bottomLeft))
        return true;
    auto inside = [&Rect](const TPoint &P) {
        return P.X >= Rect.Left && P.X <= Rect.Right && P.Y >= Rect.Top && P.Y <= Rect.Bottom;
    };
    return inside(P1) || inside(P2);
}
