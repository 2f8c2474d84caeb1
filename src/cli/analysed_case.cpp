#include "cli/analysed_case.h"

#include "beam_input/load_entry.h"
#include "cli/answer_dialogs.h"
#include "cli/beam_json.h"
#include "cli/steel_case_json.h"
#include "cli/timber_case_json.h"
#include "fileio/file_bytes.h"
#include "settings/sig_fig.h"
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
    const std::string& caseFile, const std::optional<std::string>& unitsFile) {
  const auto bytes = ReadFileBytes(caseFile);
  if (!bytes) return "cannot read " + caseFile;
  const std::string text(bytes->begin(), bytes->end());
  // A timber case takes E, Ixx and the fibre distance from its section.
  const auto parsed = ParseBeamJson(BeamTextOfCase(text));
  if (const auto* problem = std::get_if<std::string>(&parsed)) return caseFile + ": " + *problem;
  const auto steelCase = ParseSteelCase(text);
  if (const auto* problem = std::get_if<std::string>(&steelCase)) return caseFile + ": " + *problem;
  auto units = LoadUnits(unitsFile);
  if (const auto* problem = std::get_if<std::string>(&units)) return *problem;

  const SteelCase& steel = std::get<SteelCase>(steelCase);
  UnitSettings& unitSettings = std::get<UnitSettings>(units);
  auto project = std::make_unique<BeamProject>();
  project->model = std::get<BeamModel>(parsed);
  project->LoadRowCount = LoadRowsInUseFor(project->model.Loads);
  AnalysedCase analysed;
  analysed.messages = ApplySteelCase(steel, *project, unitSettings);
  if (const std::string refused = ApplyTimberCase(text, unitSettings, *project); !refused.empty())
    return caseFile + ": " + refused;
  analysed.session = std::make_unique<ProjectSession>(std::filesystem::current_path());
  analysed.session->SetUnits(unitSettings);
  analysed.session->LoadCase(*project);
  analysed.dialogs = std::make_unique<AnswerDialogs>(steel.answers);
  analysed.outcome = analysed.session->Analyse(*analysed.dialogs);
  // Results that are not all finite are refused with the message the program shows.
  if (!analysed.outcome.ran && !analysed.outcome.messages.empty())
    return caseFile + ": " + analysed.outcome.messages.front();
  analysed.messages.insert(analysed.messages.end(), analysed.outcome.messageLog.begin(),
                           analysed.outcome.messageLog.end());
  return analysed;
}

void PrintResultsSummary(const BeamResults& r, const std::vector<std::string>& messages,
                         std::ostream& out) {
  for (const std::string& message : messages)
    out << message << "\n";
  const auto kN = [](double newtons) { return SigFig4(newtons / 1000) + " kN"; };
  const auto kNm = [](double newtonMillimetres) {
    return SigFig4(newtonMillimetres / 1e6) + " kN-m";
  };
  const auto mm = [](double millimetres) { return SigFig4(millimetres) + " mm"; };
  out << "Reactions:          LH " << kN(r.Reactions[0]) << ", RH " << kN(r.Reactions[1]) << "\n";
  out << "Total applied load: " << kN(r.TotalAppliedLoad) << "\n";
  out << "Largest shear:      " << kN(r.ShearExtremes[0]) << " (greatest " << kN(r.ShearExtremes[1])
      << ", least " << kN(r.ShearExtremes[2]) << ")\n";
  out << "Largest moment:     " << kNm(r.MomentExtremes[0]) << " (sagging "
      << kNm(r.MomentExtremes[2]) << ", hogging " << kNm(r.MomentExtremes[1]) << ")\n";
  out << "Largest deflection: " << mm(r.DeflectionExtremes[0]) << " (downward "
      << mm(-r.DeflectionExtremes[1]) << ", upward " << mm(r.DeflectionExtremes[2]) << ")\n";
}

}  // namespace trabeo::cli
