#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "model/beam_model.h"

namespace trabeo::cli {

// The design codes a case may give, and the message for any other number.
inline constexpr std::array<DesignCode, 7> kCaseDesignCodes = {
    DesignCode::None, DesignCode::BS5950, DesignCode::BS5268, DesignCode::BS449,
    DesignCode::AISC, DesignCode::LRFD,   DesignCode::EN1993};
inline constexpr std::string_view kUnknownDesignCodeMessage =
    "DesignCode must be one of 0, 5950, 5268, 449, 3, 9, 1993";

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
