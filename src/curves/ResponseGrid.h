#pragma once
// The fixed frequency grid of every response curve and the evaluation of one section on it.
// The grid is computed once (f(i), and cos/sin of w and 2w with w = pi f / 48000); each point of a
// curve is then a few multiply-adds and one logarithm or one arctangent. Internal to the curves
// library; the model (Plot.h) is the public face.

#include <array>

#include "curves/Plot.h"

struct ResponseGrid {
    alignas(64) std::array<double, ResponsePointCount> Frequency;
    alignas(64) std::array<double, ResponsePointCount> Cos1;
    alignas(64) std::array<double, ResponsePointCount> Sin1;
    alignas(64) std::array<double, ResponsePointCount> Cos2;
    alignas(64) std::array<double, ResponsePointCount> Sin2;
};

// Built on first use; thread-safe initialisation, read-only afterwards.
const ResponseGrid &SharedResponseGrid();

// How a section type moves the principal-value phase (-9 .. 9 units) onto its branch.
struct PhaseCorrection {
    bool AddTurnIfNegative = false;        // value < 0: add 18
    bool SubtractTurnIfPositive = false;   // value > 0: subtract 18
    int AddTurnFrom = ResponsePointCount;  // from this point on, add 18 (after the rules above)
};

// 10 log10(|B|^2 / |A|^2) at every point, kept within the magnitude bounds.
void EvaluateMagnitude(const BiquadCoefficients &c, ResponseCurve &out);
// arctan(Im H / Re H) x 18/pi at every point, then the correction; where Re H is 0 the limit
// (+-9 by the sign of Im H, 0 when H is 0).
void EvaluatePhase(const BiquadCoefficients &c, const PhaseCorrection &correction, ResponseCurve &out);
