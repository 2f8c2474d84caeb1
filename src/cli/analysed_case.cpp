#include "cli/analysed_case.h"

#include "cli/beam_json.h"
#include "fileio/file_bytes.h"
#include "settings/units_file.h"

namespace trabeo::cli {

std::variant<UnitSettings, std::string> LoadUnits(const std::optional<std::string>& unitsFile) {
  UnitSettings units;
  ApplyStartupDefaults(units);
  if (!unitsFile) return units;
  const auto bytes = ReadFileBytes(*unitsFile);
  if (!bytes) return "cannot read units file " + *unitsFile;
  DecodeUnitsFile(*bytes, units);
  return units;
}

std::variant<AnalysedCase, std::string> AnalyseCaseFile(
    const std::string& file, const std::optional<std::string>& unitsFile) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return "cannot read " + file;
  const auto parsed = ParseBeamJson(std::string(bytes->begin(), bytes->end()));
  if (const auto* problem = std::get_if<std::string>(&parsed)) return file + ": " + *problem;
  auto units = LoadUnits(unitsFile);
  if (const auto* problem = std::get_if<std::string>(&units)) return *problem;

  AnalysedCase analysed;
  analysed.units = std::get<UnitSettings>(std::move(units));
  analysed.project->model = std::get<BeamModel>(parsed);
  analysed.report = RunAnalysis(analysed.project->model, *analysed.state);
  return analysed;
}

}  // namespace trabeo::cli
