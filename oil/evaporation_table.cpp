// Pseudo-components and the evaporation table.
#include "oil/evaporation_table.h"

#include "core/formula_values.h"
#include "core/math_calls.h"
#include "oil/oil_preparation.h"

namespace ormix {

namespace {

constexpr double kBenzeneDensity = 877.0;  // kg/m3
constexpr double kGas = 8.3144;            // J/(mol K)

double MolecularWeight(double TB) {
    return 0.04132 - 1.985e-4 * TB + 9.494e-7 * TB * TB;  // kg/mol
}

double MolarVolume(double TB) {
    return 7e-5 - 2.102e-7 * TB + 1e-9 * TB * TB;  // m3/mol
}

}  // namespace

double VapourPressure(double TB, double P0, double T) {
    const double R = 1.987;  // cal/(mol K)
    double dS = 8.75 + R * math::Log(TB);
    double C2 = 0.19 * TB - 18;
    return P0 * math::Exp((dS / 0.97) * (TB - C2) * (T - TB) / (R * TB * (T - C2)));
}

bool BuildPseudoComponents(OilState& o, const OilSurroundings& at, MessageSink& messages) {
    double TB[kMaxPseudoComponents];
    double F[kMaxPseudoComponents];  // cumulative fractions
    int n;

    if (o.distKind == 1) {
        // No cuts: five equal parts along the boiling-point line of a crude.
        if (!IsProductType(o, "crude")) {
            messages.Error("Refined oils must have distillation cuts.");
            return false;
        }
        n = 5;
        for (int i = 0; i < n; ++i) {
            TB[i] = o.T0 + o.TG * (i + 0.5) / 5;
            F[i] = (i + 1) / 5.0;
        }
    } else if (o.distKind == 2 || o.distKind == 3) {
        // The first and the last component are placed from the slope of the
        // cuts, which takes two of them.
        const int c = o.cutCount;
        if (c < 2 || c > kCuts) {
            messages.Error(" pseudo component calculation error ");
            return false;
        }
        const double* T = o.dist_temp;
        const double* Fc = o.dist_frac;
        n = c + 1;
        TB[0] = T[0] - 0.5 * Fc[0] * (T[1] - T[0]) / (Fc[1] - Fc[0]);
        if (!(TB[0] >= 273)) TB[0] = (T[0] + 273) / 2;
        for (int j = 1; j < c; ++j)
            TB[j] = (T[j - 1] + T[j]) / 2;
        TB[c] = T[c - 1] + 0.5 * (1 - Fc[c - 1]) * (T[c - 1] - T[0]) / (Fc[c - 1] - Fc[0]);
        if (!(TB[c] <= 1500)) TB[c] = 1500;
        for (int j = 0; j < c; ++j)
            F[j] = Fc[j];
        F[c] = 1;
    } else {
        messages.Error(" pseudo component calculation error ");
        return false;
    }

    for (int j = 0; j < n; ++j) {
        o.compMolecularWeight[j] = MolecularWeight(TB[j]);
        o.compMolarVolume[j] = MolarVolume(TB[j]);
        o.compVapourPressure[j] = VapourPressure(TB[j], at.airPressure, at.waterTemp);
        o.compFraction[j] = j == 0 ? F[0] : F[j] - F[j - 1];
    }
    if (o.distKind == 3) {
        // Weight fractions into volume fractions.
        double sum = 0;
        for (int k = 0; k < n; ++k)
            sum += o.compMolarVolume[k] / o.compMolecularWeight[k] * o.compFraction[k];
        double f[kMaxPseudoComponents];
        for (int j = 0; j < n; ++j)
            f[j] = o.compFraction[j] * (o.compMolarVolume[j] / o.compMolecularWeight[j]) / sum;
        for (int j = 0; j < n; ++j)
            o.compFraction[j] = f[j];
    }
    o.componentCount = n;
    return true;
}

bool BuildEvaporationTable(const PreparedOil& out, const OilSurroundings& at,
                           MessageSink& messages) {
    const OilState& o = out.oil;
    const int N = o.componentCount;
    if (N < 1 || N > kMaxPseudoComponents) {
        messages.Error(" pseudo component calculation error ");
        return false;
    }
    int rows = out.evap.rows;
    if (rows > kMaxEvapRows) rows = kMaxEvapRows;
    if (rows < 2) rows = 2;
    const double* V = o.compMolarVolume;
    const double* M = o.compMolecularWeight;
    const double* Pv = o.compVapourPressure;
    const double Tw = at.waterTemp;

    // Mean molecular weight of the fresh oil (molar average) and the
    // mass-transfer constant.
    double num = 0, den = 0;
    for (int j = 0; j < N; ++j) {
        num += M[j] * o.compFraction[j] / V[j];
        den += o.compFraction[j] / V[j];
    }
    const double Mavg = num / den;
    const double K0 = 0.006564 * math::Pow(0.018 / Mavg, kThird);

    // Benzene: its volume fraction in the fresh oil, estimated when the oil
    // gives none. An estimate below 0 (very heavy oils) means no benzene.
    double xb = o.benzene * out.InitialOil.rho0 / kBenzeneDensity;
    if (xb < 0) xb = IsProductType(o, "refined") ? 0.001 : (o.api - 10) * 0.014 + 0.001;
    if (xb < 0) xb = 0;
    const double Mb = 78.11 / 1000;
    const double Vb = Mb / kBenzeneDensity;
    const double Pb = 133 * math::Pow(10.0, 7.9622 - 1785 / Tw);
    const double Cb = Pb / (kGas * Tw);

    // The largest exposure: 120 hours at the strongest wind over oil 0.1 mm
    // thick; the grid is finest at the start.
    const double Umax = at.strongestWind;
    const double EXmax = 4.32e9 * K0 * math::Pow(Umax, 7.0 / 9.0);

    double H[kMaxPseudoComponents], v[kMaxPseudoComponents];
    for (int j = 0; j < N; ++j) {
        H[j] = Pv[j] / (kGas * Tw);
        v[j] = o.compFraction[j];
    }
    const double b0 = xb;
    double b = xb;
    double ex = 0;
    for (int r = 0; r < rows; ++r) {
        double Sn = 0, Sv = 0, rate = 0, vp = 0;
        for (int j = 0; j < N; ++j) {
            double nj = v[j] / V[j];
            Sn += nj;
            Sv += v[j];
            rate += H[j] * v[j];
            vp += nj * Pv[j];
        }
        const double mv = Sv / Sn;
        double* row = out.evap.row[r];
        row[kEvEx] = ex;
        row[kEvRate] = rate / Sn;
        row[kEvFevap] = 1 - Sv;
        row[kEvVp] = vp / Sn;
        // No benzene in the fresh oil: none in the air either.
        row[kEvBenz] = b0 > 0 ? xb * (mv / Vb) * (b / b0) * Mb * Cb : 0.0;
        row[kEvMv] = mv;
        if (r + 1 < rows) {
            double d = 2 * EXmax * (r + 1) / (static_cast<double>(rows) * (rows - 1));
            for (int j = 0; j < N; ++j)
                v[j] *= math::Exp(-mv * H[j] * d);
            b *= math::Exp(-Vb * Cb * d);
            ex += d;
        }
    }
    out.evap.rows = rows;
    out.evapConst = K0;
    return true;
}

}  // namespace ormix
