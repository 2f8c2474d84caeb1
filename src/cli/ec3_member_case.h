#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <variant>

#include "en1993/member_check.h"

namespace trabeo::cli {

// The code a member case is checked to: "Code": "BS5950" (the default) or "EN1993".
enum class MemberCode { BS5950, EN1993 };

// The case's code; a message when "Code" is anything else. Text that is not a JSON object is
// left to the BS 5950 reader, which says what is wrong with it.
std::variant<MemberCode, std::string> MemberCaseCode(const std::string& text);

// An EN 1993 member case, in the member window's units (m, kN, kN-m):
//   "Table"/"Designation" or "Section", "Grade" ("S275", "S355", "S460", or 43, 50, 55),
//   "NationalAnnex" ("UK" or "Recommended"), "Le", "Lcry", "Lcrz", "LLT", "NEd" ("Axial"),
//   "MyEd1", "MyEd2", "MzEd1", "MzEd2" ("MomAxx", "MomBxx", "MomAyy", "MomByy"), "VEd", "C1",
//   "Destabilising", "Restrained".
// The input in N, mm and N mm, or one message naming the key that cannot be taken.
std::variant<en1993::MemberInput, std::string> ParseEc3MemberCase(const nlohmann::json& json);

}  // namespace trabeo::cli
