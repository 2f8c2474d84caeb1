#include "cli/section_json.h"

#include <array>
#include <charconv>

namespace trabeo::cli {

double SingleAsDecimal(float value) {
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  double decimal = 0;
  std::from_chars(buffer.data(), written.ptr, decimal);
  return decimal;
}

nlohmann::ordered_json SectionRecordJson(const SectionRecord& r) {
  nlohmann::ordered_json j = nlohmann::ordered_json::object();
  j["Designation"] = r.Designation;
  const std::pair<const char*, float> leading[] = {
      {"Depth", r.Depth},
      {"Width", r.Width},
      {"WebThk", r.WebThk},
      {"FlgThk", r.FlgThk},
      {"RootRad", r.RootRad},
      {"ToeRad", r.ToeRad},
      {"Outstand", r.Outstand},
      {"WebDepth", r.WebDepth},
      {"FlgAngle", r.FlgAngle},
      {"Grade", r.Grade},
      {"E", r.E},
  };
  for (const auto& [name, value] : leading)
    j[name] = SingleAsDecimal(value);
  j["Type"] = r.Type;
  const std::pair<const char*, float> trailing[] = {
      {"Area", r.Area},
      {"Ixx", r.Ixx},
      {"Iyy", r.Iyy},
      {"Rx", r.Rx},
      {"Ry", r.Ry},
      {"Cx", r.Cx},
      {"Cy", r.Cy},
      {"ExtremeX", r.ExtremeX},
      {"ExtremeY", r.ExtremeY},
      {"Iuu", r.Iuu},
      {"Ivv", r.Ivv},
      {"Ru", r.Ru},
      {"Rv", r.Rv},
      {"Alpha", r.Alpha},
      {"K", r.K},
      {"TorsionFibre", r.TorsionFibre},
      {"Cs", r.Cs},
      {"Sxx", r.Sxx},
      {"Syy", r.Syy},
      {"u", r.u},
      {"x", r.x},
      {"H", r.H},
      {"Extra", r.Extra},
  };
  for (const auto& [name, value] : trailing)
    j[name] = SingleAsDecimal(value);
  j["RecordNo"] = r.RecordNo;
  return j;
}

std::string DumpJson(const nlohmann::ordered_json& json) {
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace trabeo::cli
