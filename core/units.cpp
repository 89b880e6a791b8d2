#include "core/units.h"

#include <cmath>

#include "core/constants.h"
#include "core/formula_values.h"

namespace ormix {

namespace {

double Factor(UnitCategory category, int code, bool& known) {
    known = true;
    switch (category) {
        case UnitCategory::Length: {
            static const double f[] = {1, 0.001, 0.01, 1000, 0.0254, 0.3048, 0.9144, 1609.344};
            if (code >= 0 && code < 8) return f[code];
            break;
        }
        case UnitCategory::Area: {
            static const double f[] = {1,           1e-6,         0.0001,        1e6,
                                       100,         10000,        0.00064516,    kSquareFoot,
                                       kSquareYard, 4046.8564224, 2589988.110336};
            if (code >= 0 && code < 11) return f[code];
            break;
        }
        case UnitCategory::Volume: {
            static const double f[] = {1,
                                       1e-9,
                                       1e-6,
                                       1.6387064e-5,
                                       0.028316846592,
                                       0.7646802839461,
                                       0.000473176473,
                                       0.000946352946,
                                       0.003785411784,
                                       0.158987294928};
            if (code >= 0 && code < 10) return f[code];
            break;
        }
        case UnitCategory::Time: {
            static const double f[] = {1, 60, 3600, 86400};
            if (code >= 0 && code < 4) return f[code];
            break;
        }
        case UnitCategory::Mass:
            switch (code) {
                case si::kGram:
                    return 0.001;
                case si::kKilogram:
                    return 1;
                case si::kMetricTon:
                    return 1000;
                case si::kPound:
                    return 0.4536;
                case si::kShortTon:
                    return 907.2;
            }
            break;
        case UnitCategory::Speed:
            switch (code) {
                case si::kMetrePerSecond:
                    return 1;
                case si::kKilometrePerHour:
                    return 1 / 3.6;
                case si::kInchPerSecond:
                    return 0.0254;
                case si::kFootPerSecond:
                    return 0.3048;
                case si::kFootPerMinute:
                    return 0.00508;
                case si::kKnot:
                    return 1.852 / 3.6;
                case si::kMph:
                    return kKilometresPerMile / 3.6;
            }
            break;
        case UnitCategory::Temperature:
            break;
    }
    known = false;
    return 0;
}

}  // namespace

double ConvertToSI(UnitCategory category, int code, double value) {
    if (category == UnitCategory::Temperature) {
        switch (code) {
            case si::kKelvin:
                return value;
            case si::kCelsius:
                return value + 273.15;
            case si::kFahrenheit:
                return (value + 459.67) * 5.0 / 9.0;
            default:
                return 0;
        }
    }
    // Kilometres per hour and grams divide rather than multiply, exactly as
    // written: value / 3.6 and value / 1000.
    if (category == UnitCategory::Speed && code == si::kKilometrePerHour) return value / 3.6;
    if (category == UnitCategory::Mass && code == si::kGram) return value / 1000;
    bool known = false;
    double f = Factor(category, code, known);
    return known ? value * f : 0;
}

double SeawaterDensity(double t, double s) {
    if (t < 0 || s < 0) return 1024.0;
    double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
    double pure = 999.842594 + 0.06793952 * t - 0.00909529 * t2 + 1.001685e-4 * t3 -
                  1.120083e-6 * t4 + 6.536336e-9 * t5;
    double a = 0.824493 - 0.0040899 * t + 7.6438e-5 * t2 - 8.2467e-7 * t3 + 5.3875e-9 * t4;
    double b = -0.00572466 + 0.00010227 * t - 1.6546e-6 * t2;
    return pure + a * s + b * s * std::sqrt(s) + 0.00048314 * s * s;
}

bool MetresOrFeetToSI(int code, double value, double& out) {
    switch (code) {
        case 1:
            out = value;
            return true;
        case 2:
            out = value == NoData ? NoData : ConvertToSI(UnitCategory::Length, si::kFoot, value);
            return true;
    }
    return false;
}

double MassToVolumeDensity(double rhoRef0, double api, double waterDensity) {
    if (rhoRef0 > 0) return rhoRef0;
    return 141.5 * waterDensity / (api + 131.5);
}

}  // namespace ormix
