// The weathering processes of one LE in one sub-step, and the airborne
// benzene factor over the slick. The step loop (step_loop.cpp) decides when
// each is called and what happens to its result. The processes that it
// calls for every LE and sub-step are defined here, so that they compile
// into the loop.
#pragma once

#include <cmath>
#include <limits>

#include "core/formula_values.h"
#include "core/math_calls.h"
#include "model/weathering_model.h"

namespace ormix {

// Whether two arguments are the same number, the sign of zero included, so
// that any function of them gives the same bits (a NaN is never the same).
inline bool SameArgument(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// The last argument of a function and the value it gave: the step loop
// asks again before computing, since the same argument often comes back
// (an LE whose properties have settled, or LEs released together).
struct Remembered {
    double arg = std::numeric_limits<double>::quiet_NaN();
    double value = 0;
    template <class F>
    double Of(double x, F f) {
        if (!SameArgument(x, arg)) {
            arg = x;
            value = f(x);
        }
        return value;
    }
};

// Evaporation mass-transfer coefficient K (m/s) for wind speed U (m/s), the
// evaporation constant C and the slick area (m2).
double EvaporationCoefficient(double U, double C, double slickArea);

// One evaporation mini-step of length dtm (s): raises the LE's exposure and
// returns the volume (m3) evaporated from the LE's stored volume. `row` is the
// evaporation-table row in use; h the oil thickness (m).
double EvaporationMiniStep(double K, double h, const double* row, double dtm, LE& le);

// Its two parts: the exposure rate (1/s) of oil of water content Y, and the
// share of the oil that a mini-step evaporates at the row's rate factor.
inline double ExposureRate(double K, double h, double Y) {
    return (1 - Y) * K / h;
}
inline double EvaporatedShare(double k, double rateFactor, double dtm) {
    return 1 - math::Exp(-k * rateFactor * dtm);
}

// Emulsification rate constant (1/s) of an hour, from the hour's input wave
// height (m, NoData when none) and the wind speed U (m/s).
double EmulsificationRateConstant(const ModelInputs& in, double waveHeight, double U);

// Onset of water uptake for emulsion case IB (0 the high values, 1 the low
// ones) in the given pass: the time after release (s; negative when there is
// none) and the fraction evaporated (not positive when there is none).
struct EmulsionOnsetValues {
    double time;
    double fraction;
};
EmulsionOnsetValues OnsetValues(const ModelInputs& in, int IB, int pass);

// Water uptake of one LE in one sub-step at time t (whole s), sub-step length
// dts (s). Sets the LE's Y, S and stabilityTime; returns the droplet diameter
// (m) that the viscosity uses. A water content that would come out negative
// leaves Y and S as they were and returns 0: the caller shows "water content
// is negative" (so that the routine can run on any thread).
double Emulsify(const ModelInputs& in, int t, int dts, double Kem, LE& le, int IB, int pass);

// What the water uptake needs that stays the same for a whole run of one
// emulsion case, and the uptake computed from it (the same arithmetic as
// Emulsify, which the step loop calls for every LE and sub-step).
struct EmulsionConstants {
    EmulsionOnsetValues onset;
    double Ymax;  // maximum water content
    double Smax;  // emulsion area factor (1/m)
    double St;    // S at which the water content reaches Ymax
    double dmax;  // largest droplet diameter (m)
};
EmulsionConstants EmulsionConstantsFor(const ModelInputs& in, int IB, int pass);
double EmulsifyWith(const EmulsionConstants& c, int t, int dts, double Kem, LE& le);

// Whether the LE's emulsion is under way at time t (s).
inline bool EmulsionUnderWay(const EmulsionConstants& c, int t, const LE& le) {
    const EmulsionOnsetValues& on = c.onset;
    // An oil without room for water (Smax 0) never starts to take it up.
    return c.Smax > 0 &&
           ((t >= on.time && on.time >= 0) || (le.f_evap >= on.fraction && on.fraction > 0));
}

// Whether the emulsification at time t reads (or sets) the LE's onset
// time: under way, and without an onset time of the oil's own.
inline bool EmulsionUsesStabilityTime(const EmulsionConstants& c, int t, const LE& le) {
    return !(c.onset.time > 0) && EmulsionUnderWay(c, t, le);
}
// The same with -Kem / Smax computed beforehand (`decay`: it changes only
// with the hour's wind).
inline double EmulsifyWith(const EmulsionConstants& c, int t, int dts, double Kem, double decay,
                           LE& le) {
    const EmulsionOnsetValues& on = c.onset;
    double S = 0;
    if (EmulsionUnderWay(c, t, le)) {
        double t0;
        if (on.time > 0)
            t0 = on.time;
        else if (le.stabilityTime >= 0)
            t0 = le.stabilityTime;
        else
            t0 = le.stabilityTime = t;
        double S0 = le.S < 0 ? 0.0 : le.S;
        if (S0 >= c.Smax) {
            S = c.Smax;  // full already: whatever is added is held back
        } else {
            S = S0 + math::Exp(decay * (t - t0)) * dts * Kem;
            if (S > c.Smax) S = c.Smax;
        }
    }

    double Y, de;
    if (S >= c.St && S > 0) {
        Y = c.Ymax;
        de = (6 / S) * c.Ymax / (1 - c.Ymax);
    } else {
        Y = S * c.dmax / (S * c.dmax + 6);
        de = c.dmax;
    }
    if (Y < 0) return 0.0;  // Y and S stay as they were; the caller reports it
    le.Y = Y;
    le.S = S;
    return de;
}

// Density (kg/m3) of the weathered emulsion.
inline double EmulsionDensity(const ModelInputs& in, const SetUpTables& setup, double fEvap,
                              double Y) {
    double rho = Y * in.waterDensity + (1 - Y) * (1 + 0.18 * fEvap) * setup.InitialOil.rho0;
    return rho > in.waterDensity ? in.waterDensity : rho;
}

// The Mooney constant of the emulsion for the given droplet diameter (m),
// held within 0.45 and 0.85.
double MooneyConstant(const ModelInputs& in, const SetUpTables& setup, double dropletDiameter);

// Kinematic viscosity (m2/s) of the weathered emulsion.
double EmulsionViscosity(const ModelInputs& in, const SetUpTables& setup, double Y, double fEvap,
                         double dropletDiameter);

// The same from the run's constants and the evaporation factor
// exp(viscosity-evaporation constant x fraction evaporated).
struct ViscosityConstants {
    double visc0;
    bool fixedMooney;        // no viscosity multiplier: the Mooney constant is 0.65
    double mooneyNumerator;  // d_min x (1 - 2.5 x Ymax / ln(viscMultiplier))
    double Ymax;
};
ViscosityConstants ViscosityConstantsFor(const ModelInputs& in, const SetUpTables& setup);
double EmulsionViscosityWith(const ViscosityConstants& c, double Y, double evapFactor,
                             double dropletDiameter);

// An emulsion factor kept with the water content and droplet diameter it
// was computed for.
struct RememberedEmulsionFactor {
    double Y = std::numeric_limits<double>::quiet_NaN();
    double dropletDiameter = std::numeric_limits<double>::quiet_NaN();
    double value = 0;
    bool Holds(double y, double d) const {
        return SameArgument(y, Y) && SameArgument(d, dropletDiameter);
    }
};
// The Mooney constant of the run's constants for a droplet diameter.
inline double MooneyWith(const ViscosityConstants& k, double dropletDiameter) {
    const double c = k.fixedMooney ? 0.65 : k.mooneyNumerator / (k.Ymax * dropletDiameter);
    if (c > 0.85) return 0.85;
    if (!(c >= 0.45)) return 0.45;  // below, or not a number
    return c;
}
// The emulsion factor exp(2.5 Y / (1 - c Y)) of the viscosity for a water
// content and droplet diameter.
inline double EmulsionFactor(const ViscosityConstants& k, double Y, double dropletDiameter) {
    double c = MooneyWith(k, dropletDiameter);
    return math::Exp(2.5 * Y / (1 - c * Y));
}

// The waves that disperse the oil th seconds into the hour, for wind case IW
// of windCases, interpolated toward the next hour's (within the run's
// hours).
WaveCase WavesForDispersion(const ModelInputs& in, const RunControl& run, int hour, int IW,
                            int windCases, double th);

// The waves of a moment of the hour with the factor De^0.57 that the
// dispersion takes from them (computed only when the waves break).
struct DispersionWaves {
    WaveCase waves;
    double DeFactor;
};
DispersionWaves DispersionWavesAt(const ModelInputs& in, const RunControl& run, int hour, int IW,
                                  int windCases, double th);

// What the dispersion of one LE keeps from call to call: (100 / Vr)^0.2
// once computed (NaN until then) and the viscosity term of the last
// viscosity.
struct DispersionMemo {
    double breakingFactor = std::numeric_limits<double>::quiet_NaN();
    Remembered viscosityTerm;
};

// The dispersion of one LE in those waves.
inline double NaturalDispersionIn(const ModelInputs& in, const DispersionWaves& at, int dts,
                                  const LE& le, double A, double Vr, DispersionMemo& memo) {
    WaveCase w = at.waves;
    if (Vr > 100 && le.visc > 4e-5) {
        if (std::isnan(memo.breakingFactor)) memo.breakingFactor = math::Pow(100 / Vr, 0.2);
        w.f_bw *= memo.breakingFactor;
    }
    if (in.containedArea > 0) return 0.0;
    // Without breaking waves (or where the waves of the hour could not be
    // computed) nothing disperses; the terms below carry these factors.
    if (!(w.Hrms > 0 && w.f_bw > 0 && w.De > 0)) return 0.0;

    const double rhoW = in.waterDensity, nuW = in.waterViscosity;
    const double Cvis = memo.viscosityTerm.Of(
        le.visc, [](double visc) { return 2400 * math::Exp(-73.682 * math::Sqrt(visc)); });
    const double he = (le.Vol / (1 - le.Y)) / A;
    const double DeFactor = at.DeFactor;

    double Ts = 0;
    if (in.sediment > 0 && he >= 0.0001) {
        double sd = 0.588 * (math::Pow(he, 1.7) - 5e-8);
        if (sd < 0) sd = 0;
        double rise = (1 - le.rho / rhoW) * (0.613 * he) * (0.613 * he) * kGravity / (18 * nuW);
        Ts = math::Sqrt(w.Hrms * w.De * w.f_bw / (rhoW * nuW)) * 1.6 * in.oil.sedimentConst *
             (dts * Cvis * DeFactor * w.f_bw * sd * A / (1.5 * w.Hrms + dts * rise)) * in.sediment /
             le.rho;
    }
    const double Td = Cvis * DeFactor * w.f_bw * in.oil.dispConst * (1 - le.Y) * A / le.rho;
    double D = ((1 - le.Y) * Ts + Td) * dts;
    return D > le.Vol ? le.Vol : D;
}

// Volume (m3) dispersed naturally from one LE in one sub-step of dts seconds.
// th: seconds since the start of the hour at the end of the sub-step; A: the
// LE's area (m2); Vr: the volume of its release hour (m3).
double NaturalDispersion(const ModelInputs& in, const RunControl& run, int hour, int dts,
                         const LE& le, int IW, int windCases, double th, double A, double Vr);

// Airborne benzene factor over a slick of the given area (m2), gas constant
// R, water temperature T (K) and air pressure P (Pa).
double BenzeneFactor(double slickArea, double R, double T, double P);

}  // namespace ormix
