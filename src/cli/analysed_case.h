#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "beam_input/beam_project.h"
#include "engine/analysis.h"
#include "settings/unit_settings.h"

namespace trabeo::cli {

// A beam case read from its JSON file and analysed, with the unit settings it is shown in.
struct AnalysedCase {
  // Large (the results and stores hold thousands of values): kept on the heap.
  std::unique_ptr<BeamProject> project = std::make_unique<BeamProject>();
  std::unique_ptr<AnalysisState> state = std::make_unique<AnalysisState>();
  AnalysisReport report;
  UnitSettings units;
};

// The unit settings: the start-up defaults, or those a units file holds over them; a message
// when the file cannot be read.
std::variant<UnitSettings, std::string> LoadUnits(const std::optional<std::string>& unitsFile);

// Reads, parses and analyses a beam case as "analyse" does, in the units of the units file
// when one is given. The message says what went wrong: the file cannot be read, its JSON is
// refused, or the units file cannot be read.
std::variant<AnalysedCase, std::string> AnalyseCaseFile(
    const std::string& file, const std::optional<std::string>& unitsFile);

}  // namespace trabeo::cli
