#pragma once
// Turning the plot's double pixel positions into canvas integers. Positions come from arbitrary
// data (a huge value, an infinity or a NaN): they are never converted to int unbounded.

#include <cmath>

namespace plotpixels {

// Far beyond any page, but well inside int.
inline constexpr double Limit = 1.0e9;

// Truncation toward zero; values beyond +-Limit (and a NaN) become -Limit or +Limit.
inline int ToPixel(double v)
{
    if (!(v > -Limit))
        return static_cast<int>(-Limit);
    if (v > Limit)
        return static_cast<int>(Limit);
    return static_cast<int>(v);
}

}  // namespace plotpixels
