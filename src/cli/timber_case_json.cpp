#include "cli/timber_case_json.h"

#include "cli/beam_json.h"

#include <cmath>
#include <optional>

namespace trabeo::cli {
namespace {

using nlohmann::json;

constexpr const char* kTimberKey = "Timber";
constexpr const char* kSteelCodeRefused = "Cannot check timber beam to steel code";
constexpr const char* kTimberSectionNeeded =
    "DesignCode 5268 checks a timber section: give it as \"Timber\"";

std::optional<double> Size(const json& timber, const char* name, std::string& problem) {
  const auto found = timber.find(name);
  if (found == timber.end() || found->is_null()) return 0.0;
  if (!found->is_number() || !std::isfinite(found->get<double>())) {
    problem = std::string("Timber: ") + name + " must be a number (mm)";
    return std::nullopt;
  }
  return found->get<double>();
}

// A text option: absent gives the default; otherwise one of the known codes.
template <typename T, typename Parse>
std::optional<T> Option(const json& timber, const char* name, T fallback, Parse parse,
                        const char* allowed, std::string& problem) {
  const auto found = timber.find(name);
  if (found == timber.end() || found->is_null()) return fallback;
  if (found->is_string()) {
    if (auto value = parse(found->get<std::string>())) return value;
  }
  problem = std::string("Timber: ") + name + " must be " + allowed;
  return std::nullopt;
}

std::optional<int> GradeIndex(const std::string& name) {
  const int index = TimberGradeListIndex(name);
  return index < 0 ? std::nullopt : std::optional<int>(index);
}

// The "Timber" object of a case; nullptr when the case has none.
const json* TimberObject(const json& root) {
  if (!root.is_object()) return nullptr;
  const auto found = root.find(kTimberKey);
  return found == root.end() || found->is_null() ? nullptr : &*found;
}

std::variant<DesignCode, std::string> CaseDesignCode(const json& root) {
  const auto found = root.find("DesignCode");
  if (found == root.end() || found->is_null()) return DesignCode::BS5268;
  if (found->is_number()) {
    const double value = found->get<double>();
    for (DesignCode code : kCaseDesignCodes) {
      if (value == DesignCodeNumber(code)) return code;
    }
  }
  return std::string(kUnknownDesignCodeMessage);
}

}  // namespace

std::variant<TimberCase, std::string> ReadTimberCase(const json& timber) {
  if (!timber.is_object()) return std::string("Timber must be an object");
  TimberCase c;
  std::string problem;
  const auto width = Size(timber, "Width", problem);
  const auto depth = width ? Size(timber, "Depth", problem) : std::nullopt;
  if (!depth) return problem;
  c.width = *width;
  c.depth = *depth;
  const auto grade = Option(timber, "Grade", kDefaultTimberGradeIndex, GradeIndex,
                            "a strength class, C14 ... C40, D30 ... D70 or SC1 ... SC9", problem);
  if (!grade) return problem;
  c.gradeIndex = *grade;
  const auto sharing = Option(
      timber, "Sharing", LoadSharing::Single,
      [](const std::string& code) { return SharingOfCode(code); }, "\"Single\" or \"Share\"",
      problem);
  if (!sharing) return problem;
  c.sharing = *sharing;
  const auto exposure = Option(
      timber, "Exposure", TimberExposure::Dry,
      [](const std::string& code) { return ExposureOfCode(code); }, "\"Dry\" or \"Wet\"", problem);
  if (!exposure) return problem;
  c.exposure = *exposure;
  const auto duration = Option(
      timber, "Duration", LoadDuration::LongTerm,
      [](const std::string& code) { return DurationOfCode(code); },
      "\"LT\", \"MT\", \"ST\" or \"VST\"", problem);
  if (!duration) return problem;
  c.duration = *duration;
  return c;
}

TimberSectionRun TakeTimberSection(const TimberCase& timber, const UnitSettings& units,
                                   BeamProject& project) {
  project.section.TimberWidth = static_cast<float>(timber.width);
  project.section.TimberDepth = static_cast<float>(timber.depth);
  TimberSectionRun run{ShowTimberSectionWindow(project), false};
  run.window.gradeIndex = timber.gradeIndex;
  run.window.sharing = timber.sharing;
  run.window.exposure = timber.exposure;
  run.window.duration = timber.duration;
  const auto handOver = NextFromTimberSection(run.window, units, project);
  if (!handOver) return run;
  TakeTimberStiffness(*handOver, units, project.model);
  run.handedOver = true;
  return run;
}

std::optional<json> BeamJsonOfTimberCase(const json& caseRoot) {
  if (TimberObject(caseRoot) == nullptr) return std::nullopt;
  json beam = caseRoot;
  beam["E"] = 1;
  beam["Ixx"] = 1;
  beam["FibreDistance"] = 0;
  return beam;
}

std::string ApplyTimberCase(const json& root, const UnitSettings& units, BeamProject& project) {
  const json* timber = TimberObject(root);
  if (timber == nullptr) {
    // Without a section there are no permissible values to check against.
    const bool checked = root.is_object() && root.contains("DesignCode") &&
                         root["DesignCode"].is_number() &&
                         root["DesignCode"] == DesignCodeNumber(DesignCode::BS5268);
    return checked ? kTimberSectionNeeded : std::string();
  }
  const auto read = ReadTimberCase(*timber);
  if (const auto* problem = std::get_if<std::string>(&read)) return *problem;
  const TimberCase& c = std::get<TimberCase>(read);
  const auto code = CaseDesignCode(root);
  if (const auto* problem = std::get_if<std::string>(&code)) return *problem;
  if (!(c.width > 0 && c.depth > 0)) return kInputBeamSize;

  if (!TakeTimberSection(c, units, project).handedOver) return kInputBeamSize;

  // The beam form's "Next >" with the case's code option checked.
  project.model.DesignCode = std::get<DesignCode>(code);
  if (IsSteelCode(project.model.DesignCode)) return kSteelCodeRefused;
  return {};
}

}  // namespace trabeo::cli
