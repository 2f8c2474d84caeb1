#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "beam_input/beam_project.h"
#include "engine/analysis.h"
#include "settings/unit_settings.h"

namespace trabeo::cli {

// A beam case read from its JSON file and analysed as the end of the desktop program's entry
// sequence analyses it, with the unit settings it is shown in.
struct AnalysedCase {
  // Large (the stores and results hold thousands of values): kept off the stack.
  std::unique_ptr<BeamProject> project = std::make_unique<BeamProject>();
  std::unique_ptr<AnalysisState> state = std::make_unique<AnalysisState>();
  UnitSettings units;
  AnalysisReport report;
};

// Reads the case and the units (the start-up defaults, or those a units file holds over them)
// and analyses the beam. Either the analysed case or what is wrong with the input.
std::variant<AnalysedCase, std::string> AnalyseCaseFile(
    const std::string& caseFile, const std::optional<std::string>& unitsFile);

// The messages, then the reactions, applied load and extremes in kN, kN-m and mm.
void PrintResultsSummary(const BeamResults& results, const std::vector<std::string>& messages,
                         std::ostream& out);

}  // namespace trabeo::cli
