#include "cli/ec3_member_case.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "cli/member_json.h"

namespace trabeo::cli {
namespace {

constexpr double kMm = 1e3;   // per m
constexpr double kN = 1e3;    // per kN
constexpr double kNmm = 1e6;  // per kN-m

// A value with its name and the older member window name it may go by instead.
struct Alias {
  std::string_view name;
  std::string_view oldName;
};

constexpr std::array<std::string_view, 12> kPlainKeys{
    "Code", "Table", "Designation", "Section", "Grade", "NationalAnnex",
    "Le",   "Lcry",  "Lcrz",        "LLT",     "C1",    "VEd"};
constexpr std::array<Alias, 5> kAliases{{{"NEd", "Axial"},
                                         {"MyEd1", "MomAxx"},
                                         {"MyEd2", "MomBxx"},
                                         {"MzEd1", "MomAyy"},
                                         {"MzEd2", "MomByy"}}};
constexpr std::array<std::string_view, 2> kSwitches{"Destabilising", "Restrained"};

bool IsKnownKey(const std::string& key) {
  for (std::string_view k : kPlainKeys)
    if (key == k) return true;
  for (const Alias& a : kAliases)
    if (key == a.name || key == a.oldName) return true;
  for (std::string_view k : kSwitches)
    if (key == k) return true;
  return false;
}

// A number under `key`, if given; a message when it is not a finite number.
std::variant<std::optional<double>, std::string> Number(const nlohmann::json& json,
                                                        std::string_view key) {
  const std::string k(key);
  if (!json.contains(k)) return std::optional<double>();
  const nlohmann::json& value = json.at(k);
  if (!value.is_number() || !std::isfinite(value.get<double>())) return k + " must be a number";
  return std::optional<double>(value.get<double>());
}

std::variant<std::optional<double>, std::string> AliasedNumber(const nlohmann::json& json,
                                                               const Alias& alias) {
  if (json.contains(std::string(alias.name)) && json.contains(std::string(alias.oldName)))
    return "give " + std::string(alias.name) + " or " + std::string(alias.oldName) + ", not both";
  return json.contains(std::string(alias.name)) ? Number(json, alias.name)
                                                : Number(json, alias.oldName);
}

std::variant<SteelGrade, std::string> Grade(const nlohmann::json& json) {
  if (!json.contains("Grade")) return SteelGrade::S275;
  const nlohmann::json& value = json.at("Grade");
  std::optional<SteelGrade> grade;
  if (value.is_string()) grade = SteelGradeFromName(value.get<std::string>());
  if (value.is_number() && value.get<double>() == std::trunc(value.get<double>()) &&
      std::abs(value.get<double>()) < 1e6)
    grade = SteelGradeFromNumber(static_cast<int32_t>(value.get<double>()));
  if (!grade) return std::string("Grade must be S275, S355 or S460 (or 43, 50 or 55)");
  return *grade;
}

std::variant<en1993::NationalAnnex, std::string> Annex(const nlohmann::json& json) {
  if (!json.contains("NationalAnnex")) return en1993::NationalAnnex::UK;
  const nlohmann::json& value = json.at("NationalAnnex");
  std::optional<en1993::NationalAnnex> annex;
  if (value.is_string()) annex = NationalAnnexFromName(value.get<std::string>());
  if (!annex) return std::string("NationalAnnex must be UK or Recommended");
  return *annex;
}

// A length in m given under `key`, in mm; a message naming the key when it is not a length.
std::variant<std::optional<double>, std::string> Length(const nlohmann::json& json,
                                                        std::string_view key) {
  const auto value = Number(json, key);
  if (std::holds_alternative<std::string>(value)) return value;
  const std::optional<double> metres = std::get<std::optional<double>>(value);
  if (!metres) return metres;
  const double millimetres = *metres * kMm;
  if (!(millimetres >= 0) || !std::isfinite(millimetres))
    return std::string(key) + " must be a length of 0 or more";
  return millimetres;
}

// The three lengths in mm, each defaulting to "Le" (refused when negative even if unused).
std::optional<std::string> ReadLengths(const nlohmann::json& json, en1993::MemberInput& in) {
  const auto le = Length(json, "Le");
  if (auto* problem = std::get_if<std::string>(&le)) return *problem;
  const std::pair<std::string_view, std::optional<double>*> lengths[] = {
      {"Lcry", &in.Lcry}, {"Lcrz", &in.Lcrz}, {"LLT", &in.LLT}};
  for (const auto& [key, target] : lengths) {
    const auto value = Length(json, key);
    if (auto* problem = std::get_if<std::string>(&value)) return *problem;
    *target = std::get<std::optional<double>>(value) ? std::get<std::optional<double>>(value)
                                                     : std::get<std::optional<double>>(le);
  }
  return std::nullopt;
}

std::optional<std::string> ReadActions(const nlohmann::json& json, en1993::MemberInput& in) {
  double* const targets[] = {&in.NEd, &in.MyEd1, &in.MyEd2, &in.MzEd1, &in.MzEd2};
  for (std::size_t i = 0; i < kAliases.size(); ++i) {
    const auto value = AliasedNumber(json, kAliases[i]);
    if (auto* problem = std::get_if<std::string>(&value)) return *problem;
    const double scale = i == 0 ? kN : kNmm;
    *targets[i] = std::get<std::optional<double>>(value).value_or(0) * scale;
  }
  const auto shear = Number(json, "VEd");
  if (auto* problem = std::get_if<std::string>(&shear)) return *problem;
  in.VEd = std::get<std::optional<double>>(shear).value_or(0) * kN;
  const auto c1 = Number(json, "C1");
  if (auto* problem = std::get_if<std::string>(&c1)) return *problem;
  in.C1 = std::get<std::optional<double>>(c1);
  return std::nullopt;
}

std::optional<std::string> ReadSwitches(const nlohmann::json& json, en1993::MemberInput& in) {
  bool* const targets[] = {&in.destabilising, &in.restrained};
  for (std::size_t i = 0; i < kSwitches.size(); ++i) {
    const std::string key(kSwitches[i]);
    if (!json.contains(key)) continue;
    if (!json.at(key).is_boolean()) return key + " must be true or false";
    *targets[i] = json.at(key).get<bool>();
  }
  return std::nullopt;
}

}  // namespace

std::variant<MemberCode, std::string> MemberCaseCode(const std::string& text) {
  const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
  if (json.is_discarded() || !json.is_object() || !json.contains("Code")) return MemberCode::BS5950;
  const nlohmann::json& code = json.at("Code");
  if (code == "BS5950") return MemberCode::BS5950;
  if (code == "EN1993") return MemberCode::EN1993;
  return std::string("Code must be BS5950 or EN1993");
}

std::variant<en1993::MemberInput, std::string> ParseEc3MemberCase(const nlohmann::json& json) {
  if (!json.is_object()) return std::string("the case must be a JSON object");
  for (const auto& item : json.items()) {
    if (!IsKnownKey(item.key())) return "unknown field " + item.key() + " for EN1993";
  }
  en1993::MemberInput in;
  auto section = MemberCaseSection(json);
  if (auto* problem = std::get_if<std::string>(&section)) return *problem;
  in.section = std::get<SectionRecord>(section);
  auto grade = Grade(json);
  if (auto* problem = std::get_if<std::string>(&grade)) return *problem;
  in.grade = std::get<SteelGrade>(grade);
  auto annex = Annex(json);
  if (auto* problem = std::get_if<std::string>(&annex)) return *problem;
  in.annex = std::get<en1993::NationalAnnex>(annex);
  if (auto problem = ReadLengths(json, in)) return *problem;
  if (auto problem = ReadActions(json, in)) return *problem;
  if (auto problem = ReadSwitches(json, in)) return *problem;
  return in;
}

}  // namespace trabeo::cli
