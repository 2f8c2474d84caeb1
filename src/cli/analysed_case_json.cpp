#include "cli/analysed_case_json.h"

#include "cli/results_json.h"
#include "cli/steel_case_json.h"

namespace trabeo::cli {

namespace {

bool Checked(const ProjectSession& session, DesignCode designCode) {
  return session.model().DesignCode == designCode;
}

}  // namespace

nlohmann::json AnalysedCaseJson(const AnalysedCase& analysed) {
  const ProjectSession& session = *analysed.session;
  nlohmann::json json = ResultsToJson(session.results(), analysed.messages);
  if (Checked(session, DesignCode::BS5950))
    AddSteelCheckJson(json, session.project(), session.steelCheck(), *analysed.dialogs);
  if (const Ec3BeamCheck* ec3 = session.ec3Check())
    AddEc3CheckJson(json, *ec3, session.steelCheck());
  if (Checked(session, DesignCode::BS5268)) {
    const TimberBeamValues& timber = session.project().timber;
    json["TimberCheckFailed"] = timber.TimberCheckFailed;
    json["TimberVerdict"] = timber.TimberVerdict;
    json["ListColour"] = analysed.outcome.listColour == colors::kRed ? "red" : "black";
  }
  return json;
}

std::string AnalysedCaseJsonLine(const AnalysedCase& analysed) {
  const ProjectSession& session = *analysed.session;
  // A beam without a code check has its results alone: written straight, they take a fraction
  // of the time.
  if (session.model().DesignCode == DesignCode::None) {
    // A beam's line is some 17 kB whatever the beam: room for it is taken at once.
    std::string line;
    line.reserve(24 * 1024);
    AppendResultsJson(line, session.results(), analysed.messages);
    return line;
  }
  return AnalysedCaseJson(analysed).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace trabeo::cli
