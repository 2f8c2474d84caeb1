#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "engine/beam_model.h"

namespace trabeo::cli {

// A beam described in JSON, in internal units:
//   { "LhCantilever": 1500, "MainSpan": 6000, "RhCantilever": 0,
//     "LhSupportKind": -1, "RhSupportKind": 1, "E": 205000, "Ixx": 1.2e8,
//     "FibreDistance": 150, "DesignCode": 0,
//     "LoadTable": [ {"Kind": 1, "Position": 2000, "Intensity": 10000, "Factor": 1.4}, ... ],
//     "SelfWeight": {"Intensity": 0.3, "Factor": 1.4, "Applied": 1} }
// Either the model or a message saying what is wrong with the input.
std::variant<BeamModel, std::string> ParseBeamJson(std::string_view text);
// The same for text already parsed.
std::variant<BeamModel, std::string> ParseBeamJson(const nlohmann::json& root);

}  // namespace trabeo::cli
