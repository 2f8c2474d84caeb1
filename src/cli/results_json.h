#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/analysis.h"

namespace trabeo::cli {

// Every result of an analysis under its own name, in internal units, with the messages.
nlohmann::json ResultsToJson(const BeamResults& results, const std::vector<std::string>& messages);

// The same object appended to `line` as its compact dump would write it, byte for byte, without
// building it first: for a batch of plain beams, building and writing the object took most of
// the time.
void AppendResultsJson(std::string& line, const BeamResults& results,
                       const std::vector<std::string>& messages);

}  // namespace trabeo::cli
