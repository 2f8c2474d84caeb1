#include "cli/steel_case_json.h"

#include <array>
#include <cmath>
#include <type_traits>

#include "beam_input/section_pick.h"
#include "fileio/fixed_text.h"
#include "model/beam_model.h"
#include "results/results_listing.h"

namespace trabeo::cli {
namespace {

using nlohmann::json;

// Thrown only inside this file and turned into the returned message.
struct CaseError {
  std::string message;
};

const json* Field(const json& object, const char* name) {
  const auto found = object.find(name);
  return found == object.end() || found->is_null() ? nullptr : &*found;
}

double FiniteNumber(const json& value, const std::string& what) {
  if (!value.is_number()) throw CaseError{what + " must be a number"};
  const double number = value.get<double>();
  if (!std::isfinite(number)) throw CaseError{what + " must be a finite number"};
  return number;
}

// One of the listed whole numbers.
int32_t OneOf(const json& value, const std::string& what, std::initializer_list<int32_t> allowed,
              const std::string& allowedText) {
  const double number = FiniteNumber(value, what);
  for (int32_t candidate : allowed) {
    if (number == candidate) return candidate;
  }
  throw CaseError{what + " must be " + allowedText};
}

// A list of exactly N entries, each read by `read`.
template <typename T, std::size_t N, typename Read>
std::array<T, N> FixedList(const json& value, const std::string& what, Read read) {
  if (!value.is_array() || value.size() != N)
    throw CaseError{what + " must be a list of " + std::to_string(N) + " numbers"};
  std::array<T, N> list{};
  for (std::size_t i = 0; i < N; ++i)
    list[i] = read(value[i], what + " entry " + std::to_string(i));
  return list;
}

int32_t Flag(const json& value, const std::string& what) {
  return OneOf(value, what, {0, 1}, "0 or 1");
}

int32_t Station(const json& value, const std::string& what) {
  const double number = FiniteNumber(value, what);
  if (number != std::floor(number) || number < 0 || number > kFactoredStationCount)
    throw CaseError{what + " must be a whole number of stations from 0 to 200"};
  return static_cast<int32_t>(number);
}

double Length(const json& value, const std::string& what) {
  const double number = FiniteNumber(value, what);
  if (number < 0) throw CaseError{what + " must not be negative"};
  return number;
}

// The record's numeric fields by their names in a case.
std::array<std::pair<const char*, float*>, 34> NumericFields(SectionRecord& r) {
  return {{{"Depth", &r.Depth},
           {"Width", &r.Width},
           {"WebThk", &r.WebThk},
           {"FlgThk", &r.FlgThk},
           {"RootRad", &r.RootRad},
           {"ToeRad", &r.ToeRad},
           {"Outstand", &r.Outstand},
           {"WebDepth", &r.WebDepth},
           {"FlgAngle", &r.FlgAngle},
           {"Grade", &r.Grade},
           {"E", &r.E},
           {"Area", &r.Area},
           {"Ixx", &r.Ixx},
           {"Iyy", &r.Iyy},
           {"Rx", &r.Rx},
           {"Ry", &r.Ry},
           {"Cx", &r.Cx},
           {"Cy", &r.Cy},
           {"ExtremeX", &r.ExtremeX},
           {"ExtremeY", &r.ExtremeY},
           {"Iuu", &r.Iuu},
           {"Ivv", &r.Ivv},
           {"Ru", &r.Ru},
           {"Rv", &r.Rv},
           {"Alpha", &r.Alpha},
           {"K", &r.K},
           {"TorsionFibre", &r.TorsionFibre},
           {"Cs", &r.Cs},
           {"Sxx", &r.Sxx},
           {"Syy", &r.Syy},
           {"u", &r.u},
           {"x", &r.x},
           {"H", &r.H},
           {"Extra", &r.Extra}}};
}

SectionRecord ReadSection(const json& object) {
  if (!object.is_object()) throw CaseError{"Section must be an object of record fields"};
  SectionRecord r;
  const auto numbers = NumericFields(r);
  for (const auto& [key, value] : object.items()) {
    const std::string where = "Section: " + key;
    if (key == "Designation" || key == "Type") {
      if (!value.is_string()) throw CaseError{where + " must be a text"};
      continue;
    }
    if (key == "RecordNo") continue;  // as `sections --json` prints it; no part of the pick
    bool known = false;
    for (const auto& [name, field] : numbers) {
      if (key == name) {
        *field = static_cast<float>(FiniteNumber(value, where));
        known = true;
      }
    }
    if (!known) throw CaseError{where + " is not a field of a section record"};
  }
  if (const json* designation = Field(object, "Designation"))
    r.Designation = CutToCapacity(designation->get<std::string>(), kDesignationCapacity);
  const json* type = Field(object, "Type");
  const std::string kind = type != nullptr ? type->get<std::string>() : std::string();
  if (!IsSteelKind(SectionKindFromText(kind)))
    throw CaseError{"Section: Type must be Beam, RSJ, RSC, RSA, Box or Tube"};
  r.Type = kind;
  return r;
}

void ReadRestraints(const json& root, SteelRestraints& r) {
  if (const json* value = Field(root, "EffectiveLengths"))
    r.EffectiveLengths = FixedList<double, 12>(*value, "EffectiveLengths", Length);
  const double restraintCount = r.EffectiveLengths[9];
  if (restraintCount != std::floor(restraintCount) || restraintCount > 5)
    throw CaseError{
        "EffectiveLengths entry 9, the number of intermediate restraints, must be a "
        "whole number from 0 to 5"};
  if (const json* value = Field(root, "IntermediateRestraints"))
    r.IntermediateRestraints = Flag(*value, "IntermediateRestraints");
  if (const json* value = Field(root, "RestraintStations"))
    r.RestraintStations = FixedList<int32_t, 10>(*value, "RestraintStations", Station);
  if (const json* value = Field(root, "SpanRestraintFlags"))
    r.SpanRestraintFlags = FixedList<int32_t, 18>(*value, "SpanRestraintFlags", Flag);
  if (const json* value = Field(root, "LhCantRestraintFlags"))
    r.LhCantRestraintFlags = FixedList<int32_t, 10>(*value, "LhCantRestraintFlags", Flag);
  if (const json* value = Field(root, "RhCantRestraintFlags"))
    r.RhCantRestraintFlags = FixedList<int32_t, 10>(*value, "RhCantRestraintFlags", Flag);
}

// 43, 50 or 55, or the EN 10025 names "S275", "S355" and "S460".
SteelGrade ReadGrade(const json& grade) {
  constexpr const char* kChoices = "43, 50 or 55, or \"S275\", \"S355\" or \"S460\"";
  if (grade.is_string()) {
    if (auto named = SteelGradeFromName(grade.get<std::string>())) return *named;
    throw CaseError{std::string("SteelGrade must be ") + kChoices};
  }
  return *SteelGradeFromNumber(OneOf(grade, "SteelGrade", {43, 50, 55}, kChoices));
}

SteelCase ReadSteelCase(const json& root) {
  SteelCase steelCase;
  if (!root.is_object()) return steelCase;  // the beam's own reading reports this
  if (const json* section = Field(root, "Section")) steelCase.section = ReadSection(*section);
  if (const json* grade = Field(root, "SteelGrade")) steelCase.steelGrade = ReadGrade(*grade);
  if (const json* annex = Field(root, "NationalAnnex")) {
    const auto known =
        annex->is_string() ? NationalAnnexFromName(annex->get<std::string>()) : std::nullopt;
    if (!known) throw CaseError{"NationalAnnex must be \"UK\" or \"Recommended\""};
    steelCase.annex = *known;
  }
  if (const json* mode = Field(root, "NFactorMode"))
    steelCase.nFactorMode = OneOf(*mode, "NFactorMode", {1, 2, 3}, "1, 2 or 3");
  ReadRestraints(root, steelCase.restraints);
  std::string problem;
  std::optional<std::vector<std::string>> answers = ReadAnswers(root, problem);
  if (!answers) throw CaseError{problem};
  steelCase.answers = std::move(*answers);
  return steelCase;
}

template <typename T, std::size_t N>
json Numbers(const std::array<T, N>& values) {
  json out = json::array();
  for (const T& value : values) {
    if constexpr (std::is_integral_v<T>) {
      out.push_back(value);
    } else {
      out.push_back(static_cast<double>(value));
    }
  }
  return out;
}

json CheckTextJson(const SteelCheckState& check) {
  json blocks = json::array();
  for (const auto& block : check.CheckText) {
    json lines = json::array();
    for (int line = 0; line < kCheckTextLines; ++line)
      lines.push_back(block[line]);
    blocks.push_back(std::move(lines));
  }
  return blocks;
}

}  // namespace

std::variant<SteelCase, std::string> ParseSteelCase(const json& caseRoot) {
  try {
    return ReadSteelCase(caseRoot);
  } catch (const CaseError& error) {
    return error.message;
  }
}

std::vector<std::string> ApplySteelCase(const SteelCase& steelCase, BeamProject& project,
                                        UnitSettings& units) {
  project.restraints = steelCase.restraints;
  // A checked beam's restraints were set for this span, as the span form records when it hands
  // them on.
  if (IsSteelCode(project.model.DesignCode))
    project.restraints.ClearSpan = static_cast<float>(project.model.MainSpan.Length);
  if (steelCase.nFactorMode) units.NFactorMode = *steelCase.nFactorMode;
  project.SteelAnnex = steelCase.annex;
  if (!steelCase.section) return {};
  return ApplyPickedSection(*steelCase.section, steelCase.steelGrade, units, project)
      .design.messages;
}

void AddSteelCheckJson(json& out, const BeamProject& project, const SteelCheckState& check,
                       const AnswerDialogs& dialogs) {
  out["ComplianceState"] = check.ComplianceState;
  out["DesignStrength"] = static_cast<double>(project.section.DesignStrength);
  out["SectionClassText"] = SectionClassText(project.section.SectionClass);
  out["AvgLoadFactor"] = static_cast<double>(check.AvgLoadFactor);
  out["PartMb"] = Numbers(check.PartMb);
  out["PartMc"] = Numbers(check.PartMc);
  out["PartShearLimit"] = Numbers(check.PartShearLimit);
  out["PartN"] = Numbers(check.PartN);
  out["PartM"] = Numbers(check.PartM);
  out["PartChecked"] = Numbers(check.PartChecked);
  out["SegmentMaxShear"] = Numbers(check.SegmentMaxShear);
  out["SegmentMaxMoment"] = Numbers(check.SegmentMaxMoment);
  out["EffectiveLengths"] = Numbers(project.restraints.EffectiveLengths);
  out["RsaLengths"] = Numbers(check.RsaLengths);
  out["CheckText"] = CheckTextJson(check);
  out["CheckWarnings"] = check.CheckWarnings;
  const Color colour = ListingColor(DesignCode::BS5950, check.ComplianceState, 0);
  out["ListColour"] = colour == colors::kRed ? "red" : "black";
  out["Dialogs"] = dialogs.PutsJson();
}

}  // namespace trabeo::cli

namespace trabeo::cli {
namespace {

json OrNull(const std::optional<double>& value) {
  return value ? json(*value) : json();
}

json PartJson(const Ec3PartOutcome& part) {
  const en1993::BeamPartResult& r = part.result;
  json j;
  j["Part"] = part.name;
  j["MEd"] = r.MEd;
  j["VEd"] = r.VEd;
  j["Lcr"] = OrNull(r.Lcr);
  j["C1"] = OrNull(r.Lcr ? r.C1 : std::nullopt);
  j["Mcr"] = OrNull(r.Mcr);
  j["McRd"] = OrNull(r.McRd);
  j["VplRd"] = OrNull(r.VplRd);
  j["MbRd"] = OrNull(r.MbRd);
  j["ChiLT"] = OrNull(r.ChiLT);
  j["UtilisationBending"] = OrNull(r.UtilisationBending);
  j["UtilisationShear"] = OrNull(r.UtilisationShear);
  j["UtilisationLTB"] = OrNull(r.UtilisationLTB);
  j["Verdict"] = r.Verdict;
  if (r.whyNotChecked) j["Message"] = *r.whyNotChecked;
  return j;
}

}  // namespace

void AddEc3CheckJson(json& out, const Ec3BeamCheck& check, const SteelCheckState& state) {
  json parts = json::array();
  for (const Ec3PartOutcome& part : check.parts)
    parts.push_back(PartJson(part));
  out["Ec3Parts"] = std::move(parts);
  out["Ec3Verdict"] = check.verdict;
  const Color colour = ListingColor(DesignCode::EN1993, state.ComplianceState, 0);
  out["ListColour"] = colour == colors::kRed ? "red" : "black";
}

}  // namespace trabeo::cli
