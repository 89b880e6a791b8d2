// The transcendental functions of the model, in one place. A benchmark build
// (ORMIX_MATH_CENSUS) counts every call a run makes and samples its
// arguments, so that the cost of the mathematics alone can be measured; in
// every other build these are the standard functions and nothing more.
#pragma once

#include <cmath>

namespace ormix::math {

enum Function { kExp, kPow, kLog, kSqrt, kCbrt, kLog10, kFunctions };

#ifdef ORMIX_MATH_CENSUS
// Records one call (defined by the census benchmark).
void Note(Function f, double x, double y);
#define ORMIX_MATH_NOTE(f, x, y) Note(f, x, y)
#else
#define ORMIX_MATH_NOTE(f, x, y) ((void)0)
#endif

inline double Exp(double x) {
    ORMIX_MATH_NOTE(kExp, x, 0.0);
    return std::exp(x);
}
inline double Pow(double x, double y) {
    ORMIX_MATH_NOTE(kPow, x, y);
    return std::pow(x, y);
}
inline double Log(double x) {
    ORMIX_MATH_NOTE(kLog, x, 0.0);
    return std::log(x);
}
inline double Sqrt(double x) {
    ORMIX_MATH_NOTE(kSqrt, x, 0.0);
    return std::sqrt(x);
}
inline double Cbrt(double x) {
    ORMIX_MATH_NOTE(kCbrt, x, 0.0);
    return std::cbrt(x);
}
inline double Log10(double x) {
    ORMIX_MATH_NOTE(kLog10, x, 0.0);
    return std::log10(x);
}

#undef ORMIX_MATH_NOTE

}  // namespace ormix::math
