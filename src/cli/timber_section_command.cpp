#include <memory>

#include "cli/commands.h"
#include "cli/file_arguments.h"
#include "cli/json_text.h"
#include "cli/section_json.h"
#include "cli/timber_case_json.h"
#include "fileio/file_bytes.h"

namespace trabeo::cli {
namespace {

// The case's "Timber" object, or the whole object when it is a timber section on its own.
const nlohmann::json& TimberFields(const nlohmann::json& root) {
  const auto found = root.is_object() ? root.find("Timber") : root.end();
  return found != root.end() ? *found : root;
}

nlohmann::ordered_json HandedOverJson(const TimberSectionWindow& window,
                                      const BeamProject& project) {
  const TimberBeamValues& t = project.timber;
  nlohmann::ordered_json j;
  j["Lines"] = window.lines;
  j["SectionDescription"] = project.section.SectionDescription;
  j["E"] = project.model.MainSpan.E;
  j["Ixx"] = project.model.MainSpan.Ixx;
  j["FibreDistance"] = SingleAsDecimal(project.model.FibreDistance);
  j["TimberPermMoment"] = SingleAsDecimal(t.TimberPermMoment);
  j["TimberPermShear"] = SingleAsDecimal(t.TimberPermShear);
  j["TimberPermBendStress"] = SingleAsDecimal(t.TimberPermBendStress);
  j["TimberShearStiffness"] = SingleAsDecimal(t.TimberShearStiffness);
  std::vector<std::string> properties;
  for (int slot = 1; slot <= project.section.PropertyLines.Count(); ++slot)
    properties.push_back(project.section.PropertyLines[slot]);
  j["PropertyLines"] = properties;
  return j;
}

}  // namespace

int RunTimberSectionCommand(std::span<const std::string> args, std::ostream& out,
                            std::ostream& err) {
  const std::optional<FileArguments> arguments =
      ParseFileArguments(args, "timber-section", "case file", err);
  if (!arguments) return kExitBadInput;
  const std::string& file = arguments->file;
  const bool json = arguments->json;
  const auto bytes = ReadFileBytes(file);
  if (!bytes) {
    err << "trabeo-cli timber-section: cannot read " << file << "\n";
    return kExitBadInput;
  }
  const auto parsed =
      ParseJsonText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (const auto* why = std::get_if<std::string>(&parsed)) {
    err << "trabeo-cli timber-section: " << file << ": the file is not valid JSON (" << *why
        << ")\n";
    return kExitBadInput;
  }
  const nlohmann::json& root = std::get<nlohmann::json>(parsed);
  const auto read = ReadTimberCase(TimberFields(root));
  if (const auto* problem = std::get_if<std::string>(&read)) {
    err << "trabeo-cli timber-section: " << file << ": " << *problem << "\n";
    return kExitBadInput;
  }
  const TimberCase& c = std::get<TimberCase>(read);
  if (!(c.width > 0 && c.depth > 0)) {
    err << "trabeo-cli timber-section: " << file << ": " << kInputBeamSize << "\n";
    return kExitBadInput;
  }

  // The project holds hundreds of stored lines; keep it off the stack.
  auto project = std::make_unique<BeamProject>();
  UnitSettings units;
  ApplyStartupDefaults(units);
  const TimberSectionRun run = TakeTimberSection(c, units, *project);
  if (!run.handedOver) {
    err << "trabeo-cli timber-section: " << file << ": " << kInputBeamSize << "\n";
    return kExitBadInput;
  }
  if (json) {
    out << DumpJson(HandedOverJson(run.window, *project)) << "\n";
  } else {
    for (const std::string& line : run.window.lines)
      out << line << "\n";
  }
  return kExitOk;
}

}  // namespace trabeo::cli
