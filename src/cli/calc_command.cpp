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
#include "calculators/shown_values.h"
#include "cli/commands.h"
#include "cli/section_json.h"
#include "settings/number_range.h"

namespace trabeo::cli {
namespace {

// The parsed command line: dimensions by their symbols (an empty value is an empty box), grade
// and description.
struct CalcRequest {
  std::map<std::string, TypedDimension, std::less<>> dims;
  std::map<std::string, std::string, std::less<>> typed;  // the texts of the numbers given
  SteelGrade grade = SteelGrade::S275;
  std::string description;
  bool json = false;

  TypedDimension Dim(std::string_view key) const {
    const auto found = dims.find(key);
    return found == dims.end() ? std::nullopt : found->second;
  }
};

// What a successful calculation prints: the window's lines, or one JSON object.
struct CalcPrintout {
  std::vector<std::string> lines;
  nlohmann::ordered_json json;
};
using CalcRun = std::variant<CalcPrintout, std::string>;  // a failure carries its message

// The parts every steel calculator shares: grade, py, class lines and the messages shown once.
void AddDesign(CalcPrintout& p, const CalculatorDesign& design, bool bothAxes) {
  for (const std::string& line : DesignLines(design, bothAxes))
    p.lines.push_back(line);
  for (const std::string& message : design.messages)
    p.lines.push_back(message);
  p.json["py"] = design.py;
  p.json["ClassXX"] = design.classXX;
  p.json["ClassYY"] = design.classYY;
  p.json["Messages"] = design.messages;
}

// The saved record and the window's result lines, whose dimension lines show the dimensions as
// they were given ("203.20" stays "203.20"), as the window's do.
CalcPrintout Start(const SectionRecord& record, std::vector<ShownValue> values,
                   const CalcRequest& q, CalculatorShape shape) {
  const std::span<const std::string_view> symbols = DimensionSymbols(shape);
  for (std::size_t i = 0; i < symbols.size() && i < values.size(); ++i) {
    if (symbols[i] == "theta") continue;  // the flange taper has no dimension line
    const auto typed = q.typed.find(symbols[i]);
    const TypedDimension used = q.Dim(symbols[i]);
    if (typed != q.typed.end() && used) values[i].value = DimensionText(typed->second, *used);
  }
  CalcPrintout p;
  p.json = SectionRecordJson(record);
  for (const ShownValue& v : values)
    p.lines.push_back(v.Text());
  return p;
}

CalcRun RunTube(const CalcRequest& q) {
  const auto outcome = CalculateTube({q.Dim("D"), q.Dim("t"), q.grade});
  if (!outcome.ok()) return outcome.message;
  const TubeResults& r = *outcome.results;
  CalcPrintout p =
      Start(TubeSectionRecord(r, q.description), TubeShownValues(r), q, CalculatorShape::Tube);
  p.json["Zxx"] = p.json["Zyy"] = r.Z;
  p.json["Weight"] = r.Weight;
  AddDesign(p, r.design, false);
  return p;
}

CalcRun RunBox(const CalcRequest& q) {
  const auto outcome = CalculateBox({q.Dim("B"), q.Dim("D"), q.Dim("t"), q.grade});
  if (!outcome.ok()) return outcome.message;
  const BoxResults& r = *outcome.results;
  CalcPrintout p =
      Start(BoxSectionRecord(r, q.description), BoxShownValues(r), q, CalculatorShape::Box);
  p.json["Zxx"] = r.Zxx;
  p.json["Zyy"] = r.Zyy;
  p.json["Weight"] = r.Weight;
  AddDesign(p, r.design, true);
  return p;
}

CalcRun RunIBeam(const CalcRequest& q) {
  const auto outcome =
      CalculateIBeam({q.Dim("D"), q.Dim("B"), q.Dim("t"), q.Dim("T"), q.Dim("r"), q.grade});
  if (!outcome.ok()) return outcome.message;
  const IBeamResults& r = *outcome.results;
  CalcPrintout p = Start(IBeamSectionRecord(r, q.description), IBeamShownValues(r, {}), q,
                         CalculatorShape::IBeam);
  p.json["Zxx"] = r.Zxx;
  p.json["Zyy"] = r.Zyy;
  p.json["InscribedCircle"] = r.InscribedCircle;
  p.json["Weight"] = r.Weight;
  AddDesign(p, r.design, false);
  return p;
}

CalcRun RunJoist(const CalcRequest& q) {
  const auto outcome = CalculateJoist({q.Dim("B"), q.Dim("D"), q.Dim("T"), q.Dim("t"), q.Dim("r1"),
                                       q.Dim("r2"), q.Dim("theta"), q.grade});
  if (!outcome.ok()) return outcome.message;
  const JoistResults& r = *outcome.results;
  CalcPrintout p =
      Start(JoistSectionRecord(r, q.description), JoistShownValues(r), q, CalculatorShape::Joist);
  p.json["Zxx"] = r.Zxx;
  p.json["Zyy"] = r.Zyy;
  p.json["InscribedCircle"] = r.InscribedCircle;
  p.json["Weight"] = r.Weight;
  AddDesign(p, r.design, false);
  return p;
}

CalcRun RunChannel(const CalcRequest& q) {
  const auto outcome =
      CalculateChannel({q.description, q.Dim("B"), q.Dim("D"), q.Dim("T"), q.Dim("t"), q.Dim("r1"),
                        q.Dim("r2"), q.Dim("theta"), q.grade});
  if (!outcome.ok()) return outcome.message;
  const ChannelResults& r = *outcome.results;
  CalcPrintout p = Start(ChannelSectionRecord(r, q.description), ChannelShownValues(r, {}), q,
                         CalculatorShape::Channel);
  p.json["Zxx"] = r.Zxx;
  p.json["Zyy"] = r.Zyy;
  p.json["InscribedCircle"] = r.InscribedCircle;
  p.json["Ceq"] = r.Ceq;
  p.json["eo"] = r.eo;
  p.json["Weight"] = r.Weight;
  AddDesign(p, r.design, false);
  return p;
}

CalcRun RunAngle(const CalcRequest& q) {
  const auto outcome =
      CalculateAngle({q.Dim("d"), q.Dim("b"), q.Dim("t"), q.Dim("r1"), q.Dim("r2")});
  if (!outcome.ok()) return outcome.message;
  const AngleResults& r = *outcome.results;
  CalcPrintout p =
      Start(AngleSectionRecord(r, q.description), AngleShownValues(r), q, CalculatorShape::Angle);
  p.json["Zxx"] = r.Zxx;
  p.json["Zyy"] = r.Zyy;
  p.json["InscribedCircle"] = r.InscribedCircle;
  p.json["Weight"] = r.Weight;
  return p;
}

struct Shape {
  std::string_view name;
  std::vector<std::string_view> dimensionKeys;
  bool hasGrade;
  CalcRun (*run)(const CalcRequest&);
};

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = {
      {"tube", {"D", "t"}, true, RunTube},
      {"box", {"B", "D", "t"}, true, RunBox},
      {"ibeam", {"D", "B", "t", "T", "r"}, true, RunIBeam},
      {"joist", {"B", "D", "T", "t", "r1", "r2", "theta"}, true, RunJoist},
      {"channel", {"B", "D", "T", "t", "r1", "r2", "theta"}, true, RunChannel},
      {"angle", {"d", "b", "t", "r1", "r2"}, false, RunAngle},
  };
  return shapes;
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

std::variant<CalcRequest, std::string> ParseRequest(const Shape& shape,
                                                    std::span<const std::string> args) {
  CalcRequest q;
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
    if (key == "desc") {
      q.description = std::string(value);
    } else if (key == "grade" && shape.hasGrade) {
      const auto number = ParseNumber(value);
      const auto grade = number && *number == std::trunc(*number)
                             ? SteelGradeFromNumber(static_cast<int32_t>(*number))
                             : std::nullopt;
      if (!grade) return "grade must be 43, 50 or 55";
      q.grade = *grade;
    } else if (std::ranges::find(shape.dimensionKeys, key) != shape.dimensionKeys.end()) {
      if (value.empty()) {
        q.dims[key] = std::nullopt;  // an empty box
        continue;
      }
      const auto number = ParseNumber(value);
      if (!number) return "the value of " + key + " is not a number: " + std::string(value);
      if (!FitsSinglePrecision(*number)) return OutOfRangeMessage("the value of " + key);
      q.dims[key] = *number;
      q.typed[key] = std::string(value);
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
  const auto shape = std::ranges::find(Shapes(), args.front(), &Shape::name);
  if (shape == Shapes().end()) {
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
  const CalcRun run = shape->run(request);
  if (const auto* message = std::get_if<std::string>(&run)) {
    if (request.json) {
      out << DumpJson({{"Message", *message}}) << "\n";
    } else if (!message->empty()) {
      out << *message << "\n";
    } else {
      err << "trabeo-cli calc: the calculation stopped without a message\n";
    }
    // Results that are not numbers are no verdict on the section, but bad input.
    return *message == kCalculationNotFiniteMessage ? kExitBadInput : kExitCheckFailed;
  }
  const CalcPrintout& printout = std::get<CalcPrintout>(run);
  if (request.json) {
    out << DumpJson(printout.json) << "\n";
  } else {
    for (const std::string& line : printout.lines)
      out << line << "\n";
  }
  return kExitOk;
}

}  // namespace trabeo::cli
