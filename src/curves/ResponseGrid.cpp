#include "curves/ResponseGrid.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "device/GlobalConstants.h"

// The two loops below run on every edit of a band, for every slot the pages set. They are written
// so that the compiler can vectorise them: every operation runs for every point and conditions
// only select between results. The logarithm and the arctangent are evaluated here by series that
// are exact to a few units in the last place over the ranges the reductions leave.
// The thread-sanitizer build takes the default version only: the loader runs the version choice
// before that sanitizer's runtime is set up, and the instrumented choice crashes there.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define CURVE_KERNEL __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define CURVE_KERNEL
#endif

namespace {

// sum of c[k] x^k by Estrin's scheme: pairs c[2k] + c[2k+1] x, then the same in x^2, and so on.
// Its dependency chain is logarithmic in the degree, so that successive points overlap in the
// processor instead of waiting for one long chain of multiply-adds.
template <std::size_t N>
inline double Estrin(double x, const std::array<double, N> &c)
{
    if constexpr (N == 1) {
        return c[0];
    }
    else {
        std::array<double, (N + 1) / 2> pairs{};
        for (std::size_t k = 0; k < N / 2; ++k)
            pairs[k] = c[2 * k] + c[2 * k + 1] * x;
        if constexpr (N % 2 == 1)
            pairs[N / 2] = c[N - 1];
        return Estrin(x * x, pairs);
    }
}

// 1/(2k + 1): the series of atanh s / s in s^2.
constexpr std::array<double, 10> AtanhSeries = {1.0,      1.0 / 3,  1.0 / 5,  1.0 / 7,  1.0 / 9,
                                                1.0 / 11, 1.0 / 13, 1.0 / 15, 1.0 / 17, 1.0 / 19};
// (-1)^k/(2k + 1): the series of atan u / u in u^2.
constexpr std::array<double, 11> AtanSeries = {1.0,      -1.0 / 3,  1.0 / 5,  -1.0 / 7,  1.0 / 9, -1.0 / 11,
                                               1.0 / 13, -1.0 / 15, 1.0 / 17, -1.0 / 19, 1.0 / 21};

// The exponent field of a double as a double (no integer conversion, which does not vectorise):
// 2^52 + field - 2^52; and its mantissa scaled into [1, 2).
inline double ExponentField(double x)
{
    return std::bit_cast<double>((std::bit_cast<std::uint64_t>(x) >> 52) | 0x4330000000000000ull) - 4503599627370496.0;
}
inline double Mantissa(double x)
{
    return std::bit_cast<double>((std::bit_cast<std::uint64_t>(x) & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull);
}

// ln(n / d) for positive normal n and d with one division: n = 2^en mn, d = 2^ed md, the mantissa
// quotient brought into [sqrt(1/2), sqrt(2)) by doubling mn or md (exact), then
// ln(mn / md) = 2 atanh(s) with s = (mn - md)/(mn + md), |s| <= 0.1716, summed to 1e-17.
inline double LnOfQuotient(double n, double d)
{
    double mn = Mantissa(n);
    double md = Mantissa(d);
    double e = ExponentField(n) - ExponentField(d);
    const bool high = mn > std::numbers::sqrt2 * md;
    const bool low = md > std::numbers::sqrt2 * mn;
    md = high ? 2.0 * md : md;
    e = high ? e + 1.0 : e;
    mn = low ? 2.0 * mn : mn;
    e = low ? e - 1.0 : e;
    const double s = (mn - md) / (mn + md);
    const double z = s * s;
    const double p = Estrin(z, AtanhSeries);
    return e * std::numbers::ln2 + 2.0 * s * p;
}

// arctan(y / x) in [-pi/2, pi/2], the principal value of the quotient, with one division; pi/2
// with the sign of y where x is 0, and 0 where both are. With t the ratio of the smaller to the
// larger magnitude, atan t = c + atan u, u = (t - tan c)/(1 + t tan c), for the c among 0, pi/8
// and pi/4 nearest to it: |u| <= tan(pi/16), where the series is summed to 1e-17.
inline double AtanOfQuotient(double y, double x)
{
    const double ay = std::fabs(y);
    const double ax = std::fabs(x);
    const double num = std::min(ay, ax);
    const double den = std::max(std::max(ay, ax), std::numeric_limits<double>::min());  // 0/0: angle 0
    // How many eighths of a half turn lie below t (0, 1 or 2), and the tangent of that angle from
    // a quadratic through (0, 0), (1, tan(pi/8)) and (2, 1): selects the compiler can vectorise.
    constexpr double tanPiOver16 = 0.19891236737965800691;
    constexpr double tan3PiOver16 = 0.66817863791929891999;
    constexpr double tanPiOver8 = 0.41421356237309504880;
    const double step = (num > tanPiOver16 * den ? 1.0 : 0.0) + (num > tan3PiOver16 * den ? 1.0 : 0.0);
    const double tanC = step * ((2.0 * tanPiOver8 - 0.5) + (0.5 - tanPiOver8) * step);
    const double c = step * (std::numbers::pi / 8);
    const double u = (num - tanC * den) / (den + tanC * num);
    const double z = u * u;
    const double p = Estrin(z, AtanSeries);
    const double small = c + u * p;
    const double angle = ay > ax ? std::numbers::pi / 2 - small : small;
    // Negative when y and x have opposite signs (a zero x counts as positive).
    return (y < 0.0) != (x < 0.0) ? -angle : angle;
}

}  // namespace

const ResponseGrid &SharedResponseGrid()
{
    static const ResponseGrid grid = [] {
        ResponseGrid g;
        for (int i = 0; i < ResponsePointCount; ++i) {
            const double f = std::pow(48000.0, static_cast<double>(i) / ResponsePointCount);
            const double w = std::numbers::pi * f / 48000.0;
            const auto k = static_cast<std::size_t>(i);
            g.Frequency[k] = f;
            g.Cos1[k] = std::cos(w);
            g.Sin1[k] = std::sin(w);
            g.Cos2[k] = std::cos(2.0 * w);
            g.Sin2[k] = std::sin(2.0 * w);
        }
        return g;
    }();
    return grid;
}

CURVE_KERNEL void EvaluateMagnitude(const BiquadCoefficients &c, ResponseCurve &out)
{
    const ResponseGrid &g = SharedResponseGrid();
    const double floorRatio = std::pow(10.0, MagnitudeFloorDb / 10.0);
    const double ceilingRatio = std::pow(10.0, MagnitudeCeilingDb / 10.0);
    const double dbPerNeper = 10.0 / std::numbers::ln10;
    const double b0 = c.b0, b1 = c.b1, b2 = c.b2, a1 = c.a1, a2 = c.a2;
    for (std::size_t i = 0; i < ResponsePointCount; ++i) {
        const double reB = b0 + b1 * g.Cos1[i] + b2 * g.Cos2[i];
        const double imB = b1 * g.Sin1[i] + b2 * g.Sin2[i];
        const double reA = 1.0 + a1 * g.Cos1[i] + a2 * g.Cos2[i];
        const double imA = a1 * g.Sin1[i] + a2 * g.Sin2[i];
        const double n = reB * reB + imB * imB;  // |B|^2
        const double d = reA * reA + imA * imA;  // |A|^2
        // Beyond the bounds (a zero, a pole, 0/0, overflow) the level is the bound itself.
        const double db = dbPerNeper * LnOfQuotient(n, d);
        const double belowCeiling = n < ceilingRatio * d ? db : MagnitudeCeilingDb;
        out[i] = n > floorRatio * d ? belowCeiling : MagnitudeFloorDb;
    }
}

CURVE_KERNEL void EvaluatePhase(const BiquadCoefficients &c, const PhaseCorrection &correction, ResponseCurve &out)
{
    const ResponseGrid &g = SharedResponseGrid();
    const double b0 = c.b0, b1 = c.b1, b2 = c.b2, a1 = c.a1, a2 = c.a2;
    const double addIfNegative = correction.AddTurnIfNegative ? PhaseFullScale : 0.0;
    const double subtractIfPositive = correction.SubtractTurnIfPositive ? PhaseFullScale : 0.0;
    for (std::size_t i = 0; i < ResponsePointCount; ++i) {
        // B and A at e^(-jw): the imaginary parts carry the minus sign of the exponent.
        const double reB = b0 + b1 * g.Cos1[i] + b2 * g.Cos2[i];
        const double imB = -(b1 * g.Sin1[i] + b2 * g.Sin2[i]);
        const double reA = 1.0 + a1 * g.Cos1[i] + a2 * g.Cos2[i];
        const double imA = -(a1 * g.Sin1[i] + a2 * g.Sin2[i]);
        // H = B/A = (B conj(A)) / |A|^2: its real and imaginary parts up to the positive |A|^2.
        const double re = reB * reA + imB * imA;
        const double im = imB * reA - reB * imA;
        const double raw = AtanOfQuotient(im, re) * PhaseRadianScale;
        const double finite = raw == raw ? raw : 0.0;  // products that overflowed
        const double v = finite + (finite < 0.0 ? addIfNegative : 0.0);
        out[i] = v - (v > 0.0 ? subtractIfPositive : 0.0);
    }
    for (int i = std::max(0, correction.AddTurnFrom); i < ResponsePointCount; ++i)
        out[static_cast<std::size_t>(i)] += PhaseFullScale;
}
