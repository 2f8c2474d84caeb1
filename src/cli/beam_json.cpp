#include "cli/beam_json.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/json_text.h"
#include "settings/number_range.h"

namespace trabeo::cli {
namespace {

using nlohmann::json;

// Thrown only inside this file and turned into the returned message.
struct InputError {
  std::string message;
};

std::optional<double> NumberField(const json& object, const char* name, const std::string& where) {
  const auto found = object.find(name);
  if (found == object.end() || found->is_null()) return std::nullopt;
  if (!found->is_number()) throw InputError{where + name + " must be a number"};
  const double value = found->get<double>();
  if (!std::isfinite(value)) throw InputError{where + name + " must be a finite number"};
  // The beam is kept in single precision, as the desktop program keeps it.
  if (!FitsSinglePrecision(value)) throw InputError{OutOfRangeMessage(where + name)};
  return value;
}

double RequiredPositive(const json& object, const char* name) {
  const auto value = NumberField(object, name, "");
  if (!value) throw InputError{std::string(name) + " is missing"};
  if (*value <= 0) throw InputError{std::string(name) + " must be greater than 0"};
  return *value;
}

double NonNegative(const json& object, const char* name, const std::string& where) {
  const double value = NumberField(object, name, where).value_or(0.0);
  if (value < 0) throw InputError{where + name + " must not be negative"};
  return value;
}

int32_t SupportKind(const json& object, const char* name) {
  const double value = NumberField(object, name, "").value_or(kPinnedSupport);
  if (value != kFixedSupport && value != kPinnedSupport) {
    throw InputError{std::string(name) + " must be 1 (fixed) or -1 (pinned)"};
  }
  return static_cast<int32_t>(value);
}

DesignCode CaseDesignCode(const json& object) {
  const double value = NumberField(object, "DesignCode", "").value_or(0);
  for (DesignCode code : kCaseDesignCodes) {
    if (value == DesignCodeNumber(code)) return code;
  }
  throw InputError{std::string(kUnknownDesignCodeMessage)};
}

SegmentRecord Cantilever(const json& object, const char* name) {
  SegmentRecord segment;
  const double length = NonNegative(object, name, "");
  if (length > 0) {
    segment.Present = 1.0;
    segment.Length = length;
  }
  return segment;
}

LoadRecord LoadRow(const json& row, int number) {
  const std::string where = "LoadTable row " + std::to_string(number) + ": ";
  if (!row.is_object()) throw InputError{where + "must be an object"};
  LoadRecord record;
  const double kind = NumberField(row, "Kind", where).value_or(0.0);
  if (kind != 1 && kind != -1 && kind != 0) throw InputError{where + "Kind must be 1, -1 or 0"};
  record.Kind = static_cast<float>(kind);
  record.Position = static_cast<float>(NonNegative(row, "Position", where));
  record.Intensity = static_cast<float>(NumberField(row, "Intensity", where).value_or(0.0));
  record.EndIntensity = static_cast<float>(NumberField(row, "EndIntensity", where).value_or(0.0));
  record.Cover = static_cast<float>(NonNegative(row, "Cover", where));
  record.Factor = static_cast<float>(NumberField(row, "Factor", where).value_or(1.0));
  record.Applied = static_cast<float>(NumberField(row, "Applied", where).value_or(1.0));
  return record;
}

void ReadLoadTable(const json& root, BeamModel& model) {
  const auto found = root.find("LoadTable");
  if (found == root.end() || found->is_null()) return;
  if (!found->is_array()) throw InputError{"LoadTable must be an array of load rows"};
  if (found->size() > kUserLoadRows) {
    throw InputError{"LoadTable holds " + std::to_string(found->size()) +
                     " rows; a beam takes at most 25 loads"};
  }
  int number = 1;
  for (const json& row : *found) {
    model.Loads.row(number) = LoadRow(row, number);
    ++number;
  }
}

// The self weight is row 26: a uniform load over the whole beam.
void ReadSelfWeight(const json& root, BeamModel& model) {
  const auto found = root.find("SelfWeight");
  if (found == root.end() || found->is_null()) return;
  if (!found->is_object()) throw InputError{"SelfWeight must be an object"};
  const std::string where = "SelfWeight: ";
  LoadRecord& row = model.Loads.row(kSelfWeightRow);
  row.Kind = kDistributedLoadKind;
  row.Position = 0;
  row.Intensity = static_cast<float>(NumberField(*found, "Intensity", where).value_or(0.0));
  row.EndIntensity = row.Intensity;
  row.Cover = static_cast<float>(model.TotalLength);
  row.Factor = static_cast<float>(NumberField(*found, "Factor", where).value_or(1.0));
  row.Applied = static_cast<float>(NumberField(*found, "Applied", where).value_or(1.0));
}

BeamModel ReadModel(const json& root) {
  if (!root.is_object()) throw InputError{"the beam must be a JSON object"};
  BeamModel model;
  model.MainSpan.Present = 1.0;
  model.MainSpan.Length = RequiredPositive(root, "MainSpan");
  model.MainSpan.E = RequiredPositive(root, "E");
  model.MainSpan.Ixx = RequiredPositive(root, "Ixx");
  model.LhCantilever = Cantilever(root, "LhCantilever");
  model.RhCantilever = Cantilever(root, "RhCantilever");
  model.LhSupportKind = SupportKind(root, "LhSupportKind");
  model.RhSupportKind = SupportKind(root, "RhSupportKind");
  model.SectionIxx = static_cast<float>(model.MainSpan.Ixx);
  model.FibreDistance = static_cast<float>(NumberField(root, "FibreDistance", "").value_or(0.0));
  model.DesignCode = CaseDesignCode(root);
  model.TotalLength = SumTotalLength(model.LhCantilever, model.MainSpan, model.RhCantilever);
  ReadLoadTable(root, model);
  ReadSelfWeight(root, model);
  return model;
}

}  // namespace

std::variant<BeamModel, std::string> ParseBeamJson(std::string_view text) {
  const auto root = ParseJsonText(text);
  if (const auto* why = std::get_if<std::string>(&root))
    return "the file is not valid JSON (" + *why + ")";
  return ParseBeamJson(std::get<json>(root));
}

std::variant<BeamModel, std::string> ParseBeamJson(const json& root) {
  try {
    return ReadModel(root);
  } catch (const InputError& error) {
    return error.message;
  }
}

}  // namespace trabeo::cli
