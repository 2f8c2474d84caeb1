#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <variant>
#include <vector>

#include "model/section_record.h"
#include "model/steel_grade.h"

namespace trabeo::cli {

// One use of the member capacity window, as `trabeo-cli member` reads it.
struct MemberCase {
  SectionRecord section;
  SteelGrade grade = SteelGrade::S275;
  // Box texts by name without the "Edit_" prefix; a number is typed as its shortest text.
  std::vector<std::pair<std::string, std::string>> boxes;
  std::vector<std::string> calculations;  // "MomentXX" ... "Torsion", in order
  std::vector<std::string> answers;
};

// The section of a member case: "Section", a record under its field names, or "Table" with
// "Designation"; or one message saying what is wrong.
std::variant<SectionRecord, std::string> MemberCaseSection(const nlohmann::json& json);

// The case from JSON text, or one message saying what is wrong with it. "Table" names a
// catalogue table by file name without ".sct" or "Misc" (read from the current folder).
std::variant<MemberCase, std::string> ParseMemberCase(const std::string& text);

}  // namespace trabeo::cli
