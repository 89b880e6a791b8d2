// The smoke plume of an in-situ burn: how far downwind, and between which
// heights above the water, the soot concentration stays above a level of
// concern (LOC). The burn is a steady source; the plume is a Gaussian plume
// whose centre rises with the buoyancy of the fire, computed for a neutral and
// for a stable atmosphere.
#pragma once

#include "core/constants.h"
#include "core/messages.h"

namespace ormix {

inline constexpr int kPlumePoints = 100;

enum class Stability { Neutral = 0, Stable = 1 };

inline constexpr char kPlumeBelowLocAt50[] = "Plume less 50 meters";
inline constexpr char kPlumeLocNeverReached[] = "LOC never reached";

// One class's envelope: downwind distance (m) and the lower and upper heights
// (m) between which the concentration is above the LOC; unused entries -999.
struct PlumeEnvelope {
    double x[kPlumePoints];
    double lower[kPlumePoints];
    double upper[kPlumePoints];
};

struct PlumeResult {
    char title[32] = "Smoke plume";
    char subtitle[32] = "assumes long duration burn";
    int month = 0, day = 0, hour = 0;  // of the burn, filled by the caller
    int burnDuration = 0;              // whole minutes
    int pointCount = kPlumePoints;
    double maxHeight = -999.0;
    double minHeight = 1000000.0;
    PlumeEnvelope envelope[2];  // indexed by Stability
    double loc = NoData;        // ug/m3

    const PlumeEnvelope& Of(Stability s) const { return envelope[static_cast<int>(s)]; }
};

// What the formulas share for one burn, in SI.
struct PlumeSource {
    double U;   // wind at 10 m (m/s)
    double z0;  // surface roughness (m)
    double r;   // radius of a circle of the burn's area (m)
    double zs;  // source height (m)
    double F;   // buoyancy flux
    double Q;   // soot emission (kg/s)
    double N;   // stability frequency (1/s)
};

// The wind at height z (m) through the 10 m wind U: logarithmic for the
// neutral class, log-linear for the stable one.
double WindAtHeight(double z, double z0, double U, Stability s);

// The plume centre's height (m) at distance x for a class whose wind at the
// source height is u and whose final height is H.
double PlumeHeight(const PlumeSource& src, double x, double u, double H);

// Lateral and vertical spread (m) at distance x with the plume at height h.
void PlumeSigmas(const PlumeSource& src, Stability s, double x, double h, double& sy, double& sz);

// The concentration (kg/m3) at plume height at distance x, ground reflection
// included. A negative result marks a failed wind evaluation.
double CentrelineConcentration(const PlumeSource& src, Stability s, double u, double H, double x);

// Computes both envelopes. Units: LOC ug/m3, area m2, thickness m, rate m/s,
// temperatures K, wind m/s at 10 m, API, density kg/m3 at refTemp K (a
// negative density or API is completed from the other). Returns 0, or -1 when
// an input is negative (or zero where the formulas divide by it), the plume is
// below the LOC already at 50 m, or an evaluation fails.
int ComputeSmokePlume(PlumeResult& result, double locUgM3, double area, double thickness,
                      double rate, double airTemp, double oilTemp, double wind, double api,
                      double refDensity, double refTemp, MessageSink& messages);

}  // namespace ormix
