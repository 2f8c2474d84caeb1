#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "calculators/calculator_run.h"
#include "cli/commands.h"
#include "cli/section_json.h"
#include "settings/number_range.h"

namespace trabeo::cli {
namespace {

// The parsed command line: the calculator window's boxes as the keys gave them (a missing key is
// an empty box) and the output asked for.
struct CalcRequest {
  CalculatorEntry entry;
  bool json = false;
};

struct Shape {
  std::string_view name;
  CalculatorShape shape;
};

constexpr Shape kShapes[] = {
    {"tube", CalculatorShape::Tube},       {"box", CalculatorShape::Box},
    {"ibeam", CalculatorShape::IBeam},     {"joist", CalculatorShape::Joist},
    {"channel", CalculatorShape::Channel}, {"angle", CalculatorShape::Angle},
};

// What the JSON adds to the saved record: the elastic moduli, the weight and what else the
// window shows of the shape.
void AddResults(nlohmann::ordered_json& json, const TubeResults& r) {
  json["Zyy"] = r.Z;  // the tube's pair has always come in this order
  json["Zxx"] = r.Z;
  json["Weight"] = r.Weight;
}

void AddResults(nlohmann::ordered_json& json, const BoxResults& r) {
  json["Zxx"] = r.Zxx;
  json["Zyy"] = r.Zyy;
  json["Weight"] = r.Weight;
}

void AddResults(nlohmann::ordered_json& json, const ChannelResults& r) {
  json["Zxx"] = r.Zxx;
  json["Zyy"] = r.Zyy;
  json["InscribedCircle"] = r.InscribedCircle;
  json["Ceq"] = r.Ceq;
  json["eo"] = r.eo;
  json["Weight"] = r.Weight;
}

// The I-beam, the joist and the angle.
template <typename Results>
void AddResults(nlohmann::ordered_json& json, const Results& r) {
  json["Zxx"] = r.Zxx;
  json["Zyy"] = r.Zyy;
  json["InscribedCircle"] = r.InscribedCircle;
  json["Weight"] = r.Weight;
}

// The grade's py, the classes and the messages of the steel shapes.
void AddDesign(nlohmann::ordered_json& json, const CalculatorDesign& design) {
  json["py"] = design.py;
  json["ClassXX"] = design.classXX;
  json["ClassYY"] = design.classYY;
  json["Messages"] = design.messages;
}

nlohmann::ordered_json RunJson(const CalculatorRun& run) {
  nlohmann::ordered_json json = SectionRecordJson(run.record);
  std::visit(
      [&json](const auto& results) {
        AddResults(json, results);
        if constexpr (requires { results.design; }) AddDesign(json, results.design);
      },
      *run.results);
  return json;
}

// The window's lines: its results from the dimensions (as given: "203.20" stays "203.20") to the
// weight, the grade, py and class lines, then the messages the window shows once.
void PrintSheet(const CalculatorRun& run, std::ostream& out) {
  for (const ShownValue& value : run.sheet->values)
    out << value.Text() << "\n";
  for (const std::string& line : run.sheet->designLines)
    out << line << "\n";
  for (const std::string& message : run.designMessages)
    out << message << "\n";
}

// A number as a whole value: "12.5" but not "12.5mm", "inf" or "nan". A number beyond the range
// of a double ("1e400") comes back as NaN, for the range check to refuse.
std::optional<double> ParseNumber(std::string_view text) {
  if (text.starts_with('+')) text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ptr != text.data() + text.size()) return std::nullopt;
  if (result.ec == std::errc::result_out_of_range) return std::numeric_limits<double>::quiet_NaN();
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Only whole numbers reach the calculator, which reads them as the window reads its boxes.
std::variant<CalcRequest, std::string> ParseRequest(const Shape& shape,
                                                    std::span<const std::string> args) {
  CalcRequest q;
  q.entry.shape = shape.shape;
  const std::span<const std::string_view> keys = DimensionSymbols(shape.shape);
  q.entry.dimensions.assign(keys.size(), "");
  std::map<std::string, bool, std::less<>> seen;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      q.json = true;
      continue;
    }
    const auto equals = arg.find('=');
    if (equals == std::string::npos) return "expected key=value, got " + arg;
    const std::string key = arg.substr(0, equals);
    const std::string_view value = std::string_view(arg).substr(equals + 1);
    if (seen[key]) return "key " + key + " given twice";
    seen[key] = true;
    const auto dimension = std::ranges::find(keys, key);
    if (key == "desc") {
      q.entry.description = std::string(value);
    } else if (key == "grade" && HasGrade(shape.shape)) {
      const auto number = ParseNumber(value);
      const auto grade = number && *number == std::trunc(*number)
                             ? SteelGradeFromNumber(static_cast<int32_t>(*number))
                             : std::nullopt;
      if (!grade) return "grade must be 43, 50 or 55";
      q.entry.grade = *grade;
    } else if (dimension != keys.end()) {
      if (value.empty()) continue;  // an empty box
      const auto number = ParseNumber(value);
      if (!number) return "the value of " + key + " is not a number: " + std::string(value);
      if (!FitsSinglePrecision(*number)) return OutOfRangeMessage("the value of " + key);
      q.entry.dimensions[static_cast<std::size_t>(dimension - keys.begin())] = std::string(value);
    } else {
      return "unknown key " + key + " for " + std::string(shape.name);
    }
  }
  return q;
}

}  // namespace

int RunCalcCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "trabeo-cli calc: no shape given (tube, box, ibeam, joist, channel, angle)\n";
    return kExitBadInput;
  }
  const auto shape = std::ranges::find(kShapes, args.front(), &Shape::name);
  if (shape == std::end(kShapes)) {
    err << "trabeo-cli calc: unknown shape " << args.front()
        << " (tube, box, ibeam, joist, channel, angle)\n";
    return kExitBadInput;
  }
  const auto parsed = ParseRequest(*shape, args.subspan(1));
  if (const auto* problem = std::get_if<std::string>(&parsed)) {
    err << "trabeo-cli calc: " << *problem << "\n";
    return kExitBadInput;
  }
  const CalcRequest& request = std::get<CalcRequest>(parsed);
  const CalculatorRun run = RunCalculator(request.entry);
  if (!run.ok()) {
    if (request.json) {
      out << DumpJson({{"Message", run.message}}) << "\n";
    } else if (!run.message.empty()) {
      out << run.message << "\n";
    } else {
      err << "trabeo-cli calc: the calculation stopped without a message\n";
    }
    // Results that are not numbers are no verdict on the section, but bad input.
    return run.message == kCalculationNotFiniteMessage ? kExitBadInput : kExitCheckFailed;
  }
  if (request.json) {
    out << DumpJson(RunJson(run)) << "\n";
  } else {
    PrintSheet(run, out);
  }
  return kExitOk;
}

}  // namespace trabeo::cli
