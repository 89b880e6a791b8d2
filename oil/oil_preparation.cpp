// Oil preparation: the filled oil record, measured at reference temperatures
// and degrees of weathering, becomes what the weathering processes need at
// the temperature of the water.
#include "oil/oil_preparation.h"

#include <cctype>

#include "core/math_calls.h"
#include "oil/evaporation_table.h"

namespace ormix {

namespace {

constexpr double kThermalExpansion = 0.0008;      // per K
constexpr double kDensityEvaporation = 0.18;      // fresh = measured / (1 + 0.18 x fraction)
constexpr double kViscosityTemperature = 5000.0;  // K

double Clamp(double v, double lo, double hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

// A reference point is usable when it has a value and a temperature.
bool Usable(double value, double temp) {
    return value > 0 && temp > 0;
}

double FreshFraction(double f) {
    return f < 0 ? 0.0 : f;
}

double CorrectViscosity(double v, double Ti, double T, double B) {
    return v * math::Exp(B * (1.0 / T - 1.0 / Ti));
}

double EvapConstFromViscosity(double visc) {
    return 1.5 * math::Sqrt(visc * 1e6);
}

}  // namespace

bool IsProductType(const OilState& o, const char* type) {
    const char* p = o.productType;
    for (; *type; ++p, ++type)
        if (std::tolower(static_cast<unsigned char>(*p)) != *type) return false;
    return *p == '\0';
}

double DensityAtTemperature(const OilState& o, double T, MessageSink& messages) {
    if (o.rhoRef_value[0] < 0) {
        // No density point at all: from the API gravity.
        double rho = 1000.0 * 141.5 / (131.5 + o.api) * (1 - kThermalExpansion * (T - 289.0));
        if (rho > 0) return rho;
        messages.Error("bad density data");
        return NoData;
    }
    if (o.rhoRef_fevap[0] > 0) {
        // The first point must describe the fresh oil.
        messages.Error("bad density data");
        return NoData;
    }
    // The mean of the points, each corrected to T and back to the fresh oil.
    // A slot without a value or a temperature takes no part.
    double sum = 0;
    int n = 0;
    for (int i = 0; i < o.refSlots && i < kRefSlots; ++i) {
        if (!Usable(o.rhoRef_value[i], o.rhoRef_temp[i])) continue;
        sum += o.rhoRef_value[i] * (1 - kThermalExpansion * (T - o.rhoRef_temp[i])) /
               (1 + kDensityEvaporation * FreshFraction(o.rhoRef_fevap[i]));
        ++n;
    }
    double rho = n > 0 ? sum / n : 0.0;
    if (!(rho > 0)) {
        messages.Error("bad density data");
        return NoData;
    }
    return rho;
}

ViscosityEstimate ViscosityAtTemperature(const OilState& o, double T, double B, double rho,
                                         MessageSink& messages) {
    const double kv1 = o.viscRef_value[0], dv1 = o.dyViscRef_value[0];
    ViscosityEstimate none{false, NoData, NoData};
    if (kv1 < 0 && dv1 < 0) {
        messages.Error("no viscosity data");
        return none;
    }
    if ((kv1 > 0 && o.viscRef_fevap[0] > 0) || (dv1 > 0 && o.dyViscRef_fevap[0] > 0 && kv1 < 0)) {
        messages.Error("initial viscosity must be unweathered");
        return none;
    }

    double visc;
    double evapConst;
    if (kv1 > 0 && o.viscRef_value[1] < 0) {
        // One kinematic point.
        if (!Usable(kv1, o.viscRef_temp[0])) {
            messages.Error("no viscosity data");
            return none;
        }
        visc = CorrectViscosity(kv1, o.viscRef_temp[0], T, B);
        evapConst = EvapConstFromViscosity(visc);
    } else if (dv1 > 0 && o.dyViscRef_value[1] < 0) {
        // One dynamic point.
        if (!Usable(dv1, o.dyViscRef_temp[0]) || !(rho > 0)) {
            messages.Error("no viscosity data");
            return none;
        }
        visc = CorrectViscosity(dv1 / rho, o.dyViscRef_temp[0], T, B);
        evapConst = EvapConstFromViscosity(visc);
    } else {
        // Several points: the kinematic ones when there are any, else the
        // dynamic ones turned kinematic.
        const bool kinematic = kv1 > 0;
        const double* value = kinematic ? o.viscRef_value : o.dyViscRef_value;
        const double* temp = kinematic ? o.viscRef_temp : o.dyViscRef_temp;
        const double* fevap = kinematic ? o.viscRef_fevap : o.dyViscRef_fevap;
        // A dynamic point over the density; without a density no point counts.
        auto point = [&](int i) { return kinematic ? value[i] : (rho > 0 ? value[i] / rho : 0.0); };
        double corrected[kRefSlots];
        bool used[kRefSlots] = {};
        int best = -1;
        double distance = 100.0 * T;
        for (int i = 0; i < o.refSlots && i < kRefSlots; ++i) {
            if (!Usable(point(i), temp[i])) continue;
            used[i] = true;
            corrected[i] = CorrectViscosity(point(i), temp[i], T, B);
            double d = temp[i] > T ? temp[i] - T : T - temp[i];
            if (FreshFraction(fevap[i]) <= 0 && d < distance) {
                distance = d;
                best = i;
            }
        }
        if (best < 0) {
            bool any = false;
            for (bool u : used)
                any = any || u;
            messages.Error(any ? "initial viscosity must be unweathered" : "no viscosity data");
            return none;
        }
        visc = corrected[best];
        // Each weathered point tells how much evaporation raises viscosity.
        double sum = EvapConstFromViscosity(visc);
        int weathered = 0;
        for (int i = 0; i < o.refSlots && i < kRefSlots; ++i) {
            double f = FreshFraction(fevap[i]);
            if (!used[i] || f <= 0) continue;
            sum += math::Log(corrected[i] / visc) / f;
            ++weathered;
        }
        evapConst = sum / (weathered + 1);
    }
    return {true, visc, Clamp(evapConst, 2.0, 12.0)};
}

double ApiFromDensity(double rho0, double T) {
    return 141500.0 / ((1 - kThermalExpansion * (289.0 - T)) * rho0) - 131.5;
}

EmulsionLimits EmulsionWaterContent(const OilState& o, double nu, double rho) {
    double Y = o.waterContent;
    if (Y < 0) {
        double mu = nu * rho;  // kg/(m s)
        Y = mu <= 0.05 ? 0.9 : 0.9 - 0.0952 * math::Log(mu / 0.05);
        // The estimate falls below 0 for oils above about 635 kg/(m s): such
        // an oil takes up no water, rather than a negative amount.
        if (Y < 0) Y = 0;
    }
    return {Y, (6.0 / o.dropletMin) * Y / (1 - Y)};
}

void EmulsionOnset(OilState& o, const OilSurroundings& at) {
    const bool uncertain = at.emulFlag != 0;

    if (o.bulltimeHigh > 0) {
        // Onset given as a time after release.
        if (uncertain && at.emulHours != NoDataInt && at.emulHours > 0) {
            double t = o.bulltimeHigh;
            o.bulltimeHigh = t + at.emulHours;
            o.bulltimeLow = t - at.emulHours < 0 ? 0.0 : t - at.emulHours;
        }
        o.bullwinkleHigh = NoData;
        return;
    }

    double B = o.bullwinkleHigh;
    if (B < 0 && IsProductType(o, "crude")) {
        double X = Clamp((483.0 - (532.98 - 3.1295 * o.api)) / o.TG, 0.0, 0.4);
        if (o.nickel > 0 && o.vanadium > 0 && o.nickel + o.vanadium > 15)
            B = 0;
        else if (o.asphalt > 0)
            B = Clamp(0.20219 - 0.168 * math::Log10(o.asphalt), 0.0, 0.303);
        else if (o.api < 26)
            B = 0.08;
        else if (o.api > 50)
            B = 0.303;
        else
            B = -1.038 - 0.78935 * math::Log10(1.0 / o.api);
        B = (B + X) / 2;
    }
    // A refined product does not emulsify before it has evaporated entirely.
    if (B < 0 && IsProductType(o, "refined")) B = 1;

    o.bullwinkleHigh = B;
    double u = at.emulPercent == NoData ? 0.0 : at.emulPercent / 100.0;
    if (uncertain && u > 0) {
        o.bullwinkleHigh = B + u > 1 ? 1.0 : B + u;
        o.bullwinkleLow = B - u < 0 ? 0.0 : B - u;
    }
}

void CheckDistillation(OilState& o, MessageSink& messages) {
    if (o.distKind == 1 || o.cutCount < 1 || o.dist_frac[0] < 0 || o.cutCount > 30) return;
    int n = o.cutCount > kCuts ? kCuts : o.cutCount;

    int accepted = 0;
    if (!(o.dist_temp[0] > 273)) {
        messages.Warning("bad distillation temperature data");
    } else if (!(o.dist_frac[0] <= 1)) {
        // A cumulative fraction above the whole oil is no fraction.
        messages.Warning("bad distillation fraction data");
    } else {
        accepted = 1;
        for (int i = 1; i < n; ++i) {
            if (o.dist_frac[i] < o.dist_frac[i - 1] || !(o.dist_frac[i] <= 1)) {
                messages.Warning("bad distillation fraction data");
                break;
            }
            if (!(o.dist_temp[i] > o.dist_temp[i - 1])) {
                // Cuts 2 to 5 must rise; later ones that stop rising end the
                // cuts quietly.
                if (i < 5) messages.Warning("bad distillation temperature data");
                break;
            }
            ++accepted;
        }
    }
    o.cutCount = accepted;
    for (int i = accepted; i < kCuts; ++i)
        o.dist_temp[i] = o.dist_frac[i] = NoData;
}

bool PrepareOil(const PreparedOil& out, const OilSurroundings& at, MessageSink& messages) {
    OilState& o = out.oil;
    InitialOilValues& fresh = out.InitialOil;
    const double Tw = at.waterTemp;

    fresh.rho0 = DensityAtTemperature(o, Tw, messages);
    if (fresh.rho0 == NoData) return false;
    if (fresh.rho0 > at.waterDensity)
        messages.Warning("Oil is denser than surrounding water. Will sink");

    ViscosityEstimate v =
        ViscosityAtTemperature(o, Tw, kViscosityTemperature, fresh.rho0, messages);
    if (!v.ok) return false;
    fresh.visc0 = v.visc;
    o.viscEvapConst = v.evapConst;

    o.minThickness = (fresh.visc0 < 1e-4 && IsProductType(o, "refined")) ? 5e-5 : 1e-4;

    if (o.api < 0) o.api = ApiFromDensity(fresh.rho0, Tw);
    if (o.T0 < 0) {
        o.T0 = 457.16 - 3.3447 * o.api;
        o.TG = 1356.7 - 247.36 * math::Log(o.api);
    }

    EmulsionLimits e = EmulsionWaterContent(o, fresh.visc0, fresh.rho0);
    o.waterContent = e.waterContent;
    o.emulsionAreaFactor = e.areaFactor;

    EmulsionOnset(o, at);

    if (o.waterUptakeRate < 0) {
        double mu = fresh.rho0 * fresh.visc0;
        o.waterUptakeRate = (3.11 - 3.63 * mu) * 1e-6;
        if (o.waterUptakeRate < 1e-6) o.waterUptakeRate = 1e-6;
    }

    CheckDistillation(o, messages);
    if (!BuildPseudoComponents(o, at, messages)) return false;
    return BuildEvaporationTable(out, at, messages);
}

}  // namespace ormix
