// The wind and wave dialog: a constant wind, or a list of timed wind records
// with their fetches; the wind speed uncertainty; the hourly wind records the
// model reads; and the compass picture that sets a direction by a click.
#pragma once

#include <string>
#include <vector>

#include "scenario/dialog_result.h"
#include "scenario/release_dialogs.h"
#include "scenario/spill_doc.h"

namespace ormix {

// Unit selectors of the wind dialog (choice indices).
struct WindUnits {
    int speed = 0;       // 0 mph, 1 knots, 2 m/s (constant wind)
    int fetch = 0;       // 0 miles, 1 km
    int waveHeight = 0;  // 0 meters, 1 feet
    int varSpeed = 0;    // as speed, for the wind records
    int varWaveHeight = 0;
    int varFetch = 0;
};

enum WaveChoice { kWavesFromWind = 0, kWavesFromFetch = 1, kKnownWaveHeight = 2 };

struct ConstantWindEntries {
    std::string speed, direction;
    WindUnits units;
    int waveChoice = kWavesFromWind;
    std::string fetch;
    std::string waveHeight;
};

// The wind dialog's OK with a constant wind: checks, stores, and builds the
// hourly records.
DialogResult ConstantWindDialogOK(CSpillDoc& doc, const ConstantWindEntries& e);

// One row of the wind record list as the dialog shows it.
struct WindRecordRow {
    DayAndHour when;
    std::string speed, direction, waveHeight;  // wave height empty when not given
};

// The wind record list being edited in the dialog: kept sorted by time, at
// most 120 records.
class WindRecordList {
public:
    // Starts from the document's records.
    explicit WindRecordList(const CSpillDoc& doc);

    enum class AddOutcome { Added, Refused, AlreadyExists };

    // Checks the row (speed, direction and wave height as a constant wind's)
    // and appends it. A row for a month, day and hour already in the list is
    // not added: the outcome asks the replace question (ReplaceQuestion()),
    // and Replace() answers it with yes.
    AddOutcome Add(const WindRecordRow& row, int speedUnit, int waveHeightUnit,
                   DialogResult& result);
    void Replace(const WindRecordRow& row);
    // "Wind record already exists for ..." for the row's time.
    std::string ReplaceQuestion(const WindRecordRow& row) const;
    bool Remove(size_t index);

    const std::vector<WindRecordRow>& Rows() const { return rows_; }

private:
    int Find(const WindRecordRow& row) const;
    void Sort();
    std::time_t SortTime(const WindRecordRow& row, bool anyDecember) const;

    std::time_t spillTime_;
    std::vector<WindRecordRow> rows_;
};

struct VariableWindEntries {
    std::vector<WindRecordRow> rows;  // as the list holds them
    WindUnits units;
    int waveChoice = kWavesFromWind;
};

// The wind dialog's OK with timed wind records: stores them, shows the
// coverage warnings, and builds the hourly records.
DialogResult VariableWindDialogOK(CSpillDoc& doc, const VariableWindEntries& e);

// The fetch dialog of the timed winds: one fetch per direction, empty for an
// unlimited fetch.
struct FetchEntries {
    std::string north, east, south, west;
    int unit = 0;  // 0 miles, 1 km
};
DialogResult FetchDialogOK(CSpillDoc& doc, const FetchEntries& e);

// The wind speed uncertainty; empty for none.
DialogResult WindUncertaintyDialogOK(CSpillDoc& doc, const std::string& value, int unit);

// Turns the document's wind into 120 hourly records of InputWindWave; the
// wind input counts as entered only when that succeeds.
void BuildHourlyWindRecords(CSpillDoc& doc);

// The compass picture: a click dx pixels right and dy pixels down from its
// centre. Returns false when the click is more than 80 pixels away.
struct CompassClick {
    int direction;                 // degrees
    int windSpeed;                 // whole units of the wind dialog's speed unit
    std::string currentSpeed;      // "%.1f"
    std::string currentDirection;  // "%.0f"
};
bool CompassBullseye(int dx, int dy, CompassClick& out);

}  // namespace ormix
