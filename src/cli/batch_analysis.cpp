#include "cli/batch_analysis.h"

#include <fstream>
#include <variant>

#include "cli/analysed_case.h"
#include "cli/analysed_case_json.h"
#include "cli/commands.h"

namespace trabeo::cli {
namespace {

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

BatchLine AnalyseBatchCase(std::string_view caseText, const std::string& caseName,
                           const UnitSettings& units, const std::filesystem::path& startFolder) {
  const auto analysed = AnalyseCaseText(caseText, caseName, units, startFolder);
  if (const auto* problem = std::get_if<std::string>(&analysed))
    return {nlohmann::json{{"Error", *problem}}.dump(-1, ' ', false,
                                                     nlohmann::json::error_handler_t::replace),
            true};
  return {AnalysedCaseJsonLine(std::get<AnalysedCase>(analysed)), false};
}

BatchTally AnalyseBatch(std::istream& cases, const std::string& fileName, const UnitSettings& units,
                        std::ostream& out) {
  BatchTally tally;
  // Every case starts in the current folder; asking the system for it costs as much as a tenth
  // of an analysis, so it is asked once. A folder that cannot be named leaves the path empty.
  std::error_code unnamed;
  const std::filesystem::path startFolder = std::filesystem::current_path(unnamed);
  std::string line;
  for (long lineNumber = 1; std::getline(cases, line); ++lineNumber) {
    if (IsBlank(line)) continue;
    const BatchLine result =
        AnalyseBatchCase(line, fileName + ":" + std::to_string(lineNumber), units, startFolder);
    out << result.json << '\n';
    ++tally.cases;
    if (result.failed) ++tally.failed;
  }
  tally.readFailed = cases.bad();
  return tally;
}

int RunAnalyseBatch(const std::string& file, const std::optional<std::string>& unitsFile,
                    std::ostream& out, std::ostream& err) {
  const auto units = LoadUnits(unitsFile);
  if (const auto* problem = std::get_if<std::string>(&units)) {
    err << "trabeo-cli analyse: " << *problem << "\n";
    return kExitBadInput;
  }
  std::ifstream cases(file, std::ios::binary);
  if (!cases) {
    err << "trabeo-cli analyse: cannot read " << file << "\n";
    return kExitBadInput;
  }
  const BatchTally tally = AnalyseBatch(cases, file, std::get<UnitSettings>(units), out);
  if (tally.readFailed) {
    err << "trabeo-cli analyse: cannot read " << file << " beyond case " << tally.cases << "\n";
    return kExitBadInput;
  }
  if (tally.failed > 0) {
    err << "trabeo-cli analyse: " << tally.failed << " of " << tally.cases << " cases failed\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace trabeo::cli
