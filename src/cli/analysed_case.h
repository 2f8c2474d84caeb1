#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/answer_dialogs.h"
#include "session/project_session.h"

namespace trabeo::cli {

// A beam case read from its JSON file and analysed in a session, as the end of the desktop
// program's entry sequence analyses it.
struct AnalysedCase {
  std::unique_ptr<ProjectSession> session;
  std::unique_ptr<AnswerDialogs> dialogs;  // the questions the checks put, as answered
  AnalysisOutcome outcome;
  // Every message in the order it arose: the section pick's, then the analysis' with the
  // checks' own.
  std::vector<std::string> messages;
};

// The unit settings: the start-up defaults, or those a units file holds over them; a message
// when the file cannot be read.
std::variant<UnitSettings, std::string> LoadUnits(const std::optional<std::string>& unitsFile);

// Reads the case and the units (the start-up defaults, or those a units file holds over them),
// gives the beam the case's section and restraints as the forms would, and analyses it in a
// session started in the current folder, answering the checks' questions from the case. Either
// the analysed case or what is wrong with the input. A caller that shows no listing may spare
// its writing where no code check needs it.
std::variant<AnalysedCase, std::string> AnalyseCaseFile(
    const std::string& caseFile, const std::optional<std::string>& unitsFile,
    ProjectSession::Listing listing = ProjectSession::Listing::Written);

// The same for a case already read: `caseText` is the file's text and `caseName` names it at the
// head of each message ("NAME: what is wrong"); the session starts in `startFolder`, which a
// batch finds once for all its cases. Only its JSON is wanted, so a beam without a code check is
// analysed without its listing.
std::variant<AnalysedCase, std::string> AnalyseCaseText(std::string_view caseText,
                                                        const std::string& caseName,
                                                        const UnitSettings& units,
                                                        const std::filesystem::path& startFolder);

// The messages, then the reactions, applied load and extremes in kN, kN-m and mm.
void PrintResultsSummary(const BeamResults& results, const std::vector<std::string>& messages,
                         std::ostream& out);

}  // namespace trabeo::cli
