#include "cli/analysed_case.h"

#include "beam_input/load_entry.h"
#include "cli/answer_dialogs.h"
#include "cli/beam_json.h"
#include "cli/json_text.h"
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

namespace {

// The case parsed once, with its beam and steel fields, read before the units so that a case's
// own faults are named first.
struct CaseFields {
  nlohmann::json root;
  BeamModel model;
  SteelCase steel;
};

std::variant<CaseFields, std::string> ReadCaseFields(std::string_view text,
                                                     const std::string& caseName) {
  auto parsedText = ParseJsonText(text);
  if (const auto* why = std::get_if<std::string>(&parsedText))
    return caseName + ": the file is not valid JSON (" + *why + ")";
  nlohmann::json root = std::get<nlohmann::json>(std::move(parsedText));
  // A timber case takes E, Ixx and the fibre distance from its section.
  const std::optional<nlohmann::json> timberBeam = BeamJsonOfTimberCase(root);
  auto parsed = ParseBeamJson(timberBeam ? *timberBeam : root);
  if (const auto* problem = std::get_if<std::string>(&parsed)) return caseName + ": " + *problem;
  auto steelCase = ParseSteelCase(root);
  if (const auto* problem = std::get_if<std::string>(&steelCase)) return caseName + ": " + *problem;
  return CaseFields{std::move(root), std::get<BeamModel>(std::move(parsed)),
                    std::get<SteelCase>(std::move(steelCase))};
}

std::variant<AnalysedCase, std::string> AnalyseCaseFields(
    const CaseFields& fields, const std::string& caseName, UnitSettings unitSettings,
    ProjectSession::Listing listing, const std::filesystem::path& startFolder) {
  const SteelCase& steel = fields.steel;
  auto project = std::make_unique<BeamProject>();
  project->model = fields.model;
  project->LoadRowCount = LoadRowsInUseFor(project->model.Loads);
  AnalysedCase analysed;
  analysed.messages = ApplySteelCase(steel, *project, unitSettings);
  if (const std::string refused = ApplyTimberCase(fields.root, unitSettings, *project);
      !refused.empty())
    return caseName + ": " + refused;
  analysed.session = std::make_unique<ProjectSession>(startFolder);
  analysed.session->SetUnits(unitSettings);
  analysed.session->LoadCase(*project);
  analysed.dialogs = std::make_unique<AnswerDialogs>(steel.answers);
  analysed.outcome = analysed.session->Analyse(*analysed.dialogs, listing);
  // Results that are not all finite are refused with the message the program shows.
  if (!analysed.outcome.ran && !analysed.outcome.messages.empty())
    return caseName + ": " + analysed.outcome.messages.front();
  analysed.messages.insert(analysed.messages.end(), analysed.outcome.messageLog.begin(),
                           analysed.outcome.messageLog.end());
  return analysed;
}

}  // namespace

std::variant<AnalysedCase, std::string> AnalyseCaseFile(const std::string& caseFile,
                                                        const std::optional<std::string>& unitsFile,
                                                        ProjectSession::Listing listing) {
  const auto bytes = ReadFileBytes(caseFile);
  if (!bytes) return "cannot read " + caseFile;
  const std::string text(bytes->begin(), bytes->end());
  const auto fields = ReadCaseFields(text, caseFile);
  if (const auto* problem = std::get_if<std::string>(&fields)) return *problem;
  const auto units = LoadUnits(unitsFile);
  if (const auto* problem = std::get_if<std::string>(&units)) return *problem;
  return AnalyseCaseFields(std::get<CaseFields>(fields), caseFile, std::get<UnitSettings>(units),
                           listing, std::filesystem::current_path());
}

std::variant<AnalysedCase, std::string> AnalyseCaseText(std::string_view caseText,
                                                        const std::string& caseName,
                                                        const UnitSettings& units,
                                                        const std::filesystem::path& startFolder) {
  const auto fields = ReadCaseFields(caseText, caseName);
  if (const auto* problem = std::get_if<std::string>(&fields)) return *problem;
  return AnalyseCaseFields(std::get<CaseFields>(fields), caseName, units,
                           ProjectSession::Listing::OnlyForCodeChecks, startFolder);
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
