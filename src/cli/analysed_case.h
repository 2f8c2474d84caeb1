#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "session/project_session.h"

namespace trabeo::cli {

// A beam case read from its JSON file and analysed in a session, as the end of the desktop
// program's entry sequence analyses it.
struct AnalysedCase {
  std::unique_ptr<ProjectSession> session;
  AnalysisOutcome outcome;
};

// Reads the case and the units (the start-up defaults, or those a units file holds over them)
// and analyses the beam in a session started in the current folder. Either the analysed case or
// what is wrong with the input.
std::variant<AnalysedCase, std::string> AnalyseCaseFile(
    const std::string& caseFile, const std::optional<std::string>& unitsFile);

// The messages, then the reactions, applied load and extremes in kN, kN-m and mm.
void PrintResultsSummary(const BeamResults& results, const std::vector<std::string>& messages,
                         std::ostream& out);

}  // namespace trabeo::cli
