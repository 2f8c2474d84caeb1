#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cli/analysed_case.h"

namespace trabeo::cli {

// The object "analyse --json" prints for an analysed case: every result, the messages, and the
// steel or timber check's values when the case asks for that check. The listing is the
// caller's to add.
nlohmann::json AnalysedCaseJson(const AnalysedCase& analysed);

// The same object on one line, as its compact dump (invalid UTF-8 replaced).
std::string AnalysedCaseJsonLine(const AnalysedCase& analysed);

}  // namespace trabeo::cli
