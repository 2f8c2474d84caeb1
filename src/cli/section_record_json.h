#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "model/section_record.h"

namespace trabeo::cli {

// A section record from JSON under the field names that `sections --json` prints
// (SectionRecordJson): "Designation" and "Type" as texts, every other field a finite number.
// Fields left out are 0 (or empty); an unknown field or a value of the wrong kind is refused
// with a message in `problem`.
std::optional<SectionRecord> SectionRecordFromJson(const nlohmann::json& json,
                                                   std::string& problem);

}  // namespace trabeo::cli
