// Weathering processes of one LE: evaporation through the exposure table,
// water uptake into a water-in-oil emulsion, the density and viscosity of the
// weathered emulsion, natural dispersion by breaking waves (with the
// oil-sediment term), and the airborne benzene factor over the slick.
#include "model/processes.h"

#include "core/formula_values.h"
#include "core/math_calls.h"

namespace ormix {

double EvaporationCoefficient(double U, double C, double slickArea) {
    return C * math::Pow(U, 7.0 / 9.0) / math::Pow(math::Sqrt(slickArea), 1.0 / 9.0);
}

double EvaporationMiniStep(double K, double h, const double* row, double dtm, LE& le) {
    double k = ExposureRate(K, h, le.Y);
    le.evex += k * dtm;
    return EvaporatedShare(k, row[kEvRate], dtm) * le.Vol;
}

double EmulsificationRateConstant(const ModelInputs& in, double waveHeight, double U) {
    if (in.containedArea > 0) return 0.0;  // no water uptake inside a boom
    double Uw = waveHeight > 0 ? 2.0286 * math::Sqrt(kGravity * waveHeight) : 0.0;
    if (Uw < 4.429) Uw = math::Pow(Uw / 0.71, 0.813);
    if (U < Uw) U = Uw;
    return 6 * in.oil.waterUptakeRate * U * U / in.oil.dropletMax;
}

EmulsionOnsetValues OnsetValues(const ModelInputs& in, int IB, int pass) {
    const OilState& o = in.oil;
    // The low values exist only with emulsion uncertainty; where one was
    // not set, the high value stands for it.
    double timeLow = o.bulltimeLow == NoData ? o.bulltimeHigh : o.bulltimeLow;
    double fracLow = o.bullwinkleLow == NoData ? o.bullwinkleHigh : o.bullwinkleLow;
    if (pass == 0 && in.emulFlag == 1) {
        // The middle of the band.
        return {std::floor((timeLow + o.bulltimeHigh) * 0.5 * 3600 + 0.5),
                (fracLow + o.bullwinkleHigh) * 0.5};
    }
    double hours = IB == 1 ? timeLow : o.bulltimeHigh;
    return {std::trunc(hours) * 3600, IB == 1 ? fracLow : o.bullwinkleHigh};
}

EmulsionConstants EmulsionConstantsFor(const ModelInputs& in, int IB, int pass) {
    const OilState& o = in.oil;
    EmulsionConstants c;
    c.onset = OnsetValues(in, IB, pass);
    c.Ymax = o.waterContent;
    c.Smax = o.emulsionAreaFactor;
    c.dmax = o.dropletMax;
    c.St = (6 / o.dropletMax) * c.Ymax / (1 - c.Ymax);
    return c;
}

double EmulsifyWith(const EmulsionConstants& c, int t, int dts, double Kem, LE& le) {
    return EmulsifyWith(c, t, dts, Kem, -Kem / c.Smax, le);
}

double Emulsify(const ModelInputs& in, int t, int dts, double Kem, LE& le, int IB, int pass) {
    return EmulsifyWith(EmulsionConstantsFor(in, IB, pass), t, dts, Kem, le);
}

ViscosityConstants ViscosityConstantsFor(const ModelInputs& in, const SetUpTables& setup) {
    const OilState& o = in.oil;
    ViscosityConstants c;
    c.visc0 = setup.InitialOil.visc0;
    c.Ymax = o.waterContent;
    c.fixedMooney = !(o.viscMultiplier > 0);
    c.mooneyNumerator =
        c.fixedMooney ? 0.0 : o.dropletMin * (1 - 2.5 * c.Ymax / math::Log(o.viscMultiplier));
    return c;
}

double MooneyConstant(const ModelInputs& in, const SetUpTables& setup, double dropletDiameter) {
    return MooneyWith(ViscosityConstantsFor(in, setup), dropletDiameter);
}

double EmulsionViscosityWith(const ViscosityConstants& k, double Y, double evapFactor,
                             double dropletDiameter) {
    return k.visc0 * EmulsionFactor(k, Y, dropletDiameter) * evapFactor;
}

double EmulsionViscosity(const ModelInputs& in, const SetUpTables& setup, double Y, double fEvap,
                         double dropletDiameter) {
    return EmulsionViscosityWith(ViscosityConstantsFor(in, setup), Y,
                                 math::Exp(in.oil.viscEvapConst * fEvap), dropletDiameter);
}

WaveCase WavesForDispersion(const ModelInputs& in, const RunControl& run, int hour, int IW,
                            int windCases, double th) {
    auto pick = [&](const WaveHour& w) -> const WaveCase& {
        if (windCases == 1) return w.best;
        return IW == 0 ? w.high : w.low;
    };
    WaveCase c = pick(in.wave[hour]);
    if (hour < run.numHours - 1 && hour + 1 < kHours) {
        const WaveCase& n = pick(in.wave[hour + 1]);
        // Toward the next hour's sea, unless that hour has no waves computed.
        if (n.Hrms >= 0 && n.f_bw >= 0 && n.De >= 0) {
            double w = th / 3600;
            c.Hrms += (n.Hrms - c.Hrms) * w;
            c.f_bw += (n.f_bw - c.f_bw) * w;
            c.De += (n.De - c.De) * w;
        }
    }
    return c;
}

DispersionWaves DispersionWavesAt(const ModelInputs& in, const RunControl& run, int hour, int IW,
                                  int windCases, double th) {
    DispersionWaves d;
    d.waves = WavesForDispersion(in, run, hour, IW, windCases, th);
    const WaveCase& w = d.waves;
    d.DeFactor = (w.Hrms > 0 && w.f_bw > 0 && w.De > 0) ? math::Pow(w.De, 0.57) : 0.0;
    return d;
}

double NaturalDispersion(const ModelInputs& in, const RunControl& run, int hour, int dts,
                         const LE& le, int IW, int windCases, double th, double A, double Vr) {
    DispersionMemo memo;
    return NaturalDispersionIn(in, DispersionWavesAt(in, run, hour, IW, windCases, th), dts, le, A,
                               Vr, memo);
}

double BenzeneFactor(double slickArea, double R, double T, double P) {
    const double x = 29.98 / math::Sqrt(slickArea);
    const double g = 1 + 0.117 * (0.9 * math::Pow(x, 1.111) - 0.2368 * math::Pow(x, 2.111) -
                                  9.0 * math::Pow(x, 0.111) + 0.05357 * math::Pow(x, 3.111));
    return 1e6 * g * 0.078 * R * T / P;
}

}  // namespace ormix
