#include "cli/member_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "cli/answer_dialogs.h"
#include "cli/json_text.h"
#include "cli/section_record_json.h"
#include "sections/catalogue/catalogue.h"
#include "sections/section_table_file.h"
#include "steel/member_capacity/member_window.h"

namespace trabeo::cli {
namespace {

constexpr std::array<std::string_view, 9> kBoxNames{"py",     "E",      "Le",     "Axial", "MomAxx",
                                                    "MomAyy", "MomBxx", "MomByy", "b1"};
constexpr std::array<std::string_view, 7> kCalculations{
    "MomentXX", "MomentYY", "AxialXX", "AxialYY", "Combined", "Bearing", "Torsion"};
constexpr std::array<std::string_view, 6> kOtherKeys{"Section", "Table",        "Designation",
                                                     "Grade",   "Calculations", "Code"};

std::string TrimTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

std::string ShortestText(double value) {
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), written.ptr);
}

bool IsKnownKey(const std::string& key) {
  const auto in = [&](const auto& list) {
    return std::find(list.begin(), list.end(), key) != list.end();
  };
  return in(kBoxNames) || in(kOtherKeys) || key == "Answers";
}

std::variant<SectionRecord, std::string> TableSection(const nlohmann::json& json) {
  if (!json.contains("Designation") || !json.at("Designation").is_string())
    return std::string("Table needs a Designation text");
  if (!json.at("Table").is_string()) return std::string("Table must be a text");
  const std::string table = json.at("Table").get<std::string>();
  const MemberFamily* family = FindMemberFamily(table);
  if (family == nullptr || table.ends_with(".sct"))
    return "Table " + table + " is not a table the member capacity window offers";
  std::vector<SectionRecord> records;
  if (family->fileName == kMiscTableFileName) {
    records = ReadSectionTable(".", kMiscTableFileName);
  } else if (const CatalogueFile* file = FindCatalogueFile(family->fileName)) {
    records = CatalogueRecords(*file);
  }
  const std::string wanted = TrimTrailingBlanks(json.at("Designation").get<std::string>());
  for (const SectionRecord& record : records) {
    if (!record.IsSeparator() && TrimTrailingBlanks(record.Designation) == wanted) return record;
  }
  return "Table " + table + " has no section " + wanted;
}

}  // namespace

std::variant<SectionRecord, std::string> MemberCaseSection(const nlohmann::json& json) {
  const bool section = json.contains("Section");
  const bool table = json.contains("Table");
  if (section == table) return std::string("Give either a Section or a Table with a Designation");
  if (table) return TableSection(json);
  if (json.contains("Designation")) return std::string("Designation goes with a Table");
  std::string problem;
  const std::optional<SectionRecord> record = SectionRecordFromJson(json.at("Section"), problem);
  if (!record) return problem;
  if (record->IsSeparator()) return std::string("Section needs a Width above 0");
  return *record;
}

std::variant<MemberCase, std::string> ParseMemberCase(const std::string& text) {
  const auto parsed = ParseJsonText(text);
  if (const auto* why = std::get_if<std::string>(&parsed))
    return "the case is not valid JSON (" + *why + ")";
  const nlohmann::json& json = std::get<nlohmann::json>(parsed);
  if (!json.is_object()) return std::string("the case must be a JSON object");
  for (const auto& item : json.items()) {
    if (!IsKnownKey(item.key())) return "unknown field " + item.key();
  }
  MemberCase c;
  auto section = MemberCaseSection(json);
  if (auto* problem = std::get_if<std::string>(&section)) return *problem;
  c.section = std::get<SectionRecord>(section);
  if (json.contains("Grade")) {
    const nlohmann::json& grade = json.at("Grade");
    const std::optional<SteelGrade> known =
        grade.is_number_integer() && std::abs(grade.get<int64_t>()) < 1000
            ? SteelGradeFromNumber(static_cast<int32_t>(grade.get<int64_t>()))
            : std::nullopt;
    if (!known) return std::string("Grade must be 43, 50 or 55");
    c.grade = *known;
  }
  for (const std::string_view name : kBoxNames) {
    const std::string key(name);
    if (!json.contains(key)) continue;
    const nlohmann::json& value = json.at(key);
    if (value.is_number() && std::isfinite(value.get<double>())) {
      c.boxes.emplace_back(key, ShortestText(value.get<double>()));
    } else if (value.is_string()) {
      c.boxes.emplace_back(key, value.get<std::string>());
    } else {
      return key + " must be a number or a text";
    }
  }
  if (json.contains("Calculations")) {
    const nlohmann::json& list = json.at("Calculations");
    if (!list.is_array()) return std::string("Calculations must be a list");
    for (const nlohmann::json& item : list) {
      if (!item.is_string() || std::find(kCalculations.begin(), kCalculations.end(),
                                         item.get<std::string>()) == kCalculations.end())
        return std::string(
            "Calculations may hold MomentXX, MomentYY, AxialXX, AxialYY, Combined, Bearing and "
            "Torsion");
      c.calculations.push_back(item.get<std::string>());
    }
  }
  std::string problem;
  const auto answers = ReadAnswers(json, problem);
  if (!answers) return problem;
  c.answers = *answers;
  return c;
}

}  // namespace trabeo::cli
