#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "en1993/member_check.h"

namespace trabeo::cli {

// The results of an EN 1993 member check under their batch names, in N, N mm, mm and N/mm2;
// a value that does not apply is null.
nlohmann::ordered_json Ec3MemberJson(const en1993::MemberResult& result);

// `trabeo-cli member` for a case with "Code": "EN1993": the detail lines, or with `json` the
// results object. A case the check refuses gives its message on `err` and status 2.
int RunEc3MemberCase(const std::string& text, bool json, std::ostream& out, std::ostream& err);

}  // namespace trabeo::cli
