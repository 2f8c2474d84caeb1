#include "calculators/calculator_run.h"

#include <array>
#include <charconv>
#include <cmath>

#include "calculators/typed_number.h"
#include "settings/sig_fig.h"

namespace trabeo {
namespace {

constexpr std::array<std::string_view, 2> kTubeSymbols = {"D", "t"};
constexpr std::array<std::string_view, 3> kBoxSymbols = {"D", "B", "t"};
constexpr std::array<std::string_view, 5> kIBeamSymbols = {"D", "B", "t", "T", "r"};
constexpr std::array<std::string_view, 7> kTaperedSymbols = {"D",  "B",  "t",    "T",
                                                             "r1", "r2", "theta"};
constexpr std::array<std::string_view, 5> kAngleSymbols = {"d", "b", "t", "r1", "r2"};

// The entry's boxes read as the calculators read them.
class EntryBoxes {
 public:
  explicit EntryBoxes(const CalculatorEntry& entry) : entry_(entry) {}
  TypedDimension operator[](std::size_t i) const {
    return i < entry_.dimensions.size() ? ReadTypedNumber(entry_.dimensions[i]) : std::nullopt;
  }
  std::string_view Text(std::size_t i) const {
    return i < entry_.dimensions.size() ? std::string_view(entry_.dimensions[i]) : "";
  }

 private:
  const CalculatorEntry& entry_;
};

// The sheet's dimension lines (the first dimensions used.size() lines) take the typed texts.
CalculatorSheet SheetOf(const CalculatorEntry& entry, std::vector<ShownValue> values,
                        std::initializer_list<double> used) {
  const EntryBoxes boxes(entry);
  std::size_t i = 0;
  for (double value : used) {
    values[i].value = DimensionText(boxes.Text(i), value);
    ++i;
  }
  return {entry.shape, std::move(values), {}};
}

void AddDesign(CalculatorRun& run, const CalculatorDesign& design, bool bothAxes,
               std::string (*formatPy)(double)) {
  run.sheet->designLines = DesignLines(design, bothAxes);
  run.py = formatPy(design.py);
  run.classXX = design.classXX;
  if (bothAxes) run.classYY = design.classYY;
  run.designMessages = design.messages;
}

template <typename Results>
CalculatorRun Failed(const CalculatorOutcome<Results>& outcome) {
  CalculatorRun run;
  run.message = outcome.message;
  return run;
}

CalculatorRun RunTube(const CalculatorEntry& e) {
  const EntryBoxes in(e);
  const auto outcome = CalculateTube({in[0], in[1], e.grade});
  if (!outcome.ok()) return Failed(outcome);
  const TubeResults& r = *outcome.results;
  CalculatorRun run;
  run.sheet = SheetOf(e, TubeShownValues(r), {r.D, r.t});
  run.record = TubeSectionRecord(r, e.description);
  run.results = r;
  AddDesign(run, r.design, false, SigFig3);
  return run;
}

CalculatorRun RunBox(const CalculatorEntry& e) {
  const EntryBoxes in(e);
  const auto outcome = CalculateBox({in[1], in[0], in[2], e.grade});
  if (!outcome.ok()) return Failed(outcome);
  const BoxResults& r = *outcome.results;
  CalculatorRun run;
  run.sheet = SheetOf(e, BoxShownValues(r), {r.D, r.B, r.t});
  run.record = BoxSectionRecord(r, e.description);
  run.results = r;
  AddDesign(run, r.design, true, SigFig3);
  return run;
}

CalculatorRun RunIBeam(const CalculatorEntry& e) {
  const EntryBoxes in(e);
  const auto outcome = CalculateIBeam({in[0], in[1], in[2], in[3], in[4], e.grade});
  if (!outcome.ok()) return Failed(outcome);
  const IBeamResults& r = *outcome.results;
  CalculatorRun run;
  run.sheet = SheetOf(e, IBeamShownValues(r, e.labels), {r.D, r.B, r.t, r.T, r.r});
  run.record = IBeamSectionRecord(r, e.description);
  run.results = r;
  AddDesign(run, r.design, false, SigFig3);
  return run;
}

CalculatorRun RunJoist(const CalculatorEntry& e) {
  const EntryBoxes in(e);
  const auto outcome = CalculateJoist({in[1], in[0], in[3], in[2], in[4], in[5], in[6], e.grade});
  if (!outcome.ok()) return Failed(outcome);
  const JoistResults& r = *outcome.results;
  CalculatorRun run;
  run.sheet = SheetOf(e, JoistShownValues(r), {r.D, r.B, r.t, r.T, r.r1, r.r2});
  run.record = JoistSectionRecord(r, e.description);
  run.results = r;
  AddDesign(run, r.design, false, SigFig3);
  return run;
}

CalculatorRun RunChannel(const CalculatorEntry& e) {
  const EntryBoxes in(e);
  const auto outcome =
      CalculateChannel({e.description, in[1], in[0], in[3], in[2], in[4], in[5], in[6], e.grade});
  if (!outcome.ok()) return Failed(outcome);
  const ChannelResults& r = *outcome.results;
  CalculatorRun run;
  run.sheet = SheetOf(e, ChannelShownValues(r, e.labels), {r.D, r.B, r.t, r.T, r.r1, r.r2});
  run.record = ChannelSectionRecord(r, e.description);
  run.results = r;
  AddDesign(run, r.design, false, SigFig3Dec3);
  return run;
}

CalculatorRun RunAngle(const CalculatorEntry& e) {
  const EntryBoxes in(e);
  const auto outcome = CalculateAngle({in[0], in[1], in[2], in[3], in[4]});
  if (!outcome.ok()) return Failed(outcome);
  const AngleResults& r = *outcome.results;
  CalculatorRun run;
  run.sheet = SheetOf(e, AngleShownValues(r), {r.d, r.b, r.t, r.r1, r.r2});
  run.record = AngleSectionRecord(r, e.description);
  run.results = r;
  return run;
}

}  // namespace

std::span<const std::string_view> DimensionSymbols(CalculatorShape shape) {
  switch (shape) {
    case CalculatorShape::Tube:
      return kTubeSymbols;
    case CalculatorShape::Box:
      return kBoxSymbols;
    case CalculatorShape::IBeam:
      return kIBeamSymbols;
    case CalculatorShape::Joist:
    case CalculatorShape::Channel:
      return kTaperedSymbols;
    case CalculatorShape::Angle:
      break;
  }
  return kAngleSymbols;
}

bool HasGrade(CalculatorShape shape) {
  return shape != CalculatorShape::Angle;
}

CalculatorRun RunCalculator(const CalculatorEntry& entry) {
  switch (entry.shape) {
    case CalculatorShape::Tube:
      return RunTube(entry);
    case CalculatorShape::Box:
      return RunBox(entry);
    case CalculatorShape::IBeam:
      return RunIBeam(entry);
    case CalculatorShape::Joist:
      return RunJoist(entry);
    case CalculatorShape::Channel:
      return RunChannel(entry);
    case CalculatorShape::Angle:
      break;
  }
  return RunAngle(entry);
}

std::string DimensionText(std::string_view typed, double used) {
  const std::size_t first = typed.find_first_not_of(" \t");
  const std::size_t last = typed.find_last_not_of(" \t");
  if (first != std::string_view::npos) {
    const std::string_view trimmed = typed.substr(first, last - first + 1);
    std::string_view digits = trimmed;
    if (digits.starts_with('+')) digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc() && end == digits.data() + digits.size() && value == used)
      return std::string(trimmed);
  }
  return TypedText(used);
}

}  // namespace trabeo
