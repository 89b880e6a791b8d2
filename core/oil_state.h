// The oil as the model keeps it: the filled oil record in SI, completed by the
// oil preparation at the water temperature (fresh density and viscosity,
// emulsion values, minimum thickness, pseudo-components), and the
// evaporation table the preparation builds from it.
#pragma once

#include "core/constants.h"

namespace ormix {

struct OilState {
    char productType[8];
    double api;
    // Reference points: value, temperature (K), fraction evaporated.
    double rhoRef_value[kRefSlots], rhoRef_temp[kRefSlots], rhoRef_fevap[kRefSlots];
    double viscRef_value[kRefSlots], viscRef_temp[kRefSlots], viscRef_fevap[kRefSlots];
    double dyViscRef_value[kRefSlots], dyViscRef_temp[kRefSlots], dyViscRef_fevap[kRefSlots];
    int refSlots;
    double waterContent;        // maximum water content of the emulsion
    double emulsionAreaFactor;  // S_max (1/m)
    double waterUptakeRate;
    double viscMultiplier;
    double bullwinkleLow, bullwinkleHigh;  // fraction evaporated at the onset
    double bulltimeLow, bulltimeHigh;      // hours after release at the onset
    double asphalt, benzene, nickel, vanadium;
    double dropletMax;     // largest water droplet diameter (m)
    double dropletMin;     // smallest water droplet diameter (m)
    double viscEvapConst;  // viscosity-evaporation constant
    int distKind;          // 1 no cuts, 2 volume fractions, 3 weight fractions
    int cutCount;
    double dist_temp[kCuts], dist_frac[kCuts];
    double T0, TG;         // boiling-point line: initial point (K) and gradient
    double dispConst;      // natural dispersion constant
    double sedimentConst;  // oil-sediment constant
    double minThickness;   // m
    // Pseudo-components of the evaporation.
    int componentCount;
    double compMolarVolume[kMaxPseudoComponents];      // m3/mol
    double compMolecularWeight[kMaxPseudoComponents];  // kg/mol
    double compVapourPressure[kMaxPseudoComponents];   // Pa
    double compFraction[kMaxPseudoComponents];         // of the oil volume
};

// Columns of an evaporation-table row.
enum EvapColumn { kEvEx = 0, kEvRate, kEvFevap, kEvVp, kEvBenz, kEvMv };

struct EvaporationTable {
    int rows;  // rows in use
    double row[kMaxEvapRows][kEvapColumns];
};

}  // namespace ormix
