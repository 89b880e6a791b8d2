#include "cli/run_notes.h"

#include <CLI/CLI.hpp>
#include <random>

#include "model/run_length.h"
#include "output/output_time.h"
#include "scenario/calendar.h"

namespace ormix {

void AddSeedOption(CLI::App* cmd, std::optional<std::uint32_t>& seed) {
    cmd->add_option("--seed", seed,
                    "Seed of the model's random generator: the same seed repeats a run exactly");
    cmd->footer(
        "Runs are random: the spreading of the oil and the uncertainty cases draw random "
        "numbers, so two runs of one scenario differ a little unless they are given the same "
        "--seed. Without --seed the command draws a seed for the run; ormix run --account "
        "prints it.");
}

std::uint32_t SeedOfRun(const std::optional<std::uint32_t>& given) {
    if (given) return *given;
    std::random_device device;
    return static_cast<std::uint32_t>(device());
}

std::string RunLengthNote(const WeatheringModel& m, std::optional<std::time_t> firstRelease) {
    const RunLength r = RunLengthOf(m);
    if (r.end != RunEnd::LastWind) return {};
    const std::string hours = std::to_string(r.hours) + (r.hours == 1 ? " hour" : " hours");
    const std::string why =
        "a run follows the oil only while the wind is known (at most 120 hours from the first "
        "release)";
    if (!firstRelease)
        return "the run covers " + hours + ": the hourly winds end with hour " +
               std::to_string(r.hours) + ", and " + why;
    // Hour n of the run begins n - 1 hours after the initial release's clock
    // hour; the last one is the hour of the last wind record.
    const char* format = "%B %d, %H%M hours";
    return "the run covers " + hours + ", to " +
           FormatTime(ModelHourStart(*firstRelease, r.hours + 1), format) +
           ": the last wind record is at " +
           FormatTime(ModelHourStart(*firstRelease, r.hours), format) + ", and " + why;
}

}  // namespace ormix
