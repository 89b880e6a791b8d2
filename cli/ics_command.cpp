#include "cli/ics_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/console_sink.h"
#include "cli/scenario_options.h"
#include "output/ics_table.h"
#include "output/output_time.h"
#include "scenario/calendar.h"

namespace ormix {

namespace {

const char kBeginForm[] = "expected \"MM/DD HH\" (month/day hour), e.g. \"03/14 06\"";

constexpr char kNoResults[] = ": it holds no results, and every value of the table is 0";

// What the table cannot show of the period asked for: a duration kept
// within 0 to 24 hours, a period that lies outside the run, or partly.
void WarnAboutPeriod(const IcsCommandOptions& options, const CSpillDoc& doc, const IcsTable& table,
                     MessageSink& messages) {
    const int duration = table.period.duration;
    if (options.duration != duration)
        messages.Warning("--duration " + std::to_string(options.duration) +
                         ": an operational period lasts 0 to 24 hours; the table is for " +
                         std::to_string(duration) + " hours");
    if (!table.hasResults) return;
    const std::string begins =
        FormatTime(IcsPeriodBeginning(doc.SpillTime, table.period), "%m/%d %H%M");
    const std::string runEnds =
        "the run covers " + std::to_string(table.runHours) + " hours, to " +
        FormatTime(ModelHourStart(doc.SpillTime, table.runHours + 1), "%B %d, %H%M hours");
    switch (table.coverage.coverage) {
        case IcsCoverage::Whole:
            break;
        case IcsCoverage::BeforeRelease:
            messages.Warning("the operational period begins at " + begins +
                             ", before the initial release (" +
                             FormatTime(doc.SpillTime, "%B %d, %H%M hours") + ")" + kNoResults);
            break;
        case IcsCoverage::NoLength:
            messages.Warning(std::string("the operational period lasts 0 hours") + kNoResults);
            break;
        case IcsCoverage::AfterRun:
            messages.Warning("the operational period begins at " + begins +
                             ", after the end of the run (" + runEnds + ")" + kNoResults);
            break;
        case IcsCoverage::Part:
            messages.Warning("the operational period runs past the end of the run (" + runEnds +
                             "): it holds results for its first " +
                             std::to_string(table.coverage.hours) + " of " +
                             std::to_string(duration) + " hours only");
            break;
    }
}

}  // namespace

bool ParseIcsBeginning(const std::string& text, int& month, int& day, int& hour) {
    int m = 0, d = 0, h = 0, used = 0;
    if (std::sscanf(text.c_str(), " %2d/%2d %2d %n", &m, &d, &h, &used) != 3) return false;
    if (static_cast<size_t>(used) != text.size()) return false;
    if (m < 1 || m > 12 || d < 1 || d > 31 || h < 0 || h > 23) return false;
    month = m;
    day = d;
    hour = h;
    return true;
}

int RunIcsCommand(const IcsCommandOptions& options, std::ostream& out, MessageSink& messages) {
    IcsPeriod chosen;
    const bool given = !options.begin.empty();
    if (given && !ParseIcsBeginning(options.begin, chosen.month, chosen.day, chosen.hour)) {
        messages.Error("--begin " + options.begin + ": " + kBeginForm);
        return 1;
    }
    int rc = 0;
    auto doc = LoadAndSolve(options.run, messages, rc);
    if (rc != 0) return rc;
    IcsPeriod period = given ? chosen : InitialIcsPeriod(doc->SpillTime);
    period.duration = ClampIcsDuration(options.duration);
    // The calendar would roll 31 April over into May: refuse a time that the
    // period's year does not have.
    const CalendarFields release = Fields(doc->SpillTime);
    const int year = release.year + (release.month == 12 && period.month == 1 ? 1 : 0);
    const std::string noSuch = NoSuchLocalTime(year, period.month, period.day, period.hour);
    if (!noSuch.empty()) {
        messages.Error("--begin " + options.begin + ": " + noSuch);
        return 1;
    }
    const IcsTable table = BuildIcsTable(*doc, period);
    WarnAboutPeriod(options, *doc, table, messages);
    char line[160];
    std::snprintf(line, sizeof line,
                  "Operational Period Beginning = %02d/%02d %02d00, Duration = %d hours\n\n",
                  period.month, period.day, period.hour, table.period.duration);
    out << line << table.text;
    if (!table.hasResults) out << "\n";
    if (!options.exportFile.empty() && !WriteIcsExport(options.exportFile, table, messages))
        return 1;
    return 0;
}

void AddIcsCommand(CLI::App& app) {
    auto options = std::make_shared<IcsCommandOptions>();
    auto* cmd = app.add_subcommand(
        "ics",
        "Run a spill scenario and print the ICS 209-OS Box 3 table of one operational "
        "period, in barrels");
    AddScenarioOptions(cmd, options->run);
    cmd->add_option("--begin", options->begin,
                    "Beginning of the operational period, \"MM/DD HH\" (default: the hour of the "
                    "initial release)");
    cmd->add_option("--duration", options->duration,
                    "Length of the operational period in hours, 0 to 24 (default 8)");
    cmd->add_option("--export", options->exportFile,
                    "Write the period's two-line export file (ICS209.txt format) here");
    cmd->callback([options]() {
        ConsoleSink sink;
        int rc = RunIcsCommand(*options, std::cout, sink);
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
