// An oil library file: the oil library `OilLib`, which the program only
// reads, or the person's own oils, `CustomLib`, which it rewrites.
//
// Line 1 identifies the file (version, date of the last change, the word
// "ormix"), line 2 names the columns, every further line is one oil. Loading
// keeps a short summary of every oil for the oil lists; a whole record is
// read on demand from its byte position.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "oil/oil_fields.h"
#include "oil/table_file.h"

namespace ormix {

// Load result of a file whose first line lacks the magic word.
inline constexpr int kNotAnOilLibrary = 10000;
// The oil to change or remove is no longer in the file: another program
// has removed it (or the file no longer tells it apart) since it was read.
inline constexpr int kOilGone = 10001;
// A new oil's ID is held by an oil of the file already (made by another
// program at the same moment): the oil needs another ID.
inline constexpr int kOilIdInUse = 10002;

enum class TemperatureUnit { Celsius, Fahrenheit };

// One oil of a library, for the oil lists.
struct OilSummary {
    long position = 0;      // byte position of the oil's line
    float apiKey = 9999;    // API x 10, 9999 without an API
    float pourKeyC = 9999;  // pour point sort keys
    float pourKeyF = 9999;
    std::string name;       // field 1 up to its first comma (31 characters)
    std::string source;     // field 1 after its first comma (15 characters)
    std::string location;   // 31 characters
    std::string apiText;    // API with 1 decimal (7 characters)
    std::string pourTextC;  // pour point range in whole degrees (23 characters)
    std::string pourTextF;
    std::string oilId;     // field 2
    std::string fullName;  // field 1 whole, for look-ups by name
};

class OilLibrary : public TableFile {
public:
    static constexpr int kTextWidth = 63;  // version and date texts
    static constexpr int kSummaryGrowth = 2000;

    // The library `fileName` ("OilLib", "CustomLib") in `workDir` (the
    // current directory when empty).
    OilLibrary(const std::string& workDir, const std::string& fileName);
    static std::string PathIn(const std::string& workDir, const std::string& fileName);

    // Builds the summaries unless they exist. 0, kTableNotFound, kTableEnd,
    // kTableLineTooLong, kTableNoMemory or kNotAnOilLibrary.
    int Load();
    bool HasSummaries() const { return hasSummaries_; }
    const std::string& Version() const { return version_; }
    const std::string& Date() const { return date_; }
    const std::vector<OilSummary>& Summaries() const { return summaries_; }
    // The summary of the oil at `position`, or null.
    const OilSummary* SummaryAt(long position) const;

    // Rewrite the file with the current fields saved as the oil at
    // `position` (a negative position adds a new oil at the end), or with
    // the oil at `position` removed. The new file is written completely
    // beside the library and then replaces it in one step: on any failure the
    // library stays exactly as it was. The summaries are built again.
    //
    // Other programs may change the same file at the same time: the rewrite
    // holds the file's lock (core/file_lock.h) while it reads the file again
    // and replaces it, and finds the oil that the summaries held show at
    // `position` again by its ID (by its name when it has none). kOilGone
    // when it is no longer there; kOilIdInUse when a new oil's ID is taken.
    // On failure the summaries and the fields stay as they were.
    int SaveRecord(long position);
    int DeleteRecord(long position);

    // Reads the oil whose summary is at `position` into the fields. When
    // the file has changed since it was loaded, the oil is read from the
    // file as it is now, found by its ID; the summaries held stay as they
    // are. kOilGone when it is no longer there.
    int ReadOil(long position);

    // Clears the fields and copies fields 1 to 159 of the other library's
    // oil at `position` into them.
    int CopyRecordFrom(OilLibrary& other, long position);

    // A temperature range of the current record from a minimum and a
    // maximum field (the minimum may hold "<" or ">"), e.g. "less than -7".
    std::string RangeText(int minField, int maxField, TemperatureUnit units, int decimals) const;
    // The pour point sort key of the current record.
    float PourPointKey(TemperatureUnit units) const;
    // A temperature in K as text in the unit; empty for NoData.
    static std::string TemperatureText(double kelvin, TemperatureUnit units, int decimals);

    // The clock whose day is written into line 1 by a rewrite.
    void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

private:
    // What tells an oil of the file apart while other programs change it.
    struct Identity {
        std::string id, name;
        long position = -1;
    };

    // The minimum field's range marker ('<', '>') or 0.
    char RangeMarker(int minField) const;
    void AddSummary();
    int Rewrite(long position, bool save);
    // The rewrite, done by a fresh view of the file (this object) with the
    // record and the oil of the library object `edited`.
    int RewriteOf(const OilLibrary& edited, long position, bool save, const Identity* wanted);
    static Identity IdentityOf(const OilSummary& s);
    // The position of the oil in the summaries, or -1.
    long FindAgain(const Identity& wanted) const;
    bool CurrentRecordIs(const Identity& wanted) const;

    std::string version_, date_;
    std::vector<OilSummary> summaries_;
    bool hasSummaries_ = false;
    long line1Length_ = 0;
    bool endsWithLineEnd_ = true;
    std::function<std::time_t()> clock_;
};

}  // namespace ormix
