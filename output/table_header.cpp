#include "output/table_header.h"

#include "output/text_cells.h"
#include "scenario/calendar.h"

namespace ormix {

const char* WindSpeedUnitName(int index) {
    switch (index) {
        case 0:
            return "mph";
        case 1:
            return "knots";
        case 2:
            return "m/s";
    }
    return "";
}

const char* TemperatureUnitName(int code) {
    return code == 2 ? "C" : "F";
}

std::string TableHeaderBlock(const SpillDocData& doc, const std::string& totalReleased) {
    std::string h;
    h += "Oil Name = " + doc.OilName + "\n";
    h += "API = " + doc.API + std::string(8, '\t') + "Pour Point = " + doc.PourPoint + "\n";
    h += "Wind Speed = ";
    if (doc.m_bVarWind)
        h += "variable winds\t";
    else
        h += Printf("constant at %.0f %s\t", doc.m_dWindSpeed,
                    WindSpeedUnitName(doc.m_iWindSpeedUnit));
    h += "Wave Height = ";
    if (doc.m_iWaveHeightChooser == 1)
        h += "computed from wind speed and fetch";
    else if (doc.m_iWaveHeightChooser == 2)
        h += Printf("%.0f %s", doc.m_dWaveHeight, doc.m_iWaveHeightUnit == 1 ? "feet" : "meters");
    else
        h += "computed from winds";
    h += "\n";
    h += Printf("Water temperature = %.0f deg %s\n", doc.inputWater.temperature,
                TemperatureUnitName(doc.inputWater.tempUnits));
    h += FormatTime(doc.SpillTime, "Time of Initial Release = %B %d, %H%M hours") + "\n";
    if (!totalReleased.empty()) h += totalReleased + "\n";
    h += std::string(67, '-') + "\n";
    return h;
}

}  // namespace ormix
