// Unit conversion into the model's SI units, and the density of seawater.
#pragma once

namespace ormix {

enum class UnitCategory {
    Length = 0,
    Area = 1,
    Volume = 2,
    Time = 3,
    Temperature = 4,
    Mass = 5,
    Speed = 6
};

// Codes of ConvertToSI within each category. Code 0 is the SI unit itself,
// except for mass, where 0 is the gram and 1 the kilogram.
namespace si {
enum Length { kMetre = 0, kMillimetre, kCentimetre, kKilometre, kInch, kFoot, kYard, kMile };
enum Area {
    kSquareMetre = 0,
    kSquareMillimetre,
    kSquareCentimetre,
    kSquareKilometre,
    kAre,
    kHectare,
    kSquareInch,
    kSquareFoot,
    kSquareYard,
    kAcre,
    kSquareMile
};
enum Volume {
    kCubicMetre = 0,
    kCubicMillimetre,
    kCubicCentimetre,
    kCubicInch,
    kCubicFoot,
    kCubicYard,
    kPint,
    kQuart,
    kGallon,
    kBarrel
};
enum Time { kSecond = 0, kMinute, kHour, kDay };
enum Temperature { kKelvin = 0, kCelsius, kFahrenheit };
enum Mass { kGram = 0, kKilogram = 1, kMetricTon = 2, kPound = 4, kShortTon = 6 };
enum Speed {
    kMetrePerSecond = 0,
    kKilometrePerHour,
    kInchPerSecond,
    kFootPerSecond,
    kFootPerMinute,
    kKnot,
    kMph
};
}  // namespace si

// A value in a person's unit turned into SI; an unknown code gives 0.
double ConvertToSI(UnitCategory category, int code, double value);

// One-atmosphere density of seawater (kg/m3) at temperature t (deg C) and
// salinity s; 1024 when either is negative.
double SeawaterDensity(double t, double s);

// A length in metres (code 1) or feet (code 2) into metres; the unset value
// stays unset. False for any other code, leaving `out` as it was.
bool MetresOrFeetToSI(int code, double value, double& out);

// The density that turns a mass into a volume: the first density point of the
// oil, or, when that is not positive, one estimated from the API gravity.
double MassToVolumeDensity(double rhoRef0, double api, double waterDensity);

}  // namespace ormix
