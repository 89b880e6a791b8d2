// The series of the eleven graphs: which results each graph plots, in which
// unit, over which value range, under which title. The drawing itself
// belongs to the desktop program, which uses these series as they are.
#pragma once

#include "model/weathering_model.h"
#include "output/output_series.h"

namespace ormix {

// Graph kinds, by their codes. The oil budget graph is built from the oil
// budget series (BuildBudgetGraphSeries) and has no code of its own here;
// kOilBudgetGraph stands for it where a graph is named by a number.
enum GraphKind {
    kBenzeneGraph = 0,
    kDensityGraph = 1,
    kViscosityGraph = 2,
    kWaterGraph = 3,
    kRemainGraph = 4,
    kEvaporationGraph = 6,
    kDisperseGraph = 7,
    kBurnGraph = 8,
    kSkimGraph = 9,
    kBeachGraph = 10,
    kOilBudgetGraph = 11
};

// Units of the property graphs (the budget graphs use BudgetUnit codes).
enum PropertyGraphUnit {
    kBenzenePpm = 0,
    kDensityKgPerCubicMetre = 1,
    kDensityGramsPerCc = 2,
    kViscosityCentistokes = 0,
    kViscosityCentipoise = 1,
    kViscositySaybolt = 2,
    kWaterFraction = 0,
    kWaterPercent = 1
};

// Whether `kind` is a graph (0..4, 6..10, or the oil budget graph) and
// whether it plots a budget quantity.
bool IsGraphKind(int kind);
bool IsBudgetGraph(int kind);

// "Oil Density", "Oil Budget", ...; "" for an unknown kind.
const char* GraphTitle(int kind);

// The label of a unit of a graph kind ("kg/cu m", "cSt", "metric tonnes",
// ...); "" when the kind has no such unit.
const char* GraphUnitLabel(int kind, int unit);
bool IsGraphUnit(int kind, int unit);

// Property conversions; a negative value or an unknown unit gives -999.
// Density from kg/m3; water content from a fraction.
double ConvertDensity(int unit, double kgPerCubicMetre);
double ConvertWaterContent(int unit, double fraction);
// Viscosity from m2/s; centipoise use the oil density at the water
// temperature (kg/m3), Saybolt seconds the water temperature (K).
double ConvertViscosity(int unit, double squareMetresPerSecond, double oilDensity,
                        double waterTemperature);

// The four series of a single-quantity graph, one value per output step:
// properties 0 low, 1 mean, 2 second mean, 3 high; budget quantities 0 low,
// 1 best, 2 none (-999), 3 high, each in percent or fraction of the amount
// released in the same run. The value range is widened over the data and
// then set as each kind wants it (density always 500..1100 kg/m3, water
// content 0..1, budget quantities from 0, fraction and percent up to 1 or
// 100). An unknown kind gives a set without steps.
OutputSeries BuildGraphSeries(const WeatheringModel& m, int kind, int unit);

// The oil budget graph: the seven oil budget series in `unit`, from 0 to the
// largest amount released.
OutputSeries BuildBudgetGraphSeries(const WeatheringModel& m, int unit);

}  // namespace ormix
