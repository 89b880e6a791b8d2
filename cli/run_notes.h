// What a command that runs the model tells besides its results: the seed
// the run used, and how many hours it covers when that is less than the
// 120 hours a run can cover.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "model/weathering_model.h"

namespace CLI {
class App;
}

namespace ormix {

// The seed a run uses: the one given, or one drawn now, so that every run
// can be repeated exactly with --seed.
std::uint32_t SeedOfRun(const std::optional<std::uint32_t>& given);

// Why the run covers fewer than 120 hours, for standard error; empty when it
// covers them all. `firstRelease` dates the last wind record.
std::string RunLengthNote(const WeatheringModel& m, std::optional<std::time_t> firstRelease);

// Adds --seed to a command that runs the model, and to its help the word
// that runs are random unless seeded.
void AddSeedOption(CLI::App* cmd, std::optional<std::uint32_t>& seed);

}  // namespace ormix
