#include "cli/ics_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/console_sink.h"
#include "cli/scenario_options.h"
#include "output/ics_table.h"
#include "scenario/calendar.h"

namespace ormix {

namespace {

const char kBeginForm[] = "expected \"MM/DD HH\" (month/day hour), e.g. \"03/14 06\"";

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
    // The calendar would roll 31 April over into May: refuse a day that the
    // month does not have in the period's year.
    const CalendarFields begins = Fields(IcsPeriodBeginning(doc->SpillTime, period));
    if (begins.month != period.month || begins.day != period.day) {
        const CalendarFields release = Fields(doc->SpillTime);
        const int year = release.year + (release.month == 12 && period.month == 1 ? 1 : 0);
        messages.Error("--begin " + options.begin + ": there is no such day in " +
                       std::to_string(year));
        return 1;
    }
    const IcsTable table = BuildIcsTable(*doc, period);
    char line[160];
    std::snprintf(line, sizeof line,
                  "Operational Period Beginning = %02d/%02d %02d00, Duration = %d hours\n\n",
                  period.month, period.day, period.hour, table.period.duration);
    out << line << table.text;
    if (!table.hasResults) out << "\n";
    if (!options.exportFile.empty() && !WriteIcsExport(options.exportFile, table, messages))
        return 1;
    return doc->dumpFailed ? 1 : 0;
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
