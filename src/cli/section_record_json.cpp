#include "cli/section_record_json.h"

#include <cmath>
#include <map>

#include "fileio/fixed_text.h"

namespace trabeo::cli {
namespace {

std::map<std::string, float SectionRecord::*> NumberFields() {
  return {{"Depth", &SectionRecord::Depth},
          {"Width", &SectionRecord::Width},
          {"WebThk", &SectionRecord::WebThk},
          {"FlgThk", &SectionRecord::FlgThk},
          {"RootRad", &SectionRecord::RootRad},
          {"ToeRad", &SectionRecord::ToeRad},
          {"Outstand", &SectionRecord::Outstand},
          {"WebDepth", &SectionRecord::WebDepth},
          {"FlgAngle", &SectionRecord::FlgAngle},
          {"Grade", &SectionRecord::Grade},
          {"E", &SectionRecord::E},
          {"Area", &SectionRecord::Area},
          {"Ixx", &SectionRecord::Ixx},
          {"Iyy", &SectionRecord::Iyy},
          {"Rx", &SectionRecord::Rx},
          {"Ry", &SectionRecord::Ry},
          {"Cx", &SectionRecord::Cx},
          {"Cy", &SectionRecord::Cy},
          {"ExtremeX", &SectionRecord::ExtremeX},
          {"ExtremeY", &SectionRecord::ExtremeY},
          {"Iuu", &SectionRecord::Iuu},
          {"Ivv", &SectionRecord::Ivv},
          {"Ru", &SectionRecord::Ru},
          {"Rv", &SectionRecord::Rv},
          {"Alpha", &SectionRecord::Alpha},
          {"K", &SectionRecord::K},
          {"TorsionFibre", &SectionRecord::TorsionFibre},
          {"Cs", &SectionRecord::Cs},
          {"Sxx", &SectionRecord::Sxx},
          {"Syy", &SectionRecord::Syy},
          {"u", &SectionRecord::u},
          {"x", &SectionRecord::x},
          {"H", &SectionRecord::H},
          {"Extra", &SectionRecord::Extra}};
}

}  // namespace

std::optional<SectionRecord> SectionRecordFromJson(const nlohmann::json& json,
                                                   std::string& problem) {
  if (!json.is_object()) {
    problem = "Section must be an object of section record fields";
    return std::nullopt;
  }
  const auto numbers = NumberFields();
  SectionRecord record;
  for (const auto& [name, value] : json.items()) {
    if (name == "Designation" || name == "Type") {
      if (!value.is_string()) {
        problem = "Section field " + name + " must be a text";
        return std::nullopt;
      }
      const std::string text = value.get<std::string>();
      if (name == "Designation") {
        record.Designation = CutToCapacity(text, kDesignationCapacity);
      } else {
        record.Type = CutToCapacity(text, kSectionTypeCapacity);
      }
      continue;
    }
    if (name == "RecordNo") {
      if (!value.is_number_integer()) {
        problem = "Section field RecordNo must be a whole number";
        return std::nullopt;
      }
      record.RecordNo = value.get<int32_t>();
      continue;
    }
    const auto field = numbers.find(name);
    if (field == numbers.end()) {
      problem = "Section has an unknown field " + name;
      return std::nullopt;
    }
    if (!value.is_number() || !std::isfinite(value.get<double>()) ||
        std::abs(value.get<double>()) > 3e38) {
      problem = "Section field " + name + " must be a number";
      return std::nullopt;
    }
    record.*(field->second) = static_cast<float>(value.get<double>());
  }
  return record;
}

}  // namespace trabeo::cli
