// Smoke plume of an in-situ burn: source terms, plume rise, spread, the
// distance at which the centreline falls to the LOC and the envelope of the
// region above it, for the neutral and the stable class.
#include "calculators/smoke_plume.h"

#include <climits>
#include <cmath>
#include "core/formula_values.h"

namespace ormix {

namespace {

constexpr double kG = kGravity;
constexpr double kVonKarman = 0.4;
constexpr double kRefHeight = 10.0;
constexpr double kNearest = 50.0;
constexpr double kFarthest = 20000.0;
constexpr double kTolerance = 0.002;
// The bisection for the LOC distance halves [0, 20000 m]; far fewer halvings
// than this reach the tolerance, the cap only bounds a pathological case.
constexpr int kMaxDistanceHalvings = 200;
constexpr int kMaxDoublings = 200;

bool Finite(double v) {
    return std::isfinite(v);
}

// The vertical profile across the plume at one distance, relative to its
// value at the centre: g(z) = exp(-(z-h)^2 / 2sz^2) + exp(-(z+h)^2 / 2sz^2).
struct Profile {
    double h, sz;
    double G(double z) const {
        const double s2 = 2 * sz * sz;
        return std::exp(-(z - h) * (z - h) / s2) + std::exp(-(z + h) * (z + h) / s2);
    }
    double Slope(double z) const {
        const double s2 = 2 * sz * sz;
        return -(z - h) / (sz * sz) * std::exp(-(z - h) * (z - h) / s2) -
               (z + h) / (sz * sz) * std::exp(-(z + h) * (z + h) / s2);
    }
};

// Newton steps from z inside [lo, hi]; a step that leaves the bracket gives
// the bracket's midpoint.
double Polish(const Profile& p, double target, double z, double lo, double hi) {
    for (int k = 0; k < 5; ++k) {
        const double gz = p.G(z);
        if (std::fabs(gz - target) < kTolerance * target) return z;
        const double next = z - (gz - target) / p.Slope(z);
        if (!Finite(next) || next < lo || next > hi) return (lo + hi) / 2;
        z = next;
    }
    return z;
}

// The height below the centre where g falls to the target.
double LowerHeight(const Profile& p, double target) {
    if (p.G(0) >= target) return 0;
    double lo = 0, hi = p.h, z = p.h / 2;
    for (int k = 0; k < 12; ++k) {
        z = (lo + hi) / 2;
        const double gz = p.G(z);
        if (std::fabs(gz - target) < kTolerance * target) return z;
        if (gz <= target)
            lo = z;
        else
            hi = z;
    }
    return Polish(p, target, z, lo, hi);
}

// The height above the centre where g falls to the target.
double UpperHeight(const Profile& p, double target) {
    double lo = p.h, hi = 2 * p.h > 0 ? 2 * p.h : 1.0;
    for (int k = 0; k < kMaxDoublings && p.G(hi) - target > 0; ++k)
        hi *= 2;
    double z = (lo + hi) / 2;
    for (int k = 0; k < 8; ++k) {
        z = (lo + hi) / 2;
        const double gz = p.G(z);
        if (std::fabs(gz - target) < kTolerance * target) return z;
        if (gz > target)
            lo = z;
        else
            hi = z;
    }
    return Polish(p, target, z, lo, hi);
}

// One class: its wind at the source height and its final plume height.
struct PlumeClass {
    Stability s;
    double u, H;
};

// The distance at which the centreline concentration falls to the LOC;
// -1 when an evaluation fails.
double LocDistance(const PlumeSource& src, const PlumeClass& c, double loc) {
    const double far = CentrelineConcentration(src, c.s, c.u, c.H, kFarthest);
    if (far < 0) return -1;
    if (far >= loc) return kFarthest;
    double lo = 0, hi = kFarthest, x = kFarthest;
    for (int k = 0; k < kMaxDistanceHalvings; ++k) {
        const double conc = CentrelineConcentration(src, c.s, c.u, c.H, x);
        if (conc < 0) return -1;
        if (std::fabs(conc - loc) / loc <= kTolerance) return x;
        if (conc >= loc)
            lo = x;
        else
            hi = x;
        x = (lo + hi) / 2;
    }
    return x;
}

// Fills the class's envelope; false when it cannot be computed.
bool ComputeClass(const PlumeSource& src, const PlumeClass& c, double loc, PlumeEnvelope& e,
                  MessageSink& messages) {
    e.x[0] = e.lower[0] = e.upper[0] = 0;
    const double near = CentrelineConcentration(src, c.s, c.u, c.H, kNearest);
    if (near < 0) return false;
    if (near < loc) {
        messages.Information(kPlumeBelowLocAt50);
        return false;
    }
    const double X = LocDistance(src, c, loc);
    if (X < 0) return false;

    const double dx = X / (kPlumePoints - 1);
    bool toldNeverReached = false;
    double lastHeight = 0;
    for (int i = 1; i < kPlumePoints - 1; ++i) {
        const double x = i * dx;
        const double h = PlumeHeight(src, x, c.u, c.H);
        const double uh = WindAtHeight(h, src.z0, src.U, c.s);
        if (!(uh >= 0)) return false;
        const double ubar = (uh + src.U) * 0.5;
        double sy = 0, sz = 0;
        PlumeSigmas(src, c.s, x, h, sy, sz);
        const double target = loc * 6.28 * ubar * sy * sz / src.Q;
        const Profile p{h, sz};
        const double gh = p.G(h);
        e.x[i] = x;
        lastHeight = h;
        if (std::fabs(gh - target) < kTolerance * target) {
            e.lower[i] = e.upper[i] = h;
        } else if (gh < target) {
            // Inside the LOC distance the centre can dip below the LOC where
            // the rising plume thins; the envelope then closes on the centre.
            // One message per class is enough to say so.
            if (!toldNeverReached) messages.Information(kPlumeLocNeverReached);
            toldNeverReached = true;
            e.lower[i] = e.upper[i] = h;
        } else {
            e.lower[i] = LowerHeight(p, target);
            e.upper[i] = UpperHeight(p, target);
        }
    }
    const int last = kPlumePoints - 1;
    e.x[last] = X;
    if (X == kFarthest) {
        e.lower[last] = e.lower[last - 1];
        e.upper[last] = e.upper[last - 1];
    } else {
        e.lower[last] = e.upper[last] = lastHeight;
    }
    return true;
}

void ClearEnvelope(PlumeEnvelope& e) {
    for (int i = 0; i < kPlumePoints; ++i)
        e.x[i] = e.lower[i] = e.upper[i] = NoData;
}

}  // namespace

double WindAtHeight(double z, double z0, double U, Stability s) {
    if (s == Stability::Neutral) return U * std::log(z / z0) / std::log(kRefHeight / z0);
    const double L = 1 / (0.0081 * std::pow(z0, -0.3045));
    const double ustar = kVonKarman * U / (std::log(kRefHeight / z0) + 47 / L);
    const double k = ustar / kVonKarman;
    if (z < L) return k * (4.7 * z / L + std::log(z / z0));
    if (z < 10 * L) return k * (std::log(L / z0) + 4.7 + std::log(z / L));
    return k * (std::log(L / z0) + 4.7 + std::log(10.0) + 0.8 * (z - 10 * L) / L);
}

double PlumeHeight(const PlumeSource& src, double x, double u, double H) {
    const double d = u <= 0 ? 0 : std::cbrt(src.F * x * x) * 1.6 / u + src.zs;
    const double core = 1.6 * src.r;
    const double h = std::pow(core * core * core + d * d * d, kThird) - core;
    return h > H ? H : h;
}

void PlumeSigmas(const PlumeSource& src, Stability s, double x, double h, double& sy, double& sz) {
    const double ustar = kVonKarman * src.U / std::log(kRefHeight / src.z0);
    const double sy0 = (0.5 / src.U) * x / std::sqrt(1 + 0.0001 * x);
    const double sz0 = s == Stability::Neutral
                           ? (1.3 / src.U) * ustar * x / std::sqrt(1 + 0.0015 * x)
                           : (1.3 / src.U) * ustar * x / (1 + 0.0003 * x);
    const double spread = h * h / 12.25 + src.r * src.r / 2;
    sy = std::sqrt(sy0 * sy0 + spread);
    sz = std::sqrt(sz0 * sz0 + spread);
}

double CentrelineConcentration(const PlumeSource& src, Stability s, double u, double H, double x) {
    const double h = PlumeHeight(src, x, u, H);
    const double uh = WindAtHeight(h, src.z0, src.U, s);
    if (!(uh >= 0)) return -1;
    const double ubar = (uh + src.U) * 0.5;
    double sy = 0, sz = 0;
    PlumeSigmas(src, s, x, h, sy, sz);
    const double conc =
        src.Q / (2 * kPi * ubar * sy * sz) * (1 + std::exp(-2 * (h / sz) * (h / sz)));
    return Finite(conc) ? conc : -1;
}

int ComputeSmokePlume(PlumeResult& result, double locUgM3, double area, double thickness,
                      double rate, double airTemp, double oilTemp, double wind, double api,
                      double refDensity, double refTemp, MessageSink& messages) {
    if (refDensity < 0 && api >= 0) {
        refDensity = 141.5 / (api + 131.5) * 1000;
        refTemp = 289.0;
    } else if (api < 0 && refDensity >= 0) {
        api = 141500 / refDensity - 131.5;
    }
    for (double v :
         {locUgM3, area, thickness, rate, airTemp, oilTemp, wind, api, refDensity, refTemp})
        if (!(v >= 0) || !Finite(v)) return -1;
    // The formulas divide by these or take their logarithm: zero is no burn,
    // no wind or no level of concern, not a plume.
    for (double v : {locUgM3, area, rate, airTemp, wind, refDensity})
        if (v == 0) return -1;

    result.loc = locUgM3;
    const double minutes = std::trunc(thickness / rate / 60);
    result.burnDuration = minutes >= INT_MAX ? INT_MAX : static_cast<int>(minutes);
    result.pointCount = kPlumePoints;
    result.maxHeight = -999.0;
    result.minHeight = 1000000.0;
    for (PlumeEnvelope& e : result.envelope)
        ClearEnvelope(e);

    const double rhoOil = (1 - (oilTemp - refTemp) * 0.008) * refDensity;
    if (!(rhoOil > 0)) return -1;
    PlumeSource src;
    src.U = wind;
    src.r = std::sqrt(area / kPi);
    const double hc = (4.245 - 0.018515 * api + 0.000028 * api * api) * 1e7;
    src.F = hc * rhoOil * rate * area * 0.0000079479;
    src.Q = (0.04 + 0.03 * std::log10(100 * src.r)) * rhoOil * rate * area;
    src.zs = 3 * src.r;
    src.z0 = 0.000002 * wind * wind * std::sqrt(wind);
    src.N = std::sqrt(kG * 0.0098 / airTemp);
    if (!(src.F > 0) || !(src.Q > 0)) return -1;

    const double un = WindAtHeight(src.zs, src.z0, wind, Stability::Neutral);
    const double us = WindAtHeight(src.zs, src.z0, wind, Stability::Stable);
    if (!(un > 0) || !(us > 0)) return -1;
    const PlumeClass classes[2] = {
        {Stability::Neutral, un, 38.71 * std::pow(src.F, 0.6) / un + src.zs},
        {Stability::Stable, us, 2.6 * std::cbrt(src.F / (us * src.N * src.N)) + src.zs}};

    const double loc = locUgM3 * 1e-9;
    for (const PlumeClass& c : classes)
        if (!ComputeClass(src, c, loc, result.envelope[static_cast<int>(c.s)], messages)) return -1;

    for (const PlumeEnvelope& e : result.envelope)
        for (int i = 0; i < kPlumePoints; ++i)
            for (double v : {e.lower[i], e.upper[i]}) {
                if (!Finite(v)) return -1;
                if (v > result.maxHeight) result.maxHeight = v;
                if (v < result.minHeight) result.minHeight = v;
            }
    return 0;
}

}  // namespace ormix
