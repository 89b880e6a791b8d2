// A saved scenario as JSON: {"document": {...}} holds every value of the
// scenario file under the names of scenario_fields.h, grouped as the file
// groups them (docs/scenario-format.md, "Saved scenarios"). Unlike the
// scenario a person writes, it is not checked by the dialogs: it is the
// document itself, so that a scenario file converts to JSON and back without
// losing a bit.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "scenario/spill_doc.h"

namespace ormix {

inline constexpr char kDocumentKey[] = "document";

// The JSON text of a saved scenario. Fails, naming the value, for a number
// that JSON cannot hold (not finite) or a time the calendar cannot show.
bool WriteDocumentJson(const SpillDocData& d, std::string& text, std::string& error);

// Reads the value of "document" into `d`. Every field must be present with
// its type (whole numbers, numbers, true or false, texts, times with their
// UTC offset, arrays of the file's sizes); unknown keys are refused. On
// failure `path` names the value and `d` is unchanged.
bool ReadDocumentJson(const nlohmann::json& document, SpillDocData& d, std::string& path,
                      std::string& error);

// A time as the saved form writes it: local date and time with the offset
// from UTC, "2026-03-14 06:00:00 -04:00"; and back (false when malformed).
bool FormatDocumentTime(std::time_t t, std::string& text);
bool ParseDocumentTime(const std::string& text, std::time_t& t);

}  // namespace ormix
