#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/analysis.h"

namespace trabeo::cli {

// Every result of an analysis under its own name, in internal units, with the messages.
nlohmann::json ResultsToJson(const BeamResults& results, const std::vector<std::string>& messages);

}  // namespace trabeo::cli
