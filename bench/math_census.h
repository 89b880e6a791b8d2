// The transcendental calls that one run of a benchmark scenario makes: how
// many of each function, and a sample of their arguments spread as in the
// run. Taken with a separately built copy of the engine whose mathematics
// is counted (bench/math_census.cpp).
#pragma once

#include <vector>

namespace ormixbench {

// In the order of the engine's math::Function: exp, pow, log, sqrt, cbrt,
// log10.
constexpr int kCensusFunctions = 6;
constexpr const char* kCensusNames[kCensusFunctions] = {"exp",  "pow",  "log",
                                                        "sqrt", "cbrt", "log10"};

struct MathCensus {
    long long count[kCensusFunctions] = {};
    // Arguments drawn evenly from all calls (second argument for pow).
    std::vector<double> x[kCensusFunctions], y[kCensusFunctions];
    bool ok = false;  // the run went through
};

// Runs benchmark scenario `which` (0 the heaviest, 1 the typical) once on one
// thread and counts its calls, keeping up to `samples` arguments of each.
MathCensus TakeCensus(int which, int samples);

}  // namespace ormixbench
