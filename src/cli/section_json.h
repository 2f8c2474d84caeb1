#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "model/section_record.h"

namespace trabeo::cli {

// A section record under its field names, every single shown as the shortest decimal that reads
// back as the same single (203.2, not 203.1999969482422). Padding and reserved slots are left
// out.
nlohmann::ordered_json SectionRecordJson(const SectionRecord& record);

// A single as the shortest decimal that reads back as the same single.
double SingleAsDecimal(float value);

// Texts from files may hold bytes that are not UTF-8; they are replaced rather than refused.
std::string DumpJson(const nlohmann::ordered_json& json);

}  // namespace trabeo::cli
